// The texts of the grandMA2 files that Export writes: the four macros, one layer file per checked mode
// row, numbering, names and positions, and validity against the console's schema on ordinary and
// hostile stages.

#include "ExportTestStage.h"
#include "Math/RotationMatrix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

using namespace ZorTest;

namespace
{
	using FLines = std::vector<std::string>;

	const std::string ImportMacro = "DO2VOR import layers";
	const std::string PatchMacro = "DO2VOR patch fixtures";
	const std::string MoveMacro = "DO2VOR move fixtures";
	const std::string GroupMacro = "DO2VOR create groups";

	const std::string MAHead = "<?xml version=\"1.0\" encoding=\"utf-8\"?><MA xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
		"xmlns=\"http://schemas.malighting.de/grandma2/xml/MA\" xsi:schemaLocation=\"http://schemas.malighting.de/grandma2/xml/MA "
		"http://schemas.malighting.de/grandma2/xml/3.1.0/MA.xsd\" major_vers=\"3\" minor_vers=\"1\" stream_vers=\"0\">";

	std::string Compact(int32 Index, const std::string& Command)
	{
		return "<Macroline index=\"" + std::to_string(Index) + "\" delay=\"0.01\"><text>" + Command + "</text></Macroline>";
	}

	std::string Spaced(int32 Index, const std::string& Command)
	{
		return "<Macroline index=\"" + std::to_string(Index) + "\" delay = \"0.01\" > <text>" + Command + "</text></Macroline>";
	}

	FLines Indices(int32 Count)
	{
		FLines Out;
		for (int32 Index = 0; Index < Count; ++Index)
		{
			Out.push_back(std::to_string(Index));
		}
		return Out;
	}

	void ExpectValid(const FString& Text, const char* What)
	{
		const FMAXmlCheck Check = CheckMAXml(Text);
		EXPECT_TRUE(Check.bValid) << What << " is not valid against the console's schema:\n" << Check.Report() << "\n" << Utf8(Text);
	}

	/** The numbers after "Move3D At" and after "Rotate3D At" of a move macro line. */
	void ReadMoveLine(const std::string& Line, double OutLocation[3], double OutRotation[3])
	{
		const size_t MoveAt = Line.find("Move3D At ");
		const size_t RotateAt = Line.find("Rotate3D At ");
		ASSERT_NE(MoveAt, std::string::npos) << Line;
		ASSERT_NE(RotateAt, std::string::npos) << Line;
		std::istringstream Move(Line.substr(MoveAt + 10));
		Move >> OutLocation[0] >> OutLocation[1] >> OutLocation[2];
		std::istringstream Rotate(Line.substr(RotateAt + 12));
		Rotate >> OutRotation[0] >> OutRotation[1] >> OutRotation[2];
	}

	/** Rows of a rotation matrix as the engine lays them out (row i: where axis i points). */
	FMatrix RowsOf(const FRotator& Rotation)
	{
		return FRotationMatrix(Rotation);
	}
}

