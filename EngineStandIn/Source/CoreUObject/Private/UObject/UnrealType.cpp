// Properties: metadata, value copies and comparisons, and text export/import.
#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "UObject/SoftObjectPtr.h"

#include <atomic>
#include <cwctype>

namespace
{
	FString GEmptyMetaData;
	uint64 GNextFieldClassId = 1;
}

// ---------------------------------------------------------------------------------------------------
// Field classes

FFieldClass::FFieldClass(const TCHAR* InName, FFieldClass* InSuperClass)
	: Name(InName)
	, Id(GNextFieldClassId++)
	, SuperClass(InSuperClass)
{
}

FFieldClass* FField::StaticClass()
{
	static FFieldClass Class(TEXT("Field"), nullptr);
	return &Class;
}

IMPLEMENT_FIELD_STANDIN(FProperty)
IMPLEMENT_FIELD_STANDIN(FNumericProperty)
IMPLEMENT_FIELD_STANDIN(FInt8Property)
IMPLEMENT_FIELD_STANDIN(FInt16Property)
IMPLEMENT_FIELD_STANDIN(FIntProperty)
IMPLEMENT_FIELD_STANDIN(FInt64Property)
IMPLEMENT_FIELD_STANDIN(FUInt16Property)
IMPLEMENT_FIELD_STANDIN(FUInt32Property)
IMPLEMENT_FIELD_STANDIN(FUInt64Property)
IMPLEMENT_FIELD_STANDIN(FFloatProperty)
IMPLEMENT_FIELD_STANDIN(FDoubleProperty)
IMPLEMENT_FIELD_STANDIN(FByteProperty)
IMPLEMENT_FIELD_STANDIN(FBoolProperty)
IMPLEMENT_FIELD_STANDIN(FStrProperty)
IMPLEMENT_FIELD_STANDIN(FNameProperty)
IMPLEMENT_FIELD_STANDIN(FTextProperty)
IMPLEMENT_FIELD_STANDIN(FObjectPropertyBase)
IMPLEMENT_FIELD_STANDIN(FObjectProperty)
IMPLEMENT_FIELD_STANDIN(FObjectPtrProperty)
IMPLEMENT_FIELD_STANDIN(FClassProperty)
IMPLEMENT_FIELD_STANDIN(FWeakObjectProperty)
IMPLEMENT_FIELD_STANDIN(FSoftObjectProperty)
IMPLEMENT_FIELD_STANDIN(FSoftClassProperty)
IMPLEMENT_FIELD_STANDIN(FStructProperty)
IMPLEMENT_FIELD_STANDIN(FArrayProperty)
IMPLEMENT_FIELD_STANDIN(FSetProperty)
IMPLEMENT_FIELD_STANDIN(FMapProperty)
IMPLEMENT_FIELD_STANDIN(FEnumProperty)
IMPLEMENT_FIELD_STANDIN(FOpaqueProperty)

// ---------------------------------------------------------------------------------------------------
// FField

FField::FField(FFieldClass* InClass, UStruct* InOwner, FName InName, EObjectFlags InFlags)
	: OwnerStruct(InOwner)
	, ClassPrivate(InClass)
	, NamePrivate(InName)
	, FlagsPrivate(InFlags)
{
}

FField::~FField()
{
}

UStruct* FField::GetOwnerStruct() const
{
	return OwnerStruct;
}

UClass* FField::GetOwnerClass() const
{
	return Cast<UClass>(OwnerStruct);
}

FString FField::GetPathName() const
{
	FString Result = OwnerStruct ? OwnerStruct->GetPathName() : FString();
	Result += TEXT(":");
	Result += GetName();
	return Result;
}

FString FField::GetFullName() const
{
	return ClassPrivate->GetName() + TEXT(" ") + GetPathName();
}

#if WITH_EDITORONLY_DATA
const FString& FField::GetMetaData(const TCHAR* Key) const
{
	return GetMetaData(FName(Key));
}

const FString& FField::GetMetaData(const FName& Key) const
{
	const FString* Value = MetaDataMap.Find(Key);
	return Value ? *Value : GEmptyMetaData;
}

const FString* FField::FindMetaData(const TCHAR* Key) const
{
	return MetaDataMap.Find(FName(Key));
}

const FString* FField::FindMetaData(const FName& Key) const
{
	return MetaDataMap.Find(Key);
}

bool FField::HasMetaData(const TCHAR* Key) const
{
	return MetaDataMap.Contains(FName(Key));
}

bool FField::HasMetaData(const FName& Key) const
{
	return MetaDataMap.Contains(Key);
}

bool FField::GetBoolMetaData(const TCHAR* Key) const
{
	return GetMetaData(Key) == TEXT("true");
}

