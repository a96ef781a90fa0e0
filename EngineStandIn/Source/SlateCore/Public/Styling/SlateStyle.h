// FSlateStyleSet: the ISlateStyle that holds its values in maps and owns its brushes.
#pragma once

#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"
#include "Brushes/SlateImageBrush.h"

#include <type_traits>

class SLATECORE_API FSlateStyleSet : public ISlateStyle
{
public:
	FSlateStyleSet(const FName& InStyleSetName);
	virtual ~FSlateStyleSet();

	// Copies share nothing: each copy owns its own brushes.
	FSlateStyleSet(const FSlateStyleSet& Other);
	FSlateStyleSet& operator=(const FSlateStyleSet& Other);

	virtual const FName& GetStyleSetName() const override;
	virtual void GetResources(TArray<const FSlateBrush*>& OutResources) const override;
	virtual TSet<FName> GetStyleKeys() const override;
	virtual FString GetContentRootDir() const override { return ContentRootDir; }

	virtual void SetContentRoot(const FString& InContentRootDir);
	virtual void SetCoreContentRoot(const FString& InCoreContentRootDir);

	/** ContentRoot / RelativePath + Extension. */
	virtual FString RootToContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension);
	virtual FString RootToContentDir(const WIDECHAR* RelativePath, const TCHAR* Extension);
	virtual FString RootToContentDir(const FString& RelativePath, const TCHAR* Extension);
	virtual FString RootToContentDir(const ANSICHAR* RelativePath);
	virtual FString RootToContentDir(const WIDECHAR* RelativePath);
	virtual FString RootToContentDir(const FString& RelativePath);

	virtual FString RootToCoreContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension);
	virtual FString RootToCoreContentDir(const WIDECHAR* RelativePath, const TCHAR* Extension);
	virtual FString RootToCoreContentDir(const FString& RelativePath, const TCHAR* Extension);
	virtual FString RootToCoreContentDir(const ANSICHAR* RelativePath);
	virtual FString RootToCoreContentDir(const WIDECHAR* RelativePath);
	virtual FString RootToCoreContentDir(const FString& RelativePath);

	virtual float GetFloat(const FName PropertyName, const ANSICHAR* Specifier = nullptr, float DefaultValue = FStyleDefaults::GetFloat(), const ISlateStyle* RequestingStyle = nullptr) const override;
	virtual FVector2D GetVector(const FName PropertyName, const ANSICHAR* Specifier = nullptr, FVector2D DefaultValue = FStyleDefaults::GetVector2D(), const ISlateStyle* RequestingStyle = nullptr) const override;
	virtual const FLinearColor& GetColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FLinearColor& DefaultValue = FStyleDefaults::GetColor(), const ISlateStyle* RequestingStyle = nullptr) const override;
	virtual const FSlateColor GetSlateColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FSlateColor& DefaultValue = FStyleDefaults::GetSlateColor(), const ISlateStyle* RequestingStyle = nullptr) const override;
	virtual const FMargin& GetMargin(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FMargin& DefaultValue = FStyleDefaults::GetMargin(), const ISlateStyle* RequestingStyle = nullptr) const override;
	virtual const FSlateBrush* GetBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const ISlateStyle* RequestingStyle = nullptr) const override;
	virtual const FSlateBrush* GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FSlateBrush* const DefaultBrush = FStyleDefaults::GetNoBrush()) const override;
	virtual const FSlateBrush* GetDefaultBrush() const override;
	virtual FSlateFontInfo GetFontStyle(const FName PropertyName, const ANSICHAR* Specifier = nullptr) const override;

	void Set(FName PropertyName, const float InFloat) { FloatValues.Add(PropertyName, InFloat); }
	void Set(FName PropertyName, const FVector2D InVector) { Vector2DValues.Add(PropertyName, InVector); }
	void Set(FName PropertyName, const FLinearColor& InColor) { ColorValues.Add(PropertyName, InColor); }
	void Set(FName PropertyName, const FColor& InColor) { ColorValues.Add(PropertyName, FLinearColor(InColor)); }
	void Set(FName PropertyName, const FSlateColor& InColor) { SlateColorValues.Add(PropertyName, InColor); }
	void Set(FName PropertyName, const FMargin& InMargin) { MarginValues.Add(PropertyName, InMargin); }
	void Set(FName PropertyName, const FSlateFontInfo& InFontInfo) { FontInfoResources.Add(PropertyName, InFontInfo); }

	/** Takes ownership of the brush; a brush already under the key is deleted. */
	void Set(FName PropertyName, FSlateBrush* InBrush);

	/** Stores a copy of the widget style. */
	template <typename DefinitionType>
		requires std::is_base_of_v<FSlateWidgetStyle, DefinitionType>
	void Set(FName PropertyName, const DefinitionType& InStyleDefinition)
	{
		WidgetStyleValues.Add(PropertyName, MakeShareable(new DefinitionType(InStyleDefinition)));
	}

protected:
	virtual const FSlateWidgetStyle* GetWidgetStyleInternal(const FName DesiredTypeName, const FName StyleName, const FSlateWidgetStyle* DefaultStyle, bool bWarnIfNotFound) const override;
	virtual void LogMissingResource(EStyleMessageSeverity Severity, const FText& Message, const FName& MissingResource) const override;

	FName StyleSetName;
	FString ContentRootDir;
	FString CoreContentRootDir;

	TMap<FName, TSharedRef<FSlateWidgetStyle>> WidgetStyleValues;
	TMap<FName, float> FloatValues;
	TMap<FName, FVector2D> Vector2DValues;
	TMap<FName, FLinearColor> ColorValues;
	TMap<FName, FSlateColor> SlateColorValues;
	TMap<FName, FMargin> MarginValues;
	TMap<FName, FSlateBrush*> BrushResources;
	TMap<FName, FSlateFontInfo> FontInfoResources;

	/** The brush a missing key resolves to. */
	FSlateBrush* DefaultBrush;

	mutable TSet<FName> MissingResources;

private:
	void CopyFrom(const FSlateStyleSet& Other);
	void DeleteBrushes();
};
