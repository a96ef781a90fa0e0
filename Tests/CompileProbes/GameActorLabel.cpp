// Actor labels are editor-only: a packaged game has no GetActorLabel.
#include "CoreMinimal.h"
#include "GameFramework/Actor.h"

FString ActorLabelProbe(const AActor* Actor)
{
#if PROBE_FAULT
	return Actor->GetActorLabel();
#else
	return Actor->GetName();
#endif
}
