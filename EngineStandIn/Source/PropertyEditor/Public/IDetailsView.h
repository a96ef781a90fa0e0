// IDetailsView: the editor's reflection-driven property panel for objects.
#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "Widgets/SCompoundWidget.h"

class UObject;

class IDetailsView : public SCompoundWidget
{
public:
	/** Shows this object's properties (null shows nothing). */
	virtual void SetObject(UObject* InObject, bool bForceRefresh = false) = 0;
	/** The objects the view shows. */
	virtual const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const = 0;
};
