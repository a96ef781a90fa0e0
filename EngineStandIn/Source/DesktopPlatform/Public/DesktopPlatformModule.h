// The DesktopPlatform module: owns the platform's IDesktopPlatform, which may be missing (headless builds).
#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"
#include "IDesktopPlatform.h"

class FDesktopPlatformModule : public IModuleInterface
{
public:
	DESKTOPPLATFORM_API virtual void StartupModule() override;
	DESKTOPPLATFORM_API virtual void ShutdownModule() override;

	/** Loads the module if needed; the platform's dialogs, or null where there are none. */
	static IDesktopPlatform* Get()
	{
		FDesktopPlatformModule& DesktopPlatformModule = FModuleManager::LoadModuleChecked<FDesktopPlatformModule>(TEXT("DesktopPlatform"));
		return DesktopPlatformModule.GetSingleton();
	}

	/** As Get, but null when the module cannot be loaded. */
	static IDesktopPlatform* TryGet()
	{
		FDesktopPlatformModule* DesktopPlatformModule = FModuleManager::LoadModulePtr<FDesktopPlatformModule>(TEXT("DesktopPlatform"));
		return DesktopPlatformModule ? DesktopPlatformModule->GetSingleton() : nullptr;
	}

private:
	DESKTOPPLATFORM_API virtual IDesktopPlatform* GetSingleton() const;

	IDesktopPlatform* DesktopPlatform = nullptr;
};
