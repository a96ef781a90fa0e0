#include "AssetRegistry/AssetRegistryModule.h"

#include "Modules/ModuleManager.h"
#include "StandIn/AssetRegistryHooks.h"

IMPLEMENT_MODULE(FAssetRegistryModule, AssetRegistry);

namespace
{
	TMap<const UObject*, int32>& CreatedCounts()
	{
		static TMap<const UObject*, int32> Counts;
		return Counts;
	}
}

void FAssetRegistryModule::AssetCreated(UObject* NewAsset)
{
	if (NewAsset)
	{
		++CreatedCounts().FindOrAdd(NewAsset);
	}
}

int32 UE::StandIn::GetAssetCreatedCount(const UObject* Asset)
{
	const int32* Count = CreatedCounts().Find(Asset);
	return Count ? *Count : 0;
}

void UE::StandIn::ClearAssetCreatedNotifications()
{
	CreatedCounts().Empty();
}
