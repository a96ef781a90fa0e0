// The object registry, UObject, packages, creation, lookup, loading, weak pointers and garbage.
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectIterator.h"
#include "UObject/WeakObjectPtr.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/GCObject.h"
#include "StandIn/CoreUObjectHooks.h"
#include "StandIn/DelegateObjectLifetime.h"
#include "Misc/ITransaction.h"
#include "CoreGlobals.h"
#include "Serialization/StructuredArchiveAdapters.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

DEFINE_LOG_CATEGORY(LogUObjectGlobals);

namespace UE::CoreUObject::Private
{
	void ProcessPendingRegistrations();
	std::weak_ptr<const void> GetObjectLifetimeToken(const UObject* Object);
}

/** Every live object, by index (for weak pointers) and by outer and name (for lookup). */
struct FUObjectRegistry
{
	struct FSlot
	{
		UObject* Object = nullptr;
		int32 SerialNumber = 0;
	};

	struct FNameKey
	{
		const UObject* Outer;
		std::wstring LowerName;
		bool operator==(const FNameKey& Other) const
		{
			return Outer == Other.Outer && LowerName == Other.LowerName;
		}
	};

	struct FNameKeyHash
	{
		std::size_t operator()(const FNameKey& Key) const
		{
			return std::hash<std::wstring>()(Key.LowerName) ^ (std::hash<const void*>()(Key.Outer) << 1);
		}
	};

	std::vector<FSlot> Slots;
	std::vector<int32> FreeSlots;
	int32 NextSerialNumber = 1;
	std::unordered_map<FNameKey, UObject*, FNameKeyHash> ByName;
	std::unordered_map<const void*, UObject*> ByAddress;
	bool bInitialized = true;

	static FUObjectRegistry& Get()
	{
		static FUObjectRegistry* Registry = new FUObjectRegistry();
		return *Registry;
	}

	static std::wstring Lower(const FName& Name)
	{
		std::wstring Result = *Name.ToString();
		for (wchar_t& C : Result)
		{
			C = (wchar_t)towlower(C);
		}
		return Result;
	}

	void Add(UObject* Object)
	{
		int32 Index;
		if (!FreeSlots.empty())
		{
			Index = FreeSlots.back();
			FreeSlots.pop_back();
		}
		else
		{
			Index = (int32)Slots.size();
			Slots.push_back(FSlot());
		}
		Slots[Index].Object = Object;
		Slots[Index].SerialNumber = NextSerialNumber++;
		Object->InternalIndex = Index;
		ByAddress[(const void*)Object] = Object;
	}

	void Remove(UObject* Object)
	{
		RemoveName(Object);
		ByAddress.erase((const void*)Object);
		const int32 Index = Object->InternalIndex;
		if (Index >= 0 && Index < (int32)Slots.size() && Slots[Index].Object == Object)
		{
			Slots[Index].Object = nullptr;
			Slots[Index].SerialNumber = 0;
			FreeSlots.push_back(Index);
		}
		Object->InternalIndex = INDEX_NONE;
	}

	void AddName(UObject* Object)
	{
		if (!Object->NamePrivate.IsNone())
		{
			ByName[FNameKey{ Object->OuterPrivate, Lower(Object->NamePrivate) }] = Object;
		}
	}

	void RemoveName(UObject* Object)
	{
		if (Object->NamePrivate.IsNone())
		{
			return;
		}
		auto It = ByName.find(FNameKey{ Object->OuterPrivate, Lower(Object->NamePrivate) });
		if (It != ByName.end() && It->second == Object)
		{
			ByName.erase(It);
		}
	}

	UObject* Find(const UObject* Outer, const FName& Name) const
	{
		auto It = ByName.find(FNameKey{ Outer, Lower(Name) });
		return It != ByName.end() ? It->second : nullptr;
	}

	int32 SerialOf(const UObject* Object) const
	{
		const int32 Index = Object->InternalIndex;
		return Index >= 0 && Index < (int32)Slots.size() && Slots[Index].Object == Object ? Slots[Index].SerialNumber : 0;
	}
};

namespace
{
	std::vector<FObjectInitializer*>& GetInitializerStack()
	{
		static std::vector<FObjectInitializer*> Stack;
		return Stack;
	}

	std::weak_ptr<const void> GetLifetimeToken(const void* Object)
	{
		FUObjectRegistry& Registry = FUObjectRegistry::Get();
		auto It = Registry.ByAddress.find(Object);
		if (It == Registry.ByAddress.end())
		{
			return std::weak_ptr<const void>();
		}
		return UE::CoreUObject::Private::GetObjectLifetimeToken(It->second);
	}

