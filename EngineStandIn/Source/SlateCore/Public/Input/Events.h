// Input events handed to widgets: pointer (mouse), key, character and focus events.
#pragma once

#include "CoreMinimal.h"
#include "InputCoreTypes.h"
#include "GenericPlatform/GenericApplication.h"
#include "Types/SlateEnums.h"
#include "Types/SlateVector2.h"

struct FInputEvent
{
public:
	FInputEvent()
	{
	}

	FInputEvent(const FModifierKeysState& InModifierKeys, const uint32 InUserIndex, const bool bInIsRepeat)
		: ModifierKeys(InModifierKeys)
		, UserIndex(InUserIndex)
		, bIsRepeat(bInIsRepeat)
	{
	}

	virtual ~FInputEvent()
	{
	}

	bool IsRepeat() const { return bIsRepeat; }
	bool IsShiftDown() const { return ModifierKeys.IsShiftDown(); }
	bool IsLeftShiftDown() const { return ModifierKeys.IsLeftShiftDown(); }
	bool IsRightShiftDown() const { return ModifierKeys.IsRightShiftDown(); }
	bool IsControlDown() const { return ModifierKeys.IsControlDown(); }
	bool IsLeftControlDown() const { return ModifierKeys.IsLeftControlDown(); }
	bool IsRightControlDown() const { return ModifierKeys.IsRightControlDown(); }
	bool IsAltDown() const { return ModifierKeys.IsAltDown(); }
	bool IsCommandDown() const { return ModifierKeys.IsCommandDown(); }
	bool AreCapsLocked() const { return ModifierKeys.AreCapsLocked(); }
	const FModifierKeysState& GetModifierKeys() const { return ModifierKeys; }
	uint32 GetUserIndex() const { return UserIndex; }

protected:
	FModifierKeysState ModifierKeys;
	uint32 UserIndex = 0;
	bool bIsRepeat = false;
};

struct FKeyEvent : public FInputEvent
{
public:
	FKeyEvent()
	{
	}

	FKeyEvent(const FKey InKey, const FModifierKeysState& InModifierKeys, const uint32 InUserIndex, const bool bInIsRepeat, const uint32 InCharacterCode, const uint32 InKeyCode)
		: FInputEvent(InModifierKeys, InUserIndex, bInIsRepeat)
		, Key(InKey)
		, CharacterCode(InCharacterCode)
		, KeyCode(InKeyCode)
	{
	}

	FKey GetKey() const { return Key; }
	uint32 GetCharacter() const { return CharacterCode; }
	uint32 GetKeyCode() const { return KeyCode; }

private:
	FKey Key;
	uint32 CharacterCode = 0;
	uint32 KeyCode = 0;
};

struct FCharacterEvent : public FInputEvent
{
public:
	FCharacterEvent()
	{
	}

	FCharacterEvent(const TCHAR InCharacter, const FModifierKeysState& InModifierKeys, const uint32 InUserIndex, const bool bInIsRepeat)
		: FInputEvent(InModifierKeys, InUserIndex, bInIsRepeat)
		, Character(InCharacter)
	{
	}

	TCHAR GetCharacter() const { return Character; }

private:
	TCHAR Character = 0;
};

struct FPointerEvent : public FInputEvent
{
public:
	FPointerEvent()
	{
	}

	FPointerEvent(uint32 InPointerIndex, const UE::Slate::FDeprecateVector2DParameter& InScreenSpacePosition, const UE::Slate::FDeprecateVector2DParameter& InLastScreenSpacePosition,
		const TSet<FKey>& InPressedButtons, FKey InEffectingButton, float InWheelDelta, const FModifierKeysState& InModifierKeys)
		: FInputEvent(InModifierKeys, 0, false)
		, ScreenSpacePosition(InScreenSpacePosition)
		, LastScreenSpacePosition(InLastScreenSpacePosition)
		, CursorDelta(FVector2f(InScreenSpacePosition) - FVector2f(InLastScreenSpacePosition))
		, PressedButtons(InPressedButtons)
		, EffectingButton(InEffectingButton)
		, PointerIndex(InPointerIndex)
		, WheelOrGestureDelta(InWheelDelta)
	{
	}

	FPointerEvent(const UE::Slate::FDeprecateVector2DParameter& InScreenSpacePosition, const UE::Slate::FDeprecateVector2DParameter& InLastScreenSpacePosition,
		const TSet<FKey>& InPressedButtons, FKey InEffectingButton, float InWheelDelta, const FModifierKeysState& InModifierKeys)
		: FPointerEvent(0, InScreenSpacePosition, InLastScreenSpacePosition, InPressedButtons, InEffectingButton, InWheelDelta, InModifierKeys)
	{
	}

	UE::Slate::FDeprecateVector2DResult GetScreenSpacePosition() const { return ScreenSpacePosition; }
	UE::Slate::FDeprecateVector2DResult GetLastScreenSpacePosition() const { return LastScreenSpacePosition; }
	UE::Slate::FDeprecateVector2DResult GetCursorDelta() const { return CursorDelta; }
	bool IsMouseButtonDown(FKey MouseButton) const { return PressedButtons.Contains(MouseButton); }
	FKey GetEffectingButton() const { return EffectingButton; }
	float GetWheelDelta() const { return WheelOrGestureDelta; }
	uint32 GetPointerIndex() const { return PointerIndex; }
	const TSet<FKey>& GetPressedButtons() const { return PressedButtons; }
	bool IsTouchEvent() const { return false; }

private:
	FVector2f ScreenSpacePosition = FVector2f(0.f, 0.f);
	FVector2f LastScreenSpacePosition = FVector2f(0.f, 0.f);
	FVector2f CursorDelta = FVector2f(0.f, 0.f);
	TSet<FKey> PressedButtons;
	FKey EffectingButton;
	uint32 PointerIndex = 0;
	float WheelOrGestureDelta = 0.f;
};

class FFocusEvent
{
public:
	FFocusEvent()
		: Cause(EFocusCause::SetDirectly)
		, UserIndex(0)
	{
	}

	FFocusEvent(const EFocusCause InCause, uint32 InUserIndex)
		: Cause(InCause)
		, UserIndex(InUserIndex)
	{
	}

	EFocusCause GetCause() const { return Cause; }
	uint32 GetUser() const { return UserIndex; }

private:
	EFocusCause Cause;
	uint32 UserIndex;
};

struct FCaptureLostEvent
{
	FCaptureLostEvent()
	{
	}

	FCaptureLostEvent(uint32 InUserIndex, uint32 InPointerIndex)
		: UserIndex(InUserIndex)
		, PointerIndex(InPointerIndex)
	{
	}

	uint32 UserIndex = 0;
	uint32 PointerIndex = 0;
};
