#include "Components/ActorComponent.h"
#include "GameFramework/Actor.h"

AActor* UActorComponent::GetOwner() const
{
	return Cast<AActor>(GetOuter());
}

UWorld* UActorComponent::GetWorld() const
{
	const AActor* Owner = GetOwner();
	return Owner ? Owner->GetWorld() : nullptr;
}

void UActorComponent::PostInitProperties()
{
	Super::PostInitProperties();
	if (AActor* Owner = GetOwner())
	{
		Owner->AddOwnedComponent(this);
	}
}

void UActorComponent::RegisterComponent()
{
	if (bRegistered)
	{
		return;
	}
	bRegistered = true;
	OnRegister();
}

void UActorComponent::UnregisterComponent()
{
	if (!bRegistered)
	{
		return;
	}
	bRegistered = false;
	OnUnregister();
}

void UActorComponent::DestroyComponent(bool bPromoteChildren)
{
	if (!IsValid(this))
	{
		return;
	}
	UnregisterComponent();
	if (AActor* Owner = GetOwner())
	{
		Owner->RemoveOwnedComponent(this);
	}
	MarkAsGarbage();
}
