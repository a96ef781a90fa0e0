#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Templates/SubclassOf.h"
#include "Templates/Casts.h"
#include "Engine/EngineTypes.h"
#include "World.generated.h"

class AActor;
class ULevel;
class UPackage;

/** Parameters of UWorld::SpawnActor. */
struct ENGINE_API FActorSpawnParameters
{
	/** The actor's object name; NAME_None makes a unique one. */
	FName Name;
	/** Spawned actors take their properties from this one when set. */
	AActor* Template = nullptr;
	AActor* Owner = nullptr;
	/** The level to spawn into; null is the world's current level (or the owner's level). */
	ULevel* OverrideLevel = nullptr;
	bool bNoFail = false;
	EObjectFlags ObjectFlags = RF_Transactional;
};

/** A world: its persistent level and the levels added to it. */
UCLASS()
class ENGINE_API UWorld : public UObject
{
	GENERATED_BODY()

public:
	/** Makes a world in its own package with a persistent level that is also its current level. */
	static UWorld* CreateWorld(const EWorldType::Type InWorldType, bool bInformEngineOfWorld, FName WorldName = NAME_None, UPackage* InWorldPackage = nullptr);
	/** Destroys every actor and level of the world and marks the world as garbage. */
	void DestroyWorld(bool bInformEngineOfWorld, UWorld* NewWorld = nullptr);

	TObjectPtr<ULevel> PersistentLevel;
	EWorldType::Type WorldType = EWorldType::None;

	virtual UWorld* GetWorld() const override;

	const TArray<ULevel*>& GetLevels() const
	{
		return Levels;
	}
	int32 GetNumLevels() const
	{
		return Levels.Num();
	}
	ULevel* GetLevel(int32 InLevelIndex) const
	{
		return Levels[InLevelIndex];
	}
	bool AddLevel(ULevel* InLevel);
	bool RemoveLevel(ULevel* InLevel);
	ULevel* GetCurrentLevel() const
	{
		return CurrentLevel;
	}
	bool SetCurrentLevel(ULevel* InLevel);

	AActor* SpawnActor(UClass* Class, FVector const* Location = nullptr, FRotator const* Rotation = nullptr, const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters());
	AActor* SpawnActor(UClass* Class, FTransform const* Transform, const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters());
	AActor* SpawnActor(UClass* Class, FVector const& Location, FRotator const& Rotation, const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters());
	AActor* SpawnActor(UClass* Class, FTransform const& Transform, const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters());

	template<class T>
	T* SpawnActor(const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters())
	{
		return Cast<T>(SpawnActor(T::StaticClass(), static_cast<FTransform const*>(nullptr), SpawnParameters));
	}
	template<class T>
	T* SpawnActor(FVector const& Location, FRotator const& Rotation, const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters())
	{
		return Cast<T>(SpawnActor(T::StaticClass(), &Location, &Rotation, SpawnParameters));
	}
	template<class T>
	T* SpawnActor(UClass* Class, FVector const* Location = nullptr, FRotator const* Rotation = nullptr, const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters())
	{
		return Cast<T>(SpawnActor(Class, Location, Rotation, SpawnParameters));
	}
	template<class T>
	T* SpawnActor(UClass* Class, FTransform const& Transform, const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters())
	{
		return Cast<T>(SpawnActor(Class, &Transform, SpawnParameters));
	}

	/** Same as Actor->Destroy(). */
	bool DestroyActor(AActor* Actor, bool bNetForce = false, bool bShouldModifyLevel = true);
	bool EditorDestroyActor(AActor* Actor, bool bShouldModifyLevel);

private:
	TArray<ULevel*> Levels;
	TObjectPtr<ULevel> CurrentLevel;
};
