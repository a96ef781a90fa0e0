// C-string helpers (FCString = TCString<TCHAR>): comparisons, searches and number parsing.
#pragma once

#include "HAL/Platform.h"
#include "Misc/Char.h"

#include <cstdlib>

template <typename CharType>
struct TCString
{
	typedef CharType CharT;

	static int32 Strlen(const CharType* String)
	{
		int32 Length = 0;
		if (String)
		{
			while (String[Length])
			{
				++Length;
			}
		}
		return Length;
	}

	static int32 Strcmp(const CharType* String1, const CharType* String2)
	{
		for (;; ++String1, ++String2)
		{
			const uint32 A = TChar<CharType>::ToUnsigned(*String1);
			const uint32 B = TChar<CharType>::ToUnsigned(*String2);
			if (A != B)
			{
				return A < B ? -1 : 1;
			}
			if (A == 0)
			{
				return 0;
			}
		}
	}

	static int32 Strncmp(const CharType* String1, const CharType* String2, SIZE_T Count)
	{
		for (; Count > 0; --Count, ++String1, ++String2)
		{
			const uint32 A = TChar<CharType>::ToUnsigned(*String1);
			const uint32 B = TChar<CharType>::ToUnsigned(*String2);
			if (A != B)
			{
				return A < B ? -1 : 1;
			}
			if (A == 0)
			{
				return 0;
			}
		}
		return 0;
	}

	static int32 Stricmp(const CharType* String1, const CharType* String2)
	{
		for (;; ++String1, ++String2)
		{
			const uint32 A = TChar<CharType>::ToUnsigned(TChar<CharType>::ToLower(*String1));
			const uint32 B = TChar<CharType>::ToUnsigned(TChar<CharType>::ToLower(*String2));
			if (A != B)
			{
				return A < B ? -1 : 1;
			}
			if (A == 0)
			{
				return 0;
			}
		}
	}

	static int32 Strnicmp(const CharType* String1, const CharType* String2, SIZE_T Count)
	{
		for (; Count > 0; --Count, ++String1, ++String2)
		{
			const uint32 A = TChar<CharType>::ToUnsigned(TChar<CharType>::ToLower(*String1));
			const uint32 B = TChar<CharType>::ToUnsigned(TChar<CharType>::ToLower(*String2));
			if (A != B)
			{
				return A < B ? -1 : 1;
			}
			if (A == 0)
			{
				return 0;
			}
		}
		return 0;
	}

	static const CharType* Strstr(const CharType* String, const CharType* Find)
	{
		const int32 FindLength = Strlen(Find);
		for (; *String; ++String)
		{
			if (Strncmp(String, Find, FindLength) == 0)
			{
				return String;
			}
		}
		return FindLength == 0 ? String : nullptr;
	}

	static const CharType* Stristr(const CharType* String, const CharType* Find)
	{
		const int32 FindLength = Strlen(Find);
		for (; *String; ++String)
		{
			if (Strnicmp(String, Find, FindLength) == 0)
			{
				return String;
			}
		}
		return FindLength == 0 ? String : nullptr;
	}

	static const CharType* Strchr(const CharType* String, CharType Char)
	{
		for (;; ++String)
		{
			if (*String == Char)
			{
				return String;
			}
			if (*String == 0)
			{
				return nullptr;
			}
		}
	}

	static const CharType* Strrchr(const CharType* String, CharType Char)
	{
		const CharType* Last = nullptr;
		for (;; ++String)
		{
			if (*String == Char)
			{
				Last = String;
			}
			if (*String == 0)
			{
				return Last;
			}
		}
	}

	static CharType* Strncpy(CharType* Dest, const CharType* Src, SIZE_T MaxLen)
	{
		if (MaxLen == 0)
		{
			return Dest;
		}
		SIZE_T Index = 0;
		for (; Index + 1 < MaxLen && Src[Index]; ++Index)
		{
			Dest[Index] = Src[Index];
		}
		Dest[Index] = 0;
		return Dest;
	}

	/** Parses a leading integer like strtol: blanks, optional sign, digits; stops at the first other char. */
	static int64 Strtoi64(const CharType* Start, CharType** End, int32 Base)
	{
		const CharType* Ptr = Start;
		while (*Ptr && TChar<CharType>::IsWhitespace(*Ptr))
		{
			++Ptr;
		}
		bool bNegative = false;
		if (*Ptr == (CharType)'-' || *Ptr == (CharType)'+')
		{
			bNegative = *Ptr == (CharType)'-';
			++Ptr;
		}
		if ((Base == 0 || Base == 16) && Ptr[0] == (CharType)'0' && (Ptr[1] == (CharType)'x' || Ptr[1] == (CharType)'X')
			&& TChar<CharType>::IsHexDigit(Ptr[2]))
		{
			Ptr += 2;
			Base = 16;
		}
		else if (Base == 0)
		{
			Base = (Ptr[0] == (CharType)'0' && Ptr[1]) ? 8 : 10;
		}
		uint64 Value = 0;
		bool bAnyDigit = false;
		for (;; ++Ptr)
		{
			int32 Digit;
			const CharType Char = *Ptr;
			if (Char >= (CharType)'0' && Char <= (CharType)'9')
			{
				Digit = int32(Char - (CharType)'0');
			}
			else if (Char >= (CharType)'a' && Char <= (CharType)'z')
			{
				Digit = int32(Char - (CharType)'a') + 10;
			}
			else if (Char >= (CharType)'A' && Char <= (CharType)'Z')
			{
				Digit = int32(Char - (CharType)'A') + 10;
			}
			else
			{
				break;
			}
			if (Digit >= Base)
			{
				break;
			}
			Value = Value * uint64(Base) + uint64(Digit);
			bAnyDigit = true;
		}
		if (End)
		{
			*End = const_cast<CharType*>(bAnyDigit ? Ptr : Start);
		}
		return bNegative ? -(int64)Value : (int64)Value;
	}

