// FSlateFontInfo: a font (object or name), its typeface and size.
#pragma once

#include "CoreMinimal.h"

class UObject;

struct FFontOutlineSettings
{
	int32 OutlineSize = 0;
	FLinearColor OutlineColor = FLinearColor::Black;

	bool operator==(const FFontOutlineSettings& Other) const { return OutlineSize == Other.OutlineSize && OutlineColor == Other.OutlineColor; }
};

struct FSlateFontInfo
{
	/** The font asset, when the font comes from one. */
	const UObject* FontObject = nullptr;
	FFontOutlineSettings OutlineSettings;
	/** The font file or family name given to the name constructors. */
	FName FontName;
	/** The typeface in the font ("Regular", "Bold", ...). */
	FName TypefaceFontName;
	float Size = 24.f;
	int32 LetterSpacing = 0;
	float SkewAmount = 0.f;

	FSlateFontInfo()
	{
	}

	FSlateFontInfo(const UObject* InFontObject, const float InSize, const FName& InTypefaceFontName = NAME_None)
		: FontObject(InFontObject)
		, TypefaceFontName(InTypefaceFontName)
		, Size(InSize)
	{
	}

	FSlateFontInfo(const FString& InFontName, float InSize)
		: FontName(*InFontName)
		, Size(InSize)
	{
	}

	FSlateFontInfo(const FName& InFontName, float InSize)
		: FontName(InFontName)
		, Size(InSize)
	{
	}

	FSlateFontInfo(const ANSICHAR* InFontName, float InSize)
		: FontName(InFontName)
		, Size(InSize)
	{
	}

	FSlateFontInfo(const WIDECHAR* InFontName, float InSize)
		: FontName(InFontName)
		, Size(InSize)
	{
	}

	bool HasValidFont() const { return FontObject != nullptr || !FontName.IsNone() || !TypefaceFontName.IsNone(); }

	bool IsIdenticalTo(const FSlateFontInfo& Other) const
	{
		return FontObject == Other.FontObject && FontName == Other.FontName && TypefaceFontName == Other.TypefaceFontName && Size == Other.Size
			&& LetterSpacing == Other.LetterSpacing && OutlineSettings == Other.OutlineSettings;
	}

	bool operator==(const FSlateFontInfo& Other) const { return IsIdenticalTo(Other); }
	bool operator!=(const FSlateFontInfo& Other) const { return !IsIdenticalTo(Other); }
};
