// SBox: one child with size overrides, minimum and maximum sizes, padding and alignment.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Types/SlateStructs.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/SPanel.h"

class SLATE_API SBox : public SPanel
{
public:
	SLATE_BEGIN_ARGS(SBox)
		: _HAlign(HAlign_Fill)
		, _VAlign(VAlign_Fill)
		, _Padding(0.0f)
		, _Content()
		, _WidthOverride(FOptionalSize())
		, _HeightOverride(FOptionalSize())
		, _MinDesiredWidth(FOptionalSize())
		, _MinDesiredHeight(FOptionalSize())
		, _MaxDesiredWidth(FOptionalSize())
		, _MaxDesiredHeight(FOptionalSize())
	{
	}
		SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
		SLATE_ARGUMENT(EVerticalAlignment, VAlign)
		SLATE_ATTRIBUTE(FMargin, Padding)
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_ATTRIBUTE(FOptionalSize, WidthOverride)
		SLATE_ATTRIBUTE(FOptionalSize, HeightOverride)
		SLATE_ATTRIBUTE(FOptionalSize, MinDesiredWidth)
		SLATE_ATTRIBUTE(FOptionalSize, MinDesiredHeight)
		SLATE_ATTRIBUTE(FOptionalSize, MaxDesiredWidth)
		SLATE_ATTRIBUTE(FOptionalSize, MaxDesiredHeight)
		SLATE_ATTRIBUTE(FOptionalSize, MinAspectRatio)
		SLATE_ATTRIBUTE(FOptionalSize, MaxAspectRatio)
	SLATE_END_ARGS()

	SBox();
	void Construct(const FArguments& InArgs);

	void SetContent(const TSharedRef<SWidget>& InContent) { ChildSlot.AttachWidget(InContent); }
	const TSharedRef<SWidget>& GetContent() const { return ChildSlot.GetWidget(); }
	void SetHAlign(EHorizontalAlignment HAlign) { ChildSlot.SetHorizontalAlignment(HAlign); }
	void SetVAlign(EVerticalAlignment VAlign) { ChildSlot.SetVerticalAlignment(VAlign); }
	void SetPadding(TAttribute<FMargin> InPadding) { ChildSlot.SetPadding(InPadding); }
	void SetWidthOverride(TAttribute<FOptionalSize> InWidthOverride) { WidthOverride = InWidthOverride; }
	void SetHeightOverride(TAttribute<FOptionalSize> InHeightOverride) { HeightOverride = InHeightOverride; }
	void SetMinDesiredWidth(TAttribute<FOptionalSize> InMinDesiredWidth) { MinDesiredWidth = InMinDesiredWidth; }
	void SetMinDesiredHeight(TAttribute<FOptionalSize> InMinDesiredHeight) { MinDesiredHeight = InMinDesiredHeight; }
	void SetMaxDesiredWidth(TAttribute<FOptionalSize> InMaxDesiredWidth) { MaxDesiredWidth = InMaxDesiredWidth; }
	void SetMaxDesiredHeight(TAttribute<FOptionalSize> InMaxDesiredHeight) { MaxDesiredHeight = InMaxDesiredHeight; }

	FOptionalSize GetWidthOverride() const { return WidthOverride.Get(FOptionalSize()); }
	FOptionalSize GetHeightOverride() const { return HeightOverride.Get(FOptionalSize()); }
	FOptionalSize GetMinDesiredWidth() const { return MinDesiredWidth.Get(FOptionalSize()); }
	FOptionalSize GetMinDesiredHeight() const { return MinDesiredHeight.Get(FOptionalSize()); }
	FOptionalSize GetMaxDesiredWidth() const { return MaxDesiredWidth.Get(FOptionalSize()); }
	FOptionalSize GetMaxDesiredHeight() const { return MaxDesiredHeight.Get(FOptionalSize()); }

	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	virtual FChildren* GetChildren() override { return &ChildSlot; }

protected:
	FCompoundWidgetOneChildSlot ChildSlot;
	TAttribute<FOptionalSize> WidthOverride;
	TAttribute<FOptionalSize> HeightOverride;
	TAttribute<FOptionalSize> MinDesiredWidth;
	TAttribute<FOptionalSize> MinDesiredHeight;
	TAttribute<FOptionalSize> MaxDesiredWidth;
	TAttribute<FOptionalSize> MaxDesiredHeight;
};
