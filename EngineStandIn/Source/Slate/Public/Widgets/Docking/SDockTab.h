// A tab: its role, label and content; closing it tells the tab manager and releases the content.
#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class FTabManager;

enum ETabRole : uint8
{
	MajorTab,
	PanelTab,
	NomadTab,
	DocumentTab,
	NumRoles
};

class SLATE_API SDockTab : public SCompoundWidget
{
public:
	DECLARE_DELEGATE_OneParam(FOnTabClosedCallback, TSharedRef<SDockTab>);
	DECLARE_DELEGATE_RetVal(bool, FCanCloseTab);

	SLATE_BEGIN_ARGS(SDockTab)
		: _Content()
		, _TabRole(ETabRole::PanelTab)
		, _Label()
		, _ShouldAutosize(false)
	{
	}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_ARGUMENT(ETabRole, TabRole)
		SLATE_ATTRIBUTE(FText, Label)
		SLATE_EVENT(FOnTabClosedCallback, OnTabClosed)
		SLATE_EVENT(FCanCloseTab, OnCanCloseTab)
		SLATE_ARGUMENT(bool, ShouldAutosize)
	SLATE_END_ARGS()

	SDockTab();

	void Construct(const FArguments& InArgs);

	/** The content; the null widget once the tab has closed. */
	const TSharedRef<SWidget>& GetContent();
	void SetContent(TSharedRef<SWidget> InContent);

	ETabRole GetTabRole() const
	{
		return TabRole;
	}
	/** The tab's own label, else its spawner's display name. */
	FText GetTabLabel() const;
	void SetLabel(const TAttribute<FText>& InTabLabel);

	void SetOnTabClosed(const FOnTabClosedCallback& InDelegate)
	{
		OnTabClosed = InDelegate;
	}

	/** Closes the tab unless its can-close delegate refuses; true when it closed. */
	bool RequestCloseTab();

	/** Brought forward by a second invocation. */
	void ActivateInParent(int32 Reason = 0);
	bool IsForeground() const
	{
		return bIsForeground;
	}

	TSharedPtr<FTabManager> GetTabManagerPtr() const
	{
		return MyTabManager.Pin();
	}
	/** The id the tab was spawned under. */
	FName GetLayoutIdentifier() const
	{
		return LayoutIdentifier;
	}

	/** Set by the tab manager that spawns the tab. */
	void SetTabManager(const TSharedPtr<FTabManager>& InTabManager)
	{
		MyTabManager = InTabManager;
	}
	void SetLayoutIdentifier(FName InTabId, const FText& InSpawnerDisplayName)
	{
		LayoutIdentifier = InTabId;
		SpawnerDisplayName = InSpawnerDisplayName;
	}

	bool IsOpen() const
	{
		return bIsOpen;
	}

private:
	TSharedRef<SWidget> Content;
	ETabRole TabRole = ETabRole::PanelTab;
	TAttribute<FText> TabLabel;
	FText SpawnerDisplayName;
	FOnTabClosedCallback OnTabClosed;
	FCanCloseTab OnCanCloseTab;
	TWeakPtr<FTabManager> MyTabManager;
	FName LayoutIdentifier;
	bool bIsForeground = false;
	bool bIsOpen = true;
};
