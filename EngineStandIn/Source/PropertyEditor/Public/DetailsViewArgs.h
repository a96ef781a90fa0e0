// FDetailsViewArgs: how a details view is set up.
#pragma once

#include "CoreMinimal.h"

struct FDetailsViewArgs
{
	/** Share of the width the value column takes. */
	float ColumnWidth = 0.65f;
	/** Smallest width of the value column, in Slate units. */
	float RightColumnMinWidth = 22.f;
};
