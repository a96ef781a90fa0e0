#pragma once

#include "CoreMinimal.h"
#include "Components/ActorComponent.h"
#include "Library/DMXEntityReference.h"
#include "DMXComponent.generated.h"

class UDMXEntityFixturePatch;

/** Gives an actor a fixture patch. */
UCLASS()
class DMXRUNTIME_API UDMXComponent : public UActorComponent
{
	GENERATED_BODY()

public:
	/** The patch, or null when none is set or it was deleted. */
	UDMXEntityFixturePatch* GetFixturePatch() const;
	void SetFixturePatch(UDMXEntityFixturePatch* InFixturePatch);

	FDMXEntityFixturePatchRef FixturePatchRef;
};
