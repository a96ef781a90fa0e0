#pragma once

#include "CoreMinimal.h"
#include "GameFramework/Actor.h"
#include "ZORFixtureActorBase.generated.h"

/**
 * Common base of the plug-in's fixtures. Holds the fixture's own light values, its copy of the
 * project's scene settings (fog, wind and light limits) and what construction derives from both.
 */
UCLASS()
class ZORLIGHT_API AZORFixtureActorBase : public AActor
{
	GENERATED_BODY()

public:
	/** Copies the fog, wind and light values of the project's "ZORLightSettings.ini" into this actor. */
	UFUNCTION(BlueprintCallable, Category = "ZORLight")
	void SetNoiseSettings();

	virtual void OnConstruction(const FTransform& Transform) override;

	/** Intensity of the fixture's light before the scene's scale and limit. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "ZORLight|Light", meta = (ClampMin = "0.0"))
	float LightIntensity = 1000.0f;

	/** Reach of the fixture's light before the scene's limit. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "ZORLight|Light", meta = (ClampMin = "0.0"))
	float LightDistance = 1000.0f;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "ZORLight|Light", meta = (ClampMin = "0.0"))
	float BeamIntensity = 1.0f;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	float SmokeIntensity = 0.75f;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	bool bUseSmoke = true;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	float SmokeScale = 2.0f;

	/** Degrees. */
	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	float WindDirection = 45.0f;

	/** Degrees. */
	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	float WindElevation = 20.0f;

	/** km/h. */
	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	float WindSpeed = 2.5f;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	float LightIntensityMax = 2000.0f;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	float LightDistanceMax = 1000.0f;

	/** Kelvin. */
	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	float LightColorTemp = 6500.0f;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	float SpotlightIntensityScale = 1.0f;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	float BeamIntensityScale = 1.0f;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	bool bLightCastShadow = true;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	bool bUseDynamicOcclusion = true;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "ZORLight|Scene")
	bool bDisableLights = false;

	/** Light intensity as rendered: scaled, limited to the scene's maximum, zero while lights are off. */
	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Transient, Category = "ZORLight|Output")
	float EffectiveLightIntensity = 0.0f;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Transient, Category = "ZORLight|Output")
	float EffectiveLightDistance = 0.0f;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Transient, Category = "ZORLight|Output")
	float EffectiveBeamIntensity = 0.0f;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Transient, Category = "ZORLight|Output")
	bool bEffectiveCastShadow = false;

	/** Volumetric fog density of the beam; zero when the scene has no smoke. */
	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Transient, Category = "ZORLight|Output")
	float EffectiveSmokeIntensity = 0.0f;

	/** Ray-march samples through the beam volume, set by the fixture class from its quality. */
	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Transient, Category = "ZORLight|Output")
	int32 BeamSampleCount = 64;
};
