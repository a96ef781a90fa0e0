// FPaintGeometry: where a draw element goes, in window space.
#pragma once

#include "CoreMinimal.h"
#include "Types/SlateVector2.h"

struct FPaintGeometry
{
	/** Top-left corner in window space. */
	FVector2f DrawPosition = FVector2f(0.f, 0.f);
	/** Size in window space (local size times scale). */
	FVector2f DrawSize = FVector2f(0.f, 0.f);
	float DrawScale = 1.0f;

	FPaintGeometry()
	{
	}

	FPaintGeometry(const FVector2f& InDrawPosition, const FVector2f& InDrawSize, float InDrawScale)
		: DrawPosition(InDrawPosition)
		, DrawSize(InDrawSize)
		, DrawScale(InDrawScale)
	{
	}

	UE::Slate::FDeprecateVector2DResult GetLocalSize() const { return DrawScale != 0.f ? DrawSize * (1.0f / DrawScale) : DrawSize; }
};
