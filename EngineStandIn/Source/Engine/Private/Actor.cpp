#include "GameFramework/Actor.h"
#include "StandIn/EngineHooks.h"
#include "Components/ActorComponent.h"
#include "Components/SceneComponent.h"
#include "Engine/Level.h"
#include "Engine/World.h"
#include "UObject/UnrealType.h"

#if WITH_EDITOR
const FString& AActor::GetActorLabel(bool bCreateIfNone) const
{
	if (bCreateIfNone && ActorLabel.IsEmpty())
	{
		// Labels are made lazily; the object name is unique in the level, so the label starts unique.
		const_cast<AActor*>(this)->ActorLabel = GetName();
	}
	return ActorLabel;
}

void AActor::SetActorLabel(const FString& NewActorLabel, bool bMarkDirty)
{
	FString NewLabel = NewActorLabel;
	NewLabel.TrimStartAndEndInline();
	if (NewLabel.IsEmpty())
	{
		NewLabel = GetName();
	}
	if (NewLabel.Equals(ActorLabel, ESearchCase::CaseSensitive))
	{
		return;
	}
	Modify(bMarkDirty);
	ActorLabel = NewLabel;
}
#endif

bool AActor::SetRootComponent(USceneComponent* NewRootComponent)
{
	if (NewRootComponent != nullptr && NewRootComponent->GetOwner() != this)
	{
		return false;
	}
	RootComponent = NewRootComponent;
	return true;
}

FVector AActor::GetActorLocation() const
{
	return RootComponent ? RootComponent->GetComponentLocation() : FVector::ZeroVector;
}

FRotator AActor::GetActorRotation() const
{
	return RootComponent ? RootComponent->GetComponentRotation() : FRotator::ZeroRotator;
}

FQuat AActor::GetActorQuat() const
{
	return RootComponent ? RootComponent->GetComponentQuat() : FQuat::Identity;
}

FVector AActor::GetActorScale3D() const
{
	return RootComponent ? RootComponent->GetComponentScale() : FVector::OneVector;
}

const FTransform& AActor::GetActorTransform() const
{
	return RootComponent ? RootComponent->GetComponentTransform() : FTransform::Identity;
}

bool AActor::SetActorLocation(const FVector& NewLocation, bool bSweep, FHitResult* OutSweepHitResult, ETeleportType Teleport)
{
	if (!RootComponent)
	{
		return false;
	}
	RootComponent->SetWorldLocation(NewLocation, bSweep, OutSweepHitResult, Teleport);
	return true;
}

bool AActor::SetActorRotation(FRotator NewRotation, ETeleportType Teleport)
{
	if (!RootComponent)
	{
		return false;
	}
	RootComponent->SetWorldRotation(NewRotation, false, nullptr, Teleport);
	return true;
}

bool AActor::SetActorTransform(const FTransform& NewTransform, bool bSweep, FHitResult* OutSweepHitResult, ETeleportType Teleport)
{
	if (!RootComponent)
	{
		return false;
	}
	RootComponent->SetWorldTransform(NewTransform, bSweep, OutSweepHitResult, Teleport);
	return true;
}

void AActor::SetActorScale3D(FVector NewScale3D)
{
	if (RootComponent)
	{
		RootComponent->SetWorldScale3D(NewScale3D);
	}
}

UActorComponent* AActor::FindComponentByClass(const TSubclassOf<UActorComponent> ComponentClass) const
{
	UClass* Class = ComponentClass.Get();
	if (Class == nullptr)
	{
		return nullptr;
	}
	for (UActorComponent* Component : OwnedComponents)
	{
		if (Component != nullptr && Component->IsA(Class))
		{
			return Component;
		}
	}
	return nullptr;
}

UActorComponent* AActor::GetComponentByClass(TSubclassOf<UActorComponent> ComponentClass) const
{
	return FindComponentByClass(ComponentClass);
}

void AActor::AddOwnedComponent(UActorComponent* Component)
{
	if (Component != nullptr)
	{
		OwnedComponents.AddUnique(Component);
	}
}

void AActor::RemoveOwnedComponent(UActorComponent* Component)
{
	OwnedComponents.Remove(Component);
	if (RootComponent == Component)
	{
		RootComponent = nullptr;
	}
}

bool AActor::Destroy(bool bNetForce, bool bShouldModifyLevel)
{
	if (bActorIsBeingDestroyed || !IsValid(this))
	{
		return true;
	}
	bActorIsBeingDestroyed = true;

	if (ULevel* Level = GetLevel())
	{
		Level->Actors.Remove(this);
	}
	const TArray<UActorComponent*> Components = OwnedComponents;
	for (UActorComponent* Component : Components)
	{
		if (Component != nullptr)
		{
			Component->UnregisterComponent();
			Component->MarkAsGarbage();
		}
	}
	MarkAsGarbage();
	return true;
}

UWorld* AActor::GetWorld() const
{
	const ULevel* Level = GetLevel();
	return Level ? Level->OwningWorld.Get() : nullptr;
}

ULevel* AActor::GetLevel() const
{
	return Cast<ULevel>(GetOuter());
}

void AActor::RerunConstructionScripts()
{
	++ConstructionScriptRuns;
	OnConstruction(GetActorTransform());
}

#if WITH_EDITOR
void AActor::PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent)
{
	Super::PostEditChangeProperty(PropertyChangedEvent);
}
#endif

void AActor::PostSpawnInitialize(const FTransform& SpawnTransform)
{
	if (!RootComponent)
	{
		// The editor gives placed actors without a root a plain scene root to carry the transform.
		USceneComponent* DefaultRoot = NewObject<USceneComponent>(this, TEXT("DefaultSceneRoot"));
		SetRootComponent(DefaultRoot);
	}
	RootComponent->SetWorldTransform(SpawnTransform);

	const TArray<UActorComponent*> Components = OwnedComponents;
	for (UActorComponent* Component : Components)
	{
		if (Component != nullptr && !Component->IsRegistered())
		{
			Component->RegisterComponent();
		}
	}
	OnConstruction(SpawnTransform);
}

int32 UE::StandIn::GetConstructionScriptRuns(const AActor* Actor)
{
	return Actor ? Actor->ConstructionScriptRuns : 0;
}
