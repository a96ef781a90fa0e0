// TTransform: rotation, translation and 3D scale (FTransform). A point transforms as
// Rotation(Scale3D * P) + Translation. A * B applies A first, then B.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CoreMiscDefines.h"
#include "Containers/UnrealString.h"
#include "Math/MathFwd.h"
#include "Math/Axis.h"
#include "Math/UnrealMathUtility.h"
#include "Math/Vector.h"
#include "Math/Rotator.h"
#include "Math/Quat.h"
#include "Math/Matrix.h"

namespace UE::Math
{
	template <typename T>
	struct TTransform
	{
		using FReal = T;

		static const TTransform Identity;

		TTransform()
			: Rotation(0, 0, 0, 1)
			, Translation(0, 0, 0)
			, Scale3D(1, 1, 1)
		{
		}

		explicit TTransform(const TVector<T>& InTranslation)
			: Rotation(0, 0, 0, 1)
			, Translation(InTranslation)
			, Scale3D(1, 1, 1)
		{
		}

		explicit TTransform(const TQuat<T>& InRotation)
			: Rotation(InRotation)
			, Translation(0, 0, 0)
			, Scale3D(1, 1, 1)
		{
		}

		explicit TTransform(const TRotator<T>& InRotation)
			: Rotation(InRotation.Quaternion())
			, Translation(0, 0, 0)
			, Scale3D(1, 1, 1)
		{
		}

		TTransform(const TQuat<T>& InRotation, const TVector<T>& InTranslation, const TVector<T>& InScale3D = TVector<T>(1, 1, 1))
			: Rotation(InRotation)
			, Translation(InTranslation)
			, Scale3D(InScale3D)
		{
		}

		TTransform(const TRotator<T>& InRotation, const TVector<T>& InTranslation, const TVector<T>& InScale3D = TVector<T>(1, 1, 1))
			: Rotation(InRotation.Quaternion())
			, Translation(InTranslation)
			, Scale3D(InScale3D)
		{
		}

		explicit TTransform(const TMatrix<T>& InMatrix)
		{
			SetFromMatrix(InMatrix);
		}

		/** From the axes (rows of a matrix) and the origin. */
		TTransform(const TVector<T>& InX, const TVector<T>& InY, const TVector<T>& InZ, const TVector<T>& InTranslation)
		{
			SetFromMatrix(TMatrix<T>(InX, InY, InZ, InTranslation));
		}

		template <typename FArg, typename = std::enable_if_t<!std::is_same_v<T, FArg>>>
		explicit TTransform(const TTransform<FArg>& From)
			: Rotation(TQuat<T>(From.GetRotation()))
			, Translation(TVector<T>(From.GetTranslation()))
			, Scale3D(TVector<T>(From.GetScale3D()))
		{
		}

		// Accessors

		TVector<T> GetLocation() const { return Translation; }
		void SetLocation(const TVector<T>& Origin) { Translation = Origin; }
		const TVector<T>& GetTranslation() const { return Translation; }
		void SetTranslation(const TVector<T>& NewTranslation) { Translation = NewTranslation; }
		void AddToTranslation(const TVector<T>& Delta) { Translation += Delta; }
		const TQuat<T>& GetRotation() const { return Rotation; }
		void SetRotation(const TQuat<T>& NewRotation) { Rotation = NewRotation; }
		TRotator<T> Rotator() const { return Rotation.Rotator(); }
		const TVector<T>& GetScale3D() const { return Scale3D; }
		void SetScale3D(const TVector<T>& NewScale3D) { Scale3D = NewScale3D; }
		void SetComponents(const TQuat<T>& InRotation, const TVector<T>& InTranslation, const TVector<T>& InScale3D)
		{
			Rotation = InRotation;
			Translation = InTranslation;
			Scale3D = InScale3D;
		}
		void SetIdentity()
		{
			Rotation = TQuat<T>(0, 0, 0, 1);
			Translation = TVector<T>(0, 0, 0);
			Scale3D = TVector<T>(1, 1, 1);
		}
		T GetMaximumAxisScale() const { return Scale3D.GetAbsMax(); }
		T GetMinimumAxisScale() const { return Scale3D.GetAbsMin(); }
		TVector<T> GetScaledAxis(EAxis::Type InAxis) const { return TransformVector(UnitAxis(InAxis)); }
		TVector<T> GetUnitAxis(EAxis::Type InAxis) const { return TransformVectorNoScale(UnitAxis(InAxis)); }
		bool IsRotationNormalized() const { return Rotation.IsNormalized(); }
		void NormalizeRotation() { Rotation.Normalize(); }

