// FString's out-of-line members, the printf dialect and the UTF-8 edge conversions.
#include "Containers/UnrealString.h"
#include "Containers/StringConv.h"
#include "Misc/VarArgs.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>

namespace UE::Core::Private
{
	void OnInvalidArrayIndex(int32 Index, int32 Num)
	{
		const FString Message = FString::Printf(TEXT("Array index out of bounds: %d into an array of size %d"), Index, Num);
		UE::Assert::Private::CheckFailed("IsValidIndex(Index)", __FILE__, __LINE__, *Message);
	}

	void OnInvalidArrayNum(int32 Num)
	{
		const FString Message = FString::Printf(TEXT("Invalid array size: %d"), Num);
		UE::Assert::Private::CheckFailed("Num >= 0", __FILE__, __LINE__, *Message);
	}

	std::string ConvertTCharToUtf8(const TCHAR* Source, int32 Length)
	{
		std::string Out;
		Out.reserve(Length);
		for (int32 Index = 0; Index < Length; ++Index)
		{
			uint32 Code = (uint32)Source[Index];
			if (Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF))
			{
				Code = '?';
			}
			if (Code < 0x80)
			{
				Out.push_back((char)Code);
			}
			else if (Code < 0x800)
			{
				Out.push_back((char)(0xC0 | (Code >> 6)));
				Out.push_back((char)(0x80 | (Code & 0x3F)));
			}
			else if (Code < 0x10000)
			{
				Out.push_back((char)(0xE0 | (Code >> 12)));
				Out.push_back((char)(0x80 | ((Code >> 6) & 0x3F)));
				Out.push_back((char)(0x80 | (Code & 0x3F)));
			}
			else
			{
				Out.push_back((char)(0xF0 | (Code >> 18)));
				Out.push_back((char)(0x80 | ((Code >> 12) & 0x3F)));
				Out.push_back((char)(0x80 | ((Code >> 6) & 0x3F)));
				Out.push_back((char)(0x80 | (Code & 0x3F)));
			}
		}
		return Out;
	}

	std::wstring ConvertUtf8ToTChar(const ANSICHAR* Source, int32 Length)
	{
		std::wstring Out;
		Out.reserve(Length);
		const uint8* Bytes = (const uint8*)Source;
		int32 Index = 0;
		while (Index < Length)
		{
			const uint8 Lead = Bytes[Index];
			int32 Extra;
			uint32 Code;
			if (Lead < 0x80)
			{
				Out.push_back((TCHAR)Lead);
				++Index;
				continue;
			}
			else if ((Lead & 0xE0) == 0xC0)
			{
				Extra = 1;
				Code = Lead & 0x1F;
			}
			else if ((Lead & 0xF0) == 0xE0)
			{
				Extra = 2;
				Code = Lead & 0x0F;
			}
			else if ((Lead & 0xF8) == 0xF0)
			{
				Extra = 3;
				Code = Lead & 0x07;
			}
			else
			{
				Out.push_back(TEXT('?'));
				++Index;
				continue;
			}
			bool bValid = Index + Extra < Length;
			for (int32 Step = 1; bValid && Step <= Extra; ++Step)
			{
				const uint8 Next = Bytes[Index + Step];
				if ((Next & 0xC0) != 0x80)
				{
					bValid = false;
				}
				else
				{
					Code = (Code << 6) | (Next & 0x3F);
				}
			}
			const uint32 MinCode = Extra == 1 ? 0x80 : (Extra == 2 ? 0x800 : 0x10000);
			if (!bValid || Code < MinCode || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF))
			{
				// A broken sequence costs one character; the rest of the text still converts.
				Out.push_back(TEXT('?'));
				++Index;
				continue;
			}
			Out.push_back((TCHAR)Code);
			Index += Extra + 1;
		}
		return Out;
	}

	namespace
	{
		void AppendNarrow(std::wstring& Out, const char* Text)
		{
			for (; *Text; ++Text)
			{
				Out.push_back((TCHAR)(uint8)*Text);
			}
		}

		void AppendPadded(std::wstring& Out, const std::wstring& Text, int32 Width, bool bLeftJustify)
		{
			const int32 Padding = Width - int32(Text.size());
			if (Padding > 0 && !bLeftJustify)
			{
				Out.append(size_t(Padding), TEXT(' '));
			}
			Out.append(Text);
			if (Padding > 0 && bLeftJustify)
			{
				Out.append(size_t(Padding), TEXT(' '));
			}
		}

		int64 ArgAsSigned(const FFormatArg& Arg)
		{
			switch (Arg.Kind)
			{
			case FFormatArg::EKind::SignedInt: return Arg.Int;
			case FFormatArg::EKind::UnsignedInt: return (int64)Arg.UInt;
			case FFormatArg::EKind::Double: return (int64)Arg.DoubleValue;
			default: return (int64)(UPTRINT)Arg.Ptr;
			}
		}

		double ArgAsDouble(const FFormatArg& Arg)
		{
			switch (Arg.Kind)
			{
			case FFormatArg::EKind::SignedInt: return (double)Arg.Int;
			case FFormatArg::EKind::UnsignedInt: return (double)Arg.UInt;
			case FFormatArg::EKind::Double: return Arg.DoubleValue;
			default: return 0.0;
			}
		}
	}

	void FormatPrintf(std::wstring& Out, const TCHAR* Fmt, const FFormatArg* Args, int32 NumArgs)
	{
		if (!Fmt)
		{
			return;
		}
		int32 NextArg = 0;
		auto TakeArg = [&](const FFormatArg*& OutArg) -> bool
		{
			if (NextArg >= NumArgs)
			{
				OutArg = nullptr;
				return false;
			}
			OutArg = &Args[NextArg++];
			return true;
		};

		for (const TCHAR* Ptr = Fmt; *Ptr;)
		{
			if (*Ptr != TEXT('%'))
			{
				Out.push_back(*Ptr++);
				continue;
			}
			const TCHAR* SpecStart = Ptr;
			++Ptr;
			if (*Ptr == TEXT('%'))
			{
				Out.push_back(TEXT('%'));
				++Ptr;
				continue;
			}

			std::string Flags;
			while (*Ptr == TEXT('-') || *Ptr == TEXT('+') || *Ptr == TEXT(' ') || *Ptr == TEXT('0') || *Ptr == TEXT('#'))
			{
				if (Flags.find((char)*Ptr) == std::string::npos)
				{
					Flags.push_back((char)*Ptr);
				}
				++Ptr;
			}
			int32 Width = -1;
			if (*Ptr == TEXT('*'))
			{
				const FFormatArg* WidthArg = nullptr;
				if (TakeArg(WidthArg))
				{
					Width = (int32)ArgAsSigned(*WidthArg);
					if (Width < 0)
					{
						Flags.push_back('-');
						Width = -Width;
					}
				}
				++Ptr;
			}
			else
			{
				while (*Ptr >= TEXT('0') && *Ptr <= TEXT('9'))
				{
					Width = (Width < 0 ? 0 : Width) * 10 + int32(*Ptr - TEXT('0'));
					++Ptr;
				}
			}
			int32 Precision = -1;
			if (*Ptr == TEXT('.'))
			{
				++Ptr;
				Precision = 0;
				if (*Ptr == TEXT('*'))
				{
					const FFormatArg* PrecisionArg = nullptr;
					if (TakeArg(PrecisionArg))
					{
						Precision = (int32)ArgAsSigned(*PrecisionArg);
					}
					++Ptr;
				}
				else
				{
					while (*Ptr >= TEXT('0') && *Ptr <= TEXT('9'))
					{
						Precision = Precision * 10 + int32(*Ptr - TEXT('0'));
						++Ptr;
					}
				}
			}
			// Length modifiers: hh h l ll z j t L I64
			int32 LengthBits = 32;
			for (;;)
			{
				if (Ptr[0] == TEXT('h') && Ptr[1] == TEXT('h')) { LengthBits = 8; Ptr += 2; }
				else if (*Ptr == TEXT('h')) { LengthBits = 16; ++Ptr; }
				else if (Ptr[0] == TEXT('l') && Ptr[1] == TEXT('l')) { LengthBits = 64; Ptr += 2; }
				else if (*Ptr == TEXT('l') || *Ptr == TEXT('z') || *Ptr == TEXT('j') || *Ptr == TEXT('t') || *Ptr == TEXT('L')) { LengthBits = 64; ++Ptr; }
				else if (Ptr[0] == TEXT('I') && Ptr[1] == TEXT('6') && Ptr[2] == TEXT('4')) { LengthBits = 64; Ptr += 3; }
				else { break; }
			}
			const TCHAR Conversion = *Ptr;
			if (Conversion == 0)
			{
				Out.append(SpecStart);
				break;
			}
			++Ptr;

			const bool bLeftJustify = Flags.find('-') != std::string::npos;
			const FFormatArg* Arg = nullptr;
			if (!TakeArg(Arg))
			{
				// More conversions than arguments: keep the text as written.
				Out.append(SpecStart, Ptr - SpecStart);
				continue;
			}

			std::string NarrowSpec = "%" + Flags;
			if (Width >= 0)
			{
				NarrowSpec += std::to_string(Width);
			}
			if (Precision >= 0)
			{
				NarrowSpec += "." + std::to_string(Precision);
			}
			char Buffer[512];

			switch (Conversion)
			{
			case TEXT('d'):
			case TEXT('i'):
			{
				int64 Value = ArgAsSigned(*Arg);
				if (LengthBits == 8) { Value = (int8)Value; }
				else if (LengthBits == 16) { Value = (int16)Value; }
				else if (LengthBits == 32) { Value = (int32)Value; }
				std::snprintf(Buffer, sizeof(Buffer), (NarrowSpec + "lld").c_str(), (long long)Value);
				AppendNarrow(Out, Buffer);
				break;
			}
			case TEXT('u'):
			case TEXT('x'):
			case TEXT('X'):
			case TEXT('o'):
			{
				uint64 Value = (uint64)ArgAsSigned(*Arg);
				if (LengthBits == 8) { Value = (uint8)Value; }
				else if (LengthBits == 16) { Value = (uint16)Value; }
				else if (LengthBits == 32) { Value = (uint32)Value; }
				std::snprintf(Buffer, sizeof(Buffer), (NarrowSpec + "ll" + (char)Conversion).c_str(), (unsigned long long)Value);
				AppendNarrow(Out, Buffer);
				break;
			}
			case TEXT('f'):
			case TEXT('F'):
			case TEXT('e'):
			case TEXT('E'):
			case TEXT('g'):
			case TEXT('G'):
			case TEXT('a'):
			case TEXT('A'):
			{
				const double Value = ArgAsDouble(*Arg);
				std::string FormatText = NarrowSpec + (char)Conversion;
				const int32 Needed = std::snprintf(nullptr, 0, FormatText.c_str(), Value);
				std::string Text(size_t(Needed > 0 ? Needed : 0) + 1, '\0');
				std::snprintf(Text.data(), Text.size(), FormatText.c_str(), Value);
				AppendNarrow(Out, Text.c_str());
				break;
			}
			case TEXT('c'):
			{
				std::wstring Text(1, (TCHAR)ArgAsSigned(*Arg));
				AppendPadded(Out, Text, Width, bLeftJustify);
				break;
			}
			case TEXT('p'):
			{
				const void* Value = Arg->Kind == FFormatArg::EKind::Pointer || Arg->Kind == FFormatArg::EKind::WideString
						|| Arg->Kind == FFormatArg::EKind::AnsiString
					? Arg->Ptr
					: (const void*)(UPTRINT)ArgAsSigned(*Arg);
				std::snprintf(Buffer, sizeof(Buffer), "0x%llx", (unsigned long long)(UPTRINT)Value);
				std::wstring Text;
				AppendNarrow(Text, Buffer);
				AppendPadded(Out, Text, Width, bLeftJustify);
				break;
			}
			case TEXT('s'):
			case TEXT('S'):
			{
				std::wstring Text;
				if (Arg->Kind == FFormatArg::EKind::WideString)
				{
					Text = Arg->WideStr ? std::wstring(Arg->WideStr) : std::wstring(TEXT("(null)"));
				}
				else if (Arg->Kind == FFormatArg::EKind::AnsiString)
				{
					Text = Arg->AnsiStr ? ConvertUtf8ToTChar(Arg->AnsiStr, (int32)std::strlen(Arg->AnsiStr)) : std::wstring(TEXT("(null)"));
				}
				else if (Arg->Kind == FFormatArg::EKind::Pointer && Arg->Ptr == nullptr)
				{
					Text = TEXT("(null)");
				}
				else
				{
					Text = TEXT("<invalid %s argument>");
				}
				if (Precision >= 0 && int32(Text.size()) > Precision)
				{
					Text.resize(Precision);
				}
				AppendPadded(Out, Text, Width, bLeftJustify);
				break;
			}
			default:
				// Unknown conversion: keep it as written and give the argument back.
				--NextArg;
				Out.append(SpecStart, Ptr - SpecStart);
				break;
			}
		}
	}
}