	struct FInstallLifetimeProvider
	{
		FInstallLifetimeProvider()
		{
			UE::StandIn::SetObjectLifetimeTokenProvider(&GetLifetimeToken);
		}
	} GInstallLifetimeProvider;

	bool GIsCollectingGarbage = false;
}

namespace UE::CoreUObject::Private
{
	std::weak_ptr<const void> GetObjectLifetimeToken(const UObject* Object);
}

// ---------------------------------------------------------------------------------------------------
// FObjectInitializer

FObjectInitializer::FObjectInitializer()
{
}

FObjectInitializer::FObjectInitializer(UObject* InObj, UObject* InObjectArchetype, bool bInCopyTransientsFromClassDefaults, bool bInShouldInitializeProps)
	: Obj(InObj)
	, ObjectArchetype(InObjectArchetype)
	, bCopyTransientsFromClassDefaults(bInCopyTransientsFromClassDefaults)
{
}

FObjectInitializer::~FObjectInitializer()
{
}

FObjectInitializer& FObjectInitializer::Get()
{
	std::vector<FObjectInitializer*>& Stack = GetInitializerStack();
	checkf(!Stack.empty(), TEXT("FObjectInitializer::Get() called outside of an object's construction (use NewObject)"));
	return *Stack.back();
}

UClass* FObjectInitializer::GetClass() const
{
	return Obj ? Obj->GetClass() : PendingClass;
}

UObject* FObjectInitializer::CreateDefaultSubobject(UObject* Outer, FName SubobjectFName, const UClass* ReturnType, const UClass* ClassToCreateByDefault, bool bIsRequired, bool bIsTransient) const
{
	check(Outer);
	const UClass* Class = ClassToCreateByDefault ? ClassToCreateByDefault : ReturnType;
	FStaticConstructObjectParameters Params(Class);
	Params.Outer = Outer;
	Params.Name = SubobjectFName;
	EObjectFlags Flags = (EObjectFlags)((Outer->GetFlags() & RF_PropagateToSubObjects) | RF_DefaultSubObject);
	if (Outer->HasAnyFlags(RF_ClassDefaultObject))
	{
		Flags = (EObjectFlags)(Flags | RF_ArchetypeObject);
	}
	if (bIsTransient)
	{
		Flags = (EObjectFlags)(Flags | RF_Transient);
	}
	Params.SetFlags = Flags;
	return StaticConstructObject_Internal(Params);
}

// ---------------------------------------------------------------------------------------------------
// UObjectBase / UObjectBaseUtility

UObjectBase::UObjectBase()
{
}

UObjectBase::~UObjectBase()
{
	LifetimeToken.reset();
	if (InternalIndex != INDEX_NONE)
	{
		FUObjectRegistry::Get().Remove(static_cast<UObject*>(this));
	}
}

FString UObjectBaseUtility::GetName() const
{
	return GetFName().ToString();
}

void UObjectBaseUtility::GetName(FString& ResultString) const
{
	ResultString = GetName();
}

FString UObjectBaseUtility::GetPathName(const UObject* StopOuter) const
{
	if (this == StopOuter)
	{
		return FString(TEXT("None"));
	}
	const UObject* Outer = GetOuter();
	if (!Outer || Outer == StopOuter)
	{
		return GetName();
	}
	FString Result = Outer->GetPathName(StopOuter);
	// Objects directly inside a package use '.', deeper subobjects ':' (as the engine's paths).
	const UObject* OuterOuter = Outer->GetOuter();
	const bool bSubobject = Outer->GetClass() != UPackage::StaticClass() && OuterOuter && OuterOuter->GetClass() == UPackage::StaticClass();
	Result += bSubobject ? TEXT(":") : TEXT(".");
	Result += GetName();
	return Result;
}

FString UObjectBaseUtility::GetFullName(const UObject* StopOuter) const
{
	FString Result = GetClass() ? GetClass()->GetName() : FString(TEXT("None"));
	Result += TEXT(" ");
	Result += GetPathName(StopOuter);
	return Result;
}

FString UObjectBaseUtility::GetFullGroupName(bool bStartWithOuter) const
{
	const UObject* Obj = bStartWithOuter ? GetOuter() : static_cast<const UObject*>(this);
	return Obj ? Obj->GetPathName(GetOutermost()) : FString();
}

UPackage* UObjectBaseUtility::GetOutermost() const
{
	const UObject* Top = static_cast<const UObject*>(this);
	while (Top->GetOuter())
	{
		Top = Top->GetOuter();
	}
	return Top->GetClass() == UPackage::StaticClass() || (Top->GetClass() && Top->GetClass()->IsChildOf(UPackage::StaticClass()))
		? (UPackage*)Top
		: nullptr;
}

UPackage* UObjectBaseUtility::GetPackage() const
{
	return GetOutermost();
}

