// Corners of the "UE to GMA Tool" panel that the other suites leave out: the icons the status cells draw,
// picking a deleted actor, numbering after sorts, mode names that differ only in case, and reopening the tab.

#include "UEtoGMATestHelpers.h"

#include "Framework/Docking/TabManager.h"
#include "Rendering/DrawElementTypes.h"
#include "StandInTesting/SlateDriver.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SSpinBox.h"
#include "ZORLightEditorStyle.h"

using ZORTests::FModeCols;
using ZORTests::FPatchCols;
using ZORTests::FUEtoGMATest;

namespace
{
	class FEdgeCaseTest : public FUEtoGMATest
	{
	protected:
		static const FSlateBrush* WarningBrush()
		{
			return FZORLightEditorStyle::Get().GetBrush("Icons.WarningExclamationMark");
		}

		/** The brush the cell's image shows now (null when the cell holds no image). */
		static const FSlateBrush* CellImage(STableViewBase& View, int32 Row, FName Column)
		{
			const TSharedPtr<SWidget> Cell = StandIn::GetListCell(View, Row, Column);
			if (!Cell.IsValid())
			{
				return nullptr;
			}
			const TSharedPtr<SImage> Image = StandIn::FindFirstWidget<SImage>(Cell.ToSharedRef());
			return Image.IsValid() ? UE::StandIn::FSlateWidgetAccess::GetImage(*Image) : nullptr;
		}

		/** The brushes drawn when the cell is painted at an icon's size. */
		static TArray<const FSlateBrush*> PaintedBrushes(STableViewBase& View, int32 Row, FName Column)
		{
			TArray<const FSlateBrush*> Brushes;
			const TSharedPtr<SWidget> Cell = StandIn::GetListCell(View, Row, Column);
			if (Cell.IsValid())
			{
				for (const FSlateDrawElement& Element : StandIn::PaintWidget(Cell.ToSharedRef(), FVector2D(40.0, 30.0)))
				{
					if (Element.BrushPtr != nullptr)
					{
						Brushes.Add(Element.BrushPtr);
					}
				}
			}
			return Brushes;
		}

		/** The image shows nothing: an empty brush of no size, and nothing drawn. */
		void ExpectNoIcon(STableViewBase& View, int32 Row, FName Column) const
		{
			const FSlateBrush* Brush = CellImage(View, Row, Column);
			ASSERT_NE(Brush, nullptr) << "row " << Row;
			EXPECT_NE(Brush, WarningBrush()) << "row " << Row;
			EXPECT_EQ(Brush->DrawAs, ESlateBrushDrawType::NoDrawType) << "row " << Row;
			EXPECT_EQ(FVector2D(Brush->ImageSize), FVector2D::ZeroVector) << "row " << Row;
			EXPECT_TRUE(PaintedBrushes(View, Row, Column).IsEmpty()) << "row " << Row;
		}

		void ExpectWarningIcon(STableViewBase& View, int32 Row, FName Column) const
		{
			EXPECT_EQ(CellImage(View, Row, Column), WarningBrush()) << "row " << Row;
			EXPECT_EQ(PaintedBrushes(View, Row, Column), (TArray<const FSlateBrush*>{WarningBrush()})) << "row " << Row;
		}

		TSharedPtr<SSpinBox<int32>> StartFIDBox() const
		{
			return StandIn::FindFirstWidget<SSpinBox<int32>>(Panel.ToSharedRef());
		}

		bool TypeStartFID(const FString& Text)
		{
			const TSharedPtr<SSpinBox<int32>> Box = StartFIDBox();
			return Box.IsValid() && StandIn::TypeText(Box.ToSharedRef(), Text);
		}

		/** Takes the panel that the open tool tab shows as the one the helpers read. */
		bool UsePanelOf(const TSharedPtr<SDockTab>& Tab)
		{
			Panel.Reset();
			if (!Tab.IsValid() || !StandIn::IsWidgetA<SFixturePatchList>(Tab->GetContent().Get()))
			{
				return false;
			}
			Panel = StaticCastSharedRef<SFixturePatchList>(Tab->GetContent());
			StandIn::TickSlate();
			return true;
		}
	};

	const FName ToolTabId(TEXT("UEtoGMA"));
}

