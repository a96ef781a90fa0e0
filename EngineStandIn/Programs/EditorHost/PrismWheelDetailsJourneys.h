// The headless editor's journeys through the details tab and the thumbnail of the prism wheel of
// --prism-wheel: --details, --generate, --clear-all, --answer, --set-property, --thumbnail.
#pragma once

#include "CoreMinimal.h"

class UZORPrismWheel;

namespace PrismWheelDetailsJourneys
{
	struct FStep
	{
		enum class EKind : uint8
		{
			Details,
			Generate,
			ClearAll,
			Answer,
			SetProperty,
			Thumbnail,
		};
		EKind Kind = EKind::Details;
		/** --answer: "Yes", "No" or "Cancel"; --set-property: the property name. */
		FString Name;
		/** --set-property: the value. */
		FString Value;
		uint32 Width = 0;
		uint32 Height = 0;
	};

	struct FOptions
	{
		TArray<FStep> Steps;
	};

	enum class EParseResult : uint8
	{
		/** Not one of these options. */
		NotMine,
		Parsed,
		/** One of these options with a bad value; the reason was said. */
		Bad,
	};

	/** Reads the option at Argv[Index] (and its value, moving Index past it). */
	EParseResult ParseOption(int Argc, char** Argv, int& Index, FOptions& Options);
	/** False (and says why) when these options are given without a prism wheel to work on. */
	bool CheckOptions(const FOptions& Options, bool bPrismWheel);
	void PrintUsage();

	/**
	 * Runs the steps in order in the details tab of the prism wheel's editor; after each edit the wheel is
	 * printed as the canvas journeys print it. ShotsDir (may be empty) receives the thumbnail pictures.
	 * Returns the exit code: 0, or 1 when a step failed as a user would see it (a question nobody
	 * answered, a property the panel does not show, a value it refuses, an answer that no question took,
	 * a picture not written); the run stops at the first failure.
	 */
	int32 Run(UZORPrismWheel* PrismWheel, const FOptions& Options, const FString& ShotsDir);
}
