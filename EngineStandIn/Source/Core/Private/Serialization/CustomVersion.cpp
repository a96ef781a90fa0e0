#include "Serialization/CustomVersion.h"
#include "Serialization/Archive.h"
#include "UObject/RenderingObjectVersion.h"

namespace
{
	TArray<FCustomVersion>& Registered()
	{
		static TArray<FCustomVersion> Versions;
		return Versions;
	}

	const FCustomVersion* FindIn(const TArray<FCustomVersion>& Versions, const FGuid& Key)
	{
		for (const FCustomVersion& Version : Versions)
		{
			if (Version.Key == Key)
			{
				return &Version;
			}
		}
		return nullptr;
	}
}

TOptional<FCustomVersion> FCurrentCustomVersions::Get(const FGuid& Key)
{
	if (const FCustomVersion* Found = FindIn(Registered(), Key))
	{
		return *Found;
	}
	return TOptional<FCustomVersion>();
}

FCustomVersionRegistration::FCustomVersionRegistration(FGuid InKey, int32 InVersion, const TCHAR* InFriendlyName)
	: Key(InKey)
{
	check(FindIn(Registered(), InKey) == nullptr);
	FCustomVersion Version;
	Version.Key = InKey;
	Version.Version = InVersion;
	Version.FriendlyName = FName(InFriendlyName);
	Registered().Add(Version);
}

FCustomVersionRegistration::~FCustomVersionRegistration()
{
	TArray<FCustomVersion>& Versions = Registered();
	for (int32 Index = 0; Index < Versions.Num(); ++Index)
	{
		if (Versions[Index].Key == Key)
		{
			Versions.RemoveAt(Index);
			return;
		}
	}
}

void FArchive::UsingCustomVersion(const FGuid& Key)
{
	if (IsLoading())
	{
		return;
	}
	const TOptional<FCustomVersion> Latest = FCurrentCustomVersions::Get(Key);
	if (!ensureMsgf(Latest.IsSet(), TEXT("UsingCustomVersion: no custom version is registered under %s"), *Key.ToString()))
	{
		return;
	}
	SetCustomVersion(Key, Latest.GetValue().Version, Latest.GetValue().FriendlyName);
}

int32 FArchive::CustomVer(const FGuid& Key) const
{
	const FCustomVersion* Found = FindIn(CustomVersions, Key);
	return Found ? Found->Version : -1;
}

void FArchive::SetCustomVersion(const FGuid& Key, int32 Version, FName FriendlyName)
{
	for (FCustomVersion& Existing : CustomVersions)
	{
		if (Existing.Key == Key)
		{
			Existing.Version = Version;
			Existing.FriendlyName = FriendlyName;
			return;
		}
	}
	FCustomVersion Added;
	Added.Key = Key;
	Added.Version = Version;
	Added.FriendlyName = FriendlyName;
	CustomVersions.Add(Added);
}

const FGuid FRenderingObjectVersion::GUID(0x5D8F2A31, 0x94C64B07, 0xA1E3D2F8, 0x3B7C6E19);

static FCustomVersionRegistration GRegisterRenderingObjectVersion(FRenderingObjectVersion::GUID, FRenderingObjectVersion::LatestVersion, TEXT("Dev-Rendering"));
