#include "UEtoGMA/FixturePatchListItem.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "GameFramework/Actor.h"
#include "Library/DMXEntityFixturePatch.h"
#include "Library/DMXEntityFixtureType.h"

FFixturePatchListItem::FFixturePatchListItem(AActor* InActor, UDMXEntityFixturePatch* InFixturePatch)
	: Actor(InActor)
	, FixturePatch(InFixturePatch)
	, SelectedActor(InActor)
{
}

AActor* FFixturePatchListItem::GetCurrentActor() const
{
	if (IdenticalPatchActors.Num() > 0 && bActorChanged)
	{
		return SelectedActor.Get();
	}
	return Actor.Get();
}

FString FFixturePatchListItem::GetActorName() const
{
	return GetActorDisplayName(GetCurrentActor());
}

FString FFixturePatchListItem::GetFixtureTypeName() const
{
	const UDMXEntityFixturePatch* Patch = FixturePatch.Get();
	const UDMXEntityFixtureType* FixtureType = Patch ? Patch->GetFixtureType() : nullptr;
	if (!FixtureType)
	{
		return TEXT("None");
	}
	return FixtureType->GetDisplayName();
}

FString FFixturePatchListItem::GetFixtureModeName() const
{
	const UDMXEntityFixturePatch* Patch = FixturePatch.Get();
	if (!Patch)
	{
		return TEXT("None");
	}

	if (const FDMXFixtureMode* ActiveMode = Patch->GetActiveMode())
	{
		return ActiveMode->ModeName;
	}

	const int32 ModeIndex = Patch->GetActiveModeIndex();
	const UDMXEntityFixtureType* FixtureType = Patch->GetFixtureType();
	if (ModeIndex != -1 && FixtureType)
	{
		if (!FixtureType->Modes.IsValidIndex(ModeIndex))
		{
			return TEXT("Invalid Mode");
		}
		return FixtureType->Modes[ModeIndex].ModeName;
	}

	return TEXT("None");
}

FString FFixturePatchListItem::GetPatchAddress() const
{
	const UDMXEntityFixturePatch* Patch = FixturePatch.Get();
	if (!Patch)
	{
		return TEXT("0.0");
	}
	return MakePatchAddressKey(*Patch);
}

void FFixturePatchListItem::SelectActorInEditor() const
{
	AActor* CurrentActor = GetCurrentActor();
	if (!CurrentActor || !GEditor)
	{
		return;
	}

	GEditor->SelectNone(true, true, true);
	GEditor->SelectActor(CurrentActor, true, false, false, false);
}

FString FFixturePatchListItem::GetActorDisplayName(const AActor* InActor)
{
	if (!InActor)
	{
		return TEXT("Invalid Actor");
	}

	const FString& Label = InActor->GetActorLabel(false);
	if (!Label.IsEmpty())
	{
		return Label;
	}
	return InActor->GetName();
}

FString FFixturePatchListItem::MakePatchAddressKey(const UDMXEntityFixturePatch& InFixturePatch)
{
	return FString::Printf(TEXT("%d.%d"), InFixturePatch.GetUniverseID(), InFixturePatch.GetStartingChannel());
}
