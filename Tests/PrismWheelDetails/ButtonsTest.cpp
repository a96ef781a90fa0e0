#include "PrismWheelDetailsTestHelpers.h"

#include "StandIn/AssetRegistryHooks.h"

#include <cmath>

using ZORTests::FPrismWheelDetailsTest;

namespace
{
	const TCHAR* OverwriteQuestion = TEXT("You have already added facettes. Do you want to overwrite them?");
	const TCHAR* RemoveQuestion = TEXT("Do you want to remove all facettes?");

	TArray<int32> Sorted(const TSet<int32>& Set)
	{
		TArray<int32> Result = Set.Array();
		Result.Sort();
		return Result;
	}
}

TEST_F(FPrismWheelDetailsTest, GenerateOnAnEmptyWheelMakesARingOfSixSelectedFacettesInOneUndoStep)
{
	Wheel->FacetteCount = 6;
	Wheel->FacetteSize = 0.2f;
	Package->SetDirtyFlag(false);

	ASSERT_TRUE(Click(TEXT("Generate")));

	EXPECT_TRUE(StandIn::GetMessageDialogs().IsEmpty()) << "an empty wheel asks nothing";
	ASSERT_EQ(Wheel->Facettes.Num(), 6);
	// Single precision: the ring of radius 0.4 starts at (0.9, 0.5).
	EXPECT_EQ(Wheel->Facettes[0].X, double(0.9f));
	EXPECT_EQ(Wheel->Facettes[0].Y, 0.5);
	for (int32 Index = 0; Index < 6; ++Index)
	{
		SCOPED_TRACE(Index);
		const float Angle = (6.2831855f / 6.0f) * float(Index);
		EXPECT_EQ(Wheel->Facettes[Index].X, double(float(std::cos(Angle) * 0.4f + 0.5f)));
		EXPECT_EQ(Wheel->Facettes[Index].Y, double(float(std::sin(Angle) * 0.4f + 0.5f)));
		EXPECT_EQ(Wheel->Facettes[Index].Radius, 0.1f);
		EXPECT_NEAR(std::hypot(Wheel->Facettes[Index].X - 0.5, Wheel->Facettes[Index].Y - 0.5), 0.4, 1e-6);
	}
	EXPECT_EQ(Sorted(Wheel->SelectedCircles), TArray<int32>({0, 1, 2, 3, 4, 5}));
	EXPECT_TRUE(Package->IsDirty());
	EXPECT_EQ(UE::StandIn::GetAssetCreatedCount(Wheel), 1) << "the content browser is told once";

	const TArray<FString> Titles = UndoTitles();
	ASSERT_EQ(Titles.Num(), 1);
	EXPECT_TRUE(Titles[0].Equals(TEXT("Generate"), ESearchCase::CaseSensitive));

	ASSERT_TRUE(Session->Undo());
	EXPECT_EQ(Wheel->Facettes.Num(), 0);
	EXPECT_EQ(Wheel->SelectedCircles.Num(), 0);
	ASSERT_TRUE(Session->Redo());
	EXPECT_EQ(Wheel->Facettes.Num(), 6);
	EXPECT_EQ(Wheel->SelectedCircles.Num(), 6);
}

TEST_F(FPrismWheelDetailsTest, GenerateRingShrinksToTheCentreAsFacettesGrow)
{
	// Sizes outside the property's range (set in code, not through the panel) still give a ring inside the disc:
	// from a size of 1 on, the ring has shrunk to the centre.
	Wheel->FacetteCount = 3;
	for (const float Size : {1.0f, 1.6f})
	{
		SCOPED_TRACE(Size);
		Wheel->Facettes.Empty();
		Wheel->FacetteSize = Size;
		ASSERT_TRUE(Click(TEXT("Generate")));
		ASSERT_EQ(Wheel->Facettes.Num(), 3);
		for (const FPrismWheelFacette& Facette : Wheel->Facettes)
		{
			EXPECT_EQ(Facette.X, 0.5);
			EXPECT_EQ(Facette.Y, 0.5);
			EXPECT_EQ(Facette.Radius, Size * 0.5f);
		}
	}

	Wheel->Facettes.Empty();
	Wheel->SelectedCircles.Empty();
	Wheel->FacetteCount = 2;
	Wheel->FacetteSize = -0.4f;
	ASSERT_TRUE(Click(TEXT("Generate")));
	ASSERT_EQ(Wheel->Facettes.Num(), 2);
	EXPECT_EQ(Wheel->Facettes[0].X, 1.0) << "a negative size keeps the ring radius at 0.5";
	EXPECT_EQ(Wheel->Facettes[0].Y, 0.5);
}

