#include "SDetailsView.h"

#include "Algo/StableSort.h"
#include "Editor.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "ScopedTransaction.h"
#include "StandIn/NumericEntryHooks.h"
#include "StandIn/PropertyEditorHooks.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

#include <limits>

namespace
{
	/** What the panel shows of a property: everything visible or editable in the details. */
	bool IsShownInDetails(const FProperty* Property)
	{
		return Property->HasAnyPropertyFlags(CPF_Edit);
	}

	FName GetCategoryOf(const FProperty* Property, const UStruct* BaseStruct)
	{
		const FString* Category = Property->FindMetaData(TEXT("Category"));
		if (Category != nullptr && !Category->IsEmpty())
		{
			// "A|B" nests B in A; the top-level name is the category.
			FString Top;
			FString Rest;
			if (Category->Split(TEXT("|"), &Top, &Rest))
			{
				return FName(*Top);
			}
			return FName(**Category);
		}
		return BaseStruct ? BaseStruct->GetFName() : FName(TEXT("Default"));
	}
}

// ---------------------------------------------------------------------------------------------
// Property handles

FPropertyHandleImpl::FPropertyHandleImpl(FProperty* InProperty, const TArray<TWeakObjectPtr<UObject>>& InObjects)
	: Property(InProperty)
	, Objects(InObjects)
{
}

bool FPropertyHandleImpl::IsValidHandle() const
{
	return Property != nullptr;
}

FProperty* FPropertyHandleImpl::GetProperty() const
{
	return Property;
}

FName FPropertyHandleImpl::GetPropertyName() const
{
	return Property ? Property->GetFName() : NAME_None;
}

FText FPropertyHandleImpl::GetPropertyDisplayName() const
{
	return Property ? Property->GetDisplayNameText() : FText::GetEmpty();
}

bool FPropertyHandleImpl::IsEditConst() const
{
	return Property == nullptr || Property->HasAnyPropertyFlags(CPF_EditConst);
}

void FPropertyHandleImpl::GetOuterObjects(TArray<UObject*>& OuterObjects) const
{
	OuterObjects = GetLiveObjects();
}

TArray<UObject*> FPropertyHandleImpl::GetLiveObjects() const
{
	TArray<UObject*> Live;
	for (const TWeakObjectPtr<UObject>& Object : Objects)
	{
		if (UObject* Alive = Object.Get())
		{
			Live.Add(Alive);
		}
	}
	return Live;
}

FPropertyAccess::Result FPropertyHandleImpl::GetValueAsFormattedString(FString& OutValue) const
{
	const TArray<UObject*> Live = GetLiveObjects();
	if (Property == nullptr || Live.Num() == 0)
	{
		return FPropertyAccess::Fail;
	}
	FString First;
	for (int32 Index = 0; Index < Live.Num(); ++Index)
	{
		FString Text;
		Property->ExportTextItem_Direct(Text, Property->ContainerPtrToValuePtr<void>(Live[Index]), nullptr, Live[Index], PPF_None);
		if (Index == 0)
		{
			First = Text;
		}
		else if (!Text.Equals(First, ESearchCase::CaseSensitive))
		{
			return FPropertyAccess::MultipleValues;
		}
	}
	OutValue = First;
	return FPropertyAccess::Success;
}

bool FPropertyHandleImpl::ReadNumber(double& OutValue) const
{
	const FNumericProperty* Numeric = CastField<FNumericProperty>(Property);
	const TArray<UObject*> Live = GetLiveObjects();
	if (Numeric == nullptr || Live.Num() == 0)
	{
		return false;
	}
	const void* Data = Numeric->ContainerPtrToValuePtr<void>(Live[0]);
	OutValue = Numeric->IsFloatingPoint() ? Numeric->GetFloatingPointPropertyValue(Data) : double(Numeric->GetSignedIntPropertyValue(Data));
	return true;
}

