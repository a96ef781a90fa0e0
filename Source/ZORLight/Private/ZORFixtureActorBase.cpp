#include "ZORFixtureActorBase.h"

#include "Misc/ConfigCacheIni.h"
#include "Misc/Paths.h"

void AZORFixtureActorBase::SetNoiseSettings()
{
	// The editor writes this file before it asks the fixtures to take the settings up.
	const FString SettingsPath = FPaths::Combine(FPaths::ProjectConfigDir(), TEXT("ZORLightSettings.ini"));
	FConfigFile Settings;
	Settings.Read(SettingsPath);

	// A key that is missing leaves the actor's value as it was.
	const TCHAR* Section = TEXT("ZORLightSettings");
	Settings.GetFloat(Section, TEXT("SmokeIntensity"), SmokeIntensity);
	Settings.GetBool(Section, TEXT("UseSmoke"), bUseSmoke);
	Settings.GetFloat(Section, TEXT("Scale"), SmokeScale);
	Settings.GetFloat(Section, TEXT("WindDirection"), WindDirection);
	Settings.GetFloat(Section, TEXT("WindElevation"), WindElevation);
	Settings.GetFloat(Section, TEXT("WindSpeed"), WindSpeed);
	Settings.GetFloat(Section, TEXT("LightIntensityMax"), LightIntensityMax);
	Settings.GetFloat(Section, TEXT("LightDistanceMax"), LightDistanceMax);
	Settings.GetFloat(Section, TEXT("LightColorTemp"), LightColorTemp);
	Settings.GetFloat(Section, TEXT("SpotlightIntensityScale"), SpotlightIntensityScale);
	Settings.GetFloat(Section, TEXT("BeamIntensityScale"), BeamIntensityScale);
	Settings.GetBool(Section, TEXT("LightCastShadow"), bLightCastShadow);
	Settings.GetBool(Section, TEXT("UseDynamicOcclusion"), bUseDynamicOcclusion);
	Settings.GetBool(Section, TEXT("DisableLights"), bDisableLights);
}

void AZORFixtureActorBase::OnConstruction(const FTransform& Transform)
{
	Super::OnConstruction(Transform);

	const bool bLightsOn = !bDisableLights;
	const float IntensityLimit = FMath::Max(LightIntensityMax, 0.0f);
	EffectiveLightIntensity = bLightsOn ? FMath::Min(LightIntensity * SpotlightIntensityScale, IntensityLimit) : 0.0f;
	EffectiveLightDistance = FMath::Min(LightDistance, FMath::Max(LightDistanceMax, 0.0f));
	EffectiveBeamIntensity = bLightsOn ? BeamIntensity * BeamIntensityScale : 0.0f;
	bEffectiveCastShadow = bLightsOn && bLightCastShadow;
	EffectiveSmokeIntensity = bUseSmoke ? SmokeIntensity : 0.0f;
}
