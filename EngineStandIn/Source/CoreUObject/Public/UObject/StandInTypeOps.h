// Type-erased value handling for reflected values: what undo snapshots, property copies and
// comparisons need without knowing the C++ type.
#pragma once

#include "HAL/Platform.h"

#include <new>
#include <type_traits>
#include <utility>

namespace UE::CoreUObject::Private
{
	struct FTypeOps
	{
		int32 Size = 0;
		int32 Alignment = 1;
		void (*Construct)(void* Dest) = nullptr;
		void (*Destruct)(void* Dest) = nullptr;
		void (*Copy)(void* Dest, const void* Src) = nullptr;
		/** Null when the type has no operator==; callers then compare member by member. */
		bool (*Identical)(const void* A, const void* B) = nullptr;

		/** A heap copy of a value (for snapshots). */
		void* Clone(const void* Src) const
		{
			void* Mem = ::operator new((std::size_t)Size, std::align_val_t((std::size_t)Alignment));
			Construct(Mem);
			Copy(Mem, Src);
			return Mem;
		}

		void Free(void* Mem) const
		{
			Destruct(Mem);
			::operator delete(Mem, std::align_val_t((std::size_t)Alignment));
		}

		void SwapValues(void* A, void* B) const
		{
			void* Temp = Clone(A);
			Copy(A, B);
			Copy(B, Temp);
			Free(Temp);
		}
	};

	template<typename T>
	concept CEqualityComparable = requires(const T& A, const T& B)
	{
		{ A == B } -> std::convertible_to<bool>;
	};

	/** Containers pass bUseEquality = false: their operator== may not compile for their elements. */
	template<typename T, bool bUseEquality = CEqualityComparable<T>>
	const FTypeOps* GetTypeOps()
	{
		static const FTypeOps Ops = []()
		{
			FTypeOps Result;
			Result.Size = (int32)sizeof(T);
			Result.Alignment = (int32)alignof(T);
			Result.Construct = [](void* Dest) { if constexpr (std::is_default_constructible_v<T>) { new (Dest) T(); } };
			Result.Destruct = [](void* Dest) { static_cast<T*>(Dest)->~T(); };
			Result.Copy = [](void* Dest, const void* Src) { if constexpr (std::is_copy_assignable_v<T>) { *static_cast<T*>(Dest) = *static_cast<const T*>(Src); } };
			if constexpr (bUseEquality)
			{
				Result.Identical = [](const void* A, const void* B) { return (bool)(*static_cast<const T*>(A) == *static_cast<const T*>(B)); };
			}
			return Result;
		}();
		return &Ops;
	}
}
