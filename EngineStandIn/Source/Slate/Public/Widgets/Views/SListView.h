// SListView: a list of items that makes row widgets only for the items in view, on the next tick after a refresh.
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Framework/Views/ITypedTableView.h"
#include "Styling/SlateTypes.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Views/ITableRow.h"
#include "Widgets/Views/STableViewBase.h"

class SHeaderRow;

template <typename ItemType>
class SListView : public STableViewBase, public ITypedTableView<ItemType>
{
public:
	DECLARE_DELEGATE_RetVal_TwoParams(TSharedRef<ITableRow>, FOnGenerateRow, ItemType, const TSharedRef<STableViewBase>&);
	DECLARE_DELEGATE_OneParam(FOnTableRowReleased, const TSharedRef<ITableRow>&);
	DECLARE_DELEGATE_TwoParams(FOnEntryInitialized, ItemType, const TSharedRef<ITableRow>&);
	DECLARE_DELEGATE_TwoParams(FOnItemScrolledIntoView, ItemType, const TSharedPtr<ITableRow>&);
	DECLARE_DELEGATE_OneParam(FOnMouseButtonClick, ItemType);
	DECLARE_DELEGATE_OneParam(FOnMouseButtonDoubleClick, ItemType);
	DECLARE_DELEGATE_TwoParams(FOnSelectionChanged, ItemType, ESelectInfo::Type);

	SLATE_BEGIN_ARGS(SListView<ItemType>)
		: _ListViewStyle(&FTableViewStyle::GetDefault())
		, _ListItemsSource(nullptr)
		, _SelectionMode(ESelectionMode::Multi)
		, _ClearSelectionOnClick(true)
		, _ScrollbarVisibility(EVisibility::Visible)
		, _EnableAnimatedScrolling(false)
		, _ItemHeight(16.0f)
	{
	}
		SLATE_STYLE_ARGUMENT(FTableViewStyle, ListViewStyle)
		SLATE_EVENT(FOnGenerateRow, OnGenerateRow)
		SLATE_EVENT(FOnTableRowReleased, OnRowReleased)
		SLATE_EVENT(FOnEntryInitialized, OnEntryInitialized)
		SLATE_EVENT(FOnItemScrolledIntoView, OnItemScrolledIntoView)
		SLATE_EVENT(FOnContextMenuOpening, OnContextMenuOpening)
		SLATE_EVENT(FOnMouseButtonClick, OnMouseButtonClick)
		SLATE_EVENT(FOnMouseButtonDoubleClick, OnMouseButtonDoubleClick)
		SLATE_EVENT(FOnSelectionChanged, OnSelectionChanged)
		SLATE_ARGUMENT(const TArray<ItemType>*, ListItemsSource)
		SLATE_ATTRIBUTE(ESelectionMode::Type, SelectionMode)
		SLATE_ARGUMENT(TSharedPtr<SHeaderRow>, HeaderRow)
		SLATE_ARGUMENT(bool, ClearSelectionOnClick)
		SLATE_ARGUMENT(EVisibility, ScrollbarVisibility)
		SLATE_ARGUMENT(bool, EnableAnimatedScrolling)
		SLATE_ATTRIBUTE(float, ItemHeight)
	SLATE_END_ARGS()

	SListView(ETableViewMode::Type InListMode = ETableViewMode::List)
		: STableViewBase(InListMode)
	{
	}

	virtual ~SListView()
	{
	}

	void Construct(const FArguments& InArgs)
	{
		Style = InArgs._ListViewStyle;
		OnGenerateRow = InArgs._OnGenerateRow;
		OnRowReleased = InArgs._OnRowReleased;
		OnEntryInitialized = InArgs._OnEntryInitialized;
		OnItemScrolledIntoView = InArgs._OnItemScrolledIntoView;
		OnContextMenuOpening = InArgs._OnContextMenuOpening;
		OnClick = InArgs._OnMouseButtonClick;
		OnDoubleClick = InArgs._OnMouseButtonDoubleClick;
		OnSelectionChanged = InArgs._OnSelectionChanged;
		ItemsSource = InArgs._ListItemsSource;
		SelectionMode = InArgs._SelectionMode;
		bClearSelectionOnClick = InArgs._ClearSelectionOnClick;
		bEnableAnimatedScrolling = InArgs._EnableAnimatedScrolling;

		ConstructChildren(InArgs._HeaderRow, InArgs._ItemHeight, InArgs._ScrollbarVisibility);

		// The rows are made on the first tick, as the engine does.
		RequestListRefresh();
	}

