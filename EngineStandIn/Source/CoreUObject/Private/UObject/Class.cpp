// Reflection records and their construction from the header tool's parameters.
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "UObject/GeneratedCppIncludes.h"
#include "UObject/UObjectIterator.h"
#include "StandIn/CoreUObjectHooks.h"

#include <algorithm>
#include <vector>

namespace UE::CoreUObject::Private
{
	void SetObjectOuterAndName(UObject* Object, UObject* NewOuter, FName NewName);
	void SetObjectClass(UObject* Object, UClass* Class);
	UObject* ConstructRecordObject(UObject* (*Construct)(const FObjectInitializer&), FName Name);
	UObject* ConstructObjectWithRecord(UClass* Class, UObject* Outer, FName Name, EObjectFlags Flags);

	namespace
	{
		FString EmptyString;

		struct FPendingRegistration
		{
			FRegisterCompiledInInfo* Info;
			bool bDone;
		};

		std::vector<FPendingRegistration>& GetPendingRegistrations()
		{
			static std::vector<FPendingRegistration>* Pending = new std::vector<FPendingRegistration>();
			return *Pending;
		}

		bool bProcessingRegistrations = false;
	}

	FRegisterCompiledInInfo::FRegisterCompiledInInfo(UClass* (*InClassFn)())
		: Fn((void*)InClassFn)
		, Kind(0)
	{
		GetPendingRegistrations().push_back({ this, false });
	}

	FRegisterCompiledInInfo::FRegisterCompiledInInfo(UScriptStruct* (*InStructFn)())
		: Fn((void*)InStructFn)
		, Kind(1)
	{
		GetPendingRegistrations().push_back({ this, false });
	}

	FRegisterCompiledInInfo::FRegisterCompiledInInfo(UEnum* (*InEnumFn)())
		: Fn((void*)InEnumFn)
		, Kind(2)
	{
		GetPendingRegistrations().push_back({ this, false });
	}

	FRegisterCompiledInInfo::~FRegisterCompiledInInfo()
	{
		std::vector<FPendingRegistration>& Pending = GetPendingRegistrations();
		Pending.erase(std::remove_if(Pending.begin(), Pending.end(), [this](const FPendingRegistration& Entry) { return Entry.Info == this; }), Pending.end());
	}

	void ProcessPendingRegistrations()
	{
		if (bProcessingRegistrations)
		{
			return;
		}
		bProcessingRegistrations = true;
		std::vector<FPendingRegistration>& Pending = GetPendingRegistrations();
		for (std::size_t Index = 0; Index < Pending.size(); ++Index)
		{
			if (Pending[Index].bDone)
			{
				continue;
			}
			Pending[Index].bDone = true;
			FRegisterCompiledInInfo* Info = Pending[Index].Info;
			switch (Info->Kind)
			{
			case 0:
				((UClass* (*)())Info->Fn)();
				break;
			case 1:
				((UScriptStruct* (*)())Info->Fn)();
				break;
			default:
				((UEnum* (*)())Info->Fn)();
				break;
			}
		}
		bProcessingRegistrations = false;
	}

	static void ApplyMetaData(UField* Field, const FMetaDataPairParam* MetaData, int32 NumMetaData)
	{
#if WITH_EDITORONLY_DATA
		for (int32 Index = 0; Index < NumMetaData; ++Index)
		{
			Field->SetMetaData(MetaData[Index].Key, MetaData[Index].Value);
		}
#endif
	}

	static UObject* NewClassRecord(const FObjectInitializer& Initializer)
	{
		return new UClass(Initializer);
	}

	static UObject* NewScriptStructRecord(const FObjectInitializer& Initializer)
	{
		return new UScriptStruct(Initializer);
	}

	static UObject* NewEnumRecord(const FObjectInitializer& Initializer)
	{
		return new UEnum(Initializer);
	}

