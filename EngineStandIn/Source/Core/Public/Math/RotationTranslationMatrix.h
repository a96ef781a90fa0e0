// TRotationTranslationMatrix: rotation by a rotator, then translation (FRotationTranslationMatrix).
#pragma once

#include "Math/Matrix.h"

namespace UE::Math
{
	template <typename T>
	struct TRotationTranslationMatrix : public TMatrix<T>
	{
		using TMatrix<T>::M;

		TRotationTranslationMatrix(const TRotator<T>& Rot, const TVector<T>& Origin)
		{
			T SP, SY, SR, CP, CY, CR;
			FMath::SinCos(&SP, &CP, (T)FMath::DegreesToRadians(Rot.Pitch));
			FMath::SinCos(&SY, &CY, (T)FMath::DegreesToRadians(Rot.Yaw));
			FMath::SinCos(&SR, &CR, (T)FMath::DegreesToRadians(Rot.Roll));

			// Row 0 is where X points (Rot.Vector()), rows 1 and 2 the rolled Y and Z axes.
			M[0][0] = CP * CY;
			M[0][1] = CP * SY;
			M[0][2] = SP;
			M[0][3] = 0;

			M[1][0] = SR * SP * CY - CR * SY;
			M[1][1] = SR * SP * SY + CR * CY;
			M[1][2] = -SR * CP;
			M[1][3] = 0;

			M[2][0] = -(CR * SP * CY + SR * SY);
			M[2][1] = CY * SR - CR * SP * SY;
			M[2][2] = CR * CP;
			M[2][3] = 0;

			M[3][0] = Origin.X;
			M[3][1] = Origin.Y;
			M[3][2] = Origin.Z;
			M[3][3] = 1;
		}

		static TMatrix<T> Make(const TRotator<T>& Rot, const TVector<T>& Origin)
		{
			return TRotationTranslationMatrix(Rot, Origin);
		}
	};
}