FPropertyAccess::Result FPropertyHandleImpl::SetValueFromFormattedString(const FString& InValue, EPropertyValueSetFlags::Type Flags)
{
	const TArray<UObject*> Live = GetLiveObjects();
	if (Property == nullptr || Live.Num() == 0 || IsEditConst())
	{
		return FPropertyAccess::Fail;
	}

	// Read the text into a scratch value first: text that is not a value of the type changes nothing.
	TArray<uint8> Scratch;
	Scratch.SetNumZeroed(Property->GetSize() + 16);
	void* ScratchValue = Scratch.GetData();
	Property->InitializeValue(ScratchValue);
	const TCHAR* End = Property->ImportText_Direct(*InValue, ScratchValue, Live[0], PPF_None);
	if (End == nullptr)
	{
		Property->DestroyValue(ScratchValue);
		return FPropertyAccess::Fail;
	}

	// Numbers are kept inside the property's ClampMin and ClampMax, as the panel's number boxes do.
	if (const FNumericProperty* Numeric = CastField<FNumericProperty>(Property))
	{
		double Number = Numeric->IsFloatingPoint() ? Numeric->GetFloatingPointPropertyValue(ScratchValue) : double(Numeric->GetSignedIntPropertyValue(ScratchValue));
		if (const FString* ClampMin = Property->FindMetaData(TEXT("ClampMin")))
		{
			Number = FMath::Max(Number, FCString::Atod(**ClampMin));
		}
		if (const FString* ClampMax = Property->FindMetaData(TEXT("ClampMax")))
		{
			Number = FMath::Min(Number, FCString::Atod(**ClampMax));
		}
		if (Numeric->IsFloatingPoint())
		{
			Numeric->SetFloatingPointPropertyValue(ScratchValue, Number);
		}
		else
		{
			Numeric->SetIntPropertyValue(ScratchValue, int64(Number));
		}
	}

	const bool bTransact = (Flags & EPropertyValueSetFlags::NotTransactable) == 0 && GEditor != nullptr;
	{
		const FScopedTransaction Transaction(FText::Format(FText::FromString(TEXT("Set {0}")), GetPropertyDisplayName()), bTransact);
		for (UObject* Object : Live)
		{
			Object->Modify();
			Object->PreEditChange(Property);
			Property->CopySingleValue(Property->ContainerPtrToValuePtr<void>(Object), ScratchValue);
		}
		TArray<const UObject*> TopLevel;
		for (UObject* Object : Live)
		{
			TopLevel.Add(Object);
		}
		const EPropertyChangeType::Type ChangeType = (Flags & EPropertyValueSetFlags::InteractiveChange) != 0 ? EPropertyChangeType::Interactive : EPropertyChangeType::ValueSet;
		for (UObject* Object : Live)
		{
			FPropertyChangedEvent Event(Property, ChangeType, TopLevel);
			Object->PostEditChangeProperty(Event);
		}
		// The panel's own reactions run inside the edit's undo step.
		const TArray<FSimpleDelegate> Delegates = OnValueChanged;
		for (const FSimpleDelegate& Delegate : Delegates)
		{
			Delegate.ExecuteIfBound();
		}
	}
	Property->DestroyValue(ScratchValue);
	return FPropertyAccess::Success;
}

FPropertyAccess::Result FPropertyHandleImpl::GetValue(float& OutValue) const
{
	double Number = 0.0;
	if (!ReadNumber(Number))
	{
		return FPropertyAccess::Fail;
	}
	OutValue = float(Number);
	return FPropertyAccess::Success;
}

FPropertyAccess::Result FPropertyHandleImpl::GetValue(double& OutValue) const
{
	return ReadNumber(OutValue) ? FPropertyAccess::Success : FPropertyAccess::Fail;
}

FPropertyAccess::Result FPropertyHandleImpl::GetValue(int32& OutValue) const
{
	double Number = 0.0;
	if (!ReadNumber(Number) || CastField<FNumericProperty>(Property)->IsFloatingPoint())
	{
		return FPropertyAccess::Fail;
	}
	OutValue = int32(Number);
	return FPropertyAccess::Success;
}

