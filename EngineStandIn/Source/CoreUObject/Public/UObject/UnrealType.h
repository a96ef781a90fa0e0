// Reflected properties: FProperty and its typed subclasses, field iteration, change events.
#pragma once

#include "CoreMinimal.h"
#include "Containers/ArrayView.h"
#include "UObject/Object.h"
#include "UObject/Field.h"
#include "UObject/Class.h"
#include "UObject/StandInTypeOps.h"

class FOutputDevice;

/** Text import/export flags. */
enum EPropertyPortFlags
{
	PPF_None = 0x00000000,
	PPF_Localized = 0x00000001,
	PPF_Delimited = 0x00000002,
	PPF_CheckReferences = 0x00000004,
	PPF_ExportsNotFullyQualified = 0x00000008,
	PPF_AttemptNonQualifiedSearch = 0x00000010,
	PPF_RestrictImportTypes = 0x00000020,
	PPF_PropertyWindow = 0x00000080,
	PPF_NoInternalArcheType = 0x00000100,
	PPF_DebugDump = 0x00000200,
	PPF_Copy = 0x00000800,
	PPF_SimpleObjectText = 0x00100000,
	PPF_ExternalEditor = 0x00800000,
	PPF_BlueprintDebugView = 0x02000000,
};

namespace UE::CoreUObject::Private
{
	/** Element access for a TArray value. */
	struct FArrayOps
	{
		int32 (*Num)(const void* Array) = nullptr;
		void* (*GetElement)(void* Array, int32 Index) = nullptr;
		void (*Resize)(void* Array, int32 NewNum) = nullptr;
		void (*Insert)(void* Array, int32 Index, int32 Count) = nullptr;
		void (*Remove)(void* Array, int32 Index, int32 Count) = nullptr;
	};

	/** Element access for a TSet value, in iteration order. */
	struct FSetOps
	{
		int32 (*Num)(const void* Set) = nullptr;
		const void* (*GetElement)(const void* Set, int32 Index) = nullptr;
		void (*Add)(void* Set, const void* Element) = nullptr;
		void (*Empty)(void* Set) = nullptr;
		bool (*Contains)(const void* Set, const void* Element) = nullptr;
	};

	/** Pair access for a TMap value, in iteration order. */
	struct FMapOps
	{
		int32 (*Num)(const void* Map) = nullptr;
		const void* (*GetKey)(const void* Map, int32 Index) = nullptr;
		void* (*GetValue)(void* Map, int32 Index) = nullptr;
		void (*Add)(void* Map, const void* Key, const void* Value) = nullptr;
		void (*Empty)(void* Map) = nullptr;
		const void* (*Find)(const void* Map, const void* Key) = nullptr;
	};
}

class COREUOBJECT_API FProperty : public FField
{
	DECLARE_FIELD_STANDIN(FProperty, FField)
public:
	FProperty(FFieldClass* InClass, UStruct* InOwner, FName InName, int32 InOffset, EPropertyFlags InFlags, const UE::CoreUObject::Private::FTypeOps* InOps);

	int32 ArrayDim = 1;
	int32 ElementSize = 0;
	EPropertyFlags PropertyFlags = CPF_None;
	int32 Offset_Internal = 0;
	FProperty* PropertyLinkNext = nullptr;
	const UE::CoreUObject::Private::FTypeOps* TypeOps = nullptr;

	int32 GetOffset_ForInternal() const
	{
		return Offset_Internal;
	}

	int32 GetOffset_ForUFunction() const
	{
		return Offset_Internal;
	}

	int32 GetSize() const
	{
		return ArrayDim * ElementSize;
	}

	int32 GetElementSize() const
	{
		return ElementSize;
	}

	int32 GetMinAlignment() const
	{
		return TypeOps ? TypeOps->Alignment : 1;
	}

	EPropertyFlags GetPropertyFlags() const
	{
		return PropertyFlags;
	}

