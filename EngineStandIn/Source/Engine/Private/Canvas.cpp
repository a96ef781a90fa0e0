#include "CanvasTypes.h"

#include "CanvasItem.h"

FCanvasTileItem::FCanvasTileItem(const FVector2D& InPosition, const FMaterialRenderProxy* InMaterialRenderProxy, const FVector2D& InSize)
	: FCanvasItem(InPosition)
	, Size(InSize)
	, MaterialRenderProxy(InMaterialRenderProxy)
{
}

FCanvasTileItem::FCanvasTileItem(const FVector2D& InPosition, const FMaterialRenderProxy* InMaterialRenderProxy, const FVector2D& InSize, const FVector2D& InUV0, const FVector2D& InUV1)
	: FCanvasItem(InPosition)
	, Size(InSize)
	, UV0(InUV0)
	, UV1(InUV1)
	, MaterialRenderProxy(InMaterialRenderProxy)
{
}

FCanvasTileItem::FCanvasTileItem(const FVector2D& InPosition, const FVector2D& InSize, const FLinearColor& InColor)
	: FCanvasItem(InPosition)
	, Size(InSize)
{
	// A colour tile is translucent by default, as in the engine.
	Color = InColor;
	BlendMode = SE_BLEND_Translucent;
}

void FCanvasTileItem::Draw(FCanvas* InCanvas)
{
	check(InCanvas);
	FCanvas::FStandInTile Tile;
	Tile.Position = Position;
	Tile.Size = Size;
	Tile.UV0 = UV0;
	Tile.UV1 = UV1;
	Tile.MaterialRenderProxy = MaterialRenderProxy;
	Tile.Color = Color;
	Tile.BlendMode = BlendMode;
	InCanvas->AddStandInTile(Tile);
}

FCanvas::FCanvas(FRenderTarget* InRenderTarget, FHitProxyConsumer* InHitProxyConsumer, UWorld* InWorld, ERHIFeatureLevel::Type InFeatureLevel,
	ECanvasDrawMode DrawMode, float InDPIScale)
	: RenderTarget(InRenderTarget)
{
}

FCanvas::~FCanvas()
{
}

void FCanvas::DrawItem(FCanvasItem& Item)
{
	Item.Draw(this);
}

void FCanvas::DrawItem(FCanvasItem& Item, const FVector2D& InPosition)
{
	Item.Draw(this, InPosition);
}

void FCanvas::DrawItem(FCanvasItem& Item, double X, double Y)
{
	Item.Draw(this, X, Y);
}
