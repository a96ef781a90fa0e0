// The headless editor's edits in the details tab of the prism wheel editor and of its thumbnail:
// --details, --generate, --clear-all, --answer, --set-property, --thumbnail. They join the prism wheel's
// edits in the order given and work on the prism wheel that --prism-wheel opened.
#pragma once

#include "CoreMinimal.h"
#include "PrismWheelJourneys.h"

namespace PrismWheelDetailsJourneys
{
	/**
	 * Reads the option at Argv[Index] (and its value, moving Index past it) into an edit of the prism
	 * wheel journey. Parsed, NotMine, or Bad (the reason was said).
	 */
	PrismWheelJourneys::EParseResult ParseOption(int Argc, char** Argv, int& Index, PrismWheelJourneys::FOptions& Options);
	void PrintUsage();

	/** False (and says why) when an answer given with --answer found no question by the end of the run. */
	bool CheckAllAnswersTaken();
}