FString::FString(const ANSICHAR* Str)
{
	if (Str)
	{
		Data = UE::Core::Private::ConvertUtf8ToTChar(Str, (int32)std::strlen(Str));
	}
}

FString::FString(int32 InCount, const ANSICHAR* InSrc)
{
	if (InSrc && InCount > 0)
	{
		Data = UE::Core::Private::ConvertUtf8ToTChar(InSrc, InCount);
	}
}

TArray<TCHAR> FString::GetCharArray() const
{
	TArray<TCHAR> Result;
	if (!Data.empty())
	{
		Result.Append(Data.c_str(), Len() + 1);
	}
	return Result;
}

void FString::AppendInt(int32 InNum)
{
	Data += std::to_wstring(InNum);
}

void FString::PathAppend(const TCHAR* Str, int32 StrLength)
{
	if (!Data.empty())
	{
		const TCHAR Last = Data.back();
		if (Last != TEXT('/') && Last != TEXT('\\') && (StrLength == 0 || Str[0] != TEXT('/')))
		{
			Data.push_back(TEXT('/'));
		}
	}
	if (Str && StrLength > 0)
	{
		Data.append(Str, StrLength);
	}
}

bool FString::RemoveFromStart(const TCHAR* InPrefix, ESearchCase::Type SearchCase)
{
	if (InPrefix && *InPrefix && StartsWith(InPrefix, SearchCase))
	{
		Data.erase(0, FCString::Strlen(InPrefix));
		return true;
	}
	return false;
}

