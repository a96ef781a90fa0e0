// UE_LOG and the log category declarations. Messages go to every output device of GLog.
#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "Logging/LogVerbosity.h"
#include "Logging/LogCategory.h"

namespace UE::Logging::Private
{
	/** Sends the message to GLog; a Fatal message aborts afterwards. */
	CORE_API void LogMessage(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const ANSICHAR* File, int32 Line, const TCHAR* Message);

	template <typename... ArgTypes>
	void LogFormatted(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const ANSICHAR* File, int32 Line, const TCHAR* Format, ArgTypes... Args)
	{
		const std::wstring Message = ::UE::Core::Private::FormatPrintfToStd(Format, Args...);
		LogMessage(Category, Verbosity, File, Line, Message.c_str());
	}
}

#define UE_LOG(CategoryName, Verbosity, Format, ...) \
	do \
	{ \
		static_assert(::ELogVerbosity::Verbosity != ::ELogVerbosity::NoLogging, "NoLogging is not a message verbosity"); \
		static_assert(::UE::Core::Private::TIsTCharArray<decltype(Format)>, "Formatting string must be a TCHAR array."); \
		if (::ELogVerbosity::Verbosity == ::ELogVerbosity::Fatal || !CategoryName.IsSuppressed(::ELogVerbosity::Verbosity)) \
		{ \
			::UE::Logging::Private::LogFormatted(CategoryName, ::ELogVerbosity::Verbosity, __FILE__, __LINE__, Format, ##__VA_ARGS__); \
		} \
	} while (0)

#define UE_CLOG(Condition, CategoryName, Verbosity, Format, ...) \
	do \
	{ \
		if (Condition) \
		{ \
			UE_LOG(CategoryName, Verbosity, Format, ##__VA_ARGS__); \
		} \
	} while (0)

#define UE_SUPPRESS(CategoryName, Verbosity, ExecuteIfUnsuppressed) \
	do \
	{ \
		if (!CategoryName.IsSuppressed(::ELogVerbosity::Verbosity)) \
		{ \
			ExecuteIfUnsuppressed; \
		} \
	} while (0)

#define UE_GET_LOG_VERBOSITY(CategoryName) CategoryName.GetVerbosity()
#define UE_SET_LOG_VERBOSITY(CategoryName, Verbosity) CategoryName.SetVerbosity(::ELogVerbosity::Verbosity)

#define DECLARE_LOG_CATEGORY_EXTERN(CategoryName, DefaultVerbosity, CompileTimeVerbosity) \
	extern struct FLogCategory##CategoryName : public FLogCategory<::ELogVerbosity::DefaultVerbosity, ::ELogVerbosity::CompileTimeVerbosity> \
	{ \
		FORCEINLINE FLogCategory##CategoryName() \
			: FLogCategory(TEXT(#CategoryName)) \
		{ \
		} \
	} CategoryName;

#define DEFINE_LOG_CATEGORY(CategoryName) FLogCategory##CategoryName CategoryName;

#define DEFINE_LOG_CATEGORY_STATIC(CategoryName, DefaultVerbosity, CompileTimeVerbosity) \
	static struct FLogCategory##CategoryName : public FLogCategory<::ELogVerbosity::DefaultVerbosity, ::ELogVerbosity::CompileTimeVerbosity> \
	{ \
		FORCEINLINE FLogCategory##CategoryName() \
			: FLogCategory(TEXT(#CategoryName)) \
		{ \
		} \
	} CategoryName;

#define DECLARE_LOG_CATEGORY_CLASS(CategoryName, DefaultVerbosity, CompileTimeVerbosity) \
	DEFINE_LOG_CATEGORY_STATIC(CategoryName, DefaultVerbosity, CompileTimeVerbosity)
#define DEFINE_LOG_CATEGORY_CLASS(Class, CategoryName)
