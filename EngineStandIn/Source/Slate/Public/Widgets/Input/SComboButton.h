// SComboButton: a button that opens a drop-down menu (its content made on opening by OnGetMenuContent,
// or given as MenuContent).
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class SButton;

class SLATE_API SComboButton : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SComboButton)
		: _ComboButtonStyle(&FCoreStyle::Get().GetWidgetStyle<FComboButtonStyle>("ComboButton"))
		, _ButtonStyle(nullptr)
		, _ButtonContent()
		, _MenuContent()
		, _IsFocusable(true)
		, _HasDownArrow(true)
		, _MenuPlacement(MenuPlacement_ComboBox)
		, _HAlign(HAlign_Fill)
		, _VAlign(VAlign_Center)
		, _CollapseMenuOnParentFocus(false)
	{
	}
		SLATE_STYLE_ARGUMENT(FComboButtonStyle, ComboButtonStyle)
		SLATE_STYLE_ARGUMENT(FButtonStyle, ButtonStyle)
		SLATE_NAMED_SLOT(FArguments, ButtonContent)
		SLATE_NAMED_SLOT(FArguments, MenuContent)
		SLATE_EVENT(FOnGetContent, OnGetMenuContent)
		SLATE_EVENT(FOnIsOpenChanged, OnMenuOpenChanged)
		SLATE_EVENT(FOnComboBoxOpened, OnComboBoxOpened)
		SLATE_ARGUMENT(bool, IsFocusable)
		SLATE_ARGUMENT(bool, HasDownArrow)
		SLATE_ATTRIBUTE(FSlateColor, ForegroundColor)
		SLATE_ATTRIBUTE(FSlateColor, ButtonColorAndOpacity)
		SLATE_ATTRIBUTE(FMargin, ContentPadding)
		SLATE_ATTRIBUTE(EMenuPlacement, MenuPlacement)
		SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
		SLATE_ARGUMENT(EVerticalAlignment, VAlign)
		SLATE_ARGUMENT(TOptional<EPopupMethod>, Method)
		SLATE_ARGUMENT(bool, CollapseMenuOnParentFocus)
	SLATE_END_ARGS()

	SComboButton();
	void Construct(const FArguments& InArgs);

	/** Opens or closes the menu; opening asks OnGetMenuContent for fresh content. */
	void SetIsOpen(bool InIsOpen, const bool bFocusMenu = true, const int32 FocusUserIndex = 0);
	bool IsOpen() const { return bIsOpen; }
	void SetMenuContent(TSharedRef<SWidget> InMenuContent);
	void SetOnGetMenuContent(FOnGetContent InOnGetMenuContent) { OnGetMenuContent = InOnGetMenuContent; }
	void SetButtonContent(TSharedRef<SWidget> InButtonContent);
	void SetMenuContentWidgetToFocus(TWeakPtr<SWidget> InWidget)
	{
	}
	void SetMenuPlacement(TAttribute<EMenuPlacement> InMenuPlacement)
	{
	}

	/** The menu on show while open (null when closed). */
	TSharedPtr<SWidget> GetMenuContent() const { return bIsOpen ? MenuContentWidget : TSharedPtr<SWidget>(); }

	virtual bool SupportsKeyboardFocus() const override { return bIsFocusable; }

protected:
	virtual FReply OnButtonClicked();
	virtual void OnMenuOpened()
	{
	}

	TSharedPtr<SButton> Button;
	TSharedPtr<SWidget> MenuContentWidget;
	TSharedRef<SWidget> StaticMenuContent;
	FOnGetContent OnGetMenuContent;
	FOnIsOpenChanged OnMenuOpenChanged;
	FOnComboBoxOpened OnComboBoxOpened;
	bool bIsOpen = false;
	bool bIsFocusable = true;
};
