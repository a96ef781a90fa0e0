#include "Editor/TransBuffer.h"
#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "CoreGlobals.h"

DEFINE_LOG_CATEGORY_STATIC(LogEditorTransaction, Log, All);

#define LOCTEXT_NAMESPACE "TransactionSystem"

// ---------------------------------------------------------------------------------------------------
// FTransaction

FTransaction::FTransaction(const TCHAR* InContext, const FText& InTitle, bool bInFlip)
	: Context(InContext ? InContext : TEXT(""))
	, Title(InTitle)
	, bFlip(bInFlip)
{
}

FTransaction::~FTransaction()
{
	for (FObjectRecord& Record : Records)
	{
		FreeRecord(Record);
	}
}

void FTransaction::FreeRecord(FObjectRecord& Record)
{
	for (FPropertySnapshot& Snapshot : Record.Snapshots)
	{
		Snapshot.Property->TypeOps->Free(Snapshot.Value);
		Snapshot.Value = nullptr;
	}
	Record.Snapshots.Empty();
}

void FTransaction::SaveObject(UObject* Object)
{
	check(Object);
	if (ContainsObject(Object))
	{
		return;
	}
	FObjectRecord& Record = Records.AddDefaulted_GetRef();
	Record.Object = Object;
	Record.RawObject = Object;
	Record.bGarbage = Object->IsGarbage();
	// Every reflected member of the object, as it is before the change.
	for (TFieldIterator<FProperty> It(Object->GetClass()); It; ++It)
	{
		FProperty* Property = *It;
		if (Property->HasAnyPropertyFlags(CPF_NonTransactional) || !Property->TypeOps)
		{
			continue;
		}
		FPropertySnapshot Snapshot;
		Snapshot.Property = Property;
		Snapshot.Value = Property->TypeOps->Clone(Property->ContainerPtrToValuePtr<void>(Object));
		Record.Snapshots.Add(Snapshot);
	}
}

bool FTransaction::IsObjectTransacting(const UObject* Object) const
{
	return ContainsObject(Object);
}

bool FTransaction::ContainsObject(const UObject* Object) const
{
	for (const FObjectRecord& Record : Records)
	{
		if (Record.RawObject == Object && Record.Object.Get(true) == Object)
		{
			return true;
		}
	}
	return false;
}

void FTransaction::SetPrimaryObject(UObject* InObject)
{
	if (!PrimaryObject)
	{
		PrimaryObject = InObject;
	}
}

void FTransaction::SnapshotObject(UObject* Object)
{
}

bool FTransaction::ContainsPieObjects() const
{
	for (const FObjectRecord& Record : Records)
	{
		UObject* Object = Record.Object.Get(true);
		if (Object && Object->GetOutermost() && Object->GetOutermost()->HasAnyPackageFlags(PKG_PlayInEditor))
		{
			return true;
		}
	}
	return false;
}

bool FTransaction::IsTransient() const
{
	return Records.Num() == 0 || ContainsPieObjects();
}

void FTransaction::RemoveRecords(int32 Count)
{
	Count = FMath::Min(Count, Records.Num());
	for (int32 Index = Records.Num() - Count; Index < Records.Num(); ++Index)
	{
		FreeRecord(Records[Index]);
	}
	Records.SetNum(Records.Num() - Count);
}

void FTransaction::GetTransactionObjects(TArray<UObject*>& Objects) const
{
	for (const FObjectRecord& Record : Records)
	{
		if (UObject* Object = Record.Object.Get(true))
		{
			Objects.AddUnique(Object);
		}
	}
}

void FTransaction::Apply()
{
	// Undo walks the records backwards, redo forwards; each pass swaps, so the next pass reverses it.
	const int32 Num = Records.Num();
	const int32 Start = bFlip ? Num - 1 : 0;
	const int32 Step = bFlip ? -1 : 1;
	TArray<UObject*> Changed;
	for (int32 Index = Start; Index >= 0 && Index < Num; Index += Step)
	{
		UObject* Object = Records[Index].Object.Get(true);
		if (Object && !Changed.Contains(Object))
		{
			Object->PreEditUndo();
			Changed.Add(Object);
		}
	}
	for (int32 Index = Start; Index >= 0 && Index < Num; Index += Step)
	{
		FObjectRecord& Record = Records[Index];
		UObject* Object = Record.Object.Get(true);
		if (!Object)
		{
			continue;
		}
		for (FPropertySnapshot& Snapshot : Record.Snapshots)
		{
			Snapshot.Property->TypeOps->SwapValues(Snapshot.Property->ContainerPtrToValuePtr<void>(Object), Snapshot.Value);
		}
		const bool bWasGarbage = Object->IsGarbage();
		if (Record.bGarbage && !bWasGarbage)
		{
			Object->MarkAsGarbage();
		}
		else if (!Record.bGarbage && bWasGarbage)
		{
			Object->ClearGarbage();
		}
		Record.bGarbage = bWasGarbage;
	}
	for (UObject* Object : Changed)
	{
		Object->PostEditUndo();
	}
	bFlip = !bFlip;
}

