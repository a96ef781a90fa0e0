#include "EngineUtils.h"
#include "Engine/Level.h"

FActorIteratorBase::FActorIteratorBase(const UWorld* InWorld, UClass* InClass, EActorIteratorFlags InFlags)
	: World(const_cast<UWorld*>(InWorld))
	, Flags(InFlags)
{
	if (World == nullptr || InClass == nullptr)
	{
		return;
	}
	for (ULevel* Level : World->GetLevels())
	{
		if (Level == nullptr)
		{
			continue;
		}
		if ((Flags & EActorIteratorFlags::OnlyActiveLevels) != EActorIteratorFlags::AllActors && !Level->bIsVisible)
		{
			continue;
		}
		for (AActor* Actor : Level->Actors)
		{
			if (Actor != nullptr && Actor->IsA(InClass))
			{
				Candidates.Add(Actor);
			}
		}
	}
	while (Index < Candidates.Num() && !Accepts(Candidates[Index]))
	{
		++Index;
	}
}

bool FActorIteratorBase::Accepts(const AActor* Actor) const
{
	if ((Flags & EActorIteratorFlags::SkipPendingKill) != EActorIteratorFlags::AllActors && !IsValid(Actor))
	{
		return false;
	}
	return true;
}

void FActorIteratorBase::Advance()
{
	do
	{
		++Index;
	}
	while (Index < Candidates.Num() && !Accepts(Candidates[Index]));
}

FActorIterator::FActorIterator(const UWorld* InWorld, const EActorIteratorFlags InFlags)
	: FActorIteratorBase(InWorld, AActor::StaticClass(), InFlags)
{
}
