// The asset registry module: what the content browser knows about assets.
#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"

class UObject;

class ASSETREGISTRY_API FAssetRegistryModule : public IModuleInterface
{
public:
	/** Tells the registry that an asset was created (or its content replaced), so the browser shows it. */
	static void AssetCreated(UObject* NewAsset);
};
