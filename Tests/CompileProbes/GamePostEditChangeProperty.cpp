// PostEditChangeProperty is editor-only: a packaged game has nothing to override.
#include "CoreMinimal.h"
#include "GameFramework/Actor.h"

class AProbeActor : public AActor
{
public:
#if PROBE_FAULT
	virtual void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent) override
	{
	}
#else
	virtual void OnConstruction(const FTransform& Transform) override
	{
	}
#endif
};

AActor* PostEditChangeProbe()
{
	return nullptr;
}
