// Forward declarations of the engine's math types and their usual names.
#pragma once

#include "HAL/Platform.h"

namespace UE::Math
{
	template <typename T>
	struct TVector;
	template <typename T>
	struct TVector2;
	template <typename T>
	struct TVector4;
	template <typename T>
	struct TRotator;
	template <typename T>
	struct TQuat;
	template <typename T>
	struct TMatrix;
	template <typename T>
	struct TTransform;
	template <typename T>
	struct TBox2;
	template <typename T>
	struct TIntPoint;
	template <typename T>
	struct TRotationMatrix;
	template <typename T>
	struct TRotationTranslationMatrix;
	template <typename T>
	struct TQuatRotationMatrix;
	template <typename T>
	struct TQuatRotationTranslationMatrix;
	template <typename T>
	struct TScaleMatrix;
	template <typename T>
	struct TTranslationMatrix;
}

using FVector = UE::Math::TVector<double>;
using FVector3d = UE::Math::TVector<double>;
using FVector3f = UE::Math::TVector<float>;
using FVector2D = UE::Math::TVector2<double>;
using FVector2d = UE::Math::TVector2<double>;
using FVector2f = UE::Math::TVector2<float>;
using FVector4 = UE::Math::TVector4<double>;
using FVector4d = UE::Math::TVector4<double>;
using FVector4f = UE::Math::TVector4<float>;
using FRotator = UE::Math::TRotator<double>;
using FRotator3d = UE::Math::TRotator<double>;
using FRotator3f = UE::Math::TRotator<float>;
using FQuat = UE::Math::TQuat<double>;
using FQuat4d = UE::Math::TQuat<double>;
using FQuat4f = UE::Math::TQuat<float>;
using FMatrix = UE::Math::TMatrix<double>;
using FMatrix44d = UE::Math::TMatrix<double>;
using FMatrix44f = UE::Math::TMatrix<float>;
using FTransform = UE::Math::TTransform<double>;
using FTransform3d = UE::Math::TTransform<double>;
using FTransform3f = UE::Math::TTransform<float>;
using FBox2D = UE::Math::TBox2<double>;
using FBox2d = UE::Math::TBox2<double>;
using FBox2f = UE::Math::TBox2<float>;
using FIntPoint = UE::Math::TIntPoint<int32>;
using FInt32Point = UE::Math::TIntPoint<int32>;
using FRotationMatrix = UE::Math::TRotationMatrix<double>;
using FRotationTranslationMatrix = UE::Math::TRotationTranslationMatrix<double>;
using FQuatRotationMatrix = UE::Math::TQuatRotationMatrix<double>;
using FQuatRotationTranslationMatrix = UE::Math::TQuatRotationTranslationMatrix<double>;
using FScaleMatrix = UE::Math::TScaleMatrix<double>;
using FTranslationMatrix = UE::Math::TTranslationMatrix<double>;

struct FLinearColor;
struct FColor;
