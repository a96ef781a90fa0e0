#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "MaterialInterface.generated.h"

/** A material or a material instance, as content refers to it. */
UCLASS(Abstract)
class ENGINE_API UMaterialInterface : public UObject
{
	GENERATED_BODY()
};
