#include "Framework/Commands/Commands.h"

void UI_COMMAND_Function(FBindingContext* This, TSharedPtr<FUICommandInfo>& OutCommand, const TCHAR* OutSubNamespace, const TCHAR* OutCommandName, const TCHAR* OutCommandNameUnderscoreTooltip, const ANSICHAR* DotOutCommandName, const TCHAR* FriendlyName, const TCHAR* InDescription, const EUserInterfaceActionType CommandType, const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord)
{
	// The texts live in the caller's localization namespace, keyed by the member's name.
	const FText Label = FText::CreateLocalized(OutSubNamespace, OutCommandName, FriendlyName);
	const FText Description = FText::CreateLocalized(OutSubNamespace, OutCommandNameUnderscoreTooltip, InDescription);

	// The icon is looked up in the context's style set under "<Context>.<Command>".
	const FName IconStyleName(*(This->GetContextName().ToString() + FString(ANSI_TO_TCHAR(DotOutCommandName))));
	const FSlateIcon Icon(This->GetStyleSetName(), IconStyleName);

	FUICommandInfo::MakeCommandInfo(This->AsShared(), OutCommand, FName(OutCommandName), Label, Description, Icon, CommandType, InDefaultChord, InAlternateDefaultChord);
}
