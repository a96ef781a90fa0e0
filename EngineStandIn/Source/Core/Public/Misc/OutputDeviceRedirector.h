// GLog: forwards every log line to the registered output devices.
#pragma once

#include "HAL/Platform.h"
#include "Misc/OutputDevice.h"
#include "Containers/Array.h"

class FOutputDeviceRedirector : public FOutputDevice
{
public:
	CORE_API FOutputDeviceRedirector();

	CORE_API static FOutputDeviceRedirector* Get();

	CORE_API void AddOutputDevice(FOutputDevice* OutputDevice);
	CORE_API void RemoveOutputDevice(FOutputDevice* OutputDevice);
	CORE_API bool IsRedirectingTo(FOutputDevice* OutputDevice);

	CORE_API virtual void Serialize(const TCHAR* Data, ELogVerbosity::Type Verbosity, const FName& Category) override;
	CORE_API virtual void Serialize(const TCHAR* Data, ELogVerbosity::Type Verbosity, const FName& Category, const double Time) override;
	CORE_API virtual void Flush() override;
	CORE_API virtual void TearDown() override;

	void FlushThreadedLogs() {}
	void Panic() { Flush(); }

private:
	TArray<FOutputDevice*> OutputDevices;
};
