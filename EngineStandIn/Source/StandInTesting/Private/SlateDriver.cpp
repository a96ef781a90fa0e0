#include "StandInTesting/SlateDriver.h"

#include "Framework/Application/SlateApplication.h"
#include "InputCoreTypes.h"
#include "Layout/Children.h"
#include "Rendering/SlateRenderer.h"
#include "StandIn/SlateApplicationHooks.h"
#include "StandIn/SlateCoreHooks.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SComboButton.h"
#include "Widgets/Input/SEditableText.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Input/SSpinBox.h"
#include "Widgets/SWindow.h"
#include "Widgets/Text/STextBlock.h"

namespace StandIn
{
	namespace
	{
		const FVector2f DriverWidgetSize(200.f, 20.f);

		FGeometry DriverGeometry()
		{
			return FGeometry::MakeRoot(DriverWidgetSize, FSlateLayoutTransform());
		}

		FVector2f DriverCenter()
		{
			return DriverWidgetSize * 0.5f;
		}

		FPointerEvent MakeMouseEvent(const FVector2f& Position, const FVector2f& LastPosition, bool bButtonDown, const FModifierKeysState& Modifiers = FModifierKeysState())
		{
			TSet<FKey> Pressed;
			if (bButtonDown)
			{
				Pressed.Add(EKeys::LeftMouseButton);
			}
			return FPointerEvent(Position, LastPosition, Pressed, EKeys::LeftMouseButton, 0.f, Modifiers);
		}

		FModifierKeysState MakeModifiers(bool bControlDown, bool bShiftDown)
		{
			return FModifierKeysState(bShiftDown, false, bControlDown, false, false, false, false, false, false);
		}

		void CollectWidgets(const TSharedRef<SWidget>& Widget, TArray<TSharedRef<SWidget>>& Out)
		{
			Out.Add(Widget);
			if (FChildren* Children = Widget->GetChildren())
			{
				for (int32 Index = 0; Index < Children->Num(); ++Index)
				{
					CollectWidgets(Children->GetChildAt(Index), Out);
				}
			}
		}

		/** Offers a mouse event to the widget and then its parents until one handles it. */
		template <typename HandlerType>
		FReply Bubble(const TSharedRef<SWidget>& Target, TSharedPtr<SWidget>& OutHandler, HandlerType&& Handler)
		{
			for (TSharedPtr<SWidget> Current = Target; Current.IsValid(); Current = Current->GetParentWidget())
			{
				FReply Reply = Handler(*Current);
				if (Reply.IsEventHandled())
				{
					OutHandler = Current;
					return Reply;
				}
			}
			return FReply::Unhandled();
		}

		/** What the application does with a reply: mouse capture and focus requests. */
		void RouteReply(const FReply& Reply)
		{
			if (Reply.GetMouseCaptor().IsValid())
			{
				UE::StandIn::SetMouseCaptor(Reply.GetMouseCaptor());
			}
			else if (Reply.ShouldReleaseMouse())
			{
				UE::StandIn::SetMouseCaptor(TSharedPtr<SWidget>());
			}
			if (Reply.GetUserFocusRecepient().IsValid())
			{
				FocusWidget(Reply.GetUserFocusRecepient().ToSharedRef());
			}
		}

		TSharedPtr<SWidget> FocusTargetOf(const TSharedRef<SWidget>& Widget)
		{
			if (IsWidgetA<SEditableTextBox>(*Widget))
			{
				return StaticCastSharedRef<SEditableTextBox>(Widget)->GetEditableText();
			}
			return Widget;
		}
	}

	namespace
	{
		/**
		 * What Slate does after a press whose handlers chose no focus: the innermost widget under the pointer
		 * that takes keyboard focus gets it; with none, no widget keeps it.
		 */
		void FocusUnderPointer(const TSharedRef<SWidget>& Pressed)
		{
			for (TSharedPtr<SWidget> Current = Pressed; Current.IsValid(); Current = Current->GetParentWidget())
			{
				if (Current->SupportsKeyboardFocus())
				{
					FocusWidget(Current.ToSharedRef());
					return;
				}
			}
			if (FSlateApplication::IsInitialized())
			{
				FSlateApplication::Get().ClearKeyboardFocus(EFocusCause::Mouse);
			}
		}
	}

	TArray<TSharedRef<SWidget>> GetAllWidgets(const TSharedRef<SWidget>& Root)
	{
		TArray<TSharedRef<SWidget>> Result;
		CollectWidgets(Root, Result);
		return Result;
	}