	// Items

	void SetItemsSource(const TArray<ItemType>* InListItemsSource)
	{
		ItemsSource = InListItemsSource;
		RequestListRefresh();
	}

	void ClearItemsSource() { SetItemsSource(nullptr); }
	bool HasValidItemsSource() const { return ItemsSource != nullptr; }

	virtual int32 GetNumItemsBeingObserved() const override { return ItemsSource != nullptr ? ItemsSource->Num() : 0; }

	virtual void RebuildList() override
	{
		ReleaseAllRows();
		RequestListRefresh();
	}

	/** The row made for an item, when it is in view. */
	TSharedPtr<ITableRow> WidgetFromItem(const ItemType& InItem) const
	{
		const TSharedRef<ITableRow>* Row = ItemToWidgetMap.Find(InItem);
		return Row != nullptr ? TSharedPtr<ITableRow>(*Row) : TSharedPtr<ITableRow>();
	}

	/** Brings the item into view on the next tick. */
	void RequestScrollIntoView(ItemType ItemToView, const uint32 UserIndex = 0)
	{
		ItemToScrollIntoView = ItemToView;
		bHasItemToScrollIntoView = true;
		RequestListRefresh();
	}

	void RequestNavigateToItem(ItemType Item, const uint32 UserIndex = 0) { RequestScrollIntoView(Item, UserIndex); }

	bool IsItemVisible(ItemType Item) const { return ItemToWidgetMap.Contains(Item); }

	// Selection

	virtual TArray<ItemType> GetSelectedItems() const override
	{
		return SelectedItems;
	}

	virtual int32 GetNumItemsSelected() const override { return SelectedItems.Num(); }

	int32 GetSelectedItems(TArray<ItemType>& SelectedItemArray) const
	{
		SelectedItemArray = SelectedItems;
		return SelectedItems.Num();
	}

	void SetSelection(ItemType SoleSelectedItem, ESelectInfo::Type SelectInfo = ESelectInfo::Direct)
	{
		SelectedItems.Empty();
		SetItemSelection(SoleSelectedItem, true, SelectInfo);
	}

	void SetItemSelection(ItemType TheItem, bool bSelected, ESelectInfo::Type SelectInfo = ESelectInfo::Direct)
	{
		Private_SetItemSelection(TheItem, bSelected, SelectInfo != ESelectInfo::Direct);
		Private_SignalSelectionChanged(SelectInfo);
	}

	void SetItemSelection(const TArray<ItemType>& InItems, bool bSelected, ESelectInfo::Type SelectInfo = ESelectInfo::Direct)
	{
		for (const ItemType& Item : InItems)
		{
			Private_SetItemSelection(Item, bSelected, SelectInfo != ESelectInfo::Direct);
		}
		Private_SignalSelectionChanged(SelectInfo);
	}

	void ClearSelection()
	{
		if (SelectedItems.Num() == 0)
		{
			return;
		}
		Private_ClearSelection();
		Private_SignalSelectionChanged(ESelectInfo::Direct);
	}

	bool IsItemSelected(const ItemType& InItem) const { return Private_IsItemSelected(InItem); }

	void SetSelectionMode(const TAttribute<ESelectionMode::Type>& InSelectionMode) { SelectionMode = InSelectionMode; }

	// ITypedTableView

	virtual void Private_SetItemSelection(ItemType TheItem, bool bShouldBeSelected, bool bWasUserDirected = false) override
	{
		if (SelectionMode.Get() == ESelectionMode::None)
		{
			return;
		}
		if (bShouldBeSelected)
		{
			if (SelectedItems.Contains(TheItem))
			{
				return;
			}
			if (SelectionMode.Get() != ESelectionMode::Multi)
			{
				SelectedItems.Empty();
			}
			SelectedItems.Add(TheItem);
			RangeSelectionStart = TheItem;
			bHasRangeSelectionStart = true;
		}
		else
		{
			SelectedItems.Remove(TheItem);
		}
		bSelectionChangedSinceSignal = true;
	}

	virtual void Private_ClearSelection() override
	{
		if (SelectedItems.Num() > 0)
		{
			SelectedItems.Empty();
			bSelectionChangedSinceSignal = true;
		}
	}

