#include "Framework/MultiBox/MultiBox.h"

#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/SMultiBoxWidget.h"
#include "StandIn/SlateFrameworkHooks.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

namespace
{
	int32 GMenuCloseCount = 0;
}

FText FMultiBlock::GetDisplayLabel() const
{
	if (Label.IsSet())
	{
		return Label.Get();
	}
	return Command.IsValid() ? Command->GetLabel() : FText::GetEmpty();
}

FText FMultiBlock::GetDisplayToolTip() const
{
	if (ToolTip.IsSet())
	{
		return ToolTip.Get();
	}
	return Command.IsValid() ? Command->GetDescription() : FText::GetEmpty();
}

FSlateIcon FMultiBlock::GetDisplayIcon() const
{
	if (Icon.IsSet())
	{
		return Icon;
	}
	return Command.IsValid() ? Command->GetIcon() : FSlateIcon();
}

const FUIAction* FMultiBlock::GetAction() const
{
	if (Command.IsValid())
	{
		return CommandList.IsValid() ? CommandList->GetActionForCommand(Command) : nullptr;
	}
	return &DirectAction;
}

FMultiBox::FMultiBox(EMultiBoxType InType, bool bInShouldCloseWindowAfterMenuSelection, const ISlateStyle* InStyleSet, FName InMenuName)
	: Type(InType)
	, bShouldCloseWindowAfterMenuSelection(bInShouldCloseWindowAfterMenuSelection)
	, StyleSet(InStyleSet)
	, MenuName(InMenuName)
{
}

void FMultiBox::AddBlock(const TSharedRef<FMultiBlock>& InBlock)
{
	Blocks.Add(InBlock);
}

void SMultiBoxWidget::Construct(const FArguments& InArgs)
{
	ChildSlot
	[
		SAssignNew(RowBox, SVerticalBox)
	];
}

void SMultiBoxWidget::SetMultiBox(const TSharedRef<FMultiBox>& InMultiBox)
{
	MultiBox = InMultiBox;
}

void SMultiBoxWidget::BuildMultiBoxWidget()
{
	check(MultiBox.IsValid());
	RowBox->ClearChildren();
	RowWidgets.Reset();

	const TSharedRef<SMultiBoxWidget> Self = SharedThis(this);
	for (const TSharedRef<FMultiBlock>& Block : MultiBox->GetBlocks())
	{
		TSharedPtr<SWidget> RowWidget;
		switch (Block->Type)
		{
		case EMultiBlockType::Heading:
			RowWidget = SNew(SHeadingBlock, Block, Self);
			break;
		case EMultiBlockType::Separator:
			RowWidget = SNew(SMenuSeparatorBlock, Block, Self);
			break;
		case EMultiBlockType::Widget:
			RowWidget = SNew(SWidgetBlock, Block, Self);
			break;
		default:
			RowWidget = SNew(SMenuEntryBlock, Block, Self);
			break;
		}
		RowWidgets.Add(RowWidget.ToSharedRef());
		RowBox->AddSlot()
		.AutoHeight()
		[
			RowWidget.ToSharedRef()
		];
	}
}

void SMultiBoxWidget::CloseMenu()
{
	bMenuClosed = true;
	++GMenuCloseCount;
}

void SHeadingBlock::Construct(const FArguments& InArgs, const TSharedRef<const FMultiBlock>& InBlock, const TSharedRef<SMultiBoxWidget>& InOwner)
{
	SetBlock(InBlock, InOwner);
	ChildSlot
	[
		SNew(STextBlock)
		.Text(InBlock->Label)
	];
}

FText SHeadingBlock::GetHeadingText() const
{
	return Block->GetDisplayLabel();
}