	TArray<TSharedRef<SWidget>> FindWidgetsByTypeName(const TSharedRef<SWidget>& Root, const FString& TypeName)
	{
		TArray<TSharedRef<SWidget>> Result;
		for (const TSharedRef<SWidget>& Widget : GetAllWidgets(Root))
		{
			if (Widget->GetTypeAsString() == TypeName)
			{
				Result.Add(Widget);
			}
		}
		return Result;
	}

	TArray<FString> GetTextBlockTexts(const TSharedRef<SWidget>& Root)
	{
		TArray<FString> Result;
		for (const TSharedRef<STextBlock>& Text : FindWidgets<STextBlock>(Root))
		{
			Result.Add(Text->GetText().ToString());
		}
		return Result;
	}

	TSharedPtr<SWidget> FindTextBlock(const TSharedRef<SWidget>& Root, const FString& Text)
	{
		for (const TSharedRef<STextBlock>& Block : FindWidgets<STextBlock>(Root))
		{
			if (Block->GetText().ToString().Equals(Text, ESearchCase::CaseSensitive))
			{
				return Block;
			}
		}
		return TSharedPtr<SWidget>();
	}

	FString GetToolTipTextOf(const SWidget& Widget)
	{
		return UE::StandIn::FSlateWidgetAccess::GetToolTipText(Widget).Get(FText::GetEmpty()).ToString();
	}

	bool IsEnabledInHierarchy(const SWidget& Widget)
	{
		if (!Widget.IsEnabled())
		{
			return false;
		}
		for (TSharedPtr<SWidget> Parent = Widget.GetParentWidget(); Parent.IsValid(); Parent = Parent->GetParentWidget())
		{
			if (!Parent->IsEnabled())
			{
				return false;
			}
		}
		return true;
	}

	bool IsVisibleInHierarchy(const SWidget& Widget)
	{
		if (!Widget.GetVisibility().IsVisible())
		{
			return false;
		}
		for (TSharedPtr<SWidget> Parent = Widget.GetParentWidget(); Parent.IsValid(); Parent = Parent->GetParentWidget())
		{
			if (!Parent->GetVisibility().IsVisible())
			{
				return false;
			}
		}
		return true;
	}

	bool ClickWidget(const TSharedRef<SWidget>& Widget)
	{
		if (!IsEnabledInHierarchy(*Widget) || !IsVisibleInHierarchy(*Widget))
		{
			return false;
		}
		const FGeometry Geometry = DriverGeometry();
		const FVector2f Center = DriverCenter();
		TSharedPtr<SWidget> DownHandler;
		const FReply DownReply = Bubble(Widget, DownHandler, [&](SWidget& Target)
			{
				return Target.OnMouseButtonDown(Geometry, MakeMouseEvent(Center, Center, true));
			});
		RouteReply(DownReply);
		if (!DownReply.GetUserFocusRecepient().IsValid())
		{
			FocusUnderPointer(Widget);
		}
		const FPointerEvent UpEvent = MakeMouseEvent(Center, Center, false);
		TSharedPtr<SWidget> Captor = DownReply.GetMouseCaptor();
		FReply UpReply = FReply::Unhandled();
		if (Captor.IsValid())
		{
			UpReply = Captor->OnMouseButtonUp(Geometry, UpEvent);
		}
		else
		{
			TSharedPtr<SWidget> UpHandler;
			UpReply = Bubble(Widget, UpHandler, [&](SWidget& Target)
				{
					return Target.OnMouseButtonUp(Geometry, UpEvent);
				});
		}
		RouteReply(UpReply);
		if (Captor.IsValid() && UE::StandIn::GetMouseCaptor() == Captor)
		{
			UE::StandIn::SetMouseCaptor(TSharedPtr<SWidget>());
		}
		return DownReply.IsEventHandled() || UpReply.IsEventHandled();
	}

	bool FocusWidget(const TSharedRef<SWidget>& Widget)
	{
		TSharedPtr<SWidget> Target = FocusTargetOf(Widget);
		if (FSlateApplication::IsInitialized())
		{
			return FSlateApplication::Get().SetKeyboardFocus(Target, EFocusCause::Mouse);
		}
		const TSharedPtr<SWidget> Previous = UE::StandIn::GetKeyboardFocusedWidget();
		if (Previous == Target)
		{
			return true;
		}
		UE::StandIn::SetKeyboardFocusedWidget(Target);
		if (Previous.IsValid())
		{
			Previous->OnFocusLost(FFocusEvent(EFocusCause::Mouse, 0));
		}
		Target->OnFocusReceived(DriverGeometry(), FFocusEvent(EFocusCause::Mouse, 0));
		return true;
	}

