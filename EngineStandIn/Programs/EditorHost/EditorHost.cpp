// The headless editor: an editor session as the engine would start it, the plug-in's modules loaded and
// started, a level opened, the user's journeys run, and everything shut down. It says what it did.

#include "CoreMinimal.h"
#include "EngineUtils.h"
#include "Engine/World.h"
#include "Game/DMXComponent.h"
#include "GameFramework/Actor.h"
#include "Library/DMXEntityFixturePatch.h"
#include "Library/DMXEntityFixtureType.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/LevelFile.h"

#include <cstdio>
#include <string>
#include <vector>

namespace
{
	void Say(const FString& Line)
	{
		std::fputs(TCHAR_TO_UTF8(*Line), stdout);
		std::fputc('\n', stdout);
	}

	struct FHostOptions
	{
		FString ProjectDir = UTF8_TO_TCHAR(ZOR_DEFAULT_PROJECT);
		FString LevelFile;
	};

	void PrintUsage()
	{
		Say(TEXT("Usage: EditorHost [--project DIR] [--level FILE]"));
		Say(TEXT("  --project DIR  the project folder (its Config/ZORLightSettings.ini is read and written)"));
		Say(TEXT("  --level FILE   a level file (JSON); without it the built-in demo stage is opened"));
	}

	// Returns false (and says why) when the command line cannot be used.
	bool ParseCommandLine(int Argc, char** Argv, FHostOptions& Options)
	{
		for (int Index = 1; Index < Argc; ++Index)
		{
			const std::string Arg = Argv[Index];
			const bool bHasValue = Index + 1 < Argc;
			if ((Arg == "--project" || Arg == "--level") && !bHasValue)
			{
				Say(FString::Printf(TEXT("EditorHost: %s needs a value"), UTF8_TO_TCHAR(Arg.c_str())));
				return false;
			}
			if (Arg == "--project")
			{
				Options.ProjectDir = UTF8_TO_TCHAR(Argv[++Index]);
			}
			else if (Arg == "--level")
			{
				Options.LevelFile = UTF8_TO_TCHAR(Argv[++Index]);
			}
			else if (Arg == "--help" || Arg == "-h")
			{
				PrintUsage();
				return false;
			}
			else
			{
				Say(FString::Printf(TEXT("EditorHost: unknown argument '%s'"), UTF8_TO_TCHAR(Arg.c_str())));
				PrintUsage();
				return false;
			}
		}
		return true;
	}

	// The keys of the settings section as the file holds them now (empty when there is no file).
	TArray<FString> ReadSettingsKeys(const FString& ConfigPath)
	{
		TArray<FString> Keys;
		FConfigFile File;
		File.Read(ConfigPath);
		if (const FConfigSection* Section = File.FindSection(TEXT("ZORLightSettings")))
		{
			for (const auto& Pair : *Section)
			{
				Keys.AddUnique(Pair.Key.ToString());
			}
		}
		return Keys;
	}

	void PrintSeededKeys(const FString& ConfigPath, const TArray<FString>& KeysBefore, bool bFileExisted)
	{
		const TArray<FString> KeysAfter = ReadSettingsKeys(ConfigPath);
		TArray<FString> Added;
		for (const FString& Key : KeysAfter)
		{
			if (!KeysBefore.Contains(Key))
			{
				Added.Add(Key);
			}
		}
		if (!bFileExisted)
		{
			Say(FString::Printf(TEXT("The settings file was missing; start-up wrote it with %d keys at their defaults."), KeysAfter.Num()));
		}
		else if (Added.Num() > 0)
		{
			Say(FString::Printf(TEXT("Start-up completed the settings file with the defaults of %d missing keys: %s."), Added.Num(),
				*FString::Join(Added, TEXT(", "))));
		}
		else
		{
			Say(TEXT("The settings file held every key; start-up kept their values."));
		}
	}

