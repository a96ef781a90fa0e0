// FSlotBase: a place for one child widget in a parent, with the layout values of that place.
#pragma once

#include "CoreMinimal.h"

class SWidget;

class SLATECORE_API FSlotBase
{
public:
	FSlotBase();
	explicit FSlotBase(const TSharedRef<SWidget>& InWidget);
	virtual ~FSlotBase();

	FSlotBase(const FSlotBase&) = delete;
	FSlotBase& operator=(const FSlotBase&) = delete;

	/** Puts the widget in the slot; it becomes the owner's child. */
	void AttachWidget(const TSharedRef<SWidget>& InWidget);
	/** Empties the slot (it then holds the null widget) and returns what it held. */
	const TSharedRef<SWidget> DetachWidget();
	const TSharedRef<SWidget>& GetWidget() const { return Widget; }

	const SWidget* GetOwnerWidget() const { return OwnerWidget; }
	/** Sets the widget owning this slot; the held widget's parent follows. */
	void SetOwnerWidget(SWidget* InOwner);

protected:
	SWidget* OwnerWidget = nullptr;
	TSharedRef<SWidget> Widget;
};

template <typename SlotType>
class TSlotBase : public FSlotBase
{
public:
	TSlotBase()
	{
	}

	explicit TSlotBase(const TSharedRef<SWidget>& InWidget)
		: FSlotBase(InWidget)
	{
	}

	SlotType& operator[](const TSharedRef<SWidget>& InChildWidget)
	{
		AttachWidget(InChildWidget);
		return static_cast<SlotType&>(*this);
	}

	SlotType& Expose(SlotType*& OutVarToInit)
	{
		OutVarToInit = static_cast<SlotType*>(this);
		return static_cast<SlotType&>(*this);
	}
};

/**
 * The declarative arguments of one slot (what `+ SFoo::Slot()` returns): the slot itself, filled in
 * by the fluent setters and handed to the panel when the panel is built.
 */
template <typename InSlotType, typename InArgsType>
struct TSlotArgumentsBase
{
	using SlotType = InSlotType;

	TSlotArgumentsBase()
		: Slot(MakeShared<SlotType>())
	{
	}

	explicit TSlotArgumentsBase(const TSharedRef<SlotType>& InSlot)
		: Slot(InSlot)
	{
	}

	InArgsType& operator[](const TSharedRef<SWidget>& InChildWidget)
	{
		Slot->AttachWidget(InChildWidget);
		return Me();
	}

	InArgsType& Expose(SlotType*& OutVarToInit)
	{
		OutVarToInit = &Slot.Get();
		return Me();
	}

	SlotType& GetSlot() const { return Slot.Get(); }
	TSharedRef<SlotType> GetSlotRef() const { return Slot; }

	InArgsType& Me() { return static_cast<InArgsType&>(*this); }

protected:
	TSharedRef<SlotType> Slot;
};
