#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialExpression.h"
#include "MaterialExpressionConstant.generated.h"

UCLASS(collapsecategories, hidecategories = Object)
class ENGINE_API UMaterialExpressionConstant : public UMaterialExpression
{
	GENERATED_BODY()

public:
	UMaterialExpressionConstant(const FObjectInitializer& ObjectInitializer);

	UPROPERTY(EditAnywhere, Category = MaterialExpressionConstant)
	float R = 0.0f;

#if WITH_EDITOR
	virtual int32 Compile(FMaterialCompiler* Compiler, int32 OutputIndex) override;
	virtual uint32 GetOutputType(int32 OutputIndex) override;
#endif
};
