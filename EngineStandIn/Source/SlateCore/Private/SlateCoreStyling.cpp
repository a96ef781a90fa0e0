#include "Styling/SlateColor.h"
#include "Styling/WidgetStyle.h"
#include "Styling/SlateBrush.h"
#include "Styling/StyleColors.h"
#include "Styling/StyleDefaults.h"
#include "Brushes/SlateNoResource.h"
#include "Layout/Visibility.h"

const FLinearColor& FSlateColor::GetColorTableColor(EStyleColor InId)
{
	// The dark editor theme's values (sRGB hex converted to linear).
	static const TArray<FLinearColor> Table = []()
	{
		TArray<FLinearColor> Colors;
		Colors.SetNum((int32)EStyleColor::MAX);
		auto Set = [&Colors](EStyleColor Id, const TCHAR* Hex)
		{
			Colors[(int32)Id] = FLinearColor::FromSRGBColor(FColor::FromHex(Hex));
		};
		Set(EStyleColor::Black, TEXT("000000FF"));
		Set(EStyleColor::Background, TEXT("151515FF"));
		Set(EStyleColor::Title, TEXT("151515FF"));
		Set(EStyleColor::WindowBorder, TEXT("0F0F0FFF"));
		Set(EStyleColor::Foreground, TEXT("C0C0C0FF"));
		Set(EStyleColor::ForegroundHover, TEXT("FFFFFFFF"));
		Set(EStyleColor::ForegroundInverted, TEXT("0F0F0FFF"));
		Set(EStyleColor::ForegroundHeader, TEXT("C8C8C8FF"));
		Set(EStyleColor::Select, TEXT("0070E0FF"));
		Set(EStyleColor::SelectInactive, TEXT("00407FFF"));
		Set(EStyleColor::SelectParent, TEXT("2F3F4FFF"));
		Set(EStyleColor::SelectHover, TEXT("0F3F6FFF"));
		Set(EStyleColor::Primary, TEXT("0070E0FF"));
		Set(EStyleColor::PrimaryHover, TEXT("0E86FFFF"));
		Set(EStyleColor::PrimaryPress, TEXT("0050A0FF"));
		Set(EStyleColor::Secondary, TEXT("2F2F2FFF"));
		Set(EStyleColor::Warning, TEXT("FFB800FF"));
		Set(EStyleColor::Error, TEXT("EF3535FF"));
		Set(EStyleColor::Success, TEXT("1FE44BFF"));
		Set(EStyleColor::Hover, TEXT("575757FF"));
		Set(EStyleColor::Hover2, TEXT("808080FF"));
		Set(EStyleColor::White, TEXT("FFFFFFFF"));
		Set(EStyleColor::Panel, TEXT("242424FF"));
		Set(EStyleColor::Header, TEXT("2F2F2FFF"));
		Set(EStyleColor::Dropdown, TEXT("383838FF"));
		Set(EStyleColor::DropdownOutline, TEXT("4A4A4AFF"));
		Set(EStyleColor::Recessed, TEXT("1A1A1AFF"));
		Set(EStyleColor::Highlight, TEXT("0070E0FF"));
		Set(EStyleColor::InputOutline, TEXT("383838FF"));
		Set(EStyleColor::Input, TEXT("0F0F0FFF"));
		Set(EStyleColor::Notifications, TEXT("1A1A1AFF"));
		Set(EStyleColor::AccentBlue, TEXT("26BBFFFF"));
		Set(EStyleColor::AccentPurple, TEXT("A139BFFF"));
		Set(EStyleColor::AccentPink, TEXT("FF729CFF"));
		Set(EStyleColor::AccentRed, TEXT("FF4040FF"));
		Set(EStyleColor::AccentOrange, TEXT("FE9B07FF"));
		Set(EStyleColor::AccentYellow, TEXT("FFDC1AFF"));
		Set(EStyleColor::AccentGreen, TEXT("8BC24AFF"));
		Set(EStyleColor::AccentBrown, TEXT("804D39FF"));
		Set(EStyleColor::AccentBlack, TEXT("242424FF"));
		Set(EStyleColor::AccentGray, TEXT("808080FF"));
		Set(EStyleColor::AccentWhite, TEXT("FFFFFFFF"));
		Set(EStyleColor::AccentFolder, TEXT("B68F55FF"));
		Colors[(int32)EStyleColor::Transparent] = FLinearColor::Transparent;
		return Colors;
	}();
	static const FLinearColor Magenta(1.f, 0.f, 1.f, 1.f);
	const int32 Index = (int32)InId;
	return Index >= 0 && Index < Table.Num() ? Table[Index] : Magenta;
}

