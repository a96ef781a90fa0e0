// SSpacer: empty space of a given size.
#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

class SLATE_API SSpacer : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SSpacer)
		: _Size(FVector2D::ZeroVector)
	{
	}
		SLATE_ATTRIBUTE(FVector2D, Size)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs) { SpacerSize = InArgs._Size; }

	FVector2D GetSize() const { return SpacerSize.Get(); }
	void SetSize(TAttribute<FVector2D> InSpacerSize) { SpacerSize = InSpacerSize; }

	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override
	{
		return LayerId;
	}

	virtual FVector2D ComputeDesiredSize(float) const override { return SpacerSize.Get(); }

private:
	TAttribute<FVector2D> SpacerSize;
};
