#include "Kismet/GameplayStatics.h"
#include "Engine/Engine.h"
#include "Engine/World.h"
#include "EngineUtils.h"

void UGameplayStatics::GetAllActorsOfClass(const UObject* WorldContextObject, TSubclassOf<AActor> ActorClass, TArray<AActor*>& OutActors)
{
	OutActors.Reset();

	UWorld* World = GEngine ? GEngine->GetWorldFromContextObject(WorldContextObject, EGetWorldErrorMode::LogAndReturnNull) : (WorldContextObject ? WorldContextObject->GetWorld() : nullptr);
	if (ActorClass.Get() != nullptr && World != nullptr)
	{
		for (TActorIterator<AActor> It(World, ActorClass); It; ++It)
		{
			OutActors.Add(*It);
		}
	}
}
