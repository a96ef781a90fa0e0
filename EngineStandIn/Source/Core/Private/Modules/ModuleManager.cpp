// FModuleManager: module factories registered by IMPLEMENT_MODULE; loaded modules kept in load order.
#include "Modules/ModuleManager.h"
#include "CoreGlobals.h"
#include "Containers/StringConv.h"
#include "StandIn/CoreHooks.h"

#include <dlfcn.h>
#include <string>

namespace
{
	/** Folder of the Core library: module libraries are built next to it. */
	std::string GetBinariesDir()
	{
		Dl_info Info;
		if (dladdr((void*)&GetBinariesDir, &Info) && Info.dli_fname)
		{
			std::string Path(Info.dli_fname);
			const size_t Slash = Path.rfind('/');
			return Slash == std::string::npos ? std::string(".") : Path.substr(0, Slash);
		}
		return ".";
	}
}

FModuleManager& FModuleManager::Get()
{
	static FModuleManager* Instance = new FModuleManager();
	return *Instance;
}

void FModuleManager::RegisterModuleFactory(const FName InModuleName, FInitializeModuleFunctionPtr Factory)
{
	Factories.Add(InModuleName, Factory);
}

void FModuleManager::UnregisterModuleFactory(const FName InModuleName, FInitializeModuleFunctionPtr Factory)
{
	FInitializeModuleFunctionPtr* Found = Factories.Find(InModuleName);
	if (Found && *Found == Factory)
	{
		Factories.Remove(InModuleName);
	}
}

FInitializeModuleFunctionPtr FModuleManager::FindFactory(const FName InModuleName)
{
	if (FInitializeModuleFunctionPtr* Found = Factories.Find(InModuleName))
	{
		return *Found;
	}
	// Not linked in yet: load lib<Name>.so from the binaries folder; its registrant adds the factory.
	const std::string LibraryPath = GetBinariesDir() + "/lib" + FTCHARToUTF8(*InModuleName.ToString()).Get() + ".so";
	if (dlopen(LibraryPath.c_str(), RTLD_NOW | RTLD_GLOBAL) == nullptr)
	{
		return nullptr;
	}
	FInitializeModuleFunctionPtr* Found = Factories.Find(InModuleName);
	return Found ? *Found : nullptr;
}

IModuleInterface* FModuleManager::LoadModule(const FName InModuleName, ELoadModuleFlags InLoadModuleFlags)
{
	EModuleLoadResult Result;
	IModuleInterface* Module = LoadModuleWithFailureReason(InModuleName, Result, InLoadModuleFlags);
	return Module;
}

IModuleInterface* FModuleManager::LoadModuleWithFailureReason(const FName InModuleName, EModuleLoadResult& OutFailureReason, ELoadModuleFlags InLoadModuleFlags)
{
	if (IModuleInterface* Existing = GetModule(InModuleName))
	{
		OutFailureReason = EModuleLoadResult::Success;
		return Existing;
	}
	const FInitializeModuleFunctionPtr Factory = FindFactory(InModuleName);
	if (!Factory)
	{
		OutFailureReason = EModuleLoadResult::FileNotFound;
		if (((int32)InLoadModuleFlags & (int32)ELoadModuleFlags::LogFailures) != 0)
		{
			UE_LOG(LogModuleManager, Warning, TEXT("ModuleManager: Unable to load module '%s' because the file couldn't be loaded by the OS."), *InModuleName.ToString());
		}
		return nullptr;
	}
	IModuleInterface* Module = Factory();
	if (!Module)
	{
		OutFailureReason = EModuleLoadResult::FailedToInitialize;
		UE_LOG(LogModuleManager, Warning, TEXT("ModuleManager: Unable to load module '%s' because InitializeModule function failed (returned nullptr.)"), *InModuleName.ToString());
		return nullptr;
	}
	// Recorded before start-up, so that the module can look itself up while it starts.
	FModuleRecord& Record = Modules.AddDefaulted_GetRef();
	Record.Name = InModuleName;
	Record.Module = Module;
	Module->StartupModule();
	for (FModuleRecord& Entry : Modules)
	{
		if (Entry.Module == Module)
		{
			Entry.bStarted = true;
		}
	}
	OutFailureReason = EModuleLoadResult::Success;
	return Module;
}

