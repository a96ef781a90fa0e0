#include "ThumbnailRendering/ThumbnailRenderer.h"

bool UThumbnailRenderer::CanVisualizeAsset(UObject* Object)
{
	return true;
}

void UThumbnailRenderer::GetThumbnailSize(UObject* Object, float Zoom, uint32& OutWidth, uint32& OutHeight) const
{
	checkf(false, TEXT("UThumbnailRenderer::GetThumbnailSize must be overridden"));
	OutWidth = 0;
	OutHeight = 0;
}

void UThumbnailRenderer::Draw(UObject* Object, int32 X, int32 Y, uint32 Width, uint32 Height, FRenderTarget* Viewport, FCanvas* Canvas, bool bAdditionalViewFamily)
{
	checkf(false, TEXT("UThumbnailRenderer::Draw must be overridden"));
}
