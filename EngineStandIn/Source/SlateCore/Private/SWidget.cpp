#include "Widgets/SWidget.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/SLeafWidget.h"
#include "Widgets/SPanel.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/Children.h"
#include "Layout/LayoutUtils.h"
#include "Rendering/DrawElements.h"
#include "SlotBase.h"
#include "StandIn/SlateCoreHooks.h"

SWidget::SWidget()
	: EnabledState(true)
	, Visibility(EVisibility::Visible)
{
}

SWidget::~SWidget()
{
}

void SWidget::SWidgetConstruct(const FSlateBaseNamedArgs& Args)
{
	EnabledState = Args._IsEnabled;
	Visibility = Args._Visibility;
	ToolTipText = Args._ToolTipText;
	Tag = Args._Tag;
	RenderOpacity = Args._RenderOpacity;
	Clipping = Args._Clipping;
}

int32 SWidget::Paint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
	int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	if (!GetVisibility().IsVisible())
	{
		return LayerId;
	}
	FWidgetStyle ContentWidgetStyle(InWidgetStyle);
	ContentWidgetStyle.BlendOpacity(RenderOpacity);
	return OnPaint(Args.WithNewParent(this), AllottedGeometry, MyCullingRect, OutDrawElements, LayerId, ContentWidgetStyle, bParentEnabled && IsEnabled());
}

UE::Slate::FDeprecateVector2DResult SWidget::GetDesiredSize() const
{
	if (GetVisibility() == EVisibility::Collapsed)
	{
		return FVector2f(0.f, 0.f);
	}
	return ComputeDesiredSize(1.0f);
}

void SWidget::ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	OnArrangeChildren(AllottedGeometry, ArrangedChildren);
}

FReply SWidget::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	return FReply::Unhandled();
}

FReply SWidget::OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	return FReply::Unhandled();
}

FReply SWidget::OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	return FReply::Unhandled();
}

FReply SWidget::OnMouseWheel(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	return FReply::Unhandled();
}

FReply SWidget::OnMouseButtonDoubleClick(const FGeometry& InMyGeometry, const FPointerEvent& InMouseEvent)
{
	return FReply::Unhandled();
}

void SWidget::OnMouseEnter(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	bIsHovered = true;
}

void SWidget::OnMouseLeave(const FPointerEvent& MouseEvent)
{
	bIsHovered = false;
}

void SWidget::OnMouseCaptureLost(const FCaptureLostEvent& CaptureLostEvent)
{
}

FReply SWidget::OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent)
{
	return FReply::Unhandled();
}

FReply SWidget::OnKeyUp(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent)
{
	return FReply::Unhandled();
}

FReply SWidget::OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent)
{
	return FReply::Unhandled();
}

FReply SWidget::OnFocusReceived(const FGeometry& MyGeometry, const FFocusEvent& InFocusEvent)
{
	return FReply::Unhandled();
}

void SWidget::OnFocusLost(const FFocusEvent& InFocusEvent)
{
}

namespace
{
	TWeakPtr<SWidget>& MouseCaptorStorage()
	{
		static TWeakPtr<SWidget> Captor;
		return Captor;
	}

	TWeakPtr<SWidget>& FocusStorage()
	{
		static TWeakPtr<SWidget> Focused;
		return Focused;
	}
}

void UE::StandIn::SetMouseCaptor(const TSharedPtr<SWidget>& InWidget)
{
	MouseCaptorStorage() = InWidget;
}

TSharedPtr<SWidget> UE::StandIn::GetMouseCaptor()
{
	return MouseCaptorStorage().Pin();
}

void UE::StandIn::SetKeyboardFocusedWidget(const TSharedPtr<SWidget>& InWidget)
{
	FocusStorage() = InWidget;
}

TSharedPtr<SWidget> UE::StandIn::GetKeyboardFocusedWidget()
{
	return FocusStorage().Pin();
}

bool SWidget::HasMouseCapture() const
{
	return MouseCaptorStorage().Pin().Get() == this;
}

bool SWidget::HasKeyboardFocus() const
{
	return FocusStorage().Pin().Get() == this;
}

bool SWidget::HasFocusedDescendants() const
{
	for (TSharedPtr<SWidget> Current = FocusStorage().Pin(); Current.IsValid(); Current = Current->GetParentWidget())
	{
		if (Current.Get() == this)
		{
			return Current.Get() != FocusStorage().Pin().Get();
		}
	}
	return false;
}

void SWidget::SetToolTipText(const TAttribute<FText>& InToolTipText)
{
	ToolTipText = InToolTipText;
}

