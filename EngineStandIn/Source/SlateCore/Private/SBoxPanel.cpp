#include "Widgets/SBoxPanel.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Images/SImage.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/LayoutUtils.h"
#include "Rendering/DrawElements.h"

SBoxPanel::SBoxPanel(EOrientation InOrientation)
	: Children(this)
	, Orientation(InOrientation)
{
}

void SBoxPanel::AddSlotsFromArguments(const TArray<TSharedRef<FSlot>>& InSlots)
{
	for (const TSharedRef<FSlot>& Slot : InSlots)
	{
		Children.AddSlot(Slot);
	}
}

FVector2D SBoxPanel::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	FVector2f Desired(0.f, 0.f);
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FSlot& Slot = Children[Index];
		const TSharedRef<SWidget>& Child = Slot.GetWidget();
		if (Child->GetVisibility() == EVisibility::Collapsed)
		{
			continue;
		}
		FVector2f ChildSize = FVector2f(Child->GetDesiredSize()) + Slot.GetPadding().GetDesiredSize();
		const float MaxSize = Slot.GetMaxSize();
		if (Orientation == Orient_Horizontal)
		{
			if (MaxSize > 0.f)
			{
				ChildSize.X = FMath::Min(ChildSize.X, MaxSize);
			}
			Desired.X += ChildSize.X;
			Desired.Y = FMath::Max(Desired.Y, ChildSize.Y);
		}
		else
		{
			if (MaxSize > 0.f)
			{
				ChildSize.Y = FMath::Min(ChildSize.Y, MaxSize);
			}
			Desired.Y += ChildSize.Y;
			Desired.X = FMath::Max(Desired.X, ChildSize.X);
		}
	}
	return FVector2D(Desired.X, Desired.Y);
}

void SBoxPanel::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	const FVector2f Allotted = AllottedGeometry.GetLocalSize();
	const bool bHorizontal = Orientation == Orient_Horizontal;
	const float AxisSize = bHorizontal ? Allotted.X : Allotted.Y;
	const float CrossSize = bHorizontal ? Allotted.Y : Allotted.X;

	// Auto slots take their desired size; stretch slots share what is left by their fill values.
	float FixedTotal = 0.f;
	float StretchTotal = 0.f;
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FSlot& Slot = Children[Index];
		if (Slot.GetWidget()->GetVisibility() == EVisibility::Collapsed)
		{
			continue;
		}
		const FMargin Padding = Slot.GetPadding();
		FixedTotal += bHorizontal ? Padding.Left + Padding.Right : Padding.Top + Padding.Bottom;
		if (Slot.GetSizeRule() == FSizeParam::SizeRule_Auto)
		{
			const FVector2f Desired = Slot.GetWidget()->GetDesiredSize();
			float Size = bHorizontal ? Desired.X : Desired.Y;
			if (Slot.GetMaxSize() > 0.f)
			{
				Size = FMath::Min(Size, Slot.GetMaxSize());
			}
			FixedTotal += Size;
		}
		else
		{
			StretchTotal += Slot.GetSizeValue();
		}
	}
	const float StretchSpace = FMath::Max(0.f, AxisSize - FixedTotal);

	float Offset = 0.f;
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FSlot& Slot = Children[Index];
		const TSharedRef<SWidget>& Child = Slot.GetWidget();
		const EVisibility ChildVisibility = Child->GetVisibility();
		if (ChildVisibility == EVisibility::Collapsed)
		{
			continue;
		}
		const FMargin Padding = Slot.GetPadding();
		const FVector2f Desired = Child->GetDesiredSize();
		float SlotSize;
		if (Slot.GetSizeRule() == FSizeParam::SizeRule_Auto)
		{
			SlotSize = bHorizontal ? Desired.X : Desired.Y;
		}
		else
		{
			SlotSize = StretchTotal > 0.f ? StretchSpace * Slot.GetSizeValue() / StretchTotal : 0.f;
		}
		if (Slot.GetMaxSize() > 0.f)
		{
			SlotSize = FMath::Min(SlotSize, Slot.GetMaxSize());
		}

		const float PadStart = bHorizontal ? Padding.Left : Padding.Top;
		const float PadEnd = bHorizontal ? Padding.Right : Padding.Bottom;
		const int32 AxisAlign = bHorizontal ? (int32)Slot.GetHorizontalAlignment() : (int32)Slot.GetVerticalAlignment();
		const int32 CrossAlign = bHorizontal ? (int32)Slot.GetVerticalAlignment() : (int32)Slot.GetHorizontalAlignment();
		const AlignmentArrangeResult Axis = AlignChildAlongAxis(SlotSize + PadStart + PadEnd, bHorizontal ? Desired.X : Desired.Y, PadStart, PadEnd, AxisAlign);
		const AlignmentArrangeResult Cross = AlignChildAlongAxis(CrossSize, bHorizontal ? Desired.Y : Desired.X, bHorizontal ? Padding.Top : Padding.Left,
			bHorizontal ? Padding.Bottom : Padding.Right, CrossAlign);

		const FVector2f ChildOffset = bHorizontal ? FVector2f(Offset + Axis.Offset, Cross.Offset) : FVector2f(Cross.Offset, Offset + Axis.Offset);
		const FVector2f ChildSize = bHorizontal ? FVector2f(Axis.Size, Cross.Size) : FVector2f(Cross.Size, Axis.Size);
		ArrangedChildren.AddWidget(ChildVisibility, FArrangedWidget(Child, AllottedGeometry.MakeChild(ChildOffset, ChildSize)));
		Offset += SlotSize + PadStart + PadEnd;
	}
}

