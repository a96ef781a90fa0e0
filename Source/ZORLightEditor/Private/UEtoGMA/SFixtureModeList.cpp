#include "UEtoGMA/SFixtureModeList.h"

#include "Algo/StableSort.h"
#include "Library/DMXEntityFixturePatch.h"
#include "Library/DMXEntityFixtureType.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateTypes.h"
#include "Templates/TypeHash.h"
#include "UEtoGMA/FixtureModeListItem.h"
#include "UEtoGMA/FixturePatchListItem.h"
#include "UEtoGMA/SFixtureModeListRow.h"
#include "UEtoGMA/SFixturePatchList.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/SBoxPanel.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

const FName SFixtureModeList::ColumnID_IsSelected(TEXT("IsSelected"));
const FName SFixtureModeList::ColumnID_Mode(TEXT("Mode"));
const FName SFixtureModeList::ColumnID_Num(TEXT("Num"));
const FName SFixtureModeList::ColumnID_Status(TEXT("Status"));

namespace UE::ZORLight::Private
{
	/** A fixture type and a mode name; mode names compare without regard to case. */
	struct FModeKey
	{
		const UDMXEntityFixtureType* FixtureType = nullptr;
		FString ModeName;

		bool operator==(const FModeKey& Other) const
		{
			return FixtureType == Other.FixtureType && ModeName.Equals(Other.ModeName, ESearchCase::IgnoreCase);
		}

		friend uint32 GetTypeHash(const FModeKey& Key)
		{
			return HashCombine(GetTypeHash(Key.FixtureType), GetTypeHash(Key.ModeName.ToLower()));
		}
	};

	/** The mode a patch is set to, or null when the patch, its type or its mode index is unusable. */
	const FDMXFixtureMode* GetUsableActiveMode(const UDMXEntityFixturePatch* Patch, UDMXEntityFixtureType*& OutFixtureType)
	{
		OutFixtureType = Patch ? Patch->GetFixtureType() : nullptr;
		if (!OutFixtureType)
		{
			return nullptr;
		}
		const int32 ModeIndex = Patch->GetActiveModeIndex();
		if (!OutFixtureType->Modes.IsValidIndex(ModeIndex))
		{
			return nullptr;
		}
		return &OutFixtureType->Modes[ModeIndex];
	}
}

SFixtureModeList::~SFixtureModeList()
{
}

void SFixtureModeList::Construct(const FArguments& InArgs)
{
	PatchListItems = InArgs._PatchListItems;

	InitializeListItems();
	UpdateModeNumConflicts();

	SortColumn = ColumnID_Mode;
	SortMode = EColumnSortMode::Ascending;

	static const FTableViewStyle TableViewStyle = FAppStyle::Get().GetWidgetStyle<FTableViewStyle>("TreeView");

	ChildSlot
	[
		SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		[
			SAssignNew(ListView, SListView<TSharedPtr<FFixtureModeListItem>>)
			.ListViewStyle(&TableViewStyle)
			.ListItemsSource(&Items)
			.OnGenerateRow(this, &SFixtureModeList::OnGenerateRow)
			.HeaderRow(MakeHeaderRow())
			.SelectionMode(ESelectionMode::SingleToggle)
			.EnableAnimatedScrolling(true)
		]
	];
}

