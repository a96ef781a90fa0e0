// FConfigFile: parsing and writing the ini text, typed getters and setters.
#include "Misc/ConfigCacheIni.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

namespace
{
	/** Value text as it is read: trimmed; a surrounding pair of quotes removed and \" \\ unescaped inside. */
	FString ParseValue(const FString& RawValue)
	{
		FString Value = RawValue.TrimStartAndEnd();
		if (Value.Len() >= 2 && Value[0] == TEXT('"') && Value[Value.Len() - 1] == TEXT('"'))
		{
			const FString Inner = Value.Mid(1, Value.Len() - 2);
			FString Unescaped;
			for (int32 Index = 0; Index < Inner.Len(); ++Index)
			{
				if (Inner[Index] == TEXT('\\') && Index + 1 < Inner.Len() && (Inner[Index + 1] == TEXT('"') || Inner[Index + 1] == TEXT('\\')))
				{
					++Index;
				}
				Unescaped.AppendChar(Inner[Index]);
			}
			return Unescaped;
		}
		return Value;
	}

	/** Value text as it is written: quoted (with \" and \\ escaped) when blanks or quotes would be lost on reading. */
	FString ExportValue(const FString& Value)
	{
		const bool bNeedsQuotes = !Value.IsEmpty()
			&& (FChar::IsWhitespace(Value[0]) || FChar::IsWhitespace(Value[Value.Len() - 1]) || Value[0] == TEXT('"')
				|| Value[Value.Len() - 1] == TEXT('"'));
		if (!bNeedsQuotes)
		{
			return Value;
		}
		FString Quoted(TEXT("\""));
		for (const TCHAR Char : Value)
		{
			if (Char == TEXT('"') || Char == TEXT('\\'))
			{
				Quoted.AppendChar(TEXT('\\'));
			}
			Quoted.AppendChar(Char);
		}
		Quoted.AppendChar(TEXT('"'));
		return Quoted;
	}
}

const FConfigValue* FConfigSection::Find(const FName& Key) const
{
	for (const ElementType& Entry : Entries)
	{
		if (Entry.Key == Key)
		{
			return &Entry.Value;
		}
	}
	return nullptr;
}

FConfigValue* FConfigSection::Find(const FName& Key)
{
	for (ElementType& Entry : Entries)
	{
		if (Entry.Key == Key)
		{
			return &Entry.Value;
		}
	}
	return nullptr;
}

void FConfigSection::MultiFind(const FName& Key, TArray<FConfigValue>& OutValues, bool bMaintainOrder) const
{
	(void)bMaintainOrder;
	for (const ElementType& Entry : Entries)
	{
		if (Entry.Key == Key)
		{
			OutValues.Add(Entry.Value);
		}
	}
}

void FConfigSection::MultiFind(const FName& Key, TArray<FString>& OutValues, bool bMaintainOrder) const
{
	(void)bMaintainOrder;
	for (const ElementType& Entry : Entries)
	{
		if (Entry.Key == Key)
		{
			OutValues.Add(Entry.Value.GetValue());
		}
	}
}

int32 FConfigSection::Num(const FName& Key) const
{
	int32 Count = 0;
	for (const ElementType& Entry : Entries)
	{
		Count += Entry.Key == Key ? 1 : 0;
	}
	return Count;
}

void FConfigSection::Add(const FName& Key, const FConfigValue& Value)
{
	Entries.Emplace(Key, Value);
}

void FConfigSection::AddUnique(const FName& Key, const FConfigValue& Value)
{
	for (const ElementType& Entry : Entries)
	{
		if (Entry.Key == Key && Entry.Value == Value)
		{
			return;
		}
	}
	Add(Key, Value);
}

int32 FConfigSection::Remove(const FName& Key)
{
	return Entries.RemoveAll([&Key](const ElementType& Entry) { return Entry.Key == Key; });
}

int32 FConfigSection::RemoveSingle(const FName& Key, const FConfigValue& Value)
{
	const int32 Index = Entries.IndexOfByPredicate([&](const ElementType& Entry) { return Entry.Key == Key && Entry.Value == Value; });
	if (Index == INDEX_NONE)
	{
		return 0;
	}
	Entries.RemoveAt(Index);
	return 1;
}

FConfigFile::FConfigFile() = default;

void FConfigFile::Empty()
{
	Sections.Empty();
	Dirty = false;
}

