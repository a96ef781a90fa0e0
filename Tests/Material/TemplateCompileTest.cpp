// Each template, wrapped as the translator wraps it with exactly the inputs it reads, goes through
// glslang's HLSL front end. A template that reads a name that is not among its inputs fails here.
#include "MaterialTestHelpers.h"

#include "StandInTesting/ShaderHarness.h"

using namespace ZORMaterialTest;

namespace
{
	class TemplateCompile : public ::testing::TestWithParam<int>
	{
	protected:
		StandIn::FEditorSession Session;
	};

	const char* TypeName(int Type)
	{
		static const char* const Names[] = { "PrismEditor", "Light", "Beam", "RT", "Other" };
		return Type >= 0 && Type < 5 ? Names[Type] : "OtherTemplate";
	}

	TEST_P(TemplateCompile, TheGeneratedHlslCompilesUnderGlslang)
	{
		StandIn::FMaterialTranslator Translator;
		FNodeInMaterial Made = MakeNode((uint8)GetParam());
		const StandIn::FCustomExpressionRecord* Record = CompileNode(Translator, Made.Node);
		ASSERT_NE(Record, nullptr);
		const FString Source = StandIn::FShaderHarness::MakeComputeShader(*Record);
		TArray<uint32> Spirv;
		FString Log;
		EXPECT_TRUE(StandIn::FShaderHarness::CompileHlsl(Source, Spirv, Log)) << TypeName(GetParam()) << ":\n" << Utf8(Log) << "\n" << Utf8(Source);
		EXPECT_GT(Spirv.Num(), 5);
		if (Spirv.Num() > 0)
		{
			EXPECT_EQ(Spirv[0], 0x07230203u) << "SPIR-V magic";
		}
	}

	// 255: a stored byte outside the enumeration, which compiles the Other template.
	INSTANTIATE_TEST_SUITE_P(EachType, TemplateCompile, ::testing::Values(0, 1, 2, 3, 4, 255),
		[](const ::testing::TestParamInfo<int>& Info)
		{
			return std::string(TypeName(Info.param));
		});

	class TemplateInputs : public ::testing::Test
	{
	protected:
		StandIn::FEditorSession Session;

		/** Compiles the template of that type with one of its inputs left out of the node. */
		bool CompilesWithout(uint8 Type, const TCHAR* Dropped, FString& OutLog)
		{
			StandIn::FMaterialTranslator Translator;
			FNodeInMaterial Made = MakeNode(Type);
			const int32 Removed = Made.Node->Inputs.RemoveAll([Dropped](const FCustomInput& Entry)
			{
				return Entry.InputName == FName(Dropped);
			});
			EXPECT_EQ(Removed, 1) << Utf8(Dropped);
			const StandIn::FCustomExpressionRecord* Record = CompileNode(Translator, Made.Node);
			EXPECT_NE(Record, nullptr);
			if (!Record)
			{
				return false;
			}
			TArray<uint32> Spirv;
			return StandIn::FShaderHarness::CompileHlsl(StandIn::FShaderHarness::MakeComputeShader(*Record), Spirv, OutLog);
		}
	};

	TEST_F(TemplateInputs, EachTemplateReadsTheInputsItLists)
	{
		struct FCase
		{
			uint8 Type;
			const TCHAR* Input;
		};
		// One scalar, vector and texture input of each template: without it the text does not compile.
		const FCase Cases[] = {
			{ 0, TEXT("Prism1MatrixArrange") }, { 0, TEXT("UV") }, { 0, TEXT("TXTpGobo") },
			{ 1, TEXT("Prism2Scale") }, { 1, TEXT("Gobo1Shake") }, { 1, TEXT("TXTpFireFrosted") },
			{ 2, TEXT("SoftClipSize") }, { 2, TEXT("AdjOpp") }, { 2, TEXT("NoiseTexture") }, { 2, TEXT("DMXColor") },
			{ 3, TEXT("Iris") }, { 3, TEXT("FireCenter") }, { 3, TEXT("TXTpMask") },
			{ 5, TEXT("Blade4B") }, { 5, TEXT("Focus") }, { 5, TEXT("TXTpGoboFrosted2") },
		};
		for (const FCase& Case : Cases)
		{
			FString Log;
			EXPECT_FALSE(CompilesWithout(Case.Type, Case.Input, Log)) << TypeName(Case.Type) << " compiles without " << Utf8(Case.Input);
			EXPECT_TRUE(Log.Contains(Case.Input, ESearchCase::CaseSensitive)) << Utf8(Log);
		}
	}

	TEST_F(TemplateInputs, ATextureInputBringsItsSampler)
	{
		StandIn::FMaterialTranslator Translator;
		FNodeInMaterial Made = MakeNode(PrismEditor);
		const StandIn::FCustomExpressionRecord* Record = CompileNode(Translator, Made.Node);
		ASSERT_NE(Record, nullptr);
		EXPECT_TRUE(Record->Definition.Contains(TEXT(", Texture2D TXTpGobo, SamplerState TXTpGoboSampler)"), ESearchCase::CaseSensitive))
			<< Utf8(Record->Definition);
		EXPECT_TRUE(Record->Definition.StartsWith(TEXT("MaterialFloat3 CustomExpression0(FMaterialPixelParameters Parameters, MaterialFloat2 UV, MaterialFloat Prism1Num,"),
			ESearchCase::CaseSensitive)) << Utf8(Record->Definition);
		EXPECT_TRUE(Record->Call.EndsWith(TEXT(", Material.Texture2D_0, Material.Texture2D_0Sampler)"), ESearchCase::CaseSensitive)) << Utf8(Record->Call);
	}
}
