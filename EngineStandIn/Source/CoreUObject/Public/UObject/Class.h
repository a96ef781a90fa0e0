// Reflection records: UField, UStruct, UClass, UScriptStruct, UEnum.
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/StandInTypeOps.h"

class FProperty;
class FField;
class UStruct;

/** A reflected type with metadata. */
class COREUOBJECT_API UField : public UObject
{
	DECLARE_CLASS_STANDIN(UField, UObject, COREUOBJECT_API)
public:
	UField(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

#if WITH_EDITORONLY_DATA
	const FString& GetMetaData(const TCHAR* Key) const;
	const FString& GetMetaData(const FName& Key) const;
	bool HasMetaData(const TCHAR* Key) const;
	bool HasMetaData(const FName& Key) const;
	bool GetBoolMetaData(const TCHAR* Key) const;
	void SetMetaData(const TCHAR* Key, const TCHAR* Value);
	void SetMetaData(const FName& Key, const TCHAR* Value);
	void RemoveMetaData(const TCHAR* Key);
	const TMap<FName, FString>* GetMetaDataMap() const
	{
		return &MetaData;
	}
#endif

#if WITH_EDITOR
	/** The DisplayName metadata, or the name made readable ("LowQuality" -> "Low Quality"). */
	FText GetDisplayNameText() const;
	FText GetToolTipText(bool bShortTooltip = false) const;
#endif

	UClass* GetOwnerClass() const;
	UStruct* GetOwnerStruct() const;

#if WITH_EDITORONLY_DATA
private:
	TMap<FName, FString> MetaData;
#endif
};

/** A type with properties and an optional super type. */
class COREUOBJECT_API UStruct : public UField
{
	DECLARE_CLASS_STANDIN(UStruct, UField, COREUOBJECT_API)
public:
	UStruct(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());
	virtual ~UStruct() override;

	UStruct* GetSuperStruct() const
	{
		return SuperStruct;
	}

	void SetSuperStruct(UStruct* NewSuperStruct)
	{
		SuperStruct = NewSuperStruct;
	}

	bool IsChildOf(const UStruct* SomeBase) const;

	template<class T>
	bool IsChildOf() const
	{
		return IsChildOf(::StaticClass<T>());
	}

	/** This type's own properties, then its super types'. */
	FProperty* FindPropertyByName(FName InName) const;

	int32 GetPropertiesSize() const
	{
		return PropertiesSize;
	}

	int32 GetStructureSize() const
	{
		return PropertiesSize;
	}

	/** Adds a property this type owns (in declaration order). */
	void AddCppProperty(FProperty* Property);

	/** The first own property; the rest through FField::Next. */
	FField* ChildProperties = nullptr;

	/** The C++ name with its prefix ("UZORPrismWheel", "FVector"). */
	FString GetPrefixCPP() const;
	FString GetStructCPPName() const
	{
		return CppName;
	}

	FString CppName;
	int32 PropertiesSize = 0;

private:
	UStruct* SuperStruct = nullptr;
	FField* LastChildProperty = nullptr;
};

typedef UObject* (*FStandInClassConstructor)(const FObjectInitializer& ObjectInitializer);

class COREUOBJECT_API UClass : public UStruct
{
	DECLARE_CLASS_STANDIN(UClass, UStruct, COREUOBJECT_API)
public:
	UClass(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	UClass* GetSuperClass() const
	{
		return static_cast<UClass*>(GetSuperStruct());
	}

	/** The class default object, made on first request. */
	UObject* GetDefaultObject(bool bCreateIfNeeded = true) const;

	template<class T>
	T* GetDefaultObject() const
	{
		UObject* Ret = GetDefaultObject();
		check(Ret && Ret->IsA(::StaticClass<T>()));
		return static_cast<T*>(Ret);
	}

	bool HasAnyClassFlags(EClassFlags FlagsToCheck) const
	{
		return (ClassFlags & FlagsToCheck) != 0;
	}

	bool HasAllClassFlags(EClassFlags FlagsToCheck) const
	{
		return (ClassFlags & FlagsToCheck) == FlagsToCheck;
	}

	EClassFlags GetClassFlags() const
	{
		return ClassFlags;
	}

	FName GetConfigName() const
	{
		return ClassConfigName;
	}

	bool IsNative() const
	{
		return true;
	}

	EClassFlags ClassFlags = CLASS_None;
	FName ClassConfigName;
	FStandInClassConstructor ClassConstructor = nullptr;
	mutable UObject* ClassDefaultObject = nullptr;
	int32 ClassUnique = 0;
};

/** A reflected struct (USTRUCT). */
class COREUOBJECT_API UScriptStruct : public UStruct
{
	DECLARE_CLASS_STANDIN(UScriptStruct, UStruct, COREUOBJECT_API)
public:
	UScriptStruct(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	void InitializeStruct(void* Dest, int32 ArrayDim = 1) const;
	void DestroyStruct(void* Dest, int32 ArrayDim = 1) const;
	void CopyScriptStruct(void* Dest, const void* Src, int32 ArrayDim = 1) const;
	bool CompareScriptStruct(const void* A, const void* B, uint32 PortFlags) const;

	const UE::CoreUObject::Private::FTypeOps* GetCppStructOps() const
	{
		return StructOps;
	}

	const UE::CoreUObject::Private::FTypeOps* StructOps = nullptr;
};

/** A reflected enum (UENUM): its enumerators with values and metadata. */
class COREUOBJECT_API UEnum : public UField
{
	DECLARE_CLASS_STANDIN(UEnum, UField, COREUOBJECT_API)
public:
	enum class ECppForm
	{
		Regular,
		Namespaced,
		EnumClass,
	};

