// TMatrix: a 4x4 matrix in the engine's row-vector convention (FMatrix): a point transforms as V * M,
// rows 0-2 are the transformed axes and row 3 the translation; A * B applies A first, then B.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CoreMiscDefines.h"
#include "Containers/UnrealString.h"
#include "Math/MathFwd.h"
#include "Math/Axis.h"
#include "Math/UnrealMathUtility.h"
#include "Math/Vector.h"

namespace UE::Math
{
	template <typename T>
	struct TMatrix
	{
		using FReal = T;

		alignas(16) T M[4][4];

		static const TMatrix Identity;

		TMatrix() = default;

		explicit TMatrix(EForceInit)
		{
			SetIdentityValues(0);
		}

		/** Rows X, Y, Z (the axes) and W (the origin). */
		TMatrix(const TVector<T>& InX, const TVector<T>& InY, const TVector<T>& InZ, const TVector<T>& InW)
		{
			M[0][0] = InX.X; M[0][1] = InX.Y; M[0][2] = InX.Z; M[0][3] = 0;
			M[1][0] = InY.X; M[1][1] = InY.Y; M[1][2] = InY.Z; M[1][3] = 0;
			M[2][0] = InZ.X; M[2][1] = InZ.Y; M[2][2] = InZ.Z; M[2][3] = 0;
			M[3][0] = InW.X; M[3][1] = InW.Y; M[3][2] = InW.Z; M[3][3] = 1;
		}

		TMatrix(const TVector4<T>& InX, const TVector4<T>& InY, const TVector4<T>& InZ, const TVector4<T>& InW)
		{
			const TVector4<T>* Rows[4] = {&InX, &InY, &InZ, &InW};
			for (int32 Row = 0; Row < 4; ++Row)
			{
				M[Row][0] = Rows[Row]->X;
				M[Row][1] = Rows[Row]->Y;
				M[Row][2] = Rows[Row]->Z;
				M[Row][3] = Rows[Row]->W;
			}
		}

		template <typename FArg, typename = std::enable_if_t<!std::is_same_v<T, FArg>>>
		explicit TMatrix(const TMatrix<FArg>& From)
		{
			for (int32 Row = 0; Row < 4; ++Row)
			{
				for (int32 Col = 0; Col < 4; ++Col)
				{
					M[Row][Col] = (T)From.M[Row][Col];
				}
			}
		}

		void SetIdentity()
		{
			SetIdentityValues(1);
		}

		TMatrix operator*(const TMatrix& Other) const
		{
			TMatrix Result;
			for (int32 Row = 0; Row < 4; ++Row)
			{
				for (int32 Col = 0; Col < 4; ++Col)
				{
					Result.M[Row][Col] = M[Row][0] * Other.M[0][Col] + M[Row][1] * Other.M[1][Col] + M[Row][2] * Other.M[2][Col] + M[Row][3] * Other.M[3][Col];
				}
			}
			return Result;
		}

		TMatrix& operator*=(const TMatrix& Other)
		{
			*this = *this * Other;
			return *this;
		}

		TMatrix operator+(const TMatrix& Other) const
		{
			TMatrix Result;
			for (int32 Row = 0; Row < 4; ++Row)
			{
				for (int32 Col = 0; Col < 4; ++Col)
				{
					Result.M[Row][Col] = M[Row][Col] + Other.M[Row][Col];
				}
			}
			return Result;
		}

		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TMatrix operator*(FArg Other) const
		{
			TMatrix Result;
			for (int32 Row = 0; Row < 4; ++Row)
			{
				for (int32 Col = 0; Col < 4; ++Col)
				{
					Result.M[Row][Col] = M[Row][Col] * (T)Other;
				}
			}
			return Result;
		}

		bool operator==(const TMatrix& Other) const
		{
			for (int32 Row = 0; Row < 4; ++Row)
			{
				for (int32 Col = 0; Col < 4; ++Col)
				{
					if (M[Row][Col] != Other.M[Row][Col])
					{
						return false;
					}
				}
			}
			return true;
		}

		bool operator!=(const TMatrix& Other) const { return !(*this == Other); }

		bool Equals(const TMatrix& Other, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			for (int32 Row = 0; Row < 4; ++Row)
			{
				for (int32 Col = 0; Col < 4; ++Col)
				{
					if (FMath::Abs(M[Row][Col] - Other.M[Row][Col]) > Tolerance)
					{
						return false;
					}
				}
			}
			return true;
		}

