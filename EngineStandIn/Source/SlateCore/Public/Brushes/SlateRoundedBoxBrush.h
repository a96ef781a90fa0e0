// A rounded box drawn by the renderer itself: fill colour, corner radii and an optional outline.
#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateBrush.h"

#include <type_traits>

namespace UE::Slate::Private
{
	template <typename T>
	concept CSlateColorLike = std::is_same_v<std::decay_t<T>, FLinearColor> || std::is_same_v<std::decay_t<T>, FSlateColor> || std::is_same_v<std::decay_t<T>, FColor>;

	inline FSlateColor ToSlateColor(const FLinearColor& InColor) { return FSlateColor(InColor); }
	inline FSlateColor ToSlateColor(const FSlateColor& InColor) { return InColor; }
	inline FSlateColor ToSlateColor(const FColor& InColor) { return FSlateColor(FLinearColor(InColor)); }
}

struct FSlateRoundedBoxBrush : public FSlateBrush
{
	/** Fully rounded ends (half the height). */
	template <UE::Slate::Private::CSlateColorLike FillColorType>
	FORCENOINLINE FSlateRoundedBoxBrush(const FillColorType& InColor)
		: FSlateBrush(ESlateBrushDrawType::RoundedBox, NAME_None, FMargin(0.0f), ESlateBrushTileType::NoTile, ESlateBrushImageType::NoImage, FVector2f(0.f, 0.f), UE::Slate::Private::ToSlateColor(InColor))
	{
		OutlineSettings = FSlateBrushOutlineSettings();
	}

	template <UE::Slate::Private::CSlateColorLike FillColorType>
	FORCENOINLINE FSlateRoundedBoxBrush(const FillColorType& InColor, float InRadius)
		: FSlateBrush(ESlateBrushDrawType::RoundedBox, NAME_None, FMargin(0.0f), ESlateBrushTileType::NoTile, ESlateBrushImageType::NoImage, FVector2f(0.f, 0.f), UE::Slate::Private::ToSlateColor(InColor))
	{
		OutlineSettings = FSlateBrushOutlineSettings(InRadius);
	}

	template <UE::Slate::Private::CSlateColorLike FillColorType, UE::Slate::Private::CSlateColorLike OutlineColorType>
	FORCENOINLINE FSlateRoundedBoxBrush(const FillColorType& InColor, float InRadius, const OutlineColorType& InOutlineColor, float InOutlineWidth,
		const UE::Slate::FDeprecateVector2DParameter& InImageSize = FVector2f(0.f, 0.f))
		: FSlateBrush(ESlateBrushDrawType::RoundedBox, NAME_None, FMargin(0.0f), ESlateBrushTileType::NoTile, ESlateBrushImageType::NoImage, InImageSize, UE::Slate::Private::ToSlateColor(InColor))
	{
		OutlineSettings = FSlateBrushOutlineSettings(InRadius, UE::Slate::Private::ToSlateColor(InOutlineColor), InOutlineWidth);
	}

	template <UE::Slate::Private::CSlateColorLike FillColorType>
	FORCENOINLINE FSlateRoundedBoxBrush(const FillColorType& InColor, const FVector4& InRadii)
		: FSlateBrush(ESlateBrushDrawType::RoundedBox, NAME_None, FMargin(0.0f), ESlateBrushTileType::NoTile, ESlateBrushImageType::NoImage, FVector2f(0.f, 0.f), UE::Slate::Private::ToSlateColor(InColor))
	{
		OutlineSettings = FSlateBrushOutlineSettings(InRadii);
	}

	template <UE::Slate::Private::CSlateColorLike FillColorType, UE::Slate::Private::CSlateColorLike OutlineColorType>
	FORCENOINLINE FSlateRoundedBoxBrush(const FillColorType& InColor, const FVector4& InRadii, const OutlineColorType& InOutlineColor, float InOutlineWidth,
		const UE::Slate::FDeprecateVector2DParameter& InImageSize = FVector2f(0.f, 0.f))
		: FSlateBrush(ESlateBrushDrawType::RoundedBox, NAME_None, FMargin(0.0f), ESlateBrushTileType::NoTile, ESlateBrushImageType::NoImage, InImageSize, UE::Slate::Private::ToSlateColor(InColor))
	{
		OutlineSettings = FSlateBrushOutlineSettings(InRadii, UE::Slate::Private::ToSlateColor(InOutlineColor), InOutlineWidth);
	}

	template <UE::Slate::Private::CSlateColorLike FillColorType, UE::Slate::Private::CSlateColorLike OutlineColorType>
	FORCENOINLINE FSlateRoundedBoxBrush(const FillColorType& InColor, const OutlineColorType& InOutlineColor, float InOutlineWidth,
		const UE::Slate::FDeprecateVector2DParameter& InImageSize = FVector2f(0.f, 0.f))
		: FSlateBrush(ESlateBrushDrawType::RoundedBox, NAME_None, FMargin(0.0f), ESlateBrushTileType::NoTile, ESlateBrushImageType::NoImage, InImageSize, UE::Slate::Private::ToSlateColor(InColor))
	{
		OutlineSettings = FSlateBrushOutlineSettings(UE::Slate::Private::ToSlateColor(InOutlineColor), InOutlineWidth);
	}
};
