// FFileHelper: whole-file reads and writes of strings and bytes.
#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "Containers/StringView.h"
#include "Containers/Array.h"
#include "Containers/ArrayView.h"
#include "HAL/FileManager.h"

struct FFileHelper
{
	enum class EHashOptions
	{
		None = 0,
		EnableVerify = 1 << 0,
		ErrorMissingHash = 1 << 1
	};

	enum class EEncodingOptions
	{
		AutoDetect,
		ForceAnsi,
		ForceUnicode,
		ForceUTF8,
		ForceUTF8WithoutBOM
	};

	/** Reads a text file: UTF-16 (with BOM), UTF-8 (with or without BOM). */
	CORE_API static bool LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags = EHashOptions::None, uint32 ReadFlags = 0);
	CORE_API static bool LoadFileToStringArray(TArray<FString>& Result, const TCHAR* Filename);
	CORE_API static bool LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32 Flags = 0);
	CORE_API static void BufferToString(FString& Result, const uint8* Buffer, int32 Size);

	/** AutoDetect writes ANSI when every character is below 128, otherwise UTF-16LE with a BOM. */
	CORE_API static bool SaveStringToFile(FStringView String, const TCHAR* Filename, EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect,
		IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);
	CORE_API static bool SaveStringArrayToFile(const TArray<FString>& Lines, const TCHAR* Filename, EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect,
		IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);
	CORE_API static bool SaveArrayToFile(TArrayView<const uint8> Array, const TCHAR* Filename, IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);
};
