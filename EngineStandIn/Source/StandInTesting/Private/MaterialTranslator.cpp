#include "StandInTesting/MaterialTranslator.h"
#include "Materials/MaterialExpression.h"
#include "Materials/MaterialExpressionCustom.h"
#include "Engine/Texture.h"

namespace StandIn
{
	namespace
	{
		FString FloatLiteral(float Value)
		{
			return FString::Printf(TEXT("%.8f"), (double)Value);
		}
	}

	int32 FMaterialTranslator::CompileOutput(UMaterialExpression* Expression, int32 OutputIndex)
	{
		if (!Expression)
		{
			return Error(TEXT("Missing material output"));
		}
		return CallExpression(FMaterialExpressionKey(Expression, OutputIndex), this);
	}

	const FMaterialCode& FMaterialTranslator::GetCode(int32 Code) const
	{
		check(Codes.IsValidIndex(Code));
		return Codes[Code];
	}

	FString FMaterialTranslator::GetHlslType(EMaterialValueType Type)
	{
		switch (Type)
		{
		case MCT_Float:
		case MCT_Float1:
			return TEXT("MaterialFloat");
		case MCT_Float2:
			return TEXT("MaterialFloat2");
		case MCT_Float3:
			return TEXT("MaterialFloat3");
		case MCT_Float4:
			return TEXT("MaterialFloat4");
		case MCT_Texture2D:
			return TEXT("Texture2D");
		case MCT_TextureCube:
			return TEXT("TextureCube");
		case MCT_Texture2DArray:
			return TEXT("Texture2DArray");
		case MCT_VolumeTexture:
			return TEXT("Texture3D");
		default:
			return FString();
		}
	}

	int32 FMaterialTranslator::Error(const TCHAR* Text)
	{
		FMaterialCompileError Entry;
		Entry.Expression = ExpressionStack.Num() > 0 ? ExpressionStack.Last() : nullptr;
		Entry.Message = Text;
		if (Entry.Expression)
		{
			FString NodeName = Entry.Expression->GetClass()->GetName();
			NodeName.RemoveFromStart(TEXT("MaterialExpression"), ESearchCase::CaseSensitive);
			Entry.EditorLine = FString::Printf(TEXT("(Node %s) %s"), *NodeName, Text);
		}
		else
		{
			Entry.EditorLine = Text;
		}
		Errors.Add(Entry);
		return INDEX_NONE;
	}

	int32 FMaterialTranslator::CallExpression(FMaterialExpressionKey ExpressionKey, FMaterialCompiler* InCompiler)
	{
		UMaterialExpression* Expression = ExpressionKey.Expression;
		if (ExpressionStack.Contains(Expression))
		{
			return Error(TEXT("Reentrant expression"));
		}
		ExpressionStack.Push(Expression);
		const int32 Result = Expression->Compile(InCompiler, ExpressionKey.OutputIndex);
		ExpressionStack.Pop();
		return Result;
	}

	EMaterialValueType FMaterialTranslator::GetType(int32 Code)
	{
		return Codes.IsValidIndex(Code) ? Codes[Code].Type : MCT_Unknown;
	}

	int32 FMaterialTranslator::AddCode(const FString& Expression, EMaterialValueType Type, const FString& Sampler)
	{
		FMaterialCode Code;
		Code.Expression = Expression;
		Code.Type = Type;
		Code.Sampler = Sampler;
		return Codes.Add(Code);
	}

	int32 FMaterialTranslator::Constant(float X)
	{
		return AddCode(FString::Printf(TEXT("MaterialFloat(%s)"), *FloatLiteral(X)), MCT_Float1);
	}

	int32 FMaterialTranslator::Constant2(float X, float Y)
	{
		return AddCode(FString::Printf(TEXT("MaterialFloat2(%s,%s)"), *FloatLiteral(X), *FloatLiteral(Y)), MCT_Float2);
	}

	int32 FMaterialTranslator::Constant3(float X, float Y, float Z)
	{
		return AddCode(FString::Printf(TEXT("MaterialFloat3(%s,%s,%s)"), *FloatLiteral(X), *FloatLiteral(Y), *FloatLiteral(Z)), MCT_Float3);
	}

	int32 FMaterialTranslator::Constant4(float X, float Y, float Z, float W)
	{
		return AddCode(FString::Printf(TEXT("MaterialFloat4(%s,%s,%s,%s)"), *FloatLiteral(X), *FloatLiteral(Y), *FloatLiteral(Z), *FloatLiteral(W)), MCT_Float4);
	}

