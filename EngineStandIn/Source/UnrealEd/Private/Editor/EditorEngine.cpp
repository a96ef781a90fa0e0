#include "Editor.h"
#include "Editor/TransBuffer.h"
#include "Selection.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "UObject/UObjectGlobals.h"

UNREALED_API UEditorEngine* GEditor = nullptr;

void UEditorEngine::Init(IEngineLoop* InEngineLoop)
{
	Super::Init(InEngineLoop);

	Trans = CreateTrans();
	SelectedActors = NewObject<USelection>(this, TEXT("SelectedActors"));
	SelectedObjects = NewObject<USelection>(this, TEXT("SelectedObjects"));

	FWorldContext& Context = CreateNewWorldContext(EWorldType::Editor);
	Context.SetCurrentWorld(UWorld::CreateWorld(EWorldType::Editor, true));
}

UObject* UEditorEngine::GetEditorSubsystemBase(UClass* SubsystemClass) const
{
	if (!SubsystemClass)
	{
		return nullptr;
	}
	if (UObject* const* Existing = EditorSubsystems.Find(SubsystemClass))
	{
		return *Existing;
	}
	UObject* Subsystem = NewObject<UObject>(const_cast<UEditorEngine*>(this), SubsystemClass);
	EditorSubsystems.Add(SubsystemClass, Subsystem);
	return Subsystem;
}

void UEditorEngine::PreExit()
{
	// Asset editors close before the editor's objects go.
	UE::StandIn::CloseAllAssetEditorToolkits();
	EditorSubsystems.Empty();
	if (SelectedActors)
	{
		SelectedActors->DeselectAll();
	}
	if (SelectedObjects)
	{
		SelectedObjects->DeselectAll();
	}
	Super::PreExit();
}

UTransBuffer* UEditorEngine::CreateTrans()
{
	return NewObject<UTransBuffer>(this, TEXT("Trans"));
}

FWorldContext& UEditorEngine::GetEditorWorldContext(bool bEnsureIsGWorld)
{
	for (FWorldContext* Context : GetWorldContexts())
	{
		if (Context->WorldType == EWorldType::Editor)
		{
			return *Context;
		}
	}
	checkf(false, TEXT("The editor has no editor world context"));
	return *GetWorldContexts()[0];
}

int32 UEditorEngine::BeginTransaction(const FText& Description)
{
	return BeginTransaction(nullptr, Description, nullptr);
}

int32 UEditorEngine::BeginTransaction(const TCHAR* TransactionContext, const FText& Description, UObject* PrimaryObject)
{
	return Trans ? Trans->Begin(TransactionContext, Description) : INDEX_NONE;
}

int32 UEditorEngine::EndTransaction()
{
	return Trans ? Trans->End() : INDEX_NONE;
}

void UEditorEngine::CancelTransaction(int32 Index)
{
	if (Trans)
	{
		Trans->Cancel(Index);
	}
}

bool UEditorEngine::UndoTransaction(bool bCanRedo)
{
	return Trans ? Trans->Undo(bCanRedo) : false;
}

bool UEditorEngine::RedoTransaction()
{
	return Trans ? Trans->Redo() : false;
}

bool UEditorEngine::IsTransactionActive() const
{
	return Trans ? Trans->IsActive() : false;
}

void UEditorEngine::SelectActor(AActor* Actor, bool bInSelected, bool bNotify, bool bSelectEvenIfHidden, bool bForceRefresh)
{
	if (Actor == nullptr || SelectedActors == nullptr)
	{
		return;
	}
	if (bInSelected && !IsValid(Actor))
	{
		return;
	}
	const bool bWasSelected = SelectedActors->IsSelected(Actor);
	if (bWasSelected != bInSelected || bForceRefresh)
	{
		SelectedActors->Select(Actor, bInSelected);
		if (bNotify)
		{
			NoteSelectionChange();
		}
	}
}

void UEditorEngine::SelectNone(bool bNoteSelectionChange, bool bDeselectBSPSurfs, bool bWarnAboutManyActors)
{
	if (SelectedActors == nullptr)
	{
		return;
	}
	const bool bHadSelection = SelectedActors->Num() > 0;
	SelectedActors->DeselectAll();
	if (bNoteSelectionChange && bHadSelection)
	{
		NoteSelectionChange();
	}
}

void UEditorEngine::NoteSelectionChange(bool bNotify)
{
	if (bNotify)
	{
		++SelectionChangeCount;
	}
}

USelection* UEditorEngine::GetSelectedActors() const
{
	return SelectedActors;
}

USelection* UEditorEngine::GetSelectedObjects() const
{
	return SelectedObjects;
}

int32 UEditorEngine::GetSelectedActorCount() const
{
	return SelectedActors ? SelectedActors->Num() : 0;
}

int32 UE::StandIn::GetSelectionChangeCount()
{
	return GEditor ? GEditor->SelectionChangeCount : 0;
}
