#include "Framework/Commands/UIAction.h"

FUIAction::FUIAction()
{
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, EUIActionRepeatMode InitRepeatMode)
	: ExecuteAction(InitExecuteAction)
	, RepeatMode(InitRepeatMode)
{
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, FCanExecuteAction InitCanExecuteAction, EUIActionRepeatMode InitRepeatMode)
	: ExecuteAction(InitExecuteAction)
	, CanExecuteAction(InitCanExecuteAction)
	, RepeatMode(InitRepeatMode)
{
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, FCanExecuteAction InitCanExecuteAction, FIsActionChecked InitIsCheckedDelegate, EUIActionRepeatMode InitRepeatMode)
	: FUIAction(InitExecuteAction, InitCanExecuteAction, InitIsCheckedDelegate, FIsActionButtonVisible(), InitRepeatMode)
{
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, FCanExecuteAction InitCanExecuteAction, FGetActionCheckState InitGetActionCheckStateDelegate, EUIActionRepeatMode InitRepeatMode)
	: FUIAction(InitExecuteAction, InitCanExecuteAction, InitGetActionCheckStateDelegate, FIsActionButtonVisible(), InitRepeatMode)
{
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, FCanExecuteAction InitCanExecuteAction, FIsActionChecked InitIsCheckedDelegate, FIsActionButtonVisible InitIsActionVisibleDelegate, EUIActionRepeatMode InitRepeatMode)
	: ExecuteAction(InitExecuteAction)
	, CanExecuteAction(InitCanExecuteAction)
	, IsActionVisibleDelegate(InitIsActionVisibleDelegate)
	, RepeatMode(InitRepeatMode)
{
	// A bool query becomes a check state; an unbound one leaves the action without a check state.
	if (InitIsCheckedDelegate.IsBound())
	{
		GetActionCheckState = FGetActionCheckState::CreateStatic(&FUIAction::IsActionCheckedPassthrough, InitIsCheckedDelegate);
	}
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, FCanExecuteAction InitCanExecuteAction, FGetActionCheckState InitGetActionCheckStateDelegate, FIsActionButtonVisible InitIsActionVisibleDelegate, EUIActionRepeatMode InitRepeatMode)
	: ExecuteAction(InitExecuteAction)
	, CanExecuteAction(InitCanExecuteAction)
	, GetActionCheckState(InitGetActionCheckStateDelegate)
	, IsActionVisibleDelegate(InitIsActionVisibleDelegate)
	, RepeatMode(InitRepeatMode)
{
}

bool FUIAction::CanExecute() const
{
	return !CanExecuteAction.IsBound() || CanExecuteAction.Execute();
}

bool FUIAction::Execute() const
{
	if (CanExecute())
	{
		return ExecuteAction.ExecuteIfBound();
	}
	return false;
}

ECheckBoxState FUIAction::GetCheckState() const
{
	return GetActionCheckState.IsBound() ? GetActionCheckState.Execute() : ECheckBoxState::Unchecked;
}

EVisibility FUIAction::IsVisible() const
{
	if (IsActionVisibleDelegate.IsBound())
	{
		return IsActionVisibleDelegate.Execute() ? EVisibility::Visible : EVisibility::Collapsed;
	}
	return EVisibility::Visible;
}

ECheckBoxState FUIAction::IsActionCheckedPassthrough(FIsActionChecked InIsActionChecked)
{
	return InIsActionChecked.Execute() ? ECheckBoxState::Checked : ECheckBoxState::Unchecked;
}
