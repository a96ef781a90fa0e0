#pragma once

#include "CoreMinimal.h"
#include "Engine/Engine.h"
#include "Templates/Casts.h"
#include "EditorEngine.generated.h"

class AActor;
class UTransBuffer;
class USelection;
class UWorld;

namespace UE::StandIn
{
	/** How often GEditor announced a selection change. */
	UNREALED_API int32 GetSelectionChangeCount();
}

/** The engine while the editor runs: the editor world, transactions and the actor selection. */
UCLASS(Transient)
class UNREALED_API UEditorEngine : public UEngine
{
	GENERATED_BODY()

public:
	/** The undo buffer. */
	UTransBuffer* Trans = nullptr;

	/** Makes the transaction buffer, the selection sets and the editor world context with its world. */
	virtual void Init(IEngineLoop* InEngineLoop) override;
	virtual void PreExit() override;
	virtual UTransBuffer* CreateTrans();

	FWorldContext& GetEditorWorldContext(bool bEnsureIsGWorld = false);

	/** Opens an undo transaction; nested ones merge into the outermost. Returns its index or INDEX_NONE. */
	int32 BeginTransaction(const FText& Description);
	virtual int32 BeginTransaction(const TCHAR* TransactionContext, const FText& Description, UObject* PrimaryObject);
	int32 EndTransaction();
	void CancelTransaction(int32 Index);
	bool UndoTransaction(bool bCanRedo = true);
	bool RedoTransaction();
	bool IsTransactionActive() const;

	virtual void SelectActor(AActor* Actor, bool bInSelected, bool bNotify, bool bSelectEvenIfHidden = false, bool bForceRefresh = false);
	virtual void SelectNone(bool bNoteSelectionChange, bool bDeselectBSPSurfs, bool bWarnAboutManyActors = true);
	virtual void NoteSelectionChange(bool bNotify = true);
	/** The editor's subsystem of that class (made on first use, lives as long as the editor). */
	template <typename TSubsystemClass>
	TSubsystemClass* GetEditorSubsystem() const
	{
		return Cast<TSubsystemClass>(GetEditorSubsystemBase(TSubsystemClass::StaticClass()));
	}
	UObject* GetEditorSubsystemBase(UClass* SubsystemClass) const;

	USelection* GetSelectedActors() const;
	USelection* GetSelectedObjects() const;
	int32 GetSelectedActorCount() const;

private:
	friend UNREALED_API int32 UE::StandIn::GetSelectionChangeCount();

	USelection* SelectedActors = nullptr;
	USelection* SelectedObjects = nullptr;
	int32 SelectionChangeCount = 0;
	mutable TMap<UClass*, UObject*> EditorSubsystems;
};
