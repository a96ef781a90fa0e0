// TVector4: a 4D vector (FVector4).
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
	struct TVector4
	{
		using FReal = T;

		T X;
		T Y;
		T Z;
		T W;

		constexpr TVector4(T InX = 0, T InY = 0, T InZ = 0, T InW = 1)
			: X(InX)
			, Y(InY)
			, Z(InZ)
			, W(InW)
		{
		}

		explicit constexpr TVector4(EForceInit)
			: X(0)
			, Y(0)
			, Z(0)
			, W(0)
		{
		}

		TVector4(const TVector<T>& InVector, T InW = 1)
			: X(InVector.X)
			, Y(InVector.Y)
			, Z(InVector.Z)
			, W(InW)
		{
		}

		TVector4(const TVector2<T>& InXY, const TVector2<T>& InZW)
			: X(InXY.X)
			, Y(InXY.Y)
			, Z(InZW.X)
			, W(InZW.Y)
		{
		}

		template <typename FArg, typename = std::enable_if_t<!std::is_same_v<T, FArg>>>
		explicit constexpr TVector4(const TVector4<FArg>& From)
			: X((T)From.X)
			, Y((T)From.Y)
			, Z((T)From.Z)
			, W((T)From.W)
		{
		}

		T& operator[](int32 Index)
		{
			check(Index >= 0 && Index < 4);
			return (&X)[Index];
		}

		T operator[](int32 Index) const
		{
			check(Index >= 0 && Index < 4);
			return (&X)[Index];
		}

		TVector4 operator-() const { return TVector4(-X, -Y, -Z, -W); }
		TVector4 operator+(const TVector4& V) const { return TVector4(X + V.X, Y + V.Y, Z + V.Z, W + V.W); }
		TVector4 operator-(const TVector4& V) const { return TVector4(X - V.X, Y - V.Y, Z - V.Z, W - V.W); }
		TVector4 operator*(const TVector4& V) const { return TVector4(X * V.X, Y * V.Y, Z * V.Z, W * V.W); }
		TVector4 operator/(const TVector4& V) const { return TVector4(X / V.X, Y / V.Y, Z / V.Z, W / V.W); }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector4 operator*(FArg Scale) const { return TVector4(X * (T)Scale, Y * (T)Scale, Z * (T)Scale, W * (T)Scale); }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector4 operator/(FArg Scale) const
		{
			const T RScale = (T)1 / (T)Scale;
			return TVector4(X * RScale, Y * RScale, Z * RScale, W * RScale);
		}
		TVector4& operator+=(const TVector4& V) { X += V.X; Y += V.Y; Z += V.Z; W += V.W; return *this; }
		TVector4& operator-=(const TVector4& V) { X -= V.X; Y -= V.Y; Z -= V.Z; W -= V.W; return *this; }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector4& operator*=(FArg Scale) { X *= (T)Scale; Y *= (T)Scale; Z *= (T)Scale; W *= (T)Scale; return *this; }

		bool operator==(const TVector4& V) const { return X == V.X && Y == V.Y && Z == V.Z && W == V.W; }
		bool operator!=(const TVector4& V) const { return !(*this == V); }

		bool Equals(const TVector4& V, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs(X - V.X) <= Tolerance && FMath::Abs(Y - V.Y) <= Tolerance && FMath::Abs(Z - V.Z) <= Tolerance && FMath::Abs(W - V.W) <= Tolerance;
		}

		void Set(T InX, T InY, T InZ, T InW)
		{
			X = InX;
			Y = InY;
			Z = InZ;
			W = InW;
		}

		T Size3() const { return FMath::Sqrt(X * X + Y * Y + Z * Z); }
		T SizeSquared3() const { return X * X + Y * Y + Z * Z; }
		T Size() const { return FMath::Sqrt(X * X + Y * Y + Z * Z + W * W); }
		T SizeSquared() const { return X * X + Y * Y + Z * Z + W * W; }

		TVector4 GetSafeNormal(T Tolerance = (T)UE_SMALL_NUMBER) const
		{
			const T SquareSum = SizeSquared3();
			if (SquareSum > Tolerance)
			{
				const T Scale = FMath::InvSqrt(SquareSum);
				return TVector4(X * Scale, Y * Scale, Z * Scale, 0);
			}
			return TVector4(0, 0, 0, 0);
		}

		bool IsNearlyZero3(T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs(X) <= Tolerance && FMath::Abs(Y) <= Tolerance && FMath::Abs(Z) <= Tolerance;
		}

		/** Dot product of the X, Y and Z parts. */
		friend T Dot3(const TVector4& V1, const TVector4& V2) { return V1.X * V2.X + V1.Y * V2.Y + V1.Z * V2.Z; }
		friend T Dot4(const TVector4& V1, const TVector4& V2) { return V1.X * V2.X + V1.Y * V2.Y + V1.Z * V2.Z + V1.W * V2.W; }

		FString ToString() const
		{
			return FString::Printf(TEXT("X=%3.3f Y=%3.3f Z=%3.3f W=%3.3f"), (double)X, (double)Y, (double)Z, (double)W);
		}
	};

	template <typename T, typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
	inline TVector4<T> operator*(FArg Scale, const TVector4<T>& V)
	{
		return V * Scale;
	}

	template <typename T>
	inline uint32 GetTypeHash(const TVector4<T>& Vector)
	{
		return HashCombine(HashCombine(::GetTypeHash(Vector.X), ::GetTypeHash(Vector.Y)), HashCombine(::GetTypeHash(Vector.Z), ::GetTypeHash(Vector.W)));
	}
}

#include "Math/Vector.h"
#include "Math/Vector2D.h"