UObject* UObjectBaseUtility::GetOutermostObject() const
{
	const UObject* Top = static_cast<const UObject*>(this);
	while (Top->GetOuter() && Top->GetOuter()->GetClass() != UPackage::StaticClass())
	{
		Top = Top->GetOuter();
	}
	return const_cast<UObject*>(Top);
}

bool UObjectBaseUtility::MarkPackageDirty() const
{
	// Transient objects are never saved, so their package need not become dirty.
	if (HasAnyFlags(RF_Transient))
	{
		return true;
	}
	UPackage* Package = GetOutermost();
	if (Package)
	{
		if (Package->HasAnyPackageFlags(PKG_PlayInEditor | PKG_CompiledIn))
		{
			return false;
		}
		if (!Package->IsDirty())
		{
			Package->SetDirtyFlag(true);
		}
	}
	return true;
}

void UObjectBaseUtility::MarkAsGarbage()
{
	if (!HasAnyFlags(RF_MirroredGarbage))
	{
		SetFlags(RF_MirroredGarbage);
		// Delegates bound to the object stop firing, as with the engine's weak pointers.
		LifetimeToken.reset();
	}
}

void UObjectBaseUtility::ClearGarbage()
{
	if (HasAnyFlags(RF_MirroredGarbage))
	{
		ClearFlags(RF_MirroredGarbage);
		LifetimeToken = std::make_shared<const int>(0);
	}
}

void UObjectBaseUtility::AddToRoot()
{
	SetFlags(RF_MarkAsRootSet);
}

void UObjectBaseUtility::RemoveFromRoot()
{
	ClearFlags(RF_MarkAsRootSet);
}

bool UObjectBaseUtility::IsRooted() const
{
	return HasAnyFlags(RF_MarkAsRootSet);
}

bool UObjectBaseUtility::IsTemplate(EObjectFlags TemplateTypes) const
{
	for (const UObject* Obj = static_cast<const UObject*>(this); Obj; Obj = Obj->GetOuter())
	{
		if (Obj->HasAnyFlags(TemplateTypes))
		{
			return true;
		}
	}
	return false;
}

bool UObjectBaseUtility::IsA(const UClass* SomeBase) const
{
	return SomeBase && GetClass() && GetClass()->IsChildOf(SomeBase);
}

bool UObjectBaseUtility::IsIn(const UObject* SomeOuter) const
{
	for (const UObject* Outer = GetOuter(); Outer; Outer = Outer->GetOuter())
	{
		if (Outer == SomeOuter)
		{
			return true;
		}
	}
	return SomeOuter == nullptr;
}

UObject* UObjectBaseUtility::GetTypedOuter(UClass* Target) const
{
	for (UObject* Outer = GetOuter(); Outer; Outer = Outer->GetOuter())
	{
		if (Outer->IsA(Target))
		{
			return Outer;
		}
	}
	return nullptr;
}

bool UObjectBaseUtility::IsValidLowLevel() const
{
	FUObjectRegistry& Registry = FUObjectRegistry::Get();
	return Registry.ByAddress.count((const void*)this) != 0 && GetClass() != nullptr;
}

// ---------------------------------------------------------------------------------------------------
// UObject

namespace UE::CoreUObject::Private
{
	std::weak_ptr<const void> GetObjectLifetimeToken(const UObject* Object)
	{
		return std::static_pointer_cast<const void>(Object->LifetimeToken);
	}
}

UObject::UObject()
{
	InitFromConstruction();
}

UObject::UObject(const FObjectInitializer& ObjectInitializer)
{
	InitFromConstruction();
}

void UObject::InitFromConstruction()
{
	std::vector<FObjectInitializer*>& Stack = GetInitializerStack();
	checkf(!Stack.empty() && Stack.back()->bIsPending, TEXT("UObjects are made with NewObject, not with new or on the stack"));
	FObjectInitializer& Initializer = *Stack.back();
	Initializer.bIsPending = false;
	Initializer.Obj = this;
	ClassPrivate = Initializer.PendingClass;
	OuterPrivate = Initializer.PendingOuter;
	NamePrivate = Initializer.PendingName;
	ObjectFlags = Initializer.PendingFlags;
	LifetimeToken = std::make_shared<const int>(0);
	FUObjectRegistry& Registry = FUObjectRegistry::Get();
	Registry.Add(this);
	Registry.AddName(this);
}

UObject::~UObject()
{
}

bool UObject::CanModify() const
{
	return !HasAnyFlags(RF_NeedInitialization) && !IsGarbage() && !IsUnreachable();
}

