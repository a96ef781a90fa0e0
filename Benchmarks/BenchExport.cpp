// The grandMA2 export at stage sizes from 10 to 50,000 fixtures: building the file texts, and building
// and writing them as the Export button does, beside a plain write of the same bytes. The ratio
// export / plain write says what the export costs beyond the disk.

#include "CoreMinimal.h"
#include "Game/DMXComponent.h"
#include "GameFramework/Actor.h"
#include "HAL/FileManager.h"
#include "Library/DMXEntityFixturePatch.h"
#include "Library/DMXEntityFixtureType.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "StandInTesting/DialogDriver.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/SlateDriver.h"
#include "UEtoGMA/SFixturePatchList.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
	/** Four fixture types with two modes each; every fixture on its own address, placed on a grid. */
	void PopulateStage(StandIn::FEditorSession& Session, int32 FixtureCount)
	{
		TArray<UDMXEntityFixtureType*> Types;
		for (const TCHAR* Name : {TEXT("Spot 575"), TEXT("Wash & Beam"), TEXT("LED Bar"), TEXT("Strobe")})
		{
			Types.Add(Session.AddFixtureType(Name, {TEXT("Standard"), TEXT("Extended")}));
		}
		for (int32 Index = 0; Index < FixtureCount; ++Index)
		{
			const FTransform Transform(FRotator(0.0, 15.0 * (Index % 24), 0.0), FVector(100.0 * (Index % 100), 100.0 * (Index / 100), 500.0));
			AActor* Actor = Session.SpawnActor(AActor::StaticClass(), FString::Printf(TEXT("Fixture %d"), Index), Transform);
			UDMXEntityFixturePatch* Patch = Session.AddFixturePatch(Types[Index % 4], 1 + Index / 32, 1 + (Index % 32) * 16, (Index / 4) % 2);
			Session.AddDMXComponent(Actor, Patch);
		}
	}

	FString MakeExportFolder(const StandIn::FEditorSession& Session, const TCHAR* Name)
	{
		return FPaths::Combine(Session.GetProjectDir(), TEXT("Bench"), Name);
	}

	/** The files an export wrote, as bytes. */
	std::vector<std::pair<std::string, std::string>> ReadExportedFiles(const FString& Folder)
	{
		std::vector<std::pair<std::string, std::string>> Files;
		TArray<FString> Found;
		IFileManager::Get().FindFilesRecursive(Found, *Folder, TEXT("*.xml"), true, false);
		for (const FString& Path : Found)
		{
			TArray<uint8> Bytes;
			FFileHelper::LoadFileToArray(Bytes, *Path);
			Files.emplace_back(std::string(TCHAR_TO_UTF8(*FPaths::GetCleanFilename(Path))), std::string(reinterpret_cast<const char*>(Bytes.GetData()), Bytes.Num()));
		}
		return Files;
	}

	/** Writes the bytes with the C library, one file each, into a folder that exists. */
	void PlainWrite(const std::string& Folder, const std::vector<std::pair<std::string, std::string>>& Files)
	{
		for (const auto& File : Files)
		{
			FILE* Handle = std::fopen((Folder + "/" + File.first).c_str(), "wb");
			if (Handle)
			{
				std::fwrite(File.second.data(), 1, File.second.size(), Handle);
				std::fclose(Handle);
			}
		}
	}


	void BM_BuildMAFiles(benchmark::State& State)
	{
		StandIn::FEditorSession Session;
		Session.StartPlugin();
		PopulateStage(Session, static_cast<int32>(State.range(0)));
		TSharedRef<SFixturePatchList> Panel = SNew(SFixturePatchList);
		int64 Bytes = 0;
		for (auto _ : State)
		{
			const TArray<FString> Files = Panel->BuildMAFiles();
			Bytes = 0;
			for (const FString& File : Files)
			{
				Bytes += File.Len();
			}
			benchmark::DoNotOptimize(Files.Num());
		}
		State.counters["fixtures"] = static_cast<double>(State.range(0));
		State.counters["chars"] = static_cast<double>(Bytes);
	}

	void BM_ExportToDisk(benchmark::State& State)
	{
		StandIn::FEditorSession Session;
		Session.StartPlugin();
		PopulateStage(Session, static_cast<int32>(State.range(0)));
		TSharedRef<SFixturePatchList> Panel = SNew(SFixturePatchList);
		const FString Folder = MakeExportFolder(Session, TEXT("Export"));
		const auto ExportStart = std::chrono::steady_clock::now();
		for (auto _ : State)
		{
			StandIn::AnswerNextFolderDialog(Folder);
			Panel->OnExportClicked();
		}
		const double ExportSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - ExportStart).count() / static_cast<double>(State.iterations());

		// The same bytes written plainly, timed the same number of times.
		const std::vector<std::pair<std::string, std::string>> Files = ReadExportedFiles(Folder);
		const FString PlainFolder = MakeExportFolder(Session, TEXT("Plain"));
		IFileManager::Get().MakeDirectory(*PlainFolder, true);
		const std::string PlainFolderUtf8 = TCHAR_TO_UTF8(*PlainFolder);
		const int64 Rounds = State.iterations() > 3 ? static_cast<int64>(State.iterations()) : 3;
		const auto Start = std::chrono::steady_clock::now();
		for (int64 Round = 0; Round < Rounds; ++Round)
		{
			PlainWrite(PlainFolderUtf8, Files);
		}
		const double PlainSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count() / static_cast<double>(Rounds);
		int64 Bytes = 0;
		for (const auto& File : Files)
		{
			Bytes += static_cast<int64>(File.second.size());
		}
		State.counters["fixtures"] = static_cast<double>(State.range(0));
		State.counters["files"] = static_cast<double>(Files.size());
		State.counters["bytes"] = static_cast<double>(Bytes);
		State.counters["plain_write_us"] = PlainSeconds * 1e6;
		// Time of one export (build and write) over the time of a plain write of the same bytes.
		State.counters["export_over_plain"] = PlainSeconds > 0.0 ? ExportSeconds / PlainSeconds : 0.0;
	}
}

BENCHMARK(BM_BuildMAFiles)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportToDisk)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
