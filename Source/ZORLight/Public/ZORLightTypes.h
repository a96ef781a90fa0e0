#pragma once

#include "CoreMinimal.h"
#include "ZORLightTypes.generated.h"

/** Quality of the volumetric beams; each step doubles the ray-march samples (32, 64, 128, 256). */
UENUM(BlueprintType)
enum class EQualityEpic : uint8
{
	Low = 0 UMETA(DisplayName = "Low"),
	Medium = 1 UMETA(DisplayName = "Medium"),
	High = 2 UMETA(DisplayName = "High"),
	Ultra = 3 UMETA(DisplayName = "Ultra")
};
