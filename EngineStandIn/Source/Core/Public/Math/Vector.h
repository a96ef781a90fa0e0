// TVector: a 3D vector (FVector is the double version). Engine conventions: `|` is the dot product,
// `^` the cross product.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CoreMiscDefines.h"
#include "Containers/UnrealString.h"
#include "Math/MathFwd.h"
#include "Math/Axis.h"
#include "Math/UnrealMathUtility.h"
#include "Templates/TypeHash.h"

#include <cwchar>

namespace UE::Math
{
	template <typename T>
	struct TVector
	{
		using FReal = T;

		T X;
		T Y;
		T Z;

		static const TVector ZeroVector;
		static const TVector OneVector;
		static const TVector UpVector;
		static const TVector DownVector;
		static const TVector ForwardVector;
		static const TVector BackwardVector;
		static const TVector RightVector;
		static const TVector LeftVector;
		static const TVector XAxisVector;
		static const TVector YAxisVector;
		static const TVector ZAxisVector;

		static TVector Zero() { return TVector(0, 0, 0); }
		static TVector One() { return TVector(1, 1, 1); }
		static TVector UnitX() { return TVector(1, 0, 0); }
		static TVector UnitY() { return TVector(0, 1, 0); }
		static TVector UnitZ() { return TVector(0, 0, 1); }

		TVector() = default;

		constexpr TVector(T InX, T InY, T InZ)
			: X(InX)
			, Y(InY)
			, Z(InZ)
		{
		}

		explicit constexpr TVector(T InF)
			: X(InF)
			, Y(InF)
			, Z(InF)
		{
		}

		explicit constexpr TVector(EForceInit)
			: X(0)
			, Y(0)
			, Z(0)
		{
		}

		template <typename FArg, typename = std::enable_if_t<!std::is_same_v<T, FArg>>>
		explicit constexpr TVector(const TVector<FArg>& From)
			: X((T)From.X)
			, Y((T)From.Y)
			, Z((T)From.Z)
		{
		}

		explicit TVector(const TVector2<T>& V, T InZ);
		explicit TVector(const TVector4<T>& V);

		// Arithmetic

		TVector operator+(const TVector& V) const { return TVector(X + V.X, Y + V.Y, Z + V.Z); }
		TVector operator-(const TVector& V) const { return TVector(X - V.X, Y - V.Y, Z - V.Z); }
		TVector operator*(const TVector& V) const { return TVector(X * V.X, Y * V.Y, Z * V.Z); }
		TVector operator/(const TVector& V) const { return TVector(X / V.X, Y / V.Y, Z / V.Z); }
		TVector operator-() const { return TVector(-X, -Y, -Z); }

		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector operator+(FArg Bias) const { return TVector(X + (T)Bias, Y + (T)Bias, Z + (T)Bias); }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector operator-(FArg Bias) const { return TVector(X - (T)Bias, Y - (T)Bias, Z - (T)Bias); }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector operator*(FArg Scale) const { return TVector(X * (T)Scale, Y * (T)Scale, Z * (T)Scale); }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector operator/(FArg Scale) const
		{
			const T RScale = (T)1 / (T)Scale;
			return TVector(X * RScale, Y * RScale, Z * RScale);
		}

		TVector& operator+=(const TVector& V) { X += V.X; Y += V.Y; Z += V.Z; return *this; }
		TVector& operator-=(const TVector& V) { X -= V.X; Y -= V.Y; Z -= V.Z; return *this; }
		TVector& operator*=(const TVector& V) { X *= V.X; Y *= V.Y; Z *= V.Z; return *this; }
		TVector& operator/=(const TVector& V) { X /= V.X; Y /= V.Y; Z /= V.Z; return *this; }

		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector& operator*=(FArg Scale) { X *= (T)Scale; Y *= (T)Scale; Z *= (T)Scale; return *this; }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TVector& operator/=(FArg Scale)
		{
			const T RScale = (T)1 / (T)Scale;
			X *= RScale; Y *= RScale; Z *= RScale;
			return *this;
		}

		/** Dot product. */
		T operator|(const TVector& V) const { return X * V.X + Y * V.Y + Z * V.Z; }

