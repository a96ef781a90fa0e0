#include "StandInTesting/MaterialDriver.h"
#include "Materials/Material.h"
#include "Materials/MaterialExpressionConstant.h"
#include "Materials/MaterialExpressionConstant2Vector.h"
#include "Materials/MaterialExpressionConstant3Vector.h"
#include "Materials/MaterialExpressionTextureObject.h"
#include "Engine/Texture2D.h"
#include "Engine/VolumeTexture.h"
#include "MaterialGraph/MaterialGraphNode.h"
#include "UObject/Package.h"

namespace StandIn
{
	namespace
	{
		void AddAll(TArray<FTemplateInput>& Out, std::initializer_list<const TCHAR*> Names, EMaterialInputKind Kind)
		{
			for (const TCHAR* Name : Names)
			{
				FTemplateInput TemplateInput;
				TemplateInput.Name = Name;
				TemplateInput.Kind = Kind;
				Out.Add(TemplateInput);
			}
		}

		TArray<FTemplateInput> RTInputs(bool bWithShake)
		{
			TArray<FTemplateInput> Out;
			AddAll(Out, { TEXT("Dimmer") }, EMaterialInputKind::Scalar);
			AddAll(Out, { TEXT("UV") }, EMaterialInputKind::Vector2);
			AddAll(Out, { TEXT("GoboAngle"), TEXT("Gobo2Angle"), TEXT("FireAngle") }, EMaterialInputKind::Scalar);
			if (bWithShake)
			{
				AddAll(Out, { TEXT("Gobo1Shake"), TEXT("Gobo2Shake") }, EMaterialInputKind::Scalar);
			}
			AddAll(Out, { TEXT("BladeAngle"), TEXT("Blade1A"), TEXT("Blade1B"), TEXT("Blade2A"), TEXT("Blade2B"),
				TEXT("Blade3A"), TEXT("Blade3B"), TEXT("Blade4A"), TEXT("Blade4B"), TEXT("Iris") }, EMaterialInputKind::Scalar);
			AddAll(Out, { TEXT("FireCenter") }, EMaterialInputKind::Vector2);
			AddAll(Out, { TEXT("NumGobos"), TEXT("GoboIndex"), TEXT("Time"), TEXT("GoboScrollingSpeed"), TEXT("NumGobos2"),
				TEXT("Gobo2Index"), TEXT("Gobo2ScrollingSpeed"), TEXT("NumColors"), TEXT("ColorIndex"), TEXT("CurrentTime"),
				TEXT("ColorScrollingSpeed"), TEXT("Frost"), TEXT("Focus") }, EMaterialInputKind::Scalar);
			AddAll(Out, { TEXT("TXTpMask"), TEXT("TXTpGobo"), TEXT("TXTpGobo2"), TEXT("TXTpGoboFrosted"), TEXT("TXTpGoboFrosted2"),
				TEXT("TXTpColor"), TEXT("TXTpFire"), TEXT("TXTpFireFrosted") }, EMaterialInputKind::Texture2D);
			return Out;
		}
	}

	TArray<FTemplateInput> GetBeamTemplateInputs(int32 PrismType)
	{
		TArray<FTemplateInput> Out;
		switch (PrismType)
		{
		case 0:
			AddAll(Out, { TEXT("UV") }, EMaterialInputKind::Vector2);
			AddAll(Out, { TEXT("Prism1Num"), TEXT("Prism1Radius"), TEXT("Prism1MatrixArrange"), TEXT("Prism1Pos"), TEXT("Prism1Scale") }, EMaterialInputKind::Scalar);
			AddAll(Out, { TEXT("TXTpGobo") }, EMaterialInputKind::Texture2D);
			return Out;
		case 1:
			Out = RTInputs(true);
			AddAll(Out, { TEXT("Prism1Num"), TEXT("Prism1Radius"), TEXT("Prism1MatrixArrange"), TEXT("Prism1Pos"), TEXT("Prism1Scale"),
				TEXT("Prism2Num"), TEXT("Prism2Radius"), TEXT("Prism2MatrixArrange"), TEXT("Prism2Pos"), TEXT("Prism2Scale") }, EMaterialInputKind::Scalar);
			return Out;
		case 2:
			AddAll(Out, { TEXT("NDepth"), TEXT("FDepth") }, EMaterialInputKind::Scalar);
			AddAll(Out, { TEXT("NSlice"), TEXT("FSlice") }, EMaterialInputKind::Vector3);
			AddAll(Out, { TEXT("StepSize"), TEXT("NoiseEnable"), TEXT("WindDirection"), TEXT("WindElevation"), TEXT("WindSpeed") }, EMaterialInputKind::Scalar);
			AddAll(Out, { TEXT("AdjOpp") }, EMaterialInputKind::Vector2);
			AddAll(Out, { TEXT("ConeRadius"), TEXT("MaxDistance") }, EMaterialInputKind::Scalar);
			AddAll(Out, { TEXT("ObjectPosition") }, EMaterialInputKind::Vector3);
			AddAll(Out, { TEXT("NoiseScale"), TEXT("NoiseMip"), TEXT("Time") }, EMaterialInputKind::Scalar);
			AddAll(Out, { TEXT("NoiseTexture") }, EMaterialInputKind::VolumeTexture);
			AddAll(Out, { TEXT("NoiseGamma"), TEXT("NoiseIntensity"), TEXT("ScDepth"), TEXT("SoftClipSize"), TEXT("NumGobos"),
				TEXT("GoboIndex"), TEXT("GoboScrollingSpeed") }, EMaterialInputKind::Scalar);
			AddAll(Out, { TEXT("TXTpGobo") }, EMaterialInputKind::Texture2D);
			AddAll(Out, { TEXT("NumColors"), TEXT("ColorIndex"), TEXT("CurrentTime"), TEXT("ColorScrollingSpeed") }, EMaterialInputKind::Scalar);
			AddAll(Out, { TEXT("TXTpColor") }, EMaterialInputKind::Texture2D);
			AddAll(Out, { TEXT("DMXColor") }, EMaterialInputKind::Vector3);
			return Out;
		case 3:
			return RTInputs(true);
		default:
			return RTInputs(false);
		}
	}

