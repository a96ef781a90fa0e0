// The level editor module: its global command list and the extensibility managers of its menus and toolbars.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UICommandList.h"
#include "Modules/ModuleInterface.h"
#include "Toolkits/AssetEditorToolkit.h"

class FLevelEditorModule : public IModuleInterface, public IHasMenuExtensibility, public IHasToolBarExtensibility
{
public:
	LEVELEDITOR_API virtual void StartupModule() override;
	LEVELEDITOR_API virtual void ShutdownModule() override;

	/** The commands that work wherever the level editor has focus. */
	virtual const TSharedRef<FUICommandList> GetGlobalLevelEditorActions() const
	{
		return GlobalLevelEditorActions.ToSharedRef();
	}

	virtual TSharedPtr<FExtensibilityManager> GetMenuExtensibilityManager() override
	{
		return MenuExtensibilityManager;
	}
	virtual TSharedPtr<FExtensibilityManager> GetToolBarExtensibilityManager() override
	{
		return ToolBarExtensibilityManager;
	}

private:
	TSharedPtr<FUICommandList> GlobalLevelEditorActions;
	TSharedPtr<FExtensibilityManager> MenuExtensibilityManager;
	TSharedPtr<FExtensibilityManager> ToolBarExtensibilityManager;
};
