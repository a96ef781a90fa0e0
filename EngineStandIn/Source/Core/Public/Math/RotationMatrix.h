// TRotationMatrix: a pure rotation (FRotationMatrix), and the MakeFrom helpers that build an
// orthonormal frame from one or two axes.
#pragma once

#include "Math/Matrix.h"
#include "Math/RotationTranslationMatrix.h"
#include "Math/QuatRotationTranslationMatrix.h"

namespace UE::Math
{
	template <typename T>
	struct TRotationMatrix : public TRotationTranslationMatrix<T>
	{
		explicit TRotationMatrix(const TRotator<T>& Rot)
			: TRotationTranslationMatrix<T>(Rot, TVector<T>(0, 0, 0))
		{
		}

		static TMatrix<T> Make(const TRotator<T>& Rot)
		{
			return TRotationMatrix(Rot);
		}

		static TMatrix<T> Make(const TQuat<T>& Rot)
		{
			return TQuatRotationTranslationMatrix<T>(Rot, TVector<T>(0, 0, 0));
		}

		/** A frame whose X is XAxis; Y and Z are chosen to keep Z as close to world up as possible. */
		static TMatrix<T> MakeFromX(const TVector<T>& XAxis)
		{
			const TVector<T> NewX = XAxis.GetSafeNormal();
			const TVector<T> UpVector = (FMath::Abs(NewX.Z) < (T)(1.0 - UE_KINDA_SMALL_NUMBER)) ? TVector<T>(0, 0, 1) : TVector<T>(1, 0, 0);
			const TVector<T> NewY = (UpVector ^ NewX).GetSafeNormal();
			const TVector<T> NewZ = NewX ^ NewY;
			return TMatrix<T>(NewX, NewY, NewZ, TVector<T>(0, 0, 0));
		}

		static TMatrix<T> MakeFromY(const TVector<T>& YAxis)
		{
			const TVector<T> NewY = YAxis.GetSafeNormal();
			const TVector<T> UpVector = (FMath::Abs(NewY.Z) < (T)(1.0 - UE_KINDA_SMALL_NUMBER)) ? TVector<T>(0, 0, 1) : TVector<T>(1, 0, 0);
			const TVector<T> NewX = (NewY ^ UpVector).GetSafeNormal();
			const TVector<T> NewZ = NewX ^ NewY;
			return TMatrix<T>(NewX, NewY, NewZ, TVector<T>(0, 0, 0));
		}

		static TMatrix<T> MakeFromZ(const TVector<T>& ZAxis)
		{
			const TVector<T> NewZ = ZAxis.GetSafeNormal();
			const TVector<T> Reference = (FMath::Abs(NewZ.X) < (T)(1.0 - UE_KINDA_SMALL_NUMBER)) ? TVector<T>(1, 0, 0) : TVector<T>(0, 1, 0);
			const TVector<T> NewY = (NewZ ^ Reference).GetSafeNormal();
			const TVector<T> NewX = NewY ^ NewZ;
			return TMatrix<T>(NewX, NewY, NewZ, TVector<T>(0, 0, 0));
		}

		/** X is exactly XAxis; Y lies in the plane of XAxis and YAxis. */
		static TMatrix<T> MakeFromXY(const TVector<T>& XAxis, const TVector<T>& YAxis)
		{
			const TVector<T> NewX = XAxis.GetSafeNormal();
			const TVector<T> Norm = SecondAxis(NewX, YAxis.GetSafeNormal());
			const TVector<T> NewZ = (NewX ^ Norm).GetSafeNormal();
			const TVector<T> NewY = NewZ ^ NewX;
			return TMatrix<T>(NewX, NewY, NewZ, TVector<T>(0, 0, 0));
		}

		static TMatrix<T> MakeFromXZ(const TVector<T>& XAxis, const TVector<T>& ZAxis)
		{
			const TVector<T> NewX = XAxis.GetSafeNormal();
			const TVector<T> Norm = SecondAxis(NewX, ZAxis.GetSafeNormal());
			const TVector<T> NewY = (Norm ^ NewX).GetSafeNormal();
			const TVector<T> NewZ = NewX ^ NewY;
			return TMatrix<T>(NewX, NewY, NewZ, TVector<T>(0, 0, 0));
		}

		static TMatrix<T> MakeFromYX(const TVector<T>& YAxis, const TVector<T>& XAxis)
		{
			const TVector<T> NewY = YAxis.GetSafeNormal();
			const TVector<T> Norm = SecondAxis(NewY, XAxis.GetSafeNormal());
			const TVector<T> NewZ = (Norm ^ NewY).GetSafeNormal();
			const TVector<T> NewX = NewY ^ NewZ;
			return TMatrix<T>(NewX, NewY, NewZ, TVector<T>(0, 0, 0));
		}

		static TMatrix<T> MakeFromYZ(const TVector<T>& YAxis, const TVector<T>& ZAxis)
		{
			const TVector<T> NewY = YAxis.GetSafeNormal();
			const TVector<T> Norm = SecondAxis(NewY, ZAxis.GetSafeNormal());
			const TVector<T> NewX = (NewY ^ Norm).GetSafeNormal();
			const TVector<T> NewZ = NewX ^ NewY;
			return TMatrix<T>(NewX, NewY, NewZ, TVector<T>(0, 0, 0));
		}

		static TMatrix<T> MakeFromZX(const TVector<T>& ZAxis, const TVector<T>& XAxis)
		{
			const TVector<T> NewZ = ZAxis.GetSafeNormal();
			const TVector<T> Norm = SecondAxis(NewZ, XAxis.GetSafeNormal());
			const TVector<T> NewY = (NewZ ^ Norm).GetSafeNormal();
			const TVector<T> NewX = NewY ^ NewZ;
			return TMatrix<T>(NewX, NewY, NewZ, TVector<T>(0, 0, 0));
		}

		static TMatrix<T> MakeFromZY(const TVector<T>& ZAxis, const TVector<T>& YAxis)
		{
			const TVector<T> NewZ = ZAxis.GetSafeNormal();
			const TVector<T> Norm = SecondAxis(NewZ, YAxis.GetSafeNormal());
			const TVector<T> NewX = (Norm ^ NewZ).GetSafeNormal();
			const TVector<T> NewY = NewZ ^ NewX;
			return TMatrix<T>(NewX, NewY, NewZ, TVector<T>(0, 0, 0));
		}

	private:
		/** The second axis, or (when it is parallel to the first) world up or X instead. */
		static TVector<T> SecondAxis(const TVector<T>& First, const TVector<T>& Second)
		{
			if (FMath::IsNearlyEqual(FMath::Abs((double)(First | Second)), 1.0, (double)UE_KINDA_SMALL_NUMBER))
			{
				return (FMath::Abs(First.Z) < (T)(1.0 - UE_KINDA_SMALL_NUMBER)) ? TVector<T>(0, 0, 1) : TVector<T>(1, 0, 0);
			}
			return Second;
		}
	};
}
