// The plug-in manager: finds an enabled plug-in by name and tells where its files are.
#pragma once

#include "CoreMinimal.h"
#include "PluginDescriptor.h"

class IPlugin
{
public:
	virtual ~IPlugin()
	{
	}

	virtual const FString& GetName() const = 0;
	virtual const FString& GetFriendlyName() const = 0;
	/** The plug-in's root folder (where its .uplugin file is). */
	virtual FString GetBaseDir() const = 0;
	/** "<base>/Content" */
	virtual FString GetContentDir() const = 0;
	/** "/<Name>/" */
	virtual FString GetMountedAssetPath() const = 0;
	virtual bool IsEnabled() const = 0;
	virtual bool CanContainContent() const = 0;
	virtual const FPluginDescriptor& GetDescriptor() const = 0;
};

class IPluginManager
{
public:
	virtual ~IPluginManager()
	{
	}

	static PROJECTS_API IPluginManager& Get();

	/** The enabled plug-in of that name, or null. */
	virtual TSharedPtr<IPlugin> FindPlugin(const FStringView Name) = 0;
	virtual TArray<TSharedRef<IPlugin>> GetEnabledPlugins() = 0;
};
