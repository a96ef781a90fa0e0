// The style of a segmented control.
#pragma once

#include "Styling/SlateTypes.h"

struct SLATECORE_API FSegmentedControlStyle : public FSlateWidgetStyle
{
	FSegmentedControlStyle();
	virtual ~FSegmentedControlStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FSegmentedControlStyle& GetDefault();

	FCheckBoxStyle ControlStyle;
	FSegmentedControlStyle& SetControlStyle(const FCheckBoxStyle& InControlStyle)
	{
		ControlStyle = InControlStyle;
		return *this;
	}

	FCheckBoxStyle FirstControlStyle;
	FSegmentedControlStyle& SetFirstControlStyle(const FCheckBoxStyle& InFirstControlStyle)
	{
		FirstControlStyle = InFirstControlStyle;
		return *this;
	}

	FCheckBoxStyle LastControlStyle;
	FSegmentedControlStyle& SetLastControlStyle(const FCheckBoxStyle& InLastControlStyle)
	{
		LastControlStyle = InLastControlStyle;
		return *this;
	}

	FSlateBrush BackgroundBrush;
	FSegmentedControlStyle& SetBackgroundBrush(const FSlateBrush& InBackgroundBrush)
	{
		BackgroundBrush = InBackgroundBrush;
		return *this;
	}

	FMargin UniformPadding = FMargin(0);
	FSegmentedControlStyle& SetUniformPadding(const FMargin& InUniformPadding)
	{
		UniformPadding = InUniformPadding;
		return *this;
	}

};