// ---------------------------------------------------------------------------------------------------
// UTransactor / UTransBuffer

UTransactor::UTransactor(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

UTransBuffer::UTransBuffer(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UTransBuffer::Initialize(SIZE_T InMaxMemory)
{
	MaxMemory = InMaxMemory;
}

int32 UTransBuffer::Begin(const TCHAR* SessionContext, const FText& Description)
{
	const int32 Result = ActiveCount;
	if (ActiveCount++ == 0)
	{
		// A new step drops what was undone before it; kept aside in case the step ends up not recorded.
		RemovedTransactions.Reset();
		RemovedTransactions.Append(UndoBuffer.GetData() + UndoBuffer.Num() - UndoCount, UndoCount);
		UndoBuffer.RemoveAt(UndoBuffer.Num() - UndoCount, UndoCount);
		UndoCount = 0;
		TSharedRef<FTransaction> Transaction = MakeShared<FTransaction>(SessionContext, Description, true);
		UndoBuffer.Add(Transaction);
		GUndo = &Transaction.Get();
		GUndo->BeginOperation();
	}
	const int32 PriorRecordsCount = (Result > 0 ? ActiveRecordCounts[Result - 1] : 0);
	ActiveRecordCounts.Add(UndoBuffer.Last()->GetRecordCount() - PriorRecordsCount);
	return Result;
}

int32 UTransBuffer::End()
{
	if (ActiveCount)
	{
		if (--ActiveCount == 0)
		{
			if (GUndo)
			{
				GUndo->EndOperation();
				if (GUndo->IsTransient())
				{
					DropActiveTransaction();
				}
			}
			GUndo = nullptr;
			RemovedTransactions.Reset();
			UndoBufferChangedDelegate.Broadcast();
		}
		ActiveRecordCounts.Pop();
	}
	return ActiveCount;
}

void UTransBuffer::Cancel(int32 StartIndex)
{
	if (ActiveCount > 0)
	{
		if (StartIndex == 0)
		{
			GUndo = nullptr;
			DropActiveTransaction();
			RemovedTransactions.Reset();
			UndoBufferChangedDelegate.Broadcast();
		}
		else
		{
			int32 RecordsToKeep = 0;
			for (int32 ActiveIndex = 0; ActiveIndex <= StartIndex && ActiveIndex < ActiveRecordCounts.Num(); ++ActiveIndex)
			{
				RecordsToKeep += ActiveRecordCounts[ActiveIndex];
			}
			FTransaction& Transaction = UndoBuffer.Last().Get();
			Transaction.RemoveRecords(Transaction.GetRecordCount() - RecordsToKeep);
		}
		ActiveCount = StartIndex;
		ActiveRecordCounts.SetNum(StartIndex);
	}
}

void UTransBuffer::DropActiveTransaction()
{
	// Gone without a trace: what could be redone before it can be redone again.
	UndoBuffer.Pop();
	UndoBuffer.Append(RemovedTransactions);
	UndoCount = RemovedTransactions.Num();
}

void UTransBuffer::Reset(const FText& Reason)
{
	if (ensureMsgf(ActiveCount == 0, TEXT("Resetting the undo queue while a transaction is open")))
	{
		UndoBuffer.Empty();
		UndoCount = 0;
		ResetReason = Reason;
		ActiveCount = 0;
		ActiveRecordCounts.Empty();
		UndoBufferChangedDelegate.Broadcast();
	}
}

bool UTransBuffer::CanUndo(FText* Text)
{
	if (ActiveCount)
	{
		if (Text)
		{
			*Text = NSLOCTEXT("TransactionSystem", "CantUndoDuringTransaction", "(Can't undo while action is in progress)");
		}
		return false;
	}
	if (UndoBuffer.Num() == UndoCount)
	{
		if (Text)
		{
			*Text = ResetReason.IsEmpty() ? NSLOCTEXT("TransactionSystem", "NothingToUndo", "(Nothing to undo)") : ResetReason;
		}
		return false;
	}
	return true;
}

bool UTransBuffer::CanRedo(FText* Text)
{
	if (ActiveCount)
	{
		if (Text)
		{
			*Text = NSLOCTEXT("TransactionSystem", "CantRedoDuringTransaction", "(Can't redo while action is in progress)");
		}
		return false;
	}
	if (UndoCount == 0)
	{
		if (Text)
		{
			*Text = NSLOCTEXT("TransactionSystem", "NothingToRedo", "(Nothing to redo)");
		}
		return false;
	}
	return true;
}

bool UTransBuffer::Undo(bool bCanRedo)
{
	if (!CanUndo())
	{
		return false;
	}
	GIsTransacting = true;
	FTransaction& Transaction = UndoBuffer[UndoBuffer.Num() - ++UndoCount].Get();
	UE_LOG(LogEditorTransaction, Log, TEXT("Undo %s"), *Transaction.GetTitle().ToString());
	const FTransactionContext Context = Transaction.GetContext();
	Transaction.Apply();
	GIsTransacting = false;
	OnUndoDelegate.Broadcast(Context, true);
	if (!bCanRedo)
	{
		UndoBuffer.RemoveAt(UndoBuffer.Num() - UndoCount, UndoCount);
		UndoCount = 0;
	}
	return true;
}

bool UTransBuffer::Redo()
{
	if (!CanRedo())
	{
		return false;
	}
	GIsTransacting = true;
	FTransaction& Transaction = UndoBuffer[UndoBuffer.Num() - UndoCount--].Get();
	UE_LOG(LogEditorTransaction, Log, TEXT("Redo %s"), *Transaction.GetTitle().ToString());
	const FTransactionContext Context = Transaction.GetContext();
	Transaction.Apply();
	GIsTransacting = false;
	OnRedoDelegate.Broadcast(Context, true);
	return true;
}

bool UTransBuffer::IsActive()
{
	return ActiveCount > 0;
}

int32 UTransBuffer::GetQueueLength() const
{
	return UndoBuffer.Num();
}

const FTransaction* UTransBuffer::GetTransaction(int32 QueueIndex) const
{
	return UndoBuffer.IsValidIndex(QueueIndex) ? &UndoBuffer[QueueIndex].Get() : nullptr;
}

FTransactionContext UTransBuffer::GetUndoContext(bool bCheckWhetherUndoPossible)
{
	FText Reason;
	if (bCheckWhetherUndoPossible && !CanUndo(&Reason))
	{
		return FTransactionContext(FString(), Reason, nullptr);
	}
	const int32 Index = UndoBuffer.Num() - (UndoCount + 1);
	return UndoBuffer.IsValidIndex(Index) ? UndoBuffer[Index]->GetContext() : FTransactionContext();
}

FTransactionContext UTransBuffer::GetRedoContext()
{
	FText Reason;
	if (!CanRedo(&Reason))
	{
		return FTransactionContext(FString(), Reason, nullptr);
	}
	return UndoBuffer[UndoBuffer.Num() - UndoCount]->GetContext();
}

void UTransBuffer::SetPrimaryUndoObject(UObject* Object)
{
	if (ActiveCount && UndoBuffer.Num())
	{
		UndoBuffer.Last()->SetPrimaryObject(Object);
	}
}

bool UTransBuffer::IsObjectInTransactionBuffer(const UObject* Object) const
{
	for (const TSharedRef<FTransaction>& Transaction : UndoBuffer)
	{
		if (Transaction->ContainsObject(Object))
		{
			return true;
		}
	}
	return false;
}

bool UTransBuffer::IsObjectTransacting(const UObject* Object) const
{
	return ActiveCount > 0 && UndoBuffer.Num() > 0 && UndoBuffer.Last()->ContainsObject(Object);
}

bool UTransBuffer::ContainsPieObjects() const
{
	for (const TSharedRef<FTransaction>& Transaction : UndoBuffer)
	{
		if (Transaction->ContainsPieObjects())
		{
			return true;
		}
	}
	return false;
}

#undef LOCTEXT_NAMESPACE
