#include "ZORLightEditorStyle.h"

#include "GameFramework/Actor.h"
#include "StandInTesting/ListDriver.h"
#include "UEtoGMA/SFixtureModeList.h"
#include "UEtoGMA/SFixtureModeListRow.h"
#include "UEtoGMA/SFixturePatchList.h"
#include "Widgets/Views/ITableRow.h"

#include "Brushes/SlateImageBrush.h"
#include "Framework/Application/SlateApplication.h"
#include "Materials/MaterialInterface.h"
#include "Misc/Paths.h"
#include "StandIn/ProjectsHooks.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/SlateDriver.h"
#include "Styling/SlateStyleRegistry.h"
#include "Styling/SlateTypes.h"
#include "Styling/StyleColors.h"
#include "UObject/UObjectGlobals.h"

#include "ShownText.h"

#include <gtest/gtest.h>

namespace
{
	const FName StyleSetName(TEXT("ZORLightEditorStyle"));

	const TCHAR* const MaterialKeys[] = {TEXT("Icons.Circle"), TEXT("Icons.CircleSelected"), TEXT("Icons.BGCircle")};

	const TCHAR* const OtherKeys[] = {
		TEXT("Icons.ZORLightSetting"),
		TEXT("Icons.ZORPrismWheel"),
		TEXT("ClassIcon.ZORPrismWheel"),
		TEXT("ClassThumbnail.ZORPrismWheel"),
		TEXT("Icons.UEtoGMA"),
		TEXT("UEtoGMA.RoundedPropertyBorder"),
		TEXT("UEtoGMA.WhiteRoundedPropertyBorder"),
		TEXT("Icons.WarningExclamationMark"),
		TEXT("Icons.UEtoGMAToolbar.Export"),
		TEXT("Icons.UEtoGMAToolbar.Refresh"),
		TEXT("Icons.ResetToDefault"),
		TEXT("FixturePatchList.Row"),
		TEXT("UEtoGMA.Help"),
	};

	TSet<FName> KeysOf(const ISlateStyle& Style)
	{
		return Style.GetStyleKeys();
	}

	TSet<FName> ExpectedKeys(bool bWithMaterials)
	{
		TSet<FName> Keys;
		if (bWithMaterials)
		{
			for (const TCHAR* Key : MaterialKeys)
			{
				Keys.Add(FName(Key));
			}
		}
		for (const TCHAR* Key : OtherKeys)
		{
			Keys.Add(FName(Key));
		}
		return Keys;
	}

	FString PluginSlateDir()
	{
		return FPaths::Combine(FString(TEXT(ZOR_PLUGIN_DIR)), TEXT("Resources/Slate"));
	}

	/**
	 * A style set of its own for one test. The process-wide one from Get() may already be registered
	 * under the same name; it steps aside while the test's instance lives and comes back afterwards.
	 */
	class FOwnStyleScope
	{
	public:
		FOwnStyleScope()
			: bProcessStyleWasRegistered(FSlateStyleRegistry::FindSlateStyle(StyleSetName) != nullptr)
		{
			if (bProcessStyleWasRegistered)
			{
				FSlateStyleRegistry::UnRegisterSlateStyle(StyleSetName);
			}
		}

		~FOwnStyleScope()
		{
			if (bProcessStyleWasRegistered && FSlateStyleRegistry::FindSlateStyle(StyleSetName) == nullptr)
			{
				FSlateStyleRegistry::RegisterSlateStyle(FZORLightEditorStyle::Get());
			}
		}

	private:
		bool bProcessStyleWasRegistered;
	};
}

TEST(StyleSet, FirstUseRegistersAllSixteenKeys)
{
	StandIn::FEditorSession Session;
	Session.StartPlugin();

	const ISlateStyle* Registered = FSlateStyleRegistry::FindSlateStyle(StyleSetName);
	ASSERT_NE(Registered, nullptr);
	EXPECT_EQ(Registered, &FZORLightEditorStyle::Get());
	const TSet<FName> Keys = KeysOf(*Registered);
	EXPECT_EQ(Keys.Num(), 16);
	for (const FName& Key : ExpectedKeys(true))
	{
		EXPECT_TRUE(Keys.Contains(Key)) << TCHAR_TO_UTF8(*Key.ToString());
	}
}

