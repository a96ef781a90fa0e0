#include "UEtoGMA/SFixturePatchList.h"

#include "Algo/StableSort.h"
#include "Components/ActorComponent.h"
#include "Components/SceneComponent.h"
#include "DesktopPlatformModule.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/World.h"
#include "Framework/Application/SlateApplication.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Framework/Notifications/NotificationManager.h"
#include "Game/DMXComponent.h"
#include "GameFramework/Actor.h"
#include "HAL/FileManager.h"
#include "IDesktopPlatform.h"
#include "Interfaces/IMainFrameModule.h"
#include "Kismet/GameplayStatics.h"
#include "Library/DMXEntityFixturePatch.h"
#include "Library/DMXEntityFixtureType.h"
#include "Math/RotationMatrix.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateTypes.h"
#include "Styling/ToolBarStyle.h"
#include "UEtoGMA/FixtureModeListItem.h"
#include "UEtoGMA/FixturePatchListItem.h"
#include "UEtoGMA/MAXmlWriter.h"
#include "UEtoGMA/SFixtureModeList.h"
#include "UEtoGMA/SFixturePatchListRow.h"
#include "UEtoGMA/SUEtoGMAHelpDialog.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SSpinBox.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/Layout/SSplitter.h"
#include "Widgets/Notifications/SNotificationList.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SWindow.h"
#include "Widgets/Text/STextBlock.h"
#include "ZORLightEditorStyle.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

namespace
{
	/** The item's actor placed on the console's stage: its world transform, then a quarter turn about Z. */
	FTransform MakeMATransform(const TSharedPtr<FFixturePatchListItem>& InItem)
	{
		FTransform WorldTransform = FTransform::Identity;
		const AActor* CurrentActor = InItem.IsValid() ? InItem->GetCurrentActor() : nullptr;
		if (const USceneComponent* RootComponent = CurrentActor ? CurrentActor->GetRootComponent() : nullptr)
		{
			WorldTransform = RootComponent->GetComponentTransform();
		}
		const FTransform StageTurn(FRotationMatrix(FRotator(0.0, -90.0, 0.0)));
		return WorldTransform * StageTurn;
	}

	void ShowExportNotification(const FText& Text, const FName BrushName)
	{
		FNotificationInfo Info(Text);
		Info.Image = FAppStyle::Get().GetBrush(BrushName);
		Info.ExpireDuration = 2.0f;
		FSlateNotificationManager::Get().AddNotification(Info);
	}
}

const FName SFixturePatchList::ColumnID_IsSelected(TEXT("IsSelected"));
const FName SFixturePatchList::ColumnID_ActorName(TEXT("ActorName"));
const FName SFixturePatchList::ColumnID_Status(TEXT("Status"));
const FName SFixturePatchList::ColumnID_FixtureID(TEXT("FixtureID"));
const FName SFixturePatchList::ColumnID_FixtureType(TEXT("FixtureType"));
const FName SFixturePatchList::ColumnID_Mode(TEXT("Mode"));
const FName SFixturePatchList::ColumnID_Patch(TEXT("Patch"));

namespace UE::ZORLight::Private
{
	UDMXEntityFixturePatch* FindFixturePatch(const AActor* Actor)
	{
		UDMXComponent* DMXComponent = Cast<UDMXComponent>(Actor->GetComponentByClass(UDMXComponent::StaticClass()));
		return DMXComponent ? DMXComponent->GetFixturePatch() : nullptr;
	}

	/** Universe and channel of a patch text "u.c"; false when it has fewer than two parts. */
	bool ParsePatchAddress(const FString& PatchAddress, int32& OutUniverse, int32& OutChannel)
	{
		TArray<FString> Parts;
		PatchAddress.ParseIntoArray(Parts, TEXT("."), true);
		if (Parts.Num() < 2)
		{
			return false;
		}
		OutUniverse = FCString::Atoi(*Parts[0]);
		OutChannel = FCString::Atoi(*Parts[1]);
		return true;
	}

