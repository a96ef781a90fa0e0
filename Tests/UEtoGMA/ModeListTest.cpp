// The fixture mode list beside the patch list: its rows per fixture type and mode, the grandMA2 numbers
// and names the user types, conflicts, the check boxes that switch patch rows, and rows whose DMX data
// disappears while the tool is open.

#include "UEtoGMATestHelpers.h"

#include "StandInTesting/SlateDriver.h"

using ZORTests::FModeCols;
using ZORTests::FPatchCols;
using ZORTests::FUEtoGMATest;

TEST_F(FUEtoGMATest, OneModeRowPerFixtureTypeAndModeNameWithConflictingNumbers)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot 575"), {TEXT("Standard"), TEXT("Extended")});
	UDMXEntityFixtureType* SpotCase = AddType(TEXT("Spot Case"), {TEXT("STANDARD"), TEXT("Other")});
	SpotCase->Modes[1].ModeName = TEXT("standard");
	UDMXEntityFixtureType* Wash = AddType(TEXT("Wash"), {TEXT("Standard")});
	AddFixture(TEXT("S1"), Spot, 1, 1, 0);
	AddFixture(TEXT("S2"), Spot, 1, 21, 1);
	AddFixture(TEXT("S3"), Spot, 1, 41, 0);
	AddFixture(TEXT("C1"), SpotCase, 2, 1, 0);
	AddFixture(TEXT("C2"), SpotCase, 2, 21, 1); // differs only in case: same row as C1
	AddFixture(TEXT("W1"), Wash, 3, 1, 0);      // same mode name, other type: its own row
	UDMXEntityFixtureType* Blank = AddType(TEXT("Blank"), {TEXT("Unnamed")});
	Blank->Modes[0].ModeName.Empty();
	AddFixture(TEXT("B1"), Blank, 4, 1, 0);     // a mode without a name: no row
	OpenPanel();

	// In the order the pairs first occur; every row checked, every number 0 and so in conflict.
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{
		TEXT("[x] Spot 575 Standard #0 !"),
		TEXT("[x] Spot 575 Extended #0 !"),
		TEXT("[x] Spot Case STANDARD #0 !"),
		TEXT("[x] Wash Standard #0 !"),
	}));
	EXPECT_EQ(ModeStatusTooltip(0), TEXT("Having Mode Num Conflict!"));
	EXPECT_EQ(StandIn::GetListHeaderCheckState(ModeView(), FModeCols::ColumnID_IsSelected), ECheckBoxState::Checked);

	// Two rows share 5, one has 6: only the two with 5 conflict; a change shows at once.
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 0, FModeCols::ColumnID_Num, 5));
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 1, FModeCols::ColumnID_Num, 5));
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 2, FModeCols::ColumnID_Num, 6));
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 3, FModeCols::ColumnID_Num, 7));
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{
		TEXT("[x] Spot 575 Standard #5 !"),
		TEXT("[x] Spot 575 Extended #5 !"),
		TEXT("[x] Spot Case STANDARD #6"),
		TEXT("[x] Wash Standard #7"),
	}));
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 1, FModeCols::ColumnID_Num, 8));
	EXPECT_EQ(ModeStatusTooltip(0), TEXT(""));
	EXPECT_EQ(ModeStatusTooltip(1), TEXT(""));

	// The number box does not go below 0.
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 3, FModeCols::ColumnID_Num, -3));
	EXPECT_EQ(ModeCell(3, FModeCols::ColumnID_Num), TEXT("0"));
	EXPECT_EQ(Panel->ModeList->Items[3]->FixtureTypeNo, 0);

	// An unchecked row greys out its number and hides its conflict, which it still has.
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 3, FModeCols::ColumnID_Num, 6));
	EXPECT_EQ(ModeStatusTooltip(2), TEXT("Having Mode Num Conflict!"));
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(ModeView(), 3, FModeCols::ColumnID_IsSelected));
	EXPECT_EQ(At(ModeRows(), 3), TEXT("[ ] Wash Standard #6"));
	EXPECT_EQ(ModeStatusTooltip(2), TEXT("Having Mode Num Conflict!"));
	EXPECT_FALSE(StandIn::IsListCellEnabled(ModeView(), 3, FModeCols::ColumnID_Num));
	EXPECT_FALSE(StandIn::IsListCellEnabled(ModeView(), 3, FModeCols::ColumnID_Status));
	EXPECT_TRUE(StandIn::IsListCellEnabled(ModeView(), 3, FModeCols::ColumnID_Mode));
	EXPECT_FALSE(StandIn::CommitListCellNumber(ModeView(), 3, FModeCols::ColumnID_Num, 9));
	EXPECT_EQ(StandIn::GetListHeaderCheckState(ModeView(), FModeCols::ColumnID_IsSelected), ECheckBoxState::Undetermined);
}

