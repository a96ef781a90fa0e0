#include "Library/DMXEntityFixturePatch.h"
#include "Library/DMXEntityFixtureType.h"

const FDMXFixtureMode* UDMXEntityFixturePatch::GetActiveMode() const
{
	const UDMXEntityFixtureType* FixtureType = GetFixtureType();
	if (FixtureType != nullptr && FixtureType->Modes.IsValidIndex(ActiveMode))
	{
		return &FixtureType->Modes[ActiveMode];
	}
	return nullptr;
}

bool UDMXEntityFixturePatch::SetActiveModeIndex(int32 NewActiveModeIndex)
{
	const UDMXEntityFixtureType* FixtureType = GetFixtureType();
	if (FixtureType == nullptr || !FixtureType->Modes.IsValidIndex(NewActiveModeIndex))
	{
		return false;
	}
	ActiveMode = NewActiveModeIndex;
	return true;
}

void UDMXEntityFixturePatch::SetUniverseID(int32 NewUniverseID)
{
	UniverseID = NewUniverseID < 0 ? 0 : NewUniverseID;
}

void UDMXEntityFixturePatch::SetStartingChannel(int32 NewStartingChannel)
{
	// DMX addresses run from 1 to 512.
	StartingChannel = NewStartingChannel < 1 ? 1 : (NewStartingChannel > 512 ? 512 : NewStartingChannel);
}

UDMXEntityFixtureType* UDMXEntityFixturePatch::GetFixtureType() const
{
	UDMXEntityFixtureType* FixtureType = ParentFixtureTypeTemplate.Get();
	return IsValid(FixtureType) ? FixtureType : nullptr;
}

void UDMXEntityFixturePatch::SetFixtureType(UDMXEntityFixtureType* NewFixtureType)
{
	ParentFixtureTypeTemplate = NewFixtureType;
}

int32 UDMXEntityFixturePatch::GetChannelSpan() const
{
	const FDMXFixtureMode* Mode = GetActiveMode();
	return Mode ? Mode->ChannelSpan : 0;
}

int32 UDMXEntityFixturePatch::GetEndingChannel() const
{
	return StartingChannel + GetChannelSpan() - 1;
}

void UE::StandIn::SetActiveModeIndexUnchecked(UDMXEntityFixturePatch* Patch, int32 ModeIndex)
{
	if (Patch)
	{
		Patch->ActiveMode = ModeIndex;
	}
}
