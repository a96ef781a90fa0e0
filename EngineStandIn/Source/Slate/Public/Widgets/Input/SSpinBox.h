// SSpinBox: a number that is dragged (changes while the mouse moves, committed on release) or typed
// (click, type, Enter). Committed values are clamped to [MinValue, MaxValue].
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Framework/Text/TextLayout.h"
#include "Rendering/DrawElements.h"
#include "StandIn/NumericEntryHooks.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <type_traits>

template <typename NumericType>
class SSpinBox : public SCompoundWidget
{
public:
	typedef typename TSlateDelegates<NumericType>::FOnValueChanged FOnValueChanged;
	typedef typename TSlateDelegates<NumericType>::FOnValueCommitted FOnValueCommitted;
	typedef typename TSlateDelegates<NumericType>::FOnGetDisplayValue FOnGetDisplayValue;

	SLATE_BEGIN_ARGS(SSpinBox<NumericType>)
		: _Style(&FCoreStyle::Get().GetWidgetStyle<FSpinBoxStyle>("SpinBox"))
		, _Value(0)
		, _MinFractionalDigits(DefaultMinFractionalDigits)
		, _MaxFractionalDigits(DefaultMaxFractionalDigits)
		, _AlwaysUsesDeltaSnap(false)
		, _EnableSlider(true)
		, _Delta(0)
		, _ShiftMultiplier(10.f)
		, _CtrlMultiplier(0.1f)
		, _SupportDynamicSliderMaxValue(false)
		, _SupportDynamicSliderMinValue(false)
		, _SliderExponent(1.f)
		, _Font(FCoreStyle::Get().GetFontStyle(TEXT("NormalFont")))
		, _ClearKeyboardFocusOnCommit(false)
		, _SelectAllTextOnCommit(true)
		, _MinDesiredWidth(0.0f)
		, _EnableWheel(true)
		, _WheelStep(TOptional<NumericType>())
		, _BroadcastValueChangesPerKey(false)
	{
	}
		SLATE_STYLE_ARGUMENT(FSpinBoxStyle, Style)
		SLATE_ATTRIBUTE(NumericType, Value)
		SLATE_ATTRIBUTE(TOptional<NumericType>, MinValue)
		SLATE_ATTRIBUTE(TOptional<NumericType>, MaxValue)
		SLATE_ATTRIBUTE(TOptional<NumericType>, MinSliderValue)
		SLATE_ATTRIBUTE(TOptional<NumericType>, MaxSliderValue)
		SLATE_ATTRIBUTE(TOptional<int32>, MinFractionalDigits)
		SLATE_ATTRIBUTE(TOptional<int32>, MaxFractionalDigits)
		SLATE_ATTRIBUTE(bool, AlwaysUsesDeltaSnap)
		SLATE_ATTRIBUTE(bool, EnableSlider)
		SLATE_ATTRIBUTE(NumericType, Delta)
		SLATE_ATTRIBUTE(float, ShiftMultiplier)
		SLATE_ATTRIBUTE(float, CtrlMultiplier)
		SLATE_ATTRIBUTE(bool, SupportDynamicSliderMaxValue)
		SLATE_ATTRIBUTE(bool, SupportDynamicSliderMinValue)
		SLATE_ATTRIBUTE(float, SliderExponent)
		SLATE_ATTRIBUTE(FSlateFontInfo, Font)
		SLATE_ATTRIBUTE(FMargin, ContentPadding)
		SLATE_EVENT(FOnValueChanged, OnValueChanged)
		SLATE_EVENT(FOnValueCommitted, OnValueCommitted)
		SLATE_EVENT(FSimpleDelegate, OnBeginSliderMovement)
		SLATE_EVENT(FOnValueChanged, OnEndSliderMovement)
		SLATE_EVENT(FOnGetDisplayValue, OnGetDisplayValue)
		SLATE_ATTRIBUTE(bool, ClearKeyboardFocusOnCommit)
		SLATE_ATTRIBUTE(bool, SelectAllTextOnCommit)
		SLATE_ATTRIBUTE(float, MinDesiredWidth)
		SLATE_ATTRIBUTE(ETextJustify::Type, Justification)
		SLATE_ARGUMENT(bool, EnableWheel)
		SLATE_ATTRIBUTE(TOptional<NumericType>, WheelStep)
		SLATE_ARGUMENT(bool, BroadcastValueChangesPerKey)
	SLATE_END_ARGS()