SHorizontalBox::SHorizontalBox()
	: SBoxPanel(Orient_Horizontal)
{
}

SHorizontalBox::FSlotArguments SHorizontalBox::Slot()
{
	return FSlotArguments();
}

void SHorizontalBox::Construct(const FArguments& InArgs)
{
	for (const FSlotArguments& SlotArgs : InArgs._Slots)
	{
		Children.AddSlot(SlotArgs.GetSlotRef());
	}
}

SHorizontalBox::FScopedWidgetSlotArguments SHorizontalBox::AddSlot()
{
	return FScopedWidgetSlotArguments(Children, INDEX_NONE);
}

SHorizontalBox::FScopedWidgetSlotArguments SHorizontalBox::InsertSlot(int32 Index)
{
	return FScopedWidgetSlotArguments(Children, Index);
}

SVerticalBox::SVerticalBox()
	: SBoxPanel(Orient_Vertical)
{
}

SVerticalBox::FSlotArguments SVerticalBox::Slot()
{
	return FSlotArguments();
}

void SVerticalBox::Construct(const FArguments& InArgs)
{
	for (const FSlotArguments& SlotArgs : InArgs._Slots)
	{
		Children.AddSlot(SlotArgs.GetSlotRef());
	}
}

SVerticalBox::FScopedWidgetSlotArguments SVerticalBox::AddSlot()
{
	return FScopedWidgetSlotArguments(Children, INDEX_NONE);
}

SVerticalBox::FScopedWidgetSlotArguments SVerticalBox::InsertSlot(int32 Index)
{
	return FScopedWidgetSlotArguments(Children, Index);
}

// Overlay

SOverlay::SOverlay()
	: Children(this)
{
}

SOverlay::FOverlaySlot::FSlotArguments SOverlay::Slot()
{
	return FOverlaySlot::FSlotArguments();
}

void SOverlay::Construct(const FArguments& InArgs)
{
	for (const FOverlaySlot::FSlotArguments& SlotArgs : InArgs._Slots)
	{
		Children.AddSlot(SlotArgs.GetSlotRef());
	}
}

