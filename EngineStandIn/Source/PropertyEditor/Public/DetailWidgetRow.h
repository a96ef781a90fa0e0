#pragma once

#include "CoreMinimal.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

/** One content area of a custom row: a widget given with [ ]. */
class FDetailWidgetDecl
{
public:
	FDetailWidgetDecl& operator[](const TSharedRef<SWidget>& InWidget)
	{
		Widget = InWidget;
		return *this;
	}

	TSharedRef<SWidget> Widget = SNullWidget::NullWidget;
};

/** A row that a customization fills with its own widgets. */
class FDetailWidgetRow
{
public:
	/** The text the panel's search matches this row against. */
	FDetailWidgetRow& FilterString(const FText& InFilterString)
	{
		FilterTextString = InFilterString;
		return *this;
	}

	FDetailWidgetDecl& NameContent()
	{
		bHasNameContent = true;
		return NameWidget;
	}
	FDetailWidgetDecl& ValueContent()
	{
		bHasValueContent = true;
		return ValueWidget;
	}
	/** One widget across the whole row, instead of name and value. */
	FDetailWidgetDecl& WholeRowContent()
	{
		bHasWholeRowContent = true;
		return WholeRowWidget;
	}
	/** The row's content as the panel shows it. */
	FDetailWidgetDecl& operator[](const TSharedRef<SWidget>& InWidget)
	{
		return WholeRowContent()[InWidget];
	}

	bool HasNameContent() const
	{
		return bHasNameContent;
	}
	bool HasValueContent() const
	{
		return bHasValueContent;
	}
	bool HasWholeRowContent() const
	{
		return bHasWholeRowContent;
	}

	FText FilterTextString;
	FDetailWidgetDecl NameWidget;
	FDetailWidgetDecl ValueWidget;
	FDetailWidgetDecl WholeRowWidget;

private:
	bool bHasNameContent = false;
	bool bHasValueContent = false;
	bool bHasWholeRowContent = false;
};
