#include "PrismWheel/ZORPrismWheelDetails.h"

#include "AssetRegistry/AssetRegistryModule.h"
#include "DetailCategoryBuilder.h"
#include "DetailLayoutBuilder.h"
#include "DetailWidgetRow.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Misc/MessageDialog.h"
#include "Styling/AppStyle.h"
#include "UObject/UnrealType.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"
#include "ZORPrismWheel.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

namespace ZORPrismWheelDetails
{
	/** The two button rows look alike: a flat coloured button with an icon and a label. */
	static TSharedRef<SWidget> MakeButton(FName ButtonStyleName, FName IconName, const FText& Label, FOnClicked OnClicked)
	{
		return SNew(SButton)
			.HAlign(HAlign_Center)
			.VAlign(VAlign_Center)
			.ForegroundColor(FLinearColor::White)
			.ButtonStyle(&FAppStyle::Get().GetWidgetStyle<FButtonStyle>(ButtonStyleName))
			.OnClicked(OnClicked)
			[
				SNew(SHorizontalBox)
				+ SHorizontalBox::Slot()
				.AutoWidth()
				.Padding(FMargin(0.0f, 1.0f, 0.0f, 1.0f))
				[
					SNew(SImage)
					.Image(FAppStyle::Get().GetBrush(IconName))
				]
				+ SHorizontalBox::Slot()
				.VAlign(VAlign_Center)
				.AutoWidth()
				.Padding(FMargin(2.0f, 0.0f, 2.0f, 0.0f))
				[
					SNew(STextBlock)
					.Text(Label)
				]
			];
	}
}

FZORPrismWheelDetails::~FZORPrismWheelDetails()
{
}

TSharedRef<IDetailCustomization> FZORPrismWheelDetails::MakeInstance()
{
	return MakeShareable(new FZORPrismWheelDetails);
}

