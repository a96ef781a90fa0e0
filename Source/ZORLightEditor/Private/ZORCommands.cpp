#include "ZORCommands.h"

#include "Framework/Commands/InputChord.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

void FZORCommands::RegisterCommands()
{
	UI_COMMAND(ToggleSmokeEnable, "Smoke Enable", "Smoke Enable", EUserInterfaceActionType::ToggleButton, FInputChord());
	UI_COMMAND(ToggleLightCastShadow, "Light Cast Shadow", "Light Cast Shadow", EUserInterfaceActionType::ToggleButton, FInputChord());
	UI_COMMAND(ToggleUseDynamicOcclusion, "Use Dynamic Occlusion", "Use Dynamic Occlusion", EUserInterfaceActionType::ToggleButton, FInputChord());
	UI_COMMAND(ToggleDisableLights, "Disable Lights", "Disable Lights", EUserInterfaceActionType::ToggleButton, FInputChord());
	UI_COMMAND(SpawnUEtoGMATab, "Open UE to GMA Tool", "Open UE to GMA Tool - Quickly export patch to GMA.", EUserInterfaceActionType::Button, FInputChord());
}

#undef LOCTEXT_NAMESPACE
