#include "MaterialExpressionZOR.h"
#include "EdGraph/EdGraphNode.h"
#include "MaterialCompiler.h"
#include "MaterialValueType.h"
#include "Serialization/StructuredArchiveAdapters.h"
#include "UObject/Package.h"
#include "UObject/RenderingObjectVersion.h"
#include "UObject/UnrealType.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

UMaterialExpressionZOR::UMaterialExpressionZOR(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, OutputType(CMOT_Float3)
	, PrismType(PrismEditor)
{
#if WITH_EDITORONLY_DATA
	static const FText ZORCategory = LOCTEXT("ZOR", "ZOR");
	MenuCategories.Add(ZORCategory);
#endif
}

void UMaterialExpressionZOR::Serialize(FStructuredArchive::FRecord Record)
{
	Super::Serialize(Record);
	Record.GetUnderlyingArchive().UsingCustomVersion(FRenderingObjectVersion::GUID);
}

void UMaterialExpressionZOR::Serialize(FArchive& Ar)
{
	FStructuredArchiveFromArchive Structured(Ar);
	Super::Serialize(Structured.GetSlot().EnterRecord());
	Ar.UsingCustomVersion(FRenderingObjectVersion::GUID);
}

#if WITH_EDITOR
void UMaterialExpressionZOR::PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent)
{
	Super::PostEditChangeProperty(PropertyChangedEvent);

	if (!PropertyChangedEvent.MemberProperty)
	{
		return;
	}

	// The details panel gives a new array entry this placeholder name; it must not reach the shader.
	static const FName PlaceholderName(TEXT("DEFAULT_DO_NOT_USE"));
	for (FCustomInput& Entry : Inputs)
	{
		if (Entry.InputName == PlaceholderName)
		{
			Entry.InputName = NAME_None;
		}
	}

	if (GraphNode)
	{
		GraphNode->ReconstructNode();
	}

	OnPropertyEdited.Broadcast();
}

int32 UMaterialExpressionZOR::Compile(FMaterialCompiler* Compiler, int32 OutputIndex)
{
	InnerCustomExpression = NewObject<UMaterialExpressionCustom>(GetTransientPackage());

	switch (PrismType)
	{
	case PrismEditor:
		Code = GetPrismEditorCode();
		break;
	case Light:
		Code = GetLightCode();
		break;
	case Beam:
		Code = GetBeamCode();
		break;
	case RT:
		Code = GetRTCode();
		break;
	case Other:
		Code = TEXT("1");
		break;
	default:
		Code = GetOtherCode();
		break;
	}

	InnerCustomExpression->Inputs = Inputs;
	InnerCustomExpression->OutputType = CMOT_Float3;
	InnerCustomExpression->Code = Code;

	TArray<int32> CompiledInputs;
	for (int32 InputIndex = 0; InputIndex < InnerCustomExpression->Inputs.Num(); ++InputIndex)
	{
		FCustomInput& Entry = InnerCustomExpression->Inputs[InputIndex];
		if (Entry.InputName.IsNone())
		{
			CompiledInputs.Add(INDEX_NONE);
			continue;
		}
		if (!Entry.Input.GetTracedInput().Expression)
		{
			return Compiler->Errorf(TEXT("%s missing input %d (%s)"), *Description, InputIndex, *Entry.InputName.ToString());
		}
		const int32 InputCode = Entry.Input.Compile(Compiler);
		if (InputCode < 0)
		{
			return InputCode;
		}
		CompiledInputs.Add(InputCode);
	}

	return Compiler->CustomExpression(InnerCustomExpression, OutputIndex, CompiledInputs);
}

TArrayView<FExpressionInput*> UMaterialExpressionZOR::GetInputsView()
{
	InputPointers.Empty();
	for (FCustomInput& Entry : Inputs)
	{
		InputPointers.Add(&Entry.Input);
	}
	return InputPointers;
}

FExpressionInput* UMaterialExpressionZOR::GetInput(int32 InputIndex)
{
	if (InputIndex >= 0 && InputIndex < Inputs.Num())
	{
		return &Inputs[InputIndex].Input;
	}
	return nullptr;
}

FName UMaterialExpressionZOR::GetInputName(int32 InputIndex) const
{
	if (InputIndex >= 0 && InputIndex < Inputs.Num())
	{
		return Inputs[InputIndex].InputName;
	}
	return NAME_None;
}

uint32 UMaterialExpressionZOR::GetInputType(int32 InputIndex)
{
	return MCT_Unknown;
}

uint32 UMaterialExpressionZOR::GetOutputType(int32 OutputIndex)
{
	return MCT_Unknown;
}

void UMaterialExpressionZOR::GetCaption(TArray<FString>& OutCaptions) const
{
	if (!Description.IsEmpty())
	{
		OutCaptions.Add(Description);
	}
	else
	{
		OutCaptions.Add(TEXT("ZOR"));
	}
}
#endif

#undef LOCTEXT_NAMESPACE
