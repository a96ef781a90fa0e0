// Delegate types the widgets' events use.
#pragma once

#include "CoreMinimal.h"
#include "Input/Reply.h"
#include "Input/Events.h"
#include "Layout/Geometry.h"
#include "Types/SlateEnums.h"

class SWidget;

DECLARE_DELEGATE_RetVal(FReply, FOnClicked);
DECLARE_DELEGATE_RetVal(TSharedRef<SWidget>, FOnGetContent);
DECLARE_DELEGATE_RetVal(TSharedPtr<SWidget>, FOnContextMenuOpening);
DECLARE_DELEGATE_OneParam(FOnTextChanged, const FText&);
DECLARE_DELEGATE_TwoParams(FOnTextCommitted, const FText&, ETextCommit::Type);
DECLARE_DELEGATE_RetVal_TwoParams(bool, FOnVerifyTextChanged, const FText&, FText&);
DECLARE_DELEGATE_OneParam(FOnFloatValueChanged, float);
DECLARE_DELEGATE_OneParam(FOnInt32ValueChanged, int32);
DECLARE_DELEGATE_OneParam(FOnIsOpenChanged, bool);
DECLARE_DELEGATE_OneParam(FOnBooleanValueChanged, bool);
DECLARE_DELEGATE_RetVal_TwoParams(FReply, FOnKeyDown, const FGeometry&, const FKeyEvent&);
DECLARE_DELEGATE_TwoParams(FNoReplyPointerEventHandler, const FGeometry&, const FPointerEvent&);
DECLARE_DELEGATE_OneParam(FSimpleNoReplyPointerEventHandler, const FPointerEvent&);
DECLARE_DELEGATE_RetVal_TwoParams(FReply, FOnMouseButtonDownHandler, const FGeometry&, const FPointerEvent&);
DECLARE_DELEGATE(FOnComboBoxOpening);
DECLARE_DELEGATE(FOnComboBoxOpened);

/** Numeric value delegates of the numeric widgets. */
template <typename NumericType>
struct TSlateDelegates
{
	typedef TDelegate<void(NumericType)> FOnValueChanged;
	typedef TDelegate<void(NumericType, ETextCommit::Type)> FOnValueCommitted;
	typedef TDelegate<void(NumericType, bool)> FOnValueChangedWithSliding;
	typedef TDelegate<TOptional<NumericType>()> FOnGetOptionalValue;
	typedef TDelegate<TOptional<FText>(NumericType)> FOnGetDisplayValue;
};
