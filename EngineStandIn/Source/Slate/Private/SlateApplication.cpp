#include "Framework/Application/SlateApplication.h"
#include "Framework/Notifications/NotificationManager.h"
#include "StandIn/NotificationHooks.h"
#include "StandIn/SlateApplicationHooks.h"
#include "StandIn/SlateCoreHooks.h"
#include "Widgets/Input/SComboButton.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/SWindow.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Images/SImage.h"

namespace
{
	TSharedPtr<FSlateApplication>& CurrentApplication()
	{
		static TSharedPtr<FSlateApplication> Application;
		return Application;
	}

	TFunction<void(const TSharedRef<SWindow>&)>& ModalWindowHandler()
	{
		static TFunction<void(const TSharedRef<SWindow>&)> Handler;
		return Handler;
	}

	TArray<TSharedRef<SWindow>>& AddedWindows()
	{
		static TArray<TSharedRef<SWindow>> Windows;
		return Windows;
	}

	TArray<UE::StandIn::FRecordedNotification>& RecordedNotifications()
	{
		static TArray<UE::StandIn::FRecordedNotification> Notifications;
		return Notifications;
	}
}

struct FSlateApplicationStandInAccess
{
	static void SetCurrent(const TSharedPtr<FSlateApplicationBase>& InApplication) { FSlateApplication::SetCurrentBaseApplication(InApplication); }
};

// Hooks

void UE::StandIn::InitializeSlateApplication()
{
	if (!CurrentApplication().IsValid())
	{
		TSharedRef<FSlateApplication> Application = MakeShared<FSlateApplication>();
		CurrentApplication() = Application;
		FSlateApplicationStandInAccess::SetCurrent(Application);
	}
}

void UE::StandIn::ShutdownSlateApplication()
{
	UE::StandIn::SetMouseCaptor(TSharedPtr<SWidget>());
	UE::StandIn::SetKeyboardFocusedWidget(TSharedPtr<SWidget>());
	FSlateApplicationStandInAccess::SetCurrent(TSharedPtr<FSlateApplicationBase>());
	CurrentApplication().Reset();
}

void UE::StandIn::SetModalWindowHandler(TFunction<void(const TSharedRef<SWindow>&)> InHandler)
{
	ModalWindowHandler() = MoveTemp(InHandler);
}

const TArray<TSharedRef<SWindow>>& UE::StandIn::GetAllAddedWindows()
{
	return AddedWindows();
}

void UE::StandIn::ClearAddedWindows()
{
	AddedWindows().Empty();
}

const TArray<UE::StandIn::FRecordedNotification>& UE::StandIn::GetRecordedNotifications()
{
	return RecordedNotifications();
}

void UE::StandIn::ClearRecordedNotifications()
{
	RecordedNotifications().Empty();
}

// Application

FSlateApplication::FSlateApplication()
{
}

FSlateApplication::~FSlateApplication()
{
}

bool FSlateApplication::IsInitialized()
{
	return CurrentApplication().IsValid();
}

FSlateApplication& FSlateApplication::Get()
{
	check(IsInitialized());
	return *CurrentApplication();
}

TSharedRef<SWindow> FSlateApplication::AddWindow(TSharedRef<SWindow> InSlateWindow, const bool bShowImmediately)
{
	Windows.AddUnique(InSlateWindow);
	AddedWindows().Add(InSlateWindow);
	if (bShowImmediately)
	{
		InSlateWindow->ShowWindow();
	}
	return InSlateWindow;
}

TSharedRef<SWindow> FSlateApplication::AddWindowAsNativeChild(TSharedRef<SWindow> InSlateWindow, TSharedRef<SWindow> InParentWindow, const bool bShowImmediately)
{
	// The parent must be a window the application knows, as the engine checks.
	check(Windows.Contains(InParentWindow));
	return AddWindow(InSlateWindow, bShowImmediately);
}

void FSlateApplication::AddModalWindow(TSharedRef<SWindow> InSlateWindow, const TSharedPtr<const SWidget> InParentWidget, bool bSlowTaskWindow)
{
	InSlateWindow->SetAsModalWindow();
	AddWindow(InSlateWindow, true);
	ModalWindowStack.Add(InSlateWindow);
	if (ModalWindowHandler())
	{
		TFunction<void(const TSharedRef<SWindow>&)> Handler = ModalWindowHandler();
		Handler(InSlateWindow);
	}
	// The call returns once the window is closed; nobody else will close it here.
	if (!InSlateWindow->IsDestroyed())
	{
		RequestDestroyWindow(InSlateWindow);
	}
	ModalWindowStack.Remove(InSlateWindow);
}

void FSlateApplication::RequestDestroyWindow(TSharedRef<SWindow> WindowToDestroy)
{
	DestroyWindowImmediately(WindowToDestroy);
}

void FSlateApplication::DestroyWindowImmediately(TSharedRef<SWindow> WindowToDestroy)
{
	if (WindowToDestroy->IsDestroyed())
	{
		return;
	}
	WindowToDestroy->NotifyWindowBeingDestroyed();
	Windows.Remove(WindowToDestroy);
}

