// The widget styles: brushes, colours and paddings each kind of widget is drawn with, with the
// engine's fluent setters. GetDefault returns the style a widget uses when none is given.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Styling/SlateWidgetStyle.h"
#include "Fonts/SlateFontInfo.h"
#include "Types/SlateEnums.h"

enum class ECheckBoxState : uint8
{
	Unchecked,
	Checked,
	Undetermined,
};

DECLARE_DELEGATE_OneParam(FOnCheckStateChanged, ECheckBoxState);

struct SLATECORE_API FTextBlockStyle : public FSlateWidgetStyle
{
	FTextBlockStyle();
	virtual ~FTextBlockStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FTextBlockStyle& GetDefault();

	FSlateFontInfo Font = FSlateFontInfo(FName(TEXT("Roboto")), 9.f);
	FTextBlockStyle& SetFont(const FSlateFontInfo& InFont)
	{
		Font = InFont;
		return *this;
	}

	FSlateColor ColorAndOpacity = FSlateColor::UseForeground();
	FTextBlockStyle& SetColorAndOpacity(const FSlateColor& InColorAndOpacity)
	{
		ColorAndOpacity = InColorAndOpacity;
		return *this;
	}

	FVector2D ShadowOffset = FVector2D(0, 0);
	FTextBlockStyle& SetShadowOffset(const FVector2D& InShadowOffset)
	{
		ShadowOffset = InShadowOffset;
		return *this;
	}

	FLinearColor ShadowColorAndOpacity = FLinearColor::Black;
	FTextBlockStyle& SetShadowColorAndOpacity(const FLinearColor& InShadowColorAndOpacity)
	{
		ShadowColorAndOpacity = InShadowColorAndOpacity;
		return *this;
	}

	FSlateColor SelectedBackgroundColor = FSlateColor(FLinearColor(0.f, 0.4f, 1.f, 1.f));
	FTextBlockStyle& SetSelectedBackgroundColor(const FSlateColor& InSelectedBackgroundColor)
	{
		SelectedBackgroundColor = InSelectedBackgroundColor;
		return *this;
	}

	FLinearColor HighlightColor = FLinearColor(0.02f, 0.3f, 0.f, 1.f);
	FTextBlockStyle& SetHighlightColor(const FLinearColor& InHighlightColor)
	{
		HighlightColor = InHighlightColor;
		return *this;
	}

	FSlateBrush HighlightShape;
	FTextBlockStyle& SetHighlightShape(const FSlateBrush& InHighlightShape)
	{
		HighlightShape = InHighlightShape;
		return *this;
	}

	FSlateBrush StrikeBrush;
	FTextBlockStyle& SetStrikeBrush(const FSlateBrush& InStrikeBrush)
	{
		StrikeBrush = InStrikeBrush;
		return *this;
	}

	FSlateBrush UnderlineBrush;
	FTextBlockStyle& SetUnderlineBrush(const FSlateBrush& InUnderlineBrush)
	{
		UnderlineBrush = InUnderlineBrush;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&HighlightShape);
		OutBrushes.Add(&StrikeBrush);
		OutBrushes.Add(&UnderlineBrush);
	}
	FTextBlockStyle& SetFontSize(float InSize)
	{
		Font.Size = InSize;
		return *this;
	}
	FTextBlockStyle& SetTypefaceFontName(const FName& InName)
	{
		Font.TypefaceFontName = InName;
		return *this;
	}

};

struct SLATECORE_API FButtonStyle : public FSlateWidgetStyle
{
	FButtonStyle();
	virtual ~FButtonStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FButtonStyle& GetDefault();

	FSlateBrush Normal;
	FButtonStyle& SetNormal(const FSlateBrush& InNormal)
	{
		Normal = InNormal;
		return *this;
	}

	FSlateBrush Hovered;
	FButtonStyle& SetHovered(const FSlateBrush& InHovered)
	{
		Hovered = InHovered;
		return *this;
	}

	FSlateBrush Pressed;
	FButtonStyle& SetPressed(const FSlateBrush& InPressed)
	{
		Pressed = InPressed;
		return *this;
	}

	FSlateBrush Disabled;
	FButtonStyle& SetDisabled(const FSlateBrush& InDisabled)
	{
		Disabled = InDisabled;
		return *this;
	}

	FSlateColor NormalForeground = FSlateColor::UseForeground();
	FButtonStyle& SetNormalForeground(const FSlateColor& InNormalForeground)
	{
		NormalForeground = InNormalForeground;
		return *this;
	}

	FSlateColor HoveredForeground = FSlateColor::UseForeground();
	FButtonStyle& SetHoveredForeground(const FSlateColor& InHoveredForeground)
	{
		HoveredForeground = InHoveredForeground;
		return *this;
	}

	FSlateColor PressedForeground = FSlateColor::UseForeground();
	FButtonStyle& SetPressedForeground(const FSlateColor& InPressedForeground)
	{
		PressedForeground = InPressedForeground;
		return *this;
	}

