#include "Math/Color.h"

#include <cmath>
#include <cwchar>

const FLinearColor FLinearColor::White(1.f, 1.f, 1.f);
const FLinearColor FLinearColor::Gray(0.5f, 0.5f, 0.5f);
const FLinearColor FLinearColor::Black(0.f, 0.f, 0.f);
const FLinearColor FLinearColor::Transparent(0.f, 0.f, 0.f, 0.f);
const FLinearColor FLinearColor::Red(1.f, 0.f, 0.f);
const FLinearColor FLinearColor::Green(0.f, 1.f, 0.f);
const FLinearColor FLinearColor::Blue(0.f, 0.f, 1.f);
const FLinearColor FLinearColor::Yellow(1.f, 1.f, 0.f);

const FColor FColor::White(255, 255, 255);
const FColor FColor::Black(0, 0, 0);
const FColor FColor::Transparent(0, 0, 0, 0);
const FColor FColor::Red(255, 0, 0);
const FColor FColor::Green(0, 255, 0);
const FColor FColor::Blue(0, 0, 255);
const FColor FColor::Yellow(255, 255, 0);
const FColor FColor::Cyan(0, 255, 255);
const FColor FColor::Magenta(255, 0, 255);
const FColor FColor::Orange(243, 156, 18);
const FColor FColor::Purple(169, 7, 228);
const FColor FColor::Turquoise(26, 188, 156);
const FColor FColor::Silver(189, 195, 199);
const FColor FColor::Emerald(46, 204, 113);

namespace
{
	float SRGBToLinear(uint8 Channel)
	{
		const double C = Channel / 255.0;
		return (float)(C <= 0.04045 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4));
	}

	float LinearToSRGB(float Channel)
	{
		return Channel <= 0.0031308f ? Channel * 12.92f : 1.055f * std::pow(Channel, 1.0f / 2.4f) - 0.055f;
	}

	uint8 Quantize(float Channel)
	{
		return (uint8)FMath::FloorToInt(Channel * 255.999f);
	}

	int32 HexDigit(TCHAR Char)
	{
		if (Char >= TEXT('0') && Char <= TEXT('9'))
		{
			return Char - TEXT('0');
		}
		if (Char >= TEXT('a') && Char <= TEXT('f'))
		{
			return Char - TEXT('a') + 10;
		}
		if (Char >= TEXT('A') && Char <= TEXT('F'))
		{
			return Char - TEXT('A') + 10;
		}
		return 0;
	}
}

FLinearColor::FLinearColor(const FColor& Color)
	: R(SRGBToLinear(Color.R))
	, G(SRGBToLinear(Color.G))
	, B(SRGBToLinear(Color.B))
	, A(Color.A / 255.0f)
{
}

FLinearColor FLinearColor::FromSRGBColor(const FColor& Color)
{
	return FLinearColor(Color);
}

FLinearColor FLinearColor::FromLinearColor(const FColor& Color)
{
	return Color.ReinterpretAsLinear();
}

FColor FLinearColor::ToFColor(bool bSRGB) const
{
	float FloatR = FMath::Clamp(R, 0.0f, 1.0f);
	float FloatG = FMath::Clamp(G, 0.0f, 1.0f);
	float FloatB = FMath::Clamp(B, 0.0f, 1.0f);
	const float FloatA = FMath::Clamp(A, 0.0f, 1.0f);
	if (bSRGB)
	{
		FloatR = LinearToSRGB(FloatR);
		FloatG = LinearToSRGB(FloatG);
		FloatB = LinearToSRGB(FloatB);
	}
	return FColor(Quantize(FloatR), Quantize(FloatG), Quantize(FloatB), Quantize(FloatA));
}

FColor FLinearColor::ToFColorSRGB() const
{
	return ToFColor(true);
}

FColor FLinearColor::QuantizeRound() const
{
	auto Round = [](float Channel)
	{
		return (uint8)FMath::RoundToInt(FMath::Clamp(Channel, 0.0f, 1.0f) * 255.0f);
	};
	return FColor(Round(R), Round(G), Round(B), Round(A));
}

FLinearColor FLinearColor::LinearRGBToHSV() const
{
	const float RGBMin = FMath::Min3(R, G, B);
	const float RGBMax = FMath::Max3(R, G, B);
	const float RGBRange = RGBMax - RGBMin;

	const float Hue = (RGBMax == RGBMin ? 0.0f
		: RGBMax == R ? FMath::Fmod((((G - B) / RGBRange) * 60.0f) + 360.0f, 360.0f)
		: RGBMax == G ? (((B - R) / RGBRange) * 60.0f) + 120.0f
		: RGBMax == B ? (((R - G) / RGBRange) * 60.0f) + 240.0f
		: 0.0f);
	const float Saturation = (RGBMax == 0.0f ? 0.0f : RGBRange / RGBMax);
	const float Value = RGBMax;
	return FLinearColor(Hue, Saturation, Value, A);
}

