#include "ZORFixtureActor.h"

void AZORFixtureActor::OnConstruction(const FTransform& Transform)
{
	Super::OnConstruction(Transform);

	// The level is the sample count itself, so a hand-set level between the four steps still works.
	BeamSampleCount = FMath::Max(1, FMath::RoundToInt(QualityLevel));
}
