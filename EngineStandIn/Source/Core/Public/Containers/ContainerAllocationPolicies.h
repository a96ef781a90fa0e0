// Allocation policies name the storage of the engine's containers; here they only keep the type names.
#pragma once

#include "HAL/Platform.h"

class FDefaultAllocator
{
};

class FHeapAllocator : public FDefaultAllocator
{
};

template <int32 NumInlineElements, typename SecondaryAllocator = FDefaultAllocator>
class TInlineAllocator : public FDefaultAllocator
{
};

template <int32 NumInlineElements>
class TFixedAllocator : public FDefaultAllocator
{
};

class FDefaultSetAllocator
{
};

template <int32 NumInlineElements>
class TInlineSetAllocator : public FDefaultSetAllocator
{
};

/** Whether removing elements may give memory back (5.4 replaces the old bool parameters with it). */
enum class EAllowShrinking : uint8
{
	No,
	Yes
};
