// The engine's single-cast and multicast delegates. Payload variables given when binding are passed
// after the call's own arguments. Bindings to shared pointers and objects hold them weakly: such a
// delegate stops being bound once its object is gone.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Templates/UnrealTemplate.h"
#include "Templates/SharedPointer.h"
#include "Delegates/IDelegateInstance.h"
#include "StandIn/DelegateObjectLifetime.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>
#include <vector>

/** The member function pointer type for a (const or non-const) method of Class with signature FuncType. */
template <bool bConst, typename Class, typename FuncType>
struct TMemFunPtrType;

template <typename Class, typename RetType, typename... ArgTypes>
struct TMemFunPtrType<false, Class, RetType(ArgTypes...)>
{
	typedef RetType (std::remove_const_t<Class>::*Type)(ArgTypes...);
};

template <typename Class, typename RetType, typename... ArgTypes>
struct TMemFunPtrType<true, Class, RetType(ArgTypes...)>
{
	typedef RetType (std::remove_const_t<Class>::*Type)(ArgTypes...) const;
};

struct FDefaultDelegateUserPolicy
{
};

namespace UE::Delegates::Private
{
	/** One binding: what to call, and what must still be alive for the call to be allowed. */
	template <typename RetValType, typename... ParamTypes>
	struct TDelegateBinding
	{
		std::function<RetValType(ParamTypes...)> Invoker;
		std::weak_ptr<const void> Lifetime;
		bool bHasLifetime = false;
		const void* Object = nullptr;
		FDelegateHandle Handle = FDelegateHandle(FDelegateHandle::GenerateNewHandle);

		bool IsSafeToExecute() const
		{
			return !bHasLifetime || !Lifetime.expired();
		}
	};

	template <typename UserClass>
	std::weak_ptr<const void> GetObjectLifetime(UserClass* InUserObject, bool& bOutHasLifetime)
	{
		bOutHasLifetime = false;
		if (UE::StandIn::FObjectLifetimeTokenProvider Provider = UE::StandIn::GetObjectLifetimeTokenProvider())
		{
			std::weak_ptr<const void> Token = Provider(static_cast<const void*>(InUserObject));
			// An empty token means the provider does not track this object.
			const std::weak_ptr<const void> Empty;
			bOutHasLifetime = Token.owner_before(Empty) || Empty.owner_before(Token);
			return Token;
		}
		return std::weak_ptr<const void>();
	}
}

template <typename DelegateSignature, typename UserPolicy = FDefaultDelegateUserPolicy>
class TDelegate;

template <typename InRetValType, typename... ParamTypes, typename UserPolicy>
class TDelegate<InRetValType(ParamTypes...), UserPolicy>
{
	using FBinding = UE::Delegates::Private::TDelegateBinding<InRetValType, ParamTypes...>;

public:
	using RetValType = InRetValType;
	using FuncType = InRetValType(ParamTypes...);

	template <typename UserClass, typename... VarTypes>
	using TMethodPtr = typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type;
	template <typename UserClass, typename... VarTypes>
	using TConstMethodPtr = typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type;

	TDelegate() = default;

	TDelegate(std::nullptr_t)
	{
	}

	TDelegate(const TDelegate&) = default;
	TDelegate(TDelegate&&) = default;
	TDelegate& operator=(const TDelegate&) = default;
	TDelegate& operator=(TDelegate&&) = default;

	// Creation