TEST_F(FPrismWheelDetailsTest, GenerateMakesARingOfTheTypedCountAndNeverMoreThanTheCountsRangeAllows)
{
	// A wheel of 100 facettes: far above the slider's end, well inside the typed range.
	ASSERT_TRUE(Set(TEXT("FacetteCount"), TEXT("100")));
	ASSERT_EQ(Wheel->FacetteCount, 100);
	Wheel->FacetteSize = 0.02f;
	ASSERT_TRUE(Click(TEXT("Generate")));
	ASSERT_EQ(Wheel->Facettes.Num(), 100);
	EXPECT_EQ(Wheel->SelectedCircles.Num(), 100);
	// Even steps of 3.6 degrees on the ring of radius 0.49: the 26th facette sits a quarter turn on.
	EXPECT_NEAR(Wheel->Facettes[25].X, 0.5, 1e-6);
	EXPECT_NEAR(Wheel->Facettes[25].Y, 0.99, 1e-6);
	EXPECT_NEAR(Wheel->Facettes[99].X, 0.5 + 0.49 * std::cos(2.0 * 3.14159265358979 * 0.99), 1e-6);
	EXPECT_NEAR(Wheel->Facettes[99].Y, 0.5 + 0.49 * std::sin(2.0 * 3.14159265358979 * 0.99), 1e-6);

	// Set by a script, around the details panel's range: a runaway count is capped, not allocated.
	Wheel->FacetteCount = 1000000;
	StandIn::AnswerNextMessageDialog(EAppReturnType::Yes);
	ASSERT_TRUE(Click(TEXT("Generate")));
	EXPECT_EQ(Wheel->Facettes.Num(), 1000);
	EXPECT_EQ(Wheel->SelectedCircles.Num(), 1000);
}

TEST_F(FPrismWheelDetailsTest, GenerateWithNoFacetteCountAddsNothingButMarksTheAssetDirty)
{
	Wheel->FacetteCount = 0;
	Package->SetDirtyFlag(false);
	ASSERT_TRUE(Click(TEXT("Generate")));
	EXPECT_EQ(Wheel->Facettes.Num(), 0);
	EXPECT_TRUE(Package->IsDirty());

	// Yes to the overwrite question with nothing to generate leaves no facette at all.
	AddFacettes(3);
	StandIn::AnswerNextMessageDialog(EAppReturnType::Yes);
	ASSERT_TRUE(Click(TEXT("Generate")));
	EXPECT_EQ(Wheel->Facettes.Num(), 0);
	EXPECT_EQ(Wheel->SelectedCircles.Num(), 0);
}

TEST_F(FPrismWheelDetailsTest, GenerateOverAnExistingWheelAsksAndFollowsTheAnswer)
{
	Wheel->FacetteCount = 4;
	Wheel->FacetteSize = 0.2f;
	AddFacettes(1);
	Wheel->SelectedCircles = {0};

	// Cancel: nothing changes.
	StandIn::AnswerNextMessageDialog(EAppReturnType::Cancel);
	ASSERT_TRUE(Click(TEXT("Generate")));
	{
		const TArray<StandIn::FMessageDialogRecord> Dialogs = StandIn::GetMessageDialogs();
		ASSERT_EQ(Dialogs.Num(), 1);
		EXPECT_EQ(Dialogs[0].MessageType, EAppMsgType::YesNoCancel);
		EXPECT_TRUE(Dialogs[0].Message.Equals(OverwriteQuestion, ESearchCase::CaseSensitive)) << Utf8(Dialogs[0].Message);
	}
	EXPECT_EQ(Wheel->Facettes.Num(), 1);
	EXPECT_EQ(Sorted(Wheel->SelectedCircles), TArray<int32>({0}));
	EXPECT_TRUE(UndoTitles().IsEmpty()) << "a transaction that recorded nothing is no undo step";

	// No: the ring is appended and only the new facettes are selected.
	StandIn::AnswerNextMessageDialog(EAppReturnType::No);
	ASSERT_TRUE(Click(TEXT("Generate")));
	ASSERT_EQ(Wheel->Facettes.Num(), 5);
	EXPECT_DOUBLE_EQ(Wheel->Facettes[0].X, 0.2);
	EXPECT_EQ(Wheel->Facettes[1].X, double(0.9f));
	EXPECT_EQ(Sorted(Wheel->SelectedCircles), TArray<int32>({1, 2, 3, 4}));
	EXPECT_TRUE(UndoTitles().Last().Equals(TEXT("Generate"), ESearchCase::CaseSensitive));

	// Yes: the ring replaces everything.
	StandIn::AnswerNextMessageDialog(EAppReturnType::Yes);
	ASSERT_TRUE(Click(TEXT("Generate")));
	ASSERT_EQ(Wheel->Facettes.Num(), 4);
	EXPECT_EQ(Wheel->Facettes[0].X, double(0.9f));
	EXPECT_EQ(Sorted(Wheel->SelectedCircles), TArray<int32>({0, 1, 2, 3}));

	// Each answered edit is its own undo step: undoing Yes brings back the appended wheel, undoing No the first one.
	ASSERT_TRUE(Session->Undo());
	EXPECT_EQ(Wheel->Facettes.Num(), 5);
	EXPECT_EQ(Sorted(Wheel->SelectedCircles), TArray<int32>({1, 2, 3, 4}));
	ASSERT_TRUE(Session->Undo());
	EXPECT_EQ(Wheel->Facettes.Num(), 1);
	EXPECT_EQ(Sorted(Wheel->SelectedCircles), TArray<int32>({0}));
	EXPECT_FALSE(Session->Undo());
}

