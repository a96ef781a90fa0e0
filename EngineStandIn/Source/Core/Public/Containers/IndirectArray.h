// TIndirectArray: an array that owns its elements through pointers, so elements keep their address.
#pragma once

#include "Containers/Array.h"
#include "Misc/AssertionMacros.h"

template <typename T>
class TIndirectArray
{
public:
	TIndirectArray() = default;
	TIndirectArray(const TIndirectArray&) = delete;
	TIndirectArray& operator=(const TIndirectArray&) = delete;

	~TIndirectArray() { Empty(); }

	int32 Num() const { return Array.Num(); }
	bool IsValidIndex(int32 Index) const { return Array.IsValidIndex(Index); }

	T& operator[](int32 Index) { return *Array[Index]; }
	const T& operator[](int32 Index) const { return *Array[Index]; }

	/** Takes ownership of the element. */
	int32 Add(T* Item) { return Array.Add(Item); }

	void Insert(T* Item, int32 Index) { Array.Insert(Item, Index); }

	void RemoveAt(int32 Index)
	{
		delete Array[Index];
		Array.RemoveAt(Index);
	}

	void Empty()
	{
		for (T* Item : Array)
		{
			delete Item;
		}
		Array.Empty();
	}

	template <typename PtrType, typename RefType>
	struct TIterator
	{
		PtrType* Ptr;
		RefType& operator*() const { return **Ptr; }
		TIterator& operator++()
		{
			++Ptr;
			return *this;
		}
		bool operator!=(const TIterator& Other) const { return Ptr != Other.Ptr; }
	};

	TIterator<T* const, const T> begin() const { return { Array.GetData(), }; }
	TIterator<T* const, const T> end() const { return { Array.GetData() + Array.Num() }; }
	TIterator<T*, T> begin() { return { Array.GetData() }; }
	TIterator<T*, T> end() { return { Array.GetData() + Array.Num() }; }

private:
	TArray<T*> Array;
};
