#include "ZORLightEditor.h"

#include "SettingsFileHelpers.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/SlateDriver.h"
#include "Styling/AppStyle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using ZORTests::HasLine;
using ZORTests::ReadSettingsLines;
using ZORTests::WriteSettingsFile;

namespace
{
	class SettingsFile : public ::testing::Test
	{
	protected:
		FZORLightEditorModule& StartEditor()
		{
			StandIn::ClearShownNotifications();
			Session.StartPlugin();
			return FZORLightEditorModule::Get();
		}

		void ExpectEveryKeyOnce(const std::vector<std::string>& Lines)
		{
			for (const std::string& Default : ZORTests::DefaultSettingLines())
			{
				EXPECT_EQ(ZORTests::CountKey(Lines, ZORTests::KeyOf(Default)), 1) << ZORTests::KeyOf(Default);
			}
		}

		StandIn::FEditorSession Session;
	};
}

TEST_F(SettingsFile, MissingFileIsSeededWithTheFifteenDefaults)
{
	ASSERT_FALSE(ZORTests::SettingsFileExists(Session));
	FZORLightEditorModule& Module = StartEditor();

	const std::vector<std::string> Lines = ReadSettingsLines(Session);
	std::vector<std::string> Expected = { "[ZORLightSettings]" };
	Expected.insert(Expected.end(), ZORTests::DefaultSettingLines().begin(), ZORTests::DefaultSettingLines().end());
	std::vector<std::string> NonEmpty;
	for (const std::string& Line : Lines)
	{
		if (!Line.empty())
		{
			NonEmpty.push_back(Line);
		}
	}
	EXPECT_EQ(NonEmpty, Expected);

	EXPECT_EQ(Module.SmokeIntensity, 0.75f);
	EXPECT_TRUE(Module.UseSmoke);
	EXPECT_EQ(Module.Scale, 2.0f);
	EXPECT_EQ(Module.WindDirection, 45.0f);
	EXPECT_EQ(Module.WindElevation, 20.0f);
	EXPECT_EQ(Module.WindSpeed, 2.5f);
	EXPECT_EQ(Module.QualityLevel, 64.0f);
	EXPECT_EQ(Module.LightIntensityMax, 2000.0f);
	EXPECT_EQ(Module.LightDistanceMax, 1000.0f);
	EXPECT_EQ(Module.LightColorTemp, 6500.0f);
	EXPECT_EQ(Module.SpotlightIntensityScale, 1.0f);
	EXPECT_EQ(Module.BeamIntensityScale, 1.0f);
	EXPECT_TRUE(Module.LightCastShadow);
	EXPECT_TRUE(Module.UseDynamicOcclusion);
	EXPECT_FALSE(Module.DisableLights);
	EXPECT_EQ(Module.QualityIndex, 1);
}

TEST_F(SettingsFile, PartialFileIsCompletedWithoutTouchingStoredKeys)
{
	WriteSettingsFile(Session, "[ZORLightSettings]\nWindSpeed=7.25\nUseSmoke=False\nLightColorTemp=3200.0\n");
	FZORLightEditorModule& Module = StartEditor();

	EXPECT_EQ(Module.WindSpeed, 7.25f);
	EXPECT_FALSE(Module.UseSmoke);
	EXPECT_EQ(Module.LightColorTemp, 3200.0f);
	EXPECT_EQ(Module.SmokeIntensity, 0.75f);

	const std::vector<std::string> Lines = ReadSettingsLines(Session);
	EXPECT_TRUE(HasLine(Lines, "WindSpeed=7.25"));
	EXPECT_TRUE(HasLine(Lines, "UseSmoke=False"));
	EXPECT_TRUE(HasLine(Lines, "LightColorTemp=3200.0"));
	EXPECT_TRUE(HasLine(Lines, "SmokeIntensity=0.75"));
	EXPECT_TRUE(HasLine(Lines, "DisableLights=False"));
	ExpectEveryKeyOnce(Lines);
}

