// The headless editor: an editor session as the engine would start it, the plug-in's modules loaded and
// started, a level opened, the user's steps run in the order given on the command line, and everything
// shut down. It says what it did; errors go to standard error, and the exit code says how it went.

#include "HostOptions.h"

#include "Algo/StableSort.h"
#include "CoreMinimal.h"
#include "EngineUtils.h"
#include "Engine/World.h"
#include "Framework/Docking/TabManager.h"
#include "Game/DMXComponent.h"
#include "GameFramework/Actor.h"
#include "Library/DMXEntityFixturePatch.h"
#include "Library/DMXEntityFixtureType.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "StandIn/NotificationHooks.h"
#include "StandIn/NumericEntryHooks.h"
#include "StandIn/SlateFrameworkHooks.h"
#include "StandInTesting/AssetDriver.h"
#include "StandInTesting/DialogDriver.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/LevelFile.h"
#include "StandInTesting/ListDriver.h"
#include "StandInTesting/MenuDriver.h"
#include "StandInTesting/SlateDriver.h"
#include "Styling/AppStyle.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/Input/SSpinBox.h"
#include "Widgets/SWidget.h"
#include "Widgets/Views/STableViewBase.h"
#include "ZORFixtureActorBase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace EditorHost
{
	void Say(const FString& Line)
	{
		std::fputs(TCHAR_TO_UTF8(*Line), stdout);
		std::fputc('\n', stdout);
	}

	void SayError(const FString& Line)
	{
		// Standard output first, so that both streams read in order on one terminal.
		std::fflush(stdout);
		std::fputs(TCHAR_TO_UTF8(*Line), stderr);
		std::fputc('\n', stderr);
		std::fflush(stderr);
	}

	void FHostRun::TellNotifications(bool bWarningsFail)
	{
		const TArray<UE::StandIn::FRecordedNotification>& Shown = StandIn::GetShownNotifications();
		const FSlateBrush* Warning = FAppStyle::Get().GetBrush(TEXT("Icons.Warning"));
		for (int32 Index = NumNotificationsTold; Index < Shown.Num(); ++Index)
		{
			const FString Line = TEXT("The editor notifies: ") + Shown[Index].GetText().ToString();
			if (bWarningsFail && Shown[Index].Info.Image == Warning)
			{
				Fail(Line);
			}
			else
			{
				Say(Line);
			}
		}
		NumNotificationsTold = Shown.Num();
	}

	const TCHAR* DescribeExitCode(EExitCode Code)
	{
		switch (Code)
		{
		case EExitCode::Ok:
			return TEXT("everything asked for was done");
		case EExitCode::Failed:
			return TEXT("something asked for failed as the editor showed it: a settings file not written (at start-up or after an edit), ")
				TEXT("an export that failed, a row, entry, button or property that is not there, text a box or row refused, a question without an answer ")
				TEXT("or an answer no question took, a material that failed to compile, a picture not written, with the reason on standard error");
		case EExitCode::BadInput:
			return TEXT("the command line, the level file or the prism wheel file cannot be used, and nothing ran: an unknown option, a missing or empty value, ")
				TEXT("an option given twice that may be given once, a number out of range, a file that is missing, a folder, not valid, or with bytes after a NUL");
		}
		return TEXT("");
	}

	bool ReadUserFile(const std::string& Path, const TCHAR* What, FString& OutText, FString& OutProblem)
	{
		std::error_code Error;
		if (std::filesystem::is_directory(Path, Error))
		{
			OutProblem = FString::Printf(TEXT("this is a folder, not a %s"), What);
			return false;
		}
		if (!std::filesystem::exists(Path, Error))
		{
			OutProblem = TEXT("the file does not exist");
			return false;
		}
		std::ifstream File(Path, std::ios::binary);
		const std::string Bytes = File.is_open() ? std::string(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()) : std::string();
		if (!File.is_open() || File.bad())
		{
			OutProblem = TEXT("the file cannot be read");
			return false;
		}
		// UTF-16 (with its byte order mark) holds NUL bytes in every character; a NUL there is a zero unit.
		const uint8 First = Bytes.size() >= 2 ? (uint8)Bytes[0] : 0;
		const uint8 Second = Bytes.size() >= 2 ? (uint8)Bytes[1] : 0;
		const bool bUtf16 = (First == 0xFF && Second == 0xFE) || (First == 0xFE && Second == 0xFF);
		const size_t UnitSize = bUtf16 ? 2 : 1;
		for (size_t At = bUtf16 ? 2 : 0; At + UnitSize <= Bytes.size(); At += UnitSize)
		{
			if (Bytes[At] == '\0' && (UnitSize == 1 || Bytes[At + 1] == '\0') && At + UnitSize < Bytes.size())
			{
				OutProblem = FString::Printf(TEXT("the file holds bytes after a NUL (at byte %llu)"), (unsigned long long)At);
				return false;
			}
		}
		FFileHelper::BufferToString(OutText, (const uint8*)Bytes.data(), (int32)Bytes.size());
		return true;
	}

	int32 FindStep(const TArray<FHostStep>& Steps, const TCHAR* Name)
	{
		return Steps.IndexOfByPredicate([Name](const FHostStep& Step)
		{
			return Step.Option->Name.Equals(Name, ESearchCase::CaseSensitive);
		});
	}
}

