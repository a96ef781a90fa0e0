// Adapters between plain and structured archives.
#pragma once

#include "Serialization/StructuredArchive.h"

/** A structured view of a plain archive: its root slot writes to the archive. */
class CORE_API FStructuredArchiveFromArchive
{
public:
	explicit FStructuredArchiveFromArchive(FArchive& InAr)
		: Structured(InAr)
		, Root(Structured.Open())
	{
	}

	FStructuredArchiveFromArchive(const FStructuredArchiveFromArchive&) = delete;
	FStructuredArchiveFromArchive& operator=(const FStructuredArchiveFromArchive&) = delete;

	FStructuredArchiveSlot GetSlot()
	{
		return Root;
	}

private:
	FStructuredArchive Structured;
	FStructuredArchiveSlot Root;
};
