#include "MaterialJourneys.h"

#include "HostOptions.h"
#include "MaterialExpressionZOR.h"
#include "Materials/Material.h"
#include "StandInTesting/MaterialDriver.h"
#include "StandInTesting/MaterialTranslator.h"

#include <cstdio>
#include <string>

namespace MaterialJourneys
{
	namespace
	{
		using EditorHost::Say;
		using EditorHost::SayError;

		FString DescribeType(uint8 PrismType)
		{
			UEnum* Enum = StaticEnum<EPrismOutputType>();
			if (PrismType < 5 && Enum)
			{
				return Enum->GetNameStringByIndex(PrismType);
			}
			return FString::Printf(TEXT("%d (outside the enumeration)"), (int32)PrismType);
		}

		FString InputNames(const TArray<StandIn::FMaterialInputSpec>& Specs)
		{
			TArray<FString> Names;
			for (const StandIn::FMaterialInputSpec& Spec : Specs)
			{
				Names.Add(Spec.Name);
			}
			return FString::Join(Names, TEXT(", "));
		}
	}

	EParseResult ParseOption(int Argc, char** Argv, int& Index, FMaterialOptions& Options)
	{
		const std::string Arg = Argv[Index];
		if (Arg == "--print-code")
		{
			Options.bPrintCode = true;
			return EParseResult::Taken;
		}
		if (Arg != "--material" && Arg != "--unconnected" && Arg != "--description")
		{
			return EParseResult::NotMine;
		}
		if (Index + 1 >= Argc)
		{
			SayError(FString::Printf(TEXT("EditorHost: %s needs a value"), UTF8_TO_TCHAR(Arg.c_str())));
			return EParseResult::Bad;
		}
		const FString Value = UTF8_TO_TCHAR(Argv[++Index]);
		if (Arg == "--material")
		{
			if (Options.bRequested)
			{
				SayError(TEXT("EditorHost: --material may be given once"));
				return EParseResult::Bad;
			}
			if (!StandIn::ParsePrismType(Value, Options.PrismType))
			{
				SayError(FString::Printf(TEXT("EditorHost: --material takes PrismEditor, Light, Beam, RT, Other or a byte value 0 to 255, got '%s'"), *Value));
				return EParseResult::Bad;
			}
			Options.bRequested = true;
			Options.TypeText = Value;
		}
		else if (Arg == "--unconnected")
		{
			Options.Unconnected.Add(Value);
		}
		else
		{
			Options.bHasDescription = true;
			Options.Description = Value;
		}
		return EParseResult::Taken;
	}

	bool Validate(const FMaterialOptions& Options)
	{
		if (!Options.bRequested)
		{
			if (Options.Unconnected.Num() > 0 || Options.bHasDescription || Options.bPrintCode)
			{
				SayError(TEXT("EditorHost: --unconnected, --description and --print-code need --material TYPE"));
				return false;
			}
			return true;
		}
		const TArray<StandIn::FMaterialInputSpec> Specs = StandIn::GetBeamTemplateInputs(Options.PrismType);
		for (const FString& Name : Options.Unconnected)
		{
			const bool bKnown = Specs.ContainsByPredicate([&Name](const StandIn::FMaterialInputSpec& Spec)
			{
				return Spec.Name.Equals(Name, ESearchCase::CaseSensitive);
			});
			if (!bKnown)
			{
				SayError(FString::Printf(TEXT("EditorHost: --unconnected: the node for %s has no input '%s'; its inputs are %s"),
					*DescribeType(Options.PrismType), *Name, *InputNames(Specs)));
				return false;
			}
		}
		return true;
	}

	void PrintUsage()
	{
		Say(TEXT("  --material TYPE       places the beam material node (PrismEditor, Light, Beam, RT, Other or a byte value) in a"));
		Say(TEXT("                        material with its template's inputs connected, compiles it and shows the result"));
		Say(TEXT("  --unconnected NAME    with --material: leaves the node's input NAME unconnected"));
		Say(TEXT("  --description TEXT    with --material: sets the node's Description"));
		Say(TEXT("  --print-code          with --material: prints the shader code the node handed to the custom expression"));
	}

	int32 Run(const FMaterialOptions& Options)
	{
		UMaterial* Material = StandIn::NewMaterial(TEXT("M_ZORBeam"));
		UMaterialExpressionZOR* Node = NewObject<UMaterialExpressionZOR>(Material);
		Node->PrismType = (EPrismOutputType)Options.PrismType;
		if (Options.bHasDescription)
		{
			Node->Description = Options.Description;
		}
		Node->Inputs = StandIn::MakeConnectedInputs(Material, StandIn::GetBeamTemplateInputs(Options.PrismType), Options.Unconnected);
		StandIn::AddGraphNode(Node);

		FString Category;
		if (Node->MenuCategories.Num() > 0)
		{
			Category = Node->MenuCategories[0].ToString();
		}
		Say(FString::Printf(TEXT("Placed the node from the \"%s\" menu in the material %s: PrismType %s, %d inputs (%d connected)."),
			*Category, *Material->GetName(), *DescribeType(Options.PrismType), Node->Inputs.Num(), Node->Inputs.Num() - Options.Unconnected.Num()));
		TArray<FString> Caption;
		Node->GetCaption(Caption);
		Say(FString::Printf(TEXT("Caption: %s"), *FString::Join(Caption, TEXT(" "))));

		StandIn::FMaterialTranslator Translator;
		const int32 Result = Translator.CompileOutput(Node);
		int32 ExitCode = 0;
		if (Result < 0 || Translator.GetCustomExpressions().Num() != 1)
		{
			SayError(TEXT("The material failed to compile:"));
			for (const StandIn::FMaterialCompileError& Error : Translator.GetErrors())
			{
				SayError(TEXT("  ") + Error.EditorLine);
			}
			ExitCode = static_cast<int32>(EditorHost::EExitCode::Failed);
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
		return ExitCode;
	}
}
