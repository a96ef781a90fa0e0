// SLeafWidget: a widget without children that paints itself.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Widgets/SWidget.h"

class SLATECORE_API SLeafWidget : public SWidget
{
public:
	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override = 0;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override = 0;
	virtual FChildren* GetChildren() override final;
	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override final;
};
