// Export to disk as the user does it: click "Export", answer the folder dialog, then look at the
// files on disk and the notification. Also the failures: a cancelled dialog, no native dialogs, and
// folders that cannot be written (tests run as root, so those are paths below a regular file).

#include "ExportTestStage.h"

#include <gtest/gtest.h>

using namespace ZorTest;

namespace
{
	/** A level of two fixture types, three modes in use, one shared patch and a name that needs escaping. */
	void BuildStage(FExportStage& Stage)
	{
		UDMXEntityFixtureType* Spot = Stage.AddType(TEXT("Spot 575"));
		UDMXEntityFixtureType* Wash = Stage.AddType(TEXT("Wash & Beam"), {TEXT("Basic")});
		Stage.AddFixture(Spot, 1, 1, 0, TEXT("Spot 1"), FTransform(FVector(100.0, 200.0, 300.0)));
		AActor* Spot2 = Stage.AddFixture(Spot, 1, 17, 1, TEXT("Spot 2"));
		Stage.AddActorOnPatch(Spot2->FindComponentByClass<UDMXComponent>()->GetFixturePatch(), TEXT("Spot 2 twin"));
		Stage.AddFixture(Wash, 2, 1, 0, TEXT("Wash 1"));
	}

	/** Makes a regular file where a folder is needed, so that nothing can be written below it. */
	void BlockWithFile(const FString& Path)
	{
		IFileManager::Get().MakeDirectory(*FPaths::GetPath(Path), true);
		ASSERT_TRUE(FFileHelper::SaveStringToFile(FString(TEXT("not a folder")), *Path));
	}

	void ExpectLastNotification(const FString& Text, const TCHAR* Brush)
	{
		const TArray<FShownNotification> Shown = GetNotifications();
		ASSERT_GT(Shown.Num(), 0) << "no notification was shown";
		EXPECT_EQ(Shown.Last().Text, Text);
		EXPECT_EQ(Shown.Last().Brush, Brush);
		EXPECT_FLOAT_EQ(Shown.Last().ExpireDuration, 2.0f);
	}
}

TEST(ExportToDisk, WritesTheMacroAndOneLayerFilePerCheckedModeRow)
{
	FExportStage Stage;
	BuildStage(Stage);
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	const FString Folder = Stage.Folder(TEXT("Show"));
	ClearNotifications();
	StandIn::AnswerNextFolderDialog(Folder);
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));

	// The dialog the user saw.
	ASSERT_EQ(StandIn::GetFolderDialogCount(), 1);
	const StandIn::FFolderDialogRecord Dialog = StandIn::GetLastFolderDialog();
	EXPECT_EQ(Shown(Dialog.Title), TEXT("Choose a directory to save files."));
	EXPECT_EQ(Shown(Dialog.StartFolder), FPaths::ProjectDir());
	EXPECT_EQ(Dialog.ParentWindowHandle, GetBestParentWindowHandleForDialogs());

	// The files, as the text builder made them, byte for byte (plain ASCII here: UTF-8 is the same bytes).
	const TArray<FString> Texts = Panel->BuildMAFiles();
	ASSERT_EQ(Texts.Num(), 4);
	EXPECT_EQ(ReadBytes(MacroPath(Folder)), Utf8(Texts[0]));
	for (int32 Number = 1; Number <= 3; ++Number)
	{
		EXPECT_EQ(ReadBytes(LayerPath(Folder, Number)), Utf8(Texts[Number])) << "layer " << Number;
		const FMAXmlCheck Check = CheckMAXmlFile(LayerPath(Folder, Number));
		EXPECT_TRUE(Check.bValid) << Check.Report();
	}
	EXPECT_FALSE(FPaths::FileExists(LayerPath(Folder, 4)));
	const FMAXmlCheck MacroCheck = CheckMAXmlFile(MacroPath(Folder));
	EXPECT_TRUE(MacroCheck.bValid) << MacroCheck.Report();
	ExpectLastNotification(FString::Printf(TEXT("Successfully exported file to %s."), *Folder), TEXT("Icons.Success"));
	EXPECT_EQ(GetNotifications().Num(), 1);
	EXPECT_EQ(Shown(Panel->LastExportDirectory), Folder);
}

