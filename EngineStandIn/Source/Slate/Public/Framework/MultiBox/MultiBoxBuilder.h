// Builders of menus and toolbars: collect blocks, apply extenders at their hooks, make the widget.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBox.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "Framework/SlateDelegates.h"
#include "Styling/CoreStyle.h"
#include "Textures/SlateIcon.h"

class ISlateStyle;
class SWidget;

class SLATE_API FMultiBoxBuilder
{
public:
	FMultiBoxBuilder(const EMultiBoxType InType, FMultiBoxCustomization InCustomization, const bool bInShouldCloseWindowAfterMenuSelection, const TSharedPtr<const FUICommandList>& InCommandList, TSharedPtr<FExtender> InExtender = TSharedPtr<FExtender>(), FName InTutorialHighlightName = NAME_None, FName InMenuName = NAME_None);
	virtual ~FMultiBoxBuilder()
	{
	}

	void PushCommandList(const TSharedRef<const FUICommandList> CommandList);
	void PopCommandList();
	TSharedPtr<const FUICommandList> GetTopCommandList();

	void PushExtender(TSharedRef<FExtender> InExtender);
	void PopExtender();

	const ISlateStyle* GetStyleSet() const;

	/** The style set and the key of the multi-box's style in it. */
	void SetStyle(const ISlateStyle* InStyleSet, const FName& InStyleName)
	{
		MultiBox->SetStyle(InStyleSet, InStyleName);
	}

	/** Makes the widget that shows the blocks added so far. */
	virtual TSharedRef<SWidget> MakeWidget(FMultiBox::FOnMakeMultiBoxBuilderOverride* InMakeMultiBoxBuilderOverride = nullptr, uint32 MaxHeight = 1000);

	TSharedRef<FMultiBox> GetMultiBox()
	{
		return MultiBox;
	}

protected:
	/** Runs the extensions of every extender on the stack at this hook. */
	virtual void ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition) = 0;

	/** A new block of the given kind; the caller fills in the rest. */
	static TSharedRef<FMultiBlock> MakeBlock(EMultiBlockType InType, FName InExtensionHook = NAME_None, FName InTutorialHighlightName = NAME_None);

	/** Adds the block between the extensions hooked before and after its extension hook. */
	void AddHookedBlock(const TSharedRef<FMultiBlock>& Block);

	TSharedRef<FMultiBox> MultiBox;
	TArray<TSharedPtr<const FUICommandList>> CommandListStack;
	TArray<TSharedPtr<FExtender>> ExtenderStack;
};

class SLATE_API FBaseMenuBuilder : public FMultiBoxBuilder
{
public:
	FBaseMenuBuilder(const EMultiBoxType InType, const bool bInShouldCloseWindowAfterMenuSelection, TSharedPtr<const FUICommandList> InCommandList, bool bInCloseSelfOnly, TSharedPtr<FExtender> InExtender = TSharedPtr<FExtender>(), const ISlateStyle* InStyleSet = &FCoreStyle::Get(), FName InTutorialHighlightName = NAME_None, FName InMenuName = NAME_None);

	void AddMenuEntry(const TSharedPtr<const FUICommandInfo> InCommand, FName InExtensionHook = NAME_None, const TAttribute<FText>& InLabelOverride = TAttribute<FText>(), const TAttribute<FText>& InToolTipOverride = TAttribute<FText>(), const FSlateIcon& InIconOverride = FSlateIcon(), FName InTutorialHighlightName = NAME_None, const TAttribute<EVisibility>& InVisibility = TAttribute<EVisibility>());
	void AddMenuEntry(const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FSlateIcon& InIcon, const FUIAction& UIAction, FName InExtensionHook = NAME_None, const EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button, FName InTutorialHighlightName = NAME_None, const TAttribute<FText>& InInputBindingOverride = TAttribute<FText>(), const TAttribute<EVisibility>& InVisibility = TAttribute<EVisibility>());
	void AddMenuEntry(const FUIAction& UIAction, const TSharedRef<SWidget> Contents, const FName& InExtensionHook = NAME_None, const TAttribute<FText>& InToolTip = TAttribute<FText>(), const EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button, FName InTutorialHighlightName = NAME_None, const TAttribute<EVisibility>& InVisibility = TAttribute<EVisibility>());

protected:
	/** Opens the current section (separator, heading) before its first block. */
	virtual void ApplySectionBeginningIfNeeded();