	void SetPropertyFlags(EPropertyFlags NewFlags)
	{
		PropertyFlags = (EPropertyFlags)(PropertyFlags | NewFlags);
	}

	void ClearPropertyFlags(EPropertyFlags NewFlags)
	{
		PropertyFlags = (EPropertyFlags)(PropertyFlags & ~NewFlags);
	}

	bool HasAnyPropertyFlags(uint64 FlagsToCheck) const
	{
		return (PropertyFlags & FlagsToCheck) != 0;
	}

	bool HasAllPropertyFlags(uint64 FlagsToCheck) const
	{
		return (PropertyFlags & FlagsToCheck) == FlagsToCheck;
	}

	bool IsEditorOnlyProperty() const
	{
		return HasAnyPropertyFlags(CPF_EditorOnly);
	}

	template<typename ValueType>
	ValueType* ContainerPtrToValuePtr(void* Container, int32 ArrayIndex = 0) const
	{
		check(Container);
		return (ValueType*)((uint8*)Container + Offset_Internal + ElementSize * ArrayIndex);
	}

	template<typename ValueType>
	const ValueType* ContainerPtrToValuePtr(const void* Container, int32 ArrayIndex = 0) const
	{
		check(Container);
		return (const ValueType*)((const uint8*)Container + Offset_Internal + ElementSize * ArrayIndex);
	}

	template<typename ValueType>
	ValueType* ContainerPtrToValuePtrForDefaults(UStruct* ContainerClass, void* Container, int32 ArrayIndex = 0) const
	{
		return ContainerPtrToValuePtr<ValueType>(Container, ArrayIndex);
	}

	/** The C++ type as written in a header ("float", "TArray<FPrismWheelFacette>"). */
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const;
	virtual FString GetCPPMacroType(FString& ExtendedTypeText) const;

	virtual void InitializeValue(void* Dest) const;
	virtual void DestroyValue(void* Dest) const;
	void ClearValue(void* Data) const;
	void InitializeValue_InContainer(void* Container) const
	{
		InitializeValue(ContainerPtrToValuePtr<void>(Container));
	}
	void DestroyValue_InContainer(void* Container) const
	{
		DestroyValue(ContainerPtrToValuePtr<void>(Container));
	}

	virtual void CopySingleValue(void* Dest, const void* Src) const;
	void CopyCompleteValue(void* Dest, const void* Src) const;
	void CopyCompleteValue_InContainer(void* Dest, const void* Src) const
	{
		CopyCompleteValue(ContainerPtrToValuePtr<void>(Dest), ContainerPtrToValuePtr<void>(Src));
	}

	/** True when both values are equal; a null B compares with the type's default value. */
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const;
	bool Identical_InContainer(const void* A, const void* B, int32 ArrayIndex = 0, uint32 PortFlags = 0) const;

