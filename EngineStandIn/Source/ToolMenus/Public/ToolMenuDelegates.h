// The delegates and choices a tool menu entry is made of: its action and its drop-down content.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "Framework/SlateDelegates.h"
#include "Misc/Optional.h"
#include "ToolMenuContext.h"

class UToolMenu;
class FMenuBuilder;
class SWidget;

DECLARE_DELEGATE_OneParam(FNewToolMenuDelegate, UToolMenu*);
DECLARE_DELEGATE_TwoParams(FNewToolMenuDelegateLegacy, FMenuBuilder&, UToolMenu*);
DECLARE_DELEGATE_RetVal_OneParam(TSharedRef<SWidget>, FNewToolMenuWidget, const FToolMenuContext&);

DECLARE_DELEGATE_OneParam(FToolMenuExecuteAction, const FToolMenuContext&);
DECLARE_DELEGATE_RetVal_OneParam(bool, FToolMenuCanExecuteAction, const FToolMenuContext&);
DECLARE_DELEGATE_RetVal_OneParam(bool, FToolMenuIsActionButtonVisible, const FToolMenuContext&);
DECLARE_DELEGATE_RetVal_OneParam(ECheckBoxState, FToolMenuGetActionCheckState, const FToolMenuContext&);

/** An action whose delegates receive the menu's context. */
struct FToolUIAction
{
	FToolUIAction()
	{
	}

	FToolUIAction(const FToolMenuExecuteAction& InExecuteAction)
		: ExecuteAction(InExecuteAction)
	{
	}

	FToolMenuExecuteAction ExecuteAction;
	FToolMenuCanExecuteAction CanExecuteAction;
	FToolMenuGetActionCheckState GetActionCheckState;
	FToolMenuIsActionButtonVisible IsActionVisibleDelegate;
};

/** One of the ways an entry's action can be given. */
struct TOOLMENUS_API FToolUIActionChoice
{
	FToolUIActionChoice()
	{
	}

	FToolUIActionChoice(const FUIAction& InAction)
		: Action(InAction)
	{
	}

	FToolUIActionChoice(const FExecuteAction& InExecuteAction)
		: Action(FUIAction(InExecuteAction))
	{
	}

	FToolUIActionChoice(const FToolUIAction& InToolAction)
		: ToolAction(InToolAction)
	{
	}

	FToolUIActionChoice(const FToolMenuExecuteAction& InExecuteAction)
		: ToolAction(FToolUIAction(InExecuteAction))
	{
	}

	FToolUIActionChoice(const TSharedPtr<const FUICommandInfo>& InCommand, const FUICommandList& InCommandList);

	const FUIAction* GetUIAction() const
	{
		return Action.GetPtrOrNull();
	}

	const FToolUIAction* GetToolUIAction() const
	{
		return ToolAction.GetPtrOrNull();
	}

private:
	TOptional<FUIAction> Action;
	TOptional<FToolUIAction> ToolAction;
};

/** One of the ways a sub-menu or drop-down's content can be given. */
struct FNewToolMenuChoice
{
	FNewToolMenuChoice()
	{
	}

	FNewToolMenuChoice(const FOnGetContent& InOnGetContent)
		: OnGetContent(InOnGetContent)
	{
	}

	FNewToolMenuChoice(const FNewToolMenuWidget& InNewToolMenuWidget)
		: NewToolMenuWidget(InNewToolMenuWidget)
	{
	}

	FNewToolMenuChoice(const FNewToolMenuDelegate& InNewToolMenu)
		: NewToolMenu(InNewToolMenu)
	{
	}

	FNewToolMenuChoice(const FNewMenuDelegate& InNewMenuLegacy)
		: NewMenuLegacy(InNewMenuLegacy)
	{
	}

	FOnGetContent OnGetContent;
	FNewToolMenuWidget NewToolMenuWidget;
	FNewToolMenuDelegate NewToolMenu;
	FNewMenuDelegate NewMenuLegacy;
};
