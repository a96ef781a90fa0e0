#include "ZORFixtureActorStrip.h"

void AZORFixtureActorStrip::OnConstruction(const FTransform& Transform)
{
	Super::OnConstruction(Transform);

	// Strips have no level of their own: Low..Ultra give 32..256 samples.
	const uint8 Index = static_cast<uint8>(QualityIndex);
	BeamSampleCount = 32 << (Index <= static_cast<uint8>(EQualityEpic::Ultra) ? Index : static_cast<uint8>(EQualityEpic::Medium));
}
