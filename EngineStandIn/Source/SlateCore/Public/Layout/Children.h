// FChildren: the children of a widget, as the widget tree is walked.
#pragma once

#include "CoreMinimal.h"

class SWidget;

class SLATECORE_API FChildren
{
public:
	explicit FChildren(SWidget* InOwner)
		: Owner(InOwner)
	{
	}
	virtual ~FChildren()
	{
	}

	virtual int32 Num() const = 0;
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) = 0;
	virtual TSharedRef<const SWidget> GetChildAt(int32 Index) const = 0;

	SWidget& GetOwner() const { return *Owner; }

protected:
	SWidget* Owner;
};

/** For widgets without children. */
class SLATECORE_API FNoChildren : public FChildren
{
public:
	static FNoChildren NoChildrenInstance;

	FNoChildren()
		: FChildren(nullptr)
	{
	}

	explicit FNoChildren(SWidget* InOwner)
		: FChildren(InOwner)
	{
	}

	virtual int32 Num() const override { return 0; }
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override;
	virtual TSharedRef<const SWidget> GetChildAt(int32 Index) const override;
};

/** Children kept in slots (SlotType derives from FSlotBase); slots are shared so slot arguments can hand them over. */
template <typename SlotType>
class TPanelChildren : public FChildren
{
public:
	explicit TPanelChildren(SWidget* InOwner)
		: FChildren(InOwner)
	{
	}

	virtual int32 Num() const override { return Slots.Num(); }
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override { return Slots[Index]->GetWidget(); }
	virtual TSharedRef<const SWidget> GetChildAt(int32 Index) const override { return Slots[Index]->GetWidget(); }

	int32 AddSlot(const TSharedRef<SlotType>& InSlot)
	{
		InSlot->SetOwnerWidget(Owner);
		return Slots.Add(InSlot);
	}

	void InsertSlot(const TSharedRef<SlotType>& InSlot, int32 Index)
	{
		InSlot->SetOwnerWidget(Owner);
		if (Index < 0 || Index > Slots.Num())
		{
			Index = Slots.Num();
		}
		Slots.Insert(InSlot, Index);
	}

	void RemoveAt(int32 Index)
	{
		Slots[Index]->DetachWidget();
		Slots.RemoveAt(Index);
	}

	/** Removes the slot holding the widget; returns its former index or INDEX_NONE. */
	int32 Remove(const TSharedRef<SWidget>& InWidget)
	{
		for (int32 Index = 0; Index < Slots.Num(); ++Index)
		{
			if (&Slots[Index]->GetWidget().Get() == &InWidget.Get())
			{
				RemoveAt(Index);
				return Index;
			}
		}
		return INDEX_NONE;
	}

	void Empty()
	{
		for (const TSharedRef<SlotType>& Slot : Slots)
		{
			Slot->DetachWidget();
		}
		Slots.Empty();
	}

	SlotType& operator[](int32 Index) { return Slots[Index].Get(); }
	const SlotType& operator[](int32 Index) const { return Slots[Index].Get(); }
	bool IsValidIndex(int32 Index) const { return Slots.IsValidIndex(Index); }

private:
	TArray<TSharedRef<SlotType>> Slots;
};

/** Children without slots (the widgets themselves). */
template <typename ChildType = SWidget>
class TSlotlessChildren : public FChildren
{
public:
	explicit TSlotlessChildren(SWidget* InOwner)
		: FChildren(InOwner)
	{
	}

	virtual int32 Num() const override { return Widgets.Num(); }
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override { return Widgets[Index]; }
	virtual TSharedRef<const SWidget> GetChildAt(int32 Index) const override { return Widgets[Index]; }

	int32 Add(const TSharedRef<ChildType>& Child);
	void Empty() { Widgets.Empty(); }
	TSharedRef<ChildType> operator[](int32 Index) const { return Widgets[Index]; }

private:
	TArray<TSharedRef<ChildType>> Widgets;
};
