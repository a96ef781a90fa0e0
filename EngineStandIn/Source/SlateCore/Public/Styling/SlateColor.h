// FSlateColor: a colour given directly, by the style's colour table, or as "use the foreground".
#pragma once

#include "CoreMinimal.h"

class FWidgetStyle;

enum class ESlateColorStylingMode : uint8
{
	UseColor_Specified,
	UseColor_ColorTable,
	UseColor_Foreground,
	UseColor_Foreground_Subdued,
	UseColor_UseStyle,
};

enum class EStyleColor : uint8
{
	Black,
	Background,
	Title,
	WindowBorder,
	Foreground,
	ForegroundHover,
	ForegroundInverted,
	ForegroundHeader,
	Select,
	SelectInactive,
	SelectParent,
	SelectHover,
	Primary,
	PrimaryHover,
	PrimaryPress,
	Secondary,
	Warning,
	Error,
	Success,
	Hover,
	Hover2,
	White,
	Panel,
	Header,
	Dropdown,
	DropdownOutline,
	Recessed,
	Highlight,
	InputOutline,
	AccentBlue,
	AccentPurple,
	AccentPink,
	AccentRed,
	AccentOrange,
	AccentYellow,
	AccentGreen,
	AccentBrown,
	AccentBlack,
	AccentGray,
	AccentWhite,
	AccentFolder,
	Transparent,
	Input,
	Notifications,
	MAX
};

struct SLATECORE_API FSlateColor
{
	FSlateColor()
		: SpecifiedColor(FLinearColor(1.f, 0.f, 1.f, 1.f))
		, ColorUseRule(ESlateColorStylingMode::UseColor_UseStyle)
	{
	}

	FSlateColor(const FLinearColor& InColor)
		: SpecifiedColor(InColor)
		, ColorUseRule(ESlateColorStylingMode::UseColor_Specified)
	{
	}

	FSlateColor(EStyleColor InColorTableId)
		: SpecifiedColor(FLinearColor(1.f, 0.f, 1.f, 1.f))
		, ColorUseRule(ESlateColorStylingMode::UseColor_ColorTable)
		, ColorTableId(InColorTableId)
	{
	}

	/** The colour to draw with: the specified or table colour, or the widget style's foreground. */
	const FLinearColor& GetColor(const FWidgetStyle& InWidgetStyle) const;

	/** The colour as given (the table's entry for a table colour); magenta when it follows the foreground. */
	FLinearColor GetSpecifiedColor() const;

	bool IsColorSpecified() const { return ColorUseRule == ESlateColorStylingMode::UseColor_Specified; }
	ESlateColorStylingMode GetColorUseRule() const { return ColorUseRule; }
	EStyleColor GetColorTableId() const { return ColorTableId; }

	static FSlateColor UseForeground() { return FSlateColor(ESlateColorStylingMode::UseColor_Foreground); }
	static FSlateColor UseSubduedForeground() { return FSlateColor(ESlateColorStylingMode::UseColor_Foreground_Subdued); }
	static FSlateColor UseStyle() { return FSlateColor(ESlateColorStylingMode::UseColor_UseStyle); }

	bool operator==(const FSlateColor& Other) const
	{
		return SpecifiedColor == Other.SpecifiedColor && ColorUseRule == Other.ColorUseRule && ColorTableId == Other.ColorTableId;
	}
	bool operator!=(const FSlateColor& Other) const { return !(*this == Other); }

	/** The colour table behind EStyleColor (the editor's dark theme). */
	static const FLinearColor& GetColorTableColor(EStyleColor InId);

private:
	explicit FSlateColor(ESlateColorStylingMode InColorUseRule)
		: SpecifiedColor(FLinearColor(1.f, 0.f, 1.f, 1.f))
		, ColorUseRule(InColorUseRule)
	{
	}

	FLinearColor SpecifiedColor;
	ESlateColorStylingMode ColorUseRule;
	EStyleColor ColorTableId = EStyleColor::MAX;
};
