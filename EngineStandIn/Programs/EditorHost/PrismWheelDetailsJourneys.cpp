// The headless editor's edits in the details tab of the prism wheel editor and of its thumbnail:
// --details, --generate, --clear-all, --answer, --set-property, --thumbnail. They are numbered among the
// prism wheel's canvas edits and work on the prism wheel that --prism-wheel opened.

#include "HostOptions.h"

#include "HAL/FileManager.h"
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

		/** The details tab of the open prism wheel editor, or null (after saying so). */
		TSharedPtr<IDetailsView> GetDetailsView()
		{
			const TSharedPtr<IDetailsView> DetailsView = FindEditorDetailsView(PrismWheelJourneys::GetCurrentPrismWheel());
			if (!DetailsView.IsValid())
			{
				SayError(TEXT("EditorHost: the prism wheel editor shows no details tab"));
			}
			return DetailsView;
		}

		bool ShowDetails()
		{
			const TSharedPtr<IDetailsView> DetailsView = GetDetailsView();
			if (!DetailsView.IsValid())
			{
				return false;
			}
			Say(FString::Printf(TEXT("Details tab of %s:"), *PrismWheelJourneys::GetCurrentPrismWheel()->GetName()));
			PrintPanel(*DetailsView);
			// As the user opens every advanced section; they stay open for the edits that follow.
			StandIn::ExpandAllAdvancedSections(*DetailsView);
			Say(TEXT("With every advanced section expanded:"));
			PrintPanel(*DetailsView);
			return true;
		}

		bool ClickDetailsButton(const TCHAR* Button)
		{
			const TSharedPtr<IDetailsView> DetailsView = GetDetailsView();
			if (!DetailsView.IsValid())
			{
				return false;
			}
			const int32 QuestionsBefore = StandIn::GetMessageDialogs().Num();
			if (!StandIn::ClickDetailsButton(*DetailsView, Button))
			{
				SayError(FString::Printf(TEXT("EditorHost: the details tab has no \"%s\" button"), Button));
				return false;
			}
			Say(FString::Printf(TEXT("Clicked \"%s\" in the details tab."), Button));
			if (!ReportQuestions(QuestionsBefore))
			{
				SayError(TEXT("EditorHost: a question was not answered (give --answer Yes|No|Cancel before the click)"));
				return false;
			}
			return true;
		}

		bool SetProperty(const FString& Value)
		{
			const TSharedPtr<IDetailsView> DetailsView = GetDetailsView();
			if (!DetailsView.IsValid())
			{
				return false;
			}
			FString Name;
			FString Typed;
			Value.Split(TEXT("="), &Name, &Typed);
			FString Error;
			if (!StandIn::SetDetailsProperty(*DetailsView, Name, Typed, Error))
			{
				SayError(FString::Printf(TEXT("EditorHost: --set-property %s=%s: %s"), *Name, *Typed, *Error));
				return false;
			}
			FString Shown;
			UE::StandIn::FindDetailsPropertyHandle(*DetailsView, FName(*Name))->GetValueAsFormattedString(Shown);
			Say(FString::Printf(TEXT("Set %s to %s in the details tab; it shows %s."), *Name, *Typed, *Shown));
			return true;
		}

		bool IsAnswer(const FString& Value)
		{
			// The buttons' own words, as the dialog shows them.
			return Value.Equals(TEXT("Yes"), ESearchCase::CaseSensitive) || Value.Equals(TEXT("No"), ESearchCase::CaseSensitive)
				|| Value.Equals(TEXT("Cancel"), ESearchCase::CaseSensitive);
		}

		/** One option of the group: an edit of the prism wheel made elsewhere than on its canvas. */
		EditorHost::FHostOption MakeOption(const TCHAR* Name, const TCHAR* ValueName, const TCHAR* Help, TFunction<FString(const FString&)> CheckValue,
			TFunction<bool(const FString& Value)> Edit)
		{
			const FString OptionName = Name;
			EditorHost::FHostOption Option{OptionName, ValueName, Help, MoveTemp(CheckValue),
				[OptionName, Edit](EditorHost::FHostRun& Run, const FString& Value)
				{
					return PrismWheelJourneys::RunEditElsewhere(Run, OptionName, Value, [&Edit, &Value]() { return Edit(Value); });
				}};
			Option.CheckWithOthers = &PrismWheelJourneys::CheckAfterPrismWheel;
			return Option;
		}
	}
}

void EditorHost::AddPrismWheelDetailsOptions(TArray<FHostOption>& Options)
{
	using namespace PrismWheelDetailsJourneys;
	Options.Add(MakeOption(TEXT("--details"), TEXT(""),
		TEXT("shows the details tab: categories in display order with the rows shown before any\nadvanced section is expanded, then with all of them expanded"),
		nullptr, [](const FString&) { return ShowDetails(); }));
	Options.Add(MakeOption(TEXT("--generate"), TEXT(""), TEXT("clicks the details tab's \"Generate\""), nullptr,
		[](const FString&) { return ClickDetailsButton(TEXT("Generate")); }));
	Options.Add(MakeOption(TEXT("--clear-all"), TEXT(""), TEXT("clicks the details tab's \"Clear all\""), nullptr,
		[](const FString&) { return ClickDetailsButton(TEXT("Clear all")); }));
	Options.Add(MakeOption(TEXT("--answer"), TEXT("Yes|No|Cancel"), TEXT("answers the next question; a question without an answer is printed and fails the run"),
		[](const FString& Value)
		{
			return IsAnswer(Value) ? FString() : FString::Printf(TEXT("takes Yes, No or Cancel, got '%s'"), *Value);
		},
		[](const FString& Value)
		{
			StandIn::AnswerNextMessageDialog(Value.Equals(TEXT("Yes"), ESearchCase::CaseSensitive) ? EAppReturnType::Yes
				: Value.Equals(TEXT("No"), ESearchCase::CaseSensitive) ? EAppReturnType::No : EAppReturnType::Cancel);
			return true;
		}));
	Options.Add(MakeOption(TEXT("--set-property"), TEXT("NAME=VALUE"), TEXT("types VALUE into that property's row of the details tab, so its reactions run"),
		[](const FString& Value)
		{
			FString Name;
			FString Typed;
			return Value.Split(TEXT("="), &Name, &Typed) && !Name.IsEmpty() && !Typed.IsEmpty()
				? FString() : FString::Printf(TEXT("needs \"NAME=VALUE\", got '%s'"), *Value);
		},
		&SetProperty));
	Options.Add(MakeOption(TEXT("--thumbnail"), TEXT("W,H"),
		TEXT("has the thumbnail renderer draw the prism wheel W x H and prints its tiles\n(with --shots DIR also DIR/Thumbnail_WxH.png)"),
		[](const FString& Value)
		{
			uint32 Width = 0;
			uint32 Height = 0;
			return ParseSize(Value, Width, Height) ? FString() : FString::Printf(TEXT("needs W,H (whole numbers from 1 to 4096), got '%s'"), *Value);
		},
		[](const FString& Value)
		{
			uint32 Width = 0;
			uint32 Height = 0;
			ParseSize(Value, Width, Height);
			return DrawThumbnail(PrismWheelJourneys::GetCurrentPrismWheel(), Width, Height, PrismWheelJourneys::GetShotsDir());
		}));
}
