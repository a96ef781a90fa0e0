#include "ToolMenus.h"

#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Modules/ModuleManager.h"
#include "StandIn/ToolMenusHooks.h"

IMPLEMENT_MODULE(FDefaultModuleImpl, ToolMenus);

const FUIAction* FToolMenuContext::GetActionForCommand(TSharedPtr<const FUICommandInfo> Command, TSharedPtr<const FUICommandList>& OutCommandList) const
{
	for (const TSharedPtr<FUICommandList>& CommandList : CommandLists)
	{
		if (const FUIAction* Action = CommandList->GetActionForCommand(Command))
		{
			OutCommandList = CommandList;
			return Action;
		}
	}
	return nullptr;
}

FToolUIActionChoice::FToolUIActionChoice(const TSharedPtr<const FUICommandInfo>& InCommand, const FUICommandList& InCommandList)
{
	// The command's mapping is copied now, as the engine does.
	if (InCommand.IsValid())
	{
		if (const FUIAction* Found = InCommandList.GetActionForCommand(InCommand))
		{
			Action = *Found;
		}
	}
}

FToolMenuEntry::FToolMenuEntry()
	: Type(EMultiBlockType::None)
	, UserInterfaceActionType(EUserInterfaceActionType::Button)
	, bShouldCloseWindowAfterMenuSelection(true)
{
}

FToolMenuEntry::FToolMenuEntry(const FToolMenuOwner InOwner, const FName InName, EMultiBlockType InType)
	: Name(InName)
	, Owner(InOwner)
	, Type(InType)
	, UserInterfaceActionType(EUserInterfaceActionType::Button)
	, bShouldCloseWindowAfterMenuSelection(true)
{
}

void FToolMenuEntry::SetCommand(const TSharedPtr<const FUICommandInfo>& InCommand, TOptional<FName> InName)
{
	Command = InCommand;
	Name = InName.IsSet() ? InName.GetValue() : (InCommand.IsValid() ? InCommand->GetCommandName() : NAME_None);
	UserInterfaceActionType = InCommand.IsValid() ? InCommand->GetUserInterfaceType() : EUserInterfaceActionType::Button;
}

void FToolMenuEntry::ResetActions()
{
	Action = FUIAction();
	ToolAction = FToolUIAction();
	Command.Reset();
}

void FToolMenuEntry::SetActionChoice(const FToolUIActionChoice& InChoice)
{
	ResetActions();
	if (const FUIAction* UIAction = InChoice.GetUIAction())
	{
		Action = *UIAction;
	}
	else if (const FToolUIAction* InToolAction = InChoice.GetToolUIAction())
	{
		ToolAction = *InToolAction;
	}
}

FToolMenuEntry FToolMenuEntry::InitMenuEntry(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const FToolUIActionChoice& InAction, const EUserInterfaceActionType InUserInterfaceActionType, const FName InTutorialHighlightName)
{
	FToolMenuEntry Entry(UToolMenus::Get()->CurrentOwner(), InName, EMultiBlockType::MenuEntry);
	Entry.Label = InLabel;
	Entry.ToolTip = InToolTip;
	Entry.Icon = InIcon;
	Entry.SetActionChoice(InAction);
	Entry.UserInterfaceActionType = InUserInterfaceActionType;
	Entry.TutorialHighlightName = InTutorialHighlightName;
	return Entry;
}

FToolMenuEntry FToolMenuEntry::InitMenuEntry(const TSharedPtr<const FUICommandInfo>& InCommand, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const TAttribute<FSlateIcon>& InIconOverride, const FName InTutorialHighlightName, const TOptional<FName> InNameOverride)
{
	FToolMenuEntry Entry(UToolMenus::Get()->CurrentOwner(), NAME_None, EMultiBlockType::MenuEntry);
	Entry.SetCommand(InCommand, InNameOverride);
	Entry.Label = InLabelOverride;
	Entry.ToolTip = InToolTipOverride;
	Entry.Icon = InIconOverride;
	Entry.TutorialHighlightName = InTutorialHighlightName;
	return Entry;
}

