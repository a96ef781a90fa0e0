// FPaintArgs: what the paint pass hands down besides the geometry.
#pragma once

#include "CoreMinimal.h"
#include "Types/SlateVector2.h"
#include "Input/HittestGrid.h"

class SWidget;

class FPaintArgs
{
public:
	FPaintArgs(const SWidget* PaintParent, FHittestGrid& InRootHittestGrid, UE::Slate::FDeprecateVector2DParameter InWindowOffset, double InCurrentTime, float InDeltaTime)
		: Parent(PaintParent)
		, HittestGrid(&InRootHittestGrid)
		, WindowOffset(InWindowOffset)
		, CurrentTime(InCurrentTime)
		, DeltaTime(InDeltaTime)
	{
	}

	FPaintArgs WithNewParent(const SWidget* PaintParent) const
	{
		FPaintArgs Result(*this);
		Result.Parent = PaintParent;
		return Result;
	}

	const SWidget* GetPaintParent() const { return Parent; }
	FHittestGrid& GetHittestGrid() const { return *HittestGrid; }
	UE::Slate::FDeprecateVector2DResult GetWindowToDesktopTransform() const { return WindowOffset; }
	double GetCurrentTime() const { return CurrentTime; }
	float GetDeltaTime() const { return DeltaTime; }

private:
	const SWidget* Parent;
	FHittestGrid* HittestGrid;
	FVector2f WindowOffset;
	double CurrentTime;
	float DeltaTime;
};