bool FField::GetBoolMetaData(const FName& Key) const
{
	return GetMetaData(Key) == TEXT("true");
}

int32 FField::GetIntMetaData(const TCHAR* Key) const
{
	return FCString::Atoi(*GetMetaData(Key));
}

float FField::GetFloatMetaData(const TCHAR* Key) const
{
	return FCString::Atof(*GetMetaData(Key));
}

void FField::SetMetaData(const TCHAR* Key, const TCHAR* InValue)
{
	MetaDataMap.Add(FName(Key), FString(InValue));
}

void FField::SetMetaData(const FName& Key, FString&& InValue)
{
	MetaDataMap.Add(Key, MoveTemp(InValue));
}

void FField::RemoveMetaData(const TCHAR* Key)
{
	MetaDataMap.Remove(FName(Key));
}

#endif

#if WITH_EDITOR
FText FField::GetDisplayNameText() const
{
	if (const FString* DisplayName = FindMetaData(TEXT("DisplayName")))
	{
		return FText::FromString(*DisplayName);
	}
	return FText::FromString(UE::CoreUObject::Private::NameToDisplayString(GetName(), IsA(FBoolProperty::StaticClass())));
}

FText FField::GetToolTipText(bool bShortTooltip) const
{
	if (bShortTooltip)
	{
		if (const FString* Short = FindMetaData(TEXT("ShortTooltip")))
		{
			return FText::FromString(*Short);
		}
	}
	if (const FString* ToolTip = FindMetaData(TEXT("ToolTip")))
	{
		return FText::FromString(*ToolTip);
	}
	return GetDisplayNameText();
}
#endif

namespace UE::CoreUObject::Private
{
	FString NameToDisplayString(const FString& InDisplayName, bool bIsBool)
	{
		FString Name = InDisplayName;
		if (bIsBool && Name.Len() > 1 && Name[0] == TEXT('b') && std::iswupper(Name[1]))
		{
			Name = Name.RightChop(1);
		}
		FString Out;
		bool bInARun = false;
		bool bWasSpace = false;
		bool bWasOpenParen = false;
		bool bWasNumber = false;
		bool bWasMinusSign = false;
		for (int32 Index = 0; Index < Name.Len(); ++Index)
		{
			TCHAR Ch = Name[Index];
			const bool bLowerCase = std::iswlower(Ch) != 0;
			const bool bUpperCase = std::iswupper(Ch) != 0;
			const bool bIsDigit = std::iswdigit(Ch) != 0;
			const bool bIsUnderscore = Ch == TEXT('_');
			// A new word starts at an upper-case letter after a lower-case one, at the end of a run of
			// capitals, and between letters and numbers.
			if ((bUpperCase || (bIsDigit && !bWasMinusSign)) && !bWasSpace && !bWasOpenParen && Out.Len() > 0)
			{
				if (!bInARun || (Index + 1 < Name.Len() && std::iswlower(Name[Index + 1])))
				{
					if (!(bIsDigit && bWasNumber))
					{
						Out.AppendChar(TEXT(' '));
						bWasSpace = true;
					}
				}
				bInARun = true;
			}
			else if (!bWasNumber || !bIsDigit)
			{
				bInARun = false;
			}
			if (bLowerCase)
			{
				bInARun = false;
			}
			if (bIsUnderscore)
			{
				Ch = TEXT(' ');
				bInARun = true;
			}
			if (Out.Len() == 0 && bLowerCase)
			{
				Ch = (TCHAR)std::towupper(Ch);
			}
			else if (bWasSpace && bLowerCase)
			{
				Ch = (TCHAR)std::towupper(Ch);
			}
			bWasSpace = Ch == TEXT(' ');
			bWasOpenParen = Ch == TEXT('(');
			bWasMinusSign = Ch == TEXT('-') && !bWasNumber;
			bWasNumber = bIsDigit || (bWasNumber && Ch == TEXT('.'));
			Out.AppendChar(Ch);
		}
		FString Collapsed;
		for (int32 Index = 0; Index < Out.Len(); ++Index)
		{
			if (Out[Index] == TEXT(' ') && (Collapsed.Len() == 0 || Collapsed[Collapsed.Len() - 1] == TEXT(' ')))
			{
				continue;
			}
			Collapsed.AppendChar(Out[Index]);
		}
		Collapsed.TrimEndInline();
		return Collapsed;
	}
}

// ---------------------------------------------------------------------------------------------------
// Text helpers

namespace
{
	const TCHAR* SkipSpaces(const TCHAR* Buffer)
	{
		while (*Buffer == TEXT(' ') || *Buffer == TEXT('\t') || *Buffer == TEXT('\r') || *Buffer == TEXT('\n'))
		{
			++Buffer;
		}
		return Buffer;
	}

