// Algo::Sort and friends over contiguous ranges (TArray, TArrayView); unlike TArray::Sort,
// pointers are compared as pointers.
#pragma once

#include "HAL/Platform.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace Algo
{
	template <typename RangeType>
	void Sort(RangeType&& Range)
	{
		auto* First = GetData(Range);
		std::sort(First, First + GetNum(Range));
	}

	template <typename RangeType, typename PredicateType>
	void Sort(RangeType&& Range, PredicateType Predicate)
	{
		auto* First = GetData(Range);
		std::sort(First, First + GetNum(Range), [&Predicate](const auto& A, const auto& B) { return !!std::invoke(Predicate, A, B); });
	}

	template <typename RangeType, typename ProjectionType>
	void SortBy(RangeType&& Range, ProjectionType Projection)
	{
		auto* First = GetData(Range);
		std::sort(First, First + GetNum(Range),
			[&Projection](const auto& A, const auto& B) { return std::invoke(Projection, A) < std::invoke(Projection, B); });
	}

	template <typename RangeType, typename ProjectionType, typename PredicateType>
	void SortBy(RangeType&& Range, ProjectionType Projection, PredicateType Predicate)
	{
		auto* First = GetData(Range);
		std::sort(First, First + GetNum(Range), [&Projection, &Predicate](const auto& A, const auto& B)
			{ return !!std::invoke(Predicate, std::invoke(Projection, A), std::invoke(Projection, B)); });
	}

	template <typename RangeType>
	void StableSort(RangeType&& Range)
	{
		auto* First = GetData(Range);
		std::stable_sort(First, First + GetNum(Range));
	}

	template <typename RangeType, typename PredicateType>
	void StableSort(RangeType&& Range, PredicateType Predicate)
	{
		auto* First = GetData(Range);
		std::stable_sort(First, First + GetNum(Range), [&Predicate](const auto& A, const auto& B) { return !!std::invoke(Predicate, A, B); });
	}

	template <typename RangeType, typename ProjectionType>
	void StableSortBy(RangeType&& Range, ProjectionType Projection)
	{
		auto* First = GetData(Range);
		std::stable_sort(First, First + GetNum(Range),
			[&Projection](const auto& A, const auto& B) { return std::invoke(Projection, A) < std::invoke(Projection, B); });
	}

	template <typename RangeType, typename ProjectionType, typename PredicateType>
	void StableSortBy(RangeType&& Range, ProjectionType Projection, PredicateType Predicate)
	{
		auto* First = GetData(Range);
		std::stable_sort(First, First + GetNum(Range), [&Projection, &Predicate](const auto& A, const auto& B)
			{ return !!std::invoke(Predicate, std::invoke(Projection, A), std::invoke(Projection, B)); });
	}
}
