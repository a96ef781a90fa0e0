// Kinds of multi-boxes (menus, toolbars) and of the blocks they hold.
#pragma once

#include "CoreMinimal.h"

class FMenuBuilder;
class FMultiBox;
class SMultiBoxWidget;

enum class EMultiBoxType : uint8
{
	MenuBar,
	ToolBar,
	VerticalToolBar,
	SlimHorizontalToolBar,
	UniformToolBar,
	Menu,
	ButtonRow,
	SlimHorizontalUniformToolBar,
	SlimWrappingToolBar,
};

enum class EMultiBlockType : uint8
{
	None = 0,
	ButtonRow,
	EditableText,
	Heading,
	MenuEntry,
	Separator,
	ToolBarButton,
	ToolBarComboButton,
	Widget,
};

/** Whether users may rearrange a multi-box (not supported here: always none). */
struct FMultiBoxCustomization
{
	static const FMultiBoxCustomization None;

	static FMultiBoxCustomization AllowCustomization(FName InCustomizationName)
	{
		return FMultiBoxCustomization(InCustomizationName);
	}

	FName GetCustomizationName() const
	{
		return CustomizationName;
	}

	explicit FMultiBoxCustomization(FName InCustomizationName)
		: CustomizationName(InCustomizationName)
	{
	}

private:
	FName CustomizationName;
};

/** Fills a menu; used for sub-menus and drop-downs. */
DECLARE_DELEGATE_OneParam(FNewMenuDelegate, FMenuBuilder&);