	FString Quote(const FString& Value)
	{
		FString Result(TEXT("\""));
		for (int32 Index = 0; Index < Value.Len(); ++Index)
		{
			const TCHAR C = Value[Index];
			if (C == TEXT('"') || C == TEXT('\\'))
			{
				Result.AppendChar(TEXT('\\'));
			}
			else if (C == TEXT('\n'))
			{
				Result += TEXT("\\n");
				continue;
			}
			Result.AppendChar(C);
		}
		Result.AppendChar(TEXT('"'));
		return Result;
	}

	/** Reads a quoted string, or an unquoted token up to a delimiter ( , ) or end. */
	const TCHAR* ReadToken(const TCHAR* Buffer, FString& Out, bool bStopAtDelimiters)
	{
		Out.Empty();
		Buffer = SkipSpaces(Buffer);
		if (*Buffer == TEXT('"'))
		{
			++Buffer;
			while (*Buffer && *Buffer != TEXT('"'))
			{
				if (*Buffer == TEXT('\\') && Buffer[1])
				{
					++Buffer;
					Out.AppendChar(*Buffer == TEXT('n') ? TEXT('\n') : *Buffer);
				}
				else
				{
					Out.AppendChar(*Buffer);
				}
				++Buffer;
			}
			if (*Buffer != TEXT('"'))
			{
				return nullptr;
			}
			return Buffer + 1;
		}
		int32 Depth = 0;
		while (*Buffer)
		{
			const TCHAR C = *Buffer;
			if (bStopAtDelimiters && Depth == 0 && (C == TEXT(',') || C == TEXT(')')))
			{
				break;
			}
			if (C == TEXT('('))
			{
				++Depth;
			}
			else if (C == TEXT(')'))
			{
				--Depth;
			}
			Out.AppendChar(C);
			++Buffer;
		}
		Out.TrimEndInline();
		return Buffer;
	}

	bool ParseNumber(const FString& Token, bool bFloat, double& OutDouble, int64& OutInt)
	{
		if (Token.IsEmpty())
		{
			return false;
		}
		const std::wstring Text = *Token;
		wchar_t* End = nullptr;
		if (bFloat)
		{
			OutDouble = std::wcstod(Text.c_str(), &End);
		}
		else
		{
			OutInt = (int64)std::wcstoll(Text.c_str(), &End, 0);
			if (End && *End == L'.')
			{
				OutInt = (int64)std::wcstod(Text.c_str(), &End);
			}
		}
		if (End && bFloat && (*End == L'f' || *End == L'F'))
		{
			++End;
		}
		return End && End != Text.c_str() && *End == 0;
	}

	UObject* FindObjectFromText(const FString& Text, UClass* Class)
	{
		if (Text.IsEmpty() || Text == TEXT("None"))
		{
			return nullptr;
		}
		return StaticFindObject(Class, nullptr, *Text);
	}
}

// ---------------------------------------------------------------------------------------------------
// FProperty

FProperty::FProperty(FFieldClass* InClass, UStruct* InOwner, FName InName, int32 InOffset, EPropertyFlags InFlags, const UE::CoreUObject::Private::FTypeOps* InOps)
	: FField(InClass, InOwner, InName)
	, ElementSize(InOps ? InOps->Size : 0)
	, PropertyFlags(InFlags)
	, Offset_Internal(InOffset)
	, TypeOps(InOps)
{
}

FString FProperty::GetCPPMacroType(FString& ExtendedTypeText) const
{
	ExtendedTypeText.Empty();
	return ClassPrivate->GetName().LeftChop(8).ToUpper();
}

