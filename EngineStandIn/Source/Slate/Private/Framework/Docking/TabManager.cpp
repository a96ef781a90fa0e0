#include "Framework/Docking/TabManager.h"

#include "StandIn/SlateFrameworkHooks.h"
#include "Widgets/Docking/SDockTab.h"

FTabManager::FTabManager()
	: LocalWorkspaceMenuRoot(FWorkspaceItem::NewGroup(FText()))
{
}

TSharedRef<FTabManager> FTabManager::New()
{
	return MakeShareable(new FTabManager());
}

FTabSpawnerEntry& FTabManager::RegisterTabSpawner(const FName TabId, const FOnSpawnTab& OnSpawnTab, const FCanSpawnTab& CanSpawnTab)
{
	ensureMsgf(!FindTabSpawnerFor(TabId).IsValid(), TEXT("A tab spawner named '%s' is already registered"), *TabId.ToString());
	UnregisterTabSpawner(TabId);

	TSharedRef<FTabSpawnerEntry> NewSpawnerEntry = MakeShareable(new FTabSpawnerEntry(TabId, OnSpawnTab, CanSpawnTab));
	TabSpawners.Add(NewSpawnerEntry);
	return NewSpawnerEntry.Get();
}

bool FTabManager::UnregisterTabSpawner(const FName TabId)
{
	return TabSpawners.RemoveAll([TabId](const TSharedRef<FTabSpawnerEntry>& Entry)
	{
		return Entry->TabType == TabId;
	}) > 0;
}

void FTabManager::UnregisterAllTabSpawners()
{
	TabSpawners.Reset();
}

bool FTabManager::HasTabSpawner(FName TabId) const
{
	return FindTabSpawnerFor(TabId).IsValid();
}

TSharedPtr<FTabSpawnerEntry> FTabManager::FindTabSpawnerFor(FName TabId) const
{
	return FindSpawner(TabId);
}

TSharedPtr<FTabSpawnerEntry> FTabManager::FindSpawner(FName TabId) const
{
	for (const TSharedRef<FTabSpawnerEntry>& Entry : TabSpawners)
	{
		if (Entry->TabType == TabId)
		{
			return Entry;
		}
	}
	return TSharedPtr<FTabSpawnerEntry>();
}

TSharedPtr<SDockTab> FTabManager::FindExistingLiveTab(const FTabId& TabId) const
{
	for (const TSharedRef<SDockTab>& Tab : OpenTabs)
	{
		if (Tab->GetLayoutIdentifier() == TabId.TabType)
		{
			return Tab;
		}
	}
	return TSharedPtr<SDockTab>();
}

TSharedPtr<SDockTab> FTabManager::TryInvokeTab(const FTabId& TabId, bool bInvokeAsInactive)
{
	// A tab that is open already is brought forward, not spawned again.
	if (TSharedPtr<SDockTab> ExistingTab = FindExistingLiveTab(TabId))
	{
		if (!bInvokeAsInactive)
		{
			ExistingTab->ActivateInParent();
		}
		return ExistingTab;
	}

	TSharedPtr<FTabSpawnerEntry> Spawner = FindTabSpawnerFor(TabId.TabType);
	if (!Spawner.IsValid())
	{
		UE_LOG(LogTemp, Warning, TEXT("Cannot spawn tab '%s': no spawner is registered for it"), *TabId.ToString());
		return TSharedPtr<SDockTab>();
	}
	TSharedPtr<SDockTab> NewTab = SpawnTab(Spawner.ToSharedRef(), TabId);
	if (NewTab.IsValid() && !bInvokeAsInactive)
	{
		NewTab->ActivateInParent();
	}
	return NewTab;
}

TSharedPtr<SDockTab> FTabManager::SpawnTab(const TSharedRef<FTabSpawnerEntry>& Spawner, const FTabId& TabId)
{
	const FSpawnTabArgs Args(TSharedPtr<SWindow>(), TabId);
	if (Spawner->CanSpawnTab.IsBound() && !Spawner->CanSpawnTab.Execute(Args))
	{
		return TSharedPtr<SDockTab>();
	}
	check(Spawner->OnSpawnTab.IsBound());
	TSharedRef<SDockTab> NewTab = Spawner->OnSpawnTab.Execute(Args);
	NewTab->SetLayoutIdentifier(TabId.TabType, Spawner->GetDisplayName());
	NewTab->SetTabManager(SharedThis(this));
	Spawner->SpawnedTabPtr = NewTab;
	OpenTabs.Add(NewTab);
	return NewTab;
}

void FTabManager::OnTabClosing(const TSharedRef<SDockTab>& TabBeingClosed)
{
	OpenTabs.Remove(TabBeingClosed);
}