TEST_F(FEdgeCaseTest, StatusCellsDrawTheWarningIconOnlyForAConflict)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard"), TEXT("Extended")});
	UDMXEntityFixtureType* Wash = AddType(TEXT("Wash"), {TEXT("Basic")});
	AddFixture(TEXT("Shared A"), Spot, 1, 1, 0);
	AddFixture(TEXT("Shared B"), Spot, 1, 1, 0);
	AddFixture(TEXT("Single"), Spot, 1, 21, 1);
	AddFixture(TEXT("Wash 1"), Wash, 2, 1, 0);
	OpenPanel();

	// The icon is the plug-in's own, not a stand-in for a missing brush.
	ASSERT_NE(FZORLightEditorStyle::Get().GetOptionalBrush("Icons.WarningExclamationMark", nullptr, nullptr), nullptr);

	ASSERT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("Shared A"), TEXT("Single"), TEXT("Wash 1")}));
	ExpectWarningIcon(PatchView(), 0, FPatchCols::ColumnID_Status);
	ExpectNoIcon(PatchView(), 1, FPatchCols::ColumnID_Status);
	ExpectNoIcon(PatchView(), 2, FPatchCols::ColumnID_Status);

	// An unchecked shared row keeps its icon, drawn greyed out.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 0, FPatchCols::ColumnID_IsSelected));
	EXPECT_EQ(CellImage(PatchView(), 0, FPatchCols::ColumnID_Status), WarningBrush());
	EXPECT_FALSE(StandIn::IsListCellEnabled(PatchView(), 0, FPatchCols::ColumnID_Status));

	// Mode list: three new rows all numbered 0, all in conflict.
	ASSERT_EQ(StandIn::GetNumListRows(ModeView()), 3);
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 0, FPatchCols::ColumnID_IsSelected));
	for (int32 Row = 0; Row < 3; ++Row)
	{
		ExpectWarningIcon(ModeView(), Row, FModeCols::ColumnID_Status);
	}

	// Distinct numbers clear the icons at once; a shared number brings them back on both rows.
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 0, FModeCols::ColumnID_Num, 1));
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 1, FModeCols::ColumnID_Num, 2));
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 2, FModeCols::ColumnID_Num, 3));
	for (int32 Row = 0; Row < 3; ++Row)
	{
		ExpectNoIcon(ModeView(), Row, FModeCols::ColumnID_Status);
	}
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 2, FModeCols::ColumnID_Num, 1));
	ExpectWarningIcon(ModeView(), 0, FModeCols::ColumnID_Status);
	ExpectNoIcon(ModeView(), 1, FModeCols::ColumnID_Status);
	ExpectWarningIcon(ModeView(), 2, FModeCols::ColumnID_Status);

	// An unchecked mode row hides its conflict icon; its partner still shows it.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(ModeView(), 2, FModeCols::ColumnID_IsSelected));
	ExpectNoIcon(ModeView(), 2, FModeCols::ColumnID_Status);
	ExpectWarningIcon(ModeView(), 0, FModeCols::ColumnID_Status);
}

TEST_F(FEdgeCaseTest, PickingADeletedActorSelectsNothingAndStillRenumbers)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard")});
	AActor* Left = AddFixture(TEXT("FOH L"), Spot, 1, 1);
	AActor* Right = AddFixture(TEXT("FOH R"), Spot, 1, 1);
	AActor* Solo = AddFixture(TEXT("Solo"), Spot, 2, 1);
	OpenPanel();
	ASSERT_EQ(Shown(StandIn::GetListCellComboOptions(PatchView(), 0, FPatchCols::ColumnID_ActorName)),
		(TArray<FShownText>{TEXT("FOH L"), TEXT("FOH R")}));

	// The level changes behind the open list.
	Session->DestroyActor(Right);
	Solo->SetActorLabel(TEXT("Solo Renamed"));
	EXPECT_EQ(Shown(StandIn::GetListCellComboOptions(PatchView(), 0, FPatchCols::ColumnID_ActorName)),
		(TArray<FShownText>{TEXT("FOH L"), TEXT("Invalid Actor")}));
	EXPECT_EQ(PatchCell(1, FPatchCols::ColumnID_ActorName), TEXT("Solo"));

	GEditor->SelectNone(true, true, true);
	GEditor->SelectActor(Solo, true, false);
	const int32 RowsBefore = StandIn::GetGeneratedRowCount();
	ASSERT_TRUE(StandIn::PickListCellComboOption(PatchView(), 0, FPatchCols::ColumnID_ActorName, TEXT("Invalid Actor")));

	// No actor is selected by the pick: the level editor keeps what it had.
	EXPECT_EQ(SelectedActors(), (TArray<AActor*>{Solo}));
	EXPECT_EQ(PatchCell(0, FPatchCols::ColumnID_ActorName), TEXT("Invalid Actor"));
	// The rows were renumbered and rebuilt: the renamed single actor shows its new label.
	EXPECT_GT(StandIn::GetGeneratedRowCount(), RowsBefore);
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("1"), TEXT("2")}));
	EXPECT_EQ(PatchCell(1, FPatchCols::ColumnID_ActorName), TEXT("Solo Renamed"));

	// The row now stands for the deleted actor: clicking it selects nothing either.
	GEditor->SelectNone(true, true, true);
	ASSERT_TRUE(StandIn::ClickListRow(PatchView(), 0));
	EXPECT_TRUE(SelectedActors().IsEmpty());

	// Picking the living actor again works as before.
	ASSERT_TRUE(StandIn::PickListCellComboOption(PatchView(), 0, FPatchCols::ColumnID_ActorName, TEXT("FOH L")));
	EXPECT_EQ(SelectedActors(), (TArray<AActor*>{Left}));
	EXPECT_EQ(PatchCell(0, FPatchCols::ColumnID_ActorName), TEXT("FOH L"));
}

