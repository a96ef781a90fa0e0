#include "Materials/MaterialExpression.h"
#include "Materials/MaterialExpressionCustom.h"
#include "Materials/MaterialExpressionReroute.h"
#include "Materials/MaterialExpressionConstant.h"
#include "Materials/MaterialExpressionConstant2Vector.h"
#include "Materials/MaterialExpressionConstant3Vector.h"
#include "Materials/MaterialExpressionTextureObject.h"
#include "Engine/Texture.h"
#include "Engine/Texture2D.h"
#include "Engine/VolumeTexture.h"
#include "MaterialCompiler.h"
#include "UObject/UnrealType.h"

// FExpressionInput

#if WITH_EDITOR
int32 FExpressionInput::Compile(FMaterialCompiler* Compiler)
{
	if (!Expression)
	{
		return INDEX_NONE;
	}
	return Compiler->CallExpression(FMaterialExpressionKey(Expression, OutputIndex), Compiler);
}

FExpressionInput FExpressionInput::GetTracedInput() const
{
	if (const UMaterialExpressionReroute* Reroute = Cast<UMaterialExpressionReroute>(Expression))
	{
		return Reroute->TraceInputsToRealInput();
	}
	return *this;
}

void FExpressionInput::Connect(int32 InOutputIndex, UMaterialExpression* InExpression)
{
	OutputIndex = InOutputIndex;
	Expression = InExpression;
}
#endif

// UMaterialExpression

UMaterialExpression::UMaterialExpression(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

UMaterialExpression::~UMaterialExpression() = default;

void UMaterialExpression::Serialize(FStructuredArchive::FRecord Record)
{
	Super::Serialize(Record);
}

#if WITH_EDITOR
int32 UMaterialExpression::Compile(FMaterialCompiler* Compiler, int32 OutputIndex)
{
	return Compiler->Errorf(TEXT("Missing Material Expression Compile() for %s"), *GetClass()->GetName());
}

void UMaterialExpression::GetCaption(TArray<FString>& OutCaptions) const
{
	FString Name = GetClass()->GetName();
	Name.RemoveFromStart(TEXT("MaterialExpression"));
	OutCaptions.Add(Name);
}

TArrayView<FExpressionInput*> UMaterialExpression::GetInputsView()
{
	return TArrayView<FExpressionInput*>();
}

FExpressionInput* UMaterialExpression::GetInput(int32 InputIndex)
{
	return nullptr;
}

FName UMaterialExpression::GetInputName(int32 InputIndex) const
{
	return NAME_None;
}

uint32 UMaterialExpression::GetInputType(int32 InputIndex)
{
	return MCT_Float;
}

uint32 UMaterialExpression::GetOutputType(int32 OutputIndex)
{
	return MCT_Float;
}

void UMaterialExpression::PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent)
{
	Super::PostEditChangeProperty(PropertyChangedEvent);
}
#endif

// UMaterialExpressionCustom

UMaterialExpressionCustom::UMaterialExpressionCustom(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
	Description = TEXT("Custom");
	Code = TEXT("1");
	OutputType = CMOT_Float3;
	FCustomInput First;
	Inputs.Add(First);
}

#if WITH_EDITOR
int32 UMaterialExpressionCustom::Compile(FMaterialCompiler* Compiler, int32 OutputIndex)
{
	TArray<int32> CompiledInputs;
	for (int32 Index = 0; Index < Inputs.Num(); ++Index)
	{
		if (Inputs[Index].InputName.IsNone())
		{
			CompiledInputs.Add(INDEX_NONE);
			continue;
		}
		if (!Inputs[Index].Input.GetTracedInput().Expression)
		{
			return Compiler->Errorf(TEXT("Custom material %s missing input %d (%s)"), *Description, Index + 1, *Inputs[Index].InputName.ToString());
		}
		const int32 InputCode = Inputs[Index].Input.Compile(Compiler);
		if (InputCode < 0)
		{
			return InputCode;
		}
		CompiledInputs.Add(InputCode);
	}
	return Compiler->CustomExpression(this, OutputIndex, CompiledInputs);
}

void UMaterialExpressionCustom::GetCaption(TArray<FString>& OutCaptions) const
{
	OutCaptions.Add(Description);
}

TArrayView<FExpressionInput*> UMaterialExpressionCustom::GetInputsView()
{
	InputPointers.Reset();
	for (FCustomInput& Entry : Inputs)
	{
		InputPointers.Add(&Entry.Input);
	}
	return InputPointers;
}

FExpressionInput* UMaterialExpressionCustom::GetInput(int32 InputIndex)
{
	return Inputs.IsValidIndex(InputIndex) ? &Inputs[InputIndex].Input : nullptr;
}

