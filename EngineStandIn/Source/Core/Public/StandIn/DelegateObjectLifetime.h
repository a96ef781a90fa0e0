// Lets delegates bound with CreateUObject/CreateWeakLambda notice that their object was destroyed, as the
// engine's weak object pointers do. CoreUObject installs the provider; without one such bindings stay bound.
#pragma once

#include "HAL/Platform.h"

#include <memory>

namespace UE::StandIn
{
	/** Returns a token that expires when the object at this address is destroyed (empty if unknown). */
	using FObjectLifetimeTokenProvider = std::weak_ptr<const void> (*)(const void* Object);

	CORE_API void SetObjectLifetimeTokenProvider(FObjectLifetimeTokenProvider Provider);
	CORE_API FObjectLifetimeTokenProvider GetObjectLifetimeTokenProvider();
}
