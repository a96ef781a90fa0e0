#include "PrismWheelTestHelpers.h"

#include "Editor.h"
#include "Framework/Docking/TabManager.h"
#include "IDetailsView.h"
#include "StandInTesting/DetailsDriver.h"
#include "StandInTesting/DialogDriver.h"
#include "Internationalization/Text.h"
#include "Styling/AppStyle.h"
#include "Toolkits/IToolkitHost.h"
#include "UObject/Package.h"
#include "Widgets/SNullWidget.h"
#include "ZORPrismWheelAssetDefinition.h"

using namespace PrismWheelTest;

namespace
{
	class FTestToolkitHost : public IToolkitHost
	{
	public:
		virtual TSharedRef<SWidget> GetParentWidget() override
		{
			return SNullWidget::NullWidget;
		}
		virtual void BringToFront() override
		{
		}
	};

	class PrismWheelEditor : public CanvasTest
	{
	protected:
		const UAssetDefinition& Definition() const
		{
			const UAssetDefinition* Found = StandIn::FindAssetDefinitionFor(UZORPrismWheel::StaticClass());
			check(Found);
			return *Found;
		}

		UZORPrismWheel* NewWheel(const FString& Name)
		{
			return Cast<UZORPrismWheel>(StandIn::CreateAssetWithFactory(StandIn::FindFactoriesFor(UZORPrismWheel::StaticClass())[0], Name));
		}

		FAssetEditorToolkit& OpenEditor(UZORPrismWheel* InWheel)
		{
			TArray<UObject*> Assets;
			Assets.Add(InWheel);
			check(StandIn::OpenAssets(Definition(), Assets));
			return *StandIn::FindAssetEditorsFor(InWheel)[0];
		}

		static FString LocKey(const FText& Text)
		{
			return FTextInspector::GetKey(Text).Get(FString());
		}
		static FString LocNamespace(const FText& Text)
		{
			return FTextInspector::GetNamespace(Text).Get(FString());
		}
	};
}

TEST_F(PrismWheelEditor, TheAssetTypeIsFoundByReflectionWithItsNameClassColourAndCategory)
{
	// One definition for the class, exported from the editor module, and nothing registered it by hand.
	const UAssetDefinition& Found = Definition();
	EXPECT_EQ(Found.GetClass(), UZORPrismWheelAssetDefinition::StaticClass());
	EXPECT_TRUE(Found.GetClass()->IsChildOf(UAssetDefinitionDefault::StaticClass()));

	const FText Name = Found.GetAssetDisplayName();
	EXPECT_EQ(Utf8(Name.ToString()), "ZOR Prism Wheel");
	EXPECT_EQ(Utf8(LocKey(Name)), "ZOR Prism Wheel");
	EXPECT_EQ(Utf8(LocNamespace(Name)), "ZORLightNamespace");
	EXPECT_EQ(Found.GetAssetClass().Get(), UZORPrismWheel::StaticClass());

	const FLinearColor Colour = Found.GetAssetColor();
	EXPECT_NEAR(Colour.R, 0.991102f, 1e-5f);
	EXPECT_NEAR(Colour.G, 0.514918f, 1e-5f);
	EXPECT_NEAR(Colour.B, 0.313989f, 1e-5f);
	EXPECT_EQ(Colour.A, 1.0f);

	const TConstArrayView<FAssetCategoryPath> Categories = Found.GetAssetCategories();
	ASSERT_EQ(Categories.Num(), 1);
	EXPECT_EQ(Utf8(Categories[0].GetCategoryText().ToString()), "DMX");
	EXPECT_EQ(Utf8(LocKey(Categories[0].GetCategoryText())), "DMX");
	EXPECT_FALSE(Categories[0].IsSubCategory());
	EXPECT_EQ(&Found.GetAssetCategories()[0], &Categories[0]);
}

