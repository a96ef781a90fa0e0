// Driving Slate widgets as a user would: walking the widget tree, finding widgets by type and text,
// clicks, typing, spin-box drags, segment picks, combo boxes, painting, notifications and windows.
// Every action goes through the widgets' own event handlers (mouse, key and focus events), so the
// widgets behave as they do in the editor.
#pragma once

#include "CoreMinimal.h"
#include "Rendering/DrawElements.h"
#include "StandIn/NotificationHooks.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SWidget.h"
#include "InputCoreTypes.h"

class SWindow;

namespace StandIn
{
	/** Every widget below Root (Root first, then depth-first in child order). */
	TArray<TSharedRef<SWidget>> GetAllWidgets(const TSharedRef<SWidget>& Root);

	/** Whether the widget was made as a WidgetType (SNew / SAssignNew). */
	template <typename WidgetType>
	bool IsWidgetA(const SWidget& Widget)
	{
		return UE::StandIn::FSlateWidgetAccess::GetWidgetTypeId(Widget) == UE::StandIn::GetWidgetTypeId<WidgetType>();
	}

	/** The widgets of that exact type below Root, in tree order. */
	template <typename WidgetType>
	TArray<TSharedRef<WidgetType>> FindWidgets(const TSharedRef<SWidget>& Root)
	{
		TArray<TSharedRef<WidgetType>> Result;
		for (const TSharedRef<SWidget>& Widget : GetAllWidgets(Root))
		{
			if (IsWidgetA<WidgetType>(*Widget))
			{
				Result.Add(StaticCastSharedRef<WidgetType>(Widget));
			}
		}
		return Result;
	}

	template <typename WidgetType>
	TSharedPtr<WidgetType> FindFirstWidget(const TSharedRef<SWidget>& Root)
	{
		TArray<TSharedRef<WidgetType>> Found = FindWidgets<WidgetType>(Root);
		return Found.Num() > 0 ? TSharedPtr<WidgetType>(Found[0]) : TSharedPtr<WidgetType>();
	}

	/** The widgets whose type name (GetType) is this, e.g. "SButton" or "SSpinBox<float>". */
	TArray<TSharedRef<SWidget>> FindWidgetsByTypeName(const TSharedRef<SWidget>& Root, const FString& TypeName);

	/** The nearest ancestor (or the widget itself) of that type, through the parent links. */
	template <typename WidgetType>
	TSharedPtr<WidgetType> FindAncestorWidget(const TSharedRef<SWidget>& Widget)
	{
		for (TSharedPtr<SWidget> Current = Widget; Current.IsValid(); Current = Current->GetParentWidget())
		{
			if (IsWidgetA<WidgetType>(*Current))
			{
				return StaticCastSharedPtr<WidgetType>(Current);
			}
		}
		return TSharedPtr<WidgetType>();
	}

	/** The texts of the STextBlocks below Root, in tree order (polled now). */
	TArray<FString> GetTextBlockTexts(const TSharedRef<SWidget>& Root);
	/** The first STextBlock below Root showing exactly this text. */
	TSharedPtr<SWidget> FindTextBlock(const TSharedRef<SWidget>& Root, const FString& Text);
	/** The tooltip text a widget was given (.ToolTipText or SetToolTipText). */
	FString GetToolTipTextOf(const SWidget& Widget);

	/** Enabled and shown, with every parent enabled and shown, as input routing requires. */
	bool IsEnabledInHierarchy(const SWidget& Widget);
	bool IsVisibleInHierarchy(const SWidget& Widget);

	/**
	 * A left click in the middle of the widget: button down then up, each offered to the widget and then
	 * its parents until one handles it (the up goes to the widget that captured the mouse). False when
	 * the widget is disabled or hidden (directly or through a parent) or nothing handled the click.
	 */
	bool ClickWidget(const TSharedRef<SWidget>& Widget);
	/** Clicks the SButton showing this text (its own text block); false if none is found or enabled. */
	bool ClickButtonWithText(const TSharedRef<SWidget>& Root, const FString& Text);
	/** Clicks a check box; returns its state afterwards (unset when it could not be clicked). */
	TOptional<ECheckBoxState> ClickCheckBox(const TSharedRef<SWidget>& CheckBox);

	/**
	 * Types into an SEditableText, SEditableTextBox or SSpinBox as a user does: clicks it (a spin box
	 * enters typing), selects all, types the characters and, when bCommit, presses Enter.
	 */
	bool TypeText(const TSharedRef<SWidget>& Widget, const FString& Text, bool bCommit = true);
	/** Gives the widget keyboard focus (the previous one loses it), as a click on it would. */
	bool FocusWidget(const TSharedRef<SWidget>& Widget);

