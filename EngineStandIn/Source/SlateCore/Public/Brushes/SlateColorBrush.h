// A brush filled with one colour.
#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateBrush.h"

struct FSlateColorBrush : public FSlateBrush
{
	FSlateColorBrush(const FLinearColor& InColor)
		: FSlateBrush(ESlateBrushDrawType::Image, FName(TEXT("WhiteBrush")), FMargin(0), ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor, FVector2f(16.f, 16.f), InColor)
	{
	}

	FSlateColorBrush(const FSlateColor& InColor)
		: FSlateBrush(ESlateBrushDrawType::Image, FName(TEXT("WhiteBrush")), FMargin(0), ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor, FVector2f(16.f, 16.f), InColor)
	{
	}

	FSlateColorBrush(const FColor& InColor)
		: FSlateColorBrush(FLinearColor(InColor))
	{
	}
};
