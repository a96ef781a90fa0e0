// SHeaderRow: the column headers of a multi-column list view; clicking a sortable header asks for a sort.
#pragma once

#include "CoreMinimal.h"
#include "Containers/IndirectArray.h"
#include "Framework/SlateDelegates.h"
#include "Layout/Margin.h"
#include "Styling/SlateTypes.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class SHorizontalBox;

namespace EColumnSortPriority
{
	enum Type : int
	{
		None,
		Primary = 0,
		Secondary = 1,
		Max,
	};
}

namespace EColumnSortMode
{
	enum Type : int
	{
		None = 0,
		Ascending = 1,
		Descending = 2,
	};
}

namespace EColumnSizeMode
{
	enum Type : int
	{
		Fill = 0,
		Fixed = 1,
		Manual = 2,
		FillSized = 3,
	};
}

enum class EHeaderComboVisibility : uint8
{
	Always,
	Ghosted,
	OnHover,
	Never,
};

/** Called when a header asks for another sort: (priority, column id, new mode). */
DECLARE_DELEGATE_ThreeParams(FOnSortModeChanged, EColumnSortPriority::Type, const FName&, EColumnSortMode::Type);
DECLARE_DELEGATE_OneParam(FOnWidthChanged, float);

class SLATE_API SHeaderRow : public SCompoundWidget
{
public:
	/** One column: its id, label, width rule, alignments and sorting. */
	class SLATE_API FColumn
	{
	public:
		SLATE_BEGIN_ARGS(FColumn)
			: _ColumnId()
			, _DefaultLabel()
			, _DefaultTooltip()
			, _FillWidth(1.0f)
			, _FixedWidth()
			, _ManualWidth()
			, _HAlignHeader(HAlign_Fill)
			, _VAlignHeader(VAlign_Fill)
			, _HeaderContentPadding()
			, _HeaderComboVisibility(EHeaderComboVisibility::OnHover)
			, _HAlignCell(HAlign_Fill)
			, _VAlignCell(VAlign_Fill)
			, _InitialSortMode(EColumnSortMode::Ascending)
			, _SortMode(EColumnSortMode::None)
			, _SortPriority(EColumnSortPriority::Primary)
			, _ShouldGenerateWidget()
		{
		}
			SLATE_ARGUMENT(FName, ColumnId)
			SLATE_ATTRIBUTE(FText, DefaultLabel)
			SLATE_ATTRIBUTE(FText, DefaultTooltip)
			SLATE_ATTRIBUTE(float, FillWidth)
			SLATE_ARGUMENT(TOptional<float>, FixedWidth)
			SLATE_ATTRIBUTE(float, ManualWidth)
			SLATE_EVENT(FOnWidthChanged, OnWidthChanged)
			SLATE_DEFAULT_SLOT(FArguments, HeaderContent)
			SLATE_ARGUMENT(EHorizontalAlignment, HAlignHeader)
			SLATE_ARGUMENT(EVerticalAlignment, VAlignHeader)
			SLATE_ARGUMENT(TOptional<FMargin>, HeaderContentPadding)
			SLATE_ARGUMENT(EHeaderComboVisibility, HeaderComboVisibility)
			SLATE_EVENT(FOnGetContent, OnGetMenuContent)
			SLATE_ARGUMENT(EHorizontalAlignment, HAlignCell)
			SLATE_ARGUMENT(EVerticalAlignment, VAlignCell)
			SLATE_ARGUMENT(EColumnSortMode::Type, InitialSortMode)
			SLATE_ATTRIBUTE(EColumnSortMode::Type, SortMode)
			SLATE_ATTRIBUTE(EColumnSortPriority::Type, SortPriority)
			SLATE_EVENT(FOnSortModeChanged, OnSort)
			SLATE_ATTRIBUTE(bool, ShouldGenerateWidget)
		SLATE_END_ARGS()

		FColumn(const FArguments& InArgs);

		void SetWidth(float NewWidth);
		float GetWidth() const { return Width.Get(DefaultWidth); }

