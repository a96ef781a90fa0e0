#include "ZORLightEditor.h"

#include "MenuTestHelpers.h"
#include "Framework/Docking/TabManager.h"
#include "ToolMenuEntry.h"
#include "ToolMenuSection.h"
#include "ToolMenus.h"
#include "Widgets/Docking/SDockTab.h"
#include "ShownText.h"

using ZORTests::FMenuTest;
using ZORTests::ReadSetting;
using ZORTests::ReadSettingText;

TEST_F(FMenuTest, ToolbarButtonIsACalloutComboInTheUserToolbar)
{
	const FToolMenuSection* Section = StandIn::FindToolMenuSection(ZORTests::ToolbarMenu, ZORTests::ToolbarSection);
	ASSERT_NE(Section, nullptr);
	ASSERT_EQ(Section->Blocks.Num(), 2);
	EXPECT_EQ(Section->Blocks[0].Name, FName(TEXT("ZORLight")));
	EXPECT_EQ(Section->Blocks[0].Type, EMultiBlockType::Separator);

	const FToolMenuEntry* Entry = StandIn::FindToolMenuEntry(ZORTests::ToolbarMenu, ZORTests::ToolbarSection, ZORTests::ComboButton);
	ASSERT_NE(Entry, nullptr);
	EXPECT_EQ(Entry, &Section->Blocks[1]);
	EXPECT_EQ(Entry->Type, EMultiBlockType::ToolBarComboButton);
	EXPECT_EQ(Shown(Entry->Label.Get().ToString()), TEXT("ZORLight"));
	EXPECT_EQ(Shown(Entry->ToolTip.Get().ToString()), TEXT("ZORLight Setting"));
	const FSlateIcon Icon = Entry->Icon.Get();
	// The icon resolves through the registered style set to the plug-in's own picture.
	ASSERT_NE(Icon.GetIcon(), nullptr);
	EXPECT_TRUE(Icon.GetIcon()->GetResourceName().ToString().EndsWith(TEXT("Resources/Slate/ZORLightSetting_20.svg"), ESearchCase::CaseSensitive));
}

TEST_F(FMenuTest, MenuShowsFiveSectionsWithTheirRowsInOrder)
{
	const TSharedRef<SWidget> Menu = OpenMenu();
	TArray<FString> Shape;
	for (const StandIn::FMenuRow& MenuRow : StandIn::ListMenuRows(Menu))
	{
		switch (MenuRow.Kind)
		{
		case StandIn::EMenuRowKind::Heading:
			Shape.Add(TEXT("# ") + MenuRow.Label);
			break;
		case StandIn::EMenuRowKind::Entry:
			Shape.Add(TEXT("entry ") + MenuRow.Label);
			break;
		case StandIn::EMenuRowKind::Widget:
			Shape.Add(MenuRow.Segments.Num() > 0 ? FString(TEXT("segments ")) + FString::Join(MenuRow.Segments, TEXT("/")) : TEXT("row ") + MenuRow.Label);
			break;
		case StandIn::EMenuRowKind::Separator:
			break;
		}
	}
	const TArray<FString> Expected = {
		TEXT("# Quality Level"),
		TEXT("segments Low/Medium/High/Ultra"),
		TEXT("# Light & Beams"),
		TEXT("row Light Intensity Max"),
		TEXT("row Light Distance Max"),
		TEXT("row Light Color Temp"),
		TEXT("row Spot light Intensity Scale"),
		TEXT("row Beam Intensity Scale"),
		TEXT("entry Light Cast Shadow"),
		TEXT("entry Use Dynamic Occlusion"),
		TEXT("entry Disable Lights"),
		TEXT("# Fog & Haze"),
		TEXT("entry Fog & Haze"),
		TEXT("row Clouds Intensity"),
		TEXT("row Clouds Scale (x)"),
		TEXT("# Wind"),
		TEXT("row Wind Direction (deg)"),
		TEXT("row Wind Elevation (deg)"),
		TEXT("row Wind Speed (km/h)"),
		TEXT("# UE to GMA Tool"),
		TEXT("entry UE to GMA Tool"),
	};
	EXPECT_EQ(Shown(Shape), Shown(Expected));
}

