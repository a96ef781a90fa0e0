#include "StandInTesting/ListDriver.h"

#include "InputCoreTypes.h"
#include "StandIn/TableViewHooks.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SComboButton.h"
#include "Widgets/Input/SEditableText.h"
#include "Widgets/Text/STextBlock.h"
#include "Widgets/Input/SSpinBox.h"
#include "Widgets/Views/ITableRow.h"
#include "Widgets/Views/STableViewBase.h"

namespace StandIn
{
	namespace
	{
		template <typename WidgetType>
		bool IsWidgetOfType(const SWidget& Widget)
		{
			return UE::StandIn::FSlateWidgetAccess::GetWidgetTypeId(Widget) == UE::StandIn::GetWidgetTypeId<WidgetType>();
		}

		/** Depth-first, the widget itself first, children in slot order. */
		void CollectInTree(const TSharedRef<SWidget>& Root, TFunctionRef<bool(const TSharedRef<SWidget>&)> Predicate, TArray<TSharedRef<SWidget>>& OutWidgets)
		{
			if (Predicate(Root))
			{
				OutWidgets.Add(Root);
			}
			FChildren* Children = Root->GetChildren();
			if (Children == nullptr)
			{
				return;
			}
			for (int32 Index = 0; Index < Children->Num(); ++Index)
			{
				CollectInTree(Children->GetChildAt(Index), Predicate, OutWidgets);
			}
		}

		TSharedPtr<SWidget> FindFirstInTree(const TSharedRef<SWidget>& Root, TFunctionRef<bool(const TSharedRef<SWidget>&)> Predicate)
		{
			TArray<TSharedRef<SWidget>> Found;
			CollectInTree(Root, Predicate, Found);
			return Found.Num() > 0 ? TSharedPtr<SWidget>(Found[0]) : TSharedPtr<SWidget>();
		}

		/** What the user can reach: the widget and every parent are enabled and visible. */
		bool IsInteractive(const TSharedRef<SWidget>& Widget)
		{
			TSharedPtr<SWidget> Current = Widget;
			while (Current.IsValid())
			{
				if (!Current->IsEnabled() || !Current->GetVisibility().IsVisible())
				{
					return false;
				}
				Current = Current->GetParentWidget();
			}
			return true;
		}

		FModifierKeysState MakeModifiers(bool bShiftDown, bool bControlDown)
		{
			return FModifierKeysState(bShiftDown, false, bControlDown, false, false, false, false, false, false);
		}

		FPointerEvent MakeLeftClick(bool bShiftDown = false, bool bControlDown = false)
		{
			TSet<FKey> Pressed;
			Pressed.Add(EKeys::LeftMouseButton);
			return FPointerEvent(FVector2D(1.0, 1.0), FVector2D(1.0, 1.0), Pressed, EKeys::LeftMouseButton, 0.0f, MakeModifiers(bShiftDown, bControlDown));
		}

		void SendClick(const TSharedRef<SWidget>& Widget, bool bShiftDown = false, bool bControlDown = false)
		{
			const FGeometry Geometry = FGeometry::MakeRoot(FVector2D(100.0, 20.0), FSlateLayoutTransform());
			const FPointerEvent Event = MakeLeftClick(bShiftDown, bControlDown);
			Widget->OnMouseButtonDown(Geometry, Event);
			Widget->OnMouseButtonUp(Geometry, Event);
		}

		TSharedPtr<ITableRow> GetRow(STableViewBase& View, int32 RowIndex)
		{
			const TArray<TSharedRef<ITableRow>>& Rows = UE::StandIn::PeekRowsInView(View);
			return Rows.IsValidIndex(RowIndex) ? TSharedPtr<ITableRow>(Rows[RowIndex]) : TSharedPtr<ITableRow>();
		}

