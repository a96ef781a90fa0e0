// Fixture IDs from the "Start FID" box, and the sortable headers of the patch list.

#include "UEtoGMATestHelpers.h"

#include "StandInTesting/SlateDriver.h"
#include "Widgets/Input/SSpinBox.h"

using ZORTests::FPatchCols;
using ZORTests::FUEtoGMATest;

namespace
{
	class FNumberingTest : public FUEtoGMATest
	{
	protected:
		/** Types a number into the tool bar's "Start FID" box and presses Enter. */
		bool TypeStartFID(const FString& Text)
		{
			const TSharedPtr<SSpinBox<int32>> StartFIDBox = StandIn::FindFirstWidget<SSpinBox<int32>>(Panel.ToSharedRef());
			return StartFIDBox.IsValid() && StandIn::TypeText(StartFIDBox.ToSharedRef(), Text);
		}

		TSharedPtr<SSpinBox<int32>> StartFIDBox() const
		{
			return StandIn::FindFirstWidget<SSpinBox<int32>>(Panel.ToSharedRef());
		}
	};
}

TEST_F(FNumberingTest, CheckedRowsAreNumberedFromTheStartFIDInListOrder)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard")});
	for (int32 Index = 0; Index < 4; ++Index)
	{
		AddFixture(FString::Printf(TEXT("Spot %d"), Index + 1), Spot, 1, 1 + 20 * Index);
	}
	OpenPanel();
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("1"), TEXT("2"), TEXT("3"), TEXT("4")}));
	EXPECT_EQ(StartFIDBox()->GetValue(), 1);

	ASSERT_TRUE(TypeStartFID(TEXT("101")));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("101"), TEXT("102"), TEXT("103"), TEXT("104")}));

	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 1, FPatchCols::ColumnID_IsSelected));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("101"), TEXT("-"), TEXT("102"), TEXT("103")}));

	// Zero is the lowest start; typing below it stops at 0.
	ASSERT_TRUE(TypeStartFID(TEXT("0")));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("0"), TEXT("-"), TEXT("1"), TEXT("2")}));
	ASSERT_TRUE(TypeStartFID(TEXT("-5")));
	EXPECT_EQ(Panel->StartFID, 0);
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("0"), TEXT("-"), TEXT("1"), TEXT("2")}));

	// No upper bound; the FID column groups digits as the culture does.
	ASSERT_TRUE(TypeStartFID(TEXT("999")));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("999"), TEXT("-"), TEXT("1,000"), TEXT("1,001")}));

	// The header box: some ticked shows undetermined; ticking it ticks all; any other state unticks all.
	EXPECT_EQ(StandIn::GetListHeaderCheckState(PatchView(), FPatchCols::ColumnID_IsSelected), ECheckBoxState::Undetermined);
	ASSERT_TRUE(StandIn::ClickListHeaderCheckBox(PatchView(), FPatchCols::ColumnID_IsSelected));
	EXPECT_EQ(StandIn::GetListHeaderCheckState(PatchView(), FPatchCols::ColumnID_IsSelected), ECheckBoxState::Checked);
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("999"), TEXT("1,000"), TEXT("1,001"), TEXT("1,002")}));
	ASSERT_TRUE(StandIn::ClickListHeaderCheckBox(PatchView(), FPatchCols::ColumnID_IsSelected));
	EXPECT_EQ(StandIn::GetListHeaderCheckState(PatchView(), FPatchCols::ColumnID_IsSelected), ECheckBoxState::Unchecked);
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("-"), TEXT("-"), TEXT("-"), TEXT("-")}));
	EXPECT_FALSE(IsModeRowChecked(0));

	// A refresh ticks every row again and keeps the Start FID.
	ASSERT_TRUE(StandIn::ClickButtonWithText(Panel.ToSharedRef(), TEXT("Refresh")));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("999"), TEXT("1,000"), TEXT("1,001"), TEXT("1,002")}));
	EXPECT_TRUE(IsModeRowChecked(0));
}

TEST_F(FNumberingTest, PatchSortComparesUniverseAndChannelAsNumbers)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard")});
	AddFixture(TEXT("D"), Spot, 10, 1);
	AddFixture(TEXT("B"), Spot, 1, 20);
	AddFixture(TEXT("C"), Spot, 2, 5);
	AddFixture(TEXT("A"), Spot, 1, 1);
	OpenPanel();

	// The panel opens sorted by Patch, ascending, and only that header shows an arrow.
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("A"), TEXT("B"), TEXT("C"), TEXT("D")}));
	EXPECT_EQ(StandIn::GetListColumnSortMode(PatchView(), FPatchCols::ColumnID_Patch), EColumnSortMode::Ascending);
	for (const FName Column : {FPatchCols::ColumnID_ActorName, FPatchCols::ColumnID_FixtureType, FPatchCols::ColumnID_Mode,
		FPatchCols::ColumnID_FixtureID, FPatchCols::ColumnID_IsSelected, FPatchCols::ColumnID_Status})
	{
		EXPECT_EQ(StandIn::GetListColumnSortMode(PatchView(), Column), EColumnSortMode::None) << *Column.ToString();
	}

	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_Patch));
	EXPECT_EQ(StandIn::GetListColumnSortMode(PatchView(), FPatchCols::ColumnID_Patch), EColumnSortMode::Descending);
	EXPECT_EQ(PatchRows(), (TArray<FShownText>{
		TEXT("1 D | Spot | Standard | 10.1"),
		TEXT("2 C | Spot | Standard | 2.5"),
		TEXT("3 B | Spot | Standard | 1.20"),
		TEXT("4 A | Spot | Standard | 1.1"),
	}));

	// FID, check box and status headers do not sort.
	for (const FName Column : {FPatchCols::ColumnID_FixtureID, FPatchCols::ColumnID_IsSelected, FPatchCols::ColumnID_Status})
	{
		StandIn::ClickListColumnHeader(PatchView(), Column);
		EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("D"), TEXT("C"), TEXT("B"), TEXT("A")})) << *Column.ToString();
		EXPECT_EQ(StandIn::GetListColumnSortMode(PatchView(), FPatchCols::ColumnID_Patch), EColumnSortMode::Descending);
	}

	// An unknown column keeps the order but still renumbers.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 0, FPatchCols::ColumnID_IsSelected));
	Panel->Items[0]->bIsSelected = true;
	Panel->OnSortModeChanged(EColumnSortPriority::Primary, NAME_None, EColumnSortMode::Ascending);
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("D"), TEXT("C"), TEXT("B"), TEXT("A")}));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("1"), TEXT("2"), TEXT("3"), TEXT("4")}));
}

