// Log categories, GLog and its console device, UE_LOG's back end, check/ensure reports and core globals.
#include "CoreGlobals.h"
#include "Logging/LogMacros.h"
#include "Logging/LogCategory.h"
#include "Misc/AssertionMacros.h"
#include "Misc/OutputDevice.h"
#include "Misc/OutputDeviceRedirector.h"
#include "Misc/ITransaction.h"
#include "Containers/StringConv.h"
#include "StandIn/CoreHooks.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

FOutputDeviceRedirector* GLog = FOutputDeviceRedirector::Get();
ITransaction* GUndo = nullptr;
bool GIsEditor = true;
bool GIsRunning = true;
bool GIsTransacting = false;
bool GIsRequestingExit = false;
bool GIsAutomationTesting = false;
uint64 GFrameCounter = 0;

DEFINE_LOG_CATEGORY(LogTemp);
DEFINE_LOG_CATEGORY(LogOutputDevice);
DEFINE_LOG_CATEGORY(LogInit);
DEFINE_LOG_CATEGORY(LogExit);
DEFINE_LOG_CATEGORY(LogModuleManager);
DEFINE_LOG_CATEGORY(LogConfig);

namespace
{
	bool bConsoleEnabled = true;
	int32 ConsoleVerbosityOverride = -1;

	bool IsConsoleVerbose()
	{
		if (ConsoleVerbosityOverride >= 0)
		{
			return ConsoleVerbosityOverride != 0;
		}
		const char* Env = std::getenv("ZOR_LOG_VERBOSE");
		return Env && *Env && *Env != '0';
	}

	/** Echoes Display, Warning and Error lines (and Log lines when asked) to stderr. */
	class FConsoleOutputDevice : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			if (!bConsoleEnabled)
			{
				return;
			}
			const ELogVerbosity::Type Level = (ELogVerbosity::Type)(Verbosity & ELogVerbosity::VerbosityMask);
			if (Level > ELogVerbosity::Display && !IsConsoleVerbose())
			{
				return;
			}
			const FString Line = FOutputDeviceHelper::FormatLogLine(Level, Category, V);
			std::fprintf(stderr, "%s\n", FTCHARToUTF8(*Line).Get());
		}
		virtual void Flush() override
		{
			std::fflush(stderr);
		}
	};

	int32 EnsureCount = 0;
	std::vector<bool*>& GetEnsureSites()
	{
		static std::vector<bool*> Sites;
		return Sites;
	}
}

const TCHAR* ToString(ELogVerbosity::Type Verbosity)
{
	switch (Verbosity & ELogVerbosity::VerbosityMask)
	{
	case ELogVerbosity::NoLogging: return TEXT("NoLogging");
	case ELogVerbosity::Fatal: return TEXT("Fatal");
	case ELogVerbosity::Error: return TEXT("Error");
	case ELogVerbosity::Warning: return TEXT("Warning");
	case ELogVerbosity::Display: return TEXT("Display");
	case ELogVerbosity::Log: return TEXT("Log");
	case ELogVerbosity::Verbose: return TEXT("Verbose");
	case ELogVerbosity::VeryVerbose: return TEXT("VeryVerbose");
	default: return TEXT("UknownVerbosity");
	}
}

FString FOutputDeviceHelper::FormatLogLine(ELogVerbosity::Type Verbosity, const FName& Category, const TCHAR* Message)
{
	FString Line;
	if (!Category.IsNone())
	{
		Line += Category.ToString();
		Line += TEXT(": ");
	}
	const ELogVerbosity::Type Level = (ELogVerbosity::Type)(Verbosity & ELogVerbosity::VerbosityMask);
	if (Level != ELogVerbosity::Log)
	{
		Line += ToString(Level);
		Line += TEXT(": ");
	}
	if (Message)
	{
		Line += Message;
	}
	return Line;
}

FLogCategoryBase::FLogCategoryBase(const TCHAR* CategoryName, ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity)
	: Verbosity(InDefaultVerbosity)
	, CompileTimeVerbosity(InCompileTimeVerbosity)
	, CategoryFName(CategoryName)
{
}

FLogCategoryBase::~FLogCategoryBase() = default;

void FLogCategoryBase::SetVerbosity(ELogVerbosity::Type NewVerbosity)
{
	const ELogVerbosity::Type Level = (ELogVerbosity::Type)(NewVerbosity & ELogVerbosity::VerbosityMask);
	Verbosity = Level < CompileTimeVerbosity ? Level : CompileTimeVerbosity;
}

FOutputDeviceRedirector::FOutputDeviceRedirector() = default;

