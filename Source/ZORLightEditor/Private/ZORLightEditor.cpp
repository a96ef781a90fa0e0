#include "ZORLightEditor.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/World.h"
#include "EngineUtils.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/Docking/TabManager.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "Framework/Notifications/NotificationManager.h"
#include "LevelEditor.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "Styling/AppStyle.h"
#include "Textures/SlateIcon.h"
#include "ThumbnailRendering/ThumbnailManager.h"
#include "ToolMenus.h"
#include "UObject/UObjectBase.h"
#include "Widgets/Input/SSegmentedControl.h"
#include "Widgets/Input/SSpinBox.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/Notifications/SNotificationList.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/Text/STextBlock.h"
#include "PrismWheel/ZORPrismWheelDetails.h"
#include "UEtoGMA/SFixturePatchList.h"
#include "ZORCommands.h"
#include "ZORFixtureActor.h"
#include "ZORFixtureActorBase.h"
#include "ZORFixtureActorStrip.h"
#include "ZORLightEditorStyle.h"
#include "ZORPrismWheel.h"
#include "ZORPrismWheelThumbnailRenderer.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

static const FName UEtoGMATabName(TEXT("UEtoGMA"));

/** Handed to every settings menu; nothing extends it yet, but it outlives the module like the engine's extenders. */
static TSharedPtr<FExtender> SettingsMenuExtender;

namespace ZORLightToolbar
{
	static const FName ToolbarMenuName(TEXT("LevelEditor.LevelEditorToolBar.User"));
	static const FName SectionName(TEXT("ZORLight"));
}

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

	FPropertyEditorModule& PropertyEditorModule = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
	PropertyEditorModule.RegisterCustomClassLayout(UZORPrismWheel::StaticClass()->GetFName(),
		FOnGetDetailCustomizationInstance::CreateStatic(&FZORPrismWheelDetails::MakeInstance));

	UThumbnailManager::Get().RegisterCustomRenderer(UZORPrismWheel::StaticClass(), UZORPrismWheelThumbnailRenderer::StaticClass());

	FGlobalTabmanager::Get()->RegisterNomadTabSpawner(UEtoGMATabName,
		FOnSpawnTab::CreateRaw(this, &FZORLightEditorModule::OnSpawnUEtoGMATab))
		.SetDisplayName(LOCTEXT("UEtoGMATabTitle", "UE to GMA Tool"))
		.SetMenuType(ETabSpawnerMenuType::Hidden)
		.SetIcon(FSlateIcon(FZORLightEditorStyle::Get().GetStyleSetName(), "Icons.UEtoGMA"));

	LoadSettings();

	FZORCommands::Register();
	BindCommands();

	MenuExtensibilityManager = MakeShared<FExtensibilityManager>();
	ToolBarExtensibilityManager = MakeShared<FExtensibilityManager>();

	RegisterToolbar();
	CreateSettingsMenuExtender();
}