TEST(StyleSet, PluginImagesAreFilesOfThePlugin)
{
	StandIn::FEditorSession Session;
	const FZORLightEditorStyle& Style = FZORLightEditorStyle::Get();

	struct FExpectedImage
	{
		const TCHAR* Key;
		const TCHAR* File;
		float Size;
		ESlateBrushImageType::Type ImageType;
	};
	const FExpectedImage Images[] = {
		{TEXT("Icons.ZORLightSetting"), TEXT("ZORLightSetting_20.svg"), 20.0f, ESlateBrushImageType::Vector},
		{TEXT("Icons.ZORPrismWheel"), TEXT("ZORPrismWheel_20.svg"), 20.0f, ESlateBrushImageType::Vector},
		{TEXT("ClassIcon.ZORPrismWheel"), TEXT("ZORPrismWheel_16.svg"), 16.0f, ESlateBrushImageType::Vector},
		{TEXT("ClassThumbnail.ZORPrismWheel"), TEXT("ZORPrismWheel_64.svg"), 64.0f, ESlateBrushImageType::Vector},
		{TEXT("Icons.UEtoGMA"), TEXT("Icon_20.svg"), 20.0f, ESlateBrushImageType::Vector},
		{TEXT("Icons.UEtoGMAToolbar.Refresh"), TEXT("Refresh.svg"), 20.0f, ESlateBrushImageType::Vector},
	};
	for (const FExpectedImage& Image : Images)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Image.Key));
		const FSlateBrush* Brush = Style.GetBrush(Image.Key);
		ASSERT_NE(Brush, nullptr);
		const FString Path = Brush->GetResourceName().ToString();
		EXPECT_EQ(Shown(FPaths::ConvertRelativePathToFull(Path)), FPaths::ConvertRelativePathToFull(FPaths::Combine(PluginSlateDir(), Image.File)));
		// The editor would show the missing-image checkerboard for a path that is not there.
		EXPECT_TRUE(FPaths::FileExists(Path)) << TCHAR_TO_UTF8(*Path);
		EXPECT_EQ(Brush->GetDrawType(), ESlateBrushDrawType::Image);
		EXPECT_EQ(Brush->GetImageType(), Image.ImageType);
		EXPECT_EQ(Brush->GetTiling(), ESlateBrushTileType::NoTile);
		EXPECT_EQ(FVector2f(Brush->GetImageSize()), FVector2f(Image.Size, Image.Size));
		EXPECT_EQ(Brush->TintColor.GetSpecifiedColor(), FLinearColor(1.0f, 1.0f, 1.0f, 1.0f));
	}

	const FSlateBrush* Help = Style.GetBrush(TEXT("UEtoGMA.Help"));
	ASSERT_NE(Help, nullptr);
	EXPECT_EQ(FVector2f(Help->GetImageSize()), FVector2f(538.0f, 260.0f));
	EXPECT_EQ(Help->GetImageType(), ESlateBrushImageType::FullColor);
	EXPECT_EQ(Shown(Help->GetResourceName().ToString()), FPaths::Combine(Style.GetContentRootDir(), TEXT("UEtoGMAHelp.png")));
	EXPECT_TRUE(FPaths::FileExists(Help->GetResourceName().ToString()));
}