TEST_F(PrismWheelEditor, TheFactoryMakesNewWheelsWithTheRuntimeDefaults)
{
	const TArray<UFactory*> Factories = StandIn::FindFactoriesFor(UZORPrismWheel::StaticClass());
	ASSERT_EQ(Factories.Num(), 1);
	const UFactory* Factory = Factories[0];
	EXPECT_EQ(Factory->GetClass(), UZORPrismWheelFactory::StaticClass());
	EXPECT_TRUE(Factory->bCreateNew);
	EXPECT_FALSE(Factory->bEditAfterNew);
	EXPECT_TRUE(Factory->Formats.IsEmpty());

	UZORPrismWheel* Fresh = NewWheel(TEXT("PW_Fresh"));
	ASSERT_NE(Fresh, nullptr);
	EXPECT_EQ(Utf8(Fresh->GetName()), "PW_Fresh");
	EXPECT_EQ(Utf8(Fresh->GetOutermost()->GetName()), "/Game/PW_Fresh");
	EXPECT_TRUE(Fresh->HasAllFlags((EObjectFlags)(RF_Public | RF_Standalone | RF_Transactional)));
	const UZORPrismWheel* Defaults = UZORPrismWheel::StaticClass()->GetDefaultObject<UZORPrismWheel>();
	EXPECT_EQ(Fresh->FacetteCount, Defaults->FacetteCount);
	EXPECT_EQ(Fresh->FacetteSize, Defaults->FacetteSize);
	EXPECT_EQ(Fresh->bSameSize, Defaults->bSameSize);
	EXPECT_TRUE(Fresh->Facettes.IsEmpty());
	EXPECT_TRUE(Fresh->SelectedCircles.IsEmpty());
}

TEST_F(PrismWheelEditor, OpeningMakesOneEditorPerWheelInRequestOrder)
{
	UZORPrismWheel* Second = NewWheel(TEXT("PW_Second"));
	TArray<UObject*> Assets;
	Assets.Add(Second);
	Assets.Add(UZORPrismWheel::StaticClass()->GetDefaultObject()->GetOutermost());
	Assets.Add(Wheel);
	EXPECT_TRUE(StandIn::OpenAssets(Definition(), Assets));

	const TArray<TSharedRef<FAssetEditorToolkit>> Editors = StandIn::GetOpenAssetEditors();
	ASSERT_EQ(Editors.Num(), 2);
	EXPECT_EQ(Editors[0]->GetEditingObject(), Second);
	EXPECT_EQ(Editors[1]->GetEditingObject(), Wheel);
	EXPECT_EQ(Editors[0]->GetToolkitMode(), EToolkitMode::Standalone);
	EXPECT_EQ(StandIn::FindAssetEditorsFor(Wheel).Num(), 1);

	// A request without a prism wheel opens nothing and is still handled.
	TArray<UObject*> NoWheels;
	NoWheels.Add(GetTransientPackage());
	EXPECT_TRUE(StandIn::OpenAssets(Definition(), NoWheels));
	EXPECT_TRUE(StandIn::OpenAssets(Definition(), TArray<UObject*>()));
	EXPECT_EQ(StandIn::GetOpenAssetEditors().Num(), 2);

	// With a host, the editor opens inside it.
	StandIn::CloseAllAssetEditors();
	TArray<UObject*> One;
	One.Add(Wheel);
	const TSharedPtr<IToolkitHost> Host = MakeShareable(new FTestToolkitHost());
	EXPECT_TRUE(StandIn::OpenAssets(Definition(), One, Host));
	ASSERT_EQ(StandIn::GetOpenAssetEditors().Num(), 1);
	EXPECT_EQ(StandIn::GetOpenAssetEditors()[0]->GetToolkitMode(), EToolkitMode::WorldCentric);
	EXPECT_EQ(StandIn::GetOpenAssetEditors()[0]->GetToolkitHost(), Host);
}

