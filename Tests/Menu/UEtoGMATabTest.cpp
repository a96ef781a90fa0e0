// The "UE to GMA Tool" tab: its hidden spawner, opening it from the menu entry and the command, and
// the module's pointers to the tab and its panel across close and reopen.

#include "ZORLightEditor.h"

#include "MenuTestHelpers.h"
#include "Framework/Docking/TabManager.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"
#include "UEtoGMA/SFixturePatchList.h"
#include "Widgets/Docking/SDockTab.h"
#include "ZORCommands.h"
#include "ShownText.h"

namespace
{
	const FName TabId(TEXT("UEtoGMA"));

	TSharedPtr<FTabSpawnerEntry> FindSpawner()
	{
		for (const TSharedRef<FTabSpawnerEntry>& Entry : FGlobalTabmanager::Get()->GetNomadTabSpawners())
		{
			if (Entry->GetTabType() == TabId)
			{
				return Entry;
			}
		}
		return nullptr;
	}

	class FUEtoGMATabTest : public ZORTests::FMenuTest
	{
	protected:
		void RunSpawnCommand()
		{
			FLevelEditorModule& LevelEditor = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
			ASSERT_TRUE(LevelEditor.GetGlobalLevelEditorActions()->ExecuteAction(FZORCommands::Get().SpawnUEtoGMATab.ToSharedRef()));
		}
	};
}

TEST_F(FUEtoGMATabTest, SpawnerIsHiddenWithTheToolsTitleAndIcon)
{
	const TSharedPtr<FTabSpawnerEntry> Spawner = FindSpawner();
	ASSERT_TRUE(Spawner.IsValid());
	EXPECT_EQ(Spawner->GetMenuType(), ETabSpawnerMenuType::Hidden);
	EXPECT_EQ(Shown(Spawner->GetDisplayName().ToString()), TEXT("UE to GMA Tool"));
	EXPECT_EQ(Spawner->GetIcon().GetStyleSetName(), FName(TEXT("ZORLightEditorStyle")));
	EXPECT_EQ(Spawner->GetIcon().GetStyleName(), FName(TEXT("Icons.UEtoGMA")));
	EXPECT_FALSE(FZORLightEditorModule::Get().UEtoGMATab.IsValid());
	EXPECT_FALSE(FZORLightEditorModule::Get().FixturePatchListWidget.IsValid());
}

TEST_F(FUEtoGMATabTest, CommandOpensOneTabHoldingTheModulesPanel)
{
	RunSpawnCommand();
	FZORLightEditorModule& Module = FZORLightEditorModule::Get();
	ASSERT_TRUE(Module.UEtoGMATab.IsValid());
	ASSERT_TRUE(Module.FixturePatchListWidget.IsValid());
	EXPECT_EQ(Module.UEtoGMATab->GetTabRole(), ETabRole::NomadTab);
	EXPECT_EQ(Shown(Module.UEtoGMATab->GetTabLabel().ToString()), TEXT("UE to GMA Tool"));
	EXPECT_EQ(&Module.UEtoGMATab->GetContent().Get(), static_cast<SWidget*>(Module.FixturePatchListWidget.Get()));

	// Asking again brings the open tab forward instead of building a second panel.
	const SFixturePatchList* FirstPanel = Module.FixturePatchListWidget.Get();
	RunSpawnCommand();
	EXPECT_EQ(Module.FixturePatchListWidget.Get(), FirstPanel);
}

TEST_F(FUEtoGMATabTest, ClosingReleasesTabAndPanelAndReopeningBuildsAFreshPanel)
{
	RunSpawnCommand();
	FZORLightEditorModule& Module = FZORLightEditorModule::Get();
	ASSERT_TRUE(Module.UEtoGMATab.IsValid());
	const TWeakPtr<SFixturePatchList> FirstPanel = Module.FixturePatchListWidget;

	EXPECT_TRUE(Module.UEtoGMATab->RequestCloseTab());
	EXPECT_FALSE(Module.UEtoGMATab.IsValid());
	EXPECT_FALSE(Module.FixturePatchListWidget.IsValid());
	EXPECT_FALSE(FirstPanel.IsValid());

	const TSharedRef<SWidget> Menu = OpenMenu();
	ASSERT_TRUE(StandIn::ClickMenuEntry(Menu, TEXT("UE to GMA Tool")));
	ASSERT_TRUE(Module.FixturePatchListWidget.IsValid());
	EXPECT_EQ(&Module.UEtoGMATab->GetContent().Get(), static_cast<SWidget*>(Module.FixturePatchListWidget.Get()));
}

TEST_F(FUEtoGMATabTest, ShutdownUnregistersTheSpawner)
{
	ASSERT_TRUE(FindSpawner().IsValid());
	Session.UnloadModule(TEXT("ZORLightEditor"));
	EXPECT_FALSE(FindSpawner().IsValid());
}
