#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "MaterialInterface.generated.h"

class FMaterialRenderProxy;

/** A material or a material instance, as content refers to it. */
UCLASS(Abstract)
class ENGINE_API UMaterialInterface : public UObject
{
	GENERATED_BODY()

public:
	/** What the renderer draws this material with; one proxy per material, owned by it. */
	virtual FMaterialRenderProxy* GetRenderProxy() const;

private:
	mutable TSharedPtr<FMaterialRenderProxy> RenderProxy;
};