TEST_F(PrismWheelEditor, TheLayoutPutsTheCanvasBesideTheDetailsAboveTheLog)
{
	const FAssetEditorToolkit& Editor = OpenEditor(Wheel);
	EXPECT_EQ(Utf8(Editor.GetAppIdentifier().ToString()), "ZORPrismWheelEditor");
	EXPECT_TRUE(Editor.CreatedDefaultStandaloneMenu());
	EXPECT_TRUE(Editor.CreatedDefaultToolbar());
	EXPECT_FALSE(Editor.IsToolbarFocusable());
	EXPECT_FALSE(Editor.UsesSmallToolbarIcons());
	EXPECT_EQ(Editor.GetMenuRegenerationCount(), 1);

	const TArray<FString> Layout = StandIn::DescribeLayout(Editor);
	ASSERT_EQ(Layout.Num(), 6);
	EXPECT_EQ(Utf8(Layout[0]), "layout ZORPrismWheelEditorLayout");
	EXPECT_EQ(Utf8(Layout[1]), "  area vertical");
	EXPECT_EQ(Utf8(Layout[2]), "    splitter horizontal 0.6");
	EXPECT_EQ(Utf8(Layout[3]), "      stack 0.8: PrismWheelEditorTab (opened)");
	EXPECT_EQ(Utf8(Layout[4]), "      stack 0.2: PrismWheelDetailsTab (opened)");
	// The output log is the engine's own tab, which the stand-in has no module for.
	EXPECT_EQ(Utf8(Layout[5]), "    stack 0.4: OutputLog (opened, no spawner here)");
}

TEST_F(PrismWheelEditor, TheTabsShowTheCanvasAndADetailsViewOfTheWheel)
{
	FAssetEditorToolkit& Editor = OpenEditor(Wheel);
	const TSharedPtr<SDockTab> CanvasTab = StandIn::FindOpenTab(Editor, TEXT("PrismWheelEditorTab"));
	ASSERT_TRUE(CanvasTab.IsValid());
	EXPECT_TRUE(StandIn::FindFirstWidget<SZORPrismWheelWidget>(CanvasTab.ToSharedRef()).IsValid());
	EXPECT_EQ(Utf8(CanvasTab->GetTabLabel().ToString()), "PrismWheelEditor");

	const TSharedPtr<SDockTab> DetailsTab = StandIn::FindOpenTab(Editor, TEXT("PrismWheelDetailsTab"));
	ASSERT_TRUE(DetailsTab.IsValid());
	EXPECT_EQ(Utf8(DetailsTab->GetTabLabel().ToString()), "Details");
	const TSharedRef<IDetailsView> Details = StaticCastSharedRef<IDetailsView>(DetailsTab->GetContent());
	ASSERT_EQ(Details->GetSelectedObjects().Num(), 1);
	EXPECT_EQ(Details->GetSelectedObjects()[0].Get(), Wheel);

	// Closing and reopening a tab makes a new canvas and a new details view.
	ASSERT_TRUE(CanvasTab->RequestCloseTab());
	ASSERT_TRUE(DetailsTab->RequestCloseTab());
	Editor.InvokeTab(FTabId(TEXT("PrismWheelEditorTab")));
	Editor.InvokeTab(FTabId(TEXT("PrismWheelDetailsTab")));
	const TSharedPtr<SDockTab> Reopened = StandIn::FindOpenTab(Editor, TEXT("PrismWheelDetailsTab"));
	ASSERT_TRUE(Reopened.IsValid());
	EXPECT_NE(&Reopened->GetContent().Get(), static_cast<SWidget*>(&Details.Get()));
	EXPECT_TRUE(StandIn::FindOpenTab(Editor, TEXT("PrismWheelEditorTab")).IsValid());
}