TEST_F(FUEtoGMATest, CheckBoxesOfBothListsFollowEachOther)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard"), TEXT("Extended")});
	UDMXEntityFixtureType* Other = AddType(TEXT("Other"), {TEXT("Standard")});
	AddFixture(TEXT("A"), Spot, 1, 1, 0);
	AddFixture(TEXT("B"), Spot, 1, 21, 1);
	AddFixture(TEXT("C"), Spot, 1, 41, 0);
	AddFixture(TEXT("D"), Other, 1, 61, 0);
	OpenPanel();
	const int32 Standard = ModeRowOf(TEXT("Spot Standard"));
	ASSERT_NE(Standard, INDEX_NONE);

	// Unchecking a mode row unchecks its patch rows (and no other type's) and renumbers.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(ModeView(), Standard, FModeCols::ColumnID_IsSelected));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("-"), TEXT("1"), TEXT("-"), TEXT("2")}));
	EXPECT_FALSE(IsPatchRowChecked(0));
	EXPECT_FALSE(IsPatchRowChecked(2));

	// Ticking one of its patch rows ticks the mode row again.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 2, FPatchCols::ColumnID_IsSelected));
	EXPECT_TRUE(IsModeRowChecked(Standard));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("-"), TEXT("1"), TEXT("2"), TEXT("3")}));

	// Unticking the last ticked patch row of a mode unticks the mode row.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 2, FPatchCols::ColumnID_IsSelected));
	EXPECT_FALSE(IsModeRowChecked(Standard));

	// The mode list's header box: undetermined ticks every row and every patch row of their modes.
	EXPECT_EQ(StandIn::GetListHeaderCheckState(ModeView(), FModeCols::ColumnID_IsSelected), ECheckBoxState::Undetermined);
	ASSERT_TRUE(StandIn::ClickListHeaderCheckBox(ModeView(), FModeCols::ColumnID_IsSelected));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("1"), TEXT("2"), TEXT("3"), TEXT("4")}));
	ASSERT_TRUE(StandIn::ClickListHeaderCheckBox(ModeView(), FModeCols::ColumnID_IsSelected));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("-"), TEXT("-"), TEXT("-"), TEXT("-")}));
	EXPECT_EQ(StandIn::GetListHeaderCheckState(PatchView(), FPatchCols::ColumnID_IsSelected), ECheckBoxState::Unchecked);

	// The patch list's header box ticks the mode rows through the patch rows.
	ASSERT_TRUE(StandIn::ClickListHeaderCheckBox(PatchView(), FPatchCols::ColumnID_IsSelected));
	EXPECT_EQ(StandIn::GetListHeaderCheckState(ModeView(), FModeCols::ColumnID_IsSelected), ECheckBoxState::Checked);
}

TEST_F(FUEtoGMATest, TypedNamesAndNumbersSurviveARefresh)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard"), TEXT("Extended")});
	AActor* First = AddFixture(TEXT("A"), Spot, 1, 1, 0);
	AddFixture(TEXT("B"), Spot, 1, 21, 1);
	OpenPanel();
	const int32 Standard = ModeRowOf(TEXT("Spot Standard"));
	const int32 Extended = ModeRowOf(TEXT("Spot Extended"));

	// The reset button shows only for a name that really differs from the default.
	EXPECT_FALSE(StandIn::ClickListCellButton(ModeView(), Standard, FModeCols::ColumnID_Mode));
	ASSERT_TRUE(StandIn::CommitListCellText(ModeView(), Standard, FModeCols::ColumnID_Mode, TEXT("SPOT standard")));
	EXPECT_EQ(ModeCell(Standard, FModeCols::ColumnID_Mode), TEXT("SPOT standard"));
	EXPECT_FALSE(StandIn::ClickListCellButton(ModeView(), Standard, FModeCols::ColumnID_Mode));
	ASSERT_TRUE(StandIn::CommitListCellText(ModeView(), Standard, FModeCols::ColumnID_Mode, TEXT("MA Spot")));
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), Standard, FModeCols::ColumnID_Num, 7));
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), Extended, FModeCols::ColumnID_Num, 8));

	// A refresh keeps numbers and names (and applies the mode sort, by default name); a never-edited name
	// stays what it was.
	ASSERT_TRUE(StandIn::ClickButtonWithText(Panel.ToSharedRef(), TEXT("Refresh")));
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] Spot Extended #8"), TEXT("[x] MA Spot #7")}));

	// The reset button brings the default name back; an empty commit does the same.
	ASSERT_TRUE(StandIn::ClickListCellButton(ModeView(), 1, FModeCols::ColumnID_Mode));
	EXPECT_EQ(ModeCell(1, FModeCols::ColumnID_Mode), TEXT("Spot Standard"));
	ASSERT_TRUE(StandIn::CommitListCellText(ModeView(), 0, FModeCols::ColumnID_Mode, TEXT("MA Extended")));
	EXPECT_EQ(ModeCell(0, FModeCols::ColumnID_Mode), TEXT("MA Extended"));
	ASSERT_TRUE(StandIn::CommitListCellText(ModeView(), 0, FModeCols::ColumnID_Mode, TEXT("")));
	EXPECT_EQ(ModeCell(0, FModeCols::ColumnID_Mode), TEXT("Spot Extended"));

	// A mode renamed in another letter case is still the same pair: number and name stay.
	Spot->Modes[0].ModeName = TEXT("STANDARD");
	ASSERT_TRUE(StandIn::ClickButtonWithText(Panel.ToSharedRef(), TEXT("Refresh")));
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] Spot Extended #8"), TEXT("[x] Spot Standard #7")}));

	// A pair that leaves the level and comes back starts afresh.
	ASSERT_TRUE(StandIn::CommitListCellText(ModeView(), 1, FModeCols::ColumnID_Mode, TEXT("Gone Soon")));
	Session->DestroyActor(First);
	ASSERT_TRUE(StandIn::ClickButtonWithText(Panel.ToSharedRef(), TEXT("Refresh")));
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] Spot Extended #8")}));
	AddFixture(TEXT("A again"), Spot, 1, 1, 0);
	ASSERT_TRUE(StandIn::ClickButtonWithText(Panel.ToSharedRef(), TEXT("Refresh")));
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] Spot Extended #8"), TEXT("[x] Spot STANDARD #0")}));
}

