// FGuid: a 128-bit identifier in four 32-bit words.
#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"

struct FGuid
{
	uint32 A = 0;
	uint32 B = 0;
	uint32 C = 0;
	uint32 D = 0;

	constexpr FGuid() = default;

	constexpr FGuid(uint32 InA, uint32 InB, uint32 InC, uint32 InD)
		: A(InA)
		, B(InB)
		, C(InC)
		, D(InD)
	{
	}

	bool IsValid() const
	{
		return (A | B | C | D) != 0;
	}

	/** 32 hexadecimal digits, the engine's default form. */
	FString ToString() const
	{
		return FString::Printf(TEXT("%08X%08X%08X%08X"), A, B, C, D);
	}

	friend bool operator==(const FGuid& X, const FGuid& Y)
	{
		return X.A == Y.A && X.B == Y.B && X.C == Y.C && X.D == Y.D;
	}

	friend bool operator!=(const FGuid& X, const FGuid& Y)
	{
		return !(X == Y);
	}
};
