// Driving list views as a user would: the rows in view and their cells, header clicks (sorting), row clicks
// (selection), and edits in cells (check boxes, combo boxes, text and number boxes), plus scrolling.
//
// Rows are addressed by their position among the rows in view (0 = the top row shown). Every read first
// carries out a pending refresh of the view, as the next frame would.
#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateTypes.h"
#include "Widgets/Views/SHeaderRow.h"

class ITableRow;
class SWidget;
class STableViewBase;

namespace StandIn
{
	/** The layout pass of one frame: every list view with a pending refresh makes its rows in view. */
	void TickSlate();

	/** How many rows all list views generated (OnGenerateRow calls) since the process started. */
	int32 GetGeneratedRowCount();

	/** The height of a view in rows (30 by default); changing it refreshes the view. */
	int32 GetListViewportRows(STableViewBase& View);
	void SetListViewportRows(STableViewBase& View, int32 NumRows);
	/** The height in rows of list views made from now on. */
	void SetDefaultListViewportRows(int32 NumRows);

	// Reading

	/** The rows in view, top to bottom. */
	TArray<TSharedRef<ITableRow>> GetListRows(STableViewBase& View);
	int32 GetNumListRows(STableViewBase& View);
	/** The item index (in the view's source) of a row in view, or INDEX_NONE. */
	int32 GetListRowItemIndex(STableViewBase& View, int32 RowIndex);

	/** The header's columns in order (hidden ones included). */
	TArray<FName> GetListColumnIds(STableViewBase& View);
	const SHeaderRow::FColumn* FindListColumn(STableViewBase& View, FName ColumnId);
	/** The header's label text of a column (its default label or the texts of its custom content). */
	FString GetListColumnLabel(STableViewBase& View, FName ColumnId);
	/** The sort arrow a column shows now (its polled sort mode). */
	EColumnSortMode::Type GetListColumnSortMode(STableViewBase& View, FName ColumnId);
	/** The header widget of a column (its content is the label or the custom header content). */
	TSharedPtr<SWidget> GetListColumnHeader(STableViewBase& View, FName ColumnId);

	/** The widget that GenerateWidgetForColumn made for the row and column, or null. */
	TSharedPtr<SWidget> GetListCell(STableViewBase& View, int32 RowIndex, FName ColumnId);
	/** The texts of the text blocks inside a widget, polled now, in tree order, joined by Separator. */
	FString GetWidgetTexts(const TSharedRef<SWidget>& Widget, const FString& Separator = TEXT(" "));
	/** The texts shown in a cell (empty when the cell shows no text); "<none>" when the row has no such cell. */
	FString GetListCellText(STableViewBase& View, int32 RowIndex, FName ColumnId);
	/** Whether the cell and all its parents up to the list are enabled (a disabled cell ignores input). */
	bool IsListCellEnabled(STableViewBase& View, int32 RowIndex, FName ColumnId);
	/** The first row in view whose cell in the column shows exactly the text, or INDEX_NONE. */
	int32 FindListRow(STableViewBase& View, FName ColumnId, const FString& CellText);

	/** The rows in view as a table: one line per row, cells separated by " | ", in column order. */
	FString DescribeList(STableViewBase& View);

	// Acting

	/** Clicks a column header; a sortable header asks for the next sort. False when the column has no header. */
	bool ClickListColumnHeader(STableViewBase& View, FName ColumnId, bool bShiftDown = false);

	/** Clicks a row (left button, down and up) as the user selects it; false when there is no such row. */
	bool ClickListRow(STableViewBase& View, int32 RowIndex, bool bControlDown = false, bool bShiftDown = false);
	bool DoubleClickListRow(STableViewBase& View, int32 RowIndex);

	/** Scrolls so that the item at FirstItemIndex is the top row (clamped as the view does). */
	void ScrollListTo(STableViewBase& View, int32 FirstItemIndex);
	/** Turns the mouse wheel over the view (positive: up). */
	void ScrollListByWheel(STableViewBase& View, float WheelDelta);

	/** The state of the first check box inside a widget, or unset when there is none. */
	TOptional<ECheckBoxState> GetCheckBoxState(const TSharedRef<SWidget>& Widget);
	TOptional<ECheckBoxState> GetListCellCheckState(STableViewBase& View, int32 RowIndex, FName ColumnId);
	TOptional<ECheckBoxState> GetListHeaderCheckState(STableViewBase& View, FName ColumnId);

	/** Clicks the first check box in the cell; false when there is none or it is disabled. */
	bool ClickListCellCheckBox(STableViewBase& View, int32 RowIndex, FName ColumnId);
	/** Clicks the first check box in a column's header content. */
	bool ClickListHeaderCheckBox(STableViewBase& View, FName ColumnId);

	/** Types the text into the first editable field in the cell and presses Enter; false when disabled or none. */
	bool CommitListCellText(STableViewBase& View, int32 RowIndex, FName ColumnId, const FString& Text);
	/** Types the number into the cell's spin box and presses Enter. */
	bool CommitListCellNumber(STableViewBase& View, int32 RowIndex, FName ColumnId, double Value);

	/** Clicks the first button in the cell; false when there is none or it is disabled or hidden. */
	bool ClickListCellButton(STableViewBase& View, int32 RowIndex, FName ColumnId);

	/** Opens the combo box in the cell and picks the option showing the text; false when impossible. */
	bool PickListCellComboOption(STableViewBase& View, int32 RowIndex, FName ColumnId, const FString& OptionText);
	/** The texts of the options the cell's combo box offers when opened. */
	TArray<FString> GetListCellComboOptions(STableViewBase& View, int32 RowIndex, FName ColumnId);
}
