#include "DesktopPlatformModule.h"

#include "StandIn/DesktopPlatformHooks.h"

IMPLEMENT_MODULE(FDesktopPlatformModule, DesktopPlatform);

namespace
{
	struct FDialogState
	{
		TArray<TOptional<FString>> Answers;
		TArray<UE::StandIn::FDirectoryDialogRequest> Requests;
		bool bAvailable = true;
	};

	FDialogState& GetState()
	{
		static FDialogState* State = new FDialogState();
		return *State;
	}

	/** The native dialogs of a headless desktop: answered from the queue, modal like the real ones. */
	class FHeadlessDesktopPlatform : public IDesktopPlatform
	{
	public:
		virtual bool OpenDirectoryDialog(const void* ParentWindowHandle, const FString& DialogTitle, const FString& DefaultPath, FString& OutFolderName) override
		{
			FDialogState& State = GetState();
			UE::StandIn::FDirectoryDialogRequest& Request = State.Requests.AddDefaulted_GetRef();
			Request.ParentWindowHandle = ParentWindowHandle;
			Request.Title = DialogTitle;
			Request.DefaultPath = DefaultPath;
			if (State.Answers.Num() == 0)
			{
				// Nobody there to answer: the dialog is cancelled.
				return false;
			}
			const TOptional<FString> Answer = State.Answers[0];
			State.Answers.RemoveAt(0);
			Request.Answer = Answer;
			if (!Answer.IsSet())
			{
				return false;
			}
			OutFolderName = Answer.GetValue();
			return true;
		}
	};
}

void FDesktopPlatformModule::StartupModule()
{
	DesktopPlatform = new FHeadlessDesktopPlatform();
}

void FDesktopPlatformModule::ShutdownModule()
{
	delete DesktopPlatform;
	DesktopPlatform = nullptr;
	// The next editor session starts with no answers queued.
	UE::StandIn::ResetDesktopPlatform();
}

IDesktopPlatform* FDesktopPlatformModule::GetSingleton() const
{
	return GetState().bAvailable ? DesktopPlatform : nullptr;
}

namespace UE::StandIn
{
	void QueueDirectoryDialogAnswer(const TOptional<FString>& Answer)
	{
		GetState().Answers.Add(Answer);
	}

	int32 GetQueuedDirectoryDialogAnswerCount()
	{
		return GetState().Answers.Num();
	}

	const TArray<FDirectoryDialogRequest>& GetDirectoryDialogRequests()
	{
		return GetState().Requests;
	}

	void SetDesktopPlatformAvailable(bool bAvailable)
	{
		GetState().bAvailable = bAvailable;
	}

	bool IsDesktopPlatformAvailable()
	{
		return GetState().bAvailable;
	}

	void ResetDesktopPlatform()
	{
		FDialogState& State = GetState();
		State.Answers.Reset();
		State.Requests.Reset();
		State.bAvailable = true;
	}
}
