#pragma once

#include "CoreMinimal.h"
#include "Templates/SharedPointer.h"
#include "UObject/WeakObjectPtrTemplates.h"

class IDetailCategoryBuilder;
class IPropertyHandle;
class UObject;
class UStruct;

namespace ECategoryPriority
{
	enum Type
	{
		Variable = 0,
		Transform,
		Important,
		TypeSpecific,
		Default,
		Uncommon,
	};
}

/** The layout of one details panel, as a customization builds it. */
class IDetailLayoutBuilder
{
public:
	virtual ~IDetailLayoutBuilder()
	{
	}

	virtual void GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const = 0;
	/** A handle to the property by name; an invalid handle (never null) when there is none. */
	virtual TSharedRef<IPropertyHandle> GetProperty(const FName PropertyPath, const UStruct* ClassOutermost = nullptr, FName InstanceName = NAME_None) const = 0;
	/** The category of that name, made on first use. */
	virtual IDetailCategoryBuilder& EditCategory(FName CategoryName, const FText& NewLocalizedDisplayName = FText::GetEmpty(), ECategoryPriority::Type CategoryType = ECategoryPriority::Default) = 0;
	virtual void HideProperty(const TSharedPtr<IPropertyHandle>& PropertyHandle) = 0;
	/** Builds the layout again (after the customization changed what it shows). */
	virtual void ForceRefreshDetails() = 0;
};
