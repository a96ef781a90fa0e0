#include "MaterialTestHelpers.h"

#include "EdGraph/EdGraphNode.h"
#include "Materials/MaterialExpressionConstant.h"
#include "Materials/MaterialExpressionReroute.h"
#include "Materials/MaterialExpressionTextureObject.h"
#include "MaterialValueType.h"
#include "Serialization/Archive.h"
#include "Serialization/StructuredArchiveAdapters.h"
#include "UObject/RenderingObjectVersion.h"
#include "UObject/UnrealType.h"

using namespace ZORMaterialTest;

namespace
{
	class MaterialNode : public ::testing::Test
	{
	protected:
		StandIn::FEditorSession Session;
		StandIn::FMaterialTranslator Translator;

		/** The details panel's edit of one member property of the node. */
		void EditProperty(UMaterialExpressionZOR* Node, const TCHAR* Name)
		{
			FProperty* Property = UMaterialExpressionZOR::StaticClass()->FindPropertyByName(FName(Name));
			ASSERT_NE(Property, nullptr) << Utf8(Name);
			FPropertyChangedEvent Event(Property, EPropertyChangeType::ValueSet);
			Node->PostEditChangeProperty(Event);
		}

		/** An input named with the placeholder a fresh Custom input gets, which a member edit clears. */
		static FCustomInput PlaceholderInput()
		{
			FCustomInput Input;
			Input.InputName = FName(TEXT("DEFAULT_DO_NOT_USE"));
			return Input;
		}

		/** Counts the node's edit broadcasts into Count, which must live as long as the node may broadcast. */
		static void CountBroadcasts(UMaterialExpressionZOR* Node, int32& Count)
		{
			Node->OnPropertyEdited.AddLambda([&Count]()
			{
				++Count;
			});
		}
	};

	TEST_F(MaterialNode, EachTypeCompilesItsTemplateAsAFloat3WithItsInputsPassed)
	{
		struct FCase
		{
			uint8 Type;
			FString (UMaterialExpressionZOR::*Getter)();
		};
		const FCase Cases[] = {
			{ 0, &UMaterialExpressionZOR::GetPrismEditorCode },
			{ 1, &UMaterialExpressionZOR::GetLightCode },
			{ 2, &UMaterialExpressionZOR::GetBeamCode },
			{ 3, &UMaterialExpressionZOR::GetRTCode },
		};
		for (const FCase& Case : Cases)
		{
			StandIn::FMaterialTranslator Fresh;
			FNodeInMaterial Made = MakeNode(Case.Type);
			const StandIn::FCustomExpressionRecord* Record = CompileNode(Fresh, Made.Node);
			ASSERT_NE(Record, nullptr) << "type " << (int)Case.Type;
			const FString Expected = (Made.Node->*Case.Getter)();
			EXPECT_FALSE(Expected.IsEmpty());
			EXPECT_TRUE(Record->Code.Equals(Expected, ESearchCase::CaseSensitive)) << "type " << (int)Case.Type;
			EXPECT_TRUE(Made.Node->Code.Equals(Expected, ESearchCase::CaseSensitive)) << "the node keeps the compiled text";
			EXPECT_EQ(Record->OutputType, MCT_Float3);
			ASSERT_EQ(Record->InputNames.Num(), Made.Node->Inputs.Num());
			for (int32 Index = 0; Index < Record->InputNames.Num(); ++Index)
			{
				EXPECT_EQ(Record->InputNames[Index], Made.Node->Inputs[Index].InputName);
				EXPECT_GE(Record->CompiledInputs[Index], 0);
			}
			EXPECT_TRUE(Fresh.GetErrors().IsEmpty());
		}
	}

