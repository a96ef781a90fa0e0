#include "ZORCommands.h"
#include "ZORLightEditor.h"

#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/Docking/TabManager.h"
#include "LevelEditor.h"
#include "MenuTestHelpers.h"
#include "Modules/ModuleManager.h"
#include "Styling/SlateStyleRegistry.h"
#include "ToolMenuSection.h"
#include "Widgets/Docking/SDockTab.h"
#include "ShownText.h"

using ZORTests::FMenuTest;

namespace
{
	const FName EditorModuleName(TEXT("ZORLightEditor"));
	const FName ContextName(TEXT("ZORLightditor"));

	TSharedRef<FUICommandList> GlobalActions()
	{
		return FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).GetGlobalLevelEditorActions();
	}

	TArray<FString> Without(const TArray<FString>& Lines, const TArray<FString>& Removed)
	{
		TArray<FString> Result;
		for (const FString& Line : Lines)
		{
			if (!Shown(Removed).Contains(Shown(Line)))
			{
				Result.Add(Line);
			}
		}
		return Result;
	}

	bool AnyStartsWith(const TArray<FString>& Lines, const FString& Prefix)
	{
		return Lines.ContainsByPredicate([&Prefix](const FString& Line) { return Line.StartsWith(Prefix); });
	}
}

TEST_F(FMenuTest, EachCommandDoesWhatItsLabelSays)
{
	// What the keyboard shortcut editor lists: one context with its commands, none bound to a key yet.
	const TSharedPtr<FBindingContext> Context = FInputBindingManager::Get().GetContextByName(ContextName);
	ASSERT_TRUE(Context.IsValid());
	EXPECT_EQ(Shown(Context->GetContextDesc().ToString()), TEXT("ZORLight Editor"));
	TArray<TSharedPtr<FUICommandInfo>> Infos;
	FInputBindingManager::Get().GetCommandInfosFromContext(ContextName, Infos);
	ASSERT_EQ(Infos.Num(), 5);

	// Run from the level editor's list, as a shortcut would: each toggle flips the drop-down's check of
	// the same setting and its line in the settings file; the last one opens the tool.
	const struct
	{
		const TCHAR* Label;
		const TCHAR* MenuRow;
		const char* Key;
	} Toggles[] = {
		{TEXT("Smoke Enable"), TEXT("Fog & Haze"), "UseSmoke"},
		{TEXT("Light Cast Shadow"), TEXT("Light Cast Shadow"), "LightCastShadow"},
		{TEXT("Use Dynamic Occlusion"), TEXT("Use Dynamic Occlusion"), "UseDynamicOcclusion"},
		{TEXT("Disable Lights"), TEXT("Disable Lights"), "DisableLights"},
	};
	const TSharedRef<FUICommandList> Actions = GlobalActions();
	for (const auto& Toggle : Toggles)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Toggle.Label));
		const TSharedPtr<FUICommandInfo>* Info = Infos.FindByPredicate([&Toggle](const TSharedPtr<FUICommandInfo>& Candidate)
		{
			return Candidate->GetLabel().ToString().Equals(Toggle.Label, ESearchCase::CaseSensitive);
		});
		ASSERT_NE(Info, nullptr) << "no command labelled " << TCHAR_TO_UTF8(Toggle.Label);
		EXPECT_EQ((*Info)->GetUserInterfaceType(), EUserInterfaceActionType::ToggleButton);
		EXPECT_FALSE((*Info)->GetDefaultChord(EMultipleKeyBindingIndex::Primary).IsValidChord());
		const ECheckBoxState Before = Row(OpenMenu(), Toggle.MenuRow).CheckState;
		EXPECT_EQ(Actions->GetCheckState((*Info).ToSharedRef()), Before);
		ASSERT_TRUE(Actions->ExecuteAction((*Info).ToSharedRef()));
		const ECheckBoxState After = Row(OpenMenu(), Toggle.MenuRow).CheckState;
		EXPECT_NE(After, Before);
		EXPECT_EQ(ZORTests::ReadSettingText(Session, Toggle.Key), std::optional<std::string>(After == ECheckBoxState::Checked ? "True" : "False"));
	}

	const TSharedPtr<FUICommandInfo>* Open = Infos.FindByPredicate([](const TSharedPtr<FUICommandInfo>& Candidate)
	{
		return Candidate->GetLabel().ToString().Equals(TEXT("Open UE to GMA Tool"), ESearchCase::CaseSensitive);
	});
	ASSERT_NE(Open, nullptr);
	EXPECT_EQ(Shown((*Open)->GetDescription().ToString()), TEXT("Open UE to GMA Tool - Quickly export patch to GMA."));
	ASSERT_TRUE(Actions->ExecuteAction((*Open).ToSharedRef()));
	const TSharedPtr<SDockTab> Tab = FGlobalTabmanager::Get()->FindExistingLiveTab(FTabId(FName(TEXT("UEtoGMA"))));
	ASSERT_TRUE(Tab.IsValid());
	EXPECT_EQ(Shown(Tab->GetTabLabel().ToString()), TEXT("UE to GMA Tool"));
}

