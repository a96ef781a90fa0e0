#include "StandInTesting/DetailsDriver.h"

#include "IDetailsView.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "PropertyHandle.h"
#include "StandIn/NumericEntryHooks.h"
#include "StandIn/PropertyEditorHooks.h"
#include "StandInTesting/SlateDriver.h"
#include "UObject/UnrealType.h"
#include "Widgets/Input/SButton.h"

#include <limits>

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
		const TSharedPtr<IPropertyHandle> Handle = UE::StandIn::FindDetailsPropertyHandle(DetailsView, FName(*PropertyName));
		// Names compare as the engine's do, without case; a property the panel does not show cannot be typed into.
		if (!Handle.IsValid())
		{
			OutError = FString::Printf(TEXT("the details panel shows no property \"%s\""), *PropertyName);
			return false;
		}
		if (Handle->IsEditConst())
		{
			OutError = FString::Printf(TEXT("the property \"%s\" is read-only in the details panel"), *PropertyName);
			return false;
		}
		// A number row commits through its number box, which reads the text as one finite number or refuses
		// it, and keeps the number within what the property's type holds.
		const FProperty* Property = Handle->GetProperty();
		if (CastField<FFloatProperty>(Property) || CastField<FDoubleProperty>(Property) || CastField<FIntProperty>(Property))
		{
			const TOptional<double> Number = UE::StandIn::ParseTypedNumber(Value);
			if (!Number.IsSet())
			{
				OutError = FString::Printf(TEXT("the number box of \"%s\" refused the text '%s' (not a finite number); the value stays as it was"),
					*PropertyName, *Value);
				return false;
			}
			FPropertyAccess::Result Result = FPropertyAccess::Fail;
			if (CastField<FIntProperty>(Property))
			{
				Result = Handle->SetValue(int32(FMath::Clamp(Number.GetValue(), double(std::numeric_limits<int32>::min()), double(std::numeric_limits<int32>::max()))));
			}
			else
			{
				const double Limit = CastField<FFloatProperty>(Property) ? double(std::numeric_limits<float>::max()) : std::numeric_limits<double>::max();
				Result = Handle->SetValue(FMath::Clamp(Number.GetValue(), -Limit, Limit));
			}
			if (Result != FPropertyAccess::Success)
			{
				OutError = FString::Printf(TEXT("the property \"%s\" did not take %s"), *PropertyName, *Value);
				return false;
			}
			return true;
		}
		if (Handle->SetValueFromFormattedString(Value) != FPropertyAccess::Success)
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