void FZORLightEditorModule::ShutdownModule()
{
	// At engine exit the tool menus may already be gone with the object system.
	if (UObjectInitialized())
	{
		UToolMenus::Get()->RemoveSection(ZORLightToolbar::ToolbarMenuName, ZORLightToolbar::SectionName);
	}

	FPropertyEditorModule& PropertyEditorModule = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
	PropertyEditorModule.UnregisterCustomClassLayout(UZORPrismWheel::StaticClass()->GetFName());

	// The mappings in the level editor's global list stay; they are only reached through these commands.
	FZORCommands::Unregister();
	FGlobalTabmanager::Get()->UnregisterNomadTabSpawner(UEtoGMATabName);

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
		// The fixture actors read the file, so they keep its old values while the menu shows the new ones.
		FNotificationInfo Info(FText::Format(LOCTEXT("SettingsFileNotWrittenNotification", "Could not write the settings file {0}: the fixture actors keep its old values."),
			FText::FromString(ConfigPath)));
		Info.Image = FAppStyle::Get().GetBrush(TEXT("Icons.Warning"));
		Info.ExpireDuration = 5.0f;
		FSlateNotificationManager::Get().AddNotification(Info);
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

void FZORLightEditorModule::BindCommands()
{
	check(!ZORLightLevelEditorMenuCommands.IsValid());

	FLevelEditorModule& LevelEditorModule = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
	const TSharedRef<FUICommandList> Actions = LevelEditorModule.GetGlobalLevelEditorActions();
	const FZORCommands& Commands = FZORCommands::Get();

	Actions->MapAction(
		Commands.SpawnUEtoGMATab,
		FExecuteAction::CreateRaw(this, &FZORLightEditorModule::OpenUEtoGMATab),
		FCanExecuteAction(),
		EUIActionRepeatMode::RepeatDisabled);
	// The four toggles differ only in the setting they flip and show.
	const auto MapToggle = [&Actions](const TSharedPtr<FUICommandInfo>& Command, void (*Toggle)(), bool (*IsChecked)())
	{
		Actions->MapAction(
			Command,
			FExecuteAction::CreateStatic(Toggle),
			FCanExecuteAction(),
			FIsActionChecked::CreateStatic(IsChecked),
			EUIActionRepeatMode::RepeatDisabled);
	};
	MapToggle(Commands.ToggleSmokeEnable, &FZORLightEditorModule::ToggleUseSmoke, &FZORLightEditorModule::IsUseSmokeChecked);
	MapToggle(Commands.ToggleLightCastShadow, &FZORLightEditorModule::ToggleLightCastShadow, &FZORLightEditorModule::IsLightCastShadowChecked);
	MapToggle(Commands.ToggleUseDynamicOcclusion, &FZORLightEditorModule::ToggleUseDynamicOcclusion, &FZORLightEditorModule::IsUseDynamicOcclusionChecked);
	MapToggle(Commands.ToggleDisableLights, &FZORLightEditorModule::ToggleDisableLights, &FZORLightEditorModule::IsDisableLightsChecked);
}

void FZORLightEditorModule::OpenUEtoGMATab()
{
	FGlobalTabmanager::Get()->TryInvokeTab(UEtoGMATabName);
}

TSharedRef<SDockTab> FZORLightEditorModule::OnSpawnUEtoGMATab(const FSpawnTabArgs& SpawnTabArgs)
{
	FixturePatchListWidget = SNew(SFixturePatchList);

	UEtoGMATab = SNew(SDockTab)
		.TabRole(ETabRole::NomadTab)
		.OnTabClosed_Lambda([this](TSharedRef<SDockTab> ClosedTab)
		{
			UEtoGMATab.Reset();
			FixturePatchListWidget.Reset();
		})
		[
			FixturePatchListWidget.ToSharedRef()
		];

	return UEtoGMATab.ToSharedRef();
}

void FZORLightEditorModule::RegisterToolbar()
{
	UToolMenu* ToolbarMenu = UToolMenus::Get()->ExtendMenu(ZORLightToolbar::ToolbarMenuName);
	FToolMenuSection& Section = ToolbarMenu->FindOrAddSection(ZORLightToolbar::SectionName);
	Section.AddSeparator(ZORLightToolbar::SectionName);

	FToolMenuEntry ComboEntry = FToolMenuEntry::InitComboButton(
		TEXT("ZORLightMenu"),
		FToolUIActionChoice(FUIAction()),
		FNewToolMenuChoice(FOnGetContent::CreateStatic(&FZORLightEditorModule::MakeSettingsMenu)),
		LOCTEXT("LevelEditorToolbarZORLightButtonLabel", "ZORLight"),
		LOCTEXT("LevelEditorToolbarZORLightButtonTooltip", "ZORLight Setting"),
		FSlateIcon(FZORLightEditorStyle::Get().GetStyleSetName(), TEXT("Icons.ZORLightSetting"), NAME_None, NAME_None),
		false,
		NAME_None);
	ComboEntry.StyleNameOverride = TEXT("CalloutToolbar");
	Section.AddEntry(ComboEntry);
}

void FZORLightEditorModule::CreateSettingsMenuExtender()
{
	SettingsMenuExtender = MakeShared<FExtender>();
}

/** One settings row: the caption on the left half, a spin box on the right half (unset MaxValue: no upper bound). */
static TSharedRef<SWidget> MakeSpinBoxRow(const FText& Label, float MinValue, TOptional<float> MaxValue, float Value, float Delta, TFunction<void(float)> OnCommit)
{
	return SNew(SBox)
		.MinDesiredWidth(200.0f)
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			.FillWidth(0.5f)
			.VAlign(VAlign_Center)
			[
				SNew(STextBlock)
				.Text(Label)
				.ColorAndOpacity(FLinearColor::White)
			]
			+ SHorizontalBox::Slot()
			.FillWidth(0.5f)
			[
				SNew(SSpinBox<float>)
				.MinValue(MinValue)
				.MaxValue(MaxValue)
				.Value(Value)
				.Delta(Delta)
				// Only committed values reach the setter: each one rewrites the ini file and the fixtures.
				.OnValueCommitted_Lambda([OnCommit](float NewValue, ETextCommit::Type CommitType)
				{
					OnCommit(NewValue);
				})
			]
		];
}


