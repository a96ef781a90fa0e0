// The headless editor's command line: every option is one entry of a table (its name, its value, its
// help line, a check of the value when the command line is read, and what the user does when it runs).
// The command line becomes an ordered list of steps, run one after the other in the order given; an option
// that sets something up for the other steps (a size, a folder) runs before them wherever it stands.
// An option group in a file of its own adds its entries with a function that EditorHost.cpp calls.
#pragma once

#include "CoreMinimal.h"
#include "Templates/Function.h"

#include <string>

namespace StandIn
{
	class FEditorSession;
}

namespace EditorHost
{
	/** The process's exit codes, the only place they are defined (README and --help list them). */
	enum class EExitCode : int
	{
		/** Everything asked for was done. */
		Ok = 0,
		/** Something the user asked for failed as the editor showed it; the run stops there. */
		Failed = 1,
		/** The command line, the level file or the prism wheel file cannot be used; nothing ran. */
		BadInput = 2,
	};

	/** What an exit code means, as --help and README list it. */
	const TCHAR* DescribeExitCode(EExitCode Code);

	/** A line for the user (standard output). */
	void Say(const FString& Line);
	/** An error line (standard error). */
	void SayError(const FString& Line);

	/** What a running journey has at hand. */
	struct FHostRun
	{
		explicit FHostRun(StandIn::FEditorSession& InSession)
			: Session(InSession)
		{
		}

		StandIn::FEditorSession& Session;
		FString ConfigPath;
		EExitCode ExitCode = EExitCode::Ok;
		/** Notifications of the editor already told to the user. */
		int32 NumNotificationsTold = 0;

		/** Says why on standard error; the run ends with EExitCode::Failed. */
		void Fail(const FString& Message)
		{
			SayError(Message);
			ExitCode = EExitCode::Failed;
		}

		/**
		 * Tells the notifications the editor showed since the last call. With bWarningsFail, a warning
		 * notification goes to standard error and fails the run (the editor told the user something failed).
		 */
		void TellNotifications(bool bWarningsFail);
	};

	struct FHostOption;

	/** One step of the journey: an option and its value, in the order given. */
	struct FHostStep
	{
		const FHostOption* Option = nullptr;
		FString Value;
		/** The value's bytes as given: a file name need not be UTF-8, and is opened as given. */
		std::string NativeValue;
	};

	/**
	 * Reads a file the user named (Path as given, bytes that need not be UTF-8) as text; false with the problem in
	 * OutProblem ("the file does not exist", "this is a folder, not a <What>", ...). Bytes after a NUL
	 * would be dropped without a word, so such a file is refused.
	 */
	bool ReadUserFile(const std::string& Path, const TCHAR* What, FString& OutText, FString& OutProblem);

	/** The index of the first step of the option Name, or INDEX_NONE. */
	int32 FindStep(const TArray<FHostStep>& Steps, const TCHAR* Name);

	struct FHostOption
	{
		/** "--set" */
		FString Name;
		/** "\"Label=Value\"" for the help; empty for an option without a value. */
		FString ValueName;
		FString Help;
		/** When the command line is read: why the value cannot be used, or empty (an empty value is refused before it). May be unset. */
		TFunction<FString(const FString& Value)> CheckValue;
		/** Does what the user does; false stops the journey (the step has called Fail). */
		TFunction<bool(FHostRun& Run, const FString& Value)> Run;
		/** A warning notification shown during the step fails the run. */
		bool bWarningsFail = false;
		/** The step edits the settings: the settings file is shown again at the end of the run. */
		bool bEditsSettings = false;
		/** The value may be left out: the next argument is the value unless it is an option ("--..."). */
		bool bValueOptional = false;
		/** Sets something up for the other steps: runs before them, wherever it stands. */
		bool bSetsUp = false;
		/** May be given once. */
		bool bOnce = false;
		/**
		 * When the whole command line is read: why this step cannot be used with the others (all steps, in
		 * the order given), as a whole error line, or empty. May be unset.
		 */
		TFunction<FString(const FHostStep& Step, const TArray<FHostStep>& Steps)> CheckWithOthers;
	};

	void AddPrismWheelOptions(TArray<FHostOption>& Options);
	void AddPrismWheelDetailsOptions(TArray<FHostOption>& Options);
	void AddMaterialOptions(TArray<FHostOption>& Options);
}
