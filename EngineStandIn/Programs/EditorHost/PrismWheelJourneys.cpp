#include "PrismWheelJourneys.h"

#include "AssetDefinition.h"
#include "Editor.h"
#include "Editor/TransBuffer.h"
#include "HAL/FileManager.h"
#include "HostOptions.h"
#include "InputCoreTypes.h"
#include "Layout/Geometry.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "PrismWheel/SZORPrismWheelWidget.h"
#include "StandInTesting/AssetDriver.h"
#include "StandInTesting/DrawElementsPicture.h"
#include "StandInTesting/EditorSession.h"
#include "StandInTesting/SlateDriver.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "Widgets/Docking/SDockTab.h"
#include "ZORPrismWheel.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <string>

namespace PrismWheelJourneys
{
	namespace
	{
		UZORPrismWheel* GCurrentPrismWheel = nullptr;

		using EditorHost::Say;
		using EditorHost::SayError;

		bool ParseNumber(const FString& Text, double& Out)
		{
			const std::string Narrow = TCHAR_TO_UTF8(*Text.TrimStartAndEnd());
			if (Narrow.empty())
			{
				return false;
			}
			char* End = nullptr;
			Out = std::strtod(Narrow.c_str(), &End);
			return End && *End == '\0' && std::isfinite(Out);
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

		bool ParseEditValue(const std::string& Arg, const FString& Value, FCanvasEdit& Edit)
		{
			TArray<FString> Parts;
			Value.ParseIntoArray(Parts, TEXT(":"), false);
			if (Arg == "--click")
			{
				Edit.Kind = FCanvasEdit::EKind::Click;
				return (Parts.Num() == 1 || Parts.Num() == 2) && ParsePoint(Parts[0], Edit.From)
					&& (Parts.Num() == 1 || ParseModifiers(Parts[1], Edit.bShift, Edit.bCtrl));
			}
			if (Arg == "--drag" || Arg == "--pan")
			{
				Edit.Kind = Arg == "--drag" ? FCanvasEdit::EKind::Drag : FCanvasEdit::EKind::Pan;
				const int32 MaxParts = Arg == "--drag" ? 3 : 2;
				return Parts.Num() >= 2 && Parts.Num() <= MaxParts && ParsePoint(Parts[0], Edit.From) && ParsePoint(Parts[1], Edit.To)
					&& (Parts.Num() == 2 || ParseModifiers(Parts[2], Edit.bShift, Edit.bCtrl));
			}
			if (Arg == "--wheel")
			{
				Edit.Kind = FCanvasEdit::EKind::Wheel;
				double Notches = 0.0;
				const bool bOk = Parts.Num() == 2 && ParsePoint(Parts[0], Edit.From) && ParseNumber(Parts[1], Notches);
				Edit.Notches = (float)Notches;
				return bOk;
			}
			if (Arg == "--key")
			{
				Edit.Kind = FCanvasEdit::EKind::Key;
				Edit.KeyName = Value;
				return Value.Equals(TEXT("Delete"), ESearchCase::CaseSensitive) || Value.Equals(TEXT("BackSpace"), ESearchCase::CaseSensitive)
					|| Value.Equals(TEXT("Escape"), ESearchCase::CaseSensitive);
			}
			return false;
		}

		const TCHAR* EditUsage(const std::string& Arg)
		{
			if (Arg == "--click")
			{
				return TEXT("X,Y[:shift|:ctrl|:shift+ctrl]");
			}
			if (Arg == "--drag")
			{
				return TEXT("X1,Y1:X2,Y2[:shift|:ctrl|:shift+ctrl]");
			}
			if (Arg == "--pan")
			{
				return TEXT("X1,Y1:X2,Y2");
			}
			if (Arg == "--wheel")
			{
				return TEXT("X,Y:NOTCHES");
			}
			return TEXT("Delete, BackSpace or Escape");
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
		bool ReadPrismWheelFile(const FString& Path, TArray<FPrismWheelFacette>& OutFacettes, TArray<int32>& OutSelected, FString& OutError)
		{
			FString Text;
			if (!FFileHelper::LoadFileToString(Text, *Path))
			{
				OutError = TEXT("cannot be read");
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
				FPrismWheelFacette Facette;
				Facette.X = Entry[0].get<double>();
				Facette.Y = Entry[1].get<double>();
				Facette.Radius = (float)Entry[2].get<double>();
				if (!std::isfinite(Facette.X) || !std::isfinite(Facette.Y) || !std::isfinite(Facette.Radius) || Facette.Radius < 0.f)
				{
					OutError = FString::Printf(TEXT("facette %d needs finite numbers and a radius not below 0"), Index);
					return false;
				}
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
					if (!Entry.is_number_integer() || Entry.get<long long>() < INT32_MIN || Entry.get<long long>() > INT32_MAX)
					{
						OutError = TEXT("\"selected\" must hold whole numbers");
						return false;
					}
					OutSelected.Add((int32)Entry.get<long long>());
				}
			}
			return true;
		}

		struct FCanvasUnderTest
		{
			TSharedPtr<SZORPrismWheelWidget> Canvas;
			FGeometry Geometry;
		};

		void PrintCanvas(const FCanvasUnderTest& Canvas)
		{
			Say(FString::Printf(TEXT("  zoom %s pan %s,%s"), *Four(Canvas.Canvas->GetZoom()), *Four(Canvas.Canvas->GetPanOffset().X),
				*Four(Canvas.Canvas->GetPanOffset().Y)));
			PrintPrismWheel(GCurrentPrismWheel);
		}

		bool TakePicture(const FCanvasUnderTest& Canvas, const FOptions& Options, int32 Number, const FString& Name)
		{
			if (Options.ShotsDir.IsEmpty())
			{
				return true;
			}
			const FIntPoint Size((int32)std::ceil(Options.CanvasSize.X), (int32)std::ceil(Options.CanvasSize.Y));
			const TArray<FSlateDrawElement> Elements = StandIn::PaintWidget(Canvas.Canvas.ToSharedRef(), Options.CanvasSize);
			const FString Path = FPaths::Combine(Options.ShotsDir, FString::Printf(TEXT("%02d-%s.png"), Number, *Name));
			FString Error;
			if (!StandIn::WriteDrawElementsPicture(Elements, Size.X, Size.Y, Path, &Error))
			{
				Say(FString::Printf(TEXT("  picture not written: %s"), *Error));
				return false;
			}
			Say(FString::Printf(TEXT("  picture %s"), *Path));
			return true;
		}

		FString PictureName(const FCanvasEdit& Edit)
		{
			switch (Edit.Kind)
			{
			case FCanvasEdit::EKind::Elsewhere:
			{
				// "--set-property FacetteSize=0.3" -> "set-property"
				FString Name = Edit.Text;
				Name.RemoveFromStart(TEXT("--"));
				FString Option;
				FString Value;
				return Name.Split(TEXT(" "), &Option, &Value) ? Option : Name;
			}
			case FCanvasEdit::EKind::Click:
				return TEXT("click");
			case FCanvasEdit::EKind::Drag:
				return TEXT("drag");
			case FCanvasEdit::EKind::Pan:
				return TEXT("pan");
			case FCanvasEdit::EKind::Wheel:
				return TEXT("wheel");
			case FCanvasEdit::EKind::Key:
				return FString(TEXT("key-")) + Edit.KeyName;
			case FCanvasEdit::EKind::Undo:
				return TEXT("undo");
			case FCanvasEdit::EKind::Redo:
				return TEXT("redo");
			}
			return TEXT("edit");
		}

		/** Runs one edit as the user makes it; true when the canvas (or the editor, for undo and redo) took it. */
		bool RunEdit(StandIn::FEditorSession& Session, const FCanvasUnderTest& Canvas, const FCanvasEdit& Edit)
		{
			const TSharedRef<SWidget> Widget = Canvas.Canvas.ToSharedRef();
			switch (Edit.Kind)
			{
			case FCanvasEdit::EKind::Elsewhere:
				return false;
			case FCanvasEdit::EKind::Click:
			{
				const bool bDown = StandIn::MouseDownAt(Widget, Canvas.Geometry, Edit.From, EKeys::LeftMouseButton, Edit.bShift, Edit.bCtrl).IsEventHandled();
				const bool bUp = StandIn::MouseUpAt(Widget, Canvas.Geometry, Edit.From, EKeys::LeftMouseButton, Edit.bShift, Edit.bCtrl).IsEventHandled();
				return bDown && bUp;
			}
			case FCanvasEdit::EKind::Drag:
			case FCanvasEdit::EKind::Pan:
			{
				const FKey Button = Edit.Kind == FCanvasEdit::EKind::Drag ? EKeys::LeftMouseButton : EKeys::RightMouseButton;
				bool bHandled = StandIn::MouseDownAt(Widget, Canvas.Geometry, Edit.From, Button, Edit.bShift, Edit.bCtrl).IsEventHandled();
				for (int32 Step = 1; Step <= 10; ++Step)
				{
					const FVector2D At = Edit.From + (Edit.To - Edit.From) * (double(Step) / 10.0);
					StandIn::MouseMoveTo(Widget, Canvas.Geometry, At, Edit.bShift, Edit.bCtrl);
				}
				bHandled &= StandIn::MouseUpAt(Widget, Canvas.Geometry, Edit.To, Button, Edit.bShift, Edit.bCtrl).IsEventHandled();
				return bHandled;
			}
			case FCanvasEdit::EKind::Wheel:
				return StandIn::MouseWheelAt(Widget, Canvas.Geometry, Edit.From, Edit.Notches).IsEventHandled();
			case FCanvasEdit::EKind::Key:
			{
				const FKey Key = Edit.KeyName.Equals(TEXT("Delete"), ESearchCase::CaseSensitive) ? EKeys::Delete
					: Edit.KeyName.Equals(TEXT("BackSpace"), ESearchCase::CaseSensitive) ? EKeys::BackSpace : EKeys::Escape;
				return StandIn::KeyDownOn(Widget, Key).IsEventHandled();
			}
			case FCanvasEdit::EKind::Undo:
				return Session.Undo();
			case FCanvasEdit::EKind::Redo:
				return Session.Redo();
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

	bool TakeValue(int Argc, char** Argv, int& Index, FString& OutValue)
	{
		if (Index + 1 >= Argc)
		{
			SayError(FString::Printf(TEXT("EditorHost: %s needs a value"), UTF8_TO_TCHAR(Argv[Index])));
			return false;
		}
		OutValue = UTF8_TO_TCHAR(Argv[++Index]);
		return true;
	}

	EParseResult ParseOption(int Argc, char** Argv, int& Index, FOptions& Options)
	{
		const std::string Arg = Argv[Index];
		const bool bHasValue = Index + 1 < Argc;
		if (Arg == "--prism-wheel")
		{
			Options.bPrismWheel = true;
			// The file is optional: a following option is not one.
			if (bHasValue && std::string(Argv[Index + 1]).rfind("--", 0) != 0)
			{
				Options.PrismWheelFile = UTF8_TO_TCHAR(Argv[++Index]);
			}
			return EParseResult::Parsed;
		}
		if (Arg == "--undo" || Arg == "--redo")
		{
			FCanvasEdit Edit;
			Edit.Kind = Arg == "--undo" ? FCanvasEdit::EKind::Undo : FCanvasEdit::EKind::Redo;
			Edit.Text = UTF8_TO_TCHAR(Arg.c_str());
			Options.Edits.Add(Edit);
			return EParseResult::Parsed;
		}
		const bool bTakesValue = Arg == "--canvas" || Arg == "--click" || Arg == "--drag" || Arg == "--pan" || Arg == "--wheel" || Arg == "--key"
			|| Arg == "--shots";
		if (!bTakesValue)
		{
			return EParseResult::NotMine;
		}
		FString Value;
		if (!TakeValue(Argc, Argv, Index, Value))
		{
			return EParseResult::Bad;
		}
		if (Arg == "--canvas")
		{
			FVector2D Size;
			if (!ParsePoint(Value, Size) || Size.X < 1.0 || Size.Y < 1.0 || Size.X > 8192.0 || Size.Y > 8192.0)
			{
				SayError(FString::Printf(TEXT("EditorHost: --canvas needs W,H between 1 and 8192, got '%s'"), *Value));
				return EParseResult::Bad;
			}
			Options.CanvasSize = Size;
			return EParseResult::Parsed;
		}
		if (Arg == "--shots")
		{
			Options.ShotsDir = Value;
			return EParseResult::Parsed;
		}
		FCanvasEdit Edit;
		Edit.Text = FString::Printf(TEXT("%s %s"), UTF8_TO_TCHAR(Arg.c_str()), *Value);
		if (!ParseEditValue(Arg, Value, Edit))
		{
			SayError(FString::Printf(TEXT("EditorHost: %s takes %s, got '%s'"), UTF8_TO_TCHAR(Arg.c_str()), EditUsage(Arg), *Value));
			return EParseResult::Bad;
		}
		Options.Edits.Add(Edit);
		return EParseResult::Parsed;
	}

	bool CheckOptions(const FOptions& Options)
	{
		if (!Options.bPrismWheel && (Options.Edits.Num() > 0 || !Options.ShotsDir.IsEmpty()))
		{
			SayError(TEXT("EditorHost: canvas, details and thumbnail edits and --shots need --prism-wheel"));
			return false;
		}
		return true;
	}

	void PrintUsage()
	{
		Say(TEXT("  --prism-wheel [FILE] creates a prism wheel through the factory (or from FILE: {\"facettes\": [[x, y, radius], ...], \"selected\": [i, ...]})"));
		Say(TEXT("                      and opens it in its editor; the canvas options below edit it in the order given"));
		Say(TEXT("  --canvas W,H        the canvas widget's size (default 600,600)"));
		Say(TEXT("  --click X,Y[:shift|:ctrl|:shift+ctrl]   a left click on the canvas"));
		Say(TEXT("  --drag X1,Y1:X2,Y2[:modifiers]          a left drag (press, ten moves, release)"));
		Say(TEXT("  --pan X1,Y1:X2,Y2   the same with the right button"));
		Say(TEXT("  --wheel X,Y:NOTCHES turns the mouse wheel over the canvas"));
		Say(TEXT("  --key Delete|BackSpace|Escape           presses the key on the canvas"));
		Say(TEXT("  --undo, --redo      the editor's undo and redo"));
		Say(TEXT("  --shots DIR         writes DIR/NN-<edit>.png of the canvas after each edit"));
	}

	UZORPrismWheel* GetCurrentPrismWheel()
	{
		return GCurrentPrismWheel;
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

	void CloseEditors()
	{
		StandIn::CloseAllAssetEditors();
	}

	int32 Run(StandIn::FEditorSession& Session, const FOptions& Options)
	{
		if (!Options.bPrismWheel)
		{
			return 0;
		}

		TArray<FPrismWheelFacette> Facettes;
		TArray<int32> Selected;
		if (!Options.PrismWheelFile.IsEmpty())
		{
			FString Error;
			if (!ReadPrismWheelFile(Options.PrismWheelFile, Facettes, Selected, Error))
			{
				SayError(FString::Printf(TEXT("EditorHost: prism wheel file %s: %s"), *Options.PrismWheelFile, *Error));
				return 2;
			}
		}

		const TArray<UFactory*> Factories = StandIn::FindFactoriesFor(UZORPrismWheel::StaticClass());
		if (Factories.Num() == 0)
		{
			Say(TEXT("No factory makes prism wheels: the content browser offers none."));
			return 1;
		}
		GCurrentPrismWheel = Cast<UZORPrismWheel>(StandIn::CreateAssetWithFactory(Factories[0], TEXT("PW_PrismWheel")));
		if (!GCurrentPrismWheel)
		{
			Say(TEXT("The factory made no prism wheel."));
			return 1;
		}
		Say(FString::Printf(TEXT("Created the prism wheel %s through the factory."), *GCurrentPrismWheel->GetPathName()));
		if (!Options.PrismWheelFile.IsEmpty())
		{
			// As an import would: the file's content, before any undoable edit.
			GCurrentPrismWheel->Facettes = Facettes;
			for (const int32 Index : Selected)
			{
				GCurrentPrismWheel->SelectedCircles.Add(Index);
			}
			Say(FString::Printf(TEXT("Filled it from %s: %d facettes, %d selected."), *Options.PrismWheelFile, Facettes.Num(), GCurrentPrismWheel->SelectedCircles.Num()));
		}

		const UAssetDefinition* Definition = StandIn::FindAssetDefinitionFor(UZORPrismWheel::StaticClass());
		if (!Definition)
		{
			Say(TEXT("No asset definition knows prism wheels: the content browser cannot open it."));
			return 1;
		}
		TArray<UObject*> Assets;
		Assets.Add(GCurrentPrismWheel);
		const bool bHandled = StandIn::OpenAssets(*Definition, Assets);
		const TArray<FAssetEditorToolkit*> Editors = StandIn::FindAssetEditorsFor(GCurrentPrismWheel);
		if (!bHandled || Editors.Num() != 1)
		{
			Say(FString::Printf(TEXT("Opening the prism wheel was %s and opened %d editors."), bHandled ? TEXT("handled") : TEXT("not handled"), Editors.Num()));
			return 1;
		}
		PrintEditor(*Editors[0]);

		const TSharedPtr<SDockTab> CanvasTab = StandIn::FindOpenTab(*Editors[0], TEXT("PrismWheelEditorTab"));
		FCanvasUnderTest Canvas;
		// Found by its type name, which the editor shows in its widget reflector.
		const TArray<TSharedRef<SWidget>> Found = CanvasTab.IsValid() ? StandIn::FindWidgetsByTypeName(CanvasTab.ToSharedRef(), TEXT("SZORPrismWheelWidget"))
																		: TArray<TSharedRef<SWidget>>();
		if (Found.Num() == 1)
		{
			Canvas.Canvas = StaticCastSharedRef<SZORPrismWheelWidget>(Found[0]);
		}
		if (!Canvas.Canvas.IsValid())
		{
			Say(TEXT("The editor shows no canvas."));
			return 1;
		}
		Canvas.Geometry = FGeometry::MakeRoot(Options.CanvasSize, FSlateLayoutTransform());

		if (!Options.ShotsDir.IsEmpty() && !IFileManager::Get().MakeDirectory(*Options.ShotsDir, true))
		{
			Say(FString::Printf(TEXT("Cannot make the folder %s for the pictures."), *Options.ShotsDir));
			return 1;
		}

		Say(FString::Printf(TEXT("Canvas %s x %s:"), *FString::SanitizeFloat(Options.CanvasSize.X), *FString::SanitizeFloat(Options.CanvasSize.Y)));
		PrintCanvas(Canvas);
		bool bPicturesOk = TakePicture(Canvas, Options, 0, TEXT("open"));

		for (int32 Number = 0; Number < Options.Edits.Num(); ++Number)
		{
			const FCanvasEdit& Edit = Options.Edits[Number];
			if (Edit.Kind == FCanvasEdit::EKind::Elsewhere)
			{
				Say(FString::Printf(TEXT("Edit %d: %s"), Number + 1, *Edit.Text));
				if (!Edit.Run(Options))
				{
					return 1;
				}
				// What the canvas shows after an edit made elsewhere.
				bPicturesOk &= TakePicture(Canvas, Options, Number + 1, PictureName(Edit));
				continue;
			}
			const bool bTaken = RunEdit(Session, Canvas, Edit);
			const bool bHistory = Edit.Kind == FCanvasEdit::EKind::Undo || Edit.Kind == FCanvasEdit::EKind::Redo;
			Say(FString::Printf(TEXT("Edit %d: %s -> %s"), Number + 1, *Edit.Text,
				bHistory ? (bTaken ? TEXT("done") : TEXT("nothing to do")) : (bTaken ? TEXT("handled") : TEXT("not handled"))));
			PrintCanvas(Canvas);
			bPicturesOk &= TakePicture(Canvas, Options, Number + 1, PictureName(Edit));
		}
		return bPicturesOk ? 0 : 1;
	}
}