TEST_F(SettingsFile, QualityLevelOfTheFourStepsGivesItsIndex)
{
	WriteSettingsFile(Session, "[ZORLightSettings]\nQualityLevel=256\n");
	FZORLightEditorModule& Module = StartEditor();

	EXPECT_EQ(Module.QualityLevel, 256.0f);
	EXPECT_EQ(Module.QualityIndex, 3);
	const std::vector<std::string> Lines = ReadSettingsLines(Session);
	EXPECT_TRUE(HasLine(Lines, "QualityLevel=256"));
	ExpectEveryKeyOnce(Lines);
}

TEST_F(SettingsFile, QualityLevelsMapToIndicesAtStartup)
{
	const std::pair<const char*, int> Cases[] = { { "32", 0 }, { "64.0", 1 }, { "128", 2 }, { "256.0", 3 }, { "48", 1 } };
	for (const auto& [Level, Index] : Cases)
	{
		WriteSettingsFile(Session, std::string("[ZORLightSettings]\nQualityLevel=") + Level + "\n");
		Session.LoadModule(TEXT("ZORLightEditor"));
		EXPECT_EQ(FZORLightEditorModule::Get().QualityIndex, Index) << Level;
		Session.UnloadModule(TEXT("ZORLightEditor"));
	}
}

TEST_F(SettingsFile, LevelOutsideTheFourStepsIsKeptAsMedium)
{
	WriteSettingsFile(Session, "[ZORLightSettings]\nQualityLevel=100\n");
	FZORLightEditorModule& Module = StartEditor();

	EXPECT_EQ(Module.QualityLevel, 100.0f);
	EXPECT_EQ(Module.QualityIndex, 1);
	EXPECT_TRUE(HasLine(ReadSettingsLines(Session), "QualityLevel=100"));
}

TEST_F(SettingsFile, OtherSectionsAndUnknownKeysArePreserved)
{
	WriteSettingsFile(Session,
		"[Lighting]\nExposure=1.5\n"
		"[ZORLightSettings]\nOperatorNote=FOH left\nScale=3.5\n"
		"[Zzz]\nFlag=True\n");
	FZORLightEditorModule& Module = StartEditor();
	EXPECT_EQ(Module.Scale, 3.5f);

	Module.SetWindSpeed(4.0f);

	const std::vector<std::string> Lines = ReadSettingsLines(Session);
	EXPECT_TRUE(HasLine(Lines, "[Lighting]"));
	EXPECT_TRUE(HasLine(Lines, "Exposure=1.5"));
	EXPECT_TRUE(HasLine(Lines, "[Zzz]"));
	EXPECT_TRUE(HasLine(Lines, "Flag=True"));
	EXPECT_TRUE(HasLine(Lines, "OperatorNote=FOH left"));
	EXPECT_TRUE(HasLine(Lines, "Scale=3.5"));
	EXPECT_TRUE(HasLine(Lines, "WindSpeed=4.0"));
	ExpectEveryKeyOnce(Lines);
}

TEST_F(SettingsFile, GarbageBytesLeaveTheDefaultsInForce)
{
	std::string Garbage = "\xFF\xFE\x00\x01PK\x03\x04";
	Garbage.push_back('\0');
	for (int Byte = 0; Byte < 256; ++Byte)
	{
		Garbage.push_back(static_cast<char>((Byte * 73 + 11) & 0xFF));
	}
	WriteSettingsFile(Session, Garbage);
	FZORLightEditorModule& Module = StartEditor();

	EXPECT_EQ(Module.SmokeIntensity, 0.75f);
	EXPECT_EQ(Module.QualityIndex, 1);
	const std::vector<std::string> Lines = ReadSettingsLines(Session);
	EXPECT_TRUE(HasLine(Lines, "[ZORLightSettings]"));
	for (const std::string& Default : ZORTests::DefaultSettingLines())
	{
		EXPECT_TRUE(HasLine(Lines, Default)) << Default;
	}
}