	/** Sorts by a key read once per item; equal keys keep their order, so IDs do not jump between two sorts. */
	template <typename KeyType, typename KeyFunc, typename LessFunc>
	void StableSortItemsByKey(TArray<TSharedPtr<FFixturePatchListItem>>& Items, KeyFunc MakeKey, LessFunc IsBefore)
	{
		TArray<TPair<KeyType, TSharedPtr<FFixturePatchListItem>>> Keyed;
		Keyed.Reserve(Items.Num());
		for (TSharedPtr<FFixturePatchListItem>& Item : Items)
		{
			Keyed.Emplace(MakeKey(*Item), MoveTemp(Item));
		}
		Algo::StableSort(Keyed, [&IsBefore](const TPair<KeyType, TSharedPtr<FFixturePatchListItem>>& A, const TPair<KeyType, TSharedPtr<FFixturePatchListItem>>& B)
		{
			return IsBefore(A.Key, B.Key);
		});
		for (int32 Index = 0; Index < Keyed.Num(); ++Index)
		{
			Items[Index] = MoveTemp(Keyed[Index].Value);
		}
	}

	struct FPatchSortKey
	{
		bool bValid = false;
		int32 Universe = 0;
		int32 Channel = 0;
	};
}

SFixturePatchList::~SFixturePatchList()
{
}

void SFixturePatchList::Construct(const FArguments& InArgs)
{
	RefreshPatchItems();

	SortColumn = ColumnID_Patch;
	SortMode = EColumnSortMode::Ascending;

	static const FTableViewStyle TableViewStyle = FAppStyle::Get().GetWidgetStyle<FTableViewStyle>("TreeView");

	ChildSlot
	[
		SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		.AutoHeight()
		[
			SNew(SBox)
			.HAlign(HAlign_Fill)
			.VAlign(VAlign_Center)
			.Padding(FMargin(4.0f, 0.0f))
			.MaxDesiredHeight(40.0f)
			[
				MakeToolbar()
			]
		]
		+ SVerticalBox::Slot()
		.AutoHeight()
		[
			SNew(SBox)
			.MinDesiredHeight(4.0f)
		]
		+ SVerticalBox::Slot()
		.FillHeight(1.0f)
		[
			SNew(SBox)
			.HAlign(HAlign_Fill)
			.VAlign(VAlign_Fill)
			.Padding(FMargin(4.0f, 0.0f))
			[
				SNew(SSplitter)
				.Orientation(Orient_Horizontal)
				.ResizeMode(ESplitterResizeMode::FixedPosition)
				+ SSplitter::Slot()
				.Value(0.3f)
				[
					SAssignNew(ModeList, SFixtureModeList)
					.PatchListItems(&Items)
				]
				+ SSplitter::Slot()
				.Value(0.7f)
				[
					SAssignNew(ListView, SListView<TSharedPtr<FFixturePatchListItem>>)
					.ListViewStyle(&TableViewStyle)
					.ListItemsSource(&Items)
					.OnGenerateRow(this, &SFixturePatchList::OnGenerateRow)
					.HeaderRow(MakeHeaderRow())
					.SelectionMode(ESelectionMode::SingleToggle)
					.EnableAnimatedScrolling(true)
					.OnSelectionChanged(this, &SFixturePatchList::OnSelectionChanged)
				]
			]
		]
	];

	ModeList->Owner = SharedThis(this);

	MarkModesInUse();

	OnSortModeChanged(EColumnSortPriority::Primary, ColumnID_Patch, EColumnSortMode::Ascending);
}

