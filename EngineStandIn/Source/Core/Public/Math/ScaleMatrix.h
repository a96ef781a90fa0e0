// TScaleMatrix (FScaleMatrix) and TTranslationMatrix (FTranslationMatrix).
#pragma once

#include "Math/Matrix.h"

namespace UE::Math
{
	template <typename T>
	struct TScaleMatrix : public TMatrix<T>
	{
		explicit TScaleMatrix(T Scale)
			: TMatrix<T>(TVector<T>(Scale, 0, 0), TVector<T>(0, Scale, 0), TVector<T>(0, 0, Scale), TVector<T>(0, 0, 0))
		{
		}

		explicit TScaleMatrix(const TVector<T>& Scale)
			: TMatrix<T>(TVector<T>(Scale.X, 0, 0), TVector<T>(0, Scale.Y, 0), TVector<T>(0, 0, Scale.Z), TVector<T>(0, 0, 0))
		{
		}

		static TMatrix<T> Make(T Scale)
		{
			return TScaleMatrix(Scale);
		}

		static TMatrix<T> Make(const TVector<T>& Scale)
		{
			return TScaleMatrix(Scale);
		}
	};
}

#include "Math/TranslationMatrix.h"