TSharedRef<FWorkspaceItem> FTabManager::AddLocalWorkspaceMenuCategory(const FText& CategoryTitle)
{
	return LocalWorkspaceMenuRoot->AddGroup(CategoryTitle);
}

void FTabManager::AddLocalWorkspaceMenuItem(const TSharedRef<FWorkspaceItem>& CategoryItem)
{
	LocalWorkspaceMenuRoot->AddItem(CategoryItem);
}

void FTabManager::ClearLocalWorkspaceMenuCategories()
{
	LocalWorkspaceMenuRoot->ClearItems();
}

const TSharedRef<FGlobalTabmanager>& FGlobalTabmanager::Get()
{
	// Never destroyed: tabs and spawners held in other libraries' statics may outlive it at exit.
	static const TSharedRef<FGlobalTabmanager>* Instance = new TSharedRef<FGlobalTabmanager>(MakeShareable(new FGlobalTabmanager()));
	return *Instance;
}

FTabSpawnerEntry& FGlobalTabmanager::RegisterNomadTabSpawner(const FName TabId, const FOnSpawnTab& OnSpawnTab, const FCanSpawnTab& CanSpawnTab)
{
	ensureMsgf(!FindSpawner(TabId).IsValid(), TEXT("A nomad tab spawner named '%s' is already registered"), *TabId.ToString());
	UnregisterNomadTabSpawner(TabId);

	TSharedRef<FTabSpawnerEntry> NewSpawnerEntry = MakeShareable(new FTabSpawnerEntry(TabId, OnSpawnTab, CanSpawnTab));
	NomadTabSpawners.Add(NewSpawnerEntry);
	return NewSpawnerEntry.Get();
}

void FGlobalTabmanager::UnregisterNomadTabSpawner(const FName TabId)
{
	NomadTabSpawners.RemoveAll([TabId](const TSharedRef<FTabSpawnerEntry>& Entry)
	{
		return Entry->TabType == TabId;
	});
}

TSharedPtr<FTabSpawnerEntry> FGlobalTabmanager::FindSpawner(FName TabId) const
{
	for (const TSharedRef<FTabSpawnerEntry>& Entry : NomadTabSpawners)
	{
		if (Entry->TabType == TabId)
		{
			return Entry;
		}
	}
	return FTabManager::FindSpawner(TabId);
}

struct FGlobalTabmanagerStandInAccess
{
	static void Reset()
	{
		FGlobalTabmanager& Manager = FGlobalTabmanager::Get().Get();
		// Closing runs each tab's close handler, as the editor does when it shuts down.
		const TArray<TSharedRef<SDockTab>> Tabs = Manager.OpenTabs;
		for (const TSharedRef<SDockTab>& Tab : Tabs)
		{
			Tab->RequestCloseTab();
		}
		Manager.OpenTabs.Reset();
		Manager.NomadTabSpawners.Reset();
		Manager.TabSpawners.Reset();
		Manager.ClearLocalWorkspaceMenuCategories();
	}
};

void UE::StandIn::ResetGlobalTabManager()
{
	FGlobalTabmanagerStandInAccess::Reset();
}

namespace
{
	void CollectOpenedTabs(const TSharedRef<FTabManager::FLayoutNode>& Node, TArray<FTabId>& OutTabs)
	{
		if (TSharedPtr<FTabManager::FStack> Stack = Node->AsStack())
		{
			for (const FTabManager::FTab& Tab : Stack->GetTabs())
			{
				if (Tab.TabState == ETabState::OpenedTab)
				{
					OutTabs.Add(Tab.TabId);
				}
			}
		}
		else if (TSharedPtr<FTabManager::FSplitter> Splitter = Node->AsSplitter())
		{
			for (const TSharedRef<FTabManager::FLayoutNode>& Child : Splitter->GetChildNodes())
			{
				CollectOpenedTabs(Child, OutTabs);
			}
		}
	}
}

void FTabManager::RestoreFrom(const TSharedRef<FLayout>& Layout)
{
	TArray<FTabId> TabsToOpen;
	for (const TSharedRef<FArea>& Area : Layout->GetAreas())
	{
		CollectOpenedTabs(Area, TabsToOpen);
	}
	for (const FTabId& TabId : TabsToOpen)
	{
		if (FindExistingLiveTab(TabId).IsValid())
		{
			continue;
		}
		// Only this manager's own spawners: a nomad tab saved in the layout (the output log, for one)
		// belongs to its module, which the stand-in does not have.
		TSharedPtr<FTabSpawnerEntry> Spawner = FTabManager::FindSpawner(TabId.TabType);
		if (Spawner.IsValid())
		{
			SpawnTab(Spawner.ToSharedRef(), TabId);
		}
	}
}
