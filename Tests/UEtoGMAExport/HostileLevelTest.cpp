// Levels a user should not have but will: names XML cannot hold, a Start FID at the top of the range,
// patches without a usable mode, fixture types deleted behind the tool, modes that differ only in case.
// Whatever the level holds, every file is valid, no ID is negative, and every fixture a macro addresses
// is created by a layer file.

#include "ExportTestStage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace ZorTest;

namespace
{
	using FLines = std::vector<std::string>;

	/** Checks what the console would be given: valid files, no negative ID, no fixture no layer creates. */
	void ExpectConsoleAccepts(const TArray<FString>& Files)
	{
		ASSERT_GE(Files.Num(), 1);
		std::set<std::string> Created;
		for (int32 Index = 0; Index < Files.Num(); ++Index)
		{
			const FMAXmlCheck Check = CheckMAXml(Files[Index]);
			EXPECT_TRUE(Check.bValid) << "file " << Index << ":\n" << Check.Report() << Utf8(Files[Index]);
			if (Index > 0)
			{
				for (const std::string& ID : FMADocument(Files[Index]).Strings("//ma:Fixture/@fixture_id"))
				{
					EXPECT_NE(ID.rfind('-', 0), 0u) << "negative fixture ID " << ID;
					Created.insert(ID);
				}
			}
		}
		const FMADocument Macro(Files[0]);
		for (const char* MacroName : {"DO2VOR patch fixtures", "DO2VOR move fixtures", "DO2VOR create groups"})
		{
			for (const std::string& Line : Macro.MacroLines(MacroName))
			{
				const size_t At = Line.find("Fixture ");
				if (At == std::string::npos)
				{
					continue;
				}
				const std::string ID = Line.substr(At + 8, Line.find(' ', At + 8) - At - 8);
				EXPECT_NE(ID.rfind('-', 0), 0u) << "negative fixture ID in " << Line;
				EXPECT_EQ(Created.count(ID), 1u) << "the macro addresses fixture " << ID << " that no layer file creates: " << Line;
			}
		}
	}

	/** The tool bar's "Start FID" box: the panel's first whole-number spin box. */
	TSharedPtr<SWidget> FindStartFIDBox(const TSharedRef<SWidget>& Panel)
	{
		const TArray<TSharedRef<SWidget>> Boxes = StandIn::FindWidgetsByTypeName(Panel, TEXT("SSpinBox<int32>"));
		return Boxes.Num() > 0 ? TSharedPtr<SWidget>(Boxes[0]) : nullptr;
	}
}

TEST(HostileLevel, NamesXmlCannotHoldStillGiveValidFiles)
{
	FExportStage Stage;
	FString Hostile = TEXT("Spot\t\"A\"");
	Hostile.AppendChar(static_cast<TCHAR>(0xFFFE));
	Hostile.AppendChar(static_cast<TCHAR>(0x07));
	Hostile += TEXT(" & B");
	UDMXEntityFixtureType* Type = Stage.AddType(Hostile, {TEXT("Line\nFeed")});
	Stage.AddFixture(Type, 1, 1, 0, TEXT("One"));
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();

	const TArray<FString> Files = Panel->BuildMAFiles();
	ASSERT_EQ(Files.Num(), 2);
	ExpectConsoleAccepts(Files);
	// What the console reads back: the name without the two characters XML cannot hold, tab and line feed kept.
	const FMADocument Layer(Files[1]);
	EXPECT_EQ(Layer.String("/ma:MA/ma:Layer/@name"), "Spot\t\"A\" & B Line\nFeed");
	EXPECT_EQ(Layer.String("//ma:Fixture/@name"), "Spot\t\"A\" & B 1");
	EXPECT_EQ(At(FMADocument(Files[0]).MacroLines("DO2VOR create groups"), 2), "Fixture 1 ; Store Group \"Spot\t'A' & B Line\nFeed\" /merge");

	// Written to disk as the user's export does, the files stay well-formed and valid.
	const FString Folder = Stage.Folder(TEXT("Hostile"));
	StandIn::AnswerNextFolderDialog(Folder);
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));
	EXPECT_TRUE(CheckMAXmlFile(MacroPath(Folder)).bValid);
	const FMAXmlCheck OnDisk = CheckMAXmlFile(LayerPath(Folder, 1));
	EXPECT_TRUE(OnDisk.bValid) << OnDisk.Report();
}

