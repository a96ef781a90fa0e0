// Reading one element of a list a test got back: past the end, the test fails with a message and goes
// on with an empty element, instead of stopping the whole program in a range check.
#pragma once

#include "CoreMinimal.h"

#include <gtest/gtest.h>

#include <vector>

template <typename ElementType>
ElementType At(const TArray<ElementType>& Items, int32 Index)
{
	if (!Items.IsValidIndex(Index))
	{
		ADD_FAILURE() << "element " << Index << " read from a list of " << Items.Num();
		return ElementType();
	}
	return Items[Index];
}

template <typename ElementType>
ElementType At(const std::vector<ElementType>& Items, size_t Index)
{
	if (Index >= Items.size())
	{
		ADD_FAILURE() << "element " << Index << " read from a list of " << Items.size();
		return ElementType();
	}
	return Items[Index];
}
