#include "ZORLightEditor.h"

#include "Engine/Level.h"
#include "GameFramework/Actor.h"
#include "SettingsFileHelpers.h"
#include "StandInTesting/EditorSession.h"
#include "ZORFixtureActor.h"
#include "ZORFixtureActorBase.h"
#include "ZORFixtureActorStrip.h"

#include <gtest/gtest.h>

namespace
{
	int32 Runs(const AActor* Actor)
	{
		return StandIn::FEditorSession::GetConstructionScriptRuns(Actor);
	}

	/** Two moving heads and one strip on the persistent level, plus actors the pass must leave alone. */
	class ApplySettings : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			SpotA = Session.SpawnActor<AZORFixtureActor>(TEXT("Spot 1"));
			SpotB = Session.SpawnActor<AZORFixtureActor>(TEXT("Spot 2"));
			Strip = Session.SpawnActor<AZORFixtureActorStrip>(TEXT("Strip 1"));
			BareBase = Session.SpawnActor<AZORFixtureActorBase>(TEXT("Bare base"));
			Plain = Session.SpawnActor(AActor::StaticClass(), TEXT("Truss"));
			ASSERT_NE(SpotA, nullptr);
			ASSERT_NE(SpotB, nullptr);
			ASSERT_NE(Strip, nullptr);
			ASSERT_NE(BareBase, nullptr);
			ASSERT_NE(Plain, nullptr);
			Session.StartPlugin();
		}

		StandIn::FEditorSession Session;
		AZORFixtureActor* SpotA = nullptr;
		AZORFixtureActor* SpotB = nullptr;
		AZORFixtureActorStrip* Strip = nullptr;
		AZORFixtureActorBase* BareBase = nullptr;
		AActor* Plain = nullptr;
	};
}

TEST_F(ApplySettings, StartupAloneRefreshesNothing)
{
	EXPECT_EQ(Runs(SpotA), 0);
	EXPECT_EQ(Runs(Strip), 0);
}

TEST_F(ApplySettings, OneChangeRefreshesEveryFixtureOnce)
{
	SpotA->QualityLevel = 999.0f;
	FZORLightEditorModule::Get().SetWindSpeed(10.0f);

	EXPECT_EQ(Runs(SpotA), 1);
	EXPECT_EQ(Runs(SpotB), 1);
	EXPECT_EQ(Runs(Strip), 1);
	EXPECT_EQ(Runs(BareBase), 0);
	EXPECT_EQ(Runs(Plain), 0);

	// Each fixture read the file that was just written.
	EXPECT_EQ(SpotA->WindSpeed, 10.0f);
	EXPECT_EQ(SpotB->WindSpeed, 10.0f);
	EXPECT_EQ(Strip->WindSpeed, 10.0f);
	EXPECT_EQ(BareBase->WindSpeed, 2.5f);

	EXPECT_EQ(SpotA->QualityLevel, 64.0f);
	EXPECT_EQ(SpotA->QualityIndex, EQualityEpic::Medium);
	EXPECT_EQ(Strip->QualityIndex, EQualityEpic::Medium);
}

TEST_F(ApplySettings, UnchangedValueStillRefreshes)
{
	FZORLightEditorModule& Module = FZORLightEditorModule::Get();
	Module.SetBeamIntensityScale(Module.BeamIntensityScale);
	Module.SetBeamIntensityScale(Module.BeamIntensityScale);
	EXPECT_EQ(Runs(SpotA), 2);
	EXPECT_EQ(Runs(Strip), 2);
}

TEST_F(ApplySettings, QualityGoesToFixturesAndOnlyTheIndexToStrips)
{
	FZORLightEditorModule& Module = FZORLightEditorModule::Get();
	Strip->BeamSampleCount = -1;

	Module.SetQualityLevel(EQualityEpic::High);
	EXPECT_EQ(SpotA->QualityLevel, 128.0f);
	EXPECT_EQ(SpotA->QualityIndex, EQualityEpic::High);
	EXPECT_EQ(SpotB->QualityLevel, 128.0f);
	EXPECT_EQ(Strip->QualityIndex, EQualityEpic::High);
	EXPECT_EQ(SpotA->BeamSampleCount, 128);
	EXPECT_EQ(Strip->BeamSampleCount, 128);

	Module.SetQualityLevel(EQualityEpic::Ultra);
	Module.SetQualityLevel(EQualityEpic::Low);
	EXPECT_EQ(SpotA->QualityLevel, 32.0f);
	EXPECT_EQ(Strip->QualityIndex, EQualityEpic::Low);
	EXPECT_EQ(Strip->BeamSampleCount, 32);
	EXPECT_EQ(Runs(SpotA), 3);
	EXPECT_EQ(Runs(Strip), 3);
}

TEST_F(ApplySettings, IndexAboveUltraReachesActorsAsMediumWithLevel128)
{
	FZORLightEditorModule::Get().SetQualityLevel(static_cast<EQualityEpic>(9));
	EXPECT_TRUE(ZORTests::HasLine(ZORTests::ReadSettingsLines(Session), "QualityLevel=128.0"));
	EXPECT_EQ(SpotA->QualityLevel, 128.0f);
	EXPECT_EQ(SpotA->QualityIndex, EQualityEpic::Medium);
	EXPECT_EQ(Strip->QualityIndex, EQualityEpic::Medium);
}

