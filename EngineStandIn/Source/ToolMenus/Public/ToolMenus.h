// The editor's registry of menus and toolbars that modules extend by name.
#pragma once

#include "CoreMinimal.h"
#include "ToolMenu.h"
#include "ToolMenuContext.h"
#include "ToolMenuDelegates.h"
#include "ToolMenuEntry.h"
#include "ToolMenuMisc.h"
#include "ToolMenuOwner.h"
#include "ToolMenuSection.h"

class TOOLMENUS_API UToolMenus
{
public:
	static UToolMenus* Get();
	static UToolMenus* TryGet()
	{
		return Get();
	}
	static bool IsToolMenuUIEnabled();

	UToolMenu* RegisterMenu(const FName Name, const FName Parent = NAME_None, EMultiBoxType Type = EMultiBoxType::Menu, bool bWarnIfAlreadyRegistered = true);
	/** The menu to add to, whether or not it has been registered yet. */
	UToolMenu* ExtendMenu(const FName Name);
	/** A registered menu, or null. */
	UToolMenu* FindMenu(const FName Name);
	bool IsMenuRegistered(const FName Name) const;
	void RemoveMenu(const FName MenuName);

	void AddEntry(const FName MenuName, const FName SectionName, const FToolMenuEntry& Entry);
	void RemoveEntry(const FName MenuName, const FName Section, const FName Name);
	void RemoveSection(const FName MenuName, const FName Section);

	/** Removes every section and entry the owner added. */
	void UnregisterOwner(FToolMenuOwner InOwner);

	/** Runs the callback now: menus here are always ready. */
	static FDelegateHandle RegisterStartupCallback(const FSimpleMulticastDelegate::FDelegate& InDelegate);
	static void UnRegisterStartupCallback(FDelegateHandle InHandle);
	static void UnRegisterStartupCallback(const void* UserPointer);

	void RefreshAllWidgets()
	{
	}

	/** Builds the widget of a registered or extended menu (a menu builder over its sections). */
	TSharedRef<SWidget> GenerateWidget(const FName Name, const FToolMenuContext& InMenuContext);

	/** The owner that entries added now get (see FToolMenuOwnerScoped). */
	FToolMenuOwner CurrentOwner() const;
	void PushOwner(const FToolMenuOwner InOwner);
	void PopOwner(const FToolMenuOwner InOwner);

	/** Every menu object, registered or only extended, in the order they were made. */
	const TArray<UToolMenu*>& GetAllMenus() const
	{
		return Menus;
	}

private:
	friend struct FToolMenusStandInAccess;

	UToolMenus() = default;

	UToolMenu* FindMenuObject(const FName Name) const;
	UToolMenu* MakeMenuObject(const FName Name);

	TArray<UToolMenu*> Menus;
	TArray<FToolMenuOwner> OwnerStack;
};

/** Entries added while it lives belong to the owner. */
struct FToolMenuOwnerScoped
{
	FToolMenuOwnerScoped(const FToolMenuOwner InOwner)
		: Owner(InOwner)
	{
		UToolMenus::Get()->PushOwner(InOwner);
	}

	~FToolMenuOwnerScoped()
	{
		UToolMenus::Get()->PopOwner(Owner);
	}

	FToolMenuOwner GetOwner() const
	{
		return Owner;
	}

private:
	FToolMenuOwner Owner;
};
