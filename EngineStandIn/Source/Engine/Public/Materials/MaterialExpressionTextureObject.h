// A texture as a value: passed whole (with its sampler) to expressions that sample it themselves.
#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialExpression.h"
#include "Engine/EngineTypes.h"
#include "MaterialExpressionTextureObject.generated.h"

class UTexture;

UCLASS(collapsecategories, hidecategories = Object)
class ENGINE_API UMaterialExpressionTextureObject : public UMaterialExpression
{
	GENERATED_BODY()

public:
	UMaterialExpressionTextureObject(const FObjectInitializer& ObjectInitializer);

	UPROPERTY(EditAnywhere, Category = MaterialExpressionTextureBase)
	TObjectPtr<UTexture> Texture;

#if WITH_EDITOR
	virtual int32 Compile(FMaterialCompiler* Compiler, int32 OutputIndex) override;
	virtual uint32 GetOutputType(int32 OutputIndex) override;
#endif
};
