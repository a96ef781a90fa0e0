#include "PrismWheelTestHelpers.h"

#include "Editor.h"
#include "StandIn/AssetRegistryHooks.h"
#include "StandInTesting/DrawElementsPicture.h"
#include "Styling/StyleDefaults.h"
#include "UObject/Package.h"

using namespace PrismWheelTest;

namespace
{
	const FSlateDrawElement* FindBoxWithResource(const TArray<FSlateDrawElement>& Elements, const TCHAR* MaterialName, int32 Nth = 0)
	{
		for (const FSlateDrawElement& Element : Elements)
		{
			const UObject* Resource = Element.Brush.GetResourceObject();
			if (Element.ElementType == FSlateDrawElement::ET_Box && Resource && Resource->GetName().Equals(MaterialName, ESearchCase::CaseSensitive) && Nth-- == 0)
			{
				return &Element;
			}
		}
		return nullptr;
	}

	TArray<const FSlateDrawElement*> ElementsOfType(const TArray<FSlateDrawElement>& Elements, FSlateDrawElement::EElementType Type)
	{
		TArray<const FSlateDrawElement*> Found;
		for (const FSlateDrawElement& Element : Elements)
		{
			if (Element.ElementType == Type)
			{
				Found.Add(&Element);
			}
		}
		return Found;
	}

	/** The facette boxes in paint order, with the material each is drawn with. */
	TArray<TPair<FString, FVector4f>> FacetteBoxes(const TArray<FSlateDrawElement>& Elements)
	{
		TArray<TPair<FString, FVector4f>> Boxes;
		for (const FSlateDrawElement& Element : Elements)
		{
			const UObject* Resource = Element.Brush.GetResourceObject();
			if (Element.ElementType == FSlateDrawElement::ET_Box && Resource && Resource->GetName() != TEXT("MI_BGCircle"))
			{
				const FPaintGeometry& Paint = Element.PaintGeometry;
				Boxes.Add(TPair<FString, FVector4f>(Resource->GetName(), FVector4f(Paint.DrawPosition.X, Paint.DrawPosition.Y, Paint.DrawSize.X, Paint.DrawSize.Y)));
			}
		}
		return Boxes;
	}
}

