// Globals of the engine's core: the log, the current undo transaction, editor flags.
#pragma once

#include "HAL/Platform.h"
#include "Logging/LogMacros.h"

class FOutputDeviceRedirector;
class ITransaction;

extern CORE_API FOutputDeviceRedirector* GLog;
extern CORE_API ITransaction* GUndo;
extern CORE_API bool GIsEditor;
extern CORE_API bool GIsRunning;
extern CORE_API bool GIsTransacting;
extern CORE_API bool GIsRequestingExit;
extern CORE_API bool GIsAutomationTesting;
extern CORE_API uint64 GFrameCounter;

CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogTemp, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogOutputDevice, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogInit, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogExit, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogModuleManager, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogConfig, Log, All);

/** Everything runs on the editor's main thread. */
FORCEINLINE bool IsInGameThread()
{
	return true;
}
FORCEINLINE bool IsInSlateThread()
{
	return true;
}
FORCEINLINE bool IsEngineExitRequested()
{
	return GIsRequestingExit;
}
