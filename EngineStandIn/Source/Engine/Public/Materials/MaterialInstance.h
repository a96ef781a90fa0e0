#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialInterface.h"
#include "MaterialInstance.generated.h"

UCLASS(Abstract)
class ENGINE_API UMaterialInstance : public UMaterialInterface
{
	GENERATED_BODY()

public:
	/** The material this instance derives from. */
	UPROPERTY()
	TObjectPtr<UMaterialInterface> Parent;
};