TEST_F(PrismWheelEditor, TheWindowMenuListsBothTabsUnderTheirGroup)
{
	FAssetEditorToolkit& Editor = OpenEditor(Wheel);
	const TSharedRef<FTabManager> TabManager = Editor.GetTabManager().ToSharedRef();
	const TArray<TSharedRef<FWorkspaceItem>>& Groups = TabManager->GetLocalWorkspaceMenuRoot()->GetChildItems();
	ASSERT_EQ(Groups.Num(), 1);
	EXPECT_EQ(Utf8(Groups[0]->GetDisplayName().ToString()), "ZOR Prism Wheel Tabs");
	EXPECT_EQ(Utf8(LocKey(Groups[0]->GetDisplayName())), "ZOR Prism Wheel Tabs");
	EXPECT_EQ(Editor.GetWorkspaceMenuCategory(), TSharedPtr<FWorkspaceItem>(Groups[0]));

	const TArray<TSharedRef<FWorkspaceItem>>& Entries = Groups[0]->GetChildItems();
	ASSERT_EQ(Entries.Num(), 2);
	EXPECT_EQ(Utf8(Entries[0]->GetDisplayName().ToString()), "PrismWheelEditor");
	EXPECT_EQ(Utf8(Entries[0]->GetIcon().GetStyleSetName().ToString()), "ZORLightEditorStyle");
	EXPECT_EQ(Utf8(Entries[0]->GetIcon().GetStyleName().ToString()), "Icons.ZORPrismWheel");
	EXPECT_EQ(Utf8(Entries[1]->GetDisplayName().ToString()), "Details");
	EXPECT_EQ(Utf8(LocKey(Entries[1]->GetDisplayName())), "PropertiesTab");
	EXPECT_EQ(Entries[1]->GetIcon().GetStyleSetName(), FAppStyle::GetAppStyleSetName());
	EXPECT_EQ(Utf8(Entries[1]->GetIcon().GetStyleName().ToString()), "LevelEditor.Tabs.Details");

	Editor.UnregisterTabSpawners(TabManager);
	EXPECT_FALSE(TabManager->HasTabSpawner(TEXT("PrismWheelEditorTab")));
	EXPECT_FALSE(TabManager->HasTabSpawner(TEXT("PrismWheelDetailsTab")));
}

TEST_F(PrismWheelEditor, ItsNamesAreTheEditorsOwn)
{
	const FAssetEditorToolkit& Editor = OpenEditor(Wheel);
	EXPECT_EQ(Utf8(Editor.GetToolkitFName().ToString()), "ZOR Prism Wheel Editor");
	EXPECT_EQ(Utf8(Editor.GetEditorName().ToString()), "ZOR Prism Wheel Editor");
	EXPECT_EQ(Utf8(Editor.GetBaseToolkitName().ToString()), "ZOR Prism Wheel Editor");
	EXPECT_TRUE(Editor.GetBaseToolkitName().IsCultureInvariant());
	EXPECT_EQ(Utf8(Editor.GetWorldCentricTabPrefix()), "ZOR Prism Wheel");
	// Hosted in a level editor, its tabs take the content browser's colour of the asset type.
	EXPECT_EQ(Editor.GetWorldCentricTabColorScale(), Definition().GetAssetColor());
}

TEST_F(PrismWheelEditor, EditsOnTheEditorsCanvasUndoAndRedoTheWholeAsset)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	const FWheelState Start = FWheelState::Of(Wheel);

	// Select two, move them, delete one: each edit one step, each undo back to the state before it.
	Click(Canvas, CanvasPoint(0.2, 0.2));
	Click(Canvas, CanvasPoint(0.8, 0.8), true);
	const FWheelState Selected = FWheelState::Of(Wheel);
	Drag(Canvas, CanvasPoint(0.2, 0.2), CanvasPoint(0.2, 0.2) + FVector2D(-30.0, 40.0));
	const FWheelState Moved = FWheelState::Of(Wheel);
	Click(Canvas, CanvasPoint(0.74, 0.88));
	EXPECT_EQ(Selection(), TArray<int32>({ 4 }));
	const FWheelState Reselected = FWheelState::Of(Wheel);
	EXPECT_TRUE(StandIn::KeyDownOn(Canvas, EKeys::Delete).IsEventHandled());
	const FWheelState Deleted = FWheelState::Of(Wheel);

	TArray<FString> Titles = Session.GetUndoTitles();
	ASSERT_EQ(Titles.Num(), 2);
	EXPECT_EQ(Utf8(Titles[0]), "Move Facettes");
	EXPECT_EQ(Utf8(Titles[1]), "Delete");

	ASSERT_TRUE(Session.Undo());
	EXPECT_EQ(FWheelState::Of(Wheel), Reselected);
	ASSERT_TRUE(Session.Undo());
	EXPECT_EQ(FWheelState::Of(Wheel), Selected);
	EXPECT_FALSE(Session.Undo());
	EXPECT_NE(FWheelState::Of(Wheel), Start);
	// Redo brings back what the asset held when the step was undone, as the transaction buffer does.
	ASSERT_TRUE(Session.Redo());
	EXPECT_EQ(FWheelState::Of(Wheel).Facettes.Num(), Moved.Facettes.Num());
	EXPECT_EQ(FWheelState::Of(Wheel), Reselected);
	ASSERT_TRUE(Session.Redo());
	EXPECT_EQ(FWheelState::Of(Wheel), Deleted);
}

