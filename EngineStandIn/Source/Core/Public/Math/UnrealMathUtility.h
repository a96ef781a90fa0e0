// FMath and the engine's math constants (double precision, as the engine's large-world types).
#pragma once

#include "HAL/Platform.h"

#include <cmath>
#include <cstdlib>
#include <random>
#include <type_traits>

#define UE_PI (3.1415926535897932f)
#define UE_SMALL_NUMBER (1.e-8f)
#define UE_KINDA_SMALL_NUMBER (1.e-4f)
#define UE_BIG_NUMBER (3.4e+38f)
#define UE_EULERS_NUMBER (2.71828182845904523536f)
#define UE_INV_PI (0.31830988618f)
#define UE_HALF_PI (1.57079632679f)
#define UE_TWO_PI (6.28318530717f)
#define UE_PI_SQUARED (9.86960440108f)
#define UE_DELTA (0.00001f)
#define UE_DOUBLE_PI (3.141592653589793238462643383279502884197169399)
#define UE_DOUBLE_SMALL_NUMBER (1.e-8)
#define UE_DOUBLE_KINDA_SMALL_NUMBER (1.e-4)
#define UE_DOUBLE_BIG_NUMBER (3.4e+38)
#define UE_DOUBLE_INV_PI (0.31830988618379067154)
#define UE_DOUBLE_HALF_PI (1.57079632679489661923)
#define UE_DOUBLE_TWO_PI (6.28318530717958647692)
#define UE_THRESH_POINT_ON_PLANE (0.10f)
#define UE_THRESH_VECTOR_NORMALIZED (0.01f)
#define UE_THRESH_QUAT_NORMALIZED (0.01f)

// The older names, still in wide use.
#define PI UE_PI
#define SMALL_NUMBER UE_SMALL_NUMBER
#define KINDA_SMALL_NUMBER UE_KINDA_SMALL_NUMBER
#define BIG_NUMBER UE_BIG_NUMBER
#define HALF_PI UE_HALF_PI
#define TWO_PI UE_TWO_PI
#define INV_PI UE_INV_PI
#define DOUBLE_PI UE_DOUBLE_PI
#define DOUBLE_SMALL_NUMBER UE_DOUBLE_SMALL_NUMBER
#define DOUBLE_KINDA_SMALL_NUMBER UE_DOUBLE_KINDA_SMALL_NUMBER
#define THRESH_VECTOR_NORMALIZED UE_THRESH_VECTOR_NORMALIZED
#define THRESH_QUAT_NORMALIZED UE_THRESH_QUAT_NORMALIZED

struct FMath
{
	template <typename T>
	static constexpr T Abs(const T A)
	{
		return (A < (T)0) ? -A : A;
	}

	template <typename T>
	static constexpr T Sign(const T A)
	{
		return (A > (T)0) ? (T)1 : ((A < (T)0) ? (T)-1 : (T)0);
	}

	template <typename T>
	static constexpr T Max(const T A, const T B)
	{
		return (B < A) ? A : B;
	}

	template <typename T>
	static constexpr T Min(const T A, const T B)
	{
		return (A < B) ? A : B;
	}

	// Mixed arithmetic types promote, as the engine's overloads do.
	template <typename A, typename B, typename = std::enable_if_t<!std::is_same_v<A, B> && std::is_arithmetic_v<A> && std::is_arithmetic_v<B>>>
	static constexpr auto Max(const A X, const B Y)
	{
		using FCommon = std::common_type_t<A, B>;
		return Max<FCommon>(X, Y);
	}

	template <typename A, typename B, typename = std::enable_if_t<!std::is_same_v<A, B> && std::is_arithmetic_v<A> && std::is_arithmetic_v<B>>>
	static constexpr auto Min(const A X, const B Y)
	{
		using FCommon = std::common_type_t<A, B>;
		return Min<FCommon>(X, Y);
	}

	template <typename T>
	static constexpr T Max3(const T A, const T B, const T C)
	{
		return Max(Max(A, B), C);
	}

	template <typename T>
	static constexpr T Min3(const T A, const T B, const T C)
	{
		return Min(Min(A, B), C);
	}

	template <typename T>
	static constexpr T Clamp(const T X, const T InMin, const T InMax)
	{
		return (X < InMin) ? InMin : (X < InMax) ? X : InMax;
	}