	void ConstructClass(UClass** OutClass, const FClassParams& Params)
	{
		UClass* Class = (UClass*)ConstructRecordObject(&NewClassRecord, FName(Params.Name));
		// Published before anything else is asked for, so classes that refer to each other resolve.
		*OutClass = Class;
		Class->CppName = Params.CppName;
		Class->ClassFlags = (EClassFlags)(Params.ClassFlags | CLASS_Native | CLASS_Constructed);
		Class->ClassConstructor = Params.Construct;
		Class->PropertiesSize = Params.PropertiesSize;
		if (Params.ConfigName)
		{
			Class->ClassConfigName = FName(Params.ConfigName);
		}
		if (Params.SuperClass)
		{
			Class->SetSuperStruct(Params.SuperClass());
			// Config and transient-ness are inherited, as the engine's class flags are.
			if (UClass* Super = Class->GetSuperClass())
			{
				Class->ClassFlags = (EClassFlags)(Class->ClassFlags | (Super->ClassFlags & (CLASS_Transient | CLASS_Config | CLASS_DefaultConfig)));
				if (Class->ClassConfigName.IsNone())
				{
					Class->ClassConfigName = Super->ClassConfigName;
				}
			}
		}
		SetObjectClass(Class, UClass::StaticClass());
		SetObjectOuterAndName(Class, CreatePackage(Params.PackageName), FName(Params.Name));
		ApplyMetaData(Class, Params.MetaData, Params.NumMetaData);
		if (Params.AddProperties)
		{
			FPropertyBuilder Builder(Class);
			Params.AddProperties(Builder);
		}
	}

	void ConstructScriptStruct(UScriptStruct** OutStruct, const FStructParams& Params)
	{
		UScriptStruct* Struct = (UScriptStruct*)ConstructRecordObject(&NewScriptStructRecord, FName(Params.Name));
		*OutStruct = Struct;
		Struct->CppName = Params.CppName;
		Struct->StructOps = Params.Ops;
		Struct->PropertiesSize = Params.Ops ? Params.Ops->Size : 0;
		if (Params.SuperStruct)
		{
			Struct->SetSuperStruct(Params.SuperStruct());
		}
		SetObjectClass(Struct, UScriptStruct::StaticClass());
		SetObjectOuterAndName(Struct, CreatePackage(Params.PackageName), FName(Params.Name));
		ApplyMetaData(Struct, Params.MetaData, Params.NumMetaData);
		if (Params.AddProperties)
		{
			FPropertyBuilder Builder(Struct);
			Params.AddProperties(Builder);
		}
	}

	UEnum* ConstructEnum(UEnum** OutEnum, const FEnumParams& Params)
	{
		UEnum* Enum = (UEnum*)ConstructRecordObject(&NewEnumRecord, FName(Params.Name));
		*OutEnum = Enum;
		Enum->CppForm = Params.CppForm;
		Enum->CppType = Params.CppType;
		int64 MaxValue = -1;
		bool bHasMax = false;
		const FString MaxName = FString(Params.Name) + TEXT("_MAX");
		for (int32 Index = 0; Index < Params.NumEnumerators; ++Index)
		{
			Enum->Names.Add(TPair<FName, int64>(FName(Params.Enumerators[Index].Name), Params.Enumerators[Index].Value));
			MaxValue = FMath::Max(MaxValue, Params.Enumerators[Index].Value);
			FString Short = Params.Enumerators[Index].Name;
			int32 Colon = INDEX_NONE;
			if (Short.FindLastChar(TEXT(':'), Colon))
			{
				Short = Short.RightChop(Colon + 1);
			}
			if (Short.EndsWith(TEXT("_MAX")))
			{
				bHasMax = true;
			}
		}
		// The engine adds "<Enum>_MAX" after the last enumerator.
		if (!bHasMax)
		{
			const FString Full = Params.CppForm == UEnum::ECppForm::Regular ? MaxName : FString(Params.Name) + TEXT("::") + MaxName;
			Enum->Names.Add(TPair<FName, int64>(FName(*Full), MaxValue + 1));
		}
#if WITH_EDITORONLY_DATA
		Enum->EnumeratorMetaData.SetNum(Enum->Names.Num());
		for (int32 Index = 0; Index < Params.NumEnumeratorMeta; ++Index)
		{
			const FEnumeratorMetaParam& Meta = Params.EnumeratorMeta[Index];
			Enum->EnumeratorMetaData[Meta.Index].Add(FName(Meta.Key), FString(Meta.Value));
		}
		if (!bHasMax)
		{
			Enum->EnumeratorMetaData.Last().Add(FName(TEXT("Hidden")), FString());
		}
#endif
		SetObjectClass(Enum, UEnum::StaticClass());
		SetObjectOuterAndName(Enum, CreatePackage(Params.PackageName), FName(Params.Name));
		ApplyMetaData(Enum, Params.MetaData, Params.NumMetaData);
		return Enum;
	}

