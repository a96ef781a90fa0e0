// How a widget clips its children.
#pragma once

#include "CoreMinimal.h"

enum class EWidgetClipping : uint8
{
	Inherit,
	ClipToBounds,
	ClipToBoundsWithoutIntersecting,
	ClipToBoundsAlways,
	OnDemand,
};