	template <typename T, typename U, typename V, typename = std::enable_if_t<!(std::is_same_v<T, U> && std::is_same_v<T, V>) && std::is_arithmetic_v<T> && std::is_arithmetic_v<U> && std::is_arithmetic_v<V>>>
	static constexpr auto Clamp(const T X, const U InMin, const V InMax)
	{
		using FCommon = std::common_type_t<T, U, V>;
		return Clamp<FCommon>(X, InMin, InMax);
	}

	template <typename T>
	static constexpr T Square(const T A)
	{
		return A * A;
	}

	template <typename T>
	static constexpr T Cube(const T A)
	{
		return A * A * A;
	}

	static float Sqrt(float Value) { return std::sqrt(Value); }
	static double Sqrt(double Value) { return std::sqrt(Value); }
	static float InvSqrt(float Value) { return 1.0f / std::sqrt(Value); }
	static double InvSqrt(double Value) { return 1.0 / std::sqrt(Value); }
	static float Sin(float Value) { return std::sin(Value); }
	static double Sin(double Value) { return std::sin(Value); }
	static float Cos(float Value) { return std::cos(Value); }
	static double Cos(double Value) { return std::cos(Value); }
	static float Tan(float Value) { return std::tan(Value); }
	static double Tan(double Value) { return std::tan(Value); }
	static float Asin(float Value) { return std::asin(Clamp(Value, -1.0f, 1.0f)); }
	static double Asin(double Value) { return std::asin(Clamp(Value, -1.0, 1.0)); }
	/** The engine's fast arcsine: the 7th-degree minimax polynomial of Abramowitz and Stegun (4.4.46) for
	 *  acos(|x|) / sqrt(1 - |x|), absolute error about 2e-8 radians. FQuat::Rotator reads its pitch with it. */
	template <typename T>
	static T FastAsinImpl(T Value)
	{
		const T HalfPi = (T)1.5707963050;
		const bool bNonNegative = Value >= (T)0;
		const T X = Value < (T)0 ? -Value : Value;
		T OneMinusX = (T)1 - X;
		if (OneMinusX < (T)0)
		{
			OneMinusX = (T)0;
		}
		const T Root = std::sqrt(OneMinusX);
		T Result = ((((((((T)-0.0012624911 * X + (T)0.0066700901) * X - (T)0.0170881256) * X + (T)0.0308918810) * X - (T)0.0501743046) * X + (T)0.0889789874) * X - (T)0.2145988016) * X + HalfPi);
		Result *= Root;
		return bNonNegative ? HalfPi - Result : Result - HalfPi;
	}
	static float FastAsin(float Value) { return FastAsinImpl<float>(Value); }
	static double FastAsin(double Value) { return FastAsinImpl<double>(Value); }
	static float Acos(float Value) { return std::acos(Clamp(Value, -1.0f, 1.0f)); }
	static double Acos(double Value) { return std::acos(Clamp(Value, -1.0, 1.0)); }
	static float Atan(float Value) { return std::atan(Value); }
	static double Atan(double Value) { return std::atan(Value); }
	static float Atan2(float Y, float X) { return std::atan2(Y, X); }
	static double Atan2(double Y, double X) { return std::atan2(Y, X); }
	static float Exp(float Value) { return std::exp(Value); }
	static double Exp(double Value) { return std::exp(Value); }
	static float Exp2(float Value) { return std::exp2(Value); }
	static double Exp2(double Value) { return std::exp2(Value); }
	static float Loge(float Value) { return std::log(Value); }
	static double Loge(double Value) { return std::log(Value); }
	static float LogX(float Base, float Value) { return std::log(Value) / std::log(Base); }
	static double LogX(double Base, double Value) { return std::log(Value) / std::log(Base); }
	static float Log2(float Value) { return std::log2(Value); }
	static double Log2(double Value) { return std::log2(Value); }
	static float Pow(float A, float B) { return std::pow(A, B); }
	static double Pow(double A, double B) { return std::pow(A, B); }
	static float Fmod(float X, float Y) { return Y == 0.0f ? 0.0f : std::fmod(X, Y); }
	static double Fmod(double X, double Y) { return Y == 0.0 ? 0.0 : std::fmod(X, Y); }

