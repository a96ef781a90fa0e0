#include "Misc/MessageDialog.h"

#include "StandIn/MessageDialogHooks.h"

namespace
{
	TFunction<TOptional<EAppReturnType::Type>(const UE::StandIn::FMessageDialogCall&)>& DialogHandler()
	{
		static TFunction<TOptional<EAppReturnType::Type>(const UE::StandIn::FMessageDialogCall&)> Handler;
		return Handler;
	}

	EAppReturnType::Type GetUnattendedAnswer(EAppMsgType::Type MessageType)
	{
		switch (MessageType)
		{
		case EAppMsgType::Ok:
			return EAppReturnType::Ok;
		case EAppMsgType::YesNo:
		case EAppMsgType::YesNoYesAllNoAll:
		case EAppMsgType::YesNoYesAll:
			return EAppReturnType::No;
		default:
			return EAppReturnType::Cancel;
		}
	}
}

namespace UE::StandIn
{
	void SetMessageDialogHandler(TFunction<TOptional<EAppReturnType::Type>(const FMessageDialogCall&)> Handler)
	{
		DialogHandler() = MoveTemp(Handler);
	}

	bool IsAnswerOffered(EAppMsgType::Type MessageType, EAppReturnType::Type Answer)
	{
		switch (MessageType)
		{
		case EAppMsgType::Ok:
			return Answer == EAppReturnType::Ok;
		case EAppMsgType::YesNo:
			return Answer == EAppReturnType::Yes || Answer == EAppReturnType::No;
		case EAppMsgType::OkCancel:
			return Answer == EAppReturnType::Ok || Answer == EAppReturnType::Cancel;
		case EAppMsgType::YesNoCancel:
			return Answer == EAppReturnType::Yes || Answer == EAppReturnType::No || Answer == EAppReturnType::Cancel;
		case EAppMsgType::CancelRetryContinue:
			return Answer == EAppReturnType::Cancel || Answer == EAppReturnType::Retry || Answer == EAppReturnType::Continue;
		case EAppMsgType::YesNoYesAllNoAll:
			return Answer == EAppReturnType::Yes || Answer == EAppReturnType::No || Answer == EAppReturnType::YesAll || Answer == EAppReturnType::NoAll;
		case EAppMsgType::YesNoYesAllNoAllCancel:
			return Answer == EAppReturnType::Yes || Answer == EAppReturnType::No || Answer == EAppReturnType::YesAll || Answer == EAppReturnType::NoAll
				|| Answer == EAppReturnType::Cancel;
		case EAppMsgType::YesNoYesAll:
			return Answer == EAppReturnType::Yes || Answer == EAppReturnType::No || Answer == EAppReturnType::YesAll;
		}
		return false;
	}
}

EAppReturnType::Type FMessageDialog::Open(EAppMsgType::Type MessageType, const FText& Message)
{
	return Open(MessageType, GetUnattendedAnswer(MessageType), Message, FText::GetEmpty());
}

EAppReturnType::Type FMessageDialog::Open(EAppMsgType::Type MessageType, const FText& Message, const FText& Title)
{
	return Open(MessageType, GetUnattendedAnswer(MessageType), Message, Title);
}

EAppReturnType::Type FMessageDialog::Open(EAppMsgType::Type MessageType, EAppReturnType::Type DefaultValue, const FText& Message)
{
	return Open(MessageType, DefaultValue, Message, FText::GetEmpty());
}

EAppReturnType::Type FMessageDialog::Open(EAppMsgType::Type MessageType, EAppReturnType::Type DefaultValue, const FText& Message, const FText& Title)
{
	UE::StandIn::FMessageDialogCall Call;
	Call.MessageType = MessageType;
	Call.DefaultAnswer = DefaultValue;
	Call.Message = Message.ToString();
	Call.Title = Title.ToString();
	if (DialogHandler())
	{
		const TOptional<EAppReturnType::Type> Answer = DialogHandler()(Call);
		// A box only returns one of its own buttons.
		if (Answer.IsSet() && UE::StandIn::IsAnswerOffered(MessageType, Answer.GetValue()))
		{
			return Answer.GetValue();
		}
	}
	return DefaultValue;
}
