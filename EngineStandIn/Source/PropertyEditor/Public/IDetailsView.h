#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "Widgets/SCompoundWidget.h"

class UObject;

/** A details panel: shows the properties of the objects it is given. */
class IDetailsView : public SCompoundWidget
{
public:
	virtual void SetObject(UObject* InObject, bool bForceRefresh = false) = 0;
	virtual void SetObjects(const TArray<UObject*>& InObjects, bool bForceRefresh = false, bool bOverrideLock = false) = 0;
	virtual const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const = 0;
	/** Builds the layout again from the objects shown. */
	virtual void ForceRefresh() = 0;
};