	template <typename T, typename U, typename = std::enable_if_t<!std::is_same_v<T, U> && std::is_arithmetic_v<T> && std::is_arithmetic_v<U>>>
	static auto Atan2(T Y, U X)
	{
		using FCommon = std::common_type_t<T, U, float>;
		return Atan2((FCommon)Y, (FCommon)X);
	}

	template <typename T, typename U, typename = std::enable_if_t<!std::is_same_v<T, U> && std::is_arithmetic_v<T> && std::is_arithmetic_v<U>>>
	static auto Pow(T A, U B)
	{
		using FCommon = std::common_type_t<T, U, float>;
		return Pow((FCommon)A, (FCommon)B);
	}

	template <typename T, typename U, typename = std::enable_if_t<!std::is_same_v<T, U> && std::is_arithmetic_v<T> && std::is_arithmetic_v<U>>>
	static auto Fmod(T X, U Y)
	{
		using FCommon = std::common_type_t<T, U, float>;
		return Fmod((FCommon)X, (FCommon)Y);
	}

	template <typename T, typename = std::enable_if_t<std::is_integral_v<T>>>
	static double Sqrt(T Value) { return std::sqrt((double)Value); }

	static void SinCos(float* ScalarSin, float* ScalarCos, float Value)
	{
		*ScalarSin = std::sin(Value);
		*ScalarCos = std::cos(Value);
	}

	static void SinCos(double* ScalarSin, double* ScalarCos, double Value)
	{
		*ScalarSin = std::sin(Value);
		*ScalarCos = std::cos(Value);
	}

	static int32 TruncToInt(double Value) { return (int32)Value; }
	static int32 TruncToInt32(double Value) { return (int32)Value; }
	static float TruncToFloat(float Value) { return std::trunc(Value); }
	static double TruncToDouble(double Value) { return std::trunc(Value); }
	static int32 FloorToInt(double Value) { return (int32)std::floor(Value); }
	static int32 FloorToInt32(double Value) { return (int32)std::floor(Value); }
	static int64 FloorToInt64(double Value) { return (int64)std::floor(Value); }
	static float FloorToFloat(float Value) { return std::floor(Value); }
	static double FloorToFloat(double Value) { return std::floor(Value); }
	static double FloorToDouble(double Value) { return std::floor(Value); }
	static int32 CeilToInt(double Value) { return (int32)std::ceil(Value); }
	static int32 CeilToInt32(double Value) { return (int32)std::ceil(Value); }
	static float CeilToFloat(float Value) { return std::ceil(Value); }
	static double CeilToFloat(double Value) { return std::ceil(Value); }
	static double CeilToDouble(double Value) { return std::ceil(Value); }
	// Rounds half up (toward positive infinity), as the engine does.
	static int32 RoundToInt(double Value) { return (int32)std::floor(Value + 0.5); }
	static int32 RoundToInt32(double Value) { return (int32)std::floor(Value + 0.5); }
	static int64 RoundToInt64(double Value) { return (int64)std::floor(Value + 0.5); }
	static float RoundToFloat(float Value) { return std::floor(Value + 0.5f); }
	static double RoundToFloat(double Value) { return std::floor(Value + 0.5); }
	static double RoundToDouble(double Value) { return std::floor(Value + 0.5); }
	static float RoundHalfFromZero(float Value) { return std::round(Value); }
	static double RoundHalfFromZero(double Value) { return std::round(Value); }
	static float Frac(float Value) { return Value - std::floor(Value); }
	static double Frac(double Value) { return Value - std::floor(Value); }
	static float Fractional(float Value) { return Value - std::trunc(Value); }
	static double Fractional(double Value) { return Value - std::trunc(Value); }

	static bool IsNaN(double Value) { return std::isnan(Value); }
	static bool IsFinite(double Value) { return std::isfinite(Value); }

	static bool IsNearlyEqual(float A, float B, float ErrorTolerance = UE_SMALL_NUMBER) { return Abs(A - B) <= ErrorTolerance; }
	static bool IsNearlyEqual(double A, double B, double ErrorTolerance = UE_DOUBLE_SMALL_NUMBER) { return Abs(A - B) <= ErrorTolerance; }

	template <typename T, typename U, typename V = double, typename = std::enable_if_t<!(std::is_same_v<T, U> && std::is_same_v<T, V> && std::is_floating_point_v<T>) && std::is_arithmetic_v<T> && std::is_arithmetic_v<U>>>
	static bool IsNearlyEqual(T A, U B, V ErrorTolerance = (V)UE_DOUBLE_SMALL_NUMBER)
	{
		return Abs((double)A - (double)B) <= (double)ErrorTolerance;
	}