TEST(ExportFiles, EmptyLevelGivesOnlyTheMacroFileWithItsFixedLines)
{
	FExportStage Stage;
	const TArray<FString> Files = Stage.OpenPanel()->BuildMAFiles();
	ASSERT_EQ(Files.Num(), 1);
	// The whole file, as the console reads it: import lines spaced, the rest compact, no line breaks.
	const std::string Expected = MAHead + "<Macro index=\"0\" name=\"DO2VOR import layers\">" + Compact(0, "Menu On \"CommandlineResponse\"")
		+ Spaced(1, "SelectDrive") + Spaced(2, "SelectDrive (Import from drive? Int=1, USB=4)") + Spaced(3, "ChangeDest \"EditSetup\"")
		+ Spaced(4, "ChangeDest \"Layers") + Spaced(5, "Menu Off \"CommandlineResponse\"") + Spaced(6, "ChangeDest /")
		+ Spaced(7, "Menu \"FixtureSchedule\"") + "</Macro>"
		+ "<Macro index=\"1\" name=\"DO2VOR patch fixtures\">" + Compact(0, "Menu On \"CommandlineResponse\"")
		+ Compact(1, "Menu Off \"CommandlineResponse\"") + "</Macro>"
		+ "<Macro index=\"2\" name=\"DO2VOR move fixtures\">" + Compact(0, "ClearAll") + Compact(1, "Menu On \"CommandlineResponse\"")
		+ Compact(2, "Menu Off \"CommandlineResponse\"") + Compact(3, "ClearAll") + "</Macro>"
		+ "<Macro index=\"3\" name=\"DO2VOR create groups\">" + Compact(0, "Menu On \"CommandlineResponse\"") + Compact(1, "ClearAll")
		+ Compact(2, "Menu Off \"CommandlineResponse\"") + Compact(3, "ClearAll") + "</Macro></MA>";
	EXPECT_EQ(Utf8(Files[0]), Expected);
	ExpectValid(Files[0], "the macro file");
}

TEST(ExportFiles, ALayerFileHoldsEachFixtureWithItsPlaceOnTheStage)
{
	FExportStage Stage;
	UDMXEntityFixtureType* Spot = Stage.AddType(TEXT("Spot"), {TEXT("Std")});
	Stage.AddFixture(Spot, 4, 7, 0, TEXT("Only"), FTransform(FVector(100.0, 200.0, 300.0)));
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	Panel->ModeList->Items[0]->FixtureTypeNo = 12;
	Panel->OnStartFIDChanged(7);
	const TArray<FString> Files = Panel->BuildMAFiles();
	ASSERT_EQ(Files.Num(), 2);
	// No rotation in the level: a quarter turn of Yaw and a half turn of Roll on the console.
	EXPECT_EQ(Utf8(Files[1]), MAHead + "<Layer index=\"0\" name=\"Spot Std\"><Fixture index=\"0\" name=\"Spot 1\" channel_id=\"0\" fixture_id=\"7\">"
		" <FixtureType name=\"12\"><No>12</No></FixtureType><SubFixture index=\"0\" react_to_grandmaster=\"true\" color=\"ffffff\">"
		"<Patch><Address>0</Address></Patch><AbsolutePosition><Location x=\"2.00 \" y=\"1.00 \" z=\"3.00 \" />"
		"<Rotation x=\"-180.00 \" y=\"0.00 \" z=\"90.00 \" /><Scaling x=\"1\" y=\"1\" z=\"1\" /></AbsolutePosition></SubFixture></Fixture></Layer></MA>");
	const FMADocument Doc(Files[0]);
	EXPECT_EQ(At(Doc.MacroLines(PatchMacro), 1), "Assign Fixture 7 At Dmx 4.7  /noconfirm");
	EXPECT_EQ(At(Doc.MacroLines(MoveMacro), 2), "Fixture 7 ; Move3D At 2.00 1.00 3.00 ; Rotate3D At -180.00 0.00 90.00 ; ClearAll");
	EXPECT_EQ(At(Doc.MacroLines(GroupMacro), 2), "Fixture 7 ; Store Group \"Spot Std\" /merge");
	ExpectValid(Files[1], "the layer file");
}

