// The prism wheel editor's canvas at 10 to 5,000 facettes: one paint, one click, one rectangle selection
// (press, move, release) and one move step of a drag that moves every selected facette.

#include "CoreMinimal.h"
#include "InputCoreTypes.h"
#include "Layout/Geometry.h"
#include "PrismWheel/SZORPrismWheelWidget.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/SlateDriver.h"
#include "UObject/Package.h"
#include "ZORPrismWheel.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace
{
	const FVector2D CanvasSize(600.0, 600.0);

	/** Facettes on a square grid over the disc, small enough not to overlap. */
	UZORPrismWheel* MakeWheel(int32 FacetteCount)
	{
		UPackage* Package = CreatePackage(TEXT("/Game/PW_Bench"));
		UZORPrismWheel* Wheel = NewObject<UZORPrismWheel>(Package, TEXT("PW_Bench"), RF_Public | RF_Standalone | RF_Transactional);
		const int32 Side = (int32)std::ceil(std::sqrt((double)FacetteCount));
		for (int32 Index = 0; Index < FacetteCount; ++Index)
		{
			FPrismWheelFacette Facette;
			Facette.X = (0.5 + Index % Side) / Side;
			Facette.Y = (0.5 + Index / Side) / Side;
			Facette.Radius = 0.4f / Side;
			Wheel->Facettes.Add(Facette);
		}
		return Wheel;
	}

	FGeometry Geometry()
	{
		return FGeometry::MakeRoot(CanvasSize, FSlateLayoutTransform());
	}

	void SetCounters(benchmark::State& State)
	{
		State.counters["facettes"] = static_cast<double>(State.range(0));
		State.counters["per_facette_ns"] = benchmark::Counter(static_cast<double>(State.range(0)),
			benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
	}

	/** Where a facette's centre sits on the canvas: the 500-unit square at (50, 50), zoom 1, no pan. */
	FVector2D CanvasPoint(const FPrismWheelFacette& Facette)
	{
		return FVector2D(50.0 + 500.0 * Facette.X, 50.0 + 500.0 * Facette.Y);
	}

	/** A started plug-in and the canvas over a wheel of State.range(0) facettes, the first SelectedCount of them selected. */
	struct FCanvasBench
	{
		StandIn::FEditorSession Session;
		UZORPrismWheel* Wheel = nullptr;
		TSharedPtr<SZORPrismWheelWidget> Canvas;

		FCanvasBench(const benchmark::State& State, int32 SelectedCount)
		{
			Session.StartPlugin();
			Wheel = MakeWheel(static_cast<int32>(State.range(0)));
			for (int32 Index = 0; Index < SelectedCount; ++Index)
			{
				Wheel->SelectedCircles.Add(Index);
			}
			Canvas = SNew(SZORPrismWheelWidget).PrismWheel(Wheel);
		}
	};

	void BM_CanvasPaint(benchmark::State& State)
	{
		// Half of them selected, as after a rectangle over the top half.
		FCanvasBench Bench(State, static_cast<int32>(State.range(0)) / 2);
		const TSharedRef<SWidget> Canvas = Bench.Canvas.ToSharedRef();
		for (auto _ : State)
		{
			benchmark::DoNotOptimize(StandIn::PaintWidget(Canvas, CanvasSize).Num());
		}
		SetCounters(State);
	}

	void BM_CanvasClick(benchmark::State& State)
	{
		FCanvasBench Bench(State, 0);
		const TSharedRef<SWidget> Canvas = Bench.Canvas.ToSharedRef();
		// The last facette: the hit test walks every one before it.
		const FVector2D At = CanvasPoint(Bench.Wheel->Facettes.Last());
		for (auto _ : State)
		{
			StandIn::MouseDownAt(Canvas, Geometry(), At);
			StandIn::MouseUpAt(Canvas, Geometry(), At);
		}
		SetCounters(State);
	}

	void BM_CanvasRectangleSelection(benchmark::State& State)
	{
		FCanvasBench Bench(State, 0);
		const TSharedRef<SWidget> Canvas = Bench.Canvas.ToSharedRef();
		for (auto _ : State)
		{
			StandIn::MouseDownAt(Canvas, Geometry(), FVector2D(40.0, 40.0));
			StandIn::MouseMoveTo(Canvas, Geometry(), FVector2D(560.0, 300.0));
			StandIn::MouseUpAt(Canvas, Geometry(), FVector2D(560.0, 300.0));
		}
		benchmark::DoNotOptimize(Bench.Wheel->SelectedCircles.Num());
		SetCounters(State);
	}

	void BM_CanvasMoveStep(benchmark::State& State)
	{
		FCanvasBench Bench(State, static_cast<int32>(State.range(0)));
		const TSharedRef<SWidget> Canvas = Bench.Canvas.ToSharedRef();
		const FVector2D Start = CanvasPoint(Bench.Wheel->Facettes[0]);
		StandIn::MouseDownAt(Canvas, Geometry(), Start);
		// The first step starts the move (and its transaction); every iteration is one further step.
		StandIn::MouseMoveTo(Canvas, Geometry(), Start + FVector2D(5.0, 0.0));
		double Offset = 5.0;
		for (auto _ : State)
		{
			Offset = Offset > 5.5 ? 5.0 : 6.0;
			StandIn::MouseMoveTo(Canvas, Geometry(), Start + FVector2D(Offset, 0.0));
		}
		StandIn::MouseUpAt(Canvas, Geometry(), Start + FVector2D(Offset, 0.0));
		SetCounters(State);
	}
}

BENCHMARK(BM_CanvasPaint)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CanvasClick)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CanvasRectangleSelection)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CanvasMoveStep)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
