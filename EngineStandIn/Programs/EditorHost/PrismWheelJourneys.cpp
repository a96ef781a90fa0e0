#include "PrismWheelJourneys.h"

#include "AssetDefinition.h"
#include "Editor.h"
#include "Editor/TransBuffer.h"
#include "Framework/Application/SlateApplication.h"
#include "HAL/FileManager.h"
#include "InputCoreTypes.h"
#include "Layout/Geometry.h"
#include "Misc/Paths.h"
#include "PrismWheel/SZORPrismWheelWidget.h"
#include "StandIn/NumericEntryHooks.h"
#include "StandInTesting/AssetDriver.h"
#include "StandInTesting/DrawElementsPicture.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/SlateDriver.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "Widgets/Docking/SDockTab.h"
#include "ZORPrismWheel.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>
#include <string>

namespace PrismWheelJourneys
{
	namespace
	{
		using EditorHost::EExitCode;
		using EditorHost::FHostOption;
		using EditorHost::FHostRun;
		using EditorHost::FHostStep;
		using EditorHost::Say;
		using EditorHost::SayError;

		/** One edit on the canvas. */
		struct FCanvasEdit
		{
			enum class EKind : uint8
			{
				Click,
				Drag,
				Pan,
				Wheel,
				Key,
			};
			EKind Kind = EKind::Click;
			FVector2D From = FVector2D(0.0, 0.0);
			FVector2D To = FVector2D(0.0, 0.0);
			bool bShift = false;
			bool bCtrl = false;
			float Notches = 0.f;
			FString KeyName;
		};

		/** The prism wheel journey: what the setting-up options chose and the open editor's canvas. */
		struct FJourney
		{
			UZORPrismWheel* PrismWheel = nullptr;
			FVector2D CanvasSize = FVector2D(600.0, 600.0);
			FString ShotsDir;
			/** What the file of --prism-wheel FILE holds, read when the command line is read. */
			TArray<FPrismWheelFacette> FileFacettes;
			TArray<int32> FileSelected;
			TSharedPtr<SZORPrismWheelWidget> Canvas;
			FGeometry Geometry;
			int32 NumEdits = 0;
		};
		FJourney GJourney;

		/**
		 * Slate works in single precision: beyond 2^24 it no longer holds every whole unit, and the canvas's
		 * differences of such positions could overflow into infinities that end up in the facettes.
		 */
		constexpr double MaxCanvasNumber = 16777216.0;

		/** A number of a canvas option: finite and within MaxCanvasNumber either way. */
		bool ParseNumber(const FString& Text, double& Out)
		{
			const TOptional<double> Number = UE::StandIn::ParseTypedNumber(Text);
			Out = Number.Get(0.0);
			return Number.IsSet() && FMath::Abs(Out) <= MaxCanvasNumber;
		}

		/** "X,Y" in canvas units. */
		bool ParsePoint(const FString& Text, FVector2D& Out)
		{
			FString X;
			FString Y;
			return Text.Split(TEXT(","), &X, &Y) && ParseNumber(X, Out.X) && ParseNumber(Y, Out.Y);
		}

		/** "shift", "ctrl" or "shift+ctrl" (either order). */
		bool ParseModifiers(const FString& Text, bool& bOutShift, bool& bOutCtrl)
		{
			TArray<FString> Parts;
			Text.ParseIntoArray(Parts, TEXT("+"), false);
			for (const FString& Part : Parts)
			{
				if (Part.Equals(TEXT("shift"), ESearchCase::CaseSensitive))
				{
					bOutShift = true;
				}
				else if (Part.Equals(TEXT("ctrl"), ESearchCase::CaseSensitive))
				{
					bOutCtrl = true;
				}
				else
				{
					return false;
				}
			}
			return Parts.Num() > 0;
		}

