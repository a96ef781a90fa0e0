// The patch list as the user sees it after the scan of the level: one row per patch address, the cells of
// each row, and what happens when actors and patches change behind the open list.

#include "UEtoGMATestHelpers.h"

#include "Library/DMXEntityFixturePatch.h"
#include "UEtoGMA/SFixtureModeListRow.h"
#include "UEtoGMA/SFixturePatchListRow.h"

using ZORTests::FPatchCols;
using ZORTests::FUEtoGMATest;

TEST_F(FUEtoGMATest, ActorsSharingAnAddressMakeOneRowWithAnActorChoiceAndAConflictIcon)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot 575"), {TEXT("Standard"), TEXT("Extended")});
	UDMXEntityFixtureType* Bar = AddType(TEXT("LED Bar"), {TEXT("1 Pixel")});
	AddFixture(TEXT("Solo"), Spot, 3, 1);
	AActor* Left = AddFixture(TEXT("FOH L"), Spot, 1, 1);
	AActor* Right = AddFixture(TEXT("FOH R"), Bar, 1, 1); // another patch object and type, same address
	AActor* Third = AddFixture(TEXT("FOH C"), Spot, 1, 1, 1);

	OpenPanel();

	ASSERT_EQ(StandIn::GetNumListRows(PatchView()), 2);
	EXPECT_EQ(PatchCell(0, FPatchCols::ColumnID_Patch), TEXT("1.1"));
	// The row stands for the first actor of the scan; its patch gives type and mode.
	EXPECT_EQ(PatchCell(0, FPatchCols::ColumnID_ActorName), TEXT("FOH L"));
	EXPECT_EQ(PatchCell(0, FPatchCols::ColumnID_FixtureType), TEXT("Spot 575"));
	EXPECT_EQ(PatchCell(0, FPatchCols::ColumnID_Mode), TEXT("Standard"));
	EXPECT_EQ(Shown(StandIn::GetListCellComboOptions(PatchView(), 0, FPatchCols::ColumnID_ActorName)),
		(TArray<FShownText>{TEXT("FOH L"), TEXT("FOH R"), TEXT("FOH C")}));
	EXPECT_EQ(PatchStatusTooltip(0), TEXT("Having multiple identical patches"));
	EXPECT_EQ(Panel->Items[0]->IdenticalPatchActors.Num(), 3);
	EXPECT_EQ(Panel->Items[0]->IdenticalPatchActors[0].Get(), Left);

	// A patch of one actor: plain text, no combo box, no icon, no tooltip.
	EXPECT_EQ(PatchCell(1, FPatchCols::ColumnID_ActorName), TEXT("Solo"));
	EXPECT_TRUE(StandIn::GetListCellComboOptions(PatchView(), 1, FPatchCols::ColumnID_ActorName).IsEmpty());
	EXPECT_EQ(PatchStatusTooltip(1), TEXT(""));

	// Picking another actor selects it in the level editor and the rebuilt row still shows the choice.
	ASSERT_TRUE(StandIn::PickListCellComboOption(PatchView(), 0, FPatchCols::ColumnID_ActorName, TEXT("FOH C")));
	EXPECT_EQ(SelectedActors(), (TArray<AActor*>{Third}));
	EXPECT_EQ(PatchCell(0, FPatchCols::ColumnID_ActorName), TEXT("FOH C"));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("1"), TEXT("2")}));

	// Clicking the row now selects the picked actor, not the first one.
	GEditor->SelectNone(true, true, true);
	ASSERT_TRUE(StandIn::ClickListRow(PatchView(), 0));
	EXPECT_EQ(SelectedActors(), (TArray<AActor*>{Third}));

	// A renamed actor shows its new label on the combo button at once.
	Third->SetActorLabel(TEXT("Centre"));
	EXPECT_EQ(PatchCell(0, FPatchCols::ColumnID_ActorName), TEXT("Centre"));
	(void)Right;
}

TEST_F(FUEtoGMATest, OnlyActorsWithAPatchAreListedUnderTheirAddress)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard")});
	AddFixture(TEXT("Second"), Spot, 2, 1);
	AddFixture(TEXT("First"), Spot, 1, 2);
	Session->SpawnActor<AActor>(TEXT("Truss"));
	Session->AddDMXComponent(Session->SpawnActor<AActor>(TEXT("Unpatched")), nullptr);
	AActor* NoLabel = AddFixture(TEXT(""), Spot, 7, 300);

	OpenPanel();

	EXPECT_EQ(PatchRows(), (TArray<FShownText>{
		TEXT("1 First | Spot | Standard | 1.2"),
		TEXT("2 Second | Spot | Standard | 2.1"),
		FString::Printf(TEXT("3 %s | Spot | Standard | 7.300"), *NoLabel->GetName()),
	}));
	for (int32 Row = 0; Row < 3; ++Row)
	{
		EXPECT_TRUE(IsPatchRowChecked(Row));
	}
}