	FSlateColor DisabledForeground = FSlateColor::UseSubduedForeground();
	FButtonStyle& SetDisabledForeground(const FSlateColor& InDisabledForeground)
	{
		DisabledForeground = InDisabledForeground;
		return *this;
	}

	FMargin NormalPadding = FMargin(0);
	FButtonStyle& SetNormalPadding(const FMargin& InNormalPadding)
	{
		NormalPadding = InNormalPadding;
		return *this;
	}

	FMargin PressedPadding = FMargin(0);
	FButtonStyle& SetPressedPadding(const FMargin& InPressedPadding)
	{
		PressedPadding = InPressedPadding;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&Normal);
		OutBrushes.Add(&Hovered);
		OutBrushes.Add(&Pressed);
		OutBrushes.Add(&Disabled);
	}

};

struct SLATECORE_API FCheckBoxStyle : public FSlateWidgetStyle
{
	FCheckBoxStyle();
	virtual ~FCheckBoxStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FCheckBoxStyle& GetDefault();

	ESlateCheckBoxType::Type CheckBoxType = ESlateCheckBoxType::CheckBox;
	FCheckBoxStyle& SetCheckBoxType(const ESlateCheckBoxType::Type& InCheckBoxType)
	{
		CheckBoxType = InCheckBoxType;
		return *this;
	}

	FSlateBrush UncheckedImage;
	FCheckBoxStyle& SetUncheckedImage(const FSlateBrush& InUncheckedImage)
	{
		UncheckedImage = InUncheckedImage;
		return *this;
	}

	FSlateBrush UncheckedHoveredImage;
	FCheckBoxStyle& SetUncheckedHoveredImage(const FSlateBrush& InUncheckedHoveredImage)
	{
		UncheckedHoveredImage = InUncheckedHoveredImage;
		return *this;
	}

	FSlateBrush UncheckedPressedImage;
	FCheckBoxStyle& SetUncheckedPressedImage(const FSlateBrush& InUncheckedPressedImage)
	{
		UncheckedPressedImage = InUncheckedPressedImage;
		return *this;
	}

	FSlateBrush CheckedImage;
	FCheckBoxStyle& SetCheckedImage(const FSlateBrush& InCheckedImage)
	{
		CheckedImage = InCheckedImage;
		return *this;
	}

	FSlateBrush CheckedHoveredImage;
	FCheckBoxStyle& SetCheckedHoveredImage(const FSlateBrush& InCheckedHoveredImage)
	{
		CheckedHoveredImage = InCheckedHoveredImage;
		return *this;
	}

	FSlateBrush CheckedPressedImage;
	FCheckBoxStyle& SetCheckedPressedImage(const FSlateBrush& InCheckedPressedImage)
	{
		CheckedPressedImage = InCheckedPressedImage;
		return *this;
	}

	FSlateBrush UndeterminedImage;
	FCheckBoxStyle& SetUndeterminedImage(const FSlateBrush& InUndeterminedImage)
	{
		UndeterminedImage = InUndeterminedImage;
		return *this;
	}

	FSlateBrush UndeterminedHoveredImage;
	FCheckBoxStyle& SetUndeterminedHoveredImage(const FSlateBrush& InUndeterminedHoveredImage)
	{
		UndeterminedHoveredImage = InUndeterminedHoveredImage;
		return *this;
	}

	FSlateBrush UndeterminedPressedImage;
	FCheckBoxStyle& SetUndeterminedPressedImage(const FSlateBrush& InUndeterminedPressedImage)
	{
		UndeterminedPressedImage = InUndeterminedPressedImage;
		return *this;
	}

	FSlateBrush BackgroundImage;
	FCheckBoxStyle& SetBackgroundImage(const FSlateBrush& InBackgroundImage)
	{
		BackgroundImage = InBackgroundImage;
		return *this;
	}

	FSlateBrush BackgroundHoveredImage;
	FCheckBoxStyle& SetBackgroundHoveredImage(const FSlateBrush& InBackgroundHoveredImage)
	{
		BackgroundHoveredImage = InBackgroundHoveredImage;
		return *this;
	}

	FSlateBrush BackgroundPressedImage;
	FCheckBoxStyle& SetBackgroundPressedImage(const FSlateBrush& InBackgroundPressedImage)
	{
		BackgroundPressedImage = InBackgroundPressedImage;
		return *this;
	}

	FMargin Padding = FMargin(0);
	FCheckBoxStyle& SetPadding(const FMargin& InPadding)
	{
		Padding = InPadding;
		return *this;
	}

	FSlateColor ForegroundColor = FSlateColor::UseForeground();
	FCheckBoxStyle& SetForegroundColor(const FSlateColor& InForegroundColor)
	{
		ForegroundColor = InForegroundColor;
		return *this;
	}

	FSlateColor HoveredForeground = FSlateColor::UseForeground();
	FCheckBoxStyle& SetHoveredForeground(const FSlateColor& InHoveredForeground)
	{
		HoveredForeground = InHoveredForeground;
		return *this;
	}