void FZORPrismWheelDetails::CustomizeDetails(IDetailLayoutBuilder& DetailBuilder)
{
	TArray<TWeakObjectPtr<UObject>> Objects;
	DetailBuilder.GetObjectsBeingCustomized(Objects);
	// Several wheels at once are edited through the first one's buttons.
	if (Objects.Num() == 0 || !Objects[0].IsValid())
	{
		return;
	}
	UZORPrismWheel* PrismWheel = Cast<UZORPrismWheel>(Objects[0].Get());
	if (PrismWheel == nullptr)
	{
		return;
	}

	FacetteCountHandle = DetailBuilder.GetProperty(TEXT("FacetteCount"));
	FacetteSizeHandle = DetailBuilder.GetProperty(TEXT("FacetteSize"));
	SameSizeHandle = DetailBuilder.GetProperty(TEXT("bSameSize"));
	BeamAddHandle = DetailBuilder.GetProperty(TEXT("BeamAdd"));
	RadiusHandle = DetailBuilder.GetProperty(TEXT("Radius"));
	AnglesHandle = DetailBuilder.GetProperty(TEXT("Angles"));
	ColsHandle = DetailBuilder.GetProperty(TEXT("Cols"));
	RowsHandle = DetailBuilder.GetProperty(TEXT("Rows"));
	ColSpacingHandle = DetailBuilder.GetProperty(TEXT("ColSpacing"));
	RowSpacingHandle = DetailBuilder.GetProperty(TEXT("RowSpacing"));

	IDetailCategoryBuilder& DefaultCategory = DetailBuilder.EditCategory(TEXT("Default"), FText::GetEmpty(), ECategoryPriority::Default);
	IDetailCategoryBuilder& PrismSettingsCategory = DetailBuilder.EditCategory(TEXT("PrismSettings"), FText::GetEmpty(), ECategoryPriority::Default);
	IDetailCategoryBuilder& RadialArrangeCategory = DetailBuilder.EditCategory(TEXT("RadialArrange"), FText::GetEmpty(), ECategoryPriority::Default);
	IDetailCategoryBuilder& MatrixArrangeCategory = DetailBuilder.EditCategory(TEXT("MatrixArrange"), FText::GetEmpty(), ECategoryPriority::Default);
	IDetailCategoryBuilder& FastGenerateCategory = DetailBuilder.EditCategory(TEXT("FastGenerate"), FText::GetEmpty(), ECategoryPriority::Default);

	FastGenerateCategory.SetSortOrder(0);
	DefaultCategory.SetSortOrder(1);
	PrismSettingsCategory.SetSortOrder(2);
	RadialArrangeCategory.SetSortOrder(3);
	MatrixArrangeCategory.SetSortOrder(4);

	DefaultCategory.AddCustomRow(LOCTEXT("Clear all", "Clear all"), false)
	.WholeRowContent()
	[
		ZORPrismWheelDetails::MakeButton(TEXT("FlatButton.Danger"), TEXT("Icons.Delete"), LOCTEXT("Clear all", "Clear all"),
			FOnClicked::CreateSP(this, &FZORPrismWheelDetails::OnClearAllClicked, PrismWheel))
	];

	PrismSettingsCategory.AddProperty(FacetteSizeHandle, EPropertyLocation::Advanced);
	PrismSettingsCategory.AddProperty(SameSizeHandle, EPropertyLocation::Advanced);
	PrismSettingsCategory.AddProperty(BeamAddHandle, EPropertyLocation::Advanced);

	if (FacetteSizeHandle.IsValid())
	{
		FacetteSizeHandle->SetOnPropertyValueChanged(FSimpleDelegate::CreateLambda([this, PrismWheel]()
		{
			OnFacetteSizeChanged(PrismWheel);
		}));
	}

	RadialArrangeCategory.AddProperty(RadiusHandle, EPropertyLocation::Advanced);
	RadialArrangeCategory.AddProperty(AnglesHandle, EPropertyLocation::Advanced);

	MatrixArrangeCategory.AddProperty(ColsHandle, EPropertyLocation::Advanced);
	MatrixArrangeCategory.AddProperty(RowsHandle, EPropertyLocation::Advanced);
	MatrixArrangeCategory.AddProperty(ColSpacingHandle, EPropertyLocation::Advanced);
	MatrixArrangeCategory.AddProperty(RowSpacingHandle, EPropertyLocation::Advanced);

	if (RadiusHandle.IsValid() && AnglesHandle.IsValid())
	{
		const FSimpleDelegate OnRadialChanged = FSimpleDelegate::CreateLambda([PrismWheel]()
		{
			PrismWheel->UpdateSelectedCirclesRadial();
		});
		RadiusHandle->SetOnPropertyValueChanged(OnRadialChanged);
		AnglesHandle->SetOnPropertyValueChanged(OnRadialChanged);
	}

	if (ColsHandle.IsValid() && RowsHandle.IsValid() && ColSpacingHandle.IsValid() && RowSpacingHandle.IsValid())
	{
		const FSimpleDelegate OnMatrixChanged = FSimpleDelegate::CreateLambda([PrismWheel]()
		{
			PrismWheel->UpdateSelectedCirclesMatrix();
		});
		ColsHandle->SetOnPropertyValueChanged(OnMatrixChanged);
		RowsHandle->SetOnPropertyValueChanged(OnMatrixChanged);
		ColSpacingHandle->SetOnPropertyValueChanged(OnMatrixChanged);
		RowSpacingHandle->SetOnPropertyValueChanged(OnMatrixChanged);
	}

	FastGenerateCategory.AddProperty(FacetteCountHandle, EPropertyLocation::Advanced);
	FastGenerateCategory.AddCustomRow(LOCTEXT("Generate", "Generate"), false)
	.WholeRowContent()
	[
		ZORPrismWheelDetails::MakeButton(TEXT("FlatButton.Success"), TEXT("Plus"), LOCTEXT("Generate", "Generate"),
			FOnClicked::CreateSP(this, &FZORPrismWheelDetails::OnGenerateClicked, PrismWheel))
	];
}

