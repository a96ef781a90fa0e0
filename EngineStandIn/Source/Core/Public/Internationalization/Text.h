// FText: immutable display text with its localization identity (namespace, key, source string).
// Deliberately no implicit conversion from FString and no operator== (as the engine).
#pragma once

#include "HAL/Platform.h"
#include "Misc/Optional.h"
#include "Containers/UnrealString.h"
#include "Containers/StringView.h"
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "UObject/NameTypes.h"

#include <memory>
#include <type_traits>
#include <utility>

class FText;
class FTextInspector;
class FFormatArgumentValue;
class FTextFormat;

typedef TMap<FString, FFormatArgumentValue> FFormatNamedArguments;
typedef TArray<FFormatArgumentValue> FFormatOrderedArguments;

namespace ETextComparisonLevel
{
	enum Type
	{
		Default,
		Primary,
		Secondary,
		Tertiary,
		Quaternary,
		Quinary
	};
}

enum class ETextGender : uint8
{
	Masculine,
	Feminine,
	Neuter,
};

enum ERoundingMode : int
{
	HalfToEven,
	HalfFromZero,
	HalfToZero,
	FromZero,
	ToZero,
	ToNegativeInfinity,
	ToPositiveInfinity,
};

struct FNumberFormattingOptions
{
	bool AlwaysSign = false;
	bool UseGrouping = true;
	ERoundingMode RoundingMode = ERoundingMode::HalfToEven;
	int32 MinimumIntegralDigits = 1;
	int32 MaximumIntegralDigits = 324;
	int32 MinimumFractionalDigits = 0;
	int32 MaximumFractionalDigits = 3;

	FNumberFormattingOptions& SetAlwaysSign(bool InValue) { AlwaysSign = InValue; return *this; }
	FNumberFormattingOptions& SetUseGrouping(bool InValue) { UseGrouping = InValue; return *this; }
	FNumberFormattingOptions& SetRoundingMode(ERoundingMode InValue) { RoundingMode = InValue; return *this; }
	FNumberFormattingOptions& SetMinimumIntegralDigits(int32 InValue) { MinimumIntegralDigits = InValue; return *this; }
	FNumberFormattingOptions& SetMaximumIntegralDigits(int32 InValue) { MaximumIntegralDigits = InValue; return *this; }
	FNumberFormattingOptions& SetMinimumFractionalDigits(int32 InValue) { MinimumFractionalDigits = InValue; return *this; }
	FNumberFormattingOptions& SetMaximumFractionalDigits(int32 InValue) { MaximumFractionalDigits = InValue; return *this; }

	CORE_API static const FNumberFormattingOptions& DefaultWithGrouping();
	CORE_API static const FNumberFormattingOptions& DefaultNoGrouping();
};

class FText
{
public:
	CORE_API FText();

	CORE_API static const FText& GetEmpty();

	CORE_API static FText FromString(const FString& String);
	CORE_API static FText FromString(FString&& String);
	CORE_API static FText FromStringView(FStringView String);
	CORE_API static FText FromName(const FName& Name);
	CORE_API static FText AsCultureInvariant(const FString& String);
	CORE_API static FText AsCultureInvariant(FString&& String);
	CORE_API static FText AsCultureInvariant(FText Text);

	CORE_API static FText AsNumber(float Value, const FNumberFormattingOptions* const Options = nullptr);
	CORE_API static FText AsNumber(double Value, const FNumberFormattingOptions* const Options = nullptr);
	CORE_API static FText AsNumber(int8 Value, const FNumberFormattingOptions* const Options = nullptr);
	CORE_API static FText AsNumber(int16 Value, const FNumberFormattingOptions* const Options = nullptr);
	CORE_API static FText AsNumber(int32 Value, const FNumberFormattingOptions* const Options = nullptr);
	CORE_API static FText AsNumber(int64 Value, const FNumberFormattingOptions* const Options = nullptr);
	CORE_API static FText AsNumber(uint8 Value, const FNumberFormattingOptions* const Options = nullptr);
	CORE_API static FText AsNumber(uint16 Value, const FNumberFormattingOptions* const Options = nullptr);
	CORE_API static FText AsNumber(uint32 Value, const FNumberFormattingOptions* const Options = nullptr);
	CORE_API static FText AsNumber(uint64 Value, const FNumberFormattingOptions* const Options = nullptr);
	CORE_API static FText AsPercent(double Value, const FNumberFormattingOptions* const Options = nullptr);

