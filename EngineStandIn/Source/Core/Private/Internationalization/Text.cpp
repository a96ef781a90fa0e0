// FText: shared immutable text data, number formatting and the "{0}"/"{Name}" format patterns.
#include "Internationalization/Text.h"
#include "Internationalization/Internationalization.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace
{
	/** Digits of a non-negative value with the options' fractional digits (rounded half to even by the C library). */
	FString FormatNumber(double Value, bool bIntegral, const FNumberFormattingOptions& Options)
	{
		const bool bNegative = std::signbit(Value) && Value != 0.0;
		const double Magnitude = std::fabs(Value);
		const int32 MaxFraction = bIntegral ? 0 : (Options.MaximumFractionalDigits < 0 ? 0 : Options.MaximumFractionalDigits);
		const int32 MinFraction = Options.MinimumFractionalDigits < 0 ? 0 : Options.MinimumFractionalDigits;
		char Buffer[512];
		std::snprintf(Buffer, sizeof(Buffer), "%.*f", MaxFraction, Magnitude);
		std::string Text(Buffer);
		std::string Integral = Text;
		std::string Fraction;
		const size_t Dot = Text.find('.');
		if (Dot != std::string::npos)
		{
			Integral = Text.substr(0, Dot);
			Fraction = Text.substr(Dot + 1);
		}
		while (int32(Fraction.size()) > MinFraction && !Fraction.empty() && Fraction.back() == '0')
		{
			Fraction.pop_back();
		}
		while (int32(Fraction.size()) < MinFraction)
		{
			Fraction.push_back('0');
		}
		while (int32(Integral.size()) < Options.MinimumIntegralDigits)
		{
			Integral.insert(Integral.begin(), '0');
		}
		if (Options.MaximumIntegralDigits >= 0 && int32(Integral.size()) > Options.MaximumIntegralDigits)
		{
			Integral = Integral.substr(Integral.size() - Options.MaximumIntegralDigits);
		}
		FString Result;
		const bool bZero = Integral.find_first_not_of('0') == std::string::npos && Fraction.find_first_not_of('0') == std::string::npos;
		if (bNegative && !bZero)
		{
			Result += TEXT("-");
		}
		else if (Options.AlwaysSign)
		{
			Result += TEXT("+");
		}
		const int32 IntegralLength = int32(Integral.size());
		for (int32 Index = 0; Index < IntegralLength; ++Index)
		{
			if (Options.UseGrouping && Index > 0 && (IntegralLength - Index) % 3 == 0)
			{
				Result.AppendChar(TEXT(','));
			}
			Result.AppendChar((TCHAR)Integral[Index]);
		}
		if (!Fraction.empty())
		{
			Result.AppendChar(TEXT('.'));
			for (const char Digit : Fraction)
			{
				Result.AppendChar((TCHAR)Digit);
			}
		}
		return Result;
	}

	FString FormatInteger(int64 Value, const FNumberFormattingOptions* Options)
	{
		const FNumberFormattingOptions& Used = Options ? *Options : FNumberFormattingOptions::DefaultWithGrouping();
		// Integers keep their exact digits; only the grouping and padding apply.
		std::string Digits = std::to_string(Value < 0 ? -(unsigned long long)Value : (unsigned long long)Value);
		FString Out;
		if (Value < 0)
		{
			Out += TEXT("-");
		}
		else if (Used.AlwaysSign)
		{
			Out += TEXT("+");
		}
		while (int32(Digits.size()) < Used.MinimumIntegralDigits)
		{
			Digits.insert(Digits.begin(), '0');
		}
		const int32 Length = int32(Digits.size());
		for (int32 Index = 0; Index < Length; ++Index)
		{
			if (Used.UseGrouping && Index > 0 && (Length - Index) % 3 == 0)
			{
				Out.AppendChar(TEXT(','));
			}
			Out.AppendChar((TCHAR)Digits[Index]);
		}
		for (int32 Index = 0; Index < Used.MinimumFractionalDigits; ++Index)
		{
			Out += Index == 0 ? TEXT(".0") : TEXT("0");
		}
		return Out;
	}

	FString FormatUnsigned(uint64 Value, const FNumberFormattingOptions* Options)
	{
		if (Value <= (uint64)MAX_int64)
		{
			return FormatInteger((int64)Value, Options);
		}
		return FormatNumber((double)Value, true, Options ? *Options : FNumberFormattingOptions::DefaultWithGrouping());
	}
}

const FNumberFormattingOptions& FNumberFormattingOptions::DefaultWithGrouping()
{
	static const FNumberFormattingOptions Options = FNumberFormattingOptions().SetUseGrouping(true);
	return Options;
}

const FNumberFormattingOptions& FNumberFormattingOptions::DefaultNoGrouping()
{
	static const FNumberFormattingOptions Options = FNumberFormattingOptions().SetUseGrouping(false);
	return Options;
}

FText::FText()
	: Data(GetEmpty().Data)
{
}