	namespace
	{
		struct FPointerState
		{
			TSet<FKey> HeldButtons;
			FVector2f LastScreenPosition = FVector2f(0.f, 0.f);
		};

		FPointerState& Pointer()
		{
			static FPointerState State;
			return State;
		}

		FPointerEvent MakePointerEvent(const FGeometry& Geometry, const FVector2D& LocalPosition, const FKey& Button, float WheelDelta, bool bShiftDown, bool bControlDown)
		{
			const FVector2f Screen = Geometry.LocalToAbsolute(FVector2f((float)LocalPosition.X, (float)LocalPosition.Y));
			const FPointerEvent Event(Screen, Pointer().LastScreenPosition, Pointer().HeldButtons, Button, WheelDelta, MakeModifiers(bControlDown, bShiftDown));
			Pointer().LastScreenPosition = Screen;
			return Event;
		}
	}

	FReply MouseDownAt(const TSharedRef<SWidget>& Widget, const FGeometry& Geometry, const FVector2D& LocalPosition, const FKey& Button, bool bShiftDown, bool bControlDown)
	{
		Pointer().LastScreenPosition = Geometry.LocalToAbsolute(FVector2f((float)LocalPosition.X, (float)LocalPosition.Y));
		Pointer().HeldButtons.Add(Button);
		const FReply Reply = Widget->OnMouseButtonDown(Geometry, MakePointerEvent(Geometry, LocalPosition, Button, 0.f, bShiftDown, bControlDown));
		RouteReply(Reply);
		// As Slate does: a handled press on a widget that takes keyboard focus gives it the focus,
		// unless the handler chose a focus itself.
		if (Reply.IsEventHandled() && !Reply.GetUserFocusRecepient().IsValid() && Widget->SupportsKeyboardFocus() && !Widget->HasKeyboardFocus())
		{
			FocusWidget(Widget);
		}
		return Reply;
	}

	FReply MouseMoveTo(const TSharedRef<SWidget>& Widget, const FGeometry& Geometry, const FVector2D& LocalPosition, bool bShiftDown, bool bControlDown)
	{
		const FReply Reply = Widget->OnMouseMove(Geometry, MakePointerEvent(Geometry, LocalPosition, FKey(), 0.f, bShiftDown, bControlDown));
		RouteReply(Reply);
		return Reply;
	}

	FReply MouseUpAt(const TSharedRef<SWidget>& Widget, const FGeometry& Geometry, const FVector2D& LocalPosition, const FKey& Button, bool bShiftDown, bool bControlDown)
	{
		Pointer().HeldButtons.Remove(Button);
		const FReply Reply = Widget->OnMouseButtonUp(Geometry, MakePointerEvent(Geometry, LocalPosition, Button, 0.f, bShiftDown, bControlDown));
		RouteReply(Reply);
		return Reply;
	}

	FReply MouseWheelAt(const TSharedRef<SWidget>& Widget, const FGeometry& Geometry, const FVector2D& LocalPosition, float WheelDelta, bool bShiftDown, bool bControlDown)
	{
		const FReply Reply = Widget->OnMouseWheel(Geometry, MakePointerEvent(Geometry, LocalPosition, FKey(), WheelDelta, bShiftDown, bControlDown));
		RouteReply(Reply);
		return Reply;
	}

	FReply KeyDownOn(const TSharedRef<SWidget>& Widget, const FKey& Key, bool bShiftDown, bool bControlDown)
	{
		const FReply Reply = Widget->OnKeyDown(DriverGeometry(), FKeyEvent(Key, MakeModifiers(bControlDown, bShiftDown), 0, false, 0, 0));
		RouteReply(Reply);
		return Reply;
	}

	bool ClickButtonWithText(const TSharedRef<SWidget>& Root, const FString& Text)
	{
		for (const TSharedRef<SButton>& Button : FindWidgets<SButton>(Root))
		{
			if (FindTextBlock(Button, Text).IsValid())
			{
				return ClickWidget(Button);
			}
		}
		return false;
	}

	TOptional<ECheckBoxState> ClickCheckBox(const TSharedRef<SWidget>& CheckBox)
	{
		if (!IsWidgetA<SCheckBox>(*CheckBox) || !ClickWidget(CheckBox))
		{
			return TOptional<ECheckBoxState>();
		}
		return StaticCastSharedRef<SCheckBox>(CheckBox)->GetCheckedState();
	}

