#pragma once

#include "CoreMinimal.h"
#include "Library/DMXEntity.h"
#include "DMXEntityFixturePatch.generated.h"

class UDMXEntityFixtureType;
struct FDMXFixtureMode;
class UDMXEntityFixturePatch;

namespace UE::StandIn
{
	/** Sets the active mode index as stored, valid or not (a patch whose type lost modes). */
	DMXRUNTIME_API void SetActiveModeIndexUnchecked(UDMXEntityFixturePatch* Patch, int32 ModeIndex);
}

/** A fixture at an address: fixture type, active mode, universe and starting channel. */
UCLASS()
class DMXRUNTIME_API UDMXEntityFixturePatch : public UDMXEntity
{
	GENERATED_BODY()

public:
	/** The mode at the active index of the fixture type, or null. */
	const FDMXFixtureMode* GetActiveMode() const;
	int32 GetActiveModeIndex() const
	{
		return ActiveMode;
	}
	/** False (nothing changes) when the fixture type has no mode of that index. */
	bool SetActiveModeIndex(int32 NewActiveModeIndex);

	int32 GetUniverseID() const
	{
		return UniverseID;
	}
	void SetUniverseID(int32 NewUniverseID);

	int32 GetStartingChannel() const
	{
		return StartingChannel;
	}
	void SetStartingChannel(int32 NewStartingChannel);

	/** The fixture type, or null when none is set or it was deleted. */
	UDMXEntityFixtureType* GetFixtureType() const;
	void SetFixtureType(UDMXEntityFixtureType* NewFixtureType);

	/** Channels of the active mode; 0 without one. */
	int32 GetChannelSpan() const;
	int32 GetEndingChannel() const;

private:
	friend DMXRUNTIME_API void UE::StandIn::SetActiveModeIndexUnchecked(UDMXEntityFixturePatch* Patch, int32 ModeIndex);

	UPROPERTY()
	int32 UniverseID = 1;

	UPROPERTY()
	int32 StartingChannel = 1;

	UPROPERTY()
	TObjectPtr<UDMXEntityFixtureType> ParentFixtureTypeTemplate;

	UPROPERTY()
	int32 ActiveMode = 0;
};
