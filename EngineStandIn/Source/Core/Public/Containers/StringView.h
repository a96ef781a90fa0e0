// TStringView: a non-owning view of characters (pointer and length). FStringView views TCHARs.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CString.h"
#include "Misc/CoreMiscDefines.h"
#include "Containers/ContainersFwd.h"

#include <type_traits>
#include <utility>

namespace UE::Core::Private
{
	// Found by argument-dependent lookup from outside the view, whose own GetData would hide them.
	template <typename RangeType>
	auto GetRangeData(const RangeType& Range) -> decltype(GetData(Range))
	{
		return GetData(Range);
	}
	template <typename RangeType>
	auto GetRangeNum(const RangeType& Range) -> decltype(GetNum(Range))
	{
		return GetNum(Range);
	}
}

template <typename CharType>
class TStringView
{
public:
	typedef CharType ElementType;

	constexpr TStringView() = default;

	TStringView(const CharType* InData)
		: DataPtr(InData)
		, Size(InData ? TCString<CharType>::Strlen(InData) : 0)
	{
	}

	constexpr TStringView(const CharType* InData, int32 InSize)
		: DataPtr(InData)
		, Size(InSize)
	{
	}

	/** Views any contiguous range of CharType that GetData/GetNum find (FString, TArray<TCHAR>). */
	// Constraints, not enable_if: the view itself is ruled out before GetData is looked up for it (clang would recurse).
	template <typename RangeType>
		requires(!std::is_pointer_v<std::decay_t<RangeType>> && !std::is_array_v<std::remove_reference_t<RangeType>>
			&& !std::is_same_v<std::decay_t<RangeType>, TStringView>)
		&& std::is_same_v<std::remove_cv_t<std::remove_pointer_t<decltype(UE::Core::Private::GetRangeData(std::declval<const RangeType&>()))>>, CharType>
	TStringView(const RangeType& Range)
		: DataPtr(UE::Core::Private::GetRangeData(Range))
		, Size(int32(UE::Core::Private::GetRangeNum(Range)))
	{
	}