	bool PressKey(const TSharedRef<SWidget>& Widget, const FKey& Key, bool bControlDown, bool bShiftDown)
	{
		const FGeometry Geometry = DriverGeometry();
		const FKeyEvent Event(Key, MakeModifiers(bControlDown, bShiftDown), 0, false, 0, 0);
		TSharedPtr<SWidget> Handler;
		const FReply Down = Bubble(Widget, Handler, [&](SWidget& Target)
			{
				return Target.OnKeyDown(Geometry, Event);
			});
		const FReply Up = Bubble(Widget, Handler, [&](SWidget& Target)
			{
				return Target.OnKeyUp(Geometry, Event);
			});
		return Down.IsEventHandled() || Up.IsEventHandled();
	}

	void MoveFocusAway(const TSharedRef<SWidget>& Widget)
	{
		TSharedPtr<SWidget> Target = FocusTargetOf(Widget);
		if (UE::StandIn::GetKeyboardFocusedWidget() == Target)
		{
			UE::StandIn::SetKeyboardFocusedWidget(TSharedPtr<SWidget>());
		}
		Target->OnFocusLost(FFocusEvent(EFocusCause::Mouse, 0));
	}

	bool TypeText(const TSharedRef<SWidget>& Widget, const FString& Text, bool bCommit)
	{
		if (!IsEnabledInHierarchy(*Widget) || !IsVisibleInHierarchy(*Widget))
		{
			return false;
		}
		const FGeometry Geometry = DriverGeometry();
		const bool bSpinBox = Widget->GetTypeAsString().StartsWith(TEXT("SSpinBox"));
		TSharedPtr<SWidget> Target = FocusTargetOf(Widget);
		if (bSpinBox)
		{
			// A click without moving starts typing in a spin box.
			if (!ClickWidget(Widget))
			{
				return false;
			}
		}
		else
		{
			FocusWidget(Widget);
		}
		Target->OnKeyDown(Geometry, FKeyEvent(EKeys::A, MakeModifiers(true, false), 0, false, 0, 0));
		bool bAccepted = true;
		if (Text.IsEmpty())
		{
			bAccepted = Target->OnKeyChar(Geometry, FCharacterEvent(TEXT('\b'), FModifierKeysState(), 0, false)).IsEventHandled();
		}
		for (int32 Index = 0; Index < Text.Len(); ++Index)
		{
			bAccepted &= Target->OnKeyChar(Geometry, FCharacterEvent(Text[Index], FModifierKeysState(), 0, false)).IsEventHandled();
		}
		if (bCommit)
		{
			bAccepted &= Target->OnKeyDown(Geometry, FKeyEvent(EKeys::Enter, FModifierKeysState(), 0, false, 0, 0)).IsEventHandled();
		}
		return bAccepted;
	}

	namespace
	{
		// A wide geometry so a bounded slider moves by exactly one delta per step.
		struct FSpinDrag
		{
			float Width = 0.f;
			float LastX = 0.f;
		};

		TMap<const SWidget*, FSpinDrag>& OpenDrags()
		{
			static TMap<const SWidget*, FSpinDrag> Drags;
			return Drags;
		}

		FGeometry SpinGeometry(float Width)
		{
			return FGeometry::MakeRoot(FVector2f(Width, 20.f), FSlateLayoutTransform());
		}
	}

