// SWindow: a top-level window (main frame, dialogs, tool windows).
#pragma once

#include "CoreMinimal.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class SWindow;

enum class ESizingRule : uint8
{
	FixedSize,
	Autosized,
	UserSized,
};

enum class EAutoCenter : uint8
{
	None,
	PrimaryWorkArea,
	PreferredWorkArea,
};

enum class EWindowType : uint8
{
	Normal,
	Menu,
	ToolTip,
	Notification,
	CursorDecorator,
	GameWindow,
};

enum class EWindowActivationPolicy : uint8
{
	Never,
	Always,
	FirstShown,
};

DECLARE_DELEGATE_OneParam(FOnWindowClosed, const TSharedRef<SWindow>&);
DECLARE_MULTICAST_DELEGATE_OneParam(FOnWindowClosedEvent, const TSharedRef<SWindow>&);
DECLARE_DELEGATE_OneParam(FRequestDestroyWindowOverride, const TSharedRef<SWindow>&);

class SLATE_API SWindow : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SWindow)
		: _Type(EWindowType::Normal)
		, _Title()
		, _bDragAnywhere(false)
		, _AutoCenter(EAutoCenter::PreferredWorkArea)
		, _ScreenPosition(FVector2D::ZeroVector)
		, _ClientSize(FVector2D::ZeroVector)
		, _SupportsTransparency(false)
		, _InitialOpacity(1.0f)
		, _IsInitiallyMaximized(false)
		, _IsInitiallyMinimized(false)
		, _SizingRule(ESizingRule::UserSized)
		, _IsPopupWindow(false)
		, _IsTopmostWindow(false)
		, _FocusWhenFirstShown(true)
		, _ActivationPolicy(EWindowActivationPolicy::Always)
		, _UseOSWindowBorder(false)
		, _HasCloseButton(true)
		, _SupportsMaximize(true)
		, _SupportsMinimize(true)
		, _ShouldPreserveAspectRatio(false)
		, _CreateTitleBar(true)
		, _SaneWindowPlacement(true)
	{
	}
		SLATE_ARGUMENT(EWindowType, Type)
		SLATE_ATTRIBUTE(FText, Title)
		SLATE_ARGUMENT(bool, bDragAnywhere)
		SLATE_ARGUMENT(EAutoCenter, AutoCenter)
		SLATE_ARGUMENT(FVector2D, ScreenPosition)
		SLATE_ARGUMENT(FVector2D, ClientSize)
		SLATE_ARGUMENT(bool, SupportsTransparency)
		SLATE_ARGUMENT(float, InitialOpacity)
		SLATE_ARGUMENT(bool, IsInitiallyMaximized)
		SLATE_ARGUMENT(bool, IsInitiallyMinimized)
		SLATE_ARGUMENT(ESizingRule, SizingRule)
		SLATE_ARGUMENT(bool, IsPopupWindow)
		SLATE_ARGUMENT(bool, IsTopmostWindow)
		SLATE_ARGUMENT(bool, FocusWhenFirstShown)
		SLATE_ARGUMENT(EWindowActivationPolicy, ActivationPolicy)
		SLATE_ARGUMENT(bool, UseOSWindowBorder)
		SLATE_ARGUMENT(bool, HasCloseButton)
		SLATE_ARGUMENT(bool, SupportsMaximize)
		SLATE_ARGUMENT(bool, SupportsMinimize)
		SLATE_ARGUMENT(bool, ShouldPreserveAspectRatio)
		SLATE_ARGUMENT(TOptional<float>, MinWidth)
		SLATE_ARGUMENT(TOptional<float>, MinHeight)
		SLATE_ARGUMENT(TOptional<float>, MaxWidth)
		SLATE_ARGUMENT(TOptional<float>, MaxHeight)
		SLATE_ARGUMENT(bool, CreateTitleBar)
		SLATE_ARGUMENT(bool, SaneWindowPlacement)
		SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_END_ARGS()

	SWindow();
	void Construct(const FArguments& InArgs);

	FText GetTitle() const { return Title.Get(FText::GetEmpty()); }
	void SetTitle(const FText& InTitle) { Title = InTitle; }
	void SetContent(TSharedRef<SWidget> InContent) { ChildSlot.AttachWidget(InContent); }
	TSharedRef<const SWidget> GetContent() const { return ChildSlot.GetWidget(); }

	UE::Slate::FDeprecateVector2DResult GetClientSizeInScreen() const { return FVector2f((float)ClientSize.X, (float)ClientSize.Y); }
	UE::Slate::FDeprecateVector2DResult GetSizeInScreen() const { return GetClientSizeInScreen(); }
	void Resize(UE::Slate::FDeprecateVector2DParameter NewClientSize) { ClientSize = FVector2D(NewClientSize.X, NewClientSize.Y); }
	ESizingRule GetSizingRule() const { return SizingRule; }
	bool HasMaximizeBox() const { return bSupportsMaximize; }
	bool HasMinimizeBox() const { return bSupportsMinimize; }
	bool HasCloseBox() const { return bHasCloseButton; }
	EWindowType GetWindowType() const { return Type; }
	bool IsModalWindow() const { return bIsModal; }
	bool IsVisible() const { return bIsShown && !bIsDestroyed; }
	void ShowWindow() { bIsShown = true; }
	void HideWindow() { bIsShown = false; }
	void BringToFront(bool bForce = false)
	{
	}
	bool IsDestroyed() const { return bIsDestroyed; }

	/** Closes the window through the application (the closed event fires, the application forgets it). */
	void RequestDestroyWindow();
	void DestroyWindowImmediately();

	void SetOnWindowClosed(const FOnWindowClosed& InDelegate) { OnWindowClosed = InDelegate; }
	FOnWindowClosedEvent& GetOnWindowClosedEvent() { return WindowClosedEvent; }
	void SetRequestDestroyWindowOverride(const FRequestDestroyWindowOverride& InDelegate) { RequestDestroyWindowOverride = InDelegate; }
	/** Runs the closed notifications; the application calls it once when the window goes. */
	void NotifyWindowBeingDestroyed();
	void SetAsModalWindow() { bIsModal = true; }

private:
	TAttribute<FText> Title;
	EWindowType Type = EWindowType::Normal;
	FVector2D ClientSize = FVector2D::ZeroVector;
	FVector2D ScreenPosition = FVector2D::ZeroVector;
	ESizingRule SizingRule = ESizingRule::UserSized;
	bool bSupportsMaximize = true;
	bool bSupportsMinimize = true;
	bool bHasCloseButton = true;
	bool bIsModal = false;
	bool bIsShown = false;
	bool bIsDestroyed = false;
	FOnWindowClosed OnWindowClosed;
	FOnWindowClosedEvent WindowClosedEvent;
	FRequestDestroyWindowOverride RequestDestroyWindowOverride;
};