TSharedRef<SWidget> SFixturePatchList::MakeToolbar()
{
	FToolBarBuilder ToolbarBuilder(TSharedPtr<const FUICommandList>(), FMultiBoxCustomization::None, nullptr, false);
	ToolbarBuilder.SetStyle(&FAppStyle::Get(), "AssetEditorToolbar");
	ToolbarBuilder.SetIsFocusable(false);

	const FToolBarStyle& ToolBarStyle = FAppStyle::Get().GetWidgetStyle<FToolBarStyle>("AssetEditorToolbar");

	auto MakeButtonContent = [](const FSlateBrush* Icon, const FText& Label) -> TSharedRef<SWidget>
	{
		return SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			.AutoWidth()
			.VAlign(VAlign_Center)
			[
				SNew(SImage)
				.Image(Icon)
			]
			+ SHorizontalBox::Slot()
			.AutoWidth()
			.VAlign(VAlign_Center)
			.Padding(FMargin(4.0f, 0.0f))
			[
				SNew(STextBlock)
				.Text(Label)
			];
	};

	ToolbarBuilder.BeginSection("DMX");
	{
		ToolbarBuilder.AddWidget(
			SNew(SButton)
			.ButtonStyle(&ToolBarStyle.ButtonStyle)
			.OnClicked(this, &SFixturePatchList::OnRefreshClicked)
			[
				MakeButtonContent(FZORLightEditorStyle::Get().GetBrush("Icons.UEtoGMAToolbar.Refresh"), LOCTEXT("RefreshLabel", "Refresh"))
			]);

		ToolbarBuilder.AddSeparator();

		ToolbarBuilder.AddWidget(
			SNew(SButton)
			.ButtonStyle(&ToolBarStyle.ButtonStyle)
			.OnClicked(this, &SFixturePatchList::OnExportClicked)
			[
				MakeButtonContent(FZORLightEditorStyle::Get().GetBrush("Icons.UEtoGMAToolbar.Export"), LOCTEXT("ExportLabel", "Export"))
			]);

		ToolbarBuilder.AddSeparator();

		ToolbarBuilder.AddWidget(
			SNew(SBox)
			.Padding(FMargin(4.0f, 0.0f))
			.VAlign(VAlign_Center)
			[
				SNew(STextBlock)
				.Text(LOCTEXT("UniverseSelectorLabel", "Start FID"))
				.Font(FAppStyle::Get().GetFontStyle("PropertyWindow.NormalFont"))
				.TextStyle(&FAppStyle::Get(), "DetailsView.CategoryTextStyle")
			]);

		ToolbarBuilder.AddWidget(
			SNew(SBox)
			.Padding(4.0f)
			.MinDesiredWidth(70.0f)
			.MaxDesiredWidth(80.0f)
			[
				SNew(SSpinBox<int32>)
				.Value(1)
				.MinValue(0)
				.MinSliderValue(0)
				.SliderExponent(1.0f)
				.OnValueChanged(this, &SFixturePatchList::OnStartFIDChanged)
			]);
	}
	ToolbarBuilder.EndSection();

	return SNew(SBorder)
		.BorderImage(FAppStyle::Get().GetBrush("ToolPanel.GroupBorder"))
		.Padding(0.0f)
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			.HAlign(HAlign_Left)
			.AutoWidth()
			[
				ToolbarBuilder.MakeWidget()
			]
			+ SHorizontalBox::Slot()
			.HAlign(HAlign_Right)
			.FillWidth(1.0f)
			.Padding(FMargin(4.0f, 6.0f))
			[
				SNew(SButton)
				.ButtonStyle(&ToolBarStyle.ButtonStyle)
				.OnClicked(this, &SFixturePatchList::OnHelpClicked)
				[
					MakeButtonContent(FAppStyle::Get().GetBrush("Icons.Help"), LOCTEXT("HelpLabel", "Help/Tutorial"))
				]
			]
		];
}

