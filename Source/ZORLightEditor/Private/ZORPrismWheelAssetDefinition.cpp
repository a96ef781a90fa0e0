#include "ZORPrismWheelAssetDefinition.h"

#include "PrismWheel/ZORPrismWheelEditorToolkit.h"
#include "ZORPrismWheel.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

FText UZORPrismWheelAssetDefinition::GetAssetDisplayName() const
{
	return LOCTEXT("ZOR Prism Wheel", "ZOR Prism Wheel");
}

TSoftClassPtr<UObject> UZORPrismWheelAssetDefinition::GetAssetClass() const
{
	return UZORPrismWheel::StaticClass();
}

FLinearColor UZORPrismWheelAssetDefinition::GetAssetColor() const
{
	return FLinearColor(FColor(254, 190, 152));
}

TConstArrayView<FAssetCategoryPath> UZORPrismWheelAssetDefinition::GetAssetCategories() const
{
	static const TArray<FAssetCategoryPath> Categories = { FAssetCategoryPath(LOCTEXT("DMX", "DMX")) };
	return Categories;
}

EAssetCommandResult UZORPrismWheelAssetDefinition::OpenAssets(const FAssetOpenArgs& OpenArgs) const
{
	for (UZORPrismWheel* PrismWheel : OpenArgs.LoadObjects<UZORPrismWheel>())
	{
		// The asset editor subsystem keeps the editor once InitEditor has registered it.
		const TSharedRef<FZORPrismWheelEditorToolkit> Toolkit = MakeShareable(new FZORPrismWheelEditorToolkit());
		Toolkit->InitEditor(OpenArgs.GetToolkitMode(), OpenArgs.ToolkitHost, PrismWheel);
	}
	return EAssetCommandResult::Handled;
}

#undef LOCTEXT_NAMESPACE
