#include "ZORFixtureActor.h"
#include "ZORFixtureActorStrip.h"

#include "StandInTesting/EditorSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace
{
	class FixtureActor : public ::testing::Test
	{
	protected:
		void WriteSettings(const std::string& Text)
		{
			const std::filesystem::path Dir(std::string(TCHAR_TO_UTF8(*Session.GetConfigDir())));
			std::filesystem::create_directories(Dir);
			std::ofstream Out(Dir / "ZORLightSettings.ini", std::ios::binary | std::ios::trunc);
			Out << Text;
		}

		StandIn::FEditorSession Session;
	};
}

TEST_F(FixtureActor, NoiseSettingsComeFromTheProjectFile)
{
	AZORFixtureActor* Spot = Session.SpawnActor<AZORFixtureActor>(TEXT("Spot 1"));
	ASSERT_NE(Spot, nullptr);
	WriteSettings(
		"[ZORLightSettings]\n"
		"SmokeIntensity=0.3\nUseSmoke=False\nScale=5.0\nWindDirection=180.0\nWindElevation=-5.0\n"
		"WindSpeed=12.5\nQualityLevel=256.0\nLightIntensityMax=900.0\nLightDistanceMax=300.0\n"
		"LightColorTemp=3200.0\nSpotlightIntensityScale=0.5\nBeamIntensityScale=2.0\n"
		"LightCastShadow=False\nUseDynamicOcclusion=False\nDisableLights=True\n");

	Spot->SetNoiseSettings();

	EXPECT_FLOAT_EQ(Spot->SmokeIntensity, 0.3f);
	EXPECT_FALSE(Spot->bUseSmoke);
	EXPECT_EQ(Spot->SmokeScale, 5.0f);
	EXPECT_EQ(Spot->WindDirection, 180.0f);
	EXPECT_EQ(Spot->WindElevation, -5.0f);
	EXPECT_EQ(Spot->WindSpeed, 12.5f);
	EXPECT_EQ(Spot->LightIntensityMax, 900.0f);
	EXPECT_EQ(Spot->LightDistanceMax, 300.0f);
	EXPECT_EQ(Spot->LightColorTemp, 3200.0f);
	EXPECT_EQ(Spot->SpotlightIntensityScale, 0.5f);
	EXPECT_EQ(Spot->BeamIntensityScale, 2.0f);
	EXPECT_FALSE(Spot->bLightCastShadow);
	EXPECT_FALSE(Spot->bUseDynamicOcclusion);
	EXPECT_TRUE(Spot->bDisableLights);
	// The quality is the editor's to write, not the file's.
	EXPECT_EQ(Spot->QualityLevel, 64.0f);
}

TEST_F(FixtureActor, MissingKeysAndMissingFileLeaveValuesAlone)
{
	AZORFixtureActorStrip* Strip = Session.SpawnActor<AZORFixtureActorStrip>(TEXT("Strip 1"));
	ASSERT_NE(Strip, nullptr);
	Strip->WindSpeed = 7.0f;

	Strip->SetNoiseSettings();
	EXPECT_EQ(Strip->WindSpeed, 7.0f);
	EXPECT_EQ(Strip->SmokeIntensity, 0.75f);

	WriteSettings("[ZORLightSettings]\nWindDirection=10.0\n[Other]\nWindSpeed=99.0\n");
	Strip->SetNoiseSettings();
	EXPECT_EQ(Strip->WindDirection, 10.0f);
	EXPECT_EQ(Strip->WindSpeed, 7.0f);
}

TEST_F(FixtureActor, ConstructionDerivesWhatIsRendered)
{
	AZORFixtureActor* Spot = Session.SpawnActor<AZORFixtureActor>(TEXT("Spot 1"));
	ASSERT_NE(Spot, nullptr);
	Spot->LightIntensity = 3000.0f;
	Spot->LightDistance = 1500.0f;
	Spot->QualityLevel = 256.0f;

	Spot->RerunConstructionScripts();

	EXPECT_EQ(StandIn::FEditorSession::GetConstructionScriptRuns(Spot), 1);
	EXPECT_EQ(Spot->EffectiveLightIntensity, 2000.0f);
	EXPECT_EQ(Spot->EffectiveLightDistance, 1000.0f);
	EXPECT_EQ(Spot->EffectiveSmokeIntensity, 0.75f);
	EXPECT_TRUE(Spot->bEffectiveCastShadow);
	EXPECT_EQ(Spot->BeamSampleCount, 256);

	AZORFixtureActorStrip* Strip = Session.SpawnActor<AZORFixtureActorStrip>(TEXT("Strip 1"));
	ASSERT_NE(Strip, nullptr);
	Strip->QualityIndex = EQualityEpic::Ultra;
	Strip->RerunConstructionScripts();
	EXPECT_EQ(Strip->BeamSampleCount, 256);
	Strip->QualityIndex = static_cast<EQualityEpic>(200);
	Strip->RerunConstructionScripts();
	EXPECT_EQ(Strip->BeamSampleCount, 64);
}
