#include "ScopedTransaction.h"
#include "Editor.h"

FScopedTransaction::FScopedTransaction(const FText& SessionName, const bool bShouldActuallyTransact)
{
	Construct(TEXT(""), SessionName, nullptr, bShouldActuallyTransact);
}

FScopedTransaction::FScopedTransaction(const TCHAR* TransactionContext, const FText& SessionName, UObject* PrimaryObject, const bool bShouldActuallyTransact)
{
	Construct(TransactionContext, SessionName, PrimaryObject, bShouldActuallyTransact);
}

void FScopedTransaction::Construct(const TCHAR* TransactionContext, const FText& SessionName, UObject* PrimaryObject, const bool bShouldActuallyTransact)
{
	// No transaction while an undo or redo is being applied.
	if (bShouldActuallyTransact && GEditor && ensure(!GIsTransacting))
	{
		Index = GEditor->BeginTransaction(TransactionContext, SessionName, PrimaryObject);
		check(IsOutstanding());
	}
	else
	{
		Index = INDEX_NONE;
	}
}

FScopedTransaction::~FScopedTransaction()
{
	if (IsOutstanding())
	{
		GEditor->EndTransaction();
	}
}

void FScopedTransaction::Cancel()
{
	if (IsOutstanding())
	{
		GEditor->CancelTransaction(Index);
		Index = INDEX_NONE;
	}
}

bool FScopedTransaction::IsOutstanding() const
{
	return Index >= 0;
}