		/** Cross product. */
		TVector operator^(const TVector& V) const
		{
			return TVector(Y * V.Z - Z * V.Y, Z * V.X - X * V.Z, X * V.Y - Y * V.X);
		}

		T Dot(const TVector& V) const { return *this | V; }
		TVector Cross(const TVector& V) const { return *this ^ V; }
		static T DotProduct(const TVector& A, const TVector& B) { return A | B; }
		static TVector CrossProduct(const TVector& A, const TVector& B) { return A ^ B; }

		bool operator==(const TVector& V) const { return X == V.X && Y == V.Y && Z == V.Z; }
		bool operator!=(const TVector& V) const { return !(*this == V); }

		bool Equals(const TVector& V, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs(X - V.X) <= Tolerance && FMath::Abs(Y - V.Y) <= Tolerance && FMath::Abs(Z - V.Z) <= Tolerance;
		}

		bool AllComponentsEqual(T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs(X - Y) <= Tolerance && FMath::Abs(X - Z) <= Tolerance && FMath::Abs(Y - Z) <= Tolerance;
		}

		T& operator[](int32 Index)
		{
			check(Index >= 0 && Index < 3);
			return (&X)[Index];
		}

		T operator[](int32 Index) const
		{
			check(Index >= 0 && Index < 3);
			return (&X)[Index];
		}

		T& Component(int32 Index) { return (*this)[Index]; }
		T Component(int32 Index) const { return (*this)[Index]; }

		T GetComponentForAxis(EAxis::Type Axis) const
		{
			switch (Axis)
			{
			case EAxis::X: return X;
			case EAxis::Y: return Y;
			case EAxis::Z: return Z;
			default: return (T)0;
			}
		}

		void SetComponentForAxis(EAxis::Type Axis, T Component)
		{
			switch (Axis)
			{
			case EAxis::X: X = Component; break;
			case EAxis::Y: Y = Component; break;
			case EAxis::Z: Z = Component; break;
			default: break;
			}
		}

		void Set(T InX, T InY, T InZ)
		{
			X = InX;
			Y = InY;
			Z = InZ;
		}

		// Size and direction

		T GetMax() const { return FMath::Max(FMath::Max(X, Y), Z); }
		T GetAbsMax() const { return FMath::Max(FMath::Max(FMath::Abs(X), FMath::Abs(Y)), FMath::Abs(Z)); }
		T GetMin() const { return FMath::Min(FMath::Min(X, Y), Z); }
		T GetAbsMin() const { return FMath::Min(FMath::Min(FMath::Abs(X), FMath::Abs(Y)), FMath::Abs(Z)); }
		TVector ComponentMin(const TVector& Other) const { return TVector(FMath::Min(X, Other.X), FMath::Min(Y, Other.Y), FMath::Min(Z, Other.Z)); }
		TVector ComponentMax(const TVector& Other) const { return TVector(FMath::Max(X, Other.X), FMath::Max(Y, Other.Y), FMath::Max(Z, Other.Z)); }
		TVector GetAbs() const { return TVector(FMath::Abs(X), FMath::Abs(Y), FMath::Abs(Z)); }
		TVector GetSignVector() const { return TVector(X >= 0 ? (T)1 : (T)-1, Y >= 0 ? (T)1 : (T)-1, Z >= 0 ? (T)1 : (T)-1); }

		T Size() const { return FMath::Sqrt(X * X + Y * Y + Z * Z); }
		T Length() const { return Size(); }
		T SizeSquared() const { return X * X + Y * Y + Z * Z; }
		T SquaredLength() const { return SizeSquared(); }
		T Size2D() const { return FMath::Sqrt(X * X + Y * Y); }
		T SizeSquared2D() const { return X * X + Y * Y; }

		bool IsNearlyZero(T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs(X) <= Tolerance && FMath::Abs(Y) <= Tolerance && FMath::Abs(Z) <= Tolerance;
		}

		bool IsZero() const { return X == 0 && Y == 0 && Z == 0; }

		bool IsUnit(T LengthSquaredTolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs((T)1 - SizeSquared()) < LengthSquaredTolerance;
		}

		bool IsNormalized() const { return FMath::Abs((T)1 - SizeSquared()) < (T)UE_THRESH_VECTOR_NORMALIZED; }

		bool ContainsNaN() const { return !FMath::IsFinite(X) || !FMath::IsFinite(Y) || !FMath::IsFinite(Z); }

