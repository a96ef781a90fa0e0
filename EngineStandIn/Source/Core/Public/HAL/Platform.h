// Basic types of the engine's platform layer, as the editor's Linux build has them
// (wide TCHAR strings; TEXT() literals are TCHAR literals).
#pragma once

#include <cstddef>
#include <cstdint>

typedef std::uint8_t uint8;
typedef std::uint16_t uint16;
typedef std::uint32_t uint32;
typedef std::uint64_t uint64;
typedef std::int8_t int8;
typedef std::int16_t int16;
typedef std::int32_t int32;
typedef std::int64_t int64;

typedef char ANSICHAR;
typedef wchar_t WIDECHAR;
typedef char UTF8CHAR;
typedef char16_t UTF16CHAR;
typedef char32_t UTF32CHAR;
typedef WIDECHAR TCHAR;

typedef std::size_t SIZE_T;
typedef std::ptrdiff_t SSIZE_T;
typedef std::uintptr_t UPTRINT;
typedef std::intptr_t PTRINT;

#define TEXT_PASTE(x) L##x
#define TEXT(x) TEXT_PASTE(x)

#define LINE_TERMINATOR TEXT("\n")
#define LINE_TERMINATOR_ANSI "\n"

#define FORCEINLINE inline __attribute__((always_inline))
#define FORCENOINLINE __attribute__((noinline))
#define UE_NODISCARD [[nodiscard]]
#define DLLEXPORT __attribute__((visibility("default")))
#define DLLIMPORT __attribute__((visibility("default")))

#define PLATFORM_LINUX 1
#define PLATFORM_WINDOWS 0
#define PLATFORM_DESKTOP 1
// Set by the build as the engine's build tool sets them: 1 in an editor build, 0 in a packaged game.
#if !defined(WITH_EDITOR) || !defined(WITH_EDITORONLY_DATA)
#error "WITH_EDITOR and WITH_EDITORONLY_DATA come from the build (Core's compile definitions)"
#endif
#define UE_BUILD_SHIPPING 0

#define INDEX_NONE (-1)

#define MIN_uint8 ((uint8)0x00)
#define MIN_uint16 ((uint16)0x0000)
#define MIN_uint32 ((uint32)0x00000000)
#define MIN_uint64 ((uint64)0x0000000000000000)
#define MIN_int8 ((int8)-128)
#define MIN_int16 ((int16)-32768)
#define MIN_int32 ((int32)0x80000000)
#define MIN_int64 ((int64)0x8000000000000000)
#define MAX_uint8 ((uint8)0xff)
#define MAX_uint16 ((uint16)0xffff)
#define MAX_uint32 ((uint32)0xffffffff)
#define MAX_uint64 ((uint64)0xffffffffffffffff)
#define MAX_int8 ((int8)0x7f)
#define MAX_int16 ((int16)0x7fff)
#define MAX_int32 ((int32)0x7fffffff)
#define MAX_int64 ((int64)0x7fffffffffffffff)
#define MIN_flt (1.175494351e-38F)
#define MAX_flt (3.402823466e+38F)
#define MIN_dbl (2.2250738585072014e-308)
#define MAX_dbl (1.7976931348623158e+308)

#define LIKELY(x) __builtin_expect(!!(x), 1)
#define UNLIKELY(x) __builtin_expect(!!(x), 0)
#define UE_DEPRECATED(Version, Message) [[deprecated(Message)]]
#define PURE_VIRTUAL(Func, ...) { check(!#Func " is pure virtual"); __VA_ARGS__ }
#define UE_NONCOPYABLE(TypeName) \
	TypeName(TypeName&&) = delete; \
	TypeName(const TypeName&) = delete; \
	TypeName& operator=(const TypeName&) = delete; \
	TypeName& operator=(TypeName&&) = delete;
#define PREPROCESSOR_JOIN_INNER(x, y) x##y
#define PREPROCESSOR_JOIN(x, y) PREPROCESSOR_JOIN_INNER(x, y)
#define ANONYMOUS_VARIABLE(Name) PREPROCESSOR_JOIN(Name, __LINE__)
#define UE_ARRAY_COUNT_PLATFORM_DEFINED 0

#ifndef CORE_API
#define CORE_API
#endif
