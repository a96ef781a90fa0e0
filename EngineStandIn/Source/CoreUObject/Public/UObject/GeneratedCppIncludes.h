// What the header tool's *.gen.cpp files use: registration of classes, structs and enums, and
// properties made from member pointers (the C++ type chooses the FProperty subclass).
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/ObjectPtr.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "UObject/SoftObjectPtr.h"
#include "Templates/SubclassOf.h"

#include <type_traits>

#ifndef UE_ARRAY_COUNT
template<typename T, std::size_t N>
char (&UEArrayCountHelperStandIn(const T (&)[N]))[N + 1];
#define UE_ARRAY_COUNT(Array) (sizeof(UEArrayCountHelperStandIn(Array)) - 1)
#endif

template<typename TEnum>
class TEnumAsByte;

namespace UE::CoreUObject::Private
{
	struct FMetaDataPairParam
	{
		const TCHAR* Key;
		const TCHAR* Value;
	};

	struct FClassParams
	{
		const TCHAR* Name = nullptr;
		const TCHAR* CppName = nullptr;
		const TCHAR* PackageName = nullptr;
		UClass* (*SuperClass)() = nullptr;
		UObject* (*Construct)(const FObjectInitializer&) = nullptr;
		void (*AddProperties)(class FPropertyBuilder&) = nullptr;
		uint64 ClassFlags = 0;
		int32 PropertiesSize = 0;
		const TCHAR* ConfigName = nullptr;
		const FMetaDataPairParam* MetaData = nullptr;
		int32 NumMetaData = 0;
	};

	struct FStructParams
	{
		const TCHAR* Name = nullptr;
		const TCHAR* CppName = nullptr;
		const TCHAR* PackageName = nullptr;
		UScriptStruct* (*SuperStruct)() = nullptr;
		void (*AddProperties)(class FPropertyBuilder&) = nullptr;
		const FTypeOps* Ops = nullptr;
		const FMetaDataPairParam* MetaData = nullptr;
		int32 NumMetaData = 0;
	};

	struct FEnumeratorParam
	{
		const TCHAR* Name;
		int64 Value;
		int32 NumMeta;
	};

	struct FEnumeratorMetaParam
	{
		int32 Index;
		const TCHAR* Key;
		const TCHAR* Value;
	};

	struct FEnumParams
	{
		const TCHAR* Name = nullptr;
		const TCHAR* PackageName = nullptr;
		const TCHAR* CppType = nullptr;
		UEnum::ECppForm CppForm = UEnum::ECppForm::EnumClass;
		const FEnumeratorParam* Enumerators = nullptr;
		int32 NumEnumerators = 0;
		const FEnumeratorMetaParam* EnumeratorMeta = nullptr;
		int32 NumEnumeratorMeta = 0;
		const FMetaDataPairParam* MetaData = nullptr;
		int32 NumMetaData = 0;
	};

	COREUOBJECT_API void ConstructClass(UClass** OutClass, const FClassParams& Params);
	COREUOBJECT_API void ConstructScriptStruct(UScriptStruct** OutStruct, const FStructParams& Params);
	COREUOBJECT_API UEnum* ConstructEnum(UEnum** OutEnum, const FEnumParams& Params);
	COREUOBJECT_API UObject* CannotConstructAbstract(const FObjectInitializer& ObjectInitializer);

	/** Registers a type's accessor at load time; the object system calls it when it first needs the types. */
	struct COREUOBJECT_API FRegisterCompiledInInfo
	{
		explicit FRegisterCompiledInInfo(UClass* (*InClassFn)());
		explicit FRegisterCompiledInInfo(UScriptStruct* (*InStructFn)());
		explicit FRegisterCompiledInInfo(UEnum* (*InEnumFn)());
		~FRegisterCompiledInInfo();

		void* Fn;
		int32 Kind;
	};

	template<typename T>
	struct TStaticStructOf
	{
		static UScriptStruct* Get()
		{
			return T::StaticStruct();
		}
	};

	template<typename T>
	const FTypeOps* TStructOps_Get()
	{
		return GetTypeOps<T>();
	}

	template<typename T>
	struct TStructOps
	{
		static const FTypeOps* Get()
		{
			return GetTypeOps<T>();
		}
	};

	template<typename T>
	concept CHasStaticStruct = requires { { T::StaticStruct() } -> std::convertible_to<UScriptStruct*>; };

	template<typename T>
	concept CHasBaseStructure = requires { { TBaseStructure<T>::Get() } -> std::convertible_to<UScriptStruct*>; };

