// FSoftObjectPath: an object's path, resolved on demand.
#pragma once

#include "CoreMinimal.h"

class UObject;

struct COREUOBJECT_API FSoftObjectPath
{
	FSoftObjectPath() = default;
	FSoftObjectPath(const FString& Path)
		: AssetPath(Path)
	{
	}
	FSoftObjectPath(const TCHAR* Path)
		: AssetPath(Path)
	{
	}
	FSoftObjectPath(const UObject* Object);

	FString ToString() const
	{
		return AssetPath;
	}
	const FString& GetAssetPathString() const
	{
		return AssetPath;
	}
	bool IsNull() const
	{
		return AssetPath.IsEmpty();
	}
	bool IsValid() const
	{
		return !AssetPath.IsEmpty();
	}
	void Reset()
	{
		AssetPath.Empty();
	}

	/** The object if it is in memory. */
	UObject* ResolveObject() const;
	/** The object, loading it if needed. */
	UObject* TryLoad() const;

	bool operator==(const FSoftObjectPath& Other) const
	{
		return AssetPath == Other.AssetPath;
	}

	friend uint32 GetTypeHash(const FSoftObjectPath& Path)
	{
		return GetTypeHash(Path.AssetPath);
	}

private:
	FString AssetPath;
};
