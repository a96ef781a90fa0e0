// A material with the beam node as the material editor would hold it, compiled by the translator.
#pragma once

#include "MaterialExpressionZOR.h"

#include "Materials/Material.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/MaterialDriver.h"
#include "StandInTesting/MaterialTranslator.h"

#include <gtest/gtest.h>

#include <string>

namespace ZORMaterialTest
{
	inline std::string Utf8(const FString& Text)
	{
		return std::string(TCHAR_TO_UTF8(*Text));
	}

	/** The text compared with case, as the user reads it; a failure shows both texts. */
	inline ::testing::AssertionResult IsText(const FString& Got, const FString& Expected)
	{
		if (Got.Equals(Expected, ESearchCase::CaseSensitive))
		{
			return ::testing::AssertionSuccess();
		}
		return ::testing::AssertionFailure() << "got \"" << Utf8(Got) << "\", expected \"" << Utf8(Expected) << "\"";
	}

	/** The template's name for a node type; a byte outside the enumeration compiles the Other template. */
	inline const char* TypeName(int Type)
	{
		static const char* const Names[] = { "PrismEditor", "Light", "Beam", "RT", "Other" };
		return Type >= 0 && Type < 5 ? Names[Type] : "OtherTemplate";
	}

	struct FNodeInMaterial
	{
		UMaterial* Material = nullptr;
		UMaterialExpressionZOR* Node = nullptr;
	};

	/** The node with every input its template reads connected, except those named in Unconnected. */
	inline FNodeInMaterial MakeNode(uint8 PrismType, const TArray<FString>& Unconnected = TArray<FString>())
	{
		FNodeInMaterial Result;
		Result.Material = StandIn::NewMaterial(TEXT("M_Beam"));
		Result.Node = NewObject<UMaterialExpressionZOR>(Result.Material);
		Result.Node->PrismType = (EPrismOutputType)PrismType;
		Result.Node->Inputs = StandIn::MakeConnectedInputs(Result.Material, StandIn::GetBeamTemplateInputs(PrismType), Unconnected);
		return Result;
	}

	/** Compiles the node as the material's output; the one custom expression the translator recorded. */
	inline const StandIn::FCustomExpressionRecord* CompileNode(StandIn::FMaterialTranslator& Translator, UMaterialExpressionZOR* Node, int32* OutCode = nullptr)
	{
		const int32 Code = Translator.CompileOutput(Node);
		if (OutCode)
		{
			*OutCode = Code;
		}
		if (Code < 0 || Translator.GetCustomExpressions().Num() != 1)
		{
			return nullptr;
		}
		return &Translator.GetCustomExpressions()[0];
	}
}
