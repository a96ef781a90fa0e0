// TQuat: a rotation quaternion (FQuat). A * B applies B first, then A.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CoreMiscDefines.h"
#include "Containers/UnrealString.h"
#include "Math/MathFwd.h"
#include "Math/UnrealMathUtility.h"
#include "Templates/TypeHash.h"
#include "Math/Vector.h"

namespace UE::Math
{
	template <typename T>
	struct TQuat
	{
		using FReal = T;

		T X;
		T Y;
		T Z;
		T W;

		static const TQuat Identity;

		TQuat() = default;

		constexpr TQuat(T InX, T InY, T InZ, T InW)
			: X(InX)
			, Y(InY)
			, Z(InZ)
			, W(InW)
		{
		}

		explicit constexpr TQuat(EForceInit ZeroOrNot)
			: X(0)
			, Y(0)
			, Z(0)
			, W(ZeroOrNot == ForceInitToZero ? (T)0 : (T)1)
		{
		}

		template <typename FArg, typename = std::enable_if_t<!std::is_same_v<T, FArg>>>
		explicit constexpr TQuat(const TQuat<FArg>& From)
			: X((T)From.X)
			, Y((T)From.Y)
			, Z((T)From.Z)
			, W((T)From.W)
		{
		}

		explicit TQuat(const TRotator<T>& R)
		{
			*this = R.Quaternion();
		}

		/** From the rotation part of a matrix (its axes should be unit length and orthogonal). */
		explicit TQuat(const TMatrix<T>& M);

		/** Rotation by AngleRad radians about Axis (a unit vector). */
		TQuat(const TVector<T>& Axis, T AngleRad)
		{
			const T HalfA = (T)0.5 * AngleRad;
			T S, C;
			FMath::SinCos(&S, &C, HalfA);
			X = S * Axis.X;
			Y = S * Axis.Y;
			Z = S * Axis.Z;
			W = C;
		}

		TQuat operator+(const TQuat& Q) const { return TQuat(X + Q.X, Y + Q.Y, Z + Q.Z, W + Q.W); }
		TQuat operator-(const TQuat& Q) const { return TQuat(X - Q.X, Y - Q.Y, Z - Q.Z, W - Q.W); }
		TQuat operator-() const { return TQuat(-X, -Y, -Z, -W); }

		/** Composition: the result applies Q first, then this. */
		TQuat operator*(const TQuat& Q) const
		{
			return TQuat(
				W * Q.X + X * Q.W + Y * Q.Z - Z * Q.Y,
				W * Q.Y - X * Q.Z + Y * Q.W + Z * Q.X,
				W * Q.Z + X * Q.Y - Y * Q.X + Z * Q.W,
				W * Q.W - X * Q.X - Y * Q.Y - Z * Q.Z);
		}

		TQuat& operator*=(const TQuat& Q)
		{
			*this = *this * Q;
			return *this;
		}

		TVector<T> operator*(const TVector<T>& V) const { return RotateVector(V); }

		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TQuat operator*(FArg Scale) const { return TQuat(X * (T)Scale, Y * (T)Scale, Z * (T)Scale, W * (T)Scale); }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TQuat operator/(FArg Scale) const
		{
			const T R = (T)1 / (T)Scale;
			return TQuat(X * R, Y * R, Z * R, W * R);
		}

		bool operator==(const TQuat& Q) const { return X == Q.X && Y == Q.Y && Z == Q.Z && W == Q.W; }
		bool operator!=(const TQuat& Q) const { return !(*this == Q); }

		/** Same rotation within Tolerance; Q and -Q are the same rotation. */
		bool Equals(const TQuat& Q, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return (FMath::Abs(X - Q.X) <= Tolerance && FMath::Abs(Y - Q.Y) <= Tolerance && FMath::Abs(Z - Q.Z) <= Tolerance && FMath::Abs(W - Q.W) <= Tolerance)
				|| (FMath::Abs(X + Q.X) <= Tolerance && FMath::Abs(Y + Q.Y) <= Tolerance && FMath::Abs(Z + Q.Z) <= Tolerance && FMath::Abs(W + Q.W) <= Tolerance);
		}

