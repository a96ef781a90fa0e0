#include "PropertyEditorModule.h"

#include "Modules/ModuleManager.h"
#include "Widgets/DeclarativeSyntaxSupport.h"

IMPLEMENT_MODULE(FPropertyEditorModule, PropertyEditor);

namespace
{
	/** A details view that holds the objects it shows. */
	class SStandInDetailsView : public IDetailsView
	{
	public:
		SLATE_BEGIN_ARGS(SStandInDetailsView)
		{
		}
		SLATE_END_ARGS()

		void Construct(const FArguments& InArgs)
		{
		}

		virtual void SetObject(UObject* InObject, bool bForceRefresh) override
		{
			SelectedObjects.Reset();
			if (InObject)
			{
				SelectedObjects.Add(InObject);
			}
		}

		virtual const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const override
		{
			return SelectedObjects;
		}

	private:
		TArray<TWeakObjectPtr<UObject>> SelectedObjects;
	};
}

TSharedRef<IDetailsView> FPropertyEditorModule::CreateDetailView(const FDetailsViewArgs& DetailsViewArgs)
{
	return SNew(SStandInDetailsView);
}