	/** Appends the value as text ("0.5", "True", "(1,2,3)", "(X=1.0,Y=2.0)"). */
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const;
	void ExportTextItem_InContainer(FString& ValueStr, const void* Container, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const;
	bool ExportText_Direct(FString& ValueStr, const void* Data, const void* Delta, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const;
	bool ExportText_InContainer(int32 Index, FString& ValueStr, const void* Data, const void* Delta, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const;

	/** Reads a value from text; returns the position after it, or null when the text is not a value of this type. */
	const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* PropertyPtr, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const;
	const TCHAR* ImportText_InContainer(const TCHAR* Buffer, void* Container, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const;

	/** The reading itself, on the value's address. */
	virtual const TCHAR* ImportTextValue(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags) const;

	bool SameType(const FProperty* Other) const;

	/** A display string of the value for tests and logs (ExportText without delimiters). */
	FString ValueToString(const void* Data) const;
};

/** Numbers: integers and floating point. */
class COREUOBJECT_API FNumericProperty : public FProperty
{
	DECLARE_FIELD_STANDIN(FNumericProperty, FProperty)
public:
	using FProperty::FProperty;

	virtual bool IsFloatingPoint() const
	{
		return false;
	}
	virtual bool IsInteger() const
	{
		return true;
	}
	virtual bool IsEnum() const
	{
		return GetIntPropertyEnum() != nullptr;
	}
	virtual UEnum* GetIntPropertyEnum() const
	{
		return nullptr;
	}
	virtual int64 GetSignedIntPropertyValue(const void* Data) const = 0;
	virtual uint64 GetUnsignedIntPropertyValue(const void* Data) const = 0;
	virtual double GetFloatingPointPropertyValue(const void* Data) const = 0;
	virtual void SetIntPropertyValue(void* Data, int64 Value) const = 0;
	virtual void SetIntPropertyValue(void* Data, uint64 Value) const = 0;
	virtual void SetFloatingPointPropertyValue(void* Data, double Value) const = 0;
	virtual FString GetNumericPropertyValueToString(const void* Data) const;
	virtual void SetNumericPropertyValueFromString(void* Data, const TCHAR* Value) const;
	virtual bool CanHoldValue(int64 Value) const
	{
		return true;
	}
};

/** Typed access shared by every property whose value is one C++ type. */
template<typename InTCppType, typename TBase>
class TPropertyTypeAccess : public TBase
{
public:
	typedef InTCppType TCppType;
	using TBase::TBase;

	static const TCppType& GetPropertyValue(const void* Data)
	{
		return *(const TCppType*)Data;
	}
	static TCppType GetDefaultPropertyValue()
	{
		return TCppType();
	}
	static TCppType GetOptionalPropertyValue(const void* Data)
	{
		return Data ? GetPropertyValue(Data) : TCppType();
	}
	static void SetPropertyValue(void* Data, const TCppType& Value)
	{
		*(TCppType*)Data = Value;
	}
	static TCppType* GetPropertyValuePtr(void* Data)
	{
		return (TCppType*)Data;
	}
	static const TCppType* GetPropertyValuePtr(const void* Data)
	{
		return (const TCppType*)Data;
	}
	TCppType GetPropertyValue_InContainer(const void* Container, int32 ArrayIndex = 0) const
	{
		return GetPropertyValue(this->template ContainerPtrToValuePtr<void>(Container, ArrayIndex));
	}
	void SetPropertyValue_InContainer(void* Container, const TCppType& Value, int32 ArrayIndex = 0) const
	{
		SetPropertyValue(this->template ContainerPtrToValuePtr<void>(Container, ArrayIndex), Value);
	}
	TCppType* GetPropertyValuePtr_InContainer(void* Container, int32 ArrayIndex = 0) const
	{
		return GetPropertyValuePtr(this->template ContainerPtrToValuePtr<void>(Container, ArrayIndex));
	}
	const TCppType* GetPropertyValuePtr_InContainer(const void* Container, int32 ArrayIndex = 0) const
	{
		return GetPropertyValuePtr(this->template ContainerPtrToValuePtr<void>(Container, ArrayIndex));
	}
};

template<typename InTCppType>
class TProperty_Numeric : public TPropertyTypeAccess<InTCppType, FNumericProperty>
{
public:
	typedef InTCppType TCppType;
	typedef TPropertyTypeAccess<InTCppType, FNumericProperty> Super;
	using Super::Super;

	virtual bool IsFloatingPoint() const override
	{
		return std::is_floating_point_v<TCppType>;
	}
	virtual bool IsInteger() const override
	{
		return std::is_integral_v<TCppType>;
	}
	virtual int64 GetSignedIntPropertyValue(const void* Data) const override
	{
		return (int64)*(const TCppType*)Data;
	}
	virtual uint64 GetUnsignedIntPropertyValue(const void* Data) const override
	{
		return (uint64)*(const TCppType*)Data;
	}
	virtual double GetFloatingPointPropertyValue(const void* Data) const override
	{
		return (double)*(const TCppType*)Data;
	}
	virtual void SetIntPropertyValue(void* Data, int64 Value) const override
	{
		*(TCppType*)Data = (TCppType)Value;
	}
	virtual void SetIntPropertyValue(void* Data, uint64 Value) const override
	{
		*(TCppType*)Data = (TCppType)Value;
	}
	virtual void SetFloatingPointPropertyValue(void* Data, double Value) const override
	{
		*(TCppType*)Data = (TCppType)Value;
	}
};

#define DECLARE_NUMERIC_PROPERTY_STANDIN(TClass, TCpp) \
	class COREUOBJECT_API TClass : public TProperty_Numeric<TCpp> \
	{ \
		DECLARE_FIELD_STANDIN(TClass, FNumericProperty) \
	public: \
		using TProperty_Numeric<TCpp>::TProperty_Numeric; \
	};

DECLARE_NUMERIC_PROPERTY_STANDIN(FInt8Property, int8)
DECLARE_NUMERIC_PROPERTY_STANDIN(FInt16Property, int16)
DECLARE_NUMERIC_PROPERTY_STANDIN(FIntProperty, int32)
DECLARE_NUMERIC_PROPERTY_STANDIN(FInt64Property, int64)
DECLARE_NUMERIC_PROPERTY_STANDIN(FUInt16Property, uint16)
DECLARE_NUMERIC_PROPERTY_STANDIN(FUInt32Property, uint32)
DECLARE_NUMERIC_PROPERTY_STANDIN(FUInt64Property, uint64)
DECLARE_NUMERIC_PROPERTY_STANDIN(FFloatProperty, float)
DECLARE_NUMERIC_PROPERTY_STANDIN(FDoubleProperty, double)

class COREUOBJECT_API FByteProperty : public TProperty_Numeric<uint8>
{
	DECLARE_FIELD_STANDIN(FByteProperty, FNumericProperty)
public:
	using TProperty_Numeric<uint8>::TProperty_Numeric;

	/** Set for TEnumAsByte<> members. */
	UEnum* Enum = nullptr;

	virtual UEnum* GetIntPropertyEnum() const override
	{
		return Enum;
	}
};

class COREUOBJECT_API FBoolProperty : public TPropertyTypeAccess<bool, FProperty>
{
	DECLARE_FIELD_STANDIN(FBoolProperty, FProperty)
public:
	using TPropertyTypeAccess<bool, FProperty>::TPropertyTypeAccess;

	bool IsNativeBool() const
	{
		return true;
	}
};

class COREUOBJECT_API FStrProperty : public TPropertyTypeAccess<FString, FProperty>
{
	DECLARE_FIELD_STANDIN(FStrProperty, FProperty)
public:
	using TPropertyTypeAccess<FString, FProperty>::TPropertyTypeAccess;
};

class COREUOBJECT_API FNameProperty : public TPropertyTypeAccess<FName, FProperty>
{
	DECLARE_FIELD_STANDIN(FNameProperty, FProperty)
public:
	using TPropertyTypeAccess<FName, FProperty>::TPropertyTypeAccess;
};

class COREUOBJECT_API FTextProperty : public TPropertyTypeAccess<FText, FProperty>
{
	DECLARE_FIELD_STANDIN(FTextProperty, FProperty)
public:
	using TPropertyTypeAccess<FText, FProperty>::TPropertyTypeAccess;
};

/** Object references; the value's representation differs by subclass. */
class COREUOBJECT_API FObjectPropertyBase : public FProperty
{
	DECLARE_FIELD_STANDIN(FObjectPropertyBase, FProperty)
public:
	using FProperty::FProperty;

	UClass* PropertyClass = nullptr;

	void SetPropertyClass(UClass* NewPropertyClass)
	{
		PropertyClass = NewPropertyClass;
	}

	virtual UObject* GetObjectPropertyValue(const void* PropertyValueAddress) const = 0;
	virtual void SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const = 0;
	UObject* GetObjectPropertyValue_InContainer(const void* Container, int32 ArrayIndex = 0) const
	{
		return GetObjectPropertyValue(ContainerPtrToValuePtr<void>(Container, ArrayIndex));
	}
	void SetObjectPropertyValue_InContainer(void* Container, UObject* Value, int32 ArrayIndex = 0) const
	{
		SetObjectPropertyValue(ContainerPtrToValuePtr<void>(Container, ArrayIndex), Value);
	}
};

/** A raw UObject* or a TObjectPtr<> member (both are pointer-sized). */
class COREUOBJECT_API FObjectProperty : public FObjectPropertyBase
{
	DECLARE_FIELD_STANDIN(FObjectProperty, FObjectPropertyBase)
public:
	using FObjectPropertyBase::FObjectPropertyBase;

	virtual UObject* GetObjectPropertyValue(const void* PropertyValueAddress) const override
	{
		return *(UObject* const*)PropertyValueAddress;
	}
	virtual void SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const override
	{
		*(UObject**)PropertyValueAddress = Value;
	}
	static UObject* GetPropertyValue(const void* Data)
	{
		return *(UObject* const*)Data;
	}
	static void SetPropertyValue(void* Data, UObject* Value)
	{
		*(UObject**)Data = Value;
	}
};

/** TObjectPtr<> members (the engine keeps this name for them). */
class COREUOBJECT_API FObjectPtrProperty : public FObjectProperty
{
	DECLARE_FIELD_STANDIN(FObjectPtrProperty, FObjectProperty)
public:
	using FObjectProperty::FObjectProperty;
};

/** UClass* / TSubclassOf<> members. */
class COREUOBJECT_API FClassProperty : public FObjectProperty
{
	DECLARE_FIELD_STANDIN(FClassProperty, FObjectProperty)
public:
	using FObjectProperty::FObjectProperty;

	UClass* MetaClass = nullptr;

	void SetMetaClass(UClass* NewMetaClass)
	{
		MetaClass = NewMetaClass;
	}
};

/** TWeakObjectPtr<> members. */
class COREUOBJECT_API FWeakObjectProperty : public FObjectPropertyBase
{
	DECLARE_FIELD_STANDIN(FWeakObjectProperty, FObjectPropertyBase)
public:
	using FObjectPropertyBase::FObjectPropertyBase;

	virtual UObject* GetObjectPropertyValue(const void* PropertyValueAddress) const override;
	virtual void SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const override;
};

/** TSoftObjectPtr<> members. */
class COREUOBJECT_API FSoftObjectProperty : public FObjectPropertyBase
{
	DECLARE_FIELD_STANDIN(FSoftObjectProperty, FObjectPropertyBase)
public:
	using FObjectPropertyBase::FObjectPropertyBase;

	virtual UObject* GetObjectPropertyValue(const void* PropertyValueAddress) const override;
	virtual void SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const override;
};

/** TSoftClassPtr<> members. */
class COREUOBJECT_API FSoftClassProperty : public FSoftObjectProperty
{
	DECLARE_FIELD_STANDIN(FSoftClassProperty, FSoftObjectProperty)
public:
	using FSoftObjectProperty::FSoftObjectProperty;

	UClass* MetaClass = nullptr;
};

/** A USTRUCT or core struct member. */
class COREUOBJECT_API FStructProperty : public FProperty
{
	DECLARE_FIELD_STANDIN(FStructProperty, FProperty)
public:
	using FProperty::FProperty;

	UScriptStruct* Struct = nullptr;
};

class COREUOBJECT_API FArrayProperty : public FProperty
{
	DECLARE_FIELD_STANDIN(FArrayProperty, FProperty)
public:
	using FProperty::FProperty;
	virtual ~FArrayProperty() override;

	FProperty* Inner = nullptr;
	const UE::CoreUObject::Private::FArrayOps* ArrayOps = nullptr;
};

class COREUOBJECT_API FSetProperty : public FProperty
{
	DECLARE_FIELD_STANDIN(FSetProperty, FProperty)
public:
	using FProperty::FProperty;
	virtual ~FSetProperty() override;

	FProperty* ElementProp = nullptr;
	const UE::CoreUObject::Private::FSetOps* SetOps = nullptr;
};

class COREUOBJECT_API FMapProperty : public FProperty
{
	DECLARE_FIELD_STANDIN(FMapProperty, FProperty)
public:
	using FProperty::FProperty;
	virtual ~FMapProperty() override;

	FProperty* KeyProp = nullptr;
	FProperty* ValueProp = nullptr;
	const UE::CoreUObject::Private::FMapOps* MapOps = nullptr;
};

/** An enum class member (UENUM). */
class COREUOBJECT_API FEnumProperty : public FProperty
{
	DECLARE_FIELD_STANDIN(FEnumProperty, FProperty)
public:
	using FProperty::FProperty;
	virtual ~FEnumProperty() override;

	UEnum* GetEnum() const
	{
		return Enum;
	}
	FNumericProperty* GetUnderlyingProperty() const
	{
		return UnderlyingProp;
	}

	UEnum* Enum = nullptr;
	FNumericProperty* UnderlyingProp = nullptr;
};

/** A member of a type the stand-in does not reflect in detail: copied and compared only. */
class COREUOBJECT_API FOpaqueProperty : public FProperty
{
	DECLARE_FIELD_STANDIN(FOpaqueProperty, FProperty)
public:
	using FProperty::FProperty;
	FString CppTypeName;
};

/** Reads and resizes an array property's value without knowing its element type. */
class COREUOBJECT_API FScriptArrayHelper
{
public:
	FScriptArrayHelper(const FArrayProperty* InProperty, const void* InArray)
		: Property(InProperty)
		, Array(const_cast<void*>(InArray))
	{
	}

	static FScriptArrayHelper CreateHelperFormInnerProperty(const FProperty* InInnerProperty, const void* InArray) = delete;

	int32 Num() const
	{
		return Property->ArrayOps->Num(Array);
	}
	bool IsValidIndex(int32 Index) const
	{
		return Index >= 0 && Index < Num();
	}
	uint8* GetRawPtr(int32 Index = 0)
	{
		return Num() == 0 ? nullptr : (uint8*)Property->ArrayOps->GetElement(Array, Index);
	}
	int32 AddValue()
	{
		const int32 Index = Num();
		Property->ArrayOps->Resize(Array, Index + 1);
		return Index;
	}
	int32 AddValues(int32 Count)
	{
		const int32 Index = Num();
		Property->ArrayOps->Resize(Array, Index + Count);
		return Index;
	}
	void InsertValues(int32 Index, int32 Count = 1)
	{
		Property->ArrayOps->Insert(Array, Index, Count);
	}
	void RemoveValues(int32 Index, int32 Count = 1)
	{
		Property->ArrayOps->Remove(Array, Index, Count);
	}
	void EmptyValues(int32 Slack = 0)
	{
		Property->ArrayOps->Resize(Array, 0);
	}
	void Resize(int32 NewNum)
	{
		Property->ArrayOps->Resize(Array, NewNum);
	}

private:
	const FArrayProperty* Property;
	void* Array;
};

/** Reads a set property's value in iteration order. */
class COREUOBJECT_API FScriptSetHelper
{
public:
	FScriptSetHelper(const FSetProperty* InProperty, const void* InSet)
		: Property(InProperty)
		, Set(const_cast<void*>(InSet))
	{
	}

	int32 Num() const
	{
		return Property->SetOps->Num(Set);
	}
	const uint8* GetElementPtr(int32 Index) const
	{
		return (const uint8*)Property->SetOps->GetElement(Set, Index);
	}
	void AddElement(const void* Element)
	{
		Property->SetOps->Add(Set, Element);
	}
	void EmptyElements()
	{
		Property->SetOps->Empty(Set);
	}

private:
	const FSetProperty* Property;
	void* Set;
};

/** Reads a map property's value in iteration order. */
class COREUOBJECT_API FScriptMapHelper
{
public:
	FScriptMapHelper(const FMapProperty* InProperty, const void* InMap)
		: Property(InProperty)
		, Map(const_cast<void*>(InMap))
	{
	}

	int32 Num() const
	{
		return Property->MapOps->Num(Map);
	}
	const uint8* GetKeyPtr(int32 Index) const
	{
		return (const uint8*)Property->MapOps->GetKey(Map, Index);
	}
	uint8* GetValuePtr(int32 Index)
	{
		return (uint8*)Property->MapOps->GetValue(Map, Index);
	}
	void AddPair(const void* Key, const void* Value)
	{
		Property->MapOps->Add(Map, Key, Value);
	}
	void EmptyValues()
	{
		Property->MapOps->Empty(Map);
	}

private:
	const FMapProperty* Property;
	void* Map;
};

/** Iterates the fields of a struct: its own first, then (by default) its super types'. */
template<class T>
class TFieldIterator
{
public:
	TFieldIterator(const UStruct* InStruct, EFieldIteratorFlags::SuperClassFlags InSuperClassFlags = EFieldIteratorFlags::IncludeSuper,
		EFieldIteratorFlags::DeprecatedPropertyFlags InDeprecatedFieldFlags = EFieldIteratorFlags::IncludeDeprecated,
		EFieldIteratorFlags::InterfaceClassFlags InInterfaceFieldFlags = EFieldIteratorFlags::ExcludeInterfaces)
		: Struct(InStruct)
		, Field(InStruct ? InStruct->ChildProperties : nullptr)
		, bIncludeSuper(InSuperClassFlags == EFieldIteratorFlags::IncludeSuper)
		, bIncludeDeprecated(InDeprecatedFieldFlags == EFieldIteratorFlags::IncludeDeprecated)
	{
		Settle();
	}

	explicit operator bool() const
	{
		return Field != nullptr;
	}

	bool operator!() const
	{
		return Field == nullptr;
	}

	TFieldIterator& operator++()
	{
		Field = Field->Next;
		Settle();
		return *this;
	}

	T* operator*() const
	{
		return static_cast<T*>(Field);
	}

	T* operator->() const
	{
		return static_cast<T*>(Field);
	}

	const UStruct* GetStruct() const
	{
		return Struct;
	}

private:
	void Settle()
	{
		for (;;)
		{
			while (Field && (!Field->IsA(T::StaticClass()) || (!bIncludeDeprecated && IsDeprecated(Field))))
			{
				Field = Field->Next;
			}
			if (Field || !bIncludeSuper || !Struct)
			{
				return;
			}
			Struct = Struct->GetSuperStruct();
			if (!Struct)
			{
				return;
			}
			Field = Struct->ChildProperties;
		}
	}

	static bool IsDeprecated(const FField* InField)
	{
		const FProperty* Property = CastField<FProperty>(InField);
		return Property && Property->HasAnyPropertyFlags(CPF_Deprecated);
	}

	const UStruct* Struct;
	FField* Field;
	bool bIncludeSuper;
	bool bIncludeDeprecated;
};

template<class T>
struct TFieldRange
{
	TFieldRange(const UStruct* InStruct, EFieldIteratorFlags::SuperClassFlags InSuperClassFlags = EFieldIteratorFlags::IncludeSuper)
		: Begin(InStruct, InSuperClassFlags)
	{
	}

	struct FEnd
	{
	};

	struct FIterator
	{
		TFieldIterator<T> It;
		T* operator*() const
		{
			return *It;
		}
		FIterator& operator++()
		{
			++It;
			return *this;
		}
		bool operator!=(const FEnd&) const
		{
			return (bool)It;
		}
	};

	FIterator begin() const
	{
		return FIterator{ Begin };
	}
	FEnd end() const
	{
		return FEnd();
	}

	TFieldIterator<T> Begin;
};

namespace EPropertyChangeType
{
	typedef uint32 Type;
	inline constexpr Type Unspecified = 1 << 0;
	inline constexpr Type ArrayAdd = 1 << 1;
	inline constexpr Type ValueSet = 1 << 2;
	inline constexpr Type Duplicate = 1 << 3;
	inline constexpr Type Interactive = 1 << 4;
	inline constexpr Type Redirected = 1 << 5;
	inline constexpr Type ArrayClear = 1 << 6;
	inline constexpr Type ArrayRemove = 1 << 7;
	inline constexpr Type ArrayMove = 1 << 8;
	inline constexpr Type ToggleEditable = 1 << 9;
}

/** What changed in an edit: the property, the member of the edited object it belongs to, and how. */
struct COREUOBJECT_API FPropertyChangedEvent
{
	FPropertyChangedEvent(FProperty* InProperty, EPropertyChangeType::Type InChangeType = EPropertyChangeType::Unspecified,
		TArrayView<const UObject* const> InTopLevelObjects = TArrayView<const UObject* const>());

	void SetActiveMemberProperty(FProperty* InActiveMemberProperty)
	{
		MemberProperty = InActiveMemberProperty;
	}

	FName GetPropertyName() const;
	FName GetMemberPropertyName() const;
	int32 GetNumObjectsBeingEdited() const
	{
		return TopLevelObjects.Num();
	}
	const UObject* GetObjectBeingEdited(int32 Index) const
	{
		return TopLevelObjects.IsValidIndex(Index) ? TopLevelObjects[Index] : nullptr;
	}
	int32 GetArrayIndex(const FString& PropertyName) const;
	void SetArrayIndexPerObject(TArrayView<const TMap<FString, int32>> InArrayIndices)
	{
		ArrayIndicesPerObject.Reset();
		for (const TMap<FString, int32>& Indices : InArrayIndices)
		{
			ArrayIndicesPerObject.Add(Indices);
		}
	}

	FProperty* Property;
	FProperty* MemberProperty;
	EPropertyChangeType::Type ChangeType;
	int32 ObjectIteratorIndex = 0;

private:
	TArray<const UObject*> TopLevelObjects;
	TArray<TMap<FString, int32>> ArrayIndicesPerObject;
};

/** The chain of properties from the edited object's member down to the changed one. */
class COREUOBJECT_API FEditPropertyChain
{
public:
	void AddHead(FProperty* Property)
	{
		Properties.Insert(Property, 0);
	}
	void AddTail(FProperty* Property)
	{
		Properties.Add(Property);
	}
	int32 Num() const
	{
		return Properties.Num();
	}
	FProperty* GetHead() const
	{
		return Properties.Num() ? Properties[0] : nullptr;
	}
	FProperty* GetTail() const
	{
		return Properties.Num() ? Properties.Last() : nullptr;
	}
	FProperty* GetActiveMemberNode() const
	{
		return ActiveMemberNode;
	}
	FProperty* GetActiveNode() const
	{
		return ActiveNode;
	}
	void SetActiveMemberPropertyNode(FProperty* Property)
	{
		ActiveMemberNode = Property;
	}
	void SetActivePropertyNode(FProperty* Property)
	{
		ActiveNode = Property;
	}
	const TArray<FProperty*>& GetProperties() const
	{
		return Properties;
	}

private:
	TArray<FProperty*> Properties;
	FProperty* ActiveMemberNode = nullptr;
	FProperty* ActiveNode = nullptr;
};

struct COREUOBJECT_API FPropertyChangedChainEvent : public FPropertyChangedEvent
{
	FPropertyChangedChainEvent(FEditPropertyChain& InPropertyChain, const FPropertyChangedEvent& SrcChangeEvent)
		: FPropertyChangedEvent(SrcChangeEvent)
		, PropertyChain(InPropertyChain)
	{
	}

	FEditPropertyChain& PropertyChain;
};
