// What a user reads, compared letter for letter. FString's own == ignores case, as in the engine, so a
// test that compares labels, names, XML or file names with it would pass on a wrong letter case.
// Utf8 gives a text as gtest prints it in a failure message.
#pragma once

#include "CoreMinimal.h"

#include <ostream>
#include <string>

struct FShownText : public FString
{
	FShownText() = default;
	FShownText(const FString& InText)
		: FString(InText)
	{
	}
	FShownText(const TCHAR* InText)
		: FString(InText)
	{
	}

	friend bool operator==(const FShownText& A, const FShownText& B) { return A.Equals(B, ESearchCase::CaseSensitive); }
	friend bool operator==(const FShownText& A, const FString& B) { return A.Equals(B, ESearchCase::CaseSensitive); }
	friend bool operator==(const FString& A, const FShownText& B) { return A.Equals(B, ESearchCase::CaseSensitive); }
	friend bool operator==(const FShownText& A, const TCHAR* B) { return A.Equals(FString(B), ESearchCase::CaseSensitive); }
	friend bool operator==(const TCHAR* A, const FShownText& B) { return B == A; }
	friend bool operator!=(const FShownText& A, const FShownText& B) { return !(A == B); }
	friend bool operator!=(const FShownText& A, const FString& B) { return !(A == B); }
	friend bool operator!=(const FString& A, const FShownText& B) { return !(A == B); }
	friend bool operator!=(const FShownText& A, const TCHAR* B) { return !(A == B); }
	friend bool operator!=(const TCHAR* A, const FShownText& B) { return !(B == A); }

	friend void PrintTo(const FShownText& Text, std::ostream* Out)
	{
		*Out << '"' << TCHAR_TO_UTF8(*Text) << '"';
	}
};

inline void PrintTo(const TArray<FShownText>& Texts, std::ostream* Out)
{
	*Out << '{';
	for (int32 Index = 0; Index < Texts.Num(); ++Index)
	{
		*Out << (Index > 0 ? ", " : "") << '"' << TCHAR_TO_UTF8(*Texts[Index]) << '"';
	}
	*Out << '}';
}

/** A text to compare as the user reads it. */
inline FShownText Shown(const FString& Text)
{
	return FShownText(Text);
}

inline TArray<FShownText> Shown(const TArray<FString>& Texts)
{
	TArray<FShownText> Result;
	for (const FString& Text : Texts)
	{
		Result.Add(FShownText(Text));
	}
	return Result;
}

inline std::string Utf8(const FString& Text)
{
	return std::string(TCHAR_TO_UTF8(*Text));
}