void FConfigFile::Read(const FString& Filename)
{
	Empty();
	FString Contents;
	if (FFileHelper::LoadFileToString(Contents, *Filename))
	{
		ProcessInputFileContents(Contents, Filename);
	}
	Name = FName(FPaths::GetBaseFilename(Filename));
}

void FConfigFile::ProcessInputFileContents(FStringView Contents, const FString& FileHint)
{
	(void)FileHint;
	Sections.Empty();
	TArray<FString> Lines;
	FString(Contents).ParseIntoArrayLines(Lines, true);

	FConfigSection* CurrentSection = nullptr;
	for (const FString& RawLine : Lines)
	{
		const FString Line = RawLine.TrimStartAndEnd();
		if (Line.IsEmpty() || Line[0] == TEXT(';') || Line[0] == TEXT('#'))
		{
			continue;
		}
		if (Line[0] == TEXT('[') && Line[Line.Len() - 1] == TEXT(']'))
		{
			const FString SectionName = Line.Mid(1, Line.Len() - 2);
			CurrentSection = FindOrAddConfigSection(SectionName);
			continue;
		}
		if (!CurrentSection)
		{
			continue;
		}
		int32 Equals = INDEX_NONE;
		if (!Line.FindChar(TEXT('='), Equals))
		{
			continue;
		}
		FString Key = Line.Left(Equals).TrimStartAndEnd();
		const FString Value = ParseValue(Line.Mid(Equals + 1));

		// Array operators of the engine's ini files: +Key adds once, .Key adds, -Key removes, !Key clears.
		TCHAR Operator = 0;
		if (!Key.IsEmpty() && (Key[0] == TEXT('+') || Key[0] == TEXT('.') || Key[0] == TEXT('-') || Key[0] == TEXT('!')))
		{
			Operator = Key[0];
			Key = Key.RightChop(1).TrimStartAndEnd();
		}
		if (Key.IsEmpty())
		{
			continue;
		}
		const FName KeyName(Key);
		switch (Operator)
		{
		case TEXT('+'):
			CurrentSection->AddUnique(KeyName, FConfigValue(Value));
			break;
		case TEXT('-'):
			CurrentSection->RemoveSingle(KeyName, FConfigValue(Value));
			break;
		case TEXT('!'):
			CurrentSection->Remove(KeyName);
			break;
		default:
			CurrentSection->Add(KeyName, FConfigValue(Value));
			break;
		}
	}
	Dirty = false;
}

bool FConfigFile::Write(const FString& Filename, bool bDoRemoteWrite, const FString& PrefixText)
{
	(void)bDoRemoteWrite;
	// As the engine's: a file object with no change since it was read or written is not written again.
	if (!Dirty || NoSave)
	{
		return true;
	}
	FString Text = PrefixText;
	for (const ElementType& Section : Sections)
	{
		Text += TEXT("[");
		Text += Section.Key;
		Text += TEXT("]");
		Text += LINE_TERMINATOR;
		for (const FConfigSection::ElementType& Entry : Section.Value)
		{
			Text += Entry.Key.ToString();
			Text += TEXT("=");
			Text += ExportValue(Entry.Value.GetSavedValue());
			Text += LINE_TERMINATOR;
		}
		Text += LINE_TERMINATOR;
	}
	const bool bWritten = FFileHelper::SaveStringToFile(Text, *Filename);
	if (bWritten)
	{
		Dirty = false;
	}
	return bWritten;
}

bool FConfigFile::DoesSectionExist(const TCHAR* Section) const
{
	return Sections.Contains(FString(Section));
}

const FConfigSection* FConfigFile::FindSection(const FString& SectionName) const
{
	return Sections.Find(SectionName);
}

FConfigSection* FConfigFile::FindOrAddConfigSection(const FString& SectionName)
{
	return &Sections.FindOrAdd(SectionName);
}

int32 FConfigFile::Remove(const FString& SectionName)
{
	const int32 Removed = Sections.Remove(SectionName);
	Dirty |= Removed > 0;
	return Removed;
}

bool FConfigFile::RemoveKeyFromSection(const TCHAR* Section, const FName& Key)
{
	FConfigSection* Found = Sections.Find(FString(Section));
	if (Found && Found->Remove(Key) > 0)
	{
		Dirty = true;
		return true;
	}
	return false;
}