FPropertyAccess::Result FPropertyHandleImpl::GetValue(bool& OutValue) const
{
	const FBoolProperty* BoolProperty = CastField<FBoolProperty>(Property);
	const TArray<UObject*> Live = GetLiveObjects();
	if (BoolProperty == nullptr || Live.Num() == 0)
	{
		return FPropertyAccess::Fail;
	}
	OutValue = *BoolProperty->ContainerPtrToValuePtr<bool>(Live[0]);
	return FPropertyAccess::Success;
}

FPropertyAccess::Result FPropertyHandleImpl::GetValue(FString& OutValue) const
{
	return GetValueAsFormattedString(OutValue);
}

FPropertyAccess::Result FPropertyHandleImpl::SetValue(const float& InValue, EPropertyValueSetFlags::Type Flags)
{
	if (CastField<FNumericProperty>(Property) == nullptr)
	{
		return FPropertyAccess::Fail;
	}
	return SetValueFromFormattedString(FString::SanitizeFloat(double(InValue)), Flags);
}

FPropertyAccess::Result FPropertyHandleImpl::SetValue(const double& InValue, EPropertyValueSetFlags::Type Flags)
{
	if (CastField<FNumericProperty>(Property) == nullptr)
	{
		return FPropertyAccess::Fail;
	}
	return SetValueFromFormattedString(FString::SanitizeFloat(InValue), Flags);
}

FPropertyAccess::Result FPropertyHandleImpl::SetValue(const int32& InValue, EPropertyValueSetFlags::Type Flags)
{
	if (CastField<FNumericProperty>(Property) == nullptr)
	{
		return FPropertyAccess::Fail;
	}
	return SetValueFromFormattedString(FString::FromInt(InValue), Flags);
}

FPropertyAccess::Result FPropertyHandleImpl::SetValue(const bool& InValue, EPropertyValueSetFlags::Type Flags)
{
	if (CastField<FBoolProperty>(Property) == nullptr)
	{
		return FPropertyAccess::Fail;
	}
	return SetValueFromFormattedString(InValue ? FString(TEXT("True")) : FString(TEXT("False")), Flags);
}

FPropertyAccess::Result FPropertyHandleImpl::SetValue(const FString& InValue, EPropertyValueSetFlags::Type Flags)
{
	return SetValueFromFormattedString(InValue, Flags);
}

void FPropertyHandleImpl::SetOnPropertyValueChanged(const FSimpleDelegate& InOnPropertyValueChanged)
{
	OnValueChanged.Add(InOnPropertyValueChanged);
}

// ---------------------------------------------------------------------------------------------
// Rows and categories

bool FDetailRowImpl::IsAdvanced() const
{
	if (Location == EPropertyLocation::Advanced)
	{
		return true;
	}
	if (Location == EPropertyLocation::Common || IsCustom())
	{
		return false;
	}
	return Handle.IsValid() && Handle->GetProperty() != nullptr && Handle->GetProperty()->HasAnyPropertyFlags(CPF_AdvancedDisplay);
}

FString FDetailRowImpl::GetName() const
{
	if (IsCustom())
	{
		return CustomRow->FilterTextString.ToString();
	}
	return Handle.IsValid() ? Handle->GetPropertyName().ToString() : FString();
}

FString FDetailRowImpl::GetDisplayName() const
{
	if (DisplayNameOverride.IsSet())
	{
		return DisplayNameOverride.GetValue().ToString();
	}
	return Handle.IsValid() ? Handle->GetPropertyDisplayName().ToString() : FString();
}

FString FDetailRowImpl::GetValueText() const
{
	FString Value;
	// Containers show their size in the row; their elements are child rows.
	if (Handle.IsValid() && Handle->GetProperty() != nullptr)
	{
		TArray<UObject*> Objects;
		Handle->GetOuterObjects(Objects);
		if (Objects.Num() > 0)
		{
			const FProperty* Property = Handle->GetProperty();
			if (const FArrayProperty* ArrayProperty = CastField<FArrayProperty>(Property))
			{
				const FScriptArrayHelper Helper(ArrayProperty, ArrayProperty->ContainerPtrToValuePtr<void>(Objects[0]));
				return FString::Printf(TEXT("%d Array elements"), Helper.Num());
			}
			if (const FSetProperty* SetProperty = CastField<FSetProperty>(Property))
			{
				const FScriptSetHelper Helper(SetProperty, SetProperty->ContainerPtrToValuePtr<void>(Objects[0]));
				return FString::Printf(TEXT("%d Set elements"), Helper.Num());
			}
		}
	}
	if (Handle.IsValid())
	{
		const FPropertyAccess::Result Result = Handle->GetValueAsFormattedString(Value);
		if (Result == FPropertyAccess::MultipleValues)
		{
			return TEXT("Multiple Values");
		}
	}
	return Value;
}

