// A material expression's input: the expression and output it is connected to.
#pragma once

#include "CoreMinimal.h"

class UMaterialExpression;
class FMaterialCompiler;

// The graph's wiring is editor data: a cooked game keeps only the compiled shaders.
struct ENGINE_API FExpressionInput
{
#if WITH_EDITORONLY_DATA
	/** The expression this input is connected to, or null when unconnected. */
	UMaterialExpression* Expression = nullptr;
#endif
	int32 OutputIndex = 0;
	FName InputName;
	int32 Mask = 0;
	int32 MaskR = 0;
	int32 MaskG = 0;
	int32 MaskB = 0;
	int32 MaskA = 0;

	FExpressionInput() = default;

#if WITH_EDITOR
	/** Compiles the connected expression's output; INDEX_NONE when nothing is connected. */
	int32 Compile(FMaterialCompiler* Compiler);

	/** The input with reroute nodes followed to the expression that really feeds it. */
	FExpressionInput GetTracedInput() const;

	void Connect(int32 InOutputIndex, UMaterialExpression* InExpression);

	bool IsConnected() const
	{
		return Expression != nullptr;
	}
#endif
};
