// A level with DMX-patched actors and the "UE to GMA Tool" panel over it, for the export tests.
#pragma once

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
#include "Framework/Application/SlateApplication.h"
#include "Styling/AppStyle.h"
#include "UEtoGMA/FixtureModeListItem.h"
#include "UEtoGMA/FixturePatchListItem.h"
#include "UEtoGMA/SFixtureModeList.h"
#include "UEtoGMA/SFixturePatchList.h"

#include "ListAt.h"
#include "MAXml.h"
#include "ShownText.h"

#include <string>
#include <vector>

namespace ZorTest
{
	class FExportStage
	{
	public:
		FExportStage()
		{
			StandIn::ResetFolderDialogs();
			StandIn::ClearShownNotifications();
			StandIn::ClearAddedWindows();
			Session.StartPlugin();
		}

		UDMXEntityFixtureType* AddType(const FString& Name, const TArray<FString>& Modes = {TEXT("Standard"), TEXT("Extended")})
		{
			return Session.AddFixtureType(Name, Modes);
		}

		/** An actor at Transform whose DMX component carries a new patch. */
		AActor* AddFixture(UDMXEntityFixtureType* Type, int32 Universe, int32 Channel, int32 Mode, const FString& Label,
			const FTransform& Transform = FTransform::Identity)
		{
			AActor* Actor = Session.SpawnActor(AActor::StaticClass(), Label, Transform);
			Session.AddDMXComponent(Actor, Session.AddFixturePatch(Type, Universe, Channel, Mode));
			return Actor;
		}

		/** An actor whose DMX component carries an existing patch (a shared address). */
		AActor* AddActorOnPatch(UDMXEntityFixturePatch* Patch, const FString& Label, const FTransform& Transform = FTransform::Identity)
		{
			AActor* Actor = Session.SpawnActor(AActor::StaticClass(), Label, Transform);
			Session.AddDMXComponent(Actor, Patch);
			return Actor;
		}

		/** The panel as the tab shows it: scanned, sorted by patch, every row ticked and numbered from 1. */
		TSharedRef<SFixturePatchList> OpenPanel()
		{
			return SNew(SFixturePatchList);
		}

		/** A folder below the project that does not exist yet. */
		FString Folder(const FString& Name) const
		{
			return FPaths::Combine(Session.GetProjectDir(), TEXT("Exports"), Name);
		}

	public:
		StandIn::FEditorSession Session;
	};

	/** A notification as the user sees it: its text, its icon and how long it stays. */
	struct FShownNotification
	{
		FShownText Text;
		/** "Icons.Success", "Icons.Warning", "none" or "other". */
		FShownText Brush;
		float ExpireDuration = 0.0f;
	};

	inline TArray<FShownNotification> GetNotifications()
	{
		TArray<FShownNotification> Shown;
		for (const UE::StandIn::FRecordedNotification& Recorded : StandIn::GetShownNotifications())
		{
			FShownNotification& Entry = Shown.AddDefaulted_GetRef();
			Entry.Text = Recorded.GetText().ToString();
			const FSlateBrush* Image = Recorded.Info.Image;
			Entry.Brush = Image == nullptr ? TEXT("none")
				: Image == FAppStyle::Get().GetBrush(TEXT("Icons.Success")) ? TEXT("Icons.Success")
				: Image == FAppStyle::Get().GetBrush(TEXT("Icons.Warning")) ? TEXT("Icons.Warning")
				: TEXT("other");
			Entry.ExpireDuration = Recorded.Info.ExpireDuration;
		}
		return Shown;
	}

	inline void ClearNotifications()
	{
		StandIn::ClearShownNotifications();
	}

	/** Clicks the panel's tool bar button with this label. */
	inline bool ClickButton(const TSharedRef<SWidget>& Panel, const FString& Label)
	{
		return StandIn::ClickButtonWithText(Panel, Label);
	}

	/** The parent that dialogs of the editor get. */
	inline const void* GetBestParentWindowHandleForDialogs()
	{
		return FSlateApplication::Get().FindBestParentWindowHandleForDialogs(nullptr);
	}

	inline FString MacroPath(const FString& Folder)
	{
		return Folder + TEXT("/gma2/macros/DO2VOR.xml");
	}

	inline FString LayerPath(const FString& Folder, int32 Number)
	{
		return Folder + FString::Printf(TEXT("/gma2/fixture_layers/DO2VOR-LAYER-%d.xml"), Number);
	}

	/** The file's bytes as they are on disk. */
	inline std::string ReadBytes(const FString& Path)
	{
		TArray<uint8> Bytes;
		if (!FFileHelper::LoadFileToArray(Bytes, *Path))
		{
			return std::string();
		}
		return std::string(reinterpret_cast<const char*>(Bytes.GetData()), Bytes.Num());
	}

	/** The mode row of that default name ("<type> <mode>"), or null. */
	inline TSharedPtr<FFixtureModeListItem> FindModeRow(const SFixturePatchList& Panel, const FString& DefaultName)
	{
		for (const TSharedPtr<FFixtureModeListItem>& Row : Panel.ModeList->Items)
		{
			if (Row.IsValid() && Row->GetDefaultFixtureTypeName().Equals(DefaultName, ESearchCase::CaseSensitive))
			{
				return Row;
			}
		}
		return nullptr;
	}

	/** The patch row of that actor label, or null. */
	inline TSharedPtr<FFixturePatchListItem> FindPatchRow(const SFixturePatchList& Panel, const FString& ActorName)
	{
		for (const TSharedPtr<FFixturePatchListItem>& Item : Panel.Items)
		{
			if (Item.IsValid() && Item->GetActorName().Equals(ActorName, ESearchCase::CaseSensitive))
			{
				return Item;
			}
		}
		return nullptr;
	}
}
