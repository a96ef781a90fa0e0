// FAppStyle: the application's style (the editor's "EditorStyle") and shortcuts into it.
#pragma once

#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"

class SLATECORE_API FAppStyle
{
public:
	static const ISlateStyle& Get();
	static const FName GetAppStyleSetName();
	static void SetAppStyleSetName(const FName& InName);
	static void SetAppStyleSet(const ISlateStyle& InStyle);

	template <typename WidgetStyleType>
	static const WidgetStyleType& GetWidgetStyle(FName PropertyName, const ANSICHAR* Specifier = nullptr)
	{
		return Get().template GetWidgetStyle<WidgetStyleType>(PropertyName, Specifier);
	}

	static float GetFloat(FName PropertyName, const ANSICHAR* Specifier = nullptr) { return Get().GetFloat(PropertyName, Specifier); }
	static FVector2D GetVector(FName PropertyName, const ANSICHAR* Specifier = nullptr) { return Get().GetVector(PropertyName, Specifier); }
	static const FLinearColor& GetColor(FName PropertyName, const ANSICHAR* Specifier = nullptr) { return Get().GetColor(PropertyName, Specifier); }
	static const FSlateColor GetSlateColor(FName PropertyName, const ANSICHAR* Specifier = nullptr) { return Get().GetSlateColor(PropertyName, Specifier); }
	static const FMargin& GetMargin(FName PropertyName, const ANSICHAR* Specifier = nullptr) { return Get().GetMargin(PropertyName, Specifier); }
	static const FSlateBrush* GetBrush(FName PropertyName, const ANSICHAR* Specifier = nullptr) { return Get().GetBrush(PropertyName, Specifier); }
	static const FSlateBrush* GetOptionalBrush(FName PropertyName, const ANSICHAR* Specifier = nullptr, const FSlateBrush* const DefaultBrush = FStyleDefaults::GetNoBrush())
	{
		return Get().GetOptionalBrush(PropertyName, Specifier, DefaultBrush);
	}
	static FSlateFontInfo GetFontStyle(FName PropertyName, const ANSICHAR* Specifier = nullptr) { return Get().GetFontStyle(PropertyName, Specifier); }
	static const FSlateBrush* GetDefaultBrush() { return Get().GetDefaultBrush(); }
	static const FSlateBrush* GetNoBrush() { return FStyleDefaults::GetNoBrush(); }
};
