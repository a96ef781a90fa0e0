#include "Widgets/Views/SHeaderRow.h"

#include "InputCoreTypes.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

SHeaderRow::FColumn::FColumn(const FArguments& InArgs)
	: ColumnId(InArgs._ColumnId)
	, DefaultText(InArgs._DefaultLabel)
	, DefaultTooltip(InArgs._DefaultTooltip)
	, OnWidthChanged(InArgs._OnWidthChanged)
	, HeaderContent(InArgs._HeaderContent)
	, HeaderHAlignment(InArgs._HAlignHeader)
	, HeaderVAlignment(InArgs._VAlignHeader)
	, HeaderContentPadding(InArgs._HeaderContentPadding)
	, HeaderComboVisibility(InArgs._HeaderComboVisibility)
	, OnGetMenuContent(InArgs._OnGetMenuContent)
	, CellHAlignment(InArgs._HAlignCell)
	, CellVAlignment(InArgs._VAlignCell)
	, InitialSortMode(InArgs._InitialSortMode)
	, SortMode(InArgs._SortMode)
	, SortPriority(InArgs._SortPriority)
	, OnSortModeChanged(InArgs._OnSort)
	, ShouldGenerateWidget(InArgs._ShouldGenerateWidget)
{
	if (InArgs._FixedWidth.IsSet())
	{
		Width = InArgs._FixedWidth.GetValue();
		SizeRule = EColumnSizeMode::Fixed;
	}
	else if (InArgs._ManualWidth.IsSet())
	{
		Width = InArgs._ManualWidth;
		SizeRule = EColumnSizeMode::Manual;
	}
	else
	{
		Width = InArgs._FillWidth;
		SizeRule = EColumnSizeMode::Fill;
	}
	DefaultWidth = Width.Get(1.0f);
}

void SHeaderRow::FColumn::SetWidth(float NewWidth)
{
	if (Width.IsBound())
	{
		OnWidthChanged.ExecuteIfBound(NewWidth);
	}
	else
	{
		Width = NewWidth;
	}
}

/** The header of one column: its label (or custom content); a click on a sortable header asks for the next sort. */
class STableColumnHeader : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(STableColumnHeader)
	{
	}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, const SHeaderRow::FColumn& Column)
	{
		ColumnId = Column.ColumnId;
		SortMode = Column.SortMode;
		SortPriority = Column.SortPriority;
		InitialSortMode = Column.InitialSortMode;
		OnSortModeChanged = Column.OnSortModeChanged;

		TSharedRef<SWidget> Content = Column.HeaderContent.Widget;
		if (Content == SNullWidget::NullWidget)
		{
			Content = SNew(STextBlock)
				.Text(Column.DefaultText);
		}
		if (!GetToolTipTextAttribute().IsSet() && Column.DefaultTooltip.IsSet())
		{
			SetToolTipText(Column.DefaultTooltip);
		}

		ChildSlot
			.HAlign(Column.HeaderHAlignment)
			.VAlign(Column.HeaderVAlignment)
			.Padding(Column.HeaderContentPadding.Get(FMargin(4.0f, 2.0f)))
		[
			Content
		];
	}

	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override
	{
		if (MouseEvent.GetEffectingButton() == EKeys::LeftMouseButton && OnSortModeChanged.IsBound())
		{
			return FReply::Handled();
		}
		return FReply::Unhandled();
	}

	virtual FReply OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override
	{
		if (MouseEvent.GetEffectingButton() != EKeys::LeftMouseButton || !OnSortModeChanged.IsBound())
		{
			return FReply::Unhandled();
		}

		// Shift-click asks for a secondary sort; a plain click replaces the sort.
		const EColumnSortPriority::Type NewPriority = MouseEvent.IsShiftDown() ? EColumnSortPriority::Secondary : EColumnSortPriority::Primary;
		const EColumnSortMode::Type CurrentMode = SortMode.Get(EColumnSortMode::None);

		EColumnSortMode::Type NewMode = InitialSortMode;
		if (CurrentMode == EColumnSortMode::Ascending)
		{
			NewMode = EColumnSortMode::Descending;
		}
		else if (CurrentMode == EColumnSortMode::Descending)
		{
			NewMode = EColumnSortMode::Ascending;
		}

		OnSortModeChanged.Execute(NewPriority, ColumnId, NewMode);
		return FReply::Handled();
	}

	const TAttribute<FText>& GetToolTipTextAttribute() const { return UE::StandIn::FSlateWidgetAccess::GetToolTipText(*this); }