	virtual void Private_SelectRangeFromCurrentTo(ItemType InRangeSelectionEnd) override
	{
		if (SelectionMode.Get() != ESelectionMode::Multi || ItemsSource == nullptr)
		{
			Private_SetItemSelection(InRangeSelectionEnd, true, true);
			return;
		}
		const int32 EndIndex = ItemsSource->IndexOfByKey(InRangeSelectionEnd);
		const int32 StartIndex = bHasRangeSelectionStart ? ItemsSource->IndexOfByKey(RangeSelectionStart) : INDEX_NONE;
		if (EndIndex == INDEX_NONE)
		{
			return;
		}
		const int32 First = StartIndex == INDEX_NONE ? EndIndex : FMath::Min(StartIndex, EndIndex);
		const int32 Last = StartIndex == INDEX_NONE ? EndIndex : FMath::Max(StartIndex, EndIndex);
		for (int32 Index = First; Index <= Last; ++Index)
		{
			if (!SelectedItems.Contains((*ItemsSource)[Index]))
			{
				SelectedItems.Add((*ItemsSource)[Index]);
				bSelectionChangedSinceSignal = true;
			}
		}
	}

	virtual void Private_SignalSelectionChanged(ESelectInfo::Type SelectInfo) override
	{
		if (SelectionMode.Get() == ESelectionMode::None)
		{
			return;
		}
		bSelectionChangedSinceSignal = false;
		// The handler hears of the most recently selected item, or of none when the selection is empty.
		const ItemType SelectedItem = SelectedItems.Num() > 0 ? SelectedItems.Last() : ItemType();
		OnSelectionChanged.ExecuteIfBound(SelectedItem, SelectInfo);
	}

	virtual const ItemType* Private_ItemFromWidget(const ITableRow* TheWidget) const override
	{
		return WidgetToItemMap.Find(TheWidget);
	}

	virtual bool Private_IsItemSelected(const ItemType& TheItem) const override { return SelectedItems.Contains(TheItem); }

	virtual bool Private_OnItemClicked(ItemType TheItem) override
	{
		if (OnClick.ExecuteIfBound(TheItem))
		{
			return true;
		}
		return false;
	}

	virtual bool Private_OnItemDoubleClicked(ItemType TheItem) override
	{
		if (OnDoubleClick.ExecuteIfBound(TheItem))
		{
			return true;
		}
		return false;
	}

	virtual ESelectionMode::Type Private_GetSelectionMode() const override { return SelectionMode.Get(); }
	virtual int32 Private_GetNumSelectedItems() const override { return SelectedItems.Num(); }
	virtual ETableViewMode::Type GetTableViewMode() const override { return STableViewBase::GetTableViewMode(); }

	const FTableViewStyle* GetStyle() const { return Style; }
	bool IsAnimatedScrollingEnabled() const { return bEnableAnimatedScrolling; }

protected:
	virtual void Private_ClearSelectionOnEmptyClick() override
	{
		ClearSelection();
	}

	virtual void ScrollIntoViewIfPending() override
	{
		if (!bHasItemToScrollIntoView)
		{
			return;
		}
		bHasItemToScrollIntoView = false;
		const int32 Index = ItemsSource != nullptr ? ItemsSource->IndexOfByKey(ItemToScrollIntoView) : INDEX_NONE;
		if (Index == INDEX_NONE)
		{
			return;
		}
		const int32 First = GetFirstItemInView();
		if (Index < First)
		{
			SetScrollOffset(static_cast<float>(Index));
		}
		else if (Index >= First + GetNumRowsInView())
		{
			SetScrollOffset(static_cast<float>(Index - GetNumRowsInView() + 1));
		}
		bPendingScrolledIntoViewNotice = true;
		bItemsNeedRefresh = true;
	}

