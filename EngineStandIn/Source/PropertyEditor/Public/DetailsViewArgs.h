#pragma once

#include "CoreMinimal.h"

class FNotifyHook;

/** How a details view is made. */
struct FDetailsViewArgs
{
	enum ENameAreaSettings
	{
		HideNameArea,
		ObjectsUseNameArea,
		ActorsUseNameArea,
		ComponentsAndActorsUseNameArea,
	};

	FDetailsViewArgs()
	{
	}

	ENameAreaSettings NameAreaSettings = ActorsUseNameArea;
	FNotifyHook* NotifyHook = nullptr;
	/** Share of the width the value column takes. */
	float ColumnWidth = 0.65f;
	/** Smallest width of the value column, in Slate units. */
	float RightColumnMinWidth = 22.0f;
	bool bUpdatesFromSelection = false;
	bool bLockable = false;
	bool bAllowSearch = true;
	bool bHideSelectionTip = false;
	bool bShowOptions = true;
	bool bAllowMultipleTopLevelObjects = false;
};
