// TArray: the engine's dynamic array (int32 indices, bounds-checked access, value semantics).
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Templates/TypeHash.h"
#include "Containers/ContainersFwd.h"
#include "Containers/ContainerAllocationPolicies.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <vector>

namespace UE::Core::Private
{
	[[noreturn]] CORE_API void OnInvalidArrayIndex(int32 Index, int32 Num);
	[[noreturn]] CORE_API void OnInvalidArrayNum(int32 Num);

	/** bool stored in a struct, so TArray<bool> never meets std::vector<bool>. */
	struct FArrayBoolSlot
	{
		bool Value;
		FArrayBoolSlot() : Value(false) {}
		FArrayBoolSlot(bool InValue) : Value(InValue) {}
	};

	template <typename T>
	using TArrayStorage = std::conditional_t<std::is_same_v<std::remove_cv_t<T>, bool>, FArrayBoolSlot, T>;
}

template <typename InElementType, typename InAllocatorType>
class TArray
{
	template <typename OtherElementType, typename OtherAllocatorType>
	friend class TArray;

	using StorageType = UE::Core::Private::TArrayStorage<InElementType>;

public:
	typedef InElementType ElementType;
	typedef InAllocatorType AllocatorType;
	typedef int32 SizeType;

	TArray() = default;
	TArray(const TArray&) = default;
	TArray(TArray&&) = default;
	TArray& operator=(const TArray&) = default;
	TArray& operator=(TArray&& Other) = default;

	TArray(std::initializer_list<InElementType> InitList)
	{
		Append(InitList);
	}

	TArray(const ElementType* Ptr, int32 Count)
	{
		Append(Ptr, Count);
	}

	template <typename OtherAllocator, typename = std::enable_if_t<!std::is_same_v<OtherAllocator, InAllocatorType>>>
	TArray(const TArray<ElementType, OtherAllocator>& Other)
		: Data(Other.Data)
	{
	}

	template <typename OtherAllocator, typename = std::enable_if_t<!std::is_same_v<OtherAllocator, InAllocatorType>>>
	TArray(TArray<ElementType, OtherAllocator>&& Other)
		: Data(std::move(Other.Data))
	{
	}

	template <typename OtherAllocator, typename = std::enable_if_t<!std::is_same_v<OtherAllocator, InAllocatorType>>>
	TArray& operator=(const TArray<ElementType, OtherAllocator>& Other)
	{
		Data = Other.Data;
		return *this;
	}

	TArray& operator=(std::initializer_list<InElementType> InitList)
	{
		Empty(int32(InitList.size()));
		Append(InitList);
		return *this;
	}

	// Access