	bool DragSpinBox(const TSharedRef<SWidget>& SpinBoxWidget, int32 Steps, bool bRelease)
	{
		if (!IsWidgetA<SSpinBox<float>>(*SpinBoxWidget) || !IsEnabledInHierarchy(*SpinBoxWidget))
		{
			return false;
		}
		SSpinBox<float>& SpinBox = static_cast<SSpinBox<float>&>(*SpinBoxWidget);
		const double Min = SpinBox.GetMinSliderValue();
		const double Max = SpinBox.GetMaxSliderValue();
		const double Delta = SpinBox.GetDelta() != 0.f ? (double)SpinBox.GetDelta() : 1.0;
		const bool bBounded = Min > (double)std::numeric_limits<float>::lowest() && Max < (double)std::numeric_limits<float>::max();
		const double Start = SpinBox.GetValue();

		// Bounded: one delta per step across the width; unbounded: one pixel per step.
		const float Width = bBounded ? (float)FMath::Max(1.0, (Max - Min) / Delta) : 1000.f;
		auto PositionOf = [&](double Value)
		{
			return bBounded ? (float)((Value - Min) / Delta) : 500.f;
		};
		const FGeometry Geometry = SpinGeometry(Width);
		float X = PositionOf(Start);
		if (SpinBox.OnMouseButtonDown(Geometry, MakeMouseEvent(FVector2f(X, 10.f), FVector2f(X, 10.f), true)).IsEventHandled() == false)
		{
			return false;
		}
		// Past the drag threshold without changing the value (back and forth).
		const float Threshold = 6.f;
		SpinBox.OnMouseMove(Geometry, MakeMouseEvent(FVector2f(X + Threshold, 10.f), FVector2f(X, 10.f), true));
		if (bBounded)
		{
			SpinBox.OnMouseMove(Geometry, MakeMouseEvent(FVector2f(X, 10.f), FVector2f(X + Threshold, 10.f), true));
		}
		else
		{
			X += Threshold;
		}
		const float Direction = Steps >= 0 ? 1.f : -1.f;
		for (int32 Step = 0; Step < FMath::Abs(Steps); ++Step)
		{
			const float NewX = X + Direction;
			SpinBox.OnMouseMove(Geometry, MakeMouseEvent(FVector2f(NewX, 10.f), FVector2f(X, 10.f), true));
			X = NewX;
		}
		OpenDrags().Add(&SpinBox, FSpinDrag{ Width, X });
		if (bRelease)
		{
			return ReleaseSpinBoxDrag(SpinBoxWidget);
		}
		return true;
	}

	bool ReleaseSpinBoxDrag(const TSharedRef<SWidget>& SpinBoxWidget)
	{
		const FSpinDrag* Drag = OpenDrags().Find(&SpinBoxWidget.Get());
		if (Drag == nullptr)
		{
			return false;
		}
		const FSpinDrag Copy = *Drag;
		OpenDrags().Remove(&SpinBoxWidget.Get());
		return SpinBoxWidget->OnMouseButtonUp(SpinGeometry(Copy.Width), MakeMouseEvent(FVector2f(Copy.LastX, 10.f), FVector2f(Copy.LastX, 10.f), false)).IsEventHandled();
	}

	FString GetSpinBoxText(const TSharedRef<SWidget>& SpinBox)
	{
		if (!IsWidgetA<SSpinBox<float>>(*SpinBox))
		{
			return FString();
		}
		return static_cast<SSpinBox<float>&>(*SpinBox).GetDisplayText().ToString();
	}

	namespace
	{
		TArray<TSharedRef<SCheckBox>> SegmentsOf(const TSharedRef<SWidget>& SegmentedControl)
		{
			return FindWidgets<SCheckBox>(SegmentedControl);
		}

		FString SegmentText(const TSharedRef<SCheckBox>& Segment)
		{
			TArray<FString> Texts = GetTextBlockTexts(Segment);
			return Texts.Num() > 0 ? Texts[0] : FString();
		}
	}

	bool PickSegmentByText(const TSharedRef<SWidget>& SegmentedControl, const FString& Text)
	{
		for (const TSharedRef<SCheckBox>& Segment : SegmentsOf(SegmentedControl))
		{
			if (SegmentText(Segment).Equals(Text, ESearchCase::CaseSensitive))
			{
				return ClickWidget(Segment);
			}
		}
		return false;
	}

	TArray<FString> GetSegmentTexts(const TSharedRef<SWidget>& SegmentedControl)
	{
		TArray<FString> Result;
		for (const TSharedRef<SCheckBox>& Segment : SegmentsOf(SegmentedControl))
		{
			Result.Add(SegmentText(Segment));
		}
		return Result;
	}

	TArray<FString> GetCheckedSegmentTexts(const TSharedRef<SWidget>& SegmentedControl)
	{
		TArray<FString> Result;
		for (const TSharedRef<SCheckBox>& Segment : SegmentsOf(SegmentedControl))
		{
			if (Segment->IsChecked())
			{
				Result.Add(SegmentText(Segment));
			}
		}
		return Result;
	}

