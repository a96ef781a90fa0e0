// Test hooks of the stand-in's Slate application (the editor session starts it; tests answer dialogs).
#pragma once

#include "CoreMinimal.h"

class SWindow;

namespace UE::StandIn
{
	/** Starts the Slate application (FSlateApplication::IsInitialized becomes true). */
	SLATE_API void InitializeSlateApplication();
	/** Stops it, forgetting its windows. */
	SLATE_API void ShutdownSlateApplication();

	/** Called inside AddModalWindow, as the user would act on the dialog; the window is closed afterwards if still open. */
	SLATE_API void SetModalWindowHandler(TFunction<void(const TSharedRef<SWindow>&)> InHandler);

	/** Every window ever added (including closed ones), in order. */
	SLATE_API const TArray<TSharedRef<SWindow>>& GetAllAddedWindows();
	SLATE_API void ClearAddedWindows();
}