	FSlateColor PressedForeground = FSlateColor::UseForeground();
	FCheckBoxStyle& SetPressedForeground(const FSlateColor& InPressedForeground)
	{
		PressedForeground = InPressedForeground;
		return *this;
	}

	FSlateColor CheckedForeground = FSlateColor::UseForeground();
	FCheckBoxStyle& SetCheckedForeground(const FSlateColor& InCheckedForeground)
	{
		CheckedForeground = InCheckedForeground;
		return *this;
	}

	FSlateColor CheckedHoveredForeground = FSlateColor::UseForeground();
	FCheckBoxStyle& SetCheckedHoveredForeground(const FSlateColor& InCheckedHoveredForeground)
	{
		CheckedHoveredForeground = InCheckedHoveredForeground;
		return *this;
	}

	FSlateColor CheckedPressedForeground = FSlateColor::UseForeground();
	FCheckBoxStyle& SetCheckedPressedForeground(const FSlateColor& InCheckedPressedForeground)
	{
		CheckedPressedForeground = InCheckedPressedForeground;
		return *this;
	}

	FSlateColor UndeterminedForeground = FSlateColor::UseForeground();
	FCheckBoxStyle& SetUndeterminedForeground(const FSlateColor& InUndeterminedForeground)
	{
		UndeterminedForeground = InUndeterminedForeground;
		return *this;
	}

	FSlateColor BorderBackgroundColor = FSlateColor(FLinearColor::White);
	FCheckBoxStyle& SetBorderBackgroundColor(const FSlateColor& InBorderBackgroundColor)
	{
		BorderBackgroundColor = InBorderBackgroundColor;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&UncheckedImage);
		OutBrushes.Add(&UncheckedHoveredImage);
		OutBrushes.Add(&UncheckedPressedImage);
		OutBrushes.Add(&CheckedImage);
		OutBrushes.Add(&CheckedHoveredImage);
		OutBrushes.Add(&CheckedPressedImage);
		OutBrushes.Add(&UndeterminedImage);
		OutBrushes.Add(&UndeterminedHoveredImage);
		OutBrushes.Add(&UndeterminedPressedImage);
		OutBrushes.Add(&BackgroundImage);
		OutBrushes.Add(&BackgroundHoveredImage);
		OutBrushes.Add(&BackgroundPressedImage);
	}

};

struct SLATECORE_API FSpinBoxStyle : public FSlateWidgetStyle
{
	FSpinBoxStyle();
	virtual ~FSpinBoxStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FSpinBoxStyle& GetDefault();

	FSlateBrush BackgroundBrush;
	FSpinBoxStyle& SetBackgroundBrush(const FSlateBrush& InBackgroundBrush)
	{
		BackgroundBrush = InBackgroundBrush;
		return *this;
	}

	FSlateBrush HoveredBackgroundBrush;
	FSpinBoxStyle& SetHoveredBackgroundBrush(const FSlateBrush& InHoveredBackgroundBrush)
	{
		HoveredBackgroundBrush = InHoveredBackgroundBrush;
		return *this;
	}

	FSlateBrush ActiveFillBrush;
	FSpinBoxStyle& SetActiveFillBrush(const FSlateBrush& InActiveFillBrush)
	{
		ActiveFillBrush = InActiveFillBrush;
		return *this;
	}

	FSlateBrush HoveredFillBrush;
	FSpinBoxStyle& SetHoveredFillBrush(const FSlateBrush& InHoveredFillBrush)
	{
		HoveredFillBrush = InHoveredFillBrush;
		return *this;
	}

	FSlateBrush InactiveFillBrush;
	FSpinBoxStyle& SetInactiveFillBrush(const FSlateBrush& InInactiveFillBrush)
	{
		InactiveFillBrush = InInactiveFillBrush;
		return *this;
	}

	FSlateBrush ArrowsImage;
	FSpinBoxStyle& SetArrowsImage(const FSlateBrush& InArrowsImage)
	{
		ArrowsImage = InArrowsImage;
		return *this;
	}

	FSlateColor ForegroundColor = FSlateColor::UseForeground();
	FSpinBoxStyle& SetForegroundColor(const FSlateColor& InForegroundColor)
	{
		ForegroundColor = InForegroundColor;
		return *this;
	}

	FMargin TextPadding = FMargin(1.f, 2.f);
	FSpinBoxStyle& SetTextPadding(const FMargin& InTextPadding)
	{
		TextPadding = InTextPadding;
		return *this;
	}

	FMargin InsetPadding = FMargin(1.f, 1.f);
	FSpinBoxStyle& SetInsetPadding(const FMargin& InInsetPadding)
	{
		InsetPadding = InInsetPadding;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&BackgroundBrush);
		OutBrushes.Add(&HoveredBackgroundBrush);
		OutBrushes.Add(&ActiveFillBrush);
		OutBrushes.Add(&HoveredFillBrush);
		OutBrushes.Add(&InactiveFillBrush);
		OutBrushes.Add(&ArrowsImage);
	}

};