SOverlay::FOverlaySlot& SOverlay::AddSlot(int32 ZOrder)
{
	TSharedRef<FOverlaySlot> NewSlot = MakeShared<FOverlaySlot>();
	NewSlot->SetZOrder(ZOrder == INDEX_NONE ? Children.Num() : ZOrder);
	Children.AddSlot(NewSlot);
	return NewSlot.Get();
}

FVector2D SOverlay::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	FVector2f Desired(0.f, 0.f);
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FOverlaySlot& Slot = Children[Index];
		if (Slot.GetWidget()->GetVisibility() == EVisibility::Collapsed)
		{
			continue;
		}
		const FVector2f ChildSize = FVector2f(Slot.GetWidget()->GetDesiredSize()) + Slot.GetPadding().GetDesiredSize();
		Desired.X = FMath::Max(Desired.X, ChildSize.X);
		Desired.Y = FMath::Max(Desired.Y, ChildSize.Y);
	}
	return FVector2D(Desired.X, Desired.Y);
}

void SOverlay::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	const FVector2f Size = AllottedGeometry.GetLocalSize();
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FOverlaySlot& Slot = Children[Index];
		const TSharedRef<SWidget>& Child = Slot.GetWidget();
		const EVisibility ChildVisibility = Child->GetVisibility();
		if (!ArrangedChildren.Accepts(ChildVisibility))
		{
			continue;
		}
		const FVector2f Desired = Child->GetDesiredSize();
		const AlignmentArrangeResult X = AlignChild<Orient_Horizontal>(Size.X, Desired.X, Slot.GetPadding(), Slot.GetHorizontalAlignment());
		const AlignmentArrangeResult Y = AlignChild<Orient_Vertical>(Size.Y, Desired.Y, Slot.GetPadding(), Slot.GetVerticalAlignment());
		ArrangedChildren.AddWidget(ChildVisibility, FArrangedWidget(Child, AllottedGeometry.MakeChild(FVector2f(X.Offset, Y.Offset), FVector2f(X.Size, Y.Size))));
	}
}

// Image

SImage::SImage()
{
}

void SImage::Construct(const FArguments& InArgs)
{
	Image = InArgs._Image;
	ColorAndOpacity = InArgs._ColorAndOpacity;
	DesiredSizeOverride = InArgs._DesiredSizeOverride;
	bFlipForRightToLeftFlowDirection = InArgs._FlipForRightToLeftFlowDirection;
	OnMouseButtonDownHandler = InArgs._OnMouseButtonDown;
}

int32 SImage::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
	int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	const FSlateBrush* ImageBrush = Image.Get();
	if (ImageBrush != nullptr && ImageBrush->DrawAs != ESlateBrushDrawType::NoDrawType)
	{
		const bool bIsEnabled = ShouldBeEnabled(bParentEnabled);
		const ESlateDrawEffect DrawEffects = bIsEnabled ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect;
		const FLinearColor FinalColorAndOpacity(InWidgetStyle.GetColorAndOpacityTint() * ColorAndOpacity.Get().GetColor(InWidgetStyle) * ImageBrush->GetTint(InWidgetStyle));
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(), ImageBrush, DrawEffects, FinalColorAndOpacity);
	}
	return LayerId;
}

FReply SImage::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (OnMouseButtonDownHandler.IsBound())
	{
		return OnMouseButtonDownHandler.Execute(MyGeometry, MouseEvent);
	}
	return FReply::Unhandled();
}

FVector2D SImage::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	const TOptional<FVector2D> Override = DesiredSizeOverride.Get(TOptional<FVector2D>());
	if (Override.IsSet())
	{
		return Override.GetValue();
	}
	const FSlateBrush* ImageBrush = Image.Get();
	if (ImageBrush != nullptr)
	{
		const FVector2f Size = ImageBrush->ImageSize;
		return FVector2D(Size.X, Size.Y);
	}
	return FVector2D(0, 0);
}
