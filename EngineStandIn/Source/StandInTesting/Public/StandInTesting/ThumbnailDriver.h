// Thumbnails as the content browser asks for them: the registered renderer is asked whether it can
// draw the asset and, if so, draws it into a canvas; the tiles can then be read back or painted to a PNG.
#pragma once

#include "CoreMinimal.h"
#include "Math/Vector2D.h"
#include "SceneTypes.h"

class UObject;

namespace StandIn
{
	struct FThumbnailTile
	{
		FVector2D Position;
		FVector2D Size;
		/** The material's object name ("MI_ThumbnailBG"); empty for a tile without a material. */
		FString MaterialName;
		ESimpleElementBlendMode BlendMode = SE_BLEND_Opaque;
	};

	struct FThumbnailDrawing
	{
		/** A custom renderer is registered for the asset's class (or a super class). */
		bool bHasCustomRenderer = false;
		FString RendererClassName;
		/** The renderer's CanVisualizeAsset answer; false means the default thumbnail. */
		bool bCanVisualize = false;
		uint32 Width = 0;
		uint32 Height = 0;
		TArray<FThumbnailTile> Tiles;
	};

	/** Asks the thumbnail manager's renderer for Asset to draw it at (X, Y) into a Width x Height canvas. */
	FThumbnailDrawing DrawThumbnail(UObject* Asset, uint32 Width, uint32 Height, int32 X = 0, int32 Y = 0);

	/** "Translucent", "Additive", ... */
	FString LexBlendMode(ESimpleElementBlendMode BlendMode);

	/**
	 * Paints the tiles with the looks of the plug-in's thumbnail materials (background, disc, facette;
	 * any other material is magenta) and their blend modes, and writes a PNG. False with an error
	 * message when the file cannot be written.
	 */
	bool WriteThumbnailPng(const FThumbnailDrawing& Drawing, const FString& Path, FString& OutError);
}