const FText& FText::GetEmpty()
{
	static const FText* Empty = new FText(std::make_shared<const FTextData>());
	return *Empty;
}

FText FText::FromString(const FString& String)
{
	auto NewData = std::make_shared<FTextData>();
	NewData->Display = String;
	return FText(std::move(NewData));
}

FText FText::FromString(FString&& String)
{
	auto NewData = std::make_shared<FTextData>();
	NewData->Display = std::move(String);
	return FText(std::move(NewData));
}

FText FText::FromStringView(FStringView String)
{
	return FromString(FString(String));
}

FText FText::FromName(const FName& Name)
{
	return FromString(Name.ToString());
}

FText FText::AsCultureInvariant(const FString& String)
{
	auto NewData = std::make_shared<FTextData>();
	NewData->Display = String;
	NewData->bCultureInvariant = true;
	return FText(std::move(NewData));
}

FText FText::AsCultureInvariant(FString&& String)
{
	auto NewData = std::make_shared<FTextData>();
	NewData->Display = std::move(String);
	NewData->bCultureInvariant = true;
	return FText(std::move(NewData));
}

FText FText::AsCultureInvariant(FText Text)
{
	return AsCultureInvariant(FString(Text.ToString()));
}

FText FText::CreateLocalized(const TCHAR* Namespace, const TCHAR* Key, const TCHAR* Source)
{
	auto NewData = std::make_shared<FTextData>();
	NewData->Display = Source;
	NewData->Source = Source;
	NewData->Namespace = Namespace;
	NewData->Key = Key;
	NewData->bHasIdentity = true;
	return FText(std::move(NewData));
}

static FText MakeGenerated(FString&& Display)
{
	FText Result = FText::AsCultureInvariant(std::move(Display));
	return Result;
}

FText FText::AsNumber(float Value, const FNumberFormattingOptions* const Options)
{
	return MakeGenerated(FormatNumber(Value, false, Options ? *Options : FNumberFormattingOptions::DefaultWithGrouping()));
}
FText FText::AsNumber(double Value, const FNumberFormattingOptions* const Options)
{
	return MakeGenerated(FormatNumber(Value, false, Options ? *Options : FNumberFormattingOptions::DefaultWithGrouping()));
}
FText FText::AsNumber(int8 Value, const FNumberFormattingOptions* const Options) { return MakeGenerated(FormatInteger(Value, Options)); }
FText FText::AsNumber(int16 Value, const FNumberFormattingOptions* const Options) { return MakeGenerated(FormatInteger(Value, Options)); }
FText FText::AsNumber(int32 Value, const FNumberFormattingOptions* const Options) { return MakeGenerated(FormatInteger(Value, Options)); }
FText FText::AsNumber(int64 Value, const FNumberFormattingOptions* const Options) { return MakeGenerated(FormatInteger(Value, Options)); }
FText FText::AsNumber(uint8 Value, const FNumberFormattingOptions* const Options) { return MakeGenerated(FormatInteger(Value, Options)); }
FText FText::AsNumber(uint16 Value, const FNumberFormattingOptions* const Options) { return MakeGenerated(FormatInteger(Value, Options)); }
FText FText::AsNumber(uint32 Value, const FNumberFormattingOptions* const Options) { return MakeGenerated(FormatInteger(Value, Options)); }
FText FText::AsNumber(uint64 Value, const FNumberFormattingOptions* const Options) { return MakeGenerated(FormatUnsigned(Value, Options)); }

FText FText::AsPercent(double Value, const FNumberFormattingOptions* const Options)
{
	FNumberFormattingOptions Used = Options ? *Options : FNumberFormattingOptions::DefaultWithGrouping();
	if (!Options)
	{
		Used.MaximumFractionalDigits = 0;
	}
	return MakeGenerated(FormatNumber(Value * 100.0, false, Used) + TEXT("%"));
}

FString FFormatArgumentValue::ToFormattedString() const
{
	switch (Type)
	{
	case EType::Int: return FormatInteger(IntValue, nullptr);
	case EType::UInt: return FormatUnsigned(UIntValue, nullptr);
	case EType::Float:
	case EType::Double: return FormatNumber(DoubleValue, false, FNumberFormattingOptions::DefaultWithGrouping());
	case EType::Text: return TextValue.ToString();
	case EType::Gender: return FString();
	}
	return FString();
}

