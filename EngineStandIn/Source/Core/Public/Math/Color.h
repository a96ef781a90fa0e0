// FLinearColor (linear, float RGBA) and FColor (8-bit, stored B, G, R, A in memory).
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CoreMiscDefines.h"
#include "Containers/UnrealString.h"
#include "Math/MathFwd.h"
#include "Math/UnrealMathUtility.h"
#include "Math/Vector.h"
#include "Math/Vector4.h"
#include "Templates/TypeHash.h"

struct FColor;

struct CORE_API FLinearColor
{
	float R;
	float G;
	float B;
	float A;

	static const FLinearColor White;
	static const FLinearColor Gray;
	static const FLinearColor Black;
	static const FLinearColor Transparent;
	static const FLinearColor Red;
	static const FLinearColor Green;
	static const FLinearColor Blue;
	static const FLinearColor Yellow;

	FLinearColor() = default;

	explicit constexpr FLinearColor(EForceInit)
		: R(0)
		, G(0)
		, B(0)
		, A(0)
	{
	}

	constexpr FLinearColor(float InR, float InG, float InB, float InA = 1.0f)
		: R(InR)
		, G(InG)
		, B(InB)
		, A(InA)
	{
	}

	/** From an sRGB-encoded color (alpha stays linear). */
	FLinearColor(const FColor& Color);

	explicit FLinearColor(const FVector3f& Vector)
		: R(Vector.X)
		, G(Vector.Y)
		, B(Vector.Z)
		, A(1.0f)
	{
	}

	explicit FLinearColor(const FVector3d& Vector)
		: R((float)Vector.X)
		, G((float)Vector.Y)
		, B((float)Vector.Z)
		, A(1.0f)
	{
	}

	explicit FLinearColor(const FVector4& Vector)
		: R((float)Vector.X)
		, G((float)Vector.Y)
		, B((float)Vector.Z)
		, A((float)Vector.W)
	{
	}

	static FLinearColor FromSRGBColor(const FColor& Color);
	/** Plain 0-255 to 0-1 scaling, no gamma. */
	static FLinearColor FromLinearColor(const FColor& Color);

	/** To 8 bits per channel, sRGB-encoded if bSRGB; channels are clamped to [0, 1] first. */
	FColor ToFColor(bool bSRGB) const;
	FColor ToFColorSRGB() const;
	FColor QuantizeRound() const;

	float& Component(int32 Index) { return (&R)[Index]; }
	const float& Component(int32 Index) const { return (&R)[Index]; }

	FLinearColor operator+(const FLinearColor& Other) const { return FLinearColor(R + Other.R, G + Other.G, B + Other.B, A + Other.A); }
	FLinearColor operator-(const FLinearColor& Other) const { return FLinearColor(R - Other.R, G - Other.G, B - Other.B, A - Other.A); }
	FLinearColor operator*(const FLinearColor& Other) const { return FLinearColor(R * Other.R, G * Other.G, B * Other.B, A * Other.A); }
	FLinearColor operator/(const FLinearColor& Other) const { return FLinearColor(R / Other.R, G / Other.G, B / Other.B, A / Other.A); }
	FLinearColor operator*(float Scalar) const { return FLinearColor(R * Scalar, G * Scalar, B * Scalar, A * Scalar); }
	FLinearColor operator/(float Scalar) const
	{
		const float InvScalar = 1.0f / Scalar;
		return FLinearColor(R * InvScalar, G * InvScalar, B * InvScalar, A * InvScalar);
	}
	FLinearColor& operator+=(const FLinearColor& Other) { R += Other.R; G += Other.G; B += Other.B; A += Other.A; return *this; }
	FLinearColor& operator-=(const FLinearColor& Other) { R -= Other.R; G -= Other.G; B -= Other.B; A -= Other.A; return *this; }
	FLinearColor& operator*=(const FLinearColor& Other) { R *= Other.R; G *= Other.G; B *= Other.B; A *= Other.A; return *this; }
	FLinearColor& operator*=(float Scalar) { R *= Scalar; G *= Scalar; B *= Scalar; A *= Scalar; return *this; }
	FLinearColor& operator/=(float Scalar)
	{
		const float InvScalar = 1.0f / Scalar;
		R *= InvScalar; G *= InvScalar; B *= InvScalar; A *= InvScalar;
		return *this;
	}

	bool operator==(const FLinearColor& Other) const { return R == Other.R && G == Other.G && B == Other.B && A == Other.A; }
	bool operator!=(const FLinearColor& Other) const { return !(*this == Other); }

	bool Equals(const FLinearColor& Other, float Tolerance = UE_KINDA_SMALL_NUMBER) const
	{
		return FMath::Abs(R - Other.R) < Tolerance && FMath::Abs(G - Other.G) < Tolerance && FMath::Abs(B - Other.B) < Tolerance && FMath::Abs(A - Other.A) < Tolerance;
	}

