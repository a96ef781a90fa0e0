// Who registered a menu entry, so an owner's entries can be removed together.
#pragma once

#include "CoreMinimal.h"

struct FToolMenuOwner
{
	FToolMenuOwner()
		: Pointer(nullptr)
	{
	}

	FToolMenuOwner(const void* InPointer)
		: Pointer(InPointer)
	{
	}

	FToolMenuOwner(const FName InName)
		: Pointer(nullptr)
		, Name(InName)
	{
	}

	FToolMenuOwner(const TCHAR* InName)
		: Pointer(nullptr)
		, Name(InName)
	{
	}

	bool IsSet() const
	{
		return Pointer != nullptr || !Name.IsNone();
	}

	FName TryGetName() const
	{
		return Name;
	}

	bool operator==(const FToolMenuOwner& Other) const
	{
		return Pointer == Other.Pointer && Name == Other.Name;
	}

	bool operator!=(const FToolMenuOwner& Other) const
	{
		return !(*this == Other);
	}

private:
	const void* Pointer;
	FName Name;
};
