// Keys of the keyboard and the mouse, as Slate events and input chords name them.
#pragma once

#include "CoreMinimal.h"

struct INPUTCORE_API FKey
{
	FKey()
	{
	}

	FKey(const FName InName)
		: KeyName(InName)
	{
	}

	FKey(const TCHAR* InName)
		: KeyName(InName)
	{
	}

	FKey(const ANSICHAR* InName)
		: KeyName(InName)
	{
	}

	bool IsValid() const;
	FName GetFName() const { return KeyName; }
	FString ToString() const { return KeyName.ToString(); }
	FText GetDisplayName(bool bLongDisplayName = true) const;
	bool IsModifierKey() const;
	bool IsMouseButton() const;

	bool operator==(const FKey& Other) const { return KeyName == Other.KeyName; }
	bool operator!=(const FKey& Other) const { return KeyName != Other.KeyName; }

	friend uint32 GetTypeHash(const FKey& Key) { return GetTypeHash(Key.KeyName); }

private:
	FName KeyName;
};

struct INPUTCORE_API EKeys
{
	static const FKey AnyKey;

	static const FKey MouseX;
	static const FKey MouseY;
	static const FKey MouseScrollUp;
	static const FKey MouseScrollDown;
	static const FKey MouseWheelAxis;
	static const FKey LeftMouseButton;
	static const FKey RightMouseButton;
	static const FKey MiddleMouseButton;
	static const FKey ThumbMouseButton;
	static const FKey ThumbMouseButton2;

	static const FKey BackSpace;
	static const FKey Tab;
	static const FKey Enter;
	static const FKey Pause;
	static const FKey CapsLock;
	static const FKey Escape;
	static const FKey SpaceBar;
	static const FKey PageUp;
	static const FKey PageDown;
	static const FKey End;
	static const FKey Home;
	static const FKey Left;
	static const FKey Up;
	static const FKey Right;
	static const FKey Down;
	static const FKey Insert;
	static const FKey Delete;

	static const FKey Zero;
	static const FKey One;
	static const FKey Two;
	static const FKey Three;
	static const FKey Four;
	static const FKey Five;
	static const FKey Six;
	static const FKey Seven;
	static const FKey Eight;
	static const FKey Nine;

	static const FKey A;
	static const FKey B;
	static const FKey C;
	static const FKey D;
	static const FKey E;
	static const FKey F;
	static const FKey G;
	static const FKey H;
	static const FKey I;
	static const FKey J;
	static const FKey K;
	static const FKey L;
	static const FKey M;
	static const FKey N;
	static const FKey O;
	static const FKey P;
	static const FKey Q;
	static const FKey R;
	static const FKey S;
	static const FKey T;
	static const FKey U;
	static const FKey V;
	static const FKey W;
	static const FKey X;
	static const FKey Y;
	static const FKey Z;

	static const FKey F1;
	static const FKey F2;
	static const FKey F3;
	static const FKey F4;
	static const FKey F5;
	static const FKey F6;
	static const FKey F7;
	static const FKey F8;
	static const FKey F9;
	static const FKey F10;
	static const FKey F11;
	static const FKey F12;

	static const FKey LeftShift;
	static const FKey RightShift;
	static const FKey LeftControl;
	static const FKey RightControl;
	static const FKey LeftAlt;
	static const FKey RightAlt;
	static const FKey LeftCommand;
	static const FKey RightCommand;

	static const FKey Invalid;
};

namespace EModifierKey
{
	typedef uint8 Type;

	const Type None = 0;
	const Type Control = 1 << 0;
	const Type Alt = 1 << 1;
	const Type Shift = 1 << 2;
	const Type Command = 1 << 3;

	inline EModifierKey::Type FromBools(const bool bControl, const bool bAlt, const bool bShift, const bool bCommand)
	{
		EModifierKey::Type ModifierMask = EModifierKey::None;
		if (bControl)
		{
			ModifierMask |= EModifierKey::Control;
		}
		if (bAlt)
		{
			ModifierMask |= EModifierKey::Alt;
		}
		if (bShift)
		{
			ModifierMask |= EModifierKey::Shift;
		}
		if (bCommand)
		{
			ModifierMask |= EModifierKey::Command;
		}
		return ModifierMask;
	}
}
