#include "Framework/MultiBox/MultiBoxBuilder.h"

#include "Framework/MultiBox/SMultiBoxWidget.h"

const FMultiBoxCustomization FMultiBoxCustomization::None(NAME_None);

FMultiBoxBuilder::FMultiBoxBuilder(const EMultiBoxType InType, FMultiBoxCustomization InCustomization, const bool bInShouldCloseWindowAfterMenuSelection, const TSharedPtr<const FUICommandList>& InCommandList, TSharedPtr<FExtender> InExtender, FName InTutorialHighlightName, FName InMenuName)
	: MultiBox(MakeShared<FMultiBox>(InType, bInShouldCloseWindowAfterMenuSelection, &FCoreStyle::Get(), InMenuName))
{
	CommandListStack.Push(InCommandList);
	ExtenderStack.Push(InExtender);
}

namespace
{
	/** Runs every extender on the stack at the hook; the stack is copied, since an extension may push extenders of its own. */
	template<typename BuilderType>
	void ApplyExtenders(const TArray<TSharedPtr<FExtender>> Extenders, FName InExtensionHook, EExtensionHook::Position HookPosition, BuilderType& Builder)
	{
		if (InExtensionHook.IsNone())
		{
			return;
		}
		for (const TSharedPtr<FExtender>& Extender : Extenders)
		{
			if (Extender.IsValid())
			{
				Extender->Apply(InExtensionHook, HookPosition, Builder);
			}
		}
	}
}

TSharedRef<FMultiBlock> FMultiBoxBuilder::MakeBlock(EMultiBlockType InType, FName InExtensionHook, FName InTutorialHighlightName)
{
	TSharedRef<FMultiBlock> Block = MakeShared<FMultiBlock>();
	Block->Type = InType;
	Block->ExtensionHook = InExtensionHook;
	Block->TutorialHighlightName = InTutorialHighlightName;
	return Block;
}

void FMultiBoxBuilder::AddHookedBlock(const TSharedRef<FMultiBlock>& Block)
{
	ApplyHook(Block->ExtensionHook, EExtensionHook::Before);
	MultiBox->AddBlock(Block);
	ApplyHook(Block->ExtensionHook, EExtensionHook::After);
}

void FMultiBoxBuilder::PushCommandList(const TSharedRef<const FUICommandList> CommandList)
{
	CommandListStack.Push(CommandList);
}

void FMultiBoxBuilder::PopCommandList()
{
	// The builder's own list stays at the bottom.
	check(CommandListStack.Num() > 1);
	CommandListStack.Pop();
}

TSharedPtr<const FUICommandList> FMultiBoxBuilder::GetTopCommandList()
{
	return CommandListStack.Num() > 0 ? CommandListStack.Last() : TSharedPtr<const FUICommandList>();
}

void FMultiBoxBuilder::PushExtender(TSharedRef<FExtender> InExtender)
{
	ExtenderStack.Push(InExtender);
}

void FMultiBoxBuilder::PopExtender()
{
	check(ExtenderStack.Num() > 1);
	ExtenderStack.Pop();
}

const ISlateStyle* FMultiBoxBuilder::GetStyleSet() const
{
	return MultiBox->GetStyleSet();
}

TSharedRef<SWidget> FMultiBoxBuilder::MakeWidget(FMultiBox::FOnMakeMultiBoxBuilderOverride* InMakeMultiBoxBuilderOverride, uint32 MaxHeight)
{
	TSharedRef<SMultiBoxWidget> NewMultiBoxWidget = SNew(SMultiBoxWidget);
	NewMultiBoxWidget->SetMultiBox(MultiBox);
	if (InMakeMultiBoxBuilderOverride && InMakeMultiBoxBuilderOverride->IsBound())
	{
		InMakeMultiBoxBuilderOverride->Execute(MultiBox, NewMultiBoxWidget);
	}
	else
	{
		NewMultiBoxWidget->BuildMultiBoxWidget();
	}
	return NewMultiBoxWidget;
}

