// Reading the whole patch list as the headless editor shows it with --show-tool: every row in view and
// seven cells per row. The work must grow with the number of rows, not with its square.

#include "CoreMinimal.h"
#include "GameFramework/Actor.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/ListDriver.h"
#include "UEtoGMA/SFixturePatchList.h"

#include <benchmark/benchmark.h>

namespace
{
	void BM_ReadEveryPatchRow(benchmark::State& State)
	{
		const int32 ItemCount = static_cast<int32>(State.range(0));
		StandIn::FEditorSession Session;
		Session.StartPlugin();
		UDMXEntityFixtureType* Type = Session.AddFixtureType(TEXT("Spot"), {TEXT("Standard"), TEXT("Extended")});
		for (int32 Index = 0; Index < ItemCount; ++Index)
		{
			AActor* Actor = Session.SpawnActor<AActor>(FString::Printf(TEXT("Fixture %d"), Index));
			Session.AddDMXComponent(Actor, Session.AddFixturePatch(Type, 1 + Index / 32, 1 + 16 * (Index % 32), Index % 2));
		}
		TSharedPtr<SFixturePatchList> Panel = SNew(SFixturePatchList);
		STableViewBase& List = *Panel->ListView;
		StandIn::SetListViewportRows(List, ItemCount);
		StandIn::TickSlate();
		const FName Columns[] = {SFixturePatchList::ColumnID_IsSelected, SFixturePatchList::ColumnID_ActorName, SFixturePatchList::ColumnID_Status,
			SFixturePatchList::ColumnID_FixtureID, SFixturePatchList::ColumnID_FixtureType, SFixturePatchList::ColumnID_Mode, SFixturePatchList::ColumnID_Patch};

		for (auto _ : State)
		{
			int64 Characters = 0;
			const int32 NumRows = StandIn::GetNumListRows(List);
			for (int32 Row = 0; Row < NumRows; ++Row)
			{
				for (const FName Column : Columns)
				{
					Characters += StandIn::GetListCellText(List, Row, Column).Len();
				}
			}
			benchmark::DoNotOptimize(Characters);
		}
		State.SetComplexityN(ItemCount);
		Panel.Reset();
	}
}

BENCHMARK(BM_ReadEveryPatchRow)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