TEST(ExportFiles, MacrosAndLayersOfThreeFixturesInTwoModes)
{
	FExportStage Stage;
	UDMXEntityFixtureType* Spot = Stage.AddType(TEXT("Spot 575"));
	Stage.AddFixture(Spot, 2, 5, 1, TEXT("Spot C"));
	Stage.AddFixture(Spot, 1, 20, 0, TEXT("Spot B"));
	Stage.AddFixture(Spot, 1, 1, 0, TEXT("Spot A"));
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	const TSharedPtr<FFixtureModeListItem> Standard = FindModeRow(*Panel, TEXT("Spot 575 Standard"));
	const TSharedPtr<FFixtureModeListItem> Extended = FindModeRow(*Panel, TEXT("Spot 575 Extended"));
	ASSERT_TRUE(Standard.IsValid() && Extended.IsValid());
	Standard->FixtureTypeNo = 12;
	Extended->FixtureTypeNo = 34;
	Extended->CustomFixtureTypeName = TEXT("Robe Spot Ext");

	const TArray<FString> Files = Panel->BuildMAFiles();
	ASSERT_EQ(Files.Num(), 3);
	const FMADocument Doc(Files[0]);
	EXPECT_EQ(Doc.MacroLines(PatchMacro), FLines({"Menu On \"CommandlineResponse\"", "Assign Fixture 1 At Dmx 1.1  /noconfirm",
		"Assign Fixture 2 At Dmx 1.20  /noconfirm", "Assign Fixture 3 At Dmx 2.5  /noconfirm", "Menu Off \"CommandlineResponse\""}));
	EXPECT_EQ(Doc.MacroLineIndices(PatchMacro), Indices(5));
	EXPECT_EQ(Doc.MacroLineIndices(MoveMacro), Indices(7));
	EXPECT_EQ(Doc.MacroLineIndices(GroupMacro), Indices(7));
	EXPECT_EQ(Doc.MacroLines(GroupMacro), FLines({"Menu On \"CommandlineResponse\"", "ClearAll", "Fixture 1 ; Store Group \"Spot 575 Standard\" /merge",
		"Fixture 2 ; Store Group \"Spot 575 Standard\" /merge", "Fixture 3 ; Store Group \"Spot 575 Extended\" /merge", "Menu Off \"CommandlineResponse\"", "ClearAll"}));
	// The import commands stand in reverse order, right after ChangeDest "Layers.
	const FLines Import = Doc.MacroLines(ImportMacro);
	EXPECT_EQ(Doc.MacroLineIndices(ImportMacro), Indices(10));
	ASSERT_EQ(Import.size(), 10u);
	EXPECT_EQ(Import[4], "ChangeDest \"Layers");
	EXPECT_EQ(Import[5], "Import \"DO2VOR-LAYER-2\" At 1");
	EXPECT_EQ(Import[6], "Import \"DO2VOR-LAYER-1\" At 1");
	ExpectValid(Files[0], "the macro file");

	// Layer files follow the mode list's order of checked rows.
	const int32 StandardLayer = Panel->ModeList->Items.IndexOfByKey(Standard) < Panel->ModeList->Items.IndexOfByKey(Extended) ? 1 : 2;
	const FMADocument StandardDoc(Files[StandardLayer]);
	const FMADocument ExtendedDoc(Files[3 - StandardLayer]);
	EXPECT_EQ(StandardDoc.String("/ma:MA/ma:Layer/@name"), "Spot 575 Standard");
	EXPECT_EQ(StandardDoc.Strings("//ma:Fixture/@name"), FLines({"Spot 575 1", "Spot 575 2"}));
	EXPECT_EQ(StandardDoc.Strings("//ma:Fixture/@index"), FLines({"0", "1"}));
	EXPECT_EQ(StandardDoc.Strings("//ma:Fixture/@fixture_id"), FLines({"1", "2"}));
	EXPECT_EQ(StandardDoc.Strings("//ma:Fixture/ma:FixtureType/@name"), FLines({"12", "12"}));
	EXPECT_EQ(StandardDoc.Strings("//ma:Fixture/ma:FixtureType/ma:No"), FLines({"12", "12"}));
	// The layer takes the row's grandMA2 name; its fixtures keep the DMX fixture type's name.
	EXPECT_EQ(ExtendedDoc.String("/ma:MA/ma:Layer/@name"), "Robe Spot Ext");
	EXPECT_EQ(ExtendedDoc.Strings("//ma:Fixture/@name"), FLines({"Spot 575 1"}));
	EXPECT_EQ(ExtendedDoc.Strings("//ma:Fixture/@fixture_id"), FLines({"3"}));
	EXPECT_EQ(ExtendedDoc.String("//ma:FixtureType/ma:No"), "34");
	for (int32 Index = 1; Index < Files.Num(); ++Index)
	{
		EXPECT_TRUE(Files[Index].EndsWith(TEXT("</Layer></MA>"), ESearchCase::CaseSensitive));
		ExpectValid(Files[Index], "a layer file");
	}
}

