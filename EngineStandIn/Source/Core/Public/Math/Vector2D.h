// TVector2: a 2D vector (FVector2D is the double version, FVector2f the float one Slate draws with).
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
	template <typename T>
	struct TVector2
	{
		using FReal = T;

		T X;
		T Y;

		static const TVector2 ZeroVector;
		static const TVector2 UnitVector;
		static TVector2 Zero() { return TVector2(0, 0); }
		static TVector2 One() { return TVector2(1, 1); }
		static TVector2 UnitX() { return TVector2(1, 0); }
		static TVector2 UnitY() { return TVector2(0, 1); }

		TVector2() = default;

		constexpr TVector2(T InX, T InY)
			: X(InX)
			, Y(InY)
		{
		}

		explicit constexpr TVector2(T InF)
			: X(InF)
			, Y(InF)
		{
		}

		explicit constexpr TVector2(EForceInit)
			: X(0)
			, Y(0)
		{
		}

				template <typename FArg, typename = std::enable_if_t<!std::is_same_v<T, FArg>>>
		explicit constexpr TVector2(const TVector2<FArg>& From)
			: X((T)From.X)
			, Y((T)From.Y)
		{
		}

		explicit constexpr TVector2(const TIntPoint<int32>& P);

		explicit TVector2(const TVector<T>& V)
			: X(V.X)
			, Y(V.Y)
		{
		}

		TVector2 operator+(const TVector2& V) const { return TVector2(X + V.X, Y + V.Y); }
		TVector2 operator-(const TVector2& V) const { return TVector2(X - V.X, Y - V.Y); }
		TVector2 operator*(const TVector2& V) const { return TVector2(X * V.X, Y * V.Y); }
		TVector2 operator/(const TVector2& V) const { return TVector2(X / V.X, Y / V.Y); }
		TVector2 operator-() const { return TVector2(-X, -Y); }

		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector2 operator+(FArg A) const { return TVector2(X + (T)A, Y + (T)A); }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector2 operator-(FArg A) const { return TVector2(X - (T)A, Y - (T)A); }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector2 operator*(FArg Scale) const { return TVector2(X * (T)Scale, Y * (T)Scale); }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector2 operator/(FArg Scale) const
		{
			const T RScale = (T)1 / (T)Scale;
			return TVector2(X * RScale, Y * RScale);
		}

		TVector2& operator+=(const TVector2& V) { X += V.X; Y += V.Y; return *this; }
		TVector2& operator-=(const TVector2& V) { X -= V.X; Y -= V.Y; return *this; }
		TVector2& operator*=(const TVector2& V) { X *= V.X; Y *= V.Y; return *this; }
		TVector2& operator/=(const TVector2& V) { X /= V.X; Y /= V.Y; return *this; }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector2& operator*=(FArg Scale) { X *= (T)Scale; Y *= (T)Scale; return *this; }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector2& operator/=(FArg Scale)
		{
			const T RScale = (T)1 / (T)Scale;
			X *= RScale;
			Y *= RScale;
			return *this;
		}

		/** Dot product. */
		T operator|(const TVector2& V) const { return X * V.X + Y * V.Y; }
		/** 2D cross product (the Z of the 3D one). */
		T operator^(const TVector2& V) const { return X * V.Y - Y * V.X; }

		static T DotProduct(const TVector2& A, const TVector2& B) { return A | B; }
		static T CrossProduct(const TVector2& A, const TVector2& B) { return A ^ B; }
		T Dot(const TVector2& V) const { return *this | V; }

		bool operator==(const TVector2& V) const { return X == V.X && Y == V.Y; }
		bool operator!=(const TVector2& V) const { return !(*this == V); }
		bool operator<(const TVector2& Other) const { return X < Other.X && Y < Other.Y; }
		bool operator>(const TVector2& Other) const { return X > Other.X && Y > Other.Y; }
		bool operator<=(const TVector2& Other) const { return X <= Other.X && Y <= Other.Y; }
		bool operator>=(const TVector2& Other) const { return X >= Other.X && Y >= Other.Y; }

		bool Equals(const TVector2& V, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs(X - V.X) <= Tolerance && FMath::Abs(Y - V.Y) <= Tolerance;
		}

		T& operator[](int32 Index)
		{
			check(Index >= 0 && Index < 2);
			return (&X)[Index];
		}

		T operator[](int32 Index) const
		{
			check(Index >= 0 && Index < 2);
			return (&X)[Index];
		}

		T& Component(int32 Index) { return (*this)[Index]; }
		T Component(int32 Index) const { return (*this)[Index]; }

		void Set(T InX, T InY)
		{
			X = InX;
			Y = InY;
		}

		T GetMax() const { return FMath::Max(X, Y); }
		T GetAbsMax() const { return FMath::Max(FMath::Abs(X), FMath::Abs(Y)); }
		T GetMin() const { return FMath::Min(X, Y); }
		TVector2 GetAbs() const { return TVector2(FMath::Abs(X), FMath::Abs(Y)); }
		TVector2 ComponentMin(const TVector2& Other) const { return TVector2(FMath::Min(X, Other.X), FMath::Min(Y, Other.Y)); }
		TVector2 ComponentMax(const TVector2& Other) const { return TVector2(FMath::Max(X, Other.X), FMath::Max(Y, Other.Y)); }
		TVector2 GetSignVector() const { return TVector2(X >= 0 ? (T)1 : (T)-1, Y >= 0 ? (T)1 : (T)-1); }
		TVector2 RoundToVector() const { return TVector2((T)FMath::RoundToFloat((double)X), (T)FMath::RoundToFloat((double)Y)); }

		T Size() const { return FMath::Sqrt(X * X + Y * Y); }
		T Length() const { return Size(); }
		T SizeSquared() const { return X * X + Y * Y; }
		T SquaredLength() const { return SizeSquared(); }

		TVector2 GetSafeNormal(T Tolerance = (T)UE_SMALL_NUMBER) const
		{
			const T SquareSum = X * X + Y * Y;
			if (SquareSum > Tolerance)
			{
				const T Scale = FMath::InvSqrt(SquareSum);
				return TVector2(X * Scale, Y * Scale);
			}
			return TVector2(0, 0);
		}

		void Normalize(T Tolerance = (T)UE_SMALL_NUMBER)
		{
			*this = GetSafeNormal(Tolerance);
		}

		TVector2 GetRotated(T AngleDeg) const
		{
			const T Rad = (T)FMath::DegreesToRadians((double)AngleDeg);
			const T S = (T)FMath::Sin((double)Rad);
			const T C = (T)FMath::Cos((double)Rad);
			return TVector2(C * X - S * Y, S * X + C * Y);
		}

		TVector2 GetRotated90() const { return TVector2(-Y, X); }

		bool IsNearlyZero(T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs(X) <= Tolerance && FMath::Abs(Y) <= Tolerance;
		}

		bool IsZero() const { return X == 0 && Y == 0; }

		TIntPoint<int32> IntPoint() const;

		static T Distance(const TVector2& V1, const TVector2& V2) { return (V2 - V1).Size(); }
		static T DistSquared(const TVector2& V1, const TVector2& V2) { return (V2 - V1).SizeSquared(); }
		static TVector2 Max(const TVector2& A, const TVector2& B) { return A.ComponentMax(B); }
		static TVector2 Min(const TVector2& A, const TVector2& B) { return A.ComponentMin(B); }

		FString ToString() const
		{
			return FString::Printf(TEXT("X=%3.3f Y=%3.3f"), (double)X, (double)Y);
		}
	};

	template <typename T> const TVector2<T> TVector2<T>::ZeroVector(0, 0);
	template <typename T> const TVector2<T> TVector2<T>::UnitVector(1, 1);

	template <typename T, typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
	inline TVector2<T> operator*(FArg Scale, const TVector2<T>& V)
	{
		return V * Scale;
	}
}

#include "Math/IntPoint.h"

namespace UE::Math
{
	template <typename T>
	constexpr TVector2<T>::TVector2(const TIntPoint<int32>& P)
		: X((T)P.X)
		, Y((T)P.Y)
	{
	}

	template <typename T>
	TIntPoint<int32> TVector2<T>::IntPoint() const
	{
		return TIntPoint<int32>(FMath::RoundToInt((double)X), FMath::RoundToInt((double)Y));
	}

	template <typename T>
	inline uint32 GetTypeHash(const TVector2<T>& Vector)
	{
		return HashCombine(::GetTypeHash(Vector.X), ::GetTypeHash(Vector.Y));
	}
}

#include "Math/Vector.h"
