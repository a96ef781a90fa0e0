#include "Widgets/Docking/SDockTab.h"

#include "Framework/Docking/TabManager.h"
#include "Widgets/SNullWidget.h"

SDockTab::SDockTab()
	: Content(SNullWidget::NullWidget)
{
}

void SDockTab::Construct(const FArguments& InArgs)
{
	TabRole = InArgs._TabRole;
	TabLabel = InArgs._Label;
	OnTabClosed = InArgs._OnTabClosed;
	OnCanCloseTab = InArgs._OnCanCloseTab;
	SetContent(InArgs._Content.Widget);
}

const TSharedRef<SWidget>& SDockTab::GetContent()
{
	return Content;
}

void SDockTab::SetContent(TSharedRef<SWidget> InContent)
{
	Content = InContent;
	ChildSlot
	[
		InContent
	];
}

FText SDockTab::GetTabLabel() const
{
	if (TabLabel.IsSet())
	{
		const FText Label = TabLabel.Get();
		if (!Label.IsEmpty())
		{
			return Label;
		}
	}
	return SpawnerDisplayName;
}

void SDockTab::SetLabel(const TAttribute<FText>& InTabLabel)
{
	TabLabel = InTabLabel;
}

bool SDockTab::RequestCloseTab()
{
	if (!bIsOpen)
	{
		return false;
	}
	if (OnCanCloseTab.IsBound() && !OnCanCloseTab.Execute())
	{
		return false;
	}
	bIsOpen = false;
	bIsForeground = false;

	// Keeps the tab alive while its owners let go of it.
	const TSharedRef<SDockTab> Self = SharedThis(this);
	OnTabClosed.ExecuteIfBound(Self);
	if (TSharedPtr<FTabManager> TabManager = MyTabManager.Pin())
	{
		TabManager->OnTabClosing(Self);
	}
	SetContent(SNullWidget::NullWidget);
	return true;
}

void SDockTab::ActivateInParent(int32 Reason)
{
	bIsForeground = true;
}
