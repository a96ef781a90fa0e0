// FFileHelper: text files in the engine's encodings (8-bit, UTF-8, UTF-16 with a byte order mark).
#include "Misc/FileHelper.h"
#include "Containers/StringConv.h"
#include "Misc/Paths.h"

#include <cstdio>
#include <string>

namespace
{
	std::string ToNativePath(const TCHAR* Filename)
	{
		return std::string(FTCHARToUTF8(Filename ? Filename : TEXT("")).Get());
	}

	bool ReadAllBytes(const TCHAR* Filename, std::string& OutBytes)
	{
		if (!Filename || !*Filename || !IFileManager::Get().FileExists(Filename))
		{
			return false;
		}
		FILE* File = std::fopen(ToNativePath(Filename).c_str(), "rb");
		if (!File)
		{
			return false;
		}
		char Buffer[65536];
		size_t Read;
		while ((Read = std::fread(Buffer, 1, sizeof(Buffer), File)) > 0)
		{
			OutBytes.append(Buffer, Read);
		}
		const bool bOk = !std::ferror(File);
		std::fclose(File);
		return bOk;
	}

	/** Writes the bytes, creating the missing folders of the path as the engine's file writer does. */
	bool WriteAllBytes(const TCHAR* Filename, const std::string& Bytes, IFileManager* FileManager, uint32 WriteFlags)
	{
		if (!Filename || !*Filename)
		{
			return false;
		}
		IFileManager& Manager = FileManager ? *FileManager : IFileManager::Get();
		if ((WriteFlags & FILEWRITE_NoReplaceExisting) && Manager.FileExists(Filename))
		{
			return false;
		}
		// As the engine's writer: a read-only file stays as it is unless the caller asks otherwise, whoever runs.
		if (!(WriteFlags & FILEWRITE_EvenIfReadOnly) && Manager.FileExists(Filename) && Manager.IsReadOnly(Filename))
		{
			return false;
		}
		const FString Directory = FPaths::GetPath(FString(Filename));
		if (!Directory.IsEmpty())
		{
			Manager.MakeDirectory(*Directory, true);
		}
		FILE* File = std::fopen(ToNativePath(Filename).c_str(), (WriteFlags & FILEWRITE_Append) ? "ab" : "wb");
		if (!File)
		{
			return false;
		}
		const size_t Written = Bytes.empty() ? 0 : std::fwrite(Bytes.data(), 1, Bytes.size(), File);
		const bool bOk = Written == Bytes.size() && std::fclose(File) == 0;
		return bOk;
	}

	void AppendUtf16LE(std::string& Out, uint32 Code)
	{
		auto Put = [&Out](uint32 Unit)
		{
			Out.push_back((char)(Unit & 0xFF));
			Out.push_back((char)((Unit >> 8) & 0xFF));
		};
		if (Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF))
		{
			Code = '?';
		}
		if (Code >= 0x10000)
		{
			Code -= 0x10000;
			Put(0xD800 | (Code >> 10));
			Put(0xDC00 | (Code & 0x3FF));
		}
		else
		{
			Put(Code);
		}
	}

	std::wstring DecodeUtf16(const uint8* Bytes, int32 Size, bool bBigEndian)
	{
		std::wstring Out;
		Out.reserve(Size / 2);
		for (int32 Index = 0; Index + 1 < Size; Index += 2)
		{
			uint32 Unit = bBigEndian ? (uint32(Bytes[Index]) << 8) | Bytes[Index + 1] : (uint32(Bytes[Index + 1]) << 8) | Bytes[Index];
			if (Unit >= 0xD800 && Unit <= 0xDBFF && Index + 3 < Size)
			{
				const uint32 Next = bBigEndian ? (uint32(Bytes[Index + 2]) << 8) | Bytes[Index + 3] : (uint32(Bytes[Index + 3]) << 8) | Bytes[Index + 2];
				if (Next >= 0xDC00 && Next <= 0xDFFF)
				{
					Unit = 0x10000 + ((Unit - 0xD800) << 10) + (Next - 0xDC00);
					Index += 2;
				}
				else
				{
					Unit = '?';
				}
			}
			else if (Unit >= 0xD800 && Unit <= 0xDFFF)
			{
				Unit = '?';
			}
			Out.push_back((TCHAR)Unit);
		}
		return Out;
	}
}

