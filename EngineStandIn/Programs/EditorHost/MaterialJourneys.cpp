// The headless editor's material journeys: the beam node placed in a material with the inputs its
// template reads, compiled, and what the material editor would show printed.

#include "HostOptions.h"

#include "MaterialExpressionZOR.h"
#include "Materials/Material.h"
#include "StandInTesting/MaterialDriver.h"
#include "StandInTesting/MaterialTranslator.h"

#include <cstdio>

namespace MaterialJourneys
{
	namespace
	{
		using EditorHost::FHostOption;
		using EditorHost::FHostRun;
		using EditorHost::FHostStep;
		using EditorHost::Say;
		using EditorHost::SayError;

		/** What the setting-up options chose for the node that --material places. */
		struct FMaterialOptions
		{
			TArray<FString> Unconnected;
			bool bHasDescription = false;
			FString Description;
			bool bPrintCode = false;
		};
		FMaterialOptions GOptions;

		FString DescribeType(uint8 PrismType)
		{
			UEnum* Enum = StaticEnum<EPrismOutputType>();
			if (PrismType < 5 && Enum)
			{
				return Enum->GetNameStringByIndex(PrismType);
			}
			return FString::Printf(TEXT("%d (outside the enumeration)"), (int32)PrismType);
		}

		FString InputNames(const TArray<StandIn::FTemplateInput>& TemplateInputs)
		{
			TArray<FString> Names;
			for (const StandIn::FTemplateInput& TemplateInput : TemplateInputs)
			{
				Names.Add(TemplateInput.Name);
			}
			return FString::Join(Names, TEXT(", "));
		}
	}

	/** Places and compiles the node and prints the outcome; false when the node's compile failed. */
	bool PlaceAndCompile(FHostRun& HostRun, uint8 PrismType)
	{
		const FMaterialOptions& Options = GOptions;
		UMaterial* Material = StandIn::NewMaterial(TEXT("M_ZORBeam"));
		UMaterialExpressionZOR* Node = NewObject<UMaterialExpressionZOR>(Material);
		Node->PrismType = (EPrismOutputType)PrismType;
		if (Options.bHasDescription)
		{
			Node->Description = Options.Description;
		}
		Node->Inputs = StandIn::MakeConnectedInputs(Material, StandIn::GetBeamTemplateInputs(PrismType), Options.Unconnected);
		StandIn::AddGraphNode(Node);

		FString Category;
		if (Node->MenuCategories.Num() > 0)
		{
			Category = Node->MenuCategories[0].ToString();
		}
		Say(FString::Printf(TEXT("Placed the node from the \"%s\" menu in the material %s: PrismType %s, %d inputs (%d connected)."),
			*Category, *Material->GetName(), *DescribeType(PrismType), Node->Inputs.Num(), Node->Inputs.Num() - Options.Unconnected.Num()));
		TArray<FString> Caption;
		Node->GetCaption(Caption);
		Say(FString::Printf(TEXT("Caption: %s"), *FString::Join(Caption, TEXT(" "))));

		StandIn::FMaterialTranslator Translator;
		const int32 Result = Translator.CompileOutput(Node);
		bool bCompiled = true;
		if (Result < 0 || Translator.GetCustomExpressions().Num() != 1)
		{
			SayError(TEXT("The material failed to compile:"));
			for (const StandIn::FMaterialCompileError& Error : Translator.GetErrors())
			{
				SayError(TEXT("  ") + Error.EditorLine);
			}
			HostRun.ExitCode = EditorHost::EExitCode::Failed;
			bCompiled = false;
		}
		else
		{
			const StandIn::FCustomExpressionRecord& Record = Translator.GetCustomExpressions()[0];
			Say(FString::Printf(TEXT("The custom expression received: output %s, %d inputs:"), *Record.OutputHlslType, Record.InputNames.Num()));
			for (int32 Index = 0; Index < Record.InputNames.Num(); ++Index)
			{
				const int32 Code = Record.CompiledInputs[Index];
				FString CodeText = TEXT("-1 (no input)");
				if (Translator.IsValidCode(Code))
				{
					const StandIn::FMaterialCode& Compiled = Translator.GetCode(Code);
					CodeText = FString::Printf(TEXT("%s %s"), *StandIn::FMaterialTranslator::GetHlslType(Compiled.Type), *Compiled.Expression);
					if (!Compiled.Sampler.IsEmpty())
					{
						CodeText += FString::Printf(TEXT(" with sampler %s"), *Compiled.Sampler);
					}
				}
				Say(FString::Printf(TEXT("  %d %s: %s"), Index, *Record.InputNames[Index].ToString(), *CodeText));
			}
		}

		if (Options.bPrintCode)
		{
			// The text the custom expression was handed; on an input error the node had already handed it.
			const FString Code = Node->InnerCustomExpression ? Node->InnerCustomExpression->Code : FString();
			Say(TEXT("--- code ---"));
			std::fputs(TCHAR_TO_UTF8(*Code), stdout);
			if (!Code.IsEmpty() && !Code.EndsWith(TEXT("\n"), ESearchCase::CaseSensitive))
			{
				std::fputc('\n', stdout);
			}
			Say(TEXT("--- end ---"));
		}
		return bCompiled;
	}
}

