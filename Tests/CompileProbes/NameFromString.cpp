// An FString becomes an FName only when asked: FName(*Str). Copy-initialisation does not compile.
#include "CoreMinimal.h"

FName MakeProbeName(const FString& Str)
{
#if PROBE_FAULT
	FName Name = Str;
#else
	FName Name(*Str);
	const FName Literal = TEXT("Literal");
	if (Name.IsNone())
	{
		Name = Literal;
	}
#endif
	return Name;
}
