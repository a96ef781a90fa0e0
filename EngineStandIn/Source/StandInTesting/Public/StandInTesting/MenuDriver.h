// Driving tool menus, drop-downs and menus as a user would, and snapshots of the editor's registries.
#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateTypes.h"

class SWidget;
class UToolMenu;
struct FToolMenuSection;
struct FToolMenuEntry;

namespace StandIn
{
	/** A tool menu registered or extended by that name, or null. */
	UToolMenu* FindToolMenu(FName MenuName);
	FToolMenuSection* FindToolMenuSection(FName MenuName, FName SectionName);
	FToolMenuEntry* FindToolMenuEntry(FName MenuName, FName SectionName, FName EntryName);

	/** Opens a combo button's drop-down as the toolbar does (calls its content delegate); null without content. */
	TSharedPtr<SWidget> OpenComboButtonMenu(const FToolMenuEntry& ComboButton);
	TSharedPtr<SWidget> OpenComboButtonMenu(FName MenuName, FName SectionName, FName EntryName);

	enum class EMenuRowKind : uint8
	{
		Heading,
		Entry,
		Widget,
		Separator,
	};

	/** One row of an open menu, as the user sees it. */
	struct FMenuRow
	{
		EMenuRowKind Kind = EMenuRowKind::Entry;
		/** Heading text, entry label, or the caption text of a widget row. */
		FString Label;
		FString ToolTip;
		/** Toggle and check entries: the box and its state (read from the command list now). */
		bool bCheckable = false;
		ECheckBoxState CheckState = ECheckBoxState::Unchecked;
		bool bEnabled = true;
		/** Entries: the icon's style set and key (none when the entry shows no icon). */
		FName IconStyleSet;
		FName IconStyleName;
		/** Widget rows with a spin box: its value and bounds. */
		bool bHasSpinBox = false;
		float SpinValue = 0.0f;
		TOptional<float> SpinMin;
		TOptional<float> SpinMax;
		float SpinDelta = 0.0f;
		/** Widget rows with a segmented control: its segments and the selected one. */
		TArray<FString> Segments;
		FString SelectedSegment;
		/** The row's widget. */
		TSharedPtr<SWidget> Widget;

		/** "[x] Label", "Label = 1.5", "Label: Low |Medium| High", "== Heading ==", "----". */
		FString ToString() const;
	};

	/** The rows of an open menu, top to bottom (the menu widget is what MakeWidget returned). */
	TArray<FMenuRow> ListMenuRows(const TSharedRef<SWidget>& Menu);
	/** One line per row, as ToString gives them. */
	TArray<FString> DescribeMenu(const TSharedRef<SWidget>& Menu);

	/** The first row of that label (heading, entry or widget-row caption), or null. */
	TSharedPtr<SWidget> FindMenuRow(const TSharedRef<SWidget>& Menu, const FString& Label);
	/** The section heading above the row of that label ("" when the row has none). */
	FString GetSectionOfRow(const TSharedRef<SWidget>& Menu, const FString& Label);

	/** Clicks the entry of that label as the user does; false when there is no such enabled entry or
	 *  the menu has closed (open the drop-down again). */
	bool ClickMenuEntry(const TSharedRef<SWidget>& Menu, const FString& Label);
	/** Whether the menu closed itself after an entry was picked. */
	bool IsMenuClosed(const TSharedRef<SWidget>& Menu);

	/** What the editor's registries hold; equal snapshots mean nothing was left registered or removed. */
	struct FRegistrySnapshot
	{
		TArray<FString> StyleSets;
		/** "Context" and "Context.Command" lines. */
		TArray<FString> BindingContexts;
		TArray<FString> NomadTabSpawners;
		TArray<FString> OpenTabs;
		/** "Menu/Section" and "Menu/Section/Entry" lines. */
		TArray<FString> ToolMenuEntries;
		/** "Context.Command" lines of the level editor's global command list (empty when it is not loaded). */
		TArray<FString> GlobalCommandMappings;
		/** Class names with a details layout registered with the "PropertyEditor" module (empty when it is not loaded). */
		TArray<FString> ClassLayouts;
		/** "Class=RendererClass" lines of the thumbnail manager's custom renderers. */
		TArray<FString> ThumbnailRenderers;

		bool operator==(const FRegistrySnapshot& Other) const;
		bool operator!=(const FRegistrySnapshot& Other) const
		{
			return !(*this == Other);
		}
		/** The lines in one list, each prefixed by its registry ("StyleSet: ZORLightStyle", ...). */
		TArray<FString> ToLines() const;
	};

	FRegistrySnapshot TakeRegistrySnapshot();

	/** Makes the plug-in "ZORLight" known at the repository root (the session does this when it starts). */
	void InitFrameworkRegistries();
	/** Closes open tabs and empties the registries of menus, commands, tab spawners and plug-ins
	 *  (the session does this when it ends). */
	void ResetFrameworkRegistries();
}
