// Hooks of the stand-in's plug-in manager for the testing module (never included by plug-in code).
#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	/** Makes the plug-in known and enabled, with its root folder (the .uplugin file is read if present). */
	PROJECTS_API void AddPlugin(const FString& Name, const FString& BaseDir);
	/** Forgets the plug-in, so FindPlugin no longer finds it. */
	PROJECTS_API void RemovePlugin(const FString& Name);
	/** Forgets every plug-in (between editor sessions). */
	PROJECTS_API void ResetPluginManager();
}