		/**
		 * The cell of a row in view, with the row itself: Slate keeps the whole widget path alive while it
		 * routes an event, so an edit that rebuilds the list cannot destroy the row under its own handler.
		 */
		TSharedPtr<SWidget> GetCellInPath(STableViewBase& View, int32 RowIndex, FName ColumnId, TSharedPtr<ITableRow>& OutRow)
		{
			OutRow = GetRow(View, RowIndex);
			return OutRow.IsValid() ? OutRow->GetStandInCellWidget(ColumnId) : nullptr;
		}

		bool IsCheckBox(const TSharedRef<SWidget>& Widget)
		{
			return IsWidgetOfType<SCheckBox>(*Widget);
		}

		bool IsButton(const TSharedRef<SWidget>& Widget)
		{
			return Widget->GetType() == FName(TEXT("SButton"));
		}

		template <typename NumericType>
		TOptional<FString> GetSpinBoxText(const SWidget& Widget)
		{
			if (!IsWidgetOfType<SSpinBox<NumericType>>(Widget))
			{
				return TOptional<FString>();
			}
			return FText::AsNumber(static_cast<const SSpinBox<NumericType>&>(Widget).GetValue()).ToString();
		}

		/** The text a widget shows by itself: a text block's or a text field's text, a spin box's value; unset for other widgets. */
		TOptional<FString> GetShownText(const SWidget& Widget)
		{
			if (IsWidgetOfType<STextBlock>(Widget))
			{
				return static_cast<const STextBlock&>(Widget).GetText().ToString();
			}
			if (IsWidgetOfType<SEditableText>(Widget))
			{
				return static_cast<const SEditableText&>(Widget).GetText().ToString();
			}
			TOptional<FString> Text = GetSpinBoxText<int32>(Widget);
			if (!Text.IsSet())
			{
				Text = GetSpinBoxText<float>(Widget);
			}
			if (!Text.IsSet())
			{
				Text = GetSpinBoxText<double>(Widget);
			}
			return Text;
		}

		bool IsComboButton(const TSharedRef<SWidget>& Widget)
		{
			const FString TypeName = Widget->GetType().ToString();
			return TypeName.StartsWith(TEXT("SComboBox")) || TypeName == TEXT("SComboButton");
		}

		/** Opens the first combo box inside the cell with a click on its button; null when it cannot be opened. */
		TSharedPtr<SWidget> OpenCellCombo(STableViewBase& View, int32 RowIndex, FName ColumnId, TSharedPtr<SComboButton>& OutCombo, TSharedPtr<ITableRow>& OutRow)
		{
			const TSharedPtr<SWidget> Cell = GetCellInPath(View, RowIndex, ColumnId, OutRow);
			const TSharedPtr<SWidget> ComboWidget = Cell.IsValid() ? FindFirstInTree(Cell.ToSharedRef(), &IsComboButton) : nullptr;
			if (!ComboWidget.IsValid() || !IsInteractive(ComboWidget.ToSharedRef()))
			{
				return nullptr;
			}
			OutCombo = StaticCastSharedPtr<SComboButton>(ComboWidget);
			if (!OutCombo->IsOpen())
			{
				const TSharedPtr<SWidget> Button = FindFirstInTree(ComboWidget.ToSharedRef(), &IsButton);
				SendClick(Button.IsValid() ? Button.ToSharedRef() : ComboWidget.ToSharedRef());
			}
			return OutCombo->GetMenuContent();
		}

		/** The option rows of an open combo menu: the menu's rows, each showing one option. */
		TArray<TSharedRef<SWidget>> GetMenuRows(const TSharedRef<SWidget>& MenuContent)
		{
			TArray<TSharedRef<SWidget>> Rows;
			FChildren* Children = MenuContent->GetChildren();
			for (int32 Index = 0; Children != nullptr && Index < Children->Num(); ++Index)
			{
				Rows.Add(Children->GetChildAt(Index));
			}
			return Rows;
		}