	static constexpr int32 DefaultMinFractionalDigits = 1;
	static constexpr int32 DefaultMaxFractionalDigits = 6;

	SSpinBox()
	{
	}

	void Construct(const FArguments& InArgs)
	{
		Style = InArgs._Style ? InArgs._Style : &FSpinBoxStyle::GetDefault();
		ValueAttribute = InArgs._Value;
		MinValue = InArgs._MinValue;
		MaxValue = InArgs._MaxValue;
		MinSliderValue = InArgs._MinSliderValue;
		MaxSliderValue = InArgs._MaxSliderValue;
		MinFractionalDigits = InArgs._MinFractionalDigits;
		MaxFractionalDigits = InArgs._MaxFractionalDigits;
		AlwaysUsesDeltaSnap = InArgs._AlwaysUsesDeltaSnap;
		EnableSlider = InArgs._EnableSlider;
		Delta = InArgs._Delta;
		ShiftMultiplier = InArgs._ShiftMultiplier;
		CtrlMultiplier = InArgs._CtrlMultiplier;
		SliderExponent = InArgs._SliderExponent;
		Font = InArgs._Font;
		OnValueChanged = InArgs._OnValueChanged;
		OnValueCommitted = InArgs._OnValueCommitted;
		OnBeginSliderMovement = InArgs._OnBeginSliderMovement;
		OnEndSliderMovement = InArgs._OnEndSliderMovement;
		OnGetDisplayValue = InArgs._OnGetDisplayValue;
		MinDesiredWidth = InArgs._MinDesiredWidth;
		bEnableWheel = InArgs._EnableWheel;
		WheelStep = InArgs._WheelStep;
		InternalValue = (double)ValueAttribute.Get();
	}

	// The engine's accessors.
	NumericType GetValue() const { return ValueAttribute.Get(); }
	void SetValue(const TAttribute<NumericType>& InValueAttribute)
	{
		ValueAttribute = InValueAttribute;
		InternalValue = (double)ValueAttribute.Get();
	}
	NumericType GetMinValue() const { return MinValue.Get(TOptional<NumericType>()).Get(std::numeric_limits<NumericType>::lowest()); }
	void SetMinValue(const TAttribute<TOptional<NumericType>>& InMinValue) { MinValue = InMinValue; }
	NumericType GetMaxValue() const { return MaxValue.Get(TOptional<NumericType>()).Get(std::numeric_limits<NumericType>::max()); }
	void SetMaxValue(const TAttribute<TOptional<NumericType>>& InMaxValue) { MaxValue = InMaxValue; }
	/** The slider bounds default to the value bounds. */
	NumericType GetMinSliderValue() const { return MinSliderValue.Get(TOptional<NumericType>()).Get(GetMinValue()); }
	void SetMinSliderValue(const TAttribute<TOptional<NumericType>>& InValue) { MinSliderValue = InValue; }
	NumericType GetMaxSliderValue() const { return MaxSliderValue.Get(TOptional<NumericType>()).Get(GetMaxValue()); }
	void SetMaxSliderValue(const TAttribute<TOptional<NumericType>>& InValue) { MaxSliderValue = InValue; }
	int32 GetMinFractionalDigits() const { return MinFractionalDigits.Get(TOptional<int32>()).Get(DefaultMinFractionalDigits); }
	void SetMinFractionalDigits(const TAttribute<TOptional<int32>>& InValue) { MinFractionalDigits = InValue; }
	int32 GetMaxFractionalDigits() const { return MaxFractionalDigits.Get(TOptional<int32>()).Get(DefaultMaxFractionalDigits); }
	void SetMaxFractionalDigits(const TAttribute<TOptional<int32>>& InValue) { MaxFractionalDigits = InValue; }
	bool GetAlwaysUsesDeltaSnap() const { return AlwaysUsesDeltaSnap.Get(false); }
	void SetAlwaysUsesDeltaSnap(bool bNewValue) { AlwaysUsesDeltaSnap.Set(bNewValue); }
	NumericType GetDelta() const { return Delta.Get(NumericType(0)); }
	void SetDelta(NumericType InDelta) { Delta.Set(InDelta); }
	float GetSliderExponent() const { return SliderExponent.Get(1.f); }
	void SetSliderExponent(const TAttribute<float>& InSliderExponent) { SliderExponent = InSliderExponent; }
	bool IsInTextMode() const { return bIsTextEditing; }