TEST_F(CanvasTest, PaintsTheDiscCrossHairFacettesAndHelpOnTheirLayers)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	Wheel->SelectedCircles.Add(1);

	const TArray<FSlateDrawElement> Elements = StandIn::PaintWidget(Canvas, FVector2D(600.0, 600.0), 10);

	const FSlateDrawElement* Disc = FindBoxWithResource(Elements, TEXT("MI_BGCircle"));
	ASSERT_NE(Disc, nullptr);
	EXPECT_EQ(Disc->Layer, 10);
	EXPECT_FLOAT_EQ(Disc->PaintGeometry.DrawPosition.X, 50.f);
	EXPECT_FLOAT_EQ(Disc->PaintGeometry.DrawPosition.Y, 50.f);
	EXPECT_FLOAT_EQ(Disc->PaintGeometry.DrawSize.X, 500.f);
	EXPECT_FLOAT_EQ(Disc->PaintGeometry.DrawSize.Y, 500.f);

	const TArray<const FSlateDrawElement*> Lines = ElementsOfType(Elements, FSlateDrawElement::ET_Line);
	ASSERT_EQ(Lines.Num(), 2);
	EXPECT_EQ(Lines[0]->Layer, 11);
	EXPECT_EQ(Lines[0]->Points[0], FVector2f(50.f, 300.f));
	EXPECT_EQ(Lines[0]->Points[1], FVector2f(550.f, 300.f));
	EXPECT_EQ(Lines[1]->Points[0], FVector2f(300.f, 50.f));
	EXPECT_EQ(Lines[1]->Points[1], FVector2f(300.f, 550.f));
	EXPECT_FLOAT_EQ(Lines[0]->Tint.A, 0.2f);
	EXPECT_FLOAT_EQ(Lines[0]->Thickness, 1.0f);

	// Facette i is a box around its centre, 2r wide, the selected one with the selected brush.
	const TArray<TPair<FString, FVector4f>> Boxes = FacetteBoxes(Elements);
	ASSERT_EQ(Boxes.Num(), 5);
	EXPECT_EQ(Utf8(Boxes[0].Key), "MI_Circle");
	EXPECT_EQ(Utf8(Boxes[1].Key), "MI_CircleSelected");
	EXPECT_EQ(Utf8(Boxes[4].Key), "MI_Circle");
	EXPECT_FLOAT_EQ(Boxes[0].Value.X, 125.f);
	EXPECT_FLOAT_EQ(Boxes[0].Value.Y, 125.f);
	EXPECT_FLOAT_EQ(Boxes[0].Value.Z, 50.f);
	EXPECT_FLOAT_EQ(Boxes[1].Value.X, 275.f);

	const TArray<const FSlateDrawElement*> Texts = ElementsOfType(Elements, FSlateDrawElement::ET_Text);
	ASSERT_EQ(Texts.Num(), 1);
	EXPECT_EQ(Texts[0]->Layer, 10);
	EXPECT_EQ(Utf8(Texts[0]->Text),
		"Controls Guide:\nLeft Click: Drag to select\nRight Click: Drag to move the canvas\nMouse Wheel: Zoom in/out\nShift + Drag Box: Add to selection\nCtrl + Drag Box: Deselect");
	EXPECT_FLOAT_EQ(Texts[0]->PaintGeometry.DrawPosition.X, 20.f);
	EXPECT_FLOAT_EQ(Texts[0]->PaintGeometry.DrawPosition.Y, 10.f);

	// "NormalText" is a text block style, not a font: the style set warns once and hands out its default font.
	EXPECT_TRUE(Texts[0]->Font.IsIdenticalTo(FStyleDefaults::GetFontInfo()));
	StandIn::PaintWidget(Canvas, FVector2D(600.0, 600.0), 10);
	int32 Warnings = 0;
	for (const StandIn::FLogLine& Line : Session.GetLogLines())
	{
		if (Line.Verbosity == ELogVerbosity::Warning && Line.Message.Equals(TEXT("Unable to find font property 'NormalText' in style."), ESearchCase::CaseSensitive))
		{
			++Warnings;
		}
	}
	EXPECT_EQ(Warnings, 1);
}

TEST_F(CanvasTest, ARectangleBeingDraggedLiesUnderTheFacettesAndLiftsTheHelpText)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	Press(Canvas, FVector2D(20.0, 20.0));
	StandIn::MouseMoveTo(Canvas, Geometry(), FVector2D(320.0, 200.0));

	FSlateWindowElementList List;
	FHittestGrid Grid;
	const int32 Returned = Canvas->Paint(FPaintArgs(nullptr, Grid, FVector2f(0.f, 0.f), 0.0, 0.f), Geometry(), FSlateRect(0.f, 0.f, 600.f, 600.f), List, 3,
		FWidgetStyle(), true);
	EXPECT_EQ(Returned, 5);

	const TArray<FSlateDrawElement>& Elements = List.GetRecordedElements();
	const FSlateDrawElement* Rectangle = nullptr;
	for (const FSlateDrawElement& Element : Elements)
	{
		if (Element.ElementType == FSlateDrawElement::ET_Box && !Element.Brush.GetResourceObject())
		{
			Rectangle = &Element;
		}
	}
	ASSERT_NE(Rectangle, nullptr);
	EXPECT_EQ(Rectangle->Layer, 3);
	EXPECT_FLOAT_EQ(Rectangle->PaintGeometry.DrawPosition.X, 20.f);
	EXPECT_FLOAT_EQ(Rectangle->PaintGeometry.DrawSize.X, 300.f);
	EXPECT_FLOAT_EQ(Rectangle->PaintGeometry.DrawSize.Y, 180.f);
	EXPECT_EQ(Rectangle->Tint, FLinearColor(0.0f, 0.5f, 1.0f, 0.3f));
	EXPECT_EQ(ElementsOfType(Elements, FSlateDrawElement::ET_Text)[0]->Layer, 4);

	Release(Canvas, FVector2D(320.0, 200.0));
	EXPECT_EQ(StandIn::PaintWidget(Canvas, FVector2D(600.0, 600.0), 3).Num(), 1 + 2 + 5 + 1);
	// The rectangle took facette 0 only (its circle reaches from 125 to 175).
	EXPECT_EQ(Selection(), TArray<int32>({ 0 }));
}

