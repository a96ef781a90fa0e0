#include "ZORLightEditor.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/World.h"
#include "EngineUtils.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "ZORFixtureActor.h"
#include "ZORFixtureActorBase.h"
#include "ZORFixtureActorStrip.h"

namespace ZORLightSettings
{
	static const TCHAR* Section = TEXT("ZORLightSettings");
	static const TCHAR* FileName = TEXT("ZORLightSettings.ini");

	/** Reads Key into Value; a missing key keeps the default in Value and puts it into the file. */
	static void ReadFloat(FConfigFile& ConfigFile, const TCHAR* Key, float& Value)
	{
		if (!ConfigFile.GetFloat(Section, Key, Value))
		{
			ConfigFile.SetFloat(Section, Key, Value);
		}
	}

	static void ReadBool(FConfigFile& ConfigFile, const TCHAR* Key, bool& Value)
	{
		if (!ConfigFile.GetBool(Section, Key, Value))
		{
			ConfigFile.SetBool(Section, Key, Value);
		}
	}

	static uint8 LevelToIndex(float Level)
	{
		if (Level == 32.0f)
		{
			return static_cast<uint8>(EQualityEpic::Low);
		}
		if (Level == 64.0f)
		{
			return static_cast<uint8>(EQualityEpic::Medium);
		}
		if (Level == 128.0f)
		{
			return static_cast<uint8>(EQualityEpic::High);
		}
		if (Level == 256.0f)
		{
			return static_cast<uint8>(EQualityEpic::Ultra);
		}
		return static_cast<uint8>(EQualityEpic::Medium);
	}

	static float IndexToLevel(uint8 Index)
	{
		if (Index <= static_cast<uint8>(EQualityEpic::Ultra))
		{
			return static_cast<float>(1 << (Index + 5));
		}
		// Out-of-range indices fall back to High, not to the Medium default.
		return 128.0f;
	}

	static EQualityEpic ToQualityEpic(uint8 Index)
	{
		return Index <= static_cast<uint8>(EQualityEpic::Ultra) ? static_cast<EQualityEpic>(Index) : EQualityEpic::Medium;
	}
}

FZORLightEditorModule::FZORLightEditorModule()
{
}

FZORLightEditorModule::~FZORLightEditorModule()
{
}

void FZORLightEditorModule::StartupModule()
{
	ConfigPath = FPaths::Combine(FPaths::ProjectConfigDir(), ZORLightSettings::FileName);
	ConfigFile.Read(ConfigPath);

	LoadSettings();

	MenuExtensibilityManager = MakeShared<FExtensibilityManager>();
	ToolBarExtensibilityManager = MakeShared<FExtensibilityManager>();
}

void FZORLightEditorModule::ShutdownModule()
{
	MenuExtensibilityManager.Reset();
	ToolBarExtensibilityManager.Reset();
}

TSharedPtr<FExtensibilityManager> FZORLightEditorModule::GetMenuExtensibilityManager()
{
	return MenuExtensibilityManager;
}

TSharedPtr<FExtensibilityManager> FZORLightEditorModule::GetToolBarExtensibilityManager()
{
	return ToolBarExtensibilityManager;
}

FZORLightEditorModule& FZORLightEditorModule::Get()
{
	return FModuleManager::GetModuleChecked<FZORLightEditorModule>(TEXT("ZORLightEditor"));
}

