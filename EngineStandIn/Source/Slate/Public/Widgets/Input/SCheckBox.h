// SCheckBox: a check box or toggle button. A click toggles it (Unchecked/Undetermined -> Checked,
// Checked -> Unchecked) and reports the new state; a bound IsChecked stays in charge of what it shows.
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class SLATE_API SCheckBox : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SCheckBox)
		: _Content()
		, _Style(&FCoreStyle::Get().GetWidgetStyle<FCheckBoxStyle>("Checkbox"))
		, _OnCheckStateChanged()
		, _IsChecked(ECheckBoxState::Unchecked)
		, _HAlign(HAlign_Fill)
		, _CheckBoxContentUsesAutoWidth(true)
		, _ClickMethod(EButtonClickMethod::DownAndUp)
		, _IsFocusable(true)
	{
	}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_STYLE_ARGUMENT(FCheckBoxStyle, Style)
		SLATE_ARGUMENT(TOptional<ESlateCheckBoxType::Type>, Type)
		SLATE_EVENT(FOnCheckStateChanged, OnCheckStateChanged)
		SLATE_ATTRIBUTE(ECheckBoxState, IsChecked)
		SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
		SLATE_ARGUMENT(bool, CheckBoxContentUsesAutoWidth)
		SLATE_ATTRIBUTE(FMargin, Padding)
		SLATE_ARGUMENT(EButtonClickMethod::Type, ClickMethod)
		SLATE_ATTRIBUTE(FSlateColor, ForegroundColor)
		SLATE_ATTRIBUTE(FSlateColor, BorderBackgroundColor)
		SLATE_ARGUMENT(bool, IsFocusable)
		SLATE_EVENT(FOnGetContent, OnGetMenuContent)
		SLATE_ARGUMENT(const FSlateBrush*, UncheckedImage)
		SLATE_ARGUMENT(const FSlateBrush*, UncheckedHoveredImage)
		SLATE_ARGUMENT(const FSlateBrush*, UncheckedPressedImage)
		SLATE_ARGUMENT(const FSlateBrush*, CheckedImage)
		SLATE_ARGUMENT(const FSlateBrush*, CheckedHoveredImage)
		SLATE_ARGUMENT(const FSlateBrush*, CheckedPressedImage)
		SLATE_ARGUMENT(const FSlateBrush*, UndeterminedImage)
		SLATE_ARGUMENT(const FSlateBrush*, UndeterminedHoveredImage)
		SLATE_ARGUMENT(const FSlateBrush*, UndeterminedPressedImage)
	SLATE_END_ARGS()

	SCheckBox();
	void Construct(const FArguments& InArgs);

	bool IsChecked() const { return IsCheckboxChecked.Get() == ECheckBoxState::Checked; }
	ECheckBoxState GetCheckedState() const { return IsCheckboxChecked.Get(); }
	bool IsPressed() const { return bIsPressed; }
	/** Toggles as a click does and reports the new state. */
	void ToggleCheckedState();
	void SetIsChecked(TAttribute<ECheckBoxState> InIsChecked) { IsCheckboxChecked = InIsChecked; }
	void SetContent(const TSharedRef<SWidget>& InContent) { ChildSlot.AttachWidget(InContent); }
	void SetStyle(const FCheckBoxStyle* InStyle) { Style = InStyle ? InStyle : &FCheckBoxStyle::GetDefault(); }
	void SetOnCheckStateChanged(FOnCheckStateChanged InOnCheckStateChanged) { OnCheckStateChanged = InOnCheckStateChanged; }

	virtual bool SupportsKeyboardFocus() const override { return bIsFocusable; }
	virtual bool IsInteractable() const override { return IsEnabled(); }
	virtual FReply OnKeyUp(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent) override;
	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual FReply OnMouseButtonDoubleClick(const FGeometry& InMyGeometry, const FPointerEvent& InMouseEvent) override;
	virtual FReply OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	virtual void OnMouseCaptureLost(const FCaptureLostEvent& CaptureLostEvent) override;
	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
		int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;

protected:
	const FSlateBrush* GetCheckImage() const;

	const FCheckBoxStyle* Style = nullptr;
	TAttribute<ECheckBoxState> IsCheckboxChecked;
	FOnCheckStateChanged OnCheckStateChanged;
	FOnGetContent OnGetMenuContent;
	EButtonClickMethod::Type ClickMethod = EButtonClickMethod::DownAndUp;
	bool bIsFocusable = true;
	bool bIsPressed = false;
	const FSlateBrush* UncheckedImage = nullptr;
	const FSlateBrush* CheckedImage = nullptr;
	const FSlateBrush* UndeterminedImage = nullptr;
};
