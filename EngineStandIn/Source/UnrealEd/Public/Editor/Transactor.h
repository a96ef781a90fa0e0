// Undo records: FTransaction (one named undo step) and UTransactor (the queue's interface).
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/WeakObjectPtr.h"
#include "Misc/ITransaction.h"
#include "Transactor.generated.h"

class FProperty;

/** What names a transaction. */
struct FTransactionContext
{
	FTransactionContext() = default;
	FTransactionContext(const FString& InContext, const FText& InTitle, UObject* InPrimaryObject)
		: Title(InTitle)
		, Context(InContext)
		, PrimaryObject(InPrimaryObject)
	{
	}

	bool IsValid() const
	{
		return !Title.IsEmpty() || !Context.IsEmpty();
	}

	FText Title;
	FString Context;
	UObject* PrimaryObject = nullptr;
};

/** One undo step: the state of every object that was modified in it, from before the change. */
class UNREALED_API FTransaction : public ITransaction
{
public:
	FTransaction(const TCHAR* InContext = nullptr, const FText& InTitle = FText(), bool bInFlip = false);
	virtual ~FTransaction() override;

	FTransaction(const FTransaction&) = delete;
	FTransaction& operator=(const FTransaction&) = delete;

	// ITransaction
	virtual void SaveObject(UObject* Object) override;
	virtual bool IsObjectTransacting(const UObject* Object) const override;
	virtual void SetPrimaryObject(UObject* InObject) override;
	virtual void SnapshotObject(UObject* Object) override;
	virtual bool ContainsPieObjects() const override;
	virtual bool IsTransient() const override;

	/** Swaps every recorded object's state with the recorded one, then tells the objects. */
	virtual void Apply() override;

	FText GetTitle() const
	{
		return Title;
	}
	const FString& GetContextString() const
	{
		return Context;
	}
	FTransactionContext GetContext() const
	{
		return FTransactionContext(Context, Title, PrimaryObject);
	}
	UObject* GetPrimaryObject() const
	{
		return PrimaryObject;
	}

	int32 GetRecordCount() const
	{
		return Records.Num();
	}
	void RemoveRecords(int32 Count = 1);

	/** The objects this transaction holds a state of. */
	void GetTransactionObjects(TArray<UObject*>& Objects) const;
	bool ContainsObject(const UObject* Object) const;

private:
	struct FPropertySnapshot
	{
		FProperty* Property = nullptr;
		void* Value = nullptr;
	};

	struct FObjectRecord
	{
		FWeakObjectPtr Object;
		UObject* RawObject = nullptr;
		TArray<FPropertySnapshot> Snapshots;
		bool bGarbage = false;
	};

	static void FreeRecord(FObjectRecord& Record);

	TArray<FObjectRecord> Records;
	FString Context;
	FText Title;
	UObject* PrimaryObject = nullptr;
	bool bFlip = true;
};

/** The editor's undo queue interface. */
UCLASS(abstract, transient, MinimalAPI)
class UTransactor : public UObject
{
	GENERATED_BODY()

public:
	UNREALED_API UTransactor(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	virtual int32 Begin(const TCHAR* SessionContext, const FText& Description) PURE_VIRTUAL(UTransactor::Begin, return 0;);
	virtual int32 End() PURE_VIRTUAL(UTransactor::End, return 0;);
	virtual void Cancel(int32 StartIndex = 0) PURE_VIRTUAL(UTransactor::Cancel, );
	virtual void Reset(const FText& Reason) PURE_VIRTUAL(UTransactor::Reset, );
	virtual bool CanUndo(FText* Text = nullptr) PURE_VIRTUAL(UTransactor::CanUndo, return false;);
	virtual bool CanRedo(FText* Text = nullptr) PURE_VIRTUAL(UTransactor::CanRedo, return false;);
	virtual bool Undo(bool bCanRedo = true) PURE_VIRTUAL(UTransactor::Undo, return false;);
	virtual bool Redo() PURE_VIRTUAL(UTransactor::Redo, return false;);
	virtual bool IsActive() PURE_VIRTUAL(UTransactor::IsActive, return false;);
	virtual int32 GetQueueLength() const PURE_VIRTUAL(UTransactor::GetQueueLength, return 0;);
	virtual const FTransaction* GetTransaction(int32 QueueIndex) const PURE_VIRTUAL(UTransactor::GetTransaction, return nullptr;);
	virtual FTransactionContext GetUndoContext(bool bCheckWhetherUndoPossible = true) PURE_VIRTUAL(UTransactor::GetUndoContext, return FTransactionContext(););
	virtual FTransactionContext GetRedoContext() PURE_VIRTUAL(UTransactor::GetRedoContext, return FTransactionContext(););
	virtual void SetPrimaryUndoObject(UObject* Object) PURE_VIRTUAL(UTransactor::SetPrimaryUndoObject, );
	virtual bool IsObjectInTransactionBuffer(const UObject* Object) const PURE_VIRTUAL(UTransactor::IsObjectInTransactionBuffer, return false;);
	virtual bool IsObjectTransacting(const UObject* Object) const PURE_VIRTUAL(UTransactor::IsObjectTransacting, return false;);
	virtual bool ContainsPieObjects() const PURE_VIRTUAL(UTransactor::ContainsPieObjects, return false;);

	/** Number of transactions that were undone and can be redone. */
	int32 GetUndoCount() const
	{
		return UndoCount;
	}

protected:
	int32 UndoCount = 0;
};
