#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Level.generated.h"

class AActor;
class UWorld;

/** A level of a world: the actors placed in it, in the order they were spawned. */
UCLASS()
class ENGINE_API ULevel : public UObject
{
	GENERATED_BODY()

public:
	/** The level's actors; destroyed actors are removed. */
	TArray<AActor*> Actors;

	/** The world this level belongs to. */
	TObjectPtr<UWorld> OwningWorld;

	/** Whether the level is shown (loaded and visible in the editor). */
	bool bIsVisible = true;

	virtual UWorld* GetWorld() const override;
	bool IsPersistentLevel() const;
};
