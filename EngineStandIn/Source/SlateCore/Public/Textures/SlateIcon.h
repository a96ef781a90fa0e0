// FSlateIcon: an icon named by its style set and key, resolved through the style registry.
#pragma once

#include "CoreMinimal.h"

struct FSlateBrush;
class ISlateStyle;

class SLATECORE_API FSlateIcon
{
public:
	FSlateIcon();
	FSlateIcon(const FName InStyleSetName, const FName InStyleName, const FName InSmallStyleName = NAME_None, const FName InStatusOverlayStyleName = NAME_None);

	const FName& GetStyleSetName() const { return StyleSetName; }
	const FName& GetStyleName() const { return StyleName; }
	const FName& GetSmallStyleName() const { return SmallStyleName; }
	const FName& GetStatusOverlayStyleName() const { return StatusOverlayStyleName; }
	const ISlateStyle* GetStyleSet() const;
	const FSlateBrush* GetIcon() const;
	const FSlateBrush* GetSmallIcon() const;
	const FSlateBrush* GetOverlayIcon() const;
	const FSlateBrush* GetOptionalIcon() const;
	bool IsSet() const { return bIsSet; }

	bool operator==(const FSlateIcon& Other) const
	{
		return StyleSetName == Other.StyleSetName && StyleName == Other.StyleName && SmallStyleName == Other.SmallStyleName
			&& StatusOverlayStyleName == Other.StatusOverlayStyleName && bIsSet == Other.bIsSet;
	}
	bool operator!=(const FSlateIcon& Other) const { return !(*this == Other); }

private:
	FName StyleSetName;
	FName StyleName;
	FName SmallStyleName;
	FName StatusOverlayStyleName;
	bool bIsSet;
};