	FORCEINLINE ElementType* GetData() { return reinterpret_cast<ElementType*>(Data.data()); }
	FORCEINLINE const ElementType* GetData() const { return reinterpret_cast<const ElementType*>(Data.data()); }
	FORCEINLINE int32 Num() const { return int32(Data.size()); }
	FORCEINLINE int32 Max() const { return int32(Data.capacity()); }
	FORCEINLINE int32 GetSlack() const { return Max() - Num(); }
	FORCEINLINE bool IsEmpty() const { return Data.empty(); }
	FORCEINLINE bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Num(); }
	FORCEINLINE SIZE_T GetAllocatedSize() const { return Data.capacity() * sizeof(ElementType); }
	FORCEINLINE static constexpr uint32 GetTypeSize() { return sizeof(ElementType); }

	FORCEINLINE void RangeCheck(int32 Index) const
	{
		if (UNLIKELY(!IsValidIndex(Index)))
		{
			UE::Core::Private::OnInvalidArrayIndex(Index, Num());
		}
	}

	FORCEINLINE ElementType& operator[](int32 Index)
	{
		RangeCheck(Index);
		return GetData()[Index];
	}
	FORCEINLINE const ElementType& operator[](int32 Index) const
	{
		RangeCheck(Index);
		return GetData()[Index];
	}

	ElementType& Last(int32 IndexFromTheEnd = 0) { return (*this)[Num() - IndexFromTheEnd - 1]; }
	const ElementType& Last(int32 IndexFromTheEnd = 0) const { return (*this)[Num() - IndexFromTheEnd - 1]; }
	ElementType& Top() { return Last(); }
	const ElementType& Top() const { return Last(); }

	ElementType Pop(EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		RangeCheck(0);
		ElementType Result = std::move(Last());
		RemoveAt(Num() - 1, 1, AllowShrinking);
		return Result;
	}
	ElementType Pop(bool bAllowShrinking)
	{
		return Pop(bAllowShrinking ? EAllowShrinking::Yes : EAllowShrinking::No);
	}

	void Push(const ElementType& Item) { Add(Item); }
	void Push(ElementType&& Item) { Add(std::move(Item)); }

	// Search

	int32 Find(const ElementType& Item) const
	{
		const ElementType* Start = GetData();
		for (int32 Index = 0; Index < Num(); ++Index)
		{
			if (Start[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	bool Find(const ElementType& Item, int32& Index) const
	{
		Index = Find(Item);
		return Index != INDEX_NONE;
	}
	int32 FindLast(const ElementType& Item) const
	{
		for (int32 Index = Num() - 1; Index >= 0; --Index)
		{
			if (GetData()[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	bool FindLast(const ElementType& Item, int32& Index) const
	{
		Index = FindLast(Item);
		return Index != INDEX_NONE;
	}
	template <typename PredicateType>
	int32 FindLastByPredicate(PredicateType Pred) const
	{
		for (int32 Index = Num() - 1; Index >= 0; --Index)
		{
			if (Pred(GetData()[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	template <typename KeyType>
	int32 IndexOfByKey(const KeyType& Key) const
	{
		for (int32 Index = 0; Index < Num(); ++Index)
		{
			if (GetData()[Index] == Key)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	template <typename PredicateType>
	int32 IndexOfByPredicate(PredicateType Pred) const
	{
		for (int32 Index = 0; Index < Num(); ++Index)
		{
			if (Pred(GetData()[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	template <typename KeyType>
	ElementType* FindByKey(const KeyType& Key)
	{
		const int32 Index = IndexOfByKey(Key);
		return Index == INDEX_NONE ? nullptr : GetData() + Index;
	}
	template <typename KeyType>
	const ElementType* FindByKey(const KeyType& Key) const
	{
		const int32 Index = IndexOfByKey(Key);
		return Index == INDEX_NONE ? nullptr : GetData() + Index;
	}
	template <typename PredicateType>
	ElementType* FindByPredicate(PredicateType Pred)
	{
		const int32 Index = IndexOfByPredicate(Pred);
		return Index == INDEX_NONE ? nullptr : GetData() + Index;
	}
	template <typename PredicateType>
	const ElementType* FindByPredicate(PredicateType Pred) const
	{
		const int32 Index = IndexOfByPredicate(Pred);
		return Index == INDEX_NONE ? nullptr : GetData() + Index;
	}
	template <typename PredicateType>
	TArray FilterByPredicate(PredicateType Pred) const
	{
		TArray Result;
		for (const ElementType& Element : *this)
		{
			if (Pred(Element))
			{
				Result.Add(Element);
			}
		}
		return Result;
	}
	template <typename ComparisonType>
	bool Contains(const ComparisonType& Item) const
	{
		for (const ElementType& Element : *this)
		{
			if (Element == Item)
			{
				return true;
			}
		}
		return false;
	}
	template <typename PredicateType>
	bool ContainsByPredicate(PredicateType Pred) const
	{
		return IndexOfByPredicate(Pred) != INDEX_NONE;
	}

	// Adding

	int32 Add(const ElementType& Item)
	{
		Data.push_back(StorageType(Item));
		return Num() - 1;
	}
	int32 Add(ElementType&& Item)
	{
		Data.push_back(StorageType(std::move(Item)));
		return Num() - 1;
	}
	ElementType& Add_GetRef(const ElementType& Item)
	{
		const int32 Index = Add(Item);
		return GetData()[Index];
	}
	ElementType& Add_GetRef(ElementType&& Item)
	{
		const int32 Index = Add(std::move(Item));
		return GetData()[Index];
	}
	template <typename... ArgsType>
	int32 Emplace(ArgsType&&... Args)
	{
		if constexpr (std::is_same_v<StorageType, ElementType>)
		{
			Data.emplace_back(std::forward<ArgsType>(Args)...);
		}
		else
		{
			Data.emplace_back(ElementType(std::forward<ArgsType>(Args)...));
		}
		return Num() - 1;
	}
	template <typename... ArgsType>
	ElementType& Emplace_GetRef(ArgsType&&... Args)
	{
		const int32 Index = Emplace(std::forward<ArgsType>(Args)...);
		return GetData()[Index];
	}
	template <typename... ArgsType>
	void EmplaceAt(int32 Index, ArgsType&&... Args)
	{
		CheckInsertIndex(Index);
		Data.insert(Data.begin() + Index, StorageType(ElementType(std::forward<ArgsType>(Args)...)));
	}
	template <typename... ArgsType>
	ElementType& EmplaceAt_GetRef(int32 Index, ArgsType&&... Args)
	{
		EmplaceAt(Index, std::forward<ArgsType>(Args)...);
		return GetData()[Index];
	}
	int32 AddUnique(const ElementType& Item)
	{
		const int32 Index = Find(Item);
		return Index != INDEX_NONE ? Index : Add(Item);
	}
	int32 AddUnique(ElementType&& Item)
	{
		const int32 Index = Find(Item);
		return Index != INDEX_NONE ? Index : Add(std::move(Item));
	}
	int32 AddDefaulted(int32 Count = 1)
	{
		CheckNum(Count);
		const int32 Index = Num();
		Data.resize(Data.size() + Count);
		return Index;
	}
	ElementType& AddDefaulted_GetRef()
	{
		const int32 Index = AddDefaulted();
		return GetData()[Index];
	}
	int32 AddZeroed(int32 Count = 1)
	{
		const int32 Index = AddDefaulted(Count);
		if constexpr (std::is_trivially_copyable_v<ElementType>)
		{
			std::memset((void*)(GetData() + Index), 0, sizeof(ElementType) * Count);
		}
		return Index;
	}
	ElementType& AddZeroed_GetRef()
	{
		const int32 Index = AddZeroed();
		return GetData()[Index];
	}
	int32 AddUninitialized(int32 Count = 1)
	{
		return AddDefaulted(Count);
	}

	int32 Insert(const ElementType& Item, int32 Index)
	{
		CheckInsertIndex(Index);
		ElementType Copy(Item);
		Data.insert(Data.begin() + Index, StorageType(std::move(Copy)));
		return Index;
	}
	int32 Insert(ElementType&& Item, int32 Index)
	{
		CheckInsertIndex(Index);
		Data.insert(Data.begin() + Index, StorageType(std::move(Item)));
		return Index;
	}
	int32 Insert(std::initializer_list<ElementType> InitList, int32 Index)
	{
		CheckInsertIndex(Index);
		std::vector<StorageType> Items;
		for (const ElementType& Item : InitList)
		{
			Items.push_back(StorageType(Item));
		}
		Data.insert(Data.begin() + Index, Items.begin(), Items.end());
		return Index;
	}
	template <typename OtherAllocator>
	int32 Insert(const TArray<ElementType, OtherAllocator>& Items, int32 Index)
	{
		CheckInsertIndex(Index);
		std::vector<StorageType> Copy(Items.Data);
		Data.insert(Data.begin() + Index, Copy.begin(), Copy.end());
		return Index;
	}
	int32 InsertDefaulted(int32 Index, int32 Count = 1)
	{
		CheckInsertIndex(Index);
		CheckNum(Count);
		Data.insert(Data.begin() + Index, size_t(Count), StorageType());
		return Index;
	}
	ElementType& InsertDefaulted_GetRef(int32 Index)
	{
		InsertDefaulted(Index);
		return GetData()[Index];
	}
	int32 InsertZeroed(int32 Index, int32 Count = 1)
	{
		InsertDefaulted(Index, Count);
		if constexpr (std::is_trivially_copyable_v<ElementType>)
		{
			std::memset((void*)(GetData() + Index), 0, sizeof(ElementType) * Count);
		}
		return Index;
	}
	int32 InsertUninitialized(int32 Index, int32 Count = 1)
	{
		return InsertDefaulted(Index, Count);
	}

	template <typename OtherAllocator>
	void Append(const TArray<ElementType, OtherAllocator>& Source)
	{
		if ((const void*)&Source == (const void*)this)
		{
			std::vector<StorageType> Copy(Data);
			Data.insert(Data.end(), Copy.begin(), Copy.end());
			return;
		}
		Data.insert(Data.end(), Source.Data.begin(), Source.Data.end());
	}
	template <typename OtherAllocator>
	void Append(TArray<ElementType, OtherAllocator>&& Source)
	{
		if ((const void*)&Source == (const void*)this)
		{
			Append(static_cast<const TArray&>(*this));
			return;
		}
		Data.reserve(Data.size() + Source.Data.size());
		for (StorageType& Item : Source.Data)
		{
			Data.push_back(std::move(Item));
		}
		Source.Data.clear();
	}
	void Append(const ElementType* Ptr, int32 Count)
	{
		CheckNum(Count);
		Data.reserve(Data.size() + Count);
		for (int32 Index = 0; Index < Count; ++Index)
		{
			Data.push_back(StorageType(Ptr[Index]));
		}
	}
	void Append(std::initializer_list<ElementType> InitList)
	{
		Data.reserve(Data.size() + InitList.size());
		for (const ElementType& Item : InitList)
		{
			Data.push_back(StorageType(Item));
		}
	}
	template <typename OtherAllocator>
	TArray& operator+=(const TArray<ElementType, OtherAllocator>& Other)
	{
		Append(Other);
		return *this;
	}
	TArray& operator+=(std::initializer_list<ElementType> InitList)
	{
		Append(InitList);
		return *this;
	}

	// Removing

	void RemoveAt(int32 Index)
	{
		RemoveAt(Index, 1, EAllowShrinking::Yes);
	}
	void RemoveAt(int32 Index, int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		if (Count <= 0)
		{
			return;
		}
		RangeCheck(Index);
		RangeCheck(Index + Count - 1);
		Data.erase(Data.begin() + Index, Data.begin() + Index + Count);
		(void)AllowShrinking;
	}
	void RemoveAt(int32 Index, int32 Count, bool bAllowShrinking)
	{
		RemoveAt(Index, Count, bAllowShrinking ? EAllowShrinking::Yes : EAllowShrinking::No);
	}
	void RemoveAtSwap(int32 Index, int32 Count = 1, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		if (Count <= 0)
		{
			return;
		}
		RangeCheck(Index);
		RangeCheck(Index + Count - 1);
		// Fill the hole from the end of the array, as the engine does.
		const int32 NumAfterHole = Num() - (Index + Count);
		const int32 NumToMove = std::min(Count, NumAfterHole);
		for (int32 Step = 0; Step < NumToMove; ++Step)
		{
			Data[Index + Step] = std::move(Data[Data.size() - NumToMove + Step]);
		}
		Data.resize(Data.size() - Count);
		(void)AllowShrinking;
	}
	void RemoveAtSwap(int32 Index, int32 Count, bool bAllowShrinking)
	{
		RemoveAtSwap(Index, Count, bAllowShrinking ? EAllowShrinking::Yes : EAllowShrinking::No);
	}
	int32 Remove(const ElementType& Item)
	{
		const ElementType Copy(Item);
		return RemoveAll([&Copy](const ElementType& Element) { return Element == Copy; });
	}
	int32 RemoveSingle(const ElementType& Item)
	{
		const int32 Index = Find(Item);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		RemoveAt(Index);
		return 1;
	}
	int32 RemoveSwap(const ElementType& Item, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		const ElementType Copy(Item);
		int32 Removed = 0;
		for (int32 Index = 0; Index < Num();)
		{
			if (GetData()[Index] == Copy)
			{
				RemoveAtSwap(Index, 1, AllowShrinking);
				++Removed;
			}
			else
			{
				++Index;
			}
		}
		return Removed;
	}
	int32 RemoveSingleSwap(const ElementType& Item, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		const int32 Index = Find(Item);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		RemoveAtSwap(Index, 1, AllowShrinking);
		return 1;
	}
	template <typename PredicateType>
	int32 RemoveAll(const PredicateType& Predicate)
	{
		const size_t OldNum = Data.size();
		Data.erase(std::remove_if(Data.begin(), Data.end(),
			[&Predicate](StorageType& Element) { return !!Predicate(Access(Element)); }), Data.end());
		return int32(OldNum - Data.size());
	}
	template <typename PredicateType>
	void RemoveAllSwap(const PredicateType& Predicate, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		for (int32 Index = 0; Index < Num();)
		{
			if (Predicate(GetData()[Index]))
			{
				RemoveAtSwap(Index, 1, AllowShrinking);
			}
			else
			{
				++Index;
			}
		}
	}

	void Empty(int32 Slack = 0)
	{
		Data.clear();
		if (Slack > 0)
		{
			Data.reserve(Slack);
		}
		else
		{
			Data.shrink_to_fit();
		}
	}
	void Reset(int32 NewSize = 0)
	{
		Data.clear();
		if (NewSize > 0)
		{
			Data.reserve(NewSize);
		}
	}
	void Reserve(int32 Number)
	{
		CheckNum(Number);
		Data.reserve(Number);
	}
	void Shrink()
	{
		Data.shrink_to_fit();
	}
	void SetNum(int32 NewNum, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		CheckNum(NewNum);
		Data.resize(NewNum);
		(void)AllowShrinking;
	}
	void SetNum(int32 NewNum, bool bAllowShrinking)
	{
		SetNum(NewNum);
		(void)bAllowShrinking;
	}
	void SetNumZeroed(int32 NewNum, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		const int32 OldNum = Num();
		SetNum(NewNum, AllowShrinking);
		if (NewNum > OldNum)
		{
			if constexpr (std::is_trivially_copyable_v<ElementType>)
			{
				std::memset((void*)(GetData() + OldNum), 0, sizeof(ElementType) * (NewNum - OldNum));
			}
		}
	}
	void SetNumUninitialized(int32 NewNum, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		SetNum(NewNum, AllowShrinking);
	}
	void SetNumUnsafeInternal(int32 NewNum)
	{
		SetNum(NewNum);
	}
	void Init(const ElementType& Element, int32 Number)
	{
		CheckNum(Number);
		const ElementType Copy(Element);
		Data.assign(size_t(Number), StorageType(Copy));
	}

	void Swap(int32 FirstIndex, int32 SecondIndex)
	{
		RangeCheck(FirstIndex);
		RangeCheck(SecondIndex);
		std::swap(Data[FirstIndex], Data[SecondIndex]);
	}
	void SwapMemory(int32 FirstIndex, int32 SecondIndex)
	{
		Swap(FirstIndex, SecondIndex);
	}

	// Sorting: an array of pointers is sorted by the pointed-to values, as the engine does.

	void Sort()
	{
		Sort([](const auto& A, const auto& B) { return A < B; });
	}
	template <typename PredicateType>
	void Sort(const PredicateType& Predicate)
	{
		std::sort(begin(), end(), MakeDereferencingPredicate(Predicate));
	}
	void StableSort()
	{
		StableSort([](const auto& A, const auto& B) { return A < B; });
	}
	template <typename PredicateType>
	void StableSort(const PredicateType& Predicate)
	{
		std::stable_sort(begin(), end(), MakeDereferencingPredicate(Predicate));
	}

	// Comparison

	bool operator==(const TArray& Other) const
	{
		if (Num() != Other.Num())
		{
			return false;
		}
		for (int32 Index = 0; Index < Num(); ++Index)
		{
			if (!(GetData()[Index] == Other.GetData()[Index]))
			{
				return false;
			}
		}
		return true;
	}
	bool operator!=(const TArray& Other) const
	{
		return !(*this == Other);
	}

	// Iteration

	FORCEINLINE ElementType* begin() { return GetData(); }
	FORCEINLINE const ElementType* begin() const { return GetData(); }
	FORCEINLINE ElementType* end() { return GetData() + Num(); }
	FORCEINLINE const ElementType* end() const { return GetData() + Num(); }

private:
	static ElementType& Access(StorageType& Item) { return reinterpret_cast<ElementType&>(Item); }

	template <typename PredicateType>
	static auto MakeDereferencingPredicate(const PredicateType& Predicate)
	{
		return [&Predicate](const ElementType& A, const ElementType& B) -> bool
		{
			if constexpr (std::is_pointer_v<ElementType>)
			{
				return Predicate(*A, *B);
			}
			else
			{
				return Predicate(A, B);
			}
		};
	}

	void CheckInsertIndex(int32 Index) const
	{
		if (UNLIKELY(Index < 0 || Index > Num()))
		{
			UE::Core::Private::OnInvalidArrayIndex(Index, Num());
		}
	}
	static void CheckNum(int32 Count)
	{
		if (UNLIKELY(Count < 0))
		{
			UE::Core::Private::OnInvalidArrayNum(Count);
		}
	}

	std::vector<StorageType> Data;
};

template <typename ElementType, typename AllocatorType>
FORCEINLINE ElementType* GetData(TArray<ElementType, AllocatorType>& Array)
{
	return Array.GetData();
}
template <typename ElementType, typename AllocatorType>
FORCEINLINE const ElementType* GetData(const TArray<ElementType, AllocatorType>& Array)
{
	return Array.GetData();
}
template <typename ElementType, typename AllocatorType>
FORCEINLINE int32 GetNum(const TArray<ElementType, AllocatorType>& Array)
{
	return Array.Num();
}

template <typename ElementType, typename AllocatorType>
uint32 GetTypeHash(const TArray<ElementType, AllocatorType>& Array)
{
	uint32 Hash = 0;
	for (const ElementType& Element : Array)
	{
		Hash = HashCombine(Hash, GetTypeHash(Element));
	}
	return Hash;
}

template <typename T>
struct TIsTArray
{
	enum { Value = false };
};
template <typename ElementType, typename AllocatorType>
struct TIsTArray<TArray<ElementType, AllocatorType>>
{
	enum { Value = true };
};

// Array views come with arrays, as in the engine's minimal set.
#include "Containers/ArrayView.h"
