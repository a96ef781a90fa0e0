// FGeometry: a widget's local size and where it sits in window space (translation and uniform scale).
#pragma once

#include "CoreMinimal.h"
#include "Types/SlateVector2.h"
#include "Layout/PaintGeometry.h"
#include "Layout/SlateRect.h"
#include "Layout/Margin.h"
#include "Rendering/SlateLayoutTransform.h"
#include "Rendering/SlateRenderTransform.h"

struct FGeometry
{
	FGeometry()
	{
	}

	static FGeometry MakeRoot(const UE::Slate::FDeprecateVector2DParameter& InLocalSize, const FSlateLayoutTransform& InLayoutTransform)
	{
		FGeometry Result;
		Result.Size = InLocalSize;
		Result.Scale = InLayoutTransform.GetScale();
		Result.AbsolutePosition = InLayoutTransform.GetTranslation();
		return Result;
	}

	/** A child at ChildOffset (local units) with its own size and an extra scale. */
	FGeometry MakeChild(const UE::Slate::FDeprecateVector2DParameter& InChildOffset, const UE::Slate::FDeprecateVector2DParameter& InLocalSize, float InChildScale = 1.0f) const
	{
		FGeometry Result;
		Result.Size = InLocalSize;
		Result.Scale = Scale * InChildScale;
		Result.AbsolutePosition = AbsolutePosition + FVector2f(InChildOffset) * Scale;
		return Result;
	}

	FGeometry MakeChild(const UE::Slate::FDeprecateVector2DParameter& InLocalSize, const FSlateLayoutTransform& InLayoutTransform) const
	{
		return MakeChild(InLayoutTransform.GetTranslation(), InLocalSize, InLayoutTransform.GetScale());
	}

	UE::Slate::FDeprecateVector2DResult GetLocalSize() const { return Size; }
	FSlateLayoutTransform GetAccumulatedLayoutTransform() const { return FSlateLayoutTransform(Scale, AbsolutePosition); }
	/** Local space to window space. */
	FSlateRenderTransform GetAccumulatedRenderTransform() const { return FSlateRenderTransform(Scale, AbsolutePosition); }
	UE::Slate::FDeprecateVector2DResult GetAbsolutePosition() const { return AbsolutePosition; }
	UE::Slate::FDeprecateVector2DResult GetAbsoluteSize() const { return Size * Scale; }
	float GetAbsoluteScale() const { return Scale; }

	UE::Slate::FDeprecateVector2DResult AbsoluteToLocal(const UE::Slate::FDeprecateVector2DParameter& AbsoluteCoordinate) const
	{
		return (FVector2f(AbsoluteCoordinate) - AbsolutePosition) * (1.0f / Scale);
	}

	UE::Slate::FDeprecateVector2DResult LocalToAbsolute(const UE::Slate::FDeprecateVector2DParameter& LocalCoordinate) const
	{
		return AbsolutePosition + FVector2f(LocalCoordinate) * Scale;
	}

	bool IsUnderLocation(const UE::Slate::FDeprecateVector2DParameter& AbsoluteCoordinate) const
	{
		const FVector2f Local = AbsoluteToLocal(AbsoluteCoordinate);
		return Local.X >= 0.f && Local.Y >= 0.f && Local.X < Size.X && Local.Y < Size.Y;
	}

	FSlateRect GetLayoutBoundingRect() const
	{
		const FVector2f End = AbsolutePosition + Size * Scale;
		return FSlateRect(AbsolutePosition.X, AbsolutePosition.Y, End.X, End.Y);
	}

	FPaintGeometry ToPaintGeometry() const
	{
		return FPaintGeometry(AbsolutePosition, Size * Scale, Scale);
	}

	FPaintGeometry ToPaintGeometry(const FSlateLayoutTransform& InLayoutTransform) const
	{
		return ToPaintGeometry(Size, InLayoutTransform);
	}

	FPaintGeometry ToPaintGeometry(const UE::Slate::FDeprecateVector2DParameter& InLocalSize, const FSlateLayoutTransform& InLayoutTransform) const
	{
		const float ChildScale = Scale * InLayoutTransform.GetScale();
		const FVector2f Position = AbsolutePosition + FVector2f(InLayoutTransform.GetTranslation()) * Scale;
		return FPaintGeometry(Position, FVector2f(InLocalSize) * ChildScale, ChildScale);
	}

	/** The deprecated (offset, size, scale) form, kept for older callers. */
	FPaintGeometry ToPaintGeometry(const UE::Slate::FDeprecateVector2DParameter& InLocalOffset, const UE::Slate::FDeprecateVector2DParameter& InLocalSize, float InLocalScale = 1.0f) const
	{
		return ToPaintGeometry(InLocalSize, FSlateLayoutTransform(InLocalScale, InLocalOffset));
	}

	FPaintGeometry ToInflatedPaintGeometry(const UE::Slate::FDeprecateVector2DParameter& InflateAmount) const
	{
		const FVector2f Inflate(InflateAmount);
		return ToPaintGeometry(Size + Inflate * 2.f, FSlateLayoutTransform(1.0f, -Inflate));
	}

	bool operator==(const FGeometry& Other) const
	{
		return Size == Other.Size && AbsolutePosition == Other.AbsolutePosition && Scale == Other.Scale;
	}

	// The public members the engine still exposes (deprecated there); read-only in practice.
	FVector2f Size = FVector2f(0.f, 0.f);
	FVector2f AbsolutePosition = FVector2f(0.f, 0.f);
	float Scale = 1.0f;
};
