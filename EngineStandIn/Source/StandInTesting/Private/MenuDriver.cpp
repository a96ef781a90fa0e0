#include "StandInTesting/MenuDriver.h"

#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Docking/TabManager.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Framework/MultiBox/SMultiBoxWidget.h"
#include "Input/Events.h"
#include "InputCoreTypes.h"
#include "Layout/Geometry.h"
#include "Interfaces/IPluginManager.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "ThumbnailRendering/ThumbnailManager.h"
#include "StandIn/ProjectsHooks.h"
#include "StandIn/SlateFrameworkHooks.h"
#include "StandIn/ToolMenusHooks.h"
#include "Styling/AppStyle.h"
#include "Styling/CoreStyle.h"
#include "Styling/ISlateStyle.h"
#include "Styling/SlateStyleRegistry.h"
#include "ToolMenus.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SSegmentedControl.h"
#include "Widgets/Input/SSpinBox.h"
#include "Widgets/Text/STextBlock.h"

namespace StandIn
{
	namespace
	{
		template <typename WidgetType>
		WidgetType* AsWidget(const TSharedPtr<SWidget>& Widget)
		{
			if (Widget.IsValid() && UE::StandIn::FSlateWidgetAccess::GetWidgetTypeId(*Widget) == UE::StandIn::GetWidgetTypeId<WidgetType>())
			{
				return static_cast<WidgetType*>(Widget.Get());
			}
			return nullptr;
		}

		void CollectWidgets(const TSharedRef<SWidget>& Root, TArray<TSharedRef<SWidget>>& OutWidgets)
		{
			OutWidgets.Add(Root);
			if (FChildren* Children = Root->GetChildren())
			{
				for (int32 Index = 0; Index < Children->Num(); ++Index)
				{
					CollectWidgets(Children->GetChildAt(Index), OutWidgets);
				}
			}
		}

		template <typename WidgetType>
		WidgetType* FindFirst(const TSharedRef<SWidget>& Root)
		{
			TArray<TSharedRef<SWidget>> Widgets;
			CollectWidgets(Root, Widgets);
			for (const TSharedRef<SWidget>& Widget : Widgets)
			{
				if (WidgetType* Found = AsWidget<WidgetType>(Widget))
				{
					return Found;
				}
			}
			return nullptr;
		}

		SMultiBoxWidget* AsMenu(const TSharedRef<SWidget>& Menu)
		{
			SMultiBoxWidget* MultiBoxWidget = AsWidget<SMultiBoxWidget>(Menu);
			checkf(MultiBoxWidget, TEXT("The widget is not a menu made by a menu builder (it is %s)"), *Menu->GetTypeAsString());
			return MultiBoxWidget;
		}

		bool IsSegmentedControl(const SWidget& Widget)
		{
			return Widget.GetTypeAsString().StartsWith(TEXT("SSegmentedControl"));
		}

		/** The first text block under the widget that shows more than blanks, outside segmented controls. */
		FString FindCaptionIn(const TSharedRef<SWidget>& Widget, bool bSkipSegments)
		{
			if (bSkipSegments && IsSegmentedControl(*Widget))
			{
				return FString();
			}
			if (STextBlock* Text = AsWidget<STextBlock>(Widget))
			{
				return Text->GetText().ToString().TrimStartAndEnd();
			}
			if (FChildren* Children = Widget->GetChildren())
			{
				for (int32 Index = 0; Index < Children->Num(); ++Index)
				{
					const FString Found = FindCaptionIn(Children->GetChildAt(Index), bSkipSegments);
					if (!Found.IsEmpty())
					{
						return Found;
					}
				}
			}
			return FString();
		}

		/** A widget row's caption (the row's own text, not a segment's). */
		FString FindCaption(const TSharedRef<SWidget>& Row)
		{
			return FindCaptionIn(Row, true);
		}

