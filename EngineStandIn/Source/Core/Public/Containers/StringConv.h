// Conversions between TCHAR text and UTF-8/ANSI at the edges (files, console, C libraries).
#pragma once

#include "HAL/Platform.h"
#include "Misc/CString.h"

#include <string>
#include <type_traits>

namespace UE::Core::Private
{
	/** TCHARs (UTF-32 on Linux) to UTF-8. */
	CORE_API std::string ConvertTCharToUtf8(const TCHAR* Source, int32 Length);
	/** UTF-8 to TCHARs; invalid bytes become '?', never stop the conversion. */
	CORE_API std::wstring ConvertUtf8ToTChar(const ANSICHAR* Source, int32 Length);
}

class FTCHARToUTF8
{
public:
	explicit FTCHARToUTF8(const TCHAR* Source)
		: Converted(Source ? UE::Core::Private::ConvertTCharToUtf8(Source, FCString::Strlen(Source)) : std::string())
	{
	}
	FTCHARToUTF8(const TCHAR* Source, int32 SourceLength)
		: Converted(Source ? UE::Core::Private::ConvertTCharToUtf8(Source, SourceLength) : std::string())
	{
	}
	const ANSICHAR* Get() const { return Converted.c_str(); }
	int32 Length() const { return int32(Converted.size()); }

private:
	std::string Converted;
};

class FUTF8ToTCHAR
{
public:
	explicit FUTF8ToTCHAR(const ANSICHAR* Source)
		: Converted(Source ? UE::Core::Private::ConvertUtf8ToTChar(Source, FCStringAnsi::Strlen(Source)) : std::wstring())
	{
	}
	FUTF8ToTCHAR(const ANSICHAR* Source, int32 SourceLength)
		: Converted(Source ? UE::Core::Private::ConvertUtf8ToTChar(Source, SourceLength) : std::wstring())
	{
	}
	const TCHAR* Get() const { return Converted.c_str(); }
	int32 Length() const { return int32(Converted.size()); }

private:
	std::wstring Converted;
};

typedef FTCHARToUTF8 FTCHARToANSI;
typedef FUTF8ToTCHAR FANSIToTCHAR;


template <typename ToType, typename FromType>
auto StringCast(const FromType* Source)
{
	if constexpr (std::is_same_v<ToType, ANSICHAR> && std::is_same_v<FromType, TCHAR>)
	{
		return FTCHARToUTF8(Source);
	}
	else if constexpr (std::is_same_v<ToType, TCHAR> && std::is_same_v<FromType, ANSICHAR>)
	{
		return FUTF8ToTCHAR(Source);
	}
	else
	{
		static_assert(std::is_same_v<ToType, FromType>, "StringCast supports TCHAR <-> ANSICHAR/UTF8CHAR only");
		struct FIdentity
		{
			const FromType* Ptr;
			const FromType* Get() const { return Ptr; }
			int32 Length() const { return TCString<FromType>::Strlen(Ptr); }
		};
		return FIdentity{ Source };
	}
}

#define TCHAR_TO_UTF8(Str) (ANSICHAR*)FTCHARToUTF8((const TCHAR*)(Str)).Get()
#define UTF8_TO_TCHAR(Str) (TCHAR*)FUTF8ToTCHAR((const ANSICHAR*)(Str)).Get()
#define TCHAR_TO_ANSI(Str) (ANSICHAR*)FTCHARToUTF8((const TCHAR*)(Str)).Get()
#define ANSI_TO_TCHAR(Str) (TCHAR*)FUTF8ToTCHAR((const ANSICHAR*)(Str)).Get()
