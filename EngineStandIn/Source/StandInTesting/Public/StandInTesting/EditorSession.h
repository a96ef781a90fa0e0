// One headless editor for a test or the host: object system, editor engine with its editor world,
// project folder, plug-in content, module loading, log capture and the undo history.
#pragma once

#include "CoreMinimal.h"
#include "Logging/LogVerbosity.h"
#include "Templates/Casts.h"

class AActor;
class UClass;
class ULevel;
class UWorld;
class UDMXLibrary;
class UDMXEntityFixtureType;
class UDMXEntityFixturePatch;
class UDMXComponent;
class IModuleInterface;

namespace StandIn
{
	struct FEditorSessionOptions
	{
		/** Project folder; empty makes a fresh temporary folder that is deleted with the session. */
		FString ProjectDir;
		/** Registers the plug-in's materials under "/ZORLight/Materials/" (MI_Circle, MI_CircleSelected,
		 *  MI_BGCircle, MI_ThumbnailBG, MI_ThumbnailBGCircle, MI_ThumbnailCircle). */
		bool bPluginContent = true;
	};

	struct FLogLine
	{
		FName Category;
		ELogVerbosity::Type Verbosity = ELogVerbosity::Log;
		FString Message;
	};

	class FSessionLogCapture;

	/**
	 * Only one session may exist at a time. While it lives: UObjectInitialized() is true, GEngine and
	 * GEditor point at an editor engine whose editor world context holds a world with a persistent level,
	 * FPaths::ProjectDir() is the project folder, and every log line is captured.
	 */
	class FEditorSession
	{
	public:
		explicit FEditorSession(const FEditorSessionOptions& Options = FEditorSessionOptions());
		/** Unloads the loaded modules in reverse load order, tears down the world, GEditor and the
		 *  objects, stops the log capture and deletes a temporary project folder. */
		~FEditorSession();

		FEditorSession(const FEditorSession&) = delete;
		FEditorSession& operator=(const FEditorSession&) = delete;

		/** The session that is alive, or null. */
		static FEditorSession* Get();

		const FString& GetProjectDir() const;
		/** "<project>/Config/" */
		FString GetConfigDir() const;

		UWorld* GetEditorWorld() const;
		/** Adds a level to the editor world; an inactive level is not visible, so the default actor
		 *  iterator flags skip it. */
		ULevel* AddLevel(const FString& Name, bool bActive);

		/** Spawns into Level (null: the persistent level) and sets the actor label. */
		AActor* SpawnActor(UClass* Class, const FString& Label, const FTransform& Transform = FTransform::Identity, ULevel* Level = nullptr);
		template<class T>
		T* SpawnActor(const FString& Label, const FTransform& Transform = FTransform::Identity, ULevel* Level = nullptr)
		{
			return Cast<T>(SpawnActor(T::StaticClass(), Label, Transform, Level));
		}
		/** As the editor's delete: the actor and its components are marked as garbage. */
		void DestroyActor(AActor* Actor);

		/** The session's DMX library (made on first use). */
		UDMXLibrary* GetDMXLibrary();
		UDMXEntityFixtureType* AddFixtureType(const FString& Name, const TArray<FString>& ModeNames);
		/** Name empty: the fixture type's name (or "Fixture" without a type). */
		UDMXEntityFixturePatch* AddFixturePatch(UDMXEntityFixtureType* Type, int32 Universe, int32 StartingChannel, int32 ActiveMode, const FString& Name = FString());
		/** Adds and registers a DMX component; Patch may be null (a component without a patch). */
		UDMXComponent* AddDMXComponent(AActor* Actor, UDMXEntityFixturePatch* Patch);
		/** Removes the entity from the library; it is marked as garbage, so weak references go null. */
		void DeleteFixturePatch(UDMXEntityFixturePatch* Patch);
		void DeleteFixtureType(UDMXEntityFixtureType* Type);

		/** Creates the module (InitializeModule) without starting it. */
		IModuleInterface* InitializeModuleOnly(FName ModuleName);
		/** FModuleManager::LoadModuleChecked: creates and starts the module. */
		IModuleInterface& LoadModule(FName ModuleName);
		/** Loads "ZORLight", then "ZORLightEditor", as the plug-in's loading phases do. */
		void StartPlugin();
		/** ShutdownModule, then the module is destroyed. */
		void UnloadModule(FName ModuleName);

		/** Drives UObjectInitialized(), e.g. to shut modules down as the engine does at exit. */
		void SetObjectSystemInitialized(bool bInitialized);

		const TArray<FLogLine>& GetLogLines() const;
		/** True when a captured line of exactly this verbosity contains Substring (case-sensitive). */
		bool HasLogLine(const FString& Substring, ELogVerbosity::Type Verbosity) const;
		void ClearLog();

		/** Titles of the transactions that can be undone, oldest first. */
		TArray<FString> GetUndoTitles() const;
		/** Titles of the transactions that can be redone, the next one to redo first. */
		TArray<FString> GetRedoTitles() const;
		bool Undo();
		bool Redo();

		/** Ensures that failed since the session started. */
		int32 GetEnsureCount() const;

		/** How often RerunConstructionScripts ran on this actor. */
		static int32 GetConstructionScriptRuns(const AActor* Actor);

	private:
		void RegisterPluginContent();
		void HidePluginContent();

		FString ProjectDir;
		bool bTemporaryProjectDir = false;
		int32 EnsureCountAtStart = 0;
		int32 ObjectSerialMark = 0;
		UDMXLibrary* DMXLibrary = nullptr;
		FSessionLogCapture* LogCapture = nullptr;
		TArray<FName> LoadedModules;
	};
}
