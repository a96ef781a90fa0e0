// Opening the "ZORLight" drop-down and reading what it and the settings file show.
#pragma once

#include "CoreMinimal.h"
#include "../EditorModule/SettingsFileHelpers.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/MenuDriver.h"
#include "StandInTesting/SlateDriver.h"
#include "Widgets/Input/SSegmentedControl.h"
#include "Widgets/Input/SSpinBox.h"
#include "Widgets/SWidget.h"
#include "ZORFixtureActor.h"
#include "ZORFixtureActorStrip.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace ZORTests
{
	inline const FName ToolbarMenu(TEXT("LevelEditor.LevelEditorToolBar.User"));
	inline const FName ToolbarSection(TEXT("ZORLight"));
	inline const FName ComboButton(TEXT("ZORLightMenu"));

	/** The value the settings file holds for Key, or nothing. */
	inline std::optional<float> ReadSetting(const StandIn::FEditorSession& Session, const std::string& Key)
	{
		for (const std::string& Line : ReadSettingsLines(Session))
		{
			if (Line.rfind(Key + "=", 0) == 0)
			{
				return std::strtof(Line.c_str() + Key.size() + 1, nullptr);
			}
		}
		return std::nullopt;
	}

	inline std::optional<std::string> ReadSettingText(const StandIn::FEditorSession& Session, const std::string& Key)
	{
		for (const std::string& Line : ReadSettingsLines(Session))
		{
			if (Line.rfind(Key + "=", 0) == 0)
			{
				return Line.substr(Key.size() + 1);
			}
		}
		return std::nullopt;
	}

	/** The spin box inside a settings row. */
	inline TSharedPtr<SWidget> SpinBoxOf(const StandIn::FMenuRow& Row)
	{
		return Row.Widget.IsValid() ? StaticCastSharedPtr<SWidget>(StandIn::FindFirstWidget<SSpinBox<float>>(Row.Widget.ToSharedRef())) : TSharedPtr<SWidget>();
	}

	/** The segmented control of the quality row. */
	inline TSharedPtr<SWidget> SegmentsOf(const StandIn::FMenuRow& Row)
	{
		return Row.Widget.IsValid() ? StaticCastSharedPtr<SWidget>(StandIn::FindFirstWidget<SSegmentedControl<EQualityEpic>>(Row.Widget.ToSharedRef())) : TSharedPtr<SWidget>();
	}

	/** A started editor with two moving heads and a strip, so every apply pass shows in their refresh counts. */
	class FMenuTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			Spot = Session.SpawnActor<AZORFixtureActor>(TEXT("Spot 1"));
			SecondSpot = Session.SpawnActor<AZORFixtureActor>(TEXT("Spot 2"));
			Strip = Session.SpawnActor<AZORFixtureActorStrip>(TEXT("Strip 1"));
			ASSERT_NE(Spot, nullptr);
			ASSERT_NE(SecondSpot, nullptr);
			ASSERT_NE(Strip, nullptr);
			Session.StartPlugin();
		}

		/** Clicks the toolbar button open; fails the test when there is none. */
		TSharedRef<SWidget> OpenMenu()
		{
			TSharedPtr<SWidget> Menu = StandIn::OpenComboButtonMenu(ToolbarMenu, ToolbarSection, ComboButton);
			EXPECT_TRUE(Menu.IsValid());
			return Menu.IsValid() ? Menu.ToSharedRef() : SNullWidget::NullWidget;
		}

		/** The row of that label in the menu; fails the test when there is none. */
		StandIn::FMenuRow Row(const TSharedRef<SWidget>& Menu, const FString& Label)
		{
			for (const StandIn::FMenuRow& Candidate : StandIn::ListMenuRows(Menu))
			{
				if (Candidate.Kind != StandIn::EMenuRowKind::Heading && Candidate.Label.Equals(Label, ESearchCase::CaseSensitive))
				{
					return Candidate;
				}
			}
			ADD_FAILURE() << "no row " << TCHAR_TO_UTF8(*Label);
			return StandIn::FMenuRow();
		}

		StandIn::FMenuRow QualityRow(const TSharedRef<SWidget>& Menu)
		{
			for (const StandIn::FMenuRow& Candidate : StandIn::ListMenuRows(Menu))
			{
				if (Candidate.Segments.Num() > 0)
				{
					return Candidate;
				}
			}
			ADD_FAILURE() << "no quality selector";
			return StandIn::FMenuRow();
		}

		/** Types Text into the spin box of the row and presses Enter, on a freshly opened menu. */
		void TypeAndCommit(const FString& Label, const FString& Text)
		{
			const TSharedRef<SWidget> Menu = OpenMenu();
			const StandIn::FMenuRow Target = Row(Menu, Label);
			ASSERT_TRUE(Target.bHasSpinBox) << TCHAR_TO_UTF8(*Label);
			const TSharedPtr<SWidget> SpinBox = SpinBoxOf(Target);
			ASSERT_TRUE(SpinBox.IsValid());
			ASSERT_TRUE(StandIn::TypeText(SpinBox.ToSharedRef(), Text));
		}

		/** Refreshes of every fixture actor so far; one apply pass adds three. */
		int32 FixtureRefreshes() const
		{
			return StandIn::FEditorSession::GetConstructionScriptRuns(Spot) + StandIn::FEditorSession::GetConstructionScriptRuns(SecondSpot)
				+ StandIn::FEditorSession::GetConstructionScriptRuns(Strip);
		}

		StandIn::FEditorSession Session;
		AZORFixtureActor* Spot = nullptr;
		AZORFixtureActor* SecondSpot = nullptr;
		AZORFixtureActorStrip* Strip = nullptr;
	};
}