TEST(StyleSet, EngineImagesAndBoxes)
{
	StandIn::FEditorSession Session;
	const FZORLightEditorStyle& Style = FZORLightEditorStyle::Get();
	const FString EngineContent = FPaths::EngineContentDir();

	const FSlateBrush* Export = Style.GetBrush(TEXT("Icons.UEtoGMAToolbar.Export"));
	EXPECT_EQ(Shown(Export->GetResourceName().ToString()), FPaths::Combine(EngineContent, TEXT("Editor/Slate"), TEXT("Starship/Common/Export")) + TEXT(".svg"));
	EXPECT_EQ(FVector2f(Export->GetImageSize()), FVector2f(20.0f, 20.0f));

	const FSlateBrush* Reset = Style.GetBrush(TEXT("Icons.ResetToDefault"));
	EXPECT_EQ(Shown(Reset->GetResourceName().ToString()), FPaths::Combine(EngineContent, TEXT("Editor/Slate"), TEXT("Starship/Common/Reset")) + TEXT(".svg"));
	EXPECT_EQ(FVector2f(Reset->GetImageSize()), FVector2f(16.0f, 16.0f));

	const FSlateBrush* Warning = Style.GetBrush(TEXT("Icons.WarningExclamationMark"));
	EXPECT_EQ(Shown(Warning->GetResourceName().ToString()), FPaths::Combine(EngineContent, TEXT("Slate"), TEXT("Old/Tiles/Outer/alertSolid")) + TEXT(".png"));
	EXPECT_EQ(FVector2f(Warning->GetImageSize()), FVector2f(16.0f, 16.0f));
	EXPECT_EQ(Warning->GetImageType(), ESlateBrushImageType::FullColor);
	EXPECT_TRUE(Warning->TintColor == FStyleColors::Warning);

	const FSlateBrush* Rounded = Style.GetBrush(TEXT("UEtoGMA.RoundedPropertyBorder"));
	EXPECT_EQ(Rounded->GetDrawType(), ESlateBrushDrawType::RoundedBox);
	EXPECT_EQ(Rounded->TintColor.GetSpecifiedColor(), FLinearColor::Black);
	EXPECT_EQ(Rounded->OutlineSettings.CornerRadii, FVector4(4.0, 4.0, 4.0, 4.0));
	EXPECT_EQ(Rounded->OutlineSettings.Width, 0.0f);

	const FSlateBrush* WhiteRounded = Style.GetBrush(TEXT("UEtoGMA.WhiteRoundedPropertyBorder"));
	EXPECT_EQ(WhiteRounded->GetDrawType(), ESlateBrushDrawType::RoundedBox);
	EXPECT_EQ(WhiteRounded->TintColor.GetSpecifiedColor(), FLinearColor::White);
	EXPECT_EQ(WhiteRounded->OutlineSettings.CornerRadii, FVector4(2.0, 2.0, 2.0, 2.0));
	EXPECT_EQ(WhiteRounded->OutlineSettings.Width, 0.0f);
}

TEST(StyleSet, ModeListRowsAlternateAndLightUpUnderTheMouse)
{
	StandIn::FEditorSession Session;
	Session.StartPlugin();
	UDMXEntityFixtureType* Type = Session.AddFixtureType(TEXT("Spot"), {TEXT("Standard"), TEXT("Extended")});
	for (int32 Mode = 0; Mode < 2; ++Mode)
	{
		AActor* Actor = Session.SpawnActor<AActor>(FString::Printf(TEXT("Spot %d"), Mode + 1));
		Session.AddDMXComponent(Actor, Session.AddFixturePatch(Type, 1, 1 + 20 * Mode, Mode));
	}
	const TSharedRef<SFixturePatchList> Panel = SNew(SFixturePatchList);
	const TArray<TSharedRef<ITableRow>> Rows = StandIn::GetListRows(*Panel->ModeList->ListView);
	ASSERT_EQ(Rows.Num(), 2);

	// The rows the user sees take the plug-in's row style.
	const FTableRowStyle& PluginRow = FZORLightEditorStyle::Get().GetWidgetStyle<FTableRowStyle>(TEXT("FixturePatchList.Row"));
	for (const TSharedRef<ITableRow>& Row : Rows)
	{
		const SFixtureModeListRow& Widget = static_cast<const SFixtureModeListRow&>(Row->AsWidget().Get());
		EXPECT_EQ(Widget.GetStyle(), &PluginRow);
	}

	// Neighbouring rows are told apart, a row under the mouse stands out, a selected one more so when hovered.
	auto Alpha = [](const FSlateBrush& Brush)
	{
		return Brush.TintColor.GetSpecifiedColor().A;
	};
	EXPECT_NE(PluginRow.EvenRowBackgroundBrush.TintColor.GetSpecifiedColor(), PluginRow.OddRowBackgroundBrush.TintColor.GetSpecifiedColor());
	EXPECT_GT(Alpha(PluginRow.EvenRowBackgroundHoveredBrush), Alpha(PluginRow.EvenRowBackgroundBrush));
	EXPECT_GT(Alpha(PluginRow.OddRowBackgroundHoveredBrush), Alpha(PluginRow.OddRowBackgroundBrush));
	EXPECT_GT(Alpha(PluginRow.ActiveHoveredBrush), Alpha(PluginRow.ActiveBrush));
	EXPECT_GT(Alpha(PluginRow.InactiveHoveredBrush), Alpha(PluginRow.InactiveBrush));
	// Every background is an image the engine ships, so nothing shows the missing-image pattern.
	for (const FSlateBrush* Brush : {&PluginRow.EvenRowBackgroundBrush, &PluginRow.OddRowBackgroundBrush, &PluginRow.ActiveBrush,
			&PluginRow.InactiveBrush, &PluginRow.SelectorFocusedBrush})
	{
		EXPECT_TRUE(Brush->GetResourceName().ToString().StartsWith(FPaths::EngineContentDir(), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Brush->GetResourceName().ToString());
	}
}

TEST(StyleSet, MaterialBrushesDrawThePluginMaterials)
{
	StandIn::FEditorSession Session;
	// An instance built in this session: the materials belong to the session's content.
	FOwnStyleScope Scope;
	const FZORLightEditorStyle Style;

	const TCHAR* const Paths[] = {TEXT("/ZORLight/Materials/MI_Circle"), TEXT("/ZORLight/Materials/MI_CircleSelected"), TEXT("/ZORLight/Materials/MI_BGCircle")};
	for (int32 Index = 0; Index < 3; ++Index)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(MaterialKeys[Index]));
		UObject* Material = StaticLoadObject(UMaterialInterface::StaticClass(), nullptr, Paths[Index]);
		ASSERT_NE(Material, nullptr);
		const FSlateBrush* Brush = Style.GetBrush(MaterialKeys[Index]);
		ASSERT_NE(Brush, nullptr);
		EXPECT_EQ(Brush->GetResourceObject(), Material);
		EXPECT_EQ(Brush->GetDrawType(), ESlateBrushDrawType::Image);
		EXPECT_EQ(FVector2f(Brush->GetImageSize()), FVector2f(20.0f, 20.0f));
	}
}

