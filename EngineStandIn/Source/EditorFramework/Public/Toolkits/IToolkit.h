// IToolkit: an editor tool (an asset editor, for one) with its own tabs, named for menus and tabs.
#pragma once

#include "CoreMinimal.h"

class FTabManager;
class IToolkitHost;

namespace EToolkitMode
{
	enum Type
	{
		/** In a window of its own. */
		Standalone,
		/** Inside a host such as the level editor. */
		WorldCentric,
	};
}

class IToolkit
{
public:
	virtual ~IToolkit()
	{
	}

	virtual void RegisterTabSpawners(const TSharedRef<FTabManager>& TabManager) = 0;
	virtual void UnregisterTabSpawners(const TSharedRef<FTabManager>& TabManager) = 0;

	/** Internal name, unique per kind of toolkit. */
	virtual FName GetToolkitFName() const = 0;
	/** The kind of toolkit, for menus ("Material Editor"). */
	virtual FText GetBaseToolkitName() const = 0;
	/** The toolkit's name with what it edits. */
	virtual FText GetToolkitName() const = 0;
	virtual FText GetToolkitToolTipText() const = 0;
	/** Put before the tab labels of a world-centric toolkit. */
	virtual FString GetWorldCentricTabPrefix() const = 0;
	/** Tints the tabs of a world-centric toolkit. */
	virtual FLinearColor GetWorldCentricTabColorScale() const = 0;

	virtual bool IsAssetEditor() const = 0;
	virtual bool IsWorldCentricAssetEditor() const = 0;
	virtual bool IsHosted() const = 0;
	virtual TSharedPtr<FTabManager> GetTabManager() const = 0;
};
