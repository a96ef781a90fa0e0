// FSlateRenderer: the renderer behind the Slate application. The stand-in draws nothing; it counts
// the requests tests care about.
#pragma once

#include "CoreMinimal.h"

class ISlateStyle;

class SLATECORE_API FSlateRenderer
{
public:
	FSlateRenderer()
	{
	}
	virtual ~FSlateRenderer()
	{
	}

	/** Reloads every texture the styles use (after image files changed on disk). */
	virtual void ReloadTextureResources();
	virtual void LoadStyleResources(const ISlateStyle& Style);

	int32 GetNumReloadTextureResources() const { return NumReloadTextureResources; }
	int32 GetNumLoadStyleResources() const { return NumLoadStyleResources; }

private:
	int32 NumReloadTextureResources = 0;
	int32 NumLoadStyleResources = 0;
};
