#include "SZORPrismWheelWidget.h"

#include "AssetRegistry/AssetRegistryModule.h"
#include "Editor.h"
#include "InputCoreTypes.h"
#include "Rendering/DrawElements.h"
#include "ScopedTransaction.h"
#include "Styling/AppStyle.h"
#include "ZORLightEditorStyle.h"
#include "ZORPrismWheel.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

namespace
{
	constexpr double DragThresholdSquared = 4.0;
	constexpr float ZoomPerNotch = 0.1f;
}

void SZORPrismWheelWidget::Construct(const FArguments& InArgs)
{
	PrismWheel = InArgs._PrismWheel;
	OnFacettesChanged = InArgs._OnFacettesChanged;
	bIsBoxSelecting = false;
}

SZORPrismWheelWidget::~SZORPrismWheelWidget()
{
	// Ends a move that is still under way, so its transaction is recorded.
	MoveTransaction.Reset();
}

FVector2D SZORPrismWheelWidget::GetCanvasExtent() const
{
	return FVector2D(Zoom * CanvasSize.X, Zoom * CanvasSize.Y);
}

FVector2D SZORPrismWheelWidget::GetCanvasOrigin(const FVector2D& LocalSize) const
{
	const FVector2D Extent = GetCanvasExtent();
	return FVector2D(LocalSize.X * 0.5 - Extent.X * 0.5 + PanOffset.X, LocalSize.Y * 0.5 - Extent.Y * 0.5 + PanOffset.Y);
}

FVector2D SZORPrismWheelWidget::GetLocalMousePosition(const FGeometry& Geometry, const FPointerEvent& MouseEvent)
{
	const FVector2f ScreenPosition = MouseEvent.GetScreenSpacePosition();
	const FVector2f Local = Geometry.GetAccumulatedRenderTransform().Inverse().TransformPoint(ScreenPosition);
	return FVector2D(Local.X, Local.Y);
}

FVector2D SZORPrismWheelWidget::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	return FVector2D(200.0, 200.0);
}

bool SZORPrismWheelWidget::SupportsKeyboardFocus() const
{
	return true;
}

int32 SZORPrismWheelWidget::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
	FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	const FVector2D LocalSize = AllottedGeometry.GetLocalSize();
	const FVector2D Extent = GetCanvasExtent();
	const FVector2D Origin = GetCanvasOrigin(LocalSize);
	const FVector2D Centre(Origin.X + Extent.X * 0.5, Origin.Y + Extent.Y * 0.5);

	const FZORLightEditorStyle& Style = FZORLightEditorStyle::Get();
	const FSlateBrush* CircleBrush = Style.GetBrush(TEXT("Icons.Circle"));
	const FSlateBrush* CircleSelectedBrush = Style.GetBrush(TEXT("Icons.CircleSelected"));
	const FSlateBrush* BackgroundBrush = Style.GetBrush(TEXT("Icons.BGCircle"));

	FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(Extent, FSlateLayoutTransform(Origin)), BackgroundBrush,
		ESlateDrawEffect::None, FLinearColor::White);

	const FLinearColor CrossHairColor(1.0f, 1.0f, 1.0f, 0.2f);
	TArray<FVector2f> HorizontalLine;
	HorizontalLine.Add(FVector2f((float)Origin.X, (float)Centre.Y));
	HorizontalLine.Add(FVector2f((float)(Origin.X + Extent.X), (float)Centre.Y));
	FSlateDrawElement::MakeLines(OutDrawElements, LayerId + 1, AllottedGeometry.ToPaintGeometry(), HorizontalLine, ESlateDrawEffect::None, CrossHairColor, true, 1.0f);
	TArray<FVector2f> VerticalLine;
	VerticalLine.Add(FVector2f((float)Centre.X, (float)Origin.Y));
	VerticalLine.Add(FVector2f((float)Centre.X, (float)(Origin.Y + Extent.Y)));
	FSlateDrawElement::MakeLines(OutDrawElements, LayerId + 1, AllottedGeometry.ToPaintGeometry(), VerticalLine, ESlateDrawEffect::None, CrossHairColor, true, 1.0f);

	// The toolkit hands over whatever it edits; without a prism wheel there is only the empty disc.
	if (PrismWheel)
	{
		const TArray<FPrismWheelFacette>& Facettes = PrismWheel->Facettes;
		for (int32 Index = 0; Index < Facettes.Num(); ++Index)
		{
			const FPrismWheelFacette& Facette = Facettes[Index];
			const FVector2D FacetteCentre(Origin.X + Extent.X * Facette.X, Origin.Y + Extent.Y * Facette.Y);
			const float Radius = (float)(Facette.Radius * Extent.X);
			const FSlateBrush* Brush = PrismWheel->SelectedCircles.Contains(Index) ? CircleSelectedBrush : CircleBrush;
			FSlateDrawElement::MakeBox(OutDrawElements, LayerId + 1,
				AllottedGeometry.ToPaintGeometry(FVector2D(Radius * 2.0f, Radius * 2.0f), FSlateLayoutTransform(FVector2D(FacetteCentre.X - Radius, FacetteCentre.Y - Radius))),
				Brush, ESlateDrawEffect::None, FLinearColor::White);
		}
	}

	if (bIsBoxSelecting)
	{
		const FVector2D Min(FMath::Min(SelectionStart.X, SelectionEnd.X), FMath::Min(SelectionStart.Y, SelectionEnd.Y));
		const FVector2D Max(FMath::Max(SelectionStart.X, SelectionEnd.X), FMath::Max(SelectionStart.Y, SelectionEnd.Y));
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(Max - Min, FSlateLayoutTransform(Min)),
			FAppStyle::Get().GetBrush(TEXT("WhiteBrush")), ESlateDrawEffect::None, FLinearColor(0.0f, 0.5f, 1.0f, 0.3f));
	}

	const FText HelpText = LOCTEXT("HelpText", "Controls Guide:\nLeft Click: Drag to select\nRight Click: Drag to move the canvas\nMouse Wheel: Zoom in/out\nShift + Drag Box: Add to selection\nCtrl + Drag Box: Deselect");
	FSlateDrawElement::MakeText(OutDrawElements, bIsBoxSelecting ? LayerId + 1 : LayerId,
		AllottedGeometry.ToPaintGeometry(FVector2D(200.0, 100.0), FSlateLayoutTransform(FVector2D(20.0, 10.0))), HelpText,
		FAppStyle::GetFontStyle(TEXT("NormalText")), ESlateDrawEffect::None, FLinearColor::White);

	return bIsBoxSelecting ? LayerId + 2 : LayerId + 1;
}