TEST_F(CanvasTest, ClicksSelectAsShiftAndCtrlSay)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();

	EXPECT_TRUE(Click(Canvas, CanvasPoint(0.2, 0.2)));
	EXPECT_EQ(Selection(), TArray<int32>({ 0 }));
	Click(Canvas, CanvasPoint(0.5, 0.5));
	EXPECT_EQ(Selection(), TArray<int32>({ 1 }));
	Click(Canvas, CanvasPoint(0.8, 0.2), true);
	EXPECT_EQ(Selection(), TArray<int32>({ 1, 2 }));
	// Ctrl removes, with or without Shift; on a facette that is not selected it changes nothing.
	Click(Canvas, CanvasPoint(0.5, 0.5), true, true);
	EXPECT_EQ(Selection(), TArray<int32>({ 2 }));
	Click(Canvas, CanvasPoint(0.2, 0.8), false, true);
	EXPECT_EQ(Selection(), TArray<int32>({ 2 }));
	// Shift on empty canvas keeps the selection; a plain or Ctrl click there empties it.
	Click(Canvas, CanvasPoint(0.35, 0.65), true);
	EXPECT_EQ(Selection(), TArray<int32>({ 2 }));
	Click(Canvas, CanvasPoint(0.35, 0.65), false, true);
	EXPECT_TRUE(Selection().IsEmpty());
	Click(Canvas, CanvasPoint(0.8, 0.8));
	Click(Canvas, CanvasPoint(0.35, 0.65));
	EXPECT_TRUE(Selection().IsEmpty());

	// Overlapping facettes: the lowest index wins; a move of 2 units is still a click.
	Wheel->Facettes[3] = MakeFacette(0.5, 0.52, 0.05f);
	Press(Canvas, CanvasPoint(0.5, 0.51));
	StandIn::MouseMoveTo(Canvas, Geometry(), CanvasPoint(0.5, 0.51) + FVector2D(2.0, 0.0));
	Release(Canvas, CanvasPoint(0.5, 0.51) + FVector2D(2.0, 0.0));
	EXPECT_EQ(Selection(), TArray<int32>({ 1 }));
	// Selection alone is no edit: nothing to undo, the package stays clean.
	EXPECT_TRUE(Session.GetUndoTitles().IsEmpty());
	EXPECT_FALSE(Wheel->GetOutermost()->IsDirty());
}

