#include "Widgets/Input/SEditableText.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Framework/Application/SlateApplication.h"
#include "Rendering/DrawElements.h"
#include "StandIn/NumericEntryHooks.h"

#include <cmath>
#include <cstdlib>

TOptional<double> UE::StandIn::ParseTypedNumber(const FString& Text)
{
	const FString Trimmed = Text.TrimStartAndEnd();
	if (Trimmed.IsEmpty())
	{
		return TOptional<double>();
	}
	const FTCHARToUTF8 Utf8(*Trimmed);
	const char* Begin = Utf8.Get();
	char* End = nullptr;
	const double Parsed = std::strtod(Begin, &End);
	if (End == Begin || *End != '\0' || !std::isfinite(Parsed))
	{
		return TOptional<double>();
	}
	return Parsed;
}

// SEditableText

SEditableText::SEditableText()
{
}

void SEditableText::Construct(const FArguments& InArgs)
{
	Style = InArgs._Style ? *InArgs._Style : FEditableTextStyle::GetDefault();
	BoundText = InArgs._Text;
	HintText = InArgs._HintText;
	Font = InArgs._Font;
	ColorAndOpacity = InArgs._ColorAndOpacity;
	IsReadOnly = InArgs._IsReadOnly;
	IsPassword = InArgs._IsPassword;
	SelectAllTextWhenFocused = InArgs._SelectAllTextWhenFocused;
	RevertTextOnEscape = InArgs._RevertTextOnEscape;
	ClearKeyboardFocusOnCommit = InArgs._ClearKeyboardFocusOnCommit;
	SelectAllTextOnCommit = InArgs._SelectAllTextOnCommit;
	MinDesiredWidth = InArgs._MinDesiredWidth;
	OnTextChanged = InArgs._OnTextChanged;
	OnTextCommitted = InArgs._OnTextCommitted;
	OnIsTypedCharValid = InArgs._OnIsTypedCharValid;
	OnVerifyTextChanged = InArgs._OnVerifyTextChanged;
	OnKeyDownHandler = InArgs._OnKeyDownHandler;
}

FText SEditableText::GetText() const
{
	if (bIsEditing)
	{
		return FText::FromString(EditedText);
	}
	return BoundText.Get(FText::GetEmpty());
}

void SEditableText::SetText(const TAttribute<FText>& InNewText)
{
	BoundText = InNewText;
	if (bIsEditing)
	{
		EditedText = BoundText.Get(FText::GetEmpty()).ToString();
	}
}

void SEditableText::SelectAllText()
{
	bAllSelected = true;
}

void SEditableText::ClearSelection()
{
	bAllSelected = false;
}

void SEditableText::BeginEditing()
{
	if (!bIsEditing)
	{
		bIsEditing = true;
		EditedText = BoundText.Get(FText::GetEmpty()).ToString();
		TextBeforeEditing = EditedText;
		bAllSelected = SelectAllTextWhenFocused.Get(false);
	}
}

void SEditableText::ChangeEditedText(const FString& InNewText)
{
	if (InNewText == EditedText)
	{
		return;
	}
	EditedText = InNewText;
	VerifyError = FText::GetEmpty();
	if (OnVerifyTextChanged.IsBound())
	{
		FText Error;
		if (!OnVerifyTextChanged.Execute(FText::FromString(EditedText), Error))
		{
			VerifyError = Error;
		}
	}
	OnTextChanged.ExecuteIfBound(FText::FromString(EditedText));
}

void SEditableText::Commit(ETextCommit::Type CommitType)
{
	const FText Committed = FText::FromString(EditedText);
	// Text that is not bound is the widget's own; bound text comes back from its owner.
	if (!BoundText.IsBound())
	{
		BoundText.Set(Committed);
	}
	const bool bLeaveEditing = CommitType != ETextCommit::OnEnter || ClearKeyboardFocusOnCommit.Get(true);
	if (bLeaveEditing)
	{
		bIsEditing = false;
		bAllSelected = false;
	}
	else
	{
		TextBeforeEditing = EditedText;
		bAllSelected = SelectAllTextOnCommit.Get(false);
	}
	OnTextCommitted.ExecuteIfBound(Committed, CommitType);
	// Enter hands the keyboard back: the box keeps no focus after its commit.
	if (CommitType == ETextCommit::OnEnter && bLeaveEditing && HasKeyboardFocus() && FSlateApplication::IsInitialized())
	{
		FSlateApplication::Get().ClearKeyboardFocus(EFocusCause::Cleared);
	}
}