TSharedRef<SWidget> FZORLightEditorModule::MakeSettingsMenu()
{
	FLevelEditorModule& LevelEditorModule = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
	const TSharedRef<FUICommandList> CommandList = LevelEditorModule.GetGlobalLevelEditorActions();
	FMenuBuilder MenuBuilder(true, CommandList, SettingsMenuExtender, true, &FAppStyle::Get(), true, NAME_None, true);

	const FZORLightEditorModule& Module = Get();
	const FZORCommands& Commands = FZORCommands::Get();
	// Rows carry their own caption; the builder's label is only there for search.
	const FText RowLabel = FText::FromString(TEXT(" "));

	MenuBuilder.BeginSection(NAME_None, LOCTEXT("QualityLevel", "Quality Level"));
	MenuBuilder.AddWidget(
		SNew(SBox)
		.MinDesiredWidth(300.0f)
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			.FillWidth(1.0f)
			[
				SNew(SSegmentedControl<EQualityEpic>)
				.Value(static_cast<EQualityEpic>(Module.QualityIndex))
				.OnValueChanged_Lambda([](EQualityEpic NewValue)
				{
					FZORLightEditorModule::Get().SetQualityLevel(NewValue);
				})
				+ SSegmentedControl<EQualityEpic>::Slot(EQualityEpic::Low)
				.Text(LOCTEXT("EnvironmentSettingsLow", "Low"))
				+ SSegmentedControl<EQualityEpic>::Slot(EQualityEpic::Medium)
				.Text(LOCTEXT("DaySequenceSettingsMedium", "Medium"))
				+ SSegmentedControl<EQualityEpic>::Slot(EQualityEpic::High)
				.Text(LOCTEXT("DaySequenceSettingsHigh", "High"))
				+ SSegmentedControl<EQualityEpic>::Slot(EQualityEpic::Ultra)
				.Text(LOCTEXT("DaySequenceSettingsUltra", "Ultra"))
			]
		],
		RowLabel, false, true, FText());

	MenuBuilder.BeginSection(NAME_None, LOCTEXT("Light&Beams", "Light & Beams"));
	MenuBuilder.AddWidget(
		MakeSpinBoxRow(LOCTEXT("LightIntensity Max", "Light Intensity Max"), 0.0f, TOptional<float>(), Module.LightIntensityMax, 0.1f,
			[](float NewValue) { FZORLightEditorModule::Get().SetLightIntensityMax(NewValue); }),
		RowLabel, false, true, FText());
	MenuBuilder.AddWidget(
		MakeSpinBoxRow(LOCTEXT("Light Distance Max", "Light Distance Max"), 0.0f, TOptional<float>(), Module.LightDistanceMax, 0.1f,
			[](float NewValue) { FZORLightEditorModule::Get().SetLightDistanceMax(NewValue); }),
		RowLabel, false, true, FText());
	MenuBuilder.AddWidget(
		MakeSpinBoxRow(LOCTEXT("Light Color Temp", "Light Color Temp"), 0.0f, TOptional<float>(), Module.LightColorTemp, 0.1f,
			[](float NewValue) { FZORLightEditorModule::Get().SetLightColorTemp(NewValue); }),
		RowLabel, false, true, FText());
	MenuBuilder.AddWidget(
		MakeSpinBoxRow(LOCTEXT("Spot light Intensity Scale", "Spot light Intensity Scale"), 0.0f, TOptional<float>(), Module.SpotlightIntensityScale, 0.01f,
			[](float NewValue) { FZORLightEditorModule::Get().SetSpotlightIntensityScale(NewValue); }),
		RowLabel, false, true, FText());
	MenuBuilder.AddWidget(
		MakeSpinBoxRow(LOCTEXT("Beam Intensity Scale", "Beam Intensity Scale"), 0.0f, TOptional<float>(), Module.BeamIntensityScale, 0.01f,
			[](float NewValue) { FZORLightEditorModule::Get().SetBeamIntensityScale(NewValue); }),
		RowLabel, false, true, FText());

	// The same text as label and tooltip, so the menu shows these words rather than the command's own.
	const FText LightCastShadowText = LOCTEXT("LightCastShadow", "Light Cast Shadow");
	const FText UseDynamicOcclusionText = LOCTEXT("UseDynamicOcclusion", "Use Dynamic Occlusion");
	const FText DisableLightsText = LOCTEXT("DisableLights", "Disable Lights");
	MenuBuilder.AddMenuEntry(Commands.ToggleLightCastShadow, NAME_None, LightCastShadowText, LightCastShadowText, FSlateIcon(), NAME_None);
	MenuBuilder.AddMenuEntry(Commands.ToggleUseDynamicOcclusion, NAME_None, UseDynamicOcclusionText, UseDynamicOcclusionText, FSlateIcon(), NAME_None);
	MenuBuilder.AddMenuEntry(Commands.ToggleDisableLights, NAME_None, DisableLightsText, DisableLightsText, FSlateIcon(), NAME_None);

	MenuBuilder.BeginSection(NAME_None, LOCTEXT("Fog&Haze", "Fog & Haze"));
	const FText FogAndHazeText = LOCTEXT("Fog&Haze", "Fog & Haze");
	MenuBuilder.AddMenuEntry(Commands.ToggleSmokeEnable, NAME_None, FogAndHazeText, FogAndHazeText, FSlateIcon(), NAME_None);
	MenuBuilder.AddWidget(
		MakeSpinBoxRow(LOCTEXT("SmokeIntensity", "Clouds Intensity"), 0.0f, 1.0f, Module.SmokeIntensity, 0.01f,
			[](float NewValue) { FZORLightEditorModule::Get().SetSmokeIntensity(NewValue); }),
		RowLabel, false, true, FText());
	MenuBuilder.AddWidget(
		MakeSpinBoxRow(LOCTEXT("CloudsScale", "Clouds Scale (x)"), 0.5f, 8.0f, Module.Scale, 0.1f,
			[](float NewValue) { FZORLightEditorModule::Get().SetScale(NewValue); }),
		RowLabel, false, true, FText());

	MenuBuilder.BeginSection(NAME_None, LOCTEXT("Wind", "Wind"));
	MenuBuilder.AddWidget(
		MakeSpinBoxRow(LOCTEXT("WindDirection", "Wind Direction (deg)"), -180.0f, 180.0f, Module.WindDirection, 0.1f,
			[](float NewValue) { FZORLightEditorModule::Get().SetWindDirection(NewValue); }),
		RowLabel, false, true, FText());
	MenuBuilder.AddWidget(
		MakeSpinBoxRow(LOCTEXT("WindElevation", "Wind Elevation (deg)"), -180.0f, 180.0f, Module.WindElevation, 0.1f,
			[](float NewValue) { FZORLightEditorModule::Get().SetWindElevation(NewValue); }),
		RowLabel, false, true, FText());
	MenuBuilder.AddWidget(
		MakeSpinBoxRow(LOCTEXT("WindSpeed", "Wind Speed (km/h)"), 0.0f, TOptional<float>(), Module.WindSpeed, 0.1f,
			[](float NewValue) { FZORLightEditorModule::Get().SetWindSpeed(NewValue); }),
		RowLabel, false, true, FText());
	MenuBuilder.EndSection();

	MenuBuilder.BeginSection(NAME_None, LOCTEXT("UEtoGMALabel", "UE to GMA Tool"));
	MenuBuilder.AddMenuEntry(
		Commands.SpawnUEtoGMATab,
		NAME_None,
		LOCTEXT("UEtoGMALabel", "UE to GMA Tool"),
		LOCTEXT("UEtoGMATooltip", "Opens the UE to GMA tool"),
		FSlateIcon(FZORLightEditorStyle::Get().GetStyleSetName(), TEXT("Icons.UEtoGMA"), NAME_None, NAME_None),
		NAME_None);
	MenuBuilder.EndSection();

	return MenuBuilder.MakeWidget();
}

#undef LOCTEXT_NAMESPACE

IMPLEMENT_MODULE(FZORLightEditorModule, ZORLightEditor)
