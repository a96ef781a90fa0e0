#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "ThumbnailRenderer.generated.h"

class FCanvas;
class FRenderTarget;

/** Draws the content browser's thumbnail of an asset class. */
UCLASS(Abstract)
class UNREALED_API UThumbnailRenderer : public UObject
{
	GENERATED_BODY()

public:
	virtual bool CanVisualizeAsset(UObject* Object);
	/** The size the thumbnail wants at that zoom; every renderer answers. */
	virtual void GetThumbnailSize(UObject* Object, float Zoom, uint32& OutWidth, uint32& OutHeight) const PURE_VIRTUAL(UThumbnailRenderer::GetThumbnailSize, OutWidth = 0; OutHeight = 0;);
	/** Draws the object into the canvas, in the rectangle at (X, Y) of Width x Height. */
	virtual void Draw(UObject* Object, int32 X, int32 Y, uint32 Width, uint32 Height, FRenderTarget* Viewport, FCanvas* Canvas, bool bAdditionalViewFamily) PURE_VIRTUAL(UThumbnailRenderer::Draw, );
};