bool UObject::Modify(bool bAlwaysMarkDirty)
{
	bool bSavedToTransactionBuffer = false;
	if (CanModify())
	{
		UPackage* Package = GetOutermost();
		if (!Package || !Package->HasAnyPackageFlags(PKG_ContainsScript | PKG_CompiledIn))
		{
			// Only transactional objects go into the transaction, as in the engine.
			if (GUndo && HasAnyFlags(RF_Transactional) && !(Package && Package->HasAnyPackageFlags(PKG_PlayInEditor)))
			{
				if (bAlwaysMarkDirty)
				{
					MarkPackageDirty();
				}
				GUndo->SaveObject(this);
				bSavedToTransactionBuffer = true;
			}
			if (!bSavedToTransactionBuffer && bAlwaysMarkDirty)
			{
				MarkPackageDirty();
			}
		}
	}
	return bSavedToTransactionBuffer;
}

void UObject::Serialize(FArchive& Ar)
{
	FStructuredArchiveFromArchive Structured(Ar);
	Serialize(Structured.GetSlot().EnterRecord());
}

void UObject::Serialize(FStructuredArchive::FRecord Record)
{
}

void UObject::PostInitProperties()
{
}

void UObject::PostLoad()
{
}

void UObject::BeginDestroy()
{
	SetFlags(RF_BeginDestroyed);
}

void UObject::FinishDestroy()
{
	SetFlags(RF_FinishDestroyed);
}

bool UObject::IsReadyForFinishDestroy()
{
	return true;
}

void UObject::ConditionalBeginDestroy()
{
	if (!HasAnyFlags(RF_BeginDestroyed))
	{
		BeginDestroy();
	}
}

#if WITH_EDITOR
void UObject::PreEditChange(FProperty* PropertyAboutToChange)
{
}

void UObject::PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent)
{
}

void UObject::PostEditChangeChainProperty(FPropertyChangedChainEvent& PropertyChangedEvent)
{
	FPropertyChangedEvent Event(PropertyChangedEvent.Property, PropertyChangedEvent.ChangeType);
	Event.SetActiveMemberProperty(PropertyChangedEvent.MemberProperty);
	PostEditChangeProperty(Event);
}

bool UObject::CanEditChange(const FProperty* InProperty) const
{
	return InProperty && !InProperty->HasAnyPropertyFlags(CPF_EditConst);
}

void UObject::PreEditUndo()
{
}

void UObject::PostEditUndo()
{
}

void UObject::PostTransacted(const FTransactionObjectEvent& TransactionEvent)
{
}

#endif

UWorld* UObject::GetWorld() const
{
	return nullptr;
}

bool UObject::IsAsset() const
{
	return !HasAnyFlags(RF_Transient | RF_ClassDefaultObject) && GetOuter() && GetOuter()->GetClass() == UPackage::StaticClass()
		&& GetOutermost() != GetTransientPackage();
}

bool UObject::IsEditorOnly() const
{
	return false;
}

FString UObject::GetDesc()
{
	return FString();
}

FString UObject::GetDetailedInfoInternal() const
{
	return FString(TEXT("No_Detailed_Info_Specified"));
}

void UObject::AddReferencedObjects(UObject* InThis, FReferenceCollector& Collector)
{
}

UObject* UObject::GetArchetype() const
{
	if (HasAnyFlags(RF_ClassDefaultObject) || !GetClass())
	{
		return nullptr;
	}
	return GetClass()->GetDefaultObject();
}

UObject* UObject::CreateDefaultSubobject(FName SubobjectFName, UClass* ReturnType, UClass* ClassToCreateByDefault, bool bIsRequired, bool bIsTransient)
{
	FObjectInitializer Initializer;
	return Initializer.CreateDefaultSubobject(this, SubobjectFName, ReturnType, ClassToCreateByDefault, bIsRequired, bIsTransient);
}

bool IsValid(const UObject* Test)
{
	return Test && !Test->IsGarbage() && !Test->IsUnreachable();
}

bool UObjectInitialized()
{
	return FUObjectRegistry::Get().bInitialized;
}

// ---------------------------------------------------------------------------------------------------
// UPackage

UPackage::UPackage(const FObjectInitializer& ObjectInitializer)
	: UObject(ObjectInitializer)
{
}

void UPackage::SetDirtyFlag(bool bInIsDirty)
{
	if (this == GetTransientPackage())
	{
		return;
	}
	if (bInIsDirty && !bDirty)
	{
		++DirtyCount;
	}
	bDirty = bInIsDirty;
}

UPackage* GetTransientPackage()
{
	static UPackage* TransientPackage = nullptr;
	if (!TransientPackage)
	{
		TransientPackage = CreatePackage(TEXT("/Engine/Transient"));
		TransientPackage->SetFlags(RF_Transient);
		TransientPackage->AddToRoot();
	}
	return TransientPackage;
}