TEST_F(FMenuTest, TypedValuesAreClampedToTheRowBounds)
{
	struct FCase
	{
		const TCHAR* Label;
		const TCHAR* Typed;
		const char* Key;
		float Stored;
	};
	const FCase Cases[] = {
		{TEXT("Clouds Scale (x)"), TEXT("10"), "Scale", 8.0f},
		{TEXT("Clouds Scale (x)"), TEXT("0.1"), "Scale", 0.5f},
		{TEXT("Clouds Scale (x)"), TEXT("3.5"), "Scale", 3.5f},
		{TEXT("Clouds Intensity"), TEXT("1.5"), "SmokeIntensity", 1.0f},
		{TEXT("Clouds Intensity"), TEXT("-0.25"), "SmokeIntensity", 0.0f},
		{TEXT("Clouds Intensity"), TEXT("0.4"), "SmokeIntensity", 0.4f},
		{TEXT("Wind Direction (deg)"), TEXT("200"), "WindDirection", 180.0f},
		{TEXT("Wind Direction (deg)"), TEXT("-500"), "WindDirection", -180.0f},
		{TEXT("Wind Elevation (deg)"), TEXT("-90"), "WindElevation", -90.0f},
		{TEXT("Wind Elevation (deg)"), TEXT("181"), "WindElevation", 180.0f},
		{TEXT("Wind Speed (km/h)"), TEXT("-3"), "WindSpeed", 0.0f},
		{TEXT("Wind Speed (km/h)"), TEXT("5000"), "WindSpeed", 5000.0f},
		{TEXT("Light Intensity Max"), TEXT("1000000"), "LightIntensityMax", 1000000.0f},
		{TEXT("Light Distance Max"), TEXT("-1"), "LightDistanceMax", 0.0f},
		{TEXT("Light Color Temp"), TEXT("3200"), "LightColorTemp", 3200.0f},
		{TEXT("Spot light Intensity Scale"), TEXT("2.5"), "SpotlightIntensityScale", 2.5f},
		{TEXT("Beam Intensity Scale"), TEXT("-0.5"), "BeamIntensityScale", 0.0f},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(std::string(TCHAR_TO_UTF8(Case.Label)) + " <- " + TCHAR_TO_UTF8(Case.Typed));
		const int32 RefreshesBefore = FixtureRefreshes();
		TypeAndCommit(Case.Label, Case.Typed);

		const std::optional<float> Stored = ReadSetting(Session, Case.Key);
		ASSERT_TRUE(Stored.has_value());
		EXPECT_FLOAT_EQ(*Stored, Case.Stored);
		// One commit, one apply pass over the three fixtures.
		EXPECT_EQ(FixtureRefreshes() - RefreshesBefore, 3);
		EXPECT_FLOAT_EQ(Row(OpenMenu(), Case.Label).SpinValue, Case.Stored);
	}
}

TEST_F(FMenuTest, DraggingCommitsOnlyOnRelease)
{
	const std::optional<std::string> FileBefore = ReadSettingText(Session, "WindSpeed");
	const float Before = FZORLightEditorModule::Get().WindSpeed;
	const int32 RefreshesBefore = FixtureRefreshes();

	const TSharedRef<SWidget> Menu = OpenMenu();
	const TSharedPtr<SWidget> SpinBox = ZORTests::SpinBoxOf(Row(Menu, TEXT("Wind Speed (km/h)")));
	ASSERT_TRUE(SpinBox.IsValid());
	ASSERT_TRUE(StandIn::DragSpinBox(SpinBox.ToSharedRef(), 25, false));

	// The spin box moves, the setting does not.
	EXPECT_NEAR(Row(Menu, TEXT("Wind Speed (km/h)")).SpinValue, Before + 2.5f, 1e-3f);
	EXPECT_EQ(FZORLightEditorModule::Get().WindSpeed, Before);
	EXPECT_EQ(ReadSettingText(Session, "WindSpeed"), FileBefore);
	EXPECT_EQ(FixtureRefreshes(), RefreshesBefore);

	ASSERT_TRUE(StandIn::ReleaseSpinBoxDrag(SpinBox.ToSharedRef()));
	EXPECT_NEAR(FZORLightEditorModule::Get().WindSpeed, Before + 2.5f, 1e-3f);
	const std::optional<float> Stored = ReadSetting(Session, "WindSpeed");
	ASSERT_TRUE(Stored.has_value());
	EXPECT_NEAR(*Stored, Before + 2.5f, 1e-3f);
	EXPECT_EQ(FixtureRefreshes() - RefreshesBefore, 3);
}

