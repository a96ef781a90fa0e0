// UObject: the base of every reflected class.
#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
#include "UObject/UObjectBase.h"
#include "UObject/UObjectGlobals.h"
#include "Serialization/StructuredArchive.h"

#include <memory>

class UClass;
class UPackage;
class UWorld;
class FProperty;
class FReferenceCollector;
struct FPropertyChangedEvent;
struct FPropertyChangedChainEvent;

/** Name, class, outer, flags and registration in the global object array. */
class COREUOBJECT_API UObjectBase
{
public:
	virtual ~UObjectBase();

	UClass* GetClass() const
	{
		return ClassPrivate;
	}

	UObject* GetOuter() const
	{
		return OuterPrivate;
	}

	FName GetFName() const
	{
		return NamePrivate;
	}

	EObjectFlags GetFlags() const
	{
		return ObjectFlags;
	}

	uint32 GetUniqueID() const
	{
		return (uint32)InternalIndex;
	}

protected:
	UObjectBase();

public:
	// The object system's own bookkeeping; plug-in code uses the accessors above.
	EObjectFlags ObjectFlags = RF_NoFlags;
	int32 InternalIndex = INDEX_NONE;
	UClass* ClassPrivate = nullptr;
	FName NamePrivate;
	UObject* OuterPrivate = nullptr;
	std::shared_ptr<const int> LifetimeToken;
};

/** Flag, name and outer helpers. */
class COREUOBJECT_API UObjectBaseUtility : public UObjectBase
{
public:
	void SetFlags(EObjectFlags NewFlags)
	{
		ObjectFlags = (EObjectFlags)(ObjectFlags | NewFlags);
	}

	void ClearFlags(EObjectFlags FlagsToClear)
	{
		ObjectFlags = (EObjectFlags)(ObjectFlags & ~FlagsToClear);
	}

	bool HasAnyFlags(EObjectFlags FlagsToCheck) const
	{
		return (ObjectFlags & FlagsToCheck) != 0;
	}

	bool HasAllFlags(EObjectFlags FlagsToCheck) const
	{
		return (ObjectFlags & FlagsToCheck) == FlagsToCheck;
	}

	EObjectFlags GetMaskedFlags(EObjectFlags Mask = RF_AllFlags) const
	{
		return (EObjectFlags)(ObjectFlags & Mask);
	}

	FString GetName() const;
	void GetName(FString& ResultString) const;

	/** "/Package/Path.Object", "/Package/Path.Outer:Subobject". */
	FString GetPathName(const UObject* StopOuter = nullptr) const;

	/** "ClassName /Package/Path.Object". */
	FString GetFullName(const UObject* StopOuter = nullptr) const;

	/** The object's path with the class: "ClassName'/Package/Path.Object'". */
	FString GetFullGroupName(bool bStartWithOuter) const;

	UPackage* GetOutermost() const;
	UPackage* GetPackage() const;
	UObject* GetOutermostObject() const;

	bool MarkPackageDirty() const;

	void MarkAsGarbage();
	void ClearGarbage();
	bool IsGarbage() const
	{
		return HasAnyFlags(RF_MirroredGarbage);
	}

	bool IsUnreachable() const
	{
		return false;
	}

	void AddToRoot();
	void RemoveFromRoot();
	bool IsRooted() const;

	bool IsTemplate(EObjectFlags TemplateTypes = (EObjectFlags)(RF_ArchetypeObject | RF_ClassDefaultObject)) const;

	bool IsA(const UClass* SomeBase) const;

	template<class T>
	bool IsA() const
	{
		return IsA(::StaticClass<T>());
	}

	bool IsIn(const UObject* SomeOuter) const;
	bool IsInOuter(const UObject* SomeOuter) const
	{
		return IsIn(SomeOuter);
	}

	UObject* GetTypedOuter(UClass* Target) const;

	template<typename T>
	T* GetTypedOuter() const
	{
		return static_cast<T*>(GetTypedOuter(::StaticClass<T>()));
	}

	bool IsValidLowLevel() const;
	bool IsValidLowLevelFast(bool bRecursive = true) const
	{
		return IsValidLowLevel();
	}

protected:
	UObjectBaseUtility() = default;
};

class COREUOBJECT_API UObject : public UObjectBaseUtility
{
public:
	typedef UObject ThisClass;

	static UClass* StaticClass();

	UObject();
	UObject(const FObjectInitializer& ObjectInitializer);
	virtual ~UObject() override;

	UObject(const UObject&) = delete;
	UObject& operator=(const UObject&) = delete;

	/** Records the object in the open transaction (once per transaction) and marks its package dirty. */
	virtual bool Modify(bool bAlwaysMarkDirty = true);

	bool CanModify() const;

	/** Binary form: runs the record form on the archive's root record. */
	virtual void Serialize(FArchive& Ar);
	/** The stand-in keeps objects in memory only: no tagged property data is written or read. */
	virtual void Serialize(FStructuredArchive::FRecord Record);

	virtual void PostInitProperties();
	virtual void PostLoad();
	virtual void BeginDestroy();
	virtual void FinishDestroy();
	virtual bool IsReadyForFinishDestroy();
	void ConditionalBeginDestroy();

#if WITH_EDITOR
	virtual void PreEditChange(FProperty* PropertyAboutToChange);
	virtual void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent);
	virtual void PostEditChangeChainProperty(FPropertyChangedChainEvent& PropertyChangedEvent);
	virtual bool CanEditChange(const FProperty* InProperty) const;
	virtual void PreEditUndo();
	virtual void PostEditUndo();
	virtual void PostTransacted(const class FTransactionObjectEvent& TransactionEvent);
#endif

	virtual UWorld* GetWorld() const;
	virtual bool IsAsset() const;
	virtual bool IsEditorOnly() const;
	virtual FString GetDesc();
	virtual FString GetDetailedInfoInternal() const;

	static void AddReferencedObjects(UObject* InThis, FReferenceCollector& Collector);

	UObject* GetArchetype() const;

	template<class TReturnType>
	TReturnType* CreateDefaultSubobject(FName SubobjectName, bool bTransient = false)
	{
		UClass* ReturnType = ::StaticClass<TReturnType>();
		return static_cast<TReturnType*>(CreateDefaultSubobject(SubobjectName, ReturnType, ReturnType, true, bTransient));
	}

	template<class TReturnType, class TClassToConstructByDefault>
	TReturnType* CreateDefaultSubobject(FName SubobjectName, bool bTransient = false)
	{
		return static_cast<TReturnType*>(CreateDefaultSubobject(SubobjectName, ::StaticClass<TReturnType>(), ::StaticClass<TClassToConstructByDefault>(), true, bTransient));
	}

	UObject* CreateDefaultSubobject(FName SubobjectFName, UClass* ReturnType, UClass* ClassToCreateByDefault, bool bIsRequired, bool bIsTransient);

private:
	void InitFromConstruction();
};

template<>
inline UClass* StaticClass<UObject>()
{
	return UObject::StaticClass();
}

/** True if the object exists and is not marked as garbage. */
COREUOBJECT_API bool IsValid(const UObject* Test);

// The rest of the object system's API is reached through this header, as the engine's headers do.
#include "UObject/Class.h"
#include "Templates/Casts.h"
#include "UObject/ObjectPtr.h"
#include "UObject/WeakObjectPtrTemplates.h"
