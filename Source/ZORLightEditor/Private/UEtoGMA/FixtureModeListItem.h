#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtrTemplates.h"

class UDMXEntityFixtureType;
struct FDMXFixtureMode;

/**
 * One row of the mode list: a fixture type and one of its modes, mapped to a grandMA2 fixture type
 * number and name. The DMX library can change while the tool is open, so the row holds the fixture
 * type weakly and looks its mode up by name on each use instead of keeping a pointer into the type.
 */
struct FFixtureModeListItem
{
	FFixtureModeListItem(const FDMXFixtureMode* InMode, UDMXEntityFixtureType* InFixtureType);

	/** The mode record of the fixture type whose name matches (case ignored), or null when it is gone. */
	const FDMXFixtureMode* GetMode() const;

	/** False once the fixture type or its mode no longer exists. */
	bool IsValid() const;

	/** "<fixture type> <mode>", or "None" when the type or mode is gone. */
	FString GetDefaultFixtureTypeName() const;

	/** The edited name, or the default name when none was typed; "None" when the type or mode is gone. */
	FString GetFixtureTypeName() const;

	/** Name of the mode the row was made for (kept even when the mode disappears). */
	FString ModeName;

	TWeakObjectPtr<UDMXEntityFixtureType> FixtureType;

	bool bIsSelected = false;

	/** The grandMA2 fixture type number. */
	int32 FixtureTypeNo = 0;

	/** Another row uses the same FixtureTypeNo. */
	bool bHasNumConflict = false;

	/** The grandMA2 fixture type name typed by the user; empty for the default name. */
	FString CustomFixtureTypeName;
};