TEST(StyleSet, MaterialBrushIsAnImageOfTheMaterialAtItsSize)
{
	StandIn::FEditorSession Session;
	UMaterialInterface* Material = Cast<UMaterialInterface>(StaticLoadObject(UMaterialInterface::StaticClass(), nullptr, TEXT("/ZORLight/Materials/MI_Circle")));
	ASSERT_NE(Material, nullptr);

	const FSlateBrush Brush = FZORLightEditorStyle::CreateMaterialBrush(Material, FVector2D(33.5, 12.0));
	EXPECT_EQ(Brush.GetResourceObject(), Material);
	EXPECT_EQ(FVector2f(Brush.GetImageSize()), FVector2f(33.5f, 12.0f));
	EXPECT_EQ(Brush.GetDrawType(), ESlateBrushDrawType::Image);
}

TEST(StyleSet, WithoutThePluginMaterialsThirteenKeys)
{
	StandIn::FEditorSessionOptions Options;
	Options.bPluginContent = false;
	StandIn::FEditorSession Session(Options);
	FOwnStyleScope Scope;
	{
		FZORLightEditorStyle Style;
		const ISlateStyle* Registered = FSlateStyleRegistry::FindSlateStyle(StyleSetName);
		ASSERT_EQ(Registered, &Style);
		const TSet<FName> Keys = KeysOf(*Registered);
		EXPECT_EQ(Keys.Num(), 13);
		for (const TCHAR* Key : MaterialKeys)
		{
			EXPECT_FALSE(Keys.Contains(FName(Key))) << TCHAR_TO_UTF8(Key);
		}
		EXPECT_EQ(Session.GetEnsureCount(), 0);
	}
	// The instance takes itself out of the registry when it goes.
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(StyleSetName), nullptr);
}

