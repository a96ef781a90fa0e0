#include "Widgets/Layout/SSplitter.h"
#include "Widgets/Layout/SScrollBox.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/LayoutUtils.h"

// SSplitter

SSplitter::SSplitter()
	: Children(this)
{
}

SSplitter::FSlot::FSlotArguments SSplitter::Slot()
{
	return FSlot::FSlotArguments();
}

void SSplitter::Construct(const FArguments& InArgs)
{
	Orientation = InArgs._Orientation;
	PhysicalSplitterHandleSize = InArgs._PhysicalSplitterHandleSize;
	for (const FSlot::FSlotArguments& SlotArgs : InArgs._Slots)
	{
		Children.AddSlot(SlotArgs.GetSlotRef());
	}
}

SSplitter::FSlot::FSlotArguments SSplitter::AddSlot(int32 AtIndex)
{
	FSlot::FSlotArguments Args;
	Children.InsertSlot(Args.GetSlotRef(), AtIndex);
	return Args;
}

FVector2D SSplitter::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	FVector2f Desired(0.f, 0.f);
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FVector2f ChildSize = Children[Index].GetWidget()->GetDesiredSize();
		if (Orientation == Orient_Horizontal)
		{
			Desired.X += ChildSize.X;
			Desired.Y = FMath::Max(Desired.Y, ChildSize.Y);
		}
		else
		{
			Desired.Y += ChildSize.Y;
			Desired.X = FMath::Max(Desired.X, ChildSize.X);
		}
	}
	const float Handles = FMath::Max(0, Children.Num() - 1) * PhysicalSplitterHandleSize;
	return Orientation == Orient_Horizontal ? FVector2D(Desired.X + Handles, Desired.Y) : FVector2D(Desired.X, Desired.Y + Handles);
}

void SSplitter::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	const FVector2f Size = AllottedGeometry.GetLocalSize();
	const bool bHorizontal = Orientation == Orient_Horizontal;
	const float AxisSize = bHorizontal ? Size.X : Size.Y;
	const float Space = FMath::Max(0.f, AxisSize - FMath::Max(0, Children.Num() - 1) * PhysicalSplitterHandleSize);

	float FixedTotal = 0.f;
	float FractionTotal = 0.f;
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FSlot& Slot = Children[Index];
		if (Slot.GetSizingRule() == SizeToContent)
		{
			const FVector2f Desired = Slot.GetWidget()->GetDesiredSize();
			FixedTotal += bHorizontal ? Desired.X : Desired.Y;
		}
		else
		{
			FractionTotal += Slot.GetSizeValue();
		}
	}
	float Offset = 0.f;
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FSlot& Slot = Children[Index];
		const TSharedRef<SWidget>& Child = Slot.GetWidget();
		float SlotSize;
		if (Slot.GetSizingRule() == SizeToContent)
		{
			const FVector2f Desired = Child->GetDesiredSize();
			SlotSize = bHorizontal ? Desired.X : Desired.Y;
		}
		else
		{
			SlotSize = FractionTotal > 0.f ? FMath::Max(0.f, Space - FixedTotal) * Slot.GetSizeValue() / FractionTotal : 0.f;
		}
		const FVector2f ChildOffset = bHorizontal ? FVector2f(Offset, 0.f) : FVector2f(0.f, Offset);
		const FVector2f ChildSize = bHorizontal ? FVector2f(SlotSize, Size.Y) : FVector2f(Size.X, SlotSize);
		ArrangedChildren.AddWidget(Child->GetVisibility(), FArrangedWidget(Child, AllottedGeometry.MakeChild(ChildOffset, ChildSize)));
		Offset += SlotSize + PhysicalSplitterHandleSize;
	}
}

// SScrollBox

SScrollBox::SScrollBox()
{
}

SScrollBox::FSlotArguments SScrollBox::Slot()
{
	FSlotArguments Args;
	Args.AutoSize();
	return Args;
}

void SScrollBox::Construct(const FArguments& InArgs)
{
	Orientation = InArgs._Orientation;
	OnUserScrolled = InArgs._OnUserScrolled;
	if (Orientation == Orient_Vertical)
	{
		Panel = SNew(SVerticalBox);
	}
	else
	{
		Panel = SNew(SHorizontalBox);
	}
	for (const FSlotArguments& SlotArgs : InArgs._Slots)
	{
		Panel->Children.AddSlot(SlotArgs.GetSlotRef());
	}
	ChildSlot[Panel.ToSharedRef()];
}

SScrollBox::FScopedWidgetSlotArguments SScrollBox::AddSlot()
{
	// Scroll box slots size to their content unless told otherwise.
	return FScopedWidgetSlotArguments(Panel->Children, INDEX_NONE, true);
}

void SScrollBox::SetScrollOffset(float NewScrollOffset)
{
	const float MaxOffset = FMath::Max(0.f, Orientation == Orient_Vertical ? (float)Panel->GetDesiredSize().Y : (float)Panel->GetDesiredSize().X);
	ScrollOffset = FMath::Clamp(NewScrollOffset, 0.f, MaxOffset);
}
