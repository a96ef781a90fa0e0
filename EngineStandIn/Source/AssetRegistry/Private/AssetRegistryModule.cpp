#include "AssetRegistry/AssetRegistryModule.h"

#include "Modules/ModuleManager.h"
#include "StandIn/AssetRegistryHooks.h"
#include "UObject/Object.h"

IMPLEMENT_MODULE(FAssetRegistryModule, AssetRegistry);

namespace
{
	TArray<FString>& Reports()
	{
		static TArray<FString> AssetCreatedReports;
		return AssetCreatedReports;
	}
}

void FAssetRegistryModule::AssetCreated(UObject* NewAsset)
{
	if (NewAsset != nullptr)
	{
		Reports().Add(NewAsset->GetPathName());
	}
}

namespace UE::StandIn
{
	const TArray<FString>& GetAssetCreatedReports()
	{
		return Reports();
	}

	void ResetAssetCreatedReports()
	{
		Reports().Empty();
	}
}
