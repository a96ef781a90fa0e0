#include "StandInTesting/ThumbnailDriver.h"

#include "CanvasTypes.h"
#include "MaterialShared.h"
#include "ThumbnailRendering/ThumbnailManager.h"
#include "UnrealClient.h"

#include <cairo.h>
#include <cmath>

namespace StandIn
{
	namespace
	{
		class FThumbnailTarget : public FRenderTarget
		{
		public:
			FThumbnailTarget(uint32 InWidth, uint32 InHeight)
				: Size(int32(InWidth), int32(InHeight))
			{
			}
			virtual FIntPoint GetSizeXY() const override
			{
				return Size;
			}

		private:
			FIntPoint Size;
		};

		FString ObjectNameOf(const FString& PathName)
		{
			FString Package;
			FString Name;
			if (PathName.Split(TEXT("."), &Package, &Name, ESearchCase::CaseSensitive, ESearchDir::FromEnd))
			{
				return Name;
			}
			return PathName;
		}

		void PaintTile(cairo_t* Cairo, const FThumbnailTile& Tile)
		{
			const double X = Tile.Position.X;
			const double Y = Tile.Position.Y;
			const double W = Tile.Size.X;
			const double H = Tile.Size.Y;
			if (W <= 0.0 || H <= 0.0)
			{
				return;
			}

			switch (Tile.BlendMode)
			{
			case SE_BLEND_Additive:
				cairo_set_operator(Cairo, CAIRO_OPERATOR_ADD);
				break;
			case SE_BLEND_Opaque:
				cairo_set_operator(Cairo, CAIRO_OPERATOR_SOURCE);
				break;
			default:
				cairo_set_operator(Cairo, CAIRO_OPERATOR_OVER);
				break;
			}

			auto InscribedEllipse = [Cairo, X, Y, W, H]()
			{
				cairo_save(Cairo);
				cairo_translate(Cairo, X + W * 0.5, Y + H * 0.5);
				cairo_scale(Cairo, W * 0.5, H * 0.5);
				cairo_arc(Cairo, 0.0, 0.0, 1.0, 0.0, 2.0 * M_PI);
				cairo_restore(Cairo);
			};

			if (Tile.MaterialName == TEXT("MI_ThumbnailBG"))
			{
				cairo_rectangle(Cairo, X, Y, W, H);
				cairo_set_source_rgba(Cairo, 0.07, 0.07, 0.08, 1.0);
				cairo_fill(Cairo);
			}
			else if (Tile.MaterialName == TEXT("MI_ThumbnailBGCircle"))
			{
				// The wheel's glass: a dark disc with a lighter rim.
				InscribedEllipse();
				cairo_set_source_rgba(Cairo, 0.18, 0.19, 0.22, 1.0);
				cairo_fill_preserve(Cairo);
				cairo_set_line_width(Cairo, FMath::Max(1.0, W * 0.01));
				cairo_set_source_rgba(Cairo, 0.45, 0.47, 0.52, 1.0);
				cairo_stroke(Cairo);
			}
			else if (Tile.MaterialName == TEXT("MI_ThumbnailCircle"))
			{
				// A facette: light that is brightest in its middle; overlapping facettes add up.
				cairo_pattern_t* Glow = cairo_pattern_create_radial(X + W * 0.5, Y + H * 0.5, 0.0, X + W * 0.5, Y + H * 0.5, FMath::Max(W, H) * 0.5);
				cairo_pattern_add_color_stop_rgba(Glow, 0.0, 1.0, 1.0, 0.95, 0.85);
				cairo_pattern_add_color_stop_rgba(Glow, 1.0, 0.55, 0.65, 0.95, 0.35);
				InscribedEllipse();
				cairo_set_source(Cairo, Glow);
				cairo_fill(Cairo);
				cairo_pattern_destroy(Glow);
			}
			else
			{
				cairo_rectangle(Cairo, X, Y, W, H);
				cairo_set_source_rgba(Cairo, 1.0, 0.0, 1.0, 1.0);
				cairo_fill(Cairo);
			}
		}
	}