TEST(ExportFiles, UncheckedRowsAreLeftOutWithoutGaps)
{
	FExportStage Stage;
	UDMXEntityFixtureType* Spot = Stage.AddType(TEXT("Spot"), {TEXT("A"), TEXT("B"), TEXT("C")});
	Stage.AddFixture(Spot, 1, 1, 0, TEXT("First"));
	Stage.AddFixture(Spot, 1, 20, 0, TEXT("Second"));
	Stage.AddFixture(Spot, 1, 40, 1, TEXT("Third"));
	Stage.AddFixture(Spot, 1, 60, 2, TEXT("Fourth"));
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();

	// Unticking one patch row: the others are numbered on without a gap, in every macro.
	FindPatchRow(*Panel, TEXT("Second"))->bIsSelected = false;
	Panel->MarkModesInUse();
	FMADocument Doc(Panel->BuildMAFiles()[0]);
	EXPECT_EQ(Doc.MacroLines(PatchMacro), FLines({"Menu On \"CommandlineResponse\"", "Assign Fixture 1 At Dmx 1.1  /noconfirm",
		"Assign Fixture 2 At Dmx 1.40  /noconfirm", "Assign Fixture 3 At Dmx 1.60  /noconfirm", "Menu Off \"CommandlineResponse\""}));
	EXPECT_EQ(Doc.MacroLineIndices(MoveMacro), Indices(7));
	EXPECT_EQ(Doc.MacroLineIndices(GroupMacro), Indices(7));

	// Unticking the first mode row: the two layer files left are numbered 1 and 2.
	const TSharedPtr<FFixtureModeListItem> FirstRow = Panel->ModeList->Items[0];
	FirstRow->bIsSelected = false;
	Panel->ModeList->OnItemCheckStateChanged();
	const TArray<FString> Files = Panel->BuildMAFiles();
	ASSERT_EQ(Files.Num(), 3);
	Doc = FMADocument(Files[0]);
	const FLines Import = Doc.MacroLines(ImportMacro);
	ASSERT_EQ(Import.size(), 10u);
	EXPECT_EQ(Import[5], "Import \"DO2VOR-LAYER-2\" At 1");
	EXPECT_EQ(Import[6], "Import \"DO2VOR-LAYER-1\" At 1");
	EXPECT_EQ(FMADocument(Files[1]).String("/ma:MA/ma:Layer/@name"), Utf8(Panel->ModeList->Items[1]->GetFixtureTypeName()));
	EXPECT_EQ(FMADocument(Files[2]).String("/ma:MA/ma:Layer/@name"), Utf8(Panel->ModeList->Items[2]->GetFixtureTypeName()));
	// No fixture of the unticked mode is patched, moved or grouped.
	const FString FirstMode = FirstRow->GetDefaultFixtureTypeName();
	for (const std::string& Line : Doc.MacroLines(GroupMacro))
	{
		EXPECT_EQ(Line.find(Utf8(FirstMode)), std::string::npos) << Line;
	}
}

