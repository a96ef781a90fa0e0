#pragma once

#include "CoreMinimal.h"
#include "Templates/SharedPointer.h"

class FDetailWidgetRow;
class IDetailPropertyRow;
class IPropertyHandle;
class UClass;

namespace EPropertyLocation
{
	enum Type
	{
		/** Always shown. */
		Common,
		/** In the category's advanced section, shown once the user expands it. */
		Advanced,
		/** Where the property's metadata puts it (AdvancedDisplay or not). */
		Default,
	};
}

/** One category of a details panel, as a customization edits it. */
class IDetailCategoryBuilder
{
public:
	virtual ~IDetailCategoryBuilder()
	{
	}

	virtual FName GetCategoryName() const = 0;
	/** Lower orders come first among categories of the same priority. */
	virtual void SetSortOrder(int32 InSortOrder) = 0;
	virtual int32 GetSortOrder() const = 0;
	virtual IDetailCategoryBuilder& InitiallyCollapsed(bool bShouldBeInitiallyCollapsed) = 0;

	/** Moves the property into this category, in the order of the calls. */
	virtual IDetailPropertyRow& AddProperty(TSharedPtr<IPropertyHandle> PropertyHandle, EPropertyLocation::Type Location = EPropertyLocation::Default) = 0;
	virtual IDetailPropertyRow& AddProperty(FName PropertyPath, UClass* ClassOutermost = nullptr, FName InstanceName = NAME_None, EPropertyLocation::Type Location = EPropertyLocation::Default) = 0;
	/** A row of the customization's own widgets; FilterString is what the panel's search matches. */
	virtual FDetailWidgetRow& AddCustomRow(const FText& FilterString, bool bForAdvanced = false) = 0;
};
