// FWidgetStyle: what a parent hands down when painting (tint and foreground colours).
#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateColor.h"

class FWidgetStyle
{
public:
	FWidgetStyle()
		: ColorAndOpacityTint(FLinearColor::White)
		, ForegroundColor(FLinearColor::White)
		, SubduedForegroundColor(FLinearColor(1.f, 1.f, 1.f, 0.6f))
	{
	}

	FWidgetStyle& BlendColorAndOpacityTint(const FLinearColor& InTint)
	{
		ColorAndOpacityTint = ColorAndOpacityTint * InTint;
		return *this;
	}

	FWidgetStyle& SetColorAndOpacityTint(const FLinearColor& InTint)
	{
		ColorAndOpacityTint = InTint;
		return *this;
	}

	FWidgetStyle& SetForegroundColor(const TAttribute<FSlateColor>& InForeground);

	FWidgetStyle& SetForegroundColor(const FLinearColor& InForeground)
	{
		ForegroundColor = InForeground;
		SubduedForegroundColor = InForeground * FLinearColor(1.f, 1.f, 1.f, 0.6f);
		return *this;
	}

	FWidgetStyle& BlendOpacity(float InOpacity)
	{
		ColorAndOpacityTint.A *= InOpacity;
		return *this;
	}

	const FLinearColor& GetColorAndOpacityTint() const { return ColorAndOpacityTint; }
	const FLinearColor& GetForegroundColor() const { return ForegroundColor; }
	const FLinearColor& GetSubduedForegroundColor() const { return SubduedForegroundColor; }

private:
	FLinearColor ColorAndOpacityTint;
	FLinearColor ForegroundColor;
	FLinearColor SubduedForegroundColor;
};

inline FWidgetStyle& FWidgetStyle::SetForegroundColor(const TAttribute<FSlateColor>& InForeground)
{
	if (InForeground.IsSet())
	{
		const FLinearColor Color = InForeground.Get().GetColor(*this);
		SetForegroundColor(Color);
	}
	return *this;
}
