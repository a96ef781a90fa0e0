// TRotator: Pitch, Yaw and Roll in degrees (FRotator). Applied roll (about X) first, then pitch (about Y;
// positive points X up), then yaw (about Z; positive turns X toward Y).
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CoreMiscDefines.h"
#include "Containers/UnrealString.h"
#include "Math/MathFwd.h"
#include "Math/UnrealMathUtility.h"
#include "Templates/TypeHash.h"
#include "Math/Vector.h"

#include <cwchar>

namespace UE::Math
{
	template <typename T>
	struct TRotator
	{
		using FReal = T;

		T Pitch;
		T Yaw;
		T Roll;

		static const TRotator ZeroRotator;

		TRotator() = default;

		constexpr TRotator(T InPitch, T InYaw, T InRoll)
			: Pitch(InPitch)
			, Yaw(InYaw)
			, Roll(InRoll)
		{
		}

		explicit constexpr TRotator(T InF)
			: Pitch(InF)
			, Yaw(InF)
			, Roll(InF)
		{
		}

		explicit constexpr TRotator(EForceInit)
			: Pitch(0)
			, Yaw(0)
			, Roll(0)
		{
		}

		explicit TRotator(const TQuat<T>& Quat);

		template <typename FArg, typename = std::enable_if_t<!std::is_same_v<T, FArg>>>
		explicit constexpr TRotator(const TRotator<FArg>& From)
			: Pitch((T)From.Pitch)
			, Yaw((T)From.Yaw)
			, Roll((T)From.Roll)
		{
		}

		TRotator operator+(const TRotator& R) const { return TRotator(Pitch + R.Pitch, Yaw + R.Yaw, Roll + R.Roll); }
		TRotator operator-(const TRotator& R) const { return TRotator(Pitch - R.Pitch, Yaw - R.Yaw, Roll - R.Roll); }
		TRotator operator-() const { return TRotator(-Pitch, -Yaw, -Roll); }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TRotator operator*(FArg Scale) const { return TRotator(Pitch * (T)Scale, Yaw * (T)Scale, Roll * (T)Scale); }
		template <typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
		TRotator& operator*=(FArg Scale)
		{
			Pitch *= (T)Scale;
			Yaw *= (T)Scale;
			Roll *= (T)Scale;
			return *this;
		}
		TRotator& operator+=(const TRotator& R) { Pitch += R.Pitch; Yaw += R.Yaw; Roll += R.Roll; return *this; }
		TRotator& operator-=(const TRotator& R) { Pitch -= R.Pitch; Yaw -= R.Yaw; Roll -= R.Roll; return *this; }

		bool operator==(const TRotator& R) const { return Pitch == R.Pitch && Yaw == R.Yaw && Roll == R.Roll; }
		bool operator!=(const TRotator& R) const { return !(*this == R); }

		/** Same orientation per axis within Tolerance degrees (angles compared modulo 360). */
		bool Equals(const TRotator& R, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs(NormalizeAxis(Pitch - R.Pitch)) <= Tolerance
				&& FMath::Abs(NormalizeAxis(Yaw - R.Yaw)) <= Tolerance
				&& FMath::Abs(NormalizeAxis(Roll - R.Roll)) <= Tolerance;
		}

		bool IsNearlyZero(T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs(NormalizeAxis(Pitch)) <= Tolerance && FMath::Abs(NormalizeAxis(Yaw)) <= Tolerance && FMath::Abs(NormalizeAxis(Roll)) <= Tolerance;
		}

		bool IsZero() const { return ClampAxis(Pitch) == 0 && ClampAxis(Yaw) == 0 && ClampAxis(Roll) == 0; }

		void Add(T DeltaPitch, T DeltaYaw, T DeltaRoll)
		{
			Pitch += DeltaPitch;
			Yaw += DeltaYaw;
			Roll += DeltaRoll;
		}

		/** Angle into [0, 360). */
		static T ClampAxis(T Angle)
		{
			Angle = FMath::Fmod(Angle, (T)360);
			if (Angle < (T)0)
			{
				Angle += (T)360;
			}
			return Angle;
		}

		/** Angle into (-180, 180]. */
		static T NormalizeAxis(T Angle)
		{
			Angle = ClampAxis(Angle);
			if (Angle > (T)180)
			{
				Angle -= (T)360;
			}
			return Angle;
		}

		/** Each axis into [0, 360). */
		TRotator Clamp() const { return TRotator(ClampAxis(Pitch), ClampAxis(Yaw), ClampAxis(Roll)); }
		TRotator GetDenormalized() const { return Clamp(); }

		/** Each axis into (-180, 180]. */
		TRotator GetNormalized() const { return TRotator(NormalizeAxis(Pitch), NormalizeAxis(Yaw), NormalizeAxis(Roll)); }

		void Normalize()
		{
			Pitch = NormalizeAxis(Pitch);
			Yaw = NormalizeAxis(Yaw);
			Roll = NormalizeAxis(Roll);
		}

		T GetComponentForAxis(EAxis::Type Axis) const
		{
			switch (Axis)
			{
			case EAxis::X: return Roll;
			case EAxis::Y: return Pitch;
			case EAxis::Z: return Yaw;
			default: return (T)0;
			}
		}

