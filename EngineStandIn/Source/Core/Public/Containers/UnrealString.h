// FString: the engine's dynamic TCHAR string. Comparisons with == are case-insensitive, as in the engine.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CoreMiscDefines.h"
#include "Misc/CString.h"
#include "Misc/VarArgs.h"
#include "Templates/TypeHash.h"
#include "Containers/ContainersFwd.h"
#include "Containers/Array.h"
#include "Containers/StringView.h"

#include <string>
#include <type_traits>
#include <utility>

class FString
{
public:
	typedef TCHAR ElementType;

	FString() = default;
	FString(const FString&) = default;
	FString(FString&&) = default;
	FString& operator=(const FString&) = default;
	FString& operator=(FString&& Other) = default;

	FString(const TCHAR* Str)
	{
		if (Str)
		{
			Data.assign(Str);
		}
	}
	/** UTF-8 (ASCII) text becomes TCHARs. */
	CORE_API FString(const ANSICHAR* Str);
	FString(int32 InCount, const TCHAR* InSrc)
	{
		if (InSrc && InCount > 0)
		{
			Data.assign(InSrc, InCount);
		}
	}
	CORE_API FString(int32 InCount, const ANSICHAR* InSrc);
	explicit FString(FStringView View)
		: Data(View.GetData() ? std::wstring(View.GetData(), View.Len()) : std::wstring())
	{
	}
	explicit FString(std::nullptr_t) = delete;

	FString& operator=(const TCHAR* Str)
	{
		if (Str)
		{
			Data.assign(Str);
		}
		else
		{
			Data.clear();
		}
		return *this;
	}

	// Access

