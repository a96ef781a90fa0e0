// TMap: a hashed map of TPair<Key, Value> elements; a map that only grew iterates in insertion order.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Templates/TypeHash.h"
#include "Templates/Tuple.h"
#include "Containers/ContainersFwd.h"
#include "Containers/Array.h"
#include "Containers/Set.h"

#include <initializer_list>
#include <utility>

namespace UE::Core::Private
{
	struct FMapKeyOf
	{
		template <typename PairType>
		static const auto& Get(const PairType& Pair)
		{
			return Pair.Key;
		}
	};

	template <typename SlotsType, typename PairType, typename KeyType, typename ValueType>
	class TMapIterator : public THashedSlotsIterator<void, SlotsType, PairType>
	{
		typedef THashedSlotsIterator<void, SlotsType, PairType> Super;

	public:
		using Super::Super;

		KeyType& Key() const { return (**this).Key; }
		ValueType& Value() const { return (**this).Value; }
	};
}

template <typename InKeyType, typename InValueType, typename SetAllocator, typename KeyFuncs>
class TMap
{
public:
	typedef InKeyType KeyType;
	typedef InValueType ValueType;
	typedef TPair<KeyType, ValueType> ElementType;

private:
	using SlotsType = UE::Core::Private::THashedSlots<ElementType, UE::Core::Private::FMapKeyOf>;

public:
	typedef UE::Core::Private::TMapIterator<SlotsType, ElementType, const KeyType, ValueType> TIterator;
	typedef UE::Core::Private::TMapIterator<const SlotsType, const ElementType, const KeyType, const ValueType> TConstIterator;

	TMap() = default;
	TMap(const TMap&) = default;
	TMap(TMap&&) = default;
	TMap& operator=(const TMap&) = default;
	TMap& operator=(TMap&&) = default;

	TMap(std::initializer_list<ElementType> InitList)
	{
		for (const ElementType& Element : InitList)
		{
			Add(Element.Key, Element.Value);
		}
	}

	int32 Num() const { return Slots.Num(); }
	bool IsEmpty() const { return Slots.Num() == 0; }
	void Empty(int32 ExpectedNumElements = 0) { Slots.Empty(ExpectedNumElements); }
	void Reset() { Slots.Empty(0); }
	void Reserve(int32 Number) { Slots.Reserve(Number); }
	void Shrink() {}
	void Compact() { Slots.CompactStable(); }
	void CompactStable() { Slots.CompactStable(); }

	/** Adds the pair, or replaces the value of an existing key. */
	template <typename K, typename V>
	ValueType& Emplace(K&& InKey, V&& InValue)
	{
		KeyType Key(std::forward<K>(InKey));
		const int32 Slot = Slots.FindSlot(Key);
		if (Slot != INDEX_NONE)
		{
			Slots.At(Slot).Value = ValueType(std::forward<V>(InValue));
			return Slots.At(Slot).Value;
		}
		return Slots.At(Slots.AddNew(ElementType(std::move(Key), ValueType(std::forward<V>(InValue))))).Value;
	}
	template <typename K>
	ValueType& Emplace(K&& InKey)
	{
		KeyType Key(std::forward<K>(InKey));
		const int32 Slot = Slots.FindSlot(Key);
		if (Slot != INDEX_NONE)
		{
			Slots.At(Slot).Value = ValueType();
			return Slots.At(Slot).Value;
		}
		return Slots.At(Slots.AddNew(ElementType(std::move(Key), ValueType()))).Value;
	}

	ValueType& Add(const KeyType& InKey, const ValueType& InValue) { return Emplace(InKey, InValue); }
	ValueType& Add(const KeyType& InKey, ValueType&& InValue) { return Emplace(InKey, std::move(InValue)); }
	ValueType& Add(KeyType&& InKey, const ValueType& InValue) { return Emplace(std::move(InKey), InValue); }
	ValueType& Add(KeyType&& InKey, ValueType&& InValue) { return Emplace(std::move(InKey), std::move(InValue)); }
	ValueType& Add(const KeyType& InKey) { return Emplace(InKey); }
	ValueType& Add(KeyType&& InKey) { return Emplace(std::move(InKey)); }
	ValueType& Add(const ElementType& Pair) { return Emplace(Pair.Key, Pair.Value); }

