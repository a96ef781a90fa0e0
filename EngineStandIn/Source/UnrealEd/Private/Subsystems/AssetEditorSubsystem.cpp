#include "Subsystems/AssetEditorSubsystem.h"

void UAssetEditorSubsystem::NotifyAssetOpened(UObject* Asset, IAssetEditorInstance* Instance)
{
	if (Asset && Instance)
	{
		FOpenedAsset& Entry = OpenedAssets.AddDefaulted_GetRef();
		Entry.Asset = Asset;
		Entry.Instance = Instance;
	}
}

void UAssetEditorSubsystem::NotifyAssetsOpened(const TArray<UObject*>& Assets, IAssetEditorInstance* Instance)
{
	for (UObject* Asset : Assets)
	{
		NotifyAssetOpened(Asset, Instance);
	}
}

void UAssetEditorSubsystem::NotifyEditorClosed(IAssetEditorInstance* Instance)
{
	OpenedAssets.RemoveAll([Instance](const FOpenedAsset& Entry)
	{
		return Entry.Instance == Instance;
	});
}

TArray<IAssetEditorInstance*> UAssetEditorSubsystem::FindEditorsForAsset(UObject* Asset)
{
	TArray<IAssetEditorInstance*> Editors;
	for (const FOpenedAsset& Entry : OpenedAssets)
	{
		if (Entry.Asset == Asset)
		{
			Editors.AddUnique(Entry.Instance);
		}
	}
	return Editors;
}

IAssetEditorInstance* UAssetEditorSubsystem::FindEditorForAsset(UObject* Asset, bool bFocusIfOpen)
{
	TArray<IAssetEditorInstance*> Editors = FindEditorsForAsset(Asset);
	if (Editors.Num() == 0)
	{
		return nullptr;
	}
	if (bFocusIfOpen)
	{
		Editors[0]->FocusWindow(Asset);
	}
	return Editors[0];
}

TArray<UObject*> UAssetEditorSubsystem::GetAllEditedAssets()
{
	TArray<UObject*> Assets;
	for (const FOpenedAsset& Entry : OpenedAssets)
	{
		Assets.AddUnique(Entry.Asset);
	}
	return Assets;
}

void UAssetEditorSubsystem::CloseAllEditorsForAsset(UObject* Asset)
{
	for (IAssetEditorInstance* Editor : FindEditorsForAsset(Asset))
	{
		Editor->CloseWindow(EAssetEditorCloseReason::CloseAllEditorsForAsset);
	}
}

bool UAssetEditorSubsystem::CloseAllAssetEditors()
{
	TArray<IAssetEditorInstance*> Editors;
	for (const FOpenedAsset& Entry : OpenedAssets)
	{
		Editors.AddUnique(Entry.Instance);
	}
	bool bAllClosed = true;
	for (IAssetEditorInstance* Editor : Editors)
	{
		bAllClosed &= Editor->CloseWindow(EAssetEditorCloseReason::CloseAllAssetEditors);
	}
	return bAllClosed;
}