	template <typename... VarTypes>
	UE_NODISCARD static TDelegate CreateStatic(std::type_identity_t<RetValType (*)(ParamTypes..., std::decay_t<VarTypes>...)> InFunc, VarTypes&&... Vars)
	{
		if (InFunc == nullptr)
		{
			return TDelegate();
		}
		return Make(nullptr, InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename FunctorType, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateLambda(FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		return Make(nullptr, Forward<FunctorType>(InFunctor), Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateRaw(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		static_assert(!std::is_const_v<UserClass>, "Attempting to bind a delegate with a const object pointer and non-const member function.");
		return Make(InUserObject, MakeMethodCaller(InUserObject, InFunc), Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateRaw(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return Make(InUserObject, MakeMethodCaller(InUserObject, InFunc), Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		static_assert(!std::is_const_v<UserClass>, "Attempting to bind a delegate with a const object pointer and non-const member function.");
		return MakeSP(InUserObjectRef, InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return MakeSP(InUserObjectRef, InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateSP(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		static_assert(!std::is_const_v<UserClass>, "Attempting to bind a delegate with a const object pointer and non-const member function.");
		return MakeSP(StaticCastSharedRef<UserClass>(InUserObject->AsShared()), InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateSP(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return MakeSP(StaticCastSharedRef<UserClass>(InUserObject->AsShared()), InFunc, Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, ESPMode Mode, typename FunctorType, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateSPLambda(const TSharedRef<UserClass, Mode>& InUserObjectRef, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		TDelegate Result = Make(&InUserObjectRef.Get(), Forward<FunctorType>(InFunctor), Forward<VarTypes>(Vars)...);
		FBinding& Binding = const_cast<FBinding&>(*Result.Binding);
		Binding.Lifetime = SharedPointerInternals::FAccess::Get(InUserObjectRef);
		Binding.bHasLifetime = true;
		return Result;
	}

	template <typename UserClass, typename FunctorType, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateSPLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		return CreateSPLambda(InUserObject->AsShared(), Forward<FunctorType>(InFunctor), Forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateUObject(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		static_assert(!std::is_const_v<UserClass>, "Attempting to bind a delegate with a const object pointer and non-const member function.");
		return WithObjectLifetime(InUserObject, Make(InUserObject, MakeMethodCaller(InUserObject, InFunc), Forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateUObject(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return WithObjectLifetime(InUserObject, Make(InUserObject, MakeMethodCaller(InUserObject, InFunc), Forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename FunctorType, typename... VarTypes>
	UE_NODISCARD static TDelegate CreateWeakLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		return WithObjectLifetime(InUserObject, Make(InUserObject, Forward<FunctorType>(InFunctor), Forward<VarTypes>(Vars)...));
	}

	// Binding (each replaces the current binding)

	template <typename... ArgTypes>
	void BindStatic(ArgTypes&&... Args)
	{
		*this = CreateStatic(Forward<ArgTypes>(Args)...);
	}

	template <typename FunctorType, typename... VarTypes>
	void BindLambda(FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		*this = CreateLambda(Forward<FunctorType>(InFunctor), Forward<VarTypes>(Vars)...);
	}

	template <typename... ArgTypes>
	void BindRaw(ArgTypes&&... Args)
	{
		*this = CreateRaw(Forward<ArgTypes>(Args)...);
	}

	template <typename... ArgTypes>
	void BindSP(ArgTypes&&... Args)
	{
		*this = CreateSP(Forward<ArgTypes>(Args)...);
	}

	template <typename... ArgTypes>
	void BindSPLambda(ArgTypes&&... Args)
	{
		*this = CreateSPLambda(Forward<ArgTypes>(Args)...);
	}

	template <typename... ArgTypes>
	void BindUObject(ArgTypes&&... Args)
	{
		*this = CreateUObject(Forward<ArgTypes>(Args)...);
	}

	template <typename... ArgTypes>
	void BindWeakLambda(ArgTypes&&... Args)
	{
		*this = CreateWeakLambda(Forward<ArgTypes>(Args)...);
	}

	// Calling

	RetValType Execute(ParamTypes... Params) const
	{
		check(IsBound());
		// Keeps the binding alive even if the call rebinds or unbinds this delegate.
		std::shared_ptr<const FBinding> Local = Binding;
		return Local->Invoker(Forward<ParamTypes>(Params)...);
	}

	bool ExecuteIfBound(ParamTypes... Params) const
		requires std::is_void_v<RetValType>
	{
		if (!IsBound())
		{
			return false;
		}
		std::shared_ptr<const FBinding> Local = Binding;
		Local->Invoker(Forward<ParamTypes>(Params)...);
		return true;
	}

	bool IsBound() const
	{
		return Binding != nullptr && Binding->IsSafeToExecute();
	}

	bool IsBoundToObject(const void* InUserObject) const
	{
		return InUserObject != nullptr && Binding != nullptr && Binding->Object == InUserObject;
	}

	void Unbind()
	{
		Binding.reset();
	}

	FDelegateHandle GetHandle() const
	{
		return Binding ? Binding->Handle : FDelegateHandle();
	}

private:
	template <typename UserClass, typename MethodType>
	static auto MakeMethodCaller(UserClass* InUserObject, MethodType InFunc)
	{
		return [InUserObject, InFunc](auto&&... Args) -> RetValType
		{
			return (InUserObject->*InFunc)(Forward<decltype(Args)>(Args)...);
		};
	}

	template <typename CallableType, typename... VarTypes>
	static TDelegate Make(const void* InObject, CallableType&& InCallable, VarTypes&&... Vars)
	{
		std::shared_ptr<FBinding> NewBinding = std::make_shared<FBinding>();
		NewBinding->Object = InObject;
		NewBinding->Invoker =
			[Callable = std::decay_t<CallableType>(Forward<CallableType>(InCallable)),
				Payload = std::tuple<std::decay_t<VarTypes>...>(Forward<VarTypes>(Vars)...)](ParamTypes... Params) mutable -> RetValType
		{
			return std::apply(
				[&](auto&... PayloadVars) -> RetValType
				{
					return std::invoke(Callable, Forward<ParamTypes>(Params)..., PayloadVars...);
				},
				Payload);
		};
		TDelegate Result;
		Result.Binding = MoveTemp(NewBinding);
		return Result;
	}

	template <typename UserClass, ESPMode Mode, typename MethodType, typename... VarTypes>
	static TDelegate MakeSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, MethodType InFunc, VarTypes&&... Vars)
	{
		std::weak_ptr<UserClass> Weak = SharedPointerInternals::FAccess::Get(InUserObjectRef);
		// Pins the object for the duration of the call, as the engine does.
		auto Caller = [Weak, InFunc](auto&&... Args) -> RetValType
		{
			std::shared_ptr<UserClass> Pinned = Weak.lock();
			check(Pinned != nullptr);
			return (Pinned.get()->*InFunc)(Forward<decltype(Args)>(Args)...);
		};
		TDelegate Result = Make(&InUserObjectRef.Get(), MoveTemp(Caller), Forward<VarTypes>(Vars)...);
		FBinding& NewBinding = const_cast<FBinding&>(*Result.Binding);
		NewBinding.Lifetime = Weak;
		NewBinding.bHasLifetime = true;
		return Result;
	}

	template <typename UserClass>
	static TDelegate WithObjectLifetime(UserClass* InUserObject, TDelegate&& InDelegate)
	{
		FBinding& NewBinding = const_cast<FBinding&>(*InDelegate.Binding);
		NewBinding.Lifetime = UE::Delegates::Private::GetObjectLifetime(InUserObject, NewBinding.bHasLifetime);
		return MoveTemp(InDelegate);
	}

	std::shared_ptr<const FBinding> Binding;
};

template <typename DelegateSignature, typename UserPolicy = FDefaultDelegateUserPolicy>
class TMulticastDelegate;

/** A list of delegates called together. Broadcast calls the bound ones, the latest added first. */
template <typename... ParamTypes, typename UserPolicy>
class TMulticastDelegate<void(ParamTypes...), UserPolicy>
{
public:
	using FDelegate = TDelegate<void(ParamTypes...), UserPolicy>;

	TMulticastDelegate() = default;

	FDelegateHandle Add(const FDelegate& InNewDelegate)
	{
		if (!InNewDelegate.IsBound())
		{
			return FDelegateHandle();
		}
		InvocationList.push_back(InNewDelegate);
		return InNewDelegate.GetHandle();
	}

	FDelegateHandle Add(FDelegate&& InNewDelegate)
	{
		if (!InNewDelegate.IsBound())
		{
			return FDelegateHandle();
		}
		const FDelegateHandle Handle = InNewDelegate.GetHandle();
		InvocationList.push_back(MoveTemp(InNewDelegate));
		return Handle;
	}

	/** Adds the delegate unless one with the same handle is already in the list. */
	FDelegateHandle AddUnique(const FDelegate& InNewDelegate)
	{
		for (const FDelegate& Existing : InvocationList)
		{
			if (Existing.GetHandle() == InNewDelegate.GetHandle() && InNewDelegate.GetHandle().IsValid())
			{
				return Existing.GetHandle();
			}
		}
		return Add(InNewDelegate);
	}

	template <typename... ArgTypes>
	FDelegateHandle AddStatic(ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateStatic(Forward<ArgTypes>(Args)...));
	}

	template <typename... ArgTypes>
	FDelegateHandle AddLambda(ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateLambda(Forward<ArgTypes>(Args)...));
	}

	template <typename... ArgTypes>
	FDelegateHandle AddRaw(ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateRaw(Forward<ArgTypes>(Args)...));
	}

	template <typename... ArgTypes>
	FDelegateHandle AddSP(ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateSP(Forward<ArgTypes>(Args)...));
	}

	template <typename... ArgTypes>
	FDelegateHandle AddSPLambda(ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateSPLambda(Forward<ArgTypes>(Args)...));
	}

	template <typename... ArgTypes>
	FDelegateHandle AddUObject(ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateUObject(Forward<ArgTypes>(Args)...));
	}

	template <typename... ArgTypes>
	FDelegateHandle AddWeakLambda(ArgTypes&&... Args)
	{
		return Add(FDelegate::CreateWeakLambda(Forward<ArgTypes>(Args)...));
	}

	/** Removes the binding with this handle; true if one was found. */
	bool Remove(FDelegateHandle Handle)
	{
		if (!Handle.IsValid())
		{
			return false;
		}
		for (FDelegate& Entry : InvocationList)
		{
			if (Entry.GetHandle() == Handle)
			{
				Entry.Unbind();
				CompactIfUnlocked();
				return true;
			}
		}
		return false;
	}

	/** Removes every binding to the object; returns how many were removed. */
	int32 RemoveAll(const void* InUserObject)
	{
		int32 Removed = 0;
		for (FDelegate& Entry : InvocationList)
		{
			if (Entry.IsBoundToObject(InUserObject))
			{
				Entry.Unbind();
				++Removed;
			}
		}
		CompactIfUnlocked();
		return Removed;
	}

	void Clear()
	{
		for (FDelegate& Entry : InvocationList)
		{
			Entry.Unbind();
		}
		CompactIfUnlocked();
	}

	bool IsBound() const
	{
		for (const FDelegate& Entry : InvocationList)
		{
			if (Entry.IsBound())
			{
				return true;
			}
		}
		return false;
	}

	bool IsBoundToObject(const void* InUserObject) const
	{
		for (const FDelegate& Entry : InvocationList)
		{
			if (Entry.IsBoundToObject(InUserObject))
			{
				return true;
			}
		}
		return false;
	}

	void Broadcast(ParamTypes... Params) const
	{
		++LockCount;
		// Walks backwards from the last entry present now, so delegates added by callees are not called
		// this time and removals (which only unbind while locked) do not shift what is left to call.
		for (int32 Index = static_cast<int32>(InvocationList.size()) - 1; Index >= 0; --Index)
		{
			const FDelegate Local = InvocationList[Index];
			if (Local.IsBound())
			{
				Local.Execute(Params...);
			}
		}
		--LockCount;
		CompactIfUnlocked();
	}

private:
	void CompactIfUnlocked() const
	{
		if (LockCount > 0)
		{
			return;
		}
		std::erase_if(InvocationList, [](const FDelegate& Entry)
			{
				return !Entry.IsBound();
			});
	}

	mutable std::vector<FDelegate> InvocationList;
	mutable int32 LockCount = 0;
};

#include "Delegates/DelegateCombinations.h"

DECLARE_DELEGATE(FSimpleDelegate);
DECLARE_MULTICAST_DELEGATE(FSimpleMulticastDelegate);
