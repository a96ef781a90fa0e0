#include "PropertyEditorModule.h"

#include "Modules/ModuleManager.h"
#include "SDetailsView.h"

IMPLEMENT_MODULE(FPropertyEditorModule, PropertyEditor);

void FPropertyEditorModule::StartupModule()
{
}

void FPropertyEditorModule::ShutdownModule()
{
	DetailViews.Empty();
	ClassLayouts.Empty();
}

void FPropertyEditorModule::RegisterCustomClassLayout(FName ClassName, FOnGetDetailCustomizationInstance DetailLayoutDelegate, FRegisterCustomClassLayoutParams Params)
{
	if (ClassName.IsNone())
	{
		return;
	}
	for (FClassLayout& Layout : ClassLayouts)
	{
		if (Layout.ClassName == ClassName)
		{
			Layout.Delegate = DetailLayoutDelegate;
			Layout.Params = Params;
			return;
		}
	}
	ClassLayouts.Add(FClassLayout{ClassName, DetailLayoutDelegate, Params});
}

void FPropertyEditorModule::UnregisterCustomClassLayout(FName ClassName)
{
	ClassLayouts.RemoveAll([ClassName](const FClassLayout& Layout) { return Layout.ClassName == ClassName; });
}

void FPropertyEditorModule::NotifyCustomizationModuleChanged()
{
	DetailViews.RemoveAll([](const TWeakPtr<IDetailsView>& View) { return !View.IsValid(); });
	const TArray<TWeakPtr<IDetailsView>> Views = DetailViews;
	for (const TWeakPtr<IDetailsView>& WeakView : Views)
	{
		if (TSharedPtr<IDetailsView> View = WeakView.Pin())
		{
			View->ForceRefresh();
		}
	}
}

TSharedRef<IDetailsView> FPropertyEditorModule::CreateDetailView(const FDetailsViewArgs& DetailsViewArgs)
{
	DetailViews.RemoveAll([](const TWeakPtr<IDetailsView>& View) { return !View.IsValid(); });
	TSharedRef<SDetailsView> View = SNew(SDetailsView)
		.DetailsViewArgs(DetailsViewArgs);
	DetailViews.Add(View);
	return View;
}

const FOnGetDetailCustomizationInstance* FPropertyEditorModule::FindCustomClassLayout(FName ClassName) const
{
	for (const FClassLayout& Layout : ClassLayouts)
	{
		if (Layout.ClassName == ClassName)
		{
			return &Layout.Delegate;
		}
	}
	return nullptr;
}

TArray<FName> FPropertyEditorModule::GetCustomClassLayoutNames() const
{
	TArray<FName> Names;
	for (const FClassLayout& Layout : ClassLayouts)
	{
		Names.Add(Layout.ClassName);
	}
	return Names;
}
