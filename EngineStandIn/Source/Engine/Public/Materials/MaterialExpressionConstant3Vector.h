#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialExpression.h"
#include "MaterialExpressionConstant3Vector.generated.h"

UCLASS(collapsecategories, hidecategories = Object)
class ENGINE_API UMaterialExpressionConstant3Vector : public UMaterialExpression
{
	GENERATED_BODY()

public:
	UMaterialExpressionConstant3Vector(const FObjectInitializer& ObjectInitializer);

	UPROPERTY(EditAnywhere, Category = MaterialExpressionConstant3Vector)
	FLinearColor Constant;

#if WITH_EDITOR
	virtual int32 Compile(FMaterialCompiler* Compiler, int32 OutputIndex) override;
	virtual uint32 GetOutputType(int32 OutputIndex) override;
#endif
};
