// FConfigFile: an ini file in memory, sections of "Key=Value" entries, read from and written to disk.
#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Templates/Tuple.h"
#include "UObject/NameTypes.h"
#include "Internationalization/Text.h"

/** One value of a section. */
class FConfigValue
{
public:
	FConfigValue() = default;
	FConfigValue(const TCHAR* InValue) : SavedValue(InValue) {}
	FConfigValue(const FString& InValue) : SavedValue(InValue) {}
	FConfigValue(FString&& InValue) : SavedValue(std::move(InValue)) {}

	const FString& GetValue() const { return SavedValue; }
	const FString& GetSavedValue() const { return SavedValue; }
	bool operator==(const FConfigValue& Other) const { return SavedValue.Equals(Other.SavedValue); }
	bool operator!=(const FConfigValue& Other) const { return !(*this == Other); }

private:
	FString SavedValue;
};

/** The entries of one section, in file order. A key may appear more than once (an ini array). */
class FConfigSection
{
public:
	typedef TPair<FName, FConfigValue> ElementType;

	int32 Num() const { return Entries.Num(); }
	bool IsEmpty() const { return Entries.IsEmpty(); }

	/** The first value of the key. */
	CORE_API const FConfigValue* Find(const FName& Key) const;
	CORE_API FConfigValue* Find(const FName& Key);
	bool Contains(const FName& Key) const { return Find(Key) != nullptr; }
	CORE_API void MultiFind(const FName& Key, TArray<FConfigValue>& OutValues, bool bMaintainOrder = true) const;
	CORE_API void MultiFind(const FName& Key, TArray<FString>& OutValues, bool bMaintainOrder = true) const;
	CORE_API int32 Num(const FName& Key) const;

	CORE_API void Add(const FName& Key, const FConfigValue& Value);
	CORE_API void AddUnique(const FName& Key, const FConfigValue& Value);
	CORE_API int32 Remove(const FName& Key);
	CORE_API int32 RemoveSingle(const FName& Key, const FConfigValue& Value);
	void Empty() { Entries.Empty(); }

	const ElementType* begin() const { return Entries.begin(); }
	const ElementType* end() const { return Entries.end(); }

	bool operator==(const FConfigSection& Other) const { return Entries == Other.Entries; }
	bool operator!=(const FConfigSection& Other) const { return !(Entries == Other.Entries); }

private:
	TArray<ElementType> Entries;
};

class FConfigFile
{
public:
	/** Set when a setter changed a value; cleared by Read. */
	bool Dirty = false;
	bool NoSave = false;
	FName Name;

	CORE_API FConfigFile();

	/** Replaces the contents with the file's sections; a missing file leaves the object empty. */
	CORE_API void Read(const FString& Filename);
	/** Writes every section in order, only when Dirty; returns false when the file cannot be written. */
	CORE_API bool Write(const FString& Filename, bool bDoRemoteWrite = true, const FString& PrefixText = FString());
	/** Replaces the contents with the given ini text. */
	CORE_API void ProcessInputFileContents(FStringView Contents, const FString& FileHint = FString());

	int32 Num() const { return Sections.Num(); }
	bool IsEmpty() const { return Sections.IsEmpty(); }
	CORE_API void Empty();
	CORE_API bool DoesSectionExist(const TCHAR* Section) const;
	CORE_API const FConfigSection* FindSection(const FString& SectionName) const;
	CORE_API FConfigSection* FindOrAddConfigSection(const FString& SectionName);
	CORE_API int32 Remove(const FString& SectionName);
	CORE_API bool RemoveKeyFromSection(const TCHAR* Section, const FName& Key);
	CORE_API void GetSectionNames(TArray<FString>& OutSectionNames) const;

	CORE_API bool GetString(const TCHAR* Section, const TCHAR* Key, FString& Value) const;
	CORE_API bool GetText(const TCHAR* Section, const TCHAR* Key, FText& Value) const;
	CORE_API bool GetInt(const TCHAR* Section, const TCHAR* Key, int32& Value) const;
	CORE_API bool GetInt64(const TCHAR* Section, const TCHAR* Key, int64& Value) const;
	CORE_API bool GetFloat(const TCHAR* Section, const TCHAR* Key, float& Value) const;
	CORE_API bool GetDouble(const TCHAR* Section, const TCHAR* Key, double& Value) const;
	CORE_API bool GetBool(const TCHAR* Section, const TCHAR* Key, bool& Value) const;
	CORE_API int32 GetArray(const TCHAR* Section, const TCHAR* Key, TArray<FString>& Value) const;

	CORE_API void SetString(const TCHAR* Section, const TCHAR* Key, const TCHAR* Value);
	CORE_API void SetText(const TCHAR* Section, const TCHAR* Key, const FText& Value);
	CORE_API void SetFloat(const TCHAR* Section, const TCHAR* Key, float Value);
	CORE_API void SetDouble(const TCHAR* Section, const TCHAR* Key, double Value);
	CORE_API void SetBool(const TCHAR* Section, const TCHAR* Key, bool Value);
	CORE_API void SetInt64(const TCHAR* Section, const TCHAR* Key, const int64 Value);
	CORE_API void SetArray(const TCHAR* Section, const TCHAR* Key, const TArray<FString>& Value);

	typedef TPair<FString, FConfigSection> ElementType;
	auto begin() const { return Sections.begin(); }
	auto end() const { return Sections.end(); }

private:
	TMap<FString, FConfigSection> Sections;
};
