// A fresh editor session with the plug-in started, a stage built from DMX fixture types and patched actors,
// and the "UE to GMA Tool" panel driven through its two list views as the user does.
#pragma once

#include "CoreMinimal.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Game/DMXComponent.h"
#include "GameFramework/Actor.h"
#include "Library/DMXEntityFixturePatch.h"
#include "Library/DMXEntityFixtureType.h"
#include "Layout/Children.h"
#include "Selection.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/ListDriver.h"
#include "UEtoGMA/FixtureModeListItem.h"
#include "UEtoGMA/FixturePatchListItem.h"
#include "UEtoGMA/SFixtureModeList.h"
#include "UEtoGMA/SFixturePatchList.h"
#include "Widgets/DeclarativeSyntaxSupport.h"

#include "ListAt.h"
#include "ShownText.h"

#include <gtest/gtest.h>

#include <memory>

namespace ZORTests
{
	using FPatchCols = SFixturePatchList;
	using FModeCols = SFixtureModeList;

	class FUEtoGMATest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			Session = std::make_unique<StandIn::FEditorSession>();
			Session->StartPlugin();
		}

		virtual void TearDown() override
		{
			Panel.Reset();
			StandIn::TickSlate();
			Session.reset();
		}

		UDMXEntityFixtureType* AddType(const FString& Name, const TArray<FString>& Modes)
		{
			return Session->AddFixtureType(Name, Modes);
		}

		/** An actor with a DMX component carrying a new patch. */
		AActor* AddFixture(const FString& Label, UDMXEntityFixtureType* Type, int32 Universe, int32 Channel, int32 Mode = 0)
		{
			AActor* Actor = Session->SpawnActor<AActor>(Label);
			Session->AddDMXComponent(Actor, Session->AddFixturePatch(Type, Universe, Channel, Mode));
			return Actor;
		}

		UDMXEntityFixturePatch* PatchOf(AActor* Actor) const
		{
			return Actor->FindComponentByClass<UDMXComponent>()->GetFixturePatch();
		}

		/** Opens the tool's panel as the tab does, and lets one frame pass. */
		SFixturePatchList& OpenPanel()
		{
			Panel = SNew(SFixturePatchList);
			StandIn::TickSlate();
			return *Panel;
		}

		STableViewBase& PatchView() const
		{
			return *Panel->ListView;
		}

		STableViewBase& ModeView() const
		{
			return *Panel->ModeList->ListView;
		}

		FShownText PatchCell(int32 Row, FName Column) const
		{
			return StandIn::GetListCellText(PatchView(), Row, Column);
		}

		FShownText ModeCell(int32 Row, FName Column) const
		{
			return StandIn::GetListCellText(ModeView(), Row, Column);
		}

		/** What the patch list shows, one "FID Actor | Type | Mode | Patch" line per row in view. */
		TArray<FShownText> PatchRows() const
		{
			TArray<FShownText> Lines;
			const int32 NumRows = StandIn::GetNumListRows(PatchView());
			for (int32 Row = 0; Row < NumRows; ++Row)
			{
				Lines.Add(FString::Printf(TEXT("%s %s | %s | %s | %s"), *PatchCell(Row, FPatchCols::ColumnID_FixtureID),
					*PatchCell(Row, FPatchCols::ColumnID_ActorName), *PatchCell(Row, FPatchCols::ColumnID_FixtureType),
					*PatchCell(Row, FPatchCols::ColumnID_Mode), *PatchCell(Row, FPatchCols::ColumnID_Patch)));
			}
			return Lines;
		}

		/** The FID column, top to bottom. */
		TArray<FShownText> FixtureIDs() const
		{
			TArray<FShownText> IDs;
			const int32 NumRows = StandIn::GetNumListRows(PatchView());
			for (int32 Row = 0; Row < NumRows; ++Row)
			{
				IDs.Add(PatchCell(Row, FPatchCols::ColumnID_FixtureID));
			}
			return IDs;
		}

		/** The actor column, top to bottom. */
		TArray<FShownText> ActorColumn() const
		{
			TArray<FShownText> Names;
			const int32 NumRows = StandIn::GetNumListRows(PatchView());
			for (int32 Row = 0; Row < NumRows; ++Row)
			{
				Names.Add(PatchCell(Row, FPatchCols::ColumnID_ActorName));
			}
			return Names;
		}

		int32 PatchRowOf(const FString& ActorName) const
		{
			return StandIn::FindListRow(PatchView(), FPatchCols::ColumnID_ActorName, ActorName);
		}

		/** The mode row showing this grandMA2 name. */
		int32 ModeRowOf(const FString& Name) const
		{
			return StandIn::FindListRow(ModeView(), FModeCols::ColumnID_Mode, Name);
		}

		/** What the mode list shows, one "[x] Name #Num !" line per row ("!" for a conflict icon). */
		TArray<FShownText> ModeRows() const
		{
			TArray<FShownText> Lines;
			const int32 NumRows = StandIn::GetNumListRows(ModeView());
			for (int32 Row = 0; Row < NumRows; ++Row)
			{
				const TOptional<ECheckBoxState> State = StandIn::GetListCellCheckState(ModeView(), Row, FModeCols::ColumnID_IsSelected);
				const bool bChecked = State.IsSet() && State.GetValue() == ECheckBoxState::Checked;
				const bool bConflict = !ModeStatusTooltip(Row).IsEmpty();
				Lines.Add(FString::Printf(TEXT("[%s] %s #%s%s"), bChecked ? TEXT("x") : TEXT(" "), *ModeCell(Row, FModeCols::ColumnID_Mode),
					*ModeCell(Row, FModeCols::ColumnID_Num), bConflict ? TEXT(" !") : TEXT("")));
			}
			return Lines;
		}

		/** The tooltip of the first widget in the tree that shows one (empty text shows none). */
		static FString FindTooltip(const TSharedPtr<SWidget>& Widget)
		{
			if (!Widget.IsValid())
			{
				return FString();
			}
			const FString Text = UE::StandIn::FSlateWidgetAccess::GetToolTipText(*Widget).Get(FText::GetEmpty()).ToString();
			if (!Text.IsEmpty())
			{
				return Text;
			}
			if (FChildren* Children = Widget->GetChildren())
			{
				for (int32 Index = 0; Index < Children->Num(); ++Index)
				{
					const FString ChildText = FindTooltip(Children->GetChildAt(Index));
					if (!ChildText.IsEmpty())
					{
						return ChildText;
					}
				}
			}
			return FString();
		}

		FShownText PatchStatusTooltip(int32 Row) const
		{
			return FindTooltip(StandIn::GetListCell(PatchView(), Row, FPatchCols::ColumnID_Status));
		}

		FShownText ModeStatusTooltip(int32 Row) const
		{
			return FindTooltip(StandIn::GetListCell(ModeView(), Row, FModeCols::ColumnID_Status));
		}

		bool IsPatchRowChecked(int32 Row) const
		{
			const TOptional<ECheckBoxState> State = StandIn::GetListCellCheckState(PatchView(), Row, FPatchCols::ColumnID_IsSelected);
			return State.IsSet() && State.GetValue() == ECheckBoxState::Checked;
		}

		bool IsModeRowChecked(int32 Row) const
		{
			const TOptional<ECheckBoxState> State = StandIn::GetListCellCheckState(ModeView(), Row, FModeCols::ColumnID_IsSelected);
			return State.IsSet() && State.GetValue() == ECheckBoxState::Checked;
		}

		TArray<AActor*> SelectedActors() const
		{
			TArray<AActor*> Actors;
			GEditor->GetSelectedActors()->GetSelectedObjects(Actors);
			return Actors;
		}

		std::unique_ptr<StandIn::FEditorSession> Session;
		TSharedPtr<SFixturePatchList> Panel;
	};
}
