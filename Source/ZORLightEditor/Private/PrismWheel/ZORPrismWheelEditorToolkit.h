#pragma once

#include "CoreMinimal.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "UObject/ObjectPtr.h"

class SDockTab;
class FSpawnTabArgs;
class UZORPrismWheel;

/** The asset editor of one prism wheel: the facette canvas and the details beside it, the output log below. */
class ZORLIGHTEDITOR_API FZORPrismWheelEditorToolkit : public FAssetEditorToolkit
{
public:
	virtual ~FZORPrismWheelEditorToolkit() override;

	/** Opens the editor on the prism wheel; called once, right after construction. */
	void InitEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, UZORPrismWheel* PrismWheel);

	virtual void RegisterTabSpawners(const TSharedRef<FTabManager>& InTabManager) override;
	virtual void UnregisterTabSpawners(const TSharedRef<FTabManager>& InTabManager) override;
	virtual FName GetToolkitFName() const override;
	virtual FText GetBaseToolkitName() const override;
	virtual FString GetWorldCentricTabPrefix() const override;
	virtual FLinearColor GetWorldCentricTabColorScale() const override;

private:
	TSharedRef<SDockTab> SpawnDetailsTab(const FSpawnTabArgs& Args);
	void OnFacettesChanged(UZORPrismWheel* PrismWheel);

	TObjectPtr<UObject> EditedObject;
};