	template<typename T>
	struct TIsTArray : std::false_type {};
	template<typename E, typename A>
	struct TIsTArray<TArray<E, A>> : std::true_type { typedef E ElementType; };

	template<typename T>
	struct TIsTSet : std::false_type {};
	template<typename E, typename K, typename A>
	struct TIsTSet<TSet<E, K, A>> : std::true_type { typedef E ElementType; };

	template<typename T>
	struct TIsTMap : std::false_type {};
	template<typename K, typename V, typename A, typename F>
	struct TIsTMap<TMap<K, V, A, F>> : std::true_type { typedef K KeyType; typedef V ValueType; };

	template<typename T>
	struct TIsObjectPtr : std::false_type {};
	template<typename T>
	struct TIsObjectPtr<TObjectPtr<T>> : std::true_type { typedef T ObjectType; };

	template<typename T>
	struct TIsWeakObjectPtr : std::false_type {};
	template<typename T>
	struct TIsWeakObjectPtr<TWeakObjectPtr<T>> : std::true_type { typedef T ObjectType; };

	template<typename T>
	struct TIsSoftObjectPtr : std::false_type {};
	template<typename T>
	struct TIsSoftObjectPtr<TSoftObjectPtr<T>> : std::true_type { typedef T ObjectType; };

	template<typename T>
	struct TIsSoftClassPtr : std::false_type {};
	template<typename T>
	struct TIsSoftClassPtr<TSoftClassPtr<T>> : std::true_type { typedef T ObjectType; };

	template<typename T>
	struct TIsSubclassOf : std::false_type {};
	template<typename T>
	struct TIsSubclassOf<TSubclassOf<T>> : std::true_type { typedef T ObjectType; };

	template<typename T>
	struct TIsEnumAsByte : std::false_type {};
	template<typename T>
	struct TIsEnumAsByte<TEnumAsByte<T>> : std::true_type { typedef T EnumType; };

	template<typename T>
	UClass* ClassOf()
	{
		if constexpr (std::is_same_v<std::remove_cv_t<T>, UObject>)
		{
			return UObject::StaticClass();
		}
		else
		{
			return StaticClass<std::remove_cv_t<T>>();
		}
	}

	template<typename T>
	const FArrayOps* GetArrayOps()
	{
		typedef typename TIsTArray<T>::ElementType E;
		static const FArrayOps Ops = []()
		{
			FArrayOps R;
			R.Num = [](const void* A) { return (int32)static_cast<const T*>(A)->Num(); };
			R.GetElement = [](void* A, int32 Index) -> void* { return &(*static_cast<T*>(A))[Index]; };
			R.Resize = [](void* A, int32 NewNum) { static_cast<T*>(A)->SetNum(NewNum); };
			R.Insert = [](void* A, int32 Index, int32 Count)
			{
				for (int32 I = 0; I < Count; ++I)
				{
					static_cast<T*>(A)->Insert(E(), Index);
				}
			};
			R.Remove = [](void* A, int32 Index, int32 Count) { static_cast<T*>(A)->RemoveAt(Index, Count); };
			return R;
		}();
		return &Ops;
	}

	template<typename T>
	const FSetOps* GetSetOps()
	{
		typedef typename TIsTSet<T>::ElementType E;
		static const FSetOps Ops = []()
		{
			FSetOps R;
			R.Num = [](const void* S) { return (int32)static_cast<const T*>(S)->Num(); };
			R.GetElement = [](const void* S, int32 Index) -> const void*
			{
				int32 I = 0;
				for (const E& Element : *static_cast<const T*>(S))
				{
					if (I++ == Index)
					{
						return &Element;
					}
				}
				return nullptr;
			};
			R.Add = [](void* S, const void* Element) { static_cast<T*>(S)->Add(*static_cast<const E*>(Element)); };
			R.Empty = [](void* S) { static_cast<T*>(S)->Empty(); };
			R.Contains = [](const void* S, const void* Element) { return (bool)static_cast<const T*>(S)->Contains(*static_cast<const E*>(Element)); };
			return R;
		}();
		return &Ops;
	}