	virtual bool SupportsKeyboardFocus() const override { return true; }
	virtual bool IsInteractable() const override { return IsEnabled(); }

	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override
	{
		const float Height = Font.Get(FSlateFontInfo()).Size * 1.4f + 4.f;
		return FVector2D(FMath::Max(MinDesiredWidth.Get(0.f), 60.f), Height);
	}

	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override
	{
		const bool bEnabled = ShouldBeEnabled(bParentEnabled);
		const ESlateDrawEffect DrawEffects = bEnabled ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect;
		const FSlateBrush& Background = IsHovered() ? Style->HoveredBackgroundBrush : Style->BackgroundBrush;
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(), &Background, DrawEffects,
			Background.GetTint(InWidgetStyle) * InWidgetStyle.GetColorAndOpacityTint());
		const FSlateColor TextColor = Style->ForegroundColor;
		FSlateDrawElement::MakeText(OutDrawElements, LayerId + 1, AllottedGeometry.ToPaintGeometry(), GetDisplayText().ToString(), Font.Get(FSlateFontInfo()), DrawEffects,
			TextColor.GetColor(InWidgetStyle) * InWidgetStyle.GetColorAndOpacityTint());
		return LayerId + 1;
	}

	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override
	{
		if (MouseEvent.GetEffectingButton() == EKeys::LeftMouseButton && !bIsMouseDown && !bIsTextEditing)
		{
			bIsMouseDown = true;
			bDragging = false;
			DistanceDragged = 0.f;
			PreDragValue = InternalValue;
			return FReply::Handled().CaptureMouse(SharedThis(this));
		}
		return FReply::Unhandled();
	}

	virtual FReply OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override
	{
		if (!bIsMouseDown || !MouseEvent.IsMouseButtonDown(EKeys::LeftMouseButton))
		{
			return FReply::Unhandled();
		}
		if (!bDragging)
		{
			DistanceDragged += FMath::Abs((float)MouseEvent.GetCursorDelta().X);
			if (DistanceDragged > DragTriggerDistance)
			{
				bDragging = true;
				OnBeginSliderMovement.ExecuteIfBound();
			}
			return FReply::Handled();
		}
		if (!EnableSlider.Get(true))
		{
			return FReply::Handled();
		}

		double NewValue;
		const double SliderMin = (double)GetMinSliderValue();
		const double SliderMax = (double)GetMaxSliderValue();
		const bool bBoundedSlider = SliderMin > (double)std::numeric_limits<NumericType>::lowest() && SliderMax < (double)std::numeric_limits<NumericType>::max();
		if (bBoundedSlider)
		{
			// The value follows the pointer across the widget's width.
			const FVector2f Local = MyGeometry.AbsoluteToLocal(MouseEvent.GetScreenSpacePosition());
			const float Width = FMath::Max(1.f, MyGeometry.GetLocalSize().X);
			const double Fraction = FMath::Clamp((double)Local.X / Width, 0.0, 1.0);
			NewValue = SliderMin + (SliderMax - SliderMin) * std::pow(Fraction, (double)GetSliderExponent());
		}
		else
		{
			// Unbounded: each pixel moved is one step of Delta (or of 1 without a delta).
			double Step = GetDelta() != NumericType(0) ? (double)GetDelta() : 1.0;
			if (MouseEvent.IsShiftDown())
			{
				Step *= ShiftMultiplier.Get(10.f);
			}
			else if (MouseEvent.IsControlDown())
			{
				Step *= CtrlMultiplier.Get(0.1f);
			}
			SpinAccumulator += (double)MouseEvent.GetCursorDelta().X * Step;
			NewValue = PreDragValue + SpinAccumulator;
		}
		if (GetDelta() != NumericType(0))
		{
			NewValue = SnapToDelta(NewValue);
		}
		CommitValue(NewValue, ECommitMethod::CommittedViaSpin, ETextCommit::OnEnter);
		return FReply::Handled();
	}

	virtual FReply OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override
	{
		if (MouseEvent.GetEffectingButton() != EKeys::LeftMouseButton || !bIsMouseDown)
		{
			return FReply::Unhandled();
		}
		bIsMouseDown = false;
		SpinAccumulator = 0.0;
		if (bDragging)
		{
			bDragging = false;
			const NumericType CurrentValue = CastValue(InternalValue);
			NotifyValueCommitted(CurrentValue);
		}
		else
		{
			// A click without a drag starts typing, the current text selected.
			EnterTextMode();
		}
		return FReply::Handled().ReleaseMouseCapture();
	}

	virtual void OnMouseCaptureLost(const FCaptureLostEvent& CaptureLostEvent) override
	{
		if (bDragging)
		{
			bDragging = false;
			NotifyValueCommitted(CastValue(InternalValue));
		}
		bIsMouseDown = false;
	}

	virtual FReply OnMouseWheel(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override
	{
		if (!bEnableWheel || bIsTextEditing)
		{
			return FReply::Unhandled();
		}
		const double Step = WheelStep.Get(TOptional<NumericType>()).IsSet() ? (double)WheelStep.Get(TOptional<NumericType>()).GetValue()
			: (GetDelta() != NumericType(0) ? (double)GetDelta() : 1.0);
		const double Direction = MouseEvent.GetWheelDelta() > 0.f ? 1.0 : -1.0;
		CommitValue(InternalValue + Direction * Step, ECommitMethod::CommittedViaArrowKey, ETextCommit::OnEnter);
		return FReply::Handled();
	}

	virtual FReply OnFocusReceived(const FGeometry& MyGeometry, const FFocusEvent& InFocusEvent) override
	{
		EnterTextMode();
		return FReply::Handled();
	}

	virtual void OnFocusLost(const FFocusEvent& InFocusEvent) override
	{
		if (bIsTextEditing)
		{
			TextField_OnTextCommitted(FText::FromString(EditText), ETextCommit::OnUserMovedFocus);
		}
	}

	virtual FReply OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent) override
	{
		if (!bIsTextEditing)
		{
			return FReply::Unhandled();
		}
		const TCHAR Character = InCharacterEvent.GetCharacter();
		if (Character == TEXT('\b'))
		{
			DeleteBack();
		}
		else if (Character >= 32)
		{
			if (bTextSelected)
			{
				EditText.Empty();
				bTextSelected = false;
			}
			EditText.AppendChar(Character);
		}
		return FReply::Handled();
	}

	virtual FReply OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent) override
	{
		const FKey Key = InKeyEvent.GetKey();
		if (bIsTextEditing)
		{
			if (Key == EKeys::Enter)
			{
				TextField_OnTextCommitted(FText::FromString(EditText), ETextCommit::OnEnter);
				return FReply::Handled();
			}
			if (Key == EKeys::Escape)
			{
				// Reverts the typed text and leaves typing without a commit.
				bIsTextEditing = false;
				bTextSelected = false;
				EditText.Empty();
				return FReply::Handled();
			}
			if (Key == EKeys::BackSpace)
			{
				DeleteBack();
				return FReply::Handled();
			}
			if (Key == EKeys::A && InKeyEvent.IsControlDown())
			{
				bTextSelected = true;
				return FReply::Handled();
			}
			return FReply::Unhandled();
		}
		if (Key == EKeys::Up || Key == EKeys::Right || Key == EKeys::Down || Key == EKeys::Left)
		{
			const double Step = GetDelta() != NumericType(0) ? (double)GetDelta() : 1.0;
			const double Direction = (Key == EKeys::Up || Key == EKeys::Right) ? 1.0 : -1.0;
			CommitValue(InternalValue + Direction * Step, ECommitMethod::CommittedViaArrowKey, ETextCommit::OnEnter);
			return FReply::Handled();
		}
		if (Key == EKeys::Enter)
		{
			EnterTextMode();
			return FReply::Handled();
		}
		return FReply::Unhandled();
	}

	/** The text shown: the typed text while typing, else the value with the fractional digits of the widget. */
	FText GetDisplayText() const
	{
		if (bIsTextEditing)
		{
			return FText::FromString(EditText);
		}
		if (OnGetDisplayValue.IsBound())
		{
			const TOptional<FText> Custom = OnGetDisplayValue.Execute(GetValue());
			if (Custom.IsSet())
			{
				return Custom.GetValue();
			}
		}
		return FText::FromString(ValueToString((double)GetValue()));
	}

	/** The engine's formatting: fractional digits between the minimum and maximum, no grouping. */
	FString ValueToString(double InValue) const
	{
		if constexpr (std::is_integral_v<NumericType>)
		{
			return FString::Printf(TEXT("%lld"), (long long)InValue);
		}
		else
		{
			const int32 MaxDigits = FMath::Clamp(GetMaxFractionalDigits(), 0, 15);
			const int32 MinDigits = FMath::Clamp(GetMinFractionalDigits(), 0, MaxDigits);
			char Buffer[64];
			std::snprintf(Buffer, sizeof(Buffer), "%.*f", MaxDigits, InValue);
			FString Text(Buffer);
			int32 Dot = INDEX_NONE;
			Text.FindChar(TEXT('.'), Dot);
			if (Dot != INDEX_NONE)
			{
				int32 Keep = Text.Len();
				while (Keep > Dot + 1 + MinDigits && Text[Keep - 1] == TEXT('0'))
				{
					--Keep;
				}
				if (Keep == Dot + 1)
				{
					Keep = Dot;
				}
				Text = Text.Left(Keep);
			}
			// No "-0.0" for a value that rounds to zero.
			if (Text.Len() > 0 && Text[0] == TEXT('-') && std::strtod(Buffer, nullptr) == 0.0)
			{
				Text = Text.RightChop(1);
			}
			return Text;
		}
	}

