#pragma once

#include "CoreMinimal.h"
#include "ZORFixtureActorBase.h"
#include "ZORLightTypes.h"
#include "ZORFixtureActorStrip.generated.h"

/** A strip of cells (LED bar, blinder row); its quality follows the scene's quality index only. */
UCLASS()
class ZORLIGHT_API AZORFixtureActorStrip : public AZORFixtureActorBase
{
	GENERATED_BODY()

public:
	virtual void OnConstruction(const FTransform& Transform) override;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "ZORLight|Quality")
	EQualityEpic QualityIndex = EQualityEpic::Medium;
};
