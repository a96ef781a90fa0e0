#pragma once

#include "CoreMinimal.h"
#include "Math/Color.h"
#include "Math/Vector2D.h"
#include "SceneTypes.h"

class FCanvas;
class FMaterialRenderProxy;

/** Something a canvas draws: a position, a colour and a blend mode. */
class ENGINE_API FCanvasItem
{
public:
	explicit FCanvasItem(const FVector2D& InPosition)
		: Position(InPosition)
	{
	}
	virtual ~FCanvasItem() = default;

	virtual void Draw(FCanvas* InCanvas) = 0;
	void Draw(FCanvas* InCanvas, const FVector2D& InPosition)
	{
		Position = InPosition;
		Draw(InCanvas);
	}
	void Draw(FCanvas* InCanvas, double X, double Y)
	{
		Draw(InCanvas, FVector2D(X, Y));
	}

	void SetColor(const FLinearColor& InColor)
	{
		Color = InColor;
	}

	FVector2D Position;
	FLinearColor Color = FLinearColor::White;
	ESimpleElementBlendMode BlendMode = SE_BLEND_Opaque;
};

/** A rectangle filled with a material (or a plain colour). */
class ENGINE_API FCanvasTileItem : public FCanvasItem
{
public:
	FCanvasTileItem(const FVector2D& InPosition, const FMaterialRenderProxy* InMaterialRenderProxy, const FVector2D& InSize);
	FCanvasTileItem(const FVector2D& InPosition, const FMaterialRenderProxy* InMaterialRenderProxy, const FVector2D& InSize, const FVector2D& InUV0, const FVector2D& InUV1);
	FCanvasTileItem(const FVector2D& InPosition, const FVector2D& InSize, const FLinearColor& InColor);

	virtual void Draw(FCanvas* InCanvas) override;
	using FCanvasItem::Draw;

	FVector2D Size;
	FVector2D UV0 = FVector2D(0.0, 0.0);
	FVector2D UV1 = FVector2D(1.0, 1.0);
	const FMaterialRenderProxy* MaterialRenderProxy = nullptr;
};