FReply SZORPrismWheelWidget::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (!PrismWheel)
	{
		return FReply::Unhandled();
	}

	const FVector2D MousePosition = GetLocalMousePosition(MyGeometry, MouseEvent);
	if (MouseEvent.GetEffectingButton() == EKeys::RightMouseButton)
	{
		bIsPanning = true;
		PanLastMousePosition = MousePosition;
		return FReply::Handled().CaptureMouse(SharedThis(this));
	}
	if (MouseEvent.GetEffectingButton() == EKeys::LeftMouseButton)
	{
		SelectionStart = MousePosition;
		SelectionEnd = MousePosition;
		bIsBoxSelecting = false;

		const FVector2D LocalSize = MyGeometry.GetLocalSize();
		const FVector2D Extent = GetCanvasExtent();
		const FVector2D Origin = GetCanvasOrigin(LocalSize);
		bPressedOnSelected = false;
		for (const int32 Index : PrismWheel->SelectedCircles)
		{
			// A stale index names no facette and cannot be pressed on.
			if (!PrismWheel->Facettes.IsValidIndex(Index))
			{
				continue;
			}
			const FPrismWheelFacette& Facette = PrismWheel->Facettes[Index];
			const FVector2D FacetteCentre(Origin.X + Extent.X * Facette.X, Origin.Y + Extent.Y * Facette.Y);
			const float Radius = (float)(Facette.Radius * Extent.X);
			const FVector2f Offset((float)(MousePosition.X - FacetteCentre.X), (float)(MousePosition.Y - FacetteCentre.Y));
			if (Offset.SizeSquared() <= Radius * Radius)
			{
				bPressedOnSelected = true;
				break;
			}
		}

		LastMousePosition = MousePosition;
		bIsDragging = false;
		return FReply::Handled().CaptureMouse(SharedThis(this));
	}
	return FReply::Unhandled();
}

