// A registered or extended tool menu (a menu or a toolbar) with its sections.
#pragma once

#include "CoreMinimal.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "ToolMenuContext.h"
#include "ToolMenuMisc.h"
#include "ToolMenuSection.h"

class TOOLMENUS_API UToolMenu
{
public:
	UToolMenu();

	FToolMenuSection& FindOrAddSection(const FName SectionName);
	FToolMenuSection& FindOrAddSection(const FName SectionName, const TAttribute<FText>& InLabel, const FToolMenuInsert InPosition = FToolMenuInsert());
	FToolMenuSection& AddSection(const FName SectionName, const TAttribute<FText>& InLabel = TAttribute<FText>(), const FToolMenuInsert InPosition = FToolMenuInsert());
	FToolMenuSection* FindSection(const FName SectionName);
	void RemoveSection(const FName SectionName);

	void AddMenuEntry(const FName SectionName, const FToolMenuEntry& Args);

	FName GetMenuName() const
	{
		return MenuName;
	}
	bool IsRegistered() const
	{
		return bRegistered;
	}

	FName MenuName;
	FName MenuParent;
	FName StyleName;
	EMultiBoxType MenuType = EMultiBoxType::Menu;
	bool bShouldCloseWindowAfterMenuSelection = true;
	bool bSearchable = true;
	FToolMenuOwner MenuOwner;
	FToolMenuContext Context;
	TArray<FToolMenuSection> Sections;

private:
	friend class UToolMenus;

	bool bRegistered = false;
};