TEST_F(CanvasTest, RectanglesReplaceAddAndRemove)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	Wheel->SelectedCircles.Add(4);

	// Top row, from empty canvas: replaces the selection.
	Drag(Canvas, FVector2D(60.0, 60.0), FVector2D(540.0, 200.0));
	EXPECT_EQ(Selection(), TArray<int32>({ 0, 2 }));
	// Shift adds the middle one: the rectangle reaches into its circle, not to its centre.
	Drag(Canvas, FVector2D(200.0, 200.0), FVector2D(290.0, 290.0), true);
	EXPECT_EQ(Selection(), TArray<int32>({ 0, 1, 2 }));
	// Ctrl alone removes what the rectangle covers and keeps the rest.
	Drag(Canvas, FVector2D(60.0, 60.0), FVector2D(200.0, 200.0), false, true);
	EXPECT_EQ(Selection(), TArray<int32>({ 1, 2 }));
	// With Shift, a press on a selected facette draws a rectangle too: it moves nothing.
	Drag(Canvas, CanvasPoint(0.5, 0.5), FVector2D(560.0, 560.0), true);
	EXPECT_EQ(Selection(), TArray<int32>({ 1, 2, 4 }));
	EXPECT_EQ(Wheel->Facettes[1].X, 0.5);
	Wheel->SelectedCircles.Add(0);
	// Ctrl with Shift removes what the rectangle covers.
	Drag(Canvas, FVector2D(60.0, 60.0), FVector2D(300.0, 300.0), true, true);
	EXPECT_EQ(Selection(), TArray<int32>({ 2, 4 }));
	// Pressing on a facette that is not selected and dragging draws a rectangle, it moves nothing.
	Drag(Canvas, CanvasPoint(0.2, 0.8), FVector2D(560.0, 560.0));
	EXPECT_EQ(Selection(), TArray<int32>({ 3, 4 }));
	EXPECT_EQ(Wheel->Facettes[3].X, 0.2);
	EXPECT_TRUE(Session.GetUndoTitles().IsEmpty());

	// A rectangle whose edge touches a circle takes it; a twentieth of a unit further off it does not.
	Drag(Canvas, FVector2D(325.0, 280.0), FVector2D(400.0, 320.0));
	EXPECT_EQ(Selection(), TArray<int32>({ 1 }));
	Drag(Canvas, FVector2D(325.05, 280.0), FVector2D(400.0, 320.0));
	EXPECT_TRUE(Selection().IsEmpty());
}

TEST_F(CanvasTest, AClickSelectsUpToTheFacettesEdgeOnAWideCanvas)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	// 700 x 600: the square at (100, 50), facette 2 centred at (500, 150) with radius 25.
	const FGeometry Wide = FGeometry::MakeRoot(FVector2D(700.0, 600.0), FSlateLayoutTransform());
	const auto ClickAt = [&](const FVector2D& At)
	{
		StandIn::MouseDownAt(Canvas, Wide, At);
		StandIn::MouseUpAt(Canvas, Wide, At);
	};
	const FVector2D OnEdge(500.0 - 15.0, 150.0 + 20.0);
	ClickAt(OnEdge + FVector2D(0.0, 0.05));
	EXPECT_TRUE(Selection().IsEmpty());
	ClickAt(OnEdge);
	EXPECT_EQ(Selection(), TArray<int32>({ 2 }));

	// A press on the edge of a selected facette grabs it: a move of more than 2 units drags it along.
	StandIn::MouseDownAt(Canvas, Wide, OnEdge);
	StandIn::MouseMoveTo(Canvas, Wide, OnEdge + FVector2D(2.5, 0.0));
	StandIn::MouseUpAt(Canvas, Wide, OnEdge + FVector2D(2.5, 0.0));
	EXPECT_NEAR(Wheel->Facettes[2].X, 0.805, 1e-12);
	EXPECT_EQ(Wheel->Facettes[2].Y, 0.2);
	EXPECT_EQ(Selection(), TArray<int32>({ 2 }));
}

TEST_F(CanvasTest, DraggingTheSelectionIsOneUndoableMove)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	Wheel->SelectedCircles.Add(0);
	Wheel->SelectedCircles.Add(2);
	const FWheelState Before = FWheelState::Of(Wheel);
	UE::StandIn::ClearAssetCreatedNotifications();

	Drag(Canvas, CanvasPoint(0.2, 0.2), CanvasPoint(0.2, 0.2) + FVector2D(50.0, -25.0));

	EXPECT_NEAR(Wheel->Facettes[0].X, 0.3, 1e-12);
	EXPECT_NEAR(Wheel->Facettes[0].Y, 0.15, 1e-12);
	EXPECT_NEAR(Wheel->Facettes[2].X, 0.9, 1e-12);
	EXPECT_NEAR(Wheel->Facettes[2].Y, 0.15, 1e-12);
	EXPECT_EQ(Wheel->Facettes[1].X, 0.5);
	ASSERT_EQ(Session.GetUndoTitles().Num(), 1);
	EXPECT_EQ(Utf8(Session.GetUndoTitles()[0]), "Move Facettes");
	EXPECT_TRUE(Wheel->GetOutermost()->IsDirty());
	// Every move step tells the asset registry.
	EXPECT_EQ(UE::StandIn::GetAssetCreatedCount(Wheel), 10);
	const FWheelState Moved = FWheelState::Of(Wheel);

	ASSERT_TRUE(Session.Undo());
	EXPECT_EQ(FWheelState::Of(Wheel), Before);
	ASSERT_TRUE(Session.Redo());
	EXPECT_EQ(FWheelState::Of(Wheel), Moved);

	// A second drag is a second step.
	Drag(Canvas, CanvasPoint(0.3, 0.15), CanvasPoint(0.3, 0.15) + FVector2D(0.0, 100.0));
	EXPECT_EQ(Session.GetUndoTitles().Num(), 2);
	ASSERT_TRUE(Session.Undo());
	EXPECT_EQ(FWheelState::Of(Wheel), Moved);
}

