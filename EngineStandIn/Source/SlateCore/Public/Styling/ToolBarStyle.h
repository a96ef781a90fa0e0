// FToolBarStyle: how a tool bar and its buttons look.
#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateTypes.h"
#include "Styling/SlateWidgetStyle.h"

struct FToolBarStyle : public FSlateWidgetStyle
{
	static inline const FName TypeName = FName(TEXT("FToolBarStyle"));
	virtual const FName GetTypeName() const override { return TypeName; }

	static const FToolBarStyle& GetDefault()
	{
		static const FToolBarStyle Default;
		return Default;
	}

	FSlateBrush BackgroundBrush;
	FToolBarStyle& SetBackground(const FSlateBrush& InBackground)
	{
		BackgroundBrush = InBackground;
		return *this;
	}

	FTextBlockStyle LabelStyle = FTextBlockStyle::GetDefault();
	FToolBarStyle& SetLabelStyle(const FTextBlockStyle& InLabelStyle)
	{
		LabelStyle = InLabelStyle;
		return *this;
	}

	FButtonStyle ButtonStyle = FButtonStyle::GetDefault();
	FToolBarStyle& SetButtonStyle(const FButtonStyle& InButtonStyle)
	{
		ButtonStyle = InButtonStyle;
		return *this;
	}

	FCheckBoxStyle ToggleButton = FCheckBoxStyle::GetDefault();
	FToolBarStyle& SetToggleButtonStyle(const FCheckBoxStyle& InToggleButton)
	{
		ToggleButton = InToggleButton;
		return *this;
	}
};