TEST(ModuleRegistrations, StartupThenShutdownLeavesOnlyTheStyleTheMappingsAndTheThumbnailRenderer)
{
	StandIn::FEditorSession Session;
	FZORLightEditorModule* Module = static_cast<FZORLightEditorModule*>(Session.InitializeModuleOnly(EditorModuleName));
	ASSERT_NE(Module, nullptr);
	const StandIn::FRegistrySnapshot Before = StandIn::TakeRegistrySnapshot();

	Module->StartupModule();
	const StandIn::FRegistrySnapshot Started = StandIn::TakeRegistrySnapshot();
	EXPECT_TRUE(Shown(Started.StyleSets).Contains(TEXT("ZORLightEditorStyle")));
	EXPECT_TRUE(Shown(Started.BindingContexts).Contains(TEXT("ZORLightditor")));
	EXPECT_TRUE(Shown(Started.NomadTabSpawners).Contains(TEXT("UEtoGMA")));
	EXPECT_TRUE(Shown(Started.BindingContexts).Contains(TEXT("ZORLightditor.SpawnUEtoGMATab")));
	EXPECT_TRUE(Shown(Started.ToolMenuEntries).Contains(TEXT("LevelEditor.LevelEditorToolBar.User/ZORLight")));
	EXPECT_TRUE(Shown(Started.ToolMenuEntries).Contains(TEXT("LevelEditor.LevelEditorToolBar.User/ZORLight/ZORLightMenu")));
	EXPECT_EQ(Shown(Started.ClassLayouts), Shown(TArray<FString>({TEXT("ZORPrismWheel")})));
	const FString ThumbnailRenderer = TEXT("ZORPrismWheel=ZORPrismWheelThumbnailRenderer");
	EXPECT_EQ(Shown(Started.ThumbnailRenderers), Shown(TArray<FString>({ThumbnailRenderer})));
	const TArray<FString> Mappings = {
		TEXT("ZORLightditor.SpawnUEtoGMATab"),
		TEXT("ZORLightditor.ToggleSmokeEnable"),
		TEXT("ZORLightditor.ToggleLightCastShadow"),
		TEXT("ZORLightditor.ToggleUseDynamicOcclusion"),
		TEXT("ZORLightditor.ToggleDisableLights"),
	};
	for (const FString& Mapping : Mappings)
	{
		EXPECT_TRUE(Shown(Started.GlobalCommandMappings).Contains(Mapping)) << TCHAR_TO_UTF8(*Mapping);
	}

	Module->ShutdownModule();
	const StandIn::FRegistrySnapshot After = StandIn::TakeRegistrySnapshot();
	// Left on purpose: the style set lives until the process exits, the mappings stay in the level editor's list.
	EXPECT_TRUE(Shown(After.StyleSets).Contains(TEXT("ZORLightEditorStyle")));
	EXPECT_EQ(Shown(Without(After.StyleSets, {TEXT("ZORLightEditorStyle")})), Shown(Without(Before.StyleSets, {TEXT("ZORLightEditorStyle")})));
	for (const FString& Mapping : Mappings)
	{
		EXPECT_TRUE(Shown(After.GlobalCommandMappings).Contains(Mapping)) << TCHAR_TO_UTF8(*Mapping);
	}
	EXPECT_EQ(Shown(Without(After.GlobalCommandMappings, Mappings)), Shown(Before.GlobalCommandMappings));
	// The thumbnail renderer stays registered until the editor's thumbnail manager goes.
	EXPECT_EQ(Shown(After.ThumbnailRenderers), Shown(TArray<FString>({ThumbnailRenderer})));
	EXPECT_EQ(Shown(Without(After.ThumbnailRenderers, {ThumbnailRenderer})), Shown(Before.ThumbnailRenderers));
	// Everything else is as it was.
	EXPECT_EQ(Shown(After.BindingContexts), Shown(Before.BindingContexts));
	EXPECT_EQ(Shown(After.NomadTabSpawners), Shown(Before.NomadTabSpawners));
	EXPECT_EQ(Shown(After.OpenTabs), Shown(Before.OpenTabs));
	EXPECT_EQ(Shown(After.ToolMenuEntries), Shown(Before.ToolMenuEntries));
	EXPECT_EQ(Shown(After.ClassLayouts), Shown(Before.ClassLayouts));
	EXPECT_FALSE(AnyStartsWith(After.BindingContexts, TEXT("ZORLightditor")));
	EXPECT_EQ(Session.GetEnsureCount(), 0);
}