TEST_F(CanvasTest, TheMoveFollowsTheZoomAndTellsItsDelegate)
{
	UZORPrismWheel* Told = nullptr;
	int32 Calls = 0;
	const TSharedRef<SZORPrismWheelWidget> Canvas = SNew(SZORPrismWheelWidget)
		.PrismWheel(Wheel)
		.OnFacettesChanged(FOnFacettesChanged::CreateLambda([&](UZORPrismWheel* InWheel)
		{
			Told = InWheel;
			++Calls;
		}));
	// Two notches about the canvas centre: zoom 1.2, the square 600 wide around (300, 300).
	EXPECT_TRUE(StandIn::MouseWheelAt(Canvas, Geometry(), FVector2D(300.0, 300.0), 2.0f).IsEventHandled());
	EXPECT_FLOAT_EQ(Canvas->GetZoom(), 1.2f);
	Wheel->SelectedCircles.Add(1);
	Drag(Canvas, FVector2D(300.0, 300.0), FVector2D(360.0, 300.0));
	EXPECT_NEAR(Wheel->Facettes[1].X, 0.5 + 60.0 / (double(1.2f) * 500.0), 1e-9);
	EXPECT_EQ(Told, Wheel);
	EXPECT_EQ(Calls, 10);

	// Escape in the middle of a move leaves nothing to move: later steps are not handled and tell nobody.
	Press(Canvas, FVector2D(360.0, 300.0));
	EXPECT_TRUE(StandIn::MouseMoveTo(Canvas, Geometry(), FVector2D(380.0, 300.0)).IsEventHandled());
	EXPECT_TRUE(StandIn::KeyDownOn(Canvas, EKeys::Escape).IsEventHandled());
	EXPECT_FALSE(StandIn::MouseMoveTo(Canvas, Geometry(), FVector2D(400.0, 300.0)).IsEventHandled());
	Release(Canvas, FVector2D(400.0, 300.0));
	EXPECT_EQ(Calls, 11);
}

TEST_F(CanvasTest, TheRightButtonPansByTheCursorOverTheZoom)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	Drag(Canvas, FVector2D(100.0, 100.0), FVector2D(140.0, 70.0), false, false, EKeys::RightMouseButton);
	EXPECT_EQ(Canvas->GetPanOffset(), FVector2D(40.0, -30.0));
	EXPECT_FALSE(Canvas->HasMouseCapture());

	for (int32 Notch = 0; Notch < 10; ++Notch)
	{
		StandIn::MouseWheelAt(Canvas, Geometry(), FVector2D(300.0, 300.0) + Canvas->GetPanOffset(), 1.0f);
	}
	ASSERT_FLOAT_EQ(Canvas->GetZoom(), 2.0f);
	const FVector2D PanAtZoom2 = Canvas->GetPanOffset();
	Drag(Canvas, FVector2D(100.0, 100.0), FVector2D(140.0, 100.0), false, false, EKeys::RightMouseButton);
	EXPECT_NEAR(Canvas->GetPanOffset().X - PanAtZoom2.X, 20.0, 1e-4);

	// The disc is painted where the pan puts it.
	const TArray<FSlateDrawElement> Elements = StandIn::PaintWidget(Canvas, FVector2D(600.0, 600.0));
	const FSlateDrawElement* Disc = FindBoxWithResource(Elements, TEXT("MI_BGCircle"));
	ASSERT_NE(Disc, nullptr);
	EXPECT_NEAR(Disc->PaintGeometry.DrawPosition.X, 300.0 - 500.0 + Canvas->GetPanOffset().X, 1e-3);
	EXPECT_TRUE(Session.GetUndoTitles().IsEmpty());
}

