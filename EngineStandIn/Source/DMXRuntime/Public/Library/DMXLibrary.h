#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Templates/Casts.h"
#include "DMXLibrary.generated.h"

class UDMXEntity;

/** Holds the fixture types and patches of a show. */
UCLASS()
class DMXRUNTIME_API UDMXLibrary : public UObject
{
	GENERATED_BODY()

public:
	/** Adds the entity and makes this library its parent. */
	void AddEntity(UDMXEntity* InEntity);
	/** Removes the entity; it is deleted (marked as garbage), so references to it go null. */
	void RemoveEntity(UDMXEntity* InEntity);

	const TArray<UDMXEntity*>& GetEntities() const
	{
		return Entities;
	}

	template<typename EntityType>
	TArray<EntityType*> GetEntitiesTypeCast() const
	{
		TArray<EntityType*> Result;
		for (UDMXEntity* Entity : Entities)
		{
			if (EntityType* Typed = Cast<EntityType>(Entity))
			{
				Result.Add(Typed);
			}
		}
		return Result;
	}

private:
	TArray<UDMXEntity*> Entities;
};