protected:
	enum class ECommitMethod : uint8
	{
		CommittedViaSpin,
		CommittedViaTypeIn,
		CommittedViaArrowKey,
		CommittedViaCode,
		CommittedViaSpinMultiplier,
	};

	static constexpr float DragTriggerDistance = 5.0f;

	static NumericType CastValue(double InValue)
	{
		if constexpr (std::is_integral_v<NumericType>)
		{
			return (NumericType)std::llround(InValue);
		}
		else
		{
			return (NumericType)InValue;
		}
	}

	double SnapToDelta(double InValue) const
	{
		const double Step = (double)GetDelta();
		return Step != 0.0 ? std::round(InValue / Step) * Step : InValue;
	}

	void EnterTextMode()
	{
		if (!bIsTextEditing)
		{
			bIsTextEditing = true;
			EditText = GetDisplayText().ToString();
			bTextSelected = true;
		}
	}

	void DeleteBack()
	{
		if (bTextSelected)
		{
			EditText.Empty();
			bTextSelected = false;
		}
		else if (EditText.Len() > 0)
		{
			EditText = EditText.Left(EditText.Len() - 1);
		}
	}

	/** Parses the typed text; text that is not a number leaves the value as it was. */
	void TextField_OnTextCommitted(const FText& NewText, ETextCommit::Type CommitInfo)
	{
		bIsTextEditing = false;
		bTextSelected = false;
		EditText.Empty();
		if (CommitInfo == ETextCommit::OnCleared)
		{
			return;
		}
		const TOptional<double> NewValue = UE::StandIn::ParseTypedNumber(NewText.ToString());
		if (NewValue.IsSet())
		{
			CommitValue(NewValue.GetValue(), ECommitMethod::CommittedViaTypeIn, CommitInfo);
		}
	}

	void CommitValue(double NewValue, ECommitMethod CommitMethod, ETextCommit::Type OriginalCommitInfo)
	{
		if (CommitMethod == ECommitMethod::CommittedViaSpin || CommitMethod == ECommitMethod::CommittedViaArrowKey)
		{
			NewValue = FMath::Clamp(NewValue, (double)GetMinSliderValue(), (double)GetMaxSliderValue());
		}
		NewValue = FMath::Clamp(NewValue, (double)GetMinValue(), (double)GetMaxValue());
		if (GetAlwaysUsesDeltaSnap() && GetDelta() != NumericType(0))
		{
			NewValue = SnapToDelta(NewValue);
		}
		const NumericType CastedValue = CastValue(NewValue);
		const bool bChanged = (double)CastedValue != InternalValue;

		// A plain value is kept by the widget; a bound one stays in charge of what is shown.
		if (!ValueAttribute.IsBound())
		{
			ValueAttribute.Set(CastedValue);
		}
		InternalValue = (double)CastedValue;

		if (CommitMethod != ECommitMethod::CommittedViaSpin || bChanged)
		{
			OnValueChanged.ExecuteIfBound(CastedValue);
		}
		if (CommitMethod == ECommitMethod::CommittedViaTypeIn || CommitMethod == ECommitMethod::CommittedViaArrowKey)
		{
			OnValueCommitted.ExecuteIfBound(CastedValue, OriginalCommitInfo);
		}
	}

	void NotifyValueCommitted(NumericType CurrentValue) const
	{
		OnValueCommitted.ExecuteIfBound(CurrentValue, ETextCommit::OnEnter);
		OnEndSliderMovement.ExecuteIfBound(CurrentValue);
	}

	const FSpinBoxStyle* Style = nullptr;
	TAttribute<NumericType> ValueAttribute;
	TAttribute<TOptional<NumericType>> MinValue;
	TAttribute<TOptional<NumericType>> MaxValue;
	TAttribute<TOptional<NumericType>> MinSliderValue;
	TAttribute<TOptional<NumericType>> MaxSliderValue;
	TAttribute<TOptional<int32>> MinFractionalDigits;
	TAttribute<TOptional<int32>> MaxFractionalDigits;
	TAttribute<bool> AlwaysUsesDeltaSnap;
	TAttribute<bool> EnableSlider;
	TAttribute<NumericType> Delta;
	TAttribute<float> ShiftMultiplier;
	TAttribute<float> CtrlMultiplier;
	TAttribute<float> SliderExponent;
	TAttribute<FSlateFontInfo> Font;
	TAttribute<float> MinDesiredWidth;
	TAttribute<TOptional<NumericType>> WheelStep;
	FOnValueChanged OnValueChanged;
	FOnValueCommitted OnValueCommitted;
	FSimpleDelegate OnBeginSliderMovement;
	FOnValueChanged OnEndSliderMovement;
	FOnGetDisplayValue OnGetDisplayValue;
	bool bEnableWheel = true;

	double InternalValue = 0.0;
	double PreDragValue = 0.0;
	double SpinAccumulator = 0.0;
	float DistanceDragged = 0.f;
	bool bIsMouseDown = false;
	bool bDragging = false;
	bool bIsTextEditing = false;
	bool bTextSelected = false;
	FString EditText;
};
