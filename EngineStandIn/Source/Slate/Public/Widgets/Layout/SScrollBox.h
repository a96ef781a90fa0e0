// SScrollBox: children stacked along the scroll direction. The stand-in lays out everything (no clipping).
#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "SlotBase.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SCompoundWidget.h"

DECLARE_DELEGATE_OneParam(FOnUserScrolled, float);

class SLATE_API SScrollBox : public SCompoundWidget
{
public:
	/** Slots are box-panel slots (padding, alignment, auto or fill size). */
	struct FSlotArguments : public SBoxPanel::TBoxSlotArguments<FSlotArguments>
	{
		FSlotArguments& AutoSize()
		{
			Slot->SetSizeToAuto();
			return *this;
		}
		FSlotArguments& FillSize(TAttribute<float> InValue)
		{
			Slot->SetSizeToStretch(MoveTemp(InValue));
			return *this;
		}
		FSlotArguments& MaxSize(TAttribute<float> InValue)
		{
			Slot->SetMaxSize(MoveTemp(InValue));
			return *this;
		}
	};

	static FSlotArguments Slot();

	SLATE_BEGIN_ARGS(SScrollBox)
		: _Style(&FCoreStyle::Get().GetWidgetStyle<FScrollBoxStyle>("ScrollBox"))
		, _Orientation(Orient_Vertical)
		, _ScrollBarVisibility(EVisibility::Visible)
		, _ScrollBarAlwaysVisible(false)
		, _ConsumeMouseWheel(true)
	{
	}
		TArray<FSlotArguments> _Slots;
		WidgetArgsType& operator+(const FSlotArguments& SlotToAdd)
		{
			_Slots.Add(SlotToAdd);
			return Me();
		}
		SLATE_STYLE_ARGUMENT(FScrollBoxStyle, Style)
		SLATE_STYLE_ARGUMENT(FScrollBarStyle, ScrollBarStyle)
		SLATE_ARGUMENT(EOrientation, Orientation)
		SLATE_ARGUMENT(EVisibility, ScrollBarVisibility)
		SLATE_ARGUMENT(bool, ScrollBarAlwaysVisible)
		SLATE_ARGUMENT(bool, ConsumeMouseWheel)
		SLATE_ATTRIBUTE(FVector2D, ScrollBarThickness)
		SLATE_ATTRIBUTE(FMargin, ScrollBarPadding)
		SLATE_EVENT(FOnUserScrolled, OnUserScrolled)
	SLATE_END_ARGS()

	SScrollBox();
	void Construct(const FArguments& InArgs);

	using FScopedWidgetSlotArguments = SBoxPanel::TScopedWidgetSlotArguments<FSlotArguments>;

	/** Adds a slot at the end when the returned arguments go out of scope. */
	FScopedWidgetSlotArguments AddSlot();
	int32 NumSlots() const { return Panel->NumSlots(); }
	int32 RemoveSlot(const TSharedRef<SWidget>& WidgetToRemove) { return Panel->RemoveSlot(WidgetToRemove); }
	void ClearChildren() { Panel->ClearChildren(); }
	float GetScrollOffset() const { return ScrollOffset; }
	void SetScrollOffset(float NewScrollOffset);
	void ScrollToStart() { SetScrollOffset(0.f); }
	void ScrollToEnd() { SetScrollOffset(3.4e38f); }
	EOrientation GetOrientation() const { return Orientation; }

private:
	TSharedPtr<SBoxPanel> Panel;
	EOrientation Orientation = Orient_Vertical;
	float ScrollOffset = 0.f;
	FOnUserScrolled OnUserScrolled;
};