const FLinearColor& FSlateColor::GetColor(const FWidgetStyle& InWidgetStyle) const
{
	switch (ColorUseRule)
	{
	case ESlateColorStylingMode::UseColor_Foreground:
		return InWidgetStyle.GetForegroundColor();
	case ESlateColorStylingMode::UseColor_Foreground_Subdued:
		return InWidgetStyle.GetSubduedForegroundColor();
	case ESlateColorStylingMode::UseColor_ColorTable:
		return GetColorTableColor(ColorTableId);
	default:
		return SpecifiedColor;
	}
}

FLinearColor FSlateColor::GetSpecifiedColor() const
{
	if (ColorUseRule == ESlateColorStylingMode::UseColor_ColorTable)
	{
		return GetColorTableColor(ColorTableId);
	}
	return SpecifiedColor;
}

#define STYLE_COLOR(Name) const FSlateColor FStyleColors::Name(EStyleColor::Name);
STYLE_COLOR(Transparent)
STYLE_COLOR(Black)
STYLE_COLOR(Title)
STYLE_COLOR(WindowBorder)
STYLE_COLOR(Foreground)
STYLE_COLOR(ForegroundHover)
STYLE_COLOR(ForegroundInverted)
STYLE_COLOR(ForegroundHeader)
STYLE_COLOR(Input)
STYLE_COLOR(InputOutline)
STYLE_COLOR(Recessed)
STYLE_COLOR(Background)
STYLE_COLOR(Panel)
STYLE_COLOR(Header)
STYLE_COLOR(Dropdown)
STYLE_COLOR(DropdownOutline)
STYLE_COLOR(Hover)
STYLE_COLOR(Hover2)
STYLE_COLOR(White)
STYLE_COLOR(AccentBlue)
STYLE_COLOR(AccentPurple)
STYLE_COLOR(AccentPink)
STYLE_COLOR(AccentRed)
STYLE_COLOR(AccentOrange)
STYLE_COLOR(AccentYellow)
STYLE_COLOR(AccentGreen)
STYLE_COLOR(AccentBrown)
STYLE_COLOR(AccentBlack)
STYLE_COLOR(AccentGray)
STYLE_COLOR(AccentWhite)
STYLE_COLOR(AccentFolder)
STYLE_COLOR(Primary)
STYLE_COLOR(PrimaryHover)
STYLE_COLOR(PrimaryPress)
STYLE_COLOR(Secondary)
STYLE_COLOR(Select)
STYLE_COLOR(SelectInactive)
STYLE_COLOR(SelectParent)
STYLE_COLOR(SelectHover)
STYLE_COLOR(Highlight)
STYLE_COLOR(Notifications)
STYLE_COLOR(Warning)
STYLE_COLOR(Error)
STYLE_COLOR(Success)
#undef STYLE_COLOR

FSlateBrush::FSlateBrush()
	: ImageSize(FVector2f(32.f, 32.f))
	, Margin(0.f)
	, TintColor(FLinearColor::White)
	, DrawAs(ESlateBrushDrawType::Image)
	, Tiling(ESlateBrushTileType::NoTile)
	, Mirroring(ESlateBrushMirrorType::NoMirror)
	, ImageType(ESlateBrushImageType::NoImage)
{
}