		bool ParseEditValue(const FString& Name, const FString& Value, FCanvasEdit& Edit)
		{
			TArray<FString> Parts;
			Value.ParseIntoArray(Parts, TEXT(":"), false);
			if (Name == TEXT("--click"))
			{
				Edit.Kind = FCanvasEdit::EKind::Click;
				return (Parts.Num() == 1 || Parts.Num() == 2) && ParsePoint(Parts[0], Edit.From)
					&& (Parts.Num() == 1 || ParseModifiers(Parts[1], Edit.bShift, Edit.bCtrl));
			}
			if (Name == TEXT("--drag") || Name == TEXT("--pan"))
			{
				Edit.Kind = Name == TEXT("--drag") ? FCanvasEdit::EKind::Drag : FCanvasEdit::EKind::Pan;
				const int32 MaxParts = Edit.Kind == FCanvasEdit::EKind::Drag ? 3 : 2;
				return Parts.Num() >= 2 && Parts.Num() <= MaxParts && ParsePoint(Parts[0], Edit.From) && ParsePoint(Parts[1], Edit.To)
					&& (Parts.Num() == 2 || ParseModifiers(Parts[2], Edit.bShift, Edit.bCtrl));
			}
			if (Name == TEXT("--wheel"))
			{
				Edit.Kind = FCanvasEdit::EKind::Wheel;
				double Notches = 0.0;
				const bool bOk = Parts.Num() == 2 && ParsePoint(Parts[0], Edit.From) && ParseNumber(Parts[1], Notches);
				Edit.Notches = (float)Notches;
				return bOk;
			}
			Edit.Kind = FCanvasEdit::EKind::Key;
			Edit.KeyName = Value;
			return Value.Equals(TEXT("Delete"), ESearchCase::CaseSensitive) || Value.Equals(TEXT("BackSpace"), ESearchCase::CaseSensitive)
				|| Value.Equals(TEXT("Escape"), ESearchCase::CaseSensitive);
		}

		FString Four(double Value)
		{
			// No "-0.0000" for values that round to zero.
			const double Rounded = std::round(Value * 10000.0) / 10000.0;
			return FString::Printf(TEXT("%.4f"), Rounded == 0.0 ? 0.0 : Value);
		}

		FString JoinTitles(const TArray<FString>& Titles)
		{
			return Titles.Num() > 0 ? FString::Join(Titles, TEXT(" | ")) : FString(TEXT("(none)"));
		}

		/** Reads {"facettes": [[x, y, radius], ...], "selected": [i, ...]}; false with the reason when it is not that. */
		bool ReadPrismWheelFile(const std::string& Path, TArray<FPrismWheelFacette>& OutFacettes, TArray<int32>& OutSelected, FString& OutError)
		{
			FString Text;
			if (!EditorHost::ReadUserFile(Path, TEXT("prism wheel file"), Text, OutError))
			{
				return false;
			}
			const nlohmann::json Root = nlohmann::json::parse(std::string(TCHAR_TO_UTF8(*Text)), nullptr, false);
			if (Root.is_discarded())
			{
				OutError = TEXT("not valid JSON");
				return false;
			}
			if (!Root.is_object())
			{
				OutError = TEXT("the top level must be an object with \"facettes\" and \"selected\"");
				return false;
			}
			for (auto It = Root.begin(); It != Root.end(); ++It)
			{
				if (It.key() != "facettes" && It.key() != "selected")
				{
					OutError = FString::Printf(TEXT("unknown key \"%s\" (only \"facettes\" and \"selected\")"), UTF8_TO_TCHAR(It.key().c_str()));
					return false;
				}
			}
			if (!Root.contains("facettes") || !Root["facettes"].is_array())
			{
				OutError = TEXT("\"facettes\" must be an array of [x, y, radius]");
				return false;
			}
			int32 Index = 0;
			for (const nlohmann::json& Entry : Root["facettes"])
			{
				if (!Entry.is_array() || Entry.size() != 3 || !Entry[0].is_number() || !Entry[1].is_number() || !Entry[2].is_number())
				{
					OutError = FString::Printf(TEXT("facette %d must be [x, y, radius] with three numbers"), Index);
					return false;
				}
				// The canvas draws and moves facettes in single precision.
				const double Limit = double(std::numeric_limits<float>::max());
				const double X = Entry[0].get<double>();
				const double Y = Entry[1].get<double>();
				const double Radius = Entry[2].get<double>();
				if (!(FMath::Abs(X) <= Limit && FMath::Abs(Y) <= Limit && Radius >= 0.0 && Radius <= Limit))
				{
					OutError = FString::Printf(TEXT("facette %d needs numbers that single precision holds and a radius not below 0"), Index);
					return false;
				}
				FPrismWheelFacette Facette;
				Facette.X = X;
				Facette.Y = Y;
				Facette.Radius = (float)Radius;
				OutFacettes.Add(Facette);
				++Index;
			}
			if (Root.contains("selected"))
			{
				if (!Root["selected"].is_array())
				{
					OutError = TEXT("\"selected\" must be an array of facette indices");
					return false;
				}
				for (const nlohmann::json& Entry : Root["selected"])
				{
					// The selection holds only indices of facettes: the canvas relies on it.
					if (!Entry.is_number_integer() || Entry.get<long long>() < 0 || Entry.get<long long>() >= OutFacettes.Num())
					{
						OutError = FString::Printf(TEXT("\"selected\" holds %s, which is not the index of a facette (the file has %d)"),
							UTF8_TO_TCHAR(Entry.dump().c_str()), OutFacettes.Num());
						return false;
					}
					OutSelected.Add((int32)Entry.get<long long>());
				}
			}
			return true;
		}

