// STextBlock: a read-only text; the Text attribute is polled whenever the text is read or painted.
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Framework/Text/TextLayout.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

class SLATE_API STextBlock : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(STextBlock)
		: _Text()
		, _TextStyle(&FCoreStyle::Get().GetWidgetStyle<FTextBlockStyle>("NormalText"))
		, _WrapTextAt(0.0f)
		, _AutoWrapText(false)
		, _Justification(ETextJustify::Left)
		, _LineHeightPercentage(1.0f)
		, _MinDesiredWidth(0.0f)
		, _SimpleTextMode(false)
	{
	}
		SLATE_ATTRIBUTE(FText, Text)
		SLATE_STYLE_ARGUMENT(FTextBlockStyle, TextStyle)
		SLATE_ATTRIBUTE(FSlateFontInfo, Font)
		SLATE_ATTRIBUTE(FSlateColor, ColorAndOpacity)
		SLATE_ATTRIBUTE(FVector2D, ShadowOffset)
		SLATE_ATTRIBUTE(FLinearColor, ShadowColorAndOpacity)
		SLATE_ATTRIBUTE(FSlateColor, HighlightColor)
		SLATE_ATTRIBUTE(FText, HighlightText)
		SLATE_ATTRIBUTE(float, WrapTextAt)
		SLATE_ATTRIBUTE(bool, AutoWrapText)
		SLATE_ATTRIBUTE(ETextJustify::Type, Justification)
		SLATE_ATTRIBUTE(FMargin, Margin)
		SLATE_ATTRIBUTE(float, LineHeightPercentage)
		SLATE_ATTRIBUTE(float, MinDesiredWidth)
		SLATE_ARGUMENT(bool, SimpleTextMode)
		SLATE_ARGUMENT(TOptional<ETextOverflowPolicy>, OverflowPolicy)
		SLATE_ATTRIBUTE(ETextTransformPolicy, TransformPolicy)
		SLATE_EVENT(FPointerEventHandler, OnDoubleClicked)
	SLATE_END_ARGS()

	STextBlock();
	void Construct(const FArguments& InArgs);

	/** The text as shown now (the attribute is polled). */
	const FText& GetText() const;
	void SetText(TAttribute<FText> InText);
	void SetText(const FText& InText) { SetText(TAttribute<FText>(InText)); }
	void SetFont(const TAttribute<FSlateFontInfo>& InFont) { Font = InFont; }
	void SetColorAndOpacity(const TAttribute<FSlateColor>& InColorAndOpacity) { ColorAndOpacity = InColorAndOpacity; }
	void SetTextStyle(const FTextBlockStyle* InTextStyle) { TextStyle = InTextStyle ? *InTextStyle : FTextBlockStyle::GetDefault(); }
	void SetJustification(const TAttribute<ETextJustify::Type>& InJustification) { Justification = InJustification; }
	void SetAutoWrapText(const TAttribute<bool>& InAutoWrapText) { AutoWrapText = InAutoWrapText; }
	void SetWrapTextAt(const TAttribute<float>& InWrapTextAt) { WrapTextAt = InWrapTextAt; }
	void SetMargin(const TAttribute<FMargin>& InMargin) { Margin = InMargin; }
	void SetHighlightText(TAttribute<FText> InText) { HighlightText = InText; }
	void SetMinDesiredWidth(const TAttribute<float>& InMinDesiredWidth) { MinDesiredWidth = InMinDesiredWidth; }

	FSlateFontInfo GetFont() const;
	FSlateColor GetColorAndOpacity() const;
	ETextJustify::Type GetJustification() const { return Justification.Get(ETextJustify::Left); }
	bool GetAutoWrapText() const { return AutoWrapText.Get(false); }

	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	virtual FReply OnMouseButtonDoubleClick(const FGeometry& InMyGeometry, const FPointerEvent& InMouseEvent) override;

private:
	TAttribute<FText> BoundText;
	mutable FText CachedText;
	FTextBlockStyle TextStyle;
	TAttribute<FSlateFontInfo> Font;
	TAttribute<FSlateColor> ColorAndOpacity;
	TAttribute<FVector2D> ShadowOffset;
	TAttribute<FLinearColor> ShadowColorAndOpacity;
	TAttribute<FText> HighlightText;
	TAttribute<float> WrapTextAt;
	TAttribute<bool> AutoWrapText;
	TAttribute<ETextJustify::Type> Justification;
	TAttribute<FMargin> Margin;
	TAttribute<float> MinDesiredWidth;
	TAttribute<ETextTransformPolicy> TransformPolicy;
	FPointerEventHandler OnDoubleClicked;
};
