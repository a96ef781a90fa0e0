// Placing a child inside the space its slot gives it: padding, then alignment.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"

struct AlignmentArrangeResult
{
	AlignmentArrangeResult(float InOffset, float InSize)
		: Offset(InOffset)
		, Size(InSize)
	{
	}

	float Offset;
	float Size;
};

/** Along one axis: Alignment 0 fills, 1 starts, 2 centres, 3 ends (the H/V enums share these values). */
inline AlignmentArrangeResult AlignChildAlongAxis(float AllottedSize, float ChildDesiredSize, float PadStart, float PadEnd, int32 Alignment)
{
	const float Available = FMath::Max(0.f, AllottedSize - PadStart - PadEnd);
	const float ChildSize = Alignment == 0 ? Available : FMath::Min(ChildDesiredSize, Available);
	switch (Alignment)
	{
	case 2:
		return AlignmentArrangeResult(PadStart + (Available - ChildSize) * 0.5f, ChildSize);
	case 3:
		return AlignmentArrangeResult(PadStart + Available - ChildSize, ChildSize);
	default:
		return AlignmentArrangeResult(PadStart, ChildSize);
	}
}

template <EOrientation Orientation>
AlignmentArrangeResult AlignChild(float AllottedSize, float ChildDesiredSize, const FMargin& SlotPadding, int32 Alignment)
{
	if (Orientation == Orient_Horizontal)
	{
		return AlignChildAlongAxis(AllottedSize, ChildDesiredSize, SlotPadding.Left, SlotPadding.Right, Alignment);
	}
	return AlignChildAlongAxis(AllottedSize, ChildDesiredSize, SlotPadding.Top, SlotPadding.Bottom, Alignment);
}