void SFixtureModeList::InitializeListItems()
{
	using UE::ZORLight::Private::FModeKey;

	// Typed numbers and names outlive the rebuild; check states do not.
	TMap<FModeKey, int32> NumberByKey;
	TMap<FModeKey, FString> NameByKey;
	for (const TSharedPtr<FFixtureModeListItem>& Item : Items)
	{
		if (!Item.IsValid())
		{
			continue;
		}
		const FModeKey Key{Item->FixtureType.Get(), Item->ModeName};
		if (!Key.FixtureType)
		{
			continue;
		}
		NumberByKey.Add(Key, Item->FixtureTypeNo);
		NameByKey.Add(Key, Item->GetFixtureTypeName());
	}

	Items.Empty();

	if (!PatchListItems)
	{
		UE_LOG(LogTemp, Error, TEXT("SFixtureModeList::InitializeListItems - PatchListItems is null!"));
		return;
	}

	TMap<const UDMXEntityFixtureType*, TSet<FName>> SeenModes;
	for (const TSharedPtr<FFixturePatchListItem>& PatchItem : *PatchListItems)
	{
		if (!PatchItem.IsValid())
		{
			continue;
		}

		UDMXEntityFixtureType* FixtureType = nullptr;
		const FDMXFixtureMode* Mode = UE::ZORLight::Private::GetUsableActiveMode(PatchItem->FixturePatch.Get(), FixtureType);
		if (!Mode || Mode->ModeName.IsEmpty())
		{
			continue;
		}

		const FName ModeFName(*Mode->ModeName);
		TSet<FName>& Seen = SeenModes.FindOrAdd(FixtureType);
		if (Seen.Contains(ModeFName))
		{
			continue;
		}
		Seen.Add(ModeFName);

		TSharedPtr<FFixtureModeListItem> NewItem = MakeShared<FFixtureModeListItem>(Mode, FixtureType);
		const FModeKey Key{FixtureType, Mode->ModeName};
		if (const int32* RememberedNumber = NumberByKey.Find(Key))
		{
			NewItem->FixtureTypeNo = *RememberedNumber;
			NewItem->CustomFixtureTypeName = NameByKey.FindRef(Key);
		}
		Items.Add(NewItem);
	}

	UpdateModeNumConflicts();
}

void SFixtureModeList::UpdateModeNumConflicts()
{
	TMap<int32, TArray<TSharedPtr<FFixtureModeListItem>>> ItemsByNumber;
	for (const TSharedPtr<FFixtureModeListItem>& Item : Items)
	{
		if (Item.IsValid())
		{
			Item->bHasNumConflict = false;
			ItemsByNumber.FindOrAdd(Item->FixtureTypeNo).Add(Item);
		}
	}

	for (const TPair<int32, TArray<TSharedPtr<FFixtureModeListItem>>>& Group : ItemsByNumber)
	{
		if (Group.Value.Num() > 1)
		{
			for (const TSharedPtr<FFixtureModeListItem>& Item : Group.Value)
			{
				Item->bHasNumConflict = true;
			}
		}
	}
}

void SFixtureModeList::OnItemCheckStateChanged()
{
	if (!PatchListItems)
	{
		return;
	}

	for (const TSharedPtr<FFixtureModeListItem>& Item : Items)
	{
		// A row whose type or mode left the library no longer speaks for any patch.
		if (!Item.IsValid() || !Item->IsValid())
		{
			continue;
		}

		const UDMXEntityFixtureType* RowFixtureType = Item->FixtureType.Get();
		for (const TSharedPtr<FFixturePatchListItem>& PatchItem : *PatchListItems)
		{
			if (!PatchItem.IsValid())
			{
				continue;
			}
			UDMXEntityFixtureType* FixtureType = nullptr;
			const FDMXFixtureMode* Mode = UE::ZORLight::Private::GetUsableActiveMode(PatchItem->FixturePatch.Get(), FixtureType);
			if (!Mode || FixtureType != RowFixtureType || !Mode->ModeName.Equals(Item->ModeName, ESearchCase::IgnoreCase))
			{
				continue;
			}
			PatchItem->bIsSelected = Item->bIsSelected;
		}
	}

	if (TSharedPtr<SFixturePatchList> PinnedOwner = Owner.Pin())
	{
		PinnedOwner->RenumberFixtureIDs();
	}
}

void SFixtureModeList::OnItemNumChanged()
{
	UpdateModeNumConflicts();
	if (ListView.IsValid())
	{
		ListView->RequestListRefresh();
	}
}

