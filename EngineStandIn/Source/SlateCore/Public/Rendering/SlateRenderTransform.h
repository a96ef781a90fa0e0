// FSlateRenderTransform: a 2D render transform (uniform scale and translation here, as layout produces).
#pragma once

#include "CoreMinimal.h"
#include "Types/SlateVector2.h"

class FSlateRenderTransform
{
public:
	FSlateRenderTransform()
		: Scale(1.f)
		, Translation(0.f, 0.f)
	{
	}

	explicit FSlateRenderTransform(float InScale, const FVector2f& InTranslation = FVector2f(0.f, 0.f))
		: Scale(InScale)
		, Translation(InTranslation)
	{
	}

	explicit FSlateRenderTransform(const FVector2f& InTranslation)
		: Scale(1.f)
		, Translation(InTranslation)
	{
	}

	FVector2f TransformPoint(const FVector2f& Point) const { return Point * Scale + Translation; }
	FVector2D TransformPoint(const FVector2D& Point) const { return FVector2D(TransformPoint(FVector2f((float)Point.X, (float)Point.Y))); }
	FVector2f TransformVector(const FVector2f& Vector) const { return Vector * Scale; }
	FVector2D TransformVector(const FVector2D& Vector) const { return FVector2D(TransformVector(FVector2f((float)Vector.X, (float)Vector.Y))); }

	FSlateRenderTransform Inverse() const
	{
		const float InverseScale = Scale != 0.f ? 1.f / Scale : 0.f;
		return FSlateRenderTransform(InverseScale, -Translation * InverseScale);
	}

	/** This transform followed by Other. */
	FSlateRenderTransform Concatenate(const FSlateRenderTransform& Other) const
	{
		return FSlateRenderTransform(Scale * Other.Scale, Other.TransformPoint(Translation));
	}

	UE::Slate::FDeprecateVector2DResult GetTranslation() const { return Translation; }
	float GetScale() const { return Scale; }
	bool IsIdentity() const { return Scale == 1.f && Translation.X == 0.f && Translation.Y == 0.f; }

private:
	float Scale;
	FVector2f Translation;
};
