// The stand-in's reading of typed numbers, shared by its number boxes, the details panel's number rows and
// the testing module (never included by plug-in code).
#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	/**
	 * Typed text as the engine's numeric entry reads it: the whole text (spaces around it aside) must be one
	 * finite number; anything else ("", "ten", "nan", "inf", "1e999") is unset, and the entry keeps its value.
	 */
	SLATE_API TOptional<double> ParseTypedNumber(const FString& Text);
}
