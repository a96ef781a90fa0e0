// The editor-wide registry of binding contexts and their commands.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UICommandInfo.h"

class SLATE_API FInputBindingManager
{
public:
	static FInputBindingManager& Get();

	/** Adds the command to its context, registering the context on its first command. */
	void CreateInputCommand(const TSharedRef<FBindingContext>& InBindingContext, TSharedRef<FUICommandInfo> InCommandInfo);
	void RemoveInputCommand(const TSharedRef<FBindingContext>& InBindingContext, TSharedRef<FUICommandInfo> InCommandInfo);

	TSharedPtr<FBindingContext> GetContextByName(const FName& InContextName);
	/** Forgets the context and every command in it. */
	void RemoveContextByName(const FName& InContextName);

	TSharedPtr<FUICommandInfo> FindCommandInContext(const FName InBindingContext, const FName CommandName) const;

	void GetKnownInputContexts(TArray<TSharedPtr<FBindingContext>>& OutInputContexts) const;
	void GetCommandInfosFromContext(const FName InBindingContext, TArray<TSharedPtr<FUICommandInfo>>& OutCommandInfos) const;

private:
	friend struct FInputBindingManagerStandInAccess;

	FInputBindingManager() = default;

	struct FContextEntry
	{
		TSharedPtr<FBindingContext> BindingContext;
		/** In the order they were made. */
		TArray<TSharedPtr<FUICommandInfo>> Commands;
	};

	FContextEntry* FindEntry(const FName InContextName);
	const FContextEntry* FindEntry(const FName InContextName) const;

	/** In the order the contexts were registered. */
	TArray<FContextEntry> ContextEntries;
};
