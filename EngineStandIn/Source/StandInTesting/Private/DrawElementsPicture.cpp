#include "StandInTesting/DrawElementsPicture.h"

#include "Algo/StableSort.h"
#include "Styling/SlateBrush.h"
#include "UObject/Object.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace StandIn
{
	namespace
	{
		/** How the plug-in's materials look on a canvas: what the editor's material instances show. */
		enum class EMaterialLook : uint8
		{
			DarkDisc,
			DarkTile,
			Ring,
			FilledRing,
			Glow,
			Unknown,
		};

		EMaterialLook GetMaterialLook(const FString& MaterialName)
		{
			if (MaterialName == TEXT("MI_BGCircle") || MaterialName == TEXT("MI_ThumbnailBGCircle"))
			{
				return EMaterialLook::DarkDisc;
			}
			if (MaterialName == TEXT("MI_ThumbnailBG"))
			{
				return EMaterialLook::DarkTile;
			}
			if (MaterialName == TEXT("MI_Circle"))
			{
				return EMaterialLook::Ring;
			}
			if (MaterialName == TEXT("MI_CircleSelected"))
			{
				return EMaterialLook::FilledRing;
			}
			if (MaterialName == TEXT("MI_ThumbnailCircle"))
			{
				return EMaterialLook::Glow;
			}
			return EMaterialLook::Unknown;
		}

		void SetColour(cairo_t* Cairo, const FLinearColor& Colour)
		{
			cairo_set_source_rgba(Cairo, Colour.R, Colour.G, Colour.B, Colour.A);
		}

		FLinearColor Multiply(const FLinearColor& A, const FLinearColor& B)
		{
			return FLinearColor(A.R * B.R, A.G * B.G, A.B * B.B, A.A * B.A);
		}

		void Ellipse(cairo_t* Cairo, double X, double Y, double W, double H)
		{
			cairo_save(Cairo);
			cairo_translate(Cairo, X + W * 0.5, Y + H * 0.5);
			cairo_scale(Cairo, FMath::Max(W * 0.5, 1e-6), FMath::Max(H * 0.5, 1e-6));
			cairo_arc(Cairo, 0.0, 0.0, 1.0, 0.0, 2.0 * M_PI);
			cairo_restore(Cairo);
		}

		void DrawMaterialBox(cairo_t* Cairo, EMaterialLook Look, double X, double Y, double W, double H, const FLinearColor& Tint)
		{
			const double RingWidth = FMath::Max(1.5, FMath::Min(W, H) * 0.06);
			switch (Look)
			{
			case EMaterialLook::DarkDisc:
				Ellipse(Cairo, X, Y, W, H);
				SetColour(Cairo, Multiply(FLinearColor(0.11f, 0.11f, 0.13f, 1.0f), Tint));
				cairo_fill_preserve(Cairo);
				SetColour(Cairo, Multiply(FLinearColor(0.35f, 0.35f, 0.4f, 1.0f), Tint));
				cairo_set_line_width(Cairo, 2.0);
				cairo_stroke(Cairo);
				break;
			case EMaterialLook::DarkTile:
				cairo_rectangle(Cairo, X, Y, W, H);
				SetColour(Cairo, Multiply(FLinearColor(0.05f, 0.05f, 0.06f, 1.0f), Tint));
				cairo_fill(Cairo);
				break;
			case EMaterialLook::Ring:
			case EMaterialLook::FilledRing:
				Ellipse(Cairo, X + RingWidth * 0.5, Y + RingWidth * 0.5, W - RingWidth, H - RingWidth);
				SetColour(Cairo, Multiply(Look == EMaterialLook::FilledRing ? FLinearColor(1.0f, 0.62f, 0.2f, 0.9f) : FLinearColor(1.0f, 1.0f, 1.0f, 0.12f), Tint));
				cairo_fill_preserve(Cairo);
				SetColour(Cairo, Multiply(FLinearColor(1.0f, 1.0f, 1.0f, 1.0f), Tint));
				cairo_set_line_width(Cairo, RingWidth);
				cairo_stroke(Cairo);
				break;
			case EMaterialLook::Glow:
				Ellipse(Cairo, X, Y, W, H);
				SetColour(Cairo, Multiply(FLinearColor(1.0f, 1.0f, 1.0f, 0.85f), Tint));
				cairo_fill(Cairo);
				break;
			case EMaterialLook::Unknown:
				// A material the stand-in does not know: a magenta outline, so it stands out.
				cairo_rectangle(Cairo, X, Y, W, H);
				cairo_set_source_rgba(Cairo, 1.0, 0.0, 1.0, 1.0);
				cairo_set_line_width(Cairo, 1.0);
				cairo_stroke(Cairo);
				break;
			}
		}

		void DrawBox(cairo_t* Cairo, const FSlateDrawElement& Element)
		{
			const FSlateBrush& Brush = Element.Brush;
			if (Brush.GetDrawType() == ESlateBrushDrawType::NoDrawType)
			{
				return;
			}
			const double X = Element.PaintGeometry.DrawPosition.X;
			const double Y = Element.PaintGeometry.DrawPosition.Y;
			const double W = Element.PaintGeometry.DrawSize.X;
			const double H = Element.PaintGeometry.DrawSize.Y;
			const FLinearColor Tint = Multiply(Element.Tint, Brush.TintColor.GetSpecifiedColor());
			if (const UObject* Resource = Brush.GetResourceObject())
			{
				DrawMaterialBox(Cairo, GetMaterialLook(Resource->GetName()), X, Y, W, H, Tint);
				return;
			}
			cairo_rectangle(Cairo, X, Y, W, H);
			SetColour(Cairo, Tint);
			cairo_fill(Cairo);
		}

		void DrawLines(cairo_t* Cairo, const FSlateDrawElement& Element)
		{
			if (Element.Points.Num() < 2)
			{
				return;
			}
			const FPaintGeometry& Geometry = Element.PaintGeometry;
			for (int32 Index = 0; Index < Element.Points.Num(); ++Index)
			{
				const FVector2f Point = Geometry.DrawPosition + Element.Points[Index] * Geometry.DrawScale;
				if (Index == 0)
				{
					cairo_move_to(Cairo, Point.X, Point.Y);
				}
				else
				{
					cairo_line_to(Cairo, Point.X, Point.Y);
				}
			}
			cairo_set_antialias(Cairo, Element.bAntialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
			cairo_set_line_width(Cairo, FMath::Max(1.0f, Element.Thickness * Geometry.DrawScale));
			SetColour(Cairo, Element.Tint);
			cairo_stroke(Cairo);
			cairo_set_antialias(Cairo, CAIRO_ANTIALIAS_DEFAULT);
		}

		void DrawText(cairo_t* Cairo, const FSlateDrawElement& Element)
		{
			const FPaintGeometry& Geometry = Element.PaintGeometry;
			// Slate's font sizes are points at 96 dpi.
			const double PixelSize = Element.Font.Size * Geometry.DrawScale * (96.0 / 72.0);
			cairo_select_font_face(Cairo, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
			cairo_set_font_size(Cairo, PixelSize);
			cairo_font_extents_t Extents;
			cairo_font_extents(Cairo, &Extents);
			SetColour(Cairo, Element.Tint);

			TArray<FString> Lines;
			Element.Text.ParseIntoArray(Lines, TEXT("\n"), false);
			double Baseline = Geometry.DrawPosition.Y + Extents.ascent;
			for (const FString& Line : Lines)
			{
				cairo_move_to(Cairo, Geometry.DrawPosition.X, Baseline);
				const std::string Utf8 = TCHAR_TO_UTF8(*Line);
				cairo_show_text(Cairo, Utf8.c_str());
				Baseline += Extents.height;
			}
		}
	}

	namespace
	{
		/** Cairo and fontconfig keep font caches for the whole process; they are let go at exit, so a leak
		 *  checker sees only what the plug-in and the stand-in leave behind. */
		void ReleaseFontCachesAtExit()
		{
			static const bool bRegistered = []()
			{
				std::atexit([]()
				{
					cairo_debug_reset_static_data();
					FcFini();
				});
				return true;
			}();
			(void)bRegistered;
		}
	}

	bool WriteDrawElementsPicture(const TArray<FSlateDrawElement>& Elements, int32 Width, int32 Height, const FString& Path, FString* OutError,
		const FPictureOptions& Options)
	{
		ReleaseFontCachesAtExit();
		if (Width <= 0 || Height <= 0)
		{
			if (OutError)
			{
				*OutError = FString::Printf(TEXT("a picture of %d x %d cannot be made"), Width, Height);
			}
			return false;
		}

		cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Width, Height);
		cairo_t* Cairo = cairo_create(Surface);
		SetColour(Cairo, Options.Background);
		cairo_paint(Cairo);

		// Lower layers first; within a layer, in paint order.
		TArray<const FSlateDrawElement*> Ordered;
		for (const FSlateDrawElement& Element : Elements)
		{
			Ordered.Add(&Element);
		}
		Algo::StableSort(Ordered, [](const FSlateDrawElement* A, const FSlateDrawElement* B)
		{
			return A->Layer < B->Layer;
		});

		for (const FSlateDrawElement* Element : Ordered)
		{
			switch (Element->ElementType)
			{
			case FSlateDrawElement::ET_Box:
			case FSlateDrawElement::ET_RoundedBox:
			case FSlateDrawElement::ET_Border:
				DrawBox(Cairo, *Element);
				break;
			case FSlateDrawElement::ET_Line:
				DrawLines(Cairo, *Element);
				break;
			case FSlateDrawElement::ET_Text:
			case FSlateDrawElement::ET_ShapedText:
				DrawText(Cairo, *Element);
				break;
			default:
				break;
			}
		}

		cairo_surface_flush(Surface);
		const std::string Utf8Path = TCHAR_TO_UTF8(*Path);
		const cairo_status_t Status = cairo_surface_write_to_png(Surface, Utf8Path.c_str());
		cairo_destroy(Cairo);
		cairo_surface_destroy(Surface);
		if (Status != CAIRO_STATUS_SUCCESS)
		{
			if (OutError)
			{
				*OutError = FString::Printf(TEXT("cannot write %s: %s"), *Path, UTF8_TO_TCHAR(cairo_status_to_string(Status)));
			}
			return false;
		}
		return true;
	}

	namespace
	{
		cairo_surface_t* LoadPicture(const FString& Path)
		{
			const std::string Utf8Path = TCHAR_TO_UTF8(*Path);
			cairo_surface_t* Surface = cairo_image_surface_create_from_png(Utf8Path.c_str());
			if (cairo_surface_status(Surface) != CAIRO_STATUS_SUCCESS)
			{
				cairo_surface_destroy(Surface);
				return nullptr;
			}
			return Surface;
		}
	}

	TOptional<FLinearColor> ReadPicturePixel(const FString& Path, int32 X, int32 Y)
	{
		cairo_surface_t* Surface = LoadPicture(Path);
		if (!Surface)
		{
			return TOptional<FLinearColor>();
		}
		TOptional<FLinearColor> Result;
		const int32 Width = cairo_image_surface_get_width(Surface);
		const int32 Height = cairo_image_surface_get_height(Surface);
		if (X >= 0 && Y >= 0 && X < Width && Y < Height && cairo_image_surface_get_format(Surface) == CAIRO_FORMAT_ARGB32)
		{
			const unsigned char* Row = cairo_image_surface_get_data(Surface) + Y * cairo_image_surface_get_stride(Surface);
			uint32 Pixel = 0;
			std::memcpy(&Pixel, Row + X * 4, 4);
			const float A = float((Pixel >> 24) & 0xff) / 255.f;
			const auto Unpremultiply = [A](uint32 Channel)
			{
				return A > 0.f ? FMath::Min(1.0f, float(Channel) / 255.f / A) : 0.f;
			};
			Result = FLinearColor(Unpremultiply((Pixel >> 16) & 0xff), Unpremultiply((Pixel >> 8) & 0xff), Unpremultiply(Pixel & 0xff), A);
		}
		else if (X >= 0 && Y >= 0 && X < Width && Y < Height)
		{
			// RGB24 pictures are opaque.
			const unsigned char* Row = cairo_image_surface_get_data(Surface) + Y * cairo_image_surface_get_stride(Surface);
			uint32 Pixel = 0;
			std::memcpy(&Pixel, Row + X * 4, 4);
			Result = FLinearColor(float((Pixel >> 16) & 0xff) / 255.f, float((Pixel >> 8) & 0xff) / 255.f, float(Pixel & 0xff) / 255.f, 1.0f);
		}
		cairo_surface_destroy(Surface);
		return Result;
	}

	FIntPoint ReadPictureSize(const FString& Path)
	{
		cairo_surface_t* Surface = LoadPicture(Path);
		if (!Surface)
		{
			return FIntPoint(0, 0);
		}
		const FIntPoint Size(cairo_image_surface_get_width(Surface), cairo_image_surface_get_height(Surface));
		cairo_surface_destroy(Surface);
		return Size;
	}
}