TEST(ExportFiles, PositionsAndRotationsOnTheConsolesStage)
{
	FExportStage Stage;
	UDMXEntityFixtureType* Spot = Stage.AddType(TEXT("Spot"), {TEXT("Std")});
	const TArray<FRotator> Rotations = {FRotator(0.0, 0.0, 0.0), FRotator(0.0, 90.0, 0.0), FRotator(30.0, 0.0, 0.0),
		FRotator(-45.0, 120.0, 10.0), FRotator(10.0, -35.0, 170.0), FRotator(89.0, 45.0, -60.0)};
	for (int32 Index = 0; Index < Rotations.Num(); ++Index)
	{
		Stage.AddFixture(Spot, 1, 1 + Index, 0, FString::Printf(TEXT("R%d"), Index), FTransform(Rotations[Index], FVector(100.0, 200.0, 300.0)));
	}
	// Mirrored by a negative scale: the engine's product takes its matrix path, with the same result.
	Stage.AddFixture(Spot, 1, 100, 0, TEXT("Mirrored"), FTransform(FRotator(0.0, 0.0, 0.0), FVector(100.0, 200.0, 300.0), FVector(-1.0, 1.0, 1.0)));
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	const TArray<FString> Files = Panel->BuildMAFiles();
	const FMADocument Doc(Files[0]);
	const FLines Moves = Doc.MacroLines(MoveMacro);
	ASSERT_EQ(Moves.size(), 2u + 7u + 2u);

	// centimetres to metres, Y turned: (100, 200, 300) cm is 2.00, 1.00, 3.00 on the console.
	EXPECT_EQ(Moves[2].substr(0, 39), "Fixture 1 ; Move3D At 2.00 1.00 3.00 ; ");
	const FMADocument Layer(Files[1]);
	EXPECT_EQ(Layer.String("//ma:Fixture[1]/ma:SubFixture/ma:AbsolutePosition/ma:Location/@x"), "2.00 ");
	EXPECT_EQ(Layer.String("//ma:Fixture[1]/ma:SubFixture/ma:AbsolutePosition/ma:Location/@y"), "1.00 ");
	EXPECT_EQ(Layer.String("//ma:Fixture[1]/ma:SubFixture/ma:AbsolutePosition/ma:Location/@z"), "3.00 ");

	// The console's rotation is the actor's, then a quarter turn about Z (stage), then a half turn about X.
	const FMatrix QuarterTurn = RowsOf(FRotator(0.0, -90.0, 0.0));
	FMatrix HalfTurnX = FMatrix::Identity;
	HalfTurnX.M[1][1] = -1.0;
	HalfTurnX.M[2][2] = -1.0;
	for (int32 Index = 0; Index < Rotations.Num(); ++Index)
	{
		double Location[3];
		double Rotation[3];
		ReadMoveLine(Moves[2 + Index], Location, Rotation);
		EXPECT_NEAR(Location[0], 2.0, 1e-9);
		EXPECT_NEAR(Location[1], 1.0, 1e-9);
		EXPECT_NEAR(Location[2], 3.0, 1e-9);
		// Written as x = Roll, y = Pitch, z = Yaw.
		const FMatrix Written = RowsOf(FRotator(Rotation[1], Rotation[2], Rotation[0]));
		const FMatrix Expected = RowsOf(Rotations[Index]) * QuarterTurn * HalfTurnX;
		for (int32 Row = 0; Row < 3; ++Row)
		{
			for (int32 Col = 0; Col < 3; ++Col)
			{
				EXPECT_NEAR(Written.M[Row][Col], Expected.M[Row][Col], 3e-4) << Moves[2 + Index];
			}
		}
		// The layer file carries the same numbers as the move macro.
		const std::string Fixture = "//ma:Fixture[" + std::to_string(Index + 1) + "]/ma:SubFixture/ma:AbsolutePosition/ma:Rotation/@";
		EXPECT_NEAR(std::stod(Layer.String(Fixture + "x")), Rotation[0], 1e-9);
		EXPECT_NEAR(std::stod(Layer.String(Fixture + "y")), Rotation[1], 1e-9);
		EXPECT_NEAR(std::stod(Layer.String(Fixture + "z")), Rotation[2], 1e-9);
	}
	double Location[3];
	double Mirrored[3];
	ReadMoveLine(Moves[2 + Rotations.Num()], Location, Mirrored);
	EXPECT_NEAR(Location[0], 2.0, 1e-9);
	EXPECT_NEAR(Location[1], 1.0, 1e-9);
	EXPECT_NEAR(std::fabs(Mirrored[0]), 180.0, 1e-9);
	EXPECT_NEAR(Mirrored[2], 90.0, 1e-9);
	ExpectValid(Files[1], "the layer file");
}

