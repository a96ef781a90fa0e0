#pragma once

#include "CoreMinimal.h"
#include "Components/ActorComponent.h"
#include "Engine/EngineTypes.h"
#include "SceneComponent.generated.h"

/**
 * A component with a transform. Nothing attaches here, so the relative transform is the world
 * transform; an actor's root component holds the actor's transform.
 */
UCLASS()
class ENGINE_API USceneComponent : public UActorComponent
{
	GENERATED_BODY()

public:
	const FTransform& GetComponentTransform() const
	{
		return ComponentToWorld;
	}
	FVector GetComponentLocation() const
	{
		return ComponentToWorld.GetLocation();
	}
	/** The rotator last set, as the engine's rotation cache gives it back. */
	FRotator GetComponentRotation() const
	{
		return RelativeRotation;
	}
	FQuat GetComponentQuat() const
	{
		return ComponentToWorld.GetRotation();
	}
	FVector GetComponentScale() const
	{
		return ComponentToWorld.GetScale3D();
	}

	FVector GetRelativeLocation() const
	{
		return RelativeLocation;
	}
	FRotator GetRelativeRotation() const
	{
		return RelativeRotation;
	}
	FVector GetRelativeScale3D() const
	{
		return RelativeScale3D;
	}
	FTransform GetRelativeTransform() const
	{
		return ComponentToWorld;
	}

	void SetWorldTransform(const FTransform& NewTransform, bool bSweep = false, FHitResult* OutSweepHitResult = nullptr, ETeleportType Teleport = ETeleportType::None);
	void SetWorldLocation(FVector NewLocation, bool bSweep = false, FHitResult* OutSweepHitResult = nullptr, ETeleportType Teleport = ETeleportType::None);
	void SetWorldRotation(FRotator NewRotation, bool bSweep = false, FHitResult* OutSweepHitResult = nullptr, ETeleportType Teleport = ETeleportType::None);
	void SetWorldScale3D(FVector NewScale);
	void SetRelativeTransform(const FTransform& NewTransform, bool bSweep = false, FHitResult* OutSweepHitResult = nullptr, ETeleportType Teleport = ETeleportType::None);
	void SetRelativeLocation(FVector NewLocation, bool bSweep = false, FHitResult* OutSweepHitResult = nullptr, ETeleportType Teleport = ETeleportType::None);
	void SetRelativeRotation(FRotator NewRotation, bool bSweep = false, FHitResult* OutSweepHitResult = nullptr, ETeleportType Teleport = ETeleportType::None);
	void SetRelativeScale3D(FVector NewScale3D);

private:
	void UpdateComponentToWorld();

	FVector RelativeLocation = FVector::ZeroVector;
	FRotator RelativeRotation = FRotator::ZeroRotator;
	FVector RelativeScale3D = FVector::OneVector;
	FTransform ComponentToWorld = FTransform::Identity;
};
