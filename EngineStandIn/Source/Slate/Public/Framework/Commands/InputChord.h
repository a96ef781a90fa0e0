// A key with its modifier keys, as a command's default binding.
#pragma once

#include "CoreMinimal.h"
#include "InputCoreTypes.h"

struct FInputChord
{
	FKey Key;
	uint32 bShift : 1;
	uint32 bCtrl : 1;
	uint32 bAlt : 1;
	uint32 bCmd : 1;

	/** No key: a command without a binding. */
	FInputChord()
		: bShift(false)
		, bCtrl(false)
		, bAlt(false)
		, bCmd(false)
	{
	}

	FInputChord(const FKey InKey)
		: Key(InKey)
		, bShift(false)
		, bCtrl(false)
		, bAlt(false)
		, bCmd(false)
	{
	}

	FInputChord(const EModifierKey::Type InModifierKeys, const FKey InKey)
		: Key(InKey)
		, bShift((InModifierKeys & EModifierKey::Shift) != 0)
		, bCtrl((InModifierKeys & EModifierKey::Control) != 0)
		, bAlt((InModifierKeys & EModifierKey::Alt) != 0)
		, bCmd((InModifierKeys & EModifierKey::Command) != 0)
	{
	}

	FInputChord(const FKey InKey, const EModifierKey::Type InModifierKeys)
		: FInputChord(InModifierKeys, InKey)
	{
	}

	FInputChord(const FKey InKey, bool bInShift, bool bInCtrl, bool bInAlt, bool bInCmd)
		: Key(InKey)
		, bShift(bInShift)
		, bCtrl(bInCtrl)
		, bAlt(bInAlt)
		, bCmd(bInCmd)
	{
	}

	bool IsValidChord() const
	{
		return Key.IsValid();
	}

	bool NeedsControl() const { return bCtrl; }
	bool NeedsAlt() const { return bAlt; }
	bool NeedsShift() const { return bShift; }
	bool NeedsCommand() const { return bCmd; }

	bool HasAnyModifierKeys() const
	{
		return bShift || bCtrl || bAlt || bCmd;
	}

	bool operator==(const FInputChord& Other) const
	{
		return Key == Other.Key && bShift == Other.bShift && bCtrl == Other.bCtrl && bAlt == Other.bAlt && bCmd == Other.bCmd;
	}

	bool operator!=(const FInputChord& Other) const
	{
		return !(*this == Other);
	}
};
