#include "StandInTesting/EditorSession.h"

#include "StandIn/SlateApplicationHooks.h"
#include "StandInTesting/SlateDriver.h"

#include "Editor.h"
#include "Editor/TransBuffer.h"
#include "Engine/Engine.h"
#include "Engine/Level.h"
#include "Engine/World.h"
#include "Game/DMXComponent.h"
#include "GameFramework/Actor.h"
#include "HAL/FileManager.h"
#include "Library/DMXEntityFixturePatch.h"
#include "Library/DMXEntityFixtureType.h"
#include "Library/DMXLibrary.h"
#include "Materials/MaterialInstanceConstant.h"
#include "Misc/OutputDevice.h"
#include "Misc/OutputDeviceRedirector.h"
#include "Misc/Paths.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"
#include "StandIn/CoreHooks.h"
#include "StandIn/CoreUObjectHooks.h"
#include "StandIn/EngineHooks.h"
#include "StandInTesting/DialogDriver.h"
#include "StandInTesting/MenuDriver.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

#include <cstdlib>
#include <string>

namespace StandIn
{
	/** Keeps every log line of the session. */
	class FSessionLogCapture : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			FLogLine& Line = Lines.AddDefaulted_GetRef();
			Line.Category = Category;
			Line.Verbosity = static_cast<ELogVerbosity::Type>(Verbosity & ELogVerbosity::VerbosityMask);
			Line.Message = Message;
		}

		TArray<FLogLine> Lines;
	};

	namespace
	{
		FEditorSession* GCurrentSession = nullptr;

		const TCHAR* const PluginMaterialNames[] = {
			TEXT("MI_Circle"),
			TEXT("MI_CircleSelected"),
			TEXT("MI_BGCircle"),
			TEXT("MI_ThumbnailBG"),
			TEXT("MI_ThumbnailBGCircle"),
			TEXT("MI_ThumbnailCircle"),
		};

		FString MakeTemporaryProjectDir()
		{
			const char* TempRoot = std::getenv("TMPDIR");
			std::string Template = std::string(TempRoot && *TempRoot ? TempRoot : "/tmp") + "/ZORLightProject-XXXXXX";
			char* Made = mkdtemp(Template.data());
			checkf(Made != nullptr, TEXT("Cannot make a temporary project folder"));
			return FString(UTF8_TO_TCHAR(Made));
		}
	}

	FEditorSession::FEditorSession(const FEditorSessionOptions& Options)
	{
		checkf(GCurrentSession == nullptr, TEXT("Only one editor session may exist at a time"));
		GCurrentSession = this;

		LogCapture = new FSessionLogCapture();
		GLog->AddOutputDevice(LogCapture);
		EnsureCountAtStart = UE::StandIn::GetEnsureCount();

		ProjectDir = Options.ProjectDir;
		if (ProjectDir.IsEmpty())
		{
			ProjectDir = MakeTemporaryProjectDir();
			bTemporaryProjectDir = true;
		}
		ProjectDir = FPaths::ConvertRelativePathToFull(ProjectDir);
		FPaths::NormalizeDirectoryName(ProjectDir);
		ProjectDir /= TEXT("");
		IFileManager::Get().MakeDirectory(*ProjectDir, true);
		UE::StandIn::SetProjectDir(ProjectDir);
		UE::StandIn::InitializeSlateApplication();
		InitFrameworkRegistries();

		UE::StandIn::SetObjectSystemInitialized(true);
		ObjectSerialMark = UE::StandIn::GetObjectSerialMark();

		UEditorEngine* EditorEngine = NewObject<UEditorEngine>(GetTransientPackage(), TEXT("EditorEngine"));
		GEngine = EditorEngine;
		GEditor = EditorEngine;
		EditorEngine->Init(nullptr);

		if (Options.bPluginContent)
		{
			RegisterPluginContent();
		}
		else
		{
			HidePluginContent();
		}
		ResetMessageDialogs();
	}

	FEditorSession::~FEditorSession()
	{
		// As the editor closes its tabs before its modules shut down; the next session starts empty.
		ResetFrameworkRegistries();
		UE::StandIn::UnloadAllModules();
		ResetMessageDialogs();
		LoadedModules.Reset();

		if (GEditor)
		{
			GEditor->PreExit();
		}
		GEditor = nullptr;
		GEngine = nullptr;
		DMXLibrary = nullptr;

		UE::StandIn::DestroyObjectsCreatedAfter(ObjectSerialMark);
		UE::StandIn::SetObjectSystemInitialized(false);

		ClearShownNotifications();
		ClearAddedWindows();
		UE::StandIn::ShutdownSlateApplication();

		GLog->RemoveOutputDevice(LogCapture);
		delete LogCapture;
		LogCapture = nullptr;

		if (bTemporaryProjectDir)
		{
			IFileManager::Get().DeleteDirectory(*ProjectDir, false, true);
		}
		UE::StandIn::SetProjectDir(FString());
		GCurrentSession = nullptr;
	}

	FEditorSession* FEditorSession::Get()
	{
		return GCurrentSession;
	}

	namespace
	{
		/** The plug-in's materials and their packages: made once and kept, as content stays loaded in the
		 *  editor, so brushes that hold them (the style set lives until exit) never point at freed objects. */
		TArray<UObject*>& PersistentPluginContent()
		{
			static TArray<UObject*> Content;
			return Content;
		}
	}

	void FEditorSession::RegisterPluginContent()
	{
		TArray<UObject*>& Content = PersistentPluginContent();
		if (Content.IsEmpty())
		{
			for (const TCHAR* Name : PluginMaterialNames)
			{
				const FString PackageName = FString(TEXT("/ZORLight/Materials/")) + Name;
				UPackage* Package = CreatePackage(*PackageName);
				// A bare package path loads the asset of the same name inside it, as content does.
				UObject* Material = NewObject<UMaterialInstanceConstant>(Package, FName(Name), RF_Public | RF_Standalone);
				Package->AddToRoot();
				Material->AddToRoot();
				Content.Add(Package);
				Content.Add(Material);
			}
		}
		for (UObject* Object : Content)
		{
			Object->ClearGarbage();
		}
	}

	void FEditorSession::HidePluginContent()
	{
		// A session without the content must not find what an earlier session loaded.
		for (UObject* Object : PersistentPluginContent())
		{
			Object->MarkAsGarbage();
		}
	}

	const FString& FEditorSession::GetProjectDir() const
	{
		return ProjectDir;
	}

	FString FEditorSession::GetConfigDir() const
	{
		return ProjectDir / TEXT("Config/");
	}

	UWorld* FEditorSession::GetEditorWorld() const
	{
		return GEditor ? GEditor->GetEditorWorldContext().World() : nullptr;
	}

	ULevel* FEditorSession::AddLevel(const FString& Name, bool bActive)
	{
		UWorld* World = GetEditorWorld();
		check(World);
		ULevel* Level = NewObject<ULevel>(World, FName(*Name));
		Level->bIsVisible = bActive;
		World->AddLevel(Level);
		return Level;
	}

	AActor* FEditorSession::SpawnActor(UClass* Class, const FString& Label, const FTransform& Transform, ULevel* Level)
	{
		UWorld* World = GetEditorWorld();
		check(World);
		FActorSpawnParameters SpawnParameters;
		SpawnParameters.OverrideLevel = Level;
		AActor* Actor = World->SpawnActor(Class, &Transform, SpawnParameters);
		if (Actor && !Label.IsEmpty())
		{
			Actor->SetActorLabel(Label, false);
		}
		return Actor;
	}

	void FEditorSession::DestroyActor(AActor* Actor)
	{
		if (Actor)
		{
			Actor->Destroy();
		}
	}

	UDMXLibrary* FEditorSession::GetDMXLibrary()
	{
		if (DMXLibrary == nullptr)
		{
			UPackage* Package = CreatePackage(TEXT("/Game/DMXLibrary"));
			DMXLibrary = NewObject<UDMXLibrary>(Package, TEXT("DMXLibrary"));
		}
		return DMXLibrary;
	}

	UDMXEntityFixtureType* FEditorSession::AddFixtureType(const FString& Name, const TArray<FString>& ModeNames)
	{
		UDMXLibrary* Library = GetDMXLibrary();
		UDMXEntityFixtureType* Type = NewObject<UDMXEntityFixtureType>(Library);
		Type->SetName(Name);
		for (const FString& ModeName : ModeNames)
		{
			Type->AddMode(ModeName);
		}
		Library->AddEntity(Type);
		return Type;
	}

	UDMXEntityFixturePatch* FEditorSession::AddFixturePatch(UDMXEntityFixtureType* Type, int32 Universe, int32 StartingChannel, int32 ActiveMode, const FString& Name)
	{
		UDMXLibrary* Library = GetDMXLibrary();
		UDMXEntityFixturePatch* Patch = NewObject<UDMXEntityFixturePatch>(Library);
		FString PatchName = Name;
		if (PatchName.IsEmpty())
		{
			PatchName = Type ? Type->GetDisplayName() : FString(TEXT("Fixture"));
		}
		Patch->SetName(PatchName);
		Patch->SetFixtureType(Type);
		Patch->SetUniverseID(Universe);
		Patch->SetStartingChannel(StartingChannel);
		UE::StandIn::SetActiveModeIndexUnchecked(Patch, ActiveMode);
		Library->AddEntity(Patch);
		return Patch;
	}

	UDMXComponent* FEditorSession::AddDMXComponent(AActor* Actor, UDMXEntityFixturePatch* Patch)
	{
		check(Actor);
		UDMXComponent* Component = NewObject<UDMXComponent>(Actor, TEXT("DMX"));
		Component->RegisterComponent();
		Component->SetFixturePatch(Patch);
		return Component;
	}

	void FEditorSession::DeleteFixturePatch(UDMXEntityFixturePatch* Patch)
	{
		if (Patch && DMXLibrary)
		{
			DMXLibrary->RemoveEntity(Patch);
		}
	}

	void FEditorSession::DeleteFixtureType(UDMXEntityFixtureType* Type)
	{
		if (Type && DMXLibrary)
		{
			DMXLibrary->RemoveEntity(Type);
		}
	}

	IModuleInterface* FEditorSession::InitializeModuleOnly(FName ModuleName)
	{
		IModuleInterface* Module = UE::StandIn::CreateModuleWithoutStartup(ModuleName);
		if (Module)
		{
			UE::StandIn::AdoptModule(ModuleName, Module, false);
			LoadedModules.AddUnique(ModuleName);
		}
		return Module;
	}

	IModuleInterface& FEditorSession::LoadModule(FName ModuleName)
	{
		IModuleInterface& Module = FModuleManager::LoadModuleChecked<IModuleInterface>(ModuleName);
		LoadedModules.AddUnique(ModuleName);
		return Module;
	}

	void FEditorSession::StartPlugin()
	{
		LoadModule(TEXT("ZORLight"));
		LoadModule(TEXT("ZORLightEditor"));
	}

	void FEditorSession::UnloadModule(FName ModuleName)
	{
		FModuleManager::Get().UnloadModule(ModuleName);
		LoadedModules.Remove(ModuleName);
	}

	void FEditorSession::SetObjectSystemInitialized(bool bInitialized)
	{
		UE::StandIn::SetObjectSystemInitialized(bInitialized);
	}

	const TArray<FLogLine>& FEditorSession::GetLogLines() const
	{
		return LogCapture->Lines;
	}

	bool FEditorSession::HasLogLine(const FString& Substring, ELogVerbosity::Type Verbosity) const
	{
		return LogCapture->Lines.ContainsByPredicate([&Substring, Verbosity](const FLogLine& Line)
		{
			return Line.Verbosity == Verbosity && Line.Message.Contains(Substring, ESearchCase::CaseSensitive);
		});
	}

	void FEditorSession::ClearLog()
	{
		LogCapture->Lines.Reset();
	}

	TArray<FString> FEditorSession::GetUndoTitles() const
	{
		TArray<FString> Titles;
		const UTransBuffer* Trans = GEditor ? GEditor->Trans : nullptr;
		if (Trans)
		{
			const int32 UndoableCount = Trans->GetQueueLength() - Trans->GetUndoCount();
			for (int32 Index = 0; Index < UndoableCount; ++Index)
			{
				Titles.Add(Trans->GetTransaction(Index)->GetTitle().ToString());
			}
		}
		return Titles;
	}

	TArray<FString> FEditorSession::GetRedoTitles() const
	{
		TArray<FString> Titles;
		const UTransBuffer* Trans = GEditor ? GEditor->Trans : nullptr;
		if (Trans)
		{
			const int32 QueueLength = Trans->GetQueueLength();
			for (int32 Index = QueueLength - Trans->GetUndoCount(); Index < QueueLength; ++Index)
			{
				Titles.Add(Trans->GetTransaction(Index)->GetTitle().ToString());
			}
		}
		return Titles;
	}

	bool FEditorSession::Undo()
	{
		return GEditor && GEditor->UndoTransaction();
	}

	bool FEditorSession::Redo()
	{
		return GEditor && GEditor->RedoTransaction();
	}

	int32 FEditorSession::GetEnsureCount() const
	{
		return UE::StandIn::GetEnsureCount() - EnsureCountAtStart;
	}

	int32 FEditorSession::GetConstructionScriptRuns(const AActor* Actor)
	{
		return UE::StandIn::GetConstructionScriptRuns(Actor);
	}
}
