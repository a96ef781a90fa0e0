// What the prism wheel editor's tests share: an editor session with the plug-in started, prism wheels made
// as the content browser makes them, the editor opened as a double-click opens it, its canvas found in its
// tab, and the whole asset (facettes and selection) captured for comparison.
#pragma once

#include "CoreMinimal.h"
#include "AssetDefinition.h"
#include "Framework/Application/SlateApplication.h"
#include "InputCoreTypes.h"
#include "Layout/Geometry.h"
#include "PrismWheel/SZORPrismWheelWidget.h"
#include "PrismWheel/ZORPrismWheelEditorToolkit.h"
#include "StandInTesting/AssetDriver.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/SlateDriver.h"
#include "Widgets/Docking/SDockTab.h"
#include "ZORPrismWheel.h"
#include "ZORPrismWheelFactory.h"

#include "PrismWheelFacettes.h"
#include "ShownText.h"

#include <gtest/gtest.h>

#include <string>

namespace PrismWheelTest
{
	/** Everything a user can see of the asset: every facette and the selection (sorted). */
	struct FWheelState
	{
		TArray<FPrismWheelFacette> Facettes;
		TArray<int32> Selected;

		static FWheelState Of(const UZORPrismWheel* Wheel)
		{
			FWheelState State;
			State.Facettes = Wheel->Facettes;
			State.Selected = Wheel->SelectedCircles.Array();
			State.Selected.Sort();
			return State;
		}

		bool operator==(const FWheelState& Other) const
		{
			if (Facettes.Num() != Other.Facettes.Num() || Selected != Other.Selected)
			{
				return false;
			}
			for (int32 Index = 0; Index < Facettes.Num(); ++Index)
			{
				if (Facettes[Index].X != Other.Facettes[Index].X || Facettes[Index].Y != Other.Facettes[Index].Y
					|| Facettes[Index].Radius != Other.Facettes[Index].Radius)
				{
					return false;
				}
			}
			return true;
		}
	};

	inline void PrintTo(const FWheelState& State, std::ostream* Out)
	{
		for (int32 Index = 0; Index < State.Facettes.Num(); ++Index)
		{
			*Out << "#" << Index << " (" << State.Facettes[Index].X << ", " << State.Facettes[Index].Y << ", " << State.Facettes[Index].Radius << ") ";
		}
		*Out << "selected {";
		for (const int32 Index : State.Selected)
		{
			*Out << " " << Index;
		}
		*Out << " }";
	}

	/** The canvas laid out at 600 x 600: the 500-unit square sits at (50, 50) at zoom 1 with no pan. */
	class CanvasTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			Session.StartPlugin();
			const TArray<UFactory*> Factories = StandIn::FindFactoriesFor(UZORPrismWheel::StaticClass());
			ASSERT_EQ(Factories.Num(), 1);
			Wheel = Cast<UZORPrismWheel>(StandIn::CreateAssetWithFactory(Factories[0], TEXT("PW_Canvas")));
			ASSERT_NE(Wheel, nullptr);
			// Canvas units: facette i at (50 + 500 X, 50 + 500 Y) with radius 500 R.
			Wheel->Facettes.Add(MakeFacette(0.2, 0.2, 0.05f));
			Wheel->Facettes.Add(MakeFacette(0.5, 0.5, 0.05f));
			Wheel->Facettes.Add(MakeFacette(0.8, 0.2, 0.05f));
			Wheel->Facettes.Add(MakeFacette(0.2, 0.8, 0.05f));
			Wheel->Facettes.Add(MakeFacette(0.8, 0.8, 0.05f));
		}

		void TearDown() override
		{
			StandIn::CloseAllAssetEditors();
		}

		/** Opens the editor as a double-click does and takes its canvas. */
		TSharedRef<SZORPrismWheelWidget> OpenCanvas()
		{
			const UAssetDefinition* Definition = StandIn::FindAssetDefinitionFor(UZORPrismWheel::StaticClass());
			check(Definition);
			TArray<UObject*> Assets;
			Assets.Add(Wheel);
			check(StandIn::OpenAssets(*Definition, Assets));
			TArray<FAssetEditorToolkit*> Editors = StandIn::FindAssetEditorsFor(Wheel);
			check(Editors.Num() == 1);
			TSharedPtr<SDockTab> Tab = StandIn::FindOpenTab(*Editors[0], TEXT("PrismWheelEditorTab"));
			check(Tab.IsValid());
			TSharedPtr<SZORPrismWheelWidget> Canvas = StandIn::FindFirstWidget<SZORPrismWheelWidget>(Tab.ToSharedRef());
			check(Canvas.IsValid());
			return Canvas.ToSharedRef();
		}

		FGeometry Geometry() const
		{
			return FGeometry::MakeRoot(FVector2D(600.0, 600.0), FSlateLayoutTransform());
		}

		FReply Press(const TSharedRef<SWidget>& Canvas, const FVector2D& At, bool bShift = false, bool bCtrl = false, const FKey& Button = EKeys::LeftMouseButton)
		{
			return StandIn::MouseDownAt(Canvas, Geometry(), At, Button, bShift, bCtrl);
		}

		FReply Release(const TSharedRef<SWidget>& Canvas, const FVector2D& At, bool bShift = false, bool bCtrl = false, const FKey& Button = EKeys::LeftMouseButton)
		{
			return StandIn::MouseUpAt(Canvas, Geometry(), At, Button, bShift, bCtrl);
		}

		bool Click(const TSharedRef<SWidget>& Canvas, const FVector2D& At, bool bShift = false, bool bCtrl = false)
		{
			const bool bDown = Press(Canvas, At, bShift, bCtrl).IsEventHandled();
			return Release(Canvas, At, bShift, bCtrl).IsEventHandled() && bDown;
		}

		/** Press, ten move steps along the line, release: what a user's drag gives. */
		void Drag(const TSharedRef<SWidget>& Canvas, const FVector2D& From, const FVector2D& To, bool bShift = false, bool bCtrl = false,
			const FKey& Button = EKeys::LeftMouseButton)
		{
			Press(Canvas, From, bShift, bCtrl, Button);
			for (int32 Step = 1; Step <= 10; ++Step)
			{
				StandIn::MouseMoveTo(Canvas, Geometry(), From + (To - From) * (double(Step) / 10.0), bShift, bCtrl);
			}
			Release(Canvas, To, bShift, bCtrl, Button);
		}

		static FVector2D CanvasPoint(double X, double Y)
		{
			return FVector2D(50.0 + 500.0 * X, 50.0 + 500.0 * Y);
		}

		TArray<int32> Selection() const
		{
			TArray<int32> Selected = Wheel->SelectedCircles.Array();
			Selected.Sort();
			return Selected;
		}

		StandIn::FEditorSession Session;
		UZORPrismWheel* Wheel = nullptr;
	};
}