		/** Types into a widget as the keyboard does: focus, the characters, Enter. */
		bool TypeAndCommit(const TSharedRef<SWidget>& Field, const FString& Text)
		{
			if (!IsInteractive(Field))
			{
				return false;
			}
			const FGeometry Geometry = FGeometry::MakeRoot(FVector2D(100.0, 20.0), FSlateLayoutTransform());
			Field->OnFocusReceived(Geometry, FFocusEvent(EFocusCause::Mouse, 0));
			// Replace what the field held, as select-all then typing does.
			for (int32 Index = 0; Index < 256; ++Index)
			{
				Field->OnKeyChar(Geometry, FCharacterEvent(TEXT('\b'), FModifierKeysState(), 0, false));
			}
			for (const TCHAR Character : Text)
			{
				Field->OnKeyChar(Geometry, FCharacterEvent(Character, FModifierKeysState(), 0, false));
			}
			Field->OnKeyDown(Geometry, FKeyEvent(EKeys::Enter, FModifierKeysState(), 0, false, 0, 0));
			return true;
		}

		/** The first widget inside that takes keyboard focus (an editable text or a spin box). */
		TSharedPtr<SWidget> FindEditableField(const TSharedRef<SWidget>& Root)
		{
			return FindFirstInTree(Root, [](const TSharedRef<SWidget>& Widget)
			{
				return Widget->SupportsKeyboardFocus() && !IsCheckBox(Widget) && !IsButton(Widget);
			});
		}
	}

	void TickSlate()
	{
		UE::StandIn::TickTableViews();
	}

	int32 GetGeneratedRowCount()
	{
		return UE::StandIn::GetGeneratedRowCount();
	}

	int32 GetListViewportRows(STableViewBase& View)
	{
		return UE::StandIn::GetNumRowsInView(View);
	}

	void SetListViewportRows(STableViewBase& View, int32 NumRows)
	{
		UE::StandIn::SetNumRowsInView(View, NumRows);
	}

	void SetDefaultListViewportRows(int32 NumRows)
	{
		UE::StandIn::SetDefaultNumRowsInView(NumRows);
	}

	TArray<TSharedRef<ITableRow>> GetListRows(STableViewBase& View)
	{
		return UE::StandIn::GetRowsInView(View);
	}

	int32 GetNumListRows(STableViewBase& View)
	{
		return UE::StandIn::PeekRowsInView(View).Num();
	}

	int32 GetListRowItemIndex(STableViewBase& View, int32 RowIndex)
	{
		const TSharedPtr<ITableRow> Row = GetRow(View, RowIndex);
		return Row.IsValid() ? Row->GetIndexInList() : INDEX_NONE;
	}

	TArray<FName> GetListColumnIds(STableViewBase& View)
	{
		TArray<FName> Ids;
		if (const TSharedPtr<SHeaderRow>& Header = View.GetHeaderRow())
		{
			for (const SHeaderRow::FColumn& Column : Header->GetColumns())
			{
				Ids.Add(Column.ColumnId);
			}
		}
		return Ids;
	}

	const SHeaderRow::FColumn* FindListColumn(STableViewBase& View, FName ColumnId)
	{
		if (const TSharedPtr<SHeaderRow>& Header = View.GetHeaderRow())
		{
			for (const SHeaderRow::FColumn& Column : Header->GetColumns())
			{
				if (Column.ColumnId == ColumnId)
				{
					return &Column;
				}
			}
		}
		return nullptr;
	}

	TSharedPtr<SWidget> GetListColumnHeader(STableViewBase& View, FName ColumnId)
	{
		const TSharedPtr<SHeaderRow>& Header = View.GetHeaderRow();
		if (!Header.IsValid())
		{
			return nullptr;
		}
		// The header widgets carry their column id as their tag.
		return FindFirstInTree(Header.ToSharedRef(), [ColumnId](const TSharedRef<SWidget>& Widget)
		{
			return Widget->GetType() == FName(TEXT("STableColumnHeader")) && Widget->GetTag() == ColumnId;
		});
	}