namespace
{
	using namespace EditorHost;

	/**
	 * What a spin box did with typed text, in the user's words: committed it, clamped or rounded it, or
	 * refused it (false: the value stays as it was).
	 */
	template <typename NumericType>
	bool DescribeTypedValue(const TSharedRef<SWidget>& Widget, const FString& Typed, const FString& BoxName, FString& OutSaid)
	{
		const SSpinBox<NumericType>& SpinBox = static_cast<const SSpinBox<NumericType>&>(*Widget);
		const FString Shown = SpinBox.ValueToString(static_cast<double>(SpinBox.GetValue()));
		const TOptional<double> Number = UE::StandIn::ParseTypedNumber(Typed);
		if (!Number.IsSet())
		{
			OutSaid = FString::Printf(TEXT("EditorHost: %s refused the text '%s' (not a number); it still holds %s."), *BoxName, *Typed, *Shown);
			return false;
		}
		const double Held = static_cast<double>(SpinBox.GetValue());
		const double Typed64 = Number.GetValue();
		if (FMath::Abs(Held - Typed64) <= 1e-6 * FMath::Max(1.0, FMath::Abs(Typed64)))
		{
			OutSaid = FString::Printf(TEXT("Typed %s into %s and committed it."), *Typed, *BoxName);
		}
		else if (Typed64 < static_cast<double>(SpinBox.GetMinValue()) || Typed64 > static_cast<double>(SpinBox.GetMaxValue()))
		{
			OutSaid = FString::Printf(TEXT("Typed %s into %s; the box clamped it to %s and committed that."), *Typed, *BoxName, *Shown);
		}
		else
		{
			OutSaid = FString::Printf(TEXT("Typed %s into %s; the box rounded it to %s and committed that."), *Typed, *BoxName, *Shown);
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
			Say(TEXT("  (the settings file cannot be read)"));
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
			if (Row.Kind != StandIn::EMenuRowKind::Heading && Row.Label.Equals(Label, ESearchCase::CaseSensitive))
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

	enum class EMenuEdit : uint8
	{
		Set,
		Toggle,
		Quality,
	};

	/** One edit on a freshly opened drop-down; false (after saying why) when it cannot be done. */
	bool RunMenuEdit(FHostRun& Run, EMenuEdit Kind, const FString& Label, const FString& Value)
	{
		UWorld* World = Run.Session.GetEditorWorld();
		const TSharedPtr<SWidget> OpenedMenu = OpenSettingsMenu();
		if (!OpenedMenu.IsValid())
		{
			Run.Fail(TEXT("EditorHost: the toolbar has no \"ZORLight\" drop-down"));
			return false;
		}
		const TSharedRef<SWidget> Menu = OpenedMenu.ToSharedRef();
		const TArray<StandIn::FMenuRow> Rows = StandIn::ListMenuRows(Menu);
		const int32 RefreshesBefore = CountFixtureRefreshes(World);
		FString Done;
		if (Kind == EMenuEdit::Set)
		{
			const StandIn::FMenuRow* Row = FindRow(Rows, Label);
			if (!Row || !Row->bHasSpinBox)
			{
				Run.Fail(FString::Printf(TEXT("EditorHost: the drop-down has no value row \"%s\""), *Label));
				return false;
			}
			const TArray<TSharedRef<SWidget>> SpinBoxes = StandIn::FindWidgetsByTypeName(Row->Widget.ToSharedRef(), TEXT("SSpinBox<float>"));
			if (SpinBoxes.Num() != 1 || !StandIn::TypeText(SpinBoxes[0], Value))
			{
				Run.Fail(FString::Printf(TEXT("EditorHost: could not type into \"%s\""), *Label));
				return false;
			}
			if (!DescribeTypedValue<float>(SpinBoxes[0], Value, FString::Printf(TEXT("\"%s\""), *Label), Done))
			{
				Run.Fail(Done);
				return false;
			}
		}
		else if (Kind == EMenuEdit::Toggle)
		{
			const StandIn::FMenuRow* Row = FindRow(Rows, Label);
			if (!Row || Row->Kind != StandIn::EMenuRowKind::Entry || !StandIn::ClickMenuEntry(Menu, Label))
			{
				Run.Fail(FString::Printf(TEXT("EditorHost: the drop-down has no entry \"%s\" to click"), *Label));
				return false;
			}
			Done = FString::Printf(TEXT("Clicked \"%s\"."), *Label);
		}
		else
		{
			const StandIn::FMenuRow* Selector = nullptr;
			for (const StandIn::FMenuRow& Row : Rows)
			{
				if (Row.Segments.Contains(Value))
				{
					Selector = &Row;
					break;
				}
			}
			// Found by the type name SNew gave it: the host holds no type identity of the plug-in's widgets.
			const TArray<TSharedRef<SWidget>> Selectors = Selector
				? StandIn::FindWidgetsByTypeName(Selector->Widget.ToSharedRef(), TEXT("SSegmentedControl<EQualityEpic>"))
				: TArray<TSharedRef<SWidget>>();
			if (Selectors.Num() != 1 || !StandIn::PickSegmentByText(Selectors[0], Value))
			{
				Run.Fail(FString::Printf(TEXT("EditorHost: the drop-down has no quality segment \"%s\""), *Value));
				return false;
			}
			Done = FString::Printf(TEXT("Picked the quality \"%s\"."), *Value);
		}

		const int32 Refreshes = CountFixtureRefreshes(World) - RefreshesBefore;
		const int32 Fixtures = CountFixtures(World);
		const int32 Passes = Fixtures > 0 ? Refreshes / Fixtures : 0;
		Say(FString::Printf(TEXT("%s The apply pass ran %d time(s) and refreshed %d fixture actor(s)."), *Done, Passes, Refreshes));

		// What the user sees when the drop-down opens again.
		const TSharedPtr<SWidget> Reopened = OpenSettingsMenu();
		const FString ShownLabel = Kind == EMenuEdit::Quality ? FString() : Label;
		for (const StandIn::FMenuRow& Row : StandIn::ListMenuRows(Reopened.ToSharedRef()))
		{
			const bool bIsTarget = ShownLabel.IsEmpty() ? Row.Segments.Num() > 0 : (Row.Kind != StandIn::EMenuRowKind::Heading && Row.Label.Equals(ShownLabel, ESearchCase::CaseSensitive));
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
			SayError(TEXT("EditorHost: the \"ZORLight\" drop-down has no \"UE to GMA Tool\" entry to click"));
			return false;
		}
		OutTool.Tab = FGlobalTabmanager::Get()->FindExistingLiveTab(FTabId(FName(TEXT("UEtoGMA"))));
		if (!OutTool.Tab.IsValid())
		{
			SayError(TEXT("EditorHost: the \"UE to GMA Tool\" tab did not open"));
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
			SayError(FString::Printf(TEXT("EditorHost: the tool shows %d lists instead of 2"), Lists.Num()));
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
		const int32 NumModeRows = StandIn::GetNumListRows(Modes);
		for (int32 Row = 0; Row < NumModeRows; ++Row)
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
		const int32 NumPatchRows = StandIn::GetNumListRows(Patches);
		for (int32 Row = 0; Row < NumPatchRows; ++Row)
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
			const FRotator Rotation = Actor->GetActorRotation();
			const FVector Scale = Actor->GetActorScale3D();
			Say(FString::Printf(TEXT("  %s (%s) at %.1f, %.1f, %.1f, rotated %.1f, %.1f, %.1f, scaled %.2f, %.2f, %.2f: %s"), *Actor->GetActorLabel(),
				*Actor->GetClass()->GetName(), Location.X, Location.Y, Location.Z, Rotation.Pitch, Rotation.Yaw, Rotation.Roll,
				Scale.X, Scale.Y, Scale.Z, *DescribePatch(*Actor)));
		}
	}

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

	/** The tool as the journey opened it; empty until the first step that needs it. */
	FOpenTool* GOpenTool = nullptr;

	/** Opens the tool at the first step that needs it; later steps work in the same tab. */
	FOpenTool* EnsureTool(FHostRun& Run)
	{
		if (!GOpenTool)
		{
			FOpenTool Tool;
			if (!OpenTool(Tool))
			{
				Run.ExitCode = EExitCode::Failed;
				return nullptr;
			}
			GOpenTool = new FOpenTool(Tool);
		}
		return GOpenTool;
	}

	void CloseTool()
	{
		delete GOpenTool;
		GOpenTool = nullptr;
	}

	bool RunShowTool(FHostRun& Run)
	{
		const FOpenTool* Tool = EnsureTool(Run);
		if (Tool)
		{
			ShowTool(*Tool);
		}
		return Tool != nullptr;
	}

	bool RunStartFID(FHostRun& Run, const FString& Value)
	{
		const FOpenTool* Tool = EnsureTool(Run);
		if (!Tool)
		{
			return false;
		}
		// The tool bar's box is the tool's first number box.
		const TArray<TSharedRef<SWidget>> SpinBoxes = StandIn::FindWidgetsByTypeName(Tool->Panel.ToSharedRef(), TEXT("SSpinBox<int32>"));
		if (SpinBoxes.Num() == 0 || !StandIn::TypeText(SpinBoxes[0], Value))
		{
			Run.Fail(TEXT("EditorHost: could not type into \"Start FID\""));
			return false;
		}
		FString Said;
		if (!DescribeTypedValue<int32>(SpinBoxes[0], Value, TEXT("\"Start FID\""), Said))
		{
			Run.Fail(Said);
			return false;
		}
		Say(Said);
		return true;
	}

	/** The mode row of that name, every row in view; INDEX_NONE (after saying so) when there is none. */
	int32 FindModeRow(FHostRun& Run, STableViewBase& Modes, const FString& Name)
	{
		ShowAllRows(Modes);
		const int32 Row = StandIn::FindListRow(Modes, ModeColumnName, Name);
		if (Row == INDEX_NONE)
		{
			Run.Fail(FString::Printf(TEXT("EditorHost: the tool has no mode row \"%s\""), *Name));
		}
		return Row;
	}

	bool RunMATypeNumber(FHostRun& Run, const FString& Value)
	{
		const FOpenTool* Tool = EnsureTool(Run);
		if (!Tool)
		{
			return false;
		}
		FString Name;
		FString Number;
		Value.Split(TEXT("="), &Name, &Number, ESearchCase::CaseSensitive, ESearchDir::FromEnd);
		STableViewBase& Modes = *Tool->ModeList;
		const int32 Row = FindModeRow(Run, Modes, Name);
		if (Row == INDEX_NONE)
		{
			return false;
		}
		const TSharedPtr<SWidget> Cell = StandIn::GetListCell(Modes, Row, ModeColumnNum);
		const TArray<TSharedRef<SWidget>> SpinBoxes = Cell.IsValid() ? StandIn::FindWidgetsByTypeName(Cell.ToSharedRef(), TEXT("SSpinBox<int32>")) : TArray<TSharedRef<SWidget>>();
		if (SpinBoxes.Num() != 1 || !StandIn::CommitListCellText(Modes, Row, ModeColumnNum, Number))
		{
			Run.Fail(FString::Printf(TEXT("EditorHost: the number of the mode row \"%s\" cannot be edited (is the row unticked?)"), *Name));
			return false;
		}
		FString Said;
		if (!DescribeTypedValue<int32>(SpinBoxes[0], Number, FString::Printf(TEXT("the Num box of the mode row \"%s\""), *Name), Said))
		{
			Run.Fail(Said);
			return false;
		}
		Say(Said);
		return true;
	}

	bool RunUncheckMode(FHostRun& Run, const FString& Name)
	{
		const FOpenTool* Tool = EnsureTool(Run);
		if (!Tool)
		{
			return false;
		}
		STableViewBase& Modes = *Tool->ModeList;
		const int32 Row = FindModeRow(Run, Modes, Name);
		if (Row == INDEX_NONE)
		{
			return false;
		}
		const TOptional<ECheckBoxState> State = StandIn::GetListCellCheckState(Modes, Row, ModeColumnIsSelected);
		if (State.IsSet() && State.GetValue() == ECheckBoxState::Unchecked)
		{
			Say(FString::Printf(TEXT("The mode row \"%s\" was already unticked."), *Name));
			return true;
		}
		if (!StandIn::ClickListCellCheckBox(Modes, Row, ModeColumnIsSelected))
		{
			Run.Fail(FString::Printf(TEXT("EditorHost: could not untick the mode row \"%s\""), *Name));
			return false;
		}
		Say(FString::Printf(TEXT("Unticked the mode row \"%s\"."), *Name));
		return true;
	}

	bool RunSort(FHostRun& Run, const FString& Value)
	{
		const FOpenTool* Tool = EnsureTool(Run);
		if (!Tool)
		{
			return false;
		}
		FString ColumnName = Value;
		FString Direction = TEXT("asc");
		Value.Split(TEXT(":"), &ColumnName, &Direction);
		STableViewBase& Patches = *Tool->PatchList;
		const FName Column(*ColumnName);
		const SHeaderRow::FColumn* HeaderColumn = StandIn::FindListColumn(Patches, Column);
		if (!HeaderColumn || !HeaderColumn->SupportsSorting())
		{
			Run.Fail(FString::Printf(TEXT("EditorHost: the patch list cannot be sorted by \"%s\" (ActorName, FixtureType, Mode or Patch)"), *ColumnName));
			return false;
		}
		const EColumnSortMode::Type Wanted = Direction == TEXT("desc") ? EColumnSortMode::Descending : EColumnSortMode::Ascending;
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

	/** Clicks the tool's "Export", answering the folder dialog with Folder; says what the user would see. */
	bool RunExport(FHostRun& Run, const FString& Folder)
	{
		const FOpenTool* Tool = EnsureTool(Run);
		if (!Tool)
		{
			return false;
		}
		const auto Before = SnapshotFiles(Folder);
		StandIn::AnswerNextFolderDialog(Folder);
		if (!StandIn::ClickButtonWithText(Tool->Panel.ToSharedRef(), TEXT("Export")))
		{
			Run.Fail(TEXT("EditorHost: the tool has no \"Export\" button to click"));
			return false;
		}
		Say(FString::Printf(TEXT("Clicked \"Export\" and chose the folder %s."), *Folder));
		// Anything but the success notification is a failed export.
		const TArray<UE::StandIn::FRecordedNotification>& Shown = StandIn::GetShownNotifications();
		bool bSucceeded = false;
		for (int32 Index = Run.NumNotificationsTold; Index < Shown.Num(); ++Index)
		{
			bSucceeded |= Shown[Index].Info.Image == FAppStyle::Get().GetBrush(TEXT("Icons.Success"));
		}
		Run.TellNotifications(true);
		if (!bSucceeded)
		{
			Run.Fail(FString::Printf(TEXT("EditorHost: the export to %s failed"), *Folder));
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

	FString CheckNumber(const FString& Value)
	{
		return UE::StandIn::ParseTypedNumber(Value).IsSet() ? FString() : FString::Printf(TEXT("needs a number, got '%s'"), *Value);
	}

	/** The menu's options: each opens the "ZORLight" drop-down afresh, as the user does before every edit. */
	void AddMenuOptions(TArray<FHostOption>& Options)
	{
		Options.Add({TEXT("--show-menu"), FString(), TEXT("opens the \"ZORLight\" toolbar drop-down and shows each row with its value and check state"), nullptr,
			[](FHostRun& Run, const FString&)
			{
				const TSharedPtr<SWidget> Menu = OpenSettingsMenu();
				if (!Menu.IsValid())
				{
					Run.Fail(TEXT("EditorHost: the toolbar has no \"ZORLight\" drop-down"));
					return false;
				}
				ShowMenu(Menu.ToSharedRef());
				return true;
			}, true});
		Options.Add({TEXT("--set"), TEXT("\"Label=Value\""), TEXT("types Value into the spin box of that row of the drop-down and presses Enter"),
			[](const FString& Value)
			{
				FString Label;
				FString Number;
				// The label may hold '=' only before the last one; values never do.
				return Value.Split(TEXT("="), &Label, &Number, ESearchCase::CaseSensitive, ESearchDir::FromEnd) && !Label.IsEmpty()
					? FString() : FString::Printf(TEXT("needs \"Label=Value\", got '%s'"), *Value);
			},
			[](FHostRun& Run, const FString& Value)
			{
				FString Label;
				FString Number;
				Value.Split(TEXT("="), &Label, &Number, ESearchCase::CaseSensitive, ESearchDir::FromEnd);
				return RunMenuEdit(Run, EMenuEdit::Set, Label, Number);
			}, true, true});
		Options.Add({TEXT("--toggle"), TEXT("\"Label\""), TEXT("clicks that entry of the drop-down"), nullptr,
			[](FHostRun& Run, const FString& Value)
			{
				return RunMenuEdit(Run, EMenuEdit::Toggle, Value, FString());
			}, true, true});
		Options.Add({TEXT("--quality"), TEXT("Low|Medium|High|Ultra"), TEXT("picks that segment of the quality selector"),
			[](const FString& Value)
			{
				for (const TCHAR* Level : {TEXT("Low"), TEXT("Medium"), TEXT("High"), TEXT("Ultra")})
				{
					if (Value.Equals(Level, ESearchCase::CaseSensitive))
					{
						return FString();
					}
				}
				return FString::Printf(TEXT("takes Low, Medium, High or Ultra, got '%s'"), *Value);
			},
			[](FHostRun& Run, const FString& Value)
			{
				return RunMenuEdit(Run, EMenuEdit::Quality, FString(), Value);
			}, true, true});
	}

	/** The tool's options: the first one opens the "UE to GMA Tool" from the drop-down; the rest work in that tab. */
	void AddToolOptions(TArray<FHostOption>& Options)
	{
		Options.Add({TEXT("--show-tool"), FString(), TEXT("shows the \"UE to GMA Tool\": its mode rows and patch rows in display order"), nullptr,
			[](FHostRun& Run, const FString&)
			{
				return RunShowTool(Run);
			}});
		Options.Add({TEXT("--start-fid"), TEXT("N"), TEXT("types N into the tool's \"Start FID\" box and presses Enter"), &CheckNumber, &RunStartFID});
		Options.Add({TEXT("--ma-type"), TEXT("\"NAME=NUMBER\""), TEXT("types NUMBER into the Num box of the mode row named NAME"),
			[](const FString& Value)
			{
				FString Name;
				FString Number;
				return Value.Split(TEXT("="), &Name, &Number, ESearchCase::CaseSensitive, ESearchDir::FromEnd) && !Name.IsEmpty() && UE::StandIn::ParseTypedNumber(Number).IsSet()
					? FString() : FString::Printf(TEXT("needs \"NAME=NUMBER\", got '%s'"), *Value);
			}, &RunMATypeNumber});
		Options.Add({TEXT("--uncheck-mode"), TEXT("NAME"), TEXT("unticks the mode row named NAME"), nullptr, &RunUncheckMode});
		Options.Add({TEXT("--sort"), TEXT("COLUMN[:desc]"), TEXT("clicks the patch list's header (ActorName, FixtureType, Mode, Patch) until it sorts that way"),
			[](const FString& Value)
			{
				FString Column = Value;
				FString Direction = TEXT("asc");
				Value.Split(TEXT(":"), &Column, &Direction);
				return !Column.IsEmpty() && (Direction.Equals(TEXT("asc"), ESearchCase::CaseSensitive) || Direction.Equals(TEXT("desc"), ESearchCase::CaseSensitive))
					? FString() : FString::Printf(TEXT("takes COLUMN or COLUMN:desc, got '%s'"), *Value);
			}, &RunSort});
		Options.Add({TEXT("--export"), TEXT("DIR"), TEXT("clicks the tool's \"Export\", answers the folder dialog with DIR, and lists the files written"), nullptr, &RunExport});
	}

	const TArray<FHostOption>& GetHostOptions()
	{
		static const TArray<FHostOption> Options = []()
		{
			TArray<FHostOption> Table;
			AddMenuOptions(Table);
			AddToolOptions(Table);
			AddMaterialOptions(Table);
			AddPrismWheelOptions(Table);
			AddPrismWheelDetailsOptions(Table);
			return Table;
		}();
		return Options;
	}

	struct FHostCommandLine
	{
		FString ProjectDir = UTF8_TO_TCHAR(ZOR_DEFAULT_PROJECT);
		FString LevelFile;
		/** The level file's name as given, to open. */
		std::string NativeLevelFile;
		TArray<FHostStep> Steps;
		bool bHelp = false;
	};

	void PrintUsage()
	{
		Say(TEXT("Usage: EditorHost [--project DIR] [--level FILE] [options...]"));
		Say(TEXT("  --project DIR         the project folder; its Config/ZORLightSettings.ini is read, completed and written at start-up"));
		Say(TEXT("  --level FILE          a level file (JSON); without it the built-in demo stage is opened"));
		TArray<FString> SettingUp;
		for (const FHostOption& Option : GetHostOptions())
		{
			const FString Usage = Option.ValueName.IsEmpty() ? Option.Name : Option.Name + TEXT(" ") + Option.ValueName;
			TArray<FString> HelpLines;
			Option.Help.ParseIntoArray(HelpLines, TEXT("\n"));
			for (int32 Line = 0; Line < HelpLines.Num(); ++Line)
			{
				Say(FString::Printf(TEXT("  %-21s %s"), Line == 0 ? *Usage : TEXT(""), *HelpLines[Line]));
			}
			if (Option.bSetsUp)
			{
				SettingUp.Add(Option.Name);
			}
		}
		Say(TEXT("  --help                this text"));
		Say(TEXT("--project and --level apply first, then the options that set up the other steps (") + FString::Join(SettingUp, TEXT(", "))
			+ TEXT("), wherever they stand; every other option runs in the order given, each as one step."));
		Say(TEXT("The canvas, details and thumbnail options edit the prism wheel of an earlier --prism-wheel."));
		Say(TEXT("The menu options open the drop-down afresh; the first tool option opens the tool, the others work in it."));
		Say(TEXT("Exit codes:"));
		for (const EExitCode Code : {EExitCode::Ok, EExitCode::Failed, EExitCode::BadInput})
		{
			Say(FString::Printf(TEXT("  %d  %s"), static_cast<int32>(Code), DescribeExitCode(Code)));
		}
	}

	/** Turns the arguments into steps; false (after saying why on standard error) when they cannot be used. */
	bool ParseCommandLine(int Argc, char** Argv, FHostCommandLine& OutCommandLine)
	{
		for (int Index = 1; Index < Argc; ++Index)
		{
			const FString Arg = UTF8_TO_TCHAR(Argv[Index]);
			if (Arg.Equals(TEXT("--help"), ESearchCase::CaseSensitive) || Arg.Equals(TEXT("-h"), ESearchCase::CaseSensitive))
			{
				OutCommandLine.bHelp = true;
				continue;
			}
			const bool bSetup = Arg.Equals(TEXT("--project"), ESearchCase::CaseSensitive) || Arg.Equals(TEXT("--level"), ESearchCase::CaseSensitive);
			const FHostOption* Option = GetHostOptions().FindByPredicate([&Arg](const FHostOption& Candidate)
			{
				return Candidate.Name.Equals(Arg, ESearchCase::CaseSensitive);
			});
			if (!bSetup && !Option)
			{
				SayError(FString::Printf(TEXT("EditorHost: unknown argument '%s' (see --help)"), *Arg));
				return false;
			}
			FString Value;
			std::string NativeValue;
			const bool bValueGiven = Index + 1 < Argc && !FString(UTF8_TO_TCHAR(Argv[Index + 1])).StartsWith(TEXT("--"), ESearchCase::CaseSensitive);
			if (bSetup || (!Option->ValueName.IsEmpty() && (!Option->bValueOptional || bValueGiven)))
			{
				if (Index + 1 >= Argc)
				{
					SayError(FString::Printf(TEXT("EditorHost: %s needs a value"), *Arg));
					return false;
				}
				NativeValue = Argv[++Index];
				Value = UTF8_TO_TCHAR(Argv[Index]);
				if (NativeValue.empty())
				{
					SayError(FString::Printf(TEXT("EditorHost: %s needs a value that is not empty"), *Arg));
					return false;
				}
			}
			if (bSetup)
			{
				if (Arg.Equals(TEXT("--project"), ESearchCase::CaseSensitive))
				{
					OutCommandLine.ProjectDir = Value;
				}
				else
				{
					OutCommandLine.LevelFile = Value;
					OutCommandLine.NativeLevelFile = NativeValue;
				}
				continue;
			}
			if (Option->CheckValue)
			{
				const FString Problem = Option->CheckValue(Value);
				if (!Problem.IsEmpty())
				{
					SayError(FString::Printf(TEXT("EditorHost: %s %s"), *Arg, *Problem));
					return false;
				}
			}
			OutCommandLine.Steps.Add(FHostStep{Option, Value, NativeValue});
		}
		for (const FHostStep& Step : OutCommandLine.Steps)
		{
			if (Step.Option->bOnce && &OutCommandLine.Steps[FindStep(OutCommandLine.Steps, *Step.Option->Name)] != &Step)
			{
				SayError(FString::Printf(TEXT("EditorHost: %s may be given once"), *Step.Option->Name));
				return false;
			}
		}
		for (const FHostStep& Step : OutCommandLine.Steps)
		{
			const FString Problem = Step.Option->CheckWithOthers ? Step.Option->CheckWithOthers(Step, OutCommandLine.Steps) : FString();
			if (!Problem.IsEmpty())
			{
				SayError(Problem);
				return false;
			}
		}
		// The options that set up the others run first, in the order given.
		Algo::StableSortBy(OutCommandLine.Steps, [](const FHostStep& Step) { return Step.Option->bSetsUp ? 0 : 1; });
		return true;
	}
}

int main(int Argc, char** Argv)
{
	// Line by line, so that what the host says and the editor's log lines on standard error keep their order.
	std::setvbuf(stdout, nullptr, _IOLBF, 0);
	FHostCommandLine CommandLine;
	if (!ParseCommandLine(Argc, Argv, CommandLine))
	{
		return static_cast<int>(EExitCode::BadInput);
	}
	if (CommandLine.bHelp)
	{
		PrintUsage();
		return static_cast<int>(EExitCode::Ok);
	}

	// The level file is read and checked before anything starts, so that a bad one changes nothing.
	const std::string NativeLevelFile = CommandLine.LevelFile.IsEmpty() ? std::string(ZOR_DEMO_STAGE) : CommandLine.NativeLevelFile;
	const FString LevelFile = CommandLine.LevelFile.IsEmpty() ? FString(UTF8_TO_TCHAR(ZOR_DEMO_STAGE)) : CommandLine.LevelFile;
	FString LevelText;
	FString Error;
	if (!ReadUserFile(NativeLevelFile, TEXT("level file"), LevelText, Error))
	{
		SayError(FString::Printf(TEXT("Level file '%s': %s"), *LevelFile, *Error));
		return static_cast<int>(EExitCode::BadInput);
	}

	StandIn::FEditorSessionOptions SessionOptions;
	SessionOptions.ProjectDir = CommandLine.ProjectDir;
	StandIn::FEditorSession Session(SessionOptions);
	FHostRun Run(Session);
	Say(FString::Printf(TEXT("Project: %s"), *Session.GetProjectDir()));

	Run.ConfigPath = FPaths::Combine(Session.GetConfigDir(), TEXT("ZORLightSettings.ini"));
	const bool bSettingsFileExisted = FPaths::FileExists(Run.ConfigPath);
	const TArray<FString> KeysBefore = ReadSettingsKeys(Run.ConfigPath);

	StandIn::ClearShownNotifications();
	// The level names the runtime module's classes; the editor module's start-up writes the settings file.
	Session.LoadModule(TEXT("ZORLight"));
	const TSharedPtr<const StandIn::FLevelDescription> Level = StandIn::ReadLevel(LevelText, LevelFile, Error);
	if (!Level.IsValid())
	{
		SayError(Error);
		return static_cast<int>(EExitCode::BadInput);
	}
	Session.LoadModule(TEXT("ZORLightEditor"));
	Say(TEXT("Loaded and started the modules ZORLight and ZORLightEditor."));
	Run.TellNotifications(true);
	if (Run.ExitCode != EExitCode::Ok)
	{
		SayError(FString::Printf(TEXT("EditorHost: start-up could not write the settings file %s"), *Run.ConfigPath));
	}
	else
	{
		PrintSeededKeys(Run.ConfigPath, KeysBefore, bSettingsFileExisted);
	}

	if (!StandIn::PlaceLevel(Session, *Level, Error))
	{
		SayError(Error);
		return static_cast<int>(EExitCode::BadInput);
	}
	Say(CommandLine.LevelFile.IsEmpty() ? FString(TEXT("Opened the built-in demo stage."))
		: FString::Printf(TEXT("Opened the level %s."), *LevelFile));

	PrintSettings(Run.ConfigPath);
	PrintActors(Session.GetEditorWorld());

	bool bEditedSettings = false;
	for (const FHostStep& Step : CommandLine.Steps)
	{
		const bool bGoOn = Step.Option->Run(Run, Step.Value);
		Run.TellNotifications(Step.Option->bWarningsFail);
		bEditedSettings |= Step.Option->bEditsSettings;
		if (!bGoOn)
		{
			break;
		}
	}
	// An answer prepared for a question that never came: the user expected a question.
	const int32 AnswersNotTaken = StandIn::GetPendingMessageDialogAnswers();
	if (Run.ExitCode == EExitCode::Ok && AnswersNotTaken > 0)
	{
		Run.Fail(FString::Printf(TEXT("EditorHost: %d answer(s) given with --answer found no question"), AnswersNotTaken));
	}
	if (bEditedSettings)
	{
		PrintSettings(Run.ConfigPath);
	}

	// As at the editor's exit: windows and tabs close before the modules shut down.
	CloseTool();
	StandIn::CloseAllAssetEditors();
	UE::StandIn::ResetGlobalTabManager();
	Session.UnloadModule(TEXT("ZORLightEditor"));
	Session.UnloadModule(TEXT("ZORLight"));
	Say(TEXT("Shut down the modules ZORLightEditor and ZORLight."));
	return static_cast<int>(Run.ExitCode);
}
