// UTransBuffer: the editor's undo queue.
#pragma once

#include "CoreMinimal.h"
#include "Editor/Transactor.h"
#include "Templates/SharedPointer.h"
#include "TransBuffer.generated.h"

UCLASS(transient, MinimalAPI)
class UTransBuffer : public UTransactor
{
	GENERATED_BODY()

public:
	UNREALED_API UTransBuffer(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Sets the queue's size limit in bytes (kept for the engine's signature; the queue is not trimmed). */
	UNREALED_API void Initialize(SIZE_T InMaxMemory);

	// UTransactor
	UNREALED_API virtual int32 Begin(const TCHAR* SessionContext, const FText& Description) override;
	UNREALED_API virtual int32 End() override;
	UNREALED_API virtual void Cancel(int32 StartIndex = 0) override;
	UNREALED_API virtual void Reset(const FText& Reason) override;
	UNREALED_API virtual bool CanUndo(FText* Text = nullptr) override;
	UNREALED_API virtual bool CanRedo(FText* Text = nullptr) override;
	UNREALED_API virtual bool Undo(bool bCanRedo = true) override;
	UNREALED_API virtual bool Redo() override;
	UNREALED_API virtual bool IsActive() override;
	UNREALED_API virtual int32 GetQueueLength() const override;
	UNREALED_API virtual const FTransaction* GetTransaction(int32 QueueIndex) const override;
	UNREALED_API virtual FTransactionContext GetUndoContext(bool bCheckWhetherUndoPossible = true) override;
	UNREALED_API virtual FTransactionContext GetRedoContext() override;
	UNREALED_API virtual void SetPrimaryUndoObject(UObject* Object) override;
	UNREALED_API virtual bool IsObjectInTransactionBuffer(const UObject* Object) const override;
	UNREALED_API virtual bool IsObjectTransacting(const UObject* Object) const override;
	UNREALED_API virtual bool ContainsPieObjects() const override;

	/** Number of Begin calls not yet matched by End. */
	int32 GetActiveCount() const
	{
		return ActiveCount;
	}

	/** Broadcast after an undo or redo, with the transaction's context and whether it succeeded. */
	DECLARE_MULTICAST_DELEGATE_TwoParams(FOnTransactorUndoRedo, const FTransactionContext&, bool);
	FOnTransactorUndoRedo& OnUndo()
	{
		return OnUndoDelegate;
	}
	FOnTransactorUndoRedo& OnRedo()
	{
		return OnRedoDelegate;
	}

	/** Broadcast when the queue changes (a transaction ends, is cancelled, or the queue is reset). */
	DECLARE_MULTICAST_DELEGATE(FOnUndoBufferChanged);
	FOnUndoBufferChanged& OnUndoBufferChanged()
	{
		return UndoBufferChangedDelegate;
	}

private:
	/** Takes the open transaction off the queue and puts back the steps its Begin dropped from the redo list. */
	void DropActiveTransaction();

	TArray<TSharedRef<FTransaction>> UndoBuffer;
	/** The redo list that the open transaction's Begin dropped. */
	TArray<TSharedRef<FTransaction>> RemovedTransactions;
	TArray<int32> ActiveRecordCounts;
	int32 ActiveCount = 0;
	SIZE_T MaxMemory = 0;
	FText ResetReason;
	FOnTransactorUndoRedo OnUndoDelegate;
	FOnTransactorUndoRedo OnRedoDelegate;
	FOnUndoBufferChanged UndoBufferChangedDelegate;
};