	static bool IsNearlyZero(float Value, float ErrorTolerance = UE_SMALL_NUMBER) { return Abs(Value) <= ErrorTolerance; }
	static bool IsNearlyZero(double Value, double ErrorTolerance = UE_DOUBLE_SMALL_NUMBER) { return Abs(Value) <= ErrorTolerance; }

	template <typename T, typename V, typename = std::enable_if_t<!std::is_same_v<T, V> && std::is_arithmetic_v<T> && std::is_arithmetic_v<V>>>
	static bool IsNearlyZero(T Value, V ErrorTolerance)
	{
		return Abs((double)Value) <= (double)ErrorTolerance;
	}

	template <typename T>
	static constexpr bool IsPowerOfTwo(T Value)
	{
		return Value > 0 && ((Value & (Value - 1)) == 0);
	}

	template <typename T, typename U>
	static constexpr T Lerp(const T& A, const T& B, const U& Alpha)
	{
		return (T)(A + Alpha * (B - A));
	}

	template <typename T>
	static constexpr auto DegreesToRadians(T const& DegVal)
	{
		using FResult = std::conditional_t<std::is_same_v<T, float>, float, std::conditional_t<std::is_floating_point_v<T>, T, double>>;
		return (FResult)(DegVal * (UE_DOUBLE_PI / 180.0));
	}

	template <typename T>
	static constexpr auto RadiansToDegrees(T const& RadVal)
	{
		using FResult = std::conditional_t<std::is_same_v<T, float>, float, std::conditional_t<std::is_floating_point_v<T>, T, double>>;
		return (FResult)(RadVal * (180.0 / UE_DOUBLE_PI));
	}

	/** An angle in degrees brought into [-180, 180]. */
	template <typename T>
	static T UnwindDegrees(T A)
	{
		while (A > (T)180)
		{
			A -= (T)360;
		}
		while (A < (T)-180)
		{
			A += (T)360;
		}
		return A;
	}

	/** An angle in radians brought into [-PI, PI]. */
	template <typename T>
	static T UnwindRadians(T A)
	{
		while (A > (T)UE_DOUBLE_PI)
		{
			A -= (T)UE_DOUBLE_TWO_PI;
		}
		while (A < (T)-UE_DOUBLE_PI)
		{
			A += (T)UE_DOUBLE_TWO_PI;
		}
		return A;
	}

	/** Clamps an angle (degrees) to the range from MinAngleDegrees to MaxAngleDegrees, going the short way. */
	template <typename T>
	static T ClampAngle(T AngleDegrees, T MinAngleDegrees, T MaxAngleDegrees)
	{
		const T MaxDelta = ClampAxisDegrees(MaxAngleDegrees - MinAngleDegrees) * (T)0.5;
		const T RangeCenter = ClampAxisDegrees(MinAngleDegrees + MaxDelta);
		const T DeltaFromCenter = NormalizeAxisDegrees(AngleDegrees - RangeCenter);
		if (DeltaFromCenter > MaxDelta)
		{
			return NormalizeAxisDegrees(RangeCenter + MaxDelta);
		}
		if (DeltaFromCenter < -MaxDelta)
		{
			return NormalizeAxisDegrees(RangeCenter - MaxDelta);
		}
		return NormalizeAxisDegrees(AngleDegrees);
	}

	template <typename T, typename U, typename V, typename = std::enable_if_t<!(std::is_same_v<T, U> && std::is_same_v<T, V>)>>
	static auto ClampAngle(T AngleDegrees, U MinAngleDegrees, V MaxAngleDegrees)
	{
		using FCommon = std::common_type_t<T, U, V, float>;
		return ClampAngle<FCommon>(AngleDegrees, MinAngleDegrees, MaxAngleDegrees);
	}

	/** Degrees into [0, 360). */
	template <typename T>
	static T ClampAxisDegrees(T Angle)
	{
		Angle = Fmod(Angle, (T)360);
		if (Angle < (T)0)
		{
			Angle += (T)360;
		}
		return Angle;
	}

