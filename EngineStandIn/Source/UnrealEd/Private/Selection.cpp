#include "Selection.h"

int32 USelection::Num() const
{
	int32 Count = 0;
	for (const TWeakObjectPtr<UObject>& Object : SelectedObjects)
	{
		if (Object.IsValid())
		{
			++Count;
		}
	}
	return Count;
}

UObject* USelection::GetSelectedObject(const int32 InIndex) const
{
	int32 Index = 0;
	for (const TWeakObjectPtr<UObject>& Object : SelectedObjects)
	{
		if (UObject* Live = Object.Get())
		{
			if (Index == InIndex)
			{
				return Live;
			}
			++Index;
		}
	}
	return nullptr;
}

bool USelection::IsSelected(const UObject* InObject) const
{
	if (InObject == nullptr)
	{
		return false;
	}
	for (const TWeakObjectPtr<UObject>& Object : SelectedObjects)
	{
		if (Object.Get() == InObject)
		{
			return true;
		}
	}
	return false;
}

void USelection::Select(UObject* InObject)
{
	if (InObject != nullptr && !IsSelected(InObject))
	{
		SelectedObjects.Add(InObject);
	}
}

void USelection::Select(UObject* InObject, bool bSelect)
{
	if (bSelect)
	{
		Select(InObject);
	}
	else
	{
		Deselect(InObject);
	}
}

void USelection::Deselect(UObject* InObject)
{
	SelectedObjects.RemoveAll([InObject](const TWeakObjectPtr<UObject>& Object)
	{
		return !Object.IsValid() || Object.Get() == InObject;
	});
}

void USelection::DeselectAll(UClass* InClass)
{
	SelectedObjects.RemoveAll([InClass](const TWeakObjectPtr<UObject>& Object)
	{
		const UObject* Live = Object.Get();
		return Live == nullptr || InClass == nullptr || Live->IsA(InClass);
	});
}

int32 USelection::GetSelectedObjects(UClass* Filter, TArray<UObject*>& OutSelectedObjects) const
{
	OutSelectedObjects.Reset();
	for (const TWeakObjectPtr<UObject>& Object : SelectedObjects)
	{
		UObject* Live = Object.Get();
		if (Live != nullptr && (Filter == nullptr || Live->IsA(Filter)))
		{
			OutSelectedObjects.Add(Live);
		}
	}
	return OutSelectedObjects.Num();
}
