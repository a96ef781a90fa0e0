// The state of the modifier keys that comes with every input event.
#pragma once

#include "CoreMinimal.h"
#include "InputCoreTypes.h"

class FModifierKeysState
{
public:
	FModifierKeysState()
	{
	}

	FModifierKeysState(const bool bInIsLeftShiftDown, const bool bInIsRightShiftDown, const bool bInIsLeftControlDown, const bool bInIsRightControlDown,
		const bool bInIsLeftAltDown, const bool bInIsRightAltDown, const bool bInIsLeftCommandDown, const bool bInIsRightCommandDown, const bool bInAreCapsLocked)
		: bIsLeftShiftDown(bInIsLeftShiftDown)
		, bIsRightShiftDown(bInIsRightShiftDown)
		, bIsLeftControlDown(bInIsLeftControlDown)
		, bIsRightControlDown(bInIsRightControlDown)
		, bIsLeftAltDown(bInIsLeftAltDown)
		, bIsRightAltDown(bInIsRightAltDown)
		, bIsLeftCommandDown(bInIsLeftCommandDown)
		, bIsRightCommandDown(bInIsRightCommandDown)
		, bAreCapsLocked(bInAreCapsLocked)
	{
	}

	bool IsShiftDown() const { return bIsLeftShiftDown || bIsRightShiftDown; }
	bool IsLeftShiftDown() const { return bIsLeftShiftDown; }
	bool IsRightShiftDown() const { return bIsRightShiftDown; }
	bool IsControlDown() const { return bIsLeftControlDown || bIsRightControlDown; }
	bool IsLeftControlDown() const { return bIsLeftControlDown; }
	bool IsRightControlDown() const { return bIsRightControlDown; }
	bool IsAltDown() const { return bIsLeftAltDown || bIsRightAltDown; }
	bool IsLeftAltDown() const { return bIsLeftAltDown; }
	bool IsRightAltDown() const { return bIsRightAltDown; }
	bool IsCommandDown() const { return bIsLeftCommandDown || bIsRightCommandDown; }
	bool AreCapsLocked() const { return bAreCapsLocked; }
	bool AnyModifiersDown() const { return IsShiftDown() || IsControlDown() || IsAltDown() || IsCommandDown(); }

	bool AreModifersDown(EModifierKey::Type ModifierKeys) const
	{
		bool bAllDown = true;
		if (ModifierKeys & EModifierKey::Shift)
		{
			bAllDown &= IsShiftDown();
		}
		if (ModifierKeys & EModifierKey::Control)
		{
			bAllDown &= IsControlDown();
		}
		if (ModifierKeys & EModifierKey::Alt)
		{
			bAllDown &= IsAltDown();
		}
		if (ModifierKeys & EModifierKey::Command)
		{
			bAllDown &= IsCommandDown();
		}
		return bAllDown;
	}

private:
	bool bIsLeftShiftDown = false;
	bool bIsRightShiftDown = false;
	bool bIsLeftControlDown = false;
	bool bIsRightControlDown = false;
	bool bIsLeftAltDown = false;
	bool bIsRightAltDown = false;
	bool bIsLeftCommandDown = false;
	bool bIsRightCommandDown = false;
	bool bAreCapsLocked = false;
};