UPackage* FindPackage(UObject* InOuter, const TCHAR* PackageName)
{
	UObject* Found = FUObjectRegistry::Get().Find(InOuter, FName(PackageName));
	return Found && Found->IsA(UPackage::StaticClass()) ? (UPackage*)Found : nullptr;
}

UPackage* CreatePackage(const TCHAR* PackageName)
{
	if (UPackage* Existing = FindPackage(nullptr, PackageName))
	{
		return Existing;
	}
	FStaticConstructObjectParameters Params(UPackage::StaticClass());
	Params.Outer = nullptr;
	Params.Name = FName(PackageName);
	Params.SetFlags = RF_Public;
	UPackage* Package = (UPackage*)StaticConstructObject_Internal(Params);
	if (FString(PackageName).StartsWith(TEXT("/Script/")))
	{
		Package->SetPackageFlags(PKG_CompiledIn | PKG_ContainsScript);
	}
	return Package;
}

// ---------------------------------------------------------------------------------------------------
// Creation

namespace UE::CoreUObject::Private
{
	bool IsChildOfClass(const UClass* Class, const UClass* Base)
	{
		return Class && Class->IsChildOf(Base);
	}

	const TCHAR* GetClassNameForMessages(const UClass* Class)
	{
		static FString Buffer;
		Buffer = Class ? Class->GetName() : FString(TEXT("None"));
		return *Buffer;
	}

	UObject* CannotConstructAbstract(const FObjectInitializer& ObjectInitializer)
	{
		return nullptr;
	}

	void CastCheckFailed(const UObject* Object, const UClass* Class)
	{
		checkf(false, TEXT("Cast of %s to %s failed"), Object ? *Object->GetFullName() : TEXT("nullptr"),
			Class ? *Class->GetName() : TEXT("None"));
	}

	void CopyPropertiesFrom(UObject* Dest, const UObject* Src, bool bCopyTransients)
	{
		UClass* Class = Dest->GetClass();
		if (!Src || (!Src->GetClass()->IsChildOf(Class) && !Class->IsChildOf(Src->GetClass())))
		{
			return;
		}
		const UClass* Common = Src->GetClass()->IsChildOf(Class) ? Class : Src->GetClass();
		for (TFieldIterator<FProperty> It(Common); It; ++It)
		{
			if (!bCopyTransients && It->HasAnyPropertyFlags(CPF_Transient | CPF_DuplicateTransient))
			{
				continue;
			}
			It->CopyCompleteValue_InContainer(Dest, Src);
		}
	}

	UObject* ConstructObjectWithRecord(UClass* Class, UObject* Outer, FName Name, EObjectFlags Flags)
	{
		FObjectInitializer Initializer;
		Initializer.PendingClass = Class;
		Initializer.PendingOuter = Outer;
		Initializer.PendingName = Name;
		Initializer.PendingFlags = Flags;
		Initializer.bIsPending = true;
		std::vector<FObjectInitializer*>& Stack = GetInitializerStack();
		Stack.push_back(&Initializer);
		UObject* Result = Class->ClassConstructor ? Class->ClassConstructor(Initializer) : nullptr;
		Stack.pop_back();
		checkf(!Result || Result == Initializer.Obj, TEXT("Construction of %s did not go through UObject's constructor"), *Name.ToString());
		return Result;
	}
}

FName MakeUniqueObjectName(UObject* Outer, const UClass* Class, FName InBaseName)
{
	check(Class);
	FUObjectRegistry& Registry = FUObjectRegistry::Get();
	const FString Base = InBaseName.IsNone() ? Class->GetName() : InBaseName.ToString();
	UClass* MutableClass = const_cast<UClass*>(Class);
	for (;;)
	{
		const FName Candidate(*FString::Printf(TEXT("%s_%d"), *Base, MutableClass->ClassUnique++));
		if (!Registry.Find(Outer, Candidate))
		{
			return Candidate;
		}
	}
}