void SFixtureModeList::OnColumnSortModeChanged(const EColumnSortPriority::Type InSortPriority, const FName& InColumnId, const EColumnSortMode::Type InSortMode)
{
	SortMode = InSortMode;
	SortColumn = InColumnId;
	SortPriority = InSortPriority;

	if (InColumnId == ColumnID_Mode)
	{
		// Names are read once per row, and rows with equal names keep their order between two sorts.
		TArray<TPair<FString, TSharedPtr<FFixtureModeListItem>>> Keyed;
		Keyed.Reserve(Items.Num());
		for (const TSharedPtr<FFixtureModeListItem>& Item : Items)
		{
			Keyed.Emplace(Item.IsValid() ? Item->GetDefaultFixtureTypeName() : FString(), Item);
		}

		const bool bAscending = SortMode == EColumnSortMode::Ascending;
		Algo::StableSort(Keyed, [bAscending](const TPair<FString, TSharedPtr<FFixtureModeListItem>>& A, const TPair<FString, TSharedPtr<FFixtureModeListItem>>& B)
		{
			const int32 Result = FCString::Stricmp(*A.Key, *B.Key);
			return bAscending ? Result < 0 : Result > 0;
		});

		for (int32 Index = 0; Index < Keyed.Num(); ++Index)
		{
			Items[Index] = MoveTemp(Keyed[Index].Value);
		}
	}

	if (ListView.IsValid())
	{
		ListView->RequestListRefresh();
	}
}

TSharedRef<SHeaderRow> SFixtureModeList::MakeHeaderRow()
{
	const float StatusWidth = FMath::Max(FAppStyle::Get().GetBrush("Icons.Error")->ImageSize.X, FAppStyle::Get().GetBrush("Icons.Warning")->ImageSize.X) + 6.0f;

	TSharedRef<SHeaderRow> HeaderRow = SNew(SHeaderRow);

	HeaderRow->AddColumn(
		SHeaderRow::Column(ColumnID_IsSelected)
		.FixedWidth(30.0f)
		.HeaderContent()
		[
			SNew(SCheckBox)
			.IsChecked(this, &SFixtureModeList::GetSelectAllState)
			.OnCheckStateChanged(this, &SFixtureModeList::OnSelectAllChanged)
		]);

	HeaderRow->AddColumn(
		SHeaderRow::Column(ColumnID_Mode)
		.DefaultLabel(LOCTEXT("FixtureTypeNameColumnLabel", "Fixture Type"))
		.DefaultTooltip(LOCTEXT("FixtureTypeNamColumnTooltip", "To MA fixture type name"))
		.FillWidth(0.4f)
		.SortMode_Lambda([this]()
		{
			return SortColumn == ColumnID_Mode ? SortMode : EColumnSortMode::None;
		})
		.OnSort(this, &SFixtureModeList::OnColumnSortModeChanged));

	HeaderRow->AddColumn(
		SHeaderRow::Column(ColumnID_Status)
		.DefaultLabel(FText::GetEmpty())
		.FixedWidth(StatusWidth));

	HeaderRow->AddColumn(
		SHeaderRow::Column(ColumnID_Num)
		.DefaultLabel(LOCTEXT("NumColumnLabel", "Num"))
		.DefaultTooltip(LOCTEXT("NumColumnTooltip", "MA fixture type No."))
		.FillWidth(0.1f));

	return HeaderRow;
}

TSharedRef<ITableRow> SFixtureModeList::OnGenerateRow(TSharedPtr<FFixtureModeListItem> InItem, const TSharedRef<STableViewBase>& OwnerTable)
{
	return SNew(SFixtureModeListRow, OwnerTable)
		.Item(InItem)
		.OnCheckStateChanged(this, &SFixtureModeList::OnItemCheckStateChanged)
		.OnNumChanged(this, &SFixtureModeList::OnItemNumChanged);
}

ECheckBoxState SFixtureModeList::GetSelectAllState() const
{
	int32 NumSelected = 0;
	for (const TSharedPtr<FFixtureModeListItem>& Item : Items)
	{
		if (Item.IsValid() && Item->bIsSelected)
		{
			++NumSelected;
		}
	}

	if (NumSelected == Items.Num())
	{
		return ECheckBoxState::Checked;
	}
	return NumSelected > 0 ? ECheckBoxState::Undetermined : ECheckBoxState::Unchecked;
}

void SFixtureModeList::OnSelectAllChanged(ECheckBoxState NewState)
{
	const bool bSelect = NewState != ECheckBoxState::Unchecked;
	for (const TSharedPtr<FFixtureModeListItem>& Item : Items)
	{
		if (Item.IsValid())
		{
			Item->bIsSelected = bSelect;
		}
	}

	OnItemCheckStateChanged();

	if (ListView.IsValid())
	{
		ListView->RequestListRefresh();
	}
}

#undef LOCTEXT_NAMESPACE
