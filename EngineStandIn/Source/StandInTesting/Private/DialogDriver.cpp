#include "StandInTesting/DialogDriver.h"

#include "StandIn/DesktopPlatformHooks.h"
#include "StandIn/MainFrameHooks.h"

namespace StandIn
{
	void AnswerNextFolderDialog(const FString& Folder)
	{
		UE::StandIn::QueueDirectoryDialogAnswer(TOptional<FString>(Folder));
	}

	void CancelNextFolderDialog()
	{
		UE::StandIn::QueueDirectoryDialogAnswer(TOptional<FString>());
	}

	int32 GetPendingFolderDialogAnswers()
	{
		return UE::StandIn::GetQueuedDirectoryDialogAnswerCount();
	}

	TArray<FFolderDialogRecord> GetFolderDialogs()
	{
		TArray<FFolderDialogRecord> Records;
		for (const UE::StandIn::FDirectoryDialogRequest& Request : UE::StandIn::GetDirectoryDialogRequests())
		{
			FFolderDialogRecord& Record = Records.AddDefaulted_GetRef();
			Record.ParentWindowHandle = Request.ParentWindowHandle;
			Record.Title = Request.Title;
			Record.StartFolder = Request.DefaultPath;
			Record.bAnswered = Request.Answer.IsSet();
			if (Record.bAnswered)
			{
				Record.ChosenFolder = Request.Answer.GetValue();
			}
		}
		return Records;
	}

	int32 GetFolderDialogCount()
	{
		return UE::StandIn::GetDirectoryDialogRequests().Num();
	}

	FFolderDialogRecord GetLastFolderDialog()
	{
		const TArray<FFolderDialogRecord> Records = GetFolderDialogs();
		check(Records.Num() > 0);
		return Records.Last();
	}

	void SetDesktopPlatformAvailable(bool bAvailable)
	{
		UE::StandIn::SetDesktopPlatformAvailable(bAvailable);
	}

	void ResetFolderDialogs()
	{
		UE::StandIn::ResetDesktopPlatform();
	}

	void SetMainFrameWindow(const TSharedPtr<SWindow>& Window)
	{
		UE::StandIn::SetMainFrameWindow(Window);
	}
}