	template<typename T>
	const FMapOps* GetMapOps()
	{
		typedef typename TIsTMap<T>::KeyType K;
		typedef typename TIsTMap<T>::ValueType V;
		static const FMapOps Ops = []()
		{
			FMapOps R;
			R.Num = [](const void* M) { return (int32)static_cast<const T*>(M)->Num(); };
			R.GetKey = [](const void* M, int32 Index) -> const void*
			{
				int32 I = 0;
				for (const auto& Pair : *static_cast<const T*>(M))
				{
					if (I++ == Index)
					{
						return &Pair.Key;
					}
				}
				return nullptr;
			};
			R.GetValue = [](void* M, int32 Index) -> void*
			{
				int32 I = 0;
				for (auto& Pair : *static_cast<T*>(M))
				{
					if (I++ == Index)
					{
						return &Pair.Value;
					}
				}
				return nullptr;
			};
			R.Add = [](void* M, const void* Key, const void* Value) { static_cast<T*>(M)->Add(*static_cast<const K*>(Key), *static_cast<const V*>(Value)); };
			R.Empty = [](void* M) { static_cast<T*>(M)->Empty(); };
			R.Find = [](const void* M, const void* Key) -> const void* { return static_cast<const T*>(M)->Find(*static_cast<const K*>(Key)); };
			return R;
		}();
		return &Ops;
	}

	template<typename T>
	FProperty* MakeProperty(UStruct* Owner, FName Name, int32 Offset, EPropertyFlags Flags);

	COREUOBJECT_API void FinishProperty(FProperty* Property, FField* OwnerField);

	template<typename T>
	FProperty* MakeInnerProperty(UStruct* Owner, FProperty* OwnerProperty, FName Name)
	{
		FProperty* Inner = MakeProperty<T>(Owner, Name, 0, CPF_None);
		FinishProperty(Inner, OwnerProperty);
		return Inner;
	}

