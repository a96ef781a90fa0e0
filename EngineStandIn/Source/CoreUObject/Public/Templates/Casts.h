// Cast<T>: checked downcasts of UObjects through their class chain (no RTTI).
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/ObjectPtr.h"

#include <type_traits>

namespace UE::CoreUObject::Private
{
	COREUOBJECT_API void CastCheckFailed(const UObject* Object, const UClass* Class);
}

template<typename To, typename From>
To* Cast(From* Src)
{
	static_assert(sizeof(From) > 0 && sizeof(To) > 0, "Cast needs complete types");
	typedef std::remove_cv_t<To> ToType;
	if (Src && ((const UObject*)Src)->IsA(StaticClass<ToType>()))
	{
		return (To*)Src;
	}
	return nullptr;
}

template<typename To, typename From>
To* Cast(const TObjectPtr<From>& Src)
{
	return Cast<To>(Src.Get());
}

template<typename To, typename From>
To* ExactCast(From* Src)
{
	typedef std::remove_cv_t<To> ToType;
	return Src && ((const UObject*)Src)->GetClass() == StaticClass<ToType>() ? (To*)Src : nullptr;
}

enum class ECastCheckedType : uint8
{
	NullAllowed,
	NullChecked,
};

template<typename To, typename From>
To* CastChecked(From* Src, ECastCheckedType CheckType = ECastCheckedType::NullChecked)
{
	typedef std::remove_cv_t<To> ToType;
	if (!Src)
	{
		if (CheckType == ECastCheckedType::NullChecked)
		{
			UE::CoreUObject::Private::CastCheckFailed(nullptr, StaticClass<ToType>());
		}
		return nullptr;
	}
	To* Result = Cast<To>(Src);
	if (!Result)
	{
		UE::CoreUObject::Private::CastCheckFailed((const UObject*)Src, StaticClass<ToType>());
	}
	return Result;
}

template<typename To, typename From>
To* CastChecked(const TObjectPtr<From>& Src, ECastCheckedType CheckType = ECastCheckedType::NullChecked)
{
	return CastChecked<To>(Src.Get(), CheckType);
}
