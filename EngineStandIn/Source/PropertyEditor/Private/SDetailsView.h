// The details panel: a layout built from the objects' reflected properties, shaped by the
// customizations registered for their classes.
#pragma once

#include "CoreMinimal.h"
#include "DetailCategoryBuilder.h"
#include "DetailLayoutBuilder.h"
#include "DetailWidgetRow.h"
#include "DetailsViewArgs.h"
#include "IDetailCustomization.h"
#include "IDetailPropertyRow.h"
#include "IDetailsView.h"
#include "PropertyHandle.h"
#include "Widgets/DeclarativeSyntaxSupport.h"

class FDetailLayoutImpl;
class SEditableTextBox;
class SVerticalBox;

class FPropertyHandleImpl : public IPropertyHandle
{
public:
	FPropertyHandleImpl(FProperty* InProperty, const TArray<TWeakObjectPtr<UObject>>& InObjects);

	virtual bool IsValidHandle() const override;
	virtual FProperty* GetProperty() const override;
	virtual FName GetPropertyName() const override;
	virtual FText GetPropertyDisplayName() const override;
	virtual bool IsEditConst() const override;
	virtual void GetOuterObjects(TArray<UObject*>& OuterObjects) const override;

	virtual FPropertyAccess::Result GetValueAsFormattedString(FString& OutValue) const override;
	virtual FPropertyAccess::Result SetValueFromFormattedString(const FString& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) override;

	virtual FPropertyAccess::Result GetValue(float& OutValue) const override;
	virtual FPropertyAccess::Result GetValue(double& OutValue) const override;
	virtual FPropertyAccess::Result GetValue(int32& OutValue) const override;
	virtual FPropertyAccess::Result GetValue(bool& OutValue) const override;
	virtual FPropertyAccess::Result GetValue(FString& OutValue) const override;
	virtual FPropertyAccess::Result SetValue(const float& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) override;
	virtual FPropertyAccess::Result SetValue(const double& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) override;
	virtual FPropertyAccess::Result SetValue(const int32& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) override;
	virtual FPropertyAccess::Result SetValue(const bool& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) override;
	virtual FPropertyAccess::Result SetValue(const FString& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) override;

	virtual void SetOnPropertyValueChanged(const FSimpleDelegate& InOnPropertyValueChanged) override;

private:
	TArray<UObject*> GetLiveObjects() const;
	/** Reads the number of a numeric property as double; false for other properties. */
	bool ReadNumber(double& OutValue) const;

	FProperty* Property;
	TArray<TWeakObjectPtr<UObject>> Objects;
	TArray<FSimpleDelegate> OnValueChanged;
};

class FDetailCategoryImpl;

class FDetailRowImpl : public IDetailPropertyRow
{
public:
	virtual TSharedPtr<IPropertyHandle> GetPropertyHandle() const override
	{
		return Handle;
	}
	virtual IDetailPropertyRow& DisplayName(const FText& InDisplayName) override
	{
		DisplayNameOverride = InDisplayName;
		return *this;
	}

	TSharedPtr<FPropertyHandleImpl> Handle;
	TSharedPtr<FDetailWidgetRow> CustomRow;
	EPropertyLocation::Type Location = EPropertyLocation::Default;
	TOptional<FText> DisplayNameOverride;
	/** The box the panel shows the property's value in (property rows, once built). */
	TWeakPtr<SEditableTextBox> ValueBox;

	bool IsCustom() const
	{
		return CustomRow.IsValid();
	}
	bool IsAdvanced() const;
	FString GetName() const;
	FString GetDisplayName() const;
	FString GetValueText() const;
};

class FDetailCategoryImpl : public IDetailCategoryBuilder
{
public:
	FDetailCategoryImpl(FDetailLayoutImpl& InLayout, FName InName, int32 InCreationIndex);

