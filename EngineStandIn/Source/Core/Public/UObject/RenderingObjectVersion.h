// Version of the rendering objects' serialized data.
#pragma once

#include "CoreMinimal.h"
#include "Misc/Guid.h"

struct CORE_API FRenderingObjectVersion
{
	enum Type
	{
		BeforeCustomVersionWasAdded = 0,
		IndirectLightingCacheLowerCase,
		MaterialAttributeLayerParameters,
		CustomExpressionInputs,
		// New versions go above this line.
		VersionPlusOne,
		LatestVersion = VersionPlusOne - 1
	};

	static const FGuid GUID;

	FRenderingObjectVersion() = delete;
};
