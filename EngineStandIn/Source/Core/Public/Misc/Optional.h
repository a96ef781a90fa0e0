// TOptional: a value that may be unset.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Templates/UnrealTemplate.h"

#include <optional>
#include <type_traits>
#include <utility>

struct FNullOpt
{
	explicit constexpr FNullOpt(int)
	{
	}
};

inline constexpr FNullOpt NullOpt{0};

template <typename OptionalType>
class TOptional
{
public:
	using ElementType = OptionalType;

	TOptional() = default;

	TOptional(FNullOpt)
	{
	}

	TOptional(const OptionalType& InValue)
		: Value(InValue)
	{
	}

	TOptional(OptionalType&& InValue)
		: Value(MoveTempIfPossible(InValue))
	{
	}

	template <typename... ArgTypes>
	explicit TOptional(std::in_place_t, ArgTypes&&... Args)
		: Value(std::in_place, Forward<ArgTypes>(Args)...)
	{
	}

	TOptional(const TOptional&) = default;
	TOptional(TOptional&&) = default;
	TOptional& operator=(const TOptional&) = default;
	TOptional& operator=(TOptional&&) = default;

	TOptional& operator=(const OptionalType& InValue)
	{
		Value = InValue;
		return *this;
	}

	TOptional& operator=(OptionalType&& InValue)
	{
		Value = MoveTempIfPossible(InValue);
		return *this;
	}

	TOptional& operator=(FNullOpt)
	{
		Reset();
		return *this;
	}

	template <typename... ArgTypes>
	OptionalType& Emplace(ArgTypes&&... Args)
	{
		return Value.emplace(Forward<ArgTypes>(Args)...);
	}

	void Reset()
	{
		Value.reset();
	}

	bool IsSet() const
	{
		return Value.has_value();
	}

	explicit operator bool() const
	{
		return IsSet();
	}

	OptionalType& GetValue()
	{
		check(IsSet());
		return *Value;
	}

	const OptionalType& GetValue() const
	{
		check(IsSet());
		return *Value;
	}

	OptionalType& operator*()
	{
		return GetValue();
	}

	const OptionalType& operator*() const
	{
		return GetValue();
	}

	OptionalType* operator->()
	{
		return &GetValue();
	}

	const OptionalType* operator->() const
	{
		return &GetValue();
	}

	/** The value if set, otherwise DefaultValue. */
	const OptionalType& Get(const OptionalType& DefaultValue) const
	{
		return IsSet() ? *Value : DefaultValue;
	}

	OptionalType* GetPtrOrNull()
	{
		return IsSet() ? &*Value : nullptr;
	}

	const OptionalType* GetPtrOrNull() const
	{
		return IsSet() ? &*Value : nullptr;
	}

	friend bool operator==(const TOptional& Lhs, const TOptional& Rhs)
	{
		if (Lhs.IsSet() != Rhs.IsSet())
		{
			return false;
		}
		return !Lhs.IsSet() || *Lhs.Value == *Rhs.Value;
	}

	friend bool operator!=(const TOptional& Lhs, const TOptional& Rhs)
	{
		return !(Lhs == Rhs);
	}

private:
	std::optional<OptionalType> Value;
};

template <typename T>
TOptional<std::decay_t<T>> MakeOptional(T&& Value)
{
	return TOptional<std::decay_t<T>>(Forward<T>(Value));
}