TEST(ExportFiles, SharedPatchesDeletedActorsAndGonePatches)
{
	FExportStage Stage;
	UDMXEntityFixtureType* Wash = Stage.AddType(TEXT("Wash"), {TEXT("Std")});
	AActor* Left = Stage.AddFixture(Wash, 3, 1, 0, TEXT("Wash L"), FTransform(FVector(100.0, 0.0, 0.0)));
	UDMXEntityFixturePatch* Shared = Left->FindComponentByClass<UDMXComponent>()->GetFixturePatch();
	AActor* Right = Stage.AddActorOnPatch(Shared, TEXT("Wash R"), FTransform(FVector(500.0, 0.0, 0.0)));
	AActor* Gone = Stage.AddFixture(Wash, 3, 20, 0, TEXT("Wash Gone"), FTransform(FVector(700.0, 700.0, 700.0)));
	AActor* Orphan = Stage.AddFixture(Wash, 3, 40, 0, TEXT("Wash Orphan"));
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	ASSERT_EQ(Panel->Items.Num(), 3) << "actors sharing an address make one row";

	// The shared row exports its first actor until the user picks the other one.
	FLines Moves = FMADocument(Panel->BuildMAFiles()[0]).MacroLines(MoveMacro);
	EXPECT_EQ(Moves[2].substr(0, 38), "Fixture 1 ; Move3D At 0.00 1.00 0.00 ;");
	const TSharedPtr<FFixturePatchListItem> SharedRow = FindPatchRow(*Panel, TEXT("Wash L"));
	ASSERT_TRUE(SharedRow.IsValid());
	SharedRow->bActorChanged = true;
	SharedRow->SelectedActor = Right;
	Moves = FMADocument(Panel->BuildMAFiles()[0]).MacroLines(MoveMacro);
	EXPECT_EQ(Moves[2].substr(0, 38), "Fixture 1 ; Move3D At 0.00 5.00 0.00 ;");

	// A deleted actor is placed at the origin; a row whose patch is gone has no layer to create its
	// fixture, so no macro addresses it either.
	Stage.Session.DestroyActor(Gone);
	Stage.Session.DeleteFixturePatch(Orphan->FindComponentByClass<UDMXComponent>()->GetFixturePatch());
	const TArray<FString> Files = Panel->BuildMAFiles();
	ASSERT_EQ(Files.Num(), 2);
	const FMADocument Doc(Files[0]);
	double Location[3];
	double Rotation[3];
	ReadMoveLine(At(Doc.MacroLines(MoveMacro), 3), Location, Rotation);
	EXPECT_EQ(std::fabs(Location[0]) + std::fabs(Location[1]) + std::fabs(Location[2]), 0.0);
	EXPECT_EQ(Doc.MacroLines(PatchMacro), FLines({"Menu On \"CommandlineResponse\"", "Assign Fixture 1 At Dmx 3.1  /noconfirm",
		"Assign Fixture 2 At Dmx 3.20  /noconfirm", "Menu Off \"CommandlineResponse\""}));
	EXPECT_EQ(Doc.Count("//ma:Macroline[contains(ma:text, 'None')]"), 0) << Utf8(Files[0]);
	EXPECT_EQ(FMADocument(Files[1]).Strings("//ma:Fixture/@fixture_id"), FLines({"1", "2"}));
	for (const FString& File : Files)
	{
		ExpectValid(File, "an exported file");
	}
}

