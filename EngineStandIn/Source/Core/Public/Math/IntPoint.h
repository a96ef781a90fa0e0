// TIntPoint: a 2D integer point (FIntPoint).
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CoreMiscDefines.h"
#include "Containers/UnrealString.h"
#include "Math/MathFwd.h"
#include "Math/UnrealMathUtility.h"
#include "Templates/TypeHash.h"

namespace UE::Math
{
	template <typename InIntType>
	struct TIntPoint
	{
		using IntType = InIntType;

		IntType X = 0;
		IntType Y = 0;

		static const TIntPoint ZeroValue;
		static const TIntPoint NoneValue;

		TIntPoint() = default;

		constexpr TIntPoint(IntType InX, IntType InY)
			: X(InX)
			, Y(InY)
		{
		}

		explicit constexpr TIntPoint(IntType InXY)
			: X(InXY)
			, Y(InXY)
		{
		}

		explicit constexpr TIntPoint(EForceInit)
		{
		}

		TIntPoint operator+(const TIntPoint& Other) const { return TIntPoint(X + Other.X, Y + Other.Y); }
		TIntPoint operator-(const TIntPoint& Other) const { return TIntPoint(X - Other.X, Y - Other.Y); }
		TIntPoint operator*(const TIntPoint& Other) const { return TIntPoint(X * Other.X, Y * Other.Y); }
		TIntPoint operator*(IntType Scale) const { return TIntPoint(X * Scale, Y * Scale); }
		TIntPoint operator/(IntType Divisor) const { return TIntPoint(X / Divisor, Y / Divisor); }
		TIntPoint operator/(const TIntPoint& Other) const { return TIntPoint(X / Other.X, Y / Other.Y); }
		TIntPoint& operator+=(const TIntPoint& Other) { X += Other.X; Y += Other.Y; return *this; }
		TIntPoint& operator-=(const TIntPoint& Other) { X -= Other.X; Y -= Other.Y; return *this; }
		TIntPoint& operator*=(IntType Scale) { X *= Scale; Y *= Scale; return *this; }
		TIntPoint& operator/=(IntType Divisor) { X /= Divisor; Y /= Divisor; return *this; }
		bool operator==(const TIntPoint& Other) const { return X == Other.X && Y == Other.Y; }
		bool operator!=(const TIntPoint& Other) const { return !(*this == Other); }

		IntType& operator[](int32 Index)
		{
			check(Index >= 0 && Index < 2);
			return Index == 0 ? X : Y;
		}

		IntType operator[](int32 Index) const
		{
			check(Index >= 0 && Index < 2);
			return Index == 0 ? X : Y;
		}

		TIntPoint ComponentMin(const TIntPoint& Other) const { return TIntPoint(FMath::Min(X, Other.X), FMath::Min(Y, Other.Y)); }
		TIntPoint ComponentMax(const TIntPoint& Other) const { return TIntPoint(FMath::Max(X, Other.X), FMath::Max(Y, Other.Y)); }
		IntType GetMax() const { return FMath::Max(X, Y); }
		IntType GetMin() const { return FMath::Min(X, Y); }
		IntType Size() const { return (IntType)FMath::Sqrt((double)(X * X + Y * Y)); }
		IntType SizeSquared() const { return X * X + Y * Y; }

		FString ToString() const
		{
			return FString::Printf(TEXT("X=%d Y=%d"), (int32)X, (int32)Y);
		}
	};

	template <typename T> const TIntPoint<T> TIntPoint<T>::ZeroValue(0, 0);
	template <typename T> const TIntPoint<T> TIntPoint<T>::NoneValue(INDEX_NONE, INDEX_NONE);

	template <typename T>
	inline uint32 GetTypeHash(const TIntPoint<T>& Point)
	{
		return HashCombine(::GetTypeHash(Point.X), ::GetTypeHash(Point.Y));
	}
}

#include "Math/Vector2D.h"