TEST(ModuleRegistrations, ShutdownWithoutObjectSystemKeepsTheToolbarButUnregistersCommands)
{
	StandIn::FEditorSession Session;
	FZORLightEditorModule* Module = static_cast<FZORLightEditorModule*>(Session.InitializeModuleOnly(EditorModuleName));
	ASSERT_NE(Module, nullptr);
	Module->StartupModule();

	Session.SetObjectSystemInitialized(false);
	Module->ShutdownModule();
	Session.SetObjectSystemInitialized(true);

	const StandIn::FRegistrySnapshot After = StandIn::TakeRegistrySnapshot();
	EXPECT_TRUE(Shown(After.ToolMenuEntries).Contains(TEXT("LevelEditor.LevelEditorToolBar.User/ZORLight/ZORLightMenu")));
	EXPECT_FALSE(AnyStartsWith(After.BindingContexts, TEXT("ZORLightditor")));
	EXPECT_FALSE(After.NomadTabSpawners.Contains(TEXT("UEtoGMA")));
	EXPECT_FALSE(Module->GetMenuExtensibilityManager().IsValid());
	EXPECT_FALSE(Module->GetToolBarExtensibilityManager().IsValid());
}

TEST(ModuleRegistrations, RestartRegistersAgain)
{
	StandIn::FEditorSession Session;
	FZORLightEditorModule* Module = static_cast<FZORLightEditorModule*>(Session.InitializeModuleOnly(EditorModuleName));
	ASSERT_NE(Module, nullptr);
	Module->StartupModule();
	Module->ShutdownModule();
	Module->StartupModule();

	const StandIn::FRegistrySnapshot Started = StandIn::TakeRegistrySnapshot();
	EXPECT_TRUE(Shown(Started.BindingContexts).Contains(TEXT("ZORLightditor.ToggleDisableLights")));
	EXPECT_TRUE(Shown(Started.ToolMenuEntries).Contains(TEXT("LevelEditor.LevelEditorToolBar.User/ZORLight/ZORLightMenu")));
	// One separator and one button: the section was removed, not left to collect a second set.
	const FToolMenuSection* Section = StandIn::FindToolMenuSection(ZORTests::ToolbarMenu, ZORTests::ToolbarSection);
	ASSERT_NE(Section, nullptr);
	EXPECT_EQ(Section->Blocks.Num(), 2);
	// The renderer left in place is replaced, not registered twice.
	EXPECT_EQ(Shown(Started.ClassLayouts), Shown(TArray<FString>({TEXT("ZORPrismWheel")})));
	EXPECT_EQ(Shown(Started.ThumbnailRenderers), Shown(TArray<FString>({TEXT("ZORPrismWheel=ZORPrismWheelThumbnailRenderer")})));
	Module->ShutdownModule();
}