namespace
{
	/** Expands "{Name}" arguments; "`" escapes the next brace or backtick; unknown arguments stay as written. */
	template <typename LookupType>
	FString ExpandPattern(const FString& Pattern, const LookupType& Lookup)
	{
		FString Result;
		const int32 Length = Pattern.Len();
		for (int32 Index = 0; Index < Length; ++Index)
		{
			const TCHAR Char = Pattern[Index];
			if (Char == TEXT('`') && Index + 1 < Length
				&& (Pattern[Index + 1] == TEXT('{') || Pattern[Index + 1] == TEXT('}') || Pattern[Index + 1] == TEXT('`')))
			{
				Result.AppendChar(Pattern[Index + 1]);
				++Index;
				continue;
			}
			if (Char == TEXT('{'))
			{
				int32 Close = INDEX_NONE;
				for (int32 Scan = Index + 1; Scan < Length; ++Scan)
				{
					if (Pattern[Scan] == TEXT('}'))
					{
						Close = Scan;
						break;
					}
					if (Pattern[Scan] == TEXT('{'))
					{
						break;
					}
				}
				if (Close != INDEX_NONE)
				{
					const FString Name = Pattern.Mid(Index + 1, Close - Index - 1);
					const FFormatArgumentValue* Value = Lookup(Name);
					if (Value)
					{
						Result += Value->ToFormattedString();
					}
					else
					{
						Result += Pattern.Mid(Index, Close - Index + 1);
					}
					Index = Close;
					continue;
				}
			}
			Result.AppendChar(Char);
		}
		return Result;
	}
}

FText FText::Format(FTextFormat Fmt, const FFormatNamedArguments& InArguments)
{
	FString Expanded = ExpandPattern(Fmt.GetSourceString(), [&InArguments](const FString& Name) { return InArguments.Find(Name); });
	auto NewData = std::make_shared<FTextData>();
	NewData->Display = std::move(Expanded);
	NewData->bGenerated = true;
	return FText(std::move(NewData));
}

FText FText::Format(FTextFormat Fmt, const FFormatOrderedArguments& InArguments)
{
	FString Expanded = ExpandPattern(Fmt.GetSourceString(), [&InArguments](const FString& Name) -> const FFormatArgumentValue*
		{
			if (Name.IsEmpty() || !Name.IsNumeric() || Name.Contains(TEXT(".")) || Name.Contains(TEXT("-")) || Name.Contains(TEXT("+")))
			{
				return nullptr;
			}
			const int32 Index = FCString::Atoi(*Name);
			return InArguments.IsValidIndex(Index) ? &InArguments[Index] : nullptr;
		});
	auto NewData = std::make_shared<FTextData>();
	NewData->Display = std::move(Expanded);
	NewData->bGenerated = true;
	return FText(std::move(NewData));
}

FText FText::Join(const FText& Delimiter, const TArray<FText>& Texts)
{
	FString Joined;
	for (int32 Index = 0; Index < Texts.Num(); ++Index)
	{
		if (Index > 0)
		{
			Joined += Delimiter.ToString();
		}
		Joined += Texts[Index].ToString();
	}
	auto NewData = std::make_shared<FTextData>();
	NewData->Display = std::move(Joined);
	NewData->bGenerated = true;
	return FText(std::move(NewData));
}

FString FText::BuildSourceString() const
{
	return Data->bHasIdentity ? Data->Source : Data->Display;
}

bool FText::IsEmptyOrWhitespace() const
{
	for (const TCHAR Char : Data->Display)
	{
		if (!FChar::IsWhitespace(Char))
		{
			return false;
		}
	}
	return true;
}

FText FText::ToUpper() const
{
	return FromString(Data->Display.ToUpper());
}

FText FText::ToLower() const
{
	return FromString(Data->Display.ToLower());
}

FText FText::TrimPreceding() const
{
	return FromString(Data->Display.TrimStart());
}

FText FText::TrimTrailing() const
{
	return FromString(Data->Display.TrimEnd());
}

FText FText::TrimPrecedingAndTrailing() const
{
	return FromString(Data->Display.TrimStartAndEnd());
}

bool FText::EqualTo(const FText& Other, ETextComparisonLevel::Type ComparisonLevel) const
{
	return CompareTo(Other, ComparisonLevel) == 0;
}

bool FText::EqualToCaseIgnored(const FText& Other) const
{
	return CompareToCaseIgnored(Other) == 0;
}

int32 FText::CompareTo(const FText& Other, ETextComparisonLevel::Type ComparisonLevel) const
{
	if (ComparisonLevel == ETextComparisonLevel::Primary)
	{
		return CompareToCaseIgnored(Other);
	}
	return Data->Display.Compare(Other.Data->Display, ESearchCase::CaseSensitive);
}

int32 FText::CompareToCaseIgnored(const FText& Other) const
{
	return Data->Display.Compare(Other.Data->Display, ESearchCase::IgnoreCase);
}

TOptional<FString> FTextInspector::GetNamespace(const FText& Text)
{
	return Text.Data->bHasIdentity ? TOptional<FString>(Text.Data->Namespace) : TOptional<FString>();
}

TOptional<FString> FTextInspector::GetKey(const FText& Text)
{
	return Text.Data->bHasIdentity ? TOptional<FString>(Text.Data->Key) : TOptional<FString>();
}

const FString* FTextInspector::GetSourceString(const FText& Text)
{
	return Text.Data->bHasIdentity ? &Text.Data->Source : &Text.Data->Display;
}

const FString& FTextInspector::GetDisplayString(const FText& Text)
{
	return Text.Data->Display;
}
