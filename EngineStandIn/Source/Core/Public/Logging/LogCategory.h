// Log categories: a name plus the verbosity above which its messages are suppressed.
#pragma once

#include "HAL/Platform.h"
#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

struct FLogCategoryBase
{
	CORE_API FLogCategoryBase(const TCHAR* CategoryName, ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity);
	CORE_API ~FLogCategoryBase();

	bool IsSuppressed(ELogVerbosity::Type VerbosityLevel) const
	{
		return !((VerbosityLevel & ELogVerbosity::VerbosityMask) <= Verbosity);
	}
	const FName& GetCategoryName() const { return CategoryFName; }
	ELogVerbosity::Type GetVerbosity() const { return (ELogVerbosity::Type)Verbosity; }
	CORE_API void SetVerbosity(ELogVerbosity::Type Verbosity);
	ELogVerbosity::Type GetCompileTimeVerbosity() const { return CompileTimeVerbosity; }

private:
	uint8 Verbosity;
	ELogVerbosity::Type CompileTimeVerbosity;
	FName CategoryFName;
};

template <ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity>
struct FLogCategory : public FLogCategoryBase
{
	static constexpr ELogVerbosity::Type CompileTimeVerbosity = InCompileTimeVerbosity;

	FORCEINLINE FLogCategory(const TCHAR* InCategoryName)
		: FLogCategoryBase(InCategoryName, InDefaultVerbosity, InCompileTimeVerbosity)
	{
	}
};
