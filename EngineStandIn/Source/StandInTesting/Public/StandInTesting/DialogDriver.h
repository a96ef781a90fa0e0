// Answering the editor's native folder dialogs as a user would, and reading what they were asked.
// A folder dialog takes the oldest queued answer; a dialog with none queued is cancelled.
// The queue and the record are cleared when the session unloads the DesktopPlatform module.
#pragma once

#include "CoreMinimal.h"
#include "GenericPlatform/GenericPlatformMisc.h"

class SWindow;

namespace StandIn
{
	/** What one folder dialog showed, and how it was answered. */
	struct FFolderDialogRecord
	{
		/** The native parent window handle passed to the dialog (null: no parent). */
		const void* ParentWindowHandle = nullptr;
		FString Title;
		/** The folder it opened at. */
		FString StartFolder;
		/** False when it was cancelled. */
		bool bAnswered = false;
		FString ChosenFolder;
	};

	/** The next folder dialog chooses Folder. */
	void AnswerNextFolderDialog(const FString& Folder);
	/** The next folder dialog is cancelled. */
	void CancelNextFolderDialog();
	/** Answers queued and not yet used. */
	int32 GetPendingFolderDialogAnswers();

	/** Every folder dialog opened since the last reset, oldest first. */
	TArray<FFolderDialogRecord> GetFolderDialogs();
	int32 GetFolderDialogCount();
	/** The last one (check that there was one). */
	FFolderDialogRecord GetLastFolderDialog();

	/** False: FDesktopPlatformModule::Get() gives null, as on a machine without native dialogs. */
	void SetDesktopPlatformAvailable(bool bAvailable);

	/** Forgets the queued answers and the record; the platform is available again. */
	void ResetFolderDialogs();

	/** The window IMainFrameModule::GetParentWindow gives; null: an editor without a main frame window. */
	void SetMainFrameWindow(const TSharedPtr<SWindow>& Window);

	/** What one message box asked, and how it was answered. */
	struct FMessageDialogRecord
	{
		EAppMsgType::Type MessageType = EAppMsgType::Ok;
		FString Message;
		FString Title;
		/** False when no answer was queued: the box gave its default answer. */
		bool bAnswered = false;
		EAppReturnType::Type Answer = EAppReturnType::Cancel;
	};

	/** The next message box is answered so (an answer the box does not offer leaves it to its default). */
	void AnswerNextMessageDialog(EAppReturnType::Type Answer);
	int32 GetPendingMessageDialogAnswers();
	/** Every message box shown since the last reset, oldest first. */
	TArray<FMessageDialogRecord> GetMessageDialogs();
	/** Forgets the queued answers and the record, and starts recording (the session does this when it starts). */
	void ResetMessageDialogs();
	/** "Yes", "No", "Cancel", ... */
	FString LexAppReturnType(EAppReturnType::Type Answer);
	/** "YesNo", "YesNoCancel", ... */
	FString LexAppMsgType(EAppMsgType::Type MessageType);
}