TEST_F(FUEtoGMATest, ModeSortUsesTheDefaultNamesAndKeepsTies)
{
	UDMXEntityFixtureType* Bar = AddType(TEXT("bar"), {TEXT("B")});
	UDMXEntityFixtureType* Alpha = AddType(TEXT("Alpha"), {TEXT("z"), TEXT("A")});
	AddFixture(TEXT("1"), Bar, 1, 1, 0);
	AddFixture(TEXT("2"), Alpha, 1, 2, 0);
	AddFixture(TEXT("3"), Alpha, 1, 3, 1);
	OpenPanel();

	// Right after opening the header says Mode ascending, but the rows keep the patch list's order.
	EXPECT_EQ(StandIn::GetListColumnSortMode(ModeView(), FModeCols::ColumnID_Mode), EColumnSortMode::Ascending);
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] bar B #0 !"), TEXT("[x] Alpha z #0 !"), TEXT("[x] Alpha A #0 !")}));

	ASSERT_TRUE(StandIn::CommitListCellText(ModeView(), 0, FModeCols::ColumnID_Mode, TEXT("AAA first by edited name")));
	ASSERT_TRUE(StandIn::ClickListColumnHeader(ModeView(), FModeCols::ColumnID_Mode));
	EXPECT_EQ(StandIn::GetListColumnSortMode(ModeView(), FModeCols::ColumnID_Mode), EColumnSortMode::Descending);
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] AAA first by edited name #0 !"), TEXT("[x] Alpha z #0 !"), TEXT("[x] Alpha A #0 !")}));
	ASSERT_TRUE(StandIn::ClickListColumnHeader(ModeView(), FModeCols::ColumnID_Mode));
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] Alpha A #0 !"), TEXT("[x] Alpha z #0 !"), TEXT("[x] AAA first by edited name #0 !")}));

	// The sort is applied again after a refresh.
	ASSERT_TRUE(StandIn::ClickButtonWithText(Panel.ToSharedRef(), TEXT("Refresh")));
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] Alpha A #0 !"), TEXT("[x] Alpha z #0 !"), TEXT("[x] AAA first by edited name #0 !")}));
}