FToolMenuEntry FToolMenuEntry::InitSubMenu(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FNewToolMenuChoice& InMakeMenu, bool bInOpenSubMenuOnClick, const TAttribute<FSlateIcon>& InIcon, const bool bInShouldCloseWindowAfterMenuSelection, const FName InTutorialHighlightName)
{
	FToolMenuEntry Entry(UToolMenus::Get()->CurrentOwner(), InName, EMultiBlockType::MenuEntry);
	Entry.Label = InLabel;
	Entry.ToolTip = InToolTip;
	Entry.Icon = InIcon;
	Entry.SubMenuData.bIsSubMenu = true;
	Entry.SubMenuData.bOpenSubMenuOnClick = bInOpenSubMenuOnClick;
	Entry.SubMenuData.ConstructMenu = InMakeMenu;
	Entry.bShouldCloseWindowAfterMenuSelection = bInShouldCloseWindowAfterMenuSelection;
	Entry.TutorialHighlightName = InTutorialHighlightName;
	return Entry;
}

FToolMenuEntry FToolMenuEntry::InitToolBarButton(const FName InName, const FToolUIActionChoice& InAction, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const EUserInterfaceActionType InUserInterfaceActionType, FName InTutorialHighlightName)
{
	FToolMenuEntry Entry(UToolMenus::Get()->CurrentOwner(), InName, EMultiBlockType::ToolBarButton);
	Entry.Label = InLabel;
	Entry.ToolTip = InToolTip;
	Entry.Icon = InIcon;
	Entry.SetActionChoice(InAction);
	Entry.UserInterfaceActionType = InUserInterfaceActionType;
	Entry.TutorialHighlightName = InTutorialHighlightName;
	return Entry;
}

FToolMenuEntry FToolMenuEntry::InitToolBarButton(const TSharedPtr<const FUICommandInfo>& InCommand, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const TAttribute<FSlateIcon>& InIconOverride, FName InTutorialHighlightName, const TOptional<FName> InNameOverride)
{
	FToolMenuEntry Entry(UToolMenus::Get()->CurrentOwner(), NAME_None, EMultiBlockType::ToolBarButton);
	Entry.SetCommand(InCommand, InNameOverride);
	Entry.Label = InLabelOverride;
	Entry.ToolTip = InToolTipOverride;
	Entry.Icon = InIconOverride;
	Entry.TutorialHighlightName = InTutorialHighlightName;
	return Entry;
}

FToolMenuEntry FToolMenuEntry::InitComboButton(const FName InName, const FToolUIActionChoice& InAction, const FNewToolMenuChoice& InMenuContentGenerator, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, bool bInSimpleComboBox, FName InTutorialHighlightName)
{
	FToolMenuEntry Entry(UToolMenus::Get()->CurrentOwner(), InName, EMultiBlockType::ToolBarComboButton);
	Entry.Label = InLabel;
	Entry.ToolTip = InToolTip;
	Entry.Icon = InIcon;
	Entry.SetActionChoice(InAction);
	Entry.SubMenuData.ConstructMenu = InMenuContentGenerator;
	Entry.ToolBarData.bSimpleComboBox = bInSimpleComboBox;
	Entry.TutorialHighlightName = InTutorialHighlightName;
	return Entry;
}

FToolMenuEntry FToolMenuEntry::InitSeparator(const FName InName)
{
	return FToolMenuEntry(UToolMenus::Get()->CurrentOwner(), InName, EMultiBlockType::Separator);
}

FToolMenuEntry FToolMenuEntry::InitWidget(const FName InName, const TSharedRef<SWidget>& InWidget, const FText& InLabel, bool bInNoIndent, bool bInSearchable, bool bNoPadding, const FText& InToolTipText)
{
	FToolMenuEntry Entry(UToolMenus::Get()->CurrentOwner(), InName, EMultiBlockType::Widget);
	Entry.Widget = InWidget;
	Entry.Label = InLabel;
	Entry.ToolTip = InToolTipText;
	Entry.bNoIndent = bInNoIndent;
	Entry.bSearchable = bInSearchable;
	return Entry;
}

