// Engine-wide enums the actor and world API take.
#pragma once

#include "CoreMinimal.h"

namespace EWorldType
{
	enum Type
	{
		None,
		Game,
		Editor,
		PIE,
		EditorPreview,
		GamePreview,
		GameRPC,
		Inactive
	};
}

enum class ETeleportType : uint8
{
	None,
	TeleportPhysics,
	ResetPhysics
};

/** Sweep results; no collision here, so nothing ever fills one. */
struct FHitResult
{
	bool bBlockingHit = false;
};

/** How a material samples a texture. */
enum EMaterialSamplerType
{
	SAMPLERTYPE_Color,
	SAMPLERTYPE_Grayscale,
	SAMPLERTYPE_Alpha,
	SAMPLERTYPE_Normal,
	SAMPLERTYPE_Masks,
	SAMPLERTYPE_DistanceFieldFont,
	SAMPLERTYPE_LinearColor,
	SAMPLERTYPE_LinearGrayscale,
	SAMPLERTYPE_MAX,
};
