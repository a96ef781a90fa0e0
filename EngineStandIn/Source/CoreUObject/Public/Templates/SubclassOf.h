// TSubclassOf: a UClass pointer restricted to a class and its children.
#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"

#include <type_traits>

template<typename T>
class TSubclassOf
{
public:
	using ElementType = T;

	TSubclassOf() = default;
	TSubclassOf(std::nullptr_t)
	{
	}
	TSubclassOf(UClass* From)
		: Class(From)
	{
	}
	TSubclassOf(const TObjectPtr<UClass>& From)
		: Class(From.Get())
	{
	}
	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSubclassOf(const TSubclassOf<U>& From)
		: Class(*From)
	{
	}

	TSubclassOf& operator=(UClass* From)
	{
		Class = From;
		return *this;
	}

	/** The class, or null when it is not a child of T. */
	UClass* Get() const
	{
		return Class && Class->IsChildOf(StaticClass<T>()) ? Class : nullptr;
	}
	UClass* operator*() const
	{
		return Get();
	}
	UClass* operator->() const
	{
		return Get();
	}
	operator UClass*() const
	{
		return Get();
	}

	T* GetDefaultObject() const
	{
		UClass* Result = Get();
		return Result ? static_cast<T*>(Result->GetDefaultObject()) : nullptr;
	}

	bool operator==(const TSubclassOf& Other) const
	{
		return Class == Other.Class;
	}

	friend uint32 GetTypeHash(const TSubclassOf& Value)
	{
		return GetTypeHash((const void*)Value.Class);
	}

private:
	UClass* Class = nullptr;
};
