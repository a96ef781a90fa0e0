// SImage: draws one brush.
#pragma once

#include "CoreMinimal.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

class SLATECORE_API SImage : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SImage)
		: _Image(FCoreStyle::Get().GetDefaultBrush())
		, _ColorAndOpacity(FLinearColor::White)
		, _FlipForRightToLeftFlowDirection(false)
	{
	}
		SLATE_ATTRIBUTE(const FSlateBrush*, Image)
		SLATE_ATTRIBUTE(FSlateColor, ColorAndOpacity)
		SLATE_ATTRIBUTE(TOptional<FVector2D>, DesiredSizeOverride)
		SLATE_ARGUMENT(bool, FlipForRightToLeftFlowDirection)
		SLATE_EVENT(FPointerEventHandler, OnMouseButtonDown)
	SLATE_END_ARGS()

	SImage();
	void Construct(const FArguments& InArgs);

	void SetImage(TAttribute<const FSlateBrush*> InImage) { Image = MoveTemp(InImage); }
	void SetColorAndOpacity(const TAttribute<FSlateColor>& InColorAndOpacity) { ColorAndOpacity = InColorAndOpacity; }
	void SetColorAndOpacity(FLinearColor InColorAndOpacity) { ColorAndOpacity = FSlateColor(InColorAndOpacity); }
	void SetDesiredSizeOverride(TAttribute<TOptional<FVector2D>> InDesiredSizeOverride) { DesiredSizeOverride = MoveTemp(InDesiredSizeOverride); }
	void SetOnMouseButtonDown(FPointerEventHandler EventHandler) { OnMouseButtonDownHandler = EventHandler; }

	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;
	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;

protected:
	friend struct UE::StandIn::FSlateWidgetAccess;

	TAttribute<const FSlateBrush*> Image;
	TAttribute<FSlateColor> ColorAndOpacity;
	TAttribute<TOptional<FVector2D>> DesiredSizeOverride;
	bool bFlipForRightToLeftFlowDirection = false;
	FPointerEventHandler OnMouseButtonDownHandler;
};