	void PrintSettings(const FString& ConfigPath)
	{
		Say(FString::Printf(TEXT("Settings read from %s:"), *ConfigPath));
		FString Text;
		if (!FFileHelper::LoadFileToString(Text, *ConfigPath))
		{
			Say(TEXT("  (the settings file is missing)"));
			return;
		}
		TArray<FString> Lines;
		Text.ParseIntoArrayLines(Lines);
		for (const FString& Line : Lines)
		{
			Say(TEXT("  ") + Line);
		}
	}

	FString DescribePatch(const AActor& Actor)
	{
		const UDMXComponent* DMXComponent = Actor.FindComponentByClass<UDMXComponent>();
		if (!DMXComponent)
		{
			return TEXT("no DMX component");
		}
		const UDMXEntityFixturePatch* Patch = DMXComponent->GetFixturePatch();
		if (!Patch)
		{
			return TEXT("DMX component without a patch");
		}
		const UDMXEntityFixtureType* FixtureType = Patch->GetFixtureType();
		const FDMXFixtureMode* Mode = Patch->GetActiveMode();
		return FString::Printf(TEXT("patch %d.%d, %s, mode %s"), Patch->GetUniverseID(), Patch->GetStartingChannel(),
			FixtureType ? *FixtureType->GetDisplayName() : TEXT("no fixture type"),
			Mode ? *Mode->ModeName : TEXT("none"));
	}

	void PrintActors(UWorld* World)
	{
		int32 Count = 0;
		for (TActorIterator<AActor> It(World); It; ++It)
		{
			++Count;
		}
		Say(FString::Printf(TEXT("Actors of the level (%d):"), Count));
		for (TActorIterator<AActor> It(World); It; ++It)
		{
			const AActor* Actor = *It;
			const FVector Location = Actor->GetActorLocation();
			Say(FString::Printf(TEXT("  %s (%s) at %.1f, %.1f, %.1f: %s"), *Actor->GetActorLabel(),
				*Actor->GetClass()->GetName(), Location.X, Location.Y, Location.Z, *DescribePatch(*Actor)));
		}
	}
}

int main(int Argc, char** Argv)
{
	FHostOptions Options;
	if (!ParseCommandLine(Argc, Argv, Options))
	{
		return 2;
	}

	StandIn::FEditorSessionOptions SessionOptions;
	SessionOptions.ProjectDir = Options.ProjectDir;
	StandIn::FEditorSession Session(SessionOptions);
	Say(FString::Printf(TEXT("Project: %s"), *Session.GetProjectDir()));

	const FString ConfigPath = FPaths::Combine(Session.GetConfigDir(), TEXT("ZORLightSettings.ini"));
	const bool bSettingsFileExisted = FPaths::FileExists(ConfigPath);
	const TArray<FString> KeysBefore = ReadSettingsKeys(ConfigPath);

	Session.StartPlugin();
	Say(TEXT("Loaded and started the modules ZORLight and ZORLightEditor."));
	PrintSeededKeys(ConfigPath, KeysBefore, bSettingsFileExisted);

	const FString LevelFile = Options.LevelFile.IsEmpty() ? FString(UTF8_TO_TCHAR(ZOR_DEMO_STAGE)) : Options.LevelFile;
	FString Error;
	if (!StandIn::LoadLevelFile(Session, LevelFile, Error))
	{
		std::fputs(TCHAR_TO_UTF8(*Error), stderr);
		std::fputc('\n', stderr);
		return 2;
	}
	Say(Options.LevelFile.IsEmpty() ? FString(TEXT("Opened the built-in demo stage."))
		: FString::Printf(TEXT("Opened the level %s."), *LevelFile));

	PrintSettings(ConfigPath);
	PrintActors(Session.GetEditorWorld());

	Session.UnloadModule(TEXT("ZORLightEditor"));
	Session.UnloadModule(TEXT("ZORLight"));
	Say(TEXT("Shut down the modules ZORLightEditor and ZORLight."));
	return 0;
}
