// A node of the editor's window menu: a group, or a tab spawner's entry.
#pragma once

#include "CoreMinimal.h"
#include "Textures/SlateIcon.h"

class SLATE_API FWorkspaceItem : public TSharedFromThis<FWorkspaceItem>
{
public:
	virtual ~FWorkspaceItem()
	{
	}

	static TSharedRef<FWorkspaceItem> NewGroup(const FText& DisplayName, const FSlateIcon& Icon = FSlateIcon(), const bool bSortChildren = false)
	{
		return MakeShareable(new FWorkspaceItem(DisplayName, Icon, bSortChildren));
	}

	TSharedRef<FWorkspaceItem> AddGroup(const FText& InDisplayName, const FSlateIcon& InIcon = FSlateIcon(), const bool InSortChildren = false)
	{
		TSharedRef<FWorkspaceItem> NewItem = NewGroup(InDisplayName, InIcon, InSortChildren);
		AddItem(NewItem);
		return NewItem;
	}

	void AddItem(const TSharedRef<FWorkspaceItem>& ItemToAdd)
	{
		ItemToAdd->ParentItem = SharedThis(this);
		ChildItems.Add(ItemToAdd);
	}

	void RemoveItem(const TSharedRef<FWorkspaceItem>& ItemToRemove)
	{
		ChildItems.Remove(ItemToRemove);
	}

	void ClearItems()
	{
		ChildItems.Reset();
	}

	const FText& GetDisplayName() const
	{
		return DisplayName;
	}
	const FText& GetTooltipText() const
	{
		return TooltipText;
	}
	const FSlateIcon& GetIcon() const
	{
		return Icon;
	}
	const TArray<TSharedRef<FWorkspaceItem>>& GetChildItems() const
	{
		return ChildItems;
	}
	TSharedPtr<FWorkspaceItem> GetParent() const
	{
		return ParentItem.Pin();
	}

protected:
	FWorkspaceItem(const FText& InDisplayName, const FSlateIcon& InIcon, const bool bInSortChildren)
		: Icon(InIcon)
		, DisplayName(InDisplayName)
		, bSortChildren(bInSortChildren)
	{
	}

	FSlateIcon Icon;
	FText DisplayName;
	FText TooltipText;
	bool bSortChildren;
	TArray<TSharedRef<FWorkspaceItem>> ChildItems;
	TWeakPtr<FWorkspaceItem> ParentItem;
};
