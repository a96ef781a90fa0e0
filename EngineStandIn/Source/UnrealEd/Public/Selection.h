#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "Selection.generated.h"

/** A set of selected objects, in the order they were selected; destroyed objects drop out. */
UCLASS(Transient)
class UNREALED_API USelection : public UObject
{
	GENERATED_BODY()

public:
	int32 Num() const;
	UObject* GetSelectedObject(const int32 InIndex) const;
	bool IsSelected(const UObject* InObject) const;

	void Select(UObject* InObject);
	void Select(UObject* InObject, bool bSelect);
	void Deselect(UObject* InObject);
	/** Deselects every object, or only those of the class. */
	void DeselectAll(UClass* InClass = nullptr);

	template<class T>
	int32 GetSelectedObjects(TArray<T*>& OutSelectedObjects) const
	{
		OutSelectedObjects.Reset();
		for (const TWeakObjectPtr<UObject>& Object : SelectedObjects)
		{
			if (T* Typed = Cast<T>(Object.Get()))
			{
				OutSelectedObjects.Add(Typed);
			}
		}
		return OutSelectedObjects.Num();
	}
	int32 GetSelectedObjects(UClass* Filter, TArray<UObject*>& OutSelectedObjects) const;

	template<class T>
	T* GetTop() const
	{
		for (const TWeakObjectPtr<UObject>& Object : SelectedObjects)
		{
			if (T* Typed = Cast<T>(Object.Get()))
			{
				return Typed;
			}
		}
		return nullptr;
	}

private:
	TArray<TWeakObjectPtr<UObject>> SelectedObjects;
};