	FThumbnailDrawing DrawThumbnail(UObject* Asset, uint32 Width, uint32 Height, int32 X, int32 Y)
	{
		FThumbnailDrawing Drawing;
		Drawing.Width = Width;
		Drawing.Height = Height;
		if (Asset == nullptr)
		{
			return Drawing;
		}

		UThumbnailRenderer* Renderer = nullptr;
		for (const UClass* Class = Asset->GetClass(); Class != nullptr && Renderer == nullptr; Class = Class->GetSuperClass())
		{
			for (const FThumbnailRenderingInfo& Info : UThumbnailManager::Get().GetRenderableThumbnailTypes())
			{
				if (Info.ClassNeedingThumbnail == Class)
				{
					Renderer = Info.Renderer;
					break;
				}
			}
		}
		if (Renderer == nullptr)
		{
			return Drawing;
		}
		Drawing.bHasCustomRenderer = true;
		Drawing.RendererClassName = Renderer->GetClass()->GetName();
		Drawing.bCanVisualize = Renderer->CanVisualizeAsset(Asset);
		if (!Drawing.bCanVisualize)
		{
			return Drawing;
		}

		FThumbnailTarget Target(Width, Height);
		FCanvas Canvas(&Target, nullptr, nullptr, ERHIFeatureLevel::SM5);
		Renderer->Draw(Asset, X, Y, Width, Height, &Target, &Canvas, false);
		for (const FCanvas::FStandInTile& Drawn : Canvas.GetStandInTiles())
		{
			FThumbnailTile& Tile = Drawing.Tiles.AddDefaulted_GetRef();
			Tile.Position = Drawn.Position;
			Tile.Size = Drawn.Size;
			Tile.BlendMode = Drawn.BlendMode;
			if (Drawn.MaterialRenderProxy != nullptr)
			{
				Tile.MaterialName = ObjectNameOf(Drawn.MaterialRenderProxy->GetMaterialName());
			}
		}
		return Drawing;
	}

	FString LexBlendMode(ESimpleElementBlendMode BlendMode)
	{
		switch (BlendMode)
		{
		case SE_BLEND_Opaque:
			return TEXT("Opaque");
		case SE_BLEND_Masked:
			return TEXT("Masked");
		case SE_BLEND_Translucent:
			return TEXT("Translucent");
		case SE_BLEND_Additive:
			return TEXT("Additive");
		case SE_BLEND_Modulate:
			return TEXT("Modulate");
		case SE_BLEND_AlphaComposite:
			return TEXT("AlphaComposite");
		case SE_BLEND_AlphaBlend:
			return TEXT("AlphaBlend");
		default:
			return FString::Printf(TEXT("BlendMode%d"), int32(BlendMode));
		}
	}

	bool WriteThumbnailPng(const FThumbnailDrawing& Drawing, const FString& Path, FString& OutError)
	{
		if (Drawing.Width == 0 || Drawing.Height == 0)
		{
			OutError = TEXT("the thumbnail has no size");
			return false;
		}
		cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, int(Drawing.Width), int(Drawing.Height));
		cairo_t* Cairo = cairo_create(Surface);
		for (const FThumbnailTile& Tile : Drawing.Tiles)
		{
			PaintTile(Cairo, Tile);
		}
		cairo_destroy(Cairo);
		cairo_surface_flush(Surface);
		const cairo_status_t Status = cairo_surface_write_to_png(Surface, TCHAR_TO_UTF8(*Path));
		cairo_surface_destroy(Surface);
		if (Status != CAIRO_STATUS_SUCCESS)
		{
			OutError = FString(UTF8_TO_TCHAR(cairo_status_to_string(Status)));
			return false;
		}
		return true;
	}
}