TEST_F(FPrismWheelDetailsTest, AnUnansweredOverwriteQuestionChangesNothing)
{
	AddFacettes(3);
	ASSERT_TRUE(Click(TEXT("Generate")));
	const TArray<StandIn::FMessageDialogRecord> Dialogs = StandIn::GetMessageDialogs();
	ASSERT_EQ(Dialogs.Num(), 1);
	EXPECT_FALSE(Dialogs[0].bAnswered);
	EXPECT_EQ(Wheel->Facettes.Num(), 3);
}

TEST_F(FPrismWheelDetailsTest, ClearAllAsksAndEmptiesTheWheelInOneUndoStep)
{
	AddFacettes(4);
	Wheel->SelectedCircles = {1, 3};
	Package->SetDirtyFlag(false);
	Session->ClearLog();

	StandIn::AnswerNextMessageDialog(EAppReturnType::No);
	ASSERT_TRUE(Click(TEXT("Clear all")));
	EXPECT_EQ(Wheel->Facettes.Num(), 4);
	EXPECT_EQ(Wheel->SelectedCircles.Num(), 2);
	EXPECT_FALSE(Package->IsDirty());
	EXPECT_TRUE(Session->HasLogLine(TEXT("Clear All Facettes!"), ELogVerbosity::Log));
	EXPECT_TRUE(UndoTitles().IsEmpty());

	StandIn::AnswerNextMessageDialog(EAppReturnType::Yes);
	ASSERT_TRUE(Click(TEXT("Clear all")));
	const TArray<StandIn::FMessageDialogRecord> Dialogs = StandIn::GetMessageDialogs();
	ASSERT_EQ(Dialogs.Num(), 2);
	EXPECT_EQ(Dialogs[1].MessageType, EAppMsgType::YesNo);
	EXPECT_TRUE(Dialogs[1].Message.Equals(RemoveQuestion, ESearchCase::CaseSensitive)) << Utf8(Dialogs[1].Message);
	EXPECT_EQ(Wheel->Facettes.Num(), 0);
	EXPECT_EQ(Wheel->SelectedCircles.Num(), 0);
	EXPECT_TRUE(Package->IsDirty());
	EXPECT_EQ(UE::StandIn::GetAssetCreatedCount(Wheel), 1) << "only the answer Yes tells the content browser";

	const TArray<FString> Titles = UndoTitles();
	ASSERT_EQ(Titles.Num(), 1);
	EXPECT_TRUE(Titles[0].Equals(TEXT("Clear all"), ESearchCase::CaseSensitive));
	ASSERT_TRUE(Session->Undo());
	EXPECT_EQ(Wheel->Facettes.Num(), 4);
	EXPECT_EQ(Sorted(Wheel->SelectedCircles), TArray<int32>({1, 3}));

	// Clearing the emptied wheel changes nothing: no step, and the undone one can still be redone.
	ASSERT_TRUE(Session->Redo());
	ASSERT_TRUE(Click(TEXT("Clear all")));
	EXPECT_EQ(UndoTitles().Num(), 1);
	ASSERT_TRUE(Session->Undo());
	StandIn::AnswerNextMessageDialog(EAppReturnType::No);
	ASSERT_TRUE(Click(TEXT("Clear all")));
	EXPECT_TRUE(UndoTitles().IsEmpty());
	EXPECT_TRUE(Session->Redo()) << "a step that recorded nothing keeps the redo list";
	EXPECT_EQ(Wheel->Facettes.Num(), 0);
}

TEST_F(FPrismWheelDetailsTest, ClearAllOnAnEmptyWheelAsksNothingAndStillLogs)
{
	Session->ClearLog();
	ASSERT_TRUE(Click(TEXT("Clear all")));
	EXPECT_TRUE(StandIn::GetMessageDialogs().IsEmpty());
	EXPECT_EQ(Wheel->Facettes.Num(), 0);
	EXPECT_TRUE(Session->HasLogLine(TEXT("Clear All Facettes!"), ELogVerbosity::Log));
	EXPECT_FALSE(GEditor->IsTransactionActive()) << "the transaction is closed in every case";
	EXPECT_TRUE(UndoTitles().IsEmpty());
}
