// The custom-code expression: HLSL written by the user, called with the node's named inputs.
#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialExpression.h"
#include "MaterialExpressionCustom.generated.h"

UENUM()
enum ECustomMaterialOutputType
{
	CMOT_Float1,
	CMOT_Float2,
	CMOT_Float3,
	CMOT_Float4,
	CMOT_MaterialAttributes,
	CMOT_MAX,
};

USTRUCT()
struct FCustomInput
{
	GENERATED_BODY()

	UPROPERTY(EditAnywhere, Category = CustomInput)
	FName InputName;

	UPROPERTY()
	FExpressionInput Input;
};

// MinimalAPI: its virtuals are reached through the base; its constructor stays inside the module.
UCLASS(collapsecategories, hidecategories = Object, MinimalAPI)
class UMaterialExpressionCustom : public UMaterialExpression
{
	GENERATED_BODY()

public:
	UMaterialExpressionCustom(const FObjectInitializer& ObjectInitializer);

	UPROPERTY(EditAnywhere, Category = MaterialExpressionCustom, meta = (MultiLine = "true"))
	FString Code;

	UPROPERTY(EditAnywhere, Category = MaterialExpressionCustom)
	TEnumAsByte<ECustomMaterialOutputType> OutputType;

	UPROPERTY(EditAnywhere, Category = MaterialExpressionCustom)
	FString Description;

	UPROPERTY(EditAnywhere, Category = MaterialExpressionCustom)
	TArray<FCustomInput> Inputs;

#if WITH_EDITOR
	ENGINE_API virtual int32 Compile(FMaterialCompiler* Compiler, int32 OutputIndex) override;
	ENGINE_API virtual void GetCaption(TArray<FString>& OutCaptions) const override;
	ENGINE_API virtual TArrayView<FExpressionInput*> GetInputsView() override;
	ENGINE_API virtual FExpressionInput* GetInput(int32 InputIndex) override;
	ENGINE_API virtual FName GetInputName(int32 InputIndex) const override;
	ENGINE_API virtual uint32 GetInputType(int32 InputIndex) override;
	ENGINE_API virtual uint32 GetOutputType(int32 OutputIndex) override;
#endif

private:
	TArray<FExpressionInput*> InputPointers;
};
