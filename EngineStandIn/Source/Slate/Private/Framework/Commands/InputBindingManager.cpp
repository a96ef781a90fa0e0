#include "Framework/Commands/InputBindingManager.h"

#include "StandIn/SlateFrameworkHooks.h"

FInputBindingManager& FInputBindingManager::Get()
{
	// Never destroyed: command sets held in other libraries' statics may outlive it at exit.
	static FInputBindingManager* Manager = new FInputBindingManager();
	return *Manager;
}

FInputBindingManager::FContextEntry* FInputBindingManager::FindEntry(const FName InContextName)
{
	return ContextEntries.FindByPredicate([InContextName](const FContextEntry& Entry)
	{
		return Entry.BindingContext->GetContextName() == InContextName;
	});
}

const FInputBindingManager::FContextEntry* FInputBindingManager::FindEntry(const FName InContextName) const
{
	return const_cast<FInputBindingManager*>(this)->FindEntry(InContextName);
}

void FInputBindingManager::CreateInputCommand(const TSharedRef<FBindingContext>& InBindingContext, TSharedRef<FUICommandInfo> InCommandInfo)
{
	check(InCommandInfo->GetBindingContext() == InBindingContext->GetContextName());

	FContextEntry* Entry = FindEntry(InBindingContext->GetContextName());
	if (!Entry)
	{
		FContextEntry NewEntry;
		NewEntry.BindingContext = InBindingContext;
		ContextEntries.Add(MoveTemp(NewEntry));
		Entry = &ContextEntries.Last();
	}

	const bool bDuplicate = Entry->Commands.ContainsByPredicate([&InCommandInfo](const TSharedPtr<FUICommandInfo>& Existing)
	{
		return Existing->GetCommandName() == InCommandInfo->GetCommandName();
	});
	checkf(!bDuplicate, TEXT("A command named '%s' already exists in context '%s'"), *InCommandInfo->GetCommandName().ToString(), *InBindingContext->GetContextName().ToString());
	Entry->Commands.Add(InCommandInfo);
}

void FInputBindingManager::RemoveInputCommand(const TSharedRef<FBindingContext>& InBindingContext, TSharedRef<FUICommandInfo> InCommandInfo)
{
	if (FContextEntry* Entry = FindEntry(InBindingContext->GetContextName()))
	{
		Entry->Commands.Remove(TSharedPtr<FUICommandInfo>(InCommandInfo));
	}
}

TSharedPtr<FBindingContext> FInputBindingManager::GetContextByName(const FName& InContextName)
{
	FContextEntry* Entry = FindEntry(InContextName);
	return Entry ? Entry->BindingContext : TSharedPtr<FBindingContext>();
}

void FInputBindingManager::RemoveContextByName(const FName& InContextName)
{
	ContextEntries.RemoveAll([InContextName](const FContextEntry& Entry)
	{
		return Entry.BindingContext->GetContextName() == InContextName;
	});
}

TSharedPtr<FUICommandInfo> FInputBindingManager::FindCommandInContext(const FName InBindingContext, const FName CommandName) const
{
	if (const FContextEntry* Entry = FindEntry(InBindingContext))
	{
		for (const TSharedPtr<FUICommandInfo>& Command : Entry->Commands)
		{
			if (Command->GetCommandName() == CommandName)
			{
				return Command;
			}
		}
	}
	return TSharedPtr<FUICommandInfo>();
}

void FInputBindingManager::GetKnownInputContexts(TArray<TSharedPtr<FBindingContext>>& OutInputContexts) const
{
	for (const FContextEntry& Entry : ContextEntries)
	{
		OutInputContexts.Add(Entry.BindingContext);
	}
}

void FInputBindingManager::GetCommandInfosFromContext(const FName InBindingContext, TArray<TSharedPtr<FUICommandInfo>>& OutCommandInfos) const
{
	if (const FContextEntry* Entry = FindEntry(InBindingContext))
	{
		OutCommandInfos.Append(Entry->Commands);
	}
}

struct FInputBindingManagerStandInAccess
{
	static void Reset()
	{
		FInputBindingManager::Get().ContextEntries.Reset();
	}
};

void UE::StandIn::ResetInputBindingManager()
{
	FInputBindingManagerStandInAccess::Reset();
}