void SMenuEntryBlock::Construct(const FArguments& InArgs, const TSharedRef<const FMultiBlock>& InBlock, const TSharedRef<SMultiBoxWidget>& InOwner)
{
	SetBlock(InBlock, InOwner);

	// The label, tooltip and icon are read from the block when shown, as the engine's attributes are.
	TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox);
	if (IsCheckable())
	{
		Row->AddSlot()
		.AutoWidth()
		[
			SNew(SCheckBox)
			.IsChecked(this, &SMenuEntryBlock::GetCheckState)
			.OnCheckStateChanged(this, &SMenuEntryBlock::OnCheckStateChanged)
		];
	}
	else
	{
		const FSlateIcon DisplayIcon = InBlock->GetDisplayIcon();
		Row->AddSlot()
		.AutoWidth()
		[
			SNew(SImage)
			.Image(DisplayIcon.IsSet() ? DisplayIcon.GetIcon() : nullptr)
		];
	}
	if (InBlock->Widget.IsValid())
	{
		Row->AddSlot()
		.FillWidth(1.0f)
		[
			InBlock->Widget.ToSharedRef()
		];
	}
	else
	{
		Row->AddSlot()
		.FillWidth(1.0f)
		[
			SNew(STextBlock)
			.Text(this, &SMenuEntryBlock::GetLabel)
		];
	}

	ChildSlot
	[
		SNew(SButton)
		.IsEnabled(this, &SMenuEntryBlock::IsActionEnabled)
		.OnClicked(this, &SMenuEntryBlock::OnClicked)
		[
			Row
		]
	];

	const TSharedRef<const FMultiBlock> BlockRef = InBlock;
	SetToolTipText(TAttribute<FText>::CreateLambda([BlockRef]()
	{
		return BlockRef->GetDisplayToolTip();
	}));
	if (InBlock->Visibility.IsSet())
	{
		SetVisibility(InBlock->Visibility);
	}
}

FText SMenuEntryBlock::GetLabel() const
{
	return Block->GetDisplayLabel();
}

bool SMenuEntryBlock::IsCheckable() const
{
	const EUserInterfaceActionType Type = Block->UserInterfaceActionType;
	return Type == EUserInterfaceActionType::ToggleButton || Type == EUserInterfaceActionType::Check || Type == EUserInterfaceActionType::RadioButton;
}

ECheckBoxState SMenuEntryBlock::GetCheckState() const
{
	if (Block->Command.IsValid() && Block->CommandList.IsValid())
	{
		return Block->CommandList->GetCheckState(Block->Command.ToSharedRef());
	}
	const FUIAction* Action = Block->GetAction();
	return Action ? Action->GetCheckState() : ECheckBoxState::Unchecked;
}

bool SMenuEntryBlock::IsActionEnabled() const
{
	if (Block->Command.IsValid())
	{
		return Block->CommandList.IsValid() && Block->CommandList->CanExecuteAction(Block->Command.ToSharedRef());
	}
	return Block->DirectAction.CanExecute();
}

FReply SMenuEntryBlock::OnClicked()
{
	if (Block->Command.IsValid())
	{
		if (Block->CommandList.IsValid())
		{
			Block->CommandList->ExecuteAction(Block->Command.ToSharedRef());
		}
	}
	else
	{
		Block->DirectAction.Execute();
	}

	// A picked entry closes the menu unless the menu or the entry says otherwise.
	TSharedPtr<SMultiBoxWidget> Owner = OwnerMultiBoxWidget.Pin();
	if (Owner.IsValid() && Owner->GetMultiBox()->ShouldCloseWindowAfterMenuSelection() && Block->bCloseWindowAfterMenuSelection)
	{
		Owner->CloseMenu();
	}
	return FReply::Handled();
}

void SMenuEntryBlock::OnCheckStateChanged(ECheckBoxState NewState)
{
	// The check box is part of the entry: ticking it is picking the entry.
	OnClicked();
}

void SWidgetBlock::Construct(const FArguments& InArgs, const TSharedRef<const FMultiBlock>& InBlock, const TSharedRef<SMultiBoxWidget>& InOwner)
{
	SetBlock(InBlock, InOwner);

	TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox);
	const FText Label = InBlock->GetDisplayLabel();
	if (!Label.IsEmpty())
	{
		Row->AddSlot()
		.AutoWidth()
		[
			SNew(STextBlock)
			.Text(Label)
		];
	}
	Row->AddSlot()
	.FillWidth(1.0f)
	[
		InBlock->Widget.ToSharedRef()
	];

	ChildSlot
	[
		Row
	];
	if (InBlock->ToolTip.IsSet() && !InBlock->ToolTip.Get().IsEmpty())
	{
		SetToolTipText(InBlock->ToolTip);
	}
}

void SMenuSeparatorBlock::Construct(const FArguments& InArgs, const TSharedRef<const FMultiBlock>& InBlock, const TSharedRef<SMultiBoxWidget>& InOwner)
{
	SetBlock(InBlock, InOwner);
}

int32 UE::StandIn::GetMenuCloseCount()
{
	return GMenuCloseCount;
}
