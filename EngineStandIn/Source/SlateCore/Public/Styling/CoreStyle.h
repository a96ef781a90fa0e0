// FCoreStyle: Slate's own base style ("CoreStyle") and its default font.
#pragma once

#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"
#include "Fonts/SlateFontInfo.h"

class SLATECORE_API FCoreStyle
{
public:
	static const ISlateStyle& Get();
	static FSlateFontInfo GetDefaultFontStyle(const FName TypefaceFontName, const float Size, const FFontOutlineSettings& OutlineSettings = FFontOutlineSettings());
	static bool IsInitialized();
};