	FORCEINLINE const TCHAR* operator*() const { return Data.c_str(); }
	FORCEINLINE int32 Len() const { return int32(Data.size()); }
	FORCEINLINE bool IsEmpty() const { return Data.empty(); }
	FORCEINLINE bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Len(); }
	FORCEINLINE TCHAR& operator[](int32 Index)
	{
		checkIndex(Index);
		return Data[Index];
	}
	FORCEINLINE const TCHAR& operator[](int32 Index) const
	{
		checkIndex(Index);
		return Data[Index];
	}

	/** The characters followed by the terminator (empty for an empty string), as the engine stores them. */
	CORE_API TArray<TCHAR> GetCharArray() const;

	FORCEINLINE TCHAR* GetData() { return Data.data(); }
	FORCEINLINE const TCHAR* GetData() const { return Data.c_str(); }

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
	void Reset(int32 NewReservedSize = 0)
	{
		Data.clear();
		if (NewReservedSize > 0)
		{
			Data.reserve(NewReservedSize);
		}
	}
	void Shrink() { Data.shrink_to_fit(); }
	void Reserve(int32 CharacterCount)
	{
		if (CharacterCount > 0)
		{
			Data.reserve(CharacterCount);
		}
	}

	// Appending

	FString& Append(const TCHAR* Text, int32 Count)
	{
		if (Text && Count > 0)
		{
			Data.append(Text, Count);
		}
		return *this;
	}
	FString& Append(const TCHAR* Text)
	{
		if (Text)
		{
			Data.append(Text);
		}
		return *this;
	}
	FString& Append(const FString& Text)
	{
		Data.append(Text.Data);
		return *this;
	}
	FString& Append(FStringView Text)
	{
		return Append(Text.GetData(), Text.Len());
	}
	FString& AppendChar(TCHAR InChar)
	{
		Data.push_back(InChar);
		return *this;
	}
	FString& AppendChars(const TCHAR* Text, int32 Count)
	{
		return Append(Text, Count);
	}
	CORE_API void AppendInt(int32 InNum);

	FString& operator+=(const TCHAR* Str) { return Append(Str); }
	FString& operator+=(const FString& Str) { return Append(Str); }
	FString& operator+=(FStringView Str) { return Append(Str); }
	FString& operator+=(TCHAR InChar) { return AppendChar(InChar); }
	FString& operator+=(ANSICHAR InChar) { return AppendChar((TCHAR)(uint8)InChar); }

	/** Path join: adds a '/' between the parts when neither side has one. */
	CORE_API void PathAppend(const TCHAR* Str, int32 StrLength);
	FString& operator/=(const TCHAR* Str)
	{
		PathAppend(Str, FCString::Strlen(Str));
		return *this;
	}
	FString& operator/=(const FString& Str)
	{
		PathAppend(*Str, Str.Len());
		return *this;
	}
	FString& operator/=(FStringView Str)
	{
		PathAppend(Str.GetData(), Str.Len());
		return *this;
	}

	friend FString operator+(const FString& Lhs, const FString& Rhs)
	{
		FString Result(Lhs);
		Result.Data.append(Rhs.Data);
		return Result;
	}
	friend FString operator+(FString&& Lhs, const FString& Rhs)
	{
		Lhs.Data.append(Rhs.Data);
		return std::move(Lhs);
	}
	friend FString operator+(const FString& Lhs, const TCHAR* Rhs)
	{
		FString Result(Lhs);
		Result.Append(Rhs);
		return Result;
	}
	friend FString operator+(FString&& Lhs, const TCHAR* Rhs)
	{
		Lhs.Append(Rhs);
		return std::move(Lhs);
	}
	friend FString operator+(const TCHAR* Lhs, const FString& Rhs)
	{
		FString Result(Lhs);
		Result.Append(Rhs);
		return Result;
	}
	friend FString operator/(const FString& Lhs, const TCHAR* Rhs)
	{
		FString Result(Lhs);
		Result /= Rhs;
		return Result;
	}
	friend FString operator/(const FString& Lhs, const FString& Rhs)
	{
		FString Result(Lhs);
		Result /= Rhs;
		return Result;
	}
	friend FString operator/(const TCHAR* Lhs, const FString& Rhs)
	{
		FString Result(Lhs);
		Result /= Rhs;
		return Result;
	}

	void InsertAt(int32 Index, TCHAR Character)
	{
		checkIndexInclusive(Index);
		Data.insert(Data.begin() + Index, Character);
	}
	void InsertAt(int32 Index, const FString& Characters)
	{
		checkIndexInclusive(Index);
		Data.insert(size_t(Index), Characters.Data);
	}
	void RemoveAt(int32 Index, int32 Count = 1, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		checkIndexInclusive(Index);
		checkIndexInclusive(Index + Count);
		Data.erase(size_t(Index), size_t(Count));
		(void)AllowShrinking;
	}
	CORE_API bool RemoveFromStart(const TCHAR* InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromStart(const FString& InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase)
	{
		return RemoveFromStart(*InPrefix, SearchCase);
	}
	CORE_API bool RemoveFromEnd(const TCHAR* InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromEnd(const FString& InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase)
	{
		return RemoveFromEnd(*InSuffix, SearchCase);
	}

	// Comparison

	CORE_API bool Equals(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;
	CORE_API int32 Compare(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;

	friend bool operator==(const FString& Lhs, const FString& Rhs) { return Lhs.Equals(Rhs, ESearchCase::IgnoreCase); }
	friend bool operator==(const FString& Lhs, const TCHAR* Rhs) { return FCString::Stricmp(*Lhs, Rhs ? Rhs : TEXT("")) == 0; }
	friend bool operator==(const TCHAR* Lhs, const FString& Rhs) { return Rhs == Lhs; }
	friend bool operator!=(const FString& Lhs, const FString& Rhs) { return !(Lhs == Rhs); }
	friend bool operator!=(const FString& Lhs, const TCHAR* Rhs) { return !(Lhs == Rhs); }
	friend bool operator!=(const TCHAR* Lhs, const FString& Rhs) { return !(Rhs == Lhs); }
	friend bool operator<(const FString& Lhs, const FString& Rhs) { return FCString::Stricmp(*Lhs, *Rhs) < 0; }
	friend bool operator<(const FString& Lhs, const TCHAR* Rhs) { return FCString::Stricmp(*Lhs, Rhs) < 0; }
	friend bool operator<(const TCHAR* Lhs, const FString& Rhs) { return FCString::Stricmp(Lhs, *Rhs) < 0; }
	friend bool operator>(const FString& Lhs, const FString& Rhs) { return FCString::Stricmp(*Lhs, *Rhs) > 0; }
	friend bool operator<=(const FString& Lhs, const FString& Rhs) { return FCString::Stricmp(*Lhs, *Rhs) <= 0; }
	friend bool operator>=(const FString& Lhs, const FString& Rhs) { return FCString::Stricmp(*Lhs, *Rhs) >= 0; }

	// Searching

	CORE_API int32 Find(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
		ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const;
	int32 Find(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
		ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const
	{
		return Find(*SubStr, SearchCase, SearchDir, StartPosition);
	}
	bool Contains(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
		ESearchDir::Type SearchDir = ESearchDir::FromStart) const
	{
		return Find(SubStr, SearchCase, SearchDir) != INDEX_NONE;
	}
	bool Contains(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
		ESearchDir::Type SearchDir = ESearchDir::FromStart) const
	{
		return Find(*SubStr, SearchCase, SearchDir) != INDEX_NONE;
	}
	bool FindChar(TCHAR InChar, int32& Index) const
	{
		const size_t Position = Data.find(InChar);
		Index = Position == std::wstring::npos ? INDEX_NONE : int32(Position);
		return Index != INDEX_NONE;
	}
	bool FindLastChar(TCHAR InChar, int32& Index) const
	{
		const size_t Position = Data.rfind(InChar);
		Index = Position == std::wstring::npos ? INDEX_NONE : int32(Position);
		return Index != INDEX_NONE;
	}
	template <typename PredicateType>
	int32 FindLastCharByPredicate(PredicateType Pred, int32 Count) const
	{
		for (int32 Index = (Count < Len() ? Count : Len()) - 1; Index >= 0; --Index)
		{
			if (Pred(Data[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	template <typename PredicateType>
	int32 FindLastCharByPredicate(PredicateType Pred) const
	{
		return FindLastCharByPredicate(Pred, Len());
	}
	CORE_API bool StartsWith(const TCHAR* InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool StartsWith(const FString& InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		return StartsWith(*InPrefix, SearchCase);
	}
	CORE_API bool EndsWith(const TCHAR* InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool EndsWith(const FString& InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		return EndsWith(*InSuffix, SearchCase);
	}
	CORE_API bool MatchesWildcard(const TCHAR* Wildcard, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;

	// Substrings

	FString Left(int32 Count) const { return FString(ClampCount(Count), Data.c_str()); }
	FString LeftChop(int32 Count) const { return FString(ClampCount(Len() - Count), Data.c_str()); }
	FString Right(int32 Count) const
	{
		const int32 Clamped = ClampCount(Count);
		return FString(Clamped, Data.c_str() + Len() - Clamped);
	}
	FString RightChop(int32 Count) const
	{
		const int32 Clamped = ClampCount(Len() - Count);
		return FString(Clamped, Data.c_str() + Len() - Clamped);
	}
	CORE_API FString Mid(int32 Start, int32 Count = MAX_int32) const;
	void LeftInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes) { *this = Left(Count); (void)AllowShrinking; }
	void LeftChopInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes) { *this = LeftChop(Count); (void)AllowShrinking; }
	void RightInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes) { *this = Right(Count); (void)AllowShrinking; }
	void RightChopInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes) { *this = RightChop(Count); (void)AllowShrinking; }
	void MidInline(int32 Start, int32 Count = MAX_int32, EAllowShrinking AllowShrinking = EAllowShrinking::Yes) { *this = Mid(Start, Count); (void)AllowShrinking; }

	CORE_API bool Split(const FString& InS, FString* LeftS, FString* RightS,
		ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart) const;

	// Transforming

	CORE_API FString Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	CORE_API int32 ReplaceInline(const TCHAR* SearchText, const TCHAR* ReplacementText, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	void ReplaceCharInline(TCHAR SearchChar, TCHAR ReplacementChar, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase)
	{
		for (TCHAR& Char : Data)
		{
			if (Char == SearchChar || (SearchCase == ESearchCase::IgnoreCase && FChar::ToLower(Char) == FChar::ToLower(SearchChar)))
			{
				Char = ReplacementChar;
			}
		}
	}
	CORE_API FString ReplaceQuotesWithEscapedQuotes() const;
	CORE_API FString ReplaceCharWithEscapedChar(const TArray<TCHAR>* ParseChars = nullptr) const;
	CORE_API FString ReplaceEscapedCharWithChar(const TArray<TCHAR>* ParseChars = nullptr) const;

	CORE_API FString ToUpper() const;
	CORE_API FString ToLower() const;
	void ToUpperInline() { *this = ToUpper(); }
	void ToLowerInline() { *this = ToLower(); }

	CORE_API FString TrimStartAndEnd() const;
	CORE_API FString TrimStart() const;
	CORE_API FString TrimEnd() const;
	void TrimStartAndEndInline() { *this = TrimStartAndEnd(); }
	void TrimStartInline() { *this = TrimStart(); }
	void TrimEndInline() { *this = TrimEnd(); }
	CORE_API FString TrimQuotes(bool* bQuotesRemoved = nullptr) const;
	void TrimQuotesInline(bool* bQuotesRemoved = nullptr) { *this = TrimQuotes(bQuotesRemoved); }
	CORE_API FString TrimChar(TCHAR CharacterToTrim, bool* bCharRemoved = nullptr) const;

	CORE_API FString Reverse() const;
	void ReverseString() { *this = Reverse(); }

	CORE_API int32 ParseIntoArray(TArray<FString>& OutArray, const TCHAR* Delimiter, bool bCullEmpty = true) const;
	CORE_API int32 ParseIntoArray(TArray<FString>& OutArray, const TCHAR* const* DelimArray, int32 NumDelims, bool bCullEmpty = true) const;
	CORE_API int32 ParseIntoArrayWS(TArray<FString>& OutArray, const TCHAR* ExtraDelimiter = nullptr, bool bCullEmpty = true) const;
	CORE_API int32 ParseIntoArrayLines(TArray<FString>& OutArray, bool bCullEmpty = true) const;

	bool IsNumeric() const { return !IsEmpty() && FCString::IsNumeric(**this); }
	bool ToBool() const { return FCString::ToBool(**this); }

	// Building

	template <typename FmtType, typename... ArgTypes>
	static FString Printf(const FmtType& Format, ArgTypes... Args)
	{
		static_assert(UE::Core::Private::TIsTCharArray<FmtType>, "Formatting string must be a TCHAR array.");
		FString Result;
		Result.Data = UE::Core::Private::FormatPrintfToStd((const TCHAR*)Format, Args...);
		return Result;
	}
	template <typename FmtType, typename... ArgTypes>
	FString& Appendf(const FmtType& Format, ArgTypes... Args)
	{
		static_assert(UE::Core::Private::TIsTCharArray<FmtType>, "Formatting string must be a TCHAR array.");
		Data += UE::Core::Private::FormatPrintfToStd((const TCHAR*)Format, Args...);
		return *this;
	}

	static FString FromInt(int32 Num)
	{
		FString Result;
		Result.AppendInt(Num);
		return Result;
	}
	CORE_API static FString SanitizeFloat(double InFloat, int32 InMinFractionalDigits = 1);
	CORE_API static FString FormatAsNumber(int32 InNumber);
	static FString Chr(TCHAR Char)
	{
		FString Result;
		if (Char != 0)
		{
			Result.Data.push_back(Char);
		}
		return Result;
	}
	static FString ChrN(int32 NumCharacters, TCHAR Char)
	{
		FString Result;
		if (NumCharacters > 0)
		{
			Result.Data.assign(size_t(NumCharacters), Char);
		}
		return Result;
	}
	template <typename RangeType>
	static FString Join(const RangeType& Range, const TCHAR* Separator)
	{
		FString Result;
		bool bFirst = true;
		for (const auto& Element : Range)
		{
			if (!bFirst)
			{
				Result += Separator;
			}
			Result += Element;
			bFirst = false;
		}
		return Result;
	}
	template <typename RangeType, typename ProjectionType>
	static FString JoinBy(const RangeType& Range, const TCHAR* Separator, ProjectionType Proj)
	{
		FString Result;
		bool bFirst = true;
		for (const auto& Element : Range)
		{
			if (!bFirst)
			{
				Result += Separator;
			}
			Result += Proj(Element);
			bFirst = false;
		}
		return Result;
	}

	// Iteration over the characters
	FORCEINLINE TCHAR* begin() { return Data.data(); }
	FORCEINLINE const TCHAR* begin() const { return Data.c_str(); }
	FORCEINLINE TCHAR* end() { return Data.data() + Data.size(); }
	FORCEINLINE const TCHAR* end() const { return Data.c_str() + Data.size(); }

	friend FORCEINLINE const TCHAR* GetData(const FString& String) { return String.Data.c_str(); }
	friend FORCEINLINE TCHAR* GetData(FString& String) { return String.Data.data(); }
	friend FORCEINLINE int32 GetNum(const FString& String) { return String.Len(); }

private:
	int32 ClampCount(int32 Count) const { return Count < 0 ? 0 : (Count > Len() ? Len() : Count); }
	void checkIndex(int32 Index) const
	{
		if (UNLIKELY(!IsValidIndex(Index)))
		{
			UE::Core::Private::OnInvalidArrayIndex(Index, Len());
		}
	}
	void checkIndexInclusive(int32 Index) const
	{
		if (UNLIKELY(Index < 0 || Index > Len()))
		{
			UE::Core::Private::OnInvalidArrayIndex(Index, Len());
		}
	}

	std::wstring Data;
};

/** Case-insensitive, so that equal strings (by ==) hash alike. */
CORE_API uint32 GetTypeHash(const FString& String);

// Conversions to and from text, as the engine's Lex functions.
inline FString LexToString(int32 Value) { return FString::FromInt(Value); }
inline FString LexToString(int64 Value) { return FString::Printf(TEXT("%lld"), (long long)Value); }
inline FString LexToString(uint32 Value) { return FString::Printf(TEXT("%u"), Value); }
inline FString LexToString(uint64 Value) { return FString::Printf(TEXT("%llu"), (unsigned long long)Value); }
inline FString LexToString(uint8 Value) { return FString::Printf(TEXT("%u"), (uint32)Value); }
inline FString LexToString(float Value) { return FString::Printf(TEXT("%f"), Value); }
inline FString LexToString(double Value) { return FString::Printf(TEXT("%f"), Value); }
inline FString LexToString(bool Value) { return Value ? FString(TEXT("true")) : FString(TEXT("false")); }
inline FString LexToString(const TCHAR* Value) { return FString(Value); }
inline FString LexToString(const FString& Value) { return Value; }
inline FString LexToSanitizedString(float Value) { return FString::SanitizeFloat(Value); }
inline FString LexToSanitizedString(double Value) { return FString::SanitizeFloat(Value); }
inline void LexFromString(int32& OutValue, const TCHAR* Buffer) { OutValue = FCString::Atoi(Buffer); }
inline void LexFromString(int64& OutValue, const TCHAR* Buffer) { OutValue = FCString::Atoi64(Buffer); }
inline void LexFromString(uint8& OutValue, const TCHAR* Buffer) { OutValue = (uint8)FCString::Atoi(Buffer); }
inline void LexFromString(uint32& OutValue, const TCHAR* Buffer) { OutValue = (uint32)FCString::Atoi64(Buffer); }
inline void LexFromString(float& OutValue, const TCHAR* Buffer) { OutValue = FCString::Atof(Buffer); }
inline void LexFromString(double& OutValue, const TCHAR* Buffer) { OutValue = FCString::Atod(Buffer); }
inline void LexFromString(bool& OutValue, const TCHAR* Buffer) { OutValue = FCString::ToBool(Buffer); }
inline void LexFromString(FString& OutValue, const TCHAR* Buffer) { OutValue = Buffer; }

namespace UE::Assert::Private
{
	template <typename... ArgTypes>
	[[noreturn]] void CheckfFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Fmt, ArgTypes... Args)
	{
		const std::wstring Message = UE::Core::Private::FormatPrintfToStd(Fmt, Args...);
		CheckFailed(Expr, File, Line, Message.c_str());
	}

	template <typename... ArgTypes>
	void EnsureMsgfFailed(bool& bExecuted, bool bAlways, const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Fmt, ArgTypes... Args)
	{
		const std::wstring Message = UE::Core::Private::FormatPrintfToStd(Fmt, Args...);
		EnsureFailed(bExecuted, bAlways, Expr, File, Line, Message.c_str());
	}
}

#include "Containers/StringConv.h"