		/** A left click, down and up inside the widget, as the mouse delivers it. */
		void SendClick(const TSharedRef<SWidget>& Widget)
		{
			TSet<FKey> Pressed;
			Pressed.Add(EKeys::LeftMouseButton);
			const FPointerEvent Event(FVector2D(1.0, 1.0), FVector2D(1.0, 1.0), Pressed, EKeys::LeftMouseButton, 0.0f, FModifierKeysState());
			const FGeometry Geometry = FGeometry::MakeRoot(FVector2D(200.0, 20.0), FSlateLayoutTransform());
			Widget->OnMouseButtonDown(Geometry, Event);
			Widget->OnMouseButtonUp(Geometry, Event);
		}

		/** A segmented control shows one check box per segment, ticked for the selected one. */
		void ReadSegments(const TSharedRef<SWidget>& Root, TArray<FString>& OutSegments, FString& OutSelected)
		{
			TArray<TSharedRef<SWidget>> Widgets;
			CollectWidgets(Root, Widgets);
			for (const TSharedRef<SWidget>& Widget : Widgets)
			{
				if (!IsSegmentedControl(*Widget))
				{
					continue;
				}
				TArray<TSharedRef<SWidget>> Parts;
				CollectWidgets(Widget, Parts);
				for (const TSharedRef<SWidget>& Part : Parts)
				{
					if (SCheckBox* Segment = AsWidget<SCheckBox>(Part))
					{
						const FString Text = FindCaptionIn(Part, false);
						OutSegments.Add(Text);
						if (Segment->GetCheckedState() == ECheckBoxState::Checked)
						{
							OutSelected = Text;
						}
					}
				}
				return;
			}
		}

		FString FormatFloat(float Value)
		{
			FString Result = FString::Printf(TEXT("%.4f"), Value);
			while (Result.EndsWith(TEXT("0")))
			{
				Result.LeftChopInline(1);
			}
			if (Result.EndsWith(TEXT(".")))
			{
				Result.AppendChar(TEXT('0'));
			}
			return Result;
		}
	}

	UToolMenu* FindToolMenu(FName MenuName)
	{
		for (UToolMenu* Menu : UToolMenus::Get()->GetAllMenus())
		{
			if (Menu->MenuName == MenuName)
			{
				return Menu;
			}
		}
		return nullptr;
	}

	FToolMenuSection* FindToolMenuSection(FName MenuName, FName SectionName)
	{
		UToolMenu* Menu = FindToolMenu(MenuName);
		return Menu ? Menu->FindSection(SectionName) : nullptr;
	}

	FToolMenuEntry* FindToolMenuEntry(FName MenuName, FName SectionName, FName EntryName)
	{
		FToolMenuSection* Section = FindToolMenuSection(MenuName, SectionName);
		return Section ? Section->FindEntry(EntryName) : nullptr;
	}

	TSharedPtr<SWidget> OpenComboButtonMenu(const FToolMenuEntry& ComboButton)
	{
		const FNewToolMenuChoice& Content = ComboButton.SubMenuData.ConstructMenu;
		if (Content.OnGetContent.IsBound())
		{
			return Content.OnGetContent.Execute();
		}
		if (Content.NewToolMenuWidget.IsBound())
		{
			return Content.NewToolMenuWidget.Execute(FToolMenuContext());
		}
		if (Content.NewMenuLegacy.IsBound())
		{
			FMenuBuilder MenuBuilder(true, TSharedPtr<const FUICommandList>());
			Content.NewMenuLegacy.Execute(MenuBuilder);
			return MenuBuilder.MakeWidget();
		}
		return TSharedPtr<SWidget>();
	}

	TSharedPtr<SWidget> OpenComboButtonMenu(FName MenuName, FName SectionName, FName EntryName)
	{
		FToolMenuEntry* Entry = FindToolMenuEntry(MenuName, SectionName, EntryName);
		return Entry ? OpenComboButtonMenu(*Entry) : TSharedPtr<SWidget>();
	}

