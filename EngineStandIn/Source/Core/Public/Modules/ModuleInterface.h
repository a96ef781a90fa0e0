// IModuleInterface: what the module manager calls on a module after loading and before unloading it.
#pragma once

#include "HAL/Platform.h"

class IModuleInterface
{
public:
	virtual ~IModuleInterface() = default;

	virtual void StartupModule() {}
	virtual void PreUnloadCallback() {}
	virtual void PostLoadCallback() {}
	virtual void ShutdownModule() {}
	virtual bool SupportsDynamicReloading() { return true; }
	virtual bool SupportsAutomaticShutdown() { return true; }
	virtual bool IsGameModule() const { return false; }
};
