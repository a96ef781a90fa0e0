// A string argument of a printf-style format is passed as *Str, never as the FString itself.
#include "CoreMinimal.h"

FString FormatArgProbe(const FString& Name)
{
#if PROBE_FAULT
	return FString::Printf(TEXT("Name %s"), Name);
#else
	return FString::Printf(TEXT("Name %s"), *Name);
#endif
}