FDetailCategoryImpl::FDetailCategoryImpl(FDetailLayoutImpl& InLayout, FName InName, int32 InCreationIndex)
	: Layout(InLayout)
	, Name(InName)
	, SortOrder(InCreationIndex)
	, CreationIndex(InCreationIndex)
{
}

IDetailPropertyRow& FDetailCategoryImpl::AddProperty(TSharedPtr<IPropertyHandle> PropertyHandle, EPropertyLocation::Type Location)
{
	TSharedRef<FDetailRowImpl> Row = MakeShared<FDetailRowImpl>();
	Row->Location = Location;
	if (PropertyHandle.IsValid() && PropertyHandle->IsValidHandle())
	{
		Row->Handle = Layout.GetHandleImpl(PropertyHandle->GetPropertyName());
		Layout.PlacedProperties.Add(PropertyHandle->GetPropertyName());
		Rows.Add(Row);
	}
	// A row for an invalid handle is handed back so the caller can chain on it, but it shows nothing.
	return *Row;
}

IDetailPropertyRow& FDetailCategoryImpl::AddProperty(FName PropertyPath, UClass* ClassOutermost, FName InstanceName, EPropertyLocation::Type Location)
{
	return AddProperty(TSharedPtr<IPropertyHandle>(Layout.GetProperty(PropertyPath)), Location);
}

FDetailWidgetRow& FDetailCategoryImpl::AddCustomRow(const FText& FilterString, bool bForAdvanced)
{
	TSharedRef<FDetailRowImpl> Row = MakeShared<FDetailRowImpl>();
	Row->CustomRow = MakeShared<FDetailWidgetRow>();
	Row->CustomRow->FilterString(FilterString);
	Row->Location = bForAdvanced ? EPropertyLocation::Advanced : EPropertyLocation::Common;
	Rows.Add(Row);
	return *Row->CustomRow;
}

FText FDetailCategoryImpl::GetDisplayName() const
{
	if (!DisplayNameOverride.IsEmpty())
	{
		return DisplayNameOverride;
	}
	return FText::FromString(UE::CoreUObject::Private::NameToDisplayString(Name.ToString(), false));
}

// ---------------------------------------------------------------------------------------------
// Layout

FDetailLayoutImpl::FDetailLayoutImpl(const TArray<TWeakObjectPtr<UObject>>& InObjects, const UStruct* InBaseStruct, TFunction<void()> InRefresh)
	: Objects(InObjects)
	, BaseStruct(InBaseStruct)
	, Refresh(MoveTemp(InRefresh))
{
	// The class's own categories first, in the order its properties declare them.
	if (BaseStruct != nullptr)
	{
		for (TFieldIterator<FProperty> It(BaseStruct); It; ++It)
		{
			if (IsShownInDetails(*It))
			{
				FindOrAddCategory(GetCategoryOf(*It, BaseStruct));
			}
		}
	}
}

void FDetailLayoutImpl::GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const
{
	OutObjects = Objects;
}

TSharedRef<FPropertyHandleImpl> FDetailLayoutImpl::GetHandleImpl(FName PropertyName) const
{
	if (const TSharedRef<FPropertyHandleImpl>* Found = Handles.Find(PropertyName))
	{
		return *Found;
	}
	FProperty* Property = BaseStruct ? BaseStruct->FindPropertyByName(PropertyName) : nullptr;
	TSharedRef<FPropertyHandleImpl> Handle = MakeShared<FPropertyHandleImpl>(Property, Objects);
	Handles.Add(PropertyName, Handle);
	return Handle;
}

