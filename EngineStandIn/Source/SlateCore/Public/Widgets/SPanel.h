// SPanel: a widget that lays out several children; it paints them in order.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Widgets/SWidget.h"

class SLATECORE_API SPanel : public SWidget
{
public:
	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;
	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override = 0;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override = 0;
	virtual FChildren* GetChildren() override = 0;

protected:
	/** Paints the arranged children, each a layer above the previous; returns the highest layer. */
	int32 PaintArrangedChildren(const FPaintArgs& Args, const FArrangedChildren& ArrangedChildren, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
		FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const;
};
