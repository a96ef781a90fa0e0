// SBorder: one child drawn over a brush (the border image), with padding and alignment.
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/SCompoundWidget.h"

class SLATE_API SBorder : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SBorder)
		: _Content()
		, _HAlign(HAlign_Fill)
		, _VAlign(VAlign_Fill)
		, _Padding(FMargin(2.0f))
		, _BorderImage(FCoreStyle::Get().GetBrush("Border"))
		, _ContentScale(FVector2D(1, 1))
		, _DesiredSizeScale(FVector2D(1, 1))
		, _ColorAndOpacity(FLinearColor(1, 1, 1, 1))
		, _BorderBackgroundColor(FLinearColor::White)
		, _ForegroundColor(FSlateColor::UseForeground())
		, _ShowEffectWhenDisabled(true)
		, _FlipForRightToLeftFlowDirection(false)
	{
	}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
		SLATE_ARGUMENT(EVerticalAlignment, VAlign)
		SLATE_ATTRIBUTE(FMargin, Padding)
		SLATE_EVENT(FPointerEventHandler, OnMouseButtonDown)
		SLATE_EVENT(FPointerEventHandler, OnMouseButtonUp)
		SLATE_EVENT(FPointerEventHandler, OnMouseMove)
		SLATE_EVENT(FPointerEventHandler, OnMouseDoubleClick)
		SLATE_ATTRIBUTE(const FSlateBrush*, BorderImage)
		SLATE_ATTRIBUTE(FVector2D, ContentScale)
		SLATE_ATTRIBUTE(FVector2D, DesiredSizeScale)
		SLATE_ATTRIBUTE(FLinearColor, ColorAndOpacity)
		SLATE_ATTRIBUTE(FSlateColor, BorderBackgroundColor)
		SLATE_ATTRIBUTE(FSlateColor, ForegroundColor)
		SLATE_ATTRIBUTE(bool, ShowEffectWhenDisabled)
		SLATE_ARGUMENT(bool, FlipForRightToLeftFlowDirection)
	SLATE_END_ARGS()

	SBorder();
	void Construct(const FArguments& InArgs);

	void SetContent(TSharedRef<SWidget> InContent) { ChildSlot.AttachWidget(InContent); }
	const TSharedRef<SWidget>& GetContent() const { return ChildSlot.GetWidget(); }
	void ClearContent() { ChildSlot.DetachWidget(); }
	void SetBorderImage(TAttribute<const FSlateBrush*> InBorderImage) { BorderImage = InBorderImage; }
	const FSlateBrush* GetBorderImage() const { return BorderImage.Get(); }
	void SetBorderBackgroundColor(TAttribute<FSlateColor> InColorAndOpacity) { BorderBackgroundColor = InColorAndOpacity; }
	FSlateColor GetBorderBackgroundColor() const { return BorderBackgroundColor.Get(); }
	void SetDesiredSizeScale(TAttribute<FVector2D> InDesiredSizeScale) { DesiredSizeScale = InDesiredSizeScale; }
	void SetHAlign(EHorizontalAlignment HAlign) { ChildSlot.SetHorizontalAlignment(HAlign); }
	void SetVAlign(EVerticalAlignment VAlign) { ChildSlot.SetVerticalAlignment(VAlign); }
	void SetPadding(TAttribute<FMargin> InPadding) { ChildSlot.SetPadding(InPadding); }
	void SetOnMouseButtonDown(FPointerEventHandler EventHandler) { MouseButtonDownHandler = EventHandler; }
	void SetOnMouseButtonUp(FPointerEventHandler EventHandler) { MouseButtonUpHandler = EventHandler; }
	void SetOnMouseMove(FPointerEventHandler EventHandler) { MouseMoveHandler = EventHandler; }
	void SetOnMouseDoubleClick(FPointerEventHandler EventHandler) { MouseDoubleClickHandler = EventHandler; }

	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual FReply OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual FReply OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual FReply OnMouseButtonDoubleClick(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;

protected:
	TAttribute<const FSlateBrush*> BorderImage;
	TAttribute<FSlateColor> BorderBackgroundColor;
	TAttribute<FVector2D> DesiredSizeScale;
	bool bShowDisabledEffect = true;
	bool bFlipForRightToLeftFlowDirection = false;
	FPointerEventHandler MouseButtonDownHandler;
	FPointerEventHandler MouseButtonUpHandler;
	FPointerEventHandler MouseMoveHandler;
	FPointerEventHandler MouseDoubleClickHandler;
};