TEST(ExportToDisk, TheDialogOpensAtTheLastFolderWhileItExists)
{
	FExportStage Stage;
	BuildStage(Stage);
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	const FString First = Stage.Folder(TEXT("First"));
	StandIn::AnswerNextFolderDialog(First);
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));

	StandIn::AnswerNextFolderDialog(Stage.Folder(TEXT("Second")));
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));
	EXPECT_EQ(Shown(StandIn::GetLastFolderDialog().StartFolder), First);

	// The folder of the last export was deleted meanwhile: the dialog falls back to the project.
	ASSERT_TRUE(IFileManager::Get().DeleteDirectory(*Stage.Folder(TEXT("Second")), true, true));
	StandIn::CancelNextFolderDialog();
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));
	EXPECT_EQ(Shown(StandIn::GetLastFolderDialog().StartFolder), FPaths::ProjectDir());

	// A new panel (the tab reopened) remembers nothing.
	const TSharedRef<SFixturePatchList> Reopened = Stage.OpenPanel();
	StandIn::CancelNextFolderDialog();
	ASSERT_TRUE(ClickButton(Reopened, TEXT("Export")));
	EXPECT_EQ(Shown(StandIn::GetLastFolderDialog().StartFolder), FPaths::ProjectDir());
}

TEST(ExportToDisk, WithoutACheckedModeRowOnlyTheMacroFileIsWritten)
{
	FExportStage Stage;
	BuildStage(Stage);
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	for (const TSharedPtr<FFixturePatchListItem>& Item : Panel->Items)
	{
		Item->bIsSelected = false;
	}
	Panel->MarkModesInUse();
	const FString Folder = Stage.Folder(TEXT("Empty"));
	ClearNotifications();
	StandIn::AnswerNextFolderDialog(Folder);
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));
	EXPECT_TRUE(FPaths::FileExists(MacroPath(Folder)));
	EXPECT_FALSE(FPaths::DirectoryExists(Folder + TEXT("/gma2/fixture_layers")));
	ExpectLastNotification(FString::Printf(TEXT("Successfully exported file to %s."), *Folder), TEXT("Icons.Success"));
}

TEST(ExportToDisk, NoFolderMeansNothingWritten)
{
	FExportStage Stage;
	BuildStage(Stage);
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	const FString Folder = Stage.Folder(TEXT("Never"));

	// The user cancels the dialog.
	ClearNotifications();
	StandIn::CancelNextFolderDialog();
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));
	EXPECT_EQ(StandIn::GetFolderDialogCount(), 1);
	ExpectLastNotification(TEXT("Failed to get save directory."), TEXT("Icons.Warning"));
	EXPECT_TRUE(Panel->LastExportDirectory.IsEmpty());

	// No native dialogs on this machine: no dialog opens, the same warning.
	StandIn::SetDesktopPlatformAvailable(false);
	StandIn::AnswerNextFolderDialog(Folder);
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));
	EXPECT_EQ(StandIn::GetFolderDialogCount(), 1);
	EXPECT_EQ(GetNotifications().Num(), 2);
	ExpectLastNotification(TEXT("Failed to get save directory."), TEXT("Icons.Warning"));
	EXPECT_FALSE(FPaths::DirectoryExists(Folder));
	StandIn::SetDesktopPlatformAvailable(true);
	StandIn::ResetFolderDialogs();
}

TEST(ExportToDisk, AMacroFileThatCannotBeWrittenStopsTheExportWithAWarning)
{
	FExportStage Stage;
	BuildStage(Stage);
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	const FString Blocked = Stage.Folder(TEXT("Blocked"));
	BlockWithFile(Blocked + TEXT("/gma2/macros"));
	ClearNotifications();
	StandIn::AnswerNextFolderDialog(Blocked);
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));

	ExpectLastNotification(TEXT("Error exported file."), TEXT("Icons.Warning"));
	EXPECT_EQ(GetNotifications().Num(), 1);
	EXPECT_FALSE(FPaths::FileExists(MacroPath(Blocked)));
	EXPECT_FALSE(FPaths::DirectoryExists(Blocked + TEXT("/gma2/fixture_layers"))) << "no layer file is written after the macro file failed";
	EXPECT_TRUE(Panel->LastExportDirectory.IsEmpty());
}

TEST(ExportToDisk, LayerFilesThatCannotBeWrittenAreReportedAndNotRemembered)
{
	FExportStage Stage;
	BuildStage(Stage);
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	const FString Good = Stage.Folder(TEXT("Good"));
	StandIn::AnswerNextFolderDialog(Good);
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));

	const FString Blocked = Stage.Folder(TEXT("NoLayers"));
	BlockWithFile(Blocked + TEXT("/gma2/fixture_layers"));
	ClearNotifications();
	StandIn::AnswerNextFolderDialog(Blocked);
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));
	ExpectLastNotification(TEXT("Error exported file."), TEXT("Icons.Warning"));
	EXPECT_TRUE(FPaths::FileExists(MacroPath(Blocked)));
	EXPECT_EQ(Shown(Panel->LastExportDirectory), Good) << "a failed export does not change the remembered folder";
}