		/** Normalizes in place; false (and unchanged) if the vector is too small. */
		bool Normalize(T Tolerance = (T)UE_SMALL_NUMBER)
		{
			const T SquareSum = SizeSquared();
			if (SquareSum > Tolerance)
			{
				const T Scale = FMath::InvSqrt(SquareSum);
				X *= Scale;
				Y *= Scale;
				Z *= Scale;
				return true;
			}
			return false;
		}

		/** A unit copy, or ResultIfZero if the vector is too small to normalize. */
		TVector GetSafeNormal(T Tolerance = (T)UE_SMALL_NUMBER, const TVector& ResultIfZero = TVector(0, 0, 0)) const
		{
			const T SquareSum = SizeSquared();
			if (SquareSum == (T)1)
			{
				return *this;
			}
			if (SquareSum < Tolerance)
			{
				return ResultIfZero;
			}
			const T Scale = FMath::InvSqrt(SquareSum);
			return TVector(X * Scale, Y * Scale, Z * Scale);
		}

		TVector GetSafeNormal2D(T Tolerance = (T)UE_SMALL_NUMBER, const TVector& ResultIfZero = TVector(0, 0, 0)) const
		{
			const T SquareSum = X * X + Y * Y;
			if (SquareSum == (T)1)
			{
				return Z == 0 ? *this : TVector(X, Y, 0);
			}
			if (SquareSum < Tolerance)
			{
				return ResultIfZero;
			}
			const T Scale = FMath::InvSqrt(SquareSum);
			return TVector(X * Scale, Y * Scale, 0);
		}

		TVector GetUnsafeNormal() const
		{
			const T Scale = FMath::InvSqrt(SizeSquared());
			return TVector(X * Scale, Y * Scale, Z * Scale);
		}

		void ToDirectionAndLength(TVector& OutDir, T& OutLength) const
		{
			OutLength = Size();
			if (OutLength > (T)UE_SMALL_NUMBER)
			{
				const T OneOverLength = (T)1 / OutLength;
				OutDir = TVector(X * OneOverLength, Y * OneOverLength, Z * OneOverLength);
			}
			else
			{
				OutDir = TVector(0, 0, 0);
			}
		}

		TVector GetClampedToSize(T Min, T Max) const
		{
			T VecSize = Size();
			const TVector VecDir = (VecSize > (T)UE_SMALL_NUMBER) ? (*this / VecSize) : TVector(0, 0, 0);
			VecSize = FMath::Clamp(VecSize, Min, Max);
			return VecDir * VecSize;
		}

		TVector GetClampedToMaxSize(T MaxSize) const
		{
			if (MaxSize < (T)UE_KINDA_SMALL_NUMBER)
			{
				return TVector(0, 0, 0);
			}
			const T VSq = SizeSquared();
			if (VSq > MaxSize * MaxSize)
			{
				const T Scale = MaxSize * FMath::InvSqrt(VSq);
				return TVector(X * Scale, Y * Scale, Z * Scale);
			}
			return *this;
		}

		TVector ProjectOnTo(const TVector& A) const { return A * ((*this | A) / (A | A)); }
		TVector ProjectOnToNormal(const TVector& Normal) const { return Normal * (*this | Normal); }

		TVector MirrorByVector(const TVector& MirrorNormal) const
		{
			return *this - MirrorNormal * ((T)2 * (*this | MirrorNormal));
		}

		TVector Reciprocal() const
		{
			return TVector(X != 0 ? (T)1 / X : (T)UE_BIG_NUMBER, Y != 0 ? (T)1 / Y : (T)UE_BIG_NUMBER, Z != 0 ? (T)1 / Z : (T)UE_BIG_NUMBER);
		}

		static T Dist(const TVector& V1, const TVector& V2) { return (V2 - V1).Size(); }
		static T Distance(const TVector& V1, const TVector& V2) { return Dist(V1, V2); }
		static T DistSquared(const TVector& V1, const TVector& V2) { return (V2 - V1).SizeSquared(); }
		static T DistXY(const TVector& V1, const TVector& V2) { return (V2 - V1).Size2D(); }
		static T Dist2D(const TVector& V1, const TVector& V2) { return DistXY(V1, V2); }
		static T DistSquaredXY(const TVector& V1, const TVector& V2) { return (V2 - V1).SizeSquared2D(); }

