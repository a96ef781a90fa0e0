// A named section of a tool menu: its label and its entries in order.
#pragma once

#include "CoreMinimal.h"
#include "ToolMenuEntry.h"
#include "ToolMenuMisc.h"
#include "ToolMenuOwner.h"

struct TOOLMENUS_API FToolMenuSection
{
	FToolMenuSection()
	{
	}

	/** Adds the entry; an entry of the same name is replaced. */
	FToolMenuEntry& AddEntry(const FToolMenuEntry& Args);
	FToolMenuEntry& AddSeparator(const FName InName);
	FToolMenuEntry& AddMenuEntry(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const FToolUIActionChoice& InAction, const EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button, const FName InTutorialHighlightName = NAME_None);
	FToolMenuEntry& AddMenuEntry(const TSharedPtr<const FUICommandInfo>& InCommand, const TAttribute<FText>& InLabelOverride = TAttribute<FText>(), const TAttribute<FText>& InToolTipOverride = TAttribute<FText>(), const TAttribute<FSlateIcon>& InIconOverride = TAttribute<FSlateIcon>(), const FName InTutorialHighlightName = NAME_None, const TOptional<FName> InNameOverride = TOptional<FName>());
	FToolMenuEntry& AddSubMenu(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FNewToolMenuChoice& InMakeMenu, bool bInOpenSubMenuOnClick = false, const TAttribute<FSlateIcon>& InIcon = TAttribute<FSlateIcon>(), const bool bShouldCloseWindowAfterMenuSelection = true, const FName InTutorialHighlightName = NAME_None);

	FToolMenuEntry* FindEntry(const FName InName);
	const FToolMenuEntry* FindEntry(const FName InName) const;
	/** Removes the entries of that name; how many were removed. */
	int32 RemoveEntry(const FName InName);
	/** Removes the entries that owner added; how many were removed. */
	int32 RemoveEntriesByOwner(const FToolMenuOwner InOwner);

	FName Name;
	TAttribute<FText> Label;
	FToolMenuInsert InsertPosition;
	FToolMenuOwner Owner;
	TArray<FToolMenuEntry> Blocks;
};
