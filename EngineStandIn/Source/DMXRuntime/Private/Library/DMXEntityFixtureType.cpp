#include "Library/DMXEntityFixtureType.h"

int32 UDMXEntityFixtureType::AddMode(FString BaseModeName)
{
	auto IsNameUsed = [this](const FString& Candidate)
	{
		return Modes.ContainsByPredicate([&Candidate](const FDMXFixtureMode& Mode)
		{
			return Mode.ModeName.Equals(Candidate, ESearchCase::IgnoreCase);
		});
	};

	FString ModeName = BaseModeName;
	for (int32 Suffix = 1; IsNameUsed(ModeName); ++Suffix)
	{
		ModeName = FString::Printf(TEXT("%s_%d"), *BaseModeName, Suffix);
	}

	FDMXFixtureMode NewMode;
	NewMode.ModeName = ModeName;
	return Modes.Add(NewMode);
}
