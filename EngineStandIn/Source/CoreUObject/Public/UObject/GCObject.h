// FGCObject: lets non-UObject code report the objects it holds. The stand-in collects only objects
// marked as garbage, so the reports are recorded but do not keep anything alive.
#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectPtr.h"

class UObject;
class FProperty;

class COREUOBJECT_API FReferenceCollector
{
public:
	virtual ~FReferenceCollector() = default;

	template<class UObjectType>
	void AddReferencedObject(UObjectType*& Object, const UObject* ReferencingObject = nullptr, const FProperty* ReferencingProperty = nullptr)
	{
		HandleObjectReference((UObject*&)Object, ReferencingObject, ReferencingProperty);
	}

	template<class UObjectType>
	void AddReferencedObject(TObjectPtr<UObjectType>& Object, const UObject* ReferencingObject = nullptr, const FProperty* ReferencingProperty = nullptr)
	{
		HandleObjectReference(*(UObject**)&Object, ReferencingObject, ReferencingProperty);
	}

	template<class UObjectType>
	void AddReferencedObjects(TArray<UObjectType*>& ObjectArray, const UObject* ReferencingObject = nullptr, const FProperty* ReferencingProperty = nullptr)
	{
		for (UObjectType*& Object : ObjectArray)
		{
			AddReferencedObject(Object, ReferencingObject, ReferencingProperty);
		}
	}

	template<class UObjectType>
	void AddReferencedObjects(TArray<TObjectPtr<UObjectType>>& ObjectArray, const UObject* ReferencingObject = nullptr, const FProperty* ReferencingProperty = nullptr)
	{
		for (TObjectPtr<UObjectType>& Object : ObjectArray)
		{
			AddReferencedObject(Object, ReferencingObject, ReferencingProperty);
		}
	}

	virtual void HandleObjectReference(UObject*& InObject, const UObject* InReferencingObject, const FProperty* InReferencingProperty);

	/** What the last collection saw (for tests). */
	TArray<UObject*> Referenced;
};

class COREUOBJECT_API FGCObject
{
public:
	FGCObject();
	virtual ~FGCObject();

	FGCObject(const FGCObject&);
	FGCObject& operator=(const FGCObject&) = default;

	virtual void AddReferencedObjects(FReferenceCollector& Collector) = 0;
	virtual FString GetReferencerName() const = 0;
	virtual bool GetReferencerPropertyName(UObject* Object, FString& OutPropertyName) const
	{
		return false;
	}
};
