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
	};

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
