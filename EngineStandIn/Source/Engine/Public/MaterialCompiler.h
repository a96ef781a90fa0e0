// The interface a material expression compiles against. The engine's translator turns each call into
// HLSL and returns a code index for the value it made; errors are reported against the expression
// being compiled.
#pragma once

#include "CoreMinimal.h"
#include "MaterialValueType.h"
#include "Engine/EngineTypes.h"

class UMaterialExpression;
class UMaterialExpressionCustom;
class UTexture;

struct FMaterialExpressionKey
{
	UMaterialExpression* Expression = nullptr;
	int32 OutputIndex = 0;

	FMaterialExpressionKey(UMaterialExpression* InExpression, int32 InOutputIndex)
		: Expression(InExpression)
		, OutputIndex(InOutputIndex)
	{
	}
};

class ENGINE_API FMaterialCompiler
{
public:
	virtual ~FMaterialCompiler() = default;

	/** Reports an error against the expression being compiled; returns INDEX_NONE. */
	virtual int32 Error(const TCHAR* Text) = 0;

	template<typename FmtType, typename... ArgTypes>
	int32 Errorf(const FmtType& Format, ArgTypes... Args)
	{
		return Error(*FString::Printf(Format, Args...));
	}

	virtual int32 CallExpression(FMaterialExpressionKey ExpressionKey, FMaterialCompiler* InCompiler) = 0;

	virtual EMaterialValueType GetType(int32 Code) = 0;

	virtual int32 Constant(float X) = 0;
	virtual int32 Constant2(float X, float Y) = 0;
	virtual int32 Constant3(float X, float Y, float Z) = 0;
	virtual int32 Constant4(float X, float Y, float Z, float W) = 0;

	virtual int32 Texture(UTexture* InTexture, int32& TextureReferenceIndex, EMaterialSamplerType SamplerType) = 0;

	/** Wraps the custom expression's code in a function of its named inputs and calls it. */
	virtual int32 CustomExpression(UMaterialExpressionCustom* Custom, int32 OutputIndex, TArray<int32>& CompiledInputs) = 0;
};
