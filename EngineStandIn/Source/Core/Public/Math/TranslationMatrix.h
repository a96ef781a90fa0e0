// TTranslationMatrix: identity rotation and scale with a translation (FTranslationMatrix).
#pragma once

#include "Math/Matrix.h"

namespace UE::Math
{
	template <typename T>
	struct TTranslationMatrix : public TMatrix<T>
	{
		explicit TTranslationMatrix(const TVector<T>& Delta)
			: TMatrix<T>(TVector<T>(1, 0, 0), TVector<T>(0, 1, 0), TVector<T>(0, 0, 1), Delta)
		{
		}

		static TMatrix<T> Make(const TVector<T>& Delta)
		{
			return TTranslationMatrix(Delta);
		}
	};
}
