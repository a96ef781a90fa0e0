#include "LevelEditor.h"

#include "Modules/ModuleManager.h"

IMPLEMENT_MODULE(FLevelEditorModule, LevelEditor);

void FLevelEditorModule::StartupModule()
{
	GlobalLevelEditorActions = MakeShareable(new FUICommandList);
	MenuExtensibilityManager = MakeShareable(new FExtensibilityManager);
	ToolBarExtensibilityManager = MakeShareable(new FExtensibilityManager);
}

void FLevelEditorModule::ShutdownModule()
{
	MenuExtensibilityManager.Reset();
	ToolBarExtensibilityManager.Reset();
	// The global list stays: other modules' bindings in it outlive the level editor's shut-down.
}