	FLinearColor GetClamped(float InMin = 0.0f, float InMax = 1.0f) const
	{
		return FLinearColor(FMath::Clamp(R, InMin, InMax), FMath::Clamp(G, InMin, InMax), FMath::Clamp(B, InMin, InMax), FMath::Clamp(A, InMin, InMax));
	}

	FLinearColor CopyWithNewOpacity(float NewOpacity) const
	{
		FLinearColor NewCopy = *this;
		NewCopy.A = NewOpacity;
		return NewCopy;
	}

	float GetLuminance() const { return R * 0.3f + G * 0.59f + B * 0.11f; }
	float GetMax() const { return FMath::Max(FMath::Max(FMath::Max(R, G), B), A); }
	float GetMin() const { return FMath::Min(FMath::Min(FMath::Min(R, G), B), A); }
	bool IsAlmostBlack() const { return FMath::Square(R) < UE_DELTA && FMath::Square(G) < UE_DELTA && FMath::Square(B) < UE_DELTA; }

	/** Hue in degrees (R), saturation (G) and value (B). */
	FLinearColor LinearRGBToHSV() const;
	/** The inverse of LinearRGBToHSV. */
	FLinearColor HSVToLinearRGB() const;

	static float Dist(const FLinearColor& V1, const FLinearColor& V2)
	{
		return FMath::Sqrt(FMath::Square(V2.R - V1.R) + FMath::Square(V2.G - V1.G) + FMath::Square(V2.B - V1.B) + FMath::Square(V2.A - V1.A));
	}

	static FLinearColor LerpUsingHSV(const FLinearColor& From, const FLinearColor& To, float Progress);

	/** "(R=..,G=..,B=..,A=..)" */
	FString ToString() const;
	bool InitFromString(const FString& InSourceString);
};

inline FLinearColor operator*(float Scalar, const FLinearColor& Color)
{
	return Color * Scalar;
}

struct CORE_API FColor
{
	// Memory order B, G, R, A, as the engine's on little-endian machines.
	uint8 B;
	uint8 G;
	uint8 R;
	uint8 A;

	static const FColor White;
	static const FColor Black;
	static const FColor Transparent;
	static const FColor Red;
	static const FColor Green;
	static const FColor Blue;
	static const FColor Yellow;
	static const FColor Cyan;
	static const FColor Magenta;
	static const FColor Orange;
	static const FColor Purple;
	static const FColor Turquoise;
	static const FColor Silver;
	static const FColor Emerald;

	FColor() = default;

	explicit constexpr FColor(EForceInit)
		: B(0)
		, G(0)
		, R(0)
		, A(0)
	{
	}

	constexpr FColor(uint8 InR, uint8 InG, uint8 InB, uint8 InA = 255)
		: B(InB)
		, G(InG)
		, R(InR)
		, A(InA)
	{
	}

	/** From a packed 0xAARRGGBB value. */
	explicit FColor(uint32 InColor)
		: B((uint8)(InColor & 0xff))
		, G((uint8)((InColor >> 8) & 0xff))
		, R((uint8)((InColor >> 16) & 0xff))
		, A((uint8)((InColor >> 24) & 0xff))
	{
	}

	uint32 ToPackedARGB() const { return ((uint32)A << 24) | ((uint32)R << 16) | ((uint32)G << 8) | (uint32)B; }
	uint32 ToPackedABGR() const { return ((uint32)A << 24) | ((uint32)B << 16) | ((uint32)G << 8) | (uint32)R; }
	uint32 ToPackedRGBA() const { return ((uint32)R << 24) | ((uint32)G << 16) | ((uint32)B << 8) | (uint32)A; }
	uint32 ToPackedBGRA() const { return ((uint32)B << 24) | ((uint32)G << 16) | ((uint32)R << 8) | (uint32)A; }

	bool operator==(const FColor& C) const { return R == C.R && G == C.G && B == C.B && A == C.A; }
	bool operator!=(const FColor& C) const { return !(*this == C); }

	FColor WithAlpha(uint8 Alpha) const { return FColor(R, G, B, Alpha); }

	/** 0-255 scaled to 0-1 with no gamma conversion. */
	FLinearColor ReinterpretAsLinear() const
	{
		return FLinearColor(R / 255.f, G / 255.f, B / 255.f, A / 255.f);
	}

	/** "RRGGBBAA" in upper-case hex. */
	FString ToHex() const;
	/** Reads "RRGGBB", "RRGGBBAA" (optionally starting with '#') or the short forms "RGB" and "RGBA". */
	static FColor FromHex(const FString& HexString);

	/** "(R=..,G=..,B=..,A=..)" */
	FString ToString() const;
	bool InitFromString(const FString& InSourceString);

	static FColor MakeRandomColor();
	static FColor MakeRedToGreenColorFromScalar(float Scalar);
};

inline uint32 GetTypeHash(const FColor& Color)
{
	return Color.ToPackedARGB();
}

inline uint32 GetTypeHash(const FLinearColor& Color)
{
	return HashCombine(HashCombine(GetTypeHash(Color.R), GetTypeHash(Color.G)), HashCombine(GetTypeHash(Color.B), GetTypeHash(Color.A)));
}
