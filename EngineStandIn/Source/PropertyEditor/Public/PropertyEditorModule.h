#pragma once

#include "CoreMinimal.h"
#include "Containers/Map.h"
#include "DetailsViewArgs.h"
#include "IDetailsView.h"
#include "Modules/ModuleInterface.h"
#include "PropertyEditorDelegates.h"

struct FRegisterCustomClassLayoutParams
{
	/** Where the customization runs among several for one class. */
	TOptional<int32> OptionalOrder;
};

/** The details panels of the editor and the customizations registered for them. */
class PROPERTYEDITOR_API FPropertyEditorModule : public IModuleInterface
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	/** Every details view that shows an object of the class (by name, without its prefix) uses this layout. */
	virtual void RegisterCustomClassLayout(FName ClassName, FOnGetDetailCustomizationInstance DetailLayoutDelegate,
		FRegisterCustomClassLayoutParams Params = FRegisterCustomClassLayoutParams());
	virtual void UnregisterCustomClassLayout(FName ClassName);
	/** Lets open details views build their layouts again with the registrations of now. */
	void NotifyCustomizationModuleChanged();

	virtual TSharedRef<IDetailsView> CreateDetailView(const FDetailsViewArgs& DetailsViewArgs);

	/** The layout registered for this class name, or null. */
	const FOnGetDetailCustomizationInstance* FindCustomClassLayout(FName ClassName) const;
	/** The class names with a registered layout, in registration order. */
	TArray<FName> GetCustomClassLayoutNames() const;

private:
	struct FClassLayout
	{
		FName ClassName;
		FOnGetDetailCustomizationInstance Delegate;
		FRegisterCustomClassLayoutParams Params;
	};
	TArray<FClassLayout> ClassLayouts;
	TArray<TWeakPtr<IDetailsView>> DetailViews;
};
