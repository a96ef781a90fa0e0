// The headless editor's journeys through a prism wheel's details panel and its thumbnail:
// --details, --generate, --clear-all, --answer, --set-property, --thumbnail (with --shots).
#pragma once

#include "CoreMinimal.h"
#include "Templates/Function.h"

class UZORPrismWheel;

namespace ZORHost
{
	struct FPrismWheelDetailsStep
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

	struct FPrismWheelDetailsOptions
	{
		TArray<FPrismWheelDetailsStep> Steps;
		/** --shots: where the thumbnail pictures go; empty: none are written. */
		FString ShotsDir;
		/** Prints the wheel after each edit; unset: PrintPrismWheelState. */
		TFunction<void(const UZORPrismWheel*)> PrintAfterEdit;
	};

	enum class EParseResult : uint8
	{
		/** Not one of these options. */
		NotMine,
		Parsed,
		/** One of these options, but unusable (the reason was printed). */
		Error,
	};

	/** Reads the option at Argv[Index] (and its value, advancing Index) when it is one of these. */
	EParseResult ParsePrismWheelDetailsOption(int Argc, char** Argv, int& Index, FPrismWheelDetailsOptions& Options);

	void PrintPrismWheelDetailsUsage();

	/**
	 * Opens the wheel's details panel as the details tab builds it and runs the steps in order. After
	 * each edit the wheel's facettes, selection and undo history are printed. Returns 0, or 1 when a
	 * step failed as a user would see it (a question nobody answered, a property the panel does not
	 * show, a value it refuses, an answer that no question took); the run stops at the first failure.
	 */
	int32 RunPrismWheelDetailsSteps(UZORPrismWheel* PrismWheel, const FPrismWheelDetailsOptions& Options);

	/** A new, empty prism wheel asset "/Game/PrismWheels/PW_PrismWheel", made as the asset factory makes one. */
	UZORPrismWheel* CreatePrismWheelAsset();

	/** The wheel's facettes, selection and undo history, as printed after each edit. */
	void PrintPrismWheelState(const UZORPrismWheel* PrismWheel);
}