FReply SEditableText::OnFocusReceived(const FGeometry& MyGeometry, const FFocusEvent& InFocusEvent)
{
	BeginEditing();
	return FReply::Handled();
}

void SEditableText::OnFocusLost(const FFocusEvent& InFocusEvent)
{
	if (bIsEditing)
	{
		Commit(ETextCommit::OnUserMovedFocus);
	}
}

FReply SEditableText::OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent)
{
	if (IsTextReadOnly() || !IsEnabled())
	{
		return FReply::Unhandled();
	}
	BeginEditing();
	const TCHAR Character = InCharacterEvent.GetCharacter();
	if (Character == TEXT('\b'))
	{
		ChangeEditedText(bAllSelected ? FString() : EditedText.Left(FMath::Max(0, EditedText.Len() - 1)));
		bAllSelected = false;
		return FReply::Handled();
	}
	if (Character < 32 || (OnIsTypedCharValid.IsBound() && !OnIsTypedCharValid.Execute(Character)))
	{
		return FReply::Unhandled();
	}
	FString NewText = bAllSelected ? FString() : EditedText;
	NewText.AppendChar(Character);
	bAllSelected = false;
	ChangeEditedText(NewText);
	return FReply::Handled();
}

FReply SEditableText::OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent)
{
	if (OnKeyDownHandler.IsBound())
	{
		const FReply Reply = OnKeyDownHandler.Execute(MyGeometry, InKeyEvent);
		if (Reply.IsEventHandled())
		{
			return Reply;
		}
	}
	const FKey Key = InKeyEvent.GetKey();
	if (Key == EKeys::Enter)
	{
		BeginEditing();
		Commit(ETextCommit::OnEnter);
		return FReply::Handled();
	}
	if (Key == EKeys::Escape && bIsEditing)
	{
		if (RevertTextOnEscape.Get(false))
		{
			ChangeEditedText(TextBeforeEditing);
		}
		bIsEditing = false;
		bAllSelected = false;
		OnTextCommitted.ExecuteIfBound(FText::FromString(EditedText), ETextCommit::OnCleared);
		return FReply::Handled();
	}
	if (IsTextReadOnly())
	{
		return FReply::Unhandled();
	}
	if (Key == EKeys::BackSpace)
	{
		BeginEditing();
		ChangeEditedText(bAllSelected ? FString() : EditedText.Left(FMath::Max(0, EditedText.Len() - 1)));
		bAllSelected = false;
		return FReply::Handled();
	}
	if (Key == EKeys::Delete && bAllSelected)
	{
		ChangeEditedText(FString());
		bAllSelected = false;
		return FReply::Handled();
	}
	if (Key == EKeys::A && InKeyEvent.IsControlDown())
	{
		BeginEditing();
		bAllSelected = true;
		return FReply::Handled();
	}
	return FReply::Unhandled();
}

FReply SEditableText::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (MouseEvent.GetEffectingButton() == EKeys::LeftMouseButton && IsEnabled())
	{
		bMouseDown = true;
		return FReply::Handled().SetUserFocus(AsShared(), EFocusCause::Mouse);
	}
	return FReply::Unhandled();
}

FReply SEditableText::OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (bMouseDown && MouseEvent.GetEffectingButton() == EKeys::LeftMouseButton)
	{
		bMouseDown = false;
		BeginEditing();
		return FReply::Handled();
	}
	return FReply::Unhandled();
}

