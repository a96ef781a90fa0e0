// Tab spawners and the tabs they open: a tab manager per editor, and the editor's global one.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Docking/WorkspaceItem.h"
#include "Textures/SlateIcon.h"

class SDockTab;
class SWindow;
class FTabManager;
class FGlobalTabmanager;

namespace ETabState
{
	enum Type
	{
		OpenedTab = 0x1 << 0,
		ClosedTab = 0x1 << 1,
		SidebarTab = 0x1 << 2,
		InvalidTab = 0x1 << 3,
	};
}

namespace ETabSpawnerMenuType
{
	enum Type
	{
		Enabled,
		Disabled,
		Hidden,
	};
}

struct FTabId
{
	FTabId()
		: InstanceId(INDEX_NONE)
	{
	}

	FTabId(const FName InTabType, const int32 InInstanceId)
		: TabType(InTabType)
		, InstanceId(InInstanceId)
	{
	}

	FTabId(const FName InTabType)
		: TabType(InTabType)
		, InstanceId(INDEX_NONE)
	{
	}

	bool operator==(const FTabId& Other) const
	{
		return TabType == Other.TabType && (InstanceId == INDEX_NONE || Other.InstanceId == INDEX_NONE || InstanceId == Other.InstanceId);
	}

	FString ToString() const
	{
		return InstanceId == INDEX_NONE ? TabType.ToString() : FString::Printf(TEXT("%s : %d"), *TabType.ToString(), InstanceId);
	}

	FName TabType;
	int32 InstanceId;
};

class FSpawnTabArgs
{
public:
	FSpawnTabArgs(const TSharedPtr<SWindow>& InOwnerWindow, const FTabId& InTabBeingSpawenedId)
		: TabIdBeingSpawned(InTabBeingSpawenedId)
		, OwnerWindow(InOwnerWindow)
	{
	}

	const TSharedPtr<SWindow>& GetOwnerWindow() const
	{
		return OwnerWindow;
	}
	const FTabId& GetTabId() const
	{
		return TabIdBeingSpawned;
	}

private:
	FTabId TabIdBeingSpawned;
	TSharedPtr<SWindow> OwnerWindow;
};

DECLARE_DELEGATE_RetVal_OneParam(TSharedRef<SDockTab>, FOnSpawnTab, const FSpawnTabArgs&);
DECLARE_DELEGATE_RetVal_OneParam(bool, FCanSpawnTab, const FSpawnTabArgs&);
DECLARE_DELEGATE_RetVal_OneParam(TSharedPtr<SDockTab>, FOnFindTabToReuse, const FTabId&);

/** What a tab manager knows about a kind of tab: how to spawn it and how the window menu shows it. */
struct SLATE_API FTabSpawnerEntry : public FWorkspaceItem
{
	FTabSpawnerEntry(const FName& InTabType, const FOnSpawnTab& InSpawnTabMethod, const FCanSpawnTab& InCanSpawnTab)
		: FWorkspaceItem(FText(), FSlateIcon(), false)
		, TabType(InTabType)
		, OnSpawnTab(InSpawnTabMethod)
		, CanSpawnTab(InCanSpawnTab)
		, MenuType(ETabSpawnerMenuType::Enabled)
		, bAutoGenerateMenuEntry(true)
	{
	}

	FTabSpawnerEntry& SetIcon(const FSlateIcon& InIcon)
	{
		Icon = InIcon;
		return *this;
	}
	FTabSpawnerEntry& SetDisplayName(const FText& InLegibleName)
	{
		DisplayName = InLegibleName;
		return *this;
	}
	FTabSpawnerEntry& SetTooltipText(const FText& InTooltipText)
	{
		TooltipText = InTooltipText;
		return *this;
	}
	FTabSpawnerEntry& SetGroup(const TSharedRef<FWorkspaceItem>& InGroup)
	{
		InGroup->AddItem(SharedThis(this));
		return *this;
	}
	FTabSpawnerEntry& SetMenuType(const TAttribute<ETabSpawnerMenuType::Type>& InMenuType)
	{
		MenuType = InMenuType;
		return *this;
	}
	FTabSpawnerEntry& SetAutoGenerateMenuEntry(bool bInAutoGenerateMenuEntry)
	{
		bAutoGenerateMenuEntry = bInAutoGenerateMenuEntry;
		return *this;
	}
	FTabSpawnerEntry& SetReuseTabMethod(const FOnFindTabToReuse& InReuseTabMethod)
	{
		OnFindTabToReuse = InReuseTabMethod;
		return *this;
	}

