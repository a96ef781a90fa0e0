// UAssetDefinitionDefault: the base of most asset definitions, with the editor's default behaviours.
#pragma once

#include "CoreMinimal.h"
#include "AssetDefinition.h"
#include "AssetDefinitionDefault.generated.h"

UCLASS(Abstract, MinimalAPI)
class UAssetDefinitionDefault : public UAssetDefinition
{
	GENERATED_BODY()
};
