// Small utilities of the engine's template library: moves, forwards, swaps and a few type traits.
#pragma once

#include "HAL/Platform.h"

#include <cstddef>
#include <type_traits>
#include <utility>

template <typename T>
struct TRemoveReference
{
	typedef T Type;
};
template <typename T>
struct TRemoveReference<T&>
{
	typedef T Type;
};
template <typename T>
struct TRemoveReference<T&&>
{
	typedef T Type;
};

template <typename T>
struct TIsPointer
{
	enum { Value = std::is_pointer_v<std::remove_cv_t<T>> };
};

template <typename T>
struct TIsLValueReferenceType
{
	enum { Value = std::is_lvalue_reference_v<T> };
};

template <typename A, typename B>
struct TIsSame
{
	enum { Value = std::is_same_v<A, B> };
};

template <typename T>
using TDecay_T = std::decay_t<T>;

/** Casts to an rvalue; refuses const objects and rvalues, where a move would silently copy. */
template <typename T>
FORCEINLINE typename TRemoveReference<T>::Type&& MoveTemp(T&& Obj)
{
	typedef typename TRemoveReference<T>::Type CastType;
	static_assert(TIsLValueReferenceType<T>::Value, "MoveTemp called on an rvalue");
	static_assert(!std::is_const_v<CastType>, "MoveTemp called on a const object");
	return (CastType&&)Obj;
}

template <typename T>
FORCEINLINE typename TRemoveReference<T>::Type&& MoveTempIfPossible(T&& Obj)
{
	typedef typename TRemoveReference<T>::Type CastType;
	return (CastType&&)Obj;
}

template <typename T>
FORCEINLINE T&& Forward(typename TRemoveReference<T>::Type& Obj)
{
	return (T&&)Obj;
}

template <typename T>
FORCEINLINE T&& Forward(typename TRemoveReference<T>::Type&& Obj)
{
	return (T&&)Obj;
}

template <typename T>
FORCEINLINE T CopyTemp(T& Val)
{
	return const_cast<const T&>(Val);
}

template <typename T>
FORCEINLINE T CopyTemp(const T& Val)
{
	return Val;
}

template <typename T>
FORCEINLINE T&& CopyTemp(T&& Val)
{
	return MoveTemp(Val);
}

template <typename T>
inline void Swap(T& A, T& B)
{
	T Temp = MoveTemp(A);
	A = MoveTemp(B);
	B = MoveTemp(Temp);
}

template <typename T, typename U = T>
inline T Exchange(T& Value, U&& NewValue)
{
	T Old = MoveTemp(Value);
	Value = Forward<U>(NewValue);
	return Old;
}

template <typename T, SIZE_T N>
char (&UEArrayCountHelper(const T (&)[N]))[N + 1];

#define UE_ARRAY_COUNT(Array) (sizeof(UEArrayCountHelper(Array)) - 1)

#define STRUCT_OFFSET(Struct, Member) offsetof(Struct, Member)

/** Ranges and helpers the containers share. */
template <typename T>
FORCEINLINE constexpr const T& TemplateMax(const T& A, const T& B)
{
	return (A < B) ? B : A;
}

template <typename T>
FORCEINLINE constexpr const T& TemplateMin(const T& A, const T& B)
{
	return (B < A) ? B : A;
}

/** Base class for types that must not be copied. */
class FNoncopyable
{
protected:
	FNoncopyable() = default;
	~FNoncopyable() = default;

private:
	FNoncopyable(const FNoncopyable&) = delete;
	FNoncopyable& operator=(const FNoncopyable&) = delete;
};

/** Restores a variable's value when the scope ends. */
template <typename T>
struct TGuardValue : private FNoncopyable
{
	TGuardValue(T& InReference, const T& InValue)
		: RefValue(InReference)
		, OldValue(InReference)
	{
		RefValue = InValue;
	}
	~TGuardValue()
	{
		RefValue = OldValue;
	}

private:
	T& RefValue;
	T OldValue;
};
