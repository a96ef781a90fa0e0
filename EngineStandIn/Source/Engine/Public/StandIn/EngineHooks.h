// What the testing module reads from the Engine module.
#pragma once

#include "CoreMinimal.h"

class AActor;

namespace UE::StandIn
{
	/** How often AActor::RerunConstructionScripts ran on the actor. */
	ENGINE_API int32 GetConstructionScriptRuns(const AActor* Actor);
}