void FConfigFile::GetSectionNames(TArray<FString>& OutSectionNames) const
{
	Sections.GenerateKeyArray(OutSectionNames);
}

bool FConfigFile::GetString(const TCHAR* Section, const TCHAR* Key, FString& Value) const
{
	const FConfigSection* Found = Sections.Find(FString(Section));
	if (!Found)
	{
		return false;
	}
	const FConfigValue* Entry = Found->Find(FName(Key, FNAME_Find));
	if (!Entry || FName(Key, FNAME_Find).IsNone())
	{
		return false;
	}
	Value = Entry->GetValue();
	return true;
}

bool FConfigFile::GetText(const TCHAR* Section, const TCHAR* Key, FText& Value) const
{
	FString Text;
	if (!GetString(Section, Key, Text))
	{
		return false;
	}
	Value = FText::FromString(Text);
	return true;
}

bool FConfigFile::GetInt(const TCHAR* Section, const TCHAR* Key, int32& Value) const
{
	FString Text;
	if (!GetString(Section, Key, Text))
	{
		return false;
	}
	Value = FCString::Atoi(*Text);
	return true;
}

bool FConfigFile::GetInt64(const TCHAR* Section, const TCHAR* Key, int64& Value) const
{
	FString Text;
	if (!GetString(Section, Key, Text))
	{
		return false;
	}
	Value = FCString::Atoi64(*Text);
	return true;
}

bool FConfigFile::GetFloat(const TCHAR* Section, const TCHAR* Key, float& Value) const
{
	FString Text;
	if (!GetString(Section, Key, Text))
	{
		return false;
	}
	Value = FCString::Atof(*Text);
	return true;
}

bool FConfigFile::GetDouble(const TCHAR* Section, const TCHAR* Key, double& Value) const
{
	FString Text;
	if (!GetString(Section, Key, Text))
	{
		return false;
	}
	Value = FCString::Atod(*Text);
	return true;
}

bool FConfigFile::GetBool(const TCHAR* Section, const TCHAR* Key, bool& Value) const
{
	FString Text;
	if (!GetString(Section, Key, Text))
	{
		return false;
	}
	Value = FCString::ToBool(*Text);
	return true;
}

int32 FConfigFile::GetArray(const TCHAR* Section, const TCHAR* Key, TArray<FString>& Value) const
{
	Value.Empty();
	const FConfigSection* Found = Sections.Find(FString(Section));
	if (Found)
	{
		Found->MultiFind(FName(Key), Value, true);
	}
	return Value.Num();
}

void FConfigFile::SetString(const TCHAR* Section, const TCHAR* Key, const TCHAR* Value)
{
	FConfigSection* Found = FindOrAddConfigSection(FString(Section));
	const FName KeyName(Key);
	FConfigValue* Entry = Found->Find(KeyName);
	if (!Entry)
	{
		Found->Add(KeyName, FConfigValue(Value));
		Dirty = true;
	}
	else if (!Entry->GetSavedValue().Equals(FString(Value), ESearchCase::CaseSensitive))
	{
		*Entry = FConfigValue(Value);
		Dirty = true;
	}
}

void FConfigFile::SetText(const TCHAR* Section, const TCHAR* Key, const FText& Value)
{
	SetString(Section, Key, *Value.ToString());
}

void FConfigFile::SetFloat(const TCHAR* Section, const TCHAR* Key, float Value)
{
	SetString(Section, Key, *FString::SanitizeFloat(Value));
}

void FConfigFile::SetDouble(const TCHAR* Section, const TCHAR* Key, double Value)
{
	SetString(Section, Key, *FString::SanitizeFloat(Value));
}

void FConfigFile::SetBool(const TCHAR* Section, const TCHAR* Key, bool Value)
{
	SetString(Section, Key, Value ? TEXT("True") : TEXT("False"));
}

void FConfigFile::SetInt64(const TCHAR* Section, const TCHAR* Key, const int64 Value)
{
	SetString(Section, Key, *FString::Printf(TEXT("%lld"), (long long)Value));
}

void FConfigFile::SetArray(const TCHAR* Section, const TCHAR* Key, const TArray<FString>& Value)
{
	FConfigSection* Found = FindOrAddConfigSection(FString(Section));
	const FName KeyName(Key);
	Found->Remove(KeyName);
	for (const FString& Item : Value)
	{
		Found->Add(KeyName, FConfigValue(Item));
	}
	Dirty = true;
}
