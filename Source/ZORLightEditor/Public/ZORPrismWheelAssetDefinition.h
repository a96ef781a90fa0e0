#pragma once

#include "CoreMinimal.h"
#include "AssetDefinitionDefault.h"
#include "ZORPrismWheelAssetDefinition.generated.h"

/** Makes prism wheels an asset type of the content browser, listed under "DMX", opened in their own editor. */
UCLASS()
class ZORLIGHTEDITOR_API UZORPrismWheelAssetDefinition : public UAssetDefinitionDefault
{
	GENERATED_BODY()

public:
	virtual FText GetAssetDisplayName() const override;
	virtual TSoftClassPtr<UObject> GetAssetClass() const override;
	virtual FLinearColor GetAssetColor() const override;
	virtual TConstArrayView<FAssetCategoryPath> GetAssetCategories() const override;
	virtual EAssetCommandResult OpenAssets(const FAssetOpenArgs& OpenArgs) const override;
};
