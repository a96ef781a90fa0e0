// Hooks of the stand-in's tool menus for the testing module (never included by plug-in code).
#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	/** Forgets every menu, section and entry (between editor sessions). */
	TOOLMENUS_API void ResetToolMenus();
}
