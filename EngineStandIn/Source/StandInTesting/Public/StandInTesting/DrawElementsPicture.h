// Pictures of what widgets paint: a list of draw elements rendered into a PNG with cairo, in layer order.
// Boxes take their brush's look (colour brushes and rounded boxes as filled rectangles with the tint,
// the plug-in's materials as the materials look in the editor), lines keep colour and thickness, text is
// drawn line by line in the font's size. It is how the canvas and thumbnails are seen on these machines.
#pragma once

#include "CoreMinimal.h"
#include "Rendering/DrawElementTypes.h"

namespace StandIn
{
	struct FPictureOptions
	{
		/** What shows where nothing is drawn. */
		FLinearColor Background = FLinearColor(0.02f, 0.02f, 0.025f, 1.0f);
	};

	/**
	 * Renders the elements (window space) into a Width x Height PNG at Path; the folder must exist.
	 * False, with the reason in OutError, when the picture cannot be made or written.
	 */
	bool WriteDrawElementsPicture(const TArray<FSlateDrawElement>& Elements, int32 Width, int32 Height, const FString& Path, FString* OutError = nullptr,
		const FPictureOptions& Options = FPictureOptions());

	/** A pixel of a PNG (straight, not premultiplied, 0..1); unset when the file or the pixel is not there. */
	TOptional<FLinearColor> ReadPicturePixel(const FString& Path, int32 X, int32 Y);
	/** The size of a PNG; (0, 0) when it cannot be read. */
	FIntPoint ReadPictureSize(const FString& Path);
}
