// TWeakObjectPtr: a typed weak pointer to a UObject; null once the object is destroyed or garbage.
#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtr.h"
#include "UObject/ObjectPtr.h"

#include <type_traits>

template<typename T, typename TWeakObjectPtrBase = FWeakObjectPtr>
struct TWeakObjectPtr
{
	using ElementType = T;

	TWeakObjectPtr() = default;
	TWeakObjectPtr(std::nullptr_t)
	{
	}
	TWeakObjectPtr(const T* Object)
		: WeakPtr((const UObject*)Object)
	{
	}
	TWeakObjectPtr(const TObjectPtr<T>& Object)
		: WeakPtr((const UObject*)Object.Get())
	{
	}
	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*> && !std::is_same_v<U, T>>>
	TWeakObjectPtr(const TWeakObjectPtr<U>& Other)
		: WeakPtr(Other.GetWeakPtr())
	{
	}

	TWeakObjectPtr& operator=(const T* Object)
	{
		WeakPtr = (const UObject*)Object;
		return *this;
	}
	TWeakObjectPtr& operator=(const TObjectPtr<T>& Object)
	{
		WeakPtr = (const UObject*)Object.Get();
		return *this;
	}
	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*> && !std::is_same_v<U, T>>>
	TWeakObjectPtr& operator=(const TWeakObjectPtr<U>& Other)
	{
		WeakPtr = Other.GetWeakPtr();
		return *this;
	}

	void Reset()
	{
		WeakPtr.Reset();
	}

	T* Get() const
	{
		return (T*)WeakPtr.Get();
	}
	T* Get(bool bEvenIfGarbage) const
	{
		return (T*)WeakPtr.Get(bEvenIfGarbage);
	}
	T* GetEvenIfUnreachable() const
	{
		return (T*)WeakPtr.GetEvenIfUnreachable();
	}
	T& operator*() const
	{
		return *Get();
	}
	T* operator->() const
	{
		return Get();
	}

	bool IsValid() const
	{
		return WeakPtr.IsValid();
	}
	bool IsValid(bool bEvenIfGarbage, bool bThreadsafeTest = false) const
	{
		return WeakPtr.IsValid(bEvenIfGarbage, bThreadsafeTest);
	}
	bool IsStale(bool bIncludingGarbage = true, bool bThreadsafeTest = false) const
	{
		return WeakPtr.IsStale(bIncludingGarbage, bThreadsafeTest);
	}
	bool IsExplicitlyNull() const
	{
		return WeakPtr.IsExplicitlyNull();
	}
	explicit operator bool() const
	{
		return IsValid();
	}

	const FWeakObjectPtr& GetWeakPtr() const
	{
		return WeakPtr;
	}

	template<typename U>
	bool operator==(const TWeakObjectPtr<U>& Other) const
	{
		return WeakPtr == Other.GetWeakPtr();
	}
	template<typename U>
	bool operator==(const U* Other) const
	{
		return Get() == Other;
	}
	bool operator==(std::nullptr_t) const
	{
		return !IsValid();
	}

	friend uint32 GetTypeHash(const TWeakObjectPtr& Ptr)
	{
		return GetTypeHash(Ptr.WeakPtr);
	}

private:
	FWeakObjectPtr WeakPtr;
};

template<typename T>
TWeakObjectPtr<T> MakeWeakObjectPtr(T* Object)
{
	return TWeakObjectPtr<T>(Object);
}
