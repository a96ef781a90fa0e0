// FReply: what an event handler answers (handled or not, and requests such as capturing the mouse).
#pragma once

#include "CoreMinimal.h"
#include "Types/SlateEnums.h"

class SWidget;

class FReply
{
public:
	static FReply Handled() { return FReply(true); }
	static FReply Unhandled() { return FReply(false); }

	bool IsEventHandled() const { return bIsHandled; }

	FReply& CaptureMouse(TSharedRef<SWidget> InMouseCaptor)
	{
		MouseCaptor = InMouseCaptor;
		return *this;
	}

	FReply& ReleaseMouseCapture()
	{
		MouseCaptor.Reset();
		bReleaseMouseCapture = true;
		return *this;
	}

	FReply& SetUserFocus(TSharedRef<SWidget> GiveMeFocus, EFocusCause ReasonFocusIsChanging = EFocusCause::SetDirectly, bool bInAllUsers = false)
	{
		FocusRecipient = GiveMeFocus;
		return *this;
	}

	FReply& ClearUserFocus(bool bInAllUsers = false)
	{
		FocusRecipient.Reset();
		return *this;
	}

	FReply& PreventThrottling() { return *this; }
	FReply& LockMouseToWidget(TSharedRef<SWidget> InWidget) { return *this; }
	FReply& ReleaseMouseLock() { return *this; }
	FReply& UseHighPrecisionMouseMovement(TSharedRef<SWidget> InWidget) { return *this; }
	FReply& SetMousePos(const FIntPoint& InNewMousePos) { return *this; }

	TSharedPtr<SWidget> GetMouseCaptor() const { return MouseCaptor; }
	bool ShouldReleaseMouse() const { return bReleaseMouseCapture; }
	TSharedPtr<SWidget> GetUserFocusRecepient() const { return FocusRecipient; }

private:
	explicit FReply(bool bIsHandledIn)
		: bIsHandled(bIsHandledIn)
	{
	}

	bool bIsHandled = false;
	bool bReleaseMouseCapture = false;
	TSharedPtr<SWidget> MouseCaptor;
	TSharedPtr<SWidget> FocusRecipient;
};