TEST_F(PrismWheelEditor, TheDetailsTabTakesTheKeyboardAndItsUnchangedAnswersLeaveNoUndoStep)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	const TSharedPtr<SDockTab> DetailsTab = StandIn::FindOpenTab(*StandIn::FindAssetEditorsFor(Wheel)[0], TEXT("PrismWheelDetailsTab"));
	ASSERT_TRUE(DetailsTab.IsValid());
	const TSharedRef<IDetailsView> Details = StaticCastSharedRef<IDetailsView>(DetailsTab->GetContent());
	const auto Press = [](const FKey& Key)
	{
		return FSlateApplication::Get().ProcessKeyDownEvent(FKeyEvent(Key, FModifierKeysState(), 0, false, 0, 0));
	};

	Click(Canvas, CanvasPoint(0.5, 0.5));
	const FWheelState Before = FWheelState::Of(Wheel);
	Drag(Canvas, CanvasPoint(0.5, 0.5), CanvasPoint(0.6, 0.5));
	ASSERT_NE(FWheelState::Of(Wheel), Before);

	// Cancel on Generate and No on Clear all change nothing: the next undo takes back the move.
	StandIn::AnswerNextMessageDialog(EAppReturnType::Cancel);
	ASSERT_TRUE(StandIn::ClickDetailsButton(*Details, TEXT("Generate")));
	StandIn::AnswerNextMessageDialog(EAppReturnType::No);
	ASSERT_TRUE(StandIn::ClickDetailsButton(*Details, TEXT("Clear all")));
	ASSERT_TRUE(Session.Undo());
	EXPECT_EQ(FWheelState::Of(Wheel), Before);
	EXPECT_FALSE(Session.Undo());

	// The button took the keyboard: the canvas hears no key until it is pressed again.
	EXPECT_FALSE(Canvas->HasKeyboardFocus());
	EXPECT_FALSE(Press(EKeys::Escape));
	EXPECT_FALSE(Press(EKeys::Delete));
	EXPECT_EQ(FWheelState::Of(Wheel), Before);
	Click(Canvas, CanvasPoint(0.5, 0.5));
	EXPECT_TRUE(Press(EKeys::Escape));
	EXPECT_TRUE(Selection().IsEmpty());

	// So does typing into a row.
	Click(Canvas, CanvasPoint(0.5, 0.5));
	FString Error;
	ASSERT_TRUE(StandIn::SetDetailsProperty(*Details, TEXT("FacetteCount"), TEXT("3"), Error)) << Utf8(Error);
	EXPECT_EQ(Wheel->FacetteCount, 3);
	EXPECT_FALSE(Press(EKeys::Delete));
	EXPECT_EQ(Wheel->Facettes.Num(), 5);
	Click(Canvas, CanvasPoint(0.5, 0.5));
	EXPECT_TRUE(Press(EKeys::Delete));
	EXPECT_EQ(Wheel->Facettes.Num(), 4);
}