TSharedRef<SHeaderRow> SFixturePatchList::MakeHeaderRow()
{
	const float StatusWidth = FMath::Max(FAppStyle::Get().GetBrush("Icons.Error")->ImageSize.X, FAppStyle::Get().GetBrush("Icons.Warning")->ImageSize.X) + 6.0f;

	HeaderRow = SNew(SHeaderRow);

	HeaderRow->AddColumn(
		SHeaderRow::Column(ColumnID_IsSelected)
		.FixedWidth(30.0f)
		.HeaderContent()
		[
			SNew(SCheckBox)
			.IsChecked_Lambda([this]()
			{
				return GetSelectAllState();
			})
			.OnCheckStateChanged_Lambda([this](ECheckBoxState NewState)
			{
				OnSelectAllChanged(NewState);
			})
		]);

	HeaderRow->AddColumn(
		SHeaderRow::Column(ColumnID_ActorName)
		.DefaultLabel(LOCTEXT("FixturePatchNameColumnLabel", "Actor Name"))
		.FillWidth(0.3f)
		.SortMode_Lambda([this]()
		{
			return GetColumnSortMode(ColumnID_ActorName);
		})
		.OnSort(this, &SFixturePatchList::OnSortModeChanged));

	HeaderRow->AddColumn(
		SHeaderRow::Column(ColumnID_Status)
		.DefaultLabel(FText::GetEmpty())
		.FixedWidth(StatusWidth));

	HeaderRow->AddColumn(
		SHeaderRow::Column(ColumnID_FixtureID)
		.DefaultLabel(LOCTEXT("FixtureIDColumnLabel", "FID"))
		.FillWidth(0.05f));

	HeaderRow->AddColumn(
		SHeaderRow::Column(ColumnID_FixtureType)
		.DefaultLabel(LOCTEXT("FixtureTypeColumnLabel", "Fixture Type"))
		.FillWidth(0.3f)
		.SortMode_Lambda([this]()
		{
			return GetColumnSortMode(ColumnID_FixtureType);
		})
		.OnSort(this, &SFixturePatchList::OnSortModeChanged));

	HeaderRow->AddColumn(
		SHeaderRow::Column(ColumnID_Mode)
		.DefaultLabel(LOCTEXT("ModeColumnLabel", "Mode"))
		.FillWidth(0.075f)
		.SortMode_Lambda([this]()
		{
			return GetColumnSortMode(ColumnID_Mode);
		})
		.OnSort(this, &SFixturePatchList::OnSortModeChanged));

	HeaderRow->AddColumn(
		SHeaderRow::Column(ColumnID_Patch)
		.DefaultLabel(LOCTEXT("PatchColumnLabel", "Patch"))
		.FillWidth(0.075f)
		.SortMode_Lambda([this]()
		{
			return GetColumnSortMode(ColumnID_Patch);
		})
		.OnSort(this, &SFixturePatchList::OnSortModeChanged));

	return HeaderRow.ToSharedRef();
}

TSharedRef<ITableRow> SFixturePatchList::OnGenerateRow(TSharedPtr<FFixturePatchListItem> InItem, const TSharedRef<STableViewBase>& OwnerTable)
{
	return SNew(SFixturePatchListRow, OwnerTable)
		.Item(InItem)
		.OnItemChanged(this, &SFixturePatchList::MarkModesInUse);
}

void SFixturePatchList::RefreshPatchItems()
{
	Items.Empty();

	TArray<AActor*> Actors;
	if (GEditor)
	{
		UGameplayStatics::GetAllActorsOfClass(GEditor->GetEditorWorldContext(false).World(), AActor::StaticClass(), Actors);
	}

	// Actors grouped by patch address, groups kept in the order their address first appears.
	TMap<FString, TArray<AActor*>> ActorsByAddress;
	TArray<FString> AddressOrder;
	for (AActor* Actor : Actors)
	{
		if (!Actor)
		{
			continue;
		}
		UDMXEntityFixturePatch* Patch = UE::ZORLight::Private::FindFixturePatch(Actor);
		if (!Patch)
		{
			continue;
		}

		const FString Address = FFixturePatchListItem::MakePatchAddressKey(*Patch);
		TArray<AActor*>* Group = ActorsByAddress.Find(Address);
		if (!Group)
		{
			AddressOrder.Add(Address);
			Group = &ActorsByAddress.Add(Address);
		}
		Group->Add(Actor);
	}

	Items.Reserve(AddressOrder.Num());
	for (const FString& Address : AddressOrder)
	{
		const TArray<AActor*>& Group = ActorsByAddress.FindChecked(Address);
		AActor* FirstActor = Group[0];
		UDMXEntityFixturePatch* Patch = UE::ZORLight::Private::FindFixturePatch(FirstActor);
		if (!Patch)
		{
			continue;
		}

		TSharedPtr<FFixturePatchListItem> Item = MakeShared<FFixturePatchListItem>(FirstActor, Patch);
		if (Group.Num() > 1)
		{
			for (AActor* GroupActor : Group)
			{
				Item->IdenticalPatchActors.Add(GroupActor);
			}
		}
		Items.Add(Item);
	}

	RenumberFixtureIDs();

	for (const TSharedPtr<FFixturePatchListItem>& Item : Items)
	{
		Item->bIsSelected = true;
	}

	OnSortModeChanged(SortPriority, SortColumn, SortMode);

	if (ModeList.IsValid())
	{
		ModeList->InitializeListItems();
		ModeList->OnColumnSortModeChanged(ModeList->SortPriority, ModeList->SortColumn, ModeList->SortMode);

		// The sort above has just numbered the items, so no renumbering here.
		UpdateModesInUse();
		if (ModeList->ListView.IsValid())
		{
			ModeList->ListView->RequestListRefresh();
		}
	}
}

