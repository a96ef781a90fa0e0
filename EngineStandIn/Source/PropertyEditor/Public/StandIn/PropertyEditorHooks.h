// Hooks of the details-panel stand-in for tests and the headless editor (never included by plug-in code).
#pragma once

#include "CoreMinimal.h"
#include "DetailLayoutBuilder.h"
#include "Widgets/SWidget.h"

class IDetailsView;
class IPropertyHandle;

namespace UE::StandIn
{
	/** One row of a details panel as the user sees it. */
	struct FDetailsRowInfo
	{
		/** A property row, or a custom row of a customization. */
		bool bCustom = false;
		/** In the category's advanced section. */
		bool bAdvanced = false;
		/** Shown now: common rows always, advanced ones once their section is expanded. */
		bool bShown = false;
		/** The property's name, or the custom row's filter text. */
		FString Name;
		/** The name the row shows (property rows). */
		FString DisplayName;
		/** The value the row shows (property rows). */
		FString Value;
		TSharedPtr<IPropertyHandle> Handle;
		/** The row's widget: a custom row's content, or the property row's value box. */
		TSharedPtr<SWidget> Widget;
	};

	struct FDetailsCategoryInfo
	{
		FName Name;
		FString DisplayName;
		int32 SortOrder = 0;
		ECategoryPriority::Type Priority = ECategoryPriority::Default;
		bool bAdvancedExpanded = false;
		/** The button that shows or hides the advanced section (null without advanced rows). */
		TSharedPtr<SWidget> AdvancedExpander;
		TArray<FDetailsRowInfo> Rows;
	};

	/** The categories in the order the panel shows them, each with its rows in order. */
	PROPERTYEDITOR_API TArray<FDetailsCategoryInfo> GetDetailsCategories(const IDetailsView& DetailsView);
	/** The handle the panel's row of this property uses (null when the panel shows no such property). */
	PROPERTYEDITOR_API TSharedPtr<IPropertyHandle> FindDetailsPropertyHandle(const IDetailsView& DetailsView, FName PropertyName);
	/** How many customization instances the view has made since it was created. */
	PROPERTYEDITOR_API int32 GetDetailsLayoutBuildCount(const IDetailsView& DetailsView);
}