FBaseMenuBuilder::FBaseMenuBuilder(const EMultiBoxType InType, const bool bInShouldCloseWindowAfterMenuSelection, TSharedPtr<const FUICommandList> InCommandList, bool bInCloseSelfOnly, TSharedPtr<FExtender> InExtender, const ISlateStyle* InStyleSet, FName InTutorialHighlightName, FName InMenuName)
	: FMultiBoxBuilder(InType, FMultiBoxCustomization::None, bInShouldCloseWindowAfterMenuSelection, InCommandList, InExtender, InTutorialHighlightName, InMenuName)
	, bCloseSelfOnly(bInCloseSelfOnly)
	, StyleSet(InStyleSet)
{
	MultiBox = MakeShared<FMultiBox>(InType, bInShouldCloseWindowAfterMenuSelection, InStyleSet, InMenuName);
	MultiBox->bCloseSelfOnly = bInCloseSelfOnly;
}

void FBaseMenuBuilder::AddMenuEntry(const TSharedPtr<const FUICommandInfo> InCommand, FName InExtensionHook, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const FSlateIcon& InIconOverride, FName InTutorialHighlightName, const TAttribute<EVisibility>& InVisibility)
{
	ApplySectionBeginningIfNeeded();
	TSharedRef<FMultiBlock> Block = MakeBlock(EMultiBlockType::MenuEntry, InExtensionHook, InTutorialHighlightName);
	Block->Command = InCommand;
	Block->CommandList = GetTopCommandList();
	Block->UserInterfaceActionType = InCommand.IsValid() ? InCommand->GetUserInterfaceType() : EUserInterfaceActionType::Button;
	Block->Label = InLabelOverride;
	Block->ToolTip = InToolTipOverride;
	Block->Icon = InIconOverride;
	Block->Visibility = InVisibility;
	Block->bCloseWindowAfterMenuSelection = MultiBox->ShouldCloseWindowAfterMenuSelection();
	AddHookedBlock(Block);
}

void FBaseMenuBuilder::AddMenuEntry(const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FSlateIcon& InIcon, const FUIAction& UIAction, FName InExtensionHook, const EUserInterfaceActionType UserInterfaceActionType, FName InTutorialHighlightName, const TAttribute<FText>& InInputBindingOverride, const TAttribute<EVisibility>& InVisibility)
{
	ApplySectionBeginningIfNeeded();
	TSharedRef<FMultiBlock> Block = MakeBlock(EMultiBlockType::MenuEntry, InExtensionHook, InTutorialHighlightName);
	Block->DirectAction = UIAction;
	Block->UserInterfaceActionType = UserInterfaceActionType;
	Block->Label = InLabel;
	Block->ToolTip = InToolTip;
	Block->Icon = InIcon;
	Block->Visibility = InVisibility;
	Block->bCloseWindowAfterMenuSelection = MultiBox->ShouldCloseWindowAfterMenuSelection();
	AddHookedBlock(Block);
}

void FBaseMenuBuilder::AddMenuEntry(const FUIAction& UIAction, const TSharedRef<SWidget> Contents, const FName& InExtensionHook, const TAttribute<FText>& InToolTip, const EUserInterfaceActionType UserInterfaceActionType, FName InTutorialHighlightName, const TAttribute<EVisibility>& InVisibility)
{
	ApplySectionBeginningIfNeeded();
	TSharedRef<FMultiBlock> Block = MakeBlock(EMultiBlockType::MenuEntry, InExtensionHook, InTutorialHighlightName);
	Block->DirectAction = UIAction;
	Block->UserInterfaceActionType = UserInterfaceActionType;
	Block->ToolTip = InToolTip;
	Block->Widget = Contents;
	Block->Visibility = InVisibility;
	Block->bCloseWindowAfterMenuSelection = MultiBox->ShouldCloseWindowAfterMenuSelection();
	AddHookedBlock(Block);
}

FMenuBuilder::FMenuBuilder(const bool bInShouldCloseWindowAfterMenuSelection, TSharedPtr<const FUICommandList> InCommandList, TSharedPtr<FExtender> InExtender, const bool bInCloseSelfOnly, const ISlateStyle* InStyleSet, bool bInSearchable, FName InMenuName, bool bInRecursivelySearchable)
	: FBaseMenuBuilder(EMultiBoxType::Menu, bInShouldCloseWindowAfterMenuSelection, InCommandList, bInCloseSelfOnly, InExtender, InStyleSet, NAME_None, InMenuName)
	, bSearchable(bInSearchable)
{
	MultiBox->bSearchable = bInSearchable;
}