	TEST_F(MaterialNode, OtherCompilesToTheConstantOneWithItsInputsStillCompiled)
	{
		FNodeInMaterial Made = MakeNode(Other);
		const StandIn::FCustomExpressionRecord* Record = CompileNode(Translator, Made.Node);
		ASSERT_NE(Record, nullptr);
		EXPECT_TRUE(Record->Code.Equals(TEXT("1"), ESearchCase::CaseSensitive));
		EXPECT_TRUE(Made.Node->Code.Equals(TEXT("1"), ESearchCase::CaseSensitive));
		EXPECT_TRUE(Record->Definition.Contains(TEXT("return 1;"), ESearchCase::CaseSensitive));
		EXPECT_EQ(Record->OutputType, MCT_Float3);
		EXPECT_EQ(Record->CompiledInputs.Num(), Made.Node->Inputs.Num());
		EXPECT_EQ(Record->Parameters.Num(), Made.Node->Inputs.Num() + 8) << "each of the eight textures brings its sampler";
	}

	TEST_F(MaterialNode, AByteOutsideTheEnumerationCompilesTheOtherTemplate)
	{
		for (const uint8 Type : { (uint8)5, (uint8)77, (uint8)255 })
		{
			StandIn::FMaterialTranslator Fresh;
			FNodeInMaterial Made = MakeNode(Type);
			const StandIn::FCustomExpressionRecord* Record = CompileNode(Fresh, Made.Node);
			ASSERT_NE(Record, nullptr) << (int)Type;
			EXPECT_TRUE(Record->Code.Equals(Made.Node->GetOtherCode(), ESearchCase::CaseSensitive)) << (int)Type;
		}
	}

	TEST_F(MaterialNode, OutputTypeDoesNotChangeTheCompiledFloat3)
	{
		FNodeInMaterial Made = MakeNode(RT);
		Made.Node->OutputType = CMOT_Float1;
		const StandIn::FCustomExpressionRecord* Record = CompileNode(Translator, Made.Node);
		ASSERT_NE(Record, nullptr);
		EXPECT_EQ(Record->OutputType, MCT_Float3);
		EXPECT_TRUE(Record->Definition.StartsWith(TEXT("MaterialFloat3 "), ESearchCase::CaseSensitive));
		EXPECT_EQ(Made.Node->OutputType, CMOT_Float1) << "the stored value is left as the user set it";
		ASSERT_NE(Made.Node->InnerCustomExpression, nullptr);
		EXPECT_EQ(Made.Node->InnerCustomExpression->OutputType, CMOT_Float3);
	}

	TEST_F(MaterialNode, AnUnconnectedInputIsReportedByItsZeroBasedIndexAndName)
	{
		FNodeInMaterial Made = MakeNode(PrismEditor, { TEXT("UV") });
		Made.Node->Description = TEXT("Beam");
		int32 Code = 0;
		EXPECT_EQ(CompileNode(Translator, Made.Node, &Code), nullptr);
		EXPECT_EQ(Code, INDEX_NONE);
		ASSERT_EQ(Translator.GetErrors().Num(), 1);
		EXPECT_TRUE(IsText(Translator.GetErrors()[0].Message, TEXT("Beam missing input 0 (UV)")));
		EXPECT_TRUE(IsText(Translator.GetErrors()[0].EditorLine, TEXT("(Node ZOR) Beam missing input 0 (UV)")));
		EXPECT_TRUE(Translator.GetCustomExpressions().IsEmpty()) << "nothing else is compiled for the node";
	}

	TEST_F(MaterialNode, AMissingInputLaterInTheListNamesItsPositionAndAnEmptyDescriptionPrintsNothing)
	{
		FNodeInMaterial Made = MakeNode(Beam, { TEXT("TXTpColor") });
		const int32 Expected = Made.Node->Inputs.IndexOfByPredicate([](const FCustomInput& Entry)
		{
			return Entry.InputName == FName(TEXT("TXTpColor"));
		});
		ASSERT_GT(Expected, 0);
		EXPECT_EQ(CompileNode(Translator, Made.Node), nullptr);
		ASSERT_EQ(Translator.GetErrors().Num(), 1);
		EXPECT_TRUE(IsText(Translator.GetErrors()[0].Message, FString::Printf(TEXT(" missing input %d (TXTpColor)"), Expected)));
	}