	const CharType* GetData() const { return DataPtr; }
	int32 Len() const { return Size; }
	bool IsEmpty() const { return Size == 0; }
	bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Size; }

	const CharType& operator[](int32 Index) const
	{
		check(IsValidIndex(Index));
		return DataPtr[Index];
	}

	TStringView Left(int32 CharCount) const { return TStringView(DataPtr, Clamp(CharCount, 0, Size)); }
	TStringView LeftChop(int32 CharCount) const { return TStringView(DataPtr, Clamp(Size - CharCount, 0, Size)); }
	TStringView Right(int32 CharCount) const
	{
		const int32 Count = Clamp(CharCount, 0, Size);
		return TStringView(DataPtr + Size - Count, Count);
	}
	TStringView RightChop(int32 CharCount) const
	{
		const int32 Count = Clamp(Size - CharCount, 0, Size);
		return TStringView(DataPtr + Size - Count, Count);
	}
	TStringView Mid(int32 Position, int32 CharCount = MAX_int32) const
	{
		const int32 Start = Clamp(Position, 0, Size);
		const int64 End = (int64)Start + Clamp(CharCount, 0, MAX_int32);
		return TStringView(DataPtr + Start, int32((End > Size ? Size : End) - Start));
	}
	TStringView TrimStart() const
	{
		int32 Start = 0;
		while (Start < Size && TChar<CharType>::IsWhitespace(DataPtr[Start]))
		{
			++Start;
		}
		return RightChop(Start);
	}
	TStringView TrimEnd() const
	{
		int32 NewSize = Size;
		while (NewSize > 0 && TChar<CharType>::IsWhitespace(DataPtr[NewSize - 1]))
		{
			--NewSize;
		}
		return Left(NewSize);
	}
	TStringView TrimStartAndEnd() const { return TrimStart().TrimEnd(); }

	void LeftInline(int32 CharCount) { *this = Left(CharCount); }
	void LeftChopInline(int32 CharCount) { *this = LeftChop(CharCount); }
	void RightInline(int32 CharCount) { *this = Right(CharCount); }
	void RightChopInline(int32 CharCount) { *this = RightChop(CharCount); }

	bool Equals(TStringView Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const
	{
		return Size == Other.Size && CompareChars(DataPtr, Other.DataPtr, Size, SearchCase) == 0;
	}
	int32 Compare(TStringView Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const
	{
		const int32 MinSize = Size < Other.Size ? Size : Other.Size;
		const int32 Result = CompareChars(DataPtr, Other.DataPtr, MinSize, SearchCase);
		if (Result != 0)
		{
			return Result;
		}
		return Size == Other.Size ? 0 : (Size < Other.Size ? -1 : 1);
	}
	bool StartsWith(TStringView Prefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		return Prefix.Size <= Size && CompareChars(DataPtr, Prefix.DataPtr, Prefix.Size, SearchCase) == 0;
	}
	bool EndsWith(TStringView Suffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		return Suffix.Size <= Size && CompareChars(DataPtr + Size - Suffix.Size, Suffix.DataPtr, Suffix.Size, SearchCase) == 0;
	}
	int32 Find(TStringView Search, int32 StartPosition = 0, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		for (int32 Index = StartPosition < 0 ? 0 : StartPosition; Index + Search.Size <= Size; ++Index)
		{
			if (CompareChars(DataPtr + Index, Search.DataPtr, Search.Size, SearchCase) == 0)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	bool Contains(TStringView Search, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		return Find(Search, 0, SearchCase) != INDEX_NONE;
	}
	bool FindChar(CharType Search, int32& OutIndex) const
	{
		for (int32 Index = 0; Index < Size; ++Index)
		{
			if (DataPtr[Index] == Search)
			{
				OutIndex = Index;
				return true;
			}
		}
		OutIndex = INDEX_NONE;
		return false;
	}
	bool FindLastChar(CharType Search, int32& OutIndex) const
	{
		for (int32 Index = Size - 1; Index >= 0; --Index)
		{
			if (DataPtr[Index] == Search)
			{
				OutIndex = Index;
				return true;
			}
		}
		OutIndex = INDEX_NONE;
		return false;
	}

	const CharType* begin() const { return DataPtr; }
	const CharType* end() const { return DataPtr + Size; }

	friend bool operator==(TStringView A, TStringView B) { return A.Equals(B, ESearchCase::IgnoreCase); }
	friend bool operator!=(TStringView A, TStringView B) { return !A.Equals(B, ESearchCase::IgnoreCase); }

private:
	static int32 Clamp(int32 Value, int32 Min, int32 Max) { return Value < Min ? Min : (Value > Max ? Max : Value); }

	static int32 CompareChars(const CharType* A, const CharType* B, int32 Count, ESearchCase::Type SearchCase)
	{
		for (int32 Index = 0; Index < Count; ++Index)
		{
			uint32 CharA = TChar<CharType>::ToUnsigned(A[Index]);
			uint32 CharB = TChar<CharType>::ToUnsigned(B[Index]);
			if (SearchCase == ESearchCase::IgnoreCase)
			{
				CharA = TChar<CharType>::ToUnsigned(TChar<CharType>::ToLower((CharType)CharA));
				CharB = TChar<CharType>::ToUnsigned(TChar<CharType>::ToLower((CharType)CharB));
			}
			if (CharA != CharB)
			{
				return CharA < CharB ? -1 : 1;
			}
		}
		return 0;
	}

	const CharType* DataPtr = nullptr;
	int32 Size = 0;
};

template <typename CharType>
FORCEINLINE const CharType* GetData(TStringView<CharType> View)
{
	return View.GetData();
}
template <typename CharType>
FORCEINLINE int32 GetNum(TStringView<CharType> View)
{
	return View.Len();
}

inline FStringView operator""_SV(const TCHAR* String, SIZE_T Size)
{
	return FStringView(String, int32(Size));
}