FReply FZORPrismWheelDetails::OnClearAllClicked(UZORPrismWheel* PrismWheel)
{
	GEditor->BeginTransaction(LOCTEXT("Clear all", "Clear all"));

	if (PrismWheel->Facettes.Num() > 0)
	{
		const EAppReturnType::Type Answer = FMessageDialog::Open(EAppMsgType::YesNo,
			LOCTEXT("Do you want to remove all facettes?", "Do you want to remove all facettes?"));
		if (Answer == EAppReturnType::Yes)
		{
			PrismWheel->Modify(true);
			PrismWheel->SelectedCircles.Empty();
			PrismWheel->Facettes.Empty();
			FAssetRegistryModule::AssetCreated(PrismWheel);
			PrismWheel->MarkPackageDirty();
		}
	}

	GEditor->EndTransaction();
	UE_LOG(LogTemp, Log, TEXT("Clear All Facettes!"));
	return FReply::Handled();
}

FReply FZORPrismWheelDetails::OnGenerateClicked(UZORPrismWheel* PrismWheel)
{
	GEditor->BeginTransaction(LOCTEXT("Generate", "Generate"));

	// Over existing facettes, Yes replaces them, No adds the new ring to them and Cancel keeps the wheel as it is.
	EAppReturnType::Type Answer = EAppReturnType::Yes;
	if (PrismWheel->Facettes.Num() > 0)
	{
		Answer = FMessageDialog::Open(EAppMsgType::YesNoCancel,
			LOCTEXT("You have already added facettes. Do you want to overwrite them?", "You have already added facettes. Do you want to overwrite them?"));
	}
	if (Answer == EAppReturnType::Yes || Answer == EAppReturnType::No)
	{
		PrismWheel->Modify(true);
		// Only the new facettes end up selected.
		PrismWheel->SelectedCircles.Empty();
		if (Answer == EAppReturnType::Yes)
		{
			PrismWheel->Facettes.Empty();
		}
		GenerateFacettes(PrismWheel);
	}

	GEditor->EndTransaction();
	return FReply::Handled();
}

void FZORPrismWheelDetails::GenerateFacettes(UZORPrismWheel* PrismWheel)
{
	// Single precision throughout, so a ring lands on the same coordinates on every machine.
	const float Size = PrismWheel->FacetteSize;
	const float RingRadius = FMath::Clamp(0.5f - Size * 0.5f, 0.0f, 0.5f);

	int32 Count = PrismWheel->FacetteCount;
	// The details panel keeps the count in its range, but scripts and old assets can hold any number;
	// a ring never gets more facettes than the property allows.
	if (const FProperty* CountProperty = UZORPrismWheel::StaticClass()->FindPropertyByName(FName(TEXT("FacetteCount"))))
	{
		if (CountProperty->HasMetaData(TEXT("ClampMax")))
		{
			Count = FMath::Min(Count, CountProperty->GetIntMetaData(TEXT("ClampMax")));
		}
	}
	for (int32 Index = 0; Index < Count; ++Index)
	{
		const float Angle = (6.2831855f / float(Count)) * float(Index);
		FPrismWheelFacette Facette;
		Facette.X = double(float(FMath::Cos(Angle) * RingRadius + 0.5f));
		Facette.Y = double(float(FMath::Sin(Angle) * RingRadius + 0.5f));
		Facette.Radius = Size * 0.5f;
		PrismWheel->Facettes.Add(Facette);
		PrismWheel->SelectedCircles.Add(PrismWheel->Facettes.Num() - 1);
	}

	FAssetRegistryModule::AssetCreated(PrismWheel);
	PrismWheel->MarkPackageDirty();
}

void FZORPrismWheelDetails::OnFacetteSizeChanged(UZORPrismWheel* PrismWheel)
{
	const float NewRadius = PrismWheel->FacetteSize * 0.5f;
	if (PrismWheel->bSameSize)
	{
		for (FPrismWheelFacette& Facette : PrismWheel->Facettes)
		{
			Facette.Radius = NewRadius;
		}
	}
	else
	{
		for (const int32 Index : PrismWheel->SelectedCircles)
		{
			// The canvas keeps the selection valid; a stale index must not write outside the array.
			if (PrismWheel->Facettes.IsValidIndex(Index))
			{
				PrismWheel->Facettes[Index].Radius = NewRadius;
			}
		}
	}
	UE_LOG(LogTemp, Warning, TEXT("SelectedCircles  %f"), double(NewRadius));
}

#undef LOCTEXT_NAMESPACE