	void FPropertyBuilder::Add(FProperty* Property, const FMetaDataPairParam* MetaData, int32 NumMetaData)
	{
		FinishProperty(Property, nullptr);
#if WITH_EDITORONLY_DATA
		for (int32 Index = 0; Index < NumMetaData; ++Index)
		{
			Property->SetMetaData(MetaData[Index].Key, MetaData[Index].Value);
		}
#endif
		Owner->AddCppProperty(Property);
	}

	void FinishProperty(FProperty* Property, FField* OwnerField)
	{
		Property->OwnerField = OwnerField;
		if (Property->TypeOps)
		{
			Property->ElementSize = Property->TypeOps->Size;
		}
		if (OwnerField)
		{
			Property->PropertyFlags = (EPropertyFlags)(((FProperty*)OwnerField)->PropertyFlags & (CPF_Edit | CPF_EditConst | CPF_BlueprintVisible));
		}
	}
}

// ---------------------------------------------------------------------------------------------------
// Intrinsic classes

#define IMPLEMENT_INTRINSIC_CLASS_STANDIN(TClass, TSuperFn, TFlags) \
	static UObject* Z_Construct_##TClass(const FObjectInitializer& Initializer) \
	{ \
		return new TClass(Initializer); \
	} \
	UClass* TClass::StaticClass() \
	{ \
		static UClass* Class = nullptr; \
		if (!Class) \
		{ \
			UE::CoreUObject::Private::FClassParams Params; \
			Params.Name = &TEXT(#TClass)[1]; \
			Params.CppName = TEXT(#TClass); \
			Params.PackageName = TEXT("/Script/CoreUObject"); \
			Params.SuperClass = TSuperFn; \
			Params.Construct = &Z_Construct_##TClass; \
			Params.ClassFlags = (uint64)(TFlags) | CLASS_Intrinsic; \
			Params.PropertiesSize = sizeof(TClass); \
			UE::CoreUObject::Private::ConstructClass(&Class, Params); \
		} \
		return Class; \
	}

IMPLEMENT_INTRINSIC_CLASS_STANDIN(UObject, nullptr, CLASS_None)
IMPLEMENT_INTRINSIC_CLASS_STANDIN(UField, &UObject::StaticClass, CLASS_Abstract)
IMPLEMENT_INTRINSIC_CLASS_STANDIN(UStruct, &UField::StaticClass, CLASS_None)
IMPLEMENT_INTRINSIC_CLASS_STANDIN(UClass, &UStruct::StaticClass, CLASS_None)
IMPLEMENT_INTRINSIC_CLASS_STANDIN(UScriptStruct, &UStruct::StaticClass, CLASS_None)
IMPLEMENT_INTRINSIC_CLASS_STANDIN(UEnum, &UField::StaticClass, CLASS_None)
IMPLEMENT_INTRINSIC_CLASS_STANDIN(UPackage, &UObject::StaticClass, CLASS_Transient)

// ---------------------------------------------------------------------------------------------------
// UField

UField::UField(const FObjectInitializer& ObjectInitializer)
	: UObject(ObjectInitializer)
{
}

#if WITH_EDITORONLY_DATA
const FString& UField::GetMetaData(const TCHAR* Key) const
{
	return GetMetaData(FName(Key));
}

const FString& UField::GetMetaData(const FName& Key) const
{
	const FString* Value = MetaData.Find(Key);
	return Value ? *Value : UE::CoreUObject::Private::EmptyString;
}

bool UField::HasMetaData(const TCHAR* Key) const
{
	return MetaData.Contains(FName(Key));
}

bool UField::HasMetaData(const FName& Key) const
{
	return MetaData.Contains(Key);
}

bool UField::GetBoolMetaData(const TCHAR* Key) const
{
	return GetMetaData(Key) == TEXT("true");
}

void UField::SetMetaData(const TCHAR* Key, const TCHAR* Value)
{
	MetaData.Add(FName(Key), FString(Value));
}

void UField::SetMetaData(const FName& Key, const TCHAR* Value)
{
	MetaData.Add(Key, FString(Value));
}

void UField::RemoveMetaData(const TCHAR* Key)
{
	MetaData.Remove(FName(Key));
}

#endif

#if WITH_EDITOR
FText UField::GetDisplayNameText() const
{
	if (HasMetaData(TEXT("DisplayName")))
	{
		return FText::FromString(GetMetaData(TEXT("DisplayName")));
	}
	return FText::FromString(UE::CoreUObject::Private::NameToDisplayString(GetName(), false));
}

FText UField::GetToolTipText(bool bShortTooltip) const
{
	if (bShortTooltip && HasMetaData(TEXT("ShortTooltip")))
	{
		return FText::FromString(GetMetaData(TEXT("ShortTooltip")));
	}
	if (HasMetaData(TEXT("ToolTip")))
	{
		return FText::FromString(GetMetaData(TEXT("ToolTip")));
	}
	return GetDisplayNameText();
}
#endif

UClass* UField::GetOwnerClass() const
{
	return GetTypedOuter<UClass>();
}

UStruct* UField::GetOwnerStruct() const
{
	return GetTypedOuter<UStruct>();
}

// ---------------------------------------------------------------------------------------------------
// UStruct

UStruct::UStruct(const FObjectInitializer& ObjectInitializer)
	: UField(ObjectInitializer)
{
}

UStruct::~UStruct()
{
	FField* Field = ChildProperties;
	while (Field)
	{
		FField* Next = Field->Next;
		delete Field;
		Field = Next;
	}
	ChildProperties = nullptr;
}

bool UStruct::IsChildOf(const UStruct* SomeBase) const
{
	for (const UStruct* Struct = this; Struct; Struct = Struct->GetSuperStruct())
	{
		if (Struct == SomeBase)
		{
			return true;
		}
	}
	return false;
}

FProperty* UStruct::FindPropertyByName(FName InName) const
{
	for (const UStruct* Struct = this; Struct; Struct = Struct->GetSuperStruct())
	{
		for (FField* Field = Struct->ChildProperties; Field; Field = Field->Next)
		{
			if (Field->GetFName() == InName)
			{
				return CastField<FProperty>(Field);
			}
		}
	}
	return nullptr;
}

void UStruct::AddCppProperty(FProperty* Property)
{
	Property->Next = nullptr;
	if (LastChildProperty)
	{
		LastChildProperty->Next = Property;
	}
	else
	{
		ChildProperties = Property;
	}
	LastChildProperty = Property;
}

FString UStruct::GetPrefixCPP() const
{
	return CppName.IsEmpty() ? FString() : CppName.Left(1);
}

// ---------------------------------------------------------------------------------------------------
// UClass

UClass::UClass(const FObjectInitializer& ObjectInitializer)
	: UStruct(ObjectInitializer)
{
}

UObject* UClass::GetDefaultObject(bool bCreateIfNeeded) const
{
	if (!ClassDefaultObject && bCreateIfNeeded)
	{
		UClass* MutableThis = const_cast<UClass*>(this);
		const FName Name(*(FString(TEXT("Default__")) + GetName()));
		UObject* Outer = GetOuter() ? GetOuter() : (UObject*)GetTransientPackage();
		ClassDefaultObject = UE::CoreUObject::Private::ConstructObjectWithRecord(MutableThis, Outer, Name,
			(EObjectFlags)(RF_Public | RF_ClassDefaultObject | RF_ArchetypeObject));
		if (ClassDefaultObject)
		{
			ClassDefaultObject->PostInitProperties();
		}
	}
	return ClassDefaultObject;
}

// ---------------------------------------------------------------------------------------------------
// UScriptStruct

UScriptStruct::UScriptStruct(const FObjectInitializer& ObjectInitializer)
	: UStruct(ObjectInitializer)
{
}

void UScriptStruct::InitializeStruct(void* Dest, int32 ArrayDim) const
{
	check(StructOps);
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		StructOps->Construct((uint8*)Dest + Index * StructOps->Size);
	}
}

void UScriptStruct::DestroyStruct(void* Dest, int32 ArrayDim) const
{
	check(StructOps);
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		StructOps->Destruct((uint8*)Dest + Index * StructOps->Size);
	}
}

