// FSlateDrawElement: one recorded draw call (box, lines, text, ...). The stand-in keeps what was asked
// for so that tests can read a widget's painting back.
#pragma once

#include "CoreMinimal.h"
#include "Layout/PaintGeometry.h"
#include "Rendering/RenderingCommon.h"
#include "Styling/SlateBrush.h"
#include "Fonts/SlateFontInfo.h"

class FSlateWindowElementList;

class SLATECORE_API FSlateDrawElement
{
public:
	enum EElementType : uint8
	{
		ET_Box,
		ET_DebugQuad,
		ET_Text,
		ET_ShapedText,
		ET_Spline,
		ET_Line,
		ET_Gradient,
		ET_Viewport,
		ET_Border,
		ET_Custom,
		ET_CustomVerts,
		ET_PostProcessPass,
		ET_RoundedBox,
		ET_Count,
	};

	static void MakeBox(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FSlateBrush* InBrush,
		ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None, const FLinearColor& InTint = FLinearColor::White);

	static void MakeRotatedBox(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FSlateBrush* InBrush,
		ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None, float Angle = 0.0f, TOptional<FVector2f> InRotationPoint = TOptional<FVector2f>(),
		int32 RotationSpace = 0, const FLinearColor& InTint = FLinearColor::White);

	static void MakeLines(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, TArray<FVector2f> Points,
		ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None, const FLinearColor& InTint = FLinearColor::White, bool bAntialias = true, float Thickness = 1.0f);

	static void MakeLines(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, TArray<FVector2f> Points, TArray<FLinearColor> PointColors,
		ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None, const FLinearColor& InTint = FLinearColor::White, bool bAntialias = true, float Thickness = 1.0f);

	/** The pre-5.2 double-precision form. */
	static void MakeLines(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const TArray<FVector2D>& Points,
		ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None, const FLinearColor& InTint = FLinearColor::White, bool bAntialias = true, float Thickness = 1.0f);

	static void MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FString& InText, const FSlateFontInfo& InFontInfo,
		ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None, const FLinearColor& InTint = FLinearColor::White);

	static void MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FString& InText, const int32 StartIndex, const int32 EndIndex,
		const FSlateFontInfo& InFontInfo, ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None, const FLinearColor& InTint = FLinearColor::White);

	static void MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FText& InText, const FSlateFontInfo& InFontInfo,
		ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None, const FLinearColor& InTint = FLinearColor::White);

	static void MakeSpline(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const UE::Slate::FDeprecateVector2DParameter& InStart,
		const UE::Slate::FDeprecateVector2DParameter& InStartDir, const UE::Slate::FDeprecateVector2DParameter& InEnd, const UE::Slate::FDeprecateVector2DParameter& InEndDir,
		float InThickness = 0.0f, ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None, const FLinearColor& InTint = FLinearColor::White);

	static void MakeDebugQuad(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, FLinearColor Tint = FLinearColor::White);

	EElementType GetElementType() const { return ElementType; }
	int32 GetLayer() const { return Layer; }
	const FPaintGeometry& GetPaintGeometry() const { return PaintGeometry; }
	ESlateDrawEffect GetDrawEffects() const { return DrawEffects; }

	// What was recorded (read by tests).
	EElementType ElementType = ET_Box;
	int32 Layer = 0;
	FPaintGeometry PaintGeometry;
	ESlateDrawEffect DrawEffects = ESlateDrawEffect::None;
	/** The brush passed in, and a copy of it (the pointer may not outlive the paint). */
	const FSlateBrush* BrushPtr = nullptr;
	FSlateBrush Brush;
	FLinearColor Tint = FLinearColor::White;
	TArray<FVector2f> Points;
	TArray<FLinearColor> PointColors;
	bool bAntialias = true;
	float Thickness = 1.0f;
	FString Text;
	FSlateFontInfo Font;
	float Angle = 0.f;
};