	TEST_F(MaterialNode, AnInputWithoutANameIsPassedAsNoneAndNeverReported)
	{
		FNodeInMaterial Made = MakeNode(Other);
		FCustomInput Unnamed;
		Made.Node->Inputs.Insert(Unnamed, 0);
		const StandIn::FCustomExpressionRecord* Record = CompileNode(Translator, Made.Node);
		ASSERT_NE(Record, nullptr);
		EXPECT_TRUE(Translator.GetErrors().IsEmpty());
		ASSERT_EQ(Record->CompiledInputs.Num(), Made.Node->Inputs.Num());
		EXPECT_EQ(Record->CompiledInputs[0], INDEX_NONE);
		EXPECT_TRUE(Record->InputNames[0].IsNone());
		EXPECT_FALSE(Record->Definition.Contains(TEXT(" None"), ESearchCase::CaseSensitive)) << "an unnamed input is no parameter";
	}

	TEST_F(MaterialNode, AnInputThroughRerouteNodesCompilesAndAnEmptyRerouteIsMissing)
	{
		FNodeInMaterial Made = MakeNode(PrismEditor);
		UMaterialExpressionReroute* First = NewObject<UMaterialExpressionReroute>(Made.Material);
		UMaterialExpressionReroute* Second = NewObject<UMaterialExpressionReroute>(Made.Material);
		UMaterialExpression* Radius = Made.Node->Inputs[2].Input.Expression;
		Second->Input.Connect(0, Radius);
		First->Input.Connect(0, Second);
		Made.Node->Inputs[2].Input.Connect(0, First);
		ASSERT_NE(CompileNode(Translator, Made.Node), nullptr);
		EXPECT_TRUE(Translator.GetErrors().IsEmpty());

		Second->Input = FExpressionInput();
		StandIn::FMaterialTranslator Again;
		EXPECT_EQ(CompileNode(Again, Made.Node), nullptr);
		ASSERT_EQ(Again.GetErrors().Num(), 1);
		EXPECT_TRUE(IsText(Again.GetErrors()[0].Message, TEXT(" missing input 2 (Prism1Radius)")));
	}

	TEST_F(MaterialNode, AFailingInputCompileIsReturnedUnchanged)
	{
		FNodeInMaterial Made = MakeNode(PrismEditor);
		UMaterialExpressionTextureObject* Empty = NewObject<UMaterialExpressionTextureObject>(Made.Material);
		Made.Node->Inputs.Last().Input.Connect(0, Empty);
		int32 Code = 0;
		EXPECT_EQ(CompileNode(Translator, Made.Node, &Code), nullptr);
		EXPECT_EQ(Code, INDEX_NONE);
		ASSERT_EQ(Translator.GetErrors().Num(), 1);
		EXPECT_TRUE(IsText(Translator.GetErrors()[0].EditorLine, TEXT("(Node TextureObject) Requires valid texture")));
		EXPECT_TRUE(Translator.GetCustomExpressions().IsEmpty());
	}

	TEST_F(MaterialNode, EveryCompileMakesANewTransientCustomExpression)
	{
		FNodeInMaterial Made = MakeNode(Beam);
		ASSERT_NE(CompileNode(Translator, Made.Node), nullptr);
		UMaterialExpressionCustom* FirstInner = Made.Node->InnerCustomExpression;
		ASSERT_NE(FirstInner, nullptr);
		EXPECT_EQ(FirstInner->GetOuter(), (UObject*)GetTransientPackage());
		EXPECT_EQ(FirstInner->Inputs.Num(), Made.Node->Inputs.Num());
		EXPECT_TRUE(FirstInner->Description.Equals(TEXT("Custom"), ESearchCase::CaseSensitive)) << "left at its default";
		StandIn::FMaterialTranslator Again;
		ASSERT_NE(CompileNode(Again, Made.Node), nullptr);
		EXPECT_NE(Made.Node->InnerCustomExpression, FirstInner);
	}

	TEST_F(MaterialNode, CaptionIsTheDescriptionOrZOR)
	{
		FNodeInMaterial Made = MakeNode(Beam);
		TArray<FString> Caption;
		Made.Node->GetCaption(Caption);
		ASSERT_EQ(Caption.Num(), 1);
		EXPECT_TRUE(Caption[0].Equals(TEXT("ZOR"), ESearchCase::CaseSensitive));
		Made.Node->Description = TEXT("Beam");
		Caption.Reset();
		Made.Node->GetCaption(Caption);
		ASSERT_EQ(Caption.Num(), 1);
		EXPECT_TRUE(Caption[0].Equals(TEXT("Beam"), ESearchCase::CaseSensitive));
	}

