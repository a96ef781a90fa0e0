// What a style lookup returns when it has nothing better.
#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateBrush.h"
#include "Fonts/SlateFontInfo.h"

class SLATECORE_API FStyleDefaults
{
public:
	static float GetFloat() { return 0.f; }
	static FVector2D GetVector2D() { return FVector2D(0, 0); }
	static const FLinearColor& GetColor();
	static const FSlateColor& GetSlateColor();
	static const FMargin& GetMargin();
	static const FSlateBrush* GetNoBrush();
	static const FSlateFontInfo GetFontInfo(float Size = 10.f);
};
