// ISlateStyle: a named collection of brushes, colours, fonts and widget styles looked up by key.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Styling/SlateWidgetStyle.h"
#include "Styling/StyleDefaults.h"
#include "Fonts/SlateFontInfo.h"

enum class EStyleMessageSeverity : uint8
{
	CriticalError,
	Error,
	PerformanceWarning,
	Warning,
	Info,
};

class SLATECORE_API ISlateStyle
{
public:
	ISlateStyle()
	{
	}
	virtual ~ISlateStyle()
	{
	}

	virtual const FName& GetStyleSetName() const = 0;
	virtual void GetResources(TArray<const FSlateBrush*>& OutResources) const = 0;
	/** Every key the style holds (brushes, colours, widget styles, ...). */
	virtual TSet<FName> GetStyleKeys() const = 0;
	virtual FString GetContentRootDir() const = 0;

	/** The widget style of type T under the key; when absent, a warning and T's default (or DefaultValue). */
	template <typename WidgetStyleType>
	const WidgetStyleType& GetWidgetStyle(FName PropertyName, const ANSICHAR* Specifier = nullptr, const WidgetStyleType* DefaultValue = nullptr, bool bWarnIfNotFound = true) const
	{
		const FSlateWidgetStyle* ExistingStyle = GetWidgetStyleInternal(WidgetStyleType::TypeName, Join(PropertyName, Specifier), DefaultValue, bWarnIfNotFound);
		if (ExistingStyle == nullptr)
		{
			return DefaultValue ? *DefaultValue : WidgetStyleType::GetDefault();
		}
		return *static_cast<const WidgetStyleType*>(ExistingStyle);
	}

	template <typename WidgetStyleType>
	bool HasWidgetStyle(FName PropertyName, const ANSICHAR* Specifier = nullptr) const
	{
		return GetWidgetStyleInternal(WidgetStyleType::TypeName, Join(PropertyName, Specifier), nullptr, false) != nullptr;
	}

	virtual float GetFloat(const FName PropertyName, const ANSICHAR* Specifier = nullptr, float DefaultValue = FStyleDefaults::GetFloat(), const ISlateStyle* RequestingStyle = nullptr) const = 0;
	virtual FVector2D GetVector(const FName PropertyName, const ANSICHAR* Specifier = nullptr, FVector2D DefaultValue = FStyleDefaults::GetVector2D(), const ISlateStyle* RequestingStyle = nullptr) const = 0;
	virtual const FLinearColor& GetColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FLinearColor& DefaultValue = FStyleDefaults::GetColor(), const ISlateStyle* RequestingStyle = nullptr) const = 0;
	virtual const FSlateColor GetSlateColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FSlateColor& DefaultValue = FStyleDefaults::GetSlateColor(), const ISlateStyle* RequestingStyle = nullptr) const = 0;
	virtual const FMargin& GetMargin(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FMargin& DefaultValue = FStyleDefaults::GetMargin(), const ISlateStyle* RequestingStyle = nullptr) const = 0;
	virtual const FSlateBrush* GetBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const ISlateStyle* RequestingStyle = nullptr) const = 0;
	virtual const FSlateBrush* GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FSlateBrush* const DefaultBrush = FStyleDefaults::GetNoBrush()) const = 0;
	virtual const FSlateBrush* GetDefaultBrush() const = 0;
	virtual const FSlateBrush* GetNoBrush() const { return FStyleDefaults::GetNoBrush(); }
	virtual FSlateFontInfo GetFontStyle(const FName PropertyName, const ANSICHAR* Specifier = nullptr) const = 0;

	static FName Join(FName First, const ANSICHAR* Second)
	{
		if (Second == nullptr)
		{
			return First;
		}
		return FName(*(First.ToString() + FString(Second)));
	}

protected:
	virtual const FSlateWidgetStyle* GetWidgetStyleInternal(const FName DesiredTypeName, const FName StyleName, const FSlateWidgetStyle* DefaultStyle, bool bWarnIfNotFound) const = 0;
	virtual void LogMissingResource(EStyleMessageSeverity Severity, const FText& Message, const FName& MissingResource) const = 0;
};
