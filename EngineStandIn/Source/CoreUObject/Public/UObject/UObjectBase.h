// The lowest layer of the object system.
#pragma once

#include "CoreMinimal.h"

/** True while the object system is up. */
COREUOBJECT_API bool UObjectInitialized();
