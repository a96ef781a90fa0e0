// The material translator: what the engine does when it turns a material's expressions into HLSL,
// as far as the custom-code expression needs. Every call makes a code (an HLSL expression and its
// value type); CustomExpression wraps the custom code in a function of the named inputs and records
// the HLSL that would go to the shader compiler. Errors are kept as the material editor lists them.
#pragma once

#include "CoreMinimal.h"
#include "MaterialCompiler.h"

class UMaterialExpression;

namespace StandIn
{
	struct FMaterialCode
	{
		/** The HLSL expression of the value. */
		FString Expression;
		EMaterialValueType Type = MCT_Float1;
		/** For a texture: the HLSL name of its sampler. */
		FString Sampler;
	};

	/** One parameter of a generated custom-expression function. */
	struct FCustomExpressionParameter
	{
		FString Name;
		/** "MaterialFloat", "MaterialFloat2", ..., "Texture2D", "Texture3D", "SamplerState". */
		FString HlslType;
		EMaterialValueType Type = MCT_Float1;
		/** The argument the call passes (the input's code, or the texture's sampler). */
		FString Argument;
	};

	/** What the translator made of one custom expression. */
	struct FCustomExpressionRecord
	{
		FString FunctionName;
		/** The custom expression's code exactly as it was handed over. */
		FString Code;
		EMaterialValueType OutputType = MCT_Float3;
		FString OutputHlslType;
		/** The parameters after the material parameters, in input order (a texture adds its sampler). */
		TArray<FCustomExpressionParameter> Parameters;
		/** The generated function: "<type> <name>(FMaterialPixelParameters Parameters, ...) { ... }". */
		FString Definition;
		/** "<name>(Parameters, <arguments>)". */
		FString Call;
		/** The input names and compiled codes the custom expression was given, as given. */
		TArray<FName> InputNames;
		TArray<int32> CompiledInputs;
	};

	struct FMaterialCompileError
	{
		UMaterialExpression* Expression = nullptr;
		FString Message;
		/** As the material editor's stats list shows it: "(Node <Caption class>) <Message>". */
		FString EditorLine;
	};

	class FMaterialTranslator : public FMaterialCompiler
	{
	public:
		/** Compiles the expression as the material's output; INDEX_NONE when it failed. */
		int32 CompileOutput(UMaterialExpression* Expression, int32 OutputIndex = 0);

		const TArray<FMaterialCompileError>& GetErrors() const
		{
			return Errors;
		}

		const TArray<FCustomExpressionRecord>& GetCustomExpressions() const
		{
			return CustomExpressions;
		}

		/** The code made for that index (check it is valid). */
		const FMaterialCode& GetCode(int32 Code) const;
		bool IsValidCode(int32 Code) const
		{
			return Codes.IsValidIndex(Code);
		}

		/** "MaterialFloat", "MaterialFloat3", "Texture2D", ... for a value type. */
		static FString GetHlslType(EMaterialValueType Type);

		virtual int32 Error(const TCHAR* Text) override;
		virtual int32 CallExpression(FMaterialExpressionKey ExpressionKey, FMaterialCompiler* InCompiler) override;
		virtual EMaterialValueType GetType(int32 Code) override;
		virtual int32 Constant(float X) override;
		virtual int32 Constant2(float X, float Y) override;
		virtual int32 Constant3(float X, float Y, float Z) override;
		virtual int32 Constant4(float X, float Y, float Z, float W) override;
		virtual int32 Texture(UTexture* InTexture, int32& TextureReferenceIndex, EMaterialSamplerType SamplerType) override;
		virtual int32 CustomExpression(UMaterialExpressionCustom* Custom, int32 OutputIndex, TArray<int32>& CompiledInputs) override;

	private:
		int32 AddCode(const FString& Expression, EMaterialValueType Type, const FString& Sampler = FString());

		TArray<FMaterialCode> Codes;
		TArray<FMaterialCompileError> Errors;
		TArray<FCustomExpressionRecord> CustomExpressions;
		TArray<UMaterialExpression*> ExpressionStack;
		TArray<UTexture*> ReferencedTextures;
	};
}
