#include "ZORPrismWheelThumbnailRenderer.h"

#include "CanvasItem.h"
#include "CanvasTypes.h"
#include "Materials/MaterialInterface.h"
#include "MaterialShared.h"
#include "SceneTypes.h"
#include "ZORPrismWheel.h"

namespace ZORPrismWheelThumbnail
{
	static const TCHAR* BackgroundMaterialPath = TEXT("/ZORLight/Materials/MI_ThumbnailBG");
	static const TCHAR* DiscMaterialPath = TEXT("/ZORLight/Materials/MI_ThumbnailBGCircle");
	static const TCHAR* FacetteMaterialPath = TEXT("/ZORLight/Materials/MI_ThumbnailCircle");

	/** The content browser's usual thumbnail edge; Draw fills whatever size it is handed. */
	static constexpr float DefaultSize = 256.0f;

	/** The three materials a thumbnail is drawn with. */
	struct FMaterials
	{
		UMaterialInterface* Background = nullptr;
		UMaterialInterface* Disc = nullptr;
		UMaterialInterface* Facette = nullptr;

		/** Loads all three; false when one is missing, and the content browser keeps its default thumbnail. */
		bool Load()
		{
			Background = LoadObject<UMaterialInterface>(nullptr, BackgroundMaterialPath);
			Disc = LoadObject<UMaterialInterface>(nullptr, DiscMaterialPath);
			Facette = LoadObject<UMaterialInterface>(nullptr, FacetteMaterialPath);
			return Background != nullptr && Disc != nullptr && Facette != nullptr;
		}
	};
}

bool UZORPrismWheelThumbnailRenderer::CanVisualizeAsset(UObject* Object)
{
	ZORPrismWheelThumbnail::FMaterials Materials;
	const bool bMaterialsLoaded = Materials.Load();

	const UZORPrismWheel* PrismWheel = Cast<UZORPrismWheel>(Object);
	return PrismWheel != nullptr && PrismWheel->Facettes.Num() > 0 && bMaterialsLoaded;
}

void UZORPrismWheelThumbnailRenderer::GetThumbnailSize(UObject* Object, float Zoom, uint32& OutWidth, uint32& OutHeight) const
{
	const uint32 Size = uint32(FMath::Max(0.0f, ZORPrismWheelThumbnail::DefaultSize * Zoom));
	OutWidth = Size;
	OutHeight = Size;
}

void UZORPrismWheelThumbnailRenderer::Draw(UObject* Object, int32 X, int32 Y, uint32 Width, uint32 Height, FRenderTarget* Viewport, FCanvas* Canvas, bool bAdditionalViewFamily)
{
	if (Object == nullptr || Canvas == nullptr)
	{
		return;
	}
	const UZORPrismWheel* PrismWheel = Cast<UZORPrismWheel>(Object);
	if (PrismWheel == nullptr || PrismWheel->Facettes.Num() == 0)
	{
		return;
	}

	ZORPrismWheelThumbnail::FMaterials Materials;
	if (!Materials.Load())
	{
		return;
	}

	// Single precision, so thumbnails come out the same on every machine.
	const float W = float(Width);
	const float H = float(Height);
	const float MarginX = W * 0.08f;
	const float MarginY = H * 0.08f;
	const float InnerX = W * 0.18f;
	const float InnerY = H * 0.18f;
	const float InnerWidth = W - (InnerX + InnerX);
	const float InnerHeight = H - (InnerY + InnerY);

	FCanvasTileItem BackgroundTile(FVector2D(double(X), double(Y)), Materials.Background->GetRenderProxy(), FVector2D(double(Width), double(Height)));
	BackgroundTile.BlendMode = SE_BLEND_Translucent;

	FCanvasTileItem DiscTile(
		FVector2D(double(float(X) + MarginX), double(float(Y) + MarginY)),
		Materials.Disc->GetRenderProxy(),
		FVector2D(double(W - (MarginX + MarginX)), double(H - (MarginY + MarginY))));
	DiscTile.BlendMode = SE_BLEND_Translucent;

	Canvas->DrawItem(BackgroundTile);
	Canvas->DrawItem(DiscTile);

	for (const FPrismWheelFacette& Facette : PrismWheel->Facettes)
	{
		const float CentreX = float(double(float(X) + InnerX) + double(InnerWidth) * Facette.X);
		const float CentreY = float(double(InnerHeight) * Facette.Y + double(float(Y) + InnerY));
		// From the inner width on both axes, so a facette stays a circle on a non-square thumbnail.
		const float FacetteRadius = InnerWidth * Facette.Radius;

		FCanvasTileItem FacetteTile(
			FVector2D(double(CentreX - FacetteRadius), double(CentreY - FacetteRadius)),
			Materials.Facette->GetRenderProxy(),
			FVector2D(double(FacetteRadius + FacetteRadius), double(FacetteRadius + FacetteRadius)));
		FacetteTile.BlendMode = SE_BLEND_Additive;
		Canvas->DrawItem(FacetteTile);
	}
}
