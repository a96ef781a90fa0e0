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