	FString GetListColumnLabel(STableViewBase& View, FName ColumnId)
	{
		const TSharedPtr<SWidget> HeaderWidget = GetListColumnHeader(View, ColumnId);
		return HeaderWidget.IsValid() ? GetWidgetTexts(HeaderWidget.ToSharedRef()) : FString();
	}

	EColumnSortMode::Type GetListColumnSortMode(STableViewBase& View, FName ColumnId)
	{
		const SHeaderRow::FColumn* Column = FindListColumn(View, ColumnId);
		return Column != nullptr ? Column->GetSortMode() : EColumnSortMode::None;
	}

	TSharedPtr<SWidget> GetListCell(STableViewBase& View, int32 RowIndex, FName ColumnId)
	{
		const TSharedPtr<ITableRow> Row = GetRow(View, RowIndex);
		return Row.IsValid() ? Row->GetStandInCellWidget(ColumnId) : nullptr;
	}

	FString GetWidgetTexts(const TSharedRef<SWidget>& Widget, const FString& Separator)
	{
		TArray<TSharedRef<SWidget>> Shown;
		CollectInTree(Widget, [](const TSharedRef<SWidget>& Candidate)
		{
			return GetShownText(*Candidate).IsSet() && Candidate->GetVisibility().IsVisible();
		}, Shown);

		FString Result;
		for (const TSharedRef<SWidget>& ShownWidget : Shown)
		{
			const FString Text = GetShownText(*ShownWidget).GetValue();
			if (Text.IsEmpty())
			{
				continue;
			}
			if (!Result.IsEmpty())
			{
				Result += Separator;
			}
			Result += Text;
		}
		return Result;
	}

	FString GetListCellText(STableViewBase& View, int32 RowIndex, FName ColumnId)
	{
		const TSharedPtr<SWidget> Cell = GetListCell(View, RowIndex, ColumnId);
		return Cell.IsValid() ? GetWidgetTexts(Cell.ToSharedRef()) : FString(TEXT("<none>"));
	}

	bool IsListCellEnabled(STableViewBase& View, int32 RowIndex, FName ColumnId)
	{
		const TSharedPtr<SWidget> Cell = GetListCell(View, RowIndex, ColumnId);
		return Cell.IsValid() && IsInteractive(Cell.ToSharedRef());
	}

	int32 FindListRow(STableViewBase& View, FName ColumnId, const FString& CellText)
	{
		const int32 NumRows = GetNumListRows(View);
		for (int32 RowIndex = 0; RowIndex < NumRows; ++RowIndex)
		{
			if (GetListCellText(View, RowIndex, ColumnId).Equals(CellText, ESearchCase::CaseSensitive))
			{
				return RowIndex;
			}
		}
		return INDEX_NONE;
	}

	FString DescribeList(STableViewBase& View)
	{
		FString Result;
		const TArray<TSharedRef<ITableRow>> Rows = GetListRows(View);
		for (const TSharedRef<ITableRow>& Row : Rows)
		{
			FString Line;
			for (const FName& ColumnId : Row->GetStandInCellColumnIds())
			{
				const TSharedPtr<SWidget> Cell = Row->GetStandInCellWidget(ColumnId);
				FString CellText = Cell.IsValid() ? GetWidgetTexts(Cell.ToSharedRef()) : FString();
				if (Cell.IsValid())
				{
					const TOptional<ECheckBoxState> CheckState = GetCheckBoxState(Cell.ToSharedRef());
					if (CheckState.IsSet())
					{
						const TCHAR* Box = CheckState.GetValue() == ECheckBoxState::Checked ? TEXT("[x]") : CheckState.GetValue() == ECheckBoxState::Unchecked ? TEXT("[ ]") : TEXT("[-]");
						CellText = CellText.IsEmpty() ? FString(Box) : FString(Box) + TEXT(" ") + CellText;
					}
				}
				if (!Line.IsEmpty())
				{
					Line += TEXT(" | ");
				}
				Line += CellText;
			}
			Result += Line;
			Result += TEXT("\n");
		}
		return Result;
	}