TEST(StyleSet, PluginNotFoundRaisesAnEnsureAndKeepsEngineImages)
{
	StandIn::FEditorSession Session;
	UE::StandIn::RemovePlugin(TEXT("ZORLight"));
	FOwnStyleScope Scope;

	FZORLightEditorStyle Style;
	EXPECT_EQ(Session.GetEnsureCount(), 1);
	EXPECT_TRUE(Session.HasLogLine(TEXT("Cannot find Plugin 'ZORLight' hence cannot set the ZORLightEditorStyle root directory."), ELogVerbosity::Error));
	// Construction carries on: every key is there, only the plug-in's own files have no folder.
	EXPECT_EQ(KeysOf(Style).Num(), 16);
	EXPECT_TRUE(Style.GetContentRootDir().IsEmpty());
	const FString SettingIcon = Style.GetBrush(TEXT("Icons.ZORLightSetting"))->GetResourceName().ToString();
	EXPECT_FALSE(SettingIcon.Contains(TEXT("Resources/Slate"))) << TCHAR_TO_UTF8(*SettingIcon);
	EXPECT_EQ(Shown(Style.GetBrush(TEXT("Icons.ResetToDefault"))->GetResourceName().ToString()),
		FPaths::Combine(FPaths::EngineContentDir(), TEXT("Editor/Slate"), TEXT("Starship/Common/Reset")) + TEXT(".svg"));
}

TEST(StyleSet, InitializeAndShutdownManageTheirOwnInstance)
{
	StandIn::FEditorSession Session;
	FOwnStyleScope Scope;

	// Shut down before anything was initialized: an ensure, nothing else.
	FZORLightEditorStyle::Shutdown();
	EXPECT_EQ(Session.GetEnsureCount(), 1);
	EXPECT_TRUE(Session.HasLogLine(TEXT("FZORLightEditorStyle::Shutdown called, but StyleInstance wasn't initialized"), ELogVerbosity::Error));

	FZORLightEditorStyle::Initialize();
	const ISlateStyle* Registered = FSlateStyleRegistry::FindSlateStyle(StyleSetName);
	ASSERT_NE(Registered, nullptr);
	EXPECT_EQ(KeysOf(*Registered).Num(), 16);

	// A second Initialize keeps the first instance.
	FZORLightEditorStyle::Initialize();
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(StyleSetName), Registered);

	FZORLightEditorStyle::Shutdown();
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(StyleSetName), nullptr);
	EXPECT_EQ(Session.GetEnsureCount(), 1);
}

TEST(StyleSet, ReloadTexturesAsksTheRendererOnlyWhileSlateRuns)
{
	StandIn::FEditorSession Session;
	ASSERT_TRUE(FSlateApplication::IsInitialized());
	const int32 Before = StandIn::GetTextureReloadCount();
	FZORLightEditorStyle::ReloadTextures();
	EXPECT_EQ(StandIn::GetTextureReloadCount(), Before + 1);

	// Without a Slate application there is no renderer to ask; reaching for one would stop in a check.
	StandIn::StopSlateApplication();
	ASSERT_FALSE(FSlateApplication::IsInitialized());
	FZORLightEditorStyle::ReloadTextures();
	EXPECT_FALSE(FSlateApplication::IsInitialized());
}

TEST(StyleSet, OneOrTwoPluginMaterialsMissingGiveNoMaterialBrushes)
{
	const TCHAR* const Paths[] = {TEXT("/ZORLight/Materials/MI_Circle"), TEXT("/ZORLight/Materials/MI_CircleSelected"), TEXT("/ZORLight/Materials/MI_BGCircle")};
	// Each single material missing, then each pair: the canvas gets all three brushes or none, never a mix.
	const TArray<TArray<int32>> Missing = {{0}, {1}, {2}, {0, 1}, {0, 2}, {1, 2}};
	for (const TArray<int32>& Gone : Missing)
	{
		StandIn::FEditorSession Session;
		FString What;
		for (const int32 Index : Gone)
		{
			UObject* Material = StaticLoadObject(UMaterialInterface::StaticClass(), nullptr, Paths[Index]);
			ASSERT_NE(Material, nullptr);
			// As the editor's delete of the asset: it can no longer be loaded.
			Material->MarkAsGarbage();
			What += FString(Paths[Index]) + TEXT(" ");
		}
		SCOPED_TRACE(TCHAR_TO_UTF8(*What));
		FOwnStyleScope Scope;
		const FZORLightEditorStyle Style;
		const TSet<FName> Keys = KeysOf(Style);
		EXPECT_EQ(Keys.Num(), 13);
		for (const TCHAR* Key : MaterialKeys)
		{
			EXPECT_FALSE(Keys.Contains(FName(Key))) << TCHAR_TO_UTF8(Key);
		}
		EXPECT_EQ(Session.GetEnsureCount(), 0);
	}
}
