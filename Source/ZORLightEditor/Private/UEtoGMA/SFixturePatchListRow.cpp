#include "UEtoGMA/SFixturePatchListRow.h"

#include "Brushes/SlateNoResource.h"
#include "GameFramework/Actor.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateTypes.h"
#include "UEtoGMA/FixturePatchListItem.h"
#include "UEtoGMA/SFixturePatchList.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SComboBox.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/Text/STextBlock.h"
#include "ZORLightEditorStyle.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

SFixturePatchListRow::~SFixturePatchListRow()
{
	OnItemChanged.Unbind();
	Item.Reset();
}

void SFixturePatchListRow::Construct(const FArguments& InArgs, const TSharedRef<STableViewBase>& InOwnerTable)
{
	Item = InArgs._Item;
	OnItemChanged = InArgs._OnItemChanged;

	const FName RowStyleName(TEXT("FixturePatchList.Row"));
	const FTableRowStyle* RowStyle = FZORLightEditorStyle::Get().HasWidgetStyle<FTableRowStyle>(RowStyleName)
		? &FZORLightEditorStyle::Get().GetWidgetStyle<FTableRowStyle>(RowStyleName)
		: &FTableRowStyle::GetDefault();

	FSuperRowType::Construct(FSuperRowType::FArguments().Style(RowStyle), InOwnerTable);
}

TSharedRef<SWidget> SFixturePatchListRow::MakeTextField(const TAttribute<FText>& InText) const
{
	return SNew(SBorder)
		.BorderImage(FAppStyle::Get().GetBrush("NoBorder"))
		.Padding(4.0f)
		.HAlign(HAlign_Fill)
		.VAlign(VAlign_Center)
		[
			SNew(SBorder)
			.BorderImage(FZORLightEditorStyle::Get().GetBrush("UEtoGMA.RoundedPropertyBorder"))
			.HAlign(HAlign_Fill)
			.VAlign(VAlign_Center)
			[
				SNew(STextBlock)
				.Font(FAppStyle::Get().GetFontStyle("PropertyWindow.NormalFont"))
				.Text(InText)
			]
		];
}

TSharedRef<SWidget> SFixturePatchListRow::GenerateWidgetForColumn(const FName& ColumnName)
{
	auto IsRowSelected = [this]()
	{
		return Item->bIsSelected;
	};

	if (ColumnName == SFixturePatchList::ColumnID_IsSelected)
	{
		return SNew(SBox)
			.MinDesiredHeight(30.0f)
			[
				SNew(SBorder)
				.BorderImage(FAppStyle::Get().GetBrush("NoBorder"))
				.Padding(4.0f)
				.HAlign(HAlign_Fill)
				.VAlign(VAlign_Center)
				[
					SNew(SCheckBox)
					.IsChecked_Lambda([this]()
					{
						return Item->bIsSelected ? ECheckBoxState::Checked : ECheckBoxState::Unchecked;
					})
					.OnCheckStateChanged_Lambda([this](ECheckBoxState NewState)
					{
						Item->bIsSelected = NewState == ECheckBoxState::Checked;
						OnItemChanged.ExecuteIfBound();
					})
				]
			];
	}

	if (ColumnName == SFixturePatchList::ColumnID_ActorName)
	{
		return SNew(SBox)
			.MinDesiredHeight(30.0f)
			.IsEnabled_Lambda(IsRowSelected)
			[
				MakeActorCell()
			];
	}

	if (ColumnName == SFixturePatchList::ColumnID_Status)
	{
		return SNew(SBox)
			.MinDesiredHeight(30.0f)
			.IsEnabled_Lambda(IsRowSelected)
			[
				SNew(SBox)
				.HAlign(HAlign_Center)
				.VAlign(VAlign_Center)
				[
					SNew(SImage)
					.Image_Lambda([this]() -> const FSlateBrush*
					{
						static const FSlateNoResource NoBrush;
						if (Item->IdenticalPatchActors.Num() > 0)
						{
							return FZORLightEditorStyle::Get().GetBrush("Icons.WarningExclamationMark");
						}
						return &NoBrush;
					})
					.ToolTipText_Lambda([this]()
					{
						if (Item->IdenticalPatchActors.Num() > 0)
						{
							return NSLOCTEXT("PatchConflictWarning", "PatchConflictWarning", "Having multiple identical patches");
						}
						return FText::GetEmpty();
					})
				]
			];
	}

	if (ColumnName == SFixturePatchList::ColumnID_FixtureID)
	{
		return SNew(SBox)
			.MinDesiredHeight(30.0f)
			.IsEnabled_Lambda(IsRowSelected)
			[
				MakeTextField(TAttribute<FText>::CreateLambda([this]()
				{
					if (Item->FixtureID == -1)
					{
						return FText::FromString(TEXT("-"));
					}
					return FText::AsNumber(Item->FixtureID);
				}))
			];
	}

	if (ColumnName == SFixturePatchList::ColumnID_FixtureType)
	{
		return SNew(SBox)
			.MinDesiredHeight(30.0f)
			.IsEnabled_Lambda(IsRowSelected)
			[
				MakeTextField(FText::FromString(Item->GetFixtureTypeName()))
			];
	}

	if (ColumnName == SFixturePatchList::ColumnID_Mode)
	{
		return SNew(SBox)
			.MinDesiredHeight(30.0f)
			.IsEnabled_Lambda(IsRowSelected)
			[
				MakeTextField(FText::FromString(Item->GetFixtureModeName()))
			];
	}

	if (ColumnName == SFixturePatchList::ColumnID_Patch)
	{
		return SNew(SBox)
			.MinDesiredHeight(30.0f)
			.IsEnabled_Lambda(IsRowSelected)
			[
				MakeTextField(FText::FromString(Item->GetPatchAddress()))
			];
	}

	return SNullWidget::NullWidget;
}

TSharedRef<SWidget> SFixturePatchListRow::MakeActorCell()
{
	if (Item->IdenticalPatchActors.Num() < 1)
	{
		return MakeTextField(FText::FromString(Item->GetActorName()));
	}

	return SNew(SBorder)
		.BorderImage(FAppStyle::Get().GetBrush("NoBorder"))
		.Padding(4.0f)
		.HAlign(HAlign_Fill)
		.VAlign(VAlign_Center)
		[
			SNew(SComboBox<TWeakObjectPtr<AActor>>)
			.OptionsSource(&Item->IdenticalPatchActors)
			.InitiallySelectedItem(Item->SelectedActor)
			.IsEnabled_Lambda([this]()
			{
				return Item->bIsSelected;
			})
			.OnGenerateWidget_Lambda([](TWeakObjectPtr<AActor> InActor) -> TSharedRef<SWidget>
			{
				return SNew(STextBlock)
					.Text(FText::FromString(FFixturePatchListItem::GetActorDisplayName(InActor.Get())))
					.Font(FAppStyle::Get().GetFontStyle("PropertyWindow.NormalFont"));
			})
			.OnSelectionChanged_Lambda([this](TWeakObjectPtr<AActor> NewSelection, ESelectInfo::Type SelectInfo)
			{
				Item->SelectedActor = NewSelection.Get();
				Item->bActorChanged = true;
				Item->SelectActorInEditor();
				OnItemChanged.ExecuteIfBound();
			})
			[
				SNew(STextBlock)
				.Font(FAppStyle::Get().GetFontStyle("PropertyWindow.NormalFont"))
				.Text_Lambda([this]()
				{
					return FText::FromString(FFixturePatchListItem::GetActorDisplayName(Item->SelectedActor.Get()));
				})
			]
		];
}

#undef LOCTEXT_NAMESPACE