struct SLATECORE_API FEditableTextStyle : public FSlateWidgetStyle
{
	FEditableTextStyle();
	virtual ~FEditableTextStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FEditableTextStyle& GetDefault();

	FSlateFontInfo Font = FSlateFontInfo(FName(TEXT("Roboto")), 9.f);
	FEditableTextStyle& SetFont(const FSlateFontInfo& InFont)
	{
		Font = InFont;
		return *this;
	}

	FSlateColor ColorAndOpacity = FSlateColor::UseForeground();
	FEditableTextStyle& SetColorAndOpacity(const FSlateColor& InColorAndOpacity)
	{
		ColorAndOpacity = InColorAndOpacity;
		return *this;
	}

	FSlateBrush BackgroundImageSelected;
	FEditableTextStyle& SetBackgroundImageSelected(const FSlateBrush& InBackgroundImageSelected)
	{
		BackgroundImageSelected = InBackgroundImageSelected;
		return *this;
	}

	FSlateBrush BackgroundImageComposing;
	FEditableTextStyle& SetBackgroundImageComposing(const FSlateBrush& InBackgroundImageComposing)
	{
		BackgroundImageComposing = InBackgroundImageComposing;
		return *this;
	}

	FSlateBrush CaretImage;
	FEditableTextStyle& SetCaretImage(const FSlateBrush& InCaretImage)
	{
		CaretImage = InCaretImage;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&BackgroundImageSelected);
		OutBrushes.Add(&BackgroundImageComposing);
		OutBrushes.Add(&CaretImage);
	}

};

struct SLATECORE_API FEditableTextBoxStyle : public FSlateWidgetStyle
{
	FEditableTextBoxStyle();
	virtual ~FEditableTextBoxStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FEditableTextBoxStyle& GetDefault();

	FSlateBrush BackgroundImageNormal;
	FEditableTextBoxStyle& SetBackgroundImageNormal(const FSlateBrush& InBackgroundImageNormal)
	{
		BackgroundImageNormal = InBackgroundImageNormal;
		return *this;
	}

	FSlateBrush BackgroundImageHovered;
	FEditableTextBoxStyle& SetBackgroundImageHovered(const FSlateBrush& InBackgroundImageHovered)
	{
		BackgroundImageHovered = InBackgroundImageHovered;
		return *this;
	}

	FSlateBrush BackgroundImageFocused;
	FEditableTextBoxStyle& SetBackgroundImageFocused(const FSlateBrush& InBackgroundImageFocused)
	{
		BackgroundImageFocused = InBackgroundImageFocused;
		return *this;
	}

	FSlateBrush BackgroundImageReadOnly;
	FEditableTextBoxStyle& SetBackgroundImageReadOnly(const FSlateBrush& InBackgroundImageReadOnly)
	{
		BackgroundImageReadOnly = InBackgroundImageReadOnly;
		return *this;
	}

	FMargin Padding = FMargin(4.f, 2.f);
	FEditableTextBoxStyle& SetPadding(const FMargin& InPadding)
	{
		Padding = InPadding;
		return *this;
	}

	FTextBlockStyle TextStyle;
	FEditableTextBoxStyle& SetTextStyle(const FTextBlockStyle& InTextStyle)
	{
		TextStyle = InTextStyle;
		return *this;
	}

	FSlateColor ForegroundColor = FSlateColor::UseForeground();
	FEditableTextBoxStyle& SetForegroundColor(const FSlateColor& InForegroundColor)
	{
		ForegroundColor = InForegroundColor;
		return *this;
	}

	FSlateColor BackgroundColor = FSlateColor(FLinearColor::White);
	FEditableTextBoxStyle& SetBackgroundColor(const FSlateColor& InBackgroundColor)
	{
		BackgroundColor = InBackgroundColor;
		return *this;
	}

	FSlateColor ReadOnlyForegroundColor = FSlateColor::UseForeground();
	FEditableTextBoxStyle& SetReadOnlyForegroundColor(const FSlateColor& InReadOnlyForegroundColor)
	{
		ReadOnlyForegroundColor = InReadOnlyForegroundColor;
		return *this;
	}

	FSlateColor FocusedForegroundColor = FSlateColor::UseForeground();
	FEditableTextBoxStyle& SetFocusedForegroundColor(const FSlateColor& InFocusedForegroundColor)
	{
		FocusedForegroundColor = InFocusedForegroundColor;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&BackgroundImageNormal);
		OutBrushes.Add(&BackgroundImageHovered);
		OutBrushes.Add(&BackgroundImageFocused);
		OutBrushes.Add(&BackgroundImageReadOnly);
	}

};

struct SLATECORE_API FComboButtonStyle : public FSlateWidgetStyle
{
	FComboButtonStyle();
	virtual ~FComboButtonStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FComboButtonStyle& GetDefault();

	FButtonStyle ButtonStyle;
	FComboButtonStyle& SetButtonStyle(const FButtonStyle& InButtonStyle)
	{
		ButtonStyle = InButtonStyle;
		return *this;
	}