	ValueType& FindOrAdd(const KeyType& Key)
	{
		const int32 Slot = Slots.FindSlot(Key);
		if (Slot != INDEX_NONE)
		{
			return Slots.At(Slot).Value;
		}
		return Slots.At(Slots.AddNew(ElementType(Key, ValueType()))).Value;
	}
	ValueType& FindOrAdd(KeyType&& Key)
	{
		const int32 Slot = Slots.FindSlot(Key);
		if (Slot != INDEX_NONE)
		{
			return Slots.At(Slot).Value;
		}
		return Slots.At(Slots.AddNew(ElementType(std::move(Key), ValueType()))).Value;
	}
	template <typename V>
	ValueType& FindOrAdd(const KeyType& Key, V&& Value)
	{
		const int32 Slot = Slots.FindSlot(Key);
		if (Slot != INDEX_NONE)
		{
			return Slots.At(Slot).Value;
		}
		return Slots.At(Slots.AddNew(ElementType(Key, ValueType(std::forward<V>(Value))))).Value;
	}

	ValueType* Find(const KeyType& Key)
	{
		const int32 Slot = Slots.FindSlot(Key);
		return Slot == INDEX_NONE ? nullptr : &Slots.At(Slot).Value;
	}
	const ValueType* Find(const KeyType& Key) const
	{
		const int32 Slot = Slots.FindSlot(Key);
		return Slot == INDEX_NONE ? nullptr : &Slots.At(Slot).Value;
	}
	ValueType FindRef(const KeyType& Key) const
	{
		const ValueType* Found = Find(Key);
		return Found ? *Found : ValueType();
	}
	ValueType FindRef(const KeyType& Key, ValueType Default) const
	{
		const ValueType* Found = Find(Key);
		return Found ? *Found : Default;
	}
	ValueType& FindChecked(const KeyType& Key)
	{
		ValueType* Found = Find(Key);
		check(Found != nullptr);
		return *Found;
	}
	const ValueType& FindChecked(const KeyType& Key) const
	{
		const ValueType* Found = Find(Key);
		check(Found != nullptr);
		return *Found;
	}
	const KeyType* FindKey(const ValueType& Value) const
	{
		for (const ElementType& Pair : *this)
		{
			if (Pair.Value == Value)
			{
				return &Pair.Key;
			}
		}
		return nullptr;
	}
	bool Contains(const KeyType& Key) const
	{
		return Slots.FindSlot(Key) != INDEX_NONE;
	}

	ValueType& operator[](const KeyType& Key) { return FindChecked(Key); }
	const ValueType& operator[](const KeyType& Key) const { return FindChecked(Key); }

	int32 Remove(const KeyType& Key)
	{
		const int32 Slot = Slots.FindSlot(Key);
		if (Slot == INDEX_NONE)
		{
			return 0;
		}
		Slots.RemoveSlot(Slot);
		return 1;
	}
	bool RemoveAndCopyValue(const KeyType& Key, ValueType& OutRemovedValue)
	{
		const int32 Slot = Slots.FindSlot(Key);
		if (Slot == INDEX_NONE)
		{
			return false;
		}
		OutRemovedValue = std::move(Slots.At(Slot).Value);
		Slots.RemoveSlot(Slot);
		return true;
	}
	ValueType FindAndRemoveChecked(const KeyType& Key)
	{
		const int32 Slot = Slots.FindSlot(Key);
		check(Slot != INDEX_NONE);
		ValueType Result = std::move(Slots.At(Slot).Value);
		Slots.RemoveSlot(Slot);
		return Result;
	}