TEST_F(FUEtoGMATest, DeletedActorsAndPatchesShowPlaceholdersAfterTheRowsAreRebuilt)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard"), TEXT("Extended"), TEXT("Wide")});
	AActor* Gone = AddFixture(TEXT("Gone"), Spot, 1, 1);
	AActor* Orphan = AddFixture(TEXT("Orphan"), Spot, 1, 11);
	AActor* BadMode = AddFixture(TEXT("Bad Mode"), Spot, 1, 21);
	AActor* NoMode = AddFixture(TEXT("No Mode"), Spot, 1, 31);
	UE::StandIn::SetActiveModeIndexUnchecked(PatchOf(BadMode), 5);
	UE::StandIn::SetActiveModeIndexUnchecked(PatchOf(NoMode), -1);

	OpenPanel();
	EXPECT_EQ(PatchRows(), (TArray<FShownText>{
		TEXT("1 Gone | Spot | Standard | 1.1"),
		TEXT("2 Orphan | Spot | Standard | 1.11"),
		TEXT("3 Bad Mode | Spot | Invalid Mode | 1.21"),
		TEXT("4 No Mode | Spot | None | 1.31"),
	}));

	Session->DestroyActor(Gone);
	Session->DeleteFixturePatch(PatchOf(Orphan));
	// Fixed texts are read when a row is built; a tick of a check box rebuilds every row.
	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 3, FPatchCols::ColumnID_IsSelected));

	EXPECT_EQ(PatchRows(), (TArray<FShownText>{
		TEXT("1 Invalid Actor | Spot | Standard | 1.1"),
		TEXT("2 Orphan | None | None | 0.0"),
		TEXT("3 Bad Mode | Spot | Invalid Mode | 1.21"),
		TEXT("- No Mode | Spot | None | 1.31"),
	}));

	// Selecting the row of a deleted actor leaves the level editor's selection alone.
	GEditor->SelectActor(BadMode, true, false);
	ASSERT_TRUE(StandIn::ClickListRow(PatchView(), 0));
	EXPECT_EQ(SelectedActors(), (TArray<AActor*>{BadMode}));
	ASSERT_TRUE(StandIn::ClickListRow(PatchView(), 2));
	EXPECT_EQ(SelectedActors(), (TArray<AActor*>{BadMode}));
	ASSERT_TRUE(StandIn::ClickListRow(PatchView(), 1));
	EXPECT_EQ(SelectedActors(), (TArray<AActor*>{Orphan}));

	// The next refresh forgets what is gone.
	ASSERT_TRUE(Panel->OnRefreshClicked().IsEventHandled());
	EXPECT_EQ(ActorColumn(), (TArray<FShownText>{TEXT("Bad Mode"), TEXT("No Mode")}));
}

TEST_F(FUEtoGMATest, UncheckedRowsAreGreyedOutExceptTheirCheckBox)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard")});
	AddFixture(TEXT("A"), Spot, 1, 1);
	AddFixture(TEXT("B"), Spot, 1, 1);
	AddFixture(TEXT("C"), Spot, 2, 1);
	OpenPanel();

	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 0, FPatchCols::ColumnID_IsSelected));
	EXPECT_FALSE(IsPatchRowChecked(0));
	for (const FName Column : {FPatchCols::ColumnID_ActorName, FPatchCols::ColumnID_Status, FPatchCols::ColumnID_FixtureID,
		FPatchCols::ColumnID_FixtureType, FPatchCols::ColumnID_Mode, FPatchCols::ColumnID_Patch})
	{
		EXPECT_FALSE(StandIn::IsListCellEnabled(PatchView(), 0, Column)) << *Column.ToString();
		EXPECT_TRUE(StandIn::IsListCellEnabled(PatchView(), 1, Column)) << *Column.ToString();
	}
	EXPECT_TRUE(StandIn::IsListCellEnabled(PatchView(), 0, FPatchCols::ColumnID_IsSelected));
	// The actor combo box of the unchecked row cannot be used.
	EXPECT_FALSE(StandIn::PickListCellComboOption(PatchView(), 0, FPatchCols::ColumnID_ActorName, TEXT("B")));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("-"), TEXT("1")}));

	ASSERT_TRUE(StandIn::ClickListCellCheckBox(PatchView(), 0, FPatchCols::ColumnID_IsSelected));
	EXPECT_TRUE(StandIn::IsListCellEnabled(PatchView(), 0, FPatchCols::ColumnID_ActorName));
	EXPECT_EQ(FixtureIDs(), (TArray<FShownText>{TEXT("1"), TEXT("2")}));
}

TEST_F(FUEtoGMATest, RowsMakeNoCellForAnUnknownColumn)
{
	UDMXEntityFixtureType* Spot = AddType(TEXT("Spot"), {TEXT("Standard")});
	AddFixture(TEXT("A"), Spot, 1, 1);
	OpenPanel();

	const TSharedRef<ITableRow> PatchRow = Panel->OnGenerateRow(Panel->Items[0], Panel->ListView.ToSharedRef());
	EXPECT_EQ(StaticCastSharedRef<SFixturePatchListRow>(PatchRow->AsWidget())->GenerateWidgetForColumn(TEXT("Other")), SNullWidget::NullWidget);
	const TSharedRef<ITableRow> ModeRow = Panel->ModeList->OnGenerateRow(Panel->ModeList->Items[0], Panel->ModeList->ListView.ToSharedRef());
	EXPECT_EQ(StaticCastSharedRef<SFixtureModeListRow>(ModeRow->AsWidget())->GenerateWidgetForColumn(TEXT("Patch")), SNullWidget::NullWidget);
}
