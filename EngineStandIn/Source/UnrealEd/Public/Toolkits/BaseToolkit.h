// FBaseToolkit: what every toolkit shares: its mode, host, commands and window-menu group.
#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/Docking/WorkspaceItem.h"
#include "Toolkits/IToolkit.h"
#include "Toolkits/IToolkitHost.h"

class UNREALED_API FBaseToolkit : public IToolkit
{
public:
	FBaseToolkit();
	virtual ~FBaseToolkit() override;

	virtual FText GetToolkitName() const override;
	virtual FText GetToolkitToolTipText() const override;
	virtual bool IsWorldCentricAssetEditor() const override;
	virtual bool IsHosted() const override;
	virtual bool IsAssetEditor() const override;

	const TSharedRef<FUICommandList> GetToolkitCommands() const
	{
		return ToolkitCommands;
	}
	EToolkitMode::Type GetToolkitMode() const
	{
		return ToolkitMode;
	}
	TSharedPtr<IToolkitHost> GetToolkitHost() const
	{
		return ToolkitHost.Pin();
	}
	/** The window-menu group the toolkit's tabs are listed under. */
	TSharedPtr<FWorkspaceItem> GetWorkspaceMenuCategory() const
	{
		return WorkspaceMenuCategory;
	}

protected:
	EToolkitMode::Type ToolkitMode = EToolkitMode::Standalone;
	TSharedRef<FUICommandList> ToolkitCommands;
	TWeakPtr<IToolkitHost> ToolkitHost;
	TSharedPtr<FWorkspaceItem> WorkspaceMenuCategory;
};
