// TSoftObjectPtr / TSoftClassPtr: references by path that load on demand.
#pragma once

#include "CoreMinimal.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/WeakObjectPtrTemplates.h"

class UClass;

template<typename T>
class TSoftObjectPtr
{
public:
	using ElementType = T;

	TSoftObjectPtr() = default;
	TSoftObjectPtr(std::nullptr_t)
	{
	}
	TSoftObjectPtr(const T* Object)
		: Path((const UObject*)Object)
		, Cached(Object)
	{
	}
	TSoftObjectPtr(const TObjectPtr<T>& Object)
		: TSoftObjectPtr(Object.Get())
	{
	}
	explicit TSoftObjectPtr(const FSoftObjectPath& InPath)
		: Path(InPath)
	{
	}

	T* Get() const
	{
		if (T* Object = Cached.Get())
		{
			return Object;
		}
		return (T*)Path.ResolveObject();
	}
	T* LoadSynchronous() const
	{
		if (T* Object = Get())
		{
			return Object;
		}
		return (T*)Path.TryLoad();
	}
	T* operator->() const
	{
		return Get();
	}
	bool IsNull() const
	{
		return Path.IsNull();
	}
	bool IsValid() const
	{
		return Get() != nullptr;
	}
	bool IsPending() const
	{
		return !IsNull() && !IsValid();
	}
	void Reset()
	{
		Path.Reset();
		Cached.Reset();
	}
	const FSoftObjectPath& ToSoftObjectPath() const
	{
		return Path;
	}
	FString ToString() const
	{
		return Path.ToString();
	}
	FString GetAssetName() const
	{
		FString Result = Path.ToString();
		int32 Dot = INDEX_NONE;
		if (Result.FindLastChar(TEXT('.'), Dot))
		{
			return Result.RightChop(Dot + 1);
		}
		return Result;
	}
	explicit operator bool() const
	{
		return IsValid();
	}
	bool operator==(const TSoftObjectPtr& Other) const
	{
		return Path == Other.Path;
	}
	friend uint32 GetTypeHash(const TSoftObjectPtr& Ptr)
	{
		return GetTypeHash(Ptr.Path);
	}

private:
	FSoftObjectPath Path;
	TWeakObjectPtr<T> Cached;
};

template<typename T>
class TSoftClassPtr
{
public:
	using ElementType = T;

	TSoftClassPtr() = default;
	TSoftClassPtr(std::nullptr_t)
	{
	}
	TSoftClassPtr(const UClass* From)
		: Path((const UObject*)From)
		, Cached((const UObject*)From)
	{
	}
	explicit TSoftClassPtr(const FSoftObjectPath& InPath)
		: Path(InPath)
	{
	}

	UClass* Get() const
	{
		if (UObject* Object = Cached.Get())
		{
			return (UClass*)Object;
		}
		return (UClass*)Path.ResolveObject();
	}
	UClass* LoadSynchronous() const
	{
		if (UClass* Class = Get())
		{
			return Class;
		}
		return (UClass*)Path.TryLoad();
	}
	bool IsNull() const
	{
		return Path.IsNull();
	}
	bool IsValid() const
	{
		return Get() != nullptr;
	}
	bool IsPending() const
	{
		return !IsNull() && !IsValid();
	}
	void Reset()
	{
		Path.Reset();
		Cached.Reset();
	}
	const FSoftObjectPath& ToSoftObjectPath() const
	{
		return Path;
	}
	FString ToString() const
	{
		return Path.ToString();
	}
	explicit operator bool() const
	{
		return IsValid();
	}
	bool operator==(const TSoftClassPtr& Other) const
	{
		return Path == Other.Path;
	}
	friend uint32 GetTypeHash(const TSoftClassPtr& Ptr)
	{
		return GetTypeHash(Ptr.Path);
	}

private:
	FSoftObjectPath Path;
	FWeakObjectPtr Cached;
};