	bool ClickListColumnHeader(STableViewBase& View, FName ColumnId, bool bShiftDown)
	{
		const TSharedPtr<SWidget> HeaderWidget = GetListColumnHeader(View, ColumnId);
		if (!HeaderWidget.IsValid() || !IsInteractive(HeaderWidget.ToSharedRef()))
		{
			return false;
		}
		SendClick(HeaderWidget.ToSharedRef(), bShiftDown);
		return true;
	}

	bool ClickListRow(STableViewBase& View, int32 RowIndex, bool bControlDown, bool bShiftDown)
	{
		const TSharedPtr<ITableRow> Row = GetRow(View, RowIndex);
		if (!Row.IsValid() || !IsInteractive(Row->AsWidget()))
		{
			return false;
		}
		SendClick(Row->AsWidget(), bShiftDown, bControlDown);
		return true;
	}

	bool DoubleClickListRow(STableViewBase& View, int32 RowIndex)
	{
		const TSharedPtr<ITableRow> Row = GetRow(View, RowIndex);
		if (!Row.IsValid() || !IsInteractive(Row->AsWidget()))
		{
			return false;
		}
		const TSharedRef<SWidget> Widget = Row->AsWidget();
		SendClick(Widget);
		const FGeometry Geometry = FGeometry::MakeRoot(FVector2D(100.0, 20.0), FSlateLayoutTransform());
		Widget->OnMouseButtonDoubleClick(Geometry, MakeLeftClick());
		Widget->OnMouseButtonUp(Geometry, MakeLeftClick());
		return true;
	}

	void ScrollListTo(STableViewBase& View, int32 FirstItemIndex)
	{
		View.SetScrollOffset(static_cast<float>(FirstItemIndex));
		UE::StandIn::GetRowsInView(View);
	}

	void ScrollListByWheel(STableViewBase& View, float WheelDelta)
	{
		const FGeometry Geometry = FGeometry::MakeRoot(FVector2D(400.0, 400.0), FSlateLayoutTransform());
		const FPointerEvent Event(FVector2D(1.0, 1.0), FVector2D(1.0, 1.0), TSet<FKey>(), EKeys::MouseWheelAxis, WheelDelta, FModifierKeysState());
		View.OnMouseWheel(Geometry, Event);
		UE::StandIn::GetRowsInView(View);
	}

	TOptional<ECheckBoxState> GetCheckBoxState(const TSharedRef<SWidget>& Widget)
	{
		const TSharedPtr<SWidget> Box = FindFirstInTree(Widget, &IsCheckBox);
		if (!Box.IsValid())
		{
			return TOptional<ECheckBoxState>();
		}
		return static_cast<const SCheckBox&>(*Box).GetCheckedState();
	}

	TOptional<ECheckBoxState> GetListCellCheckState(STableViewBase& View, int32 RowIndex, FName ColumnId)
	{
		const TSharedPtr<SWidget> Cell = GetListCell(View, RowIndex, ColumnId);
		return Cell.IsValid() ? GetCheckBoxState(Cell.ToSharedRef()) : TOptional<ECheckBoxState>();
	}

	TOptional<ECheckBoxState> GetListHeaderCheckState(STableViewBase& View, FName ColumnId)
	{
		const TSharedPtr<SWidget> HeaderWidget = GetListColumnHeader(View, ColumnId);
		return HeaderWidget.IsValid() ? GetCheckBoxState(HeaderWidget.ToSharedRef()) : TOptional<ECheckBoxState>();
	}

