// Hooks of the stand-in's main frame for the testing module (never included by plug-in code).
#pragma once

#include "CoreMinimal.h"

class SWindow;

namespace UE::StandIn
{
	/** The window that IMainFrameModule::GetParentWindow returns; null: an editor without a main frame window. */
	MAINFRAME_API void SetMainFrameWindow(const TSharedPtr<SWindow>& Window);
	MAINFRAME_API TSharedPtr<SWindow> GetMainFrameWindow();
}