TEST_F(SettingsFile, MissingSectionKeepsTheOtherSectionsKeys)
{
	WriteSettingsFile(Session, "[SomethingElse]\nSmokeIntensity=0.1\nWindSpeed=99.0\n");
	FZORLightEditorModule& Module = StartEditor();

	// A key of the same name in another section is not ours.
	EXPECT_EQ(Module.SmokeIntensity, 0.75f);
	EXPECT_EQ(Module.WindSpeed, 2.5f);
	const std::vector<std::string> Lines = ReadSettingsLines(Session);
	EXPECT_TRUE(HasLine(Lines, "[SomethingElse]"));
	EXPECT_TRUE(HasLine(Lines, "SmokeIntensity=0.1"));
	EXPECT_TRUE(HasLine(Lines, "WindSpeed=99.0"));
	EXPECT_TRUE(HasLine(Lines, "[ZORLightSettings]"));
	EXPECT_TRUE(HasLine(Lines, "SmokeIntensity=0.75"));
}

TEST_F(SettingsFile, ValueThatIsNotANumberLosesNoOtherKey)
{
	WriteSettingsFile(Session, "[ZORLightSettings]\nSmokeIntensity=thick\nWindSpeed=9.5\nUseSmoke=False\n");
	FZORLightEditorModule& Module = StartEditor();

	EXPECT_EQ(Module.WindSpeed, 9.5f);
	EXPECT_FALSE(Module.UseSmoke);
	const std::vector<std::string> Lines = ReadSettingsLines(Session);
	EXPECT_TRUE(HasLine(Lines, "WindSpeed=9.5"));
	EXPECT_TRUE(HasLine(Lines, "UseSmoke=False"));
	ExpectEveryKeyOnce(Lines);

	// The user fixes it from the menu.
	Module.SetSmokeIntensity(0.5f);
	EXPECT_TRUE(HasLine(ReadSettingsLines(Session), "SmokeIntensity=0.5"));
	EXPECT_TRUE(HasLine(ReadSettingsLines(Session), "WindSpeed=9.5"));
}

TEST_F(SettingsFile, EveryFloatSetterStoresWritesAndKeepsTheRest)
{
	FZORLightEditorModule& Module = StartEditor();
	struct FCase
	{
		void (FZORLightEditorModule::*Setter)(float);
		float FZORLightEditorModule::*Member;
		float Value;
		const char* Line;
	};
	const FCase Cases[] = {
		{ &FZORLightEditorModule::SetSmokeIntensity, &FZORLightEditorModule::SmokeIntensity, 0.25f, "SmokeIntensity=0.25" },
		{ &FZORLightEditorModule::SetScale, &FZORLightEditorModule::Scale, 4.0f, "Scale=4.0" },
		{ &FZORLightEditorModule::SetWindDirection, &FZORLightEditorModule::WindDirection, 270.0f, "WindDirection=270.0" },
		{ &FZORLightEditorModule::SetWindElevation, &FZORLightEditorModule::WindElevation, -10.5f, "WindElevation=-10.5" },
		{ &FZORLightEditorModule::SetWindSpeed, &FZORLightEditorModule::WindSpeed, 12.0f, "WindSpeed=12.0" },
		{ &FZORLightEditorModule::SetLightIntensityMax, &FZORLightEditorModule::LightIntensityMax, 5000.0f, "LightIntensityMax=5000.0" },
		{ &FZORLightEditorModule::SetLightDistanceMax, &FZORLightEditorModule::LightDistanceMax, 250.0f, "LightDistanceMax=250.0" },
		{ &FZORLightEditorModule::SetLightColorTemp, &FZORLightEditorModule::LightColorTemp, 3200.0f, "LightColorTemp=3200.0" },
		{ &FZORLightEditorModule::SetSpotlightIntensityScale, &FZORLightEditorModule::SpotlightIntensityScale, 0.5f, "SpotlightIntensityScale=0.5" },
		{ &FZORLightEditorModule::SetBeamIntensityScale, &FZORLightEditorModule::BeamIntensityScale, 1.5f, "BeamIntensityScale=1.5" },
	};
	for (const FCase& Case : Cases)
	{
		(Module.*Case.Setter)(Case.Value);
		EXPECT_EQ(Module.*Case.Member, Case.Value) << Case.Line;
		const std::vector<std::string> Lines = ReadSettingsLines(Session);
		EXPECT_TRUE(HasLine(Lines, Case.Line)) << Case.Line;
		ExpectEveryKeyOnce(Lines);
	}
	// Earlier changes survive the later writes.
	const std::vector<std::string> Lines = ReadSettingsLines(Session);
	for (const FCase& Case : Cases)
	{
		EXPECT_TRUE(HasLine(Lines, Case.Line)) << Case.Line;
	}
}