	virtual void ReGenerateItems() override
	{
		TArray<TSharedRef<ITableRow>> Rows;
		TMap<ItemType, TSharedRef<ITableRow>> UsedRows;

		if (ItemsSource != nullptr)
		{
			// Selected items that left the source are no longer selected.
			if (SelectedItems.Num() > 0)
			{
				TSet<ItemType> SourceItems;
				for (const ItemType& Item : *ItemsSource)
				{
					SourceItems.Add(Item);
				}
				const int32 NumSelectedBefore = SelectedItems.Num();
				SelectedItems.RemoveAll([&SourceItems](const ItemType& Item)
				{
					return !SourceItems.Contains(Item);
				});
				if (SelectedItems.Num() != NumSelectedBefore)
				{
					Private_SignalSelectionChanged(ESelectInfo::Direct);
				}
			}

			const int32 First = GetFirstItemInView();
			const int32 Last = FMath::Min(ItemsSource->Num(), First + GetNumRowsInView());
			for (int32 Index = First; Index < Last; ++Index)
			{
				const ItemType& Item = (*ItemsSource)[Index];
				if (UsedRows.Contains(Item))
				{
					// The same item twice in the source: the engine shows it once.
					continue;
				}
				TSharedPtr<ITableRow> Row;
				if (const TSharedRef<ITableRow>* Cached = ItemToWidgetMap.Find(Item))
				{
					Row = *Cached;
				}
				else
				{
					Row = GenerateNewRow(Item);
				}
				Row->SetIndexInList(Index);
				UsedRows.Add(Item, Row.ToSharedRef());
				Rows.Add(Row.ToSharedRef());
			}
		}

		// Rows whose items left the view are released.
		for (const auto& Pair : ItemToWidgetMap)
		{
			if (!UsedRows.Contains(Pair.Key))
			{
				ReleaseRow(Pair.Value);
			}
		}
		ItemToWidgetMap = UsedRows;
		WidgetToItemMap.Empty();
		for (const auto& Pair : ItemToWidgetMap)
		{
			WidgetToItemMap.Add(&Pair.Value.Get(), Pair.Key);
		}

		SetRowsInView(Rows);

		if (bPendingScrolledIntoViewNotice)
		{
			bPendingScrolledIntoViewNotice = false;
			OnItemScrolledIntoView.ExecuteIfBound(ItemToScrollIntoView, WidgetFromItem(ItemToScrollIntoView));
		}
	}

	TSharedRef<ITableRow> GenerateNewRow(const ItemType& Item)
	{
		checkf(OnGenerateRow.IsBound(), TEXT("A list view needs OnGenerateRow to make its rows."));
		CountGeneratedRow();
		// The row looks its item up through the owner while it is built (its Construct may ask for it).
		const TSharedRef<ITableRow> Row = OnGenerateRow.Execute(Item, AsTableViewRef());
		WidgetToItemMap.Add(&Row.Get(), Item);
		Row->InitializeRow();
		OnEntryInitialized.ExecuteIfBound(Item, Row);
		return Row;
	}

	void ReleaseRow(const TSharedRef<ITableRow>& Row)
	{
		Row->ResetRow();
		OnRowReleased.ExecuteIfBound(Row);
	}

	void ReleaseAllRows()
	{
		for (const auto& Pair : ItemToWidgetMap)
		{
			ReleaseRow(Pair.Value);
		}
		ItemToWidgetMap.Empty();
		WidgetToItemMap.Empty();
		ClearRowsInView();
	}

	TSharedRef<STableViewBase> AsTableViewRef()
	{
		return StaticCastSharedRef<STableViewBase>(this->AsShared());
	}

	const TArray<ItemType>* ItemsSource = nullptr;
	const FTableViewStyle* Style = nullptr;
	FOnGenerateRow OnGenerateRow;
	FOnTableRowReleased OnRowReleased;
	FOnEntryInitialized OnEntryInitialized;
	FOnItemScrolledIntoView OnItemScrolledIntoView;
	FOnContextMenuOpening OnContextMenuOpening;
	FOnMouseButtonClick OnClick;
	FOnMouseButtonDoubleClick OnDoubleClick;
	FOnSelectionChanged OnSelectionChanged;
	TAttribute<ESelectionMode::Type> SelectionMode;
	bool bEnableAnimatedScrolling = false;

	/** Selected items in the order they were selected. */
	TArray<ItemType> SelectedItems;
	ItemType RangeSelectionStart;
	bool bHasRangeSelectionStart = false;
	bool bSelectionChangedSinceSignal = false;

	ItemType ItemToScrollIntoView;
	bool bHasItemToScrollIntoView = false;
	bool bPendingScrolledIntoViewNotice = false;

	/** The rows made for the items in view, kept between refreshes. */
	TMap<ItemType, TSharedRef<ITableRow>> ItemToWidgetMap;
	TMap<const ITableRow*, ItemType> WidgetToItemMap;
};