void FZORLightEditorModule::LoadSettings()
{
	SmokeIntensity = 0.75f;
	UseSmoke = true;
	Scale = 2.0f;
	WindDirection = 45.0f;
	WindElevation = 20.0f;
	WindSpeed = 2.5f;
	QualityLevel = 64.0f;
	LightIntensityMax = 2000.0f;
	LightDistanceMax = 1000.0f;
	LightColorTemp = 6500.0f;
	SpotlightIntensityScale = 1.0f;
	BeamIntensityScale = 1.0f;
	LightCastShadow = true;
	UseDynamicOcclusion = true;
	DisableLights = false;

	ZORLightSettings::ReadFloat(ConfigFile, TEXT("SmokeIntensity"), SmokeIntensity);
	ZORLightSettings::ReadBool(ConfigFile, TEXT("UseSmoke"), UseSmoke);
	ZORLightSettings::ReadFloat(ConfigFile, TEXT("Scale"), Scale);
	ZORLightSettings::ReadFloat(ConfigFile, TEXT("WindDirection"), WindDirection);
	ZORLightSettings::ReadFloat(ConfigFile, TEXT("WindElevation"), WindElevation);
	ZORLightSettings::ReadFloat(ConfigFile, TEXT("WindSpeed"), WindSpeed);
	ZORLightSettings::ReadFloat(ConfigFile, TEXT("QualityLevel"), QualityLevel);
	ZORLightSettings::ReadFloat(ConfigFile, TEXT("LightIntensityMax"), LightIntensityMax);
	ZORLightSettings::ReadFloat(ConfigFile, TEXT("LightDistanceMax"), LightDistanceMax);
	ZORLightSettings::ReadFloat(ConfigFile, TEXT("LightColorTemp"), LightColorTemp);
	ZORLightSettings::ReadFloat(ConfigFile, TEXT("SpotlightIntensityScale"), SpotlightIntensityScale);
	ZORLightSettings::ReadFloat(ConfigFile, TEXT("BeamIntensityScale"), BeamIntensityScale);
	ZORLightSettings::ReadBool(ConfigFile, TEXT("LightCastShadow"), LightCastShadow);
	ZORLightSettings::ReadBool(ConfigFile, TEXT("UseDynamicOcclusion"), UseDynamicOcclusion);
	ZORLightSettings::ReadBool(ConfigFile, TEXT("DisableLights"), DisableLights);

	// Rewritten on every start-up so the file always lists every key.
	WriteConfigFile();

	// A hand-edited level that is not one of the four steps is kept; the menu shows Medium for it.
	QualityIndex = ZORLightSettings::LevelToIndex(QualityLevel);
}

void FZORLightEditorModule::WriteConfigFile()
{
	if (!ConfigFile.Write(ConfigPath, true, FString()))
	{
		UE_LOG(LogTemp, Warning, TEXT("ZORLight: could not write the settings file %s"), *ConfigPath);
	}
}

void FZORLightEditorModule::StoreFloatSetting(float FZORLightEditorModule::*Member, const TCHAR* Key, float NewValue)
{
	FZORLightEditorModule& Module = Get();
	Module.*Member = NewValue;
	Module.ConfigFile.SetFloat(ZORLightSettings::Section, Key, NewValue);
	Module.WriteConfigFile();
	Module.ApplySettingsToFixtures();
}

void FZORLightEditorModule::ToggleBoolSetting(bool FZORLightEditorModule::*Member, const TCHAR* Key)
{
	FZORLightEditorModule& Module = Get();
	Module.*Member = !(Module.*Member);
	Module.ConfigFile.SetBool(ZORLightSettings::Section, Key, Module.*Member);
	Module.WriteConfigFile();
	Module.ApplySettingsToFixtures();
}

void FZORLightEditorModule::SetSmokeIntensity(float NewValue)
{
	StoreFloatSetting(&FZORLightEditorModule::SmokeIntensity, TEXT("SmokeIntensity"), NewValue);
}

void FZORLightEditorModule::SetScale(float NewValue)
{
	StoreFloatSetting(&FZORLightEditorModule::Scale, TEXT("Scale"), NewValue);
}

void FZORLightEditorModule::SetWindDirection(float NewValue)
{
	StoreFloatSetting(&FZORLightEditorModule::WindDirection, TEXT("WindDirection"), NewValue);
}

void FZORLightEditorModule::SetWindElevation(float NewValue)
{
	StoreFloatSetting(&FZORLightEditorModule::WindElevation, TEXT("WindElevation"), NewValue);
}

void FZORLightEditorModule::SetWindSpeed(float NewValue)
{
	StoreFloatSetting(&FZORLightEditorModule::WindSpeed, TEXT("WindSpeed"), NewValue);
}

void FZORLightEditorModule::SetLightIntensityMax(float NewValue)
{
	StoreFloatSetting(&FZORLightEditorModule::LightIntensityMax, TEXT("LightIntensityMax"), NewValue);
}