void SFixturePatchList::RenumberFixtureIDs()
{
	// Counted in 64 bits: numbering stops at the largest fixture ID instead of wrapping into negative ones.
	int64 NextFixtureID = StartFID;
	int32 NumWithoutID = 0;
	for (const TSharedPtr<FFixturePatchListItem>& Item : Items)
	{
		if (!Item.IsValid())
		{
			continue;
		}
		if (!Item->bIsSelected)
		{
			Item->FixtureID = -1;
		}
		else if (NextFixtureID <= MAX_int32)
		{
			Item->FixtureID = static_cast<int32>(NextFixtureID++);
		}
		else
		{
			Item->FixtureID = -1;
			++NumWithoutID;
		}
	}

	// Told once each time the shortfall changes, not on every renumbering.
	if (NumWithoutID != NumCheckedWithoutFixtureID)
	{
		NumCheckedWithoutFixtureID = NumWithoutID;
		if (NumWithoutID > 0)
		{
			UE_LOG(LogTemp, Warning, TEXT("Fixture IDs end at %d: %d checked fixture(s) have no ID and are left out of the export."), MAX_int32, NumWithoutID);
			FNotificationInfo Info(FText::Format(LOCTEXT("FixtureIDsRunOutNotification", "Fixture IDs end at {0}: {1} checked fixture(s) have no ID and are left out of the export."),
				FText::FromString(FString::FromInt(MAX_int32)), FText::AsNumber(NumWithoutID)));
			Info.Image = FAppStyle::Get().GetBrush(TEXT("Icons.Warning"));
			Info.ExpireDuration = 5.0f;
			FSlateNotificationManager::Get().AddNotification(Info);
		}
	}

	if (ListView.IsValid())
	{
		ListView->RebuildList();
	}
}

void SFixturePatchList::OnStartFIDChanged(int32 NewValue)
{
	StartFID = NewValue;
	RenumberFixtureIDs();
}

void SFixturePatchList::OnSortModeChanged(const EColumnSortPriority::Type InSortPriority, const FName& InColumnId, const EColumnSortMode::Type InSortMode)
{
	using namespace UE::ZORLight::Private;

	SortMode = InSortMode;
	SortColumn = InColumnId;
	SortPriority = InSortPriority;

	const bool bAscending = SortMode == EColumnSortMode::Ascending;
	auto IsTextBefore = [bAscending](const FString& A, const FString& B)
	{
		const int32 Result = FCString::Stricmp(*A, *B);
		return bAscending ? Result < 0 : Result > 0;
	};

	if (InColumnId == ColumnID_ActorName)
	{
		StableSortItemsByKey<FString>(Items, [](const FFixturePatchListItem& Item) { return Item.GetActorName(); }, IsTextBefore);
	}
	else if (InColumnId == ColumnID_FixtureType)
	{
		StableSortItemsByKey<FString>(Items, [](const FFixturePatchListItem& Item) { return Item.GetFixtureTypeName(); }, IsTextBefore);
	}
	else if (InColumnId == ColumnID_Mode)
	{
		StableSortItemsByKey<FString>(Items, [](const FFixturePatchListItem& Item) { return Item.GetFixtureModeName(); }, IsTextBefore);
	}
	else if (InColumnId == ColumnID_Patch)
	{
		// Numbers, not texts: "2.5" goes before "10.1".
		StableSortItemsByKey<FPatchSortKey>(Items,
			[](const FFixturePatchListItem& Item)
			{
				FPatchSortKey Key;
				Key.bValid = ParsePatchAddress(Item.GetPatchAddress(), Key.Universe, Key.Channel);
				return Key;
			},
			[bAscending](const FPatchSortKey& A, const FPatchSortKey& B)
			{
				if (!A.bValid || !B.bValid)
				{
					return false;
				}
				if (bAscending)
				{
					return A.Universe < B.Universe || (A.Universe == B.Universe && A.Channel < B.Channel);
				}
				return A.Universe > B.Universe || (A.Universe == B.Universe && A.Channel > B.Channel);
			});
	}

	RenumberFixtureIDs();
}

