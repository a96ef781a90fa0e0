// A border brush: only the margins of the image are drawn.
#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateBrush.h"

struct FSlateBorderBrush : public FSlateBrush
{
	FSlateBorderBrush(const FName& InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Border, InImageName, InMargin, ESlateBrushTileType::Both, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBorderBrush(const FName& InImageName, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Border, InImageName, InMargin, ESlateBrushTileType::Both, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBorderBrush(const FString& InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Border, FName(*InImageName), InMargin, ESlateBrushTileType::Both, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBorderBrush(const FString& InImageName, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Border, FName(*InImageName), InMargin, ESlateBrushTileType::Both, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBorderBrush(const ANSICHAR* InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Border, FName(InImageName), InMargin, ESlateBrushTileType::Both, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBorderBrush(const ANSICHAR* InImageName, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Border, FName(InImageName), InMargin, ESlateBrushTileType::Both, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBorderBrush(const WIDECHAR* InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Border, FName(InImageName), InMargin, ESlateBrushTileType::Both, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBorderBrush(const WIDECHAR* InImageName, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Border, FName(InImageName), InMargin, ESlateBrushTileType::Both, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

};
