// The "Help/Tutorial" button: a separate, non-modal editor window with the picture and five steps.

#include "ExportTestStage.h"
#include "Styling/StyleColors.h"
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

	TArray<FString> ExpectedSteps()
	{
		return {
			TEXT("1.Edit No. : Your grandMA2 Fixture Type  (needs to be imported already)"),
			TEXT("2.Your grandMA2 Fixture Type -> Module: Need to allocate and size."),
			TEXT("3.Click the 'Export' button,Select target folder/drive,Export to folder : Select a folder or USB device(for example: 'Desktop')\n(If the 'gma2' folder structure does not already exist, exporting will automatically create it,and if it exists, it will overwrite the folder and files)"),
			TEXT("4.Open your  grandMA2 ,Setup > Import Export > Import > Macros,Import all macros from 'DO2VOR.xml'file "),
			TEXT("5.Start macro 'DO2VOR import layers','DO2VOR patch fixtures','DO2VOR  move fixtures','DO2VOR create groups' "),
		};
	}

	TArray<TSharedRef<SWindow>> HelpWindows()
	{
		TArray<TSharedRef<SWindow>> Found;
		for (const TSharedRef<SWindow>& Window : StandIn::GetAddedWindows())
		{
			if (Window->GetTitle().ToString() == HelpTitle)
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
	EXPECT_EQ(Shown(StandIn::GetTextBlockTexts(Content)), Shown(ExpectedSteps()));
	for (const TSharedRef<STextBlock>& Step : StandIn::FindWidgets<STextBlock>(Content))
	{
		EXPECT_TRUE(Step->GetAutoWrapText()) << "the steps wrap to the window's width";
		EXPECT_TRUE(Step->GetColorAndOpacity() == FStyleColors::ForegroundHover);
	}

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