		TVector4<T> TransformFVector4(const TVector4<T>& P) const
		{
			return TVector4<T>(
				P.X * M[0][0] + P.Y * M[1][0] + P.Z * M[2][0] + P.W * M[3][0],
				P.X * M[0][1] + P.Y * M[1][1] + P.Z * M[2][1] + P.W * M[3][1],
				P.X * M[0][2] + P.Y * M[1][2] + P.Z * M[2][2] + P.W * M[3][2],
				P.X * M[0][3] + P.Y * M[1][3] + P.Z * M[2][3] + P.W * M[3][3]);
		}

		/** A point: rotated, scaled and translated. */
		TVector4<T> TransformPosition(const TVector<T>& V) const
		{
			return TransformFVector4(TVector4<T>(V.X, V.Y, V.Z, (T)1));
		}

		/** A direction: rotated and scaled, not translated. */
		TVector4<T> TransformVector(const TVector<T>& V) const
		{
			return TransformFVector4(TVector4<T>(V.X, V.Y, V.Z, (T)0));
		}

		TVector<T> InverseTransformPosition(const TVector<T>& V) const
		{
			return TVector<T>(InverseFast().TransformPosition(V));
		}

		TVector<T> InverseTransformVector(const TVector<T>& V) const
		{
			return TVector<T>(InverseFast().TransformVector(V));
		}

		TMatrix GetTransposed() const
		{
			TMatrix Result;
			for (int32 Row = 0; Row < 4; ++Row)
			{
				for (int32 Col = 0; Col < 4; ++Col)
				{
					Result.M[Row][Col] = M[Col][Row];
				}
			}
			return Result;
		}

		T Determinant() const
		{
			return M[0][0] * (
					M[1][1] * (M[2][2] * M[3][3] - M[2][3] * M[3][2]) -
					M[2][1] * (M[1][2] * M[3][3] - M[1][3] * M[3][2]) +
					M[3][1] * (M[1][2] * M[2][3] - M[1][3] * M[2][2]))
				- M[1][0] * (
					M[0][1] * (M[2][2] * M[3][3] - M[2][3] * M[3][2]) -
					M[2][1] * (M[0][2] * M[3][3] - M[0][3] * M[3][2]) +
					M[3][1] * (M[0][2] * M[2][3] - M[0][3] * M[2][2]))
				+ M[2][0] * (
					M[0][1] * (M[1][2] * M[3][3] - M[1][3] * M[3][2]) -
					M[1][1] * (M[0][2] * M[3][3] - M[0][3] * M[3][2]) +
					M[3][1] * (M[0][2] * M[1][3] - M[0][3] * M[1][2]))
				- M[3][0] * (
					M[0][1] * (M[1][2] * M[2][3] - M[1][3] * M[2][2]) -
					M[1][1] * (M[0][2] * M[2][3] - M[0][3] * M[2][2]) +
					M[2][1] * (M[0][2] * M[1][3] - M[0][3] * M[1][2]));
		}

		/** Determinant of the upper 3x3 (the rotation and scale part). */
		T RotDeterminant() const
		{
			return M[0][0] * (M[1][1] * M[2][2] - M[1][2] * M[2][1])
				- M[1][0] * (M[0][1] * M[2][2] - M[0][2] * M[2][1])
				+ M[2][0] * (M[0][1] * M[1][2] - M[0][2] * M[1][1]);
		}

		/** The inverse; a singular matrix has none and gives the identity. */
		TMatrix Inverse() const
		{
			TMatrix Result;
			if (!InvertInto(Result))
			{
				return TMatrix::Identity;
			}
			return Result;
		}

		TMatrix InverseFast() const
		{
			return Inverse();
		}

		TVector<T> GetScaledAxis(EAxis::Type Axis) const
		{
			switch (Axis)
			{
			case EAxis::X: return TVector<T>(M[0][0], M[0][1], M[0][2]);
			case EAxis::Y: return TVector<T>(M[1][0], M[1][1], M[1][2]);
			case EAxis::Z: return TVector<T>(M[2][0], M[2][1], M[2][2]);
			default: return TVector<T>(0, 0, 0);
			}
		}

		void GetScaledAxes(TVector<T>& X, TVector<T>& Y, TVector<T>& Z) const
		{
			X = GetScaledAxis(EAxis::X);
			Y = GetScaledAxis(EAxis::Y);
			Z = GetScaledAxis(EAxis::Z);
		}

		TVector<T> GetUnitAxis(EAxis::Type Axis) const
		{
			return GetScaledAxis(Axis).GetSafeNormal();
		}

