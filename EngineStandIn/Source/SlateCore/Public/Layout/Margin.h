// FMargin: space around the four sides of a widget.
#pragma once

#include "CoreMinimal.h"
#include "Types/SlateEnums.h"

struct FMargin
{
	float Left = 0.f;
	float Top = 0.f;
	float Right = 0.f;
	float Bottom = 0.f;

	FMargin()
	{
	}

	FMargin(float UniformMargin)
		: Left(UniformMargin)
		, Top(UniformMargin)
		, Right(UniformMargin)
		, Bottom(UniformMargin)
	{
	}

	FMargin(float Horizontal, float Vertical)
		: Left(Horizontal)
		, Top(Vertical)
		, Right(Horizontal)
		, Bottom(Vertical)
	{
	}

	FMargin(float InLeft, float InTop, float InRight, float InBottom)
		: Left(InLeft)
		, Top(InTop)
		, Right(InRight)
		, Bottom(InBottom)
	{
	}

	FMargin(const FVector2f& InVector)
		: Left(InVector.X)
		, Top(InVector.Y)
		, Right(InVector.X)
		, Bottom(InVector.Y)
	{
	}

	FMargin(const FVector2D& InVector)
		: Left((float)InVector.X)
		, Top((float)InVector.Y)
		, Right((float)InVector.X)
		, Bottom((float)InVector.Y)
	{
	}

	FMargin operator*(float Scale) const { return FMargin(Left * Scale, Top * Scale, Right * Scale, Bottom * Scale); }
	FMargin operator*(const FMargin& Other) const { return FMargin(Left * Other.Left, Top * Other.Top, Right * Other.Right, Bottom * Other.Bottom); }
	FMargin operator+(const FMargin& Other) const { return FMargin(Left + Other.Left, Top + Other.Top, Right + Other.Right, Bottom + Other.Bottom); }
	FMargin operator-(const FMargin& Other) const { return FMargin(Left - Other.Left, Top - Other.Top, Right - Other.Right, Bottom - Other.Bottom); }
	bool operator==(const FMargin& Other) const { return Left == Other.Left && Top == Other.Top && Right == Other.Right && Bottom == Other.Bottom; }
	bool operator!=(const FMargin& Other) const { return !(*this == Other); }

	FVector2f GetDesiredSize() const { return FVector2f(Left + Right, Top + Bottom); }
	FVector2f GetTopLeft() const { return FVector2f(Left, Top); }

	template <EOrientation Orientation>
	float GetTotalSpaceAlong() const
	{
		return Orientation == Orient_Horizontal ? Left + Right : Top + Bottom;
	}
};