	bool ParsePrismType(const FString& Text, uint8& OutValue)
	{
		static const TCHAR* const Names[] = { TEXT("PrismEditor"), TEXT("Light"), TEXT("Beam"), TEXT("RT"), TEXT("Other") };
		for (int32 Index = 0; Index < 5; ++Index)
		{
			if (Text.Equals(Names[Index], ESearchCase::CaseSensitive))
			{
				OutValue = (uint8)Index;
				return true;
			}
		}
		if (Text.IsEmpty() || Text.Len() > 3)
		{
			return false;
		}
		int32 Value = 0;
		for (int32 Index = 0; Index < Text.Len(); ++Index)
		{
			const TCHAR Digit = Text[Index];
			if (Digit < TEXT('0') || Digit > TEXT('9'))
			{
				return false;
			}
			Value = Value * 10 + (Digit - TEXT('0'));
		}
		if (Value > 255)
		{
			return false;
		}
		OutValue = (uint8)Value;
		return true;
	}

	UMaterial* NewMaterial(const FString& Name)
	{
		UPackage* Package = CreatePackage(*(TEXT("/Game/") + Name));
		return NewObject<UMaterial>(Package, FName(*Name));
	}

	UMaterialExpression* NewInputExpression(UMaterial* Material, EMaterialInputKind Kind, float Value)
	{
		switch (Kind)
		{
		case EMaterialInputKind::Scalar:
		{
			UMaterialExpressionConstant* Constant = NewObject<UMaterialExpressionConstant>(Material);
			Constant->R = Value;
			return Constant;
		}
		case EMaterialInputKind::Vector2:
		{
			UMaterialExpressionConstant2Vector* Constant = NewObject<UMaterialExpressionConstant2Vector>(Material);
			Constant->R = Value;
			Constant->G = Value;
			return Constant;
		}
		case EMaterialInputKind::Vector3:
		{
			UMaterialExpressionConstant3Vector* Constant = NewObject<UMaterialExpressionConstant3Vector>(Material);
			Constant->Constant = FLinearColor(Value, Value, Value);
			return Constant;
		}
		case EMaterialInputKind::Texture2D:
		{
			UMaterialExpressionTextureObject* Object = NewObject<UMaterialExpressionTextureObject>(Material);
			Object->Texture = NewObject<UTexture2D>(Material);
			return Object;
		}
		case EMaterialInputKind::VolumeTexture:
		default:
		{
			UMaterialExpressionTextureObject* Object = NewObject<UMaterialExpressionTextureObject>(Material);
			Object->Texture = NewObject<UVolumeTexture>(Material);
			return Object;
		}
		}
	}

	TArray<FCustomInput> MakeConnectedInputs(UMaterial* Material, const TArray<FTemplateInput>& TemplateInputs, const TArray<FString>& Unconnected)
	{
		TArray<FCustomInput> Out;
		for (const FTemplateInput& TemplateInput : TemplateInputs)
		{
			FCustomInput Entry;
			Entry.InputName = FName(*TemplateInput.Name);
			const bool bLeaveOpen = Unconnected.ContainsByPredicate([&TemplateInput](const FString& Name)
			{
				return Name.Equals(TemplateInput.Name, ESearchCase::CaseSensitive);
			});
			if (!bLeaveOpen)
			{
				Entry.Input.Connect(0, NewInputExpression(Material, TemplateInput.Kind));
			}
			Out.Add(Entry);
		}
		return Out;
	}

	void AddGraphNode(UMaterialExpression* Expression)
	{
		UMaterialGraphNode* Node = NewObject<UMaterialGraphNode>(Expression->GetOuter());
		Node->MaterialExpression = Expression;
		Expression->GraphNode = Node;
		Node->ReconstructNode();
	}

	TArray<FString> GetInputPinNames(UMaterialExpression* Expression)
	{
		TArray<FString> Names;
		if (!Expression || !Expression->GraphNode)
		{
			return Names;
		}
		for (const UEdGraphPin* Pin : Expression->GraphNode->Pins)
		{
			if (Pin->Direction == EGPD_Input)
			{
				Names.Add(Pin->PinName.ToString());
			}
		}
		return Names;
	}
}