FName UMaterialExpressionCustom::GetInputName(int32 InputIndex) const
{
	return Inputs.IsValidIndex(InputIndex) ? Inputs[InputIndex].InputName : NAME_None;
}

uint32 UMaterialExpressionCustom::GetInputType(int32 InputIndex)
{
	return MCT_Unknown;
}

uint32 UMaterialExpressionCustom::GetOutputType(int32 OutputIndex)
{
	switch (OutputType)
	{
	case CMOT_Float1:
		return MCT_Float1;
	case CMOT_Float2:
		return MCT_Float2;
	case CMOT_Float3:
		return MCT_Float3;
	case CMOT_Float4:
		return MCT_Float4;
	case CMOT_MaterialAttributes:
		return MCT_MaterialAttributes;
	default:
		return MCT_Unknown;
	}
}
#endif

// UMaterialExpressionReroute

UMaterialExpressionReroute::UMaterialExpressionReroute(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

#if WITH_EDITOR
FExpressionInput UMaterialExpressionReroute::TraceInputsToRealInput() const
{
	FExpressionInput Current = Input;
	// A chain is at most as long as the number of reroutes; a loop ends unconnected.
	TArray<const UMaterialExpressionReroute*> Visited;
	Visited.Add(this);
	while (const UMaterialExpressionReroute* Next = Cast<UMaterialExpressionReroute>(Current.Expression))
	{
		if (Visited.Contains(Next))
		{
			return FExpressionInput();
		}
		Visited.Add(Next);
		Current = Next->Input;
	}
	return Current;
}

int32 UMaterialExpressionReroute::Compile(FMaterialCompiler* Compiler, int32 OutputIndex)
{
	FExpressionInput Traced = TraceInputsToRealInput();
	if (!Traced.Expression)
	{
		return Compiler->Errorf(TEXT("Missing input on reroute node"));
	}
	return Traced.Compile(Compiler);
}

TArrayView<FExpressionInput*> UMaterialExpressionReroute::GetInputsView()
{
	InputPointers.Reset();
	InputPointers.Add(&Input);
	return InputPointers;
}

FExpressionInput* UMaterialExpressionReroute::GetInput(int32 InputIndex)
{
	return InputIndex == 0 ? &Input : nullptr;
}

FName UMaterialExpressionReroute::GetInputName(int32 InputIndex) const
{
	return NAME_None;
}
#endif

// Constants

UMaterialExpressionConstant::UMaterialExpressionConstant(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

#if WITH_EDITOR
int32 UMaterialExpressionConstant::Compile(FMaterialCompiler* Compiler, int32 OutputIndex)
{
	return Compiler->Constant(R);
}

uint32 UMaterialExpressionConstant::GetOutputType(int32 OutputIndex)
{
	return MCT_Float1;
}
#endif

UMaterialExpressionConstant2Vector::UMaterialExpressionConstant2Vector(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

#if WITH_EDITOR
int32 UMaterialExpressionConstant2Vector::Compile(FMaterialCompiler* Compiler, int32 OutputIndex)
{
	return Compiler->Constant2(R, G);
}

uint32 UMaterialExpressionConstant2Vector::GetOutputType(int32 OutputIndex)
{
	return MCT_Float2;
}
#endif

UMaterialExpressionConstant3Vector::UMaterialExpressionConstant3Vector(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

#if WITH_EDITOR
int32 UMaterialExpressionConstant3Vector::Compile(FMaterialCompiler* Compiler, int32 OutputIndex)
{
	return Compiler->Constant3(Constant.R, Constant.G, Constant.B);
}

uint32 UMaterialExpressionConstant3Vector::GetOutputType(int32 OutputIndex)
{
	return MCT_Float3;
}
#endif

// Textures

UMaterialExpressionTextureObject::UMaterialExpressionTextureObject(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

#if WITH_EDITOR
int32 UMaterialExpressionTextureObject::Compile(FMaterialCompiler* Compiler, int32 OutputIndex)
{
	if (!Texture)
	{
		return Compiler->Errorf(TEXT("Requires valid texture"));
	}
	int32 TextureReferenceIndex = INDEX_NONE;
	return Compiler->Texture(Texture, TextureReferenceIndex, SAMPLERTYPE_Color);
}

uint32 UMaterialExpressionTextureObject::GetOutputType(int32 OutputIndex)
{
	return Texture ? Texture->GetMaterialType() : (uint32)MCT_Texture2D;
}
#endif

uint32 UTexture::GetMaterialType() const
{
	return MCT_Texture;
}

uint32 UTexture2D::GetMaterialType() const
{
	return MCT_Texture2D;
}

uint32 UVolumeTexture::GetMaterialType() const
{
	return MCT_VolumeTexture;
}