void SWidget::SetToolTipText(const FText& InToolTipText)
{
	ToolTipText = TAttribute<FText>(InToolTipText);
}

void SWidget::AssignParentWidget(TSharedPtr<SWidget> InParent)
{
	ParentWidgetPtr = InParent;
}

bool SWidget::ConditionallyDetatchParentWidget(SWidget* InExpectedParent)
{
	TSharedPtr<SWidget> Parent = ParentWidgetPtr.Pin();
	if (Parent.Get() == InExpectedParent)
	{
		ParentWidgetPtr.Reset();
		return true;
	}
	return false;
}

// The null widget

namespace
{
	class SNullWidgetContent : public SLeafWidget
	{
	public:
		SLATE_BEGIN_ARGS(SNullWidgetContent)
		{
		}
		SLATE_END_ARGS()

		void Construct(const FArguments& InArgs)
		{
		}

		virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
			int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override
		{
			return LayerId;
		}

		virtual FVector2D ComputeDesiredSize(float) const override { return FVector2D(0, 0); }
	};

	TSharedRef<SWidget> MakeNullWidget()
	{
		TSharedRef<SNullWidgetContent> Widget = MakeShareable(new SNullWidgetContent());
		UE::StandIn::FSlateWidgetAccess::SetWidgetType(Widget.Get(), TEXT("SNullWidget"), UE::StandIn::GetWidgetTypeId<SNullWidget>());
		Widget->SetVisibility(EVisibility::SelfHitTestInvisible);
		return Widget;
	}
}

TSharedRef<SWidget> SNullWidget::NullWidget = MakeNullWidget();

// Children and slots

FNoChildren FNoChildren::NoChildrenInstance;

TSharedRef<SWidget> FNoChildren::GetChildAt(int32 Index)
{
	check(false);
	return SNullWidget::NullWidget;
}

TSharedRef<const SWidget> FNoChildren::GetChildAt(int32 Index) const
{
	check(false);
	return SNullWidget::NullWidget;
}

namespace
{
	void SetParentOf(const TSharedRef<SWidget>& Child, SWidget* Owner)
	{
		if (&Child.Get() == &SNullWidget::NullWidget.Get())
		{
			return;
		}
		if (Owner != nullptr && Owner->DoesSharedInstanceExist())
		{
			Child->AssignParentWidget(Owner->AsShared());
		}
	}
}

FSlotBase::FSlotBase()
	: Widget(SNullWidget::NullWidget)
{
}

FSlotBase::FSlotBase(const TSharedRef<SWidget>& InWidget)
	: Widget(InWidget)
{
}

FSlotBase::~FSlotBase()
{
}

void FSlotBase::AttachWidget(const TSharedRef<SWidget>& InWidget)
{
	DetachWidget();
	Widget = InWidget;
	SetParentOf(Widget, OwnerWidget);
}

const TSharedRef<SWidget> FSlotBase::DetachWidget()
{
	TSharedRef<SWidget> Previous = Widget;
	if (&Previous.Get() != &SNullWidget::NullWidget.Get())
	{
		Previous->ConditionallyDetatchParentWidget(OwnerWidget);
	}
	Widget = SNullWidget::NullWidget;
	return Previous;
}

void FSlotBase::SetOwnerWidget(SWidget* InOwner)
{
	OwnerWidget = InOwner;
	SetParentOf(Widget, OwnerWidget);
}

// Compound, leaf and panel widgets

SCompoundWidget::SCompoundWidget()
	: ChildSlot(this)
{
}

FVector2D SCompoundWidget::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	const EVisibility ChildVisibility = ChildSlot.GetWidget()->GetVisibility();
	if (ChildVisibility == EVisibility::Collapsed)
	{
		return FVector2D(0, 0);
	}
	const FVector2f Desired = ChildSlot.GetWidget()->GetDesiredSize();
	const FVector2f Padding = ChildSlot.GetPadding().GetDesiredSize();
	const FVector2D Scale = ContentScale.Get();
	return FVector2D(Desired.X * Scale.X + Padding.X, Desired.Y * Scale.Y + Padding.Y);
}