		// Transforming

		TVector<T> TransformPosition(const TVector<T>& V) const { return Rotation.RotateVector(Scale3D * V) + Translation; }
		TVector<T> TransformPositionNoScale(const TVector<T>& V) const { return Rotation.RotateVector(V) + Translation; }
		TVector<T> TransformVector(const TVector<T>& V) const { return Rotation.RotateVector(Scale3D * V); }
		TVector<T> TransformVectorNoScale(const TVector<T>& V) const { return Rotation.RotateVector(V); }
		TQuat<T> TransformRotation(const TQuat<T>& Q) const { return Rotation * Q; }

		TVector<T> InverseTransformPosition(const TVector<T>& V) const
		{
			return Rotation.UnrotateVector(V - Translation) * GetSafeScaleReciprocal(Scale3D);
		}

		TVector<T> InverseTransformPositionNoScale(const TVector<T>& V) const { return Rotation.UnrotateVector(V - Translation); }

		TVector<T> InverseTransformVector(const TVector<T>& V) const
		{
			return Rotation.UnrotateVector(V) * GetSafeScaleReciprocal(Scale3D);
		}

		TVector<T> InverseTransformVectorNoScale(const TVector<T>& V) const { return Rotation.UnrotateVector(V); }
		TQuat<T> InverseTransformRotation(const TQuat<T>& Q) const { return Rotation.Inverse() * Q; }

		// Matrices

		TMatrix<T> ToMatrixWithScale() const
		{
			TMatrix<T> Result = ToMatrixNoScale();
			for (int32 Axis = 0; Axis < 3; ++Axis)
			{
				for (int32 Col = 0; Col < 3; ++Col)
				{
					Result.M[Axis][Col] *= Scale3D[Axis];
				}
			}
			return Result;
		}

		TMatrix<T> ToMatrixNoScale() const
		{
			const T X2 = Rotation.X + Rotation.X;
			const T Y2 = Rotation.Y + Rotation.Y;
			const T Z2 = Rotation.Z + Rotation.Z;
			const T XX = Rotation.X * X2;
			const T XY = Rotation.X * Y2;
			const T XZ = Rotation.X * Z2;
			const T YY = Rotation.Y * Y2;
			const T YZ = Rotation.Y * Z2;
			const T ZZ = Rotation.Z * Z2;
			const T WX = Rotation.W * X2;
			const T WY = Rotation.W * Y2;
			const T WZ = Rotation.W * Z2;
			return TMatrix<T>(
				TVector<T>((T)1 - (YY + ZZ), XY + WZ, XZ - WY),
				TVector<T>(XY - WZ, (T)1 - (XX + ZZ), YZ + WX),
				TVector<T>(XZ + WY, YZ - WX, (T)1 - (XX + YY)),
				Translation);
		}

		/** Splits a matrix into rotation, translation and scale; a mirroring matrix gets a negative X scale. */
		void SetFromMatrix(const TMatrix<T>& InMatrix)
		{
			TMatrix<T> M = InMatrix;
			Scale3D = M.ExtractScaling();
			if (InMatrix.Determinant() < 0)
			{
				Scale3D.X *= (T)-1;
				M.SetAxis(0, -M.GetScaledAxis(EAxis::X));
			}
			Rotation = TQuat<T>(M);
			Rotation.Normalize();
			Translation = InMatrix.GetOrigin();
		}

		// Combining

