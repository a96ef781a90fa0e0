#include "PrismWheelDetailsTestHelpers.h"

#include <cmath>

using ZORTests::FPrismWheelDetailsTest;

namespace
{
	struct FPosition
	{
		double X;
		double Y;
	};

	TArray<FPosition> Positions(const UZORPrismWheel* Wheel)
	{
		TArray<FPosition> Result;
		for (const FPrismWheelFacette& Facette : Wheel->Facettes)
		{
			Result.Add({Facette.X, Facette.Y});
		}
		return Result;
	}

	bool SamePositions(const TArray<FPosition>& A, const TArray<FPosition>& B)
	{
		if (A.Num() != B.Num())
		{
			return false;
		}
		for (int32 Index = 0; Index < A.Num(); ++Index)
		{
			if (A[Index].X != B[Index].X || A[Index].Y != B[Index].Y)
			{
				return false;
			}
		}
		return true;
	}
}

TEST_F(FPrismWheelDetailsTest, FacetteSizeResizesEveryFacetteWhenSameSizeIsOn)
{
	AddFacettes(3);
	Wheel->bSameSize = true;
	Session->ClearLog();

	ASSERT_TRUE(Set(TEXT("FacetteSize"), TEXT("0.3")));
	EXPECT_EQ(Wheel->FacetteSize, 0.3f);
	for (const FPrismWheelFacette& Facette : Wheel->Facettes)
	{
		EXPECT_EQ(Facette.Radius, 0.3f * 0.5f);
	}
	EXPECT_TRUE(Session->HasLogLine(TEXT("SelectedCircles  0.150000"), ELogVerbosity::Warning));

	// The resize belongs to the edit's undo step.
	ASSERT_FALSE(UndoTitles().IsEmpty());
	EXPECT_TRUE(UndoTitles().Last().Equals(TEXT("Set Facette Size"), ESearchCase::CaseSensitive)) << Utf8(UndoTitles().Last());
	ASSERT_TRUE(Session->Undo());
	EXPECT_EQ(Wheel->FacetteSize, 0.2f);
	EXPECT_EQ(Wheel->Facettes[0].Radius, 0.05f);
}

TEST_F(FPrismWheelDetailsTest, FacetteSizeResizesOnlyTheSelectionWhenSameSizeIsOff)
{
	AddFacettes(4);
	Wheel->bSameSize = false;
	Wheel->SelectedCircles = {1, 3};

	ASSERT_TRUE(Set(TEXT("FacetteSize"), TEXT("0.4")));
	EXPECT_EQ(Wheel->Facettes[0].Radius, 0.05f);
	EXPECT_EQ(Wheel->Facettes[1].Radius, 0.2f);
	EXPECT_EQ(Wheel->Facettes[2].Radius, 0.05f);
	EXPECT_EQ(Wheel->Facettes[3].Radius, 0.2f);

	// Nothing selected: no facette changes, but the warning is still logged.
	Wheel->SelectedCircles.Empty();
	Session->ClearLog();
	ASSERT_TRUE(Set(TEXT("FacetteSize"), TEXT("0.1")));
	EXPECT_EQ(Wheel->Facettes[1].Radius, 0.2f);
	EXPECT_TRUE(Session->HasLogLine(TEXT("SelectedCircles  0.050000"), ELogVerbosity::Warning));
}

TEST_F(FPrismWheelDetailsTest, AStaleSelectedIndexIsSkippedOnResize)
{
	AddFacettes(2);
	Wheel->bSameSize = false;
	Wheel->SelectedCircles = {1, 7, -1};

	ASSERT_TRUE(Set(TEXT("FacetteSize"), TEXT("0.5")));
	ASSERT_EQ(Wheel->Facettes.Num(), 2);
	EXPECT_EQ(Wheel->Facettes[0].Radius, 0.05f);
	EXPECT_EQ(Wheel->Facettes[1].Radius, 0.25f);
}

TEST_F(FPrismWheelDetailsTest, SizesAndCountsTypedOutOfRangeAreClampedByThePanel)
{
	Wheel->bSameSize = true;
	AddFacettes(1);

	ASSERT_TRUE(Set(TEXT("FacetteSize"), TEXT("5")));
	EXPECT_EQ(Wheel->FacetteSize, 1.0f);
	EXPECT_EQ(Wheel->Facettes[0].Radius, 0.5f);
	ASSERT_TRUE(Set(TEXT("FacetteSize"), TEXT("-2")));
	EXPECT_EQ(Wheel->FacetteSize, 0.01f);

	// A huge count cannot make Generate allocate without bound.
	ASSERT_TRUE(Set(TEXT("FacetteCount"), TEXT("100000000")));
	EXPECT_EQ(Wheel->FacetteCount, 1000);
	ASSERT_TRUE(Set(TEXT("FacetteCount"), TEXT("-3")));
	EXPECT_EQ(Wheel->FacetteCount, 0);
	ASSERT_TRUE(Set(TEXT("FacetteSize"), TEXT("1e300")));
	EXPECT_EQ(Wheel->FacetteSize, 1.0f);

	// Text that is not a finite number changes nothing and opens no undo step, as the number box refuses it.
	const int32 UndoSteps = UndoTitles().Num();
	for (const TCHAR* Typed : {TEXT("many"), TEXT("nan"), TEXT("inf"), TEXT("-inf"), TEXT("1e999")})
	{
		for (const TCHAR* Property : {TEXT("FacetteCount"), TEXT("FacetteSize"), TEXT("Radius")})
		{
			FString Error;
			EXPECT_FALSE(StandIn::SetDetailsProperty(*DetailsView, Property, Typed, Error)) << Utf8(Typed);
			EXPECT_FALSE(Error.IsEmpty());
		}
	}
	EXPECT_EQ(Wheel->FacetteCount, 0);
	EXPECT_EQ(Wheel->FacetteSize, 1.0f);
	EXPECT_EQ(Wheel->Radius, 0.3f);
	EXPECT_EQ(Wheel->Facettes[0].Radius, 0.5f);
	EXPECT_EQ(UndoTitles().Num(), UndoSteps);
}