TSharedPtr<SWindow> FSlateApplication::GetActiveTopLevelWindow() const
{
	if (ModalWindowStack.Num() > 0)
	{
		return ModalWindowStack.Last();
	}
	for (const TSharedRef<SWindow>& Window : Windows)
	{
		if (Window->GetWindowType() == EWindowType::Normal)
		{
			return Window;
		}
	}
	return TSharedPtr<SWindow>();
}

TSharedPtr<SWindow> FSlateApplication::GetActiveModalWindow() const
{
	return ModalWindowStack.Num() > 0 ? TSharedPtr<SWindow>(ModalWindowStack.Last()) : TSharedPtr<SWindow>();
}

TSharedPtr<SWindow> FSlateApplication::FindBestParentWindowForDialogs(const TSharedPtr<SWidget>& InWidget, const ESlateParentWindowSearchMethod InParentWindowSearchMethod)
{
	return GetActiveTopLevelWindow();
}

const void* FSlateApplication::FindBestParentWindowHandleForDialogs(const TSharedPtr<SWidget>& InWidget, const ESlateParentWindowSearchMethod InParentWindowSearchMethod)
{
	// No native windows here: the window object stands for its handle.
	return FindBestParentWindowForDialogs(InWidget, InParentWindowSearchMethod).Get();
}

bool FSlateApplication::SetKeyboardFocus(const TSharedPtr<SWidget>& OptionalWidgetToFocus, EFocusCause ReasonFocusIsChanging)
{
	const TSharedPtr<SWidget> Previous = UE::StandIn::GetKeyboardFocusedWidget();
	if (Previous == OptionalWidgetToFocus)
	{
		return OptionalWidgetToFocus.IsValid();
	}
	if (OptionalWidgetToFocus.IsValid() && !OptionalWidgetToFocus->SupportsKeyboardFocus())
	{
		return false;
	}
	UE::StandIn::SetKeyboardFocusedWidget(OptionalWidgetToFocus);
	if (Previous.IsValid())
	{
		Previous->OnFocusLost(FFocusEvent(ReasonFocusIsChanging, 0));
	}
	if (OptionalWidgetToFocus.IsValid())
	{
		const FGeometry Geometry = FGeometry::MakeRoot(OptionalWidgetToFocus->GetDesiredSize(), FSlateLayoutTransform());
		OptionalWidgetToFocus->OnFocusReceived(Geometry, FFocusEvent(ReasonFocusIsChanging, 0));
	}
	return OptionalWidgetToFocus.IsValid();
}

TSharedPtr<SWidget> FSlateApplication::GetKeyboardFocusedWidget() const
{
	return UE::StandIn::GetKeyboardFocusedWidget();
}

bool FSlateApplication::ProcessKeyDownEvent(const FKeyEvent& InKeyEvent)
{
	// Keys go down the focus path only: a widget without keyboard focus never sees them.
	for (TSharedPtr<SWidget> Widget = UE::StandIn::GetKeyboardFocusedWidget(); Widget.IsValid(); Widget = Widget->GetParentWidget())
	{
		const FGeometry Geometry = FGeometry::MakeRoot(Widget->GetDesiredSize(), FSlateLayoutTransform());
		if (Widget->OnKeyDown(Geometry, InKeyEvent).IsEventHandled())
		{
			return true;
		}
	}
	return false;
}

bool FSlateApplication::HasFocusedDescendants(const TSharedRef<const SWidget>& Widget) const
{
	return Widget->HasFocusedDescendants();
}

void FSlateApplication::ReleaseAllPointerCapture()
{
	UE::StandIn::SetMouseCaptor(TSharedPtr<SWidget>());
}

bool FSlateApplication::SetUserFocus(uint32 InUserIndex, const TSharedPtr<SWidget>& WidgetToFocus, const EFocusCause ReasonFocusIsChanging)
{
	return SetKeyboardFocus(WidgetToFocus, ReasonFocusIsChanging);
}

void FSlateApplication::ClearKeyboardFocus(const EFocusCause ReasonFocusIsChanging)
{
	SetKeyboardFocus(TSharedPtr<SWidget>(), ReasonFocusIsChanging);
}

void FSlateApplication::DismissAllMenus()
{
	++NumDismissAllMenus;
}

// Windows

SWindow::SWindow()
{
}

void SWindow::Construct(const FArguments& InArgs)
{
	Title = InArgs._Title;
	Type = InArgs._Type;
	ClientSize = InArgs._ClientSize;
	ScreenPosition = InArgs._ScreenPosition;
	SizingRule = InArgs._SizingRule;
	bSupportsMaximize = InArgs._SupportsMaximize;
	bSupportsMinimize = InArgs._SupportsMinimize;
	bHasCloseButton = InArgs._HasCloseButton;
	ChildSlot.AttachWidget(InArgs._Content.Widget);
}

void SWindow::RequestDestroyWindow()
{
	if (RequestDestroyWindowOverride.IsBound())
	{
		RequestDestroyWindowOverride.Execute(SharedThis(this));
		return;
	}
	if (FSlateApplication::IsInitialized())
	{
		FSlateApplication::Get().RequestDestroyWindow(SharedThis(this));
	}
	else
	{
		NotifyWindowBeingDestroyed();
	}
}

