// Hooks of the Core stand-in that answer message boxes (never included by plug-in code).
#pragma once

#include "CoreMinimal.h"
#include "GenericPlatform/GenericPlatformMisc.h"
#include "Templates/Function.h"

namespace UE::StandIn
{
	/** One message box as it was shown. */
	struct FMessageDialogCall
	{
		EAppMsgType::Type MessageType = EAppMsgType::Ok;
		/** What the box gives when nobody answers it. */
		EAppReturnType::Type DefaultAnswer = EAppReturnType::Ok;
		FString Message;
		FString Title;
	};

	/**
	 * Answers every message box; returning an unset optional leaves the box unanswered, and it then
	 * gives its default answer. An empty function restores the default for every box.
	 */
	CORE_API void SetMessageDialogHandler(TFunction<TOptional<EAppReturnType::Type>(const FMessageDialogCall&)> Handler);
	/** Whether a box of this kind has a button for the answer; a box only returns one of its own buttons. */
	CORE_API bool IsAnswerOffered(EAppMsgType::Type MessageType, EAppReturnType::Type Answer);
}