		bool IsIdentity(T Tolerance = (T)UE_SMALL_NUMBER) const { return Equals(TQuat(0, 0, 0, 1), Tolerance); }

		T operator|(const TQuat& Q) const { return X * Q.X + Y * Q.Y + Z * Q.Z + W * Q.W; }

		T SizeSquared() const { return X * X + Y * Y + Z * Z + W * W; }
		T Size() const { return FMath::Sqrt(SizeSquared()); }

		bool IsNormalized() const { return FMath::Abs((T)1 - SizeSquared()) < (T)UE_THRESH_QUAT_NORMALIZED; }

		void Normalize(T Tolerance = (T)UE_SMALL_NUMBER)
		{
			const T SquareSum = SizeSquared();
			if (SquareSum >= Tolerance)
			{
				const T Scale = FMath::InvSqrt(SquareSum);
				X *= Scale;
				Y *= Scale;
				Z *= Scale;
				W *= Scale;
			}
			else
			{
				*this = TQuat(0, 0, 0, 1);
			}
		}

		TQuat GetNormalized(T Tolerance = (T)UE_SMALL_NUMBER) const
		{
			TQuat Result(*this);
			Result.Normalize(Tolerance);
			return Result;
		}

		/** The inverse rotation (of a unit quaternion). */
		TQuat Inverse() const { return TQuat(-X, -Y, -Z, W); }

		TVector<T> RotateVector(const TVector<T>& V) const
		{
			const TVector<T> Q(X, Y, Z);
			const TVector<T> TT = (Q ^ V) * (T)2;
			return V + TT * W + (Q ^ TT);
		}

		TVector<T> UnrotateVector(const TVector<T>& V) const
		{
			const TVector<T> Q(-X, -Y, -Z);
			const TVector<T> TT = (Q ^ V) * (T)2;
			return V + TT * W + (Q ^ TT);
		}

		T GetAngle() const { return (T)2 * FMath::Acos(W); }

		TVector<T> GetRotationAxis() const
		{
			const T SquareSum = X * X + Y * Y + Z * Z;
			if (SquareSum < (T)UE_SMALL_NUMBER)
			{
				return TVector<T>(1, 0, 0);
			}
			const T Scale = FMath::InvSqrt(SquareSum);
			return TVector<T>(X * Scale, Y * Scale, Z * Scale);
		}

		void ToAxisAndAngle(TVector<T>& Axis, T& Angle) const
		{
			Angle = GetAngle();
			Axis = GetRotationAxis();
		}

		/** Angle in radians between the two rotations. */
		T AngularDistance(const TQuat& Q) const
		{
			const T InnerProd = X * Q.X + Y * Q.Y + Z * Q.Z + W * Q.W;
			return FMath::Acos(((T)2 * InnerProd * InnerProd) - (T)1);
		}

		TVector<T> GetAxisX() const { return RotateVector(TVector<T>(1, 0, 0)); }
		TVector<T> GetAxisY() const { return RotateVector(TVector<T>(0, 1, 0)); }
		TVector<T> GetAxisZ() const { return RotateVector(TVector<T>(0, 0, 1)); }
		TVector<T> GetForwardVector() const { return GetAxisX(); }
		TVector<T> GetRightVector() const { return GetAxisY(); }
		TVector<T> GetUpVector() const { return GetAxisZ(); }
		TVector<T> Vector() const { return GetAxisX(); }

