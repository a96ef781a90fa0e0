// FArchive: the direction of a serialization and the custom versions of the data it carries.
#pragma once

#include "CoreMinimal.h"
#include "Misc/Guid.h"
#include "Serialization/CustomVersion.h"

class CORE_API FArchive
{
public:
	FArchive() = default;
	virtual ~FArchive() = default;

	bool IsLoading() const
	{
		return bArIsLoading;
	}

	bool IsSaving() const
	{
		return bArIsSaving;
	}

	void SetIsLoading(bool bInIsLoading)
	{
		bArIsLoading = bInIsLoading;
	}

	void SetIsSaving(bool bInIsSaving)
	{
		bArIsSaving = bInIsSaving;
	}

	/**
	 * Tells the archive that data of this system follows. A saving archive records the system's latest
	 * registered version; a loading one keeps the version its data was written with.
	 */
	void UsingCustomVersion(const FGuid& Key);

	/** The version of that system the archive's data has, or -1 when it has none. */
	int32 CustomVer(const FGuid& Key) const;

	void SetCustomVersion(const FGuid& Key, int32 Version, FName FriendlyName);

	const TArray<FCustomVersion>& GetCustomVersions() const
	{
		return CustomVersions;
	}

private:
	bool bArIsLoading = false;
	bool bArIsSaving = false;
	TArray<FCustomVersion> CustomVersions;
};
