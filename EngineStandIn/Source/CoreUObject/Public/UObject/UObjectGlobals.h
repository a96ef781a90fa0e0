// Object creation, lookup and loading.
#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
#include "UObject/UObjectBase.h"

class UObject;
class UClass;
class UPackage;
class UPackageMap;
class FObjectInstancingGraph;
class FLinkerInstancingContext;
class FReferenceCollector;

COREUOBJECT_API DECLARE_LOG_CATEGORY_EXTERN(LogUObjectGlobals, Log, All);

/** The package that holds objects that are never saved. */
COREUOBJECT_API UPackage* GetTransientPackage();

/** Finds the package of that name, or creates it. */
COREUOBJECT_API UPackage* CreatePackage(const TCHAR* PackageName);

/** Finds a package already in memory. */
COREUOBJECT_API UPackage* FindPackage(UObject* InOuter, const TCHAR* PackageName);

/** A name "<ClassName>_<N>" that no object of Outer has yet. */
COREUOBJECT_API FName MakeUniqueObjectName(UObject* Outer, const UClass* Class, FName InBaseName = NAME_None);

/**
 * The record of an object under construction: UObject's constructor reads the class, outer, name and
 * flags from the innermost one, as the engine's does.
 */
class COREUOBJECT_API FObjectInitializer
{
public:
	FObjectInitializer();
	FObjectInitializer(UObject* InObj, UObject* InObjectArchetype, bool bInCopyTransientsFromClassDefaults = false, bool bInShouldInitializeProps = true);
	~FObjectInitializer();

	FObjectInitializer(const FObjectInitializer&) = delete;
	FObjectInitializer& operator=(const FObjectInitializer&) = delete;

	/** The initializer of the innermost object under construction. */
	static FObjectInitializer& Get();

	UObject* GetObj() const
	{
		return Obj;
	}

	UClass* GetClass() const;

	UObject* GetArchetype() const
	{
		return ObjectArchetype;
	}

	/** Creates a subobject of the object under construction. */
	template<class TReturnType>
	TReturnType* CreateDefaultSubobject(UObject* Outer, FName SubobjectName, bool bTransient = false) const;

	template<class TReturnType, class TClassToConstructByDefault>
	TReturnType* CreateDefaultSubobject(UObject* Outer, FName SubobjectName, bool bTransient = false) const;

	UObject* CreateDefaultSubobject(UObject* Outer, FName SubobjectFName, const UClass* ReturnType, const UClass* ClassToCreateByDefault, bool bIsRequired = true, bool bIsTransient = false) const;

	// Filled by StaticConstructObject_Internal and read by UObject's constructor.
	UObject* Obj = nullptr;
	UObject* ObjectArchetype = nullptr;
	UClass* PendingClass = nullptr;
	UObject* PendingOuter = nullptr;
	FName PendingName;
	EObjectFlags PendingFlags = RF_NoFlags;
	bool bIsPending = false;
	bool bCopyTransientsFromClassDefaults = false;
};

/** What StaticConstructObject_Internal needs to make an object. */
struct FStaticConstructObjectParameters
{
	explicit FStaticConstructObjectParameters(const UClass* InClass)
		: Class(InClass)
	{
	}

	const UClass* Class = nullptr;
	UObject* Outer = nullptr;
	FName Name;
	EObjectFlags SetFlags = RF_NoFlags;
	EInternalObjectFlags InternalSetFlags = EInternalObjectFlags::None;
	bool bCopyTransientsFromClassDefaults = false;
	bool bAssumeTemplateIsArchetype = false;
	UObject* Template = nullptr;
	FObjectInstancingGraph* InstanceGraph = nullptr;
	UPackage* ExternalPackage = nullptr;
};

COREUOBJECT_API UObject* StaticConstructObject_Internal(const FStaticConstructObjectParameters& Params);

namespace UE::CoreUObject::Private
{
	COREUOBJECT_API bool IsChildOfClass(const UClass* Class, const UClass* Base);
	COREUOBJECT_API const TCHAR* GetClassNameForMessages(const UClass* Class);
}

/** The class default object of T, read-only (defined in UObject/Class.h). */
template<class T>
const T* GetDefault();

template<class T>
T* NewObject(UObject* Outer, const UClass* Class, FName Name = NAME_None, EObjectFlags Flags = RF_NoFlags, UObject* Template = nullptr, bool bCopyTransientsFromClassDefaults = false, FObjectInstancingGraph* InInstanceGraph = nullptr, UPackage* InExternalPackage = nullptr)
{
	checkf(Class, TEXT("NewObject called with a null class"));
	checkf(UE::CoreUObject::Private::IsChildOfClass(Class, StaticClass<T>()), TEXT("NewObject: class %s is not a child of %s"),
		UE::CoreUObject::Private::GetClassNameForMessages(Class), UE::CoreUObject::Private::GetClassNameForMessages(StaticClass<T>()));
	FStaticConstructObjectParameters Params(Class);
	Params.Outer = Outer;
	Params.Name = Name;
	Params.SetFlags = Flags;
	Params.Template = Template;
	Params.bCopyTransientsFromClassDefaults = bCopyTransientsFromClassDefaults;
	Params.InstanceGraph = InInstanceGraph;
	Params.ExternalPackage = InExternalPackage;
	return static_cast<T*>(StaticConstructObject_Internal(Params));
}

