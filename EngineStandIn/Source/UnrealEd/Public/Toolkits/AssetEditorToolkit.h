#pragma once

#include "CoreMinimal.h"
#include "Framework/Docking/TabManager.h"
#include "Misc/Optional.h"
#include "Subsystems/AssetEditorSubsystem.h"
#include "Toolkits/BaseToolkit.h"

class FExtender;
class FAssetEditorToolkit;
enum class EAssetOpenMethod : uint8;
class FExtensibilityManager;

namespace UE::StandIn
{
	/** The extenders added to a manager, in the order they were added. */
	UNREALED_API const TArray<TSharedPtr<FExtender>>& GetExtenders(const FExtensibilityManager& Manager);
	/** The asset editors open now, oldest first (the editor's toolkit manager keeps them alive). */
	UNREALED_API TArray<TSharedRef<FAssetEditorToolkit>> GetOpenAssetEditorToolkits();
	/** Closes every asset editor, as the editor does before it shuts down. */
	UNREALED_API void CloseAllAssetEditorToolkits();
}

/** Collects the menu or toolbar extenders that other modules add to an editor. */
class UNREALED_API FExtensibilityManager
{
public:
	virtual ~FExtensibilityManager()
	{
	}

	void AddExtender(TSharedPtr<FExtender> Extender);
	void RemoveExtender(TSharedPtr<FExtender> Extender);
	/** The extenders added so far, combined into one. */
	TSharedPtr<FExtender> GetAllExtenders();

private:
	friend UNREALED_API const TArray<TSharedPtr<FExtender>>& UE::StandIn::GetExtenders(const FExtensibilityManager& Manager);

	TArray<TSharedPtr<FExtender>> Extenders;
};

/** An editor module whose menus others may extend. */
class IHasMenuExtensibility
{
public:
	virtual ~IHasMenuExtensibility()
	{
	}
	virtual TSharedPtr<FExtensibilityManager> GetMenuExtensibilityManager() = 0;
};

/** An editor module whose toolbars others may extend. */
class IHasToolBarExtensibility
{
public:
	virtual ~IHasToolBarExtensibility()
	{
	}
	virtual TSharedPtr<FExtensibilityManager> GetToolBarExtensibilityManager() = 0;
};

/** The base of asset editors: a tab manager with the editor's own layout, menus and toolbar, the edited
 *  objects, and registration with the asset editor subsystem. */
class UNREALED_API FAssetEditorToolkit : public IAssetEditorInstance, public FBaseToolkit, public TSharedFromThis<FAssetEditorToolkit>
{
public:
	FAssetEditorToolkit();
	virtual ~FAssetEditorToolkit() override;

	/**
	 * Opens the editor: makes its tab manager, registers its tab spawners, opens the layout's tabs and
	 * tells the asset editor subsystem, which keeps the editor until it closes.
	 */
	void InitAssetEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const FName AppIdentifier,
		const TSharedRef<FTabManager::FLayout>& StandaloneDefaultLayout, const bool bCreateDefaultStandaloneMenu, const bool bCreateDefaultToolbar,
		UObject* ObjectToEdit, const bool bInIsToolbarFocusable = false, const bool bInUseSmallToolbarIcons = false,
		const TOptional<EAssetOpenMethod>& InOpenMethod = TOptional<EAssetOpenMethod>());
	void InitAssetEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const FName AppIdentifier,
		const TSharedRef<FTabManager::FLayout>& StandaloneDefaultLayout, const bool bCreateDefaultStandaloneMenu, const bool bCreateDefaultToolbar,
		const TArray<UObject*>& ObjectsToEdit, const bool bInIsToolbarFocusable = false, const bool bInUseSmallToolbarIcons = false,
		const TOptional<EAssetOpenMethod>& InOpenMethod = TOptional<EAssetOpenMethod>());

	// IToolkit
	virtual void RegisterTabSpawners(const TSharedRef<FTabManager>& InTabManager) override;
	virtual void UnregisterTabSpawners(const TSharedRef<FTabManager>& InTabManager) override;
	virtual bool IsAssetEditor() const override;
	virtual TSharedPtr<FTabManager> GetTabManager() const override
	{
		return TabManager;
	}

	// IAssetEditorInstance
	virtual FName GetEditorName() const override;
	virtual void FocusWindow(UObject* ObjectToFocusOn = nullptr) override;
	virtual bool CloseWindow(EAssetEditorCloseReason InCloseReason) override;
	virtual bool IsPrimaryEditor() const override
	{
		return true;
	}
	virtual void InvokeTab(const FTabId& TabId) override;
	virtual TSharedPtr<FTabManager> GetAssociatedTabManager() override
	{
		return TabManager;
	}
	virtual double GetLastActivationTime() override
	{
		return 0.0;
	}
	virtual void RemoveEditingAsset(UObject* Asset) override;

	/** Rebuilds the editor's menus and toolbar from its commands and extenders. */
	void RegenerateMenusAndToolbars();

	UObject* GetEditingObject() const;
	const TArray<UObject*>& GetEditingObjects() const
	{
		return EditingObjects;
	}

	// What the stand-in records of the opening, for tests.
	FName GetAppIdentifier() const
	{
		return OpenedAppIdentifier;
	}
	TSharedPtr<FTabManager::FLayout> GetStandaloneDefaultLayout() const
	{
		return StandaloneLayout;
	}
	bool CreatedDefaultStandaloneMenu() const
	{
		return bCreatedDefaultStandaloneMenu;
	}
	bool CreatedDefaultToolbar() const
	{
		return bCreatedDefaultToolbar;
	}
	bool IsToolbarFocusable() const
	{
		return bIsToolbarFocusable;
	}
	bool UsesSmallToolbarIcons() const
	{
		return bUseSmallToolbarIcons;
	}
	int32 GetMenuRegenerationCount() const
	{
		return MenuRegenerationCount;
	}

protected:
	TSharedPtr<FTabManager> TabManager;
	/** The group of the window menu that asset editors put their tabs in by default. */
	TSharedPtr<FWorkspaceItem> AssetEditorTabsCategory;

private:
	TArray<UObject*> EditingObjects;
	FName OpenedAppIdentifier;
	TSharedPtr<FTabManager::FLayout> StandaloneLayout;
	bool bCreatedDefaultStandaloneMenu = false;
	bool bCreatedDefaultToolbar = false;
	bool bIsToolbarFocusable = false;
	bool bUseSmallToolbarIcons = false;
	bool bIsOpen = false;
	int32 MenuRegenerationCount = 0;
};