		/** The rotator for this rotation; at pitch +-90 degrees all of the remaining turn goes to yaw and roll as the engine splits it. */
		TRotator<T> Rotator() const
		{
			const T SingularityTest = Z * X - W * Y;
			const T YawY = (T)2 * (W * Z + X * Y);
			const T YawX = (T)1 - (T)2 * (Y * Y + Z * Z);
			const T SingularityThreshold = (T)0.4999995;
			const T RadToDeg = (T)(180.0 / UE_DOUBLE_PI);
			TRotator<T> Result;
			if (SingularityTest < -SingularityThreshold)
			{
				Result.Pitch = (T)-90;
				Result.Yaw = FMath::Atan2(YawY, YawX) * RadToDeg;
				Result.Roll = TRotator<T>::NormalizeAxis(-Result.Yaw - ((T)2 * FMath::Atan2(X, W) * RadToDeg));
			}
			else if (SingularityTest > SingularityThreshold)
			{
				Result.Pitch = (T)90;
				Result.Yaw = FMath::Atan2(YawY, YawX) * RadToDeg;
				Result.Roll = TRotator<T>::NormalizeAxis(Result.Yaw - ((T)2 * FMath::Atan2(X, W) * RadToDeg));
			}
			else
			{
				Result.Pitch = FMath::FastAsin((T)2 * SingularityTest) * RadToDeg;
				Result.Yaw = FMath::Atan2(YawY, YawX) * RadToDeg;
				Result.Roll = FMath::Atan2((T)-2 * (W * X + Y * Z), (T)1 - (T)2 * (X * X + Y * Y)) * RadToDeg;
			}
			return Result;
		}

		/** (Roll, Pitch, Yaw) in degrees. */
		TVector<T> Euler() const { return Rotator().Euler(); }

		static TQuat MakeFromEuler(const TVector<T>& Euler) { return TRotator<T>::MakeFromEuler(Euler).Quaternion(); }
		static TQuat MakeFromRotator(const TRotator<T>& R) { return R.Quaternion(); }

		/** The shortest rotation taking unit vector A to unit vector B. */
		static TQuat FindBetweenNormals(const TVector<T>& A, const TVector<T>& B)
		{
			const T NormAB = (T)1;
			T Wv = NormAB + (A | B);
			TQuat Result;
			if (Wv >= (T)1e-6 * NormAB)
			{
				Result = TQuat(A.Y * B.Z - A.Z * B.Y, A.Z * B.X - A.X * B.Z, A.X * B.Y - A.Y * B.X, Wv);
			}
			else
			{
				// Opposite vectors: turn half way round any axis orthogonal to A.
				Result = FMath::Abs(A.X) > FMath::Abs(A.Y) ? TQuat(-A.Z, 0, A.X, 0) : TQuat(0, -A.Z, A.Y, 0);
			}
			Result.Normalize();
			return Result;
		}

		static TQuat FindBetweenVectors(const TVector<T>& A, const TVector<T>& B)
		{
			return FindBetweenNormals(A.GetSafeNormal(), B.GetSafeNormal());
		}

		static TQuat FindBetween(const TVector<T>& A, const TVector<T>& B) { return FindBetweenVectors(A, B); }

		static TQuat Slerp(const TQuat& Quat1, const TQuat& Quat2, T Slerp)
		{
			T CosOmega = Quat1 | Quat2;
			TQuat Target = Quat2;
			if (CosOmega < 0)
			{
				CosOmega = -CosOmega;
				Target = -Quat2;
			}
			T Scale0 = (T)1 - Slerp;
			T Scale1 = Slerp;
			if (CosOmega < (T)0.9999)
			{
				const T Omega = FMath::Acos(CosOmega);
				const T InvSin = (T)1 / FMath::Sin(Omega);
				Scale0 = FMath::Sin(Scale0 * Omega) * InvSin;
				Scale1 = FMath::Sin(Scale1 * Omega) * InvSin;
			}
			TQuat Result(Quat1.X * Scale0 + Target.X * Scale1, Quat1.Y * Scale0 + Target.Y * Scale1, Quat1.Z * Scale0 + Target.Z * Scale1, Quat1.W * Scale0 + Target.W * Scale1);
			Result.Normalize();
			return Result;
		}

