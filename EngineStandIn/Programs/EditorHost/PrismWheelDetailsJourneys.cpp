#include "PrismWheelDetailsJourneys.h"

#include "HAL/FileManager.h"
#include "HostOptions.h"
#include "IDetailsView.h"
#include "Misc/Paths.h"
#include "PrismWheelJourneys.h"
#include "PropertyHandle.h"
#include "StandIn/PropertyEditorHooks.h"
#include "StandInTesting/AssetDriver.h"
#include "StandInTesting/DetailsDriver.h"
#include "StandInTesting/DialogDriver.h"
#include "StandInTesting/SlateDriver.h"
#include "StandInTesting/ThumbnailDriver.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "Widgets/Docking/SDockTab.h"
#include "ZORPrismWheel.h"

#include <string>

namespace PrismWheelDetailsJourneys
{
	namespace
	{
		using EditorHost::Say;
		using EditorHost::SayError;

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
					Say(FString::Printf(TEXT("  Not answered: closed with %s."), *StandIn::LexAppReturnType(Dialog.Answer)));
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

		/** The details view in the details tab of the wheel's open editor, or null when no editor shows one. */
		TSharedPtr<IDetailsView> FindEditorDetailsView(UZORPrismWheel* PrismWheel)
		{
			for (FAssetEditorToolkit* Editor : StandIn::FindAssetEditorsFor(PrismWheel))
			{
				const TSharedPtr<SDockTab> Tab = StandIn::FindOpenTab(*Editor, TEXT("PrismWheelDetailsTab"));
				// Found by its type name, which the editor shows in its widget reflector.
				const TArray<TSharedRef<SWidget>> Found = Tab.IsValid() ? StandIn::FindWidgetsByTypeName(Tab.ToSharedRef(), TEXT("SDetailsView"))
																		: TArray<TSharedRef<SWidget>>();
				if (Found.Num() > 0)
				{
					return StaticCastSharedRef<IDetailsView>(Found[0]);
				}
			}
			return TSharedPtr<IDetailsView>();
		}