void SFixturePatchList::OnSelectionChanged(TSharedPtr<FFixturePatchListItem> InItem, ESelectInfo::Type SelectInfo)
{
	if (InItem.IsValid())
	{
		InItem->SelectActorInEditor();
	}
}

void SFixturePatchList::MarkModesInUse()
{
	if (!ModeList.IsValid())
	{
		return;
	}

	UpdateModesInUse();

	if (ModeList->ListView.IsValid())
	{
		ModeList->ListView->RequestListRefresh();
	}

	RenumberFixtureIDs();
}

void SFixturePatchList::UpdateModesInUse()
{
	for (const TSharedPtr<FFixtureModeListItem>& ModeItem : ModeList->Items)
	{
		if (!ModeItem.IsValid())
		{
			continue;
		}

		const UDMXEntityFixtureType* ModeFixtureType = ModeItem->FixtureType.Get();
		bool bInUse = false;
		for (const TSharedPtr<FFixturePatchListItem>& Item : Items)
		{
			const UDMXEntityFixturePatch* Patch = Item.IsValid() ? Item->FixturePatch.Get() : nullptr;
			const UDMXEntityFixtureType* FixtureType = Patch ? Patch->GetFixtureType() : nullptr;
			// Cheap tests first: this runs for every mode row against every patch row on each tick.
			if (!FixtureType || FixtureType != ModeFixtureType || !Item->bIsSelected)
			{
				continue;
			}
			const int32 ModeIndex = Patch->GetActiveModeIndex();
			if (FixtureType->Modes.IsValidIndex(ModeIndex) && FixtureType->Modes[ModeIndex].ModeName.Equals(ModeItem->ModeName, ESearchCase::IgnoreCase))
			{
				bInUse = true;
				break;
			}
		}
		ModeItem->bIsSelected = bInUse;
	}
}

FReply SFixturePatchList::OnRefreshClicked()
{
	RefreshPatchItems();
	return FReply::Handled();
}

FVector SFixturePatchList::GetMALocation(const TSharedPtr<FFixturePatchListItem>& InItem) const
{
	const FTransform ConsoleTransform = MakeMATransform(InItem);
	const FVector Translation = ConsoleTransform.GetTranslation();
	// Centimetres to metres; the console's Y axis points the other way.
	return FVector(0.01 * Translation.X, -0.01 * Translation.Y, 0.01 * Translation.Z);
}

FRotator SFixturePatchList::GetMARotation(const TSharedPtr<FFixturePatchListItem>& InItem) const
{
	const FTransform ConsoleTransform = MakeMATransform(InItem);
	const FRotator Rotation = ConsoleTransform.Rotator();
	// Half a turn about X turns the engine's Z-up frame into the console's.
	const FQuat ConsoleRotation = FQuat(FRotator(180.0, 180.0, 0.0)) * FQuat(Rotation);
	return ConsoleRotation.Rotator();
}

