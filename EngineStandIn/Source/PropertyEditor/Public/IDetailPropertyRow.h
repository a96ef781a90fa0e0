#pragma once

#include "CoreMinimal.h"
#include "Templates/SharedPointer.h"

class IPropertyHandle;

/** A property's row in a details panel. */
class IDetailPropertyRow
{
public:
	virtual ~IDetailPropertyRow()
	{
	}

	virtual TSharedPtr<IPropertyHandle> GetPropertyHandle() const = 0;
	/** Replaces the name the row shows. */
	virtual IDetailPropertyRow& DisplayName(const FText& InDisplayName) = 0;
};
