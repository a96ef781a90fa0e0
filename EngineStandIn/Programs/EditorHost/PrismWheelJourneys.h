// The headless editor's prism wheel journeys: a prism wheel made through the factory (or read from a JSON
// file), opened as the content browser opens it, and edited on the editor's canvas with clicks, drags,
// pans, wheel turns, keys, undo and redo, each followed by what the user sees.
#pragma once

#include "CoreMinimal.h"
#include "HostOptions.h"
#include "Templates/Function.h"

class UZORPrismWheel;

namespace PrismWheelJourneys
{
	/** The prism wheel that --prism-wheel opened (null before). */
	UZORPrismWheel* GetCurrentPrismWheel();
	/** The folder given with --shots, or empty. */
	const FString& GetShotsDir();
	/** Prints the facettes ("#INDEX x=X y=Y r=RADIUS", four decimals, " selected" appended), the selection and the undo history. */
	void PrintPrismWheel(const UZORPrismWheel* PrismWheel);

	/**
	 * An edit made elsewhere in the editor (its details tab, the thumbnail): numbered among the canvas
	 * edits and followed by a picture of the canvas. Edit does it and says what happened; false (it said
	 * why) fails the run.
	 */
	bool RunEditElsewhere(EditorHost::FHostRun& Run, const FString& Name, const FString& Value, TFunctionRef<bool()> Edit);
	/** Every edit of the prism wheel needs --prism-wheel before it: the error line, or empty. */
	FString CheckAfterPrismWheel(const EditorHost::FHostStep& Step, const TArray<EditorHost::FHostStep>& Steps);
}
