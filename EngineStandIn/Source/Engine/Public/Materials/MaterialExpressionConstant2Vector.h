#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialExpression.h"
#include "MaterialExpressionConstant2Vector.generated.h"

UCLASS(collapsecategories, hidecategories = Object)
class ENGINE_API UMaterialExpressionConstant2Vector : public UMaterialExpression
{
	GENERATED_BODY()

public:
	UMaterialExpressionConstant2Vector(const FObjectInitializer& ObjectInitializer);

	UPROPERTY(EditAnywhere, Category = MaterialExpressionConstant2Vector)
	float R = 0.0f;

	UPROPERTY(EditAnywhere, Category = MaterialExpressionConstant2Vector)
	float G = 0.0f;

#if WITH_EDITOR
	virtual int32 Compile(FMaterialCompiler* Compiler, int32 OutputIndex) override;
	virtual uint32 GetOutputType(int32 OutputIndex) override;
#endif
};