TEST_F(FMenuTest, DraggingStopsAtTheBounds)
{
	const TSharedRef<SWidget> Menu = OpenMenu();
	const TSharedPtr<SWidget> SpinBox = ZORTests::SpinBoxOf(Row(Menu, TEXT("Clouds Intensity")));
	ASSERT_TRUE(SpinBox.IsValid());
	const int32 RefreshesBefore = FixtureRefreshes();
	ASSERT_TRUE(StandIn::DragSpinBox(SpinBox.ToSharedRef(), 500));
	EXPECT_EQ(FixtureRefreshes() - RefreshesBefore, 3);
	EXPECT_FLOAT_EQ(FZORLightEditorModule::Get().SmokeIntensity, 1.0f);
	EXPECT_EQ(ReadSetting(Session, "SmokeIntensity"), std::optional<float>(1.0f));
}

TEST_F(FMenuTest, ReopenedMenuShowsFreshValuesButAnOpenMenuDoesNotRefresh)
{
	const TSharedRef<SWidget> OpenBefore = OpenMenu();
	EXPECT_FLOAT_EQ(Row(OpenBefore, TEXT("Wind Speed (km/h)")).SpinValue, 2.5f);

	TypeAndCommit(TEXT("Wind Speed (km/h)"), TEXT("12.5"));
	EXPECT_FLOAT_EQ(FZORLightEditorModule::Get().WindSpeed, 12.5f);
	EXPECT_FLOAT_EQ(Row(OpenMenu(), TEXT("Wind Speed (km/h)")).SpinValue, 12.5f);

	// A value set elsewhere shows the next time the drop-down opens, not in a menu already open.
	const TSharedRef<SWidget> StillOpen = OpenMenu();
	FZORLightEditorModule::Get().SetScale(6.0f);
	EXPECT_FLOAT_EQ(Row(StillOpen, TEXT("Clouds Scale (x)")).SpinValue, 2.0f);
	EXPECT_FLOAT_EQ(Row(OpenMenu(), TEXT("Clouds Scale (x)")).SpinValue, 6.0f);
}

TEST_F(FMenuTest, QualitySegmentsMapToLevelsAtOnce)
{
	EXPECT_EQ(Shown(QualityRow(OpenMenu()).SelectedSegment), TEXT("Medium"));

	struct FCase
	{
		const TCHAR* Segment;
		uint8 Index;
		float Level;
	};
	const FCase Cases[] = {
		{TEXT("Ultra"), 3, 256.0f},
		{TEXT("Low"), 0, 32.0f},
		{TEXT("High"), 2, 128.0f},
		{TEXT("Medium"), 1, 64.0f},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Segment));
		const int32 RefreshesBefore = FixtureRefreshes();
		const TSharedPtr<SWidget> Selector = ZORTests::SegmentsOf(QualityRow(OpenMenu()));
		ASSERT_TRUE(Selector.IsValid());
		ASSERT_TRUE(StandIn::PickSegmentByText(Selector.ToSharedRef(), Case.Segment));

		// No commit step: the pick itself stores, writes and applies.
		const FZORLightEditorModule& Module = FZORLightEditorModule::Get();
		EXPECT_EQ(Module.QualityIndex, Case.Index);
		EXPECT_EQ(Module.QualityLevel, Case.Level);
		EXPECT_EQ(ReadSetting(Session, "QualityLevel"), std::optional<float>(Case.Level));
		EXPECT_EQ(FixtureRefreshes() - RefreshesBefore, 3);
		EXPECT_EQ(Spot->QualityLevel, Case.Level);
		EXPECT_EQ(static_cast<uint8>(Spot->QualityIndex), Case.Index);
		EXPECT_EQ(static_cast<uint8>(Strip->QualityIndex), Case.Index);
		EXPECT_EQ(Shown(QualityRow(OpenMenu()).SelectedSegment), Case.Segment);
	}
}