	int32 FMaterialTranslator::Texture(UTexture* InTexture, int32& TextureReferenceIndex, EMaterialSamplerType SamplerType)
	{
		if (!InTexture)
		{
			return Error(TEXT("Requires valid texture"));
		}
		TextureReferenceIndex = ReferencedTextures.AddUnique(InTexture);
		const EMaterialValueType Type = (EMaterialValueType)InTexture->GetMaterialType();
		const FString Name = FString::Printf(TEXT("Material.%s_%d"), Type == MCT_VolumeTexture ? TEXT("VolumeTexture") : TEXT("Texture2D"), TextureReferenceIndex);
		return AddCode(Name, Type, Name + TEXT("Sampler"));
	}

	int32 FMaterialTranslator::CustomExpression(UMaterialExpressionCustom* Custom, int32 OutputIndex, TArray<int32>& CompiledInputs)
	{
		FCustomExpressionRecord Record;
		Record.Code = Custom->Code;
		Record.FunctionName = FString::Printf(TEXT("CustomExpression%d"), CustomExpressions.Num());
		// The node maps its output type; only the float kinds have a function return type here.
		Record.OutputType = (EMaterialValueType)Custom->GetOutputType(OutputIndex);
		if (Record.OutputType != MCT_Float1 && Record.OutputType != MCT_Float2 && Record.OutputType != MCT_Float3 && Record.OutputType != MCT_Float4)
		{
			return Error(TEXT("Custom expression: unsupported output type"));
		}
		Record.OutputHlslType = GetHlslType(Record.OutputType);

		if (CompiledInputs.Num() != Custom->Inputs.Num())
		{
			return Error(TEXT("Custom expression: compiled inputs do not match the inputs"));
		}

		FString ParameterList = TEXT("FMaterialPixelParameters Parameters");
		FString ArgumentList = TEXT("Parameters");
		for (int32 Index = 0; Index < Custom->Inputs.Num(); ++Index)
		{
			const FName InputName = Custom->Inputs[Index].InputName;
			Record.InputNames.Add(InputName);
			Record.CompiledInputs.Add(CompiledInputs[Index]);
			if (InputName.IsNone())
			{
				continue;
			}
			const int32 InputCode = CompiledInputs[Index];
			if (!Codes.IsValidIndex(InputCode))
			{
				return Error(*FString::Printf(TEXT("Custom material %s missing input %d (%s)"), *Custom->Description, Index + 1, *InputName.ToString()));
			}
			const FMaterialCode& Code = Codes[InputCode];
			const FString HlslType = GetHlslType(Code.Type);
			if (HlslType.IsEmpty())
			{
				return Error(*FString::Printf(TEXT("Custom material %s input %s has an unsupported type"), *Custom->Description, *InputName.ToString()));
			}
			FCustomExpressionParameter Parameter;
			Parameter.Name = InputName.ToString();
			Parameter.HlslType = HlslType;
			Parameter.Type = Code.Type;
			Parameter.Argument = Code.Expression;
			Record.Parameters.Add(Parameter);
			ParameterList += FString::Printf(TEXT(", %s %s"), *HlslType, *Parameter.Name);
			ArgumentList += FString::Printf(TEXT(", %s"), *Code.Expression);
			if (Code.Type & MCT_Texture)
			{
				FCustomExpressionParameter SamplerParameter;
				SamplerParameter.Name = Parameter.Name + TEXT("Sampler");
				SamplerParameter.HlslType = TEXT("SamplerState");
				SamplerParameter.Type = Code.Type;
				SamplerParameter.Argument = Code.Sampler;
				Record.Parameters.Add(SamplerParameter);
				ParameterList += FString::Printf(TEXT(", SamplerState %s"), *SamplerParameter.Name);
				ArgumentList += FString::Printf(TEXT(", %s"), *Code.Sampler);
			}
		}

		// A body without a return statement is a single expression.
		FString Body = Custom->Code;
		if (!Body.Contains(TEXT("return")))
		{
			Body = FString::Printf(TEXT("return %s;"), *Body);
		}
		Record.Definition = FString::Printf(TEXT("%s %s(%s)\n{\n%s\n}\n"), *Record.OutputHlslType, *Record.FunctionName, *ParameterList, *Body);
		Record.Call = FString::Printf(TEXT("%s(%s)"), *Record.FunctionName, *ArgumentList);
		CustomExpressions.Add(Record);
		return AddCode(Record.Call, Record.OutputType);
	}
}