UObject* StaticConstructObject_Internal(const FStaticConstructObjectParameters& Params)
{
	UClass* Class = const_cast<UClass*>(Params.Class);
	checkf(Class, TEXT("StaticConstructObject_Internal: no class"));
	checkf(!Class->HasAnyClassFlags(CLASS_Abstract) || (Params.SetFlags & RF_ClassDefaultObject),
		TEXT("Can't create an object of the abstract class %s"), *Class->GetName());
	UObject* Outer = Params.Outer;
	if (!Outer && !Class->IsChildOf(UPackage::StaticClass()))
	{
		Outer = GetTransientPackage();
	}
	FName Name = Params.Name;
	FUObjectRegistry& Registry = FUObjectRegistry::Get();
	if (Name.IsNone())
	{
		Name = MakeUniqueObjectName(Outer, Class);
	}
	else if (UObject* Existing = Registry.Find(Outer, Name))
	{
		// The engine replaces an object of the same name; here the old one is retired.
		UE_LOG(LogUObjectGlobals, Log, TEXT("Replacing object %s"), *Existing->GetPathName());
		Registry.RemoveName(Existing);
		Existing->MarkAsGarbage();
	}
	UObject* Result = UE::CoreUObject::Private::ConstructObjectWithRecord(Class, Outer, Name, Params.SetFlags);
	if (!Result)
	{
		return nullptr;
	}
	UObject* Template = Params.Template;
	if (!Template && !(Params.SetFlags & RF_ClassDefaultObject) && Params.bCopyTransientsFromClassDefaults)
	{
		Template = Class->GetDefaultObject();
	}
	if (Template)
	{
		UE::CoreUObject::Private::CopyPropertiesFrom(Result, Template, Params.bCopyTransientsFromClassDefaults);
	}
	Result->PostInitProperties();
	return Result;
}

// ---------------------------------------------------------------------------------------------------
// Lookup and loading

namespace
{
	/** Splits "/Pkg/Path.Obj:Sub" into its names. */
	TArray<FString> SplitObjectPath(const FString& Path)
	{
		TArray<FString> Parts;
		FString Current;
		for (int32 Index = 0; Index < Path.Len(); ++Index)
		{
			const TCHAR C = Path[Index];
			if (C == TEXT('.') || C == TEXT(':'))
			{
				Parts.Add(Current);
				Current.Empty();
			}
			else
			{
				Current.AppendChar(C);
			}
		}
		Parts.Add(Current);
		return Parts;
	}

	/** Strips "Class'...'" and surrounding quotes from a path. */
	FString CleanObjectPath(const TCHAR* InName)
	{
		FString Path(InName);
		Path.TrimStartAndEndInline();
		int32 Quote = INDEX_NONE;
		if (Path.FindChar(TEXT('\''), Quote) && Path.EndsWith(TEXT("'")))
		{
			Path = Path.Mid(Quote + 1, Path.Len() - Quote - 2);
		}
		if (Path.Len() >= 2 && Path.StartsWith(TEXT("\"")) && Path.EndsWith(TEXT("\"")))
		{
			Path = Path.Mid(1, Path.Len() - 2);
		}
		return Path;
	}

	bool MatchesClass(const UObject* Object, const UClass* Class, bool bExactClass)
	{
		if (!Class)
		{
			return true;
		}
		return bExactClass ? Object->GetClass() == Class : Object->IsA(Class);
	}
}

UObject* StaticFindObjectFast(UClass* Class, UObject* InOuter, FName InName, bool bExactClass)
{
	UE::CoreUObject::Private::ProcessPendingRegistrations();
	UObject* Found = FUObjectRegistry::Get().Find(InOuter, InName);
	return Found && !Found->IsGarbage() && MatchesClass(Found, Class, bExactClass) ? Found : nullptr;
}

UObject* StaticFindObject(UClass* Class, UObject* InOuter, const TCHAR* Name, bool bExactClass)
{
	if (!Name || !*Name)
	{
		return nullptr;
	}
	UE::CoreUObject::Private::ProcessPendingRegistrations();
	const FString Path = CleanObjectPath(Name);
	TArray<FString> Parts = SplitObjectPath(Path);
	UObject* Outer = InOuter;
	UObject* Found = nullptr;
	FUObjectRegistry& Registry = FUObjectRegistry::Get();
	for (int32 Index = 0; Index < Parts.Num(); ++Index)
	{
		Found = Registry.Find(Outer, FName(*Parts[Index]));
		if (!Found)
		{
			return nullptr;
		}
		Outer = Found;
	}
	// A bare package path names the asset of the same name inside it ("/Game/M" -> "/Game/M.M").
	if (Found && Found->GetClass() == UPackage::StaticClass() && Class && !UPackage::StaticClass()->IsChildOf(Class) && Parts.Num() == 1)
	{
		FString AssetName = Parts[0];
		int32 Slash = INDEX_NONE;
		if (AssetName.FindLastChar(TEXT('/'), Slash))
		{
			AssetName = AssetName.RightChop(Slash + 1);
		}
		Found = Registry.Find(Found, FName(*AssetName));
	}
	return Found && !Found->IsGarbage() && MatchesClass(Found, Class, bExactClass) ? Found : nullptr;
}

