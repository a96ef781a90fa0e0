// FSlateWidgetStyle: the base of every widget style a style set can hold.
#pragma once

#include "CoreMinimal.h"

struct FSlateBrush;

struct FSlateWidgetStyle
{
	FSlateWidgetStyle()
	{
	}
	virtual ~FSlateWidgetStyle()
	{
	}

	/** Collects the brushes the style uses. */
	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const
	{
	}

	/** The style's type name; a style set looks widget styles up by key and type name. */
	virtual const FName GetTypeName() const = 0;
};
