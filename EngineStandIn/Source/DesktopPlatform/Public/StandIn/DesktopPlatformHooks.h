// Hooks of the stand-in's desktop platform for the testing module (never included by plug-in code).
// A headless editor has no user at the dialog: each folder dialog takes the next queued answer, and
// one without an answer is cancelled.
#pragma once

#include "CoreMinimal.h"
#include "Misc/Optional.h"

namespace UE::StandIn
{
	/** What a folder dialog was asked when it opened. */
	struct FDirectoryDialogRequest
	{
		const void* ParentWindowHandle = nullptr;
		FString Title;
		FString DefaultPath;
		/** The folder it returned; unset when it was cancelled. */
		TOptional<FString> Answer;
	};

	/** Queues the answer of the next unanswered folder dialog: a folder, or (unset) a cancel. */
	DESKTOPPLATFORM_API void QueueDirectoryDialogAnswer(const TOptional<FString>& Answer);
	DESKTOPPLATFORM_API int32 GetQueuedDirectoryDialogAnswerCount();
	/** Every folder dialog opened since the last reset, oldest first. */
	DESKTOPPLATFORM_API const TArray<FDirectoryDialogRequest>& GetDirectoryDialogRequests();
	/** False: FDesktopPlatformModule::Get() returns null, as on a build without native dialogs. */
	DESKTOPPLATFORM_API void SetDesktopPlatformAvailable(bool bAvailable);
	DESKTOPPLATFORM_API bool IsDesktopPlatformAvailable();
	/** Forgets the queued answers and the requests, and makes the platform available again. */
	DESKTOPPLATFORM_API void ResetDesktopPlatform();
}
