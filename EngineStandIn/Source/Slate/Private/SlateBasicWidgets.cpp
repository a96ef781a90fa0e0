#include "Widgets/Text/STextBlock.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SCheckBox.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/LayoutUtils.h"
#include "Rendering/DrawElements.h"

// STextBlock

STextBlock::STextBlock()
{
}

void STextBlock::Construct(const FArguments& InArgs)
{
	TextStyle = InArgs._TextStyle ? *InArgs._TextStyle : FTextBlockStyle::GetDefault();
	BoundText = InArgs._Text;
	Font = InArgs._Font;
	ColorAndOpacity = InArgs._ColorAndOpacity;
	ShadowOffset = InArgs._ShadowOffset;
	ShadowColorAndOpacity = InArgs._ShadowColorAndOpacity;
	HighlightText = InArgs._HighlightText;
	WrapTextAt = InArgs._WrapTextAt;
	AutoWrapText = InArgs._AutoWrapText;
	Justification = InArgs._Justification;
	Margin = InArgs._Margin;
	MinDesiredWidth = InArgs._MinDesiredWidth;
	TransformPolicy = InArgs._TransformPolicy;
	OnDoubleClicked = InArgs._OnDoubleClicked;
}

const FText& STextBlock::GetText() const
{
	CachedText = BoundText.Get(FText::GetEmpty());
	return CachedText;
}

void STextBlock::SetText(TAttribute<FText> InText)
{
	BoundText = MoveTemp(InText);
}

FSlateFontInfo STextBlock::GetFont() const
{
	return Font.IsSet() ? Font.Get() : TextStyle.Font;
}

FSlateColor STextBlock::GetColorAndOpacity() const
{
	return ColorAndOpacity.IsSet() ? ColorAndOpacity.Get() : TextStyle.ColorAndOpacity;
}

int32 STextBlock::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
	int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	const bool bEnabled = ShouldBeEnabled(bParentEnabled);
	const FLinearColor Color = GetColorAndOpacity().GetColor(InWidgetStyle) * InWidgetStyle.GetColorAndOpacityTint();
	FString Text = GetText().ToString();
	const ETextTransformPolicy Transform = TransformPolicy.Get(ETextTransformPolicy::None);
	if (Transform == ETextTransformPolicy::ToUpper)
	{
		Text = Text.ToUpper();
	}
	else if (Transform == ETextTransformPolicy::ToLower)
	{
		Text = Text.ToLower();
	}
	FSlateDrawElement::MakeText(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(), Text, GetFont(),
		bEnabled ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect, Color);
	return LayerId;
}

FVector2D STextBlock::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	// No font shaping here: an average glyph is about half the font size wide.
	const FSlateFontInfo FontInfo = GetFont();
	const FMargin TextMargin = Margin.Get(FMargin(0));
	const float Width = GetText().ToString().Len() * FontInfo.Size * 0.55f + TextMargin.Left + TextMargin.Right;
	const float Height = FontInfo.Size * 1.35f + TextMargin.Top + TextMargin.Bottom;
	return FVector2D(FMath::Max(Width, MinDesiredWidth.Get(0.f)), Height);
}

FReply STextBlock::OnMouseButtonDoubleClick(const FGeometry& InMyGeometry, const FPointerEvent& InMouseEvent)
{
	if (OnDoubleClicked.IsBound())
	{
		return OnDoubleClicked.Execute(InMyGeometry, InMouseEvent);
	}
	return FReply::Unhandled();
}

// SBox

SBox::SBox()
	: ChildSlot(this)
{
}

void SBox::Construct(const FArguments& InArgs)
{
	WidthOverride = InArgs._WidthOverride;
	HeightOverride = InArgs._HeightOverride;
	MinDesiredWidth = InArgs._MinDesiredWidth;
	MinDesiredHeight = InArgs._MinDesiredHeight;
	MaxDesiredWidth = InArgs._MaxDesiredWidth;
	MaxDesiredHeight = InArgs._MaxDesiredHeight;
	ChildSlot.HAlign(InArgs._HAlign).VAlign(InArgs._VAlign).Padding(InArgs._Padding);
	ChildSlot.AttachWidget(InArgs._Content.Widget);
}

