// SHorizontalBox / SVerticalBox: children side by side, each sized automatically or by a fill share.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Layout/Margin.h"
#include "SlotBase.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

struct FSizeParam
{
	enum ESizeRule
	{
		SizeRule_Auto,
		SizeRule_Stretch,
		SizeRule_StretchContent,
	};
};

class SLATECORE_API SBoxPanel : public SPanel
{
public:
	/** A slot of a box panel: its size rule, fill share, maximum size, alignment and padding. */
	class FSlot : public TSlotBase<FSlot>
	{
	public:
		FSlot()
		{
		}

		FSizeParam::ESizeRule GetSizeRule() const { return SizeRule; }
		float GetSizeValue() const { return SizeValue.Get(1.0f); }
		float GetMaxSize() const { return MaxSize.Get(0.0f); }
		EHorizontalAlignment GetHorizontalAlignment() const { return HAlignment; }
		EVerticalAlignment GetVerticalAlignment() const { return VAlignment; }
		FMargin GetPadding() const { return SlotPadding.Get(FMargin(0)); }

		void SetSizeToAuto() { SizeRule = FSizeParam::SizeRule_Auto; }
		void SetSizeToStretch(TAttribute<float> InValue)
		{
			SizeRule = FSizeParam::SizeRule_Stretch;
			SizeValue = MoveTemp(InValue);
		}
		void SetMaxSize(TAttribute<float> InMaxSize) { MaxSize = MoveTemp(InMaxSize); }
		void SetHorizontalAlignment(EHorizontalAlignment InAlignment) { HAlignment = InAlignment; }
		void SetVerticalAlignment(EVerticalAlignment InAlignment) { VAlignment = InAlignment; }
		void SetPadding(TAttribute<FMargin> InPadding) { SlotPadding = MoveTemp(InPadding); }

		// The engine's axis-named forms.
		void SetAutoWidth() { SetSizeToAuto(); }
		void SetFillWidth(TAttribute<float> InValue) { SetSizeToStretch(MoveTemp(InValue)); }
		void SetMaxWidth(TAttribute<float> InMaxWidth) { SetMaxSize(MoveTemp(InMaxWidth)); }
		void SetAutoHeight() { SetSizeToAuto(); }
		void SetFillHeight(TAttribute<float> InValue) { SetSizeToStretch(MoveTemp(InValue)); }
		void SetMaxHeight(TAttribute<float> InMaxHeight) { SetMaxSize(MoveTemp(InMaxHeight)); }

	private:
		FSizeParam::ESizeRule SizeRule = FSizeParam::SizeRule_Stretch;
		TAttribute<float> SizeValue = 1.0f;
		TAttribute<float> MaxSize = 0.0f;
		EHorizontalAlignment HAlignment = HAlign_Fill;
		EVerticalAlignment VAlignment = VAlign_Fill;
		TAttribute<FMargin> SlotPadding = FMargin(0);
	};

	/** Padding and alignment setters shared by the horizontal and vertical slot arguments. */
	template <typename ArgsType>
	struct TBoxSlotArguments : public TSlotArgumentsBase<FSlot, ArgsType>
	{
		using TSlotArgumentsBase<FSlot, ArgsType>::Slot;
		using TSlotArgumentsBase<FSlot, ArgsType>::Me;

		ArgsType& Padding(TAttribute<FMargin> InPadding)
		{
			Slot->SetPadding(MoveTemp(InPadding));
			return Me();
		}
		ArgsType& Padding(float Uniform) { return Padding(TAttribute<FMargin>(FMargin(Uniform))); }
		ArgsType& Padding(float Horizontal, float Vertical) { return Padding(TAttribute<FMargin>(FMargin(Horizontal, Vertical))); }
		ArgsType& Padding(float Left, float Top, float Right, float Bottom) { return Padding(TAttribute<FMargin>(FMargin(Left, Top, Right, Bottom))); }

		ArgsType& HAlign(EHorizontalAlignment InAlignment)
		{
			Slot->SetHorizontalAlignment(InAlignment);
			return Me();
		}

		ArgsType& VAlign(EVerticalAlignment InAlignment)
		{
			Slot->SetVerticalAlignment(InAlignment);
			return Me();
		}
	};