	UEnum(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Number of enumerators, including the generated "<Enum>_MAX" entry. */
	int32 NumEnums() const
	{
		return Names.Num();
	}

	FName GetNameByIndex(int32 Index) const;
	FName GetNameByValue(int64 InValue) const;
	FString GetNameStringByIndex(int32 Index) const;
	FString GetNameStringByValue(int64 InValue) const;
	FString GetAuthoredNameStringByIndex(int32 Index) const
	{
		return GetNameStringByIndex(Index);
	}
	int64 GetValueByIndex(int32 Index) const;
	int32 GetIndexByValue(int64 InValue) const;
	int32 GetIndexByName(const FName InName) const;
	int32 GetIndexByNameString(const FString& SearchString) const;
	int64 GetValueByName(FName InName) const;
	int64 GetValueByNameString(const FString& SearchString) const;
	FText GetDisplayNameTextByIndex(int32 Index) const;
	FText GetDisplayNameTextByValue(int64 Value) const;
#if WITH_EDITOR
	FText GetToolTipTextByIndex(int32 Index) const;
#endif
	int64 GetMaxEnumValue() const;
	bool IsValidEnumValue(int64 InValue) const;
	bool IsValidEnumName(FName InName) const;
	ECppForm GetCppForm() const
	{
		return CppForm;
	}
	FString GenerateEnumPrefix() const;

#if WITH_EDITORONLY_DATA
	using UField::GetMetaData;
	using UField::HasMetaData;
	/** Metadata of one enumerator ("DisplayName", "Hidden", "ToolTip"). */
	FString GetMetaData(const TCHAR* Key, int32 NameIndex) const;
	bool HasMetaData(const TCHAR* Key, int32 NameIndex) const;
#endif

	template<typename TEnum>
	static FString GetValueAsString(const TEnum EnumeratorValue)
	{
		return StaticEnum<TEnum>()->GetNameByValue((int64)EnumeratorValue).ToString();
	}

	template<typename TEnum>
	static FName GetValueAsName(const TEnum EnumeratorValue)
	{
		return StaticEnum<TEnum>()->GetNameByValue((int64)EnumeratorValue);
	}

	template<typename TEnum>
	static FText GetDisplayValueAsText(const TEnum EnumeratorValue)
	{
		return StaticEnum<TEnum>()->GetDisplayNameTextByValue((int64)EnumeratorValue);
	}

	TArray<TPair<FName, int64>> Names;
#if WITH_EDITORONLY_DATA
	TArray<TMap<FName, FString>> EnumeratorMetaData;
#endif
	ECppForm CppForm = ECppForm::EnumClass;
	FString CppType;
};

/** The reflection of core structs that are not USTRUCTs (FVector, FLinearColor, ...). */
template<typename T>
struct TBaseStructure;

#define DECLARE_BASE_STRUCTURE_STANDIN(Type) \
	template<> struct TBaseStructure<Type> { COREUOBJECT_API static UScriptStruct* Get(); };

DECLARE_BASE_STRUCTURE_STANDIN(FVector)
DECLARE_BASE_STRUCTURE_STANDIN(FVector2D)
DECLARE_BASE_STRUCTURE_STANDIN(FVector4)
DECLARE_BASE_STRUCTURE_STANDIN(FRotator)
DECLARE_BASE_STRUCTURE_STANDIN(FQuat)
DECLARE_BASE_STRUCTURE_STANDIN(FTransform)
DECLARE_BASE_STRUCTURE_STANDIN(FLinearColor)
DECLARE_BASE_STRUCTURE_STANDIN(FColor)
DECLARE_BASE_STRUCTURE_STANDIN(FIntPoint)

template<>
inline UClass* StaticClass<UClass>()
{
	return UClass::StaticClass();
}

template<>
inline UClass* StaticClass<UStruct>()
{
	return UStruct::StaticClass();
}

template<>
inline UClass* StaticClass<UField>()
{
	return UField::StaticClass();
}

template<>
inline UClass* StaticClass<UScriptStruct>()
{
	return UScriptStruct::StaticClass();
}

template<>
inline UClass* StaticClass<UEnum>()
{
	return UEnum::StaticClass();
}

template<class T>
const T* GetDefault()
{
	return T::StaticClass()->template GetDefaultObject<T>();
}