void SCompoundWidget::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	const TSharedRef<SWidget>& Child = ChildSlot.GetWidget();
	const EVisibility ChildVisibility = Child->GetVisibility();
	if (!ArrangedChildren.Accepts(ChildVisibility))
	{
		return;
	}
	const FVector2f Size = AllottedGeometry.GetLocalSize();
	const FVector2f Desired = Child->GetDesiredSize();
	const FMargin Padding = ChildSlot.GetPadding();
	const AlignmentArrangeResult X = AlignChild<Orient_Horizontal>(Size.X, Desired.X, Padding, ChildSlot.GetHorizontalAlignment());
	const AlignmentArrangeResult Y = AlignChild<Orient_Vertical>(Size.Y, Desired.Y, Padding, ChildSlot.GetVerticalAlignment());
	ArrangedChildren.AddWidget(ChildVisibility, FArrangedWidget(Child, AllottedGeometry.MakeChild(FVector2f(X.Offset, Y.Offset), FVector2f(X.Size, Y.Size))));
}

int32 SCompoundWidget::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
	int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	FArrangedChildren ArrangedChildren(EVisibility::Visible);
	ArrangeChildren(AllottedGeometry, ArrangedChildren);
	if (ArrangedChildren.Num() == 0)
	{
		return LayerId;
	}
	FWidgetStyle CompoundedWidgetStyle(InWidgetStyle);
	CompoundedWidgetStyle.BlendColorAndOpacityTint(ColorAndOpacity.Get());
	CompoundedWidgetStyle.SetForegroundColor(ForegroundColor);
	const FArrangedWidget& TheChild = ArrangedChildren[0];
	return TheChild.Widget->Paint(Args.WithNewParent(this), TheChild.Geometry, MyCullingRect, OutDrawElements, LayerId + 1, CompoundedWidgetStyle,
		bParentEnabled && IsEnabled());
}

FChildren* SLeafWidget::GetChildren()
{
	return &FNoChildren::NoChildrenInstance;
}

void SLeafWidget::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
}

int32 SPanel::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
	int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	FArrangedChildren ArrangedChildren(EVisibility::Visible);
	ArrangeChildren(AllottedGeometry, ArrangedChildren);
	return PaintArrangedChildren(Args, ArrangedChildren, AllottedGeometry, MyCullingRect, OutDrawElements, LayerId, InWidgetStyle, bParentEnabled);
}

int32 SPanel::PaintArrangedChildren(const FPaintArgs& Args, const FArrangedChildren& ArrangedChildren, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
	FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	int32 MaxLayerId = LayerId;
	const FPaintArgs NewArgs = Args.WithNewParent(this);
	const bool bShouldBeEnabled = bParentEnabled && IsEnabled();
	for (int32 ChildIndex = 0; ChildIndex < ArrangedChildren.Num(); ++ChildIndex)
	{
		const FArrangedWidget& CurWidget = ArrangedChildren[ChildIndex];
		const int32 CurWidgetsMaxLayerId = CurWidget.Widget->Paint(NewArgs, CurWidget.Geometry, MyCullingRect, OutDrawElements, MaxLayerId + 1, InWidgetStyle, bShouldBeEnabled);
		MaxLayerId = FMath::Max(MaxLayerId, CurWidgetsMaxLayerId);
	}
	return MaxLayerId;
}

// Draw elements

namespace
{
	FSlateDrawElement& AddElement(FSlateWindowElementList& ElementList, FSlateDrawElement::EElementType Type, uint32 InLayer, const FPaintGeometry& PaintGeometry,
		ESlateDrawEffect InDrawEffects, const FLinearColor& InTint)
	{
		FSlateDrawElement& Element = ElementList.AddUninitialized();
		Element.ElementType = Type;
		Element.Layer = (int32)InLayer;
		Element.PaintGeometry = PaintGeometry;
		Element.DrawEffects = InDrawEffects;
		Element.Tint = InTint;
		return Element;
	}
}

void FSlateDrawElement::MakeBox(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FSlateBrush* InBrush,
	ESlateDrawEffect InDrawEffects, const FLinearColor& InTint)
{
	// As the engine does: nothing is drawn for a missing brush or one without a draw type.
	if (InBrush == nullptr || InBrush->DrawAs == ESlateBrushDrawType::NoDrawType)
	{
		return;
	}
	const EElementType Type = InBrush->DrawAs == ESlateBrushDrawType::Border ? ET_Border
		: InBrush->DrawAs == ESlateBrushDrawType::RoundedBox ? ET_RoundedBox
		: ET_Box;
	FSlateDrawElement& Element = AddElement(ElementList, Type, InLayer, PaintGeometry, InDrawEffects, InTint);
	Element.BrushPtr = InBrush;
	Element.Brush = *InBrush;
}