FLinearColor FLinearColor::HSVToLinearRGB() const
{
	const float Hue = R;
	const float Saturation = G;
	const float Value = B;

	const float HDiv60 = Hue / 60.0f;
	const float HDiv60Floor = std::floor(HDiv60);
	const float HDiv60Fraction = HDiv60 - HDiv60Floor;

	const float RGBValues[4] = {
		Value,
		Value * (1.0f - Saturation),
		Value * (1.0f - (HDiv60Fraction * Saturation)),
		Value * (1.0f - ((1.0f - HDiv60Fraction) * Saturation)),
	};
	static const uint32 RGBSwizzle[6][3] = {
		{0, 3, 1},
		{2, 0, 1},
		{1, 0, 3},
		{1, 2, 0},
		{3, 1, 0},
		{0, 1, 2},
	};
	const uint32 SwizzleIndex = ((uint32)HDiv60Floor) % 6;
	return FLinearColor(RGBValues[RGBSwizzle[SwizzleIndex][0]], RGBValues[RGBSwizzle[SwizzleIndex][1]], RGBValues[RGBSwizzle[SwizzleIndex][2]], A);
}

FLinearColor FLinearColor::LerpUsingHSV(const FLinearColor& From, const FLinearColor& To, float Progress)
{
	const FLinearColor FromHSV = From.LinearRGBToHSV();
	const FLinearColor ToHSV = To.LinearRGBToHSV();

	float FromHue = FromHSV.R;
	float ToHue = ToHSV.R;
	// Take the short way round the hue circle.
	if (FMath::Abs(FromHue - ToHue) > 180.0f)
	{
		if (ToHue > FromHue)
		{
			FromHue += 360.0f;
		}
		else
		{
			ToHue += 360.0f;
		}
	}
	float NewHue = FMath::Lerp(FromHue, ToHue, Progress);
	NewHue = FMath::Fmod(NewHue, 360.0f);
	if (NewHue < 0.0f)
	{
		NewHue += 360.0f;
	}
	const float NewSaturation = FMath::Lerp(FromHSV.G, ToHSV.G, Progress);
	const float NewValue = FMath::Lerp(FromHSV.B, ToHSV.B, Progress);
	const float NewAlpha = FMath::Lerp(From.A, To.A, Progress);
	return FLinearColor(NewHue, NewSaturation, NewValue, NewAlpha).HSVToLinearRGB();
}

FString FLinearColor::ToString() const
{
	return FString::Printf(TEXT("(R=%f,G=%f,B=%f,A=%f)"), R, G, B, A);
}

bool FLinearColor::InitFromString(const FString& InSourceString)
{
	float InR = 0, InG = 0, InB = 0, InA = 1.0f;
	const int32 Read = std::swscanf(*InSourceString, L" (R=%f,G=%f,B=%f,A=%f)", &InR, &InG, &InB, &InA);
	if (Read < 3)
	{
		return false;
	}
	R = InR;
	G = InG;
	B = InB;
	A = Read == 4 ? InA : 1.0f;
	return true;
}

FString FColor::ToHex() const
{
	return FString::Printf(TEXT("%02X%02X%02X%02X"), (uint32)R, (uint32)G, (uint32)B, (uint32)A);
}

FColor FColor::FromHex(const FString& HexString)
{
	const TCHAR* Chars = *HexString;
	int32 Length = (int32)std::wcslen(Chars);
	if (Length > 0 && Chars[0] == TEXT('#'))
	{
		++Chars;
		--Length;
	}
	if (Length == 3 || Length == 4)
	{
		const int32 R = HexDigit(Chars[0]);
		const int32 G = HexDigit(Chars[1]);
		const int32 B = HexDigit(Chars[2]);
		const int32 A = Length == 4 ? HexDigit(Chars[3]) : 15;
		return FColor((uint8)((R << 4) + R), (uint8)((G << 4) + G), (uint8)((B << 4) + B), (uint8)((A << 4) + A));
	}
	if (Length == 6 || Length == 8)
	{
		auto Byte = [Chars](int32 Index)
		{
			return (uint8)((HexDigit(Chars[Index]) << 4) + HexDigit(Chars[Index + 1]));
		};
		return FColor(Byte(0), Byte(2), Byte(4), Length == 8 ? Byte(6) : (uint8)255);
	}
	return FColor(0, 0, 0, 0);
}

FString FColor::ToString() const
{
	return FString::Printf(TEXT("(R=%i,G=%i,B=%i,A=%i)"), (int32)R, (int32)G, (int32)B, (int32)A);
}

bool FColor::InitFromString(const FString& InSourceString)
{
	int32 InR = 0, InG = 0, InB = 0, InA = 255;
	const int32 Read = std::swscanf(*InSourceString, L" (R=%d,G=%d,B=%d,A=%d)", &InR, &InG, &InB, &InA);
	if (Read < 3)
	{
		return false;
	}
	R = (uint8)FMath::Clamp(InR, 0, 255);
	G = (uint8)FMath::Clamp(InG, 0, 255);
	B = (uint8)FMath::Clamp(InB, 0, 255);
	A = (uint8)FMath::Clamp(Read == 4 ? InA : 255, 0, 255);
	return true;
}

FColor FColor::MakeRandomColor()
{
	const uint8 Hue = (uint8)(FMath::FRand() * 255.f);
	return FLinearColor(Hue * 360.0f / 255.0f, 1.0f, 1.0f).HSVToLinearRGB().ToFColor(true);
}

FColor FColor::MakeRedToGreenColorFromScalar(float Scalar)
{
	const float RedSclr = FMath::Clamp<float>((1.0f - Scalar) / 0.5f, 0.f, 1.f);
	const float GreenSclr = FMath::Clamp<float>((Scalar / 0.5f), 0.f, 1.f);
	const int32 R = FMath::TruncToInt(255 * RedSclr);
	const int32 G = FMath::TruncToInt(255 * GreenSclr);
	const int32 B = 0;
	return FColor((uint8)R, (uint8)G, (uint8)B);
}
