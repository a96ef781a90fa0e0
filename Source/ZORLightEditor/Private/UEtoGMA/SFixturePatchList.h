#pragma once

#include "CoreMinimal.h"
#include "Input/Reply.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/Views/SHeaderRow.h"
#include "Widgets/Views/SListView.h"

class ITableRow;
class SFixtureModeList;
class STableViewBase;
struct FFixturePatchListItem;

/**
 * The "UE to GMA Tool" panel: a tool bar (Refresh, Export, Start FID, Help/Tutorial) above the fixture
 * mode list and the list of DMX patches of the level, one row per patch address.
 */
class SFixturePatchList : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SFixturePatchList)
	{
	}
	SLATE_END_ARGS()

	virtual ~SFixturePatchList() override;

	void Construct(const FArguments& InArgs);

	/** Rebuilds Items from the editor world, then the mode list. */
	void RefreshPatchItems();

	/**
	 * Numbers the checked items from StartFID in list order; the others get -1. Numbering stops at the
	 * largest int32: checked items past it get -1 as well, are left out of the export, and the user is told.
	 */
	void RenumberFixtureIDs();

	void OnStartFIDChanged(int32 NewValue);

	void OnSortModeChanged(const EColumnSortPriority::Type InSortPriority, const FName& InColumnId, const EColumnSortMode::Type InSortMode);

	void OnSelectionChanged(TSharedPtr<FFixturePatchListItem> InItem, ESelectInfo::Type SelectInfo);

	/** Ticks exactly the mode rows that some ticked patch row uses, then renumbers. */
	void MarkModesInUse();

	FReply OnRefreshClicked();
	/** Builds the grandMA2 files and writes them beneath a folder that the user picks. */
	FReply OnExportClicked();
	/** Opens one more "Help/Tutorial" window. */
	FReply OnHelpClicked();

	/** The texts of the grandMA2 files: element 0 the macro file, then one layer file per checked mode row. */
	TArray<FString> BuildMAFiles() const;

	/** Where the item's current actor stands on the console's stage: x, y, z in metres. */
	FVector GetMALocation(const TSharedPtr<FFixturePatchListItem>& InItem) const;

	/** The item's rotation on the console's stage; the files write it as x = Roll, y = Pitch, z = Yaw. */
	FRotator GetMARotation(const TSharedPtr<FFixturePatchListItem>& InItem) const;

	/** Asks for the export folder; false when there is no folder dialog or the user cancelled it. */
	bool ChooseExportDirectory(FString& OutDirectory);

	/** Writes the files beneath the chosen folder and tells the outcome in a notification. */
	void ExportMAFiles(const TArray<FString>& InFiles);

	TSharedRef<SWidget> MakeToolbar();
	TSharedRef<SHeaderRow> MakeHeaderRow();
	TSharedRef<ITableRow> OnGenerateRow(TSharedPtr<FFixturePatchListItem> InItem, const TSharedRef<STableViewBase>& OwnerTable);

	/** Column ids of the patch list. */
	static const FName ColumnID_IsSelected;
	static const FName ColumnID_ActorName;
	static const FName ColumnID_Status;
	static const FName ColumnID_FixtureID;
	static const FName ColumnID_FixtureType;
	static const FName ColumnID_Mode;
	static const FName ColumnID_Patch;

	TSharedPtr<SListView<TSharedPtr<FFixturePatchListItem>>> ListView;
	TSharedPtr<SHeaderRow> HeaderRow;

	/** The rows in display order; the list view and the mode list read this array. */
	TArray<TSharedPtr<FFixturePatchListItem>> Items;

	FName SortColumn;
	EColumnSortMode::Type SortMode = EColumnSortMode::None;
	EColumnSortPriority::Type SortPriority = EColumnSortPriority::Primary;

	TSharedPtr<SFixtureModeList> ModeList;

	int32 StartFID = 1;

	/** Folder of the last export, offered again by the folder dialog. */
	FString LastExportDirectory;

private:
	/** Checked items the last numbering had no fixture ID left for. */
	int32 NumCheckedWithoutFixtureID = 0;

	/** Ticks each mode row exactly when a ticked patch row uses its fixture type and mode. */
	void UpdateModesInUse();

	ECheckBoxState GetSelectAllState() const;
	void OnSelectAllChanged(ECheckBoxState NewState);
	EColumnSortMode::Type GetColumnSortMode(FName InColumnId) const;
};