TEST_F(FEdgeCaseTest, SortsInBothDirectionsRenumberFromTheStartFIDSkippingUncheckedRows)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("basic"), TEXT("Extended"), TEXT("compact"), TEXT("Dimmer")});
	AddFixture(TEXT("Delta"), Spot, 1, 1, 0);
	AddFixture(TEXT("alpha"), Spot, 1, 2, 1);
	AddFixture(TEXT("Charlie"), Spot, 1, 3, 2);
	AddFixture(TEXT("bravo"), Spot, 1, 4, 3);
	OpenPanel();

	ASSERT_TRUE(TypeStartFID(TEXT("50")));
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), PatchRowOf(TEXT("Charlie")), FPatchCols::ColumnID_IsSelected));
	EXPECT_EQ(PatchRows(), (TArray<FShownText>{
		TEXT("50 Delta | Spot | basic | 1.1"),
		TEXT("51 alpha | Spot | Extended | 1.2"),
		TEXT("- Charlie | Spot | compact | 1.3"),
		TEXT("52 bravo | Spot | Dimmer | 1.4"),
	}));

	// Actor name, ascending then descending (case ignored); IDs follow the new order.
	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_ActorName));
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("alpha"), TEXT("bravo"), TEXT("Charlie"), TEXT("Delta")}));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("50"), TEXT("51"), TEXT("-"), TEXT("52")}));
	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_ActorName));
	EXPECT_EQ(StandIn::GetListColumnSortMode(PatchView(), FPatchCols::ColumnID_ActorName), EColumnSortMode::Descending);
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("Delta"), TEXT("Charlie"), TEXT("bravo"), TEXT("alpha")}));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("50"), TEXT("-"), TEXT("51"), TEXT("52")}));

	// A second unchecked row and another start: the numbers follow the order shown.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 0, FPatchCols::ColumnID_IsSelected));
	ASSERT_TRUE(TypeStartFID(TEXT("7")));
	EXPECT_EQ(PatchRows(), (TArray<FShownText>{
		TEXT("- Delta | Spot | basic | 1.1"),
		TEXT("- Charlie | Spot | compact | 1.3"),
		TEXT("7 bravo | Spot | Dimmer | 1.4"),
		TEXT("8 alpha | Spot | Extended | 1.2"),
	}));

	// Mode, ascending then descending (case ignored).
	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_Mode));
	EXPECT_EQ(StandIn::GetListColumnSortMode(PatchView(), FPatchCols::ColumnID_Mode), EColumnSortMode::Ascending);
	EXPECT_EQ(StandIn::GetListColumnSortMode(PatchView(), FPatchCols::ColumnID_ActorName), EColumnSortMode::None);
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("Delta"), TEXT("Charlie"), TEXT("bravo"), TEXT("alpha")}));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("-"), TEXT("-"), TEXT("7"), TEXT("8")}));
	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_Mode));
	EXPECT_EQ(StandIn::GetListColumnSortMode(PatchView(), FPatchCols::ColumnID_Mode), EColumnSortMode::Descending);
	EXPECT_EQ(PatchRows(), (TArray<FShownText>{
		TEXT("7 alpha | Spot | Extended | 1.2"),
		TEXT("8 bravo | Spot | Dimmer | 1.4"),
		TEXT("- Charlie | Spot | compact | 1.3"),
		TEXT("- Delta | Spot | basic | 1.1"),
	}));

	// Back to the patch order: the same start, the unchecked rows still "-".
	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_Patch));
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("Delta"), TEXT("alpha"), TEXT("Charlie"), TEXT("bravo")}));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("-"), TEXT("7"), TEXT("-"), TEXT("8")}));
}