	TEST_F(MaterialNode, InputAccessorsStopAtTheNumberOfInputs)
	{
		FNodeInMaterial Made = MakeNode(PrismEditor);
		const int32 Num = Made.Node->Inputs.Num();
		ASSERT_EQ(Num, 7);
		const TArrayView<FExpressionInput*> View = Made.Node->GetInputsView();
		ASSERT_EQ(View.Num(), Num);
		for (int32 Index = 0; Index < Num; ++Index)
		{
			EXPECT_EQ(View[Index], &Made.Node->Inputs[Index].Input);
			EXPECT_EQ(Made.Node->GetInput(Index), &Made.Node->Inputs[Index].Input);
			EXPECT_EQ(Made.Node->GetInputName(Index), Made.Node->Inputs[Index].InputName);
			EXPECT_EQ(Made.Node->GetInputType(Index), (uint32)MCT_Unknown);
		}
		EXPECT_EQ(Made.Node->GetInput(Num), nullptr);
		EXPECT_EQ(Made.Node->GetInput(-1), nullptr);
		EXPECT_TRUE(Made.Node->GetInputName(Num).IsNone());
		EXPECT_TRUE(Made.Node->GetInputName(-1).IsNone());
		EXPECT_EQ(Made.Node->GetOutputType(0), (uint32)MCT_Unknown);

		Made.Node->Inputs.RemoveAt(0);
		EXPECT_EQ(Made.Node->GetInputsView().Num(), Num - 1) << "the view is rebuilt on every call";
	}

	TEST_F(MaterialNode, APlaceholderInputNameIsClearedByAnyMemberEditAndThePinsFollow)
	{
		FNodeInMaterial Made = MakeNode(PrismEditor);
		StandIn::AddGraphNode(Made.Node);
		Made.Node->Inputs.Add(PlaceholderInput());
		Made.Node->Inputs[0].InputName = FName(TEXT("TexCoord"));
		int32 Broadcasts = 0;
		CountBroadcasts(Made.Node, Broadcasts);

		EditProperty(Made.Node, TEXT("Description"));

		EXPECT_TRUE(Made.Node->Inputs.Last().InputName.IsNone());
		EXPECT_EQ(Broadcasts, 1);
		const TArray<FString> Pins = StandIn::GetInputPinNames(Made.Node);
		ASSERT_EQ(Pins.Num(), 8);
		EXPECT_TRUE(Pins[0].Equals(TEXT("TexCoord"), ESearchCase::CaseSensitive));
		EXPECT_TRUE(Pins[7].Equals(TEXT("None"), ESearchCase::CaseSensitive));
	}

	TEST_F(MaterialNode, AnEditWithoutAMemberPropertyChangesNothing)
	{
		FNodeInMaterial Made = MakeNode(PrismEditor);
		StandIn::AddGraphNode(Made.Node);
		Made.Node->Inputs.Add(PlaceholderInput());
		int32 Broadcasts = 0;
		CountBroadcasts(Made.Node, Broadcasts);

		FPropertyChangedEvent Event(nullptr);
		Made.Node->PostEditChangeProperty(Event);

		EXPECT_EQ(Made.Node->Inputs.Last().InputName, FName(TEXT("DEFAULT_DO_NOT_USE")));
		EXPECT_EQ(Broadcasts, 0);
		EXPECT_EQ(StandIn::GetInputPinNames(Made.Node).Num(), 7) << "the graph node was not rebuilt";
	}

	TEST_F(MaterialNode, AnEditWithoutAGraphNodeStillClearsAndBroadcasts)
	{
		FNodeInMaterial Made = MakeNode(RT);
		Made.Node->Inputs.Insert(PlaceholderInput(), 0);
		int32 Broadcasts = 0;
		CountBroadcasts(Made.Node, Broadcasts);
		EditProperty(Made.Node, TEXT("Inputs"));
		EXPECT_TRUE(Made.Node->Inputs[0].InputName.IsNone());
		EXPECT_EQ(Broadcasts, 1);
	}

