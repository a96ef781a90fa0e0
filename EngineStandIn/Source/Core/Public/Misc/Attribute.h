// TAttribute: a value given either directly or by a getter that is called every time the value is read
// (Slate polls its widgets' attributes this way).
#pragma once

#include "HAL/Platform.h"
#include "Templates/UnrealTemplate.h"
#include "Templates/Function.h"
#include "Templates/SharedPointer.h"
#include "Delegates/Delegate.h"

#include <type_traits>

template <typename ObjectType>
class TAttribute
{
public:
	typedef TDelegate<ObjectType()> FGetter;

	TAttribute()
		: Value()
		, bIsSet(false)
	{
	}

	template <typename OtherType, typename = std::enable_if_t<std::is_constructible_v<ObjectType, const OtherType&> && !std::is_same_v<std::decay_t<OtherType>, TAttribute>>>
	TAttribute(const OtherType& InInitialValue)
		: Value(InInitialValue)
		, bIsSet(true)
	{
	}

	TAttribute(ObjectType&& InInitialValue)
		: Value(MoveTemp(InInitialValue))
		, bIsSet(true)
	{
	}

	TAttribute(const FGetter& InGetter)
		: Value()
		, bIsSet(true)
		, Getter(InGetter)
	{
	}

	TAttribute(FGetter&& InGetter)
		: Value()
		, bIsSet(true)
		, Getter(MoveTemp(InGetter))
	{
	}

	template <typename SourceType>
	TAttribute(TSharedRef<SourceType> InUserObject, typename FGetter::template TConstMethodPtr<SourceType> InMethodPtr)
		: Value()
		, bIsSet(true)
		, Getter(FGetter::CreateSP(InUserObject, InMethodPtr))
	{
	}

	template <typename SourceType>
	TAttribute(SourceType* InUserObject, typename FGetter::template TConstMethodPtr<SourceType> InMethodPtr)
		: Value()
		, bIsSet(true)
		, Getter(FGetter::CreateSP(InUserObject, InMethodPtr))
	{
	}

	TAttribute(const TAttribute&) = default;
	TAttribute(TAttribute&&) = default;
	TAttribute& operator=(const TAttribute&) = default;
	TAttribute& operator=(TAttribute&&) = default;

	UE_NODISCARD static TAttribute Create(const FGetter& InGetter)
	{
		return TAttribute(InGetter);
	}

	UE_NODISCARD static TAttribute Create(TFunction<ObjectType()>&& InLambda)
	{
		if (!InLambda.IsSet())
		{
			return TAttribute();
		}
		return TAttribute(FGetter::CreateLambda(MoveTemp(InLambda)));
	}

	template <typename LambdaType, typename... PayloadTypes>
	UE_NODISCARD static TAttribute CreateLambda(LambdaType&& InCallable, PayloadTypes&&... InputPayload)
	{
		return TAttribute(FGetter::CreateLambda(Forward<LambdaType>(InCallable), Forward<PayloadTypes>(InputPayload)...));
	}

	template <typename SourceType, typename... VarTypes>
	UE_NODISCARD static TAttribute CreateSP(const SourceType* InObject, typename FGetter::template TConstMethodPtr<SourceType, VarTypes...> InMethod, VarTypes&&... Vars)
	{
		return TAttribute(FGetter::CreateSP(InObject, InMethod, Forward<VarTypes>(Vars)...));
	}

	template <typename SourceType, typename... VarTypes>
	UE_NODISCARD static TAttribute CreateSP(SourceType* InObject, typename FGetter::template TMethodPtr<SourceType, VarTypes...> InMethod, VarTypes&&... Vars)
	{
		return TAttribute(FGetter::CreateSP(InObject, InMethod, Forward<VarTypes>(Vars)...));
	}

	template <typename SourceType, typename... VarTypes>
	UE_NODISCARD static TAttribute CreateSP(const TSharedRef<SourceType>& InObject, typename FGetter::template TConstMethodPtr<SourceType, VarTypes...> InMethod, VarTypes&&... Vars)
	{
		return TAttribute(FGetter::CreateSP(InObject, InMethod, Forward<VarTypes>(Vars)...));
	}

	template <typename SourceType, typename... VarTypes>
	UE_NODISCARD static TAttribute CreateSP(const TSharedRef<SourceType>& InObject, typename FGetter::template TMethodPtr<SourceType, VarTypes...> InMethod, VarTypes&&... Vars)
	{
		return TAttribute(FGetter::CreateSP(InObject, InMethod, Forward<VarTypes>(Vars)...));
	}

	template <typename SourceType, typename... VarTypes>
	UE_NODISCARD static TAttribute CreateRaw(const SourceType* InObject, typename FGetter::template TConstMethodPtr<SourceType, VarTypes...> InMethod, VarTypes&&... Vars)
	{
		return TAttribute(FGetter::CreateRaw(InObject, InMethod, Forward<VarTypes>(Vars)...));
	}

	template <typename SourceType, typename... VarTypes>
	UE_NODISCARD static TAttribute CreateRaw(SourceType* InObject, typename FGetter::template TMethodPtr<SourceType, VarTypes...> InMethod, VarTypes&&... Vars)
	{
		return TAttribute(FGetter::CreateRaw(InObject, InMethod, Forward<VarTypes>(Vars)...));
	}