TEST_F(ApplySettings, TogglingTwiceRefreshesTwiceAndRestores)
{
	SpotA->LightIntensity = 1500.0f;

	FZORLightEditorModule::ToggleDisableLights();
	EXPECT_TRUE(SpotA->bDisableLights);
	EXPECT_EQ(SpotA->EffectiveLightIntensity, 0.0f);
	EXPECT_FALSE(SpotA->bEffectiveCastShadow);

	FZORLightEditorModule::ToggleDisableLights();
	EXPECT_FALSE(SpotA->bDisableLights);
	EXPECT_EQ(SpotA->EffectiveLightIntensity, 1500.0f);
	EXPECT_TRUE(SpotA->bEffectiveCastShadow);
	EXPECT_EQ(Runs(SpotA), 2);
	EXPECT_EQ(Runs(Strip), 2);
}

TEST_F(ApplySettings, LimitsAndScalesShapeWhatTheFixturesRender)
{
	FZORLightEditorModule& Module = FZORLightEditorModule::Get();
	SpotA->LightIntensity = 1500.0f;
	SpotA->LightDistance = 800.0f;
	SpotA->BeamIntensity = 2.0f;

	Module.SetSpotlightIntensityScale(2.0f);
	EXPECT_EQ(SpotA->EffectiveLightIntensity, 2000.0f); // 3000 limited to the default maximum
	Module.SetLightIntensityMax(5000.0f);
	EXPECT_EQ(SpotA->EffectiveLightIntensity, 3000.0f);
	Module.SetLightDistanceMax(500.0f);
	EXPECT_EQ(SpotA->EffectiveLightDistance, 500.0f);
	Module.SetBeamIntensityScale(0.25f);
	EXPECT_EQ(SpotA->EffectiveBeamIntensity, 0.5f);

	Module.SetSmokeIntensity(0.4f);
	EXPECT_FLOAT_EQ(Strip->EffectiveSmokeIntensity, 0.4f);
	FZORLightEditorModule::ToggleUseSmoke();
	EXPECT_EQ(Strip->EffectiveSmokeIntensity, 0.0f);
	FZORLightEditorModule::ToggleLightCastShadow();
	EXPECT_FALSE(SpotB->bLightCastShadow);
	EXPECT_FALSE(SpotB->bEffectiveCastShadow);
	FZORLightEditorModule::ToggleUseDynamicOcclusion();
	EXPECT_FALSE(SpotB->bUseDynamicOcclusion);
}

TEST_F(ApplySettings, StoredOddLevelReachesTheFixtures)
{
	Session.UnloadModule(TEXT("ZORLightEditor"));
	ZORTests::WriteSettingsFile(Session, "[ZORLightSettings]\nQualityLevel=100\n");
	Session.LoadModule(TEXT("ZORLightEditor"));

	FZORLightEditorModule::Get().SetWindDirection(90.0f);
	EXPECT_EQ(SpotA->QualityLevel, 100.0f);
	EXPECT_EQ(SpotA->QualityIndex, EQualityEpic::Medium);
	EXPECT_EQ(SpotA->BeamSampleCount, 100);
	EXPECT_EQ(SpotA->WindDirection, 90.0f);
}

TEST_F(ApplySettings, InactiveLevelsAndDestroyedActorsAreSkipped)
{
	ULevel* Backstage = Session.AddLevel(TEXT("Backstage"), false);
	ASSERT_NE(Backstage, nullptr);
	AZORFixtureActor* Hidden = Session.SpawnActor<AZORFixtureActor>(TEXT("Spare spot"), FTransform::Identity, Backstage);
	AZORFixtureActorStrip* HiddenStrip = Session.SpawnActor<AZORFixtureActorStrip>(TEXT("Spare strip"), FTransform::Identity, Backstage);
	ASSERT_NE(Hidden, nullptr);
	ASSERT_NE(HiddenStrip, nullptr);
	Session.DestroyActor(SpotB);

	FZORLightEditorModule::Get().SetWindSpeed(20.0f);

	EXPECT_EQ(Runs(Hidden), 0);
	EXPECT_EQ(Runs(HiddenStrip), 0);
	EXPECT_EQ(Hidden->WindSpeed, 2.5f);
	EXPECT_EQ(Runs(SpotB), 0);
	EXPECT_EQ(Runs(SpotA), 1);
	EXPECT_EQ(Runs(Strip), 1);
}

TEST_F(ApplySettings, UnwritableFileWarnsAndStillApplies)
{
	FZORLightEditorModule& Module = FZORLightEditorModule::Get();
	// Replace the file by a folder of the same name: every later write fails.
	std::filesystem::remove(ZORTests::SettingsPath(Session));
	std::filesystem::create_directories(ZORTests::SettingsPath(Session));
	Session.ClearLog();

	Module.SetWindSpeed(30.0f);

	EXPECT_TRUE(Session.HasLogLine(Module.ConfigPath, ELogVerbosity::Warning));
	EXPECT_EQ(Module.WindSpeed, 30.0f);
	EXPECT_EQ(Runs(SpotA), 1);
	EXPECT_EQ(Runs(Strip), 1);
	EXPECT_EQ(Session.GetEnsureCount(), 0);
}

TEST_F(ApplySettings, WorldWithoutFixturesIsFine)
{
	Session.DestroyActor(SpotA);
	Session.DestroyActor(SpotB);
	Session.DestroyActor(Strip);
	FZORLightEditorModule::Get().SetScale(1.0f);
	EXPECT_EQ(Runs(SpotA), 0);
	EXPECT_EQ(FZORLightEditorModule::Get().Scale, 1.0f);
}