	static int32 Strtoi(const CharType* Start, CharType** End, int32 Base)
	{
		return (int32)Strtoi64(Start, End, Base);
	}

	static uint64 Strtoui64(const CharType* Start, CharType** End, int32 Base)
	{
		return (uint64)Strtoi64(Start, End, Base);
	}

	static int32 Atoi(const CharType* String)
	{
		return (int32)Strtoi64(String, nullptr, 10);
	}

	static int64 Atoi64(const CharType* String)
	{
		return Strtoi64(String, nullptr, 10);
	}

	static float Atof(const CharType* String)
	{
		return (float)Atod(String);
	}

	/** Parses a leading decimal number like atof ("abc" gives 0). */
	static double Atod(const CharType* String);

	static double Strtod(const CharType* Start, CharType** End);

	/** "True", "Yes", "On" (any case) or a non-zero number. */
	static bool ToBool(const CharType* String)
	{
		static const CharType True[] = { 't', 'r', 'u', 'e', 0 };
		static const CharType Yes[] = { 'y', 'e', 's', 0 };
		static const CharType On[] = { 'o', 'n', 0 };
		if (Stricmp(String, True) == 0 || Stricmp(String, Yes) == 0 || Stricmp(String, On) == 0)
		{
			return true;
		}
		return Atoi(String) != 0;
	}

	/** Optional sign, then digits with at most one '.'. */
	static bool IsNumeric(const CharType* String)
	{
		if (*String == (CharType)'-' || *String == (CharType)'+')
		{
			++String;
		}
		bool bHasDot = false;
		for (; *String; ++String)
		{
			if (*String == (CharType)'.')
			{
				if (bHasDot)
				{
					return false;
				}
				bHasDot = true;
			}
			else if (!TChar<CharType>::IsDigit(*String))
			{
				return false;
			}
		}
		return true;
	}

	static const CharType* Spc(int32 NumSpaces);
};

template <typename CharType>
double TCString<CharType>::Strtod(const CharType* Start, CharType** End)
{
	// Collect an ASCII copy of the leading number and let the C library read it.
	char Buffer[128];
	int32 Length = 0;
	const CharType* Ptr = Start;
	while (*Ptr && TChar<CharType>::IsWhitespace(*Ptr))
	{
		++Ptr;
	}
	const CharType* NumberStart = Ptr;
	while (*Ptr && Length < 127)
	{
		const uint32 Char = TChar<CharType>::ToUnsigned(*Ptr);
		if (Char >= 128)
		{
			break;
		}
		const char Narrow = (char)Char;
		if ((Narrow >= '0' && Narrow <= '9') || Narrow == '.' || Narrow == '-' || Narrow == '+' || Narrow == 'e' || Narrow == 'E'
			|| Narrow == 'x' || Narrow == 'X' || (Narrow >= 'a' && Narrow <= 'f') || (Narrow >= 'A' && Narrow <= 'F')
			|| Narrow == 'i' || Narrow == 'n' || Narrow == 't' || Narrow == 'y' || Narrow == 'I' || Narrow == 'N'
			|| Narrow == 'T' || Narrow == 'Y')
		{
			Buffer[Length++] = Narrow;
			++Ptr;
		}
		else
		{
			break;
		}
	}
	Buffer[Length] = 0;
	char* NarrowEnd = nullptr;
	const double Value = std::strtod(Buffer, &NarrowEnd);
	if (End)
	{
		const int32 Consumed = int32(NarrowEnd - Buffer);
		*End = const_cast<CharType*>(Consumed > 0 ? NumberStart + Consumed : Start);
	}
	return Value;
}

template <typename CharType>
double TCString<CharType>::Atod(const CharType* String)
{
	return Strtod(String, nullptr);
}

template <typename CharType>
const CharType* TCString<CharType>::Spc(int32 NumSpaces)
{
	static CharType Spaces[256];
	if (Spaces[0] == 0)
	{
		for (int32 Index = 0; Index < 255; ++Index)
		{
			Spaces[Index] = (CharType)' ';
		}
	}
	NumSpaces = NumSpaces < 0 ? 0 : (NumSpaces > 255 ? 255 : NumSpaces);
	return Spaces + 255 - NumSpaces;
}

typedef TCString<TCHAR> FCString;
typedef TCString<ANSICHAR> FCStringAnsi;
typedef TCString<WIDECHAR> FCStringWide;