		/** Applies A, then B. With a negative scale on either side the product goes through matrices. */
		static void Multiply(TTransform* OutTransform, const TTransform* A, const TTransform* B)
		{
			if (AnyHasNegativeScale(A->Scale3D, B->Scale3D))
			{
				ConstructTransformFromMatrixWithDesiredScale(A->ToMatrixWithScale(), B->ToMatrixWithScale(), A->Scale3D * B->Scale3D, *OutTransform);
			}
			else
			{
				const TQuat<T> NewRotation = B->Rotation * A->Rotation;
				const TVector<T> NewScale = A->Scale3D * B->Scale3D;
				const TVector<T> NewTranslation = B->Rotation.RotateVector(B->Scale3D * A->Translation) + B->Translation;
				OutTransform->Rotation = NewRotation;
				OutTransform->Scale3D = NewScale;
				OutTransform->Translation = NewTranslation;
			}
		}

		TTransform operator*(const TTransform& Other) const
		{
			TTransform Output;
			Multiply(&Output, this, &Other);
			return Output;
		}

		TTransform& operator*=(const TTransform& Other)
		{
			Multiply(this, this, &Other);
			return *this;
		}

		/** Applies this, then the rotation Other. */
		TTransform operator*(const TQuat<T>& Other) const
		{
			TTransform Output;
			const TTransform OtherTransform(Other, TVector<T>(0, 0, 0), TVector<T>(1, 1, 1));
			Multiply(&Output, this, &OtherTransform);
			return Output;
		}

		TTransform Inverse() const
		{
			const TQuat<T> InvRotation = Rotation.Inverse();
			const TVector<T> InvScale3D = GetSafeScaleReciprocal(Scale3D);
			const TVector<T> InvTranslation = InvRotation.RotateVector(InvScale3D * -Translation);
			return TTransform(InvRotation, InvTranslation, InvScale3D);
		}

		/** This transform expressed relative to Other: this * Other.Inverse(). */
		TTransform GetRelativeTransform(const TTransform& Other) const
		{
			TTransform Result;
			if (AnyHasNegativeScale(Scale3D, Other.Scale3D))
			{
				const TVector<T> SafeRecipScale3D = GetSafeScaleReciprocal(Other.Scale3D, (T)UE_SMALL_NUMBER);
				const TVector<T> DesiredScale3D = Scale3D * SafeRecipScale3D;
				ConstructTransformFromMatrixWithDesiredScale(ToMatrixWithScale(), Other.ToMatrixWithScale().Inverse(), DesiredScale3D, Result);
			}
			else
			{
				const TVector<T> SafeRecipScale3D = GetSafeScaleReciprocal(Other.Scale3D, (T)UE_SMALL_NUMBER);
				Result.Scale3D = Scale3D * SafeRecipScale3D;
				if (!Other.Rotation.IsNormalized())
				{
					return TTransform();
				}
				const TQuat<T> InverseRotation = Other.Rotation.Inverse();
				Result.Rotation = InverseRotation * Rotation;
				Result.Translation = InverseRotation.RotateVector(Translation - Other.Translation) * SafeRecipScale3D;
			}
			return Result;
		}

		TTransform GetRelativeTransformReverse(const TTransform& Other) const
		{
			return Other.GetRelativeTransform(*this);
		}

		// Comparing

