#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtrTemplates.h"

class UDMXEntity;
class UDMXEntityFixturePatch;

/** Refers to an entity weakly: a deleted entity reads as null. */
struct DMXRUNTIME_API FDMXEntityReference
{
	void SetEntity(UDMXEntity* NewEntity);
	UDMXEntity* GetEntity() const;

private:
	TWeakObjectPtr<UDMXEntity> CachedEntity;
};

struct DMXRUNTIME_API FDMXEntityFixturePatchRef : public FDMXEntityReference
{
	UDMXEntityFixturePatch* GetFixturePatch() const;
};
