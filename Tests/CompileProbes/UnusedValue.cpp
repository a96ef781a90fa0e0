// A computed value that nothing uses is a mistake the build refuses.
#include "CoreMinimal.h"

int32 UnusedValueProbe(int32 A, int32 B)
{
#if PROBE_FAULT
	A + B;
	return A;
#else
	return A + B;
#endif
}
