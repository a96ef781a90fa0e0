// ITypedTableView: what a row asks of the table that owns it (selection, its item, clicks).
#pragma once

#include "CoreMinimal.h"
#include "Types/SlateEnums.h"

class ITableRow;

namespace ETableViewMode
{
	enum Type : int
	{
		List,
		Tile,
		Tree,
	};
}

template <typename ItemType>
class ITypedTableView
{
public:
	virtual ~ITypedTableView()
	{
	}

	virtual void Private_SetItemSelection(ItemType TheItem, bool bShouldBeSelected, bool bWasUserDirected = false) = 0;
	virtual void Private_ClearSelection() = 0;
	virtual void Private_SelectRangeFromCurrentTo(ItemType InRangeSelectionEnd) = 0;
	virtual void Private_SignalSelectionChanged(ESelectInfo::Type SelectInfo) = 0;
	virtual const ItemType* Private_ItemFromWidget(const ITableRow* TheWidget) const = 0;
	virtual bool Private_IsItemSelected(const ItemType& TheItem) const = 0;
	virtual bool Private_IsItemSelectableOrNavigable(const ItemType& TheItem) const { return true; }
	virtual bool Private_OnItemClicked(ItemType TheItem) = 0;
	virtual bool Private_OnItemDoubleClicked(ItemType TheItem) = 0;
	virtual ESelectionMode::Type Private_GetSelectionMode() const = 0;
	virtual int32 Private_GetNumSelectedItems() const = 0;
	virtual ETableViewMode::Type GetTableViewMode() const = 0;

	virtual TArray<ItemType> GetSelectedItems() const = 0;
	virtual int32 GetNumItemsSelected() const = 0;
};
