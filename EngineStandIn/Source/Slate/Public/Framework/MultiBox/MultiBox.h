// The content of a menu or toolbar: an ordered list of blocks (headings, entries, widgets, separators).
#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "Framework/SlateDelegates.h"
#include "Textures/SlateIcon.h"

class FUICommandList;
class ISlateStyle;
class SWidget;

/** One row of a menu or one item of a toolbar. */
class SLATE_API FMultiBlock
{
public:
	EMultiBlockType Type = EMultiBlockType::None;
	FName ExtensionHook;
	FName TutorialHighlightName;

	/** Command entries: the command and the list that carries out its action. */
	TSharedPtr<const FUICommandInfo> Command;
	TSharedPtr<const FUICommandList> CommandList;
	/** Entries made from an action instead of a command. */
	FUIAction DirectAction;
	EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button;

	/** Overrides of the command's label, tooltip and icon (unset: the command's own). */
	TAttribute<FText> Label;
	TAttribute<FText> ToolTip;
	FSlateIcon Icon;
	TAttribute<EVisibility> Visibility;

	/** Widget rows. */
	TSharedPtr<SWidget> Widget;
	bool bNoIndent = false;
	bool bSearchable = true;

	/** Sub-menus and combo buttons. */
	FNewMenuDelegate SubMenu;
	FOnGetContent MenuContent;
	bool bCloseWindowAfterMenuSelection = true;

	bool IsCommandBlock() const
	{
		return Command.IsValid();
	}
	/** What the row shows: the override, else the command's label. */
	FText GetDisplayLabel() const;
	FText GetDisplayToolTip() const;
	FSlateIcon GetDisplayIcon() const;
	/** The action behind the entry: the direct one, or the command's mapping in the command list. */
	const FUIAction* GetAction() const;
};

class SLATE_API FMultiBox : public TSharedFromThis<FMultiBox>
{
public:
	DECLARE_DELEGATE_TwoParams(FOnMakeMultiBoxBuilderOverride, const TSharedRef<FMultiBox>&, const TSharedRef<SMultiBoxWidget>&);

	FMultiBox(EMultiBoxType InType, bool bInShouldCloseWindowAfterMenuSelection, const ISlateStyle* InStyleSet, FName InMenuName);

	EMultiBoxType GetType() const
	{
		return Type;
	}
	bool ShouldCloseWindowAfterMenuSelection() const
	{
		return bShouldCloseWindowAfterMenuSelection;
	}
	const ISlateStyle* GetStyleSet() const
	{
		return StyleSet;
	}
	FName GetMenuName() const
	{
		return MenuName;
	}

	void SetStyle(const ISlateStyle* InStyle, const FName& InStyleName)
	{
		StyleSet = InStyle;
		StyleName = InStyleName;
	}
	const FName& GetStyleName() const
	{
		return StyleName;
	}

	void AddBlock(const TSharedRef<FMultiBlock>& InBlock);
	const TArray<TSharedRef<FMultiBlock>>& GetBlocks() const
	{
		return Blocks;
	}

	bool bSearchable = false;
	bool bCloseSelfOnly = false;

private:
	EMultiBoxType Type;
	bool bShouldCloseWindowAfterMenuSelection;
	const ISlateStyle* StyleSet;
	FName StyleName;
	FName MenuName;
	TArray<TSharedRef<FMultiBlock>> Blocks;
};
