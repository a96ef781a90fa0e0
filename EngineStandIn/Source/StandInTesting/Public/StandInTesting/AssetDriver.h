// Assets as the content browser handles them: asset definitions and factories found through reflection,
// new assets made with a factory, assets opened as a double-click does, and the open asset editors.
#pragma once

#include "CoreMinimal.h"

class FAssetEditorToolkit;
class UAssetDefinition;
class UClass;
class UFactory;
class UObject;
class IToolkitHost;
class SDockTab;

namespace StandIn
{
	/** The asset definition the editor would use for assets of this class (a non-abstract subclass of
	 *  UAssetDefinition whose GetAssetClass is exactly Class), or null. */
	const UAssetDefinition* FindAssetDefinitionFor(const UClass* Class);
	/** Every non-abstract asset definition class, in registration order. */
	TArray<UClass*> GetAssetDefinitionClasses();

	/** The factories that create new assets of this class, as the content browser's "new asset" menu lists them. */
	TArray<UFactory*> FindFactoriesFor(const UClass* Class);

	/** What the content browser does for "new asset": a package "/Game/<Name>" and the factory's FactoryCreateNew
	 *  with public, standalone and transactional flags. */
	UObject* CreateAssetWithFactory(UFactory* Factory, const FString& Name);

	/** Opens the assets with their asset definition's OpenAssets (a double-click); returns whether it was handled. */
	bool OpenAssets(const UAssetDefinition& Definition, const TArray<UObject*>& Assets, const TSharedPtr<IToolkitHost>& ToolkitHost = nullptr);

	/** The asset editors open now, oldest first. */
	TArray<TSharedRef<FAssetEditorToolkit>> GetOpenAssetEditors();
	/** The asset editors open on this asset (through the asset editor subsystem). */
	TArray<FAssetEditorToolkit*> FindAssetEditorsFor(UObject* Asset);
	void CloseAllAssetEditors();

	/** The tab of this id open in the editor, or null. */
	TSharedPtr<SDockTab> FindOpenTab(const FAssetEditorToolkit& Editor, FName TabId);

	/** One line per layout node: "area vertical", "  splitter horizontal 0.6", "    stack 0.8: PrismWheelEditorTab (opened)". */
	TArray<FString> DescribeLayout(const FAssetEditorToolkit& Editor);
}