		void GetUnitAxes(TVector<T>& X, TVector<T>& Y, TVector<T>& Z) const
		{
			X = GetUnitAxis(EAxis::X);
			Y = GetUnitAxis(EAxis::Y);
			Z = GetUnitAxis(EAxis::Z);
		}

		/** Sets row i (0-2: an axis, 3: the origin). */
		void SetAxis(int32 i, const TVector<T>& Axis)
		{
			check(i >= 0 && i <= 3);
			M[i][0] = Axis.X;
			M[i][1] = Axis.Y;
			M[i][2] = Axis.Z;
		}

		void SetAxes(const TVector<T>* Axis0, const TVector<T>* Axis1 = nullptr, const TVector<T>* Axis2 = nullptr, const TVector<T>* Origin = nullptr)
		{
			if (Axis0) SetAxis(0, *Axis0);
			if (Axis1) SetAxis(1, *Axis1);
			if (Axis2) SetAxis(2, *Axis2);
			if (Origin) SetAxis(3, *Origin);
		}

		TVector<T> GetColumn(int32 i) const
		{
			check(i >= 0 && i <= 3);
			return TVector<T>(M[0][i], M[1][i], M[2][i]);
		}

		void SetColumn(int32 i, const TVector<T>& Value)
		{
			check(i >= 0 && i <= 3);
			M[0][i] = Value.X;
			M[1][i] = Value.Y;
			M[2][i] = Value.Z;
		}

		TVector<T> GetOrigin() const { return TVector<T>(M[3][0], M[3][1], M[3][2]); }

		void SetOrigin(const TVector<T>& NewOrigin)
		{
			M[3][0] = NewOrigin.X;
			M[3][1] = NewOrigin.Y;
			M[3][2] = NewOrigin.Z;
		}

		TMatrix ConcatTranslation(const TVector<T>& Translation) const
		{
			TMatrix Result(*this);
			Result.M[3][0] += Translation.X;
			Result.M[3][1] += Translation.Y;
			Result.M[3][2] += Translation.Z;
			return Result;
		}

		TMatrix RemoveTranslation() const
		{
			TMatrix Result(*this);
			Result.M[3][0] = 0;
			Result.M[3][1] = 0;
			Result.M[3][2] = 0;
			return Result;
		}

		/** The length of each axis; axes shorter than the tolerance count as 0. */
		TVector<T> GetScaleVector(T Tolerance = (T)UE_SMALL_NUMBER) const
		{
			TVector<T> Scale3D(1, 1, 1);
			for (int32 i = 0; i < 3; ++i)
			{
				const T SquareSum = M[i][0] * M[i][0] + M[i][1] * M[i][1] + M[i][2] * M[i][2];
				Scale3D[i] = SquareSum > Tolerance ? FMath::Sqrt(SquareSum) : (T)0;
			}
			return Scale3D;
		}

		/** Makes each axis unit length (axes shorter than the tolerance are left as they are). */
		void RemoveScaling(T Tolerance = (T)UE_SMALL_NUMBER)
		{
			for (int32 i = 0; i < 3; ++i)
			{
				const T SquareSum = M[i][0] * M[i][0] + M[i][1] * M[i][1] + M[i][2] * M[i][2];
				const T Scale = SquareSum > Tolerance ? FMath::InvSqrt(SquareSum) : (T)1;
				M[i][0] *= Scale;
				M[i][1] *= Scale;
				M[i][2] *= Scale;
			}
		}

		TMatrix GetMatrixWithoutScale(T Tolerance = (T)UE_SMALL_NUMBER) const
		{
			TMatrix Result(*this);
			Result.RemoveScaling(Tolerance);
			return Result;
		}

		/** Removes the scaling and returns it. */
		TVector<T> ExtractScaling(T Tolerance = (T)UE_SMALL_NUMBER)
		{
			TVector<T> Scale3D(0, 0, 0);
			for (int32 i = 0; i < 3; ++i)
			{
				const T SquareSum = M[i][0] * M[i][0] + M[i][1] * M[i][1] + M[i][2] * M[i][2];
				if (SquareSum > Tolerance)
				{
					const T Scale = FMath::Sqrt(SquareSum);
					Scale3D[i] = Scale;
					const T InvScale = (T)1 / Scale;
					M[i][0] *= InvScale;
					M[i][1] *= InvScale;
					M[i][2] *= InvScale;
				}
			}
			return Scale3D;
		}

		TMatrix ApplyScale(T Scale) const;

		/** The rotation of the axes (scale ignored). */
		TRotator<T> Rotator() const;

		TQuat<T> ToQuat() const
		{
			return TQuat<T>(*this);
		}

