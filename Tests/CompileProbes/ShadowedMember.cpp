// Shadowing a member is an error in the engine's builds of plug-in code.
#include "CoreMinimal.h"

class FShadowProbe
{
public:
	int32 Get(int32 Offset) const
	{
#if PROBE_FAULT
		const int32 Value = Offset * 2;
		return Value + Count;
#else
		const int32 Doubled = Offset * 2;
		return Doubled + Value + Count;
#endif
	}

	int32 Value = 0;
	int32 Count = 1;
};