FString FProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	const FFieldClass* Class = GetClass();
	if (Class == FBoolProperty::StaticClass()) return TEXT("bool");
	if (Class == FFloatProperty::StaticClass()) return TEXT("float");
	if (Class == FDoubleProperty::StaticClass()) return TEXT("double");
	if (Class == FIntProperty::StaticClass()) return TEXT("int32");
	if (Class == FInt8Property::StaticClass()) return TEXT("int8");
	if (Class == FInt16Property::StaticClass()) return TEXT("int16");
	if (Class == FInt64Property::StaticClass()) return TEXT("int64");
	if (Class == FUInt16Property::StaticClass()) return TEXT("uint16");
	if (Class == FUInt32Property::StaticClass()) return TEXT("uint32");
	if (Class == FUInt64Property::StaticClass()) return TEXT("uint64");
	if (Class == FStrProperty::StaticClass()) return TEXT("FString");
	if (Class == FNameProperty::StaticClass()) return TEXT("FName");
	if (Class == FTextProperty::StaticClass()) return TEXT("FText");
	if (const FByteProperty* Byte = CastField<FByteProperty>(this))
	{
		return Byte->Enum ? FString::Printf(TEXT("TEnumAsByte<%s>"), *Byte->Enum->CppType) : FString(TEXT("uint8"));
	}
	if (const FEnumProperty* Enum = CastField<FEnumProperty>(this))
	{
		return Enum->Enum ? Enum->Enum->CppType : FString(TEXT("uint8"));
	}
	if (const FClassProperty* ClassProp = CastField<FClassProperty>(this))
	{
		return FString::Printf(TEXT("TSubclassOf<%s>"), ClassProp->MetaClass ? *ClassProp->MetaClass->CppName : TEXT("UObject"));
	}
	if (const FObjectPtrProperty* PtrProp = CastField<FObjectPtrProperty>(this))
	{
		return FString::Printf(TEXT("TObjectPtr<%s>"), PtrProp->PropertyClass ? *PtrProp->PropertyClass->CppName : TEXT("UObject"));
	}
	if (const FObjectProperty* ObjProp = CastField<FObjectProperty>(this))
	{
		return FString::Printf(TEXT("%s*"), ObjProp->PropertyClass ? *ObjProp->PropertyClass->CppName : TEXT("UObject"));
	}
	if (const FWeakObjectProperty* WeakProp = CastField<FWeakObjectProperty>(this))
	{
		return FString::Printf(TEXT("TWeakObjectPtr<%s>"), WeakProp->PropertyClass ? *WeakProp->PropertyClass->CppName : TEXT("UObject"));
	}
	if (const FSoftClassProperty* SoftClassProp = CastField<FSoftClassProperty>(this))
	{
		return FString::Printf(TEXT("TSoftClassPtr<%s>"), SoftClassProp->MetaClass ? *SoftClassProp->MetaClass->CppName : TEXT("UObject"));
	}
	if (const FSoftObjectProperty* SoftProp = CastField<FSoftObjectProperty>(this))
	{
		return FString::Printf(TEXT("TSoftObjectPtr<%s>"), SoftProp->PropertyClass ? *SoftProp->PropertyClass->CppName : TEXT("UObject"));
	}
	if (const FStructProperty* StructProp = CastField<FStructProperty>(this))
	{
		return StructProp->Struct ? StructProp->Struct->CppName : FString(TEXT("FStruct"));
	}
	if (const FArrayProperty* ArrayProp = CastField<FArrayProperty>(this))
	{
		return FString::Printf(TEXT("TArray<%s>"), *ArrayProp->Inner->GetCPPType());
	}
	if (const FSetProperty* SetProp = CastField<FSetProperty>(this))
	{
		return FString::Printf(TEXT("TSet<%s>"), *SetProp->ElementProp->GetCPPType());
	}
	if (const FMapProperty* MapProp = CastField<FMapProperty>(this))
	{
		return FString::Printf(TEXT("TMap<%s, %s>"), *MapProp->KeyProp->GetCPPType(), *MapProp->ValueProp->GetCPPType());
	}
	return FString();
}

void FProperty::InitializeValue(void* Dest) const
{
	TypeOps->Construct(Dest);
}

void FProperty::DestroyValue(void* Dest) const
{
	TypeOps->Destruct(Dest);
}

void FProperty::ClearValue(void* Data) const
{
	void* Fresh = ::operator new((std::size_t)TypeOps->Size, std::align_val_t((std::size_t)TypeOps->Alignment));
	TypeOps->Construct(Fresh);
	TypeOps->Copy(Data, Fresh);
	TypeOps->Free(Fresh);
}

void FProperty::CopySingleValue(void* Dest, const void* Src) const
{
	if (Dest != Src)
	{
		TypeOps->Copy(Dest, Src);
	}
}

void FProperty::CopyCompleteValue(void* Dest, const void* Src) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		CopySingleValue((uint8*)Dest + Index * ElementSize, (const uint8*)Src + Index * ElementSize);
	}
}