		bool RotationEquals(const TTransform& Other, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const { return Rotation.Equals(Other.Rotation, Tolerance); }
		bool TranslationEquals(const TTransform& Other, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const { return Translation.Equals(Other.Translation, Tolerance); }
		bool Scale3DEquals(const TTransform& Other, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const { return Scale3D.Equals(Other.Scale3D, Tolerance); }

		bool Equals(const TTransform& Other, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return RotationEquals(Other, Tolerance) && TranslationEquals(Other, Tolerance) && Scale3DEquals(Other, Tolerance);
		}

		bool EqualsNoScale(const TTransform& Other, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return RotationEquals(Other, Tolerance) && TranslationEquals(Other, Tolerance);
		}

		static bool AreRotationsEqual(const TTransform& A, const TTransform& B, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) { return A.RotationEquals(B, Tolerance); }
		static bool AreTranslationsEqual(const TTransform& A, const TTransform& B, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) { return A.TranslationEquals(B, Tolerance); }
		static bool AreScale3DsEqual(const TTransform& A, const TTransform& B, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) { return A.Scale3DEquals(B, Tolerance); }

		bool ContainsNaN() const { return Rotation.ContainsNaN() || Translation.ContainsNaN() || Scale3D.ContainsNaN(); }
		bool IsValid() const { return !ContainsNaN() && Rotation.IsNormalized(); }

		/** "Tx,Ty,Tz|Pitch,Yaw,Roll|Sx,Sy,Sz" */
		FString ToString() const
		{
			const TRotator<T> R(Rotator());
			return FString::Printf(TEXT("%f,%f,%f|%f,%f,%f|%f,%f,%f"),
				(double)Translation.X, (double)Translation.Y, (double)Translation.Z,
				(double)R.Pitch, (double)R.Yaw, (double)R.Roll,
				(double)Scale3D.X, (double)Scale3D.Y, (double)Scale3D.Z);
		}

		FString ToHumanReadableString() const
		{
			const TRotator<T> R(Rotator());
			return FString::Printf(TEXT("Rotation: Pitch %f Yaw %f Roll %f\r\nTranslation: %f %f %f\r\nScale3D: %f %f %f\r\n"),
				(double)R.Pitch, (double)R.Yaw, (double)R.Roll,
				(double)Translation.X, (double)Translation.Y, (double)Translation.Z,
				(double)Scale3D.X, (double)Scale3D.Y, (double)Scale3D.Z);
		}

		static TVector<T> GetSafeScaleReciprocal(const TVector<T>& InScale, T Tolerance = (T)UE_SMALL_NUMBER)
		{
			return TVector<T>(
				FMath::Abs(InScale.X) <= Tolerance ? (T)0 : (T)1 / InScale.X,
				FMath::Abs(InScale.Y) <= Tolerance ? (T)0 : (T)1 / InScale.Y,
				FMath::Abs(InScale.Z) <= Tolerance ? (T)0 : (T)1 / InScale.Z);
		}

		static bool AnyHasNegativeScale(const TVector<T>& InScale3D, const TVector<T>& InOtherScale3D)
		{
			return InScale3D.X < 0 || InScale3D.Y < 0 || InScale3D.Z < 0
				|| InOtherScale3D.X < 0 || InOtherScale3D.Y < 0 || InOtherScale3D.Z < 0;
		}

	private:
		static TVector<T> UnitAxis(EAxis::Type InAxis)
		{
			switch (InAxis)
			{
			case EAxis::X: return TVector<T>(1, 0, 0);
			case EAxis::Y: return TVector<T>(0, 1, 0);
			case EAxis::Z: return TVector<T>(0, 0, 1);
			default: return TVector<T>(0, 0, 0);
			}
		}

		/** A * B through matrices: the rotation from the normalized product with the axes flipped by the sign of DesiredScale, the translation from the product's origin. */
		static void ConstructTransformFromMatrixWithDesiredScale(const TMatrix<T>& AMatrix, const TMatrix<T>& BMatrix, const TVector<T>& DesiredScale, TTransform& OutTransform)
		{
			TMatrix<T> M = AMatrix * BMatrix;
			M.RemoveScaling();

			const TVector<T> SignedScale = DesiredScale.GetSignVector();
			M.SetAxis(0, M.GetScaledAxis(EAxis::X) * SignedScale.X);
			M.SetAxis(1, M.GetScaledAxis(EAxis::Y) * SignedScale.Y);
			M.SetAxis(2, M.GetScaledAxis(EAxis::Z) * SignedScale.Z);

			TQuat<T> NewRotation(M);
			NewRotation.Normalize();

			OutTransform.Scale3D = DesiredScale;
			OutTransform.Rotation = NewRotation;
			OutTransform.Translation = M.GetOrigin();
		}

		TQuat<T> Rotation;
		TVector<T> Translation;
		TVector<T> Scale3D;

		template <typename>
		friend struct TTransform;
	};

	template <typename T>
	const TTransform<T> TTransform<T>::Identity(TQuat<T>(0, 0, 0, 1), TVector<T>(0, 0, 0), TVector<T>(1, 1, 1));
}