FVector2D SBox::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	const TSharedRef<SWidget>& Child = ChildSlot.GetWidget();
	FVector2f Desired(0.f, 0.f);
	if (Child->GetVisibility() != EVisibility::Collapsed)
	{
		Desired = FVector2f(Child->GetDesiredSize()) + ChildSlot.GetPadding().GetDesiredSize();
	}
	auto Resolve = [](float Value, const FOptionalSize& Override, const FOptionalSize& Min, const FOptionalSize& Max)
	{
		if (Override.IsSet())
		{
			return Override.Get();
		}
		if (Min.IsSet())
		{
			Value = FMath::Max(Value, Min.Get());
		}
		if (Max.IsSet())
		{
			Value = FMath::Min(Value, Max.Get());
		}
		return Value;
	};
	return FVector2D(Resolve(Desired.X, GetWidthOverride(), GetMinDesiredWidth(), GetMaxDesiredWidth()),
		Resolve(Desired.Y, GetHeightOverride(), GetMinDesiredHeight(), GetMaxDesiredHeight()));
}

void SBox::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
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

// SBorder

SBorder::SBorder()
{
}

void SBorder::Construct(const FArguments& InArgs)
{
	ContentScale = InArgs._ContentScale;
	ColorAndOpacity = InArgs._ColorAndOpacity;
	DesiredSizeScale = InArgs._DesiredSizeScale;
	bShowDisabledEffect = InArgs._ShowEffectWhenDisabled.Get(true);
	bFlipForRightToLeftFlowDirection = InArgs._FlipForRightToLeftFlowDirection;
	BorderImage = InArgs._BorderImage;
	BorderBackgroundColor = InArgs._BorderBackgroundColor;
	ForegroundColor = InArgs._ForegroundColor;
	MouseButtonDownHandler = InArgs._OnMouseButtonDown;
	MouseButtonUpHandler = InArgs._OnMouseButtonUp;
	MouseMoveHandler = InArgs._OnMouseMove;
	MouseDoubleClickHandler = InArgs._OnMouseDoubleClick;
	ChildSlot.HAlign(InArgs._HAlign).VAlign(InArgs._VAlign).Padding(InArgs._Padding);
	ChildSlot.AttachWidget(InArgs._Content.Widget);
}

int32 SBorder::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
	int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	const FSlateBrush* BrushResource = BorderImage.Get();
	const bool bEnabled = ShouldBeEnabled(bParentEnabled);
	if (BrushResource && BrushResource->DrawAs != ESlateBrushDrawType::NoDrawType)
	{
		const FLinearColor FinalColor = BrushResource->GetTint(InWidgetStyle) * InWidgetStyle.GetColorAndOpacityTint() * BorderBackgroundColor.Get(FSlateColor(FLinearColor::White)).GetColor(InWidgetStyle);
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(), BrushResource,
			bEnabled || !bShowDisabledEffect ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect, FinalColor);
	}
	return SCompoundWidget::OnPaint(Args, AllottedGeometry, MyCullingRect, OutDrawElements, LayerId, InWidgetStyle, bEnabled);
}

FVector2D SBorder::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	const FVector2D Scale = DesiredSizeScale.Get(FVector2D(1, 1));
	const FVector2D Desired = SCompoundWidget::ComputeDesiredSize(LayoutScaleMultiplier);
	return FVector2D(Desired.X * Scale.X, Desired.Y * Scale.Y);
}

FReply SBorder::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	return MouseButtonDownHandler.IsBound() ? MouseButtonDownHandler.Execute(MyGeometry, MouseEvent) : FReply::Unhandled();
}

FReply SBorder::OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	return MouseButtonUpHandler.IsBound() ? MouseButtonUpHandler.Execute(MyGeometry, MouseEvent) : FReply::Unhandled();
}

FReply SBorder::OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	return MouseMoveHandler.IsBound() ? MouseMoveHandler.Execute(MyGeometry, MouseEvent) : FReply::Unhandled();
}

FReply SBorder::OnMouseButtonDoubleClick(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	return MouseDoubleClickHandler.IsBound() ? MouseDoubleClickHandler.Execute(MyGeometry, MouseEvent) : FReply::Unhandled();
}

// SButton

SButton::SButton()
{
}

