// Draw effects applied to a draw element.
#pragma once

#include "CoreMinimal.h"

enum class ESlateDrawEffect : uint8
{
	None = 0,
	NoBlending = 1 << 0,
	PreMultipliedAlpha = 1 << 1,
	NoGamma = 1 << 2,
	InvertAlpha = 1 << 3,
	NoPixelSnapping = 1 << 4,
	DisabledEffect = 1 << 5,
	IgnoreTextureAlpha = 1 << 6,
	ReverseGamma = 1 << 7,
};

inline constexpr ESlateDrawEffect operator|(ESlateDrawEffect A, ESlateDrawEffect B) { return (ESlateDrawEffect)((uint8)A | (uint8)B); }
inline constexpr ESlateDrawEffect operator&(ESlateDrawEffect A, ESlateDrawEffect B) { return (ESlateDrawEffect)((uint8)A & (uint8)B); }
inline ESlateDrawEffect& operator|=(ESlateDrawEffect& A, ESlateDrawEffect B) { return A = A | B; }
inline ESlateDrawEffect& operator&=(ESlateDrawEffect& A, ESlateDrawEffect B) { return A = A & B; }
inline constexpr ESlateDrawEffect operator~(ESlateDrawEffect A) { return (ESlateDrawEffect)~(uint8)A; }
inline constexpr bool operator!(ESlateDrawEffect A) { return (uint8)A == 0; }
