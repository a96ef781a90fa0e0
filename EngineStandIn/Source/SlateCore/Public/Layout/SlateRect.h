// FSlateRect: an axis-aligned rectangle given by its edges.
#pragma once

#include "CoreMinimal.h"
#include "Types/SlateVector2.h"

class FSlateRect
{
public:
	float Left;
	float Top;
	float Right;
	float Bottom;

	explicit FSlateRect(float InLeft = -1, float InTop = -1, float InRight = -1, float InBottom = -1)
		: Left(InLeft)
		, Top(InTop)
		, Right(InRight)
		, Bottom(InBottom)
	{
	}

	FSlateRect(const FVector2f& InStartPos, const FVector2f& InEndPos)
		: Left(InStartPos.X)
		, Top(InStartPos.Y)
		, Right(InEndPos.X)
		, Bottom(InEndPos.Y)
	{
	}

	FSlateRect(const FVector2D& InStartPos, const FVector2D& InEndPos)
		: Left((float)InStartPos.X)
		, Top((float)InStartPos.Y)
		, Right((float)InEndPos.X)
		, Bottom((float)InEndPos.Y)
	{
	}

	bool IsValid() const { return !(Left == -1 && Right == -1 && Bottom == -1 && Top == -1) && Right >= Left && Bottom >= Top; }
	UE::Slate::FDeprecateVector2DResult GetSize() const { return FVector2f(Right - Left, Bottom - Top); }
	UE::Slate::FDeprecateVector2DResult GetCenter() const { return FVector2f((Left + Right) * 0.5f, (Top + Bottom) * 0.5f); }
	UE::Slate::FDeprecateVector2DResult GetTopLeft() const { return FVector2f(Left, Top); }
	UE::Slate::FDeprecateVector2DResult GetBottomRight() const { return FVector2f(Right, Bottom); }

	bool ContainsPoint(const FVector2f& Point) const { return Point.X >= Left && Point.X <= Right && Point.Y >= Top && Point.Y <= Bottom; }

	bool operator==(const FSlateRect& Other) const { return Left == Other.Left && Top == Other.Top && Right == Other.Right && Bottom == Other.Bottom; }
	bool operator!=(const FSlateRect& Other) const { return !(*this == Other); }
};
