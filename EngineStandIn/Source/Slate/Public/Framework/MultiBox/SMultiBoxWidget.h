// The widgets a menu is made of: the menu itself and one row widget per block.
#pragma once

#include "CoreMinimal.h"
#include "Framework/MultiBox/MultiBox.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class SVerticalBox;

/** A menu or toolbar on screen: its blocks' widgets, one row each, top to bottom. */
class SLATE_API SMultiBoxWidget : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SMultiBoxWidget)
	{
	}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	void SetMultiBox(const TSharedRef<FMultiBox>& InMultiBox);
	TSharedRef<const FMultiBox> GetMultiBox() const
	{
		return MultiBox.ToSharedRef();
	}

	/** Makes the row widgets from the multi-box's blocks. */
	void BuildMultiBoxWidget();

	/** The row widgets in order (headings, entries, widget rows, separators). */
	const TArray<TSharedRef<SWidget>>& GetRowWidgets() const
	{
		return RowWidgets;
	}

	/** Called after an entry was picked in a menu that closes on selection. */
	void CloseMenu();
	bool IsMenuClosed() const
	{
		return bMenuClosed;
	}

private:
	TSharedPtr<FMultiBox> MultiBox;
	TSharedPtr<SVerticalBox> RowBox;
	TArray<TSharedRef<SWidget>> RowWidgets;
	bool bMenuClosed = false;
};

/** Base of the row widgets: the block it shows and the menu it belongs to. */
class SLATE_API SMultiBlockBaseWidget : public SCompoundWidget
{
public:
	TSharedRef<const FMultiBlock> GetBlock() const
	{
		return Block.ToSharedRef();
	}
	TSharedPtr<SMultiBoxWidget> GetOwnerMultiBoxWidget() const
	{
		return OwnerMultiBoxWidget.Pin();
	}

protected:
	void SetBlock(const TSharedRef<const FMultiBlock>& InBlock, const TSharedRef<SMultiBoxWidget>& InOwner)
	{
		Block = InBlock;
		OwnerMultiBoxWidget = InOwner;
	}

	TSharedPtr<const FMultiBlock> Block;
	TWeakPtr<SMultiBoxWidget> OwnerMultiBoxWidget;
};

/** A section's heading. */
class SLATE_API SHeadingBlock : public SMultiBlockBaseWidget
{
public:
	SLATE_BEGIN_ARGS(SHeadingBlock)
	{
	}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, const TSharedRef<const FMultiBlock>& InBlock, const TSharedRef<SMultiBoxWidget>& InOwner);

	FText GetHeadingText() const;
};

/** A clickable entry: optional check box or icon, the label, the tooltip. */
class SLATE_API SMenuEntryBlock : public SMultiBlockBaseWidget
{
public:
	SLATE_BEGIN_ARGS(SMenuEntryBlock)
	{
	}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, const TSharedRef<const FMultiBlock>& InBlock, const TSharedRef<SMultiBoxWidget>& InOwner);

	FText GetLabel() const;
	/** Asks the action each time (toggle entries show the live state). */
	ECheckBoxState GetCheckState() const;
	bool IsCheckable() const;

private:
	FReply OnClicked();
	void OnCheckStateChanged(ECheckBoxState NewState);
	bool IsActionEnabled() const;
};

/** A row holding a custom widget, with its label when it has one. */
class SLATE_API SWidgetBlock : public SMultiBlockBaseWidget
{
public:
	SLATE_BEGIN_ARGS(SWidgetBlock)
	{
	}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, const TSharedRef<const FMultiBlock>& InBlock, const TSharedRef<SMultiBoxWidget>& InOwner);

	TSharedRef<SWidget> GetCustomWidget() const
	{
		return Block->Widget.ToSharedRef();
	}
};

/** A thin line between groups of rows. */
class SLATE_API SMenuSeparatorBlock : public SMultiBlockBaseWidget
{
public:
	SLATE_BEGIN_ARGS(SMenuSeparatorBlock)
	{
	}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, const TSharedRef<const FMultiBlock>& InBlock, const TSharedRef<SMultiBoxWidget>& InOwner);
};