		void PrintCanvas()
		{
			Say(FString::Printf(TEXT("  zoom %s pan %s,%s"), *Four(GJourney.Canvas->GetZoom()), *Four(GJourney.Canvas->GetPanOffset().X),
				*Four(GJourney.Canvas->GetPanOffset().Y)));
			PrintPrismWheel(GJourney.PrismWheel);
		}

		/**
		 * A picture of the canvas with --shots, named after the edit ("--key Delete" -> "NN-key-Delete.png");
		 * false when it could not be written (the run fails and stops there).
		 */
		bool TakePicture(FHostRun& Run, const FString& Name, const FString& Value)
		{
			if (GJourney.ShotsDir.IsEmpty())
			{
				return true;
			}
			FString PictureName = Name;
			PictureName.RemoveFromStart(TEXT("--"));
			if (Name == TEXT("--key"))
			{
				PictureName += TEXT("-") + Value;
			}
			const FVector2D CanvasSize = GJourney.CanvasSize;
			const TArray<FSlateDrawElement> Elements = StandIn::PaintWidget(GJourney.Canvas.ToSharedRef(), CanvasSize);
			const FString Path = FPaths::Combine(GJourney.ShotsDir, FString::Printf(TEXT("%02d-%s.png"), GJourney.NumEdits, *PictureName));
			FString Error;
			if (!StandIn::WriteDrawElementsPicture(Elements, (int32)std::ceil(CanvasSize.X), (int32)std::ceil(CanvasSize.Y), Path, &Error))
			{
				Run.Fail(FString::Printf(TEXT("EditorHost: the canvas picture %s was not written: %s"), *Path, *Error));
				return false;
			}
			Say(FString::Printf(TEXT("  picture %s"), *Path));
			return true;
		}

