// Hooks of the Core stand-in for the testing module (never included by plug-in code).
#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "UObject/NameTypes.h"
#include "Modules/ModuleInterface.h"

namespace UE::StandIn
{
	/** The folder FPaths::ProjectDir returns (made absolute, with a trailing '/'). */
	CORE_API void SetProjectDir(const FString& Dir);
	/** The folder FPaths::EngineDir returns; defaults to the stand-in's folder. */
	CORE_API void SetEngineDir(const FString& Dir);

	/** Creates the module through its factory (as InitializeModule does) without starting it; nullptr if unknown. */
	CORE_API IModuleInterface* CreateModuleWithoutStartup(const FName ModuleName);
	/** Hands a created module to the manager as loaded; bStarted says whether StartupModule already ran. */
	CORE_API void AdoptModule(const FName ModuleName, IModuleInterface* Module, bool bStarted);
	/** Calls StartupModule on an adopted module that has not started yet. */
	CORE_API bool StartAdoptedModule(const FName ModuleName);
	/** Unloads every module in reverse load order. */
	CORE_API void UnloadAllModules();
	/** Names of the loaded modules in load order. */
	CORE_API TArray<FName> GetLoadedModuleNames();

	/** Failed ensures since start (or the last reset), counting repeats at the same site. */
	CORE_API int32 GetEnsureCount();
	CORE_API void ResetEnsureCount();
	/** Lets every ensure site report again (ensures report once per site per run). */
	CORE_API void ResetEnsureSites();

	/** Whether Log/Verbose lines are echoed to the console (Display and above always are). */
	CORE_API void SetConsoleLogVerbose(bool bVerbose);
	/** Stops or restarts echoing log lines to the console at all (tests that expect errors). */
	CORE_API void SetConsoleLogEnabled(bool bEnabled);
}
