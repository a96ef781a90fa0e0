#include "Engine/Engine.h"
#include "Engine/World.h"

ENGINE_API UEngine* GEngine = nullptr;

DEFINE_LOG_CATEGORY_STATIC(LogEngine, Log, All);

UEngine::~UEngine()
{
	for (FWorldContext* Context : WorldList)
	{
		delete Context;
	}
	WorldList.Reset();
}

void UEngine::Init(IEngineLoop* InEngineLoop)
{
}

void UEngine::PreExit()
{
	const TArray<FWorldContext*> Contexts = WorldList;
	for (FWorldContext* Context : Contexts)
	{
		if (UWorld* World = Context->World())
		{
			World->DestroyWorld(false);
		}
		delete Context;
	}
	WorldList.Reset();
}

FWorldContext& UEngine::CreateNewWorldContext(EWorldType::Type WorldType)
{
	FWorldContext* Context = new FWorldContext();
	Context->WorldType = WorldType;
	Context->ContextHandle = FName(*FString::Printf(TEXT("Context_%d"), NextWorldContextHandle++));
	WorldList.Add(Context);
	return *Context;
}

void UEngine::DestroyWorldContext(UWorld* InWorld)
{
	for (int32 Index = 0; Index < WorldList.Num(); ++Index)
	{
		if (WorldList[Index]->World() == InWorld)
		{
			delete WorldList[Index];
			WorldList.RemoveAt(Index);
			return;
		}
	}
}

FWorldContext* UEngine::GetWorldContextFromWorld(const UWorld* InWorld)
{
	for (FWorldContext* Context : WorldList)
	{
		if (Context->World() == InWorld)
		{
			return Context;
		}
	}
	return nullptr;
}

UWorld* UEngine::GetWorldFromContextObject(const UObject* Object, EGetWorldErrorMode ErrorMode) const
{
	UWorld* World = Object ? Object->GetWorld() : nullptr;
	if (World == nullptr)
	{
		switch (ErrorMode)
		{
		case EGetWorldErrorMode::LogAndReturnNull:
			UE_LOG(LogEngine, Warning, TEXT("No world was found for object (%s) passed in to UEngine::GetWorldFromContextObject()."), Object ? *Object->GetPathName() : TEXT("NULL"));
			break;
		case EGetWorldErrorMode::Assert:
			checkf(false, TEXT("No world was found for object (%s) passed in to UEngine::GetWorldFromContextObject()."), Object ? *Object->GetPathName() : TEXT("NULL"));
			break;
		default:
			break;
		}
	}
	return World;
}
