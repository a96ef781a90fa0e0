// Notifications: what to show (FNotificationInfo) and the item shown (SNotificationItem).
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Types/SlateStructs.h"
#include "Widgets/SCompoundWidget.h"

class SWindow;
class SNotificationItem;

class SLATE_API SNotificationItem : public SCompoundWidget
{
public:
	enum ECompletionState
	{
		CS_None,
		CS_Pending,
		CS_Success,
		CS_Fail,
	};

	SLATE_BEGIN_ARGS(SNotificationItem)
	{
	}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs)
	{
	}

	virtual void SetText(const TAttribute<FText>& InText) { Text = InText; }
	virtual void SetSubText(const TAttribute<FText>& InSubText) { SubText = InSubText; }
	virtual void SetHyperlink(const FSimpleDelegate& InHyperlink, const TAttribute<FText>& InHyperlinkText = TAttribute<FText>())
	{
		Hyperlink = InHyperlink;
		HyperlinkText = InHyperlinkText;
	}
	virtual void SetExpireDuration(float InExpireDuration) { ExpireDuration = InExpireDuration; }
	virtual void SetFadeInDuration(float InFadeInDuration) { FadeInDuration = InFadeInDuration; }
	virtual void SetFadeOutDuration(float InFadeOutDuration) { FadeOutDuration = InFadeOutDuration; }
	virtual ECompletionState GetCompletionState() const { return CompletionState; }
	virtual void SetCompletionState(ECompletionState InState) { CompletionState = InState; }
	virtual void ExpireAndFadeout() { bExpired = true; }
	virtual void Fadeout() { bExpired = true; }
	virtual void Pulse(const FLinearColor& GlowColor)
	{
	}

	// What the item shows now (read by tests).
	FText GetText() const { return Text.Get(FText::GetEmpty()); }
	FText GetSubText() const { return SubText.Get(FText::GetEmpty()); }
	float GetExpireDuration() const { return ExpireDuration; }
	bool IsExpired() const { return bExpired; }

private:
	TAttribute<FText> Text;
	TAttribute<FText> SubText;
	FSimpleDelegate Hyperlink;
	TAttribute<FText> HyperlinkText;
	float ExpireDuration = 1.0f;
	float FadeInDuration = 0.5f;
	float FadeOutDuration = 2.0f;
	ECompletionState CompletionState = CS_None;
	bool bExpired = false;
};

struct FNotificationButtonInfo
{
	FNotificationButtonInfo(const FText& InText, const FText& InToolTip, FSimpleDelegate InCallback,
		SNotificationItem::ECompletionState InVisibleInState = SNotificationItem::CS_Pending)
		: Text(InText)
		, ToolTip(InToolTip)
		, Callback(InCallback)
		, VisibleInState(InVisibleInState)
	{
	}

	FText Text;
	FText ToolTip;
	FSimpleDelegate Callback;
	SNotificationItem::ECompletionState VisibleInState;
};

struct FNotificationInfo
{
	FNotificationInfo(const FText& InText)
		: Text(InText)
	{
	}

	TAttribute<FText> Text;
	TAttribute<FText> SubText;
	TArray<FNotificationButtonInfo> ButtonDetails;
	const FSlateBrush* Image = nullptr;
	TSharedPtr<SWidget> ContentWidget;
	float FadeInDuration = 0.5f;
	float FadeOutDuration = 2.0f;
	float ExpireDuration = 1.0f;
	bool bUseThrobber = true;
	bool bUseSuccessFailIcons = true;
	bool bUseLargeFont = true;
	bool bFireAndForget = true;
	bool bAllowThrottleWhenFrameRateIsLow = true;
	TAttribute<ECheckBoxState> CheckBoxState;
	FOnCheckStateChanged CheckBoxStateChanged;
	TAttribute<FText> CheckBoxText;
	FSimpleDelegate Hyperlink;
	TAttribute<FText> HyperlinkText;
	FOptionalSize WidthOverride;
	TSharedPtr<SWindow> ForWindow;
};
