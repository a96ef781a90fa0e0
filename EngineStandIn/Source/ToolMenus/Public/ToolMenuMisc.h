// Where a section or entry is inserted relative to another.
#pragma once

#include "CoreMinimal.h"

enum class EToolMenuInsertType : uint8
{
	Default,
	Before,
	After,
	First,
};

struct FToolMenuInsert
{
	FToolMenuInsert()
		: Position(EToolMenuInsertType::Default)
	{
	}

	FToolMenuInsert(FName InName, EToolMenuInsertType InPosition)
		: Name(InName)
		, Position(InPosition)
	{
	}

	bool IsDefault() const
	{
		return Position == EToolMenuInsertType::Default;
	}

	bool operator==(const FToolMenuInsert& Other) const
	{
		return Name == Other.Name && Position == Other.Position;
	}

	FName Name;
	EToolMenuInsertType Position;
};