void FMenuBuilder::BeginSection(FName InExtensionHook, const TAttribute<FText>& InHeadingText)
{
	// An open section closes when the next begins.
	if (bSectionOpen)
	{
		EndSection();
	}

	ApplyHook(InExtensionHook, EExtensionHook::Before);

	CurrentSectionExtensionHook = InExtensionHook;
	CurrentSectionHeadingText = InHeadingText;
	bSectionNeedsToBeApplied = true;
	bSectionOpen = true;

	ApplyHook(InExtensionHook, EExtensionHook::First);
}

void FMenuBuilder::EndSection()
{
	const FName SectionHook = CurrentSectionExtensionHook;
	CurrentSectionExtensionHook = NAME_None;
	bSectionNeedsToBeApplied = false;
	bSectionOpen = false;
	CurrentSectionHeadingText = TAttribute<FText>();

	ApplyHook(SectionHook, EExtensionHook::After);
}

void FBaseMenuBuilder::ApplySectionBeginningIfNeeded()
{
}

void FMenuBuilder::ApplySectionBeginningIfNeeded()
{
	if (!bSectionNeedsToBeApplied)
	{
		return;
	}
	bSectionNeedsToBeApplied = false;

	// Sections after the first are set apart by a separator; a heading shows only when it has text.
	if (MultiBox->GetBlocks().Num() > 0)
	{
		MultiBox->AddBlock(MakeBlock(EMultiBlockType::Separator, CurrentSectionExtensionHook));
	}
	if (CurrentSectionHeadingText.IsSet() && !CurrentSectionHeadingText.Get().IsEmpty())
	{
		TSharedRef<FMultiBlock> Heading = MakeBlock(EMultiBlockType::Heading, CurrentSectionExtensionHook);
		Heading->Label = CurrentSectionHeadingText;
		MultiBox->AddBlock(Heading);
	}
}

void FMenuBuilder::AddMenuSeparator(FName InExtensionHook)
{
	AddSeparator(InExtensionHook);
}

void FMenuBuilder::AddSeparator(FName InExtensionHook)
{
	ApplySectionBeginningIfNeeded();
	TSharedRef<FMultiBlock> Block = MakeBlock(EMultiBlockType::Separator, InExtensionHook);
	AddHookedBlock(Block);
}

void FMenuBuilder::AddSubMenu(const TAttribute<FText>& InMenuLabel, const TAttribute<FText>& InToolTip, const FNewMenuDelegate& InSubMenu, const bool bInOpenSubMenuOnClick, const FSlateIcon& InIcon, const bool bInShouldCloseWindowAfterMenuSelection, FName InExtensionHook, FName InTutorialHighlightName)
{
	ApplySectionBeginningIfNeeded();
	TSharedRef<FMultiBlock> Block = MakeBlock(EMultiBlockType::MenuEntry, InExtensionHook, InTutorialHighlightName);
	Block->Label = InMenuLabel;
	Block->ToolTip = InToolTip;
	Block->Icon = InIcon;
	Block->SubMenu = InSubMenu;
	Block->CommandList = GetTopCommandList();
	Block->bCloseWindowAfterMenuSelection = bInShouldCloseWindowAfterMenuSelection;
	AddHookedBlock(Block);
}

void FMenuBuilder::AddWidget(TSharedRef<SWidget> InWidget, const FText& Label, bool bNoIndent, bool bInSearchable, const TAttribute<FText>& InToolTipText)
{
	ApplySectionBeginningIfNeeded();

	TSharedRef<FMultiBlock> Block = MakeBlock(EMultiBlockType::Widget);
	Block->Widget = InWidget;
	Block->Label = Label;
	Block->ToolTip = InToolTipText;
	Block->bNoIndent = bNoIndent;
	Block->bSearchable = bInSearchable;
	MultiBox->AddBlock(Block);
}

void FMenuBuilder::ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition)
{
	ApplyExtenders(ExtenderStack, InExtensionHook, HookPosition, *this);
}