void SButton::Construct(const FArguments& InArgs)
{
	Style = InArgs._ButtonStyle ? InArgs._ButtonStyle : &FButtonStyle::GetDefault();
	OnClicked = InArgs._OnClicked;
	OnPressed = InArgs._OnPressed;
	OnReleased = InArgs._OnReleased;
	OnHovered = InArgs._OnHovered;
	OnUnhovered = InArgs._OnUnhovered;
	ClickMethod = InArgs._ClickMethod;
	bIsFocusable = InArgs._IsFocusable;

	// A text argument becomes the content, as in the engine.
	TSharedRef<SWidget> Content = InArgs._Content.Widget;
	if (InArgs._Text.IsSet())
	{
		Content = SNew(STextBlock).Text(InArgs._Text).TextStyle(InArgs._TextStyle);
	}

	SBorder::Construct(SBorder::FArguments()
		.ContentScale(InArgs._ContentScale)
		.DesiredSizeScale(InArgs._DesiredSizeScale)
		.BorderBackgroundColor(InArgs._ButtonColorAndOpacity)
		.ForegroundColor(InArgs._ForegroundColor)
		.BorderImage(this, &SButton::GetBorderBrush)
		.Padding(InArgs._ContentPadding)
		.HAlign(InArgs._HAlign)
		.VAlign(InArgs._VAlign)
		[
			Content
		]);
}

const FSlateBrush* SButton::GetBorderBrush() const
{
	if (!IsEnabled())
	{
		return &Style->Disabled;
	}
	if (bIsPressed)
	{
		return &Style->Pressed;
	}
	return IsHovered() ? &Style->Hovered : &Style->Normal;
}

void SButton::Press()
{
	if (!bIsPressed)
	{
		bIsPressed = true;
		OnPressed.ExecuteIfBound();
	}
}

void SButton::Release()
{
	if (bIsPressed)
	{
		bIsPressed = false;
		OnReleased.ExecuteIfBound();
	}
}

FReply SButton::ExecuteOnClick()
{
	if (OnClicked.IsBound())
	{
		return OnClicked.Execute();
	}
	return FReply::Handled();
}

FReply SButton::OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent)
{
	if (IsEnabled() && (InKeyEvent.GetKey() == EKeys::Enter || InKeyEvent.GetKey() == EKeys::SpaceBar))
	{
		Press();
		return FReply::Handled();
	}
	return FReply::Unhandled();
}

FReply SButton::OnKeyUp(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent)
{
	if (IsEnabled() && bIsPressed && (InKeyEvent.GetKey() == EKeys::Enter || InKeyEvent.GetKey() == EKeys::SpaceBar))
	{
		Release();
		return ExecuteOnClick();
	}
	return FReply::Unhandled();
}

FReply SButton::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (!IsEnabled() || MouseEvent.GetEffectingButton() != EKeys::LeftMouseButton)
	{
		return FReply::Unhandled();
	}
	Press();
	if (ClickMethod == EButtonClickMethod::MouseDown)
	{
		FReply Reply = ExecuteOnClick();
		Release();
		return Reply;
	}
	return FReply::Handled().CaptureMouse(AsShared());
}

FReply SButton::OnMouseButtonDoubleClick(const FGeometry& InMyGeometry, const FPointerEvent& InMouseEvent)
{
	return OnMouseButtonDown(InMyGeometry, InMouseEvent);
}

FReply SButton::OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (MouseEvent.GetEffectingButton() != EKeys::LeftMouseButton)
	{
		return FReply::Unhandled();
	}
	FReply Reply = FReply::Handled();
	const bool bWasPressed = bIsPressed;
	Release();
	// A click is a press and a release both inside the button.
	if (IsEnabled() && bWasPressed && ClickMethod != EButtonClickMethod::MouseDown && MyGeometry.IsUnderLocation(MouseEvent.GetScreenSpacePosition()))
	{
		Reply = ExecuteOnClick();
	}
	return Reply.ReleaseMouseCapture();
}

FReply SButton::OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	return FReply::Unhandled();
}

void SButton::OnMouseEnter(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	SBorder::OnMouseEnter(MyGeometry, MouseEvent);
	OnHovered.ExecuteIfBound();
}

void SButton::OnMouseLeave(const FPointerEvent& MouseEvent)
{
	SBorder::OnMouseLeave(MouseEvent);
	OnUnhovered.ExecuteIfBound();
}

void SButton::OnMouseCaptureLost(const FCaptureLostEvent& CaptureLostEvent)
{
	Release();
}

// SCheckBox

SCheckBox::SCheckBox()
{
}