	bool ClickListCellCheckBox(STableViewBase& View, int32 RowIndex, FName ColumnId)
	{
		TSharedPtr<ITableRow> Row;
		const TSharedPtr<SWidget> Cell = GetCellInPath(View, RowIndex, ColumnId, Row);
		const TSharedPtr<SWidget> Box = Cell.IsValid() ? FindFirstInTree(Cell.ToSharedRef(), &IsCheckBox) : nullptr;
		if (!Box.IsValid() || !IsInteractive(Box.ToSharedRef()))
		{
			return false;
		}
		SendClick(Box.ToSharedRef());
		return true;
	}

	bool ClickListHeaderCheckBox(STableViewBase& View, FName ColumnId)
	{
		const TSharedPtr<SWidget> HeaderWidget = GetListColumnHeader(View, ColumnId);
		const TSharedPtr<SWidget> Box = HeaderWidget.IsValid() ? FindFirstInTree(HeaderWidget.ToSharedRef(), &IsCheckBox) : nullptr;
		if (!Box.IsValid() || !IsInteractive(Box.ToSharedRef()))
		{
			return false;
		}
		SendClick(Box.ToSharedRef());
		return true;
	}

	bool CommitListCellText(STableViewBase& View, int32 RowIndex, FName ColumnId, const FString& Text)
	{
		TSharedPtr<ITableRow> Row;
		const TSharedPtr<SWidget> Cell = GetCellInPath(View, RowIndex, ColumnId, Row);
		const TSharedPtr<SWidget> Field = Cell.IsValid() ? FindEditableField(Cell.ToSharedRef()) : nullptr;
		return Field.IsValid() && TypeAndCommit(Field.ToSharedRef(), Text);
	}

	bool CommitListCellNumber(STableViewBase& View, int32 RowIndex, FName ColumnId, double Value)
	{
		const FString Text = Value == FMath::RoundToDouble(Value) ? FString::Printf(TEXT("%lld"), static_cast<long long>(Value)) : FString::Printf(TEXT("%g"), Value);
		return CommitListCellText(View, RowIndex, ColumnId, Text);
	}

	bool PickListCellComboOption(STableViewBase& View, int32 RowIndex, FName ColumnId, const FString& OptionText)
	{
		TSharedPtr<SComboButton> Combo;
		TSharedPtr<ITableRow> Row;
		const TSharedPtr<SWidget> Menu = OpenCellCombo(View, RowIndex, ColumnId, Combo, Row);
		if (!Menu.IsValid())
		{
			return false;
		}
		for (const TSharedRef<SWidget>& MenuRow : GetMenuRows(Menu.ToSharedRef()))
		{
			if (GetWidgetTexts(MenuRow) == OptionText)
			{
				SendClick(MenuRow);
				return true;
			}
		}
		Combo->SetIsOpen(false);
		return false;
	}

	TArray<FString> GetListCellComboOptions(STableViewBase& View, int32 RowIndex, FName ColumnId)
	{
		TArray<FString> Options;
		TSharedPtr<SComboButton> Combo;
		TSharedPtr<ITableRow> Row;
		const TSharedPtr<SWidget> Menu = OpenCellCombo(View, RowIndex, ColumnId, Combo, Row);
		if (!Menu.IsValid())
		{
			return Options;
		}
		for (const TSharedRef<SWidget>& MenuRow : GetMenuRows(Menu.ToSharedRef()))
		{
			Options.Add(GetWidgetTexts(MenuRow));
		}
		// The user closes the menu without picking.
		Combo->SetIsOpen(false);
		return Options;
	}

	bool ClickListCellButton(STableViewBase& View, int32 RowIndex, FName ColumnId)
	{
		TSharedPtr<ITableRow> Row;
		const TSharedPtr<SWidget> Cell = GetCellInPath(View, RowIndex, ColumnId, Row);
		const TSharedPtr<SWidget> Button = Cell.IsValid() ? FindFirstInTree(Cell.ToSharedRef(), &IsButton) : nullptr;
		if (!Button.IsValid() || !IsInteractive(Button.ToSharedRef()))
		{
			return false;
		}
		SendClick(Button.ToSharedRef());
		return true;
	}
}
