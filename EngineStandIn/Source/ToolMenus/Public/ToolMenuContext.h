// What a menu is generated for: the command lists whose actions its command entries carry out.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxExtender.h"

class UToolMenu;

struct TOOLMENUS_API FToolMenuContext
{
	FToolMenuContext()
	{
	}

	FToolMenuContext(TSharedPtr<FUICommandList> InCommandList, TSharedPtr<FExtender> InExtender = TSharedPtr<FExtender>())
	{
		AppendCommandList(InCommandList);
		Extenders.Add(InExtender);
	}

	void AppendCommandList(const TSharedRef<FUICommandList>& InCommandList)
	{
		CommandLists.AddUnique(InCommandList);
	}

	void AppendCommandList(const TSharedPtr<FUICommandList>& InCommandList)
	{
		if (InCommandList.IsValid())
		{
			CommandLists.AddUnique(InCommandList);
		}
	}

	void AddExtender(const TSharedPtr<FExtender>& InExtender)
	{
		Extenders.AddUnique(InExtender);
	}

	/** The action of the first command list that maps the command. */
	const FUIAction* GetActionForCommand(TSharedPtr<const FUICommandInfo> Command, TSharedPtr<const FUICommandList>& OutCommandList) const;

	const TArray<TSharedPtr<FUICommandList>>& GetCommandLists() const
	{
		return CommandLists;
	}

private:
	TArray<TSharedPtr<FUICommandList>> CommandLists;
	TArray<TSharedPtr<FExtender>> Extenders;
};