TSharedRef<IPropertyHandle> FDetailLayoutImpl::GetProperty(const FName PropertyPath, const UStruct* ClassOutermost, FName InstanceName) const
{
	return GetHandleImpl(PropertyPath);
}

FDetailCategoryImpl& FDetailLayoutImpl::FindOrAddCategory(FName CategoryName)
{
	for (const TSharedRef<FDetailCategoryImpl>& Category : Categories)
	{
		if (Category->Name == CategoryName)
		{
			return *Category;
		}
	}
	TSharedRef<FDetailCategoryImpl> Category = MakeShared<FDetailCategoryImpl>(*this, CategoryName, Categories.Num());
	Categories.Add(Category);
	return *Category;
}

IDetailCategoryBuilder& FDetailLayoutImpl::EditCategory(FName CategoryName, const FText& NewLocalizedDisplayName, ECategoryPriority::Type CategoryType)
{
	FDetailCategoryImpl& Category = FindOrAddCategory(CategoryName.IsNone() ? FName(TEXT("Default")) : CategoryName);
	if (!NewLocalizedDisplayName.IsEmpty())
	{
		Category.DisplayNameOverride = NewLocalizedDisplayName;
	}
	Category.Priority = CategoryType;
	return Category;
}

void FDetailLayoutImpl::HideProperty(const TSharedPtr<IPropertyHandle>& PropertyHandle)
{
	if (PropertyHandle.IsValid() && PropertyHandle->IsValidHandle())
	{
		HiddenProperties.Add(PropertyHandle->GetPropertyName());
	}
}

void FDetailLayoutImpl::ForceRefreshDetails()
{
	if (Refresh)
	{
		Refresh();
	}
}

void FDetailLayoutImpl::AddDefaultRows()
{
	if (BaseStruct == nullptr)
	{
		return;
	}
	for (TFieldIterator<FProperty> It(BaseStruct); It; ++It)
	{
		FProperty* Property = *It;
		if (!IsShownInDetails(Property) || PlacedProperties.Contains(Property->GetFName()) || HiddenProperties.Contains(Property->GetFName()))
		{
			continue;
		}
		FDetailCategoryImpl& Category = FindOrAddCategory(GetCategoryOf(Property, BaseStruct));
		TSharedRef<FDetailRowImpl> Row = MakeShared<FDetailRowImpl>();
		Row->Handle = GetHandleImpl(Property->GetFName());
		Row->Location = EPropertyLocation::Default;
		Category.Rows.Add(Row);
	}
}

TArray<TSharedRef<FDetailCategoryImpl>> FDetailLayoutImpl::GetSortedCategories() const
{
	TArray<TSharedRef<FDetailCategoryImpl>> Sorted = Categories;
	Algo::StableSort(Sorted, [](const TSharedRef<FDetailCategoryImpl>& A, const TSharedRef<FDetailCategoryImpl>& B)
	{
		if (A->Priority != B->Priority)
		{
			return A->Priority < B->Priority;
		}
		return A->SortOrder < B->SortOrder;
	});
	// A category without rows is not shown.
	Sorted.RemoveAll([](const TSharedRef<FDetailCategoryImpl>& Category) { return Category->Rows.Num() == 0; });
	return Sorted;
}

// ---------------------------------------------------------------------------------------------
// The view

void SDetailsView::Construct(const FArguments& InArgs)
{
	Args = InArgs._DetailsViewArgs;
	BuildWidgets();
}

SDetailsView::~SDetailsView()
{
	for (const TSharedRef<IDetailCustomization>& Customization : Customizations)
	{
		Customization->PendingDelete();
	}
}

void SDetailsView::SetObject(UObject* InObject, bool bForceRefresh)
{
	TArray<UObject*> NewObjects;
	if (InObject != nullptr)
	{
		NewObjects.Add(InObject);
	}
	SetObjects(NewObjects, bForceRefresh);
}

