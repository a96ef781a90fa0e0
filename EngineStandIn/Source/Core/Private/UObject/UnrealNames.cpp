// The name table: one entry per distinct name (compared without case), first spelling kept.
#include "UObject/NameTypes.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace
{
	struct FNameTable
	{
		std::vector<FString> Entries;
		std::unordered_map<std::wstring, int32> Lookup;

		FNameTable()
		{
			Entries.push_back(FString(TEXT("None")));
			Lookup.emplace(std::wstring(TEXT("none")), 0);
		}

		static std::wstring MakeKey(const TCHAR* Name, int32 Len)
		{
			std::wstring Key(Name, Len);
			for (TCHAR& Char : Key)
			{
				Char = FChar::ToLower(Char);
			}
			return Key;
		}

		int32 FindOrAdd(const TCHAR* Name, int32 Len, EFindName FindType)
		{
			if (Name == nullptr || Len <= 0)
			{
				return 0;
			}
			const std::wstring Key = MakeKey(Name, Len);
			auto Found = Lookup.find(Key);
			if (Found != Lookup.end())
			{
				return Found->second;
			}
			if (FindType == FNAME_Find)
			{
				return 0;
			}
			const int32 Index = int32(Entries.size());
			Entries.push_back(FString(Len, Name));
			Lookup.emplace(Key, Index);
			return Index;
		}
	};

	// Names are made during static initialisation of other libraries, so the table is built on first use.
	FNameTable& GetNameTable()
	{
		static FNameTable* Table = new FNameTable();
		return *Table;
	}
}

FName::FName(const TCHAR* Name, EFindName FindType)
	: Index(GetNameTable().FindOrAdd(Name, FCString::Strlen(Name), FindType))
{
}

FName::FName(const ANSICHAR* Name, EFindName FindType)
	: FName(FString(Name), FindType)
{
}

FName::FName(const FString& Name, EFindName FindType)
	: Index(GetNameTable().FindOrAdd(*Name, Name.Len(), FindType))
{
}

FName::FName(FStringView Name, EFindName FindType)
	: Index(GetNameTable().FindOrAdd(Name.GetData(), Name.Len(), FindType))
{
}

FName::FName(int32 Len, const TCHAR* Name, EFindName FindType)
	: Index(GetNameTable().FindOrAdd(Name, Len, FindType))
{
}

FString FName::ToString() const
{
	return GetNameTable().Entries[Index];
}

void FName::ToString(FString& Out) const
{
	Out = GetNameTable().Entries[Index];
}

void FName::AppendString(FString& Out) const
{
	Out += GetNameTable().Entries[Index];
}

int32 FName::GetStringLength() const
{
	return GetNameTable().Entries[Index].Len();
}

bool FName::operator==(const TCHAR* Other) const
{
	return FCString::Stricmp(*GetNameTable().Entries[Index], Other ? Other : TEXT("")) == 0
		|| (IsNone() && (Other == nullptr || *Other == 0));
}

int32 FName::Compare(const FName& Other) const
{
	if (Index == Other.Index)
	{
		return 0;
	}
	return FCString::Stricmp(*GetNameTable().Entries[Index], *GetNameTable().Entries[Other.Index]);
}