TArray<FString> SFixturePatchList::BuildMAFiles() const
{
	// A ticked row whose fixture type or mode has left the library has nothing to create on the console.
	TArray<TSharedPtr<FFixtureModeListItem>> Layers;
	// FString keys match whatever the letter case, so two spellings of one mode share a layer, as they share a mode row.
	TMap<FString, TArray<int32>> LayersByName;
	if (ModeList.IsValid())
	{
		for (const TSharedPtr<FFixtureModeListItem>& ModeItem : ModeList->Items)
		{
			if (ModeItem.IsValid() && ModeItem->bIsSelected && ModeItem->IsValid())
			{
				LayersByName.FindOrAdd(ModeItem->GetDefaultFixtureTypeName()).Add(Layers.Num());
				Layers.Add(ModeItem);
			}
		}
	}

	// Only fixtures that a layer file creates are patched, moved and grouped; an unnumbered row has no ID to give.
	TArray<FMAXmlWriter::FFixture> Fixtures;
	TArray<TArray<int32>> FixturesByLayer;
	FixturesByLayer.SetNum(Layers.Num());
	for (const TSharedPtr<FFixturePatchListItem>& Item : Items)
	{
		if (!Item.IsValid() || !Item->bIsSelected || Item->FixtureID < 0)
		{
			continue;
		}
		const FString FixtureTypeName = Item->GetFixtureTypeName();
		const FString GroupName = FString::Printf(TEXT("%s %s"), *FixtureTypeName, *Item->GetFixtureModeName());
		const TArray<int32>* LayerIndices = LayersByName.Find(GroupName);
		if (!LayerIndices)
		{
			continue;
		}
		for (const int32 LayerIndex : *LayerIndices)
		{
			FixturesByLayer[LayerIndex].Add(Fixtures.Num());
		}
		FMAXmlWriter::FFixture& Fixture = Fixtures.AddDefaulted_GetRef();
		Fixture.FixtureID = Item->FixtureID;
		Fixture.FixtureTypeName = FixtureTypeName;
		Fixture.GroupName = GroupName;
		Fixture.PatchAddress = Item->GetPatchAddress();
		Fixture.Location = GetMALocation(Item);
		Fixture.Rotation = GetMARotation(Item);
	}

	TArray<FString> Files;
	Files.Reserve(Layers.Num() + 1);
	Files.Add(FMAXmlWriter::MakeMacroFile(Fixtures, Layers.Num()));
	for (int32 LayerIndex = 0; LayerIndex < Layers.Num(); ++LayerIndex)
	{
		TArray<const FMAXmlWriter::FFixture*> LayerFixtures;
		LayerFixtures.Reserve(FixturesByLayer[LayerIndex].Num());
		for (const int32 FixtureIndex : FixturesByLayer[LayerIndex])
		{
			LayerFixtures.Add(&Fixtures[FixtureIndex]);
		}
		Files.Add(FMAXmlWriter::MakeLayerFile(Layers[LayerIndex]->GetFixtureTypeName(), Layers[LayerIndex]->FixtureTypeNo, LayerFixtures));
	}
	return Files;
}

FReply SFixturePatchList::OnExportClicked()
{
	ExportMAFiles(BuildMAFiles());
	return FReply::Handled();
}

bool SFixturePatchList::ChooseExportDirectory(FString& OutDirectory)
{
	IDesktopPlatform* DesktopPlatform = FDesktopPlatformModule::Get();
	if (!DesktopPlatform)
	{
		return false;
	}
	const FString DefaultPath = FPaths::DirectoryExists(LastExportDirectory) ? LastExportDirectory : FPaths::ProjectDir();
	const void* ParentWindowHandle = FSlateApplication::Get().FindBestParentWindowHandleForDialogs(nullptr);
	return DesktopPlatform->OpenDirectoryDialog(ParentWindowHandle, LOCTEXT("ChooseDirectoryLabel", "Choose a directory to save files.").ToString(), DefaultPath, OutDirectory);
}