		struct FStep
		{
			enum class EKind : uint8
			{
				Details,
				Generate,
				ClearAll,
				Answer,
				SetProperty,
				Thumbnail,
			};
			EKind Kind = EKind::Details;
			/** --answer: "Yes", "No" or "Cancel"; --set-property: the property name. */
			FString Name;
			/** --set-property: the value. */
			FString Value;
			uint32 Width = 0;
			uint32 Height = 0;
		};

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
					SayError(FString::Printf(TEXT("EditorHost: the thumbnail picture %s was not written: %s"), *Path, *Error));
					return false;
				}
				Say(FString::Printf(TEXT("  picture %s"), *Path));
			}
			return true;
		}

		/** Does one step on the prism wheel of the journey; false (after saying why) fails the run. */
		bool RunStep(const FStep& Step, const FString& ShotsDir)
		{
			UZORPrismWheel* PrismWheel = PrismWheelJourneys::GetCurrentPrismWheel();
			if (PrismWheel == nullptr)
			{
				SayError(TEXT("EditorHost: there is no prism wheel to work on"));
				return false;
			}
			if (Step.Kind == FStep::EKind::Answer)
			{
				StandIn::AnswerNextMessageDialog(Step.Name.Equals(TEXT("Yes"), ESearchCase::CaseSensitive) ? EAppReturnType::Yes
					: Step.Name.Equals(TEXT("No"), ESearchCase::CaseSensitive) ? EAppReturnType::No : EAppReturnType::Cancel);
				return true;
			}
			if (Step.Kind == FStep::EKind::Thumbnail)
			{
				return DrawThumbnail(PrismWheel, Step.Width, Step.Height, ShotsDir);
			}

			const TSharedPtr<IDetailsView> DetailsView = FindEditorDetailsView(PrismWheel);
			if (!DetailsView.IsValid())
			{
				SayError(TEXT("EditorHost: the prism wheel editor shows no details tab"));
				return false;
			}
			switch (Step.Kind)
			{
			case FStep::EKind::Details:
				Say(FString::Printf(TEXT("Details tab of %s:"), *PrismWheel->GetName()));
				PrintPanel(*DetailsView);
				// As the user opens every advanced section; they stay open for the edits that follow.
				StandIn::ExpandAllAdvancedSections(*DetailsView);
				Say(TEXT("With every advanced section expanded:"));
				PrintPanel(*DetailsView);
				return true;
			case FStep::EKind::Generate:
			case FStep::EKind::ClearAll:
			{
				const TCHAR* Button = Step.Kind == FStep::EKind::Generate ? TEXT("Generate") : TEXT("Clear all");
				const int32 QuestionsBefore = StandIn::GetMessageDialogs().Num();
				if (!StandIn::ClickDetailsButton(*DetailsView, Button))
				{
					SayError(FString::Printf(TEXT("EditorHost: the details tab has no \"%s\" button"), Button));
					return false;
				}
				Say(FString::Printf(TEXT("Clicked \"%s\" in the details tab."), Button));
				const bool bAnswered = ReportQuestions(QuestionsBefore);
				PrismWheelJourneys::PrintPrismWheel(PrismWheel);
				if (!bAnswered)
				{
					SayError(TEXT("EditorHost: a question was not answered (give --answer Yes|No|Cancel before the click)"));
					return false;
				}
				return true;
			}
			case FStep::EKind::SetProperty:
			{
				FString Error;
				if (!StandIn::SetDetailsProperty(*DetailsView, Step.Name, Step.Value, Error))
				{
					SayError(FString::Printf(TEXT("EditorHost: --set-property %s=%s: %s"), *Step.Name, *Step.Value, *Error));
					return false;
				}
				FString Shown;
				UE::StandIn::FindDetailsPropertyHandle(*DetailsView, FName(*Step.Name))->GetValueAsFormattedString(Shown);
				Say(FString::Printf(TEXT("Set %s to %s in the details tab; it shows %s."), *Step.Name, *Step.Value, *Shown));
				PrismWheelJourneys::PrintPrismWheel(PrismWheel);
				return true;
			}
			default:
				return true;
			}
		}
	}

	PrismWheelJourneys::EParseResult ParseOption(int Argc, char** Argv, int& Index, PrismWheelJourneys::FOptions& Options)
	{
		using PrismWheelJourneys::EParseResult;
		const std::string Arg = Argv[Index];
		const bool bTakesValue = Arg == "--answer" || Arg == "--set-property" || Arg == "--thumbnail";
		const bool bMine = bTakesValue || Arg == "--details" || Arg == "--generate" || Arg == "--clear-all";
		if (!bMine)
		{
			return EParseResult::NotMine;
		}
		FString Value;
		if (bTakesValue && !PrismWheelJourneys::TakeValue(Argc, Argv, Index, Value))
		{
			return EParseResult::Bad;
		}

		FStep Step;
		FString Text = UTF8_TO_TCHAR(Arg.c_str());
		if (Arg == "--details")
		{
			Step.Kind = FStep::EKind::Details;
		}
		else if (Arg == "--generate")
		{
			Step.Kind = FStep::EKind::Generate;
		}
		else if (Arg == "--clear-all")
		{
			Step.Kind = FStep::EKind::ClearAll;
		}
		else
		{
			Text += TEXT(" ") + Value;
			if (Arg == "--answer")
			{
				// The buttons' own words, as the dialog shows them.
				if (!Value.Equals(TEXT("Yes"), ESearchCase::CaseSensitive) && !Value.Equals(TEXT("No"), ESearchCase::CaseSensitive)
					&& !Value.Equals(TEXT("Cancel"), ESearchCase::CaseSensitive))
				{
					SayError(FString::Printf(TEXT("EditorHost: --answer takes Yes, No or Cancel, got '%s'"), *Value));
					return EParseResult::Bad;
				}
				Step.Kind = FStep::EKind::Answer;
				Step.Name = Value;
			}
			else if (Arg == "--set-property")
			{
				if (!Value.Split(TEXT("="), &Step.Name, &Step.Value) || Step.Name.IsEmpty() || Step.Value.IsEmpty())
				{
					SayError(FString::Printf(TEXT("EditorHost: --set-property needs \"NAME=VALUE\", got '%s'"), *Value));
					return EParseResult::Bad;
				}
				Step.Kind = FStep::EKind::SetProperty;
			}
			else
			{
				if (!ParseSize(Value, Step.Width, Step.Height))
				{
					SayError(FString::Printf(TEXT("EditorHost: --thumbnail needs W,H (whole numbers from 1 to 4096), got '%s'"), *Value));
					return EParseResult::Bad;
				}
				Step.Kind = FStep::EKind::Thumbnail;
			}
		}

		PrismWheelJourneys::FCanvasEdit Edit;
		Edit.Kind = PrismWheelJourneys::FCanvasEdit::EKind::Elsewhere;
		Edit.Text = Text;
		Edit.Run = [Step](const PrismWheelJourneys::FOptions& JourneyOptions)
		{
			return RunStep(Step, JourneyOptions.ShotsDir);
		};
		Options.Edits.Add(Edit);
		return EParseResult::Parsed;
	}

	void PrintUsage()
	{
		Say(TEXT("  --details           shows the details tab: categories in display order with the rows shown before any"));
		Say(TEXT("                      advanced section is expanded, then with all of them expanded"));
		Say(TEXT("  --generate          clicks the details tab's \"Generate\""));
		Say(TEXT("  --clear-all         clicks the details tab's \"Clear all\""));
		Say(TEXT("  --answer Yes|No|Cancel  answers the next question; a question without an answer is printed and fails the run"));
		Say(TEXT("  --set-property NAME=VALUE  types VALUE into that property's row of the details tab, so its reactions run"));
		Say(TEXT("  --thumbnail W,H     has the thumbnail renderer draw the prism wheel W x H and prints its tiles"));
		Say(TEXT("                      (with --shots DIR also DIR/Thumbnail_WxH.png)"));
	}

	bool CheckAllAnswersTaken()
	{
		const int32 Unused = StandIn::GetPendingMessageDialogAnswers();
		if (Unused > 0)
		{
			SayError(FString::Printf(TEXT("EditorHost: %d answer(s) given with --answer found no question"), Unused));
			return false;
		}
		return true;
	}
}
