#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialInstance.h"
#include "MaterialInstanceConstant.generated.h"

UCLASS()
class ENGINE_API UMaterialInstanceConstant : public UMaterialInstance
{
	GENERATED_BODY()
};
