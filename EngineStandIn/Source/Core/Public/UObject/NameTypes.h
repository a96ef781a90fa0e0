// FName: an interned name. Comparison ignores case; the first spelling added is the one kept.
#pragma once

#include "HAL/Platform.h"
#include "Templates/TypeHash.h"
#include "Containers/UnrealString.h"
#include "Containers/StringView.h"
#include "UObject/UnrealNames.h"

class FName
{
public:
	FName()
		: Index(0)
	{
	}
	FName(EName Name)
		: Index((int32)Name)
	{
	}
	CORE_API FName(const TCHAR* Name, EFindName FindType = FNAME_Add);
	CORE_API FName(const ANSICHAR* Name, EFindName FindType = FNAME_Add);
	// Strings and views convert only when asked to, as the engine's: FName N = SomeString; does not compile.
	CORE_API explicit FName(const FString& Name, EFindName FindType = FNAME_Add);
	CORE_API explicit FName(FStringView Name, EFindName FindType = FNAME_Add);
	CORE_API FName(int32 Len, const TCHAR* Name, EFindName FindType = FNAME_Add);

	CORE_API FString ToString() const;
	CORE_API void ToString(FString& Out) const;
	FString GetPlainNameString() const { return ToString(); }
	CORE_API void AppendString(FString& Out) const;
	CORE_API int32 GetStringLength() const;

	bool IsNone() const { return Index == 0; }
	bool IsValid() const { return Index >= 0; }
	int32 GetComparisonIndex() const { return Index; }
	int32 GetDisplayIndex() const { return Index; }
	int32 GetNumber() const { return NAME_NO_NUMBER_INTERNAL; }

	bool IsEqual(const FName& Other) const { return Index == Other.Index; }
	bool operator==(const FName& Other) const { return Index == Other.Index; }
	bool operator!=(const FName& Other) const { return Index != Other.Index; }
	bool operator==(EName Other) const { return Index == (int32)Other; }
	bool operator!=(EName Other) const { return Index != (int32)Other; }
	CORE_API bool operator==(const TCHAR* Other) const;
	bool operator!=(const TCHAR* Other) const { return !(*this == Other); }

	/** Case-insensitive comparison of the strings. */
	CORE_API int32 Compare(const FName& Other) const;
	bool LexicalLess(const FName& Other) const { return Compare(Other) < 0; }
	bool FastLess(const FName& Other) const { return Index < Other.Index; }
	bool operator<(const FName& Other) const { return Compare(Other) < 0; }
	bool operator>(const FName& Other) const { return Compare(Other) > 0; }

	static FName FindName(const TCHAR* Name) { return FName(Name, FNAME_Find); }

	friend uint32 GetTypeHash(const FName& Name) { return GetTypeHash(Name.Index); }

private:
	int32 Index;
};

struct FNameLexicalLess
{
	bool operator()(const FName& A, const FName& B) const { return A.LexicalLess(B); }
};

struct FNameFastLess
{
	bool operator()(const FName& A, const FName& B) const { return A.FastLess(B); }
};

inline FString LexToString(const FName& Name) { return Name.ToString(); }
inline void LexFromString(FName& Name, const TCHAR* Str) { Name = FName(Str); }
