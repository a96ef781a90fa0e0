// UPackage: the outermost object of an asset or of the transient objects.
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

class COREUOBJECT_API UPackage : public UObject
{
	DECLARE_CLASS_STANDIN(UPackage, UObject, COREUOBJECT_API)
public:
	UPackage(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Sets the package's dirty flag (the transient package never becomes dirty). */
	void SetDirtyFlag(bool bInIsDirty);
	bool IsDirty() const
	{
		return bDirty;
	}
	bool GetDirtyFlag() const
	{
		return bDirty;
	}
	bool MarkAsFullyLoaded()
	{
		return true;
	}
	bool IsFullyLoaded() const
	{
		return true;
	}

	void SetPackageFlags(uint32 NewFlags)
	{
		PackageFlags |= NewFlags;
	}
	void ClearPackageFlags(uint32 NewFlags)
	{
		PackageFlags &= ~NewFlags;
	}
	bool HasAnyPackageFlags(uint32 FlagsToCheck) const
	{
		return (PackageFlags & FlagsToCheck) != 0;
	}
	bool HasAllPackageFlags(uint32 FlagsToCheck) const
	{
		return (PackageFlags & FlagsToCheck) == FlagsToCheck;
	}
	uint32 GetPackageFlags() const
	{
		return PackageFlags;
	}

	/** Number of times the dirty flag went from clean to dirty (for tests). */
	int32 GetDirtyCount() const
	{
		return DirtyCount;
	}

private:
	bool bDirty = false;
	uint32 PackageFlags = 0;
	int32 DirtyCount = 0;
};

template<>
inline UClass* StaticClass<UPackage>()
{
	return UPackage::StaticClass();
}