TEST_F(FEdgeCaseTest, ModeNamesDifferingOnlyInCaseShareOneModeRow)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard"), TEXT("Other")});
	Spot->Modes[1].ModeName = TEXT("STANDARD");
	UDMXEntityFixtureType* Wash = AddType(TEXT("Wash"), {TEXT("Standard")});
	AddFixture(TEXT("Upper"), Spot, 1, 1, 1);
	AddFixture(TEXT("Lower"), Spot, 1, 2, 0);
	AddFixture(TEXT("Wash"), Wash, 1, 3, 0);
	OpenPanel();

	EXPECT_EQ(PatchRows(), (TArray<FShownText>{
		TEXT("1 Upper | Spot | STANDARD | 1.1"),
		TEXT("2 Lower | Spot | Standard | 1.2"),
		TEXT("3 Wash | Wash | Standard | 1.3"),
	}));
	// One row for both spellings, named after the first patch's mode.
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] Spot STANDARD #0 !"), TEXT("[x] Wash Standard #0 !")}));
	const int32 SpotRow = ModeRowOf(TEXT("Spot STANDARD"));
	const int32 WashRow = ModeRowOf(TEXT("Wash Standard"));
	ASSERT_NE(SpotRow, INDEX_NONE);
	ASSERT_NE(WashRow, INDEX_NONE);

	// Unticking one spelling's patch keeps the mode row ticked while the other spelling's stays ticked.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 0, FPatchCols::ColumnID_IsSelected));
	EXPECT_TRUE(IsModeRowChecked(SpotRow));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("-"), TEXT("1"), TEXT("2")}));
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 0, FPatchCols::ColumnID_IsSelected));
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 1, FPatchCols::ColumnID_IsSelected));
	EXPECT_TRUE(IsModeRowChecked(SpotRow));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("1"), TEXT("-"), TEXT("2")}));
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 1, FPatchCols::ColumnID_IsSelected));

	// Unchecking the mode row unchecks the patches of both spellings, and no other type's.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(ModeView(), SpotRow, FModeCols::ColumnID_IsSelected));
	EXPECT_FALSE(IsPatchRowChecked(0));
	EXPECT_FALSE(IsPatchRowChecked(1));
	EXPECT_TRUE(IsPatchRowChecked(2));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("-"), TEXT("-"), TEXT("1")}));

	// The ticked patch of the other type with the same mode name does not tick the row when the
	// check boxes are matched again (a patch-row click does that).
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 2, FPatchCols::ColumnID_IsSelected));
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 2, FPatchCols::ColumnID_IsSelected));
	EXPECT_TRUE(IsPatchRowChecked(2));
	EXPECT_FALSE(IsModeRowChecked(SpotRow));
	EXPECT_TRUE(IsModeRowChecked(WashRow));
	EXPECT_EQ(StandIn::GetListHeaderCheckState(ModeView(), FModeCols::ColumnID_IsSelected), ECheckBoxState::Undetermined);

	// Ticking the other spelling's patch alone ticks the row again.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 1, FPatchCols::ColumnID_IsSelected));
	EXPECT_TRUE(IsModeRowChecked(SpotRow));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("-"), TEXT("1"), TEXT("2")}));

	// Ticking the mode row ticks both spellings.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 1, FPatchCols::ColumnID_IsSelected));
	ASSERT_FALSE(IsModeRowChecked(SpotRow));
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(ModeView(), SpotRow, FModeCols::ColumnID_IsSelected));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("1"), TEXT("2"), TEXT("3")}));
}

TEST_F(FEdgeCaseTest, ReopeningTheToolStartsAgainAtFixtureID1)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard")});
	AddFixture(TEXT("A"), Spot, 1, 1);
	AddFixture(TEXT("B"), Spot, 1, 2);

	TSharedPtr<SDockTab> Tab = FGlobalTabmanager::Get()->TryInvokeTab(ToolTabId);
	ASSERT_TRUE(UsePanelOf(Tab));
	EXPECT_EQ(StartFIDBox()->GetValue(), 1);
	ASSERT_TRUE(TypeStartFID(TEXT("40")));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("40"), TEXT("41")}));

	Panel.Reset();
	ASSERT_TRUE(Tab->RequestCloseTab());
	Tab.Reset();
	EXPECT_FALSE(FGlobalTabmanager::Get()->FindExistingLiveTab(FTabId(ToolTabId)).IsValid());

	// Reopened by the tab manager.
	Tab = FGlobalTabmanager::Get()->TryInvokeTab(ToolTabId);
	ASSERT_TRUE(UsePanelOf(Tab));
	EXPECT_EQ(StartFIDBox()->GetValue(), 1);
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("1"), TEXT("2")}));
	Panel.Reset();
	EXPECT_TRUE(Tab->RequestCloseTab());
}