FToolMenuEntry& FToolMenuSection::AddEntry(const FToolMenuEntry& Args)
{
	if (!Args.Name.IsNone())
	{
		if (FToolMenuEntry* Existing = FindEntry(Args.Name))
		{
			*Existing = Args;
			return *Existing;
		}
	}
	if (Args.InsertPosition.Position == EToolMenuInsertType::First)
	{
		Blocks.Insert(Args, 0);
		return Blocks[0];
	}
	if (Args.InsertPosition.Position == EToolMenuInsertType::Before || Args.InsertPosition.Position == EToolMenuInsertType::After)
	{
		const int32 Index = Blocks.IndexOfByPredicate([&Args](const FToolMenuEntry& Entry)
		{
			return Entry.Name == Args.InsertPosition.Name;
		});
		if (Index != INDEX_NONE)
		{
			const int32 InsertAt = Args.InsertPosition.Position == EToolMenuInsertType::Before ? Index : Index + 1;
			Blocks.Insert(Args, InsertAt);
			return Blocks[InsertAt];
		}
	}
	return Blocks.Add_GetRef(Args);
}

FToolMenuEntry& FToolMenuSection::AddSeparator(const FName InName)
{
	return AddEntry(FToolMenuEntry::InitSeparator(InName));
}

FToolMenuEntry& FToolMenuSection::AddMenuEntry(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const FToolUIActionChoice& InAction, const EUserInterfaceActionType UserInterfaceActionType, const FName InTutorialHighlightName)
{
	return AddEntry(FToolMenuEntry::InitMenuEntry(InName, InLabel, InToolTip, InIcon, InAction, UserInterfaceActionType, InTutorialHighlightName));
}

FToolMenuEntry& FToolMenuSection::AddMenuEntry(const TSharedPtr<const FUICommandInfo>& InCommand, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const TAttribute<FSlateIcon>& InIconOverride, const FName InTutorialHighlightName, const TOptional<FName> InNameOverride)
{
	return AddEntry(FToolMenuEntry::InitMenuEntry(InCommand, InLabelOverride, InToolTipOverride, InIconOverride, InTutorialHighlightName, InNameOverride));
}

FToolMenuEntry& FToolMenuSection::AddSubMenu(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FNewToolMenuChoice& InMakeMenu, bool bInOpenSubMenuOnClick, const TAttribute<FSlateIcon>& InIcon, const bool bShouldCloseWindowAfterMenuSelection, const FName InTutorialHighlightName)
{
	return AddEntry(FToolMenuEntry::InitSubMenu(InName, InLabel, InToolTip, InMakeMenu, bInOpenSubMenuOnClick, InIcon, bShouldCloseWindowAfterMenuSelection, InTutorialHighlightName));
}

FToolMenuEntry* FToolMenuSection::FindEntry(const FName InName)
{
	return Blocks.FindByPredicate([InName](const FToolMenuEntry& Entry)
	{
		return Entry.Name == InName;
	});
}

const FToolMenuEntry* FToolMenuSection::FindEntry(const FName InName) const
{
	return const_cast<FToolMenuSection*>(this)->FindEntry(InName);
}

int32 FToolMenuSection::RemoveEntry(const FName InName)
{
	return Blocks.RemoveAll([InName](const FToolMenuEntry& Entry)
	{
		return Entry.Name == InName;
	});
}

int32 FToolMenuSection::RemoveEntriesByOwner(const FToolMenuOwner InOwner)
{
	return Blocks.RemoveAll([&InOwner](const FToolMenuEntry& Entry)
	{
		return Entry.Owner == InOwner;
	});
}

UToolMenu::UToolMenu()
{
}

FToolMenuSection& UToolMenu::FindOrAddSection(const FName SectionName)
{
	if (FToolMenuSection* Found = FindSection(SectionName))
	{
		return *Found;
	}
	return AddSection(SectionName);
}

FToolMenuSection& UToolMenu::FindOrAddSection(const FName SectionName, const TAttribute<FText>& InLabel, const FToolMenuInsert InPosition)
{
	if (FToolMenuSection* Found = FindSection(SectionName))
	{
		return *Found;
	}
	return AddSection(SectionName, InLabel, InPosition);
}

