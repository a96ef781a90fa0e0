// The headless editor: an editor session as the engine would start it, the plug-in's modules loaded and
// started, a level opened, the user's journeys run, and everything shut down. It says what it did.

#include "CoreMinimal.h"
#include "EngineUtils.h"
#include "Engine/World.h"
#include "Game/DMXComponent.h"
#include "GameFramework/Actor.h"
#include "Library/DMXEntityFixturePatch.h"
#include "Library/DMXEntityFixtureType.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "PrismWheelDetailsJourneys.h"
#include "StandInTesting/DialogDriver.h"
#include "StandIn/SlateFrameworkHooks.h"
#include "StandInTesting/EditorSession.h"
#include "Framework/Docking/TabManager.h"
#include "StandInTesting/LevelFile.h"
#include "StandInTesting/ListDriver.h"
#include "StandInTesting/MenuDriver.h"
#include "StandInTesting/SlateDriver.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/SWidget.h"
#include "Widgets/Views/STableViewBase.h"
#include "ZORFixtureActorBase.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace
{
	void Say(const FString& Line)
	{
		std::fputs(TCHAR_TO_UTF8(*Line), stdout);
		std::fputc('\n', stdout);
	}

	/** What the user does in the "ZORLight" drop-down, in the order given on the command line. */
	struct FMenuStep
	{
		enum class EKind : uint8
		{
			Show,
			Set,
			Toggle,
			Quality,
		};
		EKind Kind = EKind::Show;
		FString Label;
		FString Value;
	};

	/** What the user does in the "UE to GMA Tool", in the order given on the command line. */
	struct FToolStep
	{
		enum class EKind : uint8
		{
			Show,
			StartFID,
			MATypeNumber,
			UncheckMode,
			Sort,
		};
		EKind Kind = EKind::Show;
		FString Name;
		FString Value;
	};

	struct FHostOptions
	{
		FString ProjectDir = UTF8_TO_TCHAR(ZOR_DEFAULT_PROJECT);
		FString LevelFile;
		TArray<FMenuStep> MenuSteps;
		TArray<FToolStep> ToolSteps;
		/** --export: the folder the export dialog is answered with; empty: Export is never clicked. */
		FString ExportDir;
		ZORHost::FPrismWheelDetailsOptions PrismWheelDetails;
	};

	void PrintUsage()
	{
		Say(TEXT("Usage: EditorHost [--project DIR] [--level FILE] [--show-menu] [--set \"Label=Value\"] [--toggle \"Label\"] [--quality Low|Medium|High|Ultra]"));
		Say(TEXT("  --project DIR       the project folder (its Config/ZORLightSettings.ini is read and written)"));
		Say(TEXT("  --level FILE        a level file (JSON); without it the built-in demo stage is opened"));
		Say(TEXT("  --show-menu         opens the \"ZORLight\" toolbar drop-down and shows its rows"));
		Say(TEXT("  --set \"Label=Value\" types Value into the spin box of that row and commits it"));
		Say(TEXT("  --toggle \"Label\"    clicks that entry of the drop-down"));
		Say(TEXT("  --quality LEVEL     picks that segment of the quality selector"));
		Say(TEXT("  The menu options run in the order given, each on a freshly opened drop-down."));
		Say(TEXT("  --show-tool         opens the \"UE to GMA Tool\" and shows its mode rows and patch rows"));
		Say(TEXT("  --start-fid N       types N into the tool's \"Start FID\" box"));
		Say(TEXT("  --ma-type \"NAME=NUMBER\" types NUMBER into the Num box of the mode row named NAME"));
		Say(TEXT("  --uncheck-mode NAME unticks the mode row named NAME"));
		Say(TEXT("  --sort COLUMN[:desc] clicks the patch list's header (ActorName, FixtureType, Mode, Patch) until it sorts that way"));
		Say(TEXT("  The tool options run in the order given, after the menu options, in one tool tab."));
		Say(TEXT("  --export DIR        after the tool options, clicks the tool's \"Export\" and answers the folder dialog with DIR"));
		ZORHost::PrintPrismWheelDetailsUsage();
	}

	// Returns false (and says why) when the command line cannot be used.
	bool ParseCommandLine(int Argc, char** Argv, FHostOptions& Options)
	{
		for (int Index = 1; Index < Argc; ++Index)
		{
			const ZORHost::EParseResult PrismWheelOption = ZORHost::ParsePrismWheelDetailsOption(Argc, Argv, Index, Options.PrismWheelDetails);
			if (PrismWheelOption == ZORHost::EParseResult::Error)
			{
				return false;
			}
			if (PrismWheelOption == ZORHost::EParseResult::Parsed)
			{
				continue;
			}
			const std::string Arg = Argv[Index];
			const bool bHasValue = Index + 1 < Argc;
			if ((Arg == "--project" || Arg == "--level" || Arg == "--set" || Arg == "--toggle" || Arg == "--quality") && !bHasValue)
			{
				Say(FString::Printf(TEXT("EditorHost: %s needs a value"), UTF8_TO_TCHAR(Arg.c_str())));
				return false;
			}
			if (Arg == "--project")
			{
				Options.ProjectDir = UTF8_TO_TCHAR(Argv[++Index]);
			}
			else if (Arg == "--level")
			{
				Options.LevelFile = UTF8_TO_TCHAR(Argv[++Index]);
			}
			else if (Arg == "--show-menu")
			{
				Options.MenuSteps.Add(FMenuStep{FMenuStep::EKind::Show, FString(), FString()});
			}
			else if (Arg == "--set")
			{
				const FString Assignment = UTF8_TO_TCHAR(Argv[++Index]);
				FString Label;
				FString Value;
				// The label may hold '=' only before the last one; values never do.
				if (!Assignment.Split(TEXT("="), &Label, &Value, ESearchCase::CaseSensitive, ESearchDir::FromEnd) || Label.IsEmpty())
				{
					Say(FString::Printf(TEXT("EditorHost: --set needs \"Label=Value\", got '%s'"), *Assignment));
					return false;
				}
				Options.MenuSteps.Add(FMenuStep{FMenuStep::EKind::Set, Label, Value});
			}
			else if (Arg == "--toggle")
			{
				Options.MenuSteps.Add(FMenuStep{FMenuStep::EKind::Toggle, FString(UTF8_TO_TCHAR(Argv[++Index])), FString()});
			}
			else if (Arg == "--quality")
			{
				const FString Level = UTF8_TO_TCHAR(Argv[++Index]);
				if (Level != TEXT("Low") && Level != TEXT("Medium") && Level != TEXT("High") && Level != TEXT("Ultra"))
				{
					Say(FString::Printf(TEXT("EditorHost: --quality takes Low, Medium, High or Ultra, got '%s'"), *Level));
					return false;
				}
				Options.MenuSteps.Add(FMenuStep{FMenuStep::EKind::Quality, FString(), Level});
			}
			else if (Arg == "--show-tool")
			{
				Options.ToolSteps.Add(FToolStep{FToolStep::EKind::Show, FString(), FString()});
			}
			else if (Arg == "--start-fid" || Arg == "--ma-type" || Arg == "--uncheck-mode" || Arg == "--sort")
			{
				if (!bHasValue)
				{
					Say(FString::Printf(TEXT("EditorHost: %s needs a value"), UTF8_TO_TCHAR(Arg.c_str())));
					return false;
				}
				const FString Value = UTF8_TO_TCHAR(Argv[++Index]);
				if (Arg == "--start-fid")
				{
					if (!Value.IsNumeric())
					{
						Say(FString::Printf(TEXT("EditorHost: --start-fid needs a number, got '%s'"), *Value));
						return false;
					}
					Options.ToolSteps.Add(FToolStep{FToolStep::EKind::StartFID, FString(), Value});
				}
				else if (Arg == "--ma-type")
				{
					FString Name;
					FString Number;
					if (!Value.Split(TEXT("="), &Name, &Number, ESearchCase::CaseSensitive, ESearchDir::FromEnd) || Name.IsEmpty() || !Number.IsNumeric())
					{
						Say(FString::Printf(TEXT("EditorHost: --ma-type needs \"NAME=NUMBER\", got '%s'"), *Value));
						return false;
					}
					Options.ToolSteps.Add(FToolStep{FToolStep::EKind::MATypeNumber, Name, Number});
				}
				else if (Arg == "--uncheck-mode")
				{
					Options.ToolSteps.Add(FToolStep{FToolStep::EKind::UncheckMode, Value, FString()});
				}
				else
				{
					FString Column = Value;
					FString Direction = TEXT("asc");
					Value.Split(TEXT(":"), &Column, &Direction);
					if (Direction != TEXT("asc") && Direction != TEXT("desc"))
					{
						Say(FString::Printf(TEXT("EditorHost: --sort takes COLUMN or COLUMN:desc, got '%s'"), *Value));
						return false;
					}
					Options.ToolSteps.Add(FToolStep{FToolStep::EKind::Sort, Column, Direction});
				}
			}
			else if (Arg == "--export")
			{
				if (!bHasValue)
				{
					Say(TEXT("EditorHost: --export needs a folder"));
					return false;
				}
				Options.ExportDir = UTF8_TO_TCHAR(Argv[++Index]);
			}
			else if (Arg == "--help" || Arg == "-h")
			{
				PrintUsage();
				return false;
			}
			else
			{
				Say(FString::Printf(TEXT("EditorHost: unknown argument '%s'"), UTF8_TO_TCHAR(Arg.c_str())));
				PrintUsage();
				return false;
			}
		}
		return true;
	}

	// The keys of the settings section as the file holds them now (empty when there is no file).
	TArray<FString> ReadSettingsKeys(const FString& ConfigPath)
	{
		TArray<FString> Keys;
		FConfigFile File;
		File.Read(ConfigPath);
		if (const FConfigSection* Section = File.FindSection(TEXT("ZORLightSettings")))
		{
			for (const auto& Pair : *Section)
			{
				Keys.AddUnique(Pair.Key.ToString());
			}
		}
		return Keys;
	}

	void PrintSeededKeys(const FString& ConfigPath, const TArray<FString>& KeysBefore, bool bFileExisted)
	{
		const TArray<FString> KeysAfter = ReadSettingsKeys(ConfigPath);
		TArray<FString> Added;
		for (const FString& Key : KeysAfter)
		{
			if (!KeysBefore.Contains(Key))
			{
				Added.Add(Key);
			}
		}
		if (!bFileExisted)
		{
			Say(FString::Printf(TEXT("The settings file was missing; start-up wrote it with %d keys at their defaults."), KeysAfter.Num()));
		}
		else if (Added.Num() > 0)
		{
			Say(FString::Printf(TEXT("Start-up completed the settings file with the defaults of %d missing keys: %s."), Added.Num(),
				*FString::Join(Added, TEXT(", "))));
		}
		else
		{
			Say(TEXT("The settings file held every key; start-up kept their values."));
		}
	}

	void PrintSettings(const FString& ConfigPath)
	{
		Say(FString::Printf(TEXT("Settings read from %s:"), *ConfigPath));
		FString Text;
		if (!FFileHelper::LoadFileToString(Text, *ConfigPath))
		{
			Say(TEXT("  (the settings file is missing)"));
			return;
		}
		TArray<FString> Lines;
		Text.ParseIntoArrayLines(Lines);
		for (const FString& Line : Lines)
		{
			Say(TEXT("  ") + Line);
		}
	}

	FString DescribePatch(const AActor& Actor)
	{
		const UDMXComponent* DMXComponent = Actor.FindComponentByClass<UDMXComponent>();
		if (!DMXComponent)
		{
			return TEXT("no DMX component");
		}
		const UDMXEntityFixturePatch* Patch = DMXComponent->GetFixturePatch();
		if (!Patch)
		{
			return TEXT("DMX component without a patch");
		}
		const UDMXEntityFixtureType* FixtureType = Patch->GetFixtureType();
		const FDMXFixtureMode* Mode = Patch->GetActiveMode();
		return FString::Printf(TEXT("patch %d.%d, %s, mode %s"), Patch->GetUniverseID(), Patch->GetStartingChannel(),
			FixtureType ? *FixtureType->GetDisplayName() : TEXT("no fixture type"),
			Mode ? *Mode->ModeName : TEXT("none"));
	}

	/** How often the fixture actors were refreshed so far; an apply pass refreshes each one once. */
	int32 CountFixtureRefreshes(UWorld* World)
	{
		int32 Runs = 0;
		for (TActorIterator<AZORFixtureActorBase> It(World); It; ++It)
		{
			Runs += StandIn::FEditorSession::GetConstructionScriptRuns(*It);
		}
		return Runs;
	}

	int32 CountFixtures(UWorld* World)
	{
		int32 Count = 0;
		for (TActorIterator<AZORFixtureActorBase> It(World); It; ++It)
		{
			++Count;
		}
		return Count;
	}

	const FName ToolbarMenuName(TEXT("LevelEditor.LevelEditorToolBar.User"));
	const FName ToolbarSectionName(TEXT("ZORLight"));
	const FName ComboButtonName(TEXT("ZORLightMenu"));

	/** Clicks the toolbar's "ZORLight" drop-down open, as the user does before every edit. */
	TSharedPtr<SWidget> OpenSettingsMenu()
	{
		return StandIn::OpenComboButtonMenu(ToolbarMenuName, ToolbarSectionName, ComboButtonName);
	}

	const StandIn::FMenuRow* FindRow(const TArray<StandIn::FMenuRow>& Rows, const FString& Label)
	{
		for (const StandIn::FMenuRow& Row : Rows)
		{
			if (Row.Kind != StandIn::EMenuRowKind::Heading && Row.Label == Label)
			{
				return &Row;
			}
		}
		return nullptr;
	}

	void ShowMenu(const TSharedRef<SWidget>& Menu)
	{
		Say(TEXT("The \"ZORLight\" drop-down shows:"));
		for (const FString& Line : StandIn::DescribeMenu(Menu))
		{
			Say(TEXT("  ") + Line);
		}
	}

	/** Runs one step on a freshly opened drop-down; false (after saying why) when it cannot be done. */
	bool RunMenuStep(const FMenuStep& Step, UWorld* World)
	{
		const TSharedPtr<SWidget> OpenedMenu = OpenSettingsMenu();
		if (!OpenedMenu.IsValid())
		{
			Say(TEXT("EditorHost: the toolbar has no \"ZORLight\" drop-down"));
			return false;
		}
		const TSharedRef<SWidget> Menu = OpenedMenu.ToSharedRef();
		if (Step.Kind == FMenuStep::EKind::Show)
		{
			ShowMenu(Menu);
			return true;
		}

		const TArray<StandIn::FMenuRow> Rows = StandIn::ListMenuRows(Menu);
		const int32 RefreshesBefore = CountFixtureRefreshes(World);
		FString Done;
		if (Step.Kind == FMenuStep::EKind::Set)
		{
			const StandIn::FMenuRow* Row = FindRow(Rows, Step.Label);
			if (!Row || !Row->bHasSpinBox)
			{
				Say(FString::Printf(TEXT("EditorHost: the drop-down has no value row \"%s\""), *Step.Label));
				return false;
			}
			const TArray<TSharedRef<SWidget>> SpinBoxes = StandIn::FindWidgetsByTypeName(Row->Widget.ToSharedRef(), TEXT("SSpinBox<float>"));
			if (SpinBoxes.Num() != 1 || !StandIn::TypeText(SpinBoxes[0], Step.Value))
			{
				Say(FString::Printf(TEXT("EditorHost: could not type into \"%s\""), *Step.Label));
				return false;
			}
			Done = FString::Printf(TEXT("Typed %s into \"%s\" and committed it."), *Step.Value, *Step.Label);
		}
		else if (Step.Kind == FMenuStep::EKind::Toggle)
		{
			const StandIn::FMenuRow* Row = FindRow(Rows, Step.Label);
			if (!Row || Row->Kind != StandIn::EMenuRowKind::Entry || !StandIn::ClickMenuEntry(Menu, Step.Label))
			{
				Say(FString::Printf(TEXT("EditorHost: the drop-down has no entry \"%s\" to click"), *Step.Label));
				return false;
			}
			Done = FString::Printf(TEXT("Clicked \"%s\"."), *Step.Label);
		}
		else
		{
			const StandIn::FMenuRow* Selector = nullptr;
			for (const StandIn::FMenuRow& Row : Rows)
			{
				if (Row.Segments.Contains(Step.Value))
				{
					Selector = &Row;
					break;
				}
			}
			// Found by the type name SNew gave it: the host holds no type identity of the plug-in's widgets.
			const TArray<TSharedRef<SWidget>> Selectors = Selector
				? StandIn::FindWidgetsByTypeName(Selector->Widget.ToSharedRef(), TEXT("SSegmentedControl<EQualityEpic>"))
				: TArray<TSharedRef<SWidget>>();
			if (Selectors.Num() != 1 || !StandIn::PickSegmentByText(Selectors[0], Step.Value))
			{
				Say(FString::Printf(TEXT("EditorHost: the drop-down has no quality segment \"%s\""), *Step.Value));
				return false;
			}
			Done = FString::Printf(TEXT("Picked the quality \"%s\"."), *Step.Value);
		}

		const int32 Refreshes = CountFixtureRefreshes(World) - RefreshesBefore;
		const int32 Fixtures = CountFixtures(World);
		const int32 Passes = Fixtures > 0 ? Refreshes / Fixtures : 0;
		Say(FString::Printf(TEXT("%s The apply pass ran %d time(s) and refreshed %d fixture actor(s)."), *Done, Passes, Refreshes));

		// What the user sees when the drop-down opens again.
		const TSharedPtr<SWidget> Reopened = OpenSettingsMenu();
		const FString ShownLabel = Step.Kind == FMenuStep::EKind::Quality ? FString() : Step.Label;
		for (const StandIn::FMenuRow& Row : StandIn::ListMenuRows(Reopened.ToSharedRef()))
		{
			const bool bIsTarget = ShownLabel.IsEmpty() ? Row.Segments.Num() > 0 : (Row.Kind != StandIn::EMenuRowKind::Heading && Row.Label == ShownLabel);
			if (bIsTarget)
			{
				Say(TEXT("  The drop-down now shows: ") + Row.ToString());
				break;
			}
		}
		return true;
	}

	// The "UE to GMA Tool" as the user sees it: the tab, its two lists and its tool bar.
	struct FOpenTool
	{
		TSharedPtr<SDockTab> Tab;
		TSharedPtr<SWidget> Panel;
		TSharedPtr<STableViewBase> ModeList;
		TSharedPtr<STableViewBase> PatchList;
	};

	const FName ModeColumnIsSelected(TEXT("IsSelected"));
	const FName ModeColumnName(TEXT("Mode"));
	const FName ModeColumnNum(TEXT("Num"));
	const FName ModeColumnStatus(TEXT("Status"));
	const FName PatchColumnIsSelected(TEXT("IsSelected"));
	const FName PatchColumnActor(TEXT("ActorName"));
	const FName PatchColumnStatus(TEXT("Status"));
	const FName PatchColumnFID(TEXT("FixtureID"));
	const FName PatchColumnType(TEXT("FixtureType"));
	const FName PatchColumnMode(TEXT("Mode"));
	const FName PatchColumnPatch(TEXT("Patch"));

	/** Opens the tool through the drop-down's "UE to GMA Tool" entry, as the user does. */
	bool OpenTool(FOpenTool& OutTool)
	{
		const TSharedPtr<SWidget> Menu = OpenSettingsMenu();
		if (!Menu.IsValid() || !StandIn::ClickMenuEntry(Menu.ToSharedRef(), TEXT("UE to GMA Tool")))
		{
			Say(TEXT("EditorHost: the \"ZORLight\" drop-down has no \"UE to GMA Tool\" entry to click"));
			return false;
		}
		OutTool.Tab = FGlobalTabmanager::Get()->FindExistingLiveTab(FTabId(FName(TEXT("UEtoGMA"))));
		if (!OutTool.Tab.IsValid())
		{
			Say(TEXT("EditorHost: the \"UE to GMA Tool\" tab did not open"));
			return false;
		}
		OutTool.Panel = OutTool.Tab->GetContent();
		// The mode list is the splitter's left pane, so it comes first in the widget tree.
		TArray<TSharedRef<SWidget>> Lists;
		for (const TSharedRef<SWidget>& Widget : StandIn::GetAllWidgets(OutTool.Panel.ToSharedRef()))
		{
			if (Widget->GetType().ToString().StartsWith(TEXT("SListView<")))
			{
				Lists.Add(Widget);
			}
		}
		if (Lists.Num() != 2)
		{
			Say(FString::Printf(TEXT("EditorHost: the tool shows %d lists instead of 2"), Lists.Num()));
			return false;
		}
		OutTool.ModeList = StaticCastSharedRef<STableViewBase>(Lists[0]);
		OutTool.PatchList = StaticCastSharedRef<STableViewBase>(Lists[1]);
		Say(TEXT("Opened the \"UE to GMA Tool\" from the \"ZORLight\" drop-down."));
		return true;
	}

	/** Lets every row of a list be in view, so the whole list can be read in display order. */
	void ShowAllRows(STableViewBase& List)
	{
		StandIn::SetListViewportRows(List, FMath::Max(30, List.GetNumItemsBeingObserved()));
		StandIn::TickSlate();
	}

	FString CheckMark(STableViewBase& List, int32 Row, FName Column)
	{
		const TOptional<ECheckBoxState> State = StandIn::GetListCellCheckState(List, Row, Column);
		return State.IsSet() && State.GetValue() == ECheckBoxState::Checked ? TEXT("[x]") : TEXT("[ ]");
	}

	/** The tooltip a cell shows (the conflict warnings), or empty. */
	FString CellToolTip(STableViewBase& List, int32 Row, FName Column)
	{
		const TSharedPtr<SWidget> Cell = StandIn::GetListCell(List, Row, Column);
		if (!Cell.IsValid())
		{
			return FString();
		}
		for (const TSharedRef<SWidget>& Widget : StandIn::GetAllWidgets(Cell.ToSharedRef()))
		{
			const FString ToolTip = StandIn::GetToolTipTextOf(*Widget);
			if (!ToolTip.IsEmpty())
			{
				return ToolTip;
			}
		}
		return FString();
	}

	void ShowTool(const FOpenTool& Tool)
	{
		STableViewBase& Modes = *Tool.ModeList;
		STableViewBase& Patches = *Tool.PatchList;
		ShowAllRows(Modes);
		ShowAllRows(Patches);

		Say(FString::Printf(TEXT("The \"UE to GMA Tool\" shows %d mode row(s) (check, name, number, conflict):"), StandIn::GetNumListRows(Modes)));
		for (int32 Row = 0; Row < StandIn::GetNumListRows(Modes); ++Row)
		{
			const FString Conflict = CellToolTip(Modes, Row, ModeColumnStatus);
			Say(FString::Printf(TEXT("  %s %s | %s%s"), *CheckMark(Modes, Row, ModeColumnIsSelected),
				*StandIn::GetListCellText(Modes, Row, ModeColumnName), *StandIn::GetListCellText(Modes, Row, ModeColumnNum),
				Conflict.IsEmpty() ? TEXT("") : *(TEXT(" | ") + Conflict)));
		}

		FString SortedBy = TEXT("no column");
		for (const FName Column : {PatchColumnActor, PatchColumnType, PatchColumnMode, PatchColumnPatch})
		{
			const EColumnSortMode::Type SortMode = StandIn::GetListColumnSortMode(Patches, Column);
			if (SortMode != EColumnSortMode::None)
			{
				SortedBy = FString::Printf(TEXT("%s, %s"), *Column.ToString(), SortMode == EColumnSortMode::Ascending ? TEXT("ascending") : TEXT("descending"));
			}
		}
		Say(FString::Printf(TEXT("and %d patch row(s) sorted by %s (check, actor, status, FID, type, mode, patch):"), StandIn::GetNumListRows(Patches), *SortedBy));
		for (int32 Row = 0; Row < StandIn::GetNumListRows(Patches); ++Row)
		{
			const FString Conflict = CellToolTip(Patches, Row, PatchColumnStatus);
			// A shared patch shows its choice of actors in a combo box.
			FString Actor = StandIn::GetListCellText(Patches, Row, PatchColumnActor);
			const TArray<FString> Choices = StandIn::GetListCellComboOptions(Patches, Row, PatchColumnActor);
			if (Choices.Num() > 0)
			{
				Actor += FString::Printf(TEXT(" (one of %s)"), *FString::Join(Choices, TEXT(", ")));
			}
			Say(FString::Printf(TEXT("  %s %s | %s | %s | %s | %s | %s"), *CheckMark(Patches, Row, PatchColumnIsSelected),
				*Actor, Conflict.IsEmpty() ? TEXT("-") : *Conflict,
				*StandIn::GetListCellText(Patches, Row, PatchColumnFID), *StandIn::GetListCellText(Patches, Row, PatchColumnType),
				*StandIn::GetListCellText(Patches, Row, PatchColumnMode), *StandIn::GetListCellText(Patches, Row, PatchColumnPatch)));
		}
	}

	/** Runs one of the user's edits in the open tool; false (after saying why) when it cannot be done. */
	bool RunToolStep(const FToolStep& Step, const FOpenTool& Tool)
	{
		STableViewBase& Modes = *Tool.ModeList;
		STableViewBase& Patches = *Tool.PatchList;
		switch (Step.Kind)
		{
		case FToolStep::EKind::Show:
			ShowTool(Tool);
			return true;

		case FToolStep::EKind::StartFID:
		{
			// The tool bar's box is the tool's first number box.
			const TArray<TSharedRef<SWidget>> SpinBoxes = StandIn::FindWidgetsByTypeName(Tool.Panel.ToSharedRef(), TEXT("SSpinBox<int32>"));
			if (SpinBoxes.Num() == 0 || !StandIn::TypeText(SpinBoxes[0], Step.Value))
			{
				Say(TEXT("EditorHost: could not type into \"Start FID\""));
				return false;
			}
			Say(FString::Printf(TEXT("Typed %s into \"Start FID\" and committed it."), *Step.Value));
			return true;
		}

		case FToolStep::EKind::MATypeNumber:
		case FToolStep::EKind::UncheckMode:
		{
			ShowAllRows(Modes);
			const int32 Row = StandIn::FindListRow(Modes, ModeColumnName, Step.Name);
			if (Row == INDEX_NONE)
			{
				Say(FString::Printf(TEXT("EditorHost: the tool has no mode row \"%s\""), *Step.Name));
				return false;
			}
			if (Step.Kind == FToolStep::EKind::MATypeNumber)
			{
				if (!StandIn::CommitListCellNumber(Modes, Row, ModeColumnNum, FCString::Atod(*Step.Value)))
				{
					Say(FString::Printf(TEXT("EditorHost: the number of the mode row \"%s\" cannot be edited (is the row unticked?)"), *Step.Name));
					return false;
				}
				Say(FString::Printf(TEXT("Typed %s into the Num box of the mode row \"%s\"; it shows %s."), *Step.Value, *Step.Name,
					*StandIn::GetListCellText(Modes, Row, ModeColumnNum)));
				return true;
			}
			const TOptional<ECheckBoxState> State = StandIn::GetListCellCheckState(Modes, Row, ModeColumnIsSelected);
			if (State.IsSet() && State.GetValue() == ECheckBoxState::Unchecked)
			{
				Say(FString::Printf(TEXT("The mode row \"%s\" was already unticked."), *Step.Name));
				return true;
			}
			if (!StandIn::ClickListCellCheckBox(Modes, Row, ModeColumnIsSelected))
			{
				Say(FString::Printf(TEXT("EditorHost: could not untick the mode row \"%s\""), *Step.Name));
				return false;
			}
			Say(FString::Printf(TEXT("Unticked the mode row \"%s\"."), *Step.Name));
			return true;
		}

		case FToolStep::EKind::Sort:
		{
			const FName Column(*Step.Name);
			const SHeaderRow::FColumn* HeaderColumn = StandIn::FindListColumn(Patches, Column);
			if (!HeaderColumn || !HeaderColumn->SupportsSorting())
			{
				Say(FString::Printf(TEXT("EditorHost: the patch list cannot be sorted by \"%s\" (ActorName, FixtureType, Mode or Patch)"), *Step.Name));
				return false;
			}
			const EColumnSortMode::Type Wanted = Step.Value == TEXT("desc") ? EColumnSortMode::Descending : EColumnSortMode::Ascending;
			int32 Clicks = 0;
			while (StandIn::GetListColumnSortMode(Patches, Column) != Wanted && Clicks < 2)
			{
				StandIn::ClickListColumnHeader(Patches, Column);
				++Clicks;
			}
			Say(FString::Printf(TEXT("Clicked the \"%s\" header %d time(s); the patch list is sorted %s."), *StandIn::GetListColumnLabel(Patches, Column),
				Clicks, Wanted == EColumnSortMode::Ascending ? TEXT("ascending") : TEXT("descending")));
			return true;
		}
		}
		return false;
	}

	void PrintActors(UWorld* World)
	{
		int32 Count = 0;
		for (TActorIterator<AActor> It(World); It; ++It)
		{
			++Count;
		}
		Say(FString::Printf(TEXT("Actors of the level (%d):"), Count));
		for (TActorIterator<AActor> It(World); It; ++It)
		{
			const AActor* Actor = *It;
			const FVector Location = Actor->GetActorLocation();
			Say(FString::Printf(TEXT("  %s (%s) at %.1f, %.1f, %.1f: %s"), *Actor->GetActorLabel(),
				*Actor->GetClass()->GetName(), Location.X, Location.Y, Location.Z, *DescribePatch(*Actor)));
		}
	}
}

