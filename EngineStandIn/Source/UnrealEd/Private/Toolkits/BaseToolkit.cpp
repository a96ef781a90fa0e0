#include "Toolkits/BaseToolkit.h"

FBaseToolkit::FBaseToolkit()
	: ToolkitCommands(MakeShareable(new FUICommandList()))
{
}

FBaseToolkit::~FBaseToolkit()
{
}

FText FBaseToolkit::GetToolkitName() const
{
	return GetBaseToolkitName();
}

FText FBaseToolkit::GetToolkitToolTipText() const
{
	return GetToolkitName();
}

bool FBaseToolkit::IsWorldCentricAssetEditor() const
{
	return IsAssetEditor() && ToolkitMode == EToolkitMode::WorldCentric;
}

bool FBaseToolkit::IsHosted() const
{
	return ToolkitHost.IsValid();
}

bool FBaseToolkit::IsAssetEditor() const
{
	return false;
}