TEST_F(CanvasTest, TheWheelZoomsAboutTheCursorWithinItsBounds)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	// Zooming with the cursor on facette 2 keeps it under the cursor.
	const FVector2D Cursor = CanvasPoint(0.8, 0.2);
	for (int32 Notch = 0; Notch < 40; ++Notch)
	{
		EXPECT_TRUE(StandIn::MouseWheelAt(Canvas, Geometry(), Cursor, 1.0f).IsEventHandled());
	}
	EXPECT_EQ(Canvas->GetZoom(), 4.0f);
	const TArray<TPair<FString, FVector4f>> Boxes = FacetteBoxes(StandIn::PaintWidget(Canvas, FVector2D(600.0, 600.0)));
	EXPECT_NEAR(Boxes[2].Value.X + Boxes[2].Value.Z * 0.5f, Cursor.X, 1e-2);
	EXPECT_NEAR(Boxes[2].Value.Y + Boxes[2].Value.W * 0.5f, Cursor.Y, 1e-2);
	EXPECT_FLOAT_EQ(Boxes[2].Value.Z, 2.f * 0.05f * 2000.f);

	// At the upper bound a further notch changes nothing and is still handled.
	const FVector2D Pan = Canvas->GetPanOffset();
	EXPECT_TRUE(StandIn::MouseWheelAt(Canvas, Geometry(), FVector2D(10.0, 10.0), 1.0f).IsEventHandled());
	EXPECT_EQ(Canvas->GetZoom(), 4.0f);
	EXPECT_EQ(Canvas->GetPanOffset(), Pan);

	for (int32 Notch = 0; Notch < 50; ++Notch)
	{
		StandIn::MouseWheelAt(Canvas, Geometry(), Cursor, -1.0f);
	}
	EXPECT_EQ(Canvas->GetZoom(), 0.5f);
}

TEST_F(CanvasTest, DeleteNeedsFocusAndASelectionAndIsOneUndoableStep)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	Wheel->SelectedCircles.Add(1);
	Wheel->SelectedCircles.Add(3);
	const FWheelState Before = FWheelState::Of(Wheel);

	// Without keyboard focus the key goes elsewhere.
	EXPECT_FALSE(StandIn::KeyDownOn(Canvas, EKeys::Delete).IsEventHandled());
	EXPECT_EQ(FWheelState::Of(Wheel), Before);

	// A press on the canvas gives it focus (Shift keeps the selection).
	Click(Canvas, FVector2D(5.0, 5.0), true);
	ASSERT_TRUE(Canvas->HasKeyboardFocus());
	EXPECT_TRUE(StandIn::KeyDownOn(Canvas, EKeys::Delete).IsEventHandled());

	ASSERT_EQ(Wheel->Facettes.Num(), 3);
	EXPECT_EQ(Wheel->Facettes[0].X, 0.2);
	EXPECT_EQ(Wheel->Facettes[1].X, 0.8);
	EXPECT_EQ(Wheel->Facettes[1].Y, 0.2);
	EXPECT_EQ(Wheel->Facettes[2].X, 0.8);
	EXPECT_EQ(Wheel->Facettes[2].Y, 0.8);
	EXPECT_TRUE(Selection().IsEmpty());
	ASSERT_EQ(Session.GetUndoTitles().Num(), 1);
	EXPECT_EQ(Utf8(Session.GetUndoTitles()[0]), "Delete");
	EXPECT_TRUE(Session.HasLogLine(TEXT("Remove Sel Circles"), ELogVerbosity::Warning));
	EXPECT_TRUE(Wheel->GetOutermost()->IsDirty());
	const FWheelState Deleted = FWheelState::Of(Wheel);

	// Nothing selected: BackSpace is not handled and opens no transaction.
	EXPECT_FALSE(StandIn::KeyDownOn(Canvas, EKeys::BackSpace).IsEventHandled());
	EXPECT_EQ(Session.GetUndoTitles().Num(), 1);

	ASSERT_TRUE(Session.Undo());
	EXPECT_EQ(FWheelState::Of(Wheel), Before);
	ASSERT_TRUE(Session.Redo());
	EXPECT_EQ(FWheelState::Of(Wheel), Deleted);

	Wheel->SelectedCircles.Add(0);
	EXPECT_TRUE(StandIn::KeyDownOn(Canvas, EKeys::BackSpace).IsEventHandled());
	EXPECT_EQ(Wheel->Facettes.Num(), 2);
}