bool FProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	void* Default = nullptr;
	if (!B)
	{
		Default = ::operator new((std::size_t)TypeOps->Size, std::align_val_t((std::size_t)TypeOps->Alignment));
		TypeOps->Construct(Default);
		B = Default;
	}
	bool bResult;
	if (TypeOps->Identical)
	{
		bResult = TypeOps->Identical(A, B);
	}
	else if (const FStructProperty* StructProp = CastField<FStructProperty>(this))
	{
		bResult = StructProp->Struct ? StructProp->Struct->CompareScriptStruct(A, B, PortFlags) : false;
	}
	else if (const FArrayProperty* ArrayProp = CastField<FArrayProperty>(this))
	{
		const int32 Num = ArrayProp->ArrayOps->Num(A);
		bResult = Num == ArrayProp->ArrayOps->Num(B);
		for (int32 Index = 0; bResult && Index < Num; ++Index)
		{
			bResult = ArrayProp->Inner->Identical(ArrayProp->ArrayOps->GetElement(const_cast<void*>(A), Index),
				ArrayProp->ArrayOps->GetElement(const_cast<void*>(B), Index), PortFlags);
		}
	}
	else if (const FSetProperty* SetProp = CastField<FSetProperty>(this))
	{
		const int32 Num = SetProp->SetOps->Num(A);
		bResult = Num == SetProp->SetOps->Num(B);
		for (int32 Index = 0; bResult && Index < Num; ++Index)
		{
			bResult = SetProp->SetOps->Contains(B, SetProp->SetOps->GetElement(A, Index));
		}
	}
	else if (const FMapProperty* MapProp = CastField<FMapProperty>(this))
	{
		const int32 Num = MapProp->MapOps->Num(A);
		bResult = Num == MapProp->MapOps->Num(B);
		for (int32 Index = 0; bResult && Index < Num; ++Index)
		{
			const void* Key = MapProp->MapOps->GetKey(A, Index);
			const void* Other = MapProp->MapOps->Find(B, Key);
			bResult = Other && MapProp->ValueProp->Identical(MapProp->MapOps->GetValue(const_cast<void*>(A), Index), Other, PortFlags);
		}
	}
	else if (CastField<FTextProperty>(this))
	{
		bResult = ((const FText*)A)->ToString().Equals(((const FText*)B)->ToString(), ESearchCase::CaseSensitive);
	}
	else
	{
		bResult = false;
	}
	if (Default)
	{
		TypeOps->Free(Default);
	}
	return bResult;
}

bool FProperty::Identical_InContainer(const void* A, const void* B, int32 ArrayIndex, uint32 PortFlags) const
{
	return Identical(ContainerPtrToValuePtr<void>(A, ArrayIndex), B ? ContainerPtrToValuePtr<void>(B, ArrayIndex) : nullptr, PortFlags);
}

void FProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	const FFieldClass* Class = GetClass();
	if (CastField<FBoolProperty>(this))
	{
		ValueStr += *(const bool*)PropertyValue ? TEXT("True") : TEXT("False");
	}
	else if (Class == FFloatProperty::StaticClass())
	{
		ValueStr += FString::SanitizeFloat(*(const float*)PropertyValue);
	}
	else if (Class == FDoubleProperty::StaticClass())
	{
		ValueStr += FString::SanitizeFloat(*(const double*)PropertyValue);
	}
	else if (const FByteProperty* ByteProp = CastField<FByteProperty>(this); ByteProp && ByteProp->Enum)
	{
		const FString Name = ByteProp->Enum->GetNameStringByValue(*(const uint8*)PropertyValue);
		ValueStr += Name.IsEmpty() ? FString::Printf(TEXT("%d"), (int32) * (const uint8*)PropertyValue) : Name;
	}
	else if (const FNumericProperty* Numeric = CastField<FNumericProperty>(this))
	{
		ValueStr += Numeric->GetNumericPropertyValueToString(PropertyValue);
	}
	else if (Class == FStrProperty::StaticClass())
	{
		const FString& Value = *(const FString*)PropertyValue;
		ValueStr += (PortFlags & PPF_Delimited) ? Quote(Value) : Value;
	}
	else if (Class == FNameProperty::StaticClass())
	{
		const FString Value = ((const FName*)PropertyValue)->ToString();
		ValueStr += (PortFlags & PPF_Delimited) ? Quote(Value) : Value;
	}
	else if (Class == FTextProperty::StaticClass())
	{
		const FString Value = ((const FText*)PropertyValue)->ToString();
		ValueStr += (PortFlags & PPF_Delimited) ? Quote(Value) : Value;
	}
	else if (const FEnumProperty* EnumProp = CastField<FEnumProperty>(this))
	{
		const int64 Value = EnumProp->UnderlyingProp->GetSignedIntPropertyValue(PropertyValue);
		const FString Name = EnumProp->Enum ? EnumProp->Enum->GetNameStringByValue(Value) : FString();
		ValueStr += Name.IsEmpty() ? FString::Printf(TEXT("%lld"), (long long)Value) : Name;
	}
	else if (const FObjectPropertyBase* ObjectProp = CastField<FObjectPropertyBase>(this))
	{
		if (CastField<FSoftObjectProperty>(this))
		{
			const FString Path = ((const TSoftObjectPtr<UObject>*)PropertyValue)->ToString();
			ValueStr += Path.IsEmpty() ? FString(TEXT("None")) : Path;
		}
		else
		{
			UObject* Object = ObjectProp->GetObjectPropertyValue(PropertyValue);
			ValueStr += Object ? Object->GetPathName() : FString(TEXT("None"));
		}
	}
	else if (const FStructProperty* StructProp = CastField<FStructProperty>(this))
	{
		ValueStr += TEXT("(");
		bool bFirst = true;
		for (TFieldIterator<FProperty> It(StructProp->Struct); It; ++It)
		{
			if (!bFirst)
			{
				ValueStr += TEXT(",");
			}
			bFirst = false;
			ValueStr += It->GetName();
			ValueStr += TEXT("=");
			It->ExportTextItem_Direct(ValueStr, It->ContainerPtrToValuePtr<void>(PropertyValue), nullptr, Parent, PortFlags | PPF_Delimited, ExportRootScope);
		}
		ValueStr += TEXT(")");
	}
	else if (const FArrayProperty* ArrayProp = CastField<FArrayProperty>(this))
	{
		ValueStr += TEXT("(");
		const int32 Num = ArrayProp->ArrayOps->Num(PropertyValue);
		for (int32 Index = 0; Index < Num; ++Index)
		{
			if (Index > 0)
			{
				ValueStr += TEXT(",");
			}
			ArrayProp->Inner->ExportTextItem_Direct(ValueStr, ArrayProp->ArrayOps->GetElement(const_cast<void*>(PropertyValue), Index), nullptr, Parent, PortFlags | PPF_Delimited, ExportRootScope);
		}
		ValueStr += TEXT(")");
	}
	else if (const FSetProperty* SetProp = CastField<FSetProperty>(this))
	{
		ValueStr += TEXT("(");
		const int32 Num = SetProp->SetOps->Num(PropertyValue);
		for (int32 Index = 0; Index < Num; ++Index)
		{
			if (Index > 0)
			{
				ValueStr += TEXT(",");
			}
			SetProp->ElementProp->ExportTextItem_Direct(ValueStr, SetProp->SetOps->GetElement(PropertyValue, Index), nullptr, Parent, PortFlags | PPF_Delimited, ExportRootScope);
		}
		ValueStr += TEXT(")");
	}
	else if (const FMapProperty* MapProp = CastField<FMapProperty>(this))
	{
		ValueStr += TEXT("(");
		const int32 Num = MapProp->MapOps->Num(PropertyValue);
		for (int32 Index = 0; Index < Num; ++Index)
		{
			if (Index > 0)
			{
				ValueStr += TEXT(",");
			}
			ValueStr += TEXT("(");
			MapProp->KeyProp->ExportTextItem_Direct(ValueStr, MapProp->MapOps->GetKey(PropertyValue, Index), nullptr, Parent, PortFlags | PPF_Delimited, ExportRootScope);
			ValueStr += TEXT(", ");
			MapProp->ValueProp->ExportTextItem_Direct(ValueStr, MapProp->MapOps->GetValue(const_cast<void*>(PropertyValue), Index), nullptr, Parent, PortFlags | PPF_Delimited, ExportRootScope);
			ValueStr += TEXT(")");
		}
		ValueStr += TEXT(")");
	}
}

void FProperty::ExportTextItem_InContainer(FString& ValueStr, const void* Container, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	ExportTextItem_Direct(ValueStr, ContainerPtrToValuePtr<void>(Container), DefaultValue, Parent, PortFlags, ExportRootScope);
}

bool FProperty::ExportText_Direct(FString& ValueStr, const void* Data, const void* Delta, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	ExportTextItem_Direct(ValueStr, Data, Delta, Parent, PortFlags, ExportRootScope);
	return true;
}

bool FProperty::ExportText_InContainer(int32 Index, FString& ValueStr, const void* Data, const void* Delta, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	ExportTextItem_Direct(ValueStr, ContainerPtrToValuePtr<void>(Data, Index), Delta ? ContainerPtrToValuePtr<void>(Delta, Index) : nullptr, Parent, PortFlags, ExportRootScope);
	return true;
}

FString FProperty::ValueToString(const void* Data) const
{
	FString Result;
	ExportTextItem_Direct(Result, Data, nullptr, nullptr, PPF_None);
	return Result;
}

const TCHAR* FProperty::ImportText_Direct(const TCHAR* Buffer, void* PropertyPtr, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	if (!Buffer)
	{
		return nullptr;
	}
	return ImportTextValue(Buffer, PropertyPtr, OwnerObject, PortFlags);
}

const TCHAR* FProperty::ImportText_InContainer(const TCHAR* Buffer, void* Container, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	return ImportText_Direct(Buffer, ContainerPtrToValuePtr<void>(Container), OwnerObject, PortFlags, ErrorText);
}