namespace
{
	/** Size and time of every file below Folder, to tell afterwards which files an action wrote. */
	std::map<std::string, std::pair<uintmax_t, std::filesystem::file_time_type>> SnapshotFiles(const FString& Folder)
	{
		std::map<std::string, std::pair<uintmax_t, std::filesystem::file_time_type>> Files;
		std::error_code Error;
		const std::filesystem::path Root(TCHAR_TO_UTF8(*Folder));
		if (!std::filesystem::is_directory(Root, Error))
		{
			return Files;
		}
		for (std::filesystem::recursive_directory_iterator It(Root, Error), End; !Error && It != End; It.increment(Error))
		{
			if (It->is_regular_file(Error))
			{
				Files[It->path().string()] = {It->file_size(Error), It->last_write_time(Error)};
			}
		}
		return Files;
	}

	/** Clicks the tool's "Export", answering the folder dialog with Folder; says what the user would see. */
	bool ExportFromTool(const FOpenTool& Tool, const FString& Folder)
	{
		const auto Before = SnapshotFiles(Folder);
		const int32 NotificationsBefore = StandIn::GetShownNotificationTexts().Num();
		StandIn::AnswerNextFolderDialog(Folder);
		if (!StandIn::ClickButtonWithText(Tool.Panel.ToSharedRef(), TEXT("Export")))
		{
			Say(TEXT("EditorHost: the tool has no \"Export\" button to click"));
			return false;
		}
		Say(FString::Printf(TEXT("Clicked \"Export\" and chose the folder %s."), *Folder));
		const TArray<FString> Notifications = StandIn::GetShownNotificationTexts();
		for (int32 Index = NotificationsBefore; Index < Notifications.Num(); ++Index)
		{
			Say(FString::Printf(TEXT("The editor notifies: %s"), *Notifications[Index]));
		}
		const auto After = SnapshotFiles(Folder);
		std::vector<std::pair<std::string, uintmax_t>> Written;
		for (const auto& Entry : After)
		{
			const auto Found = Before.find(Entry.first);
			if (Found == Before.end() || Found->second != Entry.second)
			{
				Written.emplace_back(Entry.first, Entry.second.first);
			}
		}
		// In the order of writing: the macro file, then the layer files by number.
		std::sort(Written.begin(), Written.end(), [](const auto& A, const auto& B)
		{
			const bool bMacroA = A.first.find("/macros/") != std::string::npos;
			const bool bMacroB = B.first.find("/macros/") != std::string::npos;
			if (bMacroA != bMacroB)
			{
				return bMacroA;
			}
			return A.first.size() != B.first.size() ? A.first.size() < B.first.size() : A.first < B.first;
		});
		Say(FString::Printf(TEXT("Files written (%d):"), (int32)Written.size()));
		for (const auto& File : Written)
		{
			Say(FString::Printf(TEXT("  %s (%llu bytes)"), UTF8_TO_TCHAR(File.first.c_str()), (unsigned long long)File.second));
		}
		return true;
	}
}

