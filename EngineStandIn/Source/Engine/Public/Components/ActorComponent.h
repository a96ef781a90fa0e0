#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "ActorComponent.generated.h"

class AActor;
class UWorld;

/** A component owned by an actor (its outer). */
UCLASS(Abstract)
class ENGINE_API UActorComponent : public UObject
{
	GENERATED_BODY()

public:
	AActor* GetOwner() const;
	template<class T>
	T* GetOwner() const
	{
		return Cast<T>(GetOwner());
	}

	virtual UWorld* GetWorld() const override;
	virtual void PostInitProperties() override;

	void RegisterComponent();
	void UnregisterComponent();
	bool IsRegistered() const
	{
		return bRegistered;
	}

	/** Unregisters the component, removes it from its owner and marks it as garbage. */
	virtual void DestroyComponent(bool bPromoteChildren = false);

protected:
	virtual void OnRegister()
	{
	}
	virtual void OnUnregister()
	{
	}

private:
	bool bRegistered = false;
};