void SCheckBox::Construct(const FArguments& InArgs)
{
	Style = InArgs._Style ? InArgs._Style : &FCheckBoxStyle::GetDefault();
	IsCheckboxChecked = InArgs._IsChecked;
	OnCheckStateChanged = InArgs._OnCheckStateChanged;
	OnGetMenuContent = InArgs._OnGetMenuContent;
	ClickMethod = InArgs._ClickMethod;
	bIsFocusable = InArgs._IsFocusable;
	UncheckedImage = InArgs._UncheckedImage;
	CheckedImage = InArgs._CheckedImage;
	UndeterminedImage = InArgs._UndeterminedImage;
	if (InArgs._ForegroundColor.IsSet())
	{
		ForegroundColor = InArgs._ForegroundColor;
	}
	ChildSlot.HAlign(InArgs._HAlign).Padding(InArgs._Padding.IsSet() ? InArgs._Padding : TAttribute<FMargin>(Style->Padding));
	ChildSlot.AttachWidget(InArgs._Content.Widget);
}

void SCheckBox::ToggleCheckedState()
{
	const ECheckBoxState State = IsCheckboxChecked.Get();
	const ECheckBoxState NewState = State == ECheckBoxState::Checked ? ECheckBoxState::Unchecked : ECheckBoxState::Checked;
	// An unbound state is the check box's own; a bound one is left to whoever reports it.
	if (!IsCheckboxChecked.IsBound())
	{
		IsCheckboxChecked.Set(NewState);
	}
	OnCheckStateChanged.ExecuteIfBound(NewState);
}

FReply SCheckBox::OnKeyUp(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent)
{
	if (IsEnabled() && (InKeyEvent.GetKey() == EKeys::SpaceBar || InKeyEvent.GetKey() == EKeys::Enter))
	{
		ToggleCheckedState();
		return FReply::Handled();
	}
	return FReply::Unhandled();
}

FReply SCheckBox::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (!IsEnabled() || MouseEvent.GetEffectingButton() != EKeys::LeftMouseButton)
	{
		return FReply::Unhandled();
	}
	bIsPressed = true;
	if (ClickMethod == EButtonClickMethod::MouseDown)
	{
		ToggleCheckedState();
		bIsPressed = false;
		return FReply::Handled();
	}
	return FReply::Handled().CaptureMouse(AsShared());
}

FReply SCheckBox::OnMouseButtonDoubleClick(const FGeometry& InMyGeometry, const FPointerEvent& InMouseEvent)
{
	return OnMouseButtonDown(InMyGeometry, InMouseEvent);
}

FReply SCheckBox::OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (MouseEvent.GetEffectingButton() != EKeys::LeftMouseButton)
	{
		return FReply::Unhandled();
	}
	const bool bWasPressed = bIsPressed;
	bIsPressed = false;
	if (IsEnabled() && bWasPressed && ClickMethod != EButtonClickMethod::MouseDown && MyGeometry.IsUnderLocation(MouseEvent.GetScreenSpacePosition()))
	{
		ToggleCheckedState();
	}
	return FReply::Handled().ReleaseMouseCapture();
}

void SCheckBox::OnMouseCaptureLost(const FCaptureLostEvent& CaptureLostEvent)
{
	bIsPressed = false;
}

const FSlateBrush* SCheckBox::GetCheckImage() const
{
	switch (IsCheckboxChecked.Get())
	{
	case ECheckBoxState::Checked:
		return CheckedImage ? CheckedImage : &Style->CheckedImage;
	case ECheckBoxState::Undetermined:
		return UndeterminedImage ? UndeterminedImage : &Style->UndeterminedImage;
	default:
		return UncheckedImage ? UncheckedImage : &Style->UncheckedImage;
	}
}

int32 SCheckBox::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
	int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	const FSlateBrush* Image = GetCheckImage();
	if (Image != nullptr && Image->DrawAs != ESlateBrushDrawType::NoDrawType)
	{
		const FVector2f ImageSize = Image->ImageSize;
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(ImageSize, FSlateLayoutTransform()), Image,
			ShouldBeEnabled(bParentEnabled) ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect, Image->GetTint(InWidgetStyle) * InWidgetStyle.GetColorAndOpacityTint());
	}
	return SCompoundWidget::OnPaint(Args, AllottedGeometry, MyCullingRect, OutDrawElements, LayerId + 1, InWidgetStyle, bParentEnabled);
}