int main(int Argc, char** Argv)
{
	FHostOptions Options;
	if (!ParseCommandLine(Argc, Argv, Options))
	{
		return 2;
	}

	StandIn::FEditorSessionOptions SessionOptions;
	SessionOptions.ProjectDir = Options.ProjectDir;
	StandIn::FEditorSession Session(SessionOptions);
	Say(FString::Printf(TEXT("Project: %s"), *Session.GetProjectDir()));

	const FString ConfigPath = FPaths::Combine(Session.GetConfigDir(), TEXT("ZORLightSettings.ini"));
	const bool bSettingsFileExisted = FPaths::FileExists(ConfigPath);
	const TArray<FString> KeysBefore = ReadSettingsKeys(ConfigPath);

	Session.StartPlugin();
	Say(TEXT("Loaded and started the modules ZORLight and ZORLightEditor."));
	PrintSeededKeys(ConfigPath, KeysBefore, bSettingsFileExisted);

	const FString LevelFile = Options.LevelFile.IsEmpty() ? FString(UTF8_TO_TCHAR(ZOR_DEMO_STAGE)) : Options.LevelFile;
	FString Error;
	if (!StandIn::LoadLevelFile(Session, LevelFile, Error))
	{
		std::fputs(TCHAR_TO_UTF8(*Error), stderr);
		std::fputc('\n', stderr);
		return 2;
	}
	Say(Options.LevelFile.IsEmpty() ? FString(TEXT("Opened the built-in demo stage."))
		: FString::Printf(TEXT("Opened the level %s."), *LevelFile));

	PrintSettings(ConfigPath);
	PrintActors(Session.GetEditorWorld());

	int32 ExitCode = 0;
	for (const FMenuStep& Step : Options.MenuSteps)
	{
		if (!RunMenuStep(Step, Session.GetEditorWorld()))
		{
			ExitCode = 1;
			break;
		}
	}
	if (ExitCode == 0 && (Options.ToolSteps.Num() > 0 || !Options.ExportDir.IsEmpty()))
	{
		FOpenTool Tool;
		if (!OpenTool(Tool))
		{
			ExitCode = 1;
		}
		for (const FToolStep& Step : Options.ToolSteps)
		{
			if (ExitCode != 0 || !RunToolStep(Step, Tool))
			{
				ExitCode = 1;
				break;
			}
		}
		if (ExitCode == 0 && !Options.ExportDir.IsEmpty() && !ExportFromTool(Tool, Options.ExportDir))
		{
			ExitCode = 1;
		}
	}
	if (ExitCode == 0 && Options.PrismWheelDetails.Steps.Num() > 0)
	{
		ExitCode = ZORHost::RunPrismWheelDetailsSteps(ZORHost::CreatePrismWheelAsset(), Options.PrismWheelDetails);
	}
	if (Options.MenuSteps.ContainsByPredicate([](const FMenuStep& Step) { return Step.Kind != FMenuStep::EKind::Show; }))
	{
		PrintSettings(ConfigPath);
	}

	// As at the editor's exit: windows and tabs close before the modules shut down.
	UE::StandIn::ResetGlobalTabManager();
	Session.UnloadModule(TEXT("ZORLightEditor"));
	Session.UnloadModule(TEXT("ZORLight"));
	Say(TEXT("Shut down the modules ZORLightEditor and ZORLight."));
	return ExitCode;
}
