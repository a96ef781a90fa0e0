// The headless editor's material journeys: the beam node placed in a material with the inputs its
// template reads, compiled, and what the material editor would show printed.
#pragma once

#include "CoreMinimal.h"

namespace MaterialJourneys
{
	struct FMaterialOptions
	{
		/** --material TYPE was given. */
		bool bRequested = false;
		FString TypeText;
		uint8 PrismType = 0;
		/** --unconnected NAME, in the order given. */
		TArray<FString> Unconnected;
		bool bHasDescription = false;
		FString Description;
		bool bPrintCode = false;
	};

	enum class EParseResult : uint8
	{
		/** Not a material option. */
		NotMine,
		Taken,
		/** A material option with a missing or bad value (already said). */
		Bad,
	};

	/** Reads the material option at Argv[Index]; Index moves past the option's value. */
	EParseResult ParseOption(int Argc, char** Argv, int& Index, FMaterialOptions& Options);

	/** Checks the options together (the other options need --material; --unconnected names an input); false after saying why. */
	bool Validate(const FMaterialOptions& Options);

	void PrintUsage();

	/** Places and compiles the node and prints the outcome: 0 compiled, 1 the node's compile failed. */
	int32 Run(const FMaterialOptions& Options);
}