	template <typename SourceType, typename... VarTypes>
	UE_NODISCARD static TAttribute CreateUObject(const SourceType* InObject, typename FGetter::template TConstMethodPtr<SourceType, VarTypes...> InMethod, VarTypes&&... Vars)
	{
		return TAttribute(FGetter::CreateUObject(InObject, InMethod, Forward<VarTypes>(Vars)...));
	}

	template <typename SourceType, typename... VarTypes>
	UE_NODISCARD static TAttribute CreateUObject(SourceType* InObject, typename FGetter::template TMethodPtr<SourceType, VarTypes...> InMethod, VarTypes&&... Vars)
	{
		return TAttribute(FGetter::CreateUObject(InObject, InMethod, Forward<VarTypes>(Vars)...));
	}

	/** Sets a plain value; drops any getter. */
	template <typename OtherType>
	void Set(const OtherType& InNewValue)
	{
		Getter.Unbind();
		Value = InNewValue;
		bIsSet = true;
	}

	void Set(ObjectType&& InNewValue)
	{
		Getter.Unbind();
		Value = MoveTemp(InNewValue);
		bIsSet = true;
	}

	void Bind(const FGetter& InGetter)
	{
		bIsSet = true;
		Getter = InGetter;
	}

	void Bind(TFunction<ObjectType()>&& InLambda)
	{
		if (InLambda.IsSet())
		{
			bIsSet = true;
			Getter = FGetter::CreateLambda(MoveTemp(InLambda));
		}
		else
		{
			Getter.Unbind();
		}
	}

	template <typename... ArgTypes>
	void BindStatic(ArgTypes&&... Args)
	{
		Bind(FGetter::CreateStatic(Forward<ArgTypes>(Args)...));
	}

	template <typename... ArgTypes>
	void BindRaw(ArgTypes&&... Args)
	{
		Bind(FGetter::CreateRaw(Forward<ArgTypes>(Args)...));
	}

	template <typename... ArgTypes>
	void BindSP(ArgTypes&&... Args)
	{
		Bind(FGetter::CreateSP(Forward<ArgTypes>(Args)...));
	}

	template <typename... ArgTypes>
	void BindUObject(ArgTypes&&... Args)
	{
		Bind(FGetter::CreateUObject(Forward<ArgTypes>(Args)...));
	}

	template <typename... ArgTypes>
	void BindLambda(ArgTypes&&... Args)
	{
		Bind(FGetter::CreateLambda(Forward<ArgTypes>(Args)...));
	}

	/** The value: the getter's result when one is bound (called on every read), else the stored value. */
	const ObjectType& Get() const
	{
		if (Getter.IsBound())
		{
			Value = Getter.Execute();
		}
		return Value;
	}

	const ObjectType& Get(const ObjectType& DefaultValue) const
	{
		return bIsSet ? Get() : DefaultValue;
	}

	bool IsSet() const
	{
		return bIsSet;
	}

	bool IsBound() const
	{
		return Getter.IsBound();
	}

	const FGetter& GetBinding() const
	{
		return Getter;
	}

	/** Same binding, or (both unbound) same value. */
	bool IdenticalTo(const TAttribute& InOther) const
	{
		const bool bThisBound = IsBound();
		if (bThisBound != InOther.IsBound())
		{
			return false;
		}
		if (bThisBound)
		{
			return Getter.GetHandle() == InOther.Getter.GetHandle();
		}
		return IsSet() == InOther.IsSet() && Value == InOther.Value;
	}

private:
	mutable ObjectType Value;
	bool bIsSet;
	FGetter Getter;
};

template <typename LambdaType, typename... PayloadTypes>
auto MakeAttributeLambda(LambdaType&& InCallable, PayloadTypes&&... InputPayload)
{
	using FValueType = std::decay_t<std::invoke_result_t<std::decay_t<LambdaType>&, std::decay_t<PayloadTypes>&...>>;
	return TAttribute<FValueType>::CreateLambda(Forward<LambdaType>(InCallable), Forward<PayloadTypes>(InputPayload)...);
}

template <typename UserClass, typename MethodClass, typename RetType, typename... VarTypes>
TAttribute<std::decay_t<RetType>> MakeAttributeSP(UserClass* InObject, RetType (MethodClass::*InMethod)(VarTypes...) const, std::type_identity_t<VarTypes>... Vars)
{
	return TAttribute<std::decay_t<RetType>>::Create(TAttribute<std::decay_t<RetType>>::FGetter::CreateSP(InObject, InMethod, Vars...));
}

template <typename UserClass, typename MethodClass, typename RetType, typename... VarTypes>
TAttribute<std::decay_t<RetType>> MakeAttributeRaw(UserClass* InObject, RetType (MethodClass::*InMethod)(VarTypes...) const, std::type_identity_t<VarTypes>... Vars)
{
	return TAttribute<std::decay_t<RetType>>::Create(TAttribute<std::decay_t<RetType>>::FGetter::CreateRaw(InObject, InMethod, Vars...));
}