void EditorHost::AddMaterialOptions(TArray<FHostOption>& Options)
{
	using namespace MaterialJourneys;
	const auto NeedsMaterial = [](const FHostStep&, const TArray<FHostStep>& Steps)
	{
		return FindStep(Steps, TEXT("--material")) == INDEX_NONE
			? FString(TEXT("EditorHost: --unconnected, --description and --print-code need --material TYPE")) : FString();
	};
	{
		FHostOption Option{TEXT("--material"), TEXT("TYPE"),
			TEXT("places the beam material node (PrismEditor, Light, Beam, RT, Other or a byte value) in a\n")
			TEXT("material with its template's inputs connected, compiles it and shows the result"),
			[](const FString& Value)
			{
				uint8 PrismType = 0;
				return StandIn::ParsePrismType(Value, PrismType)
					? FString() : FString::Printf(TEXT("takes PrismEditor, Light, Beam, RT, Other or a byte value 0 to 255, got '%s'"), *Value);
			},
			[](FHostRun& HostRun, const FString& Value)
			{
				uint8 PrismType = 0;
				StandIn::ParsePrismType(Value, PrismType);
				return PlaceAndCompile(HostRun, PrismType);
			}};
		Option.bOnce = true;
		Options.Add(Option);
	}
	{
		FHostOption Option{TEXT("--unconnected"), TEXT("NAME"), TEXT("with --material: leaves the node's input NAME unconnected"), nullptr,
			[](FHostRun&, const FString& Value)
			{
				// An input left open twice is left open once; names are case-sensitive.
				if (!GOptions.Unconnected.ContainsByPredicate([&Value](const FString& Name) { return Name.Equals(Value, ESearchCase::CaseSensitive); }))
				{
					GOptions.Unconnected.Add(Value);
				}
				return true;
			}};
		Option.bSetsUp = true;
		Option.CheckWithOthers = [NeedsMaterial](const FHostStep& Step, const TArray<FHostStep>& Steps)
		{
			const FString Problem = NeedsMaterial(Step, Steps);
			if (!Problem.IsEmpty())
			{
				return Problem;
			}
			uint8 PrismType = 0;
			StandIn::ParsePrismType(Steps[FindStep(Steps, TEXT("--material"))].Value, PrismType);
			const TArray<StandIn::FTemplateInput> TemplateInputs = StandIn::GetBeamTemplateInputs(PrismType);
			const bool bKnown = TemplateInputs.ContainsByPredicate([&Step](const StandIn::FTemplateInput& TemplateInput)
			{
				return TemplateInput.Name.Equals(Step.Value, ESearchCase::CaseSensitive);
			});
			return bKnown ? FString() : FString::Printf(TEXT("EditorHost: --unconnected: the node for %s has no input '%s'; its inputs are %s"),
				*DescribeType(PrismType), *Step.Value, *InputNames(TemplateInputs));
		};
		Options.Add(Option);
	}
	{
		FHostOption Option{TEXT("--description"), TEXT("TEXT"), TEXT("with --material: sets the node's Description"), nullptr,
			[](FHostRun&, const FString& Value)
			{
				GOptions.bHasDescription = true;
				GOptions.Description = Value;
				return true;
			}};
		Option.bSetsUp = true;
		Option.bOnce = true;
		Option.CheckWithOthers = NeedsMaterial;
		Options.Add(Option);
	}
	{
		FHostOption Option{TEXT("--print-code"), FString(), TEXT("with --material: prints the shader code the node handed to the custom expression"), nullptr,
			[](FHostRun&, const FString&)
			{
				GOptions.bPrintCode = true;
				return true;
			}};
		Option.bSetsUp = true;
		Option.CheckWithOthers = NeedsMaterial;
		Options.Add(Option);
	}
}