const TCHAR* FProperty::ImportTextValue(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags) const
{
	const FFieldClass* Class = GetClass();
	const bool bInList = (PortFlags & PPF_Delimited) != 0;
	Buffer = SkipSpaces(Buffer);
	if (const FStructProperty* StructProp = CastField<FStructProperty>(this))
	{
		if (*Buffer != TEXT('('))
		{
			return nullptr;
		}
		++Buffer;
		for (;;)
		{
			Buffer = SkipSpaces(Buffer);
			if (*Buffer == TEXT(')'))
			{
				return Buffer + 1;
			}
			FString Name;
			while (*Buffer && *Buffer != TEXT('=') && *Buffer != TEXT(',') && *Buffer != TEXT(')'))
			{
				Name.AppendChar(*Buffer++);
			}
			Name.TrimStartAndEndInline();
			if (*Buffer != TEXT('='))
			{
				return nullptr;
			}
			++Buffer;
			FProperty* Member = StructProp->Struct ? StructProp->Struct->FindPropertyByName(FName(*Name)) : nullptr;
			if (!Member)
			{
				return nullptr;
			}
			Buffer = Member->ImportTextValue(Buffer, Member->ContainerPtrToValuePtr<void>(Data), OwnerObject, PortFlags | PPF_Delimited);
			if (!Buffer)
			{
				return nullptr;
			}
			Buffer = SkipSpaces(Buffer);
			if (*Buffer == TEXT(','))
			{
				++Buffer;
			}
		}
	}
	if (const FArrayProperty* ArrayProp = CastField<FArrayProperty>(this))
	{
		if (*Buffer != TEXT('('))
		{
			return nullptr;
		}
		++Buffer;
		ArrayProp->ArrayOps->Resize(Data, 0);
		for (;;)
		{
			Buffer = SkipSpaces(Buffer);
			if (*Buffer == TEXT(')'))
			{
				return Buffer + 1;
			}
			const int32 Index = ArrayProp->ArrayOps->Num(Data);
			ArrayProp->ArrayOps->Resize(Data, Index + 1);
			Buffer = ArrayProp->Inner->ImportTextValue(Buffer, ArrayProp->ArrayOps->GetElement(Data, Index), OwnerObject, PortFlags | PPF_Delimited);
			if (!Buffer)
			{
				return nullptr;
			}
			Buffer = SkipSpaces(Buffer);
			if (*Buffer == TEXT(','))
			{
				++Buffer;
			}
		}
	}
	if (const FSetProperty* SetProp = CastField<FSetProperty>(this))
	{
		if (*Buffer != TEXT('('))
		{
			return nullptr;
		}
		++Buffer;
		SetProp->SetOps->Empty(Data);
		const UE::CoreUObject::Private::FTypeOps* ElementOps = SetProp->ElementProp->TypeOps;
		void* Element = ::operator new((std::size_t)ElementOps->Size, std::align_val_t((std::size_t)ElementOps->Alignment));
		ElementOps->Construct(Element);
		for (;;)
		{
			Buffer = SkipSpaces(Buffer);
			if (*Buffer == TEXT(')'))
			{
				++Buffer;
				break;
			}
			Buffer = SetProp->ElementProp->ImportTextValue(Buffer, Element, OwnerObject, PortFlags | PPF_Delimited);
			if (!Buffer)
			{
				break;
			}
			SetProp->SetOps->Add(Data, Element);
			Buffer = SkipSpaces(Buffer);
			if (*Buffer == TEXT(','))
			{
				++Buffer;
			}
		}
		ElementOps->Free(Element);
		return Buffer;
	}
	FString Token;
	const TCHAR* After = ReadToken(Buffer, Token, bInList);
	if (!After)
	{
		return nullptr;
	}
	if (CastField<FBoolProperty>(this))
	{
		if (Token == TEXT("True") || Token == TEXT("Yes") || Token == TEXT("1") || Token == TEXT("On"))
		{
			*(bool*)Data = true;
		}
		else if (Token == TEXT("False") || Token == TEXT("No") || Token == TEXT("0") || Token == TEXT("Off"))
		{
			*(bool*)Data = false;
		}
		else
		{
			return nullptr;
		}
		return After;
	}
	if (const FByteProperty* ByteProp = CastField<FByteProperty>(this); ByteProp && ByteProp->Enum)
	{
		const int64 Value = ByteProp->Enum->GetValueByNameString(Token);
		if (Value == INDEX_NONE)
		{
			return nullptr;
		}
		*(uint8*)Data = (uint8)Value;
		return After;
	}
	if (const FEnumProperty* EnumProp = CastField<FEnumProperty>(this))
	{
		const int64 Value = EnumProp->Enum ? EnumProp->Enum->GetValueByNameString(Token) : INDEX_NONE;
		if (Value == INDEX_NONE)
		{
			return nullptr;
		}
		EnumProp->UnderlyingProp->SetIntPropertyValue(Data, Value);
		return After;
	}
	if (const FNumericProperty* Numeric = CastField<FNumericProperty>(this))
	{
		double AsDouble = 0.0;
		int64 AsInt = 0;
		if (!ParseNumber(Token, Numeric->IsFloatingPoint(), AsDouble, AsInt))
		{
			return nullptr;
		}
		if (Numeric->IsFloatingPoint())
		{
			Numeric->SetFloatingPointPropertyValue(Data, AsDouble);
		}
		else
		{
			Numeric->SetIntPropertyValue(Data, AsInt);
		}
		return After;
	}
	if (Class == FStrProperty::StaticClass())
	{
		*(FString*)Data = Token;
		return After;
	}
	if (Class == FNameProperty::StaticClass())
	{
		*(FName*)Data = FName(*Token);
		return After;
	}
	if (Class == FTextProperty::StaticClass())
	{
		*(FText*)Data = FText::FromString(Token);
		return After;
	}
	if (const FObjectPropertyBase* ObjectProp = CastField<FObjectPropertyBase>(this))
	{
		UObject* Object = FindObjectFromText(Token, ObjectProp->PropertyClass);
		if (!Object && !(Token.IsEmpty() || Token == TEXT("None")))
		{
			return nullptr;
		}
		ObjectProp->SetObjectPropertyValue(Data, Object);
		return After;
	}
	return nullptr;
}

