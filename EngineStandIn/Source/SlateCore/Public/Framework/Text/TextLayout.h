// Text layout enumerations.
#pragma once

#include "CoreMinimal.h"

namespace ETextJustify
{
	enum Type : int
	{
		Left,
		Center,
		Right,
		InvariantLeft,
		InvariantRight,
	};
}

enum class ETextTransformPolicy : uint8
{
	None = 0,
	ToLower,
	ToUpper,
};

enum class ETextWrappingPolicy : uint8
{
	DefaultWrapping = 0,
	AllowPerCharacterWrapping,
};

enum class ETextFlowDirection : uint8
{
	Auto = 0,
	LeftToRight,
	RightToLeft,
	Culture,
};