		/** Runs one edit as the user makes it; true when the canvas took it. */
		bool RunEdit(const FCanvasEdit& Edit)
		{
			const TSharedRef<SWidget> Widget = GJourney.Canvas.ToSharedRef();
			const FGeometry& Geometry = GJourney.Geometry;
			switch (Edit.Kind)
			{
			case FCanvasEdit::EKind::Click:
			{
				const bool bDown = StandIn::MouseDownAt(Widget, Geometry, Edit.From, EKeys::LeftMouseButton, Edit.bShift, Edit.bCtrl).IsEventHandled();
				const bool bUp = StandIn::MouseUpAt(Widget, Geometry, Edit.From, EKeys::LeftMouseButton, Edit.bShift, Edit.bCtrl).IsEventHandled();
				return bDown && bUp;
			}
			case FCanvasEdit::EKind::Drag:
			case FCanvasEdit::EKind::Pan:
			{
				const FKey Button = Edit.Kind == FCanvasEdit::EKind::Drag ? EKeys::LeftMouseButton : EKeys::RightMouseButton;
				bool bHandled = StandIn::MouseDownAt(Widget, Geometry, Edit.From, Button, Edit.bShift, Edit.bCtrl).IsEventHandled();
				for (int32 Step = 1; Step <= 10; ++Step)
				{
					const FVector2D At = Edit.From + (Edit.To - Edit.From) * (double(Step) / 10.0);
					StandIn::MouseMoveTo(Widget, Geometry, At, Edit.bShift, Edit.bCtrl);
				}
				bHandled &= StandIn::MouseUpAt(Widget, Geometry, Edit.To, Button, Edit.bShift, Edit.bCtrl).IsEventHandled();
				return bHandled;
			}
			case FCanvasEdit::EKind::Wheel:
				return StandIn::MouseWheelAt(Widget, Geometry, Edit.From, Edit.Notches).IsEventHandled();
			case FCanvasEdit::EKind::Key:
			{
				const FKey Key = Edit.KeyName.Equals(TEXT("Delete"), ESearchCase::CaseSensitive) ? EKeys::Delete
					: Edit.KeyName.Equals(TEXT("BackSpace"), ESearchCase::CaseSensitive) ? EKeys::BackSpace : EKeys::Escape;
				// The keyboard goes to the widget with keyboard focus, the canvas only once a press on it gave it focus.
				return FSlateApplication::Get().ProcessKeyDownEvent(FKeyEvent(Key, FModifierKeysState(), 0, false, 0, 0));
			}
			}
			return false;
		}

		void PrintEditor(const FAssetEditorToolkit& Editor)
		{
			Say(FString::Printf(TEXT("Opened it as the content browser does: \"%s\" (%s), %s."), *Editor.GetToolkitFName().ToString(),
				*Editor.GetAppIdentifier().ToString(), Editor.GetToolkitMode() == EToolkitMode::WorldCentric ? TEXT("world-centric") : TEXT("standalone")));
			for (const FString& Line : StandIn::DescribeLayout(Editor))
			{
				Say(FString(TEXT("  ")) + Line);
			}
			const TSharedPtr<FTabManager> TabManager = Editor.GetTabManager();
			if (!TabManager.IsValid())
			{
				return;
			}
			for (const TSharedRef<FWorkspaceItem>& Group : TabManager->GetLocalWorkspaceMenuRoot()->GetChildItems())
			{
				Say(FString::Printf(TEXT("  window menu \"%s\""), *Group->GetDisplayName().ToString()));
				for (const TSharedRef<FWorkspaceItem>& Entry : Group->GetChildItems())
				{
					Say(FString::Printf(TEXT("    %s (icon %s %s)"), *Entry->GetDisplayName().ToString(), *Entry->GetIcon().GetStyleSetName().ToString(),
						*Entry->GetIcon().GetStyleName().ToString()));
				}
			}
			for (const TSharedRef<SDockTab>& Tab : TabManager->GetOpenTabs())
			{
				Say(FString::Printf(TEXT("  tab \"%s\" shows %s"), *Tab->GetTabLabel().ToString(), *Tab->GetContent()->GetTypeAsString()));
			}
		}
	}


	UZORPrismWheel* GetCurrentPrismWheel()
	{
		return GJourney.PrismWheel;
	}

	const FString& GetShotsDir()
	{
		return GJourney.ShotsDir;
	}

