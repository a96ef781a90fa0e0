// Signed and unsigned integers are not compared without a cast.
#include "CoreMinimal.h"

bool SignCompareProbe(int32 Index, uint32 Count)
{
#if PROBE_FAULT
	return Index < Count;
#else
	return Index >= 0 && (uint32)Index < Count;
#endif
}
