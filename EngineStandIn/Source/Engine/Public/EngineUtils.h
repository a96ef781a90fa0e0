// Iterating the actors of a world.
#pragma once

#include "CoreMinimal.h"
#include "Templates/SubclassOf.h"
#include "Templates/Casts.h"
#include "GameFramework/Actor.h"
#include "Engine/World.h"

enum class EActorIteratorFlags
{
	AllActors = 0x00000000,
	/** Skips actors that are destroyed (marked as garbage). */
	SkipPendingKill = 0x00000001,
	OnlySelectedActors = 0x00000002,
	/** Only actors of visible (loaded and shown) levels. */
	OnlyActiveLevels = 0x00000004
};
inline constexpr EActorIteratorFlags operator|(EActorIteratorFlags Lhs, EActorIteratorFlags Rhs)
{
	return static_cast<EActorIteratorFlags>(static_cast<int32>(Lhs) | static_cast<int32>(Rhs));
}
inline constexpr EActorIteratorFlags operator&(EActorIteratorFlags Lhs, EActorIteratorFlags Rhs)
{
	return static_cast<EActorIteratorFlags>(static_cast<int32>(Lhs) & static_cast<int32>(Rhs));
}
inline constexpr EActorIteratorFlags& operator|=(EActorIteratorFlags& Lhs, EActorIteratorFlags Rhs)
{
	return Lhs = Lhs | Rhs;
}

/**
 * Visits a world's actors of a class: levels in the world's order, actors in the order they were
 * spawned. The candidates are gathered when the iterator is made; one destroyed since is skipped.
 */
class ENGINE_API FActorIteratorBase
{
public:
	explicit operator bool() const
	{
		return Index < Candidates.Num();
	}
	bool operator!() const
	{
		return !static_cast<bool>(*this);
	}
	AActor* operator*() const
	{
		check(Index < Candidates.Num());
		return Candidates[Index];
	}
	AActor* operator->() const
	{
		return **this;
	}
	UWorld* GetWorld() const
	{
		return World;
	}

protected:
	FActorIteratorBase(const UWorld* InWorld, UClass* InClass, EActorIteratorFlags InFlags);
	void Advance();

private:
	bool Accepts(const AActor* Actor) const;

	UWorld* World = nullptr;
	EActorIteratorFlags Flags;
	TArray<AActor*> Candidates;
	int32 Index = 0;
};

/** Actors of the world (all classes) that the flags accept. */
class ENGINE_API FActorIterator : public FActorIteratorBase
{
public:
	explicit FActorIterator(const UWorld* InWorld, const EActorIteratorFlags InFlags = EActorIteratorFlags::OnlyActiveLevels | EActorIteratorFlags::SkipPendingKill);
	FActorIterator& operator++()
	{
		Advance();
		return *this;
	}
};

template<typename ActorType>
class TActorIterator : public FActorIteratorBase
{
public:
	explicit TActorIterator(const UWorld* InWorld, TSubclassOf<ActorType> InClass = ActorType::StaticClass(), EActorIteratorFlags InFlags = EActorIteratorFlags::OnlyActiveLevels | EActorIteratorFlags::SkipPendingKill)
		: FActorIteratorBase(InWorld, InClass.Get(), InFlags)
	{
	}

	ActorType* operator*() const
	{
		return CastChecked<ActorType>(FActorIteratorBase::operator*());
	}
	ActorType* operator->() const
	{
		return **this;
	}
	TActorIterator& operator++()
	{
		Advance();
		return *this;
	}
};

/** Range-for over TActorIterator. */
template<typename ActorType>
class TActorRange
{
public:
	explicit TActorRange(const UWorld* InWorld, TSubclassOf<ActorType> InClass = ActorType::StaticClass(), EActorIteratorFlags InFlags = EActorIteratorFlags::OnlyActiveLevels | EActorIteratorFlags::SkipPendingKill)
		: Iterator(InWorld, InClass, InFlags)
	{
	}

	struct FEnd
	{
	};
	struct FIterator
	{
		TActorIterator<ActorType> It;
		ActorType* operator*() const
		{
			return *It;
		}
		FIterator& operator++()
		{
			++It;
			return *this;
		}
		bool operator!=(const FEnd&) const
		{
			return static_cast<bool>(It);
		}
	};

	FIterator begin() const
	{
		return FIterator{Iterator};
	}
	FEnd end() const
	{
		return FEnd();
	}

private:
	TActorIterator<ActorType> Iterator;
};