FToolBarBuilder::FToolBarBuilder(TSharedPtr<const FUICommandList> InCommandList, FMultiBoxCustomization InCustomization, TSharedPtr<FExtender> InExtender, bool bForceSmallIcons)
	: FMultiBoxBuilder(EMultiBoxType::ToolBar, InCustomization, false, InCommandList, InExtender)
{
}

void FToolBarBuilder::BeginSection(FName InExtensionHook)
{
	if (bIsEditing)
	{
		EndSection();
	}
	ApplyHook(InExtensionHook, EExtensionHook::Before);
	CurrentSectionExtensionHook = InExtensionHook;
	bIsEditing = true;
	ApplyHook(InExtensionHook, EExtensionHook::First);
}

void FToolBarBuilder::EndSection()
{
	const FName SectionHook = CurrentSectionExtensionHook;
	CurrentSectionExtensionHook = NAME_None;
	bIsEditing = false;
	ApplyHook(SectionHook, EExtensionHook::After);
}

void FToolBarBuilder::AddToolBarButton(const TSharedPtr<const FUICommandInfo> InCommand, FName InExtensionHook, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const TAttribute<FSlateIcon>& InIconOverride, FName InTutorialHighlightName)
{
	TSharedRef<FMultiBlock> Block = MakeBlock(EMultiBlockType::ToolBarButton, InExtensionHook, InTutorialHighlightName);
	Block->Command = InCommand;
	Block->CommandList = GetTopCommandList();
	Block->UserInterfaceActionType = InCommand.IsValid() ? InCommand->GetUserInterfaceType() : EUserInterfaceActionType::Button;
	Block->Label = InLabelOverride;
	Block->ToolTip = InToolTipOverride;
	Block->Icon = InIconOverride.IsSet() ? InIconOverride.Get() : FSlateIcon();
	Block->bCloseWindowAfterMenuSelection = false;
	AddHookedBlock(Block);
}

void FToolBarBuilder::AddToolBarButton(const FUIAction& InAction, FName InExtensionHook, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const TAttribute<FSlateIcon>& InIconOverride, const EUserInterfaceActionType UserInterfaceActionType, FName InTutorialHighlightName)
{
	TSharedRef<FMultiBlock> Block = MakeBlock(EMultiBlockType::ToolBarButton, InExtensionHook, InTutorialHighlightName);
	Block->DirectAction = InAction;
	Block->UserInterfaceActionType = UserInterfaceActionType;
	Block->Label = InLabelOverride;
	Block->ToolTip = InToolTipOverride;
	Block->Icon = InIconOverride.IsSet() ? InIconOverride.Get() : FSlateIcon();
	Block->bCloseWindowAfterMenuSelection = false;
	AddHookedBlock(Block);
}

void FToolBarBuilder::AddComboButton(const FUIAction& InAction, const FOnGetContent& InMenuContentGenerator, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const TAttribute<FSlateIcon>& InIconOverride, bool bInSimpleComboBox, FName InTutorialHighlightName)
{
	TSharedRef<FMultiBlock> Block = MakeBlock(EMultiBlockType::ToolBarComboButton, NAME_None, InTutorialHighlightName);
	Block->DirectAction = InAction;
	Block->MenuContent = InMenuContentGenerator;
	Block->Label = InLabelOverride;
	Block->ToolTip = InToolTipOverride;
	Block->Icon = InIconOverride.IsSet() ? InIconOverride.Get() : FSlateIcon();
	MultiBox->AddBlock(Block);
}

void FToolBarBuilder::AddSeparator(FName InExtensionHook)
{
	TSharedRef<FMultiBlock> Block = MakeBlock(EMultiBlockType::Separator, InExtensionHook);
	AddHookedBlock(Block);
}

void FToolBarBuilder::AddWidget(TSharedRef<SWidget> InWidget, FName InTutorialHighlightName, bool bInSearchable)
{
	TSharedRef<FMultiBlock> Block = MakeBlock(EMultiBlockType::Widget, NAME_None, InTutorialHighlightName);
	Block->Widget = InWidget;
	Block->bSearchable = bInSearchable;
	MultiBox->AddBlock(Block);
}

void FToolBarBuilder::ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition)
{
	ApplyExtenders(ExtenderStack, InExtensionHook, HookPosition, *this);
}
