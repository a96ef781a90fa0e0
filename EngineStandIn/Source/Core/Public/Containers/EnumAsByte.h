// TEnumAsByte: an unscoped enumeration stored in one byte, as reflected enum properties keep it.
#pragma once

#include "HAL/Platform.h"

#include <type_traits>

template<typename TEnum>
class TEnumAsByte
{
	static_assert(std::is_enum_v<TEnum>, "TEnumAsByte holds an enumeration");

public:
	typedef TEnum EnumType;

	TEnumAsByte() = default;

	TEnumAsByte(TEnum InValue)
		: Value((uint8)InValue)
	{
	}

	explicit TEnumAsByte(int32 InValue)
		: Value((uint8)InValue)
	{
	}

	explicit TEnumAsByte(uint8 InValue)
		: Value(InValue)
	{
	}

	bool operator==(TEnum InValue) const
	{
		return (TEnum)Value == InValue;
	}

	bool operator==(TEnumAsByte InValue) const
	{
		return Value == InValue.Value;
	}

	operator TEnum() const
	{
		return (TEnum)Value;
	}

	TEnum GetValue() const
	{
		return (TEnum)Value;
	}

	uint8 GetIntValue() const
	{
		return Value;
	}

private:
	uint8 Value = 0;
};
