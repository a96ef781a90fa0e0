// TSet: a hashed set. Elements live in slots; a removed slot is reused by the next addition (as the
// engine's sparse array does), so a set that only grew iterates in insertion order.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Templates/TypeHash.h"
#include "Containers/ContainersFwd.h"
#include "Containers/Array.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

class FSetElementId
{
public:
	FSetElementId() = default;
	static FSetElementId FromInteger(int32 Integer)
	{
		FSetElementId Id;
		Id.Index = Integer;
		return Id;
	}
	bool IsValidId() const { return Index != INDEX_NONE; }
	int32 AsInteger() const { return Index; }
	bool operator==(const FSetElementId& Other) const { return Index == Other.Index; }
	bool operator!=(const FSetElementId& Other) const { return Index != Other.Index; }

private:
	int32 Index = INDEX_NONE;
};

namespace UE::Core::Private
{
	/** Slot storage plus a hash index; KeyOf gives the key an element is hashed and compared by. */
	template <typename ElementType, typename KeyOf>
	class THashedSlots
	{
	public:
		int32 Num() const { return NumElements; }
		int32 MaxSlot() const { return int32(Slots.size()); }
		bool IsValidSlot(int32 Slot) const { return Slot >= 0 && Slot < int32(Slots.size()) && Slots[Slot].has_value(); }
		ElementType& At(int32 Slot) { return *Slots[Slot]; }
		const ElementType& At(int32 Slot) const { return *Slots[Slot]; }

		template <typename KeyType>
		int32 FindSlot(const KeyType& Key) const
		{
			if (NumElements == 0)
			{
				return INDEX_NONE;
			}
			auto Range = Index.equal_range(GetTypeHash(Key));
			for (auto It = Range.first; It != Range.second; ++It)
			{
				if (KeyOf::Get(*Slots[It->second]) == Key)
				{
					return It->second;
				}
			}
			return INDEX_NONE;
		}

		int32 AddNew(ElementType&& Element)
		{
			const uint32 Hash = GetTypeHash(KeyOf::Get(Element));
			int32 Slot;
			if (!FreeSlots.empty())
			{
				Slot = FreeSlots.back();
				FreeSlots.pop_back();
				Slots[Slot].emplace(std::move(Element));
			}
			else
			{
				Slot = int32(Slots.size());
				Slots.emplace_back(std::move(Element));
			}
			Index.emplace(Hash, Slot);
			++NumElements;
			return Slot;
		}

		void RemoveSlot(int32 Slot)
		{
			const uint32 Hash = GetTypeHash(KeyOf::Get(*Slots[Slot]));
			auto Range = Index.equal_range(Hash);
			for (auto It = Range.first; It != Range.second; ++It)
			{
				if (It->second == Slot)
				{
					Index.erase(It);
					break;
				}
			}
			Slots[Slot].reset();
			FreeSlots.push_back(Slot);
			--NumElements;
			if (NumElements == 0)
			{
				Slots.clear();
				FreeSlots.clear();
			}
		}

		void Empty(int32 Slack)
		{
			Slots.clear();
			FreeSlots.clear();
			Index.clear();
			NumElements = 0;
			if (Slack > 0)
			{
				Slots.reserve(Slack);
				Index.reserve(Slack);
			}
		}

		void Reserve(int32 Number)
		{
			if (Number > 0)
			{
				Slots.reserve(Number);
				Index.reserve(Number);
			}
		}

		/** Packs the elements into slots 0..Num-1 in their iteration order (what the engine's Compact keeps). */
		void CompactStable()
		{
			std::vector<ElementType> Elements = TakeElements();
			for (ElementType& Element : Elements)
			{
				AddNew(std::move(Element));
			}
		}

		template <typename PredicateType>
		void Sort(const PredicateType& Predicate, bool bStable)
		{
			std::vector<ElementType> Elements = TakeElements();
			if (bStable)
			{
				std::stable_sort(Elements.begin(), Elements.end(), Predicate);
			}
			else
			{
				std::sort(Elements.begin(), Elements.end(), Predicate);
			}
			for (ElementType& Element : Elements)
			{
				AddNew(std::move(Element));
			}
		}

		int32 NextValidSlot(int32 Slot) const
		{
			while (Slot < int32(Slots.size()) && !Slots[Slot].has_value())
			{
				++Slot;
			}
			return Slot;
		}

