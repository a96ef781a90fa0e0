// TObjectPtr: the engine's wrapper for UObject pointer members; here exactly a raw pointer.
#pragma once

#include "CoreMinimal.h"

#include <cstddef>
#include <type_traits>

class UObject;

template<typename T>
class TObjectPtr
{
public:
	using ElementType = T;

	TObjectPtr() = default;
	TObjectPtr(std::nullptr_t)
	{
	}
	TObjectPtr(T* InObject)
		: Object(InObject)
	{
	}
	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TObjectPtr(const TObjectPtr<U>& Other)
		: Object(Other.Get())
	{
	}

	TObjectPtr& operator=(T* InObject)
	{
		Object = InObject;
		return *this;
	}
	TObjectPtr& operator=(std::nullptr_t)
	{
		Object = nullptr;
		return *this;
	}
	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TObjectPtr& operator=(const TObjectPtr<U>& Other)
	{
		Object = Other.Get();
		return *this;
	}

	T* Get() const
	{
		return Object;
	}
	operator T*() const
	{
		return Object;
	}
	template<typename U, typename = std::enable_if_t<std::is_convertible_v<T*, U*> && !std::is_same_v<U, T>>>
	explicit operator U*() const
	{
		return Object;
	}
	T* operator->() const
	{
		return Object;
	}
	T& operator*() const
	{
		return *Object;
	}
	explicit operator bool() const
	{
		return Object != nullptr;
	}
	bool operator!() const
	{
		return Object == nullptr;
	}

	bool operator==(const TObjectPtr& Other) const
	{
		return Object == Other.Object;
	}
	template<typename U>
	bool operator==(const TObjectPtr<U>& Other) const
	{
		return (const void*)Object == (const void*)Other.Get();
	}
	template<typename U>
	bool operator==(U* Other) const
	{
		return (const void*)Object == (const void*)Other;
	}
	bool operator==(std::nullptr_t) const
	{
		return Object == nullptr;
	}

	friend uint32 GetTypeHash(const TObjectPtr& Ptr)
	{
		return GetTypeHash((const void*)Ptr.Object);
	}

private:
	T* Object = nullptr;
};

template<typename T>
T* ToRawPtr(const TObjectPtr<T>& Ptr)
{
	return Ptr.Get();
}

template<typename T>
T* ToRawPtr(T* Ptr)
{
	return Ptr;
}

template<typename T>
TObjectPtr<T> MakeObjectPtrUnsafe(UObject* Object)
{
	return TObjectPtr<T>((T*)Object);
}
