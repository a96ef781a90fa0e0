// UAssetDefinition: how the content browser shows and opens one type of asset. The editor finds every
// non-abstract subclass through reflection; nothing registers them by hand.
#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/AssetData.h"
#include "Toolkits/IToolkit.h"
#include "UObject/Object.h"
#include "UObject/SoftObjectPtr.h"
#include "AssetDefinition.generated.h"

class IToolkitHost;

enum class EAssetCommandResult : uint8
{
	Handled,
	Unhandled,
};

enum class EAssetOpenMethod : uint8
{
	Edit,
	View,
};

/** A content-browser category, and optionally a sub-category inside it. */
struct FAssetCategoryPath
{
	FAssetCategoryPath(const FText& InCategory)
		: Category(InCategory)
	{
	}

	FAssetCategoryPath(const FText& InCategory, const FText& InSubCategory)
		: Category(InCategory)
		, SubCategory(InSubCategory)
		, bIsSubCategory(true)
	{
	}

	FName GetCategory() const
	{
		return FName(*Category.ToString());
	}
	FText GetCategoryText() const
	{
		return Category;
	}
	bool IsSubCategory() const
	{
		return bIsSubCategory;
	}
	FText GetSubCategoryText() const
	{
		return SubCategory;
	}

private:
	FText Category;
	FText SubCategory;
	bool bIsSubCategory = false;
};

/** A request to open assets (a double-click in the content browser, for one). */
struct FAssetOpenArgs
{
	EAssetOpenMethod OpenMethod = EAssetOpenMethod::Edit;
	TSharedPtr<IToolkitHost> ToolkitHost;
	TConstArrayView<FAssetData> Assets;

	/** World-centric inside a host, standalone otherwise. */
	EToolkitMode::Type GetToolkitMode() const
	{
		return ToolkitHost.IsValid() ? EToolkitMode::WorldCentric : EToolkitMode::Standalone;
	}

	/** Loads the requested assets of that class (or a subclass), in request order; others are skipped. */
	template <typename ObjectClass>
	TArray<ObjectClass*> LoadObjects(const TSet<FName>& LoadTags = {}, TArray<FAssetData>* OutAssetsThatFailedToLoad = nullptr) const
	{
		TArray<ObjectClass*> Loaded;
		Loaded.Reserve(Assets.Num());
		for (const FAssetData& Data : Assets)
		{
			if (!Data.IsInstanceOf(ObjectClass::StaticClass()))
			{
				continue;
			}
			if (ObjectClass* Object = static_cast<ObjectClass*>(Data.GetAsset()))
			{
				Loaded.Add(Object);
			}
			else if (OutAssetsThatFailedToLoad)
			{
				OutAssetsThatFailedToLoad->Add(Data);
			}
		}
		return Loaded;
	}
};

UCLASS(Abstract)
class ASSETDEFINITION_API UAssetDefinition : public UObject
{
	GENERATED_BODY()

public:
	virtual FText GetAssetDisplayName() const;
	virtual FText GetAssetDisplayName(const FAssetData& AssetData) const;
	virtual TSoftClassPtr<UObject> GetAssetClass() const;
	virtual FLinearColor GetAssetColor() const;
	virtual TConstArrayView<FAssetCategoryPath> GetAssetCategories() const;
	virtual EAssetCommandResult OpenAssets(const FAssetOpenArgs& OpenArgs) const;
};