FSlateBrush::FSlateBrush(ESlateBrushDrawType::Type InDrawType, const FName InResourceName, const FMargin& InMargin, ESlateBrushTileType::Type InTiling,
	ESlateBrushImageType::Type InImageType, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FLinearColor& InTint, UObject* InObjectResource,
	bool bInDynamicallyLoaded)
	: ImageSize(FVector2f(InImageSize))
	, Margin(InMargin)
	, TintColor(InTint)
	, DrawAs(InDrawType)
	, Tiling(InTiling)
	, Mirroring(ESlateBrushMirrorType::NoMirror)
	, ImageType(InImageType)
	, ResourceObject(InObjectResource)
	, ResourceName(InResourceName)
	, bIsDynamicallyLoaded(bInDynamicallyLoaded)
{
}

FSlateBrush::FSlateBrush(ESlateBrushDrawType::Type InDrawType, const FName InResourceName, const FMargin& InMargin, ESlateBrushTileType::Type InTiling,
	ESlateBrushImageType::Type InImageType, const UE::Slate::FDeprecateVector2DParameter& InImageSize, const FSlateColor& InTint, UObject* InObjectResource,
	bool bInDynamicallyLoaded)
	: ImageSize(FVector2f(InImageSize))
	, Margin(InMargin)
	, TintColor(InTint)
	, DrawAs(InDrawType)
	, Tiling(InTiling)
	, Mirroring(ESlateBrushMirrorType::NoMirror)
	, ImageType(InImageType)
	, ResourceObject(InObjectResource)
	, ResourceName(InResourceName)
	, bIsDynamicallyLoaded(bInDynamicallyLoaded)
{
}

FLinearColor FSlateBrush::GetTint(const FWidgetStyle& InWidgetStyle) const
{
	return TintColor.GetColor(InWidgetStyle);
}

void FSlateBrush::SetResourceObject(UObject* InResourceObject)
{
	ResourceObject = InResourceObject;
}

const FLinearColor& FStyleDefaults::GetColor()
{
	static const FLinearColor Default(1.f, 1.f, 1.f, 1.f);
	return Default;
}

const FSlateColor& FStyleDefaults::GetSlateColor()
{
	static const FSlateColor Default(FLinearColor(1.f, 1.f, 1.f, 1.f));
	return Default;
}

const FMargin& FStyleDefaults::GetMargin()
{
	static const FMargin Default(0.f);
	return Default;
}

const FSlateBrush* FStyleDefaults::GetNoBrush()
{
	// Never destroyed: brushes are compared by address long after start-up.
	static const FSlateNoResource* NoBrush = new FSlateNoResource();
	return NoBrush;
}

const FSlateFontInfo FStyleDefaults::GetFontInfo(float Size)
{
	return FSlateFontInfo(FName(TEXT("Roboto")), Size);
}

const EVisibility EVisibility::Visible(EVisibility::VIS_Visible);
const EVisibility EVisibility::Collapsed(EVisibility::VIS_Collapsed);
const EVisibility EVisibility::Hidden(EVisibility::VIS_Hidden);
const EVisibility EVisibility::HitTestInvisible(EVisibility::VIS_HitTestInvisible);
const EVisibility EVisibility::SelfHitTestInvisible(EVisibility::VIS_SelfHitTestInvisible);
const EVisibility EVisibility::All(EVisibility::VIS_All);

FString EVisibility::ToString() const
{
	if (*this == Visible)
	{
		return TEXT("Visible");
	}
	if (*this == Collapsed)
	{
		return TEXT("Collapsed");
	}
	if (*this == Hidden)
	{
		return TEXT("Hidden");
	}
	if (*this == HitTestInvisible)
	{
		return TEXT("HitTestInvisible");
	}
	if (*this == SelfHitTestInvisible)
	{
		return TEXT("SelfHitTestInvisible");
	}
	return TEXT("All");
}
