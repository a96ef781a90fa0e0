#include "PrismWheelDetailsTestHelpers.h"

#include "Styling/AppStyle.h"
#include "StandInTesting/SlateDriver.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Text/STextBlock.h"

using ZORTests::FPrismWheelDetailsTest;

namespace
{
	const UE::StandIn::FDetailsCategoryInfo* FindCategory(const TArray<UE::StandIn::FDetailsCategoryInfo>& Categories, const TCHAR* Name)
	{
		return Categories.FindByPredicate([Name](const UE::StandIn::FDetailsCategoryInfo& Category) { return Category.Name == FName(Name); });
	}

	const FString Lines(const TArray<FString>& Panel)
	{
		return FString::Join(Panel, TEXT("\n"));
	}
}

TEST_F(FPrismWheelDetailsTest, BeforeExpandingOnlyTheButtonRowsOfTheCustomizationShow)
{
	// FastGenerate first, MatrixArrange last, under the names the engine derives.
	const TArray<FString> Panel = StandIn::DescribeDetailsPanel(*DetailsView);
	const TArray<FString> Expected = {
		TEXT("FastGenerate (Fast Generate)"),
		TEXT("  [Generate]"),
		TEXT("  Advanced: 1 hidden"),
		TEXT("Default (Default)"),
		TEXT("  [Clear all]"),
		TEXT("PrismSettings (Prism Settings)"),
		TEXT("  Advanced: 5 hidden"),
		TEXT("RadialArrange (Radial Arrange)"),
		TEXT("  Advanced: 2 hidden"),
		TEXT("MatrixArrange (Matrix Arrange)"),
		TEXT("  Advanced: 4 hidden"),
	};
	EXPECT_EQ(Utf8(Lines(Panel)), Utf8(Lines(Expected)));
}

TEST_F(FPrismWheelDetailsTest, EveryNamedPropertySitsInTheAdvancedSectionOfItsCategoryInOrder)
{
	EXPECT_EQ(StandIn::ExpandAllAdvancedSections(*DetailsView), 4);
	const TArray<UE::StandIn::FDetailsCategoryInfo> Categories = UE::StandIn::GetDetailsCategories(*DetailsView);
	struct FExpected
	{
		const TCHAR* Category;
		TArray<FString> Advanced;
	};
	const FExpected Expected[] = {
		{TEXT("FastGenerate"), {TEXT("FacetteCount")}},
		{TEXT("Default"), {}},
		// The arrays the customization does not name follow, where the asset class puts them.
		{TEXT("PrismSettings"), {TEXT("FacetteSize"), TEXT("bSameSize"), TEXT("BeamAdd"), TEXT("Facettes"), TEXT("SelectedCircles")}},
		{TEXT("RadialArrange"), {TEXT("Radius"), TEXT("Angles")}},
		{TEXT("MatrixArrange"), {TEXT("Cols"), TEXT("Rows"), TEXT("ColSpacing"), TEXT("RowSpacing")}},
	};
	for (const FExpected& Each : Expected)
	{
		SCOPED_TRACE(Utf8(Each.Category));
		const UE::StandIn::FDetailsCategoryInfo* Category = FindCategory(Categories, Each.Category);
		ASSERT_NE(Category, nullptr);
		TArray<FString> Advanced;
		for (const UE::StandIn::FDetailsRowInfo& Row : Category->Rows)
		{
			if (Row.bAdvanced)
			{
				EXPECT_TRUE(Row.bShown);
				EXPECT_FALSE(Row.bCustom);
				Advanced.Add(Row.Name);
			}
		}
		EXPECT_EQ(Utf8(FString::Join(Advanced, TEXT(","))), Utf8(FString::Join(Each.Advanced, TEXT(","))));
	}

	const FString Panel = Lines(StandIn::DescribeDetailsPanel(*DetailsView));
	EXPECT_TRUE(Panel.Contains(TEXT("  Facette Count: 6 (advanced)"), ESearchCase::CaseSensitive)) << Utf8(Panel);
	EXPECT_TRUE(Panel.Contains(TEXT("  Same Size: True (advanced)"), ESearchCase::CaseSensitive)) << Utf8(Panel);
	EXPECT_FALSE(Panel.Contains(TEXT("hidden")));
}