	FSlateBrush DownArrowImage;
	FComboButtonStyle& SetDownArrowImage(const FSlateBrush& InDownArrowImage)
	{
		DownArrowImage = InDownArrowImage;
		return *this;
	}

	FSlateBrush MenuBorderBrush;
	FComboButtonStyle& SetMenuBorderBrush(const FSlateBrush& InMenuBorderBrush)
	{
		MenuBorderBrush = InMenuBorderBrush;
		return *this;
	}

	FMargin MenuBorderPadding = FMargin(0);
	FComboButtonStyle& SetMenuBorderPadding(const FMargin& InMenuBorderPadding)
	{
		MenuBorderPadding = InMenuBorderPadding;
		return *this;
	}

	FMargin ContentPadding = FMargin(0);
	FComboButtonStyle& SetContentPadding(const FMargin& InContentPadding)
	{
		ContentPadding = InContentPadding;
		return *this;
	}

	FMargin DownArrowPadding = FMargin(0);
	FComboButtonStyle& SetDownArrowPadding(const FMargin& InDownArrowPadding)
	{
		DownArrowPadding = InDownArrowPadding;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&DownArrowImage);
		OutBrushes.Add(&MenuBorderBrush);
	}

};

struct SLATECORE_API FComboBoxStyle : public FSlateWidgetStyle
{
	FComboBoxStyle();
	virtual ~FComboBoxStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FComboBoxStyle& GetDefault();

	FComboButtonStyle ComboButtonStyle;
	FComboBoxStyle& SetComboButtonStyle(const FComboButtonStyle& InComboButtonStyle)
	{
		ComboButtonStyle = InComboButtonStyle;
		return *this;
	}

	FMargin ContentPadding = FMargin(4.f, 2.f);
	FComboBoxStyle& SetContentPadding(const FMargin& InContentPadding)
	{
		ContentPadding = InContentPadding;
		return *this;
	}

	FMargin MenuRowPadding = FMargin(0);
	FComboBoxStyle& SetMenuRowPadding(const FMargin& InMenuRowPadding)
	{
		MenuRowPadding = InMenuRowPadding;
		return *this;
	}


};

struct SLATECORE_API FTableRowStyle : public FSlateWidgetStyle
{
	FTableRowStyle();
	virtual ~FTableRowStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FTableRowStyle& GetDefault();

	FSlateBrush SelectorFocusedBrush;
	FTableRowStyle& SetSelectorFocusedBrush(const FSlateBrush& InSelectorFocusedBrush)
	{
		SelectorFocusedBrush = InSelectorFocusedBrush;
		return *this;
	}

	FSlateBrush ActiveHoveredBrush;
	FTableRowStyle& SetActiveHoveredBrush(const FSlateBrush& InActiveHoveredBrush)
	{
		ActiveHoveredBrush = InActiveHoveredBrush;
		return *this;
	}

	FSlateBrush ActiveBrush;
	FTableRowStyle& SetActiveBrush(const FSlateBrush& InActiveBrush)
	{
		ActiveBrush = InActiveBrush;
		return *this;
	}

	FSlateBrush ActiveHighlightedBrush;
	FTableRowStyle& SetActiveHighlightedBrush(const FSlateBrush& InActiveHighlightedBrush)
	{
		ActiveHighlightedBrush = InActiveHighlightedBrush;
		return *this;
	}

	FSlateBrush InactiveHoveredBrush;
	FTableRowStyle& SetInactiveHoveredBrush(const FSlateBrush& InInactiveHoveredBrush)
	{
		InactiveHoveredBrush = InInactiveHoveredBrush;
		return *this;
	}

	FSlateBrush InactiveBrush;
	FTableRowStyle& SetInactiveBrush(const FSlateBrush& InInactiveBrush)
	{
		InactiveBrush = InInactiveBrush;
		return *this;
	}

	FSlateBrush InactiveHighlightedBrush;
	FTableRowStyle& SetInactiveHighlightedBrush(const FSlateBrush& InInactiveHighlightedBrush)
	{
		InactiveHighlightedBrush = InInactiveHighlightedBrush;
		return *this;
	}

	FSlateBrush EvenRowBackgroundHoveredBrush;
	FTableRowStyle& SetEvenRowBackgroundHoveredBrush(const FSlateBrush& InEvenRowBackgroundHoveredBrush)
	{
		EvenRowBackgroundHoveredBrush = InEvenRowBackgroundHoveredBrush;
		return *this;
	}

	FSlateBrush EvenRowBackgroundBrush;
	FTableRowStyle& SetEvenRowBackgroundBrush(const FSlateBrush& InEvenRowBackgroundBrush)
	{
		EvenRowBackgroundBrush = InEvenRowBackgroundBrush;
		return *this;
	}

	FSlateBrush OddRowBackgroundHoveredBrush;
	FTableRowStyle& SetOddRowBackgroundHoveredBrush(const FSlateBrush& InOddRowBackgroundHoveredBrush)
	{
		OddRowBackgroundHoveredBrush = InOddRowBackgroundHoveredBrush;
		return *this;
	}