	CORE_API static FText Format(FTextFormat Fmt, const FFormatNamedArguments& InArguments);
	CORE_API static FText Format(FTextFormat Fmt, const FFormatOrderedArguments& InArguments);
	template <typename... ArgTypes>
		requires(sizeof...(ArgTypes) > 0 && (std::is_constructible_v<FFormatArgumentValue, ArgTypes&&> && ...))
	static FText Format(FTextFormat Fmt, ArgTypes&&... Args);
	template <typename... ArgTypes>
	static FText FormatNamed(FTextFormat Fmt, ArgTypes&&... Args);
	template <typename... ArgTypes>
	static FText FormatOrdered(FTextFormat Fmt, ArgTypes&&... Args);

	CORE_API static FText Join(const FText& Delimiter, const TArray<FText>& Texts);

	const FString& ToString() const { return Data->Display; }
	CORE_API FString BuildSourceString() const;
	bool IsEmpty() const { return Data->Display.IsEmpty(); }
	CORE_API bool IsEmptyOrWhitespace() const;
	bool IsCultureInvariant() const { return Data->bCultureInvariant; }
	bool IsFromStringTable() const { return false; }
	bool IsTransient() const { return !Data->bCultureInvariant && Data->Key.IsEmpty() && !Data->bGenerated; }

	CORE_API FText ToUpper() const;
	CORE_API FText ToLower() const;
	CORE_API FText TrimPreceding() const;
	CORE_API FText TrimTrailing() const;
	CORE_API FText TrimPrecedingAndTrailing() const;

	CORE_API bool EqualTo(const FText& Other, ETextComparisonLevel::Type ComparisonLevel = ETextComparisonLevel::Default) const;
	CORE_API bool EqualToCaseIgnored(const FText& Other) const;
	CORE_API int32 CompareTo(const FText& Other, ETextComparisonLevel::Type ComparisonLevel = ETextComparisonLevel::Default) const;
	CORE_API int32 CompareToCaseIgnored(const FText& Other) const;
	/** Same text instance (a copy of this text), not merely the same characters. */
	bool IdenticalTo(const FText& Other) const { return Data == Other.Data; }

	/** The localization macros' constructor (LOCTEXT, NSLOCTEXT). */
	CORE_API static FText CreateLocalized(const TCHAR* Namespace, const TCHAR* Key, const TCHAR* Source);

private:
	friend class FTextInspector;

	struct FTextData
	{
		FString Display;
		FString Namespace;
		FString Key;
		FString Source;
		bool bHasIdentity = false;
		bool bCultureInvariant = false;
		bool bGenerated = false;
	};

	explicit FText(std::shared_ptr<const FTextData> InData)
		: Data(std::move(InData))
	{
	}

	std::shared_ptr<const FTextData> Data;
};

/** A format argument: a text or a number (numbers are formatted as FText::AsNumber does). */
class FFormatArgumentValue
{
public:
	enum class EType : uint8
	{
		Int,
		UInt,
		Float,
		Double,
		Text,
		Gender
	};