void SFixturePatchList::ExportMAFiles(const TArray<FString>& InFiles)
{
	FString Directory;
	if (!ChooseExportDirectory(Directory))
	{
		ShowExportNotification(LOCTEXT("ExportMAMacrosFailedNotification", "Failed to get save directory."), TEXT("Icons.Warning"));
		return;
	}

	// UTF-8 as the head declares, without a byte order mark, whatever the names hold.
	const FFileHelper::EEncodingOptions Encoding = FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM;
	const FString MacroPath = Directory + TEXT("/gma2/macros/") + FMAXmlWriter::FilePrefix + FMAXmlWriter::FileExtension;
	if (InFiles.Num() == 0 || !FFileHelper::SaveStringToFile(InFiles[0], *MacroPath, Encoding, &IFileManager::Get(), 0))
	{
		ShowExportNotification(LOCTEXT("ExportMAMacrosErrorNotification", "Error exported file."), TEXT("Icons.Warning"));
		return;
	}

	bool bAllLayersWritten = true;
	for (int32 LayerNumber = 1; LayerNumber < InFiles.Num(); ++LayerNumber)
	{
		const FString LayerPath = Directory + FString::Printf(TEXT("/gma2/fixture_layers/%s-LAYER-%d%s"), FMAXmlWriter::FilePrefix, LayerNumber, FMAXmlWriter::FileExtension);
		if (!FFileHelper::SaveStringToFile(InFiles[LayerNumber], *LayerPath, Encoding, &IFileManager::Get(), 0))
		{
			bAllLayersWritten = false;
		}
	}
	if (!bAllLayersWritten)
	{
		ShowExportNotification(LOCTEXT("ExportMAMacrosErrorNotification", "Error exported file."), TEXT("Icons.Warning"));
		return;
	}

	LastExportDirectory = Directory;
	ShowExportNotification(FText::Format(LOCTEXT("ExportMAMacrosSuccessNotification", "Successfully exported file to {0}."), FText::FromString(Directory)), TEXT("Icons.Success"));
}

FReply SFixturePatchList::OnHelpClicked()
{
	TSharedRef<SWindow> HelpWindow = SNew(SWindow)
		.Title(LOCTEXT("HelpLabel", "Help/Tutorial"))
		.ClientSize(FVector2D(720.0f, 520.0f))
		.SupportsMaximize(false)
		.SupportsMinimize(false);
	HelpWindow->SetContent(SNew(SUEtoGMAHelpDialog));

	IMainFrameModule& MainFrameModule = FModuleManager::LoadModuleChecked<IMainFrameModule>(TEXT("MainFrame"));
	const TSharedPtr<SWindow> ParentWindow = MainFrameModule.GetParentWindow();
	if (ParentWindow.IsValid())
	{
		FSlateApplication::Get().AddWindowAsNativeChild(HelpWindow, ParentWindow.ToSharedRef(), true);
	}
	else
	{
		FSlateApplication::Get().AddWindow(HelpWindow, true);
	}
	return FReply::Handled();
}

ECheckBoxState SFixturePatchList::GetSelectAllState() const
{
	int32 NumSelected = 0;
	for (const TSharedPtr<FFixturePatchListItem>& Item : Items)
	{
		if (Item.IsValid() && Item->bIsSelected)
		{
			++NumSelected;
		}
	}

	if (NumSelected == 0)
	{
		return ECheckBoxState::Unchecked;
	}
	return NumSelected == Items.Num() ? ECheckBoxState::Checked : ECheckBoxState::Undetermined;
}

void SFixturePatchList::OnSelectAllChanged(ECheckBoxState NewState)
{
	const bool bSelect = NewState == ECheckBoxState::Checked;
	for (const TSharedPtr<FFixturePatchListItem>& Item : Items)
	{
		if (Item.IsValid())
		{
			Item->bIsSelected = bSelect;
		}
	}

	MarkModesInUse();
	RenumberFixtureIDs();
	if (ListView.IsValid())
	{
		ListView->RequestListRefresh();
	}
}

EColumnSortMode::Type SFixturePatchList::GetColumnSortMode(FName InColumnId) const
{
	return SortColumn == InColumnId ? SortMode : EColumnSortMode::None;
}

#undef LOCTEXT_NAMESPACE