void UScriptStruct::CopyScriptStruct(void* Dest, const void* Src, int32 ArrayDim) const
{
	check(StructOps);
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		StructOps->Copy((uint8*)Dest + Index * StructOps->Size, (const uint8*)Src + Index * StructOps->Size);
	}
}

bool UScriptStruct::CompareScriptStruct(const void* A, const void* B, uint32 PortFlags) const
{
	if (StructOps && StructOps->Identical)
	{
		return StructOps->Identical(A, B);
	}
	for (TFieldIterator<FProperty> It(this); It; ++It)
	{
		if (!It->Identical_InContainer(A, B, 0, PortFlags))
		{
			return false;
		}
	}
	return true;
}

// ---------------------------------------------------------------------------------------------------
// UEnum

UEnum::UEnum(const FObjectInitializer& ObjectInitializer)
	: UField(ObjectInitializer)
{
}

FName UEnum::GetNameByIndex(int32 Index) const
{
	return Names.IsValidIndex(Index) ? Names[Index].Key : FName();
}

FName UEnum::GetNameByValue(int64 InValue) const
{
	return GetNameByIndex(GetIndexByValue(InValue));
}

FString UEnum::GetNameStringByIndex(int32 Index) const
{
	if (!Names.IsValidIndex(Index))
	{
		return FString();
	}
	FString Result = Names[Index].Key.ToString();
	if (CppForm != ECppForm::Regular)
	{
		int32 Colon = INDEX_NONE;
		if (Result.FindLastChar(TEXT(':'), Colon))
		{
			Result = Result.RightChop(Colon + 1);
		}
	}
	return Result;
}

