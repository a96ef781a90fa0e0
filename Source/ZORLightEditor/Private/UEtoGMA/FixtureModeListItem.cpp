#include "UEtoGMA/FixtureModeListItem.h"

#include "Library/DMXEntityFixtureType.h"

FFixtureModeListItem::FFixtureModeListItem(const FDMXFixtureMode* InMode, UDMXEntityFixtureType* InFixtureType)
	: FixtureType(InFixtureType)
{
	if (InMode)
	{
		ModeName = InMode->ModeName;
	}
}

const FDMXFixtureMode* FFixtureModeListItem::GetMode() const
{
	const UDMXEntityFixtureType* Type = FixtureType.Get();
	if (!Type)
	{
		return nullptr;
	}

	// The row's own mode first: a type may hold modes whose names differ only in letter case.
	const FDMXFixtureMode* CaseInsensitiveMatch = nullptr;
	for (const FDMXFixtureMode& Mode : Type->Modes)
	{
		if (Mode.ModeName.Equals(ModeName, ESearchCase::CaseSensitive))
		{
			return &Mode;
		}
		if (!CaseInsensitiveMatch && Mode.ModeName.Equals(ModeName, ESearchCase::IgnoreCase))
		{
			CaseInsensitiveMatch = &Mode;
		}
	}
	return CaseInsensitiveMatch;
}

bool FFixtureModeListItem::IsValid() const
{
	return GetMode() != nullptr;
}

FString FFixtureModeListItem::GetDefaultFixtureTypeName() const
{
	if (!GetMode())
	{
		return TEXT("None");
	}
	// The name of the first patch's mode, letter case included.
	return FString::Printf(TEXT("%s %s"), *FixtureType->GetDisplayName(), *ModeName);
}

FString FFixtureModeListItem::GetFixtureTypeName() const
{
	if (!IsValid())
	{
		return TEXT("None");
	}
	if (!CustomFixtureTypeName.IsEmpty())
	{
		return CustomFixtureTypeName;
	}
	return GetDefaultFixtureTypeName();
}
