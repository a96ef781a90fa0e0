// Structured archives: a record/slot view over an FArchive. Only the binary form exists here, in which
// a record and its slots write straight to the underlying archive.
#pragma once

#include "CoreMinimal.h"
#include "Serialization/Archive.h"

class FStructuredArchiveRecord;

class CORE_API FStructuredArchiveSlot
{
public:
	explicit FStructuredArchiveSlot(FArchive& InAr)
		: Ar(&InAr)
	{
	}

	FArchive& GetUnderlyingArchive() const
	{
		return *Ar;
	}

	FStructuredArchiveRecord EnterRecord();

private:
	FArchive* Ar;
};

class CORE_API FStructuredArchiveRecord
{
public:
	explicit FStructuredArchiveRecord(FArchive& InAr)
		: Ar(&InAr)
	{
	}

	FArchive& GetUnderlyingArchive() const
	{
		return *Ar;
	}

private:
	FArchive* Ar;
};

inline FStructuredArchiveRecord FStructuredArchiveSlot::EnterRecord()
{
	return FStructuredArchiveRecord(*Ar);
}

class CORE_API FStructuredArchive
{
public:
	typedef FStructuredArchiveSlot FSlot;
	typedef FStructuredArchiveRecord FRecord;

	explicit FStructuredArchive(FArchive& InAr)
		: Ar(&InAr)
	{
	}

	FStructuredArchiveSlot Open()
	{
		return FStructuredArchiveSlot(*Ar);
	}

	void Close()
	{
	}

	FArchive& GetUnderlyingArchive() const
	{
		return *Ar;
	}

private:
	FArchive* Ar;
};