	template<typename T>
	FProperty* MakeProperty(UStruct* Owner, FName Name, int32 Offset, EPropertyFlags Flags)
	{
		typedef std::remove_cv_t<T> U;
		if constexpr (std::is_same_v<U, bool>)
		{
			return new FBoolProperty(FBoolProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, float>)
		{
			return new FFloatProperty(FFloatProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, double>)
		{
			return new FDoubleProperty(FDoubleProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, int8>)
		{
			return new FInt8Property(FInt8Property::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, int16>)
		{
			return new FInt16Property(FInt16Property::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, int32>)
		{
			return new FIntProperty(FIntProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, int64>)
		{
			return new FInt64Property(FInt64Property::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, uint8>)
		{
			return new FByteProperty(FByteProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, uint16>)
		{
			return new FUInt16Property(FUInt16Property::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, uint32>)
		{
			return new FUInt32Property(FUInt32Property::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, uint64>)
		{
			return new FUInt64Property(FUInt64Property::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, FString>)
		{
			return new FStrProperty(FStrProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, FName>)
		{
			return new FNameProperty(FNameProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
		}
		else if constexpr (std::is_same_v<U, FText>)
		{
			return new FTextProperty(FTextProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U, false>());
		}
		else if constexpr (std::is_enum_v<U>)
		{
			FEnumProperty* Property = new FEnumProperty(FEnumProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
			Property->Enum = StaticEnum<U>();
			Property->UnderlyingProp = static_cast<FNumericProperty*>(MakeInnerProperty<std::underlying_type_t<U>>(Owner, Property, FName(TEXT("UnderlyingType"))));
			return Property;
		}
		else if constexpr (TIsEnumAsByte<U>::value)
		{
			FByteProperty* Property = new FByteProperty(FByteProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
			Property->Enum = StaticEnum<typename TIsEnumAsByte<U>::EnumType>();
			return Property;
		}
		else if constexpr (std::is_pointer_v<U>)
		{
			typedef std::remove_cv_t<std::remove_pointer_t<U>> O;
			static_assert(std::is_class_v<O>, "A UPROPERTY pointer must point to a UObject class");
			if constexpr (std::is_same_v<O, UClass>)
			{
				FClassProperty* Property = new FClassProperty(FClassProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
				Property->PropertyClass = UClass::StaticClass();
				Property->MetaClass = UObject::StaticClass();
				return Property;
			}
			else
			{
				FObjectProperty* Property = new FObjectProperty(FObjectProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
				Property->PropertyClass = ClassOf<O>();
				return Property;
			}
		}
		else if constexpr (TIsObjectPtr<U>::value)
		{
			typedef std::remove_cv_t<typename TIsObjectPtr<U>::ObjectType> O;
			static_assert(sizeof(U) == sizeof(void*), "TObjectPtr must be pointer-sized");
			if constexpr (std::is_same_v<O, UClass>)
			{
				FClassProperty* Property = new FClassProperty(FClassProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
				Property->PropertyClass = UClass::StaticClass();
				Property->MetaClass = UObject::StaticClass();
				return Property;
			}
			else
			{
				FObjectPtrProperty* Property = new FObjectPtrProperty(FObjectPtrProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
				Property->PropertyClass = ClassOf<O>();
				return Property;
			}
		}
		else if constexpr (TIsSubclassOf<U>::value)
		{
			static_assert(sizeof(U) == sizeof(void*), "TSubclassOf must be pointer-sized");
			FClassProperty* Property = new FClassProperty(FClassProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
			Property->PropertyClass = UClass::StaticClass();
			Property->MetaClass = ClassOf<typename TIsSubclassOf<U>::ObjectType>();
			return Property;
		}
		else if constexpr (TIsWeakObjectPtr<U>::value)
		{
			FWeakObjectProperty* Property = new FWeakObjectProperty(FWeakObjectProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
			Property->PropertyClass = ClassOf<typename TIsWeakObjectPtr<U>::ObjectType>();
			return Property;
		}
		else if constexpr (TIsSoftClassPtr<U>::value)
		{
			FSoftClassProperty* Property = new FSoftClassProperty(FSoftClassProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
			Property->PropertyClass = UClass::StaticClass();
			Property->MetaClass = ClassOf<typename TIsSoftClassPtr<U>::ObjectType>();
			return Property;
		}
		else if constexpr (TIsSoftObjectPtr<U>::value)
		{
			FSoftObjectProperty* Property = new FSoftObjectProperty(FSoftObjectProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
			Property->PropertyClass = ClassOf<typename TIsSoftObjectPtr<U>::ObjectType>();
			return Property;
		}
		else if constexpr (TIsTArray<U>::value)
		{
			FArrayProperty* Property = new FArrayProperty(FArrayProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U, false>());
			Property->ArrayOps = GetArrayOps<U>();
			Property->Inner = MakeInnerProperty<typename TIsTArray<U>::ElementType>(Owner, Property, Name);
			return Property;
		}
		else if constexpr (TIsTSet<U>::value)
		{
			FSetProperty* Property = new FSetProperty(FSetProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U, false>());
			Property->SetOps = GetSetOps<U>();
			Property->ElementProp = MakeInnerProperty<typename TIsTSet<U>::ElementType>(Owner, Property, Name);
			return Property;
		}
		else if constexpr (TIsTMap<U>::value)
		{
			FMapProperty* Property = new FMapProperty(FMapProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U, false>());
			Property->MapOps = GetMapOps<U>();
			Property->KeyProp = MakeInnerProperty<typename TIsTMap<U>::KeyType>(Owner, Property, FName(*(Name.ToString() + TEXT("_Key"))));
			Property->ValueProp = MakeInnerProperty<typename TIsTMap<U>::ValueType>(Owner, Property, Name);
			return Property;
		}
		else if constexpr (CHasStaticStruct<U>)
		{
			FStructProperty* Property = new FStructProperty(FStructProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
			Property->Struct = U::StaticStruct();
			return Property;
		}
		else if constexpr (CHasBaseStructure<U>)
		{
			FStructProperty* Property = new FStructProperty(FStructProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
			Property->Struct = TBaseStructure<U>::Get();
			return Property;
		}
		else
		{
			FOpaqueProperty* Property = new FOpaqueProperty(FOpaqueProperty::StaticClass(), Owner, Name, Offset, Flags, GetTypeOps<U>());
			return Property;
		}
	}

	/** Adds the reflected members of one class or struct. */
	class COREUOBJECT_API FPropertyBuilder
	{
	public:
		explicit FPropertyBuilder(UStruct* InOwner)
			: Owner(InOwner)
		{
		}

		template<typename TOwner, typename TMember>
		void AddProperty(const TCHAR* Name, TMember TOwner::*Member, uint64 Flags, const FMetaDataPairParam* MetaData, int32 NumMetaData)
		{
			static_assert(!std::is_array_v<TMember>, "C arrays cannot be reflected; use TArray");
			// The member's offset, from the member pointer (the type may not be standard-layout).
			alignas(16) static unsigned char Probe[sizeof(TOwner) < 16 ? 16 : sizeof(TOwner)];
			const TOwner* Base = reinterpret_cast<const TOwner*>(Probe);
			const int32 Offset = (int32)(reinterpret_cast<const unsigned char*>(&(Base->*Member)) - reinterpret_cast<const unsigned char*>(Base));
			FProperty* Property = MakeProperty<TMember>(Owner, FName(Name), Offset, (EPropertyFlags)Flags);
			Add(Property, MetaData, NumMetaData);
		}

		void Add(FProperty* Property, const FMetaDataPairParam* MetaData, int32 NumMetaData);

	private:
		UStruct* Owner;
	};
}
