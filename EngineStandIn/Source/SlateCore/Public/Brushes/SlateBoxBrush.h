// A box brush: an image stretched in the middle and kept at its margins.
#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateBrush.h"

struct FSlateBoxBrush : public FSlateBrush
{
	FSlateBoxBrush(const FName& InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, InImageName, InMargin, ESlateBrushTileType::NoTile, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const FName& InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, InImageName, InMargin, ESlateBrushTileType::NoTile, InImageType, InImageSize, InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const FName& InImageName, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, InImageName, InMargin, ESlateBrushTileType::NoTile, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const FName& InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, InImageName, InMargin, ESlateBrushTileType::NoTile, InImageType, InImageSize, InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const FString& InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(*InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const FString& InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(*InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, InImageSize, InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const FString& InImageName, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(*InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const FString& InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(*InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, InImageSize, InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const ANSICHAR* InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const ANSICHAR* InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, InImageSize, InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const ANSICHAR* InImageName, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const ANSICHAR* InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, InImageSize, InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const WIDECHAR* InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const WIDECHAR* InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, InImageSize, InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const WIDECHAR* InImageName, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, FVector2f(32.f, 32.f), InColorAndOpacity)
	{
	}

	FSlateBoxBrush(const WIDECHAR* InImageName, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FMargin& InMargin, const FSlateColor& InColorAndOpacity, ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, FName(InImageName), InMargin, ESlateBrushTileType::NoTile, InImageType, InImageSize, InColorAndOpacity)
	{
	}

};