		bool ContainsNaN() const { return !FMath::IsFinite(X) || !FMath::IsFinite(Y) || !FMath::IsFinite(Z) || !FMath::IsFinite(W); }

		FString ToString() const
		{
			return FString::Printf(TEXT("X=%.9f Y=%.9f Z=%.9f W=%.9f"), (double)X, (double)Y, (double)Z, (double)W);
		}
	};

	template <typename T> const TQuat<T> TQuat<T>::Identity(0, 0, 0, 1);

	template <typename T>
	TQuat<T>::TQuat(const TMatrix<T>& M)
	{
		// A matrix with a zero axis has no rotation to read.
		if ((FMath::Abs(M.M[0][0]) <= (T)UE_KINDA_SMALL_NUMBER && FMath::Abs(M.M[0][1]) <= (T)UE_KINDA_SMALL_NUMBER && FMath::Abs(M.M[0][2]) <= (T)UE_KINDA_SMALL_NUMBER)
			|| (FMath::Abs(M.M[1][0]) <= (T)UE_KINDA_SMALL_NUMBER && FMath::Abs(M.M[1][1]) <= (T)UE_KINDA_SMALL_NUMBER && FMath::Abs(M.M[1][2]) <= (T)UE_KINDA_SMALL_NUMBER)
			|| (FMath::Abs(M.M[2][0]) <= (T)UE_KINDA_SMALL_NUMBER && FMath::Abs(M.M[2][1]) <= (T)UE_KINDA_SMALL_NUMBER && FMath::Abs(M.M[2][2]) <= (T)UE_KINDA_SMALL_NUMBER))
		{
			*this = TQuat(0, 0, 0, 1);
			return;
		}

		// Rows are the rotated axes (row vectors), so R(i, j) of the usual column form is M[j][i].
		const T Trace = M.M[0][0] + M.M[1][1] + M.M[2][2];
		if (Trace > (T)0)
		{
			const T InvS = FMath::InvSqrt(Trace + (T)1);
			W = (T)0.5 * ((T)1 / InvS);
			const T S = (T)0.5 * InvS;
			X = (M.M[1][2] - M.M[2][1]) * S;
			Y = (M.M[2][0] - M.M[0][2]) * S;
			Z = (M.M[0][1] - M.M[1][0]) * S;
		}
		else
		{
			int32 I = 0;
			if (M.M[1][1] > M.M[0][0])
			{
				I = 1;
			}
			if (M.M[2][2] > M.M[I][I])
			{
				I = 2;
			}
			static const int32 Next[3] = {1, 2, 0};
			const int32 J = Next[I];
			const int32 K = Next[J];

			T S = M.M[I][I] - M.M[J][J] - M.M[K][K] + (T)1;
			const T InvS = FMath::InvSqrt(S);

			T Qt[4];
			Qt[I] = (T)0.5 * ((T)1 / InvS);
			S = (T)0.5 * InvS;
			Qt[3] = (M.M[J][K] - M.M[K][J]) * S;
			Qt[J] = (M.M[I][J] + M.M[J][I]) * S;
			Qt[K] = (M.M[I][K] + M.M[K][I]) * S;

			X = Qt[0];
			Y = Qt[1];
			Z = Qt[2];
			W = Qt[3];
		}
	}

	template <typename T, typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
	inline TQuat<T> operator*(FArg Scale, const TQuat<T>& Q)
	{
		return Q * Scale;
	}

	template <typename T>
	inline uint32 GetTypeHash(const TQuat<T>& Quat)
	{
		return HashCombine(HashCombine(::GetTypeHash(Quat.X), ::GetTypeHash(Quat.Y)), HashCombine(::GetTypeHash(Quat.Z), ::GetTypeHash(Quat.W)));
	}
}

#include "Math/Rotator.h"
#include "Math/Matrix.h"
