#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/Commands.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Styling/AppStyle.h"

/** The scene-setting toggles and the command that opens the "UE to GMA Tool". */
class FZORCommands : public TCommands<FZORCommands>
{
public:
	FZORCommands()
		: TCommands<FZORCommands>(
			TEXT("ZORLightditor"),
			NSLOCTEXT("ZORLightNamespace", "ZORLightditor", "ZORLight Editor"),
			NAME_None,
			FAppStyle::GetAppStyleSetName())
	{
	}

	virtual void RegisterCommands() override;

	TSharedPtr<FUICommandInfo> ToggleSmokeEnable;
	TSharedPtr<FUICommandInfo> ToggleLightCastShadow;
	TSharedPtr<FUICommandInfo> ToggleUseDynamicOcclusion;
	TSharedPtr<FUICommandInfo> ToggleDisableLights;
	TSharedPtr<FUICommandInfo> SpawnUEtoGMATab;
};
