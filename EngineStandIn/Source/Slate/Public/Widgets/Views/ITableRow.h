// ITableRow: what a list view needs of each row widget it generates.
#pragma once

#include "CoreMinimal.h"
#include "Types/SlateEnums.h"

class SWidget;
class SHeaderRow;

class ITableRow
{
public:
	virtual ~ITableRow()
	{
	}

	/** Called by the owner table right after the row is generated. */
	virtual void InitializeRow() = 0;
	/** Called by the owner table when the row is released (its item left the view or the list was rebuilt). */
	virtual void ResetRow() = 0;

	virtual void SetIndexInList(int32 InIndexInList) = 0;
	virtual int32 GetIndexInList() = 0;

	/** The row as a widget (the owner table puts it into its items panel). */
	virtual TSharedRef<SWidget> AsWidget() = 0;
	/** The row's content, or null when it has none. */
	virtual TSharedPtr<SWidget> GetContent() = 0;

	virtual bool IsItemExpanded() const { return false; }
	virtual int32 GetIndentLevel() const { return 0; }
	virtual int32 DoesItemHaveChildren() const { return 0; }
	virtual ESelectionMode::Type GetSelectionMode() const = 0;

	/** Multi-column rows: the cell made for a column, or null (read by the testing module). */
	virtual TSharedPtr<SWidget> GetStandInCellWidget(const FName& ColumnId) const { return nullptr; }

	/** Multi-column rows: the column ids of the cells, in the order they are shown (read by the testing module). */
	virtual TArray<FName> GetStandInCellColumnIds() const { return TArray<FName>(); }
};
