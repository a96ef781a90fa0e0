#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Engine/EngineTypes.h"
#include "Engine.generated.h"

class UWorld;
class IEngineLoop;

enum class EGetWorldErrorMode
{
	ReturnNull,
	LogAndReturnNull,
	Assert
};

/** One world the engine knows about, with its type. */
struct ENGINE_API FWorldContext
{
	EWorldType::Type WorldType = EWorldType::None;
	FName ContextHandle;

	UWorld* World() const
	{
		return ThisCurrentWorld;
	}
	void SetCurrentWorld(UWorld* World)
	{
		ThisCurrentWorld = World;
	}

private:
	UWorld* ThisCurrentWorld = nullptr;
};

UCLASS(Abstract, Transient)
class ENGINE_API UEngine : public UObject
{
	GENERATED_BODY()

public:
	virtual ~UEngine();

	virtual void Init(IEngineLoop* InEngineLoop);
	/** Tears down every world the engine holds. */
	virtual void PreExit();

	FWorldContext& CreateNewWorldContext(EWorldType::Type WorldType);
	void DestroyWorldContext(UWorld* InWorld);
	FWorldContext* GetWorldContextFromWorld(const UWorld* InWorld);
	const TArray<FWorldContext*>& GetWorldContexts() const
	{
		return WorldList;
	}

	/** The world an object is in (the object's GetWorld()). */
	UWorld* GetWorldFromContextObject(const UObject* Object, EGetWorldErrorMode ErrorMode) const;

private:
	TArray<FWorldContext*> WorldList;
	int32 NextWorldContextHandle = 0;
};

/** The engine; in the editor it is the editor engine. */
extern ENGINE_API UEngine* GEngine;
