// The "UE to GMA Tool" at stage sizes from 10 to 50,000 patch items: the refresh (scan of the level,
// grouping, mode list), a sort by a header, and one tick of a row's check box (modes in use, renumbering
// and the rebuild of the rows in view), which has to fit in a frame.

#include "CoreMinimal.h"
#include "GameFramework/Actor.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/ListDriver.h"
#include "UEtoGMA/SFixtureModeList.h"
#include "UEtoGMA/SFixturePatchList.h"

#include <benchmark/benchmark.h>

namespace
{
	/** Four fixture types of two modes each; every 50th actor shares the patch address of the one before. */
	void PopulateStage(StandIn::FEditorSession& Session, int32 ItemCount)
	{
		TArray<UDMXEntityFixtureType*> Types;
		for (int32 TypeIndex = 0; TypeIndex < 4; ++TypeIndex)
		{
			Types.Add(Session.AddFixtureType(FString::Printf(TEXT("Type %d"), TypeIndex), {TEXT("Standard"), TEXT("Extended")}));
		}
		for (int32 Index = 0; Index < ItemCount; ++Index)
		{
			// Spread over universes in an order unlike the patch order, so the first sort has work to do.
			const int32 Address = (Index * 7919) % ItemCount;
			UDMXEntityFixtureType* Type = Types[Index % 4];
			AActor* Actor = Session.SpawnActor<AActor>(FString::Printf(TEXT("Fixture %d"), Index));
			Session.AddDMXComponent(Actor, Session.AddFixturePatch(Type, 1 + Address / 512, 1 + Address % 512, (Index / 4) % 2));
			if (Index % 50 == 49)
			{
				AActor* Twin = Session.SpawnActor<AActor>(FString::Printf(TEXT("Fixture %d twin"), Index));
				Session.AddDMXComponent(Twin, Session.AddFixturePatch(Type, 1 + Address / 512, 1 + Address % 512, 0));
			}
		}
	}

	struct FToolFixture
	{
		explicit FToolFixture(int32 ItemCount)
		{
			Session.StartPlugin();
			PopulateStage(Session, ItemCount);
			Panel = SNew(SFixturePatchList);
			StandIn::TickSlate();
		}

		~FToolFixture()
		{
			Panel.Reset();
		}

		StandIn::FEditorSession Session;
		TSharedPtr<SFixturePatchList> Panel;
	};

	void BM_Refresh(benchmark::State& State)
	{
		FToolFixture Tool(static_cast<int32>(State.range(0)));
		for (auto _ : State)
		{
			Tool.Panel->OnRefreshClicked();
			StandIn::TickSlate();
		}
		State.counters["items"] = static_cast<double>(Tool.Panel->Items.Num());
	}

	void BM_SortByHeader(benchmark::State& State)
	{
		FToolFixture Tool(static_cast<int32>(State.range(0)));
		const FName Columns[] = {SFixturePatchList::ColumnID_Patch, SFixturePatchList::ColumnID_ActorName, SFixturePatchList::ColumnID_FixtureType};
		int32 Click = 0;
		for (auto _ : State)
		{
			StandIn::ClickListColumnHeader(*Tool.Panel->ListView, Columns[Click++ % 3]);
			StandIn::TickSlate();
		}
		State.counters["items"] = static_cast<double>(Tool.Panel->Items.Num());
	}

	void BM_TickRowCheckBox(benchmark::State& State)
	{
		FToolFixture Tool(static_cast<int32>(State.range(0)));
		STableViewBase& View = *Tool.Panel->ListView;
		const int32 RowsBefore = StandIn::GetGeneratedRowCount();
		for (auto _ : State)
		{
			StandIn::ClickListCellCheckBox(View, 0, SFixturePatchList::ColumnID_IsSelected);
			StandIn::TickSlate();
		}
		State.counters["items"] = static_cast<double>(Tool.Panel->Items.Num());
		State.counters["rows_made_per_tick"] = static_cast<double>(StandIn::GetGeneratedRowCount() - RowsBefore) / static_cast<double>(State.iterations());
	}
}

BENCHMARK(BM_Refresh)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByHeader)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickRowCheckBox)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
