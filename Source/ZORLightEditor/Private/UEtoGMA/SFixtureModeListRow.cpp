#include "UEtoGMA/SFixtureModeListRow.h"

#include "Brushes/SlateNoResource.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateTypes.h"
#include "UEtoGMA/FixtureModeListItem.h"
#include "UEtoGMA/SFixtureModeList.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Input/SSpinBox.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "ZORLightEditorStyle.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

void SFixtureModeListRow::Construct(const FArguments& InArgs, const TSharedRef<STableViewBase>& InOwnerTable)
{
	Item = InArgs._Item;
	OnCheckStateChanged = InArgs._OnCheckStateChanged;
	OnNumChanged = InArgs._OnNumChanged;

	const FName RowStyleName(TEXT("FixturePatchList.Row"));
	const FTableRowStyle* RowStyle = FZORLightEditorStyle::Get().HasWidgetStyle<FTableRowStyle>(RowStyleName)
		? &FZORLightEditorStyle::Get().GetWidgetStyle<FTableRowStyle>(RowStyleName)
		: &FTableRowStyle::GetDefault();

	FSuperRowType::Construct(FSuperRowType::FArguments().Style(RowStyle), InOwnerTable);
}

TSharedRef<SWidget> SFixtureModeListRow::GenerateWidgetForColumn(const FName& ColumnName)
{
	check(Item.IsValid());

	if (ColumnName == SFixtureModeList::ColumnID_IsSelected)
	{
		return SNew(SBox)
			.MinDesiredHeight(30.0f)
			[
				SNew(SBorder)
				.BorderImage(FAppStyle::Get().GetBrush("NoBorder"))
				.HAlign(HAlign_Fill)
				.VAlign(VAlign_Center)
				.Padding(4.0f)
				[
					SNew(SCheckBox)
					.IsChecked_Lambda([this]()
					{
						return Item->bIsSelected ? ECheckBoxState::Checked : ECheckBoxState::Unchecked;
					})
					.OnCheckStateChanged_Lambda([this](ECheckBoxState NewState)
					{
						Item->bIsSelected = NewState == ECheckBoxState::Checked;
						OnCheckStateChanged.ExecuteIfBound();
					})
				]
			];
	}

	if (ColumnName == SFixtureModeList::ColumnID_Mode)
	{
		return SNew(SBox)
			.MinDesiredHeight(30.0f)
			[
				SNew(SHorizontalBox)
				+ SHorizontalBox::Slot()
				.FillWidth(0.8f)
				.Padding(0.0f, 4.0f, 0.0f, 4.0f)
				[
					SNew(SEditableTextBox)
					.Text_Lambda([this]()
					{
						return FText::FromString(Item->GetFixtureTypeName());
					})
					.ToolTipText(LOCTEXT("EditableFixtureTypeNameTooltip", "Click to edit fixture type name."))
					.OnTextCommitted_Lambda([this](const FText& NewText, ETextCommit::Type CommitType)
					{
						Item->CustomFixtureTypeName = NewText.ToString();
					})
				]
				+ SHorizontalBox::Slot()
				.AutoWidth()
				.Padding(4.0f)
				[
					SNew(SButton)
					.ButtonStyle(&FAppStyle::Get(), "HoverHintOnly")
					.ToolTipText(LOCTEXT("ResetTooltip", "Reset to default fixture type name"))
					.Visibility_Lambda([this]()
					{
						const bool bDiffersFromDefault = !Item->CustomFixtureTypeName.IsEmpty()
							&& !Item->GetFixtureTypeName().Equals(Item->GetDefaultFixtureTypeName(), ESearchCase::IgnoreCase);
						return bDiffersFromDefault ? EVisibility::Visible : EVisibility::Collapsed;
					})
					.OnClicked_Lambda([this]()
					{
						Item->CustomFixtureTypeName.Empty();
						return FReply::Handled();
					})
					[
						SNew(SImage)
						.Image(FZORLightEditorStyle::Get().GetBrush("Icons.ResetToDefault"))
						.ColorAndOpacity(FSlateColor::UseSubduedForeground())
					]
				]
			];
	}

	if (ColumnName == SFixtureModeList::ColumnID_Status)
	{
		return SNew(SBox)
			.MinDesiredHeight(30.0f)
			.IsEnabled_Lambda([this]()
			{
				return Item->bIsSelected;
			})
			[
				SNew(SBox)
				.HAlign(HAlign_Center)
				.VAlign(VAlign_Center)
				[
					SNew(SImage)
					.Image_Lambda([this]() -> const FSlateBrush*
					{
						static const FSlateNoResource NoBrush;
						if (Item->bHasNumConflict && Item->bIsSelected)
						{
							return FZORLightEditorStyle::Get().GetBrush("Icons.WarningExclamationMark");
						}
						return &NoBrush;
					})
					.ToolTipText_Lambda([this]()
					{
						if (Item->bHasNumConflict && Item->bIsSelected)
						{
							return LOCTEXT("ModeNumConflictWarningToolTip", "Having Mode Num Conflict!");
						}
						return FText::GetEmpty();
					})
				]
			];
	}

	if (ColumnName == SFixtureModeList::ColumnID_Num)
	{
		return SNew(SBox)
			.MinDesiredHeight(30.0f)
			.IsEnabled_Lambda([this]()
			{
				return Item->bIsSelected;
			})
			[
				SNew(SBorder)
				.BorderImage(FAppStyle::Get().GetBrush("NoBorder"))
				.HAlign(HAlign_Fill)
				.VAlign(VAlign_Center)
				.Padding(4.0f)
				[
					SNew(SSpinBox<int32>)
					.Value_Lambda([this]()
					{
						return Item->FixtureTypeNo;
					})
					.MinValue(0)
					.MinSliderValue(0)
					.SliderExponent(1.0f)
					.ToolTipText(LOCTEXT("EditableFixtureTypeNumTooltip", "Click to edit MA fixture type No."))
					.OnValueChanged_Lambda([this](int32 NewValue)
					{
						Item->FixtureTypeNo = NewValue;
						OnNumChanged.ExecuteIfBound();
					})
				]
			];
	}

	return SNullWidget::NullWidget;
}

#undef LOCTEXT_NAMESPACE