	TSharedPtr<SWidget> OpenComboMenu(const TSharedRef<SWidget>& ComboWidget)
	{
		const FString TypeName = ComboWidget->GetTypeAsString();
		if (TypeName != TEXT("SComboButton") && !TypeName.StartsWith(TEXT("SComboBox")))
		{
			return TSharedPtr<SWidget>();
		}
		SComboButton& Combo = static_cast<SComboButton&>(*ComboWidget);
		if (!Combo.IsOpen())
		{
			TSharedPtr<SButton> Button = FindFirstWidget<SButton>(ComboWidget);
			if (!Button.IsValid() || !ClickWidget(Button.ToSharedRef()))
			{
				return TSharedPtr<SWidget>();
			}
		}
		return Combo.GetMenuContent();
	}

	bool PickComboBoxOptionByText(const TSharedRef<SWidget>& ComboBox, const FString& Text)
	{
		TSharedPtr<SWidget> Menu = OpenComboMenu(ComboBox);
		if (!Menu.IsValid())
		{
			return false;
		}
		TSharedPtr<SWidget> Label = FindTextBlock(Menu.ToSharedRef(), Text);
		return Label.IsValid() && ClickWidget(Label.ToSharedRef());
	}

	TArray<FSlateDrawElement> PaintWidget(const TSharedRef<SWidget>& Widget, const FVector2D& Size, int32 LayerId)
	{
		FSlateWindowElementList Elements;
		FHittestGrid Grid;
		const FGeometry Geometry = FGeometry::MakeRoot(Size, FSlateLayoutTransform());
		Widget->Paint(FPaintArgs(nullptr, Grid, FVector2f(0.f, 0.f), 0.0, 0.f), Geometry, FSlateRect(0.f, 0.f, (float)Size.X, (float)Size.Y), Elements, LayerId,
			FWidgetStyle(), true);
		return Elements.GetRecordedElements();
	}

	namespace
	{
		void DescribeInto(const TSharedRef<SWidget>& Widget, int32 Depth, TArray<FString>& Out)
		{
			FString Line = FString::ChrN(Depth * 2, TEXT(' ')) + Widget->GetTypeAsString();
			if (IsWidgetA<STextBlock>(*Widget))
			{
				Line += FString::Printf(TEXT(" \"%s\""), *StaticCastSharedRef<STextBlock>(Widget)->GetText().ToString());
			}
			if (!Widget->IsEnabled())
			{
				Line += TEXT(" (disabled)");
			}
			Out.Add(Line);
			if (FChildren* Children = Widget->GetChildren())
			{
				for (int32 Index = 0; Index < Children->Num(); ++Index)
				{
					DescribeInto(Children->GetChildAt(Index), Depth + 1, Out);
				}
			}
		}
	}

	TArray<FString> DescribeWidgetTree(const TSharedRef<SWidget>& Root)
	{
		TArray<FString> Lines;
		DescribeInto(Root, 0, Lines);
		return Lines;
	}

	const TArray<UE::StandIn::FRecordedNotification>& GetShownNotifications()
	{
		return UE::StandIn::GetRecordedNotifications();
	}

	TArray<FString> GetShownNotificationTexts()
	{
		TArray<FString> Result;
		for (const UE::StandIn::FRecordedNotification& Notification : UE::StandIn::GetRecordedNotifications())
		{
			Result.Add(Notification.GetText().ToString());
		}
		return Result;
	}

	void ClearShownNotifications()
	{
		UE::StandIn::ClearRecordedNotifications();
	}

	TArray<TSharedRef<SWindow>> GetAddedWindows()
	{
		return UE::StandIn::GetAllAddedWindows();
	}

	TSharedPtr<SWindow> FindOpenWindow(const FString& Title)
	{
		for (const TSharedRef<SWindow>& Window : UE::StandIn::GetAllAddedWindows())
		{
			if (!Window->IsDestroyed() && Window->GetTitle().ToString().Equals(Title, ESearchCase::CaseSensitive))
			{
				return Window;
			}
		}
		return TSharedPtr<SWindow>();
	}

	void ClearAddedWindows()
	{
		UE::StandIn::ClearAddedWindows();
	}

	void SetModalWindowHandler(TFunction<void(const TSharedRef<SWindow>&)> Handler)
	{
		UE::StandIn::SetModalWindowHandler(MoveTemp(Handler));
	}

	void StartSlateApplication()
	{
		UE::StandIn::InitializeSlateApplication();
	}

	void StopSlateApplication()
	{
		UE::StandIn::ShutdownSlateApplication();
	}

	int32 GetTextureReloadCount()
	{
		return FSlateApplication::IsInitialized() && FSlateApplication::Get().GetRenderer() ? FSlateApplication::Get().GetRenderer()->GetNumReloadTextureResources() : 0;
	}
}