	private:
		std::vector<ElementType> TakeElements()
		{
			std::vector<ElementType> Elements;
			Elements.reserve(NumElements);
			for (std::optional<ElementType>& Slot : Slots)
			{
				if (Slot.has_value())
				{
					Elements.push_back(std::move(*Slot));
				}
			}
			Empty(0);
			return Elements;
		}

		std::vector<std::optional<ElementType>> Slots;
		std::vector<int32> FreeSlots;
		std::unordered_multimap<uint32, int32> Index;
		int32 NumElements = 0;
	};

	/** Iterator over occupied slots; RemoveCurrent frees the slot and iteration goes on. */
	template <typename ContainerType, typename SlotsType, typename ElementType>
	class THashedSlotsIterator
	{
	public:
		THashedSlotsIterator(SlotsType& InSlots, int32 InSlot)
			: Slots(&InSlots)
			, Slot(InSlots.NextValidSlot(InSlot))
		{
		}

		THashedSlotsIterator& operator++()
		{
			Slot = Slots->NextValidSlot(Slot + 1);
			return *this;
		}
		explicit operator bool() const { return Slot < Slots->MaxSlot(); }
		bool operator!() const { return !(bool)*this; }
		bool operator==(const THashedSlotsIterator& Other) const { return Slot == Other.Slot; }
		bool operator!=(const THashedSlotsIterator& Other) const { return Slot != Other.Slot; }

		ElementType& operator*() const { return Slots->At(Slot); }
		ElementType* operator->() const { return &Slots->At(Slot); }

		FSetElementId GetId() const { return FSetElementId::FromInteger(Slot); }
		int32 GetIndex() const { return Slot; }

		void RemoveCurrent()
		{
			const int32 Removed = Slot;
			const int32 OldMax = Slots->MaxSlot();
			Slots->RemoveSlot(Removed);
			// Removing the last element empties the storage; stop there.
			if (Slots->MaxSlot() != OldMax)
			{
				Slot = Slots->MaxSlot();
			}
			else
			{
				// Stay on the freed slot; the next ++ moves past it.
				Slot = Removed;
				bRemovedCurrent = true;
			}
		}

	protected:
		SlotsType* Slots;
		int32 Slot;
		bool bRemovedCurrent = false;
	};

	struct FSetKeyOf
	{
		template <typename T>
		static const T& Get(const T& Element)
		{
			return Element;
		}
	};
}

template <typename InElementType, typename KeyFuncs, typename Allocator>
class TSet
{
	using SlotsType = UE::Core::Private::THashedSlots<InElementType, UE::Core::Private::FSetKeyOf>;

public:
	typedef InElementType ElementType;
	typedef UE::Core::Private::THashedSlotsIterator<TSet, SlotsType, ElementType> TIterator;
	typedef UE::Core::Private::THashedSlotsIterator<TSet, const SlotsType, const ElementType> TConstIterator;

	TSet() = default;
	TSet(const TSet&) = default;
	TSet(TSet&&) = default;
	TSet& operator=(const TSet&) = default;
	TSet& operator=(TSet&&) = default;

	TSet(std::initializer_list<ElementType> InitList)
	{
		Append(InitList);
	}
	template <typename OtherAllocator>
	explicit TSet(const TArray<ElementType, OtherAllocator>& Array)
	{
		Append(Array);
	}

	int32 Num() const { return Slots.Num(); }
	bool IsEmpty() const { return Slots.Num() == 0; }
	void Empty(int32 ExpectedNumElements = 0) { Slots.Empty(ExpectedNumElements); }
	void Reset() { Slots.Empty(0); }
	void Reserve(int32 Number) { Slots.Reserve(Number); }
	void Shrink() {}
	void Compact() { Slots.CompactStable(); }
	void CompactStable() { Slots.CompactStable(); }

	FSetElementId Add(const ElementType& InElement, bool* bIsAlreadyInSetPtr = nullptr)
	{
		return Emplace(InElement, bIsAlreadyInSetPtr);
	}
	FSetElementId Add(ElementType&& InElement, bool* bIsAlreadyInSetPtr = nullptr)
	{
		return Emplace(std::move(InElement), bIsAlreadyInSetPtr);
	}
	template <typename ArgType>
	FSetElementId Emplace(ArgType&& Arg, bool* bIsAlreadyInSetPtr = nullptr)
	{
		ElementType Element(std::forward<ArgType>(Arg));
		const int32 Existing = Slots.FindSlot(Element);
		if (bIsAlreadyInSetPtr)
		{
			*bIsAlreadyInSetPtr = Existing != INDEX_NONE;
		}
		if (Existing != INDEX_NONE)
		{
			// The engine replaces the element that was there.
			Slots.At(Existing) = std::move(Element);
			return FSetElementId::FromInteger(Existing);
		}
		return FSetElementId::FromInteger(Slots.AddNew(std::move(Element)));
	}

