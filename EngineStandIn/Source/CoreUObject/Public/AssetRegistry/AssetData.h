// FAssetData: what the asset registry knows of one asset: its package, name and class, and how to load it.
#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/WeakObjectPtrTemplates.h"

struct FAssetData
{
	FAssetData() = default;

	/** The data of an asset in memory. */
	explicit FAssetData(const UObject* InAsset)
	{
		if (InAsset)
		{
			Asset = const_cast<UObject*>(InAsset);
			AssetClass = InAsset->GetClass();
			AssetName = InAsset->GetFName();
			if (const UPackage* Package = InAsset->GetOutermost())
			{
				PackageName = Package->GetFName();
			}
		}
	}

	bool IsValid() const
	{
		return AssetClass != nullptr;
	}

	/** The asset, loaded if need be (null when it is gone). */
	UObject* GetAsset() const
	{
		return Asset.Get();
	}

	UClass* GetClass() const
	{
		return AssetClass;
	}

	/** Whether the asset's class is BaseClass or derives from it. */
	bool IsInstanceOf(const UClass* BaseClass) const
	{
		return AssetClass && BaseClass && AssetClass->IsChildOf(BaseClass);
	}

	FSoftObjectPath GetSoftObjectPath() const
	{
		return FSoftObjectPath(Asset.Get());
	}

	FName PackageName;
	FName AssetName;

private:
	TWeakObjectPtr<UObject> Asset;
	UClass* AssetClass = nullptr;
};
