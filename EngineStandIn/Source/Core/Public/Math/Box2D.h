// TBox2: an axis-aligned 2D box (FBox2D), valid once it holds a point.
#pragma once

#include "HAL/Platform.h"
#include "Misc/CoreMiscDefines.h"
#include "Containers/UnrealString.h"
#include "Math/MathFwd.h"
#include "Math/UnrealMathUtility.h"
#include "Math/Vector2D.h"

namespace UE::Math
{
	template <typename T>
	struct TBox2
	{
		using FReal = T;

		TVector2<T> Min;
		TVector2<T> Max;
		bool bIsValid;

		TBox2()
			: Min(0, 0)
			, Max(0, 0)
			, bIsValid(false)
		{
		}

		explicit TBox2(EForceInit)
			: TBox2()
		{
		}

		TBox2(const TVector2<T>& InMin, const TVector2<T>& InMax)
			: Min(InMin)
			, Max(InMax)
			, bIsValid(true)
		{
		}

		TBox2(const TVector2<T>* Points, const int32 Count)
			: TBox2()
		{
			for (int32 i = 0; i < Count; ++i)
			{
				*this += Points[i];
			}
		}

		bool operator==(const TBox2& Other) const { return Min == Other.Min && Max == Other.Max; }
		bool operator!=(const TBox2& Other) const { return !(*this == Other); }

		TBox2& operator+=(const TVector2<T>& Other)
		{
			if (bIsValid)
			{
				Min = TVector2<T>(FMath::Min(Min.X, Other.X), FMath::Min(Min.Y, Other.Y));
				Max = TVector2<T>(FMath::Max(Max.X, Other.X), FMath::Max(Max.Y, Other.Y));
			}
			else
			{
				Min = Max = Other;
				bIsValid = true;
			}
			return *this;
		}

		TBox2 operator+(const TVector2<T>& Other) const
		{
			return TBox2(*this) += Other;
		}

		TBox2& operator+=(const TBox2& Other)
		{
			if (bIsValid && Other.bIsValid)
			{
				Min = TVector2<T>(FMath::Min(Min.X, Other.Min.X), FMath::Min(Min.Y, Other.Min.Y));
				Max = TVector2<T>(FMath::Max(Max.X, Other.Max.X), FMath::Max(Max.Y, Other.Max.Y));
			}
			else if (Other.bIsValid)
			{
				*this = Other;
			}
			return *this;
		}

		TBox2 operator+(const TBox2& Other) const
		{
			return TBox2(*this) += Other;
		}

		void Init()
		{
			Min = Max = TVector2<T>(0, 0);
			bIsValid = false;
		}

		T GetArea() const { return (Max.X - Min.X) * (Max.Y - Min.Y); }
		TVector2<T> GetCenter() const { return TVector2<T>((Min + Max) * (T)0.5); }
		TVector2<T> GetExtent() const { return (Max - Min) * (T)0.5; }
		TVector2<T> GetSize() const { return Max - Min; }

		void GetCenterAndExtents(TVector2<T>& Center, TVector2<T>& Extents) const
		{
			Extents = GetExtent();
			Center = Min + Extents;
		}

		bool Intersect(const TBox2& Other) const
		{
			if (Min.X > Other.Max.X || Other.Min.X > Max.X)
			{
				return false;
			}
			if (Min.Y > Other.Max.Y || Other.Min.Y > Max.Y)
			{
				return false;
			}
			return true;
		}

		bool IsInside(const TVector2<T>& TestPoint) const
		{
			return TestPoint.X > Min.X && TestPoint.X < Max.X && TestPoint.Y > Min.Y && TestPoint.Y < Max.Y;
		}

		bool IsInsideOrOn(const TVector2<T>& TestPoint) const
		{
			return TestPoint.X >= Min.X && TestPoint.X <= Max.X && TestPoint.Y >= Min.Y && TestPoint.Y <= Max.Y;
		}

		bool IsInside(const TBox2& Other) const
		{
			return IsInside(Other.Min) && IsInside(Other.Max);
		}

		TBox2 ShiftBy(const TVector2<T>& Offset) const
		{
			return TBox2(Min + Offset, Max + Offset);
		}

		TBox2 ExpandBy(T W) const
		{
			return TBox2(Min - TVector2<T>(W, W), Max + TVector2<T>(W, W));
		}

		TVector2<T> GetClosestPointTo(const TVector2<T>& Point) const
		{
			return TVector2<T>(FMath::Clamp(Point.X, Min.X, Max.X), FMath::Clamp(Point.Y, Min.Y, Max.Y));
		}

		FString ToString() const
		{
			return FString::Printf(TEXT("bIsValid=%s, Min=(%s), Max=(%s)"), bIsValid ? TEXT("true") : TEXT("false"), *Min.ToString(), *Max.ToString());
		}
	};
}
