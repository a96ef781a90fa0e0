// One entry of a tool menu or toolbar: a menu entry, a button, a combo button, a separator or a widget.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "Textures/SlateIcon.h"
#include "ToolMenuDelegates.h"
#include "ToolMenuMisc.h"
#include "ToolMenuOwner.h"

struct FToolMenuEntrySubMenuData
{
	bool bIsSubMenu = false;
	bool bOpenSubMenuOnClick = false;
	FNewToolMenuChoice ConstructMenu;
};

struct FToolMenuEntryToolBarData
{
	TAttribute<FText> LabelOverride;
	FNewToolMenuChoice ComboButtonContextMenuGenerator;
	bool bSimpleComboBox = false;
	bool bIsFocusable = false;
	bool bForceSmallIcons = false;
};

struct TOOLMENUS_API FToolMenuEntry
{
	FToolMenuEntry();
	FToolMenuEntry(const FToolMenuOwner InOwner, const FName InName, EMultiBlockType InType);

	static FToolMenuEntry InitMenuEntry(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const FToolUIActionChoice& InAction, const EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button, const FName InTutorialHighlightName = NAME_None);
	static FToolMenuEntry InitMenuEntry(const TSharedPtr<const FUICommandInfo>& InCommand, const TAttribute<FText>& InLabelOverride = TAttribute<FText>(), const TAttribute<FText>& InToolTipOverride = TAttribute<FText>(), const TAttribute<FSlateIcon>& InIconOverride = TAttribute<FSlateIcon>(), const FName InTutorialHighlightName = NAME_None, const TOptional<FName> InNameOverride = TOptional<FName>());
	static FToolMenuEntry InitSubMenu(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FNewToolMenuChoice& InMakeMenu, bool bInOpenSubMenuOnClick = false, const TAttribute<FSlateIcon>& InIcon = TAttribute<FSlateIcon>(), const bool bShouldCloseWindowAfterMenuSelection = true, const FName InTutorialHighlightName = NAME_None);
	static FToolMenuEntry InitToolBarButton(const FName InName, const FToolUIActionChoice& InAction, const TAttribute<FText>& InLabel = TAttribute<FText>(), const TAttribute<FText>& InToolTip = TAttribute<FText>(), const TAttribute<FSlateIcon>& InIcon = TAttribute<FSlateIcon>(), const EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button, FName InTutorialHighlightName = NAME_None);
	static FToolMenuEntry InitToolBarButton(const TSharedPtr<const FUICommandInfo>& InCommand, const TAttribute<FText>& InLabelOverride = TAttribute<FText>(), const TAttribute<FText>& InToolTipOverride = TAttribute<FText>(), const TAttribute<FSlateIcon>& InIconOverride = TAttribute<FSlateIcon>(), FName InTutorialHighlightName = NAME_None, const TOptional<FName> InNameOverride = TOptional<FName>());
	static FToolMenuEntry InitComboButton(const FName InName, const FToolUIActionChoice& InAction, const FNewToolMenuChoice& InMenuContentGenerator, const TAttribute<FText>& InLabel = TAttribute<FText>(), const TAttribute<FText>& InToolTip = TAttribute<FText>(), const TAttribute<FSlateIcon>& InIcon = TAttribute<FSlateIcon>(), bool bInSimpleComboBox = false, FName InTutorialHighlightName = NAME_None);
	static FToolMenuEntry InitSeparator(const FName InName);
	static FToolMenuEntry InitWidget(const FName InName, const TSharedRef<SWidget>& InWidget, const FText& InLabel, bool bNoIndent = false, bool bSearchable = true, bool bNoPadding = false, const FText& InToolTipText = FText());

	bool IsSubMenu() const
	{
		return SubMenuData.bIsSubMenu;
	}
	TSharedPtr<const FUICommandInfo> GetCommand() const
	{
		return Command;
	}
	/** The entry's own action (not a command's). */
	const FUIAction& GetUIAction() const
	{
		return Action;
	}
	const FToolUIAction& GetToolUIAction() const
	{
		return ToolAction;
	}
	TSharedPtr<SWidget> GetWidget() const
	{
		return Widget;
	}

	FName Name;
	FToolMenuOwner Owner;
	EMultiBlockType Type;
	EUserInterfaceActionType UserInterfaceActionType;
	FName TutorialHighlightName;
	FToolMenuInsert InsertPosition;
	bool bShouldCloseWindowAfterMenuSelection;
	FName StyleNameOverride;

	TAttribute<FText> Label;
	TAttribute<FText> ToolTip;
	TAttribute<FSlateIcon> Icon;

	FToolMenuEntrySubMenuData SubMenuData;
	FToolMenuEntryToolBarData ToolBarData;

private:
	void SetCommand(const TSharedPtr<const FUICommandInfo>& InCommand, TOptional<FName> InName);
	void ResetActions();
	void SetActionChoice(const FToolUIActionChoice& InChoice);

	FUIAction Action;
	FToolUIAction ToolAction;
	TSharedPtr<const FUICommandInfo> Command;
	TSharedPtr<SWidget> Widget;
	bool bNoIndent = false;
	bool bSearchable = true;
};
