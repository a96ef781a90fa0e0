#include "ZORLightEditorStyle.h"

#include "Brushes/SlateBorderBrush.h"
#include "Brushes/SlateImageBrush.h"
#include "Brushes/SlateRoundedBoxBrush.h"
#include "Framework/Application/SlateApplication.h"
#include "Interfaces/IPluginManager.h"
#include "Materials/MaterialInterface.h"
#include "Misc/Paths.h"
#include "Rendering/SlateRenderer.h"
#include "Styling/SlateStyleRegistry.h"
#include "Styling/SlateTypes.h"
#include "Styling/StyleColors.h"
#include "UObject/UObjectGlobals.h"

TSharedPtr<FSlateStyleSet> FZORLightEditorStyle::StyleInstance_DEPRECATED;

namespace ZORLightEditorStyle
{
	static const FVector2D Icon16x16(16.0, 16.0);
	static const FVector2D Icon20x20(20.0, 20.0);
	static const FVector2D Icon64x64(64.0, 64.0);

	/** An icon of the editor's own Slate content, below the engine content folder. */
	static FString EngineEditorSlateFile(const TCHAR* RelativePath, const TCHAR* Extension)
	{
		return FPaths::Combine(FPaths::EngineContentDir(), TEXT("Editor/Slate"), RelativePath) + Extension;
	}

	static UMaterialInterface* LoadMaterial(const TCHAR* Path)
	{
		return Cast<UMaterialInterface>(StaticLoadObject(UMaterialInterface::StaticClass(), nullptr, Path, nullptr, LOAD_None, nullptr, true));
	}
}

