// A brush that draws nothing.
#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateBrush.h"

struct FSlateNoResource : public FSlateBrush
{
	FSlateNoResource(const UE::Slate::FDeprecateVector2DParameter& InImageSize = FVector2f(0.f, 0.f))
		: FSlateBrush(ESlateBrushDrawType::NoDrawType, NAME_None, FMargin(0), ESlateBrushTileType::NoTile, ESlateBrushImageType::NoImage, InImageSize, FLinearColor::White)
	{
	}
};
