// Hash functions the engine's hashed containers (TSet, TMap) find by overload and argument lookup.
#pragma once

#include "HAL/Platform.h"

#include <cstring>
#include <type_traits>

inline uint32 HashCombine(uint32 A, uint32 C)
{
	uint32 B = 0x9e3779b9;
	A += B;
	A -= B; A -= C; A ^= (C >> 13);
	B -= C; B -= A; B ^= (A << 8);
	C -= A; C -= B; C ^= (B >> 13);
	A -= B; A -= C; A ^= (C >> 12);
	B -= C; B -= A; B ^= (A << 16);
	C -= A; C -= B; C ^= (B >> 5);
	A -= B; A -= C; A ^= (C >> 3);
	B -= C; B -= A; B ^= (A << 10);
	C -= A; C -= B; C ^= (B >> 15);
	return C;
}

inline uint32 HashCombineFast(uint32 A, uint32 B)
{
	return A ^ (B + 0x9e3779b9 + (A << 6) + (A >> 2));
}

inline uint32 PointerHash(const void* Key)
{
	const UPTRINT PtrInt = reinterpret_cast<UPTRINT>(Key) >> 4;
	return HashCombineFast((uint32)PtrInt, (uint32)((uint64)PtrInt >> 32));
}

inline uint32 PointerHash(const void* Key, uint32 C)
{
	return HashCombine(PointerHash(Key), C);
}

inline uint32 GetTypeHash(const uint8 A) { return A; }
inline uint32 GetTypeHash(const int8 A) { return (uint32)(uint8)A; }
inline uint32 GetTypeHash(const uint16 A) { return A; }
inline uint32 GetTypeHash(const int16 A) { return (uint32)(uint16)A; }
inline uint32 GetTypeHash(const int32 A) { return (uint32)A; }
inline uint32 GetTypeHash(const uint32 A) { return A; }
inline uint32 GetTypeHash(const uint64 A) { return (uint32)A + ((uint32)(A >> 32) * 23); }
inline uint32 GetTypeHash(const int64 A) { return GetTypeHash((uint64)A); }
inline uint32 GetTypeHash(const long long A) { return GetTypeHash((uint64)A); }
inline uint32 GetTypeHash(const unsigned long long A) { return GetTypeHash((uint64)A); }
inline uint32 GetTypeHash(const bool A) { return A ? 1u : 0u; }
inline uint32 GetTypeHash(const char A) { return (uint32)(uint8)A; }
inline uint32 GetTypeHash(const wchar_t A) { return (uint32)A; }
inline uint32 GetTypeHash(const char16_t A) { return (uint32)A; }
inline uint32 GetTypeHash(const char32_t A) { return (uint32)A; }

inline uint32 GetTypeHash(const float Value)
{
	uint32 Bits;
	const float Normalised = Value == 0.0f ? 0.0f : Value;
	std::memcpy(&Bits, &Normalised, sizeof(Bits));
	return Bits;
}

inline uint32 GetTypeHash(const double Value)
{
	uint64 Bits;
	const double Normalised = Value == 0.0 ? 0.0 : Value;
	std::memcpy(&Bits, &Normalised, sizeof(Bits));
	return GetTypeHash(Bits);
}

inline uint32 GetTypeHash(const void* A)
{
	return PointerHash(A);
}

template <typename T>
inline uint32 GetTypeHash(T* A)
{
	return PointerHash((const void*)A);
}

template <typename EnumType>
inline std::enable_if_t<std::is_enum_v<EnumType>, uint32> GetTypeHash(EnumType E)
{
	return GetTypeHash((std::underlying_type_t<EnumType>)E);
}
