// Character classification and case mapping (TChar<T>, FChar for TCHAR, FCharAnsi for ANSICHAR).
#pragma once

#include "HAL/Platform.h"

#include <cwctype>
#include <type_traits>

template <typename CharType>
struct TChar
{
	static constexpr CharType LineFeed = (CharType)'\n';
	static constexpr CharType CarriageReturn = (CharType)'\r';
	static constexpr CharType Tab = (CharType)'\t';

	static bool IsUpper(CharType Char) { return std::iswupper((wint_t)ToUnsigned(Char)) != 0; }
	static bool IsLower(CharType Char) { return std::iswlower((wint_t)ToUnsigned(Char)) != 0; }
	static bool IsAlpha(CharType Char) { return std::iswalpha((wint_t)ToUnsigned(Char)) != 0; }
	static bool IsGraph(CharType Char) { return std::iswgraph((wint_t)ToUnsigned(Char)) != 0; }
	static bool IsPrint(CharType Char) { return std::iswprint((wint_t)ToUnsigned(Char)) != 0; }
	static bool IsPunct(CharType Char) { return std::iswpunct((wint_t)ToUnsigned(Char)) != 0; }
	static bool IsAlnum(CharType Char) { return std::iswalnum((wint_t)ToUnsigned(Char)) != 0; }
	static bool IsDigit(CharType Char) { return Char >= (CharType)'0' && Char <= (CharType)'9'; }
	static bool IsOctDigit(CharType Char) { return Char >= (CharType)'0' && Char <= (CharType)'7'; }
	static bool IsHexDigit(CharType Char)
	{
		return IsDigit(Char) || (Char >= (CharType)'a' && Char <= (CharType)'f') || (Char >= (CharType)'A' && Char <= (CharType)'F');
	}
	static bool IsWhitespace(CharType Char) { return std::iswspace((wint_t)ToUnsigned(Char)) != 0; }
	static bool IsControl(CharType Char) { return std::iswcntrl((wint_t)ToUnsigned(Char)) != 0; }
	static bool IsIdentifier(CharType Char) { return IsAlnum(Char) || Char == (CharType)'_'; }
	static bool IsUnderscore(CharType Char) { return Char == (CharType)'_'; }
	static bool IsLinebreak(CharType Char)
	{
		return Char == (CharType)'\n' || Char == (CharType)'\r' || Char == (CharType)'\v' || Char == (CharType)'\f'
			|| (sizeof(CharType) > 1 && (ToUnsigned(Char) == 0x85 || ToUnsigned(Char) == 0x2028 || ToUnsigned(Char) == 0x2029));
	}

	static CharType ToUpper(CharType Char) { return (CharType)std::towupper((wint_t)ToUnsigned(Char)); }
	static CharType ToLower(CharType Char) { return (CharType)std::towlower((wint_t)ToUnsigned(Char)); }
	static int32 ConvertCharDigitToInt(CharType Char) { return int32(Char) - int32('0'); }

	static uint32 ToUnsigned(CharType Char) { return (uint32)(std::make_unsigned_t<CharType>)Char; }
};

typedef TChar<TCHAR> FChar;
typedef TChar<WIDECHAR> FCharWide;
typedef TChar<ANSICHAR> FCharAnsi;
