// SSegmentedControl: a row of toggle segments, one per option; picking a segment sets the value and
// reports it at once.
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "SlotBase.h"
#include "Styling/CoreStyle.h"
#include "Styling/SegmentedControlStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/Text/STextBlock.h"

template <typename OptionType>
class SSegmentedControl : public SCompoundWidget
{
public:
	DECLARE_DELEGATE_OneParam(FOnValueChanged, OptionType);
	DECLARE_DELEGATE_OneParam(FOnValuesChanged, TArray<OptionType>);

	/** One segment: its value, text, icon and tooltip. */
	class FSlot : public TSlotBase<FSlot>
	{
	public:
		FSlot()
		{
		}

		explicit FSlot(const OptionType& InValue)
			: Value(InValue)
		{
		}

		void SetText(TAttribute<FText> InText) { Text = MoveTemp(InText); }
		FText GetText() const { return Text.Get(FText::GetEmpty()); }
		void SetIcon(TAttribute<const FSlateBrush*> InBrush) { Icon = MoveTemp(InBrush); }
		const FSlateBrush* GetIcon() const { return Icon.Get(nullptr); }
		void SetToolTip(TAttribute<FText> InTooltip) { Tooltip = MoveTemp(InTooltip); }
		FText GetToolTip() const { return Tooltip.Get(FText::GetEmpty()); }
		const OptionType& GetValue() const { return Value; }

		struct FSlotArguments : public TSlotArgumentsBase<FSlot, FSlotArguments>
		{
			FSlotArguments()
			{
			}

			explicit FSlotArguments(const TSharedRef<FSlot>& InSlot)
				: TSlotArgumentsBase<FSlot, FSlotArguments>(InSlot)
			{
			}

			FSlotArguments& Text(TAttribute<FText> InText)
			{
				this->Slot->SetText(MoveTemp(InText));
				return *this;
			}

			FSlotArguments& Icon(TAttribute<const FSlateBrush*> InBrush)
			{
				this->Slot->SetIcon(MoveTemp(InBrush));
				return *this;
			}

			FSlotArguments& ToolTip(TAttribute<FText> InTooltip)
			{
				this->Slot->SetToolTip(MoveTemp(InTooltip));
				return *this;
			}

			FSlotArguments& HAlign(EHorizontalAlignment InAlignment)
			{
				this->Slot->HAlignment = InAlignment;
				return *this;
			}

			FSlotArguments& VAlign(EVerticalAlignment InAlignment)
			{
				this->Slot->VAlignment = InAlignment;
				return *this;
			}
		};

		EHorizontalAlignment HAlignment = HAlign_Center;
		EVerticalAlignment VAlignment = VAlign_Center;

	private:
		OptionType Value = OptionType();
		TAttribute<FText> Text;
		TAttribute<const FSlateBrush*> Icon;
		TAttribute<FText> Tooltip;
	};

	static typename FSlot::FSlotArguments Slot(const OptionType& InValue)
	{
		return typename FSlot::FSlotArguments(MakeShared<FSlot>(InValue));
	}

	SLATE_BEGIN_ARGS(SSegmentedControl<OptionType>)
		: _Style(&FCoreStyle::Get().GetWidgetStyle<FSegmentedControlStyle>("SegmentedControl"))
		, _TextStyle(&FCoreStyle::Get().GetWidgetStyle<FTextBlockStyle>("NormalText"))
		, _SupportsMultiSelection(false)
		, _SupportsEmptySelection(false)
		, _MaxSegmentsPerLine(0)
	{
	}
		SLATE_SLOT_ARGUMENT(FSlot, Slots)
		SLATE_STYLE_ARGUMENT(FSegmentedControlStyle, Style)
		SLATE_STYLE_ARGUMENT(FTextBlockStyle, TextStyle)
		SLATE_ATTRIBUTE(OptionType, Value)
		SLATE_ATTRIBUTE(TArray<OptionType>, Values)
		SLATE_EVENT(FOnValueChanged, OnValueChanged)
		SLATE_EVENT(FOnValuesChanged, OnValuesChanged)
		SLATE_ATTRIBUTE(FMargin, UniformPadding)
		SLATE_ARGUMENT(bool, SupportsMultiSelection)
		SLATE_ARGUMENT(bool, SupportsEmptySelection)
		SLATE_ARGUMENT(int32, MaxSegmentsPerLine)
	SLATE_END_ARGS()

	SSegmentedControl()
	{
	}