	/** Degrees into (-180, 180]. */
	template <typename T>
	static T NormalizeAxisDegrees(T Angle)
	{
		Angle = ClampAxisDegrees(Angle);
		if (Angle > (T)180)
		{
			Angle -= (T)360;
		}
		return Angle;
	}

	template <typename T>
	static T FindDeltaAngleDegrees(T A1, T A2)
	{
		return UnwindDegrees(A2 - A1);
	}

	template <typename T>
	static T GetRangePct(T MinValue, T MaxValue, T Value)
	{
		const T Divisor = MaxValue - MinValue;
		if (IsNearlyZero((double)Divisor))
		{
			return (Value >= MaxValue) ? (T)1 : (T)0;
		}
		return (Value - MinValue) / Divisor;
	}

	/** Maps Value from the input range onto the output range, clamped to the output range. */
	template <typename T, typename U, typename V>
	static auto GetMappedRangeValueClamped(const T& InputRange, const U& OutputRange, const V Value)
	{
		using FValue = decltype(InputRange.X + OutputRange.X + Value);
		const FValue ClampedPct = Clamp<FValue>(GetRangePct<FValue>(InputRange.X, InputRange.Y, Value), (FValue)0, (FValue)1);
		return Lerp<FValue>(OutputRange.X, OutputRange.Y, ClampedPct);
	}

	template <typename T, typename U, typename V>
	static auto GetMappedRangeValueUnclamped(const T& InputRange, const U& OutputRange, const V Value)
	{
		using FValue = decltype(InputRange.X + OutputRange.X + Value);
		return Lerp<FValue>(OutputRange.X, OutputRange.Y, GetRangePct<FValue>(InputRange.X, InputRange.Y, Value));
	}

	// Random numbers: one generator for the process; SRandInit reseeds it.
	static std::mt19937& RandomEngine()
	{
		static std::mt19937 Engine(0x5eed);
		return Engine;
	}

	static void RandInit(int32 Seed)
	{
		RandomEngine().seed((uint32)Seed);
	}

	static int32 Rand()
	{
		return (int32)(RandomEngine()() & 0x7fffffff);
	}

	/** In [0, 1). */
	static float FRand()
	{
		return std::uniform_real_distribution<float>(0.0f, 1.0f)(RandomEngine());
	}

	/** An integer in [Min, Max], both included. */
	static int32 RandRange(int32 InMin, int32 InMax)
	{
		if (InMax <= InMin)
		{
			return InMin;
		}
		return std::uniform_int_distribution<int32>(InMin, InMax)(RandomEngine());
	}

	static int64 RandRange(int64 InMin, int64 InMax)
	{
		if (InMax <= InMin)
		{
			return InMin;
		}
		return std::uniform_int_distribution<int64>(InMin, InMax)(RandomEngine());
	}

	static float RandRange(float InMin, float InMax)
	{
		return InMin + (InMax - InMin) * FRand();
	}

	static double RandRange(double InMin, double InMax)
	{
		return InMin + (InMax - InMin) * (double)FRand();
	}

	static float FRandRange(float InMin, float InMax)
	{
		return RandRange(InMin, InMax);
	}

	static bool RandBool()
	{
		return RandRange(0, 1) == 1;
	}

	static uint32 FloorLog2(uint32 Value)
	{
		uint32 Result = 0;
		while (Value >>= 1)
		{
			++Result;
		}
		return Result;
	}

	static uint32 RoundUpToPowerOfTwo(uint32 Value)
	{
		uint32 Result = 1;
		while (Result < Value)
		{
			Result <<= 1;
		}
		return Result;
	}

	template <typename T>
	static constexpr T DivideAndRoundUp(T Dividend, T Divisor)
	{
		return (Dividend + Divisor - 1) / Divisor;
	}

	template <typename T>
	static constexpr T DivideAndRoundDown(T Dividend, T Divisor)
	{
		return Dividend / Divisor;
	}

	template <typename T>
	static T FInterpTo(T Current, T Target, T DeltaTime, T InterpSpeed)
	{
		if (InterpSpeed <= (T)0)
		{
			return Target;
		}
		const T Dist = Target - Current;
		if (Square(Dist) < (T)UE_SMALL_NUMBER)
		{
			return Target;
		}
		const T DeltaMove = Dist * Clamp<T>(DeltaTime * InterpSpeed, (T)0, (T)1);
		return Current + DeltaMove;
	}
};