TEST_F(SettingsFile, UnchangedValueLeavesTheFileAsItIsAndAChangeWritesIt)
{
	// The config file object writes only when a setter changed something, as the engine's does:
	// committing the value already stored asks for a write that does not touch the file.
	FZORLightEditorModule& Module = StartEditor();
	std::filesystem::remove(ZORTests::SettingsPath(Session));

	Module.SetWindSpeed(Module.WindSpeed);
	EXPECT_FALSE(ZORTests::SettingsFileExists(Session));
	EXPECT_EQ(Module.WindSpeed, 2.5f);

	Module.SetWindSpeed(3.0f);
	const std::vector<std::string> Lines = ReadSettingsLines(Session);
	EXPECT_TRUE(HasLine(Lines, "WindSpeed=3.0"));
	EXPECT_FALSE(HasLine(Lines, "WindSpeed=2.5"));
	EXPECT_EQ(ZORTests::CountKey(Lines, "WindSpeed"), 1);
	EXPECT_TRUE(HasLine(Lines, "WindDirection=45.0"));
}

TEST_F(SettingsFile, TogglesFlipWriteAndFlipBack)
{
	FZORLightEditorModule& Module = StartEditor();
	struct FCase
	{
		void (*Toggle)();
		bool (*IsChecked)();
		bool FZORLightEditorModule::*Member;
		const char* Key;
	};
	const FCase Cases[] = {
		{ &FZORLightEditorModule::ToggleUseSmoke, &FZORLightEditorModule::IsUseSmokeChecked, &FZORLightEditorModule::UseSmoke, "UseSmoke" },
		{ &FZORLightEditorModule::ToggleLightCastShadow, &FZORLightEditorModule::IsLightCastShadowChecked, &FZORLightEditorModule::LightCastShadow, "LightCastShadow" },
		{ &FZORLightEditorModule::ToggleUseDynamicOcclusion, &FZORLightEditorModule::IsUseDynamicOcclusionChecked, &FZORLightEditorModule::UseDynamicOcclusion, "UseDynamicOcclusion" },
		{ &FZORLightEditorModule::ToggleDisableLights, &FZORLightEditorModule::IsDisableLightsChecked, &FZORLightEditorModule::DisableLights, "DisableLights" },
	};
	for (const FCase& Case : Cases)
	{
		const bool bBefore = Module.*Case.Member;
		EXPECT_EQ(Case.IsChecked(), bBefore) << Case.Key;

		Case.Toggle();
		EXPECT_EQ(Module.*Case.Member, !bBefore) << Case.Key;
		EXPECT_EQ(Case.IsChecked(), !bBefore) << Case.Key;
		EXPECT_TRUE(HasLine(ReadSettingsLines(Session), std::string(Case.Key) + (bBefore ? "=False" : "=True"))) << Case.Key;

		Case.Toggle();
		EXPECT_EQ(Module.*Case.Member, bBefore) << Case.Key;
		EXPECT_TRUE(HasLine(ReadSettingsLines(Session), std::string(Case.Key) + (bBefore ? "=True" : "=False"))) << Case.Key;
	}
}