TEST(ExportToDisk, ExistingFilesAreOverwrittenAndHigherLayersLeftInPlace)
{
	FExportStage Stage;
	BuildStage(Stage);
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	const FString Folder = Stage.Folder(TEXT("Again"));
	ASSERT_TRUE(FFileHelper::SaveStringToFile(FString(TEXT("old macro")), *MacroPath(Folder)));
	ASSERT_TRUE(FFileHelper::SaveStringToFile(FString(TEXT("old layer 1")), *LayerPath(Folder, 1)));
	ASSERT_TRUE(FFileHelper::SaveStringToFile(FString(TEXT("old layer 7")), *LayerPath(Folder, 7)));
	StandIn::AnswerNextFolderDialog(Folder);
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));

	const TArray<FString> Texts = Panel->BuildMAFiles();
	EXPECT_EQ(ReadBytes(MacroPath(Folder)), Utf8(Texts[0]));
	EXPECT_EQ(ReadBytes(LayerPath(Folder, 1)), Utf8(Texts[1]));
	EXPECT_EQ(ReadBytes(LayerPath(Folder, 7)), "old layer 7");
}

TEST(ExportToDisk, NamesOutsideAsciiAreWrittenAsUtf8WithoutByteOrderMark)
{
	FExportStage Stage;
	UDMXEntityFixtureType* Type = Stage.AddType(TEXT("Lyre \u00e9t\u00e9 \u4e2d"), {TEXT("Std")});
	Stage.AddFixture(Type, 1, 1, 0, TEXT("One"));
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	const FString Folder = Stage.Folder(TEXT("Utf8"));
	StandIn::AnswerNextFolderDialog(Folder);
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));

	const std::string Layer = ReadBytes(LayerPath(Folder, 1));
	ASSERT_FALSE(Layer.empty());
	EXPECT_EQ(Layer.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0), 0u) << "no byte order mark, no UTF-16";
	EXPECT_NE(Layer.find("name=\"Lyre \xC3\xA9t\xC3\xA9 \xE4\xB8\xAD Std\""), std::string::npos);
	EXPECT_EQ(Layer, Utf8(At(Panel->BuildMAFiles(), 1)));
	const FMAXmlCheck Check = CheckMAXmlFile(LayerPath(Folder, 1));
	EXPECT_TRUE(Check.bValid) << Check.Report();
	const FMAXmlCheck MacroCheck = CheckMAXmlFile(MacroPath(Folder));
	EXPECT_TRUE(MacroCheck.bValid) << MacroCheck.Report();
}

TEST(ExportToDisk, LayerFileNumbersPastNineHavePlainDigits)
{
	// A thousand types, one mode each: the last layer file is number 1000, never "1,000".
	constexpr int32 LayerCount = 1000;
	FExportStage Stage;
	for (int32 Index = 1; Index <= LayerCount; ++Index)
	{
		Stage.AddFixture(Stage.AddType(FString::Printf(TEXT("Type %d"), Index), {TEXT("Std")}), 1 + Index / 500, 1 + Index % 500, 0,
			FString::Printf(TEXT("F%d"), Index));
	}
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	const FString Folder = Stage.Folder(TEXT("Many"));
	StandIn::AnswerNextFolderDialog(Folder);
	ASSERT_TRUE(ClickButton(Panel, TEXT("Export")));
	for (int32 Number : {1, 9, 10, 12, 999, LayerCount})
	{
		EXPECT_TRUE(FPaths::FileExists(LayerPath(Folder, Number))) << Number;
	}
	EXPECT_TRUE(FPaths::FileExists(Folder + TEXT("/gma2/fixture_layers/DO2VOR-LAYER-1000.xml")));
	EXPECT_FALSE(FPaths::FileExists(LayerPath(Folder, LayerCount + 1)));
	const FMADocument Doc = FMADocument::FromFile(MacroPath(Folder));
	// The import commands stand in reverse order right after ChangeDest "Layers.
	EXPECT_EQ(At(Doc.MacroLines("DO2VOR import layers"), 5), "Import \"DO2VOR-LAYER-1000\" At 1");
	EXPECT_EQ(At(Doc.MacroLines("DO2VOR import layers"), 5 + LayerCount - 1), "Import \"DO2VOR-LAYER-1\" At 1");
}
