#include "ZORPrismWheelEditorToolkit.h"

#include "Framework/Docking/TabManager.h"
#include "IDetailsView.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "SZORPrismWheelWidget.h"
#include "Styling/AppStyle.h"
#include "UObject/UObjectGlobals.h"
#include "Widgets/Docking/SDockTab.h"
#include "ZORLightEditorStyle.h"
#include "ZORPrismWheel.h"
#include "ZORPrismWheelAssetDefinition.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

namespace
{
	const FName LayoutName(TEXT("ZORPrismWheelEditorLayout"));
	const FName AppIdentifier(TEXT("ZORPrismWheelEditor"));
	const FName CanvasTabId(TEXT("PrismWheelEditorTab"));
	const FName DetailsTabId(TEXT("PrismWheelDetailsTab"));
	const FName OutputLogTabId(TEXT("OutputLog"));
}

FZORPrismWheelEditorToolkit::~FZORPrismWheelEditorToolkit()
{
}

void FZORPrismWheelEditorToolkit::InitEditor(const EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& InitToolkitHost, UZORPrismWheel* PrismWheel)
{
	EditedObject = PrismWheel;

	const TSharedRef<FTabManager::FLayout> Layout = FTabManager::NewLayout(LayoutName)
		->AddArea
		(
			FTabManager::NewPrimaryArea()
			->SetOrientation(Orient_Vertical)
			->Split
			(
				FTabManager::NewSplitter()
				->SetSizeCoefficient(0.6f)
				->SetOrientation(Orient_Horizontal)
				->Split
				(
					FTabManager::NewStack()
					->SetSizeCoefficient(0.8f)
					->AddTab(CanvasTabId, ETabState::OpenedTab)
				)
				->Split
				(
					FTabManager::NewStack()
					->SetSizeCoefficient(0.2f)
					->AddTab(DetailsTabId, ETabState::OpenedTab)
				)
			)
			->Split
			(
				FTabManager::NewStack()
				->SetSizeCoefficient(0.4f)
				->AddTab(OutputLogTabId, ETabState::OpenedTab)
			)
		);

	InitAssetEditor(Mode, InitToolkitHost, AppIdentifier, Layout, true, true, PrismWheel, false, false);
	RegenerateMenusAndToolbars();
}

void FZORPrismWheelEditorToolkit::RegisterTabSpawners(const TSharedRef<FTabManager>& InTabManager)
{
	FAssetEditorToolkit::RegisterTabSpawners(InTabManager);

	WorkspaceMenuCategory = InTabManager->AddLocalWorkspaceMenuCategory(LOCTEXT("ZOR Prism Wheel Tabs", "ZOR Prism Wheel Tabs"));

	InTabManager->RegisterTabSpawner(CanvasTabId, FOnSpawnTab::CreateLambda([this](const FSpawnTabArgs& Args)
	{
		return SNew(SDockTab)
		[
			SNew(SZORPrismWheelWidget)
			.PrismWheel(Cast<UZORPrismWheel>(EditedObject))
			.OnFacettesChanged(SharedThis(this), &FZORPrismWheelEditorToolkit::OnFacettesChanged)
		];
	}))
		.SetDisplayName(LOCTEXT("PrismWheelEditor", "PrismWheelEditor"))
		.SetGroup(WorkspaceMenuCategory.ToSharedRef())
		.SetIcon(FSlateIcon(FZORLightEditorStyle::Get().GetStyleSetName(), TEXT("Icons.ZORPrismWheel")));

	InTabManager->RegisterTabSpawner(DetailsTabId, FOnSpawnTab::CreateRaw(this, &FZORPrismWheelEditorToolkit::SpawnDetailsTab))
		.SetDisplayName(LOCTEXT("PropertiesTab", "Details"))
		.SetGroup(WorkspaceMenuCategory.ToSharedRef())
		.SetIcon(FSlateIcon(FAppStyle::GetAppStyleSetName(), TEXT("LevelEditor.Tabs.Details")));
}

void FZORPrismWheelEditorToolkit::UnregisterTabSpawners(const TSharedRef<FTabManager>& InTabManager)
{
	FAssetEditorToolkit::UnregisterTabSpawners(InTabManager);

	InTabManager->UnregisterTabSpawner(CanvasTabId);
	InTabManager->UnregisterTabSpawner(DetailsTabId);
}

FName FZORPrismWheelEditorToolkit::GetToolkitFName() const
{
	return FName(TEXT("ZOR Prism Wheel Editor"));
}

FText FZORPrismWheelEditorToolkit::GetBaseToolkitName() const
{
	return FText::AsCultureInvariant(FString(TEXT("ZOR Prism Wheel Editor")));
}

FString FZORPrismWheelEditorToolkit::GetWorldCentricTabPrefix() const
{
	return TEXT("ZOR Prism Wheel");
}

FLinearColor FZORPrismWheelEditorToolkit::GetWorldCentricTabColorScale() const
{
	// The asset type's own colour, so the hosted tabs match the content browser.
	return GetDefault<UZORPrismWheelAssetDefinition>()->GetAssetColor();
}

TSharedRef<SDockTab> FZORPrismWheelEditorToolkit::SpawnDetailsTab(const FSpawnTabArgs& Args)
{
	FPropertyEditorModule& PropertyEditorModule = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));

	FDetailsViewArgs DetailsViewArgs;
	DetailsViewArgs.ColumnWidth = 0.6f;
	DetailsViewArgs.RightColumnMinWidth = 22.f;

	const TSharedRef<IDetailsView> DetailsView = PropertyEditorModule.CreateDetailView(DetailsViewArgs);
	DetailsView->SetObject(GetEditingObject(), false);

	return SNew(SDockTab)
	[
		DetailsView
	];
}

void FZORPrismWheelEditorToolkit::OnFacettesChanged(UZORPrismWheel* PrismWheel)
{
	// The canvas already wrote the asset; nothing else shows facette positions while it is open.
}

#undef LOCTEXT_NAMESPACE