	void PrintPrismWheel(const UZORPrismWheel* PrismWheel)
	{
		if (!PrismWheel)
		{
			Say(TEXT("  (no prism wheel)"));
			return;
		}
		for (int32 Index = 0; Index < PrismWheel->Facettes.Num(); ++Index)
		{
			const FPrismWheelFacette& Facette = PrismWheel->Facettes[Index];
			Say(FString::Printf(TEXT("  #%d x=%s y=%s r=%s%s"), Index, *Four(Facette.X), *Four(Facette.Y), *Four(Facette.Radius),
				PrismWheel->SelectedCircles.Contains(Index) ? TEXT(" selected") : TEXT("")));
		}
		TArray<int32> Selected = PrismWheel->SelectedCircles.Array();
		Selected.Sort();
		TArray<FString> SelectedTexts;
		for (const int32 Index : Selected)
		{
			SelectedTexts.Add(FString::FromInt(Index));
		}
		Say(FString::Printf(TEXT("  selection: %s"), SelectedTexts.Num() > 0 ? *FString::Join(SelectedTexts, TEXT(", ")) : TEXT("(none)")));
		if (StandIn::FEditorSession* Session = StandIn::FEditorSession::Get())
		{
			Say(FString::Printf(TEXT("  undo history: %s"), *JoinTitles(Session->GetUndoTitles())));
			Say(FString::Printf(TEXT("  redo: %s"), *JoinTitles(Session->GetRedoTitles())));
		}
	}

	bool RunEditElsewhere(FHostRun& Run, const FString& Name, const FString& Value, TFunctionRef<bool()> Edit)
	{
		++GJourney.NumEdits;
		Say(FString::Printf(TEXT("Edit %d: %s"), GJourney.NumEdits, *(Value.IsEmpty() ? Name : Name + TEXT(" ") + Value)));
		const bool bDone = Edit();
		PrintPrismWheel(GJourney.PrismWheel);
		if (!bDone)
		{
			Run.ExitCode = EExitCode::Failed;
			return false;
		}
		// What the canvas shows after an edit made elsewhere.
		return TakePicture(Run, Name, Value);
	}

	FString CheckAfterPrismWheel(const FHostStep& Step, const TArray<FHostStep>& Steps)
	{
		const int32 PrismWheelAt = EditorHost::FindStep(Steps, TEXT("--prism-wheel"));
		const bool bSetsUp = Step.Option->bSetsUp;
		const int32 StepAt = static_cast<int32>(&Step - Steps.GetData());
		if (PrismWheelAt == INDEX_NONE || (!bSetsUp && PrismWheelAt > StepAt))
		{
			return Step.Option->Name == TEXT("--canvas") ? FString(TEXT("EditorHost: --canvas sizes the canvas of the prism wheel editor and needs --prism-wheel"))
				: FString(TEXT("EditorHost: canvas, details and thumbnail edits and --shots need --prism-wheel before them"));
		}
		return FString();
	}
}

namespace
{
	using namespace PrismWheelJourneys;

