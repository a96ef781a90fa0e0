// FSlateApplication: the running Slate application: its windows, focus and renderer. The stand-in keeps
// the windows it was given so that tests can read them; modal windows are answered through a test hook.
#pragma once

#include "CoreMinimal.h"
#include "Application/SlateApplicationBase.h"
#include "GenericPlatform/GenericApplication.h"
#include "Input/Events.h"
#include "Types/SlateEnums.h"

class SWidget;
class SWindow;

enum class ESlateParentWindowSearchMethod : uint8
{
	ActiveWindow,
	MainWindow,
};

class SLATE_API FSlateApplication : public FSlateApplicationBase
{
public:
	FSlateApplication();
	virtual ~FSlateApplication();

	/** True inside an editor session (the session starts the application). */
	static bool IsInitialized();
	static FSlateApplication& Get();

	TSharedRef<SWindow> AddWindow(TSharedRef<SWindow> InSlateWindow, const bool bShowImmediately = true);
	TSharedRef<SWindow> AddWindowAsNativeChild(TSharedRef<SWindow> InSlateWindow, TSharedRef<SWindow> InParentWindow, const bool bShowImmediately = true);
	/** Shows the window modally: returns once it has been closed. */
	void AddModalWindow(TSharedRef<SWindow> InSlateWindow, const TSharedPtr<const SWidget> InParentWidget, bool bSlowTaskWindow = false);
	void RequestDestroyWindow(TSharedRef<SWindow> WindowToDestroy);
	void DestroyWindowImmediately(TSharedRef<SWindow> WindowToDestroy);

	TSharedPtr<SWindow> FindBestParentWindowForDialogs(const TSharedPtr<SWidget>& InWidget, const ESlateParentWindowSearchMethod InParentWindowSearchMethod = ESlateParentWindowSearchMethod::ActiveWindow);
	const void* FindBestParentWindowHandleForDialogs(const TSharedPtr<SWidget>& InWidget, const ESlateParentWindowSearchMethod InParentWindowSearchMethod = ESlateParentWindowSearchMethod::ActiveWindow);
	TSharedPtr<SWindow> GetActiveTopLevelWindow() const;
	TSharedPtr<SWindow> GetActiveModalWindow() const;
	const TArray<TSharedRef<SWindow>>& GetTopLevelWindows() const { return Windows; }
	TArray<TSharedRef<SWindow>> GetInteractiveTopLevelWindows() const { return Windows; }

	bool SetKeyboardFocus(const TSharedPtr<SWidget>& OptionalWidgetToFocus, EFocusCause ReasonFocusIsChanging = EFocusCause::SetDirectly);
	bool SetUserFocus(uint32 InUserIndex, const TSharedPtr<SWidget>& WidgetToFocus, const EFocusCause ReasonFocusIsChanging = EFocusCause::SetDirectly);
	void ClearKeyboardFocus(const EFocusCause ReasonFocusIsChanging = EFocusCause::SetDirectly);
	TSharedPtr<SWidget> GetKeyboardFocusedWidget() const;
	/** A key press: offered to the widget with keyboard focus, then to its parents until one handles it. */
	bool ProcessKeyDownEvent(const FKeyEvent& InKeyEvent);
	TSharedPtr<SWidget> GetUserFocusedWidget(uint32 UserIndex) const { return GetKeyboardFocusedWidget(); }
	bool HasFocusedDescendants(const TSharedRef<const SWidget>& Widget) const;
	void ReleaseAllPointerCapture();
	void DismissAllMenus();
	void CloseToolTip()
	{
	}
	bool IsDragDropping() const { return false; }
	float GetDragTriggerDistance() const { return 5.0f; }
	FModifierKeysState GetModifierKeys() const { return FModifierKeysState(); }
	FVector2D GetCursorPos() const { return FVector2D::ZeroVector; }
	void InvalidateAllWidgets(bool bClearResourcesImmediately) const
	{
	}
	int32 GetNumDismissAllMenus() const { return NumDismissAllMenus; }

private:
	friend struct FSlateApplicationStandInAccess;
	static void SetCurrentBaseApplication(const TSharedPtr<FSlateApplicationBase>& InApplication) { CurrentBaseApplication = InApplication; }

	TArray<TSharedRef<SWindow>> Windows;
	TArray<TSharedRef<SWindow>> ModalWindowStack;
	int32 NumDismissAllMenus = 0;
};
