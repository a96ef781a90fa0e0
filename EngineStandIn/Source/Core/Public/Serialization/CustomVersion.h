// Custom versions: each system registers its latest version under a GUID; archives record the
// versions that the data they hold was written with.
#pragma once

#include "CoreMinimal.h"
#include "Misc/Guid.h"

struct FCustomVersion
{
	FGuid Key;
	int32 Version = 0;
	FName FriendlyName;
};

/** The latest version of every registered system. */
class CORE_API FCurrentCustomVersions
{
public:
	static TOptional<FCustomVersion> Get(const FGuid& Key);
};

/** Registers a system's latest version for the life of the object (usually a static). */
class CORE_API FCustomVersionRegistration
{
public:
	FCustomVersionRegistration(FGuid InKey, int32 InVersion, const TCHAR* InFriendlyName);
	~FCustomVersionRegistration();

	FCustomVersionRegistration(const FCustomVersionRegistration&) = delete;
	FCustomVersionRegistration& operator=(const FCustomVersionRegistration&) = delete;

private:
	FGuid Key;
};
