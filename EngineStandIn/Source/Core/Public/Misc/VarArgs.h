// The engine's printf dialect (FString::Printf, UE_LOG, checkf): %s takes a TCHAR string.
// Arguments are checked at compile time: an FString, FName or FText must be passed as *Value.
#pragma once

#include "HAL/Platform.h"

#include <string>
#include <type_traits>

namespace UE::Core::Private
{
	/** One printf argument, captured by kind. */
	struct FFormatArg
	{
		enum class EKind : uint8
		{
			SignedInt,
			UnsignedInt,
			Double,
			Pointer,
			WideString,
			AnsiString,
		};

		EKind Kind;
		union
		{
			int64 Int;
			uint64 UInt;
			double DoubleValue;
			const void* Ptr;
			const WIDECHAR* WideStr;
			const ANSICHAR* AnsiStr;
		};
	};

	/** A format is a TCHAR array (a TEXT("...") literal), never a pointer: the engine checks formats at compile time. */
	template <typename T>
	inline constexpr bool TIsTCharArray = std::is_array_v<std::remove_cvref_t<T>>
		&& std::is_same_v<std::remove_cv_t<std::remove_extent_t<std::remove_cvref_t<T>>>, TCHAR>;

	template <typename T>
	inline constexpr bool TIsValidFormatArg =
		std::is_arithmetic_v<T> || std::is_enum_v<T> || std::is_pointer_v<T> || std::is_null_pointer_v<T>;

	template <typename T>
	FFormatArg MakeFormatArg(T Value)
	{
		static_assert(TIsValidFormatArg<T>,
			"Invalid argument for a printf-style format: FString, FName and FText must be passed as TCHAR "
			"pointers (pass *MyString, *MyName.ToString(), *MyText.ToString()); only numbers, enums and "
			"pointers are accepted");
		FFormatArg Arg;
		if constexpr (std::is_enum_v<T>)
		{
			Arg.Kind = FFormatArg::EKind::SignedInt;
			Arg.Int = (int64)(std::underlying_type_t<T>)Value;
		}
		else if constexpr (std::is_floating_point_v<T>)
		{
			Arg.Kind = FFormatArg::EKind::Double;
			Arg.DoubleValue = (double)Value;
		}
		else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>)
		{
			Arg.Kind = FFormatArg::EKind::SignedInt;
			Arg.Int = (int64)Value;
		}
		else if constexpr (std::is_integral_v<T>)
		{
			Arg.Kind = FFormatArg::EKind::UnsignedInt;
			Arg.UInt = (uint64)Value;
		}
		else if constexpr (std::is_null_pointer_v<T>)
		{
			Arg.Kind = FFormatArg::EKind::Pointer;
			Arg.Ptr = nullptr;
		}
		else if constexpr (std::is_same_v<std::remove_cv_t<std::remove_pointer_t<T>>, WIDECHAR>)
		{
			Arg.Kind = FFormatArg::EKind::WideString;
			Arg.WideStr = Value;
		}
		else if constexpr (std::is_same_v<std::remove_cv_t<std::remove_pointer_t<T>>, ANSICHAR>)
		{
			Arg.Kind = FFormatArg::EKind::AnsiString;
			Arg.AnsiStr = Value;
		}
		else
		{
			Arg.Kind = FFormatArg::EKind::Pointer;
			Arg.Ptr = (const void*)Value;
		}
		return Arg;
	}

	/** Formats Fmt with the captured arguments into Out (appending). */
	CORE_API void FormatPrintf(std::wstring& Out, const TCHAR* Fmt, const FFormatArg* Args, int32 NumArgs);

	template <typename... ArgTypes>
	std::wstring FormatPrintfToStd(const TCHAR* Fmt, ArgTypes... Args)
	{
		std::wstring Out;
		if constexpr (sizeof...(ArgTypes) == 0)
		{
			FormatPrintf(Out, Fmt, nullptr, 0);
		}
		else
		{
			const FFormatArg Captured[] = { MakeFormatArg(Args)... };
			FormatPrintf(Out, Fmt, Captured, (int32)sizeof...(ArgTypes));
		}
		return Out;
	}
}
