// Hooks of the stand-in's list views for the testing module and the headless editor (never included by plug-in code).
#pragma once

#include "CoreMinimal.h"

class ITableRow;
class STableViewBase;

namespace UE::StandIn
{
	/**
	 * The layout pass: every list view with a pending refresh (RequestListRefresh, RebuildList, a scroll)
	 * makes its rows in view now. The engine does this when it ticks the widgets, once per frame.
	 */
	SLATE_API void TickTableViews();

	/** The rows a view shows, in display order; a pending refresh is carried out first. */
	SLATE_API TArray<TSharedRef<ITableRow>> GetRowsInView(STableViewBase& View);

	/** The same rows without a copy (valid until the view refreshes again): reading a long list cell by cell stays linear. */
	SLATE_API const TArray<TSharedRef<ITableRow>>& PeekRowsInView(STableViewBase& View);

	/** How many rows fit in the view (its height in rows); changing it refreshes the view. */
	SLATE_API int32 GetNumRowsInView(STableViewBase& View);
	SLATE_API void SetNumRowsInView(STableViewBase& View, int32 NumRows);

	/** Rows in view of the list views made from now on (30 at start, what the tool's panel shows). */
	SLATE_API void SetDefaultNumRowsInView(int32 NumRows);
	SLATE_API int32 GetDefaultNumRowsInView();

	/** How many times any list view called its OnGenerateRow since the process started. */
	SLATE_API int32 GetGeneratedRowCount();

	/** How many table views are alive. */
	SLATE_API int32 GetNumLiveTableViews();
}
