// The "Help/Tutorial" button: a separate, non-modal editor window with the picture and five steps.

#include "ExportTestStage.h"
#include "UEtoGMA/SUEtoGMAHelpDialog.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/SWindow.h"
#include "Widgets/Text/STextBlock.h"
#include "ZORLightEditorStyle.h"

#include "ShownText.h"

#include <gtest/gtest.h>

using namespace ZorTest;

namespace
{
	const TCHAR* const HelpTitle = TEXT("Help/Tutorial");

	/** The names a step puts in single quotes ('Export', 'DO2VOR.xml'), with runs of blanks made one. */
	TArray<FString> QuotedNames(const FString& Step)
	{
		TArray<FString> Parts;
		Step.ParseIntoArray(Parts, TEXT("'"), false);
		TArray<FString> Names;
		for (int32 Index = 1; Index < Parts.Num(); Index += 2)
		{
			FString Name = Parts[Index];
			while (Name.Contains(TEXT("  "), ESearchCase::CaseSensitive))
			{
				Name = Name.Replace(TEXT("  "), TEXT(" "), ESearchCase::CaseSensitive);
			}
			Names.Add(Name);
		}
		return Names;
	}

	TArray<TSharedRef<SWindow>> HelpWindows()
	{
		TArray<TSharedRef<SWindow>> Found;
		for (const TSharedRef<SWindow>& Window : StandIn::GetAddedWindows())
		{
			if (Window->GetTitle().ToString().Equals(HelpTitle, ESearchCase::CaseSensitive))
			{
				Found.Add(Window);
			}
		}
		return Found;
	}
}

TEST(HelpWindow, OpensAWindowWithThePictureAndTheFiveSteps)
{
	FExportStage Stage;
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();
	StandIn::ClearAddedWindows();
	ASSERT_TRUE(ClickButton(Panel, HelpTitle));

	const TArray<TSharedRef<SWindow>> Windows = HelpWindows();
	ASSERT_EQ(Windows.Num(), 1);
	const TSharedRef<SWindow> Window = Windows[0];
	EXPECT_TRUE(Window->IsVisible());
	EXPECT_FALSE(Window->IsModalWindow()) << "the editor stays usable while help is open";
	EXPECT_EQ(FVector2D(Window->GetClientSizeInScreen()), FVector2D(720.0, 520.0));
	EXPECT_TRUE(Window->HasCloseBox());
	EXPECT_FALSE(Window->HasMaximizeBox());
	EXPECT_FALSE(Window->HasMinimizeBox());
	EXPECT_EQ(Window->GetSizingRule(), ESizingRule::UserSized);

	const TSharedRef<SWidget> Content = ConstCastSharedRef<SWidget>(Window->GetContent());
	ASSERT_EQ(StandIn::FindWidgets<SUEtoGMAHelpDialog>(Content).Num(), 1);
	// Five numbered steps, and what they name is what the user finds: the button, the file, the macros.
	const TArray<FString> Steps = StandIn::GetTextBlockTexts(Content);
	ASSERT_EQ(Steps.Num(), 5);
	for (int32 Index = 0; Index < Steps.Num(); ++Index)
	{
		EXPECT_TRUE(Steps[Index].StartsWith(FString::Printf(TEXT("%d."), Index + 1), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Steps[Index]);
	}
	const TArray<FString> Button = QuotedNames(Steps[2]);
	ASSERT_GE(Button.Num(), 1);
	EXPECT_EQ(Shown(Button[0]), TEXT("Export"));
	const FString Folder = Stage.Folder(TEXT("Help"));
	StandIn::AnswerNextFolderDialog(Folder);
	ASSERT_TRUE(ClickButton(Panel, Button[0]));
	EXPECT_EQ(Shown(QuotedNames(Steps[3])), TArray<FShownText>({TEXT("DO2VOR.xml")}));
	EXPECT_TRUE(FPaths::FileExists(Folder + TEXT("/gma2/macros/") + At(QuotedNames(Steps[3]), 0)));
	TArray<FString> Macros;
	for (const std::string& Name : FMADocument::FromFile(MacroPath(Folder)).MacroNames())
	{
		Macros.Add(UTF8_TO_TCHAR(Name.c_str()));
	}
	EXPECT_EQ(Shown(QuotedNames(Steps[4])), Shown(Macros));

	// The picture is the plug-in's "UEtoGMA.Help" brush.
	const TSharedPtr<SImage> Picture = StandIn::FindFirstWidget<SImage>(Content);
	ASSERT_TRUE(Picture.IsValid());
	const FSlateBrush* HelpBrush = FZORLightEditorStyle::Get().GetBrush(TEXT("UEtoGMA.Help"));
	bool bDrawn = false;
	for (const FSlateDrawElement& Element : StandIn::PaintWidget(Picture.ToSharedRef(), FVector2D(400.0, 300.0)))
	{
		bDrawn |= Element.BrushPtr == HelpBrush;
	}
	EXPECT_TRUE(bDrawn);
}

TEST(HelpWindow, EachClickOpensOneMoreIndependentWindow)
{
	FExportStage Stage;
	TSharedPtr<SFixturePatchList> Panel = Stage.OpenPanel();
	StandIn::ClearAddedWindows();
	ASSERT_TRUE(ClickButton(Panel.ToSharedRef(), HelpTitle));
	ASSERT_TRUE(ClickButton(Panel.ToSharedRef(), HelpTitle));
	TArray<TSharedRef<SWindow>> Windows = HelpWindows();
	ASSERT_EQ(Windows.Num(), 2);
	EXPECT_NE(&Windows[0].Get(), &Windows[1].Get());

	Windows[0]->RequestDestroyWindow();
	EXPECT_FALSE(Windows[0]->IsVisible());
	EXPECT_TRUE(Windows[1]->IsVisible());

	// Closing the panel leaves open help windows alone.
	Panel.Reset();
	EXPECT_TRUE(Windows[1]->IsVisible());
	EXPECT_TRUE(StandIn::FindOpenWindow(HelpTitle).IsValid());
}

TEST(HelpWindow, OpensWithAndWithoutTheMainFrameWindow)
{
	FExportStage Stage;
	const TSharedRef<SFixturePatchList> Panel = Stage.OpenPanel();

	// No main frame window: a top-level window.
	StandIn::SetMainFrameWindow(nullptr);
	StandIn::ClearAddedWindows();
	ASSERT_TRUE(ClickButton(Panel, HelpTitle));
	ASSERT_EQ(HelpWindows().Num(), 1);
	EXPECT_TRUE(HelpWindows()[0]->IsVisible());

	// The editor's main window: the help window becomes its child.
	const TSharedRef<SWindow> MainWindow = SNew(SWindow).Title(FText::FromString(TEXT("Unreal Editor")));
	FSlateApplication::Get().AddWindow(MainWindow);
	StandIn::SetMainFrameWindow(MainWindow);
	ASSERT_TRUE(ClickButton(Panel, HelpTitle));
	ASSERT_EQ(HelpWindows().Num(), 2);
	EXPECT_TRUE(HelpWindows()[1]->IsVisible());
	StandIn::SetMainFrameWindow(nullptr);
}
