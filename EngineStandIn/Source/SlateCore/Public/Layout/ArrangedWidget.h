// FArrangedWidget: a widget with the geometry its parent gave it.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Geometry.h"

class SWidget;

class FArrangedWidget
{
public:
	FArrangedWidget(TSharedRef<SWidget> InWidget, const FGeometry& InGeometry)
		: Geometry(InGeometry)
		, Widget(InWidget)
	{
	}

	SWidget* GetWidgetPtr() const { return &Widget.Get(); }

	FGeometry Geometry;
	TSharedRef<SWidget> Widget;
};
