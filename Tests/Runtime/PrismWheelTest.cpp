#include "ZORPrismWheel.h"

#include "ScopedTransaction.h"
#include "StandInTesting/EditorSession.h"
#include "UObject/Package.h"

#include "PrismWheelFacettes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
	class PrismWheel : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			// Made as the asset factory makes it, so edits are recorded for undo.
			UPackage* Package = CreatePackage(TEXT("/Game/Wheels/PW_Test"));
			Wheel = NewObject<UZORPrismWheel>(Package, TEXT("PW_Test"), RF_Public | RF_Standalone | RF_Transactional);
			ASSERT_NE(Wheel, nullptr);
			for (int32 Index = 0; Index < 6; ++Index)
			{
				Wheel->Facettes.Add(MakeFacette(0.1 + 0.1 * Index, 0.2, 0.05f + 0.01f * Index));
			}
		}

		void ExpectAt(int32 Index, double X, double Y)
		{
			EXPECT_NEAR(Wheel->Facettes[Index].X, X, 1e-9) << "facette " << Index;
			EXPECT_NEAR(Wheel->Facettes[Index].Y, Y, 1e-9) << "facette " << Index;
		}

		void ExpectUntouched(int32 Index)
		{
			ExpectAt(Index, 0.1 + 0.1 * Index, 0.2);
			EXPECT_FLOAT_EQ(Wheel->Facettes[Index].Radius, 0.05f + 0.01f * Index);
		}

		StandIn::FEditorSession Session;
		UZORPrismWheel* Wheel = nullptr;
	};

	constexpr double Pi = 3.14159265358979323846;
}

TEST_F(PrismWheel, RadialSpreadsSelectionEvenlyFromTheStartAngle)
{
	Wheel->SelectedCircles = { 3, 0, 2 };
	Wheel->Radius = 0.25f;
	Wheel->Angles = 90.0f;

	Wheel->UpdateSelectedCirclesRadial();

	// Lowest index first, at the start angle; then every 120 degrees.
	ExpectAt(0, 0.5, 0.75);
	ExpectAt(2, 0.5 + 0.25 * std::cos(210.0 * Pi / 180.0), 0.5 + 0.25 * std::sin(210.0 * Pi / 180.0));
	ExpectAt(3, 0.5 + 0.25 * std::cos(330.0 * Pi / 180.0), 0.5 + 0.25 * std::sin(330.0 * Pi / 180.0));
	ExpectUntouched(1);
	ExpectUntouched(4);
	ExpectUntouched(5);
	// Sizes are not the arrangement's business.
	EXPECT_FLOAT_EQ(Wheel->Facettes[2].Radius, 0.07f);
}

TEST_F(PrismWheel, RadialIgnoresIndicesThatNameNoFacette)
{
	Wheel->SelectedCircles = { 99, 1, -4, 6 };
	Wheel->Radius = 0.4f;
	Wheel->Angles = 0.0f;

	Wheel->UpdateSelectedCirclesRadial();

	ExpectAt(1, 0.5 + double(0.4f), 0.5);
	ExpectUntouched(0);
	ExpectUntouched(5);
	EXPECT_EQ(Wheel->Facettes.Num(), 6);
}

TEST_F(PrismWheel, NothingSelectedMovesNothing)
{
	Wheel->UpdateSelectedCirclesRadial();
	Wheel->UpdateSelectedCirclesMatrix();
	for (int32 Index = 0; Index < 6; ++Index)
	{
		ExpectUntouched(Index);
	}

	UZORPrismWheel* Empty = NewObject<UZORPrismWheel>();
	Empty->SelectedCircles = { 0, 1 };
	Empty->UpdateSelectedCirclesRadial();
	Empty->UpdateSelectedCirclesMatrix();
	EXPECT_TRUE(Empty->Facettes.IsEmpty());
}

TEST_F(PrismWheel, MatrixFillsRowByRowCentredOnTheDisc)
{
	Wheel->SelectedCircles = { 4, 0, 1, 3, 2 };
	Wheel->Cols = 2;
	Wheel->Rows = 2;
	Wheel->ColSpacing = 0.2f;
	Wheel->RowSpacing = 0.1f;

	Wheel->UpdateSelectedCirclesMatrix();

	const double ColSpacing = double(0.2f);
	const double RowSpacing = double(0.1f);
	ExpectAt(0, 0.5 - ColSpacing / 2, 0.5 - RowSpacing / 2);
	ExpectAt(1, 0.5 + ColSpacing / 2, 0.5 - RowSpacing / 2);
	ExpectAt(2, 0.5 - ColSpacing / 2, 0.5 + RowSpacing / 2);
	ExpectAt(3, 0.5 + ColSpacing / 2, 0.5 + RowSpacing / 2);
	// More selected facettes than cells: the rest stay where they are.
	ExpectUntouched(4);
	ExpectUntouched(5);
}

TEST_F(PrismWheel, MatrixSingleRowAndInvalidIndices)
{
	Wheel->SelectedCircles = { 5, 1, 3, 42 };
	Wheel->Cols = 3;
	Wheel->Rows = 1;
	Wheel->ColSpacing = 0.25f;
	Wheel->RowSpacing = 0.9f;

	Wheel->UpdateSelectedCirclesMatrix();

	ExpectAt(1, 0.25, 0.5);
	ExpectAt(3, 0.5, 0.5);
	ExpectAt(5, 0.75, 0.5);
	ExpectUntouched(0);
	ExpectUntouched(2);
	ExpectUntouched(4);
}

TEST_F(PrismWheel, ArrangementsAreUndoneWithTheCallersTransaction)
{
	Wheel->SelectedCircles = { 2, 3 };
	Wheel->Radius = 0.3f;
	Wheel->Cols = 2;
	Wheel->Rows = 1;
	Wheel->ColSpacing = 0.5f;
	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Arrange Radial")));
		Wheel->UpdateSelectedCirclesRadial();
	}
	ExpectAt(2, 0.5 + double(0.3f), 0.5);
	EXPECT_TRUE(Wheel->GetPackage()->IsDirty());
	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Arrange Matrix")));
		Wheel->UpdateSelectedCirclesMatrix();
	}
	ExpectAt(2, 0.25, 0.5);
	ExpectAt(3, 0.75, 0.5);

	ASSERT_TRUE(Session.Undo());
	ExpectAt(2, 0.5 + double(0.3f), 0.5);
	ASSERT_TRUE(Session.Undo());
	for (int32 Index = 0; Index < 6; ++Index)
	{
		ExpectUntouched(Index);
	}
	EXPECT_EQ(Wheel->SelectedCircles.Num(), 2);
	ASSERT_TRUE(Session.Redo());
	ExpectAt(2, 0.5 + double(0.3f), 0.5);
}
