// Forward declarations of the engine's containers (default template arguments live here).
#pragma once

#include "HAL/Platform.h"
#include "Containers/ContainerAllocationPolicies.h"

template <typename T, typename Allocator = FDefaultAllocator>
class TArray;
template <typename T>
class TArrayView;
template <typename T>
using TConstArrayView = TArrayView<const T>;
template <typename ElementType, typename KeyFuncs = void, typename Allocator = FDefaultSetAllocator>
class TSet;
template <typename KeyType, typename ValueType, typename SetAllocator = FDefaultSetAllocator, typename KeyFuncs = void>
class TMap;
template <typename CharType>
class TStringView;
class FString;
typedef TStringView<TCHAR> FStringView;
typedef TStringView<ANSICHAR> FAnsiStringView;
typedef TStringView<WIDECHAR> FWideStringView;