	FName GetTabType() const
	{
		return TabType;
	}
	ETabSpawnerMenuType::Type GetMenuType() const
	{
		return MenuType.Get();
	}
	bool GetAutoGenerateMenuEntry() const
	{
		return bAutoGenerateMenuEntry;
	}

private:
	friend class FTabManager;
	friend class FGlobalTabmanager;

	FName TabType;
	FOnSpawnTab OnSpawnTab;
	FCanSpawnTab CanSpawnTab;
	FOnFindTabToReuse OnFindTabToReuse;
	TAttribute<ETabSpawnerMenuType::Type> MenuType;
	bool bAutoGenerateMenuEntry;
	/** The open tab this spawner made, if any. */
	TWeakPtr<SDockTab> SpawnedTabPtr;
};

class SLATE_API FTabManager : public TSharedFromThis<FTabManager>
{
public:
	virtual ~FTabManager()
	{
	}

	FTabSpawnerEntry& RegisterTabSpawner(const FName TabId, const FOnSpawnTab& OnSpawnTab, const FCanSpawnTab& CanSpawnTab = FCanSpawnTab());
	bool UnregisterTabSpawner(const FName TabId);
	void UnregisterAllTabSpawners();
	bool HasTabSpawner(FName TabId) const;

	/** Brings the open tab forward, or spawns it through its spawner; null when it cannot be spawned. */
	virtual TSharedPtr<SDockTab> TryInvokeTab(const FTabId& TabId, bool bInvokeAsInactive = false);
	/** The open tab of this kind, if any. */
	TSharedPtr<SDockTab> FindExistingLiveTab(const FTabId& TabId) const;

	TSharedRef<FWorkspaceItem> GetLocalWorkspaceMenuRoot() const
	{
		return LocalWorkspaceMenuRoot.ToSharedRef();
	}
	TSharedRef<FWorkspaceItem> AddLocalWorkspaceMenuCategory(const FText& CategoryTitle);
	void AddLocalWorkspaceMenuItem(const TSharedRef<FWorkspaceItem>& CategoryItem);
	void ClearLocalWorkspaceMenuCategories();

	/** Called by a tab that closes. */
	void OnTabClosing(const TSharedRef<SDockTab>& TabBeingClosed);

	/** The tabs open in this manager, oldest first. */
	const TArray<TSharedRef<SDockTab>>& GetOpenTabs() const
	{
		return OpenTabs;
	}

	static TSharedRef<FTabManager> New();

protected:
	FTabManager();

	TSharedPtr<FTabSpawnerEntry> FindTabSpawnerFor(FName TabId) const;
	virtual TSharedPtr<FTabSpawnerEntry> FindSpawner(FName TabId) const;
	TSharedPtr<SDockTab> SpawnTab(const TSharedRef<FTabSpawnerEntry>& Spawner, const FTabId& TabId);

	/** Registered spawners in registration order. */
	TArray<TSharedRef<FTabSpawnerEntry>> TabSpawners;
	TArray<TSharedRef<SDockTab>> OpenTabs;
	TSharedPtr<FWorkspaceItem> LocalWorkspaceMenuRoot;
};

class SLATE_API FGlobalTabmanager : public FTabManager
{
public:
	static const TSharedRef<FGlobalTabmanager>& Get();

	FTabSpawnerEntry& RegisterNomadTabSpawner(const FName TabId, const FOnSpawnTab& OnSpawnTab, const FCanSpawnTab& CanSpawnTab = FCanSpawnTab());
	void UnregisterNomadTabSpawner(const FName TabId);

	/** The nomad spawners, in registration order. */
	const TArray<TSharedRef<FTabSpawnerEntry>>& GetNomadTabSpawners() const
	{
		return NomadTabSpawners;
	}

protected:
	virtual TSharedPtr<FTabSpawnerEntry> FindSpawner(FName TabId) const override;

private:
	friend struct FGlobalTabmanagerStandInAccess;

	FGlobalTabmanager() = default;

	TArray<TSharedRef<FTabSpawnerEntry>> NomadTabSpawners;
};
