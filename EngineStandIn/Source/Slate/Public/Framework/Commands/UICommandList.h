// Maps commands to the actions that carry them out, for the widgets that show those commands.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/Commands/UICommandInfo.h"

class SLATE_API FUICommandList : public TSharedFromThis<FUICommandList>
{
public:
	FUICommandList() = default;
	virtual ~FUICommandList() = default;

	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);
	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);
	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FIsActionChecked IsCheckedDelegate, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);
	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FGetActionCheckState GetActionCheckState, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);
	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FIsActionChecked IsCheckedDelegate, FIsActionButtonVisible IsVisibleDelegate, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);
	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FGetActionCheckState GetActionCheckState, FIsActionButtonVisible IsVisibleDelegate, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);
	virtual void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, const FUIAction& InUIAction);
	virtual void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, const FUIAction& InUIAction, const FUIActionContext& InContext);

	void UnmapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo);
	bool IsActionMapped(const TSharedPtr<const FUICommandInfo> InUICommandInfo) const;

	/** Lets this list also carry out the actions of another list. */
	void Append(const TSharedRef<FUICommandList>& InCommandsToAppend);

	/** Looks in this list, then in the appended ones. */
	const FUIAction* GetActionForCommand(TSharedPtr<const FUICommandInfo> Command) const;

	bool ExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const;
	bool CanExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const;
	bool TryExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const;
	ECheckBoxState GetCheckState(const TSharedRef<const FUICommandInfo> InUICommandInfo) const;
	EVisibility GetVisibility(const TSharedRef<const FUICommandInfo> InUICommandInfo) const;

private:
	friend struct FUICommandListStandInAccess;

	const FUIAction* FindLocal(const FUICommandInfo* Command) const;

	/** Mappings in the order they were made. */
	TArray<TPair<TSharedPtr<const FUICommandInfo>, FUIAction>> ActionMap;
	TArray<TWeakPtr<FUICommandList>> ChildUICommandLists;
};
