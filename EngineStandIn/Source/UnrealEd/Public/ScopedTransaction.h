// FScopedTransaction: an editor transaction that lasts as long as the object.
#pragma once

#include "CoreMinimal.h"

class UObject;

class [[nodiscard]] FScopedTransaction
{
public:
	UNREALED_API FScopedTransaction(const FText& SessionName, const bool bShouldActuallyTransact = true);
	UNREALED_API FScopedTransaction(const TCHAR* TransactionContext, const FText& SessionName, UObject* PrimaryObject, const bool bShouldActuallyTransact = true);
	UNREALED_API ~FScopedTransaction();

	FScopedTransaction(const FScopedTransaction&) = delete;
	FScopedTransaction& operator=(const FScopedTransaction&) = delete;

	/** Drops the transaction: it will not be recorded. */
	UNREALED_API void Cancel();

	/** True while the transaction is open. */
	UNREALED_API bool IsOutstanding() const;

private:
	void Construct(const TCHAR* TransactionContext, const FText& SessionName, UObject* PrimaryObject, const bool bShouldActuallyTransact);

	int32 Index = INDEX_NONE;
};
