// The settings apply pass at stage sizes from 10 to 50,000 fixture actors: one settings change as the
// drop-down commits it (file write and apply pass), and the apply pass alone.

#include "CoreMinimal.h"
#include "StandInTesting/EditorSession.h"
#include "ZORFixtureActor.h"
#include "ZORFixtureActorStrip.h"
#include "ZORLightEditor.h"

#include <benchmark/benchmark.h>

namespace
{
	void PopulateStage(StandIn::FEditorSession& Session, int32 FixtureCount)
	{
		for (int32 Index = 0; Index < FixtureCount; ++Index)
		{
			const FTransform Transform(FRotator::ZeroRotator, FVector(100.0 * (Index % 100), 100.0 * (Index / 100), 500.0));
			if (Index % 4 == 3)
			{
				Session.SpawnActor<AZORFixtureActorStrip>(FString::Printf(TEXT("Strip %d"), Index), Transform);
			}
			else
			{
				Session.SpawnActor<AZORFixtureActor>(FString::Printf(TEXT("Spot %d"), Index), Transform);
			}
		}
	}

	void BM_ApplySettingsToFixtures(benchmark::State& State)
	{
		StandIn::FEditorSession Session;
		Session.StartPlugin();
		PopulateStage(Session, static_cast<int32>(State.range(0)));
		FZORLightEditorModule& Module = FZORLightEditorModule::Get();
		for (auto _ : State)
		{
			Module.ApplySettingsToFixtures();
		}
		State.counters["fixtures"] = static_cast<double>(State.range(0));
		State.counters["per_fixture_ns"] = benchmark::Counter(static_cast<double>(State.range(0)),
			benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
	}

	void BM_SettingChange(benchmark::State& State)
	{
		StandIn::FEditorSession Session;
		Session.StartPlugin();
		PopulateStage(Session, static_cast<int32>(State.range(0)));
		FZORLightEditorModule& Module = FZORLightEditorModule::Get();
		float WindSpeed = 0.0f;
		for (auto _ : State)
		{
			Module.SetWindSpeed(WindSpeed);
			WindSpeed += 0.1f;
		}
		State.counters["fixtures"] = static_cast<double>(State.range(0));
	}
}

BENCHMARK(BM_ApplySettingsToFixtures)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SettingChange)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
