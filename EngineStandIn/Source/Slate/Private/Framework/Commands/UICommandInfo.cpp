#include "Framework/Commands/UICommandInfo.h"

#include "Framework/Commands/InputBindingManager.h"

FSimpleMulticastDelegate FBindingContext::CommandsChanged;

FUICommandInfoDecl::FUICommandInfoDecl(const TSharedRef<FBindingContext>& InContext, const FName InCommandName, const FText& InLabel, const FText& InDesc, const FName& InBundle)
	: Context(InContext)
{
	Info = MakeShareable(new FUICommandInfo(InContext->GetContextName()));
	Info->CommandName = InCommandName;
	Info->Label = InLabel;
	Info->Description = InDesc;
	Info->Bundle = InBundle;
}

FUICommandInfoDecl& FUICommandInfoDecl::DefaultChord(const FInputChord& InDefaultChord, const EMultipleKeyBindingIndex InChordIndex)
{
	Info->DefaultChords[InChordIndex == EMultipleKeyBindingIndex::Secondary ? 1 : 0] = InDefaultChord;
	return *this;
}

FUICommandInfoDecl& FUICommandInfoDecl::UserInterfaceType(EUserInterfaceActionType InType)
{
	Info->UserInterfaceType = InType;
	return *this;
}

FUICommandInfoDecl& FUICommandInfoDecl::Icon(const FSlateIcon& InIcon)
{
	Info->Icon = InIcon;
	return *this;
}

FUICommandInfoDecl& FUICommandInfoDecl::Description(const FText& InDescription)
{
	Info->Description = InDescription;
	return *this;
}

FUICommandInfoDecl::operator TSharedPtr<FUICommandInfo>() const
{
	FInputBindingManager::Get().CreateInputCommand(Context, Info.ToSharedRef());
	return Info;
}

FUICommandInfoDecl::operator TSharedRef<FUICommandInfo>() const
{
	FInputBindingManager::Get().CreateInputCommand(Context, Info.ToSharedRef());
	return Info.ToSharedRef();
}

FBindingContext::FBindingContext(const FName InContextName, const FText& InContextDesc, const FName InContextParent, const FName InStyleSetName)
	: ContextName(InContextName)
	, ContextParent(InContextParent)
	, ContextDesc(InContextDesc)
	, StyleSetName(InStyleSetName)
{
	check(!InContextName.IsNone());
}

FBindingContext::~FBindingContext()
{
}

FUICommandInfoDecl FBindingContext::NewCommand(const FName InCommandName, const FText& InCommandLabel, const FText& InCommandDesc)
{
	return FUICommandInfoDecl(this->AsShared(), InCommandName, InCommandLabel, InCommandDesc);
}

FUICommandInfo::FUICommandInfo(const FName InBindingContext)
	: BindingContext(InBindingContext)
{
}

void FUICommandInfo::MakeCommandInfo(const TSharedRef<FBindingContext>& InContext, TSharedPtr<FUICommandInfo>& OutCommand, const FName InCommandName, const FText& InCommandLabel, const FText& InCommandDesc, const FSlateIcon& InIcon, const EUserInterfaceActionType InUserInterfaceType, const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord)
{
	ensureMsgf(!InCommandLabel.IsEmpty(), TEXT("Command '%s' has no label"), *InCommandName.ToString());

	OutCommand = MakeShareable(new FUICommandInfo(InContext->GetContextName()));
	OutCommand->CommandName = InCommandName;
	OutCommand->Label = InCommandLabel;
	OutCommand->Description = InCommandDesc;
	OutCommand->Icon = InIcon;
	OutCommand->UserInterfaceType = InUserInterfaceType;
	OutCommand->DefaultChords[0] = InDefaultChord;
	OutCommand->DefaultChords[1] = InAlternateDefaultChord;

	FInputBindingManager::Get().CreateInputCommand(InContext, OutCommand.ToSharedRef());
}

void FUICommandInfo::UnregisterCommandInfo(const TSharedRef<FBindingContext>& InContext, const TSharedRef<FUICommandInfo>& InCommand)
{
	FInputBindingManager::Get().RemoveInputCommand(InContext, InCommand);
}

FText FUICommandInfo::GetInputText() const
{
	// No user bindings exist in this editor, so only a default chord could show.
	return FText::GetEmpty();
}
