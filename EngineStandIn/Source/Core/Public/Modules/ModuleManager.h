// FModuleManager: loads modules by name (creating them through IMPLEMENT_MODULE's entry point,
// then StartupModule) and unloads them (ShutdownModule, then delete).
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Containers/UnrealString.h"
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "UObject/NameTypes.h"
#include "Modules/ModuleInterface.h"

#include <memory>

enum class ELoadModuleFlags
{
	None = 0x0,
	LogFailures = 1 << 0,
};

enum class EModuleLoadResult
{
	Success,
	FileNotFound,
	FileIncompatible,
	CouldNotBeLoadedByOS,
	FailedToInitialize
};

namespace EModuleChangeReason
{
	enum Type
	{
		ModuleLoaded,
		ModuleUnloaded,
		PluginDirectoryChanged
	};
}

typedef IModuleInterface* (*FInitializeModuleFunctionPtr)();

class FModuleManager
{
public:
	CORE_API static FModuleManager& Get();

	CORE_API IModuleInterface* LoadModule(const FName InModuleName, ELoadModuleFlags InLoadModuleFlags = ELoadModuleFlags::None);
	CORE_API IModuleInterface* LoadModuleWithFailureReason(const FName InModuleName, EModuleLoadResult& OutFailureReason, ELoadModuleFlags InLoadModuleFlags = ELoadModuleFlags::None);
	CORE_API IModuleInterface& LoadModuleChecked(const FName InModuleName);
	CORE_API bool UnloadModule(const FName InModuleName, bool bIsShutdown = false, bool bAllowUnloadCode = true);
	CORE_API bool IsModuleLoaded(const FName InModuleName) const;
	CORE_API bool ModuleExists(const TCHAR* ModuleName) const;
	CORE_API IModuleInterface* GetModule(const FName InModuleName);
	CORE_API int32 GetModuleCount() const;

	template <typename TModuleInterface>
	static TModuleInterface& LoadModuleChecked(const FName InModuleName)
	{
		IModuleInterface& Module = Get().LoadModuleChecked(InModuleName);
		return static_cast<TModuleInterface&>(Module);
	}
	template <typename TModuleInterface>
	static TModuleInterface* LoadModulePtr(const FName InModuleName)
	{
		return static_cast<TModuleInterface*>(Get().LoadModule(InModuleName));
	}
	template <typename TModuleInterface>
	static TModuleInterface& GetModuleChecked(const FName InModuleName)
	{
		IModuleInterface* Module = Get().GetModule(InModuleName);
		checkf(Module != nullptr, TEXT("Tried to get module interface for unloaded module: '%s'"), *InModuleName.ToString());
		return static_cast<TModuleInterface&>(*Module);
	}
	template <typename TModuleInterface>
	static TModuleInterface* GetModulePtr(const FName InModuleName)
	{
		return static_cast<TModuleInterface*>(Get().GetModule(InModuleName));
	}

	/** IMPLEMENT_MODULE's static registrant: the module's library knows how to create it. */
	CORE_API void RegisterModuleFactory(const FName InModuleName, FInitializeModuleFunctionPtr Factory);
	CORE_API void UnregisterModuleFactory(const FName InModuleName, FInitializeModuleFunctionPtr Factory);

private:
	friend struct FModuleManagerStandInAccess;

	FModuleManager() = default;

	struct FModuleRecord
	{
		FName Name;
		IModuleInterface* Module = nullptr;
		bool bStarted = false;
	};

	FInitializeModuleFunctionPtr FindFactory(const FName InModuleName);

	TMap<FName, FInitializeModuleFunctionPtr> Factories;
	/** Loaded modules in load order. */
	TArray<FModuleRecord> Modules;
};

/** Registers a module's creation function with the module manager while the library is loaded. */
class FModuleRegistrant
{
public:
	FModuleRegistrant(const TCHAR* InModuleName, FInitializeModuleFunctionPtr InFactory)
		: ModuleName(InModuleName)
		, Factory(InFactory)
	{
		FModuleManager::Get().RegisterModuleFactory(ModuleName, Factory);
	}
	~FModuleRegistrant()
	{
		FModuleManager::Get().UnregisterModuleFactory(ModuleName, Factory);
	}

private:
	FName ModuleName;
	FInitializeModuleFunctionPtr Factory;
};

/** A module with nothing to start or shut down. */
class FDefaultModuleImpl : public IModuleInterface
{
};

class FDefaultGameModuleImpl : public FDefaultModuleImpl
{
public:
	virtual bool IsGameModule() const override { return true; }
};

// As the engine's modular build: the library exports InitializeModule; the registrant lets the manager
// create the module by name from any library that is already loaded.
#define IMPLEMENT_MODULE(ModuleImplClass, ModuleName) \
	extern "C" DLLEXPORT IModuleInterface* InitializeModule() \
	{ \
		return new ModuleImplClass(); \
	} \
	static IModuleInterface* PREPROCESSOR_JOIN(CreateModule_, ModuleName)() \
	{ \
		return new ModuleImplClass(); \
	} \
	static FModuleRegistrant PREPROCESSOR_JOIN(ModuleRegistrant_, ModuleName)(TEXT(#ModuleName), &PREPROCESSOR_JOIN(CreateModule_, ModuleName)); \
	extern "C" DLLEXPORT void IMPLEMENT_MODULE_##ModuleName() \
	{ \
	}

#define IMPLEMENT_GAME_MODULE(ModuleImplClass, ModuleName) IMPLEMENT_MODULE(ModuleImplClass, ModuleName)
#define IMPLEMENT_PRIMARY_GAME_MODULE(ModuleImplClass, ModuleName, GameName) IMPLEMENT_MODULE(ModuleImplClass, ModuleName)