TEST_F(FPrismWheelDetailsTest, AdvancedSectionClosesAgainAndStaysAsLeftWhenThePanelRebuilds)
{
	const TArray<UE::StandIn::FDetailsCategoryInfo> Categories = UE::StandIn::GetDetailsCategories(*DetailsView);
	const UE::StandIn::FDetailsCategoryInfo* Radial = FindCategory(Categories, TEXT("RadialArrange"));
	ASSERT_NE(Radial, nullptr);
	ASSERT_TRUE(Radial->AdvancedExpander.IsValid());
	ASSERT_TRUE(StandIn::ClickWidget(Radial->AdvancedExpander.ToSharedRef()));
	EXPECT_TRUE(Lines(StandIn::DescribeDetailsPanel(*DetailsView)).Contains(TEXT("  Radius: 0.3 (advanced)"), ESearchCase::CaseSensitive))
		<< Utf8(Lines(StandIn::DescribeDetailsPanel(*DetailsView)));

	DetailsView->ForceRefresh();
	EXPECT_EQ(UE::StandIn::GetDetailsLayoutBuildCount(*DetailsView), 2);
	const TArray<UE::StandIn::FDetailsCategoryInfo> Rebuilt = UE::StandIn::GetDetailsCategories(*DetailsView);
	const UE::StandIn::FDetailsCategoryInfo* RadialAgain = FindCategory(Rebuilt, TEXT("RadialArrange"));
	ASSERT_NE(RadialAgain, nullptr);
	EXPECT_TRUE(RadialAgain->bAdvancedExpanded);
	ASSERT_TRUE(StandIn::ClickWidget(RadialAgain->AdvancedExpander.ToSharedRef()));
	EXPECT_TRUE(Lines(StandIn::DescribeDetailsPanel(*DetailsView)).Contains(TEXT("RadialArrange (Radial Arrange)\n  Advanced: 2 hidden"), ESearchCase::CaseSensitive));
}

TEST_F(FPrismWheelDetailsTest, ButtonRowsAreFlatColouredButtonsWithIconAndLabel)
{
	struct FExpected
	{
		const TCHAR* Category;
		const TCHAR* FilterText;
		const TCHAR* Style;
		const TCHAR* Icon;
	};
	const FExpected Expected[] = {
		{TEXT("Default"), TEXT("Clear all"), TEXT("FlatButton.Danger"), TEXT("Icons.Delete")},
		{TEXT("FastGenerate"), TEXT("Generate"), TEXT("FlatButton.Success"), TEXT("Plus")},
	};
	const TArray<UE::StandIn::FDetailsCategoryInfo> Categories = UE::StandIn::GetDetailsCategories(*DetailsView);
	for (const FExpected& Each : Expected)
	{
		SCOPED_TRACE(Utf8(Each.FilterText));
		const UE::StandIn::FDetailsCategoryInfo* Category = FindCategory(Categories, Each.Category);
		ASSERT_NE(Category, nullptr);
		const UE::StandIn::FDetailsRowInfo* Row = Category->Rows.FindByPredicate([](const UE::StandIn::FDetailsRowInfo& Candidate) { return Candidate.bCustom; });
		ASSERT_NE(Row, nullptr);
		EXPECT_FALSE(Row->bAdvanced);
		EXPECT_TRUE(Row->Name.Equals(Each.FilterText, ESearchCase::CaseSensitive)) << Utf8(Row->Name);

		// The whole row is the button.
		ASSERT_TRUE(Row->Widget.IsValid());
		ASSERT_TRUE(StandIn::IsWidgetA<SButton>(*Row->Widget));
		const TSharedRef<SButton> Button = StaticCastSharedRef<SButton>(Row->Widget.ToSharedRef());
		EXPECT_EQ(Button->GetBorderImage(), &FAppStyle::Get().GetWidgetStyle<FButtonStyle>(Each.Style).Normal);
		EXPECT_EQ(Button->GetForegroundColor().GetSpecifiedColor(), FLinearColor::White);

		const TSharedPtr<SImage> Icon = StandIn::FindFirstWidget<SImage>(Row->Widget.ToSharedRef());
		ASSERT_TRUE(Icon.IsValid());
		EXPECT_EQ(UE::StandIn::FSlateWidgetAccess::GetImage(*Icon), FAppStyle::Get().GetBrush(Each.Icon));
		const TArray<FString> Texts = StandIn::GetTextBlockTexts(Row->Widget.ToSharedRef());
		ASSERT_EQ(Texts.Num(), 1);
		EXPECT_TRUE(Texts[0].Equals(Each.FilterText, ESearchCase::CaseSensitive));
	}
}

TEST_F(FPrismWheelDetailsTest, AnotherObjectKeepsTheDefaultLayout)
{
	UPackage* OtherPackage = CreatePackage(TEXT("/Game/Other"));
	UPackage* Other = NewObject<UPackage>(OtherPackage, TEXT("NotAWheel"));
	const TSharedRef<IDetailsView> OtherView = StandIn::CreateDetailsView(Other);
	EXPECT_FALSE(StandIn::ClickDetailsButton(*OtherView, TEXT("Generate")));
	EXPECT_EQ(UE::StandIn::GetDetailsLayoutBuildCount(*OtherView), 0);

	// A deleted wheel gives an empty panel, not a crash.
	const TSharedRef<IDetailsView> Empty = StandIn::CreateDetailsView(nullptr);
	EXPECT_TRUE(StandIn::DescribeDetailsPanel(*Empty).IsEmpty());
}
