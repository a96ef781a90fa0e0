#include "Engine/Level.h"
#include "Engine/World.h"

UWorld* ULevel::GetWorld() const
{
	return OwningWorld.Get();
}

bool ULevel::IsPersistentLevel() const
{
	const UWorld* World = OwningWorld.Get();
	return World != nullptr && World->PersistentLevel.Get() == this;
}