		bool ContainsNaN() const
		{
			for (int32 Row = 0; Row < 4; ++Row)
			{
				for (int32 Col = 0; Col < 4; ++Col)
				{
					if (!FMath::IsFinite(M[Row][Col]))
					{
						return true;
					}
				}
			}
			return false;
		}

		FString ToString() const
		{
			FString Output;
			for (int32 Row = 0; Row < 4; ++Row)
			{
				Output += FString::Printf(TEXT("[%g %g %g %g] "), (double)M[Row][0], (double)M[Row][1], (double)M[Row][2], (double)M[Row][3]);
			}
			return Output;
		}

	private:
		void SetIdentityValues(T Diagonal)
		{
			for (int32 Row = 0; Row < 4; ++Row)
			{
				for (int32 Col = 0; Col < 4; ++Col)
				{
					M[Row][Col] = (Row == Col) ? Diagonal : (T)0;
				}
			}
		}

		bool InvertInto(TMatrix& Out) const
		{
			// Gauss-Jordan elimination with partial pivoting, in double precision.
			double A[4][8];
			for (int32 Row = 0; Row < 4; ++Row)
			{
				for (int32 Col = 0; Col < 4; ++Col)
				{
					A[Row][Col] = (double)M[Row][Col];
					A[Row][Col + 4] = (Row == Col) ? 1.0 : 0.0;
				}
			}
			for (int32 Col = 0; Col < 4; ++Col)
			{
				int32 Pivot = Col;
				for (int32 Row = Col + 1; Row < 4; ++Row)
				{
					if (FMath::Abs(A[Row][Col]) > FMath::Abs(A[Pivot][Col]))
					{
						Pivot = Row;
					}
				}
				if (A[Pivot][Col] == 0.0)
				{
					return false;
				}
				if (Pivot != Col)
				{
					for (int32 k = 0; k < 8; ++k)
					{
						const double Tmp = A[Col][k];
						A[Col][k] = A[Pivot][k];
						A[Pivot][k] = Tmp;
					}
				}
				const double InvPivot = 1.0 / A[Col][Col];
				for (int32 k = 0; k < 8; ++k)
				{
					A[Col][k] *= InvPivot;
				}
				for (int32 Row = 0; Row < 4; ++Row)
				{
					if (Row != Col && A[Row][Col] != 0.0)
					{
						const double Factor = A[Row][Col];
						for (int32 k = 0; k < 8; ++k)
						{
							A[Row][k] -= Factor * A[Col][k];
						}
					}
				}
			}
			for (int32 Row = 0; Row < 4; ++Row)
			{
				for (int32 Col = 0; Col < 4; ++Col)
				{
					Out.M[Row][Col] = (T)A[Row][Col + 4];
				}
			}
			return true;
		}
	};

	template <typename T>
	const TMatrix<T> TMatrix<T>::Identity(TVector<T>(1, 0, 0), TVector<T>(0, 1, 0), TVector<T>(0, 0, 1), TVector<T>(0, 0, 0));

	template <typename T>
	TMatrix<T> TMatrix<T>::ApplyScale(T Scale) const
	{
		TMatrix ScaleMatrix(TVector<T>(Scale, 0, 0), TVector<T>(0, Scale, 0), TVector<T>(0, 0, Scale), TVector<T>(0, 0, 0));
		return ScaleMatrix * (*this);
	}

	template <typename T>
	TRotator<T> TMatrix<T>::Rotator() const
	{
		const TVector<T> XAxis = GetScaledAxis(EAxis::X);
		const TVector<T> YAxis = GetScaledAxis(EAxis::Y);
		const TVector<T> ZAxis = GetScaledAxis(EAxis::Z);
		const T RadToDeg = (T)(180.0 / UE_DOUBLE_PI);

		TRotator<T> Result(
			FMath::Atan2(XAxis.Z, FMath::Sqrt(XAxis.X * XAxis.X + XAxis.Y * XAxis.Y)) * RadToDeg,
			FMath::Atan2(XAxis.Y, XAxis.X) * RadToDeg,
			(T)0);

		// Roll is what turns the pitched and yawed Y axis onto this one.
		const TVector<T> SYAxis = TRotator<T>(Result.Pitch, Result.Yaw, 0).Quaternion().GetAxisY();
		Result.Roll = FMath::Atan2(ZAxis | SYAxis, YAxis | SYAxis) * RadToDeg;
		return Result;
	}
}

#include "Math/Vector4.h"
#include "Math/Rotator.h"
#include "Math/Quat.h"