TEST_F(FPrismWheelDetailsTest, RadialPropertiesRearrangeTheSelectionOnEveryChange)
{
	AddFacettes(4);
	Wheel->SelectedCircles = {0, 1, 2, 3};

	ASSERT_TRUE(Set(TEXT("Radius"), TEXT("0.25")));
	for (const FPrismWheelFacette& Facette : Wheel->Facettes)
	{
		EXPECT_NEAR(std::hypot(Facette.X - 0.5, Facette.Y - 0.5), 0.25, 1e-9);
	}
	EXPECT_NEAR(Wheel->Facettes[0].X, 0.75, 1e-9);

	ASSERT_TRUE(Set(TEXT("Angles"), TEXT("90")));
	EXPECT_NEAR(Wheel->Facettes[0].X, 0.5, 1e-9);
	EXPECT_NEAR(Wheel->Facettes[0].Y, 0.75, 1e-9);
}

TEST_F(FPrismWheelDetailsTest, MatrixPropertiesRearrangeTheSelectionOnEveryChange)
{
	AddFacettes(4);
	Wheel->SelectedCircles = {0, 1, 2, 3};
	Wheel->ColSpacing = 0.2f;
	Wheel->RowSpacing = 0.2f;

	ASSERT_TRUE(Set(TEXT("Cols"), TEXT("2")));
	// A 2 x 3 grid centred on the disc, row by row.
	EXPECT_NEAR(Wheel->Facettes[0].X, 0.4, 1e-6);
	EXPECT_NEAR(Wheel->Facettes[1].X, 0.6, 1e-6);
	EXPECT_NEAR(Wheel->Facettes[2].X, 0.4, 1e-6);
	EXPECT_NEAR(Wheel->Facettes[0].Y, 0.3, 1e-6);
	EXPECT_NEAR(Wheel->Facettes[2].Y, 0.5, 1e-6);

	const TCHAR* Others[] = {TEXT("Rows"), TEXT("ColSpacing"), TEXT("RowSpacing")};
	const TCHAR* Values[] = {TEXT("2"), TEXT("0.3"), TEXT("0.1")};
	for (int32 Index = 0; Index < 3; ++Index)
	{
		SCOPED_TRACE(Utf8(Others[Index]));
		const TArray<FPosition> Before = Positions(Wheel);
		ASSERT_TRUE(Set(Others[Index], Values[Index]));
		EXPECT_FALSE(SamePositions(Before, Positions(Wheel)));
	}
	EXPECT_NEAR(Wheel->Facettes[1].X, 0.65, 1e-6);
	EXPECT_NEAR(Wheel->Facettes[3].Y, 0.55, 1e-6);
}

TEST_F(FPrismWheelDetailsTest, CountSameSizeAndBeamAddMoveNothing)
{
	Wheel->Facettes = {MakeFacette(0.1, 0.1, 0.05f), MakeFacette(0.9, 0.9, 0.07f)};
	Wheel->SelectedCircles = {0, 1};
	const TArray<FPosition> Before = Positions(Wheel);
	Session->ClearLog();

	ASSERT_TRUE(Set(TEXT("FacetteCount"), TEXT("9")));
	ASSERT_TRUE(Set(TEXT("bSameSize"), TEXT("False")));
	ASSERT_TRUE(Set(TEXT("BeamAdd"), TEXT("0.5")));

	EXPECT_TRUE(SamePositions(Before, Positions(Wheel)));
	EXPECT_EQ(Wheel->Facettes[0].Radius, 0.05f);
	EXPECT_EQ(Wheel->Facettes[1].Radius, 0.07f);
	EXPECT_FALSE(Session->HasLogLine(TEXT("SelectedCircles"), ELogVerbosity::Warning));
	EXPECT_EQ(Wheel->FacetteCount, 9);
	EXPECT_FALSE(Wheel->bSameSize);
	EXPECT_EQ(Wheel->BeamAdd, 0.5f);
}

TEST_F(FPrismWheelDetailsTest, ARebuiltPanelReactsOncePerChange)
{
	AddFacettes(2);
	Wheel->bSameSize = true;
	DetailsView->ForceRefresh();
	DetailsView->ForceRefresh();
	Session->ClearLog();

	ASSERT_TRUE(Set(TEXT("FacetteSize"), TEXT("0.3")));
	int32 Warnings = 0;
	for (const StandIn::FLogLine& Line : Session->GetLogLines())
	{
		if (Line.Message.Contains(TEXT("SelectedCircles  "), ESearchCase::CaseSensitive))
		{
			++Warnings;
		}
	}
	EXPECT_EQ(Warnings, 1);
}
