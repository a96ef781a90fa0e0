// Why a widget asks to be laid out or painted again. The stand-in paints on request, so these are hints.
#pragma once

#include "CoreMinimal.h"

enum class EInvalidateWidgetReason : uint8
{
	None = 0,
	Layout = 1 << 0,
	Paint = 1 << 1,
	Volatility = 1 << 2,
	ChildOrder = 1 << 3,
	RenderTransform = 1 << 4,
	Visibility = 1 << 5,
	AttributeRegistration = 1 << 6,
	Prepass = 1 << 7,
	PaintAndVolatility = Paint | Volatility,
	LayoutAndVolatility = Layout | Volatility,
};

inline constexpr EInvalidateWidgetReason operator|(EInvalidateWidgetReason A, EInvalidateWidgetReason B) { return (EInvalidateWidgetReason)((uint8)A | (uint8)B); }
inline constexpr EInvalidateWidgetReason operator&(EInvalidateWidgetReason A, EInvalidateWidgetReason B) { return (EInvalidateWidgetReason)((uint8)A & (uint8)B); }
