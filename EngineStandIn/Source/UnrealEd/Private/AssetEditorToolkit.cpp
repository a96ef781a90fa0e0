#include "Toolkits/AssetEditorToolkit.h"

#include "Editor.h"
#include "Widgets/Docking/SDockTab.h"

void FExtensibilityManager::AddExtender(TSharedPtr<FExtender> Extender)
{
	Extenders.AddUnique(Extender);
}

void FExtensibilityManager::RemoveExtender(TSharedPtr<FExtender> Extender)
{
	Extenders.Remove(Extender);
}

TSharedPtr<FExtender> FExtensibilityManager::GetAllExtenders()
{
	// Combining needs Slate's FExtender; until menus are built here, a single extender is the result.
	return Extenders.Num() > 0 ? Extenders.Last() : TSharedPtr<FExtender>();
}

const TArray<TSharedPtr<FExtender>>& UE::StandIn::GetExtenders(const FExtensibilityManager& Manager)
{
	return Manager.Extenders;
}

namespace
{
	/** The open asset editors: what the editor's toolkit manager holds. */
	TArray<TSharedRef<FAssetEditorToolkit>>& OpenToolkits()
	{
		static TArray<TSharedRef<FAssetEditorToolkit>> Toolkits;
		return Toolkits;
	}

	UAssetEditorSubsystem* GetAssetEditorSubsystem()
	{
		return GEditor ? GEditor->GetEditorSubsystem<UAssetEditorSubsystem>() : nullptr;
	}
}

TArray<TSharedRef<FAssetEditorToolkit>> UE::StandIn::GetOpenAssetEditorToolkits()
{
	return OpenToolkits();
}

void UE::StandIn::CloseAllAssetEditorToolkits()
{
	const TArray<TSharedRef<FAssetEditorToolkit>> Toolkits = OpenToolkits();
	for (const TSharedRef<FAssetEditorToolkit>& Toolkit : Toolkits)
	{
		Toolkit->CloseWindow(EAssetEditorCloseReason::CloseAllAssetEditors);
	}
	OpenToolkits().Reset();
}

FAssetEditorToolkit::FAssetEditorToolkit()
{
}

FAssetEditorToolkit::~FAssetEditorToolkit()
{
}

void FAssetEditorToolkit::InitAssetEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const FName InAppIdentifier,
	const TSharedRef<FTabManager::FLayout>& StandaloneDefaultLayout, const bool bCreateDefaultStandaloneMenu, const bool bCreateDefaultToolbar,
	UObject* ObjectToEdit, const bool bInIsToolbarFocusable, const bool bInUseSmallToolbarIcons, const TOptional<EAssetOpenMethod>& InOpenMethod)
{
	TArray<UObject*> ObjectsToEdit;
	ObjectsToEdit.Add(ObjectToEdit);
	InitAssetEditor(Mode, InitToolkitHost, InAppIdentifier, StandaloneDefaultLayout, bCreateDefaultStandaloneMenu, bCreateDefaultToolbar, ObjectsToEdit,
		bInIsToolbarFocusable, bInUseSmallToolbarIcons, InOpenMethod);
}

void FAssetEditorToolkit::InitAssetEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, const FName InAppIdentifier,
	const TSharedRef<FTabManager::FLayout>& StandaloneDefaultLayout, const bool bCreateDefaultStandaloneMenu, const bool bCreateDefaultToolbar,
	const TArray<UObject*>& ObjectsToEdit, const bool bInIsToolbarFocusable, const bool bInUseSmallToolbarIcons, const TOptional<EAssetOpenMethod>& InOpenMethod)
{
	check(ObjectsToEdit.Num() > 0);
	ToolkitMode = Mode;
	ToolkitHost = InitToolkitHost;
	OpenedAppIdentifier = InAppIdentifier;
	StandaloneLayout = StandaloneDefaultLayout;
	bCreatedDefaultStandaloneMenu = bCreateDefaultStandaloneMenu;
	bCreatedDefaultToolbar = bCreateDefaultToolbar;
	bIsToolbarFocusable = bInIsToolbarFocusable;
	bUseSmallToolbarIcons = bInUseSmallToolbarIcons;
	EditingObjects = ObjectsToEdit;

	TabManager = FTabManager::New();
	RegisterTabSpawners(TabManager.ToSharedRef());
	TabManager->RestoreFrom(StandaloneDefaultLayout);

	bIsOpen = true;
	OpenToolkits().Add(SharedThis(this));
	if (UAssetEditorSubsystem* Subsystem = GetAssetEditorSubsystem())
	{
		Subsystem->NotifyAssetsOpened(EditingObjects, this);
	}
}

void FAssetEditorToolkit::RegisterTabSpawners(const TSharedRef<FTabManager>& InTabManager)
{
	// Tabs of asset editors go into the first group of the window menu, or its root.
	const TArray<TSharedRef<FWorkspaceItem>>& LocalCategories = InTabManager->GetLocalWorkspaceMenuRoot()->GetChildItems();
	AssetEditorTabsCategory = LocalCategories.Num() > 0 ? LocalCategories[0] : InTabManager->GetLocalWorkspaceMenuRoot();
}

void FAssetEditorToolkit::UnregisterTabSpawners(const TSharedRef<FTabManager>& InTabManager)
{
	InTabManager->ClearLocalWorkspaceMenuCategories();
}

bool FAssetEditorToolkit::IsAssetEditor() const
{
	return true;
}

FName FAssetEditorToolkit::GetEditorName() const
{
	return GetToolkitFName();
}

void FAssetEditorToolkit::FocusWindow(UObject* ObjectToFocusOn)
{
}

bool FAssetEditorToolkit::CloseWindow(EAssetEditorCloseReason InCloseReason)
{
	if (!bIsOpen)
	{
		return true;
	}
	bIsOpen = false;
	// Keeps the editor alive while it takes itself apart.
	const TSharedRef<FAssetEditorToolkit> KeepAlive = SharedThis(this);
	if (TabManager.IsValid())
	{
		const TArray<TSharedRef<SDockTab>> Tabs = TabManager->GetOpenTabs();
		for (const TSharedRef<SDockTab>& Tab : Tabs)
		{
			Tab->RequestCloseTab();
		}
		UnregisterTabSpawners(TabManager.ToSharedRef());
	}
	if (UAssetEditorSubsystem* Subsystem = GetAssetEditorSubsystem())
	{
		Subsystem->NotifyEditorClosed(this);
	}
	OpenToolkits().Remove(KeepAlive);
	return true;
}

void FAssetEditorToolkit::InvokeTab(const FTabId& TabId)
{
	if (TabManager.IsValid())
	{
		TabManager->TryInvokeTab(TabId);
	}
}

void FAssetEditorToolkit::RemoveEditingAsset(UObject* Asset)
{
	EditingObjects.Remove(Asset);
}

void FAssetEditorToolkit::RegenerateMenusAndToolbars()
{
	++MenuRegenerationCount;
}

UObject* FAssetEditorToolkit::GetEditingObject() const
{
	check(EditingObjects.Num() == 1);
	return EditingObjects[0];
}
