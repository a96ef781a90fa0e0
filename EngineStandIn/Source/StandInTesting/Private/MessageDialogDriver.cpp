#include "StandInTesting/DialogDriver.h"

#include "StandIn/MessageDialogHooks.h"

namespace StandIn
{
	namespace
	{
		struct FMessageDialogState
		{
			TArray<EAppReturnType::Type> PendingAnswers;
			TArray<FMessageDialogRecord> Records;
		};

		FMessageDialogState& State()
		{
			static FMessageDialogState DialogState;
			return DialogState;
		}

	}

	void AnswerNextMessageDialog(EAppReturnType::Type Answer)
	{
		State().PendingAnswers.Add(Answer);
	}

	int32 GetPendingMessageDialogAnswers()
	{
		return State().PendingAnswers.Num();
	}

	TArray<FMessageDialogRecord> GetMessageDialogs()
	{
		return State().Records;
	}

	void ResetMessageDialogs()
	{
		State().PendingAnswers.Reset();
		State().Records.Reset();
		UE::StandIn::SetMessageDialogHandler([](const UE::StandIn::FMessageDialogCall& Call) -> TOptional<EAppReturnType::Type>
		{
			FMessageDialogRecord& Record = State().Records.AddDefaulted_GetRef();
			Record.MessageType = Call.MessageType;
			Record.Message = Call.Message;
			Record.Title = Call.Title;
			Record.Answer = Call.DefaultAnswer;
			if (State().PendingAnswers.Num() == 0)
			{
				return TOptional<EAppReturnType::Type>();
			}
			const EAppReturnType::Type Answer = State().PendingAnswers[0];
			State().PendingAnswers.RemoveAt(0);
			if (!UE::StandIn::IsAnswerOffered(Call.MessageType, Answer))
			{
				return TOptional<EAppReturnType::Type>();
			}
			Record.bAnswered = true;
			Record.Answer = Answer;
			return TOptional<EAppReturnType::Type>(Answer);
		});
	}

	FString LexAppReturnType(EAppReturnType::Type Answer)
	{
		switch (Answer)
		{
		case EAppReturnType::No:
			return TEXT("No");
		case EAppReturnType::Yes:
			return TEXT("Yes");
		case EAppReturnType::YesAll:
			return TEXT("YesAll");
		case EAppReturnType::NoAll:
			return TEXT("NoAll");
		case EAppReturnType::Cancel:
			return TEXT("Cancel");
		case EAppReturnType::Ok:
			return TEXT("Ok");
		case EAppReturnType::Retry:
			return TEXT("Retry");
		case EAppReturnType::Continue:
			return TEXT("Continue");
		}
		return TEXT("?");
	}

	FString LexAppMsgType(EAppMsgType::Type MessageType)
	{
		switch (MessageType)
		{
		case EAppMsgType::Ok:
			return TEXT("Ok");
		case EAppMsgType::YesNo:
			return TEXT("YesNo");
		case EAppMsgType::OkCancel:
			return TEXT("OkCancel");
		case EAppMsgType::YesNoCancel:
			return TEXT("YesNoCancel");
		case EAppMsgType::CancelRetryContinue:
			return TEXT("CancelRetryContinue");
		case EAppMsgType::YesNoYesAllNoAll:
			return TEXT("YesNoYesAllNoAll");
		case EAppMsgType::YesNoYesAllNoAllCancel:
			return TEXT("YesNoYesAllNoAllCancel");
		case EAppMsgType::YesNoYesAll:
			return TEXT("YesNoYesAll");
		}
		return TEXT("?");
	}
}