TEST_F(CanvasTest, EscapeClearsTheSelectionWithoutAnUndoStep)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	EXPECT_FALSE(StandIn::KeyDownOn(Canvas, EKeys::Escape).IsEventHandled());
	Wheel->SelectedCircles.Add(2);
	EXPECT_TRUE(StandIn::KeyDownOn(Canvas, EKeys::Escape).IsEventHandled());
	EXPECT_TRUE(Selection().IsEmpty());
	EXPECT_TRUE(Session.HasLogLine(TEXT("Remove Sel"), ELogVerbosity::Warning));
	EXPECT_TRUE(Session.GetUndoTitles().IsEmpty());
	EXPECT_FALSE(Wheel->GetOutermost()->IsDirty());
	EXPECT_FALSE(StandIn::KeyDownOn(Canvas, EKeys::Enter).IsEventHandled());
}

TEST_F(CanvasTest, EventsUnderAScaledAndOffsetGeometryUseLocalUnits)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	// The canvas at (100, 40) in the window, drawn at twice its size (DPI scale 2).
	const FGeometry Scaled = FGeometry::MakeRoot(FVector2D(600.0, 600.0), FSlateLayoutTransform(2.0f, FVector2f(100.f, 40.f)));
	StandIn::MouseDownAt(Canvas, Scaled, CanvasPoint(0.8, 0.8));
	StandIn::MouseUpAt(Canvas, Scaled, CanvasPoint(0.8, 0.8));
	EXPECT_EQ(Selection(), TArray<int32>({ 4 }));
}

TEST_F(CanvasTest, AStaleSelectedIndexIsSkippedEverywhere)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	Wheel->SelectedCircles.Add(1);
	Wheel->SelectedCircles.Add(7);
	Wheel->SelectedCircles.Add(-2);

	EXPECT_EQ(FacetteBoxes(StandIn::PaintWidget(Canvas, FVector2D(600.0, 600.0))).Num(), 5);
	Drag(Canvas, CanvasPoint(0.5, 0.5), CanvasPoint(0.5, 0.5) + FVector2D(25.0, 0.0));
	EXPECT_NEAR(Wheel->Facettes[1].X, 0.55, 1e-12);
	EXPECT_EQ(Wheel->Facettes.Num(), 5);

	Click(Canvas, FVector2D(5.0, 5.0), true);
	Wheel->SelectedCircles.Add(7);
	Wheel->SelectedCircles.Add(5);
	EXPECT_TRUE(StandIn::KeyDownOn(Canvas, EKeys::Delete).IsEventHandled());
	EXPECT_EQ(Wheel->Facettes.Num(), 4);
	EXPECT_TRUE(Selection().IsEmpty());
}

