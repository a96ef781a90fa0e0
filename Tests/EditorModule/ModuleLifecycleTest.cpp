#include "ZORLightEditor.h"

#include "Misc/Paths.h"
#include "SettingsFileHelpers.h"
#include "StandInTesting/EditorSession.h"

#include "ShownText.h"

#include <gtest/gtest.h>

namespace
{
	const FName EditorModuleName(TEXT("ZORLightEditor"));
}

TEST(ModuleLifecycle, CreatedModuleHoldsNothingUntilStarted)
{
	StandIn::FEditorSession Session;
	FZORLightEditorModule* Module = static_cast<FZORLightEditorModule*>(Session.InitializeModuleOnly(EditorModuleName));
	ASSERT_NE(Module, nullptr);

	EXPECT_EQ(Module->QualityIndex, 1);
	EXPECT_FALSE(Module->GetMenuExtensibilityManager().IsValid());
	EXPECT_FALSE(Module->GetToolBarExtensibilityManager().IsValid());
	EXPECT_FALSE(Module->ZORLightLevelEditorMenuCommands.IsValid());
	EXPECT_FALSE(Module->UEtoGMATab.IsValid());
	EXPECT_FALSE(Module->FixturePatchListWidget.IsValid());
	EXPECT_TRUE(Module->ConfigPath.IsEmpty());
	EXPECT_FALSE(ZORTests::SettingsFileExists(Session));
}

TEST(ModuleLifecycle, StartupCreatesManagersAndShutdownReleasesThem)
{
	StandIn::FEditorSession Session;
	FZORLightEditorModule* Module = static_cast<FZORLightEditorModule*>(Session.InitializeModuleOnly(EditorModuleName));
	ASSERT_NE(Module, nullptr);

	Module->StartupModule();
	const TSharedPtr<FExtensibilityManager> Menu = Module->GetMenuExtensibilityManager();
	const TSharedPtr<FExtensibilityManager> ToolBar = Module->GetToolBarExtensibilityManager();
	ASSERT_TRUE(Menu.IsValid());
	ASSERT_TRUE(ToolBar.IsValid());
	EXPECT_NE(Menu.Get(), ToolBar.Get());
	EXPECT_EQ(Shown(Module->ConfigPath), FPaths::Combine(FPaths::ProjectConfigDir(), TEXT("ZORLightSettings.ini")));
	EXPECT_TRUE(ZORTests::SettingsFileExists(Session));

	Module->ShutdownModule();
	EXPECT_FALSE(Module->GetMenuExtensibilityManager().IsValid());
	EXPECT_FALSE(Module->GetToolBarExtensibilityManager().IsValid());
	// Copies handed out before shut-down stay usable; only the module lets go.
	EXPECT_TRUE(Menu.IsValid());
}