FToolMenuSection& UToolMenu::AddSection(const FName SectionName, const TAttribute<FText>& InLabel, const FToolMenuInsert InPosition)
{
	if (FToolMenuSection* Found = FindSection(SectionName))
	{
		if (InLabel.IsSet())
		{
			Found->Label = InLabel;
		}
		if (!InPosition.IsDefault())
		{
			Found->InsertPosition = InPosition;
		}
		return *Found;
	}
	FToolMenuSection& NewSection = Sections.AddDefaulted_GetRef();
	NewSection.Name = SectionName;
	NewSection.Label = InLabel;
	NewSection.InsertPosition = InPosition;
	NewSection.Owner = UToolMenus::Get()->CurrentOwner();
	return NewSection;
}

FToolMenuSection* UToolMenu::FindSection(const FName SectionName)
{
	return Sections.FindByPredicate([SectionName](const FToolMenuSection& Section)
	{
		return Section.Name == SectionName;
	});
}

void UToolMenu::RemoveSection(const FName SectionName)
{
	Sections.RemoveAll([SectionName](const FToolMenuSection& Section)
	{
		return Section.Name == SectionName;
	});
}

void UToolMenu::AddMenuEntry(const FName SectionName, const FToolMenuEntry& Args)
{
	FindOrAddSection(SectionName).AddEntry(Args);
}

UToolMenus* UToolMenus::Get()
{
	// Never destroyed: modules may remove their entries during process exit.
	static UToolMenus* Instance = new UToolMenus();
	return Instance;
}

bool UToolMenus::IsToolMenuUIEnabled()
{
	return true;
}

UToolMenu* UToolMenus::FindMenuObject(const FName Name) const
{
	for (UToolMenu* Menu : Menus)
	{
		if (Menu->MenuName == Name)
		{
			return Menu;
		}
	}
	return nullptr;
}

UToolMenu* UToolMenus::MakeMenuObject(const FName Name)
{
	UToolMenu* Menu = new UToolMenu();
	Menu->MenuName = Name;
	Menus.Add(Menu);
	return Menu;
}

UToolMenu* UToolMenus::RegisterMenu(const FName Name, const FName Parent, EMultiBoxType Type, bool bWarnIfAlreadyRegistered)
{
	UToolMenu* Menu = FindMenuObject(Name);
	if (Menu && Menu->bRegistered)
	{
		if (bWarnIfAlreadyRegistered)
		{
			UE_LOG(LogTemp, Warning, TEXT("Menu already registered : %s"), *Name.ToString());
		}
		return Menu;
	}
	if (!Menu)
	{
		Menu = MakeMenuObject(Name);
	}
	Menu->MenuParent = Parent;
	Menu->MenuType = Type;
	Menu->bRegistered = true;
	return Menu;
}

UToolMenu* UToolMenus::ExtendMenu(const FName Name)
{
	if (UToolMenu* Menu = FindMenuObject(Name))
	{
		return Menu;
	}
	return MakeMenuObject(Name);
}

UToolMenu* UToolMenus::FindMenu(const FName Name)
{
	UToolMenu* Menu = FindMenuObject(Name);
	return Menu && Menu->bRegistered ? Menu : nullptr;
}

bool UToolMenus::IsMenuRegistered(const FName Name) const
{
	UToolMenu* Menu = FindMenuObject(Name);
	return Menu && Menu->bRegistered;
}

void UToolMenus::RemoveMenu(const FName MenuName)
{
	for (int32 Index = Menus.Num() - 1; Index >= 0; --Index)
	{
		if (Menus[Index]->MenuName == MenuName)
		{
			delete Menus[Index];
			Menus.RemoveAt(Index);
		}
	}
}

void UToolMenus::AddEntry(const FName MenuName, const FName SectionName, const FToolMenuEntry& Entry)
{
	ExtendMenu(MenuName)->AddMenuEntry(SectionName, Entry);
}

