// STableRow: one row of a list view (selection by click); SMultiColumnTableRow: a row with one cell per header column.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Views/ITypedTableView.h"
#include "InputCoreTypes.h"
#include "Layout/Margin.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/Views/ITableRow.h"
#include "Widgets/Views/SHeaderRow.h"
#include "Widgets/Views/SListView.h"
#include "Widgets/Views/STableViewBase.h"

template <typename ItemType>
class STableRow : public ITableRow, public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(STableRow<ItemType>)
		: _Style(&FTableRowStyle::GetDefault())
		, _ExpanderStyleSet(nullptr)
		, _Padding(FMargin(0))
		, _ShowSelection(true)
		, _ShowWires(false)
		, _bAllowPreselectedItemActivation(false)
	{
	}
		SLATE_STYLE_ARGUMENT(FTableRowStyle, Style)
		SLATE_ARGUMENT(const ISlateStyle*, ExpanderStyleSet)
		SLATE_ATTRIBUTE(FMargin, Padding)
		SLATE_ARGUMENT(bool, ShowSelection)
		SLATE_ARGUMENT(bool, ShowWires)
		SLATE_ARGUMENT(bool, bAllowPreselectedItemActivation)
		SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_END_ARGS()

	STableRow()
	{
	}

	virtual ~STableRow()
	{
	}

	void Construct(const FArguments& InArgs, const TSharedRef<STableViewBase>& InOwnerTableView)
	{
		ConstructInternal(InArgs, InOwnerTableView);
		ConstructChildren(InOwnerTableView->GetTableViewMode(), InArgs._Padding, InArgs._Content.Widget);
	}

	/** Takes the row's style and its owner; the content comes with ConstructChildren. */
	void ConstructInternal(const FArguments& InArgs, const TSharedRef<STableViewBase>& InOwnerTableView)
	{
		Style = InArgs._Style != nullptr ? InArgs._Style : &FTableRowStyle::GetDefault();
		bShowSelection = InArgs._ShowSelection;
		bAllowPreselectedItemActivation = InArgs._bAllowPreselectedItemActivation;
		OwnerTablePtr = StaticCastSharedRef<SListView<ItemType>>(InOwnerTableView);
	}

	virtual void ConstructChildren(ETableViewMode::Type InOwnerTableMode, const TAttribute<FMargin>& InPadding, const TSharedRef<SWidget>& InContent)
	{
		Content = InContent;
		this->ChildSlot
			.Padding(InPadding)
		[
			InContent
		];
	}

	// ITableRow

	virtual void InitializeRow() override
	{
	}

	virtual void ResetRow() override
	{
	}

	virtual void SetIndexInList(int32 InIndexInList) override { IndexInList = InIndexInList; }
	virtual int32 GetIndexInList() override { return IndexInList; }
	virtual TSharedRef<SWidget> AsWidget() override { return this->AsShared(); }
	virtual TSharedPtr<SWidget> GetContent() override { return Content.Pin(); }

	virtual ESelectionMode::Type GetSelectionMode() const override
	{
		const TSharedPtr<ITypedTableView<ItemType>> OwnerTable = OwnerTablePtr.Pin();
		return OwnerTable.IsValid() ? OwnerTable->Private_GetSelectionMode() : ESelectionMode::None;
	}

	/** Whether this row's item is selected in the owner table. */
	bool IsSelected() const
	{
		const TSharedPtr<ITypedTableView<ItemType>> OwnerTable = OwnerTablePtr.Pin();
		const ItemType* MyItem = OwnerTable.IsValid() ? OwnerTable->Private_ItemFromWidget(this) : nullptr;
		return MyItem != nullptr && OwnerTable->Private_IsItemSelected(*MyItem);
	}

	bool IsSelectedExclusively() const
	{
		const TSharedPtr<ITypedTableView<ItemType>> OwnerTable = OwnerTablePtr.Pin();
		return IsSelected() && OwnerTable->Private_GetNumSelectedItems() == 1;
	}

	const FTableRowStyle* GetStyle() const { return Style; }
	bool ShowsSelection() const { return bShowSelection; }

	// Input: a left click selects the row as the engine does (a selected row is handled on release,
	// so that SingleToggle can deselect it and a multi-selection can collapse to it).

	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override
	{
		bChangedSelectionOnMouseDown = false;
		if (MouseEvent.GetEffectingButton() != EKeys::LeftMouseButton)
		{
			return FReply::Unhandled();
		}
		const TSharedPtr<ITypedTableView<ItemType>> OwnerTable = OwnerTablePtr.Pin();
		const ItemType* MyItemPtr = OwnerTable.IsValid() ? OwnerTable->Private_ItemFromWidget(this) : nullptr;
		if (MyItemPtr == nullptr)
		{
			return FReply::Unhandled();
		}
		const ItemType MyItem = *MyItemPtr;
		const ESelectionMode::Type SelectionMode = GetSelectionMode();
		if (SelectionMode == ESelectionMode::None)
		{
			return FReply::Handled();
		}

		const bool bIsSelected = OwnerTable->Private_IsItemSelected(MyItem);
		if (SelectionMode == ESelectionMode::Multi && MouseEvent.IsControlDown())
		{
			OwnerTable->Private_SetItemSelection(MyItem, !bIsSelected, true);
			OwnerTable->Private_SignalSelectionChanged(ESelectInfo::OnMouseClick);
			bChangedSelectionOnMouseDown = true;
		}
		else if (SelectionMode == ESelectionMode::Multi && MouseEvent.IsShiftDown())
		{
			OwnerTable->Private_SelectRangeFromCurrentTo(MyItem);
			OwnerTable->Private_SignalSelectionChanged(ESelectInfo::OnMouseClick);
			bChangedSelectionOnMouseDown = true;
		}
		else if (!bIsSelected)
		{
			OwnerTable->Private_ClearSelection();
			OwnerTable->Private_SetItemSelection(MyItem, true, true);
			OwnerTable->Private_SignalSelectionChanged(ESelectInfo::OnMouseClick);
			bChangedSelectionOnMouseDown = true;
		}
		return FReply::Handled();
	}

	virtual FReply OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override
	{
		if (MouseEvent.GetEffectingButton() != EKeys::LeftMouseButton)
		{
			return FReply::Unhandled();
		}
		const TSharedPtr<ITypedTableView<ItemType>> OwnerTable = OwnerTablePtr.Pin();
		const ItemType* MyItemPtr = OwnerTable.IsValid() ? OwnerTable->Private_ItemFromWidget(this) : nullptr;
		if (MyItemPtr == nullptr)
		{
			bChangedSelectionOnMouseDown = false;
			return FReply::Unhandled();
		}
		const ItemType MyItem = *MyItemPtr;
		const ESelectionMode::Type SelectionMode = GetSelectionMode();

		if (!bChangedSelectionOnMouseDown && SelectionMode != ESelectionMode::None && OwnerTable->Private_IsItemSelected(MyItem))
		{
			if (SelectionMode == ESelectionMode::SingleToggle)
			{
				OwnerTable->Private_ClearSelection();
				OwnerTable->Private_SignalSelectionChanged(ESelectInfo::OnMouseClick);
			}
			else if (SelectionMode == ESelectionMode::Multi && OwnerTable->Private_GetNumSelectedItems() > 1 && !MouseEvent.IsControlDown() && !MouseEvent.IsShiftDown())
			{
				OwnerTable->Private_ClearSelection();
				OwnerTable->Private_SetItemSelection(MyItem, true, true);
				OwnerTable->Private_SignalSelectionChanged(ESelectInfo::OnMouseClick);
			}
		}
		bChangedSelectionOnMouseDown = false;

		OwnerTable->Private_OnItemClicked(MyItem);
		return FReply::Handled();
	}

	virtual FReply OnMouseButtonDoubleClick(const FGeometry& InMyGeometry, const FPointerEvent& InMouseEvent) override
	{
		if (InMouseEvent.GetEffectingButton() != EKeys::LeftMouseButton)
		{
			return FReply::Unhandled();
		}
		const TSharedPtr<ITypedTableView<ItemType>> OwnerTable = OwnerTablePtr.Pin();
		const ItemType* MyItemPtr = OwnerTable.IsValid() ? OwnerTable->Private_ItemFromWidget(this) : nullptr;
		if (MyItemPtr != nullptr && OwnerTable->Private_OnItemDoubleClicked(*MyItemPtr))
		{
			return FReply::Handled();
		}
		return FReply::Unhandled();
	}

