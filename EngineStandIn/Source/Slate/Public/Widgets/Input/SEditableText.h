// SEditableText: one line of editable text. Typing changes the text (OnTextChanged per change); Enter,
// losing focus or Escape commits it (OnTextCommitted). A bound Text attribute is shown while not typing.
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Framework/Text/TextLayout.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

DECLARE_DELEGATE_RetVal_OneParam(bool, FOnIsTypedCharValid, const TCHAR);

class SLATE_API SEditableText : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SEditableText)
		: _Text()
		, _HintText()
		, _Style(&FCoreStyle::Get().GetWidgetStyle<FEditableTextStyle>("NormalEditableText"))
		, _IsReadOnly(false)
		, _IsPassword(false)
		, _IsCaretMovedWhenGainFocus(true)
		, _SelectAllTextWhenFocused(false)
		, _RevertTextOnEscape(false)
		, _ClearKeyboardFocusOnCommit(true)
		, _AllowContextMenu(true)
		, _SelectAllTextOnCommit(false)
		, _Justification(ETextJustify::Left)
		, _MinDesiredWidth(0.0f)
	{
	}
		SLATE_ATTRIBUTE(FText, Text)
		SLATE_ATTRIBUTE(FText, HintText)
		SLATE_ATTRIBUTE(FText, SearchText)
		SLATE_STYLE_ARGUMENT(FEditableTextStyle, Style)
		SLATE_ATTRIBUTE(FSlateFontInfo, Font)
		SLATE_ATTRIBUTE(FSlateColor, ColorAndOpacity)
		SLATE_ATTRIBUTE(bool, IsReadOnly)
		SLATE_ATTRIBUTE(bool, IsPassword)
		SLATE_ATTRIBUTE(bool, IsCaretMovedWhenGainFocus)
		SLATE_ATTRIBUTE(bool, SelectAllTextWhenFocused)
		SLATE_ATTRIBUTE(bool, RevertTextOnEscape)
		SLATE_ATTRIBUTE(bool, ClearKeyboardFocusOnCommit)
		SLATE_ATTRIBUTE(bool, AllowContextMenu)
		SLATE_ATTRIBUTE(bool, SelectAllTextOnCommit)
		SLATE_ATTRIBUTE(ETextJustify::Type, Justification)
		SLATE_ATTRIBUTE(float, MinDesiredWidth)
		SLATE_EVENT(FOnTextChanged, OnTextChanged)
		SLATE_EVENT(FOnTextCommitted, OnTextCommitted)
		SLATE_EVENT(FOnIsTypedCharValid, OnIsTypedCharValid)
		SLATE_EVENT(FOnVerifyTextChanged, OnVerifyTextChanged)
		SLATE_EVENT(FOnKeyDown, OnKeyDownHandler)
	SLATE_END_ARGS()

	SEditableText();
	void Construct(const FArguments& InArgs);

	/** While typing, the typed text; otherwise the Text attribute. */
	FText GetText() const;
	void SetText(const TAttribute<FText>& InNewText);
	FText GetHintText() const { return HintText.Get(FText::GetEmpty()); }
	void SetHintText(const TAttribute<FText>& InHintText) { HintText = InHintText; }
	void SetIsReadOnly(TAttribute<bool> InIsReadOnly) { IsReadOnly = InIsReadOnly; }
	bool IsTextReadOnly() const { return IsReadOnly.Get(false); }
	void SetIsPassword(TAttribute<bool> InIsPassword) { IsPassword = InIsPassword; }
	void SetFont(const TAttribute<FSlateFontInfo>& InNewFont) { Font = InNewFont; }
	void SetColorAndOpacity(TAttribute<FSlateColor> Color) { ColorAndOpacity = Color; }
	void SetSelectAllTextWhenFocused(const TAttribute<bool>& InSelectAll) { SelectAllTextWhenFocused = InSelectAll; }
	void SetRevertTextOnEscape(const TAttribute<bool>& InRevert) { RevertTextOnEscape = InRevert; }
	void SetClearKeyboardFocusOnCommit(const TAttribute<bool>& InClear) { ClearKeyboardFocusOnCommit = InClear; }
	void SelectAllText();
	void ClearSelection();
	FText GetSelectedText() const { return bAllSelected ? GetText() : FText::GetEmpty(); }
	bool AnyTextSelected() const { return bAllSelected && !GetText().IsEmpty(); }
	/** The error the verify delegate reported for the current text, if any. */
	const FText& GetVerifyError() const { return VerifyError; }
	bool IsTyping() const { return bIsEditing; }

	virtual bool SupportsKeyboardFocus() const override { return true; }
	virtual bool IsInteractable() const override { return IsEnabled() && !IsTextReadOnly(); }
	virtual FReply OnFocusReceived(const FGeometry& MyGeometry, const FFocusEvent& InFocusEvent) override;
	virtual void OnFocusLost(const FFocusEvent& InFocusEvent) override;
	virtual FReply OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent) override;
	virtual FReply OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent) override;
	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual FReply OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;

private:
	void BeginEditing();
	void ChangeEditedText(const FString& InNewText);
	void Commit(ETextCommit::Type CommitType);

	TAttribute<FText> BoundText;
	TAttribute<FText> HintText;
	FEditableTextStyle Style;
	TAttribute<FSlateFontInfo> Font;
	TAttribute<FSlateColor> ColorAndOpacity;
	TAttribute<bool> IsReadOnly;
	TAttribute<bool> IsPassword;
	TAttribute<bool> SelectAllTextWhenFocused;
	TAttribute<bool> RevertTextOnEscape;
	TAttribute<bool> ClearKeyboardFocusOnCommit;
	TAttribute<bool> SelectAllTextOnCommit;
	TAttribute<float> MinDesiredWidth;
	FOnTextChanged OnTextChanged;
	FOnTextCommitted OnTextCommitted;
	FOnIsTypedCharValid OnIsTypedCharValid;
	FOnVerifyTextChanged OnVerifyTextChanged;
	FOnKeyDown OnKeyDownHandler;

	bool bIsEditing = false;
	bool bAllSelected = false;
	bool bMouseDown = false;
	FString EditedText;
	FString TextBeforeEditing;
	FText VerifyError;
};