FString UEnum::GetNameStringByValue(int64 InValue) const
{
	return GetNameStringByIndex(GetIndexByValue(InValue));
}

int64 UEnum::GetValueByIndex(int32 Index) const
{
	return Names.IsValidIndex(Index) ? Names[Index].Value : INDEX_NONE;
}

int32 UEnum::GetIndexByValue(int64 InValue) const
{
	for (int32 Index = 0; Index < Names.Num(); ++Index)
	{
		if (Names[Index].Value == InValue)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int32 UEnum::GetIndexByName(const FName InName) const
{
	for (int32 Index = 0; Index < Names.Num(); ++Index)
	{
		if (Names[Index].Key == InName)
		{
			return Index;
		}
	}
	// A short name matches too ("Value" for "EEnum::Value").
	const FString Search = InName.ToString();
	for (int32 Index = 0; Index < Names.Num(); ++Index)
	{
		if (GetNameStringByIndex(Index) == Search)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int32 UEnum::GetIndexByNameString(const FString& SearchString) const
{
	return GetIndexByName(FName(*SearchString));
}

int64 UEnum::GetValueByName(FName InName) const
{
	return GetValueByIndex(GetIndexByName(InName));
}

int64 UEnum::GetValueByNameString(const FString& SearchString) const
{
	return GetValueByIndex(GetIndexByNameString(SearchString));
}

FText UEnum::GetDisplayNameTextByIndex(int32 Index) const
{
	if (!Names.IsValidIndex(Index))
	{
		return FText::GetEmpty();
	}
#if WITH_EDITORONLY_DATA
	if (HasMetaData(TEXT("DisplayName"), Index))
	{
		return FText::FromString(GetMetaData(TEXT("DisplayName"), Index));
	}
	return FText::FromString(UE::CoreUObject::Private::NameToDisplayString(GetNameStringByIndex(Index), false));
#else
	// Without metadata a game shows the enumerator's own name.
	return FText::FromString(GetNameStringByIndex(Index));
#endif
}

FText UEnum::GetDisplayNameTextByValue(int64 Value) const
{
	return GetDisplayNameTextByIndex(GetIndexByValue(Value));
}

#if WITH_EDITOR
FText UEnum::GetToolTipTextByIndex(int32 Index) const
{
	if (HasMetaData(TEXT("ToolTip"), Index))
	{
		return FText::FromString(GetMetaData(TEXT("ToolTip"), Index));
	}
	return GetDisplayNameTextByIndex(Index);
}
#endif

int64 UEnum::GetMaxEnumValue() const
{
	int64 Max = 0;
	for (const TPair<FName, int64>& Entry : Names)
	{
		Max = FMath::Max(Max, Entry.Value);
	}
	return Max;
}

bool UEnum::IsValidEnumValue(int64 InValue) const
{
	return GetIndexByValue(InValue) != INDEX_NONE;
}

bool UEnum::IsValidEnumName(FName InName) const
{
	return GetIndexByName(InName) != INDEX_NONE;
}

FString UEnum::GenerateEnumPrefix() const
{
	return GetName();
}

#if WITH_EDITORONLY_DATA
FString UEnum::GetMetaData(const TCHAR* Key, int32 NameIndex) const
{
	if (NameIndex == INDEX_NONE)
	{
		return UField::GetMetaData(Key);
	}
	if (!EnumeratorMetaData.IsValidIndex(NameIndex))
	{
		return FString();
	}
	const FString* Value = EnumeratorMetaData[NameIndex].Find(FName(Key));
	return Value ? *Value : FString();
}

bool UEnum::HasMetaData(const TCHAR* Key, int32 NameIndex) const
{
	if (NameIndex == INDEX_NONE)
	{
		return UField::HasMetaData(Key);
	}
	return EnumeratorMetaData.IsValidIndex(NameIndex) && EnumeratorMetaData[NameIndex].Contains(FName(Key));
}
#endif

// ---------------------------------------------------------------------------------------------------
// Hooks

namespace UE::StandIn
{
	void ProcessNewlyLoadedTypes()
	{
		UE::CoreUObject::Private::ProcessPendingRegistrations();
	}

	template<typename T>
	static T* FindTypeByName(UClass* RecordClass, const FString& Name)
	{
		TArray<UObject*> Objects;
		UE::CoreUObject::Private::GetObjectsOfClassForIterator(RecordClass, Objects, RF_NoFlags, false);
		for (UObject* Object : Objects)
		{
			if (Object->GetClass() != RecordClass)
			{
				continue;
			}
			if (Object->GetName() == Name)
			{
				return (T*)Object;
			}
			if constexpr (std::is_base_of_v<UStruct, T>)
			{
				if (((T*)Object)->CppName == Name)
				{
					return (T*)Object;
				}
			}
		}
		return nullptr;
	}

	UClass* FindClassByName(const FString& Name)
	{
		return FindTypeByName<UClass>(UClass::StaticClass(), Name);
	}

	UScriptStruct* FindStructByName(const FString& Name)
	{
		return FindTypeByName<UScriptStruct>(UScriptStruct::StaticClass(), Name);
	}

	UEnum* FindEnumByName(const FString& Name)
	{
		return FindTypeByName<UEnum>(UEnum::StaticClass(), Name);
	}
}
