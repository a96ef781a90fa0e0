// An FString becomes an FText only through FText::FromString (or AsCultureInvariant).
#include "CoreMinimal.h"

FText TextProbe(const FString& Str)
{
#if PROBE_FAULT
	FText Text = Str;
#else
	FText Text = FText::FromString(Str);
#endif
	return Text;
}