	FString FMenuRow::ToString() const
	{
		switch (Kind)
		{
		case EMenuRowKind::Heading:
			return FString::Printf(TEXT("== %s =="), *Label);
		case EMenuRowKind::Separator:
			return FString(TEXT("----"));
		case EMenuRowKind::Entry:
			if (bCheckable)
			{
				const TCHAR* Box = CheckState == ECheckBoxState::Checked ? TEXT("[x]") : (CheckState == ECheckBoxState::Undetermined ? TEXT("[-]") : TEXT("[ ]"));
				return FString::Printf(TEXT("%s %s"), Box, *Label);
			}
			return Label;
		case EMenuRowKind::Widget:
			if (bHasSpinBox)
			{
				return FString::Printf(TEXT("%s = %s"), *Label, *FormatFloat(SpinValue));
			}
			if (Segments.Num() > 0)
			{
				FString Line = Label.IsEmpty() ? FString() : Label + TEXT(": ");
				for (int32 Index = 0; Index < Segments.Num(); ++Index)
				{
					if (Index > 0)
					{
						Line += TEXT(" ");
					}
					Line += Segments[Index] == SelectedSegment ? FString::Printf(TEXT("(%s)"), *Segments[Index]) : Segments[Index];
				}
				return Line;
			}
			return Label;
		}
		return Label;
	}

	TArray<FMenuRow> ListMenuRows(const TSharedRef<SWidget>& Menu)
	{
		TArray<FMenuRow> Rows;
		SMultiBoxWidget* MultiBoxWidget = AsMenu(Menu);
		for (const TSharedRef<SWidget>& RowWidget : MultiBoxWidget->GetRowWidgets())
		{
			if (RowWidget->GetVisibility() == EVisibility::Collapsed)
			{
				continue;
			}
			FMenuRow& Row = Rows.AddDefaulted_GetRef();
			Row.Widget = RowWidget;
			Row.bEnabled = RowWidget->IsEnabled();
			if (SHeadingBlock* Heading = AsWidget<SHeadingBlock>(RowWidget))
			{
				Row.Kind = EMenuRowKind::Heading;
				Row.Label = Heading->GetHeadingText().ToString();
			}
			else if (AsWidget<SMenuSeparatorBlock>(RowWidget))
			{
				Row.Kind = EMenuRowKind::Separator;
			}
			else if (SMenuEntryBlock* Entry = AsWidget<SMenuEntryBlock>(RowWidget))
			{
				Row.Kind = EMenuRowKind::Entry;
				Row.Label = Entry->GetLabel().ToString();
				Row.ToolTip = UE::StandIn::FSlateWidgetAccess::GetToolTipText(*RowWidget).Get(FText::GetEmpty()).ToString();
				// What the user sees: the check box's state, polled as it is painted.
				if (SCheckBox* CheckBox = FindFirst<SCheckBox>(RowWidget))
				{
					Row.bCheckable = true;
					Row.CheckState = CheckBox->GetCheckedState();
				}
				const FSlateIcon Icon = Entry->GetBlock()->GetDisplayIcon();
				if (!Row.bCheckable && Icon.IsSet())
				{
					Row.IconStyleSet = Icon.GetStyleSetName();
					Row.IconStyleName = Icon.GetStyleName();
				}
				if (SButton* Button = FindFirst<SButton>(RowWidget))
				{
					Row.bEnabled = Row.bEnabled && Button->IsEnabled();
				}
			}
			else if (SWidgetBlock* WidgetRow = AsWidget<SWidgetBlock>(RowWidget))
			{
				Row.Kind = EMenuRowKind::Widget;
				Row.Label = FindCaption(RowWidget);
				Row.ToolTip = UE::StandIn::FSlateWidgetAccess::GetToolTipText(*RowWidget).Get(FText::GetEmpty()).ToString();
				if (SSpinBox<float>* SpinBox = FindFirst<SSpinBox<float>>(WidgetRow->GetCustomWidget()))
				{
					Row.bHasSpinBox = true;
					Row.SpinValue = SpinBox->GetValue();
					Row.SpinMin = SpinBox->GetMinValue();
					Row.SpinMax = SpinBox->GetMaxValue();
					Row.SpinDelta = SpinBox->GetDelta();
				}
				ReadSegments(WidgetRow->GetCustomWidget(), Row.Segments, Row.SelectedSegment);
			}
		}
		return Rows;
	}

