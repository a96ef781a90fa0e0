// Run-time assertions: check aborts, ensure reports once per call site and lets the caller recover.
#pragma once

#include "HAL/Platform.h"

namespace UE::Assert::Private
{
	/** Prints the failed assertion (and the optional message) and aborts. */
	[[noreturn]] CORE_API void CheckFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message);

	/** Logs a failed ensure on LogOutputDevice the first time a site fails; counts every failure. */
	CORE_API void EnsureFailed(bool& bExecuted, bool bAlways, const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message);

	/** Formats with the engine's printf dialect; defined with FString (Containers/UnrealString.h). */
	template <typename... ArgTypes>
	[[noreturn]] void CheckfFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Fmt, ArgTypes... Args);

	template <typename... ArgTypes>
	void EnsureMsgfFailed(bool& bExecuted, bool bAlways, const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Fmt, ArgTypes... Args);
}

#define DO_CHECK 1
#define DO_GUARD_SLOW 0
#define DO_ENSURE 1

#define check(Expr) \
	do \
	{ \
		if (UNLIKELY(!(Expr))) \
		{ \
			::UE::Assert::Private::CheckFailed(#Expr, __FILE__, __LINE__, nullptr); \
		} \
	} while (0)

#define checkf(Expr, Format, ...) \
	do \
	{ \
		if (UNLIKELY(!(Expr))) \
		{ \
			::UE::Assert::Private::CheckfFailed(#Expr, __FILE__, __LINE__, Format, ##__VA_ARGS__); \
		} \
	} while (0)

#define checkNoEntry() ::UE::Assert::Private::CheckFailed("Enclosing block should never be called", __FILE__, __LINE__, nullptr)
#define checkNoReentry() do { } while (0)
#define checkNoRecursion() do { } while (0)
#define unimplemented() ::UE::Assert::Private::CheckFailed("Unimplemented function called", __FILE__, __LINE__, nullptr)
#define checkCode(Code) do { Code; } while (0)
#define verify(Expr) check(Expr)
#define verifyf(Expr, Format, ...) checkf(Expr, Format, ##__VA_ARGS__)

// Slow checks are compiled out in the editor's development build.
#define checkSlow(Expr) do { } while (0)
#define checkfSlow(Expr, Format, ...) do { } while (0)
#define verifySlow(Expr) do { if (Expr) { } } while (0)

#define UE_ENSURE_IMPL(bAlways, Expr) \
	(LIKELY(!!(Expr)) || ([]() -> bool \
	{ \
		static bool bExecuted = false; \
		::UE::Assert::Private::EnsureFailed(bExecuted, bAlways, #Expr, __FILE__, __LINE__, nullptr); \
		return false; \
	}()))

#define UE_ENSURE_MSGF_IMPL(bAlways, Expr, Format, ...) \
	(LIKELY(!!(Expr)) || ([&]() -> bool \
	{ \
		static bool bExecuted = false; \
		::UE::Assert::Private::EnsureMsgfFailed(bExecuted, bAlways, #Expr, __FILE__, __LINE__, Format, ##__VA_ARGS__); \
		return false; \
	}()))

#define ensure(Expr) UE_ENSURE_IMPL(false, Expr)
#define ensureMsgf(Expr, Format, ...) UE_ENSURE_MSGF_IMPL(false, Expr, Format, ##__VA_ARGS__)
#define ensureAlways(Expr) UE_ENSURE_IMPL(true, Expr)
#define ensureAlwaysMsgf(Expr, Format, ...) UE_ENSURE_MSGF_IMPL(true, Expr, Format, ##__VA_ARGS__)