protected:
	/** The table that made this row; held weakly, the table owns its rows. */
	TWeakPtr<ITypedTableView<ItemType>> OwnerTablePtr;
	TWeakPtr<SWidget> Content;
	const FTableRowStyle* Style = nullptr;
	bool bShowSelection = true;
	bool bAllowPreselectedItemActivation = false;
	bool bChangedSelectionOnMouseDown = false;
	int32 IndexInList = INDEX_NONE;
};

template <typename ItemType>
class SMultiColumnTableRow : public STableRow<ItemType>
{
public:
	typedef SMultiColumnTableRow<ItemType> FSuperRowType;
	typedef typename STableRow<ItemType>::FArguments FTableRowArgs;

	virtual ~SMultiColumnTableRow()
	{
		// Rows come and go with every rebuild; the header row outlives them and must not keep their bindings.
		if (const TSharedPtr<SHeaderRow> HeaderRow = HeaderRowPtr.Pin())
		{
			HeaderRow->OnColumnsChanged()->Remove(ColumnsChangedHandle);
		}
	}

	/** Builds the row and asks GenerateWidgetForColumn for one cell per column of the owner's header row. */
	void Construct(const FTableRowArgs& InArgs, const TSharedRef<STableViewBase>& OwnerTableView)
	{
		FTableRowArgs RowArgs = InArgs;
		RowArgs._Content.Widget = SAssignNew(Box, SHorizontalBox);
		STableRow<ItemType>::Construct(RowArgs, OwnerTableView);

		const TSharedPtr<SHeaderRow>& HeaderRow = OwnerTableView->GetHeaderRow();
		checkf(HeaderRow.IsValid(), TEXT("A multi-column row needs a list view with a header row."));
		HeaderRowPtr = HeaderRow;
		ColumnsChangedHandle = HeaderRow->OnColumnsChanged()->AddSP(this, &SMultiColumnTableRow::GenerateColumns);
		GenerateColumns(HeaderRow.ToSharedRef());
	}