void FSlateDrawElement::MakeRotatedBox(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FSlateBrush* InBrush,
	ESlateDrawEffect InDrawEffects, float Angle, TOptional<FVector2f> InRotationPoint, int32 RotationSpace, const FLinearColor& InTint)
{
	if (InBrush == nullptr || InBrush->DrawAs == ESlateBrushDrawType::NoDrawType)
	{
		return;
	}
	FSlateDrawElement& Element = AddElement(ElementList, ET_Box, InLayer, PaintGeometry, InDrawEffects, InTint);
	Element.BrushPtr = InBrush;
	Element.Brush = *InBrush;
	Element.Angle = Angle;
}

void FSlateDrawElement::MakeLines(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, TArray<FVector2f> Points,
	ESlateDrawEffect InDrawEffects, const FLinearColor& InTint, bool bAntialias, float Thickness)
{
	if (Points.Num() < 2)
	{
		return;
	}
	FSlateDrawElement& Element = AddElement(ElementList, ET_Line, InLayer, PaintGeometry, InDrawEffects, InTint);
	Element.Points = MoveTemp(Points);
	Element.bAntialias = bAntialias;
	Element.Thickness = Thickness;
}

void FSlateDrawElement::MakeLines(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, TArray<FVector2f> Points,
	TArray<FLinearColor> PointColors, ESlateDrawEffect InDrawEffects, const FLinearColor& InTint, bool bAntialias, float Thickness)
{
	if (Points.Num() < 2)
	{
		return;
	}
	FSlateDrawElement& Element = AddElement(ElementList, ET_Line, InLayer, PaintGeometry, InDrawEffects, InTint);
	Element.Points = MoveTemp(Points);
	Element.PointColors = MoveTemp(PointColors);
	Element.bAntialias = bAntialias;
	Element.Thickness = Thickness;
}

void FSlateDrawElement::MakeLines(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const TArray<FVector2D>& Points,
	ESlateDrawEffect InDrawEffects, const FLinearColor& InTint, bool bAntialias, float Thickness)
{
	TArray<FVector2f> FloatPoints;
	for (const FVector2D& Point : Points)
	{
		FloatPoints.Add(FVector2f((float)Point.X, (float)Point.Y));
	}
	MakeLines(ElementList, InLayer, PaintGeometry, MoveTemp(FloatPoints), InDrawEffects, InTint, bAntialias, Thickness);
}

void FSlateDrawElement::MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FString& InText,
	const FSlateFontInfo& InFontInfo, ESlateDrawEffect InDrawEffects, const FLinearColor& InTint)
{
	if (InText.IsEmpty())
	{
		return;
	}
	FSlateDrawElement& Element = AddElement(ElementList, ET_Text, InLayer, PaintGeometry, InDrawEffects, InTint);
	Element.Text = InText;
	Element.Font = InFontInfo;
}

void FSlateDrawElement::MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FString& InText, const int32 StartIndex,
	const int32 EndIndex, const FSlateFontInfo& InFontInfo, ESlateDrawEffect InDrawEffects, const FLinearColor& InTint)
{
	const int32 Start = FMath::Clamp(StartIndex, 0, InText.Len());
	const int32 End = FMath::Clamp(EndIndex, Start, InText.Len());
	MakeText(ElementList, InLayer, PaintGeometry, InText.Mid(Start, End - Start), InFontInfo, InDrawEffects, InTint);
}

void FSlateDrawElement::MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FText& InText,
	const FSlateFontInfo& InFontInfo, ESlateDrawEffect InDrawEffects, const FLinearColor& InTint)
{
	MakeText(ElementList, InLayer, PaintGeometry, InText.ToString(), InFontInfo, InDrawEffects, InTint);
}

void FSlateDrawElement::MakeSpline(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const UE::Slate::FDeprecateVector2DParameter& InStart,
	const UE::Slate::FDeprecateVector2DParameter& InStartDir, const UE::Slate::FDeprecateVector2DParameter& InEnd, const UE::Slate::FDeprecateVector2DParameter& InEndDir,
	float InThickness, ESlateDrawEffect InDrawEffects, const FLinearColor& InTint)
{
	FSlateDrawElement& Element = AddElement(ElementList, ET_Spline, InLayer, PaintGeometry, InDrawEffects, InTint);
	Element.Points = { FVector2f(InStart), FVector2f(InStartDir), FVector2f(InEnd), FVector2f(InEndDir) };
	Element.Thickness = InThickness;
}

void FSlateDrawElement::MakeDebugQuad(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, FLinearColor Tint)
{
	AddElement(ElementList, ET_DebugQuad, InLayer, PaintGeometry, ESlateDrawEffect::None, Tint);
}