IModuleInterface& FModuleManager::LoadModuleChecked(const FName InModuleName)
{
	IModuleInterface* Module = LoadModule(InModuleName);
	checkf(Module != nullptr, TEXT("%s"), *InModuleName.ToString());
	return *Module;
}

bool FModuleManager::UnloadModule(const FName InModuleName, bool bIsShutdown, bool bAllowUnloadCode)
{
	(void)bIsShutdown;
	(void)bAllowUnloadCode;
	const int32 Index = Modules.IndexOfByPredicate([&InModuleName](const FModuleRecord& Record) { return Record.Name == InModuleName; });
	if (Index == INDEX_NONE)
	{
		return false;
	}
	IModuleInterface* Module = Modules[Index].Module;
	const bool bStarted = Modules[Index].bStarted;
	if (bStarted)
	{
		Module->PreUnloadCallback();
		Module->ShutdownModule();
	}
	// Shut-down may have unloaded other modules; find the record again.
	const int32 CurrentIndex = Modules.IndexOfByPredicate([Module](const FModuleRecord& Record) { return Record.Module == Module; });
	if (CurrentIndex != INDEX_NONE)
	{
		Modules.RemoveAt(CurrentIndex);
	}
	delete Module;
	return true;
}

bool FModuleManager::IsModuleLoaded(const FName InModuleName) const
{
	return Modules.ContainsByPredicate([&InModuleName](const FModuleRecord& Record) { return Record.Name == InModuleName; });
}

bool FModuleManager::ModuleExists(const TCHAR* ModuleName) const
{
	return Factories.Contains(FName(ModuleName)) || IsModuleLoaded(FName(ModuleName));
}

IModuleInterface* FModuleManager::GetModule(const FName InModuleName)
{
	const FModuleRecord* Record = Modules.FindByPredicate([&InModuleName](const FModuleRecord& Entry) { return Entry.Name == InModuleName; });
	return Record ? Record->Module : nullptr;
}

int32 FModuleManager::GetModuleCount() const
{
	return Modules.Num();
}

struct FModuleManagerStandInAccess
{
	static IModuleInterface* Create(const FName ModuleName)
	{
		const FInitializeModuleFunctionPtr Factory = FModuleManager::Get().FindFactory(ModuleName);
		return Factory ? Factory() : nullptr;
	}

	static void Adopt(const FName ModuleName, IModuleInterface* Module, bool bStarted)
	{
		check(Module != nullptr);
		check(!FModuleManager::Get().IsModuleLoaded(ModuleName));
		FModuleManager::FModuleRecord& Record = FModuleManager::Get().Modules.AddDefaulted_GetRef();
		Record.Name = ModuleName;
		Record.Module = Module;
		Record.bStarted = bStarted;
	}

	static bool Start(const FName ModuleName)
	{
		for (FModuleManager::FModuleRecord& Record : FModuleManager::Get().Modules)
		{
			if (Record.Name == ModuleName && !Record.bStarted)
			{
				IModuleInterface* Module = Record.Module;
				Module->StartupModule();
				for (FModuleManager::FModuleRecord& Entry : FModuleManager::Get().Modules)
				{
					if (Entry.Module == Module)
					{
						Entry.bStarted = true;
					}
				}
				return true;
			}
		}
		return false;
	}

	static TArray<FName> GetNames()
	{
		TArray<FName> Names;
		for (const FModuleManager::FModuleRecord& Record : FModuleManager::Get().Modules)
		{
			Names.Add(Record.Name);
		}
		return Names;
	}
};

namespace UE::StandIn
{
	IModuleInterface* CreateModuleWithoutStartup(const FName ModuleName)
	{
		return FModuleManagerStandInAccess::Create(ModuleName);
	}

	void AdoptModule(const FName ModuleName, IModuleInterface* Module, bool bStarted)
	{
		FModuleManagerStandInAccess::Adopt(ModuleName, Module, bStarted);
	}

	bool StartAdoptedModule(const FName ModuleName)
	{
		return FModuleManagerStandInAccess::Start(ModuleName);
	}

	void UnloadAllModules()
	{
		TArray<FName> Names = FModuleManagerStandInAccess::GetNames();
		for (int32 Index = Names.Num() - 1; Index >= 0; --Index)
		{
			FModuleManager::Get().UnloadModule(Names[Index], true);
		}
	}

	TArray<FName> GetLoadedModuleNames()
	{
		return FModuleManagerStandInAccess::GetNames();
	}
}
