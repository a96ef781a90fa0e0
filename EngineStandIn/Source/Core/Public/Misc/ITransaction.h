// ITransaction: the undo transaction being recorded (GUndo). UObject::Modify saves objects into it.
#pragma once

#include "HAL/Platform.h"

class UObject;

class ITransaction
{
public:
	virtual ~ITransaction() = default;

	/** Records the object's current state so that undo can restore it. */
	virtual void SaveObject(UObject* Object) = 0;
	/** Whether the object was already saved into this transaction. */
	virtual bool IsObjectTransacting(const UObject* Object) const = 0;

	virtual void SetPrimaryObject(UObject* Object) { (void)Object; }
	virtual void SnapshotObject(UObject* Object) { (void)Object; }
	virtual bool ContainsPieObjects() const { return false; }
	/** A transaction that recorded nothing (or only play-in-editor objects) is not put in the undo buffer. */
	virtual bool IsTransient() const = 0;
	virtual void Apply() {}
	virtual void Finalize() {}
	virtual void BeginOperation() {}
	virtual void EndOperation() {}
};
