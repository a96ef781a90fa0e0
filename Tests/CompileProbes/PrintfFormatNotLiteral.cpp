// FString::Printf takes a TEXT("...") literal as its format, never a string built at run time.
#include "CoreMinimal.h"

FString PrintfProbe(const FString& Format, int32 Value)
{
#if PROBE_FAULT
	return FString::Printf(*Format, Value);
#else
	return FString::Printf(TEXT("%s %d"), *Format, Value);
#endif
}
