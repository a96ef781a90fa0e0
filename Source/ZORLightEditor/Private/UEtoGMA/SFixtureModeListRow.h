#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Views/STableRow.h"

struct FFixtureModeListItem;

/** A row of the mode list: check box, editable grandMA2 name with reset, conflict icon, number. */
class SFixtureModeListRow : public SMultiColumnTableRow<TSharedPtr<FFixtureModeListItem>>
{
public:
	SLATE_BEGIN_ARGS(SFixtureModeListRow)
	{
	}
		SLATE_ARGUMENT(TSharedPtr<FFixtureModeListItem>, Item)
		SLATE_EVENT(FSimpleDelegate, OnCheckStateChanged)
		SLATE_EVENT(FSimpleDelegate, OnNumChanged)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, const TSharedRef<STableViewBase>& InOwnerTable);

	virtual TSharedRef<SWidget> GenerateWidgetForColumn(const FName& ColumnName) override;

private:
	TSharedPtr<FFixtureModeListItem> Item;
	FSimpleDelegate OnCheckStateChanged;
	FSimpleDelegate OnNumChanged;
};