TEST_F(SettingsFile, QualityLevelFollowsTheChosenIndex)
{
	FZORLightEditorModule& Module = StartEditor();

	Module.SetQualityLevel(EQualityEpic::Ultra);
	EXPECT_EQ(Module.QualityIndex, 3);
	EXPECT_EQ(Module.QualityLevel, 256.0f);
	EXPECT_TRUE(HasLine(ReadSettingsLines(Session), "QualityLevel=256.0"));

	Module.SetQualityLevel(EQualityEpic::Low);
	EXPECT_EQ(Module.QualityIndex, 0);
	EXPECT_EQ(Module.QualityLevel, 32.0f);
	EXPECT_TRUE(HasLine(ReadSettingsLines(Session), "QualityLevel=32.0"));

	Module.SetQualityLevel(EQualityEpic::High);
	EXPECT_EQ(Module.QualityLevel, 128.0f);
	Module.SetQualityLevel(EQualityEpic::Medium);
	EXPECT_EQ(Module.QualityLevel, 64.0f);
	EXPECT_EQ(ZORTests::CountKey(ReadSettingsLines(Session), "QualityLevel"), 1);
}

TEST_F(SettingsFile, IndexAboveUltraGivesLevel128)
{
	FZORLightEditorModule& Module = StartEditor();

	Module.SetQualityLevel(static_cast<EQualityEpic>(7));

	EXPECT_EQ(Module.QualityLevel, 128.0f);
	EXPECT_EQ(Module.QualityIndex, 7);
	EXPECT_TRUE(HasLine(ReadSettingsLines(Session), "QualityLevel=128.0"));
}

TEST_F(SettingsFile, UnwritableFileIsReportedAndStartupGoesOn)
{
	// A folder where the file should be: the write fails whoever runs the test.
	std::filesystem::create_directories(ZORTests::SettingsPath(Session));
	FZORLightEditorModule& Module = StartEditor();

	const FString ExpectedPath = Module.ConfigPath;
	EXPECT_TRUE(Session.HasLogLine(ExpectedPath, ELogVerbosity::Warning));
	EXPECT_EQ(Module.SmokeIntensity, 0.75f);
	EXPECT_EQ(Module.QualityIndex, 1);
	EXPECT_TRUE(Module.GetMenuExtensibilityManager().IsValid());

	// The user is told, not only the log: the actors read the file and keep its old values.
	const FString Told = TEXT("Could not write the settings file ") + ExpectedPath + TEXT(": the fixture actors keep its old values.");
	TArray<FString> Shown = StandIn::GetShownNotificationTexts();
	ASSERT_EQ(Shown.Num(), 1);
	EXPECT_TRUE(Shown[0].Equals(Told, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Shown[0]);
	EXPECT_EQ(StandIn::GetShownNotifications()[0].Info.Image, FAppStyle::Get().GetBrush(TEXT("Icons.Warning")));

	// Each edit that cannot be saved says so again; the value is still taken.
	Module.SetWindSpeed(9.0f);
	Shown = StandIn::GetShownNotificationTexts();
	ASSERT_EQ(Shown.Num(), 2);
	EXPECT_TRUE(Shown[1].Equals(Told, ESearchCase::CaseSensitive));
	EXPECT_EQ(Module.WindSpeed, 9.0f);
}

TEST_F(SettingsFile, WrittenFileTellsTheUserNothing)
{
	FZORLightEditorModule& Module = StartEditor();
	Module.SetWindSpeed(9.0f);
	FZORLightEditorModule::ToggleDisableLights();
	EXPECT_EQ(StandIn::GetShownNotificationTexts().Num(), 0);
}
