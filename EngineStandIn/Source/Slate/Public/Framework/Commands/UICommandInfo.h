// A UI command (label, tooltip, icon, kind of control, default chord) and the binding context that owns it.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/InputChord.h"
#include "Textures/SlateIcon.h"

class FBindingContext;
class FUICommandInfo;

/** How a command is shown in menus and toolbars. */
enum class EUserInterfaceActionType : uint8
{
	None,
	Button,
	ToggleButton,
	RadioButton,
	Check,
	CollapsedButton
};

enum class EMultipleKeyBindingIndex : uint8
{
	Primary = 0,
	Secondary,
	NumChords
};

/** Fluent declaration of a command, returned by FBindingContext::NewCommand. */
class SLATE_API FUICommandInfoDecl
{
	friend class FBindingContext;

public:
	FUICommandInfoDecl& DefaultChord(const FInputChord& InDefaultChord, const EMultipleKeyBindingIndex InChordIndex = EMultipleKeyBindingIndex::Primary);
	FUICommandInfoDecl& UserInterfaceType(EUserInterfaceActionType InType);
	FUICommandInfoDecl& Icon(const FSlateIcon& InIcon);
	FUICommandInfoDecl& Description(const FText& InDescription);

	operator TSharedPtr<FUICommandInfo>() const;
	operator TSharedRef<FUICommandInfo>() const;

private:
	FUICommandInfoDecl(const TSharedRef<FBindingContext>& InContext, const FName InCommandName, const FText& InLabel, const FText& InDesc, const FName& InBundle = NAME_None);

	TSharedPtr<FUICommandInfo> Info;
	const TSharedRef<FBindingContext> Context;
};

/** A named group of commands (a TCommands set is one). */
class SLATE_API FBindingContext : public TSharedFromThis<FBindingContext>
{
public:
	FBindingContext(const FName InContextName, const FText& InContextDesc, const FName InContextParent, const FName InStyleSetName);
	virtual ~FBindingContext();

	FBindingContext(const FBindingContext&) = default;
	FBindingContext(FBindingContext&&) = default;
	FBindingContext& operator=(const FBindingContext&) = default;
	FBindingContext& operator=(FBindingContext&&) = default;

	FUICommandInfoDecl NewCommand(const FName InCommandName, const FText& InCommandLabel, const FText& InCommandDesc);

	FName GetContextName() const
	{
		return ContextName;
	}
	FName GetContextParent() const
	{
		return ContextParent;
	}
	const FText& GetContextDesc() const
	{
		return ContextDesc;
	}
	FName GetStyleSetName() const
	{
		return StyleSetName;
	}

	/** Broadcast when a context's commands were registered. */
	static FSimpleMulticastDelegate CommandsChanged;

private:
	FName ContextName;
	FName ContextParent;
	FText ContextDesc;
	FName StyleSetName;
};

class SLATE_API FUICommandInfo
{
	friend class FInputBindingManager;
	friend class FUICommandInfoDecl;

public:
	FUICommandInfo(const FName InBindingContext);

	/** Makes a command and registers it with the context in the input binding manager. */
	static void MakeCommandInfo(const TSharedRef<FBindingContext>& InContext, TSharedPtr<FUICommandInfo>& OutCommand, const FName InCommandName, const FText& InCommandLabel, const FText& InCommandDesc, const FSlateIcon& InIcon, const EUserInterfaceActionType InUserInterfaceType, const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord = FInputChord());

	static void UnregisterCommandInfo(const TSharedRef<FBindingContext>& InContext, const TSharedRef<FUICommandInfo>& InCommand);

	const FText& GetLabel() const
	{
		return Label;
	}
	const FText& GetDescription() const
	{
		return Description;
	}
	const FSlateIcon& GetIcon() const
	{
		return Icon;
	}
	FName GetCommandName() const
	{
		return CommandName;
	}
	FName GetBindingContext() const
	{
		return BindingContext;
	}
	EUserInterfaceActionType GetUserInterfaceType() const
	{
		return UserInterfaceType;
	}
	const FInputChord& GetDefaultChord(const EMultipleKeyBindingIndex InChordIndex) const
	{
		return DefaultChords[InChordIndex == EMultipleKeyBindingIndex::Secondary ? 1 : 0];
	}
	/** The chord shown next to the label: empty while the command has no binding. */
	FText GetInputText() const;

private:
	FInputChord DefaultChords[2];
	FName CommandName;
	FName BindingContext;
	FName Bundle;
	FText Label;
	FText Description;
	FSlateIcon Icon;
	EUserInterfaceActionType UserInterfaceType = EUserInterfaceActionType::Button;
};