TEST_F(CanvasTest, WithoutAPrismWheelOnlyTheEmptyDiscShows)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = SNew(SZORPrismWheelWidget);
	const TArray<FSlateDrawElement> Elements = StandIn::PaintWidget(Canvas, FVector2D(600.0, 600.0));
	EXPECT_NE(FindBoxWithResource(Elements, TEXT("MI_BGCircle")), nullptr);
	EXPECT_EQ(ElementsOfType(Elements, FSlateDrawElement::ET_Line).Num(), 2);
	EXPECT_TRUE(FacetteBoxes(Elements).IsEmpty());

	EXPECT_FALSE(Press(Canvas, FVector2D(300.0, 300.0)).IsEventHandled());
	EXPECT_FALSE(StandIn::MouseMoveTo(Canvas, Geometry(), FVector2D(340.0, 300.0)).IsEventHandled());
	EXPECT_FALSE(Release(Canvas, FVector2D(340.0, 300.0)).IsEventHandled());
	EXPECT_FALSE(Press(Canvas, FVector2D(300.0, 300.0), false, false, EKeys::RightMouseButton).IsEventHandled());
	EXPECT_FALSE(StandIn::MouseWheelAt(Canvas, Geometry(), FVector2D(300.0, 300.0), 1.0f).IsEventHandled());
	EXPECT_FALSE(StandIn::KeyDownOn(Canvas, EKeys::Delete).IsEventHandled());
	EXPECT_FALSE(StandIn::KeyDownOn(Canvas, EKeys::Escape).IsEventHandled());
	EXPECT_EQ(Canvas->GetZoom(), 1.0f);
	EXPECT_EQ(Canvas->ComputeDesiredSize(2.0f), FVector2D(200.0, 200.0));
}

TEST_F(CanvasTest, ThePictureOfTheCanvasShowsDiscFacettesSelectionAndRectangle)
{
	const TSharedRef<SZORPrismWheelWidget> Canvas = OpenCanvas();
	Wheel->SelectedCircles.Add(1);
	// A rectangle being dragged over the lower right, from empty canvas.
	Press(Canvas, FVector2D(420.0, 470.0));
	StandIn::MouseMoveTo(Canvas, Geometry(), FVector2D(520.0, 520.0));

	const FString Path = Session.GetProjectDir() / TEXT("Canvas.png");
	FString Error;
	ASSERT_TRUE(StandIn::WriteDrawElementsPicture(StandIn::PaintWidget(Canvas, FVector2D(600.0, 600.0)), 600, 600, Path, &Error)) << Utf8(Error);
	EXPECT_EQ(StandIn::ReadPictureSize(Path), FIntPoint(600, 600));

	const auto Pixel = [&Path](int32 X, int32 Y)
	{
		return StandIn::ReadPicturePixel(Path, X, Y).Get(FLinearColor(-1.f, -1.f, -1.f, -1.f));
	};
	// Outside the disc: the background; inside it: the dark disc.
	const FLinearColor Outside = Pixel(10, 590);
	const FLinearColor Disc = Pixel(100, 250);
	EXPECT_LT(Outside.R, 0.05f);
	EXPECT_GT(Disc.B, Outside.B + 0.05f);
	// The selected facette is filled (orange), an unselected one is dark inside a white ring.
	const FLinearColor Selected = Pixel(300, 300);
	EXPECT_GT(Selected.R, 0.8f);
	EXPECT_LT(Selected.B, 0.5f);
	const FLinearColor Unselected = Pixel(150, 150);
	EXPECT_LT(Unselected.R, 0.4f);
	const FLinearColor Ring = Pixel(150, 126);
	EXPECT_GT(Ring.R, 0.8f);
	EXPECT_GT(Ring.B, 0.8f);
	// The rectangle tints the disc blue; the cross-hair is a faint light line.
	const FLinearColor Tinted = Pixel(470, 500);
	EXPECT_GT(Tinted.B, Disc.B + 0.1f);
	EXPECT_GT(Pixel(100, 300).R, Disc.R + 0.03f);
	EXPECT_GT(Pixel(300, 100).R, Disc.R + 0.03f);
	Release(Canvas, FVector2D(520.0, 520.0));
}
