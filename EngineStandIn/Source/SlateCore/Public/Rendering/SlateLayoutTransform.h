// FSlateLayoutTransform: a uniform scale followed by a translation.
#pragma once

#include "CoreMinimal.h"
#include "Types/SlateVector2.h"

class FSlateLayoutTransform
{
public:
	explicit FSlateLayoutTransform(float InScale = 1.0f)
		: Scale(InScale)
		, Translation(0.f, 0.f)
	{
	}

	explicit FSlateLayoutTransform(const FVector2f& InTranslation)
		: Scale(1.0f)
		, Translation(InTranslation)
	{
	}

	explicit FSlateLayoutTransform(const FVector2D& InTranslation)
		: Scale(1.0f)
		, Translation((float)InTranslation.X, (float)InTranslation.Y)
	{
	}

	FSlateLayoutTransform(float InScale, const UE::Slate::FDeprecateVector2DParameter& InTranslation)
		: Scale(InScale)
		, Translation(InTranslation)
	{
	}

	float GetScale() const { return Scale; }
	UE::Slate::FDeprecateVector2DResult GetTranslation() const { return Translation; }

	FVector2f TransformPoint(const FVector2f& Point) const { return Point * Scale + Translation; }
	FVector2f TransformVector(const FVector2f& Vector) const { return Vector * Scale; }

	/** This transform applied after Other (Other first, then this). */
	FSlateLayoutTransform Concatenate(const FSlateLayoutTransform& RHS) const
	{
		return FSlateLayoutTransform(Scale * RHS.Scale, RHS.TransformPoint(Translation));
	}

	FSlateLayoutTransform Inverse() const
	{
		return FSlateLayoutTransform(1.0f / Scale, -Translation * (1.0f / Scale));
	}

private:
	float Scale;
	FVector2f Translation;
};
