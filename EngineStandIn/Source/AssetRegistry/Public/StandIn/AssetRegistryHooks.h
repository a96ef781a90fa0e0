// Hooks of the asset registry stand-in (never included by plug-in code).
#pragma once

#include "CoreMinimal.h"

class UObject;

namespace UE::StandIn
{
	/** Path names of the assets reported through FAssetRegistryModule::AssetCreated, oldest first. */
	ASSETREGISTRY_API const TArray<FString>& GetAssetCreatedReports();
	ASSETREGISTRY_API void ResetAssetCreatedReports();
}
