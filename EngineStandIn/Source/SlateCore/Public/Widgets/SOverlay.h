// SOverlay: children stacked on top of each other, each filling the overlay (with alignment and padding).
#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Layout/Margin.h"
#include "SlotBase.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

class SLATECORE_API SOverlay : public SPanel
{
public:
	class FOverlaySlot : public TSlotBase<FOverlaySlot>
	{
	public:
		EHorizontalAlignment GetHorizontalAlignment() const { return HAlignment; }
		EVerticalAlignment GetVerticalAlignment() const { return VAlignment; }
		FMargin GetPadding() const { return SlotPadding.Get(FMargin(0)); }
		int32 GetZOrder() const { return ZOrder; }
		void SetHorizontalAlignment(EHorizontalAlignment In) { HAlignment = In; }
		void SetVerticalAlignment(EVerticalAlignment In) { VAlignment = In; }
		void SetPadding(TAttribute<FMargin> In) { SlotPadding = MoveTemp(In); }
		void SetZOrder(int32 In) { ZOrder = In; }

		struct FSlotArguments : public TSlotArgumentsBase<FOverlaySlot, FSlotArguments>
		{
			FSlotArguments& HAlign(EHorizontalAlignment In)
			{
				Slot->SetHorizontalAlignment(In);
				return *this;
			}
			FSlotArguments& VAlign(EVerticalAlignment In)
			{
				Slot->SetVerticalAlignment(In);
				return *this;
			}
			FSlotArguments& Padding(TAttribute<FMargin> In)
			{
				Slot->SetPadding(MoveTemp(In));
				return *this;
			}
			FSlotArguments& Padding(float Uniform) { return Padding(TAttribute<FMargin>(FMargin(Uniform))); }
			FSlotArguments& Padding(float H, float V) { return Padding(TAttribute<FMargin>(FMargin(H, V))); }
			FSlotArguments& Padding(float L, float T, float R, float B) { return Padding(TAttribute<FMargin>(FMargin(L, T, R, B))); }
		};

	private:
		EHorizontalAlignment HAlignment = HAlign_Fill;
		EVerticalAlignment VAlignment = VAlign_Fill;
		TAttribute<FMargin> SlotPadding = FMargin(0);
		int32 ZOrder = 0;
	};

	static FOverlaySlot::FSlotArguments Slot();

	SLATE_BEGIN_ARGS(SOverlay)
	{
	}
		SLATE_SLOT_ARGUMENT(FOverlaySlot, Slots)
	SLATE_END_ARGS()

	SOverlay();
	void Construct(const FArguments& InArgs);

	/** Adds a slot at the end and returns it for filling in. */
	FOverlaySlot& AddSlot(int32 ZOrder = INDEX_NONE);
	bool RemoveSlot(TSharedRef<SWidget> Widget) { return Children.Remove(Widget) != INDEX_NONE; }
	void ClearChildren() { Children.Empty(); }
	int32 GetNumWidgets() const { return Children.Num(); }

	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	virtual FChildren* GetChildren() override { return &Children; }

protected:
	TPanelChildren<FOverlaySlot> Children;
};