bool FProperty::SameType(const FProperty* Other) const
{
	return Other && GetClass() == Other->GetClass() && GetCPPType() == Other->GetCPPType();
}

FString FNumericProperty::GetNumericPropertyValueToString(const void* Data) const
{
	if (IsFloatingPoint())
	{
		return FString::SanitizeFloat(GetFloatingPointPropertyValue(Data));
	}
	if (GetClass() == FUInt64Property::StaticClass() || GetClass() == FUInt32Property::StaticClass())
	{
		return FString::Printf(TEXT("%llu"), (unsigned long long)GetUnsignedIntPropertyValue(Data));
	}
	return FString::Printf(TEXT("%lld"), (long long)GetSignedIntPropertyValue(Data));
}

void FNumericProperty::SetNumericPropertyValueFromString(void* Data, const TCHAR* Value) const
{
	if (IsFloatingPoint())
	{
		SetFloatingPointPropertyValue(Data, FCString::Atod(Value));
	}
	else
	{
		SetIntPropertyValue(Data, (int64)FCString::Atoi64(Value));
	}
}

// ---------------------------------------------------------------------------------------------------
// Object references held weakly or by path

UObject* FWeakObjectProperty::GetObjectPropertyValue(const void* PropertyValueAddress) const
{
	return ((const TWeakObjectPtr<UObject>*)PropertyValueAddress)->Get();
}

void FWeakObjectProperty::SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const
{
	*(TWeakObjectPtr<UObject>*)PropertyValueAddress = Value;
}

UObject* FSoftObjectProperty::GetObjectPropertyValue(const void* PropertyValueAddress) const
{
	return ((const TSoftObjectPtr<UObject>*)PropertyValueAddress)->Get();
}

void FSoftObjectProperty::SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const
{
	*(TSoftObjectPtr<UObject>*)PropertyValueAddress = TSoftObjectPtr<UObject>(Value);
}

FArrayProperty::~FArrayProperty()
{
	delete Inner;
}

FSetProperty::~FSetProperty()
{
	delete ElementProp;
}

FMapProperty::~FMapProperty()
{
	delete KeyProp;
	delete ValueProp;
}

FEnumProperty::~FEnumProperty()
{
	delete UnderlyingProp;
}

// ---------------------------------------------------------------------------------------------------
// Change events

FPropertyChangedEvent::FPropertyChangedEvent(FProperty* InProperty, EPropertyChangeType::Type InChangeType, TArrayView<const UObject* const> InTopLevelObjects)
	: Property(InProperty)
	, MemberProperty(InProperty)
	, ChangeType(InChangeType)
{
	for (const UObject* Object : InTopLevelObjects)
	{
		TopLevelObjects.Add(Object);
	}
}

FName FPropertyChangedEvent::GetPropertyName() const
{
	return Property ? Property->GetFName() : FName();
}

FName FPropertyChangedEvent::GetMemberPropertyName() const
{
	return MemberProperty ? MemberProperty->GetFName() : FName();
}

int32 FPropertyChangedEvent::GetArrayIndex(const FString& PropertyName) const
{
	if (ArrayIndicesPerObject.IsValidIndex(ObjectIteratorIndex))
	{
		if (const int32* Index = ArrayIndicesPerObject[ObjectIteratorIndex].Find(PropertyName))
		{
			return *Index;
		}
	}
	return INDEX_NONE;
}
