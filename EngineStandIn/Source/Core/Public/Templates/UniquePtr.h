// TUniquePtr: sole ownership of one heap object, deleted with the pointer (or on Reset).
#pragma once

#include "HAL/Platform.h"

#include <type_traits>
#include <utility>

template <typename T>
class TUniquePtr
{
public:
	TUniquePtr() = default;
	TUniquePtr(decltype(nullptr))
	{
	}
	explicit TUniquePtr(T* InPtr)
		: Ptr(InPtr)
	{
	}
	TUniquePtr(TUniquePtr&& Other)
		: Ptr(Other.Release())
	{
	}
	template <typename OtherT, typename = std::enable_if_t<std::is_convertible_v<OtherT*, T*>>>
	TUniquePtr(TUniquePtr<OtherT>&& Other)
		: Ptr(Other.Release())
	{
	}
	TUniquePtr& operator=(TUniquePtr&& Other)
	{
		if (this != &Other)
		{
			Reset(Other.Release());
		}
		return *this;
	}
	TUniquePtr& operator=(decltype(nullptr))
	{
		Reset();
		return *this;
	}
	TUniquePtr(const TUniquePtr&) = delete;
	TUniquePtr& operator=(const TUniquePtr&) = delete;
	~TUniquePtr()
	{
		Reset();
	}

	bool IsValid() const
	{
		return Ptr != nullptr;
	}
	explicit operator bool() const
	{
		return IsValid();
	}
	T* Get() const
	{
		return Ptr;
	}
	T* operator->() const
	{
		return Ptr;
	}
	T& operator*() const
	{
		return *Ptr;
	}
	/** Gives up ownership without deleting. */
	T* Release()
	{
		T* Old = Ptr;
		Ptr = nullptr;
		return Old;
	}
	void Reset(T* InPtr = nullptr)
	{
		T* Old = Ptr;
		Ptr = InPtr;
		delete Old;
	}

private:
	T* Ptr = nullptr;
};

template <typename T, typename... ArgTypes>
TUniquePtr<T> MakeUnique(ArgTypes&&... Args)
{
	return TUniquePtr<T>(new T(std::forward<ArgTypes>(Args)...));
}