	int32 NumSlots() const { return Children.Num(); }
	bool IsValidSlotIndex(int32 Index) const { return Children.IsValidIndex(Index); }
	FSlot& GetSlot(int32 SlotIndex) { return Children[SlotIndex]; }
	const FSlot& GetSlot(int32 SlotIndex) const { return Children[SlotIndex]; }
	int32 RemoveSlot(const TSharedRef<SWidget>& SlotWidget) { return Children.Remove(SlotWidget); }
	void ClearChildren() { Children.Empty(); }
	EOrientation GetOrientation() const { return Orientation; }

	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	virtual FChildren* GetChildren() override { return &Children; }

protected:
	friend class SScrollBox;

	explicit SBoxPanel(EOrientation InOrientation);

	/** Adds the slot now (or at Index) when the scoped arguments go out of scope. */
	template <typename ArgsType>
	struct TScopedWidgetSlotArguments : public ArgsType
	{
		TScopedWidgetSlotArguments(TPanelChildren<FSlot>& InChildren, int32 InIndex, bool bInAutoSize = false)
			: Children(InChildren)
			, Index(InIndex)
		{
			if (bInAutoSize)
			{
				this->GetSlot().SetSizeToAuto();
			}
		}

		TScopedWidgetSlotArguments(const TScopedWidgetSlotArguments&) = delete;

		~TScopedWidgetSlotArguments()
		{
			if (Index == INDEX_NONE)
			{
				Children.AddSlot(this->GetSlotRef());
			}
			else
			{
				Children.InsertSlot(this->GetSlotRef(), Index);
			}
		}

	private:
		TPanelChildren<FSlot>& Children;
		int32 Index;
	};

	void AddSlotsFromArguments(const TArray<TSharedRef<FSlot>>& InSlots);

	TPanelChildren<FSlot> Children;
	EOrientation Orientation;
};

class SLATECORE_API SHorizontalBox : public SBoxPanel
{
public:
	using FSlot = SBoxPanel::FSlot;

	struct FSlotArguments : public SBoxPanel::TBoxSlotArguments<FSlotArguments>
	{
		FSlotArguments& AutoWidth()
		{
			Slot->SetAutoWidth();
			return *this;
		}
		FSlotArguments& FillWidth(TAttribute<float> InValue)
		{
			Slot->SetFillWidth(MoveTemp(InValue));
			return *this;
		}
		FSlotArguments& MaxWidth(TAttribute<float> InMaxWidth)
		{
			Slot->SetMaxWidth(MoveTemp(InMaxWidth));
			return *this;
		}
	};

	using FScopedWidgetSlotArguments = TScopedWidgetSlotArguments<FSlotArguments>;

	static FSlotArguments Slot();

	SLATE_BEGIN_ARGS(SHorizontalBox)
	{
	}
		TArray<FSlotArguments> _Slots;
		WidgetArgsType& operator+(const FSlotArguments& SlotToAdd)
		{
			_Slots.Add(SlotToAdd);
			return Me();
		}
	SLATE_END_ARGS()

	SHorizontalBox();
	void Construct(const FArguments& InArgs);

	FScopedWidgetSlotArguments AddSlot();
	FScopedWidgetSlotArguments InsertSlot(int32 Index);
};

class SLATECORE_API SVerticalBox : public SBoxPanel
{
public:
	using FSlot = SBoxPanel::FSlot;

	struct FSlotArguments : public SBoxPanel::TBoxSlotArguments<FSlotArguments>
	{
		FSlotArguments& AutoHeight()
		{
			Slot->SetAutoHeight();
			return *this;
		}
		FSlotArguments& FillHeight(TAttribute<float> InValue)
		{
			Slot->SetFillHeight(MoveTemp(InValue));
			return *this;
		}
		FSlotArguments& MaxHeight(TAttribute<float> InMaxHeight)
		{
			Slot->SetMaxHeight(MoveTemp(InMaxHeight));
			return *this;
		}
	};

	using FScopedWidgetSlotArguments = TScopedWidgetSlotArguments<FSlotArguments>;

	static FSlotArguments Slot();

	SLATE_BEGIN_ARGS(SVerticalBox)
	{
	}
		TArray<FSlotArguments> _Slots;
		WidgetArgsType& operator+(const FSlotArguments& SlotToAdd)
		{
			_Slots.Add(SlotToAdd);
			return Me();
		}
	SLATE_END_ARGS()

	SVerticalBox();
	void Construct(const FArguments& InArgs);

	FScopedWidgetSlotArguments AddSlot();
	FScopedWidgetSlotArguments InsertSlot(int32 Index);
};
