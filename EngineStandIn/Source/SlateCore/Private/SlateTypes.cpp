#include "Styling/SlateTypes.h"
#include "Styling/SegmentedControlStyle.h"

const FName FTextBlockStyle::TypeName(TEXT("FTextBlockStyle"));

FTextBlockStyle::FTextBlockStyle()
{
}

const FTextBlockStyle& FTextBlockStyle::GetDefault()
{
	static const FTextBlockStyle Default;
	return Default;
}

const FName FButtonStyle::TypeName(TEXT("FButtonStyle"));

FButtonStyle::FButtonStyle()
{
}

const FButtonStyle& FButtonStyle::GetDefault()
{
	static const FButtonStyle Default;
	return Default;
}

const FName FCheckBoxStyle::TypeName(TEXT("FCheckBoxStyle"));

FCheckBoxStyle::FCheckBoxStyle()
{
}

const FCheckBoxStyle& FCheckBoxStyle::GetDefault()
{
	static const FCheckBoxStyle Default;
	return Default;
}

const FName FSpinBoxStyle::TypeName(TEXT("FSpinBoxStyle"));

FSpinBoxStyle::FSpinBoxStyle()
{
}

const FSpinBoxStyle& FSpinBoxStyle::GetDefault()
{
	static const FSpinBoxStyle Default;
	return Default;
}

const FName FEditableTextStyle::TypeName(TEXT("FEditableTextStyle"));

FEditableTextStyle::FEditableTextStyle()
{
}

const FEditableTextStyle& FEditableTextStyle::GetDefault()
{
	static const FEditableTextStyle Default;
	return Default;
}

const FName FEditableTextBoxStyle::TypeName(TEXT("FEditableTextBoxStyle"));

FEditableTextBoxStyle::FEditableTextBoxStyle()
{
}

const FEditableTextBoxStyle& FEditableTextBoxStyle::GetDefault()
{
	static const FEditableTextBoxStyle Default;
	return Default;
}

const FName FComboButtonStyle::TypeName(TEXT("FComboButtonStyle"));

FComboButtonStyle::FComboButtonStyle()
{
}

const FComboButtonStyle& FComboButtonStyle::GetDefault()
{
	static const FComboButtonStyle Default;
	return Default;
}

const FName FComboBoxStyle::TypeName(TEXT("FComboBoxStyle"));

FComboBoxStyle::FComboBoxStyle()
{
}

const FComboBoxStyle& FComboBoxStyle::GetDefault()
{
	static const FComboBoxStyle Default;
	return Default;
}

const FName FTableRowStyle::TypeName(TEXT("FTableRowStyle"));

FTableRowStyle::FTableRowStyle()
{
}

const FTableRowStyle& FTableRowStyle::GetDefault()
{
	static const FTableRowStyle Default;
	return Default;
}

const FName FTableViewStyle::TypeName(TEXT("FTableViewStyle"));

FTableViewStyle::FTableViewStyle()
{
}

const FTableViewStyle& FTableViewStyle::GetDefault()
{
	static const FTableViewStyle Default;
	return Default;
}

const FName FTableColumnHeaderStyle::TypeName(TEXT("FTableColumnHeaderStyle"));

FTableColumnHeaderStyle::FTableColumnHeaderStyle()
{
}

const FTableColumnHeaderStyle& FTableColumnHeaderStyle::GetDefault()
{
	static const FTableColumnHeaderStyle Default;
	return Default;
}

const FName FSplitterStyle::TypeName(TEXT("FSplitterStyle"));

FSplitterStyle::FSplitterStyle()
{
}

const FSplitterStyle& FSplitterStyle::GetDefault()
{
	static const FSplitterStyle Default;
	return Default;
}

const FName FHeaderRowStyle::TypeName(TEXT("FHeaderRowStyle"));

FHeaderRowStyle::FHeaderRowStyle()
{
}

const FHeaderRowStyle& FHeaderRowStyle::GetDefault()
{
	static const FHeaderRowStyle Default;
	return Default;
}

const FName FScrollBoxStyle::TypeName(TEXT("FScrollBoxStyle"));

FScrollBoxStyle::FScrollBoxStyle()
{
}

const FScrollBoxStyle& FScrollBoxStyle::GetDefault()
{
	static const FScrollBoxStyle Default;
	return Default;
}

const FName FScrollBarStyle::TypeName(TEXT("FScrollBarStyle"));

FScrollBarStyle::FScrollBarStyle()
{
}

const FScrollBarStyle& FScrollBarStyle::GetDefault()
{
	static const FScrollBarStyle Default;
	return Default;
}

const FName FWindowStyle::TypeName(TEXT("FWindowStyle"));

FWindowStyle::FWindowStyle()
{
}

const FWindowStyle& FWindowStyle::GetDefault()
{
	static const FWindowStyle Default;
	return Default;
}

const FName FSegmentedControlStyle::TypeName(TEXT("FSegmentedControlStyle"));

FSegmentedControlStyle::FSegmentedControlStyle()
{
}

const FSegmentedControlStyle& FSegmentedControlStyle::GetDefault()
{
	static const FSegmentedControlStyle Default;
	return Default;
}