	template <typename OtherAllocator>
	void GenerateKeyArray(TArray<KeyType, OtherAllocator>& OutArray) const
	{
		OutArray.Empty(Num());
		for (const ElementType& Pair : *this)
		{
			OutArray.Add(Pair.Key);
		}
	}
	template <typename OtherAllocator>
	void GenerateValueArray(TArray<ValueType, OtherAllocator>& OutArray) const
	{
		OutArray.Empty(Num());
		for (const ElementType& Pair : *this)
		{
			OutArray.Add(Pair.Value);
		}
	}
	template <typename OtherAllocator>
	int32 GetKeys(TArray<KeyType, OtherAllocator>& OutKeys) const
	{
		GenerateKeyArray(OutKeys);
		return OutKeys.Num();
	}
	int32 GetKeys(TSet<KeyType>& OutKeys) const
	{
		OutKeys.Empty();
		for (const ElementType& Pair : *this)
		{
			OutKeys.Add(Pair.Key);
		}
		return OutKeys.Num();
	}
	TArray<ElementType> Array() const
	{
		TArray<ElementType> Result;
		for (const ElementType& Pair : *this)
		{
			Result.Add(Pair);
		}
		return Result;
	}

	template <typename PredicateType>
	void KeySort(const PredicateType& Predicate)
	{
		Slots.Sort([&Predicate](const ElementType& A, const ElementType& B) { return Predicate(A.Key, B.Key); }, false);
	}
	template <typename PredicateType>
	void ValueSort(const PredicateType& Predicate)
	{
		Slots.Sort([&Predicate](const ElementType& A, const ElementType& B) { return Predicate(A.Value, B.Value); }, false);
	}
	template <typename PredicateType>
	void KeyStableSort(const PredicateType& Predicate)
	{
		Slots.Sort([&Predicate](const ElementType& A, const ElementType& B) { return Predicate(A.Key, B.Key); }, true);
	}
	template <typename PredicateType>
	void ValueStableSort(const PredicateType& Predicate)
	{
		Slots.Sort([&Predicate](const ElementType& A, const ElementType& B) { return Predicate(A.Value, B.Value); }, true);
	}

	template <typename PredicateType>
	TMap FilterByPredicate(PredicateType Predicate) const
	{
		TMap Result;
		for (const ElementType& Pair : *this)
		{
			if (Predicate(Pair))
			{
				Result.Add(Pair.Key, Pair.Value);
			}
		}
		return Result;
	}

	void Append(const TMap& Other)
	{
		if (&Other == this)
		{
			return;
		}
		for (const ElementType& Pair : Other)
		{
			Add(Pair.Key, Pair.Value);
		}
	}
	void Append(TMap&& Other)
	{
		if (&Other == this)
		{
			return;
		}
		for (ElementType& Pair : Other)
		{
			Emplace(std::move(Pair.Key), std::move(Pair.Value));
		}
		Other.Reset();
	}

	bool OrderIndependentCompareEqual(const TMap& Other) const
	{
		if (Num() != Other.Num())
		{
			return false;
		}
		for (const ElementType& Pair : *this)
		{
			const ValueType* OtherValue = Other.Find(Pair.Key);
			if (!OtherValue || !(*OtherValue == Pair.Value))
			{
				return false;
			}
		}
		return true;
	}
	bool operator==(const TMap& Other) const { return OrderIndependentCompareEqual(Other); }
	bool operator!=(const TMap& Other) const { return !OrderIndependentCompareEqual(Other); }

	TIterator CreateIterator() { return TIterator(Slots, 0); }
	TConstIterator CreateConstIterator() const { return TConstIterator(Slots, 0); }

	TIterator begin() { return TIterator(Slots, 0); }
	TIterator end() { return TIterator(Slots, Slots.MaxSlot()); }
	TConstIterator begin() const { return TConstIterator(Slots, 0); }
	TConstIterator end() const { return TConstIterator(Slots, Slots.MaxSlot()); }

private:
	SlotsType Slots;
};