TEST_F(FUEtoGMATest, ModeRowsWhoseTypeOrModeLeftTheLibraryShowNoneAndSwitchNothing)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard"), TEXT("Extended")});
	UDMXEntityFixtureType* Wash = AddType(TEXT("Wash"), {TEXT("Basic")});
	AddFixture(TEXT("S1"), Spot, 1, 1, 0);
	AddFixture(TEXT("S2"), Spot, 1, 21, 1);
	AddFixture(TEXT("W1"), Wash, 2, 1, 0);
	OpenPanel();
	ASSERT_TRUE(StandIn::CommitListCellText(ModeView(), 2, FModeCols::ColumnID_Mode, TEXT("MA Wash")));
	ASSERT_TRUE(StandIn::CommitListCellNumber(ModeView(), 2, FModeCols::ColumnID_Num, 3));

	// The library changes behind the open tool.
	Session->DeleteFixtureType(Wash);
	Spot->Modes[1].ModeName = TEXT("Renamed");

	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] Spot Standard #0 !"), TEXT("[x] None #0 !"), TEXT("[x] None #3")}));

	// Their check boxes still toggle, but switch no patch row.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(ModeView(), 2, FModeCols::ColumnID_IsSelected));
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(ModeView(), 1, FModeCols::ColumnID_IsSelected));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("1"), TEXT("2"), TEXT("3")}));
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] Spot Standard #0 !"), TEXT("[ ] None #0"), TEXT("[ ] None #3")}));

	// Sorting and a patch-row tick cope with them too.
	ASSERT_TRUE(StandIn::ClickListColumnHeader(ModeView(), FModeCols::ColumnID_Mode));
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 0, FPatchCols::ColumnID_IsSelected));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("-"), TEXT("1"), TEXT("2")}));

	// A refresh drops them and makes rows for what the patches use now.
	ASSERT_TRUE(StandIn::ClickButtonWithText(Panel.ToSharedRef(), TEXT("Refresh")));
	EXPECT_EQ(PatchRows(), (TArray<FShownText>{TEXT("1 S1 | Spot | Standard | 1.1"), TEXT("2 S2 | Spot | Renamed | 1.21"),
		TEXT("3 W1 | None | None | 2.1")}));
	EXPECT_EQ(ModeRows(), (TArray<FShownText>{TEXT("[x] Spot Standard #0 !"), TEXT("[x] Spot Renamed #0 !")}));
}

TEST_F(FUEtoGMATest, AnEmptyLevelGivesEmptyListsThatStillWork)
{
	Session->SpawnActor<AActor>(TEXT("Truss"));
	OpenPanel();

	EXPECT_EQ(StandIn::GetNumListRows(PatchView()), 0);
	EXPECT_EQ(StandIn::GetNumListRows(ModeView()), 0);
	EXPECT_EQ(StandIn::GetListHeaderCheckState(PatchView(), FPatchCols::ColumnID_IsSelected), ECheckBoxState::Unchecked);
	EXPECT_EQ(StandIn::GetListHeaderCheckState(ModeView(), FModeCols::ColumnID_IsSelected), ECheckBoxState::Checked);
	ASSERT_TRUE(StandIn::ClickListHeaderCheckBox(PatchView(), FPatchCols::ColumnID_IsSelected));
	EXPECT_EQ(StandIn::GetListHeaderCheckState(PatchView(), FPatchCols::ColumnID_IsSelected), ECheckBoxState::Unchecked);
	ASSERT_TRUE(StandIn::ClickButtonWithText(Panel.ToSharedRef(), TEXT("Refresh")));
	EXPECT_EQ(StandIn::GetNumListRows(PatchView()), 0);

	// The tool bar and the headers the user sees.
	const TArray<FString> Texts = StandIn::GetTextBlockTexts(Panel.ToSharedRef());
	for (const TCHAR* Label : {TEXT("Refresh"), TEXT("Export"), TEXT("Start FID"), TEXT("Help/Tutorial")})
	{
		EXPECT_TRUE(Shown(Texts).Contains(Label)) << Label;
	}
	EXPECT_EQ(StandIn::GetListColumnIds(PatchView()), (TArray<FName>{FPatchCols::ColumnID_IsSelected, FPatchCols::ColumnID_ActorName,
		FPatchCols::ColumnID_Status, FPatchCols::ColumnID_FixtureID, FPatchCols::ColumnID_FixtureType, FPatchCols::ColumnID_Mode, FPatchCols::ColumnID_Patch}));
	EXPECT_EQ(Shown(StandIn::GetListColumnLabel(PatchView(), FPatchCols::ColumnID_FixtureID)), TEXT("FID"));
	EXPECT_EQ(Shown(StandIn::GetListColumnLabel(ModeView(), FModeCols::ColumnID_Mode)), TEXT("Fixture Type"));
}

TEST_F(FUEtoGMATest, AModeListWithoutPatchItemsLogsAndStaysEmpty)
{
	Session->ClearLog();
	const TSharedRef<SFixtureModeList> ModeList = SNew(SFixtureModeList);
	EXPECT_TRUE(ModeList->Items.IsEmpty());
	EXPECT_TRUE(Session->HasLogLine(TEXT("SFixtureModeList::InitializeListItems - PatchListItems is null!"), ELogVerbosity::Error));
	ModeList->OnItemCheckStateChanged();
	EXPECT_TRUE(ModeList->Items.IsEmpty());
}