	virtual FName GetCategoryName() const override
	{
		return Name;
	}
	virtual void SetSortOrder(int32 InSortOrder) override
	{
		SortOrder = InSortOrder;
	}
	virtual int32 GetSortOrder() const override
	{
		return SortOrder;
	}
	virtual IDetailCategoryBuilder& InitiallyCollapsed(bool bShouldBeInitiallyCollapsed) override
	{
		bInitiallyCollapsed = bShouldBeInitiallyCollapsed;
		return *this;
	}
	virtual IDetailPropertyRow& AddProperty(TSharedPtr<IPropertyHandle> PropertyHandle, EPropertyLocation::Type Location = EPropertyLocation::Default) override;
	virtual IDetailPropertyRow& AddProperty(FName PropertyPath, UClass* ClassOutermost = nullptr, FName InstanceName = NAME_None, EPropertyLocation::Type Location = EPropertyLocation::Default) override;
	virtual FDetailWidgetRow& AddCustomRow(const FText& FilterString, bool bForAdvanced = false) override;

	FText GetDisplayName() const;

	FDetailLayoutImpl& Layout;
	FName Name;
	FText DisplayNameOverride;
	ECategoryPriority::Type Priority = ECategoryPriority::Default;
	int32 SortOrder;
	int32 CreationIndex;
	bool bInitiallyCollapsed = false;
	bool bAdvancedExpanded = false;
	TArray<TSharedRef<FDetailRowImpl>> Rows;
};

class FDetailLayoutImpl : public IDetailLayoutBuilder
{
public:
	FDetailLayoutImpl(const TArray<TWeakObjectPtr<UObject>>& InObjects, const UStruct* InBaseStruct, TFunction<void()> InRefresh);

	virtual void GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const override;
	virtual TSharedRef<IPropertyHandle> GetProperty(const FName PropertyPath, const UStruct* ClassOutermost = nullptr, FName InstanceName = NAME_None) const override;
	virtual IDetailCategoryBuilder& EditCategory(FName CategoryName, const FText& NewLocalizedDisplayName = FText::GetEmpty(), ECategoryPriority::Type CategoryType = ECategoryPriority::Default) override;
	virtual void HideProperty(const TSharedPtr<IPropertyHandle>& PropertyHandle) override;
	virtual void ForceRefreshDetails() override;

	TSharedRef<FPropertyHandleImpl> GetHandleImpl(FName PropertyName) const;
	FDetailCategoryImpl& FindOrAddCategory(FName CategoryName);
	/** After the customizations: every shown property that none of them placed goes to its own category. */
	void AddDefaultRows();
	/** Categories in display order. */
	TArray<TSharedRef<FDetailCategoryImpl>> GetSortedCategories() const;

	TArray<TWeakObjectPtr<UObject>> Objects;
	const UStruct* BaseStruct;
	TFunction<void()> Refresh;
	mutable TMap<FName, TSharedRef<FPropertyHandleImpl>> Handles;
	TArray<TSharedRef<FDetailCategoryImpl>> Categories;
	TSet<FName> PlacedProperties;
	TSet<FName> HiddenProperties;
};

class SDetailsView : public IDetailsView
{
public:
	SLATE_BEGIN_ARGS(SDetailsView)
	{
	}
		SLATE_ARGUMENT(FDetailsViewArgs, DetailsViewArgs)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);
	virtual ~SDetailsView();

	virtual void SetObject(UObject* InObject, bool bForceRefresh = false) override;
	virtual void SetObjects(const TArray<UObject*>& InObjects, bool bForceRefresh = false, bool bOverrideLock = false) override;
	virtual const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const override;
	virtual void ForceRefresh() override;

	const TSharedPtr<FDetailLayoutImpl>& GetLayout() const
	{
		return Layout;
	}
	TSharedPtr<SWidget> GetAdvancedExpander(FName CategoryName) const;
	int32 GetLayoutBuildCount() const
	{
		return LayoutBuildCount;
	}

private:
	void BuildLayout();
	void BuildWidgets();
	TSharedRef<SWidget> MakeRowWidget(const TSharedRef<FDetailRowImpl>& Row) const;

	FDetailsViewArgs Args;
	TArray<TWeakObjectPtr<UObject>> SelectedObjects;
	TSharedPtr<FDetailLayoutImpl> Layout;
	TArray<TSharedRef<IDetailCustomization>> Customizations;
	TMap<FName, TSharedRef<SWidget>> AdvancedExpanders;
	TMap<FName, bool> ExpandedCategories;
	int32 LayoutBuildCount = 0;
};