void SDetailsView::SetObjects(const TArray<UObject*>& InObjects, bool bForceRefresh, bool bOverrideLock)
{
	TArray<TWeakObjectPtr<UObject>> NewObjects;
	for (UObject* Object : InObjects)
	{
		NewObjects.Add(Object);
	}
	bool bSame = NewObjects.Num() == SelectedObjects.Num();
	for (int32 Index = 0; bSame && Index < NewObjects.Num(); ++Index)
	{
		bSame = NewObjects[Index] == SelectedObjects[Index];
	}
	if (bSame && !bForceRefresh && Layout.IsValid())
	{
		return;
	}
	SelectedObjects = NewObjects;
	ForceRefresh();
}

const TArray<TWeakObjectPtr<UObject>>& SDetailsView::GetSelectedObjects() const
{
	return SelectedObjects;
}

void SDetailsView::ForceRefresh()
{
	BuildLayout();
	BuildWidgets();
}

void SDetailsView::BuildLayout()
{
	for (const TSharedRef<IDetailCustomization>& Customization : Customizations)
	{
		Customization->PendingDelete();
	}
	Customizations.Empty();
	Layout.Reset();

	const UClass* BaseClass = nullptr;
	for (const TWeakObjectPtr<UObject>& Object : SelectedObjects)
	{
		if (UObject* Alive = Object.Get())
		{
			BaseClass = Alive->GetClass();
			break;
		}
	}
	if (BaseClass == nullptr)
	{
		return;
	}

	TWeakPtr<SDetailsView> WeakThis = StaticCastSharedRef<SDetailsView>(AsShared());
	Layout = MakeShared<FDetailLayoutImpl>(SelectedObjects, BaseClass, [WeakThis]()
	{
		if (TSharedPtr<SDetailsView> View = WeakThis.Pin())
		{
			View->ForceRefresh();
		}
	});

	// Customizations of base classes first, then of the class itself.
	TArray<const UClass*> Hierarchy;
	for (const UClass* Class = BaseClass; Class != nullptr; Class = Class->GetSuperClass())
	{
		Hierarchy.Insert(Class, 0);
	}
	FPropertyEditorModule* Module = FModuleManager::GetModulePtr<FPropertyEditorModule>(TEXT("PropertyEditor"));
	for (const UClass* Class : Hierarchy)
	{
		const FOnGetDetailCustomizationInstance* Delegate = Module ? Module->FindCustomClassLayout(Class->GetFName()) : nullptr;
		if (Delegate != nullptr && Delegate->IsBound())
		{
			TSharedRef<IDetailCustomization> Customization = Delegate->Execute();
			Customizations.Add(Customization);
			++LayoutBuildCount;
			Customization->CustomizeDetails(TSharedPtr<IDetailLayoutBuilder>(Layout));
		}
	}
	Layout->AddDefaultRows();
}

namespace
{
	/** A number row reads the text as its number box does (one finite number, else refused); other rows as text. */
	bool CommitTypedValue(IPropertyHandle& Handle, const FString& Text)
	{
		const FProperty* Property = Handle.GetProperty();
		const bool bInteger = CastField<FIntProperty>(Property) != nullptr;
		if (!bInteger && !CastField<FFloatProperty>(Property) && !CastField<FDoubleProperty>(Property))
		{
			return Handle.SetValueFromFormattedString(Text) == FPropertyAccess::Success;
		}
		const TOptional<double> Number = UE::StandIn::ParseTypedNumber(Text);
		if (!Number.IsSet())
		{
			return false;
		}
		if (bInteger)
		{
			return Handle.SetValue(int32(FMath::Clamp(Number.GetValue(), double(std::numeric_limits<int32>::min()), double(std::numeric_limits<int32>::max())))) == FPropertyAccess::Success;
		}
		const double Limit = CastField<FFloatProperty>(Property) ? double(std::numeric_limits<float>::max()) : std::numeric_limits<double>::max();
		return Handle.SetValue(FMath::Clamp(Number.GetValue(), -Limit, Limit)) == FPropertyAccess::Success;
	}
}