	/**
	 * Pointer events sent straight to the widget at a local position inside the given geometry (what a
	 * custom-drawn widget such as a canvas receives). Buttons pressed by MouseDownAt stay held until
	 * MouseUpAt; moves report them and the cursor delta since the last event. Capture and focus requests
	 * in the replies are honoured (HasMouseCapture / HasKeyboardFocus); a handled press on a widget that
	 * supports keyboard focus gives it the focus, as Slate does.
	 */
	FReply MouseDownAt(const TSharedRef<SWidget>& Widget, const FGeometry& Geometry, const FVector2D& LocalPosition, const FKey& Button = EKeys::LeftMouseButton,
		bool bShiftDown = false, bool bControlDown = false);
	FReply MouseMoveTo(const TSharedRef<SWidget>& Widget, const FGeometry& Geometry, const FVector2D& LocalPosition, bool bShiftDown = false, bool bControlDown = false);
	FReply MouseUpAt(const TSharedRef<SWidget>& Widget, const FGeometry& Geometry, const FVector2D& LocalPosition, const FKey& Button = EKeys::LeftMouseButton,
		bool bShiftDown = false, bool bControlDown = false);
	FReply MouseWheelAt(const TSharedRef<SWidget>& Widget, const FGeometry& Geometry, const FVector2D& LocalPosition, float WheelDelta, bool bShiftDown = false,
		bool bControlDown = false);
	/** A key pressed on the widget itself (no bubbling), with modifiers. */
	FReply KeyDownOn(const TSharedRef<SWidget>& Widget, const FKey& Key, bool bShiftDown = false, bool bControlDown = false);

	/** Presses a key on the widget (Escape, Enter, ...). */
	bool PressKey(const TSharedRef<SWidget>& Widget, const FKey& Key, bool bControlDown = false, bool bShiftDown = false);
	/** Moves the keyboard focus off the widget (a text being typed is committed as OnUserMovedFocus). */
	void MoveFocusAway(const TSharedRef<SWidget>& Widget);

	/**
	 * Drags an SSpinBox<float> by Steps steps of its delta (negative goes down) and releases it: the value
	 * changes on every step, the commit comes once on release. Press and release only when bRelease is
	 * false at the end (the drag is then left open; call ReleaseSpinBoxDrag).
	 */
	bool DragSpinBox(const TSharedRef<SWidget>& SpinBox, int32 Steps, bool bRelease = true);
	bool ReleaseSpinBoxDrag(const TSharedRef<SWidget>& SpinBox);
	/** The text an SSpinBox<float> shows now. */
	FString GetSpinBoxText(const TSharedRef<SWidget>& SpinBox);

	/** Picks the segment of an SSegmentedControl showing this text; false when there is none. */
	bool PickSegmentByText(const TSharedRef<SWidget>& SegmentedControl, const FString& Text);
	/** The texts of its segments, and the texts of the segments shown checked. */
	TArray<FString> GetSegmentTexts(const TSharedRef<SWidget>& SegmentedControl);
	TArray<FString> GetCheckedSegmentTexts(const TSharedRef<SWidget>& SegmentedControl);

	/** Opens an SComboButton or SComboBox by clicking it; returns the menu on show (null if none). */
	TSharedPtr<SWidget> OpenComboMenu(const TSharedRef<SWidget>& ComboButton);
	/** Opens an SComboBox and clicks the option row showing this text; false when there is none. */
	bool PickComboBoxOptionByText(const TSharedRef<SWidget>& ComboBox, const FString& Text);

	/** Paints the widget into a fresh element list at the given size and returns what it drew. */
	TArray<FSlateDrawElement> PaintWidget(const TSharedRef<SWidget>& Widget, const FVector2D& Size, int32 LayerId = 0);
	/** One line per widget ("SBox", "  STextBlock \"Label\"", ...), indented by depth. */
	TArray<FString> DescribeWidgetTree(const TSharedRef<SWidget>& Root);

	/** Notifications shown since the last clear, oldest first. */
	const TArray<UE::StandIn::FRecordedNotification>& GetShownNotifications();
	TArray<FString> GetShownNotificationTexts();
	void ClearShownNotifications();

	/** Windows added to the Slate application since the last clear (open and closed), oldest first. */
	TArray<TSharedRef<SWindow>> GetAddedWindows();
	/** The open window with this title, or null. */
	TSharedPtr<SWindow> FindOpenWindow(const FString& Title);
	void ClearAddedWindows();
	/** Answers the next modal windows: the handler acts on the window as the user would. */
	void SetModalWindowHandler(TFunction<void(const TSharedRef<SWindow>&)> Handler);

	/** Starts or stops the Slate application (the editor session starts it). */
	void StartSlateApplication();
	void StopSlateApplication();
	/** How often the renderer was asked to reload its textures. */
	int32 GetTextureReloadCount();
}
