#include "PrismWheelDetailsJourneys.h"

#include "HAL/FileManager.h"
#include "IDetailsView.h"
#include "Misc/Paths.h"
#include "PropertyHandle.h"
#include "StandIn/PropertyEditorHooks.h"
#include "StandInTesting/DetailsDriver.h"
#include "StandInTesting/DialogDriver.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/ThumbnailDriver.h"
#include "UObject/Package.h"
#include "ZORPrismWheel.h"

#include <cstdio>
#include <string>

namespace ZORHost
{
	namespace
	{
		void Say(const FString& Line)
		{
			std::fputs(TCHAR_TO_UTF8(*Line), stdout);
			std::fputc('\n', stdout);
		}

		bool ParseSize(const FString& Text, uint32& OutWidth, uint32& OutHeight)
		{
			FString WidthText;
			FString HeightText;
			if (!Text.Split(TEXT(","), &WidthText, &HeightText) || !WidthText.IsNumeric() || !HeightText.IsNumeric()
				|| WidthText.Contains(TEXT(".")) || HeightText.Contains(TEXT(".")) || WidthText.StartsWith(TEXT("-")) || HeightText.StartsWith(TEXT("-")))
			{
				return false;
			}
			const int64 Width = FCString::Atoi64(*WidthText);
			const int64 Height = FCString::Atoi64(*HeightText);
			// A thumbnail larger than a big texture is a typing error, not a wish.
			if (Width < 1 || Height < 1 || Width > 4096 || Height > 4096)
			{
				return false;
			}
			OutWidth = uint32(Width);
			OutHeight = uint32(Height);
			return true;
		}

		/** Reports the questions asked since Before; false when one of them found no answer. */
		bool ReportQuestions(int32 Before)
		{
			const TArray<StandIn::FMessageDialogRecord> Dialogs = StandIn::GetMessageDialogs();
			bool bAllAnswered = true;
			for (int32 Index = Before; Index < Dialogs.Num(); ++Index)
			{
				const StandIn::FMessageDialogRecord& Dialog = Dialogs[Index];
				Say(FString::Printf(TEXT("  Question (%s): %s"), *StandIn::LexAppMsgType(Dialog.MessageType), *Dialog.Message));
				if (Dialog.bAnswered)
				{
					Say(FString::Printf(TEXT("  Answered: %s"), *StandIn::LexAppReturnType(Dialog.Answer)));
				}
				else
				{
					Say(TEXT("  No answer was given (--answer Yes|No|Cancel before the click); the question was closed unanswered."));
					bAllAnswered = false;
				}
			}
			return bAllAnswered;
		}

		void PrintPanel(const IDetailsView& DetailsView)
		{
			for (const FString& Line : StandIn::DescribeDetailsPanel(DetailsView))
			{
				Say(TEXT("  ") + Line);
			}
		}

		bool DrawThumbnail(UZORPrismWheel* PrismWheel, uint32 Width, uint32 Height, const FString& ShotsDir)
		{
			const StandIn::FThumbnailDrawing Drawing = StandIn::DrawThumbnail(PrismWheel, Width, Height);
			if (!Drawing.bHasCustomRenderer)
			{
				Say(FString::Printf(TEXT("Thumbnail %u x %u: no renderer is registered for prism wheels; the content browser shows the default thumbnail."), Width, Height));
				return true;
			}
			if (!Drawing.bCanVisualize)
			{
				Say(FString::Printf(TEXT("Thumbnail %u x %u: %s cannot draw this prism wheel; the content browser shows the default thumbnail."),
					Width, Height, *Drawing.RendererClassName));
				return true;
			}
			Say(FString::Printf(TEXT("Thumbnail %u x %u drawn by %s in %d tiles:"), Width, Height, *Drawing.RendererClassName, Drawing.Tiles.Num()));
			for (int32 Index = 0; Index < Drawing.Tiles.Num(); ++Index)
			{
				const StandIn::FThumbnailTile& Tile = Drawing.Tiles[Index];
				Say(FString::Printf(TEXT("  %d: at %.4f, %.4f size %.4f x %.4f, %s, %s"), Index + 1, Tile.Position.X, Tile.Position.Y, Tile.Size.X, Tile.Size.Y,
					*Tile.MaterialName, *StandIn::LexBlendMode(Tile.BlendMode)));
			}
			if (!ShotsDir.IsEmpty())
			{
				const FString Path = FPaths::Combine(ShotsDir, FString::Printf(TEXT("Thumbnail_%ux%u.png"), Width, Height));
				FString Error;
				IFileManager::Get().MakeDirectory(*ShotsDir, true);
				if (!StandIn::WriteThumbnailPng(Drawing, Path, Error))
				{
					Say(FString::Printf(TEXT("Could not write the thumbnail picture %s: %s"), *Path, *Error));
					return false;
				}
				Say(FString::Printf(TEXT("  Wrote %s"), *Path));
			}
			return true;
		}
	}