void UToolMenus::RemoveEntry(const FName MenuName, const FName Section, const FName Name)
{
	if (UToolMenu* Menu = FindMenuObject(MenuName))
	{
		if (FToolMenuSection* FoundSection = Menu->FindSection(Section))
		{
			FoundSection->RemoveEntry(Name);
		}
	}
}

void UToolMenus::RemoveSection(const FName MenuName, const FName Section)
{
	if (UToolMenu* Menu = FindMenuObject(MenuName))
	{
		Menu->RemoveSection(Section);
	}
}

void UToolMenus::UnregisterOwner(FToolMenuOwner InOwner)
{
	if (!InOwner.IsSet())
	{
		return;
	}
	for (UToolMenu* Menu : Menus)
	{
		for (FToolMenuSection& Section : Menu->Sections)
		{
			Section.RemoveEntriesByOwner(InOwner);
		}
		// A section the owner made goes with its entries once nobody else's are left in it.
		Menu->Sections.RemoveAll([&InOwner](const FToolMenuSection& Section)
		{
			return Section.Owner == InOwner && Section.Blocks.Num() == 0;
		});
	}
}

FDelegateHandle UToolMenus::RegisterStartupCallback(const FSimpleMulticastDelegate::FDelegate& InDelegate)
{
	InDelegate.ExecuteIfBound();
	return InDelegate.GetHandle();
}

void UToolMenus::UnRegisterStartupCallback(FDelegateHandle InHandle)
{
}

void UToolMenus::UnRegisterStartupCallback(const void* UserPointer)
{
}

FToolMenuOwner UToolMenus::CurrentOwner() const
{
	return OwnerStack.Num() > 0 ? OwnerStack.Last() : FToolMenuOwner();
}

void UToolMenus::PushOwner(const FToolMenuOwner InOwner)
{
	OwnerStack.Add(InOwner);
}

void UToolMenus::PopOwner(const FToolMenuOwner InOwner)
{
	check(OwnerStack.Num() > 0 && OwnerStack.Last() == InOwner);
	OwnerStack.Pop();
}

TSharedRef<SWidget> UToolMenus::GenerateWidget(const FName Name, const FToolMenuContext& InMenuContext)
{
	TSharedPtr<FUICommandList> CommandList = InMenuContext.GetCommandLists().Num() > 0 ? InMenuContext.GetCommandLists()[0] : TSharedPtr<FUICommandList>();
	FMenuBuilder MenuBuilder(true, CommandList);
	if (UToolMenu* Menu = FindMenuObject(Name))
	{
		for (const FToolMenuSection& Section : Menu->Sections)
		{
			MenuBuilder.BeginSection(Section.Name, Section.Label);
			for (const FToolMenuEntry& Entry : Section.Blocks)
			{
				switch (Entry.Type)
				{
				case EMultiBlockType::Separator:
					MenuBuilder.AddSeparator(Entry.Name);
					break;
				case EMultiBlockType::Widget:
					if (Entry.GetWidget().IsValid())
					{
						MenuBuilder.AddWidget(Entry.GetWidget().ToSharedRef(), Entry.Label.Get(FText::GetEmpty()));
					}
					break;
				default:
					if (Entry.GetCommand().IsValid())
					{
						MenuBuilder.AddMenuEntry(Entry.GetCommand(), Entry.Name, Entry.Label, Entry.ToolTip, Entry.Icon.Get(FSlateIcon()));
					}
					else
					{
						MenuBuilder.AddMenuEntry(Entry.Label, Entry.ToolTip, Entry.Icon.Get(FSlateIcon()), Entry.GetUIAction(), Entry.Name, Entry.UserInterfaceActionType);
					}
					break;
				}
			}
			MenuBuilder.EndSection();
		}
	}
	return MenuBuilder.MakeWidget();
}

struct FToolMenusStandInAccess
{
	static void Reset()
	{
		UToolMenus* ToolMenus = UToolMenus::Get();
		for (UToolMenu* Menu : ToolMenus->Menus)
		{
			delete Menu;
		}
		ToolMenus->Menus.Reset();
		ToolMenus->OwnerStack.Reset();
	}
};

void UE::StandIn::ResetToolMenus()
{
	FToolMenusStandInAccess::Reset();
}
