#include "Library/DMXLibrary.h"
#include "Library/DMXEntity.h"
#include "Library/DMXEntityReference.h"
#include "Library/DMXEntityFixturePatch.h"

void UDMXLibrary::AddEntity(UDMXEntity* InEntity)
{
	if (InEntity != nullptr && !Entities.Contains(InEntity))
	{
		Entities.Add(InEntity);
		InEntity->SetParentLibrary(this);
	}
}

void UDMXLibrary::RemoveEntity(UDMXEntity* InEntity)
{
	if (InEntity != nullptr && Entities.Remove(InEntity) > 0)
	{
		InEntity->SetParentLibrary(nullptr);
		InEntity->MarkAsGarbage();
	}
}

void FDMXEntityReference::SetEntity(UDMXEntity* NewEntity)
{
	CachedEntity = NewEntity;
}

UDMXEntity* FDMXEntityReference::GetEntity() const
{
	return CachedEntity.Get();
}

UDMXEntityFixturePatch* FDMXEntityFixturePatchRef::GetFixturePatch() const
{
	return Cast<UDMXEntityFixturePatch>(GetEntity());
}
