// SSplitter: children side by side (or stacked), each taking its share (Value) of the space.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "SlotBase.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

namespace ESplitterResizeMode
{
	enum Type : int
	{
		FixedPosition,
		FixedSize,
		Fill,
	};
}

DECLARE_DELEGATE_OneParam(FOnSlotResized, float);
DECLARE_DELEGATE_RetVal_OneParam(FVector2D, FOnGetMaxSlotSize, int32);

class SLATE_API SSplitter : public SPanel
{
public:
	enum ESizeRule
	{
		SizeToContent,
		FractionOfParent,
	};

	class FSlot : public TSlotBase<FSlot>
	{
	public:
		float GetSizeValue() const { return SizeValue.Get(1.0f); }
		ESizeRule GetSizingRule() const { return SizingRule.Get(FractionOfParent); }
		float GetMinSize() const { return MinSizeValue.Get(0.f); }
		void SetSizeValue(TAttribute<float> InValue) { SizeValue = MoveTemp(InValue); }
		void SetSizingRule(TAttribute<ESizeRule> InRule) { SizingRule = MoveTemp(InRule); }
		void SetMinSize(float InMinSize) { MinSizeValue = InMinSize; }
		void SetResizable(bool bInIsResizable) { bIsResizable = bInIsResizable; }
		bool CanBeResized() const { return bIsResizable.Get(true); }
		void SetOnSlotResized(const FOnSlotResized& InHandler) { OnSlotResizedHandler = InHandler; }
		FOnSlotResized& OnSlotResized() { return OnSlotResizedHandler; }

		struct FSlotArguments : public TSlotArgumentsBase<FSlot, FSlotArguments>
		{
			FSlotArguments& Value(TAttribute<float> InValue)
			{
				Slot->SetSizeValue(MoveTemp(InValue));
				return *this;
			}
			FSlotArguments& SizeRule(TAttribute<ESizeRule> InRule)
			{
				Slot->SetSizingRule(MoveTemp(InRule));
				return *this;
			}
			FSlotArguments& MinSize(float InMinSize)
			{
				Slot->SetMinSize(InMinSize);
				return *this;
			}
			FSlotArguments& Resizable(bool bInResizable)
			{
				Slot->SetResizable(bInResizable);
				return *this;
			}
			FSlotArguments& OnSlotResized(const FOnSlotResized& InHandler)
			{
				Slot->SetOnSlotResized(InHandler);
				return *this;
			}
		};

	private:
		TAttribute<float> SizeValue = 1.0f;
		TAttribute<ESizeRule> SizingRule = FractionOfParent;
		TAttribute<float> MinSizeValue = 0.f;
		TAttribute<bool> bIsResizable = true;
		FOnSlotResized OnSlotResizedHandler;
	};

	static FSlot::FSlotArguments Slot();

	SLATE_BEGIN_ARGS(SSplitter)
		: _Style(&FCoreStyle::Get().GetWidgetStyle<FSplitterStyle>("Splitter"))
		, _Orientation(Orient_Horizontal)
		, _ResizeMode(ESplitterResizeMode::FixedPosition)
		, _PhysicalSplitterHandleSize(5.0f)
		, _HitDetectionSplitterHandleSize(5.0f)
		, _MinimumSlotHeight(20.0f)
	{
	}
		SLATE_SLOT_ARGUMENT(FSlot, Slots)
		SLATE_STYLE_ARGUMENT(FSplitterStyle, Style)
		SLATE_ARGUMENT(EOrientation, Orientation)
		SLATE_ARGUMENT(ESplitterResizeMode::Type, ResizeMode)
		SLATE_ARGUMENT(float, PhysicalSplitterHandleSize)
		SLATE_ARGUMENT(float, HitDetectionSplitterHandleSize)
		SLATE_ARGUMENT(float, MinimumSlotHeight)
		SLATE_EVENT(FSimpleDelegate, OnSplitterFinishedResizing)
		SLATE_EVENT(FOnGetMaxSlotSize, OnGetMaxSlotSize)
	SLATE_END_ARGS()

	SSplitter();
	void Construct(const FArguments& InArgs);

	using FScopedWidgetSlotArguments = FSlot::FSlotArguments;
	/** Adds a slot (at the end, or at AtIndex) and returns its arguments to fill in. */
	FSlot::FSlotArguments AddSlot(int32 AtIndex = INDEX_NONE);
	FSlot& SlotAt(int32 SlotIndex) { return Children[SlotIndex]; }
	void RemoveAt(int32 IndexToRemove) { Children.RemoveAt(IndexToRemove); }
	int32 NumSlots() const { return Children.Num(); }
	void SetOrientation(EOrientation NewOrientation) { Orientation = NewOrientation; }
	EOrientation GetOrientation() const { return Orientation; }

	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	virtual FChildren* GetChildren() override { return &Children; }

private:
	TPanelChildren<FSlot> Children;
	EOrientation Orientation = Orient_Horizontal;
	float PhysicalSplitterHandleSize = 5.0f;
};