TEST(HostileLevel, FixtureIDsStopAtTheLargestIDAndTheUserIsTold)
{
	FExportStage Stage;
	UDMXEntityFixtureType* Type = Stage.AddType(TEXT("Wash"), {TEXT("Std")});
	for (int32 Index = 0; Index < 4; ++Index)
	{
		Stage.AddFixture(Type, 1, 1 + 10 * Index, 0, FString::Printf(TEXT("Wash %d"), Index + 1));
	}
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	ClearNotifications();

	// The user types a Start FID two below the top of the range.
	const TSharedPtr<SWidget> StartFID = FindStartFIDBox(Panel);
	ASSERT_TRUE(StartFID.IsValid());
	ASSERT_TRUE(StandIn::TypeText(StartFID.ToSharedRef(), TEXT("2147483646")));
	TArray<int32> IDs;
	for (const TSharedPtr<FFixturePatchListItem>& Item : Panel->Items)
	{
		IDs.Add(Item->FixtureID);
	}
	EXPECT_EQ(IDs, TArray<int32>({2147483646, 2147483647, -1, -1}));

	TArray<FShownNotification> Shown = GetNotifications();
	ASSERT_EQ(Shown.Num(), 1);
	EXPECT_TRUE(Shown[0].Text.Equals(TEXT("Fixture IDs end at 2147483647: 2 checked fixture(s) have no ID and are left out of the export."), ESearchCase::CaseSensitive)) << Utf8(Shown[0].Text);
	EXPECT_EQ(Shown[0].Brush, TEXT("Icons.Warning"));
	EXPECT_FLOAT_EQ(Shown[0].ExpireDuration, 5.0f);
	EXPECT_TRUE(Stage.Session.HasLogLine(TEXT("Fixture IDs end at 2147483647"), ELogVerbosity::Warning));

	// The rows the numbering could not reach show "-" and are left out of every file.
	const TArray<FString> Files = Panel->BuildMAFiles();
	ExpectConsoleAccepts(Files);
	EXPECT_EQ(FMADocument(Files[0]).MacroLines("DO2VOR patch fixtures"), FLines({"Menu On \"CommandlineResponse\"",
		"Assign Fixture 2147483646 At Dmx 1.1  /noconfirm", "Assign Fixture 2147483647 At Dmx 1.11  /noconfirm", "Menu Off \"CommandlineResponse\""}));

	// Renumbering with the same shortfall says nothing new; unticking a row shrinks it and says so.
	Panel->RenumberFixtureIDs();
	EXPECT_EQ(GetNotifications().Num(), 1);
	Panel->Items[0]->bIsSelected = false;
	Panel->MarkModesInUse();
	Shown = GetNotifications();
	ASSERT_EQ(Shown.Num(), 2);
	EXPECT_TRUE(Shown[1].Text.Contains(TEXT(": 1 checked fixture(s)"), ESearchCase::CaseSensitive)) << Utf8(Shown[1].Text);

	// Back to a low Start FID: everything is numbered and nothing more is said.
	ASSERT_TRUE(StandIn::TypeText(StartFID.ToSharedRef(), TEXT("10")));
	EXPECT_EQ(Panel->Items[3]->FixtureID, 12);
	EXPECT_EQ(GetNotifications().Num(), 2);
}

