#include "Framework/Commands/UICommandList.h"

#include "StandIn/SlateFrameworkHooks.h"

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, FCanExecuteAction(), RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, CanExecuteAction, RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FIsActionChecked IsCheckedDelegate, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, CanExecuteAction, IsCheckedDelegate, RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FGetActionCheckState GetActionCheckState, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, CanExecuteAction, GetActionCheckState, RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FIsActionChecked IsCheckedDelegate, FIsActionButtonVisible IsVisibleDelegate, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, CanExecuteAction, IsCheckedDelegate, IsVisibleDelegate, RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FGetActionCheckState GetActionCheckState, FIsActionButtonVisible IsVisibleDelegate, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, CanExecuteAction, GetActionCheckState, IsVisibleDelegate, RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, const FUIAction& InUIAction)
{
	check(InUICommandInfo.IsValid());
	// Mapping a command twice into one list is a programming error in the engine too.
	checkf(!FindLocal(InUICommandInfo.Get()), TEXT("Command '%s' is already mapped in this command list"), *InUICommandInfo->GetCommandName().ToString());
	ActionMap.Add(TPair<TSharedPtr<const FUICommandInfo>, FUIAction>(InUICommandInfo, InUIAction));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, const FUIAction& InUIAction, const FUIActionContext& InContext)
{
	MapAction(InUICommandInfo, InUIAction);
}

void FUICommandList::UnmapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo)
{
	const FUICommandInfo* Command = InUICommandInfo.Get();
	ActionMap.RemoveAll([Command](const TPair<TSharedPtr<const FUICommandInfo>, FUIAction>& Pair)
	{
		return Pair.Key.Get() == Command;
	});
}

bool FUICommandList::IsActionMapped(const TSharedPtr<const FUICommandInfo> InUICommandInfo) const
{
	return FindLocal(InUICommandInfo.Get()) != nullptr;
}

void FUICommandList::Append(const TSharedRef<FUICommandList>& InCommandsToAppend)
{
	check(&InCommandsToAppend.Get() != this);
	ChildUICommandLists.Add(InCommandsToAppend.ToWeakPtr());
}

const FUIAction* FUICommandList::FindLocal(const FUICommandInfo* Command) const
{
	for (const TPair<TSharedPtr<const FUICommandInfo>, FUIAction>& Pair : ActionMap)
	{
		if (Pair.Key.Get() == Command)
		{
			return &Pair.Value;
		}
	}
	return nullptr;
}

const FUIAction* FUICommandList::GetActionForCommand(TSharedPtr<const FUICommandInfo> Command) const
{
	if (!Command.IsValid())
	{
		return nullptr;
	}
	if (const FUIAction* Action = FindLocal(Command.Get()))
	{
		return Action;
	}
	for (const TWeakPtr<FUICommandList>& Child : ChildUICommandLists)
	{
		if (TSharedPtr<FUICommandList> Pinned = Child.Pin())
		{
			if (const FUIAction* Action = Pinned->GetActionForCommand(Command))
			{
				return Action;
			}
		}
	}
	return nullptr;
}

bool FUICommandList::ExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const
{
	const FUIAction* Action = GetActionForCommand(InUICommandInfo);
	return Action ? Action->Execute() : false;
}

bool FUICommandList::CanExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const
{
	const FUIAction* Action = GetActionForCommand(InUICommandInfo);
	// An unmapped command cannot be carried out by this list.
	return Action ? Action->CanExecute() : false;
}

bool FUICommandList::TryExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const
{
	if (!CanExecuteAction(InUICommandInfo))
	{
		return false;
	}
	return ExecuteAction(InUICommandInfo);
}

ECheckBoxState FUICommandList::GetCheckState(const TSharedRef<const FUICommandInfo> InUICommandInfo) const
{
	const FUIAction* Action = GetActionForCommand(InUICommandInfo);
	return Action ? Action->GetCheckState() : ECheckBoxState::Unchecked;
}

EVisibility FUICommandList::GetVisibility(const TSharedRef<const FUICommandInfo> InUICommandInfo) const
{
	const FUIAction* Action = GetActionForCommand(InUICommandInfo);
	return Action ? Action->IsVisible() : EVisibility::Collapsed;
}

struct FUICommandListStandInAccess
{
	static TArray<TSharedPtr<const FUICommandInfo>> GetMappedCommands(const FUICommandList& CommandList)
	{
		TArray<TSharedPtr<const FUICommandInfo>> Commands;
		for (const TPair<TSharedPtr<const FUICommandInfo>, FUIAction>& Pair : CommandList.ActionMap)
		{
			Commands.Add(Pair.Key);
		}
		return Commands;
	}
};

TArray<TSharedPtr<const FUICommandInfo>> UE::StandIn::GetMappedCommands(const FUICommandList& CommandList)
{
	return FUICommandListStandInAccess::GetMappedCommands(CommandList);
}