	/** Creates or reads the prism wheel, opens it as the content browser does and shows its canvas. */
	bool OpenPrismWheel(FHostRun& Run, const FString& File)
	{
		const TArray<UFactory*> Factories = StandIn::FindFactoriesFor(UZORPrismWheel::StaticClass());
		if (Factories.Num() == 0)
		{
			Run.Fail(TEXT("EditorHost: no factory makes prism wheels: the content browser offers none"));
			return false;
		}
		UZORPrismWheel* PrismWheel = Cast<UZORPrismWheel>(StandIn::CreateAssetWithFactory(Factories[0], TEXT("PW_PrismWheel")));
		if (!PrismWheel)
		{
			Run.Fail(TEXT("EditorHost: the factory made no prism wheel"));
			return false;
		}
		GJourney.PrismWheel = PrismWheel;
		Say(FString::Printf(TEXT("Created the prism wheel %s through the factory."), *PrismWheel->GetPathName()));
		if (!File.IsEmpty())
		{
			// As an import would: the file's content, before any undoable edit.
			PrismWheel->Facettes = GJourney.FileFacettes;
			for (const int32 Index : GJourney.FileSelected)
			{
				PrismWheel->SelectedCircles.Add(Index);
			}
			Say(FString::Printf(TEXT("Filled it from %s: %d facettes, %d selected."), *File, PrismWheel->Facettes.Num(), PrismWheel->SelectedCircles.Num()));
		}

		const UAssetDefinition* Definition = StandIn::FindAssetDefinitionFor(UZORPrismWheel::StaticClass());
		if (!Definition)
		{
			Run.Fail(TEXT("EditorHost: no asset definition knows prism wheels: the content browser cannot open it"));
			return false;
		}
		TArray<UObject*> Assets;
		Assets.Add(PrismWheel);
		const bool bHandled = StandIn::OpenAssets(*Definition, Assets);
		const TArray<FAssetEditorToolkit*> Editors = StandIn::FindAssetEditorsFor(PrismWheel);
		if (!bHandled || Editors.Num() != 1)
		{
			Run.Fail(FString::Printf(TEXT("EditorHost: opening the prism wheel was %s and opened %d editors"), bHandled ? TEXT("handled") : TEXT("not handled"), Editors.Num()));
			return false;
		}
		PrintEditor(*Editors[0]);

		const TSharedPtr<SDockTab> CanvasTab = StandIn::FindOpenTab(*Editors[0], TEXT("PrismWheelEditorTab"));
		// Found by its type name, which the editor shows in its widget reflector.
		const TArray<TSharedRef<SWidget>> Found = CanvasTab.IsValid() ? StandIn::FindWidgetsByTypeName(CanvasTab.ToSharedRef(), TEXT("SZORPrismWheelWidget"))
																		: TArray<TSharedRef<SWidget>>();
		if (Found.Num() != 1)
		{
			Run.Fail(TEXT("EditorHost: the prism wheel editor shows no canvas"));
			return false;
		}
		GJourney.Canvas = StaticCastSharedRef<SZORPrismWheelWidget>(Found[0]);
		GJourney.Geometry = FGeometry::MakeRoot(GJourney.CanvasSize, FSlateLayoutTransform());
		GJourney.NumEdits = 0;

		if (!GJourney.ShotsDir.IsEmpty() && !IFileManager::Get().MakeDirectory(*GJourney.ShotsDir, true))
		{
			Run.Fail(FString::Printf(TEXT("EditorHost: cannot make the folder %s for the pictures"), *GJourney.ShotsDir));
			return false;
		}

		Say(FString::Printf(TEXT("Canvas %s x %s:"), *FString::SanitizeFloat(GJourney.CanvasSize.X), *FString::SanitizeFloat(GJourney.CanvasSize.Y)));
		PrintCanvas();
		return TakePicture(Run, TEXT("--open"), FString());
	}

	/** A canvas edit (or undo, redo) and what the canvas shows after it. */
	bool RunCanvasEdit(FHostRun& Run, const FString& Name, const FString& Value)
	{
		const bool bHistory = Name == TEXT("--undo") || Name == TEXT("--redo");
		bool bTaken = false;
		if (bHistory)
		{
			bTaken = Name == TEXT("--undo") ? Run.Session.Undo() : Run.Session.Redo();
		}
		else
		{
			FCanvasEdit Edit;
			ParseEditValue(Name, Value, Edit);
			bTaken = RunEdit(Edit);
		}
		++GJourney.NumEdits;
		Say(FString::Printf(TEXT("Edit %d: %s -> %s"), GJourney.NumEdits, *(Value.IsEmpty() ? Name : Name + TEXT(" ") + Value),
			bHistory ? (bTaken ? TEXT("done") : TEXT("nothing to do")) : (bTaken ? TEXT("handled") : TEXT("not handled"))));
		PrintCanvas();
		return TakePicture(Run, Name, Value);
	}
}

