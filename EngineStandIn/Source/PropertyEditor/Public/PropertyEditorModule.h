// The property editor module: makes details views.
#pragma once

#include "CoreMinimal.h"
#include "DetailsViewArgs.h"
#include "IDetailsView.h"
#include "Modules/ModuleInterface.h"

class PROPERTYEDITOR_API FPropertyEditorModule : public IModuleInterface
{
public:
	virtual TSharedRef<IDetailsView> CreateDetailView(const FDetailsViewArgs& DetailsViewArgs);
};