	FSlateBrush OddRowBackgroundBrush;
	FTableRowStyle& SetOddRowBackgroundBrush(const FSlateBrush& InOddRowBackgroundBrush)
	{
		OddRowBackgroundBrush = InOddRowBackgroundBrush;
		return *this;
	}

	FSlateColor TextColor = FSlateColor::UseForeground();
	FTableRowStyle& SetTextColor(const FSlateColor& InTextColor)
	{
		TextColor = InTextColor;
		return *this;
	}

	FSlateColor SelectedTextColor = FSlateColor::UseForeground();
	FTableRowStyle& SetSelectedTextColor(const FSlateColor& InSelectedTextColor)
	{
		SelectedTextColor = InSelectedTextColor;
		return *this;
	}

	FSlateBrush DropIndicator_Above;
	FTableRowStyle& SetDropIndicator_Above(const FSlateBrush& InDropIndicator_Above)
	{
		DropIndicator_Above = InDropIndicator_Above;
		return *this;
	}

	FSlateBrush DropIndicator_Onto;
	FTableRowStyle& SetDropIndicator_Onto(const FSlateBrush& InDropIndicator_Onto)
	{
		DropIndicator_Onto = InDropIndicator_Onto;
		return *this;
	}

	FSlateBrush DropIndicator_Below;
	FTableRowStyle& SetDropIndicator_Below(const FSlateBrush& InDropIndicator_Below)
	{
		DropIndicator_Below = InDropIndicator_Below;
		return *this;
	}

	bool bUseParentRowBrush = false;
	FTableRowStyle& SetUseParentRowBrush(const bool& InbUseParentRowBrush)
	{
		bUseParentRowBrush = InbUseParentRowBrush;
		return *this;
	}

	FSlateBrush ParentRowBackgroundBrush;
	FTableRowStyle& SetParentRowBackgroundBrush(const FSlateBrush& InParentRowBackgroundBrush)
	{
		ParentRowBackgroundBrush = InParentRowBackgroundBrush;
		return *this;
	}

	FSlateBrush ParentRowBackgroundHoveredBrush;
	FTableRowStyle& SetParentRowBackgroundHoveredBrush(const FSlateBrush& InParentRowBackgroundHoveredBrush)
	{
		ParentRowBackgroundHoveredBrush = InParentRowBackgroundHoveredBrush;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&SelectorFocusedBrush);
		OutBrushes.Add(&ActiveHoveredBrush);
		OutBrushes.Add(&ActiveBrush);
		OutBrushes.Add(&ActiveHighlightedBrush);
		OutBrushes.Add(&InactiveHoveredBrush);
		OutBrushes.Add(&InactiveBrush);
		OutBrushes.Add(&InactiveHighlightedBrush);
		OutBrushes.Add(&EvenRowBackgroundHoveredBrush);
		OutBrushes.Add(&EvenRowBackgroundBrush);
		OutBrushes.Add(&OddRowBackgroundHoveredBrush);
		OutBrushes.Add(&OddRowBackgroundBrush);
		OutBrushes.Add(&DropIndicator_Above);
		OutBrushes.Add(&DropIndicator_Onto);
		OutBrushes.Add(&DropIndicator_Below);
		OutBrushes.Add(&ParentRowBackgroundBrush);
		OutBrushes.Add(&ParentRowBackgroundHoveredBrush);
	}

};

struct SLATECORE_API FTableViewStyle : public FSlateWidgetStyle
{
	FTableViewStyle();
	virtual ~FTableViewStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FTableViewStyle& GetDefault();

	FSlateBrush BackgroundBrush;
	FTableViewStyle& SetBackgroundBrush(const FSlateBrush& InBackgroundBrush)
	{
		BackgroundBrush = InBackgroundBrush;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&BackgroundBrush);
	}

};

struct SLATECORE_API FTableColumnHeaderStyle : public FSlateWidgetStyle
{
	FTableColumnHeaderStyle();
	virtual ~FTableColumnHeaderStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FTableColumnHeaderStyle& GetDefault();

	FSlateBrush SortPrimaryAscendingImage;
	FTableColumnHeaderStyle& SetSortPrimaryAscendingImage(const FSlateBrush& InSortPrimaryAscendingImage)
	{
		SortPrimaryAscendingImage = InSortPrimaryAscendingImage;
		return *this;
	}

	FSlateBrush SortPrimaryDescendingImage;
	FTableColumnHeaderStyle& SetSortPrimaryDescendingImage(const FSlateBrush& InSortPrimaryDescendingImage)
	{
		SortPrimaryDescendingImage = InSortPrimaryDescendingImage;
		return *this;
	}

	FSlateBrush SortSecondaryAscendingImage;
	FTableColumnHeaderStyle& SetSortSecondaryAscendingImage(const FSlateBrush& InSortSecondaryAscendingImage)
	{
		SortSecondaryAscendingImage = InSortSecondaryAscendingImage;
		return *this;
	}