	/** Makes the cell of one column for this row's item. */
	virtual TSharedRef<SWidget> GenerateWidgetForColumn(const FName& InColumnName) = 0;

	/** The cell made for a column, or null. */
	const TSharedRef<SWidget>* GetWidgetFromColumnId(const FName& ColumnId) const
	{
		return ColumnIdToSlotContents.Find(ColumnId);
	}

	virtual TSharedPtr<SWidget> GetStandInCellWidget(const FName& ColumnId) const override
	{
		const TSharedRef<SWidget>* Cell = ColumnIdToSlotContents.Find(ColumnId);
		return Cell != nullptr ? TSharedPtr<SWidget>(*Cell) : TSharedPtr<SWidget>();
	}

	virtual TArray<FName> GetStandInCellColumnIds() const override { return GeneratedColumnIds; }

protected:
	void GenerateColumns(const TSharedRef<SHeaderRow>& InColumnHeaders)
	{
		Box->ClearChildren();
		ColumnIdToSlotContents.Empty();
		GeneratedColumnIds.Empty();

		for (const SHeaderRow::FColumn& Column : InColumnHeaders->GetColumns())
		{
			if (!InColumnHeaders->ShouldGeneratedColumn(Column.ColumnId))
			{
				continue;
			}
			const TSharedRef<SWidget> Cell = GenerateWidgetForColumn(Column.ColumnId);
			if (Column.SizeRule == EColumnSizeMode::Fill)
			{
				Box->AddSlot()
					.FillWidth(Column.Width)
					.HAlign(Column.CellHAlignment)
					.VAlign(Column.CellVAlignment)
				[
					Cell
				];
			}
			else
			{
				Box->AddSlot()
					.AutoWidth()
					.HAlign(Column.CellHAlignment)
					.VAlign(Column.CellVAlignment)
				[
					Cell
				];
			}
			ColumnIdToSlotContents.Add(Column.ColumnId, Cell);
			GeneratedColumnIds.Add(Column.ColumnId);
		}
	}

	TSharedPtr<SHorizontalBox> Box;
	TWeakPtr<SHeaderRow> HeaderRowPtr;
	FDelegateHandle ColumnsChangedHandle;
	TMap<FName, TSharedRef<SWidget>> ColumnIdToSlotContents;
	TArray<FName> GeneratedColumnIds;
};
