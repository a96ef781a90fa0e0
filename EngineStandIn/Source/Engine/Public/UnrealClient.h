#pragma once

#include "CoreMinimal.h"
#include "Math/IntPoint.h"

/** A surface that a canvas draws into. */
class ENGINE_API FRenderTarget
{
public:
	virtual ~FRenderTarget() = default;
	virtual FIntPoint GetSizeXY() const = 0;
};
