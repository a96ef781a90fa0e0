// FDelegateHandle: identifies one binding, so it can be removed from a multicast delegate later.
#pragma once

#include "HAL/Platform.h"

class FDelegateHandle
{
public:
	enum EGenerateNewHandleType
	{
		GenerateNewHandle
	};

	FDelegateHandle()
		: ID(0)
	{
	}

	explicit FDelegateHandle(EGenerateNewHandleType)
		: ID(GenerateNewID())
	{
	}

	bool IsValid() const
	{
		return ID != 0;
	}

	void Reset()
	{
		ID = 0;
	}

	friend bool operator==(const FDelegateHandle& Lhs, const FDelegateHandle& Rhs)
	{
		return Lhs.ID == Rhs.ID;
	}

	friend bool operator!=(const FDelegateHandle& Lhs, const FDelegateHandle& Rhs)
	{
		return Lhs.ID != Rhs.ID;
	}

	friend uint32 GetTypeHash(const FDelegateHandle& Handle)
	{
		return static_cast<uint32>(Handle.ID) + static_cast<uint32>(Handle.ID >> 32) * 23;
	}

private:
	static CORE_API uint64 GenerateNewID();

	uint64 ID;
};