	FSlateBrush SortSecondaryDescendingImage;
	FTableColumnHeaderStyle& SetSortSecondaryDescendingImage(const FSlateBrush& InSortSecondaryDescendingImage)
	{
		SortSecondaryDescendingImage = InSortSecondaryDescendingImage;
		return *this;
	}

	FSlateBrush NormalBrush;
	FTableColumnHeaderStyle& SetNormalBrush(const FSlateBrush& InNormalBrush)
	{
		NormalBrush = InNormalBrush;
		return *this;
	}

	FSlateBrush HoveredBrush;
	FTableColumnHeaderStyle& SetHoveredBrush(const FSlateBrush& InHoveredBrush)
	{
		HoveredBrush = InHoveredBrush;
		return *this;
	}

	FSlateBrush MenuDropdownImage;
	FTableColumnHeaderStyle& SetMenuDropdownImage(const FSlateBrush& InMenuDropdownImage)
	{
		MenuDropdownImage = InMenuDropdownImage;
		return *this;
	}

	FSlateBrush MenuDropdownNormalBorderBrush;
	FTableColumnHeaderStyle& SetMenuDropdownNormalBorderBrush(const FSlateBrush& InMenuDropdownNormalBorderBrush)
	{
		MenuDropdownNormalBorderBrush = InMenuDropdownNormalBorderBrush;
		return *this;
	}

	FSlateBrush MenuDropdownHoveredBorderBrush;
	FTableColumnHeaderStyle& SetMenuDropdownHoveredBorderBrush(const FSlateBrush& InMenuDropdownHoveredBorderBrush)
	{
		MenuDropdownHoveredBorderBrush = InMenuDropdownHoveredBorderBrush;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&SortPrimaryAscendingImage);
		OutBrushes.Add(&SortPrimaryDescendingImage);
		OutBrushes.Add(&SortSecondaryAscendingImage);
		OutBrushes.Add(&SortSecondaryDescendingImage);
		OutBrushes.Add(&NormalBrush);
		OutBrushes.Add(&HoveredBrush);
		OutBrushes.Add(&MenuDropdownImage);
		OutBrushes.Add(&MenuDropdownNormalBorderBrush);
		OutBrushes.Add(&MenuDropdownHoveredBorderBrush);
	}

};

struct SLATECORE_API FSplitterStyle : public FSlateWidgetStyle
{
	FSplitterStyle();
	virtual ~FSplitterStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FSplitterStyle& GetDefault();

	FSlateBrush HandleNormalBrush;
	FSplitterStyle& SetHandleNormalBrush(const FSlateBrush& InHandleNormalBrush)
	{
		HandleNormalBrush = InHandleNormalBrush;
		return *this;
	}

	FSlateBrush HandleHighlightBrush;
	FSplitterStyle& SetHandleHighlightBrush(const FSlateBrush& InHandleHighlightBrush)
	{
		HandleHighlightBrush = InHandleHighlightBrush;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&HandleNormalBrush);
		OutBrushes.Add(&HandleHighlightBrush);
	}

};

struct SLATECORE_API FHeaderRowStyle : public FSlateWidgetStyle
{
	FHeaderRowStyle();
	virtual ~FHeaderRowStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FHeaderRowStyle& GetDefault();

	FTableColumnHeaderStyle ColumnStyle;
	FHeaderRowStyle& SetColumnStyle(const FTableColumnHeaderStyle& InColumnStyle)
	{
		ColumnStyle = InColumnStyle;
		return *this;
	}

	FTableColumnHeaderStyle LastColumnStyle;
	FHeaderRowStyle& SetLastColumnStyle(const FTableColumnHeaderStyle& InLastColumnStyle)
	{
		LastColumnStyle = InLastColumnStyle;
		return *this;
	}

	FSplitterStyle ColumnSplitterStyle;
	FHeaderRowStyle& SetColumnSplitterStyle(const FSplitterStyle& InColumnSplitterStyle)
	{
		ColumnSplitterStyle = InColumnSplitterStyle;
		return *this;
	}

	float SplitterHandleSize = 0.f;
	FHeaderRowStyle& SetSplitterHandleSize(const float& InSplitterHandleSize)
	{
		SplitterHandleSize = InSplitterHandleSize;
		return *this;
	}

	FSlateBrush BackgroundBrush;
	FHeaderRowStyle& SetBackgroundBrush(const FSlateBrush& InBackgroundBrush)
	{
		BackgroundBrush = InBackgroundBrush;
		return *this;
	}

	FSlateColor ForegroundColor = FSlateColor::UseForeground();
	FHeaderRowStyle& SetForegroundColor(const FSlateColor& InForegroundColor)
	{
		ForegroundColor = InForegroundColor;
		return *this;
	}

	FSlateBrush HorizontalSeparatorBrush;
	FHeaderRowStyle& SetHorizontalSeparatorBrush(const FSlateBrush& InHorizontalSeparatorBrush)
	{
		HorizontalSeparatorBrush = InHorizontalSeparatorBrush;
		return *this;
	}

