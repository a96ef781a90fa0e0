// FOutputDevice: where log lines go (the console, a log capture, the message log).
#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

class FOutputDevice
{
public:
	FOutputDevice() = default;
	FOutputDevice(const FOutputDevice&) = default;
	FOutputDevice& operator=(const FOutputDevice&) = default;
	virtual ~FOutputDevice() = default;

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) = 0;
	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category, const double Time)
	{
		(void)Time;
		Serialize(V, Verbosity, Category);
	}
	virtual void Flush() {}
	virtual void TearDown() {}
	virtual bool CanBeUsedOnAnyThread() const { return false; }
	virtual bool CanBeUsedOnMultipleThreads() const { return false; }
	virtual bool IsMemoryOnly() const { return false; }

	void Log(const TCHAR* S) { Serialize(S, ELogVerbosity::Log, NAME_None); }
	void Log(ELogVerbosity::Type Verbosity, const TCHAR* S) { Serialize(S, Verbosity, NAME_None); }
	void Log(const FName& Category, ELogVerbosity::Type Verbosity, const TCHAR* Str) { Serialize(Str, Verbosity, Category); }
	void Log(const FString& S) { Serialize(*S, ELogVerbosity::Log, NAME_None); }

	template <typename FmtType, typename... ArgTypes>
	void Logf(const FmtType& Fmt, ArgTypes... Args)
	{
		const FString Message = FString::Printf(Fmt, Args...);
		Serialize(*Message, ELogVerbosity::Log, NAME_None);
	}
	template <typename FmtType, typename... ArgTypes>
	void Logf(ELogVerbosity::Type Verbosity, const FmtType& Fmt, ArgTypes... Args)
	{
		const FString Message = FString::Printf(Fmt, Args...);
		Serialize(*Message, Verbosity, NAME_None);
	}

	void SetSuppressEventTag(bool bInSuppressEventTag) { bSuppressEventTag = bInSuppressEventTag; }
	bool GetSuppressEventTag() const { return bSuppressEventTag; }
	void SetAutoEmitLineTerminator(bool bInAutoEmitLineTerminator) { bAutoEmitLineTerminator = bInAutoEmitLineTerminator; }
	bool GetAutoEmitLineTerminator() const { return bAutoEmitLineTerminator; }

protected:
	bool bSuppressEventTag = false;
	bool bAutoEmitLineTerminator = true;
};

/** Formats a line as the engine's log does: "<Category>: <Verbosity>: <Message>" ("<Category>: <Message>" for Log). */
struct FOutputDeviceHelper
{
	CORE_API static FString FormatLogLine(ELogVerbosity::Type Verbosity, const FName& Category, const TCHAR* Message = nullptr);
};