TEST(HostileLevel, PatchesWithoutAModeRowAreNeitherLayeredNorAddressed)
{
	FExportStage Stage;
	UDMXEntityFixtureType* Spot = Stage.AddType(TEXT("Spot"), {TEXT("Std"), TEXT("Ext")});
	UDMXEntityFixtureType* Doomed = Stage.AddType(TEXT("Doomed"), {TEXT("Std")});
	Stage.AddFixture(Spot, 1, 1, 0, TEXT("Good"));
	Stage.AddFixture(Spot, 1, 20, -1, TEXT("No Mode"));
	Stage.AddFixture(Spot, 1, 40, 5, TEXT("Mode Out Of Range"));
	Stage.AddFixture(Doomed, 1, 60, 0, TEXT("Type Deleted"));
	Stage.AddFixture(Spot, 1, 80, 1, TEXT("Good Ext"));
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	ASSERT_EQ(Panel->ModeList->Items.Num(), 3);

	// The type goes while the tool is open: its ticked row must not make a layer or an import line.
	Stage.Session.DeleteFixtureType(Doomed);
	const TArray<FString> Files = Panel->BuildMAFiles();
	ASSERT_EQ(Files.Num(), 3) << "one layer per ticked row whose type and mode still exist";
	ExpectConsoleAccepts(Files);
	const FMADocument Macro(Files[0]);
	FLines Imports;
	for (const std::string& Line : Macro.MacroLines("DO2VOR import layers"))
	{
		if (Line.rfind("Import ", 0) == 0)
		{
			Imports.push_back(Line);
		}
	}
	EXPECT_EQ(Imports, FLines({"Import \"DO2VOR-LAYER-2\" At 1", "Import \"DO2VOR-LAYER-1\" At 1"}));
	// Only the two fixtures that have a layer are patched: IDs 1 and 5 in patch order.
	EXPECT_EQ(Macro.MacroLines("DO2VOR patch fixtures"), FLines({"Menu On \"CommandlineResponse\"", "Assign Fixture 1 At Dmx 1.1  /noconfirm",
		"Assign Fixture 5 At Dmx 1.80  /noconfirm", "Menu Off \"CommandlineResponse\""}));
	FLines LayerNames;
	for (int32 Index = 1; Index < Files.Num(); ++Index)
	{
		LayerNames.push_back(FMADocument(Files[Index]).String("/ma:MA/ma:Layer/@name"));
	}
	std::sort(LayerNames.begin(), LayerNames.end());
	EXPECT_EQ(LayerNames, FLines({"Spot Ext", "Spot Std"}));
}

TEST(HostileLevel, ModesThatDifferOnlyInCaseTakeTheFirstPatchsName)
{
	FExportStage Stage;
	UDMXEntityFixtureType* Spot = Stage.AddType(TEXT("Spot"), {TEXT("Std"), TEXT("Other")});
	// AddMode keeps names unique ignoring case; an imported library need not.
	Spot->Modes[1].ModeName = TEXT("STD");
	// In patch order the first patch uses "STD", the type's second mode.
	Stage.AddFixture(Spot, 1, 1, 1, TEXT("Upper"));
	Stage.AddFixture(Spot, 1, 20, 0, TEXT("Lower"));
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	ASSERT_EQ(Panel->ModeList->Items.Num(), 1) << "mode names that differ only in case make one row";
	EXPECT_TRUE(Panel->ModeList->Items[0]->GetFixtureTypeName().Equals(TEXT("Spot STD"), ESearchCase::CaseSensitive))
		<< Utf8(Panel->ModeList->Items[0]->GetFixtureTypeName());

	const TArray<FString> Files = Panel->BuildMAFiles();
	ASSERT_EQ(Files.Num(), 2);
	ExpectConsoleAccepts(Files);
	const FMADocument Layer(Files[1]);
	EXPECT_EQ(Layer.String("/ma:MA/ma:Layer/@name"), "Spot STD");
	// Both patches land in the one layer.
	EXPECT_EQ(Layer.Strings("//ma:Fixture/@fixture_id"), FLines({"1", "2"}));
	EXPECT_EQ(FMADocument(Files[0]).MacroLines("DO2VOR create groups"), FLines({"Menu On \"CommandlineResponse\"", "ClearAll",
		"Fixture 1 ; Store Group \"Spot STD\" /merge", "Fixture 2 ; Store Group \"Spot Std\" /merge", "Menu Off \"CommandlineResponse\"", "ClearAll"}));
}