UObject* StaticLoadObject(UClass* Class, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename, uint32 LoadFlags, UPackageMap* Sandbox, bool bAllowObjectReconciliation, const FLinkerInstancingContext* InstancingContext)
{
	UObject* Result = StaticFindObject(Class, InOuter, Name, false);
	if (!Result && !(LoadFlags & (LOAD_NoWarn | LOAD_Quiet)))
	{
		UE_LOG(LogUObjectGlobals, Warning, TEXT("Failed to find object '%s %s%s'"),
			Class ? *Class->GetName() : TEXT("Object"),
			InOuter ? *(InOuter->GetPathName() + TEXT(".")) : TEXT(""),
			Name ? Name : TEXT("None"));
	}
	return Result;
}

UClass* StaticLoadClass(UClass* BaseClass, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename, uint32 LoadFlags, UPackageMap* Sandbox)
{
	UObject* Result = StaticLoadObject(UClass::StaticClass(), InOuter, Name, Filename, LoadFlags, Sandbox);
	UClass* Class = (UClass*)Result;
	if (Class && BaseClass && !Class->IsChildOf(BaseClass))
	{
		UE_LOG(LogUObjectGlobals, Warning, TEXT("LoadClass: '%s' is not a child class of '%s'"), *Class->GetName(), *BaseClass->GetName());
		return nullptr;
	}
	return Class;
}

// ---------------------------------------------------------------------------------------------------
// Garbage

namespace
{
	int32 PurgeGarbageInternal(int32 AfterSerial, bool bAllAfterSerial)
	{
		FUObjectRegistry& Registry = FUObjectRegistry::Get();
		std::vector<UObject*> ToDelete;
		for (const FUObjectRegistry::FSlot& Slot : Registry.Slots)
		{
			UObject* Object = Slot.Object;
			if (!Object || Object->IsRooted())
			{
				continue;
			}
			if (bAllAfterSerial ? (Slot.SerialNumber > AfterSerial && !Object->HasAnyFlags(RF_ClassDefaultObject) && !Object->IsA(UField::StaticClass()))
				: Object->IsGarbage())
			{
				ToDelete.push_back(Object);
			}
		}
		GIsCollectingGarbage = true;
		for (UObject* Object : ToDelete)
		{
			Object->MarkAsGarbage();
			Object->ConditionalBeginDestroy();
		}
		for (UObject* Object : ToDelete)
		{
			Object->FinishDestroy();
		}
		// Inner objects first, so no destructor meets a deleted outer.
		std::sort(ToDelete.begin(), ToDelete.end(), [](UObject* A, UObject* B)
		{
			int32 DepthA = 0;
			int32 DepthB = 0;
			for (UObject* O = A->GetOuter(); O; O = O->GetOuter()) ++DepthA;
			for (UObject* O = B->GetOuter(); O; O = O->GetOuter()) ++DepthB;
			return DepthA > DepthB;
		});
		for (UObject* Object : ToDelete)
		{
			delete Object;
		}
		GIsCollectingGarbage = false;
		return (int32)ToDelete.size();
	}
}

void CollectGarbage(EObjectFlags KeepFlags, bool bPerformFullPurge)
{
	PurgeGarbageInternal(0, false);
}

bool IsGarbageCollecting()
{
	return GIsCollectingGarbage;
}

namespace UE::CoreUObject::Private
{
	void GetObjectsOfClassForIterator(const UClass* Class, TArray<UObject*>& OutObjects, EObjectFlags ExclusionFlags, bool bIncludeGarbage)
	{
		ProcessPendingRegistrations();
		FUObjectRegistry& Registry = FUObjectRegistry::Get();
		std::vector<std::pair<int32, UObject*>> Live;
		for (const FUObjectRegistry::FSlot& Slot : Registry.Slots)
		{
			UObject* Object = Slot.Object;
			if (Object && Object->GetClass() && Object->IsA(Class) && !Object->HasAnyFlags(ExclusionFlags) && (bIncludeGarbage || !Object->IsGarbage()))
			{
				Live.emplace_back(Slot.SerialNumber, Object);
			}
		}
		std::sort(Live.begin(), Live.end(), [](const auto& A, const auto& B) { return A.first < B.first; });
		for (const auto& Entry : Live)
		{
			OutObjects.Add(Entry.second);
		}
	}

	/** Sets an object's outer and name after construction (classes are made before their packages). */
	void SetObjectOuterAndName(UObject* Object, UObject* NewOuter, FName NewName)
	{
		FUObjectRegistry& Registry = FUObjectRegistry::Get();
		Registry.RemoveName(Object);
		Object->OuterPrivate = NewOuter;
		Object->NamePrivate = NewName;
		Registry.AddName(Object);
	}

	void SetObjectClass(UObject* Object, UClass* Class)
	{
		Object->ClassPrivate = Class;
	}