FOutputDeviceRedirector* FOutputDeviceRedirector::Get()
{
	// Built on first use: categories and early log lines may come before GLog's own initialisation.
	static FOutputDeviceRedirector* Instance = []()
	{
		FOutputDeviceRedirector* Redirector = new FOutputDeviceRedirector();
		Redirector->AddOutputDevice(new FConsoleOutputDevice());
		return Redirector;
	}();
	return Instance;
}

void FOutputDeviceRedirector::AddOutputDevice(FOutputDevice* OutputDevice)
{
	if (OutputDevice)
	{
		OutputDevices.AddUnique(OutputDevice);
	}
}

void FOutputDeviceRedirector::RemoveOutputDevice(FOutputDevice* OutputDevice)
{
	OutputDevices.Remove(OutputDevice);
}

bool FOutputDeviceRedirector::IsRedirectingTo(FOutputDevice* OutputDevice)
{
	return OutputDevices.Contains(OutputDevice);
}

void FOutputDeviceRedirector::Serialize(const TCHAR* Data, ELogVerbosity::Type Verbosity, const FName& Category)
{
	// A device may remove itself while it is called.
	const TArray<FOutputDevice*> Devices = OutputDevices;
	for (FOutputDevice* Device : Devices)
	{
		if (OutputDevices.Contains(Device))
		{
			Device->Serialize(Data, Verbosity, Category);
		}
	}
}

void FOutputDeviceRedirector::Serialize(const TCHAR* Data, ELogVerbosity::Type Verbosity, const FName& Category, const double Time)
{
	(void)Time;
	Serialize(Data, Verbosity, Category);
}

void FOutputDeviceRedirector::Flush()
{
	for (FOutputDevice* Device : OutputDevices)
	{
		Device->Flush();
	}
}

void FOutputDeviceRedirector::TearDown()
{
	Flush();
}

namespace UE::Logging::Private
{
	void LogMessage(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const ANSICHAR* File, int32 Line, const TCHAR* Message)
	{
		FOutputDeviceRedirector* Log = GLog ? GLog : FOutputDeviceRedirector::Get();
		if (Verbosity == ELogVerbosity::Fatal)
		{
			const FString FatalMessage = FString::Printf(TEXT("Fatal error: [File:%s] [Line: %d] %s"), FUTF8ToTCHAR(File).Get(), Line, Message);
			Log->Serialize(*FatalMessage, ELogVerbosity::Fatal, Category.GetCategoryName());
			if (bConsoleEnabled == false)
			{
				std::fprintf(stderr, "%s\n", FTCHARToUTF8(*FOutputDeviceHelper::FormatLogLine(Verbosity, Category.GetCategoryName(), *FatalMessage)).Get());
			}
			Log->Flush();
			std::abort();
		}
		Log->Serialize(Message, Verbosity, Category.GetCategoryName());
	}
}

namespace UE::Assert::Private
{
	void CheckFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message)
	{
		FString Report = FString::Printf(TEXT("Assertion failed: %s [File:%s] [Line: %d]"), FUTF8ToTCHAR(Expr).Get(), FUTF8ToTCHAR(File).Get(), Line);
		if (Message && *Message)
		{
			Report += TEXT("\n");
			Report += Message;
		}
		// Straight to stderr: the log's devices may be what failed.
		std::fprintf(stderr, "%s\n", FTCHARToUTF8(*Report).Get());
		std::fflush(stderr);
		std::abort();
	}

	void EnsureFailed(bool& bExecuted, bool bAlways, const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message)
	{
		++EnsureCount;
		if (bExecuted && !bAlways)
		{
			return;
		}
		if (!bExecuted)
		{
			bExecuted = true;
			GetEnsureSites().push_back(&bExecuted);
		}
		FString Report = FString::Printf(TEXT("Ensure condition failed: %s [File:%s] [Line: %d]"), FUTF8ToTCHAR(Expr).Get(), FUTF8ToTCHAR(File).Get(), Line);
		if (Message && *Message)
		{
			Report += TEXT("\n");
			Report += Message;
		}
		UE_LOG(LogOutputDevice, Error, TEXT("%s"), *Report);
	}
}

namespace UE::StandIn
{
	int32 GetEnsureCount()
	{
		return EnsureCount;
	}

	void ResetEnsureCount()
	{
		EnsureCount = 0;
	}

	void ResetEnsureSites()
	{
		for (bool* Site : GetEnsureSites())
		{
			*Site = false;
		}
		GetEnsureSites().clear();
	}

	void SetConsoleLogVerbose(bool bVerbose)
	{
		ConsoleVerbosityOverride = bVerbose ? 1 : 0;
	}

	void SetConsoleLogEnabled(bool bEnabled)
	{
		bConsoleEnabled = bEnabled;
	}
}