TEST(ExportFiles, HostileNamesAreEscapedAndReadBackUnchanged)
{
	FExportStage Stage;
	const FString Tricky = TEXT("Spot & Wash \"Pro\" <X> 'Y'");
	const FString Accented = TEXT("Projecteur \u00c9clairage L\u00fcfter \u4e2d");
	UDMXEntityFixtureType* TrickyType = Stage.AddType(Tricky, {TEXT("Std & <Fine>")});
	UDMXEntityFixtureType* AccentedType = Stage.AddType(Accented, {TEXT("Mod\u00e9")});
	Stage.AddFixture(TrickyType, 1, 1, 0, TEXT("A"));
	Stage.AddFixture(AccentedType, 1, 30, 0, TEXT("B"));
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	const TSharedPtr<FFixtureModeListItem> AccentedRow = FindModeRow(*Panel, Accented + TEXT(" Mod\u00e9"));
	ASSERT_TRUE(AccentedRow.IsValid());
	AccentedRow->CustomFixtureTypeName = TEXT("Lyre \"B\" & <C> \u00e9t\u00e9");

	const TArray<FString> Files = Panel->BuildMAFiles();
	ASSERT_EQ(Files.Num(), 3);
	for (const FString& File : Files)
	{
		ExpectValid(File, "an exported file with hostile names");
	}
	const FMADocument Doc(Files[0]);
	// A double quote would end the console's quoted name: the command writes it as '.
	EXPECT_EQ(At(Doc.MacroLines(GroupMacro), 2), Utf8(TEXT("Fixture 1 ; Store Group \"Spot & Wash 'Pro' <X> 'Y' Std & <Fine>\" /merge")));
	EXPECT_EQ(At(Doc.MacroLines(GroupMacro), 3), Utf8(TEXT("Fixture 2 ; Store Group \"") + Accented + TEXT(" Mod\u00e9\" /merge")));
	std::vector<std::string> LayerNames;
	std::vector<std::string> FixtureNames;
	for (int32 Index = 1; Index < Files.Num(); ++Index)
	{
		const FMADocument Layer(Files[Index]);
		LayerNames.push_back(Layer.String("/ma:MA/ma:Layer/@name"));
		FixtureNames.push_back(Layer.String("//ma:Fixture/@name"));
	}
	std::sort(LayerNames.begin(), LayerNames.end());
	std::sort(FixtureNames.begin(), FixtureNames.end());
	FLines ExpectedLayers = {Utf8(Tricky + TEXT(" Std & <Fine>")), Utf8(TEXT("Lyre \"B\" & <C> \u00e9t\u00e9"))};
	FLines ExpectedFixtures = {Utf8(Tricky + TEXT(" 1")), Utf8(Accented + TEXT(" 1"))};
	std::sort(ExpectedLayers.begin(), ExpectedLayers.end());
	std::sort(ExpectedFixtures.begin(), ExpectedFixtures.end());
	EXPECT_EQ(LayerNames, ExpectedLayers);
	EXPECT_EQ(FixtureNames, ExpectedFixtures);
}

TEST(ExportFiles, TypesOfTheSameNameShareEachOthersLayers)
{
	FExportStage Stage;
	UDMXEntityFixtureType* First = Stage.AddType(TEXT("Spot"), {TEXT("Std")});
	UDMXEntityFixtureType* Second = Stage.AddType(TEXT("Spot"), {TEXT("Std")});
	Stage.AddFixture(First, 1, 1, 0, TEXT("One"));
	Stage.AddFixture(Second, 1, 20, 0, TEXT("Two"));
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	ASSERT_EQ(Panel->ModeList->Items.Num(), 2) << "two fixture type objects make two mode rows";

	const TArray<FString> Files = Panel->BuildMAFiles();
	ASSERT_EQ(Files.Num(), 3);
	// The match is by name: each of the two layer files lists the checked fixtures of both types.
	for (int32 Index = 1; Index < Files.Num(); ++Index)
	{
		EXPECT_EQ(FMADocument(Files[Index]).Strings("//ma:Fixture/@fixture_id"), FLines({"1", "2"}));
	}
}
