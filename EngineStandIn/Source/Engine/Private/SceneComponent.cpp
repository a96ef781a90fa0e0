#include "Components/SceneComponent.h"

void USceneComponent::UpdateComponentToWorld()
{
	ComponentToWorld = FTransform(RelativeRotation, RelativeLocation, RelativeScale3D);
}

void USceneComponent::SetWorldTransform(const FTransform& NewTransform, bool bSweep, FHitResult* OutSweepHitResult, ETeleportType Teleport)
{
	SetRelativeTransform(NewTransform, bSweep, OutSweepHitResult, Teleport);
}

void USceneComponent::SetWorldLocation(FVector NewLocation, bool bSweep, FHitResult* OutSweepHitResult, ETeleportType Teleport)
{
	SetRelativeLocation(NewLocation, bSweep, OutSweepHitResult, Teleport);
}

void USceneComponent::SetWorldRotation(FRotator NewRotation, bool bSweep, FHitResult* OutSweepHitResult, ETeleportType Teleport)
{
	SetRelativeRotation(NewRotation, bSweep, OutSweepHitResult, Teleport);
}

void USceneComponent::SetWorldScale3D(FVector NewScale)
{
	SetRelativeScale3D(NewScale);
}

void USceneComponent::SetRelativeTransform(const FTransform& NewTransform, bool bSweep, FHitResult* OutSweepHitResult, ETeleportType Teleport)
{
	RelativeLocation = NewTransform.GetLocation();
	RelativeRotation = NewTransform.Rotator();
	RelativeScale3D = NewTransform.GetScale3D();
	UpdateComponentToWorld();
}

void USceneComponent::SetRelativeLocation(FVector NewLocation, bool bSweep, FHitResult* OutSweepHitResult, ETeleportType Teleport)
{
	RelativeLocation = NewLocation;
	UpdateComponentToWorld();
}

void USceneComponent::SetRelativeRotation(FRotator NewRotation, bool bSweep, FHitResult* OutSweepHitResult, ETeleportType Teleport)
{
	RelativeRotation = NewRotation;
	UpdateComponentToWorld();
}

void USceneComponent::SetRelativeScale3D(FVector NewScale3D)
{
	RelativeScale3D = NewScale3D;
	UpdateComponentToWorld();
}