TEST_F(FNumberingTest, TextColumnsSortWithoutRegardToCaseAndKeepTiesInPlace)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("spot"), {TEXT("Wide"), TEXT("narrow")});
	UDMXEntityFixtureType* Wash = AddType(TEXT("Wash"), {TEXT("Basic")});
	AddFixture(TEXT("Beta"), Wash, 1, 1);
	AddFixture(TEXT("alpha"), Spot, 1, 2);
	AddFixture(TEXT("Gamma"), Spot, 1, 3, 1);
	AddFixture(TEXT("delta"), Spot, 1, 4);
	AActor* Gone = AddFixture(TEXT("Zulu"), Wash, 1, 5);
	OpenPanel();

	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_ActorName));
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("alpha"), TEXT("Beta"), TEXT("delta"), TEXT("Gamma"), TEXT("Zulu")}));
	EXPECT_EQ(StandIn::GetListColumnSortMode(PatchView(), FPatchCols::ColumnID_ActorName), EColumnSortMode::Ascending);
	EXPECT_EQ(StandIn::GetListColumnSortMode(PatchView(), FPatchCols::ColumnID_Patch), EColumnSortMode::None);

	// Equal fixture types keep the order they had, so two sorts in a row give the same IDs.
	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_FixtureType));
	const TArray<FShownText> ByType{TEXT("1 alpha | spot | Wide | 1.2"), TEXT("2 delta | spot | Wide | 1.4"),
		TEXT("3 Gamma | spot | narrow | 1.3"), TEXT("4 Beta | Wash | Basic | 1.1"), TEXT("5 Zulu | Wash | Basic | 1.5")};
	EXPECT_EQ(PatchRows(), ByType);
	Panel->OnSortModeChanged(EColumnSortPriority::Primary, FPatchCols::ColumnID_FixtureType, EColumnSortMode::Ascending);
	EXPECT_EQ(PatchRows(), ByType);

	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_FixtureType));
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("Beta"), TEXT("Zulu"), TEXT("alpha"), TEXT("delta"), TEXT("Gamma")}));

	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_Mode));
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("Beta"), TEXT("Zulu"), TEXT("Gamma"), TEXT("alpha"), TEXT("delta")}));

	// "Invalid Actor" sorts among the names like any other text.
	Session->DestroyActor(Gone);
	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_ActorName));
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("alpha"), TEXT("Beta"), TEXT("delta"), TEXT("Gamma"), TEXT("Invalid Actor")}));

	// A refresh keeps the sort: the deleted actor is gone, the rest stay sorted by name.
	ASSERT_TRUE(StandIn::ClickButtonWithText(Panel.ToSharedRef(), TEXT("Refresh")));
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("alpha"), TEXT("Beta"), TEXT("delta"), TEXT("Gamma")}));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("1"), TEXT("2"), TEXT("3"), TEXT("4")}));
}

TEST_F(FNumberingTest, SortingAgainKeepsEqualRowsAndTheirIDsInPlace)
{
	// Enough rows that an unstable sort would shuffle the ties.
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard")});
	UDMXEntityFixtureType* Wash = AddType(TEXT("Wash"), {TEXT("Standard")});
	for (int32 Index = 0; Index < 60; ++Index)
	{
		AddFixture(FString::Printf(TEXT("Fixture %02d"), Index), Index % 3 == 0 ? Wash : Spot, 1 + Index / 10, 1 + 10 * (Index % 10));
	}
	OpenPanel();
	StandIn::SetListViewportRows(PatchView(), 100);

	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_FixtureType));
	TArray<FShownText> Expected;
	for (int32 Index = 0; Index < 60; ++Index)
	{
		if (Index % 3 != 0)
		{
			Expected.Add(FString::Printf(TEXT("Fixture %02d"), Index));
		}
	}
	for (int32 Index = 0; Index < 60; Index += 3)
	{
		Expected.Add(FString::Printf(TEXT("Fixture %02d"), Index));
	}
	EXPECT_EQ(ActorColumn(), Expected);
	const TArray<FShownText> IDs = FixtureIDs();

	// Mode and type tie for every row: the order, and with it every ID, stays.
	ASSERT_TRUE(StandIn::ClickListColumnHeader(PatchView(), FPatchCols::ColumnID_Mode));
	EXPECT_EQ(ActorColumn(), Expected);
	EXPECT_EQ(FixtureIDs(), IDs);
}
