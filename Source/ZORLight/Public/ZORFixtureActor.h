#pragma once

#include "CoreMinimal.h"
#include "ZORFixtureActorBase.h"
#include "ZORLightTypes.h"
#include "ZORFixtureActor.generated.h"

/** A single-head fixture (spot, wash, beam) with a volumetric beam. */
UCLASS()
class ZORLIGHT_API AZORFixtureActor : public AZORFixtureActorBase
{
	GENERATED_BODY()

public:
	virtual void OnConstruction(const FTransform& Transform) override;

	/** Ray-march samples through the beam: 32, 64, 128 or 256 from the scene's quality setting. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "ZORLight|Quality", meta = (ClampMin = "1.0", ClampMax = "1024.0"))
	float QualityLevel = 64.0f;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "ZORLight|Quality")
	EQualityEpic QualityIndex = EQualityEpic::Medium;
};
