// Hooks of the stand-in's command, menu and tab framework for the testing module (never included by plug-in code).
#pragma once

#include "CoreMinimal.h"

class FUICommandList;
class FUICommandInfo;

namespace UE::StandIn
{
	/** Forgets every binding context and command (between editor sessions). */
	SLATE_API void ResetInputBindingManager();
	/** Closes the open tabs and forgets the nomad tab spawners of the global tab manager. */
	SLATE_API void ResetGlobalTabManager();
	/** How many menus closed after an entry was picked, since the process started. */
	SLATE_API int32 GetMenuCloseCount();
	/** The commands mapped in a command list, in the order they were mapped. */
	SLATE_API TArray<TSharedPtr<const FUICommandInfo>> GetMappedCommands(const FUICommandList& CommandList);
}
