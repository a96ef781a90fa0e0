// UAssetEditorSubsystem: which asset editors are open and on which assets.
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "AssetEditorSubsystem.generated.h"

class FTabManager;
struct FTabId;

enum class EAssetEditorCloseReason : uint8
{
	System,
	AssetUnloadingOrInvalid,
	CloseAllEditorsForAsset,
	CloseOtherEditors,
	RemoveAssetFromAllEditors,
	CloseAllAssetEditors,
	AssetEditorHostClosed,
	AssetForceDeleted,
	EditorRefreshRequested,
};

/** An open asset editor as the subsystem sees it. */
class IAssetEditorInstance
{
public:
	virtual ~IAssetEditorInstance()
	{
	}

	virtual FName GetEditorName() const = 0;
	virtual void FocusWindow(UObject* ObjectToFocusOn = nullptr) = 0;
	virtual bool CloseWindow(EAssetEditorCloseReason InCloseReason) = 0;
	virtual bool IsPrimaryEditor() const = 0;
	virtual void InvokeTab(const FTabId& TabId) = 0;
	virtual TSharedPtr<FTabManager> GetAssociatedTabManager() = 0;
	virtual double GetLastActivationTime() = 0;
	virtual void RemoveEditingAsset(UObject* Asset) = 0;
};

UCLASS()
class UNREALED_API UAssetEditorSubsystem : public UObject
{
	GENERATED_BODY()

public:
	/** Called by an editor that opened on these assets. */
	void NotifyAssetOpened(UObject* Asset, IAssetEditorInstance* Instance);
	void NotifyAssetsOpened(const TArray<UObject*>& Assets, IAssetEditorInstance* Instance);
	/** Called by an editor that closed. */
	void NotifyEditorClosed(IAssetEditorInstance* Instance);

	/** The editors open on the asset, oldest first. */
	TArray<IAssetEditorInstance*> FindEditorsForAsset(UObject* Asset);
	IAssetEditorInstance* FindEditorForAsset(UObject* Asset, bool bFocusIfOpen);
	/** Every asset some editor is open on, in opening order. */
	TArray<UObject*> GetAllEditedAssets();

	void CloseAllEditorsForAsset(UObject* Asset);
	bool CloseAllAssetEditors();

private:
	struct FOpenedAsset
	{
		UObject* Asset = nullptr;
		IAssetEditorInstance* Instance = nullptr;
	};
	TArray<FOpenedAsset> OpenedAssets;
};
