// SWidget: the base of every Slate widget.
#pragma once

#include "CoreMinimal.h"
#include "Input/Events.h"
#include "Input/Reply.h"
#include "Layout/Clipping.h"
#include "Layout/Geometry.h"
#include "Layout/Visibility.h"
#include "Styling/WidgetStyle.h"
#include "Types/PaintArgs.h"
#include "Widgets/InvalidateWidgetReason.h"

class FChildren;
class FArrangedChildren;
class FSlateWindowElementList;
class SWidget;

DECLARE_DELEGATE_RetVal_TwoParams(FReply, FPointerEventHandler, const FGeometry&, const FPointerEvent&);

namespace UE::StandIn
{
	struct FSlateWidgetAccess;
}

/** The arguments every widget takes (.ToolTipText, .IsEnabled, .Visibility, .Tag, ...). */
struct FSlateBaseNamedArgs
{
	FSlateBaseNamedArgs() = default;

	TAttribute<FText> _ToolTipText;
	TAttribute<bool> _IsEnabled = true;
	TAttribute<EVisibility> _Visibility = EVisibility::Visible;
	FName _Tag;
	float _RenderOpacity = 1.0f;
	EWidgetClipping _Clipping = EWidgetClipping::Inherit;
	bool _ForceVolatile = false;
	TAttribute<FText> _AccessibleText;
};

class SLATECORE_API SWidget : public TSharedFromThis<SWidget>
{
public:
	SWidget();
	virtual ~SWidget();

	SWidget(const SWidget&) = delete;
	SWidget& operator=(const SWidget&) = delete;

	/** Takes the common arguments; SNew calls it before Construct. */
	void SWidgetConstruct(const FSlateBaseNamedArgs& Args);

	// Painting and layout

	int32 Paint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const;

	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const = 0;

	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const = 0;

	/** The size the widget asks for (computed on demand). */
	UE::Slate::FDeprecateVector2DResult GetDesiredSize() const;
	void SlatePrepass(float InLayoutScaleMultiplier = 1.0f)
	{
	}

	virtual FChildren* GetChildren() = 0;
	virtual FChildren* GetAllChildren() { return GetChildren(); }

	/** Lays the visible children out inside the geometry. */
	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const = 0;
	void ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const;

	// Input

	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent);
	virtual FReply OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent);
	virtual FReply OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent);
	virtual FReply OnMouseWheel(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent);
	virtual FReply OnMouseButtonDoubleClick(const FGeometry& InMyGeometry, const FPointerEvent& InMouseEvent);
	virtual void OnMouseEnter(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent);
	virtual void OnMouseLeave(const FPointerEvent& MouseEvent);
	virtual void OnMouseCaptureLost(const FCaptureLostEvent& CaptureLostEvent);
	virtual FReply OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent);
	virtual FReply OnKeyUp(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent);
	virtual FReply OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent);
	virtual FReply OnFocusReceived(const FGeometry& MyGeometry, const FFocusEvent& InFocusEvent);
	virtual void OnFocusLost(const FFocusEvent& InFocusEvent);
	virtual bool SupportsKeyboardFocus() const { return false; }
	virtual bool IsInteractable() const { return false; }

	virtual bool IsHovered() const { return bIsHovered; }
	bool IsDirectlyHovered() const { return bIsHovered; }
	bool HasMouseCapture() const;
	bool HasKeyboardFocus() const;
	bool HasAnyUserFocus() const { return HasKeyboardFocus(); }
	bool HasFocusedDescendants() const;

	// State

	FName GetType() const { return TypeOfWidget; }
	virtual FString GetTypeAsString() const { return TypeOfWidget.ToString(); }
	FName GetTag() const { return Tag; }
	virtual FString ToString() const { return GetTypeAsString(); }

	/** This widget's own enabled state (a disabled parent disables its children while painting and routing input). */
	bool IsEnabled() const { return EnabledState.Get(); }
	void SetEnabled(TAttribute<bool> InEnabledState) { EnabledState = MoveTemp(InEnabledState); }

	EVisibility GetVisibility() const { return Visibility.Get(); }
	virtual void SetVisibility(TAttribute<EVisibility> InVisibility) { Visibility = MoveTemp(InVisibility); }

	void SetToolTipText(const TAttribute<FText>& ToolTipText);
	void SetToolTipText(const FText& InToolTipText);

	float GetRenderOpacity() const { return RenderOpacity; }
	void SetRenderOpacity(float InOpacity) { RenderOpacity = InOpacity; }
	EWidgetClipping GetClipping() const { return Clipping; }
	void SetClipping(EWidgetClipping InClipping) { Clipping = InClipping; }

	TSharedPtr<SWidget> GetParentWidget() const { return ParentWidgetPtr.Pin(); }
	bool IsParentValid() const { return ParentWidgetPtr.IsValid(); }
	void AssignParentWidget(TSharedPtr<SWidget> InParent);
	bool ConditionallyDetatchParentWidget(SWidget* InExpectedParent);

	void Invalidate(EInvalidateWidgetReason InvalidateReason)
	{
	}

protected:
	bool ShouldBeEnabled(bool InParentEnabled) const { return InParentEnabled && IsEnabled(); }

	/** True while the pointer is over the widget (kept by the enter/leave events). */
	bool bIsHovered = false;

private:
	friend struct UE::StandIn::FSlateWidgetAccess;

	FName TypeOfWidget;
	const void* StandInTypeId = nullptr;
	FName Tag;
	TAttribute<bool> EnabledState;
	TAttribute<EVisibility> Visibility;
	TAttribute<FText> ToolTipText;
	TWeakPtr<SWidget> ParentWidgetPtr;
	float RenderOpacity = 1.0f;
	EWidgetClipping Clipping = EWidgetClipping::Inherit;
};
