#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Views/STableRow.h"

struct FFixturePatchListItem;

/** A row of the patch list: check box, actor, conflict icon, FID, fixture type, mode and patch. */
class SFixturePatchListRow : public SMultiColumnTableRow<TSharedPtr<FFixturePatchListItem>>
{
public:
	SLATE_BEGIN_ARGS(SFixturePatchListRow)
	{
	}
		SLATE_ARGUMENT(TSharedPtr<FFixturePatchListItem>, Item)
		/** Fired after the user ticks the row or picks another actor. */
		SLATE_EVENT(FSimpleDelegate, OnItemChanged)
	SLATE_END_ARGS()

	virtual ~SFixturePatchListRow() override;

	void Construct(const FArguments& InArgs, const TSharedRef<STableViewBase>& InOwnerTable);

	virtual TSharedRef<SWidget> GenerateWidgetForColumn(const FName& ColumnName) override;

private:
	TSharedRef<SWidget> MakeActorCell();

	/** Spacer border, then a rounded field with a text. */
	TSharedRef<SWidget> MakeTextField(const TAttribute<FText>& InText) const;

	TSharedPtr<FFixturePatchListItem> Item;
	FSimpleDelegate OnItemChanged;
};