	/** Makes a reflection record object (UClass, UScriptStruct, UEnum) before classes can be asked for. */
	UObject* ConstructRecordObject(UObject* (*Construct)(const FObjectInitializer&), FName Name)
	{
		FObjectInitializer Initializer;
		Initializer.PendingName = Name;
		Initializer.PendingFlags = (EObjectFlags)(RF_Public | RF_Standalone | RF_MarkAsNative | RF_MarkAsRootSet);
		Initializer.bIsPending = true;
		std::vector<FObjectInitializer*>& Stack = GetInitializerStack();
		Stack.push_back(&Initializer);
		UObject* Result = Construct(Initializer);
		Stack.pop_back();
		return Result;
	}
}

// ---------------------------------------------------------------------------------------------------
// Weak pointers

FWeakObjectPtr& FWeakObjectPtr::operator=(const UObject* Object)
{
	if (Object && Object->GetUniqueID() != (uint32)INDEX_NONE)
	{
		ObjectIndex = (int32)Object->GetUniqueID();
		ObjectSerialNumber = FUObjectRegistry::Get().SerialOf(Object);
	}
	else
	{
		Reset();
	}
	return *this;
}

UObject* FWeakObjectPtr::Get() const
{
	return Get(false);
}

UObject* FWeakObjectPtr::Get(bool bEvenIfGarbage) const
{
	if (ObjectIndex < 0 || ObjectSerialNumber == 0)
	{
		return nullptr;
	}
	FUObjectRegistry& Registry = FUObjectRegistry::Get();
	if (ObjectIndex >= (int32)Registry.Slots.size())
	{
		return nullptr;
	}
	const FUObjectRegistry::FSlot& Slot = Registry.Slots[ObjectIndex];
	if (!Slot.Object || Slot.SerialNumber != ObjectSerialNumber)
	{
		return nullptr;
	}
	if (!bEvenIfGarbage && Slot.Object->IsGarbage())
	{
		return nullptr;
	}
	return Slot.Object;
}

bool FWeakObjectPtr::IsStale(bool bIncludingGarbage, bool bThreadsafeTest) const
{
	if (ObjectIndex < 0 || ObjectSerialNumber == 0)
	{
		return false;
	}
	return Get(!bIncludingGarbage) == nullptr;
}

// ---------------------------------------------------------------------------------------------------
// Soft paths

FSoftObjectPath::FSoftObjectPath(const UObject* Object)
{
	if (Object)
	{
		AssetPath = Object->GetPathName();
	}
}

UObject* FSoftObjectPath::ResolveObject() const
{
	return AssetPath.IsEmpty() ? nullptr : StaticFindObject(nullptr, nullptr, *AssetPath);
}

UObject* FSoftObjectPath::TryLoad() const
{
	return AssetPath.IsEmpty() ? nullptr : StaticLoadObject(UObject::StaticClass(), nullptr, *AssetPath);
}

// ---------------------------------------------------------------------------------------------------
// Referencers

void FReferenceCollector::HandleObjectReference(UObject*& InObject, const UObject* InReferencingObject, const FProperty* InReferencingProperty)
{
	if (InObject)
	{
		Referenced.Add(InObject);
	}
}

namespace
{
	std::vector<FGCObject*>& GetReferencers()
	{
		static std::vector<FGCObject*> Referencers;
		return Referencers;
	}
}

FGCObject::FGCObject()
{
	GetReferencers().push_back(this);
}

FGCObject::FGCObject(const FGCObject&)
{
	GetReferencers().push_back(this);
}

FGCObject::~FGCObject()
{
	std::vector<FGCObject*>& Referencers = GetReferencers();
	Referencers.erase(std::remove(Referencers.begin(), Referencers.end(), this), Referencers.end());
}

// ---------------------------------------------------------------------------------------------------
// Hooks for the testing module

namespace UE::StandIn
{
	void SetObjectSystemInitialized(bool bInitialized)
	{
		FUObjectRegistry::Get().bInitialized = bInitialized;
	}

	int32 GetObjectCount()
	{
		FUObjectRegistry& Registry = FUObjectRegistry::Get();
		return (int32)(Registry.Slots.size() - Registry.FreeSlots.size());
	}

	int32 GetObjectSerialMark()
	{
		UE::CoreUObject::Private::ProcessPendingRegistrations();
		GetTransientPackage();
		return FUObjectRegistry::Get().NextSerialNumber - 1;
	}

	void DestroyObjectsCreatedAfter(int32 SerialMark)
	{
		PurgeGarbageInternal(SerialMark, true);
	}

	int32 PurgeGarbage()
	{
		return PurgeGarbageInternal(0, false);
	}

	int32 GetPackageDirtyCount(const UObject* Package)
	{
		const UPackage* AsPackage = Cast<const UPackage>(Package);
		return AsPackage ? AsPackage->GetDirtyCount() : 0;
	}
}
