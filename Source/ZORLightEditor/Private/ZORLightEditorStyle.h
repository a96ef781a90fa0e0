#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateStyle.h"

class UMaterialInterface;

/**
 * The plug-in's icons, brushes and patch-list row style, registered as "ZORLightEditorStyle".
 * Built on the first Get() and kept until the process exits.
 */
class FZORLightEditorStyle : public FSlateStyleSet
{
public:
	FZORLightEditorStyle();
	virtual ~FZORLightEditorStyle() override;

	static const FZORLightEditorStyle& Get();

	/** An image brush that draws the material at the given size. */
	static FSlateBrush CreateMaterialBrush(UMaterialInterface* Material, const FVector2D& Size);

	// Kept for code that still manages its own instance; nothing in the plug-in calls these.
	static void Initialize();
	static void Shutdown();
	static void ReloadTextures();

private:
	static TSharedPtr<FSlateStyleSet> StyleInstance_DEPRECATED;
};