	float HorizontalSeparatorThickness = 0.f;
	FHeaderRowStyle& SetHorizontalSeparatorThickness(const float& InHorizontalSeparatorThickness)
	{
		HorizontalSeparatorThickness = InHorizontalSeparatorThickness;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&BackgroundBrush);
		OutBrushes.Add(&HorizontalSeparatorBrush);
	}

};

struct SLATECORE_API FScrollBoxStyle : public FSlateWidgetStyle
{
	FScrollBoxStyle();
	virtual ~FScrollBoxStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FScrollBoxStyle& GetDefault();

	FSlateBrush TopShadowBrush;
	FScrollBoxStyle& SetTopShadowBrush(const FSlateBrush& InTopShadowBrush)
	{
		TopShadowBrush = InTopShadowBrush;
		return *this;
	}

	FSlateBrush BottomShadowBrush;
	FScrollBoxStyle& SetBottomShadowBrush(const FSlateBrush& InBottomShadowBrush)
	{
		BottomShadowBrush = InBottomShadowBrush;
		return *this;
	}

	FSlateBrush LeftShadowBrush;
	FScrollBoxStyle& SetLeftShadowBrush(const FSlateBrush& InLeftShadowBrush)
	{
		LeftShadowBrush = InLeftShadowBrush;
		return *this;
	}

	FSlateBrush RightShadowBrush;
	FScrollBoxStyle& SetRightShadowBrush(const FSlateBrush& InRightShadowBrush)
	{
		RightShadowBrush = InRightShadowBrush;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&TopShadowBrush);
		OutBrushes.Add(&BottomShadowBrush);
		OutBrushes.Add(&LeftShadowBrush);
		OutBrushes.Add(&RightShadowBrush);
	}

};

struct SLATECORE_API FScrollBarStyle : public FSlateWidgetStyle
{
	FScrollBarStyle();
	virtual ~FScrollBarStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FScrollBarStyle& GetDefault();

	FSlateBrush HorizontalBackgroundImage;
	FScrollBarStyle& SetHorizontalBackgroundImage(const FSlateBrush& InHorizontalBackgroundImage)
	{
		HorizontalBackgroundImage = InHorizontalBackgroundImage;
		return *this;
	}

	FSlateBrush VerticalBackgroundImage;
	FScrollBarStyle& SetVerticalBackgroundImage(const FSlateBrush& InVerticalBackgroundImage)
	{
		VerticalBackgroundImage = InVerticalBackgroundImage;
		return *this;
	}

	FSlateBrush NormalThumbImage;
	FScrollBarStyle& SetNormalThumbImage(const FSlateBrush& InNormalThumbImage)
	{
		NormalThumbImage = InNormalThumbImage;
		return *this;
	}

	FSlateBrush HoveredThumbImage;
	FScrollBarStyle& SetHoveredThumbImage(const FSlateBrush& InHoveredThumbImage)
	{
		HoveredThumbImage = InHoveredThumbImage;
		return *this;
	}

	FSlateBrush DraggedThumbImage;
	FScrollBarStyle& SetDraggedThumbImage(const FSlateBrush& InDraggedThumbImage)
	{
		DraggedThumbImage = InDraggedThumbImage;
		return *this;
	}

	float Thickness = 8.f;
	FScrollBarStyle& SetThickness(const float& InThickness)
	{
		Thickness = InThickness;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&HorizontalBackgroundImage);
		OutBrushes.Add(&VerticalBackgroundImage);
		OutBrushes.Add(&NormalThumbImage);
		OutBrushes.Add(&HoveredThumbImage);
		OutBrushes.Add(&DraggedThumbImage);
	}

};

struct SLATECORE_API FWindowStyle : public FSlateWidgetStyle
{
	FWindowStyle();
	virtual ~FWindowStyle()
	{
	}

	static const FName TypeName;
	virtual const FName GetTypeName() const override { return TypeName; }
	static const FWindowStyle& GetDefault();

	FSlateBrush BackgroundBrush;
	FWindowStyle& SetBackgroundBrush(const FSlateBrush& InBackgroundBrush)
	{
		BackgroundBrush = InBackgroundBrush;
		return *this;
	}

	FSlateBrush OutlineBrush;
	FWindowStyle& SetOutlineBrush(const FSlateBrush& InOutlineBrush)
	{
		OutlineBrush = InOutlineBrush;
		return *this;
	}

	FSlateColor BackgroundColor = FSlateColor(FLinearColor::White);
	FWindowStyle& SetBackgroundColor(const FSlateColor& InBackgroundColor)
	{
		BackgroundColor = InBackgroundColor;
		return *this;
	}

	FTextBlockStyle TitleTextStyle;
	FWindowStyle& SetTitleTextStyle(const FTextBlockStyle& InTitleTextStyle)
	{
		TitleTextStyle = InTitleTextStyle;
		return *this;
	}

	virtual void GetResources(TArray<const FSlateBrush*>& OutBrushes) const override
	{
		OutBrushes.Add(&BackgroundBrush);
		OutBrushes.Add(&OutlineBrush);
	}

};
