// SCompoundWidget: a widget made of one child (ChildSlot), usually a tree built in Construct.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Layout/Margin.h"
#include "SlotBase.h"
#include "Styling/SlateColor.h"
#include "Types/SlateEnums.h"
#include "Widgets/SWidget.h"

/** The single child of a compound widget with its alignment and padding. */
class SLATECORE_API FCompoundWidgetOneChildSlot : public FChildren, public TSlotBase<FCompoundWidgetOneChildSlot>
{
public:
	explicit FCompoundWidgetOneChildSlot(SWidget* InOwner)
		: FChildren(InOwner)
	{
		SetOwnerWidget(InOwner);
	}

	virtual int32 Num() const override { return 1; }
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override { return GetWidget(); }
	virtual TSharedRef<const SWidget> GetChildAt(int32 Index) const override { return GetWidget(); }

	FCompoundWidgetOneChildSlot& HAlign(EHorizontalAlignment InAlignment)
	{
		HAlignment = InAlignment;
		return *this;
	}

	FCompoundWidgetOneChildSlot& VAlign(EVerticalAlignment InAlignment)
	{
		VAlignment = InAlignment;
		return *this;
	}

	FCompoundWidgetOneChildSlot& Padding(const TAttribute<FMargin>& InPadding)
	{
		SlotPadding = InPadding;
		return *this;
	}

	FCompoundWidgetOneChildSlot& Padding(float Uniform) { return Padding(TAttribute<FMargin>(FMargin(Uniform))); }
	FCompoundWidgetOneChildSlot& Padding(float Horizontal, float Vertical) { return Padding(TAttribute<FMargin>(FMargin(Horizontal, Vertical))); }
	FCompoundWidgetOneChildSlot& Padding(float Left, float Top, float Right, float Bottom) { return Padding(TAttribute<FMargin>(FMargin(Left, Top, Right, Bottom))); }

	void SetHorizontalAlignment(EHorizontalAlignment InAlignment) { HAlignment = InAlignment; }
	void SetVerticalAlignment(EVerticalAlignment InAlignment) { VAlignment = InAlignment; }
	void SetPadding(const TAttribute<FMargin>& InPadding) { SlotPadding = InPadding; }

	EHorizontalAlignment GetHorizontalAlignment() const { return HAlignment; }
	EVerticalAlignment GetVerticalAlignment() const { return VAlignment; }
	FMargin GetPadding() const { return SlotPadding.Get(FMargin(0)); }

private:
	EHorizontalAlignment HAlignment = HAlign_Fill;
	EVerticalAlignment VAlignment = VAlign_Fill;
	TAttribute<FMargin> SlotPadding = FMargin(0);
};

class SLATECORE_API SCompoundWidget : public SWidget
{
public:
	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	virtual FChildren* GetChildren() override { return &ChildSlot; }
	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;

	FSlateColor GetForegroundColor() const { return ForegroundColor.Get(); }
	const FLinearColor& GetColorAndOpacity() const { return ColorAndOpacity.Get(); }
	void SetColorAndOpacity(const TAttribute<FLinearColor>& InColorAndOpacity) { ColorAndOpacity = InColorAndOpacity; }
	void SetForegroundColor(TAttribute<FSlateColor> InForegroundColor) { ForegroundColor = InForegroundColor; }

protected:
	SCompoundWidget();

	FCompoundWidgetOneChildSlot ChildSlot;
	TAttribute<FVector2D> ContentScale = FVector2D(1, 1);
	TAttribute<FLinearColor> ColorAndOpacity = FLinearColor::White;
	TAttribute<FSlateColor> ForegroundColor = FSlateColor::UseForeground();
};