bool FString::RemoveFromEnd(const TCHAR* InSuffix, ESearchCase::Type SearchCase)
{
	if (InSuffix && *InSuffix && EndsWith(InSuffix, SearchCase))
	{
		Data.resize(Data.size() - FCString::Strlen(InSuffix));
		return true;
	}
	return false;
}

bool FString::Equals(const FString& Other, ESearchCase::Type SearchCase) const
{
	if (Len() != Other.Len())
	{
		return false;
	}
	return SearchCase == ESearchCase::CaseSensitive ? Data == Other.Data : FCString::Stricmp(**this, *Other) == 0;
}

int32 FString::Compare(const FString& Other, ESearchCase::Type SearchCase) const
{
	return SearchCase == ESearchCase::CaseSensitive ? FCString::Strcmp(**this, *Other) : FCString::Stricmp(**this, *Other);
}

int32 FString::Find(const TCHAR* SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir, int32 StartPosition) const
{
	if (SubStr == nullptr)
	{
		return INDEX_NONE;
	}
	const int32 SubLen = FCString::Strlen(SubStr);
	auto MatchesAt = [&](int32 Index)
	{
		return SearchCase == ESearchCase::CaseSensitive
			? FCString::Strncmp(Data.c_str() + Index, SubStr, SubLen) == 0
			: FCString::Strnicmp(Data.c_str() + Index, SubStr, SubLen) == 0;
	};
	if (SearchDir == ESearchDir::FromStart)
	{
		int32 Start = 0;
		if (StartPosition != INDEX_NONE)
		{
			Start = StartPosition < 0 ? 0 : (StartPosition > Len() ? Len() : StartPosition);
		}
		for (int32 Index = Start; Index + SubLen <= Len(); ++Index)
		{
			if (MatchesAt(Index))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	int32 Start = Len();
	if (StartPosition >= 0 && StartPosition <= Len())
	{
		Start = StartPosition;
	}
	const int32 SearchLength = SubLen > 1 ? SubLen : 1;
	for (int32 Index = Start - SearchLength; Index >= 0; --Index)
	{
		if (Index + SubLen <= Len() && MatchesAt(Index))
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

bool FString::StartsWith(const TCHAR* InPrefix, ESearchCase::Type SearchCase) const
{
	if (!InPrefix || !*InPrefix)
	{
		return false;
	}
	const int32 PrefixLen = FCString::Strlen(InPrefix);
	if (PrefixLen > Len())
	{
		return false;
	}
	return SearchCase == ESearchCase::CaseSensitive ? FCString::Strncmp(**this, InPrefix, PrefixLen) == 0
													: FCString::Strnicmp(**this, InPrefix, PrefixLen) == 0;
}

bool FString::EndsWith(const TCHAR* InSuffix, ESearchCase::Type SearchCase) const
{
	if (!InSuffix || !*InSuffix)
	{
		return false;
	}
	const int32 SuffixLen = FCString::Strlen(InSuffix);
	if (SuffixLen > Len())
	{
		return false;
	}
	const TCHAR* Start = **this + Len() - SuffixLen;
	return SearchCase == ESearchCase::CaseSensitive ? FCString::Strcmp(Start, InSuffix) == 0 : FCString::Stricmp(Start, InSuffix) == 0;
}

namespace
{
	bool WildcardMatch(const TCHAR* Text, const TCHAR* Pattern, bool bIgnoreCase)
	{
		while (*Pattern)
		{
			if (*Pattern == TEXT('*'))
			{
				++Pattern;
				if (!*Pattern)
				{
					return true;
				}
				for (const TCHAR* Rest = Text; ; ++Rest)
				{
					if (WildcardMatch(Rest, Pattern, bIgnoreCase))
					{
						return true;
					}
					if (!*Rest)
					{
						return false;
					}
				}
			}
			if (!*Text)
			{
				return false;
			}
			const bool bSame = *Pattern == TEXT('?') || *Pattern == *Text
				|| (bIgnoreCase && FChar::ToLower(*Pattern) == FChar::ToLower(*Text));
			if (!bSame)
			{
				return false;
			}
			++Pattern;
			++Text;
		}
		return *Text == 0;
	}
}

bool FString::MatchesWildcard(const TCHAR* Wildcard, ESearchCase::Type SearchCase) const
{
	return WildcardMatch(**this, Wildcard ? Wildcard : TEXT(""), SearchCase == ESearchCase::IgnoreCase);
}

FString FString::Mid(int32 Start, int32 Count) const
{
	if (Count < 0)
	{
		return FString();
	}
	const int32 Begin = Start < 0 ? 0 : (Start > Len() ? Len() : Start);
	int64 End = (int64)Start + Count;
	End = End < Begin ? Begin : (End > Len() ? Len() : End);
	return FString(int32(End - Begin), Data.c_str() + Begin);
}

bool FString::Split(const FString& InS, FString* LeftS, FString* RightS, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir) const
{
	const int32 Index = Find(InS, SearchCase, SearchDir);
	if (Index == INDEX_NONE)
	{
		return false;
	}
	const FString Copy(*this);
	if (LeftS)
	{
		*LeftS = Copy.Left(Index);
	}
	if (RightS)
	{
		*RightS = Copy.Mid(Index + InS.Len());
	}
	return true;
}

FString FString::Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase) const
{
	FString Result(*this);
	Result.ReplaceInline(From, To, SearchCase);
	return Result;
}

int32 FString::ReplaceInline(const TCHAR* SearchText, const TCHAR* ReplacementText, ESearchCase::Type SearchCase)
{
	if (!SearchText || !*SearchText || IsEmpty())
	{
		return 0;
	}
	const int32 SearchLen = FCString::Strlen(SearchText);
	const std::wstring Replacement = ReplacementText ? ReplacementText : TEXT("");
	std::wstring Result;
	int32 Count = 0;
	int32 Index = 0;
	while (Index < Len())
	{
		const bool bMatch = Index + SearchLen <= Len()
			&& (SearchCase == ESearchCase::CaseSensitive ? FCString::Strncmp(Data.c_str() + Index, SearchText, SearchLen) == 0
														 : FCString::Strnicmp(Data.c_str() + Index, SearchText, SearchLen) == 0);
		if (bMatch)
		{
			Result += Replacement;
			Index += SearchLen;
			++Count;
		}
		else
		{
			Result.push_back(Data[Index]);
			++Index;
		}
	}
	Data.swap(Result);
	return Count;
}

FString FString::ReplaceQuotesWithEscapedQuotes() const
{
	FString Result;
	for (const TCHAR Char : Data)
	{
		if (Char == TEXT('"'))
		{
			Result.Data.push_back(TEXT('\\'));
		}
		Result.Data.push_back(Char);
	}
	return Result;
}

namespace
{
	const TCHAR* const CharToEscapeSeq[] = { TEXT("\\"), TEXT("\n"), TEXT("\r"), TEXT("\t"), TEXT("\'"), TEXT("\"") };
	const TCHAR* const EscapeSeqs[] = { TEXT("\\\\"), TEXT("\\n"), TEXT("\\r"), TEXT("\\t"), TEXT("\\'"), TEXT("\\\"") };
}

FString FString::ReplaceCharWithEscapedChar(const TArray<TCHAR>* ParseChars) const
{
	FString Result;
	for (const TCHAR Char : Data)
	{
		bool bEscaped = false;
		for (int32 Index = 0; Index < 6; ++Index)
		{
			if (Char == CharToEscapeSeq[Index][0] && (!ParseChars || ParseChars->Contains(Char)))
			{
				Result += EscapeSeqs[Index];
				bEscaped = true;
				break;
			}
		}
		if (!bEscaped)
		{
			Result.Data.push_back(Char);
		}
	}
	return Result;
}

FString FString::ReplaceEscapedCharWithChar(const TArray<TCHAR>* ParseChars) const
{
	FString Result;
	for (int32 Index = 0; Index < Len(); ++Index)
	{
		bool bUnescaped = false;
		if (Data[Index] == TEXT('\\') && Index + 1 < Len())
		{
			for (int32 Seq = 0; Seq < 6; ++Seq)
			{
				if (Data[Index + 1] == EscapeSeqs[Seq][1] && (!ParseChars || ParseChars->Contains(CharToEscapeSeq[Seq][0])))
				{
					Result.Data.push_back(CharToEscapeSeq[Seq][0]);
					++Index;
					bUnescaped = true;
					break;
				}
			}
		}
		if (!bUnescaped)
		{
			Result.Data.push_back(Data[Index]);
		}
	}
	return Result;
}

FString FString::ToUpper() const
{
	FString Result(*this);
	for (TCHAR& Char : Result.Data)
	{
		Char = FChar::ToUpper(Char);
	}
	return Result;
}

FString FString::ToLower() const
{
	FString Result(*this);
	for (TCHAR& Char : Result.Data)
	{
		Char = FChar::ToLower(Char);
	}
	return Result;
}

FString FString::TrimStart() const
{
	int32 Start = 0;
	while (Start < Len() && FChar::IsWhitespace(Data[Start]))
	{
		++Start;
	}
	return RightChop(Start);
}

FString FString::TrimEnd() const
{
	int32 End = Len();
	while (End > 0 && FChar::IsWhitespace(Data[End - 1]))
	{
		--End;
	}
	return Left(End);
}

FString FString::TrimStartAndEnd() const
{
	return TrimStart().TrimEnd();
}

FString FString::TrimQuotes(bool* bQuotesRemoved) const
{
	return TrimChar(TEXT('"'), bQuotesRemoved);
}

FString FString::TrimChar(TCHAR CharacterToTrim, bool* bCharRemoved) const
{
	bool bRemoved = false;
	int32 Start = 0;
	int32 Count = Len();
	if (Count > 0 && Data[0] == CharacterToTrim)
	{
		++Start;
		--Count;
		bRemoved = true;
	}
	if (Count > 0 && Data[Len() - 1] == CharacterToTrim)
	{
		--Count;
		bRemoved = true;
	}
	if (bCharRemoved)
	{
		*bCharRemoved = bRemoved;
	}
	return Mid(Start, Count);
}

FString FString::Reverse() const
{
	FString Result(*this);
	std::reverse(Result.Data.begin(), Result.Data.end());
	return Result;
}

int32 FString::ParseIntoArray(TArray<FString>& OutArray, const TCHAR* Delimiter, bool bCullEmpty) const
{
	OutArray.Reset();
	const int32 DelimLen = FCString::Strlen(Delimiter);
	if (DelimLen == 0)
	{
		if (!IsEmpty() || !bCullEmpty)
		{
			OutArray.Add(*this);
		}
		return OutArray.Num();
	}
	int32 Start = 0;
	for (;;)
	{
		const int32 Found = Find(Delimiter, ESearchCase::CaseSensitive, ESearchDir::FromStart, Start);
		const int32 End = Found == INDEX_NONE ? Len() : Found;
		if (!bCullEmpty || End > Start)
		{
			OutArray.Add(Mid(Start, End - Start));
		}
		if (Found == INDEX_NONE)
		{
			break;
		}
		Start = Found + DelimLen;
	}
	return OutArray.Num();
}

int32 FString::ParseIntoArray(TArray<FString>& OutArray, const TCHAR* const* DelimArray, int32 NumDelims, bool bCullEmpty) const
{
	OutArray.Reset();
	int32 SegmentStart = 0;
	int32 Index = 0;
	while (Index < Len())
	{
		int32 MatchLen = 0;
		for (int32 Delim = 0; Delim < NumDelims; ++Delim)
		{
			const int32 DelimLen = FCString::Strlen(DelimArray[Delim]);
			if (DelimLen > 0 && Index + DelimLen <= Len() && FCString::Strncmp(Data.c_str() + Index, DelimArray[Delim], DelimLen) == 0)
			{
				MatchLen = DelimLen;
				break;
			}
		}
		if (MatchLen > 0)
		{
			if (!bCullEmpty || Index > SegmentStart)
			{
				OutArray.Add(Mid(SegmentStart, Index - SegmentStart));
			}
			Index += MatchLen;
			SegmentStart = Index;
		}
		else
		{
			++Index;
		}
	}
	if (!bCullEmpty || Len() > SegmentStart)
	{
		OutArray.Add(Mid(SegmentStart, Len() - SegmentStart));
	}
	return OutArray.Num();
}

int32 FString::ParseIntoArrayWS(TArray<FString>& OutArray, const TCHAR* ExtraDelimiter, bool bCullEmpty) const
{
	const TCHAR* Delims[] = { TEXT(" "), TEXT("\t"), TEXT("\r"), TEXT("\n"), TEXT("") };
	if (ExtraDelimiter && *ExtraDelimiter)
	{
		Delims[4] = ExtraDelimiter;
	}
	return ParseIntoArray(OutArray, Delims, 5, bCullEmpty);
}

int32 FString::ParseIntoArrayLines(TArray<FString>& OutArray, bool bCullEmpty) const
{
	const TCHAR* Delims[] = { TEXT("\r\n"), TEXT("\n"), TEXT("\r") };
	return ParseIntoArray(OutArray, Delims, 3, bCullEmpty);
}

FString FString::SanitizeFloat(double InFloat, int32 InMinFractionalDigits)
{
	// No "-0.0".
	if (InFloat == 0.0)
	{
		InFloat = 0.0;
	}
	FString Result = Printf(TEXT("%f"), InFloat);
	if (!std::isfinite(InFloat))
	{
		return Result;
	}
	int32 DotIndex = INDEX_NONE;
	if (!Result.FindChar(TEXT('.'), DotIndex))
	{
		if (InMinFractionalDigits > 0)
		{
			Result += TEXT(".");
			Result += ChrN(InMinFractionalDigits, TEXT('0'));
		}
		return Result;
	}
	const int32 MinEnd = DotIndex + 1 + (InMinFractionalDigits > 0 ? InMinFractionalDigits : 0);
	int32 End = Result.Len();
	while (End > MinEnd && Result.Data[End - 1] == TEXT('0'))
	{
		--End;
	}
	if (InMinFractionalDigits <= 0 && End == DotIndex + 1)
	{
		End = DotIndex;
	}
	Result.Data.resize(End);
	while (InMinFractionalDigits > 0 && Result.Len() < MinEnd)
	{
		Result.Data.push_back(TEXT('0'));
	}
	return Result;
}

FString FString::FormatAsNumber(int32 InNumber)
{
	const FString Number = Printf(TEXT("%lld"), InNumber < 0 ? -(long long)InNumber : (long long)InNumber);
	FString Result;
	const int32 Length = Number.Len();
	for (int32 Index = 0; Index < Length; ++Index)
	{
		if (Index > 0 && (Length - Index) % 3 == 0)
		{
			Result.AppendChar(TEXT(','));
		}
		Result.AppendChar(Number[Index]);
	}
	return InNumber < 0 ? TEXT("-") + Result : Result;
}

uint32 GetTypeHash(const FString& String)
{
	// FNV-1a over the lower-cased characters.
	uint32 Hash = 2166136261u;
	for (const TCHAR Char : String)
	{
		Hash ^= (uint32)FChar::ToLower(Char);
		Hash *= 16777619u;
	}
	return Hash;
}