FReply SZORPrismWheelWidget::OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (!PrismWheel)
	{
		return FReply::Unhandled();
	}

	const FVector2D MousePosition = GetLocalMousePosition(MyGeometry, MouseEvent);
	if (bIsPanning)
	{
		// The canvas follows the cursor in canvas units, so it moves less than the cursor when zoomed in.
		PanOffset += (MousePosition - PanLastMousePosition) * (1.0f / Zoom);
		PanLastMousePosition = MousePosition;
		return FReply::Handled();
	}

	if (HasMouseCapture() && !bIsDragging)
	{
		bIsDragging = FVector2D::DistSquared(MousePosition, LastMousePosition) > DragThresholdSquared;
	}
	if (!bIsDragging)
	{
		return FReply::Unhandled();
	}

	const bool bShift = MouseEvent.IsShiftDown();
	const bool bCtrl = MouseEvent.IsControlDown();
	if (bCtrl || bShift || !bPressedOnSelected)
	{
		bIsBoxSelecting = true;
		SelectionEnd = MousePosition;
		return FReply::Handled();
	}

	if (!MoveTransaction.IsValid())
	{
		MoveTransaction = MakeUnique<FScopedTransaction>(LOCTEXT("Move Facettes", "Move Facettes"));
		PrismWheel->Modify();
	}
	return MoveSelectedFacettes(MousePosition);
}

FReply SZORPrismWheelWidget::MoveSelectedFacettes(const FVector2D& LocalMousePosition)
{
	if (!HasMouseCapture() || !bIsDragging || PrismWheel->SelectedCircles.Num() == 0)
	{
		return FReply::Unhandled();
	}

	const FVector2D Delta = LocalMousePosition - LastMousePosition;
	LastMousePosition = LocalMousePosition;

	const FVector2D Extent = GetCanvasExtent();
	for (const int32 Index : PrismWheel->SelectedCircles)
	{
		if (!PrismWheel->Facettes.IsValidIndex(Index))
		{
			continue;
		}
		FPrismWheelFacette& Facette = PrismWheel->Facettes[Index];
		Facette.X += Delta.X / Extent.X;
		Facette.Y += Delta.Y / Extent.Y;
	}

	OnFacettesChanged.ExecuteIfBound(PrismWheel);
	FAssetRegistryModule::AssetCreated(PrismWheel);
	PrismWheel->MarkPackageDirty();
	return FReply::Handled();
}

FReply SZORPrismWheelWidget::OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (!PrismWheel)
	{
		return FReply::Unhandled();
	}

	if (MouseEvent.GetEffectingButton() == EKeys::RightMouseButton)
	{
		bIsPanning = false;
		return FReply::Handled().ReleaseMouseCapture();
	}
	if (MouseEvent.GetEffectingButton() == EKeys::LeftMouseButton)
	{
		const FVector2D LocalSize = MyGeometry.GetLocalSize();
		if (bIsBoxSelecting)
		{
			ApplyBoxSelection(LocalSize, MouseEvent);
		}
		else if (!bIsDragging)
		{
			SelectFacetteAt(LocalSize, GetLocalMousePosition(MyGeometry, MouseEvent), MouseEvent);
		}
		bIsBoxSelecting = false;
		bIsDragging = false;
		MoveTransaction.Reset();
		return FReply::Handled().ReleaseMouseCapture();
	}
	return FReply::Unhandled();
}

void SZORPrismWheelWidget::SelectFacetteAt(const FVector2D& LocalSize, const FVector2D& LocalMousePosition, const FPointerEvent& MouseEvent)
{
	const FVector2D Extent = GetCanvasExtent();
	const FVector2D Origin = GetCanvasOrigin(LocalSize);

	int32 Hit = INDEX_NONE;
	const TArray<FPrismWheelFacette>& Facettes = PrismWheel->Facettes;
	for (int32 Index = 0; Index < Facettes.Num(); ++Index)
	{
		const FVector2D FacetteCentre(Origin.X + Extent.X * Facettes[Index].X, Origin.Y + Extent.Y * Facettes[Index].Y);
		const float Radius = (float)(Facettes[Index].Radius * Extent.X);
		if (FVector2D::Distance(LocalMousePosition, FacetteCentre) <= Radius)
		{
			Hit = Index;
			break;
		}
	}

	TSet<int32>& Selected = PrismWheel->SelectedCircles;
	const bool bShift = MouseEvent.IsShiftDown();
	const bool bCtrl = MouseEvent.IsControlDown();
	if (Hit != INDEX_NONE)
	{
		if (bCtrl)
		{
			Selected.Remove(Hit);
		}
		else if (bShift)
		{
			Selected.Add(Hit);
		}
		else
		{
			Selected.Empty();
			Selected.Add(Hit);
		}
	}
	else if (!bShift)
	{
		Selected.Empty();
	}
}

