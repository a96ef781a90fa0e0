// TObjectIterator: every live object of a class (class default objects and garbage skipped).
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Class.h"

namespace UE::CoreUObject::Private
{
	/** Snapshot of the live objects of a class, in creation order. */
	COREUOBJECT_API void GetObjectsOfClassForIterator(const UClass* Class, TArray<UObject*>& OutObjects, EObjectFlags ExclusionFlags, bool bIncludeGarbage);
}

class FObjectIterator
{
public:
	explicit FObjectIterator(UClass* InClass = UObject::StaticClass(), bool bOnlyGCedObjects = false, EObjectFlags AdditionalExclusionFlags = RF_NoFlags, EInternalObjectFlags InInternalExclusionFlags = EInternalObjectFlags::None)
	{
		UE::CoreUObject::Private::GetObjectsOfClassForIterator(InClass, Objects, AdditionalExclusionFlags, false);
	}

	explicit operator bool() const
	{
		return Index < Objects.Num();
	}
	bool operator!() const
	{
		return !(bool)*this;
	}
	FObjectIterator& operator++()
	{
		++Index;
		return *this;
	}
	UObject* operator*() const
	{
		return Objects[Index];
	}
	UObject* operator->() const
	{
		return Objects[Index];
	}

protected:
	TArray<UObject*> Objects;
	int32 Index = 0;
};

template<class T>
class TObjectIterator
{
public:
	explicit TObjectIterator(EObjectFlags AdditionalExclusionFlags = RF_ClassDefaultObject, bool bIncludeDerivedClasses = true, EInternalObjectFlags InInternalExclusionFlags = EInternalObjectFlags::None)
	{
		TArray<UObject*> All;
		UE::CoreUObject::Private::GetObjectsOfClassForIterator(StaticClass<T>(), All, AdditionalExclusionFlags, false);
		for (UObject* Object : All)
		{
			if (bIncludeDerivedClasses || Object->GetClass() == StaticClass<T>())
			{
				Objects.Add((T*)Object);
			}
		}
	}

	explicit operator bool() const
	{
		return Index < Objects.Num();
	}
	bool operator!() const
	{
		return !(bool)*this;
	}
	TObjectIterator& operator++()
	{
		++Index;
		return *this;
	}
	T* operator*() const
	{
		return Objects[Index];
	}
	T* operator->() const
	{
		return Objects[Index];
	}

private:
	TArray<T*> Objects;
	int32 Index = 0;
};

template<class T>
struct TObjectRange
{
	explicit TObjectRange(EObjectFlags AdditionalExclusionFlags = RF_ClassDefaultObject, bool bIncludeDerivedClasses = true)
		: It(AdditionalExclusionFlags, bIncludeDerivedClasses)
	{
	}

	struct FEnd
	{
	};
	struct FIter
	{
		TObjectIterator<T>* It;
		T* operator*() const
		{
			return **It;
		}
		FIter& operator++()
		{
			++*It;
			return *this;
		}
		bool operator!=(const FEnd&) const
		{
			return (bool)*It;
		}
	};

	FIter begin()
	{
		return FIter{ &It };
	}
	FEnd end()
	{
		return FEnd();
	}

	TObjectIterator<T> It;
};
