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

	for (const FDMXFixtureMode& Mode : Type->Modes)
	{
		if (Mode.ModeName.Equals(ModeName, ESearchCase::IgnoreCase))
		{
			return &Mode;
		}
	}
	return nullptr;
}

bool FFixtureModeListItem::IsValid() const
{
	return GetMode() != nullptr;
}

FString FFixtureModeListItem::GetDefaultFixtureTypeName() const
{
	const FDMXFixtureMode* Mode = GetMode();
	if (!Mode)
	{
		return TEXT("None");
	}
	return FString::Printf(TEXT("%s %s"), *FixtureType->GetDisplayName(), *Mode->ModeName);
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
