// The hit-test grid a window builds while painting; the stand-in routes input directly, so it is empty.
#pragma once

#include "CoreMinimal.h"

class FHittestGrid
{
public:
	FHittestGrid()
	{
	}
};