private:
	FName ColumnId;
	TAttribute<EColumnSortMode::Type> SortMode;
	TAttribute<EColumnSortPriority::Type> SortPriority;
	EColumnSortMode::Type InitialSortMode = EColumnSortMode::Ascending;
	FOnSortModeChanged OnSortModeChanged;
};

SHeaderRow::SHeaderRow()
{
}

SHeaderRow::~SHeaderRow()
{
}

void SHeaderRow::Construct(const FArguments& InArgs)
{
	Style = InArgs._Style;

	SAssignNew(HeaderBox, SHorizontalBox);
	ChildSlot
	[
		HeaderBox.ToSharedRef()
	];

	for (const FColumn::FArguments& ColumnArgs : InArgs._Columns)
	{
		Columns.Add(new FColumn(ColumnArgs));
	}

	if (InArgs._HiddenColumnsList.IsSet())
	{
		for (const FName& Hidden : InArgs._HiddenColumnsList.Get())
		{
			for (FColumn& Column : Columns)
			{
				if (Column.ColumnId == Hidden)
				{
					Column.bIsVisible = false;
				}
			}
		}
	}

	RegenerateWidgets();
}

void SHeaderRow::AddColumn(const FColumn::FArguments& NewColumnArgs)
{
	InsertColumn(NewColumnArgs, Columns.Num());
}

void SHeaderRow::InsertColumn(const FColumn::FArguments& NewColumnArgs, int32 InsertIdx)
{
	check(NewColumnArgs._ColumnId != NAME_None);
	if (InsertIdx < 0 || InsertIdx > Columns.Num())
	{
		InsertIdx = Columns.Num();
	}
	Columns.Insert(new FColumn(NewColumnArgs), InsertIdx);
	RefreshColumns();
}

void SHeaderRow::RemoveColumn(const FName& InColumnId)
{
	check(InColumnId != NAME_None);
	for (int32 Index = Columns.Num() - 1; Index >= 0; --Index)
	{
		if (Columns[Index].ColumnId == InColumnId)
		{
			Columns.RemoveAt(Index);
		}
	}
	RefreshColumns();
}

void SHeaderRow::ClearColumns()
{
	Columns.Empty();
	RefreshColumns();
}

void SHeaderRow::RefreshColumns()
{
	RegenerateWidgets();
	ColumnsChanged.Broadcast(StaticCastSharedRef<SHeaderRow>(AsShared()));
}

void SHeaderRow::SetColumnWidth(const FName& InColumnId, float InWidth)
{
	for (FColumn& Column : Columns)
	{
		if (Column.ColumnId == InColumnId)
		{
			Column.SetWidth(InWidth);
		}
	}
}

bool SHeaderRow::IsColumnVisible(const FName& InColumnId) const
{
	for (const FColumn& Column : Columns)
	{
		if (Column.ColumnId == InColumnId)
		{
			return Column.bIsVisible;
		}
	}
	return false;
}

bool SHeaderRow::IsColumnGenerated(const FName& InColumnId) const
{
	for (const FColumn& Column : Columns)
	{
		if (Column.ColumnId == InColumnId)
		{
			return Column.ShouldGenerateWidget.IsSet();
		}
	}
	return false;
}

bool SHeaderRow::ShouldGeneratedColumn(const FName& InColumnId) const
{
	for (const FColumn& Column : Columns)
	{
		if (Column.ColumnId == InColumnId)
		{
			return Column.ShouldGenerateWidget.IsSet() ? Column.ShouldGenerateWidget.Get() : Column.bIsVisible;
		}
	}
	return false;
}

void SHeaderRow::SetShowGeneratedColumn(const FName& InColumnId, bool InShow)
{
	for (FColumn& Column : Columns)
	{
		if (Column.ColumnId == InColumnId)
		{
			Column.bIsVisible = InShow;
		}
	}
	RefreshColumns();
}

void SHeaderRow::RegenerateWidgets()
{
	if (!HeaderBox.IsValid())
	{
		return;
	}
	HeaderBox->ClearChildren();
	for (const FColumn& Column : Columns)
	{
		if (!Column.bIsVisible)
		{
			continue;
		}
		TSharedRef<SWidget> Header = SNew(STableColumnHeader, Column)
			.Tag(Column.ColumnId);
		if (Column.SizeRule == EColumnSizeMode::Fill)
		{
			HeaderBox->AddSlot()
				.FillWidth(Column.Width)
			[
				Header
			];
		}
		else
		{
			HeaderBox->AddSlot()
				.AutoWidth()
			[
				Header
			];
		}
	}
}