void EditorHost::AddPrismWheelOptions(TArray<FHostOption>& Options)
{
	{
		FHostOption Option{TEXT("--prism-wheel"), TEXT("[FILE]"),
			TEXT("creates a prism wheel through the factory (or from FILE: {\"facettes\": [[x, y, radius], ...], \"selected\": [i, ...]})\n")
			TEXT("and opens it in its editor; the canvas, details and thumbnail options below edit it"), nullptr,
			[](FHostRun& Run, const FString& Value)
			{
				return OpenPrismWheel(Run, Value);
			}};
		Option.bValueOptional = true;
		Option.bOnce = true;
		// The file is read with the command line, so that a bad one stops the run before anything changed.
		Option.CheckWithOthers = [](const FHostStep& Step, const TArray<FHostStep>&)
		{
			FString Error;
			if (!Step.NativeValue.empty() && !ReadPrismWheelFile(Step.NativeValue, GJourney.FileFacettes, GJourney.FileSelected, Error))
			{
				return FString::Printf(TEXT("EditorHost: prism wheel file %s: %s"), *Step.Value, *Error);
			}
			return FString();
		};
		Options.Add(Option);
	}
	{
		FHostOption Option{TEXT("--canvas"), TEXT("W,H"), TEXT("with --prism-wheel: the canvas widget's size (default 600,600); it applies before the steps"),
			[](const FString& Value)
			{
				FVector2D Size;
				return ParsePoint(Value, Size) && Size.X >= 1.0 && Size.Y >= 1.0 && Size.X <= 8192.0 && Size.Y <= 8192.0
					? FString() : FString::Printf(TEXT("needs W,H between 1 and 8192, got '%s'"), *Value);
			},
			[](FHostRun&, const FString& Value)
			{
				ParsePoint(Value, GJourney.CanvasSize);
				return true;
			}};
		Option.bSetsUp = true;
		Option.bOnce = true;
		Option.CheckWithOthers = &CheckAfterPrismWheel;
		Options.Add(Option);
	}
	struct FCanvasOption
	{
		const TCHAR* Name;
		const TCHAR* Usage;
		const TCHAR* Help;
	};
	const FCanvasOption CanvasOptions[] = {
		{TEXT("--click"), TEXT("X,Y[:shift|:ctrl|:shift+ctrl]"), TEXT("a left click on the canvas")},
		{TEXT("--drag"), TEXT("X1,Y1:X2,Y2[:shift|:ctrl|:shift+ctrl]"), TEXT("a left drag (press, ten moves, release)")},
		{TEXT("--pan"), TEXT("X1,Y1:X2,Y2"), TEXT("the same with the right button")},
		{TEXT("--wheel"), TEXT("X,Y:NOTCHES"), TEXT("turns the mouse wheel over the canvas")},
		{TEXT("--key"), TEXT("Delete|BackSpace|Escape"), TEXT("presses the key; it goes to the widget with keyboard focus (the canvas after a press on it)")},
		{TEXT("--undo"), nullptr, TEXT("the editor's undo")},
		{TEXT("--redo"), nullptr, TEXT("the editor's redo")},
	};
	for (const FCanvasOption& Canvas : CanvasOptions)
	{
		const FString Name = Canvas.Name;
		const FString Usage = Canvas.Usage ? Canvas.Usage : TEXT("");
		FHostOption Option{Name, Usage, Canvas.Help, nullptr,
			[Name](FHostRun& Run, const FString& Value)
			{
				return RunCanvasEdit(Run, Name, Value);
			}};
		if (!Usage.IsEmpty())
		{
			Option.CheckValue = [Name, Usage](const FString& Value)
			{
				FCanvasEdit Edit;
				return ParseEditValue(Name, Value, Edit) ? FString() : FString::Printf(TEXT("takes %s, got '%s'"), *Usage, *Value);
			};
		}
		Option.CheckWithOthers = &CheckAfterPrismWheel;
		Options.Add(Option);
	}
	{
		FHostOption Option{TEXT("--shots"), TEXT("DIR"), TEXT("writes DIR/NN-<edit>.png of the canvas after opening and after each edit; it applies before the steps"),
			nullptr,
			[](FHostRun&, const FString& Value)
			{
				GJourney.ShotsDir = Value;
				return true;
			}};
		Option.bSetsUp = true;
		Option.bOnce = true;
		Option.CheckWithOthers = &CheckAfterPrismWheel;
		Options.Add(Option);
	}
}