TSharedRef<SWidget> SDetailsView::MakeRowWidget(const TSharedRef<FDetailRowImpl>& Row) const
{
	if (Row->IsCustom())
	{
		const FDetailWidgetRow& Custom = *Row->CustomRow;
		if (Custom.HasWholeRowContent())
		{
			return Custom.WholeRowWidget.Widget;
		}
		return SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			.FillWidth(1.0f - Args.ColumnWidth)
			[
				Custom.NameWidget.Widget
			]
			+ SHorizontalBox::Slot()
			.FillWidth(Args.ColumnWidth)
			[
				Custom.ValueWidget.Widget
			];
	}
	// The value box: typing into it takes keyboard focus, Enter sets the property through the row's handle.
	const TWeakPtr<FDetailRowImpl> WeakRow = Row;
	TSharedPtr<SEditableTextBox> ValueBox;
	TSharedRef<SWidget> Widget = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.FillWidth(1.0f - Args.ColumnWidth)
		[
			SNew(STextBlock)
			.Text(FText::FromString(Row->GetDisplayName()))
		]
		+ SHorizontalBox::Slot()
		.FillWidth(Args.ColumnWidth)
		[
			SAssignNew(ValueBox, SEditableTextBox)
			.Text_Lambda([WeakRow]()
			{
				const TSharedPtr<FDetailRowImpl> Pinned = WeakRow.Pin();
				return FText::FromString(Pinned.IsValid() ? Pinned->GetValueText() : FString());
			})
			.IsReadOnly(Row->Handle->IsEditConst())
			.OnTextCommitted_Lambda([WeakRow](const FText& NewText, ETextCommit::Type CommitType)
			{
				const TSharedPtr<FDetailRowImpl> Pinned = WeakRow.Pin();
				const TSharedPtr<SEditableTextBox> Box = Pinned.IsValid() ? Pinned->ValueBox.Pin() : TSharedPtr<SEditableTextBox>();
				if (!Box.IsValid() || CommitType == ETextCommit::OnCleared)
				{
					return;
				}
				Box->SetError(CommitTypedValue(*Pinned->Handle, NewText.ToString()) ? FString() : FString::Printf(TEXT("\"%s\" is not a value of this property"), *NewText.ToString()));
			})
		];
	Row->ValueBox = ValueBox;
	return Widget;
}

void SDetailsView::BuildWidgets()
{
	AdvancedExpanders.Empty();
	TSharedRef<SVerticalBox> Box = SNew(SVerticalBox);
	if (Layout.IsValid())
	{
		for (const TSharedRef<FDetailCategoryImpl>& Category : Layout->GetSortedCategories())
		{
			if (const bool* bExpanded = ExpandedCategories.Find(Category->Name))
			{
				Category->bAdvancedExpanded = *bExpanded;
			}
			Box->AddSlot()
				.AutoHeight()
				[
					SNew(STextBlock)
					.Text(Category->GetDisplayName())
				];
			bool bHasAdvanced = false;
			for (const TSharedRef<FDetailRowImpl>& Row : Category->Rows)
			{
				if (Row->IsAdvanced())
				{
					bHasAdvanced = true;
					continue;
				}
				Box->AddSlot()
					.AutoHeight()
					[
						MakeRowWidget(Row)
					];
			}
			if (!bHasAdvanced)
			{
				continue;
			}
			TWeakPtr<FDetailCategoryImpl> WeakCategory = Category;
			const FName CategoryName = Category->Name;
			for (const TSharedRef<FDetailRowImpl>& Row : Category->Rows)
			{
				if (!Row->IsAdvanced())
				{
					continue;
				}
				Box->AddSlot()
					.AutoHeight()
					[
						SNew(SBox)
						.Visibility_Lambda([WeakCategory]()
						{
							const TSharedPtr<FDetailCategoryImpl> Pinned = WeakCategory.Pin();
							return Pinned.IsValid() && Pinned->bAdvancedExpanded ? EVisibility::Visible : EVisibility::Collapsed;
						})
						[
							MakeRowWidget(Row)
						]
					];
			}
			// The arrow under a category's common rows that opens its advanced section.
			TSharedRef<SWidget> Expander = SNew(SButton)
				.ToolTipText_Lambda([WeakCategory]()
				{
					const TSharedPtr<FDetailCategoryImpl> Pinned = WeakCategory.Pin();
					return FText::FromString(Pinned.IsValid() && Pinned->bAdvancedExpanded ? TEXT("Hide Advanced") : TEXT("Show Advanced"));
				})
				.OnClicked_Lambda([this, WeakCategory, CategoryName]()
				{
					if (const TSharedPtr<FDetailCategoryImpl> Pinned = WeakCategory.Pin())
					{
						Pinned->bAdvancedExpanded = !Pinned->bAdvancedExpanded;
						ExpandedCategories.Add(CategoryName, Pinned->bAdvancedExpanded);
					}
					return FReply::Handled();
				});
			AdvancedExpanders.Add(CategoryName, Expander);
			Box->AddSlot()
				.AutoHeight()
				[
					Expander
				];
		}
	}
	ChildSlot
	[
		Box
	];
}

