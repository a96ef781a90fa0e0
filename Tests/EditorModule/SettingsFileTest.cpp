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
