#pragma once

#include "CoreMinimal.h"
#include "ScopedTransaction.h"
#include "Templates/UniquePtr.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

class UZORPrismWheel;

DECLARE_DELEGATE_OneParam(FOnFacettesChanged, UZORPrismWheel*);

/**
 * The prism wheel editor's canvas: the facettes of one prism wheel drawn as circles on a disc. Click or
 * drag a rectangle to select (Shift adds, Ctrl removes), drag a selected facette to move the selection,
 * drag with the right button to pan, turn the wheel to zoom, Delete removes the selection, Escape clears it.
 */
class ZORLIGHTEDITOR_API SZORPrismWheelWidget : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SZORPrismWheelWidget)
		: _PrismWheel(nullptr)
	{
	}
		SLATE_ARGUMENT(UZORPrismWheel*, PrismWheel)
		SLATE_EVENT(FOnFacettesChanged, OnFacettesChanged)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	virtual ~SZORPrismWheelWidget() override;

	virtual FReply OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent) override;
	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual FReply OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual FReply OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual FReply OnMouseWheel(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	virtual bool SupportsKeyboardFocus() const override;
	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;

	float GetZoom() const
	{
		return Zoom;
	}
	const FVector2D& GetPanOffset() const
	{
		return PanOffset;
	}

private:
	void ApplyBoxSelection(const FVector2D& LocalSize, const FPointerEvent& MouseEvent);
	FReply MoveSelectedFacettes(const FVector2D& LocalMousePosition);
	void SelectFacetteAt(const FVector2D& LocalSize, const FVector2D& LocalMousePosition, const FPointerEvent& MouseEvent);

	/** Top-left corner of the canvas square in local units, for a widget of this size. */
	FVector2D GetCanvasOrigin(const FVector2D& LocalSize) const;
	/** Width and height of the canvas square at the current zoom. */
	FVector2D GetCanvasExtent() const;
	static FVector2D GetLocalMousePosition(const FGeometry& Geometry, const FPointerEvent& MouseEvent);

	UZORPrismWheel* PrismWheel = nullptr;
	FOnFacettesChanged OnFacettesChanged;

	float Zoom = 1.0f;
	float MinZoom = 0.5f;
	float MaxZoom = 4.0f;
	FVector2D CanvasSize = FVector2D(500.0, 500.0);

	bool bIsDragging = false;
	FVector2D LastMousePosition = FVector2D(0.0, 0.0);

	bool bIsPanning = false;
	FVector2D PanLastMousePosition = FVector2D(0.0, 0.0);
	FVector2D PanOffset = FVector2D(0.0, 0.0);

	bool bIsBoxSelecting = false;
	FVector2D SelectionStart = FVector2D(0.0, 0.0);
	FVector2D SelectionEnd = FVector2D(0.0, 0.0);

	bool bPressedOnSelected = false;

	/** "Move Facettes": open from the first move step of a drag to the button's release. */
	TUniquePtr<FScopedTransaction> MoveTransaction;
};