void FZORLightEditorModule::SetLightDistanceMax(float NewValue)
{
	StoreFloatSetting(&FZORLightEditorModule::LightDistanceMax, TEXT("LightDistanceMax"), NewValue);
}

void FZORLightEditorModule::SetLightColorTemp(float NewValue)
{
	StoreFloatSetting(&FZORLightEditorModule::LightColorTemp, TEXT("LightColorTemp"), NewValue);
}

void FZORLightEditorModule::SetSpotlightIntensityScale(float NewValue)
{
	StoreFloatSetting(&FZORLightEditorModule::SpotlightIntensityScale, TEXT("SpotlightIntensityScale"), NewValue);
}

void FZORLightEditorModule::SetBeamIntensityScale(float NewValue)
{
	StoreFloatSetting(&FZORLightEditorModule::BeamIntensityScale, TEXT("BeamIntensityScale"), NewValue);
}

void FZORLightEditorModule::SetQualityLevel(EQualityEpic NewIndex)
{
	FZORLightEditorModule& Module = Get();
	Module.QualityIndex = static_cast<uint8>(NewIndex);
	Module.QualityLevel = ZORLightSettings::IndexToLevel(Module.QualityIndex);
	Module.ConfigFile.SetFloat(ZORLightSettings::Section, TEXT("QualityLevel"), Module.QualityLevel);
	Module.WriteConfigFile();
	Module.ApplySettingsToFixtures();
}

void FZORLightEditorModule::ToggleUseSmoke()
{
	ToggleBoolSetting(&FZORLightEditorModule::UseSmoke, TEXT("UseSmoke"));
}

void FZORLightEditorModule::ToggleLightCastShadow()
{
	ToggleBoolSetting(&FZORLightEditorModule::LightCastShadow, TEXT("LightCastShadow"));
}

void FZORLightEditorModule::ToggleUseDynamicOcclusion()
{
	ToggleBoolSetting(&FZORLightEditorModule::UseDynamicOcclusion, TEXT("UseDynamicOcclusion"));
}

void FZORLightEditorModule::ToggleDisableLights()
{
	ToggleBoolSetting(&FZORLightEditorModule::DisableLights, TEXT("DisableLights"));
}

bool FZORLightEditorModule::IsUseSmokeChecked()
{
	return Get().UseSmoke;
}

bool FZORLightEditorModule::IsLightCastShadowChecked()
{
	return Get().LightCastShadow;
}

bool FZORLightEditorModule::IsUseDynamicOcclusionChecked()
{
	return Get().UseDynamicOcclusion;
}

bool FZORLightEditorModule::IsDisableLightsChecked()
{
	return Get().DisableLights;
}

void FZORLightEditorModule::ApplySettingsToFixtures()
{
	if (GEditor == nullptr)
	{
		return;
	}
	UWorld* World = GEditor->GetEditorWorldContext().World();
	if (World == nullptr)
	{
		return;
	}

	const EQualityEpic FixtureQualityIndex = ZORLightSettings::ToQualityEpic(QualityIndex);
	for (TActorIterator<AZORFixtureActorBase> It(World); It; ++It)
	{
		AZORFixtureActorBase* Actor = CastChecked<AZORFixtureActorBase>(*It);
		bool bTookSettings = false;
		if (Actor->IsA(AZORFixtureActor::StaticClass()))
		{
			AZORFixtureActor* Fixture = CastChecked<AZORFixtureActor>(Actor);
			Fixture->SetNoiseSettings();
			Fixture->QualityLevel = QualityLevel;
			Fixture->QualityIndex = FixtureQualityIndex;
			bTookSettings = true;
		}
		else if (Actor->IsA(AZORFixtureActorStrip::StaticClass()))
		{
			AZORFixtureActorStrip* Strip = CastChecked<AZORFixtureActorStrip>(Actor);
			Strip->SetNoiseSettings();
			Strip->QualityIndex = FixtureQualityIndex;
			bTookSettings = true;
		}

		if (bTookSettings)
		{
			// Construction derives what the actor renders from the values just written.
			Actor->RerunConstructionScripts();
		}
	}
}

IMPLEMENT_MODULE(FZORLightEditorModule, ZORLightEditor)