	bool bCloseSelfOnly;
	const ISlateStyle* StyleSet;
};

class SLATE_API FMenuBuilder : public FBaseMenuBuilder
{
public:
	FMenuBuilder(const bool bInShouldCloseWindowAfterMenuSelection, TSharedPtr<const FUICommandList> InCommandList, TSharedPtr<FExtender> InExtender = TSharedPtr<FExtender>(), const bool bInCloseSelfOnly = false, const ISlateStyle* InStyleSet = &FCoreStyle::Get(), bool bInSearchable = true, FName InMenuName = NAME_None, bool bInRecursivelySearchable = true);

	/** Starts a section; its heading shows when the section holds anything. */
	void BeginSection(FName InExtensionHook, const TAttribute<FText>& InHeadingText = TAttribute<FText>());
	void EndSection();

	void AddMenuSeparator(FName InExtensionHook = NAME_None);
	void AddSeparator(FName InExtensionHook = NAME_None);

	void AddSubMenu(const TAttribute<FText>& InMenuLabel, const TAttribute<FText>& InToolTip, const FNewMenuDelegate& InSubMenu, const bool bInOpenSubMenuOnClick = false, const FSlateIcon& InIcon = FSlateIcon(), const bool bInShouldCloseWindowAfterMenuSelection = true, FName InExtensionHook = NAME_None, FName InTutorialHighlightName = NAME_None);

	void AddWidget(TSharedRef<SWidget> InWidget, const FText& Label, bool bNoIndent = false, bool bSearchable = true, const TAttribute<FText>& InToolTipText = FText());

	bool IsSearchable() const
	{
		return bSearchable;
	}

protected:
	virtual void ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition) override;

	virtual void ApplySectionBeginningIfNeeded() override;

private:
	FName CurrentSectionExtensionHook;
	TAttribute<FText> CurrentSectionHeadingText;
	bool bSectionNeedsToBeApplied = false;
	bool bSectionOpen = false;
	bool bSearchable;
};

class SLATE_API FToolBarBuilder : public FMultiBoxBuilder
{
public:
	FToolBarBuilder(TSharedPtr<const FUICommandList> InCommandList, FMultiBoxCustomization InCustomization, TSharedPtr<FExtender> InExtender = TSharedPtr<FExtender>(), bool bForceSmallIcons = false);

	void BeginSection(FName InExtensionHook);
	void EndSection();

	void AddToolBarButton(const TSharedPtr<const FUICommandInfo> InCommand, FName InExtensionHook = NAME_None, const TAttribute<FText>& InLabelOverride = TAttribute<FText>(), const TAttribute<FText>& InToolTipOverride = TAttribute<FText>(), const TAttribute<FSlateIcon>& InIconOverride = TAttribute<FSlateIcon>(), FName InTutorialHighlightName = NAME_None);
	void AddToolBarButton(const FUIAction& InAction, FName InExtensionHook = NAME_None, const TAttribute<FText>& InLabelOverride = TAttribute<FText>(), const TAttribute<FText>& InToolTipOverride = TAttribute<FText>(), const TAttribute<FSlateIcon>& InIconOverride = TAttribute<FSlateIcon>(), const EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button, FName InTutorialHighlightName = NAME_None);
	void AddComboButton(const FUIAction& InAction, const FOnGetContent& InMenuContentGenerator, const TAttribute<FText>& InLabelOverride = TAttribute<FText>(), const TAttribute<FText>& InToolTipOverride = TAttribute<FText>(), const TAttribute<FSlateIcon>& InIconOverride = TAttribute<FSlateIcon>(), bool bInSimpleComboBox = false, FName InTutorialHighlightName = NAME_None);
	void AddSeparator(FName InExtensionHook = NAME_None);
	void AddWidget(TSharedRef<SWidget> InWidget, FName InTutorialHighlightName = NAME_None, bool bSearchable = true);

	void SetIsFocusable(bool bInIsFocusable)
	{
		bIsFocusable = bInIsFocusable;
	}

protected:
	virtual void ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition) override;

private:
	FName CurrentSectionExtensionHook;
	bool bIsEditing = false;
	bool bIsFocusable = true;
};