	template <typename OtherAllocator>
	void Append(const TArray<ElementType, OtherAllocator>& Array)
	{
		for (const ElementType& Element : Array)
		{
			Add(Element);
		}
	}
	void Append(const TSet& Other)
	{
		if (&Other == this)
		{
			return;
		}
		for (const ElementType& Element : Other)
		{
			Add(Element);
		}
	}
	void Append(std::initializer_list<ElementType> InitList)
	{
		for (const ElementType& Element : InitList)
		{
			Add(Element);
		}
	}

	int32 Remove(const ElementType& Key)
	{
		const int32 Slot = Slots.FindSlot(Key);
		if (Slot == INDEX_NONE)
		{
			return 0;
		}
		Slots.RemoveSlot(Slot);
		return 1;
	}
	void Remove(FSetElementId Id)
	{
		check(Slots.IsValidSlot(Id.AsInteger()));
		Slots.RemoveSlot(Id.AsInteger());
	}

	bool Contains(const ElementType& Key) const
	{
		return Slots.FindSlot(Key) != INDEX_NONE;
	}
	ElementType* Find(const ElementType& Key)
	{
		const int32 Slot = Slots.FindSlot(Key);
		return Slot == INDEX_NONE ? nullptr : &Slots.At(Slot);
	}
	const ElementType* Find(const ElementType& Key) const
	{
		const int32 Slot = Slots.FindSlot(Key);
		return Slot == INDEX_NONE ? nullptr : &Slots.At(Slot);
	}
	FSetElementId FindId(const ElementType& Key) const
	{
		return FSetElementId::FromInteger(Slots.FindSlot(Key));
	}
	bool IsValidId(FSetElementId Id) const { return Slots.IsValidSlot(Id.AsInteger()); }
	ElementType& operator[](FSetElementId Id)
	{
		check(IsValidId(Id));
		return Slots.At(Id.AsInteger());
	}
	const ElementType& operator[](FSetElementId Id) const
	{
		check(IsValidId(Id));
		return Slots.At(Id.AsInteger());
	}
	ElementType& FindOrAdd(const ElementType& Element)
	{
		const int32 Slot = Slots.FindSlot(Element);
		return Slot != INDEX_NONE ? Slots.At(Slot) : Slots.At(Slots.AddNew(ElementType(Element)));
	}

	TSet Union(const TSet& Other) const
	{
		TSet Result(*this);
		Result.Append(Other);
		return Result;
	}
	TSet Intersect(const TSet& Other) const
	{
		TSet Result;
		for (const ElementType& Element : *this)
		{
			if (Other.Contains(Element))
			{
				Result.Add(Element);
			}
		}
		return Result;
	}
	TSet Difference(const TSet& Other) const
	{
		TSet Result;
		for (const ElementType& Element : *this)
		{
			if (!Other.Contains(Element))
			{
				Result.Add(Element);
			}
		}
		return Result;
	}
	bool Includes(const TSet& Other) const
	{
		for (const ElementType& Element : Other)
		{
			if (!Contains(Element))
			{
				return false;
			}
		}
		return true;
	}

	TArray<ElementType> Array() const
	{
		TArray<ElementType> Result;
		Result.Reserve(Num());
		for (const ElementType& Element : *this)
		{
			Result.Add(Element);
		}
		return Result;
	}

	template <typename PredicateType>
	void Sort(const PredicateType& Predicate)
	{
		Slots.Sort(Predicate, false);
	}
	template <typename PredicateType>
	void StableSort(const PredicateType& Predicate)
	{
		Slots.Sort(Predicate, true);
	}

	bool operator==(const TSet& Other) const
	{
		return Num() == Other.Num() && Includes(Other);
	}
	bool operator!=(const TSet& Other) const
	{
		return !(*this == Other);
	}

	TIterator CreateIterator() { return TIterator(Slots, 0); }
	TConstIterator CreateConstIterator() const { return TConstIterator(Slots, 0); }

	TIterator begin() { return TIterator(Slots, 0); }
	TIterator end() { return TIterator(Slots, Slots.MaxSlot()); }
	TConstIterator begin() const { return TConstIterator(Slots, 0); }
	TConstIterator end() const { return TConstIterator(Slots, Slots.MaxSlot()); }

private:
	SlotsType Slots;
};