	EParseResult ParsePrismWheelDetailsOption(int Argc, char** Argv, int& Index, FPrismWheelDetailsOptions& Options)
	{
		const std::string Arg = Argv[Index];
		const bool bTakesValue = Arg == "--answer" || Arg == "--set-property" || Arg == "--thumbnail" || Arg == "--shots";
		const bool bMine = bTakesValue || Arg == "--details" || Arg == "--generate" || Arg == "--clear-all";
		if (!bMine)
		{
			return EParseResult::NotMine;
		}
		if (bTakesValue && Index + 1 >= Argc)
		{
			Say(FString::Printf(TEXT("EditorHost: %s needs a value"), UTF8_TO_TCHAR(Arg.c_str())));
			return EParseResult::Error;
		}

		FPrismWheelDetailsStep Step;
		if (Arg == "--details")
		{
			Step.Kind = FPrismWheelDetailsStep::EKind::Details;
		}
		else if (Arg == "--generate")
		{
			Step.Kind = FPrismWheelDetailsStep::EKind::Generate;
		}
		else if (Arg == "--clear-all")
		{
			Step.Kind = FPrismWheelDetailsStep::EKind::ClearAll;
		}
		else if (Arg == "--answer")
		{
			const FString Answer = UTF8_TO_TCHAR(Argv[++Index]);
			// The buttons' own words, as the dialog shows them.
			if (!Answer.Equals(TEXT("Yes"), ESearchCase::CaseSensitive) && !Answer.Equals(TEXT("No"), ESearchCase::CaseSensitive)
				&& !Answer.Equals(TEXT("Cancel"), ESearchCase::CaseSensitive))
			{
				Say(FString::Printf(TEXT("EditorHost: --answer takes Yes, No or Cancel, got '%s'"), *Answer));
				return EParseResult::Error;
			}
			Step.Kind = FPrismWheelDetailsStep::EKind::Answer;
			Step.Name = Answer;
		}
		else if (Arg == "--set-property")
		{
			const FString Assignment = UTF8_TO_TCHAR(Argv[++Index]);
			FString Name;
			FString Value;
			if (!Assignment.Split(TEXT("="), &Name, &Value) || Name.IsEmpty() || Value.IsEmpty())
			{
				Say(FString::Printf(TEXT("EditorHost: --set-property needs \"NAME=VALUE\", got '%s'"), *Assignment));
				return EParseResult::Error;
			}
			Step.Kind = FPrismWheelDetailsStep::EKind::SetProperty;
			Step.Name = Name;
			Step.Value = Value;
		}
		else if (Arg == "--thumbnail")
		{
			const FString Size = UTF8_TO_TCHAR(Argv[++Index]);
			if (!ParseSize(Size, Step.Width, Step.Height))
			{
				Say(FString::Printf(TEXT("EditorHost: --thumbnail needs W,H (whole numbers from 1 to 4096), got '%s'"), *Size));
				return EParseResult::Error;
			}
			Step.Kind = FPrismWheelDetailsStep::EKind::Thumbnail;
		}
		else
		{
			Options.ShotsDir = UTF8_TO_TCHAR(Argv[++Index]);
			return EParseResult::Parsed;
		}
		Options.Steps.Add(Step);
		return EParseResult::Parsed;
	}

	void PrintPrismWheelDetailsUsage()
	{
		Say(TEXT("  --details           shows the prism wheel's details panel: categories in display order, the rows shown before"));
		Say(TEXT("                      any advanced section is expanded, then with all of them expanded"));
		Say(TEXT("  --generate          clicks the details panel's \"Generate\""));
		Say(TEXT("  --clear-all         clicks the details panel's \"Clear all\""));
		Say(TEXT("  --answer Yes|No|Cancel answers the next question; a question without an answer is printed and the run exits 1"));
		Say(TEXT("  --set-property NAME=VALUE edits that property in the details panel, so its reactions run"));
		Say(TEXT("  --thumbnail W,H     asks the thumbnail renderer to draw the prism wheel W x H and prints its tiles"));
		Say(TEXT("  --shots DIR         also writes the thumbnail pictures into DIR as PNG"));
		Say(TEXT("  The prism wheel options run in the order given, each edit followed by the facettes, selection and undo history."));
	}

	UZORPrismWheel* CreatePrismWheelAsset()
	{
		UPackage* Package = CreatePackage(TEXT("/Game/PrismWheels/PW_PrismWheel"));
		UZORPrismWheel* PrismWheel = NewObject<UZORPrismWheel>(Package, UZORPrismWheel::StaticClass(), TEXT("PW_PrismWheel"), RF_Public | RF_Standalone | RF_Transactional);
		Say(FString::Printf(TEXT("Created the prism wheel %s."), *PrismWheel->GetPathName()));
		return PrismWheel;
	}