	void Construct(const FArguments& InArgs)
	{
		Style = InArgs._Style ? InArgs._Style : &FSegmentedControlStyle::GetDefault();
		TextStyle = InArgs._TextStyle ? InArgs._TextStyle : &FTextBlockStyle::GetDefault();
		CurrentValue = InArgs._Value;
		OnValueChanged = InArgs._OnValueChanged;
		UniformPadding = InArgs._UniformPadding;
		MaxSegmentsPerLine = InArgs._MaxSegmentsPerLine;
		for (const typename FSlot::FSlotArguments& SlotArgs : InArgs._Slots)
		{
			Slots.Add(SlotArgs.GetSlotRef());
		}
		RebuildChildren();
	}

	/** Builds one toggle segment per slot. */
	void RebuildChildren()
	{
		TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox);
		for (int32 Index = 0; Index < Slots.Num(); ++Index)
		{
			const TSharedRef<FSlot> SegmentSlot = Slots[Index];
			const OptionType SegmentValue = SegmentSlot->GetValue();
			const FCheckBoxStyle* SegmentStyle = Index == 0 ? &Style->FirstControlStyle : (Index == Slots.Num() - 1 ? &Style->LastControlStyle : &Style->ControlStyle);

			TSharedRef<SHorizontalBox> Content = SNew(SHorizontalBox);
			if (SegmentSlot->GetIcon() != nullptr)
			{
				Content->AddSlot().AutoWidth().VAlign(VAlign_Center)[SNew(SImage).Image(SegmentSlot->GetIcon())];
			}
			if (!SegmentSlot->GetText().IsEmpty())
			{
				Content->AddSlot().AutoWidth().VAlign(VAlign_Center)[SNew(STextBlock).TextStyle(TextStyle).Text(SegmentSlot->GetText())];
			}

			TWeakPtr<SWidget> WeakSelf = this->AsShared();
			Row->AddSlot().FillWidth(1.0f)
			[
				SNew(SCheckBox)
				.Style(SegmentStyle)
				.Type(ESlateCheckBoxType::ToggleButton)
				.ToolTipText(SegmentSlot->GetToolTip())
				.IsChecked_Lambda([this, WeakSelf, SegmentValue]()
				{
					return WeakSelf.IsValid() && CurrentValue.Get() == SegmentValue ? ECheckBoxState::Checked : ECheckBoxState::Unchecked;
				})
				.OnCheckStateChanged_Lambda([this, WeakSelf, SegmentValue](ECheckBoxState InState)
				{
					if (WeakSelf.IsValid())
					{
						CommitValue(InState, SegmentValue);
					}
				})
				[
					Content
				]
			];
		}
		ChildSlot[Row];
	}

	OptionType GetValue() const { return CurrentValue.Get(); }

	void SetValue(TAttribute<OptionType> InValue, bool bUpdateChildren = true)
	{
		CurrentValue = MoveTemp(InValue);
	}

	int32 NumSlots() const { return Slots.Num(); }

	/** Adds a segment; the segments are rebuilt when the returned arguments go out of scope. */
	struct FScopedWidgetSlotArguments : public FSlot::FSlotArguments
	{
		FScopedWidgetSlotArguments(SSegmentedControl& InOwner, const TSharedRef<FSlot>& InSlot, bool bInRebuild)
			: FSlot::FSlotArguments(InSlot)
			, Owner(InOwner)
			, bRebuild(bInRebuild)
		{
		}

		FScopedWidgetSlotArguments(const FScopedWidgetSlotArguments&) = delete;

		~FScopedWidgetSlotArguments()
		{
			Owner.Slots.Add(this->GetSlotRef());
			if (bRebuild)
			{
				Owner.RebuildChildren();
			}
		}

	private:
		SSegmentedControl& Owner;
		bool bRebuild;
	};

	FScopedWidgetSlotArguments AddSlot(const OptionType& InValue, bool bRebuildChildren = true)
	{
		return FScopedWidgetSlotArguments(*this, MakeShared<FSlot>(InValue), bRebuildChildren);
	}

private:
	void CommitValue(ECheckBoxState InCheckState, OptionType InValue)
	{
		if (InCheckState != ECheckBoxState::Checked)
		{
			return;
		}
		// A bound value is left to its owner; the change is reported either way.
		if (!CurrentValue.IsBound())
		{
			CurrentValue.Set(InValue);
		}
		OnValueChanged.ExecuteIfBound(InValue);
	}

	TArray<TSharedRef<FSlot>> Slots;
	const FSegmentedControlStyle* Style = nullptr;
	const FTextBlockStyle* TextStyle = nullptr;
	TAttribute<OptionType> CurrentValue;
	FOnValueChanged OnValueChanged;
	TAttribute<FMargin> UniformPadding;
	int32 MaxSegmentsPerLine = 0;
};
