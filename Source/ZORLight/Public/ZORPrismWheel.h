#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "ZORPrismWheel.generated.h"

/** One facette of a prism wheel: a circle on the unit canvas (disc centre at 0.5, 0.5). */
USTRUCT(BlueprintType)
struct ZORLIGHT_API FPrismWheelFacette
{
	GENERATED_BODY()

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Facette", meta = (ClampMin = "0.0", ClampMax = "1.0"))
	double X = 0.5;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Facette", meta = (ClampMin = "0.0", ClampMax = "1.0"))
	double Y = 0.5;

	/** In canvas widths. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Facette", meta = (ClampMin = "0.0", ClampMax = "0.5"))
	float Radius = 0.05f;
};

/** A prism wheel: circular facettes on a disc of diameter one that split the beam. */
UCLASS(BlueprintType)
class ZORLIGHT_API UZORPrismWheel : public UObject
{
	GENERATED_BODY()

public:
	/**
	 * Number of facettes that "Generate" places on a ring. The upper clamp only guards against a runaway
	 * allocation; the slider stops at 64, typed counts go up to 1000.
	 */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "FastGenerate", meta = (ClampMin = "0", ClampMax = "1000", UIMin = "0", UIMax = "64"))
	int32 FacetteCount = 6;

	/** Facette diameter in canvas widths. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "PrismSettings", meta = (ClampMin = "0.01", ClampMax = "1.0"))
	float FacetteSize = 0.2f;

	/** A size change applies to every facette, not only to the selected ones. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "PrismSettings")
	bool bSameSize = true;

	/** Edited on the facette canvas; the raw array stays in the details panel's advanced section. */
	UPROPERTY(EditAnywhere, AdvancedDisplay, BlueprintReadWrite, Category = "PrismSettings")
	TArray<FPrismWheelFacette> Facettes;

	/** Indices into Facettes of the facettes selected on the canvas. */
	UPROPERTY(VisibleAnywhere, AdvancedDisplay, BlueprintReadOnly, Category = "PrismSettings")
	TSet<int32> SelectedCircles;

	/** Share of the beam's intensity that each facette adds to the split beams. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "PrismSettings", meta = (ClampMin = "0.0", ClampMax = "1.0"))
	float BeamAdd = 0.0f;

	/** Distance of the facette centres from the disc centre, in canvas widths. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "RadialArrange", meta = (ClampMin = "0.0", ClampMax = "0.5"))
	float Radius = 0.3f;

	/**
	 * Angle of the first facette in degrees, measured from the +X axis; the others follow at even steps
	 * towards +Y. The canvas draws Y downwards, so a growing angle turns clockwise on screen.
	 */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "RadialArrange", meta = (ClampMin = "0.0", ClampMax = "360.0"))
	float Angles = 0.0f;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "MatrixArrange", meta = (ClampMin = "1", ClampMax = "16"))
	int32 Cols = 3;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "MatrixArrange", meta = (ClampMin = "1", ClampMax = "16"))
	int32 Rows = 3;

	/** Distance between neighbouring columns, in canvas widths. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "MatrixArrange", meta = (ClampMin = "0.0", ClampMax = "1.0"))
	float ColSpacing = 0.2f;

	/** Distance between neighbouring rows, in canvas widths. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "MatrixArrange", meta = (ClampMin = "0.0", ClampMax = "1.0"))
	float RowSpacing = 0.2f;

	/** Spreads the selected facettes evenly on a circle of Radius about the disc centre, starting at Angles degrees. */
	UFUNCTION(BlueprintCallable, Category = "RadialArrange")
	void UpdateSelectedCirclesRadial();

	/** Lays the selected facettes out row by row on a Cols x Rows grid centred on the disc centre. */
	UFUNCTION(BlueprintCallable, Category = "MatrixArrange")
	void UpdateSelectedCirclesMatrix();

private:
	/** The selected indices that name a facette, ascending, so a layout does not depend on the set's order. */
	TArray<int32> GetValidSelectionSorted() const;
};