void SWindow::DestroyWindowImmediately()
{
	if (FSlateApplication::IsInitialized())
	{
		FSlateApplication::Get().DestroyWindowImmediately(SharedThis(this));
	}
	else
	{
		NotifyWindowBeingDestroyed();
	}
}

void SWindow::NotifyWindowBeingDestroyed()
{
	if (bIsDestroyed)
	{
		return;
	}
	bIsDestroyed = true;
	bIsShown = false;
	const TSharedRef<SWindow> Self = SharedThis(this);
	OnWindowClosed.ExecuteIfBound(Self);
	WindowClosedEvent.Broadcast(Self);
}

// Notifications

FSlateNotificationManager& FSlateNotificationManager::Get()
{
	static FSlateNotificationManager* Instance = new FSlateNotificationManager();
	return *Instance;
}

TSharedPtr<SNotificationItem> FSlateNotificationManager::AddNotification(const FNotificationInfo& Info)
{
	if (!bAllowNotifications)
	{
		return TSharedPtr<SNotificationItem>();
	}
	TSharedRef<SNotificationItem> Item = SNew(SNotificationItem);
	Item->SetText(Info.Text);
	Item->SetSubText(Info.SubText);
	Item->SetExpireDuration(Info.ExpireDuration);
	Item->SetFadeInDuration(Info.FadeInDuration);
	Item->SetFadeOutDuration(Info.FadeOutDuration);
	if (Info.Hyperlink.IsBound())
	{
		Item->SetHyperlink(Info.Hyperlink, Info.HyperlinkText);
	}
	RecordedNotifications().Add(UE::StandIn::FRecordedNotification{ Info, Item });
	return Item;
}

// Combo button

SComboButton::SComboButton()
	: StaticMenuContent(SNullWidget::NullWidget)
{
}

void SComboButton::Construct(const FArguments& InArgs)
{
	OnGetMenuContent = InArgs._OnGetMenuContent;
	OnMenuOpenChanged = InArgs._OnMenuOpenChanged;
	OnComboBoxOpened = InArgs._OnComboBoxOpened;
	bIsFocusable = InArgs._IsFocusable;
	StaticMenuContent = InArgs._MenuContent.Widget;
	const FComboButtonStyle* Style = InArgs._ComboButtonStyle ? InArgs._ComboButtonStyle : &FComboButtonStyle::GetDefault();
	const FButtonStyle* ButtonStyle = InArgs._ButtonStyle ? InArgs._ButtonStyle : &Style->ButtonStyle;

	TSharedRef<SHorizontalBox> Content = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.FillWidth(1.0f)
		.HAlign(InArgs._HAlign)
		.VAlign(InArgs._VAlign)
		[
			InArgs._ButtonContent.Widget
		];
	if (InArgs._HasDownArrow)
	{
		Content->AddSlot().AutoWidth().VAlign(VAlign_Center)[SNew(SImage).Image(&Style->DownArrowImage)];
	}

	ChildSlot
	[
		SAssignNew(Button, SButton)
		.ButtonStyle(ButtonStyle)
		.ContentPadding(InArgs._ContentPadding.IsSet() ? InArgs._ContentPadding : TAttribute<FMargin>(Style->ContentPadding))
		.ForegroundColor(InArgs._ForegroundColor)
		.ButtonColorAndOpacity(InArgs._ButtonColorAndOpacity.IsSet() ? InArgs._ButtonColorAndOpacity : TAttribute<FSlateColor>(FLinearColor::White))
		.IsFocusable(InArgs._IsFocusable)
		.OnClicked(this, &SComboButton::OnButtonClicked)
		[
			Content
		]
	];
}

FReply SComboButton::OnButtonClicked()
{
	SetIsOpen(!bIsOpen);
	return FReply::Handled();
}

void SComboButton::SetIsOpen(bool InIsOpen, const bool bFocusMenu, const int32 FocusUserIndex)
{
	if (InIsOpen == bIsOpen)
	{
		return;
	}
	if (InIsOpen)
	{
		// The content is made each time the menu opens.
		MenuContentWidget = OnGetMenuContent.IsBound() ? TSharedPtr<SWidget>(OnGetMenuContent.Execute()) : TSharedPtr<SWidget>(StaticMenuContent);
		bIsOpen = true;
		OnMenuOpened();
		OnComboBoxOpened.ExecuteIfBound();
	}
	else
	{
		bIsOpen = false;
		MenuContentWidget.Reset();
	}
	OnMenuOpenChanged.ExecuteIfBound(bIsOpen);
}

void SComboButton::SetMenuContent(TSharedRef<SWidget> InMenuContent)
{
	StaticMenuContent = InMenuContent;
	if (bIsOpen)
	{
		MenuContentWidget = InMenuContent;
	}
}

void SComboButton::SetButtonContent(TSharedRef<SWidget> InButtonContent)
{
	Button->SetContent(InButtonContent);
}
