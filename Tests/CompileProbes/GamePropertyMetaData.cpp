// Property metadata (categories, clamps, display names) is editor-only data: a game has none to read.
#include "CoreMinimal.h"
#include "UObject/UnrealType.h"

FString PropertyMetaDataProbe(const FProperty* Property)
{
#if PROBE_FAULT
	return Property->GetMetaData(TEXT("Category"));
#else
	return Property->GetName();
#endif
}
