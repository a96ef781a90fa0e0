#pragma once

#include "CoreMinimal.h"
#include "Misc/ConfigCacheIni.h"
#include "Modules/ModuleInterface.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "ZORLightTypes.h"

class FSpawnTabArgs;
class FUICommandList;
class SDockTab;
class SFixturePatchList;
class SWidget;

/**
 * The editor module: owns the scene settings and their ini file, pushes every change into the
 * fixture actors of the editor world, and puts the "ZORLight" settings drop-down on the level
 * editor's toolbar.
 */
class FZORLightEditorModule : public IModuleInterface, public IHasMenuExtensibility, public IHasToolBarExtensibility
{
public:
	FZORLightEditorModule();
	virtual ~FZORLightEditorModule() override;

	// IModuleInterface
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	// IHasMenuExtensibility
	virtual TSharedPtr<FExtensibilityManager> GetMenuExtensibilityManager() override;

	// IHasToolBarExtensibility
	virtual TSharedPtr<FExtensibilityManager> GetToolBarExtensibilityManager() override;

	/** The loaded module; only valid while "ZORLightEditor" is loaded. */
	static FZORLightEditorModule& Get();

	void SetSmokeIntensity(float NewValue);
	void SetScale(float NewValue);
	void SetWindDirection(float NewValue);
	void SetWindElevation(float NewValue);
	void SetWindSpeed(float NewValue);
	void SetLightIntensityMax(float NewValue);
	void SetLightDistanceMax(float NewValue);
	void SetLightColorTemp(float NewValue);
	void SetSpotlightIntensityScale(float NewValue);
	void SetBeamIntensityScale(float NewValue);

	/** Stores the index and its level (32, 64, 128, 256; 128 for an index above Ultra). */
	void SetQualityLevel(EQualityEpic NewIndex);

	static void ToggleUseSmoke();
	static void ToggleLightCastShadow();
	static void ToggleUseDynamicOcclusion();
	static void ToggleDisableLights();

	static bool IsUseSmokeChecked();
	static bool IsLightCastShadowChecked();
	static bool IsUseDynamicOcclusionChecked();
	static bool IsDisableLightsChecked();

	/** Pushes the current settings into every fixture actor of the editor world. */
	void ApplySettingsToFixtures();

	/** Maps the commands of FZORCommands into the level editor's global command list. */
	void BindCommands();

	/** Brings up the "UE to GMA Tool" tab. */
	void OpenUEtoGMATab();

	/** Builds the "UE to GMA Tool" tab around a new patch list panel; both are released when it closes. */
	TSharedRef<SDockTab> OnSpawnUEtoGMATab(const FSpawnTabArgs& SpawnTabArgs);

	/** Adds the "ZORLight" drop-down to the level editor's user toolbar. */
	void RegisterToolbar();

	/** The drop-down's content, built anew each time it opens so it shows the current settings. */
	static TSharedRef<SWidget> MakeSettingsMenu();

	/** Creates the (empty) extender the settings menu is built with. */
	static void CreateSettingsMenuExtender();

	TSharedPtr<FUICommandList> ZORLightLevelEditorMenuCommands;

	float SmokeIntensity = 0.0f;
	bool UseSmoke = false;
	float Scale = 0.0f;
	float WindDirection = 0.0f;
	float WindElevation = 0.0f;
	float WindSpeed = 0.0f;
	float QualityLevel = 0.0f;
	float LightIntensityMax = 0.0f;
	float LightDistanceMax = 0.0f;
	float LightColorTemp = 0.0f;
	float SpotlightIntensityScale = 0.0f;
	float BeamIntensityScale = 0.0f;
	bool LightCastShadow = false;
	bool UseDynamicOcclusion = false;
	bool DisableLights = false;

	FString ConfigPath;
	FConfigFile ConfigFile;

	/** An EQualityEpic value. */
	uint8 QualityIndex = 1;

	TSharedPtr<FExtensibilityManager> MenuExtensibilityManager;
	TSharedPtr<FExtensibilityManager> ToolBarExtensibilityManager;

	TSharedPtr<SDockTab> UEtoGMATab;
	TSharedPtr<SFixturePatchList> FixturePatchListWidget;

private:
	/** Defaults, then every key of the file; missing keys get their default written back. */
	void LoadSettings();

	/** Writes ConfigFile to ConfigPath; a failure is logged, never fatal. */
	void WriteConfigFile();

	static void StoreFloatSetting(float FZORLightEditorModule::*Member, const TCHAR* Key, float NewValue);
	static void ToggleBoolSetting(bool FZORLightEditorModule::*Member, const TCHAR* Key);
};
