// Tab spawners and the tabs they open: a tab manager per editor, and the editor's global one.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Docking/WorkspaceItem.h"
#include "Types/SlateEnums.h"
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
	class FStack;
	class FSplitter;
	class FArea;

	/** A node of a saved tab layout: a stack of tabs, or a splitter (an area is a splitter with a window). */
	class SLATE_API FLayoutNode : public TSharedFromThis<FLayoutNode>
	{
	public:
		virtual ~FLayoutNode()
		{
		}

		virtual TSharedPtr<FStack> AsStack() { return TSharedPtr<FStack>(); }
		virtual TSharedPtr<FSplitter> AsSplitter() { return TSharedPtr<FSplitter>(); }
		virtual TSharedPtr<FArea> AsArea() { return TSharedPtr<FArea>(); }

		/** Share of its splitter that the node takes, relative to its siblings. */
		float GetSizeCoefficient() const { return SizeCoefficient; }

	protected:
		FLayoutNode() = default;

		float SizeCoefficient = 1.0f;
	};

	/** One tab of a stack and the state it is saved in. */
	struct FTab
	{
		FTab(const FTabId& InTabId, ETabState::Type InTabState)
			: TabId(InTabId)
			, TabState(InTabState)
		{
		}

		FTabId TabId;
		ETabState::Type TabState;
	};

	class SLATE_API FStack : public FLayoutNode
	{
	public:
		TSharedRef<FStack> AddTab(const FName TabType, ETabState::Type InTabState)
		{
			Tabs.Add(FTab(FTabId(TabType), InTabState));
			return SharedThis(this);
		}
		TSharedRef<FStack> AddTab(const FTab& Tab)
		{
			Tabs.Add(Tab);
			return SharedThis(this);
		}
		TSharedRef<FStack> SetSizeCoefficient(const float InSizeCoefficient)
		{
			SizeCoefficient = InSizeCoefficient;
			return SharedThis(this);
		}
		TSharedRef<FStack> SetHideTabWell(const bool InHideTabWell)
		{
			bHideTabWell = InHideTabWell;
			return SharedThis(this);
		}
		TSharedRef<FStack> SetForegroundTab(const FTabId& TabId)
		{
			ForegroundTabId = TabId;
			return SharedThis(this);
		}

		virtual TSharedPtr<FStack> AsStack() override { return SharedThis(this); }

		const TArray<FTab>& GetTabs() const { return Tabs; }
		bool GetHideTabWell() const { return bHideTabWell; }

	private:
		friend class FTabManager;
		FStack() = default;

		TArray<FTab> Tabs;
		bool bHideTabWell = false;
		FTabId ForegroundTabId;
	};

	class SLATE_API FSplitter : public FLayoutNode
	{
	public:
		TSharedRef<FSplitter> Split(TSharedRef<FLayoutNode> InNode)
		{
			ChildNodes.Add(InNode);
			return SharedThis(this);
		}
		TSharedRef<FSplitter> SetOrientation(const EOrientation InOrientation)
		{
			Orientation = InOrientation;
			return SharedThis(this);
		}
		TSharedRef<FSplitter> SetSizeCoefficient(const float InSizeCoefficient)
		{
			SizeCoefficient = InSizeCoefficient;
			return SharedThis(this);
		}

		virtual TSharedPtr<FSplitter> AsSplitter() override { return SharedThis(this); }

		EOrientation GetOrientation() const { return Orientation; }
		const TArray<TSharedRef<FLayoutNode>>& GetChildNodes() const { return ChildNodes; }

	protected:
		friend class FTabManager;
		FSplitter() = default;

		EOrientation Orientation = Orient_Horizontal;
		TArray<TSharedRef<FLayoutNode>> ChildNodes;
	};

	/** A splitter that fills a window: the primary area is the editor's own window. */
	class SLATE_API FArea : public FSplitter
	{
	public:
		TSharedRef<FArea> Split(TSharedRef<FLayoutNode> InNode)
		{
			ChildNodes.Add(InNode);
			return SharedThis(this);
		}
		TSharedRef<FArea> SetOrientation(const EOrientation InOrientation)
		{
			Orientation = InOrientation;
			return SharedThis(this);
		}
		TSharedRef<FArea> SetSizeCoefficient(const float InSizeCoefficient)
		{
			SizeCoefficient = InSizeCoefficient;
			return SharedThis(this);
		}

		virtual TSharedPtr<FArea> AsArea() override { return SharedThis(this); }

		bool IsPrimaryArea() const { return bIsPrimary; }

	private:
		friend class FTabManager;
		FArea() = default;

		bool bIsPrimary = false;
	};

	/** A named layout: the areas an editor opens with, kept in the user's layout ini under its name. */
	class SLATE_API FLayout : public TSharedFromThis<FLayout>
	{
	public:
		TSharedRef<FLayout> AddArea(const TSharedRef<FArea>& InArea)
		{
			Areas.Add(InArea);
			return SharedThis(this);
		}

		FName GetLayoutName() const { return LayoutName; }
		const TArray<TSharedRef<FArea>>& GetAreas() const { return Areas; }
		TSharedPtr<FArea> GetPrimaryArea() const
		{
			for (const TSharedRef<FArea>& Area : Areas)
			{
				if (Area->IsPrimaryArea())
				{
					return Area;
				}
			}
			return TSharedPtr<FArea>();
		}

	private:
		friend class FTabManager;
		explicit FLayout(const FName& InLayoutName)
			: LayoutName(InLayoutName)
		{
		}

		FName LayoutName;
		TArray<TSharedRef<FArea>> Areas;
	};

	static TSharedRef<FLayout> NewLayout(const FName LayoutName) { return MakeShareable(new FLayout(LayoutName)); }
	static TSharedRef<FArea> NewPrimaryArea()
	{
		TSharedRef<FArea> Area = MakeShareable(new FArea());
		Area->bIsPrimary = true;
		return Area;
	}
	static TSharedRef<FArea> NewArea(const float Width, const float Height) { return MakeShareable(new FArea()); }
	static TSharedRef<FSplitter> NewSplitter() { return MakeShareable(new FSplitter()); }
	static TSharedRef<FStack> NewStack() { return MakeShareable(new FStack()); }

	/** Opens the layout's tabs: every tab saved as opened is spawned through its spawner. Tabs without a
	 *  spawner here or among the global nomad spawners are left out, as the engine drops unknown tabs. */
	void RestoreFrom(const TSharedRef<FLayout>& Layout);

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