void FFileHelper::BufferToString(FString& Result, const uint8* Buffer, int32 Size)
{
	std::wstring Text;
	if (Size >= 2 && Buffer[0] == 0xFF && Buffer[1] == 0xFE)
	{
		Text = DecodeUtf16(Buffer + 2, Size - 2, false);
	}
	else if (Size >= 2 && Buffer[0] == 0xFE && Buffer[1] == 0xFF)
	{
		Text = DecodeUtf16(Buffer + 2, Size - 2, true);
	}
	else if (Size >= 3 && Buffer[0] == 0xEF && Buffer[1] == 0xBB && Buffer[2] == 0xBF)
	{
		Text = UE::Core::Private::ConvertUtf8ToTChar((const ANSICHAR*)Buffer + 3, Size - 3);
	}
	else
	{
		Text = UE::Core::Private::ConvertUtf8ToTChar((const ANSICHAR*)Buffer, Size);
	}
	// A NUL inside the text ends it, as it would in the engine's string.
	const size_t Nul = Text.find(TCHAR(0));
	if (Nul != std::wstring::npos)
	{
		Text.resize(Nul);
	}
	Result = FString(int32(Text.size()), Text.c_str());
}

bool FFileHelper::LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags, uint32 ReadFlags)
{
	(void)VerifyFlags;
	(void)ReadFlags;
	std::string Bytes;
	if (!ReadAllBytes(Filename, Bytes))
	{
		return false;
	}
	BufferToString(Result, (const uint8*)Bytes.data(), int32(Bytes.size()));
	return true;
}

bool FFileHelper::LoadFileToStringArray(TArray<FString>& Result, const TCHAR* Filename)
{
	Result.Empty();
	FString Text;
	if (!LoadFileToString(Text, Filename))
	{
		return false;
	}
	Text.ParseIntoArrayLines(Result, true);
	return true;
}

bool FFileHelper::LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32 Flags)
{
	(void)Flags;
	std::string Bytes;
	if (!ReadAllBytes(Filename, Bytes))
	{
		return false;
	}
	Result.Reset();
	Result.Append((const uint8*)Bytes.data(), int32(Bytes.size()));
	return true;
}

bool FFileHelper::SaveStringToFile(FStringView String, const TCHAR* Filename, EEncodingOptions EncodingOptions, IFileManager* FileManager, uint32 WriteFlags)
{
	bool bAllAscii = true;
	for (const TCHAR Char : String)
	{
		if ((uint32)Char > 0x7F)
		{
			bAllAscii = false;
			break;
		}
	}
	if (EncodingOptions == EEncodingOptions::AutoDetect)
	{
		EncodingOptions = bAllAscii ? EEncodingOptions::ForceAnsi : EEncodingOptions::ForceUnicode;
	}

	std::string Bytes;
	switch (EncodingOptions)
	{
	case EEncodingOptions::ForceAnsi:
		Bytes.reserve(String.Len());
		for (const TCHAR Char : String)
		{
			Bytes.push_back((uint32)Char <= 0xFF ? (char)(uint8)Char : '?');
		}
		break;
	case EEncodingOptions::ForceUnicode:
		Bytes.push_back((char)0xFF);
		Bytes.push_back((char)0xFE);
		for (const TCHAR Char : String)
		{
			AppendUtf16LE(Bytes, (uint32)Char);
		}
		break;
	case EEncodingOptions::ForceUTF8:
		Bytes = "\xEF\xBB\xBF";
		Bytes += UE::Core::Private::ConvertTCharToUtf8(String.GetData(), String.Len());
		break;
	case EEncodingOptions::ForceUTF8WithoutBOM:
	default:
		Bytes = UE::Core::Private::ConvertTCharToUtf8(String.GetData(), String.Len());
		break;
	}
	return WriteAllBytes(Filename, Bytes, FileManager, WriteFlags);
}

bool FFileHelper::SaveStringArrayToFile(const TArray<FString>& Lines, const TCHAR* Filename, EEncodingOptions EncodingOptions, IFileManager* FileManager, uint32 WriteFlags)
{
	FString Text;
	for (const FString& Line : Lines)
	{
		Text += Line;
		Text += LINE_TERMINATOR;
	}
	return SaveStringToFile(Text, Filename, EncodingOptions, FileManager, WriteFlags);
}

bool FFileHelper::SaveArrayToFile(TArrayView<const uint8> Array, const TCHAR* Filename, IFileManager* FileManager, uint32 WriteFlags)
{
	const std::string Bytes((const char*)Array.GetData(), size_t(Array.Num()));
	return WriteAllBytes(Filename, Bytes, FileManager, WriteFlags);
}
