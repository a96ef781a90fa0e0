// The registry of style sets by name.
#pragma once

#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"

class SLATECORE_API FSlateStyleRegistry
{
public:
	/** Registers a style; its name must not be registered yet. */
	static void RegisterSlateStyle(const ISlateStyle& InSlateStyle);
	static void UnRegisterSlateStyle(const ISlateStyle& InSlateStyle);
	static void UnRegisterSlateStyle(const FName StyleSetName);
	static const ISlateStyle* FindSlateStyle(const FName& InSlateStyleName);
	/** Calls the callback for every registered style until it returns false; false if stopped early. */
	static bool IterateAllStyles(TFunctionRef<bool(const ISlateStyle&)> Iter);
	static void GetAllResources(TArray<const FSlateBrush*>& OutResources);
};
