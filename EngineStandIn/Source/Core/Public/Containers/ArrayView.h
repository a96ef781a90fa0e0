// TArrayView: a non-owning view of contiguous elements (pointer and count).
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Containers/ContainersFwd.h"
#include "Containers/Array.h"

#include <initializer_list>
#include <type_traits>

template <typename InElementType>
class TArrayView
{
public:
	typedef InElementType ElementType;
	typedef int32 SizeType;

	TArrayView() = default;

	TArrayView(ElementType* InData, int32 InNum)
		: DataPtr(InData)
		, ArrayNum(InNum)
	{
		check(InNum >= 0);
	}

	template <typename OtherElementType, typename AllocatorType,
		typename = std::enable_if_t<std::is_convertible_v<OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(TArray<OtherElementType, AllocatorType>& Other)
		: DataPtr(Other.GetData())
		, ArrayNum(Other.Num())
	{
	}

	template <typename OtherElementType, typename AllocatorType,
		typename = std::enable_if_t<std::is_convertible_v<const OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(const TArray<OtherElementType, AllocatorType>& Other)
		: DataPtr(Other.GetData())
		, ArrayNum(Other.Num())
	{
	}

	template <typename OtherElementType,
		typename = std::enable_if_t<std::is_convertible_v<OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(const TArrayView<OtherElementType>& Other)
		: DataPtr(Other.GetData())
		, ArrayNum(Other.Num())
	{
	}

	// Only valid for the lifetime of the full expression, as with the engine's view of an initializer list.
	TArrayView(std::initializer_list<std::remove_const_t<ElementType>> List)
		: DataPtr(List.begin())
		, ArrayNum(int32(List.size()))
	{
	}

	template <typename OtherElementType, int32 N>
	TArrayView(OtherElementType (&Other)[N])
		: DataPtr(Other)
		, ArrayNum(N)
	{
	}

	ElementType* GetData() const { return DataPtr; }
	int32 Num() const { return ArrayNum; }
	bool IsEmpty() const { return ArrayNum == 0; }
	bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < ArrayNum; }

	ElementType& operator[](int32 Index) const
	{
		if (UNLIKELY(!IsValidIndex(Index)))
		{
			UE::Core::Private::OnInvalidArrayIndex(Index, ArrayNum);
		}
		return DataPtr[Index];
	}
	ElementType& Last(int32 IndexFromTheEnd = 0) const { return (*this)[ArrayNum - IndexFromTheEnd - 1]; }

	TArrayView Slice(int32 Index, int32 InNum) const
	{
		check(InNum >= 0 && Index >= 0 && Index + InNum <= ArrayNum);
		return TArrayView(DataPtr + Index, InNum);
	}
	TArrayView Left(int32 Count) const { return Slice(0, Count < ArrayNum ? (Count > 0 ? Count : 0) : ArrayNum); }

	template <typename ComparisonType>
	bool Contains(const ComparisonType& Item) const
	{
		return Find(Item) != INDEX_NONE;
	}
	template <typename ComparisonType>
	int32 Find(const ComparisonType& Item) const
	{
		for (int32 Index = 0; Index < ArrayNum; ++Index)
		{
			if (DataPtr[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	template <typename PredicateType>
	int32 IndexOfByPredicate(PredicateType Pred) const
	{
		for (int32 Index = 0; Index < ArrayNum; ++Index)
		{
			if (Pred(DataPtr[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	template <typename PredicateType>
	ElementType* FindByPredicate(PredicateType Pred) const
	{
		const int32 Index = IndexOfByPredicate(Pred);
		return Index == INDEX_NONE ? nullptr : DataPtr + Index;
	}

	ElementType* begin() const { return DataPtr; }
	ElementType* end() const { return DataPtr + ArrayNum; }

private:
	ElementType* DataPtr = nullptr;
	int32 ArrayNum = 0;
};

template <typename ElementType>
FORCEINLINE ElementType* GetData(TArrayView<ElementType> View)
{
	return View.GetData();
}
template <typename ElementType>
FORCEINLINE int32 GetNum(TArrayView<ElementType> View)
{
	return View.Num();
}

template <typename ElementType, typename AllocatorType>
TArrayView<ElementType> MakeArrayView(TArray<ElementType, AllocatorType>& Other)
{
	return TArrayView<ElementType>(Other);
}
template <typename ElementType, typename AllocatorType>
TArrayView<const ElementType> MakeArrayView(const TArray<ElementType, AllocatorType>& Other)
{
	return TArrayView<const ElementType>(Other);
}
template <typename ElementType>
TArrayView<ElementType> MakeArrayView(ElementType* Pointer, int32 Size)
{
	return TArrayView<ElementType>(Pointer, Size);
}
