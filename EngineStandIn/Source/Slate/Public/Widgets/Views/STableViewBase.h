// STableViewBase: what every list view shares: header row, items panel, scrolling and the deferred refresh.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Views/ITypedTableView.h"
#include "Layout/Visibility.h"
#include "Styling/SlateTypes.h"
#include "Types/SlateEnums.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/Views/ITableRow.h"

class SHeaderRow;
class SVerticalBox;

namespace UE::StandIn
{
	struct FTableViewAccess;
}

class SLATE_API STableViewBase : public SCompoundWidget
{
public:
	STableViewBase(ETableViewMode::Type InTableViewMode);
	virtual ~STableViewBase();

	/** Marks the items for regeneration; the rows in view are made again on the next tick, reusing each item's row. */
	virtual void RequestListRefresh();
	/** Drops every row widget; all rows in view are generated anew on the next tick. */
	virtual void RebuildList() = 0;

	bool IsPendingRefresh() const { return bItemsNeedRefresh; }

	/** Number of items in the source, whether or not they are in view. */
	virtual int32 GetNumItemsBeingObserved() const = 0;
	/** Number of rows currently generated (the rows in view). */
	int32 GetNumGeneratedChildren() const;

	const TSharedPtr<SHeaderRow>& GetHeaderRow() const { return HeaderRow; }
	ETableViewMode::Type GetTableViewMode() const { return TableViewMode; }

	void ScrollToTop();
	void ScrollToBottom();
	/** First item in view (in items; fractions are kept but rows start at whole items). */
	float GetScrollOffset() const { return static_cast<float>(ScrollOffset); }
	void SetScrollOffset(const float InScrollOffset);

	/** Regenerates the rows in view when a refresh is pending (the engine does this once per frame). */
	virtual void Tick(const FGeometry& AllottedGeometry, const double InCurrentTime, const float InDeltaTime);

	virtual FReply OnMouseWheel(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;

protected:
	/** Builds the header row (when given) above the items panel. */
	void ConstructChildren(const TSharedPtr<SHeaderRow>& InHeaderRow, const TAttribute<float>& InItemHeight, EVisibility InScrollbarVisibility);

	/** Makes or reuses the rows for the items in view and puts them into the items panel in display order. */
	virtual void ReGenerateItems() = 0;
	/** Resolves a pending scroll-into-view before the rows are generated. */
	virtual void ScrollIntoViewIfPending() {}
	/** A click on the empty part of the list. */
	virtual void Private_ClearSelectionOnEmptyClick() {}

	/** Number of whole rows the view shows at once. */
	int32 GetNumRowsInView() const { return NumRowsInView; }
	/** First item index in view, clamped to the items. */
	int32 GetFirstItemInView() const;

	/** Replaces the rows shown, in display order. */
	void SetRowsInView(const TArray<TSharedRef<ITableRow>>& Rows);
	void ClearRowsInView();

	/** Counts one call of OnGenerateRow (read by the testing module). */
	static void CountGeneratedRow();

	TSharedPtr<SHeaderRow> HeaderRow;
	TSharedPtr<SVerticalBox> ItemsPanel;
	TAttribute<float> ItemHeight;
	EVisibility ScrollbarVisibility = EVisibility::Visible;
	bool bClearSelectionOnClick = true;
	bool bItemsNeedRefresh = false;
	double ScrollOffset = 0.0;
	ETableViewMode::Type TableViewMode;

private:
	friend struct UE::StandIn::FTableViewAccess;

	int32 NumRowsInView;
	TArray<TSharedRef<ITableRow>> RowsInView;
};