	void PrintPrismWheelState(const UZORPrismWheel* PrismWheel)
	{
		Say(FString::Printf(TEXT("  Facettes (%d):"), PrismWheel->Facettes.Num()));
		for (int32 Index = 0; Index < PrismWheel->Facettes.Num(); ++Index)
		{
			const FPrismWheelFacette& Facette = PrismWheel->Facettes[Index];
			Say(FString::Printf(TEXT("    %d: X %.4f, Y %.4f, radius %.4f"), Index, Facette.X, Facette.Y, double(Facette.Radius)));
		}
		TArray<int32> Selected = PrismWheel->SelectedCircles.Array();
		Selected.Sort();
		TArray<FString> SelectedTexts;
		for (const int32 Index : Selected)
		{
			SelectedTexts.Add(FString::FromInt(Index));
		}
		Say(FString::Printf(TEXT("  Selected: %s"), SelectedTexts.IsEmpty() ? TEXT("none") : *FString::Join(SelectedTexts, TEXT(", "))));
		const TArray<FString> Undo = StandIn::FEditorSession::Get() ? StandIn::FEditorSession::Get()->GetUndoTitles() : TArray<FString>();
		Say(FString::Printf(TEXT("  Undo history: %s"), Undo.IsEmpty() ? TEXT("empty") : *FString::Join(Undo, TEXT(" | "))));
	}

	int32 RunPrismWheelDetailsSteps(UZORPrismWheel* PrismWheel, const FPrismWheelDetailsOptions& Options)
	{
		if (Options.Steps.IsEmpty())
		{
			return 0;
		}
		check(PrismWheel);
		const TFunction<void(const UZORPrismWheel*)> PrintAfterEdit = Options.PrintAfterEdit ? Options.PrintAfterEdit : TFunction<void(const UZORPrismWheel*)>(&PrintPrismWheelState);
		// The details tab of the prism wheel editor: a details view of the "PropertyEditor" module on the wheel.
		const TSharedRef<IDetailsView> DetailsView = StandIn::CreateDetailsView(PrismWheel);

		int32 PendingAnswers = 0;
		for (const FPrismWheelDetailsStep& Step : Options.Steps)
		{
			switch (Step.Kind)
			{
			case FPrismWheelDetailsStep::EKind::Details:
			{
				Say(FString::Printf(TEXT("Details panel of %s:"), *PrismWheel->GetName()));
				PrintPanel(*DetailsView);
				const TSharedRef<IDetailsView> Expanded = StandIn::CreateDetailsView(PrismWheel);
				StandIn::ExpandAllAdvancedSections(*Expanded);
				Say(TEXT("With every advanced section expanded:"));
				PrintPanel(*Expanded);
				break;
			}
			case FPrismWheelDetailsStep::EKind::Answer:
				StandIn::AnswerNextMessageDialog(Step.Name.Equals(TEXT("Yes"), ESearchCase::CaseSensitive) ? EAppReturnType::Yes
					: Step.Name.Equals(TEXT("No"), ESearchCase::CaseSensitive) ? EAppReturnType::No : EAppReturnType::Cancel);
				++PendingAnswers;
				break;
			case FPrismWheelDetailsStep::EKind::Generate:
			case FPrismWheelDetailsStep::EKind::ClearAll:
			{
				const TCHAR* Button = Step.Kind == FPrismWheelDetailsStep::EKind::Generate ? TEXT("Generate") : TEXT("Clear all");
				const int32 QuestionsBefore = StandIn::GetMessageDialogs().Num();
				if (!StandIn::ClickDetailsButton(*DetailsView, Button))
				{
					Say(FString::Printf(TEXT("The details panel has no \"%s\" button."), Button));
					return 1;
				}
				Say(FString::Printf(TEXT("Clicked \"%s\" in the details panel."), Button));
				const bool bAnswered = ReportQuestions(QuestionsBefore);
				PendingAnswers = StandIn::GetPendingMessageDialogAnswers();
				PrintAfterEdit(PrismWheel);
				if (!bAnswered)
				{
					return 1;
				}
				break;
			}
			case FPrismWheelDetailsStep::EKind::SetProperty:
			{
				FString Error;
				if (!StandIn::SetDetailsProperty(*DetailsView, Step.Name, Step.Value, Error))
				{
					Say(FString::Printf(TEXT("Could not set %s: %s."), *Step.Name, *Error));
					return 1;
				}
				const TSharedPtr<IPropertyHandle> Handle = UE::StandIn::FindDetailsPropertyHandle(*DetailsView, FName(*Step.Name));
				FString Shown;
				Handle->GetValueAsFormattedString(Shown);
				Say(FString::Printf(TEXT("Set %s to %s in the details panel; it shows %s."), *Step.Name, *Step.Value, *Shown));
				PrintAfterEdit(PrismWheel);
				break;
			}
			case FPrismWheelDetailsStep::EKind::Thumbnail:
				if (!DrawThumbnail(PrismWheel, Step.Width, Step.Height, Options.ShotsDir))
				{
					return 1;
				}
				break;
			}
		}
		if (PendingAnswers > 0)
		{
			Say(FString::Printf(TEXT("%d answer(s) given with --answer found no question."), PendingAnswers));
			return 1;
		}
		return 0;
	}
}