template<class T>
T* NewObject(UObject* Outer = (UObject*)GetTransientPackage())
{
	FStaticConstructObjectParameters Params(StaticClass<T>());
	Params.Outer = Outer;
	return static_cast<T*>(StaticConstructObject_Internal(Params));
}

template<class T>
T* NewObject(UObject* Outer, FName Name, EObjectFlags Flags = RF_NoFlags, UObject* Template = nullptr, bool bCopyTransientsFromClassDefaults = false, FObjectInstancingGraph* InInstanceGraph = nullptr)
{
	FStaticConstructObjectParameters Params(StaticClass<T>());
	Params.Outer = Outer;
	Params.Name = Name;
	Params.SetFlags = Flags;
	Params.Template = Template;
	Params.bCopyTransientsFromClassDefaults = bCopyTransientsFromClassDefaults;
	Params.InstanceGraph = InInstanceGraph;
	return static_cast<T*>(StaticConstructObject_Internal(Params));
}

template<class TReturnType>
TReturnType* FObjectInitializer::CreateDefaultSubobject(UObject* Outer, FName SubobjectName, bool bTransient) const
{
	UClass* ReturnType = StaticClass<TReturnType>();
	return static_cast<TReturnType*>(CreateDefaultSubobject(Outer, SubobjectName, ReturnType, ReturnType, true, bTransient));
}

template<class TReturnType, class TClassToConstructByDefault>
TReturnType* FObjectInitializer::CreateDefaultSubobject(UObject* Outer, FName SubobjectName, bool bTransient) const
{
	return static_cast<TReturnType*>(CreateDefaultSubobject(Outer, SubobjectName, StaticClass<TReturnType>(), StaticClass<TClassToConstructByDefault>(), true, bTransient));
}

/**
 * Finds an object by name. With a null outer, Name is a full path ("/Package/Path.Object" or
 * "/Package/Path.Outer:Sub"); otherwise a name inside Outer.
 */
COREUOBJECT_API UObject* StaticFindObject(UClass* Class, UObject* InOuter, const TCHAR* Name, bool bExactClass = false);
COREUOBJECT_API UObject* StaticFindObjectFast(UClass* Class, UObject* InOuter, FName InName, bool bExactClass = false);

template<class T>
T* FindObject(UObject* Outer, const TCHAR* Name, bool bExactClass = false)
{
	return static_cast<T*>(StaticFindObject(StaticClass<T>(), Outer, Name, bExactClass));
}

template<class T>
T* FindObjectFast(UObject* Outer, FName Name, bool bExactClass = false)
{
	return static_cast<T*>(StaticFindObjectFast(StaticClass<T>(), Outer, Name, bExactClass));
}

template<class T>
T* FindObjectChecked(UObject* Outer, const TCHAR* Name, bool bExactClass = false)
{
	UObject* Result = StaticFindObject(StaticClass<T>(), Outer, Name, bExactClass);
	checkf(Result, TEXT("Failed to find object '%s'"), Name);
	return static_cast<T*>(Result);
}

/** Finds an object in memory or loads it; a path that cannot be found logs a warning and returns null. */
COREUOBJECT_API UObject* StaticLoadObject(UClass* Class, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename = nullptr, uint32 LoadFlags = LOAD_None, UPackageMap* Sandbox = nullptr, bool bAllowObjectReconciliation = true, const FLinkerInstancingContext* InstancingContext = nullptr);

COREUOBJECT_API UClass* StaticLoadClass(UClass* BaseClass, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename = nullptr, uint32 LoadFlags = LOAD_None, UPackageMap* Sandbox = nullptr);

template<class T>
T* LoadObject(UObject* Outer, const TCHAR* Name, const TCHAR* Filename = nullptr, uint32 LoadFlags = LOAD_None, UPackageMap* Sandbox = nullptr, const FLinkerInstancingContext* InstancingContext = nullptr)
{
	return static_cast<T*>(StaticLoadObject(StaticClass<T>(), Outer, Name, Filename, LoadFlags, Sandbox, true, InstancingContext));
}

template<class T>
UClass* LoadClass(UObject* Outer, const TCHAR* Name, const TCHAR* Filename = nullptr, uint32 LoadFlags = LOAD_None, UPackageMap* Sandbox = nullptr)
{
	return StaticLoadClass(StaticClass<T>(), Outer, Name, Filename, LoadFlags, Sandbox);
}

/** Deletes every object marked as garbage that is not in the root set. No reachability analysis. */
COREUOBJECT_API void CollectGarbage(EObjectFlags KeepFlags, bool bPerformFullPurge = true);

COREUOBJECT_API bool IsGarbageCollecting();

#define GARBAGE_COLLECTION_KEEPFLAGS RF_NoFlags