TEST_F(FMenuTest, ToggleEntriesShowAndFlipTheirSettings)
{
	struct FCase
	{
		const TCHAR* Label;
		const char* Key;
		bool FZORLightEditorModule::*Member;
	};
	const FCase Cases[] = {
		{TEXT("Fog & Haze"), "UseSmoke", &FZORLightEditorModule::UseSmoke},
		{TEXT("Light Cast Shadow"), "LightCastShadow", &FZORLightEditorModule::LightCastShadow},
		{TEXT("Use Dynamic Occlusion"), "UseDynamicOcclusion", &FZORLightEditorModule::UseDynamicOcclusion},
		{TEXT("Disable Lights"), "DisableLights", &FZORLightEditorModule::DisableLights},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Label));
		FZORLightEditorModule& Module = FZORLightEditorModule::Get();
		const bool bBefore = Module.*Case.Member;

		const TSharedRef<SWidget> Menu = OpenMenu();
		const StandIn::FMenuRow Entry = Row(Menu, Case.Label);
		ASSERT_TRUE(Entry.bCheckable);
		EXPECT_EQ(Entry.CheckState, bBefore ? ECheckBoxState::Checked : ECheckBoxState::Unchecked);
		// The menu's own words, not the command's label and tooltip.
		EXPECT_EQ(Shown(Entry.ToolTip), Case.Label);
		EXPECT_TRUE(Entry.IconStyleName.IsNone());

		const int32 RefreshesBefore = FixtureRefreshes();
		ASSERT_TRUE(StandIn::ClickMenuEntry(Menu, Case.Label));
		EXPECT_TRUE(StandIn::IsMenuClosed(Menu));
		EXPECT_EQ(Module.*Case.Member, !bBefore);
		EXPECT_EQ(ReadSettingText(Session, Case.Key), std::optional<std::string>(bBefore ? "False" : "True"));
		EXPECT_EQ(FixtureRefreshes() - RefreshesBefore, 3);
		EXPECT_EQ(Row(OpenMenu(), Case.Label).CheckState, bBefore ? ECheckBoxState::Unchecked : ECheckBoxState::Checked);
	}
}

TEST_F(FMenuTest, ToggleCheckStateIsLiveWhileTheMenuIsOpen)
{
	const TSharedRef<SWidget> Menu = OpenMenu();
	EXPECT_EQ(Row(Menu, TEXT("Disable Lights")).CheckState, ECheckBoxState::Unchecked);
	FZORLightEditorModule::ToggleDisableLights();
	EXPECT_EQ(Row(Menu, TEXT("Disable Lights")).CheckState, ECheckBoxState::Checked);
}

TEST_F(FMenuTest, UEtoGMAEntryOpensTheTab)
{
	const TSharedRef<SWidget> Menu = OpenMenu();
	const StandIn::FMenuRow Entry = Row(Menu, TEXT("UE to GMA Tool"));
	EXPECT_EQ(Entry.Kind, StandIn::EMenuRowKind::Entry);
	EXPECT_FALSE(Entry.bCheckable);
	EXPECT_EQ(Shown(Entry.ToolTip), TEXT("Opens the UE to GMA tool"));
	EXPECT_EQ(Entry.IconStyleSet, FName(TEXT("ZORLightEditorStyle")));
	EXPECT_EQ(Entry.IconStyleName, FName(TEXT("Icons.UEtoGMA")));

	ASSERT_TRUE(StandIn::ClickMenuEntry(Menu, TEXT("UE to GMA Tool")));
	EXPECT_TRUE(FZORLightEditorModule::Get().UEtoGMATab.IsValid());
	EXPECT_TRUE(FZORLightEditorModule::Get().FixturePatchListWidget.IsValid());
}

namespace
{
	/** A project whose settings file was edited by hand to a negative light intensity limit. */
	class FNegativeLimitMenuTest : public FMenuTest
	{
	protected:
		void SetUp() override
		{
			ZORTests::WriteSettingsFile(Session, "[ZORLightSettings]\nLightIntensityMax=-500.0\n");
			FMenuTest::SetUp();
		}
	};
}

TEST_F(FNegativeLimitMenuTest, NegativeLightIntensityMaxIsShownAsStoredUntilTheUserCommits)
{
	// Read as stored, not clamped behind the user's back, and written back as it was.
	EXPECT_EQ(FZORLightEditorModule::Get().LightIntensityMax, -500.0f);
	EXPECT_EQ(ReadSettingText(Session, "LightIntensityMax"), std::optional<std::string>("-500.0"));
	EXPECT_FLOAT_EQ(Row(OpenMenu(), TEXT("Light Intensity Max")).SpinValue, -500.0f);

	// The box takes no value below 0: a typed negative number is committed as 0, saved and applied.
	const int32 RefreshesBefore = FixtureRefreshes();
	TypeAndCommit(TEXT("Light Intensity Max"), TEXT("-20"));
	EXPECT_EQ(FZORLightEditorModule::Get().LightIntensityMax, 0.0f);
	EXPECT_EQ(ReadSettingText(Session, "LightIntensityMax"), std::optional<std::string>("0.0"));
	EXPECT_EQ(FixtureRefreshes() - RefreshesBefore, 3);
	EXPECT_FLOAT_EQ(Row(OpenMenu(), TEXT("Light Intensity Max")).SpinValue, 0.0f);
}
