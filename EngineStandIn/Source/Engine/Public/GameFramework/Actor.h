#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Templates/SubclassOf.h"
#include "Templates/Casts.h"
#include "Engine/EngineTypes.h"
#include "Components/ActorComponent.h"
#include "Components/SceneComponent.h"
#include "Actor.generated.h"

class ULevel;
class UWorld;

namespace UE::StandIn
{
	ENGINE_API int32 GetConstructionScriptRuns(const AActor* Actor);
}

/** An object placed in a level (its outer); its root component holds its transform. */
UCLASS()
class ENGINE_API AActor : public UObject
{
	GENERATED_BODY()

public:
#if WITH_EDITOR
	/** The label shown in the editor; without one it is made from the object name when asked to. */
	const FString& GetActorLabel(bool bCreateIfNone = true) const;
	void SetActorLabel(const FString& NewActorLabel, bool bMarkDirty = true);
#endif

	USceneComponent* GetRootComponent() const
	{
		return RootComponent;
	}
	bool SetRootComponent(USceneComponent* NewRootComponent);

	FVector GetActorLocation() const;
	FRotator GetActorRotation() const;
	FQuat GetActorQuat() const;
	FVector GetActorScale3D() const;
	const FTransform& GetActorTransform() const;

	bool SetActorLocation(const FVector& NewLocation, bool bSweep = false, FHitResult* OutSweepHitResult = nullptr, ETeleportType Teleport = ETeleportType::None);
	bool SetActorRotation(FRotator NewRotation, ETeleportType Teleport = ETeleportType::None);
	bool SetActorTransform(const FTransform& NewTransform, bool bSweep = false, FHitResult* OutSweepHitResult = nullptr, ETeleportType Teleport = ETeleportType::None);
	void SetActorScale3D(FVector NewScale3D);

	/** Every component the actor owns that is a ComponentType, in creation order. */
	template<class ComponentType>
	void GetComponents(TArray<ComponentType*>& OutComponents, bool bIncludeFromChildActors = false) const
	{
		OutComponents.Reset();
		for (UActorComponent* Component : OwnedComponents)
		{
			if (ComponentType* Typed = Cast<ComponentType>(Component))
			{
				OutComponents.Add(Typed);
			}
		}
	}

	/** The first owned component of the class, or null. */
	UActorComponent* FindComponentByClass(const TSubclassOf<UActorComponent> ComponentClass) const;
	template<class T>
	T* FindComponentByClass() const
	{
		return Cast<T>(FindComponentByClass(T::StaticClass()));
	}
	UActorComponent* GetComponentByClass(TSubclassOf<UActorComponent> ComponentClass) const;
	template<class T>
	T* GetComponentByClass() const
	{
		return FindComponentByClass<T>();
	}

	/** Components register themselves with their owner (their outer) when they are made. */
	void AddOwnedComponent(UActorComponent* Component);
	void RemoveOwnedComponent(UActorComponent* Component);

	/** Removes the actor from its level and marks it and its components as garbage. */
	bool Destroy(bool bNetForce = false, bool bShouldModifyLevel = true);
	bool IsActorBeingDestroyed() const
	{
		return bActorIsBeingDestroyed;
	}

	virtual UWorld* GetWorld() const override;
	ULevel* GetLevel() const;

	/** Runs when the actor is placed or its construction scripts run again. */
	virtual void OnConstruction(const FTransform& Transform)
	{
	}
	/** Runs OnConstruction again with the actor's transform, as the editor does after a change. */
	virtual void RerunConstructionScripts();

#if WITH_EDITOR
	virtual void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent) override;
#endif

	/** Called by the world once the actor is spawned and placed. */
	void PostSpawnInitialize(const FTransform& SpawnTransform);

protected:
	TObjectPtr<USceneComponent> RootComponent;

private:
	friend ENGINE_API int32 UE::StandIn::GetConstructionScriptRuns(const AActor* Actor);

#if WITH_EDITORONLY_DATA
	UPROPERTY()
	FString ActorLabel;
#endif

	TArray<UActorComponent*> OwnedComponents;
	bool bActorIsBeingDestroyed = false;
	int32 ConstructionScriptRuns = 0;
};
