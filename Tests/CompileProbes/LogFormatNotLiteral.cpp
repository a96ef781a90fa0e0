// UE_LOG takes a TEXT("...") literal as its format, never a string built at run time.
#include "CoreMinimal.h"

void LogProbe(const FString& Message)
{
#if PROBE_FAULT
	UE_LOG(LogTemp, Log, *Message);
#else
	UE_LOG(LogTemp, Log, TEXT("%s"), *Message);
#endif
}
