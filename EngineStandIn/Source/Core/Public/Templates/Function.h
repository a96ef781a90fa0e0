// The engine's callable wrappers: TFunction (copyable), TUniqueFunction (move-only) and TFunctionRef
// (non-owning, never unset).
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Templates/UnrealTemplate.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <type_traits>

template <typename FuncType>
class TFunction;

template <typename Ret, typename... ParamTypes>
class TFunction<Ret(ParamTypes...)>
{
public:
	TFunction() = default;

	TFunction(std::nullptr_t)
	{
	}

	template <typename FunctorType,
		typename = std::enable_if_t<!std::is_same_v<std::decay_t<FunctorType>, TFunction> && std::is_invocable_r_v<Ret, std::decay_t<FunctorType>&, ParamTypes...>>>
	TFunction(FunctorType&& InFunc)
		: Callable(Forward<FunctorType>(InFunc))
	{
	}

	TFunction(const TFunction&) = default;
	TFunction(TFunction&&) = default;
	TFunction& operator=(const TFunction&) = default;
	TFunction& operator=(TFunction&&) = default;

	TFunction& operator=(std::nullptr_t)
	{
		Reset();
		return *this;
	}

	Ret operator()(ParamTypes... Params) const
	{
		check(IsSet());
		return Callable(Forward<ParamTypes>(Params)...);
	}

	bool IsSet() const
	{
		return static_cast<bool>(Callable);
	}

	explicit operator bool() const
	{
		return IsSet();
	}

	void Reset()
	{
		Callable = nullptr;
	}

private:
	std::function<Ret(ParamTypes...)> Callable;
};

template <typename FuncType>
class TUniqueFunction;

template <typename Ret, typename... ParamTypes>
class TUniqueFunction<Ret(ParamTypes...)>
{
	struct ICallable
	{
		virtual ~ICallable() = default;
		virtual Ret Call(ParamTypes... Params) = 0;
	};

	template <typename FunctorType>
	struct TCallable final : ICallable
	{
		FunctorType Functor;

		template <typename ArgType>
		explicit TCallable(ArgType&& InFunctor)
			: Functor(Forward<ArgType>(InFunctor))
		{
		}

		virtual Ret Call(ParamTypes... Params) override
		{
			return std::invoke(Functor, Forward<ParamTypes>(Params)...);
		}
	};

public:
	TUniqueFunction() = default;

	TUniqueFunction(std::nullptr_t)
	{
	}

	template <typename FunctorType,
		typename = std::enable_if_t<!std::is_same_v<std::decay_t<FunctorType>, TUniqueFunction> && std::is_invocable_r_v<Ret, std::decay_t<FunctorType>&, ParamTypes...>>>
	TUniqueFunction(FunctorType&& InFunc)
	{
		if constexpr (std::is_pointer_v<std::decay_t<FunctorType>> || std::is_member_pointer_v<std::decay_t<FunctorType>>)
		{
			if (!InFunc)
			{
				return;
			}
		}
		Callable.reset(new TCallable<std::decay_t<FunctorType>>(Forward<FunctorType>(InFunc)));
	}

	TUniqueFunction(TFunction<Ret(ParamTypes...)>&& InFunc)
	{
		if (InFunc.IsSet())
		{
			Callable.reset(new TCallable<TFunction<Ret(ParamTypes...)>>(MoveTemp(InFunc)));
		}
	}

	TUniqueFunction(const TFunction<Ret(ParamTypes...)>& InFunc)
	{
		if (InFunc.IsSet())
		{
			Callable.reset(new TCallable<TFunction<Ret(ParamTypes...)>>(InFunc));
		}
	}

	TUniqueFunction(TUniqueFunction&&) = default;
	TUniqueFunction& operator=(TUniqueFunction&&) = default;
	TUniqueFunction(const TUniqueFunction&) = delete;
	TUniqueFunction& operator=(const TUniqueFunction&) = delete;

	TUniqueFunction& operator=(std::nullptr_t)
	{
		Reset();
		return *this;
	}

	Ret operator()(ParamTypes... Params) const
	{
		check(IsSet());
		return Callable->Call(Forward<ParamTypes>(Params)...);
	}

	bool IsSet() const
	{
		return Callable != nullptr;
	}

	explicit operator bool() const
	{
		return IsSet();
	}

	void Reset()
	{
		Callable.reset();
	}

private:
	std::unique_ptr<ICallable> Callable;
};

template <typename FuncType>
class TFunctionRef;

/** Refers to a callable that must outlive it; always set. */
template <typename Ret, typename... ParamTypes>
class TFunctionRef<Ret(ParamTypes...)>
{
public:
	template <typename FunctorType,
		typename = std::enable_if_t<!std::is_same_v<std::decay_t<FunctorType>, TFunctionRef> && std::is_invocable_r_v<Ret, std::remove_reference_t<FunctorType>&, ParamTypes...>>>
	TFunctionRef(FunctorType&& InFunc)
		: Object(const_cast<void*>(static_cast<const void*>(std::addressof(InFunc))))
		, Invoker(&InvokeFunctor<std::remove_reference_t<FunctorType>>)
	{
	}

	TFunctionRef(const TFunctionRef&) = default;
	TFunctionRef& operator=(const TFunctionRef&) = delete;

	Ret operator()(ParamTypes... Params) const
	{
		return Invoker(Object, Forward<ParamTypes>(Params)...);
	}

private:
	template <typename FunctorType>
	static Ret InvokeFunctor(void* InObject, ParamTypes... Params)
	{
		FunctorType& Functor = *static_cast<FunctorType*>(InObject);
		if constexpr (std::is_void_v<Ret>)
		{
			std::invoke(Functor, Forward<ParamTypes>(Params)...);
		}
		else
		{
			return std::invoke(Functor, Forward<ParamTypes>(Params)...);
		}
	}

	void* Object;
	Ret (*Invoker)(void*, ParamTypes...);
};
