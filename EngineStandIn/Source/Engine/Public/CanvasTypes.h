// A canvas gathers 2D items for one render target; here it keeps them so they can be read back.
#pragma once

#include "CoreMinimal.h"
#include "CanvasItem.h"

class FRenderTarget;
class FHitProxyConsumer;
class UWorld;

namespace ERHIFeatureLevel
{
	enum Type
	{
		ES3_1,
		SM5,
		SM6,
		Num
	};
}

class ENGINE_API FCanvas
{
public:
	enum ECanvasDrawMode
	{
		CDM_DeferDrawing,
		CDM_ImmediateDrawing
	};

	FCanvas(FRenderTarget* InRenderTarget, FHitProxyConsumer* InHitProxyConsumer, UWorld* InWorld, ERHIFeatureLevel::Type InFeatureLevel,
		ECanvasDrawMode DrawMode = CDM_DeferDrawing, float InDPIScale = 1.0f);
	~FCanvas();

	void DrawItem(FCanvasItem& Item);
	void DrawItem(FCanvasItem& Item, const FVector2D& InPosition);
	void DrawItem(FCanvasItem& Item, double X, double Y);

	FRenderTarget* GetRenderTarget() const
	{
		return RenderTarget;
	}

	/** One tile as it was handed to the canvas. */
	struct FStandInTile
	{
		FVector2D Position;
		FVector2D Size;
		FVector2D UV0;
		FVector2D UV1;
		const FMaterialRenderProxy* MaterialRenderProxy = nullptr;
		FLinearColor Color;
		ESimpleElementBlendMode BlendMode = SE_BLEND_Opaque;
	};
	/** The tiles drawn so far, in drawing order. */
	const TArray<FStandInTile>& GetStandInTiles() const
	{
		return Tiles;
	}
	void AddStandInTile(const FStandInTile& Tile)
	{
		Tiles.Add(Tile);
	}

private:
	FRenderTarget* RenderTarget;
	TArray<FStandInTile> Tiles;
};
