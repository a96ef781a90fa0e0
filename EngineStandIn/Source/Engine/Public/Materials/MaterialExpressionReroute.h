// A reroute node: passes its one input through unchanged, to tidy the wires of a graph.
#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialExpression.h"
#include "MaterialExpressionReroute.generated.h"

UCLASS(collapsecategories, hidecategories = Object)
class ENGINE_API UMaterialExpressionReroute : public UMaterialExpression
{
	GENERATED_BODY()

public:
	UMaterialExpressionReroute(const FObjectInitializer& ObjectInitializer);

	UPROPERTY()
	FExpressionInput Input;

#if WITH_EDITOR
	/** The input that really feeds this reroute, through any chain of reroutes. */
	FExpressionInput TraceInputsToRealInput() const;

	virtual int32 Compile(FMaterialCompiler* Compiler, int32 OutputIndex) override;
	virtual TArrayView<FExpressionInput*> GetInputsView() override;
	virtual FExpressionInput* GetInput(int32 InputIndex) override;
	virtual FName GetInputName(int32 InputIndex) const override;
#endif

private:
	TArray<FExpressionInput*> InputPointers;
};