	TEST_F(MaterialNode, ReflectedPropertiesDefaultsAndMenuCategory)
	{
		UMaterialExpressionZOR* Node = NewObject<UMaterialExpressionZOR>(StandIn::NewMaterial(TEXT("M_Defaults")));
		EXPECT_TRUE(Node->Code.IsEmpty());
		EXPECT_TRUE(Node->Description.IsEmpty());
		EXPECT_EQ(Node->OutputType, CMOT_Float3);
		EXPECT_EQ(Node->PrismType, PrismEditor);
		EXPECT_TRUE(Node->Inputs.IsEmpty());
		EXPECT_EQ(Node->InnerCustomExpression, nullptr);
		ASSERT_EQ(Node->MenuCategories.Num(), 1);
		EXPECT_TRUE(Node->MenuCategories[0].ToString().Equals(TEXT("ZOR"), ESearchCase::CaseSensitive));

		UClass* Class = UMaterialExpressionZOR::StaticClass();
		EXPECT_EQ(Class->GetSuperClass(), UMaterialExpression::StaticClass());
		for (const TCHAR* Name : { TEXT("OutputType"), TEXT("PrismType"), TEXT("Description"), TEXT("Inputs") })
		{
			FProperty* Property = Class->FindPropertyByName(FName(Name));
			ASSERT_NE(Property, nullptr) << Utf8(Name);
			EXPECT_TRUE(Property->HasAnyPropertyFlags(CPF_Edit)) << Utf8(Name);
			EXPECT_TRUE(Property->GetMetaData(TEXT("Category")).Equals(TEXT("MaterialExpressionZOR"), ESearchCase::CaseSensitive)) << Utf8(Name);
		}
		FProperty* CodeProperty = Class->FindPropertyByName(FName(TEXT("Code")));
		ASSERT_NE(CodeProperty, nullptr) << "Code is stored with the asset";
		EXPECT_FALSE(CodeProperty->HasAnyPropertyFlags(CPF_Edit)) << "and not shown for editing";

		UEnum* Enum = StaticEnum<EPrismOutputType>();
		ASSERT_NE(Enum, nullptr);
		const TCHAR* Names[] = { TEXT("PrismEditor"), TEXT("Light"), TEXT("Beam"), TEXT("RT"), TEXT("Other") };
		for (int32 Index = 0; Index < 5; ++Index)
		{
			EXPECT_EQ(Enum->GetValueByIndex(Index), Index);
			EXPECT_TRUE(Enum->GetNameStringByIndex(Index).Equals(Names[Index], ESearchCase::CaseSensitive));
			EXPECT_TRUE(Enum->GetDisplayNameTextByIndex(Index).ToString().Equals(Names[Index], ESearchCase::CaseSensitive));
		}
		EXPECT_EQ(sizeof(Node->PrismType), 1u);
	}

	TEST_F(MaterialNode, BothSerializeFormsRecordTheRenderingVersion)
	{
		UMaterialExpressionZOR* Node = NewObject<UMaterialExpressionZOR>(StandIn::NewMaterial(TEXT("M_Saved")));
		FArchive Saving;
		Saving.SetIsSaving(true);
		EXPECT_EQ(Saving.CustomVer(FRenderingObjectVersion::GUID), -1);
		Node->Serialize(Saving);
		EXPECT_EQ(Saving.CustomVer(FRenderingObjectVersion::GUID), (int32)FRenderingObjectVersion::LatestVersion);

		FArchive Structured;
		Structured.SetIsSaving(true);
		FStructuredArchiveFromArchive Adapter(Structured);
		Node->Serialize(Adapter.GetSlot().EnterRecord());
		EXPECT_EQ(Structured.CustomVer(FRenderingObjectVersion::GUID), (int32)FRenderingObjectVersion::LatestVersion);

		// Loading keeps the version the data was written with.
		FArchive Loading;
		Loading.SetIsLoading(true);
		Loading.SetCustomVersion(FRenderingObjectVersion::GUID, 1, FName(TEXT("Dev-Rendering")));
		Node->Serialize(Loading);
		EXPECT_EQ(Loading.CustomVer(FRenderingObjectVersion::GUID), 1);
	}
}