TSharedPtr<SWidget> SDetailsView::GetAdvancedExpander(FName CategoryName) const
{
	const TSharedRef<SWidget>* Found = AdvancedExpanders.Find(CategoryName);
	return Found ? TSharedPtr<SWidget>(*Found) : TSharedPtr<SWidget>();
}

// ---------------------------------------------------------------------------------------------
// Hooks

namespace UE::StandIn
{
	TArray<FDetailsCategoryInfo> GetDetailsCategories(const IDetailsView& DetailsView)
	{
		const SDetailsView& View = static_cast<const SDetailsView&>(DetailsView);
		TArray<FDetailsCategoryInfo> Result;
		if (!View.GetLayout().IsValid())
		{
			return Result;
		}
		for (const TSharedRef<FDetailCategoryImpl>& Category : View.GetLayout()->GetSortedCategories())
		{
			FDetailsCategoryInfo& Info = Result.AddDefaulted_GetRef();
			Info.Name = Category->Name;
			Info.DisplayName = Category->GetDisplayName().ToString();
			Info.SortOrder = Category->SortOrder;
			Info.Priority = Category->Priority;
			Info.bAdvancedExpanded = Category->bAdvancedExpanded;
			Info.AdvancedExpander = View.GetAdvancedExpander(Category->Name);
			// Common rows first, then the advanced section, as the panel lays them out.
			for (int32 Pass = 0; Pass < 2; ++Pass)
			{
				for (const TSharedRef<FDetailRowImpl>& Row : Category->Rows)
				{
					if (Row->IsAdvanced() != (Pass == 1))
					{
						continue;
					}
					FDetailsRowInfo& RowInfo = Info.Rows.AddDefaulted_GetRef();
					RowInfo.bCustom = Row->IsCustom();
					RowInfo.bAdvanced = Row->IsAdvanced();
					RowInfo.bShown = !RowInfo.bAdvanced || Category->bAdvancedExpanded;
					RowInfo.Name = Row->GetName();
					RowInfo.DisplayName = Row->GetDisplayName();
					RowInfo.Value = Row->GetValueText();
					RowInfo.Handle = Row->Handle;
					if (Row->IsCustom())
					{
						RowInfo.Widget = Row->CustomRow->HasWholeRowContent() ? Row->CustomRow->WholeRowWidget.Widget : Row->CustomRow->ValueWidget.Widget;
					}
					else
					{
						RowInfo.Widget = Row->ValueBox.Pin();
					}
				}
			}
		}
		return Result;
	}

	TSharedPtr<IPropertyHandle> FindDetailsPropertyHandle(const IDetailsView& DetailsView, FName PropertyName)
	{
		for (const FDetailsCategoryInfo& Category : GetDetailsCategories(DetailsView))
		{
			for (const FDetailsRowInfo& Row : Category.Rows)
			{
				if (!Row.bCustom && Row.Handle.IsValid() && Row.Handle->GetPropertyName() == PropertyName)
				{
					return Row.Handle;
				}
			}
		}
		return TSharedPtr<IPropertyHandle>();
	}

	int32 GetDetailsLayoutBuildCount(const IDetailsView& DetailsView)
	{
		return static_cast<const SDetailsView&>(DetailsView).GetLayoutBuildCount();
	}
}
