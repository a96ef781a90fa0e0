// SEditableTextBox: an SEditableText in a bordered box, with error reporting.
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Input/SEditableText.h"
#include "Widgets/Layout/SBorder.h"

class SLATE_API SEditableTextBox : public SBorder
{
public:
	SLATE_BEGIN_ARGS(SEditableTextBox)
		: _Style(&FCoreStyle::Get().GetWidgetStyle<FEditableTextBoxStyle>("NormalEditableTextBox"))
		, _Text()
		, _HintText()
		, _IsReadOnly(false)
		, _IsPassword(false)
		, _IsCaretMovedWhenGainFocus(true)
		, _SelectAllTextWhenFocused(false)
		, _RevertTextOnEscape(false)
		, _ClearKeyboardFocusOnCommit(true)
		, _AllowContextMenu(true)
		, _MinDesiredWidth(0.0f)
		, _SelectAllTextOnCommit(false)
		, _Justification(ETextJustify::Left)
	{
	}
		SLATE_STYLE_ARGUMENT(FEditableTextBoxStyle, Style)
		SLATE_ATTRIBUTE(FText, Text)
		SLATE_ATTRIBUTE(FText, HintText)
		SLATE_ATTRIBUTE(FText, SearchText)
		SLATE_ATTRIBUTE(FSlateFontInfo, Font)
		SLATE_ATTRIBUTE(FSlateColor, ForegroundColor)
		SLATE_ATTRIBUTE(FSlateColor, ReadOnlyForegroundColor)
		SLATE_ATTRIBUTE(FSlateColor, FocusedForegroundColor)
		SLATE_ATTRIBUTE(bool, IsReadOnly)
		SLATE_ATTRIBUTE(bool, IsPassword)
		SLATE_ATTRIBUTE(bool, IsCaretMovedWhenGainFocus)
		SLATE_ATTRIBUTE(bool, SelectAllTextWhenFocused)
		SLATE_ATTRIBUTE(bool, RevertTextOnEscape)
		SLATE_ATTRIBUTE(bool, ClearKeyboardFocusOnCommit)
		SLATE_ATTRIBUTE(bool, AllowContextMenu)
		SLATE_ATTRIBUTE(float, MinDesiredWidth)
		SLATE_ATTRIBUTE(bool, SelectAllTextOnCommit)
		SLATE_ATTRIBUTE(ETextJustify::Type, Justification)
		SLATE_ATTRIBUTE(FMargin, Padding)
		SLATE_EVENT(FOnTextChanged, OnTextChanged)
		SLATE_EVENT(FOnTextCommitted, OnTextCommitted)
		SLATE_EVENT(FOnVerifyTextChanged, OnVerifyTextChanged)
		SLATE_EVENT(FOnKeyDown, OnKeyDownHandler)
		SLATE_EVENT(FOnIsTypedCharValid, OnIsTypedCharValid)
	SLATE_END_ARGS()

	SEditableTextBox();
	void Construct(const FArguments& InArgs);

	FText GetText() const { return EditableText->GetText(); }
	void SetText(const TAttribute<FText>& InNewText) { EditableText->SetText(InNewText); }
	FText GetHintText() const { return EditableText->GetHintText(); }
	void SetHintText(const TAttribute<FText>& InHintText) { EditableText->SetHintText(InHintText); }
	void SetIsReadOnly(TAttribute<bool> InIsReadOnly) { EditableText->SetIsReadOnly(InIsReadOnly); }
	void SetIsPassword(TAttribute<bool> InIsPassword) { EditableText->SetIsPassword(InIsPassword); }
	void SetFont(const TAttribute<FSlateFontInfo>& InFont) { EditableText->SetFont(InFont); }
	void SetStyle(const FEditableTextBoxStyle* InStyle) { Style = InStyle ? InStyle : &FEditableTextBoxStyle::GetDefault(); }
	void SelectAllText() { EditableText->SelectAllText(); }
	void ClearSelection() { EditableText->ClearSelection(); }

	void SetError(const FText& InError) { ErrorText = InError.ToString(); }
	void SetError(const FString& InError) { ErrorText = InError; }
	bool HasError() const { return !ErrorText.IsEmpty(); }
	/** The error shown next to the text (empty when none). */
	const FString& GetErrorText() const { return ErrorText; }

	TSharedPtr<SEditableText> GetEditableText() const { return EditableText; }

	virtual bool SupportsKeyboardFocus() const override { return true; }
	virtual bool IsInteractable() const override { return EditableText->IsInteractable(); }
	virtual FReply OnFocusReceived(const FGeometry& MyGeometry, const FFocusEvent& InFocusEvent) override;
	virtual void OnFocusLost(const FFocusEvent& InFocusEvent) override;
	virtual FReply OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent) override;
	virtual FReply OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent) override;

private:
	const FEditableTextBoxStyle* Style = nullptr;
	TSharedPtr<SEditableText> EditableText;
	FString ErrorText;
};
