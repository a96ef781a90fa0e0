// FSlateBrush: how to draw a rectangle (image, box, border, rounded box) and with which resource.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Styling/SlateColor.h"
#include "Types/SlateVector2.h"

class UObject;
class FWidgetStyle;

namespace ESlateBrushDrawType
{
	enum Type : int
	{
		NoDrawType,
		Box,
		Border,
		Image,
		RoundedBox,
	};
}

namespace ESlateBrushTileType
{
	enum Type : int
	{
		NoTile,
		Horizontal,
		Vertical,
		Both,
	};
}

namespace ESlateBrushMirrorType
{
	enum Type : int
	{
		NoMirror,
		Horizontal,
		Vertical,
		Both,
	};
}

namespace ESlateBrushImageType
{
	enum Type : int
	{
		NoImage,
		FullColor,
		Linear,
		Vector,
	};
}

enum class ESlateBrushRoundingType : uint8
{
	FixedRadius,
	HalfHeightRadius,
};

struct FSlateBrushOutlineSettings
{
	FSlateBrushOutlineSettings()
	{
	}

	FSlateBrushOutlineSettings(float InUniformRadius)
		: CornerRadii(InUniformRadius, InUniformRadius, InUniformRadius, InUniformRadius)
		, RoundingType(ESlateBrushRoundingType::FixedRadius)
	{
	}

	FSlateBrushOutlineSettings(const FVector4& InRadius)
		: CornerRadii(InRadius)
		, RoundingType(ESlateBrushRoundingType::FixedRadius)
	{
	}

	FSlateBrushOutlineSettings(const FSlateColor& InColor, float InWidth)
		: Color(InColor)
		, Width(InWidth)
	{
	}

	FSlateBrushOutlineSettings(float InUniformRadius, const FSlateColor& InColor, float InWidth)
		: CornerRadii(InUniformRadius, InUniformRadius, InUniformRadius, InUniformRadius)
		, Color(InColor)
		, Width(InWidth)
		, RoundingType(ESlateBrushRoundingType::FixedRadius)
	{
	}

	FSlateBrushOutlineSettings(const FVector4& InRadius, const FSlateColor& InColor, float InWidth)
		: CornerRadii(InRadius)
		, Color(InColor)
		, Width(InWidth)
		, RoundingType(ESlateBrushRoundingType::FixedRadius)
	{
	}

	bool operator==(const FSlateBrushOutlineSettings& Other) const
	{
		return CornerRadii == Other.CornerRadii && Color == Other.Color && Width == Other.Width && RoundingType == Other.RoundingType
			&& bUseBrushTransparency == Other.bUseBrushTransparency;
	}

	FVector4 CornerRadii = FVector4(0, 0, 0, 0);
	FSlateColor Color = FSlateColor(FLinearColor::Transparent);
	float Width = 0.f;
	ESlateBrushRoundingType RoundingType = ESlateBrushRoundingType::HalfHeightRadius;
	bool bUseBrushTransparency = false;
};

struct SLATECORE_API FSlateBrush
{
	FSlateBrush();
	virtual ~FSlateBrush()
	{
	}

	FSlateBrush(const FSlateBrush&) = default;
	FSlateBrush& operator=(const FSlateBrush&) = default;

	/** Size of the resource in Slate units. */
	UE::Slate::FDeprecateVector2DResult ImageSize;
	/** Margin of a box or border brush, as a fraction of the image size. */
	FMargin Margin;
	FSlateColor TintColor;
	FSlateBrushOutlineSettings OutlineSettings;
	ESlateBrushDrawType::Type DrawAs;
	ESlateBrushTileType::Type Tiling;
	ESlateBrushMirrorType::Type Mirroring;
	ESlateBrushImageType::Type ImageType;

	UE::Slate::FDeprecateVector2DResult GetImageSize() const { return ImageSize; }
	void SetImageSize(const UE::Slate::FDeprecateVector2DParameter& InImageSize) { ImageSize = FVector2f(InImageSize); }
	const FMargin& GetMargin() const { return Margin; }
	ESlateBrushTileType::Type GetTiling() const { return Tiling; }
	ESlateBrushMirrorType::Type GetMirroring() const { return Mirroring; }
	ESlateBrushDrawType::Type GetDrawType() const { return DrawAs; }
	ESlateBrushImageType::Type GetImageType() const { return ImageType; }
	FLinearColor GetTint(const FWidgetStyle& InWidgetStyle) const;

	const FName GetResourceName() const { return ResourceName; }
	UObject* GetResourceObject() const { return ResourceObject; }
	void SetResourceObject(UObject* InResourceObject);
	bool HasUObject() const { return ResourceObject != nullptr; }
	bool IsDynamicallyLoaded() const { return bIsDynamicallyLoaded; }

	/** The "nothing set" brush (no draw type), as the engine's helper returns it. */
	static const FSlateBrush* NoDrawBrush() { return nullptr; }

	bool operator==(const FSlateBrush& Other) const
	{
		return ImageSize == Other.ImageSize && DrawAs == Other.DrawAs && Margin == Other.Margin && TintColor == Other.TintColor
			&& Tiling == Other.Tiling && Mirroring == Other.Mirroring && ImageType == Other.ImageType && ResourceObject == Other.ResourceObject
			&& ResourceName == Other.ResourceName && OutlineSettings == Other.OutlineSettings;
	}
	bool operator!=(const FSlateBrush& Other) const { return !(*this == Other); }

protected:
	UObject* ResourceObject = nullptr;
	FName ResourceName;
	bool bIsDynamicallyLoaded = false;

	FSlateBrush(ESlateBrushDrawType::Type InDrawType, const FName InResourceName, const FMargin& InMargin, ESlateBrushTileType::Type InTiling,
		ESlateBrushImageType::Type InImageType, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FLinearColor& InTint = FLinearColor::White,
		UObject* InObjectResource = nullptr, bool bInDynamicallyLoaded = false);

	FSlateBrush(ESlateBrushDrawType::Type InDrawType, const FName InResourceName, const FMargin& InMargin, ESlateBrushTileType::Type InTiling,
		ESlateBrushImageType::Type InImageType, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FSlateColor& InTint,
		UObject* InObjectResource = nullptr, bool bInDynamicallyLoaded = false);
};
