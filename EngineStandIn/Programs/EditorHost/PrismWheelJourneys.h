// The headless editor's prism wheel journeys: a prism wheel made through the factory (or read from a JSON
// file), opened as the content browser opens it, and edited on the editor's canvas with clicks, drags,
// pans, wheel turns, keys, undo and redo, each followed by what the user sees.
#pragma once

#include "CoreMinimal.h"
#include "Templates/Function.h"

class UZORPrismWheel;

namespace StandIn
{
	class FEditorSession;
}

namespace PrismWheelJourneys
{
	struct FOptions;

	/** One edit on the canvas, in the order given on the command line. */
	struct FCanvasEdit
	{
		enum class EKind : uint8
		{
			Click,
			Drag,
			Pan,
			Wheel,
			Key,
			Undo,
			Redo,
			/** An edit made elsewhere in the editor (its details tab, the thumbnail); Run does it and says what happened. */
			Elsewhere,
		};
		EKind Kind = EKind::Click;
		FVector2D From = FVector2D(0.0, 0.0);
		FVector2D To = FVector2D(0.0, 0.0);
		bool bShift = false;
		bool bCtrl = false;
		float Notches = 0.f;
		FString KeyName;
		/** As given on the command line, for the report and the picture's name. */
		FString Text;
		/** Elsewhere: does the edit; false fails the run (it said why). */
		TFunction<bool(const FOptions& Options)> Run;
	};

	struct FOptions
	{
		bool bPrismWheel = false;
		/** --prism-wheel FILE: the facettes and selection to start from; empty: a fresh asset. */
		FString PrismWheelFile;
		FVector2D CanvasSize = FVector2D(600.0, 600.0);
		TArray<FCanvasEdit> Edits;
		/** --shots DIR: a picture of the canvas after each edit. */
		FString ShotsDir;
	};

	enum class EParseResult : uint8
	{
		/** Not a prism wheel option. */
		NotMine,
		Parsed,
		/** A prism wheel option with a bad value; the reason was said. */
		Bad,
	};

	/** Moves Index onto the value of the option at Argv[Index]; false (and says so) when the command line ends first. */
	bool TakeValue(int Argc, char** Argv, int& Index, FString& OutValue);
	/** Reads the option at Argv[Index] (and its value, moving Index past it). */
	EParseResult ParseOption(int Argc, char** Argv, int& Index, FOptions& Options);
	/** False (and says why) when the options cannot be used together. */
	bool CheckOptions(const FOptions& Options);
	void PrintUsage();

	/**
	 * Creates or reads the prism wheel, opens its editor and runs the edits. Returns the exit code:
	 * 0 when everything went as asked, 1 when something a user would see failed, 2 for a bad input file.
	 */
	int32 Run(StandIn::FEditorSession& Session, const FOptions& Options);

	/** The prism wheel of the journey (null before Run). */
	UZORPrismWheel* GetCurrentPrismWheel();
	/** Prints the facettes ("#INDEX x=X y=Y r=RADIUS", four decimals, " selected" appended), the selection and the undo history. */
	void PrintPrismWheel(const UZORPrismWheel* PrismWheel);
	/** Closes the asset editors, as the editor does before its modules shut down. */
	void CloseEditors();
}
