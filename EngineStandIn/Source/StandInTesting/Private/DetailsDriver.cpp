#include "StandInTesting/DetailsDriver.h"

#include "IDetailsView.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "PropertyHandle.h"
#include "StandIn/PropertyEditorHooks.h"
#include "StandInTesting/SlateDriver.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"

namespace StandIn
{
	TSharedRef<IDetailsView> CreateDetailsView(UObject* Object)
	{
		FPropertyEditorModule& PropertyEditor = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
		FDetailsViewArgs Args;
		Args.NameAreaSettings = FDetailsViewArgs::HideNameArea;
		TSharedRef<IDetailsView> View = PropertyEditor.CreateDetailView(Args);
		View->SetObject(Object);
		return View;
	}

	TArray<FString> DescribeDetailsPanel(const IDetailsView& DetailsView)
	{
		TArray<FString> Lines;
		for (const UE::StandIn::FDetailsCategoryInfo& Category : UE::StandIn::GetDetailsCategories(DetailsView))
		{
			Lines.Add(FString::Printf(TEXT("%s (%s)"), *Category.Name.ToString(), *Category.DisplayName));
			int32 Hidden = 0;
			for (const UE::StandIn::FDetailsRowInfo& Row : Category.Rows)
			{
				if (!Row.bShown)
				{
					++Hidden;
					continue;
				}
				const TCHAR* Suffix = Row.bAdvanced ? TEXT(" (advanced)") : TEXT("");
				if (Row.bCustom)
				{
					const TArray<FString> Texts = Row.Widget.IsValid() ? GetTextBlockTexts(Row.Widget.ToSharedRef()) : TArray<FString>();
					Lines.Add(FString::Printf(TEXT("  [%s]%s"), *FString::Join(Texts, TEXT(" ")), Suffix));
				}
				else
				{
					Lines.Add(FString::Printf(TEXT("  %s: %s%s"), *Row.DisplayName, *Row.Value, Suffix));
				}
			}
			if (Hidden > 0)
			{
				Lines.Add(FString::Printf(TEXT("  Advanced: %d hidden"), Hidden));
			}
		}
		return Lines;
	}

	int32 ExpandAllAdvancedSections(const IDetailsView& DetailsView)
	{
		int32 Opened = 0;
		for (const UE::StandIn::FDetailsCategoryInfo& Category : UE::StandIn::GetDetailsCategories(DetailsView))
		{
			if (!Category.bAdvancedExpanded && Category.AdvancedExpander.IsValid() && ClickWidget(Category.AdvancedExpander.ToSharedRef()))
			{
				++Opened;
			}
		}
		return Opened;
	}

	bool SetDetailsProperty(const IDetailsView& DetailsView, const FString& PropertyName, const FString& Value, FString& OutError)
	{
		// Names compare as the engine's do, without case; a property the panel does not show cannot be typed into.
		const auto FindRow = [&DetailsView, &PropertyName](bool& bOutSectionOpen, TSharedPtr<SWidget>& OutExpander)
		{
			UE::StandIn::FDetailsRowInfo Found;
			for (const UE::StandIn::FDetailsCategoryInfo& Category : UE::StandIn::GetDetailsCategories(DetailsView))
			{
				for (const UE::StandIn::FDetailsRowInfo& Row : Category.Rows)
				{
					if (!Row.bCustom && Row.Handle.IsValid() && Row.Handle->GetPropertyName() == FName(*PropertyName))
					{
						bOutSectionOpen = !Row.bAdvanced || Category.bAdvancedExpanded;
						OutExpander = Category.AdvancedExpander;
						return Row;
					}
				}
			}
			return Found;
		};
		bool bSectionOpen = true;
		TSharedPtr<SWidget> Expander;
		UE::StandIn::FDetailsRowInfo Row = FindRow(bSectionOpen, Expander);
		if (!Row.Handle.IsValid() || !Row.Widget.IsValid())
		{
			OutError = FString::Printf(TEXT("the details panel shows no property \"%s\""), *PropertyName);
			return false;
		}
		if (Row.Handle->IsEditConst())
		{
			OutError = FString::Printf(TEXT("the property \"%s\" is read-only in the details panel"), *PropertyName);
			return false;
		}
		// A row of a closed advanced section is reached as a user reaches it: open the section, type, close it again.
		const bool bOpened = !bSectionOpen && Expander.IsValid() && ClickWidget(Expander.ToSharedRef());
		const TSharedRef<SEditableTextBox> Box = StaticCastSharedRef<SEditableTextBox>(Row.Widget.ToSharedRef());
		const bool bTyped = TypeText(Box, Value);
		const bool bRefused = !bTyped || Box->HasError();
		if (bOpened)
		{
			// The panel may have been rebuilt by the change: close the section through its current expander.
			FindRow(bSectionOpen, Expander);
			if (bSectionOpen && Expander.IsValid())
			{
				ClickWidget(Expander.ToSharedRef());
			}
		}
		if (bRefused)
		{
			OutError = FString::Printf(TEXT("\"%s\" is not a value of the property \"%s\""), *Value, *PropertyName);
			return false;
		}
		return true;
	}

	bool ClickDetailsButton(const IDetailsView& DetailsView, const FString& Text)
	{
		return ClickButtonWithText(ConstCastSharedRef<SWidget>(DetailsView.AsShared()), Text);
	}
}
