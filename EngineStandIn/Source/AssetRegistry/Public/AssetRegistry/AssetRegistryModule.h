// The asset registry module: the editor is told here about assets made or changed in memory.
#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"

class UObject;

class ASSETREGISTRY_API FAssetRegistryModule : public IModuleInterface
{
public:
	/** Tells the registry that an asset was created (or changed in a way the content browser shows). */
	static void AssetCreated(UObject* NewAsset);
};
