// What tests read from the stand-in's asset registry.
#pragma once

#include "CoreMinimal.h"

class UObject;

namespace UE::StandIn
{
	/** The assets announced through FAssetRegistryModule::AssetCreated, in call order (weakly held). */
	ASSETREGISTRY_API int32 GetAssetCreatedCount(const UObject* Asset);
	ASSETREGISTRY_API void ClearAssetCreatedNotifications();
}
