// FWeakObjectPtr: an object index plus the serial number of the object in that slot.
#pragma once

#include "CoreMinimal.h"

class UObject;

struct COREUOBJECT_API FWeakObjectPtr
{
	FWeakObjectPtr() = default;
	FWeakObjectPtr(std::nullptr_t)
	{
	}
	FWeakObjectPtr(const UObject* Object)
	{
		operator=(Object);
	}

	FWeakObjectPtr& operator=(const UObject* Object);

	void Reset()
	{
		ObjectIndex = INDEX_NONE;
		ObjectSerialNumber = 0;
	}

	/** The object, or null once it was destroyed or marked as garbage. */
	UObject* Get() const;
	UObject* Get(bool bEvenIfGarbage) const;
	UObject* GetEvenIfUnreachable() const
	{
		return Get(true);
	}

	bool IsValid() const
	{
		return Get() != nullptr;
	}
	bool IsValid(bool bEvenIfGarbage, bool bThreadsafeTest = false) const
	{
		return Get(bEvenIfGarbage) != nullptr;
	}

	/** Was set to an object that is gone (or garbage) now. */
	bool IsStale(bool bIncludingGarbage = true, bool bThreadsafeTest = false) const;

	bool IsExplicitlyNull() const
	{
		return ObjectIndex == INDEX_NONE;
	}

	bool operator==(const FWeakObjectPtr& Other) const
	{
		return ObjectIndex == Other.ObjectIndex && ObjectSerialNumber == Other.ObjectSerialNumber;
	}
	bool operator!=(const FWeakObjectPtr& Other) const
	{
		return !(*this == Other);
	}

	friend uint32 GetTypeHash(const FWeakObjectPtr& Ptr)
	{
		return (uint32)Ptr.ObjectIndex ^ ((uint32)Ptr.ObjectSerialNumber << 8);
	}

	int32 ObjectIndex = INDEX_NONE;
	int32 ObjectSerialNumber = 0;
};
