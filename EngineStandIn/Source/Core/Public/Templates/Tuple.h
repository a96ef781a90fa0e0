// TTuple and TPair: a pair's members are Key and Value, as the engine's map elements expose them.
#pragma once

#include "HAL/Platform.h"
#include "Templates/TypeHash.h"

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

template <typename... Types>
struct TTuple
{
	std::tuple<Types...> Elements;

	TTuple() = default;

	template <typename... ArgTypes,
		typename = std::enable_if_t<sizeof...(ArgTypes) == sizeof...(Types) && (sizeof...(ArgTypes) > 0)>>
	TTuple(ArgTypes&&... Args)
		: Elements(std::forward<ArgTypes>(Args)...)
	{
	}

	template <uint32 Index>
	decltype(auto) Get() &
	{
		return std::get<Index>(Elements);
	}
	template <uint32 Index>
	decltype(auto) Get() const&
	{
		return std::get<Index>(Elements);
	}

	static constexpr uint32 Num() { return sizeof...(Types); }

	template <typename FuncType>
	decltype(auto) ApplyAfter(FuncType&& Func) const
	{
		return std::apply(std::forward<FuncType>(Func), Elements);
	}

	bool operator==(const TTuple& Other) const { return Elements == Other.Elements; }
	bool operator!=(const TTuple& Other) const { return !(Elements == Other.Elements); }
	bool operator<(const TTuple& Other) const { return Elements < Other.Elements; }
};

template <typename KeyType, typename ValueType>
struct TTuple<KeyType, ValueType>
{
	KeyType Key;
	ValueType Value;

	TTuple() = default;

	template <typename K, typename V>
	TTuple(K&& InKey, V&& InValue)
		: Key(std::forward<K>(InKey))
		, Value(std::forward<V>(InValue))
	{
	}

	template <typename K, typename V>
	TTuple(const TTuple<K, V>& Other)
		: Key(Other.Key)
		, Value(Other.Value)
	{
	}

	template <uint32 Index>
	auto& Get() &
	{
		static_assert(Index < 2, "Tuple index out of range");
		if constexpr (Index == 0) { return Key; } else { return Value; }
	}
	template <uint32 Index>
	const auto& Get() const&
	{
		static_assert(Index < 2, "Tuple index out of range");
		if constexpr (Index == 0) { return Key; } else { return Value; }
	}

	static constexpr uint32 Num() { return 2; }

	bool operator==(const TTuple& Other) const { return Key == Other.Key && Value == Other.Value; }
	bool operator!=(const TTuple& Other) const { return !(*this == Other); }
	bool operator<(const TTuple& Other) const
	{
		if (Key < Other.Key) { return true; }
		if (Other.Key < Key) { return false; }
		return Value < Other.Value;
	}
};

template <typename KeyType, typename ValueType>
using TPair = TTuple<KeyType, ValueType>;

template <typename... Types>
TTuple<std::decay_t<Types>...> MakeTuple(Types&&... Args)
{
	return TTuple<std::decay_t<Types>...>(std::forward<Types>(Args)...);
}

template <typename... Types>
TTuple<Types&...> Tie(Types&... Args)
{
	return TTuple<Types&...>(Args...);
}

template <typename KeyType, typename ValueType>
uint32 GetTypeHash(const TTuple<KeyType, ValueType>& Pair)
{
	return HashCombine(GetTypeHash(Pair.Key), GetTypeHash(Pair.Value));
}

// Structured bindings: auto [Key, Value] = Pair;
namespace std
{
	template <typename... Types>
	struct tuple_size<TTuple<Types...>> : std::integral_constant<std::size_t, sizeof...(Types)>
	{
	};
	template <std::size_t Index, typename... Types>
	struct tuple_element<Index, TTuple<Types...>>
	{
		using type = std::tuple_element_t<Index, std::tuple<Types...>>;
	};
}

template <std::size_t Index, typename... Types>
decltype(auto) get(TTuple<Types...>& Tuple)
{
	return Tuple.template Get<(uint32)Index>();
}
template <std::size_t Index, typename... Types>
decltype(auto) get(const TTuple<Types...>& Tuple)
{
	return Tuple.template Get<(uint32)Index>();
}
