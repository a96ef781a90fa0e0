#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialExpression.h"
#include "Materials/MaterialExpressionCustom.h"
#include "MaterialExpressionZOR.generated.h"

/** Which shader-code template the node injects into the material. */
UENUM()
enum EPrismOutputType
{
	PrismEditor UMETA(DisplayName = "PrismEditor"),
	Light UMETA(DisplayName = "Light"),
	Beam UMETA(DisplayName = "Beam"),
	RT UMETA(DisplayName = "RT"),
	Other UMETA(DisplayName = "Other"),
};

DECLARE_MULTICAST_DELEGATE(FOnMaterialExpressionZOREdited);

/**
 * A material graph node that compiles one of the plug-in's beam, light and prism shader templates
 * through the engine's custom-code expression. The templates read the node's inputs by name.
 */
UCLASS(HideCategories = Object)
class ZORLIGHTEDITOR_API UMaterialExpressionZOR : public UMaterialExpression
{
	GENERATED_BODY()

public:
	UMaterialExpressionZOR(const FObjectInitializer& ObjectInitializer);

	/** The shader text handed to the custom expression; every Compile rewrites it. */
	UPROPERTY()
	FString Code;

	/** Kept for the asset; the compiled output is always float3. */
	UPROPERTY(EditAnywhere, Category = "MaterialExpressionZOR")
	TEnumAsByte<ECustomMaterialOutputType> OutputType;

	UPROPERTY(EditAnywhere, Category = "MaterialExpressionZOR")
	TEnumAsByte<EPrismOutputType> PrismType;

	/** Caption of the node when set. */
	UPROPERTY(EditAnywhere, Category = "MaterialExpressionZOR")
	FString Description;

	/** Named inputs; the template reads each by its name. */
	UPROPERTY(EditAnywhere, Category = "MaterialExpressionZOR")
	TArray<FCustomInput> Inputs;

	FOnMaterialExpressionZOREdited OnPropertyEdited;

	/** The custom expression made by the last Compile; the material owns nothing through it. */
	UMaterialExpressionCustom* InnerCustomExpression = nullptr;

	TArray<FExpressionInput*> InputPointers;

	virtual void Serialize(FStructuredArchive::FRecord Record) override;
	virtual void Serialize(FArchive& Ar) override;

#if WITH_EDITOR
	virtual void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent) override;
	virtual int32 Compile(FMaterialCompiler* Compiler, int32 OutputIndex) override;
	virtual TArrayView<FExpressionInput*> GetInputsView() override;
	virtual FExpressionInput* GetInput(int32 InputIndex) override;
	virtual FName GetInputName(int32 InputIndex) const override;
	virtual uint32 GetInputType(int32 InputIndex) override;
	virtual uint32 GetOutputType(int32 OutputIndex) override;
	virtual void GetCaption(TArray<FString>& OutCaptions) const override;
#endif

	FString GetBeamCode();
	FString GetLightCode();
	FString GetOtherCode();
	FString GetPrismEditorCode();
	FString GetRTCode();
};
