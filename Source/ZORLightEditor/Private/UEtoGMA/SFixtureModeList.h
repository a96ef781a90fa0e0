#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/Views/SHeaderRow.h"
#include "Widgets/Views/SListView.h"

class ITableRow;
class SFixturePatchList;
class STableViewBase;
struct FFixtureModeListItem;
struct FFixturePatchListItem;

/**
 * Left pane of the UE to GMA tool: one row per fixture type and mode in use among the panel's patch
 * items, where the user maps each to a grandMA2 fixture type number and name and switches its fixtures
 * on or off for the export.
 */
class SFixtureModeList : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SFixtureModeList)
		: _PatchListItems(nullptr)
	{
	}
		/** The panel's patch items; not owned. */
		SLATE_ARGUMENT(TArray<TSharedPtr<FFixturePatchListItem>>*, PatchListItems)
	SLATE_END_ARGS()

	virtual ~SFixtureModeList() override;

	void Construct(const FArguments& InArgs);

	/** Rebuilds the rows from the patch items, keeping the numbers and names typed for pairs still present. */
	void InitializeListItems();

	/** Flags every row whose number another row also uses. */
	void UpdateModeNumConflicts();

	/** Copies every row's check state to the patch items of its type and mode, then renumbers. */
	void OnItemCheckStateChanged();

	void OnItemNumChanged();

	void OnColumnSortModeChanged(const EColumnSortPriority::Type InSortPriority, const FName& InColumnId, const EColumnSortMode::Type InSortMode);

	TSharedRef<SHeaderRow> MakeHeaderRow();

	TSharedRef<ITableRow> OnGenerateRow(TSharedPtr<FFixtureModeListItem> InItem, const TSharedRef<STableViewBase>& OwnerTable);

	/** Column ids of the mode list. */
	static const FName ColumnID_IsSelected;
	static const FName ColumnID_Mode;
	static const FName ColumnID_Num;
	static const FName ColumnID_Status;

	/** The panel; set by the panel right after construction. */
	TWeakPtr<SFixturePatchList> Owner;

	TSharedPtr<SListView<TSharedPtr<FFixtureModeListItem>>> ListView;

	TArray<TSharedPtr<FFixtureModeListItem>> Items;

	FName SortColumn;
	EColumnSortMode::Type SortMode = EColumnSortMode::None;
	EColumnSortPriority::Type SortPriority = EColumnSortPriority::Primary;

	TArray<TSharedPtr<FFixturePatchListItem>>* PatchListItems = nullptr;

private:
	ECheckBoxState GetSelectAllState() const;
	void OnSelectAllChanged(ECheckBoxState NewState);
};
