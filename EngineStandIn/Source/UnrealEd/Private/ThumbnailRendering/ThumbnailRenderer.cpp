#include "ThumbnailRendering/ThumbnailRenderer.h"

bool UThumbnailRenderer::CanVisualizeAsset(UObject* Object)
{
	return true;
}
