// IToolkitHost: what hosts a world-centric toolkit (the level editor, for one).
#pragma once

#include "CoreMinimal.h"

class SWidget;

class IToolkitHost
{
public:
	virtual ~IToolkitHost()
	{
	}

	/** The widget the hosted toolkit's tabs live under. */
	virtual TSharedRef<SWidget> GetParentWidget() = 0;
	virtual void BringToFront() = 0;
};
