// What a .uplugin file says about its plug-in (the parts read here).
#pragma once

#include "CoreMinimal.h"

struct FPluginDescriptor
{
	int32 Version = 1;
	FString VersionName;
	FString FriendlyName;
	FString Description;
	FString Category;
	FString CreatedBy;
	bool bCanContainContent = false;
};