int32 SEditableText::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
	int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	FString Shown = GetText().ToString();
	FLinearColor Color = (ColorAndOpacity.IsSet() ? ColorAndOpacity.Get() : Style.ColorAndOpacity).GetColor(InWidgetStyle);
	if (Shown.IsEmpty())
	{
		Shown = HintText.Get(FText::GetEmpty()).ToString();
		Color.A *= 0.5f;
	}
	else if (IsPassword.Get(false))
	{
		Shown = FString::ChrN(Shown.Len(), TEXT('*'));
	}
	const FSlateFontInfo FontInfo = Font.IsSet() ? Font.Get() : Style.Font;
	FSlateDrawElement::MakeText(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(), Shown, FontInfo,
		ShouldBeEnabled(bParentEnabled) ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect, Color * InWidgetStyle.GetColorAndOpacityTint());
	return LayerId;
}

FVector2D SEditableText::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	const FSlateFontInfo FontInfo = Font.IsSet() ? Font.Get() : Style.Font;
	const float Width = FMath::Max(GetText().ToString().Len(), 1) * FontInfo.Size * 0.55f;
	return FVector2D(FMath::Max(Width, MinDesiredWidth.Get(0.f)), FontInfo.Size * 1.35f);
}

// SEditableTextBox

SEditableTextBox::SEditableTextBox()
{
}

void SEditableTextBox::Construct(const FArguments& InArgs)
{
	Style = InArgs._Style ? InArgs._Style : &FEditableTextBoxStyle::GetDefault();
	SBorder::Construct(SBorder::FArguments()
		.BorderImage(&Style->BackgroundImageNormal)
		.BorderBackgroundColor(Style->BackgroundColor)
		.ForegroundColor(InArgs._ForegroundColor.IsSet() ? InArgs._ForegroundColor : TAttribute<FSlateColor>(Style->ForegroundColor))
		.Padding(InArgs._Padding.IsSet() ? InArgs._Padding : TAttribute<FMargin>(Style->Padding))
		[
			SAssignNew(EditableText, SEditableText)
			.Text(InArgs._Text)
			.HintText(InArgs._HintText)
			.Font(InArgs._Font.IsSet() ? InArgs._Font : TAttribute<FSlateFontInfo>(Style->TextStyle.Font))
			.IsReadOnly(InArgs._IsReadOnly)
			.IsPassword(InArgs._IsPassword)
			.IsCaretMovedWhenGainFocus(InArgs._IsCaretMovedWhenGainFocus)
			.SelectAllTextWhenFocused(InArgs._SelectAllTextWhenFocused)
			.RevertTextOnEscape(InArgs._RevertTextOnEscape)
			.ClearKeyboardFocusOnCommit(InArgs._ClearKeyboardFocusOnCommit)
			.AllowContextMenu(InArgs._AllowContextMenu)
			.SelectAllTextOnCommit(InArgs._SelectAllTextOnCommit)
			.Justification(InArgs._Justification)
			.MinDesiredWidth(InArgs._MinDesiredWidth)
			.OnTextChanged(InArgs._OnTextChanged)
			.OnTextCommitted(InArgs._OnTextCommitted)
			.OnVerifyTextChanged(InArgs._OnVerifyTextChanged)
			.OnKeyDownHandler(InArgs._OnKeyDownHandler)
			.OnIsTypedCharValid(InArgs._OnIsTypedCharValid)
		]);
}

FReply SEditableTextBox::OnFocusReceived(const FGeometry& MyGeometry, const FFocusEvent& InFocusEvent)
{
	// Focus goes on to the text inside, as in the engine.
	return EditableText->OnFocusReceived(MyGeometry, InFocusEvent);
}

void SEditableTextBox::OnFocusLost(const FFocusEvent& InFocusEvent)
{
	EditableText->OnFocusLost(InFocusEvent);
}

FReply SEditableTextBox::OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent)
{
	return EditableText->OnKeyChar(MyGeometry, InCharacterEvent);
}

FReply SEditableTextBox::OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent)
{
	return EditableText->OnKeyDown(MyGeometry, InKeyEvent);
}
