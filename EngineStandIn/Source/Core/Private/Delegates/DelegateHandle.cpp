#include "Delegates/IDelegateInstance.h"
#include "StandIn/DelegateObjectLifetime.h"

uint64 FDelegateHandle::GenerateNewID()
{
	static uint64 NextID = 1;
	return NextID++;
}

namespace UE::StandIn
{
	static FObjectLifetimeTokenProvider GObjectLifetimeTokenProvider = nullptr;

	void SetObjectLifetimeTokenProvider(FObjectLifetimeTokenProvider Provider)
	{
		GObjectLifetimeTokenProvider = Provider;
	}

	FObjectLifetimeTokenProvider GetObjectLifetimeTokenProvider()
	{
		return GObjectLifetimeTokenProvider;
	}
}