		TRotator GetInverse() const;
		TQuat<T> Quaternion() const;
		/** The direction X points to after this rotation. */
		TVector<T> Vector() const;
		/** (Roll, Pitch, Yaw) in degrees. */
		TVector<T> Euler() const;
		static TRotator MakeFromEuler(const TVector<T>& Euler);
		TVector<T> RotateVector(const TVector<T>& V) const;
		TVector<T> UnrotateVector(const TVector<T>& V) const;

		FString ToString() const
		{
			return FString::Printf(TEXT("P=%f Y=%f R=%f"), (double)Pitch, (double)Yaw, (double)Roll);
		}

		FString ToCompactString() const
		{
			return FString::Printf(TEXT("P=%.2f Y=%.2f R=%.2f"), (double)Pitch, (double)Yaw, (double)Roll);
		}

		bool InitFromString(const FString& InSourceString)
		{
			double P = 0, Y2 = 0, R = 0;
			const bool bSuccessful = std::swscanf(*InSourceString, L" P=%lf Y=%lf R=%lf", &P, &Y2, &R) == 3;
			if (bSuccessful)
			{
				Pitch = (T)P;
				Yaw = (T)Y2;
				Roll = (T)R;
			}
			return bSuccessful;
		}
	};

	template <typename T> const TRotator<T> TRotator<T>::ZeroRotator(0, 0, 0);

	template <typename T, typename FArg, typename = std::enable_if_t<std::is_arithmetic_v<FArg>>>
	inline TRotator<T> operator*(FArg Scale, const TRotator<T>& R)
	{
		return R * Scale;
	}

	template <typename T>
	TQuat<T> TRotator<T>::Quaternion() const
	{
		// Yaw(Z) * Pitch(-Y) * Roll(-X) as quaternions, multiplied out.
		const T HalfDegToRad = (T)(UE_DOUBLE_PI / 360.0);
		T SP, SY, SR, CP, CY, CR;
		FMath::SinCos(&SP, &CP, FMath::Fmod(Pitch, (T)360) * HalfDegToRad);
		FMath::SinCos(&SY, &CY, FMath::Fmod(Yaw, (T)360) * HalfDegToRad);
		FMath::SinCos(&SR, &CR, FMath::Fmod(Roll, (T)360) * HalfDegToRad);
		return TQuat<T>(
			CR * SP * SY - SR * CP * CY,
			-CR * SP * CY - SR * CP * SY,
			CR * CP * SY - SR * SP * CY,
			CR * CP * CY + SR * SP * SY);
	}

	template <typename T>
	TVector<T> TRotator<T>::Vector() const
	{
		T CP, SP, CY, SY;
		FMath::SinCos(&SP, &CP, (T)FMath::DegreesToRadians(FMath::Fmod(Pitch, (T)360)));
		FMath::SinCos(&SY, &CY, (T)FMath::DegreesToRadians(FMath::Fmod(Yaw, (T)360)));
		return TVector<T>(CP * CY, CP * SY, SP);
	}

	template <typename T>
	TVector<T> TRotator<T>::Euler() const
	{
		return TVector<T>(Roll, Pitch, Yaw);
	}

	template <typename T>
	TRotator<T> TRotator<T>::MakeFromEuler(const TVector<T>& InEuler)
	{
		return TRotator(InEuler.Y, InEuler.Z, InEuler.X);
	}

	template <typename T>
	TRotator<T>::TRotator(const TQuat<T>& Quat)
	{
		*this = Quat.Rotator();
	}

	template <typename T>
	TRotator<T> TRotator<T>::GetInverse() const
	{
		return Quaternion().Inverse().Rotator();
	}

	template <typename T>
	TVector<T> TRotator<T>::RotateVector(const TVector<T>& V) const
	{
		return Quaternion().RotateVector(V);
	}

	template <typename T>
	TVector<T> TRotator<T>::UnrotateVector(const TVector<T>& V) const
	{
		return Quaternion().UnrotateVector(V);
	}

	template <typename T>
	TRotator<T> TVector<T>::ToOrientationRotator() const
	{
		return TRotator<T>(
			(T)FMath::RadiansToDegrees(FMath::Atan2(Z, FMath::Sqrt(X * X + Y * Y))),
			(T)FMath::RadiansToDegrees(FMath::Atan2(Y, X)),
			(T)0);
	}

	template <typename T>
	TRotator<T> TVector<T>::Rotation() const
	{
		return ToOrientationRotator();
	}

	template <typename T>
	TQuat<T> TVector<T>::ToOrientationQuat() const
	{
		return ToOrientationRotator().Quaternion();
	}

	template <typename T>
	TVector<T> TVector<T>::RotateAngleAxis(T AngleDeg, const TVector<T>& Axis) const
	{
		return TQuat<T>(Axis.GetSafeNormal(), (T)FMath::DegreesToRadians(AngleDeg)).RotateVector(*this);
	}

	template <typename T>
	inline uint32 GetTypeHash(const TRotator<T>& Rotator)
	{
		return HashCombine(HashCombine(::GetTypeHash(Rotator.Pitch), ::GetTypeHash(Rotator.Yaw)), ::GetTypeHash(Rotator.Roll));
	}
}

#include "Math/Quat.h"
