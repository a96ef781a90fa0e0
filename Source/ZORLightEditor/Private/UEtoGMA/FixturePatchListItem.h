#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtrTemplates.h"

class AActor;
class UDMXEntityFixturePatch;

/**
 * One row of the patch list: the actors of the level that carry one DMX patch address.
 * Actors and patches are held weakly, so deleting them behind the list never leaves a dangling row.
 */
struct FFixturePatchListItem
{
	FFixturePatchListItem(AActor* InActor, UDMXEntityFixturePatch* InFixturePatch);

	/** The first actor, in scan order, whose DMX component carries the patch address. */
	TWeakObjectPtr<AActor> Actor;

	TWeakObjectPtr<UDMXEntityFixturePatch> FixturePatch;

	/** The grandMA2 fixture ID; -1 when the row is not numbered. */
	int32 FixtureID = -1;

	/** Only checked rows are numbered and exported. */
	bool bIsSelected = true;

	/** Every actor sharing the patch address, Actor first; empty when the address is used once. */
	TArray<TWeakObjectPtr<AActor>> IdenticalPatchActors;

	/** Set once the user picked an actor in the row's combo box. */
	bool bActorChanged = false;

	TWeakObjectPtr<AActor> SelectedActor;

	/** The actor the row stands for: the picked one when the address is shared, else Actor. */
	AActor* GetCurrentActor() const;

	FString GetActorName() const;
	FString GetFixtureTypeName() const;
	FString GetFixtureModeName() const;
	FString GetPatchAddress() const;

	/** Makes the current actor the only selected actor of the level editor. */
	void SelectActorInEditor() const;

	/** The label the editor shows, else the object name; "Invalid Actor" for a null actor. */
	static FString GetActorDisplayName(const AActor* InActor);

	/** "universe.channel", the key that groups actors into one row. */
	static FString MakePatchAddressKey(const UDMXEntityFixturePatch& InFixturePatch);
};
