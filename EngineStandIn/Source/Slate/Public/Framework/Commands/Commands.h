// A set of UI commands registered under one binding context, and the UI_COMMAND macro that declares them.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/InputChord.h"
#include "Framework/Commands/UICommandInfo.h"

/** What UI_COMMAND calls: makes the command with localized label and tooltip texts. */
SLATE_API void UI_COMMAND_Function(FBindingContext* This, TSharedPtr<FUICommandInfo>& OutCommand, const TCHAR* OutSubNamespace, const TCHAR* OutCommandName, const TCHAR* OutCommandNameUnderscoreTooltip, const ANSICHAR* DotOutCommandName, const TCHAR* FriendlyName, const TCHAR* InDescription, const EUserInterfaceActionType CommandType, const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord = FInputChord());

// Label key is the member's name, tooltip key the member's name with "_ToolTip", in LOCTEXT_NAMESPACE.
#define UI_COMMAND(CommandId, FriendlyName, InDescription, CommandType, InDefaultChord, ...) \
	UI_COMMAND_Function(this, CommandId, TEXT(LOCTEXT_NAMESPACE), TEXT(#CommandId), TEXT(#CommandId) TEXT("_ToolTip"), "." #CommandId, TEXT(FriendlyName), TEXT(InDescription), CommandType, InDefaultChord, ##__VA_ARGS__)

template <typename CommandContextType>
class TCommands : public FBindingContext
{
public:
	/** Makes the set and its commands; does nothing when the set is already registered. */
	static void Register()
	{
		if (Instance.IsValid())
		{
			return;
		}
		TSharedRef<CommandContextType> NewInstance = MakeShareable(new CommandContextType());
		// Another module may have registered the same context already: share it.
		TSharedPtr<FBindingContext> Existing = FInputBindingManager::Get().GetContextByName(NewInstance->GetContextName());
		if (Existing.IsValid())
		{
			Instance = StaticCastSharedPtr<CommandContextType>(Existing);
			return;
		}
		// The binding manager keeps the set alive from its first command on.
		Instance = NewInstance;
		NewInstance->RegisterCommands();
		CommandsChanged.Broadcast();
	}

	static void Unregister()
	{
		if (Instance.IsValid())
		{
			FInputBindingManager::Get().RemoveContextByName(Instance.Pin()->GetContextName());
			Instance.Reset();
		}
	}

	static bool IsRegistered()
	{
		return Instance.IsValid();
	}

	static const CommandContextType& Get()
	{
		checkf(Instance.IsValid(), TEXT("Commands are used before they were registered (or after they were unregistered)."));
		return *Instance.Pin();
	}

	virtual ~TCommands()
	{
	}

	virtual void RegisterCommands() = 0;

protected:
	TCommands(const FName InContextName, const FText& InContextDesc, const FName InContextParent, const FName InStyleSetName)
		: FBindingContext(InContextName, InContextDesc, InContextParent, InStyleSetName)
	{
	}

	static TWeakPtr<CommandContextType> Instance;
};

template <typename CommandContextType>
TWeakPtr<CommandContextType> TCommands<CommandContextType>::Instance = nullptr;
