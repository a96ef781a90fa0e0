#include "Widgets/Views/STableViewBase.h"

#include "InputCoreTypes.h"
#include "StandIn/TableViewHooks.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Views/SHeaderRow.h"

namespace
{
	/** Every table view alive, so one layout pass can reach them all. */
	TArray<STableViewBase*>& GetLiveTableViews()
	{
		static TArray<STableViewBase*>* Views = new TArray<STableViewBase*>();
		return *Views;
	}

	int32 GGeneratedRowCount = 0;
	int32 GDefaultNumRowsInView = 30;

	/** Slate units scrolled per notch of the mouse wheel. */
	constexpr float WheelScrollAmount = 32.0f;
}

STableViewBase::STableViewBase(ETableViewMode::Type InTableViewMode)
	: TableViewMode(InTableViewMode)
	, NumRowsInView(GDefaultNumRowsInView)
{
	GetLiveTableViews().Add(this);
}

STableViewBase::~STableViewBase()
{
	GetLiveTableViews().Remove(this);
}

void STableViewBase::ConstructChildren(const TSharedPtr<SHeaderRow>& InHeaderRow, const TAttribute<float>& InItemHeight, EVisibility InScrollbarVisibility)
{
	HeaderRow = InHeaderRow;
	ItemHeight = InItemHeight;
	ScrollbarVisibility = InScrollbarVisibility;

	TSharedRef<SVerticalBox> Layout = SNew(SVerticalBox);
	if (HeaderRow.IsValid())
	{
		Layout->AddSlot()
			.AutoHeight()
		[
			HeaderRow.ToSharedRef()
		];
	}
	Layout->AddSlot()
		.FillHeight(1.0f)
	[
		SAssignNew(ItemsPanel, SVerticalBox)
	];

	ChildSlot
	[
		Layout
	];
}

void STableViewBase::RequestListRefresh()
{
	bItemsNeedRefresh = true;
}

int32 STableViewBase::GetNumGeneratedChildren() const
{
	return RowsInView.Num();
}

void STableViewBase::ScrollToTop()
{
	SetScrollOffset(0.0f);
}

void STableViewBase::ScrollToBottom()
{
	SetScrollOffset(static_cast<float>(FMath::Max(0, GetNumItemsBeingObserved() - NumRowsInView)));
}

void STableViewBase::SetScrollOffset(const float InScrollOffset)
{
	const double MaxOffset = static_cast<double>(FMath::Max(0, GetNumItemsBeingObserved() - NumRowsInView));
	const double NewOffset = FMath::Clamp(static_cast<double>(InScrollOffset), 0.0, MaxOffset);
	if (NewOffset != ScrollOffset)
	{
		ScrollOffset = NewOffset;
		bItemsNeedRefresh = true;
	}
}

int32 STableViewBase::GetFirstItemInView() const
{
	const int32 MaxFirst = FMath::Max(0, GetNumItemsBeingObserved() - NumRowsInView);
	return FMath::Clamp(static_cast<int32>(ScrollOffset), 0, MaxFirst);
}

void STableViewBase::Tick(const FGeometry& AllottedGeometry, const double InCurrentTime, const float InDeltaTime)
{
	ScrollIntoViewIfPending();
	if (bItemsNeedRefresh)
	{
		bItemsNeedRefresh = false;
		// Items may have been removed since the last pass: keep the offset inside the list.
		ScrollOffset = static_cast<double>(GetFirstItemInView());
		ReGenerateItems();
	}
}

FReply STableViewBase::OnMouseWheel(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	const float RowHeight = FMath::Max(1.0f, ItemHeight.Get(16.0f));
	const float RowsScrolled = -MouseEvent.GetWheelDelta() * WheelScrollAmount / RowHeight;
	const double OldOffset = ScrollOffset;
	SetScrollOffset(static_cast<float>(ScrollOffset + RowsScrolled));
	return OldOffset != ScrollOffset ? FReply::Handled() : FReply::Unhandled();
}

FReply STableViewBase::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	// Rows handle their own clicks; a click that reaches the view fell on its empty part.
	if (MouseEvent.GetEffectingButton() == EKeys::LeftMouseButton && bClearSelectionOnClick)
	{
		Private_ClearSelectionOnEmptyClick();
		return FReply::Handled();
	}
	return FReply::Unhandled();
}

void STableViewBase::SetRowsInView(const TArray<TSharedRef<ITableRow>>& Rows)
{
	RowsInView = Rows;
	if (!ItemsPanel.IsValid())
	{
		return;
	}
	ItemsPanel->ClearChildren();
	for (const TSharedRef<ITableRow>& Row : RowsInView)
	{
		ItemsPanel->AddSlot()
			.AutoHeight()
		[
			Row->AsWidget()
		];
	}
}

void STableViewBase::ClearRowsInView()
{
	RowsInView.Empty();
	if (ItemsPanel.IsValid())
	{
		ItemsPanel->ClearChildren();
	}
}

void STableViewBase::CountGeneratedRow()
{
	++GGeneratedRowCount;
}

namespace UE::StandIn
{
	struct FTableViewAccess
	{
		static TArray<TSharedRef<ITableRow>>& RowsInView(STableViewBase& View) { return View.RowsInView; }
		static int32& NumRowsInView(STableViewBase& View) { return View.NumRowsInView; }
	};

	void TickTableViews()
	{
		// A row's regeneration may create or destroy other views: walk a copy, skipping the ones gone since.
		const TArray<STableViewBase*> Views = GetLiveTableViews();
		for (STableViewBase* View : Views)
		{
			if (GetLiveTableViews().Contains(View))
			{
				View->Tick(FGeometry(), 0.0, 0.0f);
			}
		}
	}

	TArray<TSharedRef<ITableRow>> GetRowsInView(STableViewBase& View)
	{
		View.Tick(FGeometry(), 0.0, 0.0f);
		return FTableViewAccess::RowsInView(View);
	}

	const TArray<TSharedRef<ITableRow>>& PeekRowsInView(STableViewBase& View)
	{
		View.Tick(FGeometry(), 0.0, 0.0f);
		return FTableViewAccess::RowsInView(View);
	}

	int32 GetNumRowsInView(STableViewBase& View)
	{
		return FTableViewAccess::NumRowsInView(View);
	}

	void SetNumRowsInView(STableViewBase& View, int32 NumRows)
	{
		FTableViewAccess::NumRowsInView(View) = FMath::Max(1, NumRows);
		View.RequestListRefresh();
	}

	void SetDefaultNumRowsInView(int32 NumRows)
	{
		GDefaultNumRowsInView = FMath::Max(1, NumRows);
	}

	int32 GetDefaultNumRowsInView()
	{
		return GDefaultNumRowsInView;
	}

	int32 GetGeneratedRowCount()
	{
		return GGeneratedRowCount;
	}

	int32 GetNumLiveTableViews()
	{
		return GetLiveTableViews().Num();
	}
}