		/** Whether the header can be clicked to sort. */
		bool SupportsSorting() const { return OnSortModeChanged.IsBound(); }
		EColumnSortMode::Type GetSortMode() const { return SortMode.Get(EColumnSortMode::None); }

		/** Id that identifies the column in rows and sorting. */
		FName ColumnId;
		TAttribute<FText> DefaultText;
		TAttribute<FText> DefaultTooltip;
		/** Fill columns: their share; fixed and manual columns: their width in slate units. */
		TAttribute<float> Width;
		float DefaultWidth = 1.0f;
		FOnWidthChanged OnWidthChanged;
		bool bIsVisible = true;
		TAlwaysValidWidget HeaderContent;
		EHorizontalAlignment HeaderHAlignment = HAlign_Fill;
		EVerticalAlignment HeaderVAlignment = VAlign_Fill;
		TOptional<FMargin> HeaderContentPadding;
		EHeaderComboVisibility HeaderComboVisibility = EHeaderComboVisibility::OnHover;
		FOnGetContent OnGetMenuContent;
		EHorizontalAlignment CellHAlignment = HAlign_Fill;
		EVerticalAlignment CellVAlignment = VAlign_Fill;
		EColumnSortMode::Type InitialSortMode = EColumnSortMode::Ascending;
		TAttribute<EColumnSortMode::Type> SortMode;
		TAttribute<EColumnSortPriority::Type> SortPriority;
		FOnSortModeChanged OnSortModeChanged;
		EColumnSizeMode::Type SizeRule = EColumnSizeMode::Fill;
		TAttribute<bool> ShouldGenerateWidget;
	};

	DECLARE_MULTICAST_DELEGATE_OneParam(FColumnsChanged, const TSharedRef<SHeaderRow>&);

	/** Starts a column for `+ SHeaderRow::Column(Id)`. */
	static FColumn::FArguments Column(const FName& InColumnId)
	{
		FColumn::FArguments NewArgs;
		NewArgs.ColumnId(InColumnId);
		return NewArgs;
	}

	SLATE_BEGIN_ARGS(SHeaderRow)
		: _Style(&FHeaderRowStyle::GetDefault())
		, _CanSelectGeneratedColumn(false)
	{
	}
		SLATE_STYLE_ARGUMENT(FHeaderRowStyle, Style)
		SLATE_ARGUMENT(bool, CanSelectGeneratedColumn)
		SLATE_ATTRIBUTE(TArray<FName>, HiddenColumnsList)
		TArray<FColumn::FArguments> _Columns;
		WidgetArgsType& operator+(const FColumn::FArguments& ColumnArgs)
		{
			_Columns.Add(ColumnArgs);
			return Me();
		}
	SLATE_END_ARGS()

	SHeaderRow();
	virtual ~SHeaderRow();

	void Construct(const FArguments& InArgs);

	/** Adds a column at the end and rebuilds the headers (and, through OnColumnsChanged, the rows' cells). */
	void AddColumn(const FColumn::FArguments& NewColumnArgs);
	void InsertColumn(const FColumn::FArguments& NewColumnArgs, int32 InsertIdx);
	void RemoveColumn(const FName& InColumnId);
	void ClearColumns();
	void RefreshColumns();

	const TIndirectArray<FColumn>& GetColumns() const { return Columns; }

	void SetColumnWidth(const FName& InColumnId, float InWidth);
	bool IsColumnVisible(const FName& InColumnId) const;
	bool IsColumnGenerated(const FName& InColumnId) const;
	/** Whether rows make a cell for the column: its ShouldGenerateWidget when set, else whether it is visible. */
	bool ShouldGeneratedColumn(const FName& InColumnId) const;
	void SetShowGeneratedColumn(const FName& InColumnId, bool InShow = true);

	FColumnsChanged* OnColumnsChanged() { return &ColumnsChanged; }

	const FHeaderRowStyle* GetStyle() const { return Style; }

private:
	/** Rebuilds one header widget per visible column. */
	void RegenerateWidgets();

	TIndirectArray<FColumn> Columns;
	FColumnsChanged ColumnsChanged;
	const FHeaderRowStyle* Style = nullptr;
	TSharedPtr<SHorizontalBox> HeaderBox;
};
