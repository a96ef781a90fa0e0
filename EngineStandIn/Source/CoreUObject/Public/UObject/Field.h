// FField: the base of reflected properties (not UObjects), with its own class records for casting.
#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UStruct;
class UClass;
class UObject;
class FField;

/** The class of an FField subclass: a name, an id and the super class, so CastField needs no RTTI. */
class COREUOBJECT_API FFieldClass
{
public:
	FFieldClass(const TCHAR* InName, FFieldClass* InSuperClass);

	FName GetFName() const
	{
		return Name;
	}

	FString GetName() const
	{
		return Name.ToString();
	}

	uint64 GetId() const
	{
		return Id;
	}

	FFieldClass* GetSuperClass() const
	{
		return SuperClass;
	}

	bool IsChildOf(const FFieldClass* InClass) const
	{
		for (const FFieldClass* Class = this; Class; Class = Class->SuperClass)
		{
			if (Class == InClass)
			{
				return true;
			}
		}
		return false;
	}

private:
	FName Name;
	uint64 Id;
	FFieldClass* SuperClass;
};

#define DECLARE_FIELD_STANDIN(TClass, TSuperClass) \
public: \
	typedef TSuperClass Super; \
	typedef TClass ThisClass; \
	static FFieldClass* StaticClass();

#define IMPLEMENT_FIELD_STANDIN(TClass) \
	FFieldClass* TClass::StaticClass() \
	{ \
		static FFieldClass Class(&TEXT(#TClass)[1], TClass::Super::StaticClass()); \
		return &Class; \
	}

class COREUOBJECT_API FField
{
public:
	typedef FField ThisClass;
	static FFieldClass* StaticClass();

	FField(FFieldClass* InClass, UStruct* InOwner, FName InName, EObjectFlags InFlags = RF_NoFlags);
	virtual ~FField();

	FField(const FField&) = delete;
	FField& operator=(const FField&) = delete;

	FFieldClass* GetClass() const
	{
		return ClassPrivate;
	}

	FName GetFName() const
	{
		return NamePrivate;
	}

	FString GetName() const
	{
		return NamePrivate.ToString();
	}

	FString GetAuthoredName() const
	{
		return GetName();
	}

	bool IsA(const FFieldClass* FieldType) const
	{
		return ClassPrivate->IsChildOf(FieldType);
	}

	template<typename T>
	bool IsA() const
	{
		return IsA(T::StaticClass());
	}

	/** The struct or class that declares this field (for container inners, the outer property's owner). */
	UStruct* GetOwnerStruct() const;
	UClass* GetOwnerClass() const;
	FField* GetOwnerProperty() const
	{
		return OwnerField;
	}

	FString GetPathName() const;
	FString GetFullName() const;

#if WITH_EDITORONLY_DATA
	const FString& GetMetaData(const TCHAR* Key) const;
	const FString& GetMetaData(const FName& Key) const;
	const FString* FindMetaData(const TCHAR* Key) const;
	const FString* FindMetaData(const FName& Key) const;
	bool HasMetaData(const TCHAR* Key) const;
	bool HasMetaData(const FName& Key) const;
	bool GetBoolMetaData(const TCHAR* Key) const;
	bool GetBoolMetaData(const FName& Key) const;
	int32 GetIntMetaData(const TCHAR* Key) const;
	float GetFloatMetaData(const TCHAR* Key) const;
	void SetMetaData(const TCHAR* Key, const TCHAR* InValue);
	void SetMetaData(const FName& Key, FString&& InValue);
	void RemoveMetaData(const TCHAR* Key);
	const TMap<FName, FString>* GetMetaDataMap() const
	{
		return &MetaDataMap;
	}
#endif

#if WITH_EDITOR
	/** DisplayName metadata, or the name made readable ("bSameSize" -> "Same Size"). */
	FText GetDisplayNameText() const;
	FText GetToolTipText(bool bShortTooltip = false) const;
#endif

	/** Next field of the same owner, in declaration order. */
	FField* Next = nullptr;

	UStruct* OwnerStruct = nullptr;
	FField* OwnerField = nullptr;

protected:
	FFieldClass* ClassPrivate;
	FName NamePrivate;
	EObjectFlags FlagsPrivate;
#if WITH_EDITORONLY_DATA
	TMap<FName, FString> MetaDataMap;
#endif
};

template<typename FieldType>
FieldType* CastField(FField* Src)
{
	return Src && Src->IsA(FieldType::StaticClass()) ? static_cast<FieldType*>(Src) : nullptr;
}

template<typename FieldType>
const FieldType* CastField(const FField* Src)
{
	return Src && Src->IsA(FieldType::StaticClass()) ? static_cast<const FieldType*>(Src) : nullptr;
}

template<typename FieldType>
FieldType* CastFieldChecked(FField* Src)
{
	FieldType* Result = CastField<FieldType>(Src);
	checkf(Result || !Src, TEXT("CastFieldChecked failed"));
	return Result;
}

template<typename FieldType>
const FieldType* CastFieldChecked(const FField* Src)
{
	const FieldType* Result = CastField<FieldType>(Src);
	checkf(Result || !Src, TEXT("CastFieldChecked failed"));
	return Result;
}

template<typename FieldType>
FieldType* ExactCastField(FField* Src)
{
	return Src && Src->GetClass() == FieldType::StaticClass() ? static_cast<FieldType*>(Src) : nullptr;
}

namespace UE::CoreUObject::Private
{
	/** "LowQuality" -> "Low Quality", "bSameSize" -> "Same Size" (for a bool), as the editor shows names. */
	COREUOBJECT_API FString NameToDisplayString(const FString& InDisplayName, bool bIsBool);
}
