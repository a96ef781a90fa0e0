// SComboBox: a combo button whose menu lists the options (one generated widget each); picking one
// selects it and reports the change.
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Input/SComboButton.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/SBoxPanel.h"

template <typename OptionType>
class SComboBox : public SComboButton
{
public:
	typedef TDelegate<void(OptionType, ESelectInfo::Type)> FOnSelectionChanged;
	typedef TDelegate<TSharedRef<SWidget>(OptionType)> FOnGenerateWidget;
	typedef TDelegate<bool(OptionType)> FOnIsSelectableOrNavigable;
	typedef OptionType NullableOptionType;

	SLATE_BEGIN_ARGS(SComboBox)
		: _Content()
		, _ComboBoxStyle(&FCoreStyle::Get().GetWidgetStyle<FComboBoxStyle>("ComboBox"))
		, _ButtonStyle(nullptr)
		, _OptionsSource(nullptr)
		, _InitiallySelectedItem(OptionType())
		, _MaxListHeight(450.0f)
		, _HasDownArrow(true)
		, _EnableGamepadNavigationMode(false)
		, _IsFocusable(true)
	{
	}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_STYLE_ARGUMENT(FComboBoxStyle, ComboBoxStyle)
		SLATE_STYLE_ARGUMENT(FButtonStyle, ButtonStyle)
		SLATE_STYLE_ARGUMENT(FTableRowStyle, ItemStyle)
		SLATE_ATTRIBUTE(FMargin, ContentPadding)
		SLATE_ATTRIBUTE(FSlateColor, ForegroundColor)
		SLATE_ARGUMENT(const TArray<OptionType>*, OptionsSource)
		SLATE_EVENT(FOnSelectionChanged, OnSelectionChanged)
		SLATE_EVENT(FOnGenerateWidget, OnGenerateWidget)
		SLATE_EVENT(FOnComboBoxOpening, OnComboBoxOpening)
		SLATE_EVENT(FOnIsSelectableOrNavigable, OnIsSelectableOrNavigable)
		SLATE_ARGUMENT(OptionType, InitiallySelectedItem)
		SLATE_ARGUMENT(TOptional<EPopupMethod>, Method)
		SLATE_ARGUMENT(float, MaxListHeight)
		SLATE_ARGUMENT(bool, HasDownArrow)
		SLATE_ARGUMENT(bool, EnableGamepadNavigationMode)
		SLATE_ARGUMENT(bool, IsFocusable)
	SLATE_END_ARGS()

	SComboBox()
	{
	}

	void Construct(const FArguments& InArgs)
	{
		OptionsSource = InArgs._OptionsSource;
		OnSelectionChanged = InArgs._OnSelectionChanged;
		OnGenerateWidget = InArgs._OnGenerateWidget;
		OnComboBoxOpening = InArgs._OnComboBoxOpening;
		OnIsSelectableOrNavigable = InArgs._OnIsSelectableOrNavigable;
		SelectedItem = InArgs._InitiallySelectedItem;

		const FComboBoxStyle* OurStyle = InArgs._ComboBoxStyle ? InArgs._ComboBoxStyle : &FComboBoxStyle::GetDefault();
		SComboButton::Construct(SComboButton::FArguments()
			.ComboButtonStyle(&OurStyle->ComboButtonStyle)
			.ButtonStyle(InArgs._ButtonStyle)
			.ContentPadding(InArgs._ContentPadding)
			.ForegroundColor(InArgs._ForegroundColor)
			.HasDownArrow(InArgs._HasDownArrow)
			.IsFocusable(InArgs._IsFocusable)
			.ButtonContent()
			[
				InArgs._Content.Widget
			]);
		SetOnGetMenuContent(FOnGetContent::CreateSP(this, &SComboBox::MakeOptionList));
	}

	void ClearSelection() { SelectItem(OptionType(), ESelectInfo::Direct); }

	void SetSelectedItem(NullableOptionType InSelectedItem, ESelectInfo::Type InSelectInfo = ESelectInfo::Direct)
	{
		SelectItem(InSelectedItem, InSelectInfo);
	}

	NullableOptionType GetSelectedItem() { return SelectedItem; }

	void SetOptionsSource(const TArray<OptionType>* InOptionsSource) { OptionsSource = InOptionsSource; }

	/** Regenerates the option widgets of an open menu. */
	void RefreshOptions()
	{
		if (IsOpen())
		{
			SetMenuContent(MakeOptionList());
		}
	}

	void SetItemStyle(const FTableRowStyle* InItemStyle)
	{
	}

	void SetOnSelectionChanged(FOnSelectionChanged InOnSelectionChanged) { OnSelectionChanged = InOnSelectionChanged; }

protected:
	virtual FReply OnButtonClicked() override
	{
		if (!IsOpen())
		{
			OnComboBoxOpening.ExecuteIfBound();
		}
		return SComboButton::OnButtonClicked();
	}

private:
	/** One row of the option list; a click on it picks the option. */
	TSharedRef<SWidget> MakeOptionList()
	{
		TSharedRef<SVerticalBox> List = SNew(SVerticalBox);
		if (OptionsSource != nullptr)
		{
			for (const OptionType& Option : *OptionsSource)
			{
				TSharedRef<SWidget> RowContent = OnGenerateWidget.IsBound() ? OnGenerateWidget.Execute(Option) : SNullWidget::NullWidget;
				TWeakPtr<SWidget> WeakSelf = this->AsShared();
				List->AddSlot().AutoHeight()
				[
					SNew(SBorder)
					.Padding(FMargin(2.f))
					.OnMouseButtonDown_Lambda([](const FGeometry&, const FPointerEvent& MouseEvent)
					{
						return MouseEvent.GetEffectingButton() == EKeys::LeftMouseButton ? FReply::Handled() : FReply::Unhandled();
					})
					.OnMouseButtonUp_Lambda([this, WeakSelf, Option](const FGeometry&, const FPointerEvent& MouseEvent)
					{
						if (!WeakSelf.IsValid() || MouseEvent.GetEffectingButton() != EKeys::LeftMouseButton)
						{
							return FReply::Unhandled();
						}
						if (OnIsSelectableOrNavigable.IsBound() && !OnIsSelectableOrNavigable.Execute(Option))
						{
							return FReply::Handled();
						}
						SelectItem(Option, ESelectInfo::OnMouseClick);
						return FReply::Handled();
					})
					[
						RowContent
					]
				];
			}
		}
		return List;
	}

	void SelectItem(NullableOptionType ProposedSelection, ESelectInfo::Type SelectInfo)
	{
		if (!(ProposedSelection == SelectedItem))
		{
			SelectedItem = ProposedSelection;
			OnSelectionChanged.ExecuteIfBound(ProposedSelection, SelectInfo);
		}
		// Navigation keeps the menu open; anything else closes it.
		if (SelectInfo != ESelectInfo::OnNavigation)
		{
			SetIsOpen(false);
		}
	}

	const TArray<OptionType>* OptionsSource = nullptr;
	FOnSelectionChanged OnSelectionChanged;
	FOnGenerateWidget OnGenerateWidget;
	FOnComboBoxOpening OnComboBoxOpening;
	FOnIsSelectableOrNavigable OnIsSelectableOrNavigable;
	NullableOptionType SelectedItem = NullableOptionType();
};