	TArray<FString> DescribeMenu(const TSharedRef<SWidget>& Menu)
	{
		TArray<FString> Lines;
		for (const FMenuRow& Row : ListMenuRows(Menu))
		{
			Lines.Add(Row.ToString());
		}
		return Lines;
	}

	TSharedPtr<SWidget> FindMenuRow(const TSharedRef<SWidget>& Menu, const FString& Label)
	{
		for (const FMenuRow& Row : ListMenuRows(Menu))
		{
			if (Row.Kind != EMenuRowKind::Separator && Row.Label.Equals(Label, ESearchCase::CaseSensitive))
			{
				return Row.Widget;
			}
		}
		return TSharedPtr<SWidget>();
	}

	FString GetSectionOfRow(const TSharedRef<SWidget>& Menu, const FString& Label)
	{
		FString Section;
		for (const FMenuRow& Row : ListMenuRows(Menu))
		{
			if (Row.Kind == EMenuRowKind::Heading)
			{
				Section = Row.Label;
			}
			else if (Row.Kind != EMenuRowKind::Separator && Row.Label.Equals(Label, ESearchCase::CaseSensitive))
			{
				return Section;
			}
		}
		return FString();
	}

	bool ClickMenuEntry(const TSharedRef<SWidget>& Menu, const FString& Label)
	{
		// A menu that closed is gone from the screen.
		if (AsMenu(Menu)->IsMenuClosed())
		{
			return false;
		}
		for (const FMenuRow& Row : ListMenuRows(Menu))
		{
			if (Row.Kind == EMenuRowKind::Entry && Row.Label.Equals(Label, ESearchCase::CaseSensitive))
			{
				SButton* Button = FindFirst<SButton>(Row.Widget.ToSharedRef());
				if (!Row.bEnabled || !Button)
				{
					return false;
				}
				SendClick(StaticCastSharedRef<SWidget>(Button->AsShared()));
				return true;
			}
		}
		return false;
	}

	bool IsMenuClosed(const TSharedRef<SWidget>& Menu)
	{
		return AsMenu(Menu)->IsMenuClosed();
	}

	bool FRegistrySnapshot::operator==(const FRegistrySnapshot& Other) const
	{
		return ToLines() == Other.ToLines();
	}

	TArray<FString> FRegistrySnapshot::ToLines() const
	{
		TArray<FString> Lines;
		auto AddAll = [&Lines](const TCHAR* Prefix, const TArray<FString>& Items)
		{
			for (const FString& Item : Items)
			{
				Lines.Add(FString::Printf(TEXT("%s: %s"), Prefix, *Item));
			}
		};
		AddAll(TEXT("StyleSet"), StyleSets);
		AddAll(TEXT("BindingContext"), BindingContexts);
		AddAll(TEXT("NomadTabSpawner"), NomadTabSpawners);
		AddAll(TEXT("OpenTab"), OpenTabs);
		AddAll(TEXT("ToolMenu"), ToolMenuEntries);
		AddAll(TEXT("GlobalCommand"), GlobalCommandMappings);
		AddAll(TEXT("ClassLayout"), ClassLayouts);
		AddAll(TEXT("ThumbnailRenderer"), ThumbnailRenderers);
		return Lines;
	}