		static bool PointsAreNear(const TVector& Point1, const TVector& Point2, T Dist)
		{
			return FMath::Abs(Point1.X - Point2.X) < Dist && FMath::Abs(Point1.Y - Point2.Y) < Dist && FMath::Abs(Point1.Z - Point2.Z) < Dist;
		}

		static bool Parallel(const TVector& Normal1, const TVector& Normal2, T ParallelCosineThreshold = (T)0.999845)
		{
			return FMath::Abs(Normal1 | Normal2) >= ParallelCosineThreshold;
		}

		static bool Orthogonal(const TVector& Normal1, const TVector& Normal2, T OrthogonalCosineThreshold = (T)0.017455)
		{
			return FMath::Abs(Normal1 | Normal2) <= OrthogonalCosineThreshold;
		}

		// Orientation (the definitions need the rotator and quaternion types, see Rotator.h and Quat.h)

		/** The rotator that points X along this direction (no roll). */
		TRotator<T> ToOrientationRotator() const;
		TRotator<T> Rotation() const;
		TQuat<T> ToOrientationQuat() const;
		TVector RotateAngleAxis(T AngleDeg, const TVector& Axis) const;

		FString ToString() const
		{
			return FString::Printf(TEXT("X=%3.3f Y=%3.3f Z=%3.3f"), (double)X, (double)Y, (double)Z);
		}

		FString ToCompactString() const
		{
			return FString::Printf(TEXT("V(X=%.2f, Y=%.2f, Z=%.2f)"), (double)X, (double)Y, (double)Z);
		}

		/** Reads "X=.. Y=.. Z=.." as ToString writes it. */
		bool InitFromString(const FString& InSourceString);
	};

	template <typename T> const TVector<T> TVector<T>::ZeroVector(0, 0, 0);
	template <typename T> const TVector<T> TVector<T>::OneVector(1, 1, 1);
	template <typename T> const TVector<T> TVector<T>::UpVector(0, 0, 1);
	template <typename T> const TVector<T> TVector<T>::DownVector(0, 0, -1);
	template <typename T> const TVector<T> TVector<T>::ForwardVector(1, 0, 0);
	template <typename T> const TVector<T> TVector<T>::BackwardVector(-1, 0, 0);
	template <typename T> const TVector<T> TVector<T>::RightVector(0, 1, 0);
	template <typename T> const TVector<T> TVector<T>::LeftVector(0, -1, 0);
	template <typename T> const TVector<T> TVector<T>::XAxisVector(1, 0, 0);
	template <typename T> const TVector<T> TVector<T>::YAxisVector(0, 1, 0);
	template <typename T> const TVector<T> TVector<T>::ZAxisVector(0, 0, 1);

	template <typename T, typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
	inline TVector<T> operator*(FArg Scale, const TVector<T>& V)
	{
		return V * Scale;
	}

	template <typename T>
	inline TVector<T>::TVector(const TVector2<T>& V, T InZ)
		: X(V.X)
		, Y(V.Y)
		, Z(InZ)
	{
	}

	template <typename T>
	inline TVector<T>::TVector(const TVector4<T>& V)
		: X(V.X)
		, Y(V.Y)
		, Z(V.Z)
	{
	}

	template <typename T>
	inline bool TVector<T>::InitFromString(const FString& InSourceString)
	{
		double InX = 0, InY = 0, InZ = 0;
		const FString Source = InSourceString;
		const bool bSuccessful = std::swscanf(*Source, L" X=%lf Y=%lf Z=%lf", &InX, &InY, &InZ) == 3;
		if (bSuccessful)
		{
			X = (T)InX;
			Y = (T)InY;
			Z = (T)InZ;
		}
		return bSuccessful;
	}

	template <typename T>
	inline uint32 GetTypeHash(const TVector<T>& Vector)
	{
		return HashCombine(HashCombine(::GetTypeHash(Vector.X), ::GetTypeHash(Vector.Y)), ::GetTypeHash(Vector.Z));
	}
}

#include "Math/Vector2D.h"
#include "Math/Vector4.h"
#include "Math/Rotator.h"
#include "Math/Quat.h"
