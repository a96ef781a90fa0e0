#include "ZORPrismWheel.h"

namespace
{
	constexpr double DiscCentre = 0.5;
}

TArray<int32> UZORPrismWheel::GetValidSelectionSorted() const
{
	TArray<int32> Indices;
	Indices.Reserve(SelectedCircles.Num());
	for (const int32 Index : SelectedCircles)
	{
		// The canvas keeps the selection valid; a stale index must not take the editor down.
		if (Facettes.IsValidIndex(Index))
		{
			Indices.Add(Index);
		}
	}
	Indices.Sort();
	return Indices;
}

void UZORPrismWheel::UpdateSelectedCirclesRadial()
{
	// Runs inside the caller's transaction.
	Modify();

	const TArray<int32> Indices = GetValidSelectionSorted();
	const int32 Count = Indices.Num();
	for (int32 Step = 0; Step < Count; ++Step)
	{
		const double AngleRad = FMath::DegreesToRadians(double(Angles) + 360.0 * double(Step) / double(Count));
		FPrismWheelFacette& Facette = Facettes[Indices[Step]];
		Facette.X = DiscCentre + double(Radius) * FMath::Cos(AngleRad);
		Facette.Y = DiscCentre + double(Radius) * FMath::Sin(AngleRad);
	}
}

void UZORPrismWheel::UpdateSelectedCirclesMatrix()
{
	// Runs inside the caller's transaction.
	Modify();

	if (Cols <= 0 || Rows <= 0)
	{
		return;
	}

	// Cell (0, 0) is the top-left one; the whole grid is centred, whether or not every cell is used.
	const double Left = DiscCentre - 0.5 * double(Cols - 1) * double(ColSpacing);
	const double Top = DiscCentre - 0.5 * double(Rows - 1) * double(RowSpacing);

	const TArray<int32> Indices = GetValidSelectionSorted();
	// Facettes beyond the grid's cells stay where they are.
	const int32 Count = FMath::Min(Indices.Num(), Cols * Rows);
	for (int32 Cell = 0; Cell < Count; ++Cell)
	{
		const int32 Col = Cell % Cols;
		const int32 Row = Cell / Cols;
		FPrismWheelFacette& Facette = Facettes[Indices[Cell]];
		Facette.X = Left + double(Col) * double(ColSpacing);
		Facette.Y = Top + double(Row) * double(RowSpacing);
	}
}
