// The editor's main frame: the top-level window that the editor's other windows and dialogs hang from.
#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"

class SWindow;

class IMainFrameModule : public IModuleInterface
{
public:
	/** Loads the module if needed. */
	static IMainFrameModule& Get()
	{
		static const FName MainFrameModuleName(TEXT("MainFrame"));
		return FModuleManager::LoadModuleChecked<IMainFrameModule>(MainFrameModuleName);
	}

	/** The window the main frame lives in; null before the main frame is created (or without one). */
	virtual TSharedPtr<SWindow> GetParentWindow() const = 0;
	/** True once the main frame's window exists. */
	virtual bool IsWindowInitialized() const = 0;
};