void SZORPrismWheelWidget::ApplyBoxSelection(const FVector2D& LocalSize, const FPointerEvent& MouseEvent)
{
	const float MinX = (float)FMath::Min(SelectionStart.X, SelectionEnd.X);
	const float MaxX = (float)FMath::Max(SelectionStart.X, SelectionEnd.X);
	const float MinY = (float)FMath::Min(SelectionStart.Y, SelectionEnd.Y);
	const float MaxY = (float)FMath::Max(SelectionStart.Y, SelectionEnd.Y);

	const bool bShift = MouseEvent.IsShiftDown();
	const bool bCtrl = MouseEvent.IsControlDown();
	TSet<int32>& Selected = PrismWheel->SelectedCircles;
	if (!bShift && !bCtrl)
	{
		Selected.Empty();
	}

	const FVector2D Extent = GetCanvasExtent();
	const FVector2D Origin = GetCanvasOrigin(LocalSize);
	const TArray<FPrismWheelFacette>& Facettes = PrismWheel->Facettes;
	for (int32 Index = 0; Index < Facettes.Num(); ++Index)
	{
		const float CentreX = (float)(Origin.X + Extent.X * Facettes[Index].X);
		const float CentreY = (float)(Origin.Y + Extent.Y * Facettes[Index].Y);
		const float Radius = (float)(Facettes[Index].Radius * Extent.X);
		// The circle overlaps the rectangle when the rectangle's point nearest to its centre lies inside it.
		const float NearestX = FMath::Clamp(CentreX, MinX, MaxX);
		const float NearestY = FMath::Clamp(CentreY, MinY, MaxY);
		const float DistanceSquared = (CentreX - NearestX) * (CentreX - NearestX) + (CentreY - NearestY) * (CentreY - NearestY);
		if (DistanceSquared > Radius * Radius)
		{
			continue;
		}
		if (bCtrl)
		{
			Selected.Remove(Index);
		}
		else
		{
			Selected.Add(Index);
		}
	}
}

FReply SZORPrismWheelWidget::OnMouseWheel(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (!PrismWheel)
	{
		return FReply::Unhandled();
	}

	const float NewZoom = FMath::Max(FMath::Min(Zoom + MouseEvent.GetWheelDelta() * ZoomPerNotch, MaxZoom), MinZoom);
	if (NewZoom != Zoom)
	{
		// Keeps the canvas point under the cursor where it is.
		const float Scale = NewZoom / Zoom;
		const FVector2D LocalSize = MyGeometry.GetLocalSize();
		const FVector2D MousePosition = GetLocalMousePosition(MyGeometry, MouseEvent);
		const FVector2D FromCentre = MousePosition - PanOffset - LocalSize * 0.5;
		PanOffset = PanOffset - (FromCentre * Scale - FromCentre);
		Zoom = NewZoom;
	}
	return FReply::Handled();
}

FReply SZORPrismWheelWidget::OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent)
{
	if (!PrismWheel)
	{
		return FReply::Unhandled();
	}

	const FKey Key = InKeyEvent.GetKey();
	if (Key == EKeys::Delete || Key == EKeys::BackSpace)
	{
		if (!HasKeyboardFocus() || PrismWheel->Facettes.Num() == 0 || PrismWheel->SelectedCircles.Num() == 0)
		{
			return FReply::Unhandled();
		}

		GEditor->BeginTransaction(LOCTEXT("Delete", "Delete"));
		PrismWheel->Modify();

		// From the highest index down, so the indices still to remove stay valid.
		TArray<int32> Indices = PrismWheel->SelectedCircles.Array();
		Indices.Sort([](const int32 A, const int32 B)
		{
			return A > B;
		});
		for (const int32 Index : Indices)
		{
			if (Index >= 0 && Index < PrismWheel->Facettes.Num())
			{
				PrismWheel->Facettes.RemoveAt(Index);
			}
		}
		PrismWheel->SelectedCircles.Empty();

		FAssetRegistryModule::AssetCreated(PrismWheel);
		PrismWheel->MarkPackageDirty();
		GEditor->EndTransaction();

		UE_LOG(LogTemp, Warning, TEXT("Remove Sel Circles"));
		return FReply::Handled();
	}
	if (Key == EKeys::Escape)
	{
		if (PrismWheel->SelectedCircles.Num() == 0)
		{
			return FReply::Unhandled();
		}
		PrismWheel->SelectedCircles.Empty();
		UE_LOG(LogTemp, Warning, TEXT("Remove Sel"));
		return FReply::Handled();
	}
	return FReply::Unhandled();
}

#undef LOCTEXT_NAMESPACE