	FRegistrySnapshot TakeRegistrySnapshot()
	{
		FRegistrySnapshot Snapshot;

		// The editor's own styles always exist in the editor; here they are made on first use.
		FCoreStyle::Get();
		FAppStyle::Get();

		FSlateStyleRegistry::IterateAllStyles([&Snapshot](const ISlateStyle& Style)
		{
			Snapshot.StyleSets.Add(Style.GetStyleSetName().ToString());
			return true;
		});
		Snapshot.StyleSets.Sort();

		TArray<TSharedPtr<FBindingContext>> Contexts;
		FInputBindingManager::Get().GetKnownInputContexts(Contexts);
		for (const TSharedPtr<FBindingContext>& Context : Contexts)
		{
			Snapshot.BindingContexts.Add(Context->GetContextName().ToString());
			TArray<TSharedPtr<FUICommandInfo>> Commands;
			FInputBindingManager::Get().GetCommandInfosFromContext(Context->GetContextName(), Commands);
			for (const TSharedPtr<FUICommandInfo>& Command : Commands)
			{
				Snapshot.BindingContexts.Add(Context->GetContextName().ToString() + TEXT(".") + Command->GetCommandName().ToString());
			}
		}

		const TSharedRef<FGlobalTabmanager>& TabManager = FGlobalTabmanager::Get();
		for (const TSharedRef<FTabSpawnerEntry>& Spawner : TabManager->GetNomadTabSpawners())
		{
			Snapshot.NomadTabSpawners.Add(Spawner->GetTabType().ToString());
		}
		for (const TSharedRef<SDockTab>& Tab : TabManager->GetOpenTabs())
		{
			Snapshot.OpenTabs.Add(Tab->GetLayoutIdentifier().ToString());
		}

		for (UToolMenu* Menu : UToolMenus::Get()->GetAllMenus())
		{
			for (const FToolMenuSection& Section : Menu->Sections)
			{
				const FString SectionPath = Menu->MenuName.ToString() + TEXT("/") + Section.Name.ToString();
				Snapshot.ToolMenuEntries.Add(SectionPath);
				for (const FToolMenuEntry& Entry : Section.Blocks)
				{
					Snapshot.ToolMenuEntries.Add(SectionPath + TEXT("/") + Entry.Name.ToString());
				}
			}
		}

		if (FModuleManager::Get().IsModuleLoaded(TEXT("LevelEditor")))
		{
			FLevelEditorModule& LevelEditor = FModuleManager::GetModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
			for (const TSharedPtr<const FUICommandInfo>& Command : UE::StandIn::GetMappedCommands(*LevelEditor.GetGlobalLevelEditorActions()))
			{
				Snapshot.GlobalCommandMappings.Add(Command->GetBindingContext().ToString() + TEXT(".") + Command->GetCommandName().ToString());
			}
		}

		if (FPropertyEditorModule* PropertyEditor = FModuleManager::GetModulePtr<FPropertyEditorModule>(TEXT("PropertyEditor")))
		{
			for (const FName& ClassName : PropertyEditor->GetCustomClassLayoutNames())
			{
				Snapshot.ClassLayouts.Add(ClassName.ToString());
			}
		}
		for (const FThumbnailRenderingInfo& Info : UThumbnailManager::Get().GetRenderableThumbnailTypes())
		{
			Snapshot.ThumbnailRenderers.Add(Info.ClassNeedingThumbnail->GetName() + TEXT("=") + (Info.Renderer ? Info.Renderer->GetClass()->GetName() : FString(TEXT("None"))));
		}
		return Snapshot;
	}

	void InitFrameworkRegistries()
	{
		// The plug-in sits at the repository root, as it would in a project's Plugins folder.
		UE::StandIn::AddPlugin(TEXT("ZORLight"), FString(UTF8_TO_TCHAR(ZOR_PLUGIN_DIR)));
	}

	void ResetFrameworkRegistries()
	{
		UE::StandIn::ResetGlobalTabManager();
		UE::StandIn::ResetToolMenus();
		UE::StandIn::ResetInputBindingManager();
		UE::StandIn::ResetPluginManager();
	}
}
