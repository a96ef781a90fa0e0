#include "AssetDefinition.h"

FText UAssetDefinition::GetAssetDisplayName() const
{
	return FText();
}

FText UAssetDefinition::GetAssetDisplayName(const FAssetData& AssetData) const
{
	return GetAssetDisplayName();
}

TSoftClassPtr<UObject> UAssetDefinition::GetAssetClass() const
{
	return TSoftClassPtr<UObject>();
}

FLinearColor UAssetDefinition::GetAssetColor() const
{
	return FLinearColor::White;
}

TConstArrayView<FAssetCategoryPath> UAssetDefinition::GetAssetCategories() const
{
	return TConstArrayView<FAssetCategoryPath>();
}

EAssetCommandResult UAssetDefinition::OpenAssets(const FAssetOpenArgs& OpenArgs) const
{
	return EAssetCommandResult::Unhandled;
}
