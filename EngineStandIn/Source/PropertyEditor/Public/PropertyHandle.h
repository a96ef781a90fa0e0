#pragma once

#include "CoreMinimal.h"
#include "Delegates/Delegate.h"
#include "Templates/SharedPointer.h"
#include "UObject/WeakObjectPtrTemplates.h"

class FProperty;
class UObject;

namespace FPropertyAccess
{
	enum Result
	{
		MultipleValues,
		Fail,
		Success,
	};
}

namespace EPropertyValueSetFlags
{
	typedef uint32 Type;

	/** A transaction, Pre/PostEditChange and the value-changed delegates. */
	inline constexpr Type DefaultFlags = 0;
	/** No transaction (no undo step). */
	inline constexpr Type NotTransactable = 1 << 0;
	/** Part of a drag: PostEditChange reports an interactive change. */
	inline constexpr Type InteractiveChange = 1 << 1;
}

/** Reads and writes one property of the objects a details view shows, as the panel's widgets do. */
class IPropertyHandle : public TSharedFromThis<IPropertyHandle>
{
public:
	virtual ~IPropertyHandle()
	{
	}

	/** False for a handle to a property that does not exist. */
	virtual bool IsValidHandle() const = 0;
	virtual FProperty* GetProperty() const = 0;
	virtual FName GetPropertyName() const = 0;
	virtual FText GetPropertyDisplayName() const = 0;
	virtual bool IsEditConst() const = 0;
	virtual void GetOuterObjects(TArray<UObject*>& OuterObjects) const = 0;

	virtual FPropertyAccess::Result GetValueAsFormattedString(FString& OutValue) const = 0;
	virtual FPropertyAccess::Result SetValueFromFormattedString(const FString& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) = 0;

	virtual FPropertyAccess::Result GetValue(float& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(double& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(int32& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(bool& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(FString& OutValue) const = 0;
	virtual FPropertyAccess::Result SetValue(const float& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) = 0;
	virtual FPropertyAccess::Result SetValue(const double& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) = 0;
	virtual FPropertyAccess::Result SetValue(const int32& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) = 0;
	virtual FPropertyAccess::Result SetValue(const bool& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) = 0;
	virtual FPropertyAccess::Result SetValue(const FString& InValue, EPropertyValueSetFlags::Type Flags = EPropertyValueSetFlags::DefaultFlags) = 0;

	/** Called after every change of the value made through the details panel. */
	virtual void SetOnPropertyValueChanged(const FSimpleDelegate& InOnPropertyValueChanged) = 0;
};