	FFormatArgumentValue()
		: Type(EType::Text)
	{
	}
	FFormatArgumentValue(const FText& Value) : Type(EType::Text), TextValue(Value) {}
	FFormatArgumentValue(FText&& Value) : Type(EType::Text), TextValue(std::move(Value)) {}
	FFormatArgumentValue(int32 Value) : Type(EType::Int), IntValue(Value) {}
	FFormatArgumentValue(uint32 Value) : Type(EType::UInt), UIntValue(Value) {}
	FFormatArgumentValue(int64 Value) : Type(EType::Int), IntValue(Value) {}
	FFormatArgumentValue(uint64 Value) : Type(EType::UInt), UIntValue(Value) {}
	FFormatArgumentValue(float Value) : Type(EType::Float), DoubleValue(Value) {}
	FFormatArgumentValue(double Value) : Type(EType::Double), DoubleValue(Value) {}
	FFormatArgumentValue(ETextGender Value) : Type(EType::Gender), IntValue((int64)Value) {}

	EType GetType() const { return Type; }
	const FText& GetTextValue() const { return TextValue; }
	int64 GetIntValue() const { return IntValue; }
	uint64 GetUIntValue() const { return UIntValue; }
	float GetFloatValue() const { return (float)DoubleValue; }
	double GetDoubleValue() const { return DoubleValue; }

	CORE_API FString ToFormattedString() const;

private:
	EType Type;
	FText TextValue;
	int64 IntValue = 0;
	uint64 UIntValue = 0;
	double DoubleValue = 0.0;
};

/** A parsed format pattern ("{0} of {Count}"); an FText converts to it implicitly. */
class FTextFormat
{
public:
	FTextFormat() = default;
	FTextFormat(const FText& InText)
		: SourceText(InText)
	{
	}
	static FTextFormat FromString(const FString& InString) { return FTextFormat(FText::FromString(InString)); }
	static FTextFormat FromString(FString&& InString) { return FTextFormat(FText::FromString(std::move(InString))); }

	const FText& GetSourceText() const { return SourceText; }
	const FString& GetSourceString() const { return SourceText.ToString(); }
	bool IdenticalTo(const FTextFormat& Other) const { return SourceText.IdenticalTo(Other.SourceText); }

private:
	FText SourceText;
};

class FTextInspector
{
public:
	CORE_API static TOptional<FString> GetNamespace(const FText& Text);
	CORE_API static TOptional<FString> GetKey(const FText& Text);
	CORE_API static const FString* GetSourceString(const FText& Text);
	CORE_API static const FString& GetDisplayString(const FText& Text);
	static bool ShouldGatherForLocalization(const FText& Text) { return Text.Data->bHasIdentity; }
};

template <typename... ArgTypes>
	requires(sizeof...(ArgTypes) > 0 && (std::is_constructible_v<FFormatArgumentValue, ArgTypes&&> && ...))
FText FText::Format(FTextFormat Fmt, ArgTypes&&... Args)
{
	FFormatOrderedArguments Arguments;
	(Arguments.Emplace(FFormatArgumentValue(std::forward<ArgTypes>(Args))), ...);
	return Format(std::move(Fmt), Arguments);
}

template <typename... ArgTypes>
FText FText::FormatOrdered(FTextFormat Fmt, ArgTypes&&... Args)
{
	return Format(std::move(Fmt), std::forward<ArgTypes>(Args)...);
}

namespace UE::Core::Private
{
	inline void AddNamedArguments(FFormatNamedArguments&)
	{
	}
	template <typename NameType, typename ValueType, typename... RestTypes>
	void AddNamedArguments(FFormatNamedArguments& Arguments, NameType&& Name, ValueType&& Value, RestTypes&&... Rest)
	{
		Arguments.Add(FString(Name), FFormatArgumentValue(std::forward<ValueType>(Value)));
		AddNamedArguments(Arguments, std::forward<RestTypes>(Rest)...);
	}
}

template <typename... ArgTypes>
FText FText::FormatNamed(FTextFormat Fmt, ArgTypes&&... Args)
{
	static_assert(sizeof...(ArgTypes) % 2 == 0, "FormatNamed takes name/value pairs");
	FFormatNamedArguments Arguments;
	UE::Core::Private::AddNamedArguments(Arguments, std::forward<ArgTypes>(Args)...);
	return Format(std::move(Fmt), Arguments);
}

inline FString LexToString(const FText& Text) { return Text.ToString(); }