FZORLightEditorStyle::FZORLightEditorStyle()
	: FSlateStyleSet(TEXT("ZORLightEditorStyle"))
{
	using namespace ZORLightEditorStyle;

	const TSharedPtr<IPlugin> Plugin = IPluginManager::Get().FindPlugin(TEXT("ZORLight"));
	if (ensureMsgf(Plugin.IsValid(), TEXT("Cannot find Plugin 'ZORLight' hence cannot set the ZORLightEditorStyle root directory.")))
	{
		SetContentRoot(FPaths::Combine(Plugin->GetBaseDir(), TEXT("Resources/Slate")));
	}
	SetCoreContentRoot(FPaths::Combine(FPaths::EngineContentDir(), TEXT("Slate")));

	// The facette canvas draws with these; without all three it falls back to nothing rather than a mix.
	UMaterialInterface* CircleMaterial = LoadMaterial(TEXT("/ZORLight/Materials/MI_Circle"));
	UMaterialInterface* CircleSelectedMaterial = LoadMaterial(TEXT("/ZORLight/Materials/MI_CircleSelected"));
	UMaterialInterface* BGCircleMaterial = LoadMaterial(TEXT("/ZORLight/Materials/MI_BGCircle"));
	if (CircleMaterial && CircleSelectedMaterial && BGCircleMaterial)
	{
		Set(TEXT("Icons.Circle"), new FSlateBrush(CreateMaterialBrush(CircleMaterial, Icon20x20)));
		Set(TEXT("Icons.CircleSelected"), new FSlateBrush(CreateMaterialBrush(CircleSelectedMaterial, Icon20x20)));
		Set(TEXT("Icons.BGCircle"), new FSlateBrush(CreateMaterialBrush(BGCircleMaterial, Icon20x20)));
	}

	const FLinearColor White(1.0f, 1.0f, 1.0f, 1.0f);

	Set(TEXT("Icons.ZORLightSetting"), new FSlateVectorImageBrush(RootToContentDir(TEXT("ZORLightSetting_20"), TEXT(".svg")), Icon20x20, White));
	Set(TEXT("Icons.ZORPrismWheel"), new FSlateVectorImageBrush(RootToContentDir(TEXT("ZORPrismWheel_20"), TEXT(".svg")), Icon20x20, White));
	Set(TEXT("ClassIcon.ZORPrismWheel"), new FSlateVectorImageBrush(RootToContentDir(TEXT("ZORPrismWheel_16"), TEXT(".svg")), Icon16x16, White));
	Set(TEXT("ClassThumbnail.ZORPrismWheel"), new FSlateVectorImageBrush(RootToContentDir(TEXT("ZORPrismWheel_64"), TEXT(".svg")), Icon64x64, White));
	Set(TEXT("Icons.UEtoGMA"), new FSlateVectorImageBrush(RootToContentDir(TEXT("Icon_20"), TEXT(".svg")), Icon20x20, White));

	Set(TEXT("UEtoGMA.RoundedPropertyBorder"), new FSlateRoundedBoxBrush(FLinearColor::Black, FVector4(4.0, 4.0, 4.0, 4.0)));
	Set(TEXT("UEtoGMA.WhiteRoundedPropertyBorder"), new FSlateRoundedBoxBrush(FLinearColor::White, 2.0f));

	Set(TEXT("Icons.WarningExclamationMark"), new FSlateImageBrush(RootToCoreContentDir(TEXT("Old/Tiles/Outer/alertSolid"), TEXT(".png")), Icon16x16, FStyleColors::Warning, ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor));
	Set(TEXT("Icons.UEtoGMAToolbar.Export"), new FSlateVectorImageBrush(EngineEditorSlateFile(TEXT("Starship/Common/Export"), TEXT(".svg")), Icon20x20, White));
	Set(TEXT("Icons.UEtoGMAToolbar.Refresh"), new FSlateVectorImageBrush(RootToContentDir(TEXT("Refresh"), TEXT(".svg")), Icon20x20, White));
	Set(TEXT("Icons.ResetToDefault"), new FSlateVectorImageBrush(EngineEditorSlateFile(TEXT("Starship/Common/Reset"), TEXT(".svg")), Icon16x16, White));

	const FString SelectionImage = RootToCoreContentDir(TEXT("Common/Selection"), TEXT(".png"));
	const FVector2D SelectionSize(8.0, 8.0);
	FTableRowStyle RowStyle = FTableRowStyle();
	RowStyle
		.SetEvenRowBackgroundBrush(FSlateImageBrush(SelectionImage, SelectionSize, FLinearColor(0.1f, 0.1f, 0.1f, 0.1f), ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor))
		.SetOddRowBackgroundBrush(FSlateImageBrush(SelectionImage, SelectionSize, FLinearColor(0.2f, 0.2f, 0.2f, 0.2f), ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor))
		.SetEvenRowBackgroundHoveredBrush(FSlateImageBrush(SelectionImage, SelectionSize, FLinearColor(0.1f, 0.1f, 0.1f, 0.3f), ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor))
		.SetOddRowBackgroundHoveredBrush(FSlateImageBrush(SelectionImage, SelectionSize, FLinearColor(0.2f, 0.2f, 0.2f, 0.3f), ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor))
		.SetInactiveBrush(FSlateImageBrush(SelectionImage, SelectionSize, FLinearColor(0.3f, 0.3f, 0.3f, 0.5f), ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor))
		.SetInactiveHoveredBrush(FSlateImageBrush(SelectionImage, SelectionSize, FLinearColor(0.3f, 0.3f, 0.3f, 0.7f), ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor))
		.SetActiveBrush(FSlateImageBrush(SelectionImage, SelectionSize, FLinearColor(0.3f, 0.3f, 0.3f, 0.6f), ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor))
		.SetActiveHoveredBrush(FSlateImageBrush(SelectionImage, SelectionSize, FLinearColor(0.3f, 0.3f, 0.3f, 0.8f), ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor))
		.SetSelectorFocusedBrush(FSlateBorderBrush(RootToCoreContentDir(TEXT("Common/Selector"), TEXT(".png")), FMargin(0.25f), FLinearColor(1.0f, 1.0f, 1.0f, 0.7f), ESlateBrushImageType::FullColor));
	Set(TEXT("FixturePatchList.Row"), RowStyle);

	Set(TEXT("UEtoGMA.Help"), new FSlateImageBrush(RootToContentDir(TEXT("UEtoGMAHelp"), TEXT(".png")), FVector2D(538.0, 260.0), White, ESlateBrushTileType::NoTile, ESlateBrushImageType::FullColor));

	FSlateStyleRegistry::RegisterSlateStyle(*this);
}

FZORLightEditorStyle::~FZORLightEditorStyle()
{
	FSlateStyleRegistry::UnRegisterSlateStyle(*this);
}

const FZORLightEditorStyle& FZORLightEditorStyle::Get()
{
	static FZORLightEditorStyle Instance;
	return Instance;
}

FSlateBrush FZORLightEditorStyle::CreateMaterialBrush(UMaterialInterface* Material, const FVector2D& Size)
{
	FSlateBrush Brush;
	Brush.SetResourceObject(Material);
	Brush.ImageSize = FVector2f(Size);
	Brush.DrawAs = ESlateBrushDrawType::Image;
	return Brush;
}

void FZORLightEditorStyle::Initialize()
{
	if (!StyleInstance_DEPRECATED.IsValid())
	{
		StyleInstance_DEPRECATED = MakeShared<FZORLightEditorStyle>();
	}
}

void FZORLightEditorStyle::Shutdown()
{
	if (!ensureMsgf(StyleInstance_DEPRECATED.IsValid(), TEXT("FZORLightEditorStyle::Shutdown called, but StyleInstance wasn't initialized")))
	{
		return;
	}
	FSlateStyleRegistry::UnRegisterSlateStyle(*StyleInstance_DEPRECATED);
	ensure(StyleInstance_DEPRECATED.IsUnique());
	StyleInstance_DEPRECATED.Reset();
}

void FZORLightEditorStyle::ReloadTextures()
{
	if (FSlateApplication::IsInitialized())
	{
		FSlateApplication::Get().GetRenderer()->ReloadTextureResources();
	}
}
