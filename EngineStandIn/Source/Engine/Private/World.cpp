#include "Engine/World.h"
#include "Engine/Level.h"
#include "GameFramework/Actor.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

DEFINE_LOG_CATEGORY_STATIC(LogSpawn, Warning, All);

UWorld* UWorld::CreateWorld(const EWorldType::Type InWorldType, bool bInformEngineOfWorld, FName WorldName, UPackage* InWorldPackage)
{
	if (WorldName.IsNone())
	{
		WorldName = FName(TEXT("Untitled"));
	}
	UPackage* WorldPackage = InWorldPackage;
	if (WorldPackage == nullptr)
	{
		WorldPackage = CreatePackage(*(FString(TEXT("/Temp/")) + WorldName.ToString()));
	}

	UWorld* NewWorld = NewObject<UWorld>(WorldPackage, WorldName);
	NewWorld->WorldType = InWorldType;

	ULevel* Level = NewObject<ULevel>(NewWorld, TEXT("PersistentLevel"));
	Level->OwningWorld = NewWorld;
	NewWorld->PersistentLevel = Level;
	NewWorld->Levels.Add(Level);
	NewWorld->CurrentLevel = Level;
	return NewWorld;
}

void UWorld::DestroyWorld(bool bInformEngineOfWorld, UWorld* NewWorld)
{
	for (ULevel* Level : Levels)
	{
		const TArray<AActor*> Actors = Level->Actors;
		for (AActor* Actor : Actors)
		{
			if (Actor != nullptr)
			{
				Actor->Destroy();
			}
		}
		Level->MarkAsGarbage();
	}
	Levels.Reset();
	PersistentLevel = nullptr;
	CurrentLevel = nullptr;
	MarkAsGarbage();
}

UWorld* UWorld::GetWorld() const
{
	return const_cast<UWorld*>(this);
}

bool UWorld::AddLevel(ULevel* InLevel)
{
	if (InLevel == nullptr || Levels.Contains(InLevel))
	{
		return false;
	}
	InLevel->OwningWorld = this;
	Levels.Add(InLevel);
	return true;
}

bool UWorld::RemoveLevel(ULevel* InLevel)
{
	if (InLevel == nullptr || InLevel == PersistentLevel.Get())
	{
		return false;
	}
	if (CurrentLevel.Get() == InLevel)
	{
		CurrentLevel = PersistentLevel;
	}
	return Levels.Remove(InLevel) > 0;
}

bool UWorld::SetCurrentLevel(ULevel* InLevel)
{
	if (InLevel == nullptr || !Levels.Contains(InLevel))
	{
		return false;
	}
	CurrentLevel = InLevel;
	return true;
}

AActor* UWorld::SpawnActor(UClass* Class, FVector const* Location, FRotator const* Rotation, const FActorSpawnParameters& SpawnParameters)
{
	FTransform Transform;
	if (Location)
	{
		Transform.SetLocation(*Location);
	}
	if (Rotation)
	{
		Transform.SetRotation(FQuat(*Rotation));
	}
	AActor* Actor = SpawnActor(Class, &Transform, SpawnParameters);
	if (Actor && Rotation)
	{
		// Keep the rotator as given rather than one rebuilt from the quaternion.
		Actor->SetActorRotation(*Rotation);
	}
	return Actor;
}

AActor* UWorld::SpawnActor(UClass* Class, FTransform const* UserTransformPtr, const FActorSpawnParameters& SpawnParameters)
{
	if (Class == nullptr)
	{
		UE_LOG(LogSpawn, Warning, TEXT("SpawnActor failed because no class was specified"));
		return nullptr;
	}
	if (!Class->IsChildOf(AActor::StaticClass()))
	{
		UE_LOG(LogSpawn, Warning, TEXT("SpawnActor failed because %s is not an actor class"), *Class->GetName());
		return nullptr;
	}
	if (Class->HasAnyClassFlags(CLASS_Abstract))
	{
		UE_LOG(LogSpawn, Warning, TEXT("SpawnActor failed because class %s is abstract"), *Class->GetName());
		return nullptr;
	}

	ULevel* LevelToSpawnIn = SpawnParameters.OverrideLevel;
	if (LevelToSpawnIn == nullptr && SpawnParameters.Owner != nullptr)
	{
		LevelToSpawnIn = SpawnParameters.Owner->GetLevel();
	}
	if (LevelToSpawnIn == nullptr)
	{
		LevelToSpawnIn = CurrentLevel.Get();
	}
	if (LevelToSpawnIn == nullptr || !Levels.Contains(LevelToSpawnIn))
	{
		UE_LOG(LogSpawn, Warning, TEXT("SpawnActor failed because the level is not part of world %s"), *GetName());
		return nullptr;
	}
	if (!SpawnParameters.Name.IsNone())
	{
		if (UObject* Existing = FindObject<UObject>(LevelToSpawnIn, *SpawnParameters.Name.ToString()))
		{
			if (IsValid(Existing))
			{
				UE_LOG(LogSpawn, Error, TEXT("An actor of name '%s' already exists in level '%s'."), *SpawnParameters.Name.ToString(), *LevelToSpawnIn->GetPathName());
				return nullptr;
			}
		}
	}

	AActor* Actor = NewObject<AActor>(LevelToSpawnIn, Class, SpawnParameters.Name, SpawnParameters.ObjectFlags, SpawnParameters.Template);
	if (Actor == nullptr)
	{
		return nullptr;
	}
	LevelToSpawnIn->Actors.Add(Actor);
	Actor->PostSpawnInitialize(UserTransformPtr ? *UserTransformPtr : FTransform::Identity);
	return Actor;
}

AActor* UWorld::SpawnActor(UClass* Class, FVector const& Location, FRotator const& Rotation, const FActorSpawnParameters& SpawnParameters)
{
	return SpawnActor(Class, &Location, &Rotation, SpawnParameters);
}

AActor* UWorld::SpawnActor(UClass* Class, FTransform const& Transform, const FActorSpawnParameters& SpawnParameters)
{
	return SpawnActor(Class, &Transform, SpawnParameters);
}

bool UWorld::DestroyActor(AActor* Actor, bool bNetForce, bool bShouldModifyLevel)
{
	return Actor != nullptr && Actor->Destroy(bNetForce, bShouldModifyLevel);
}

bool UWorld::EditorDestroyActor(AActor* Actor, bool bShouldModifyLevel)
{
	return DestroyActor(Actor, false, bShouldModifyLevel);
}
