// IFileManager over the host's file system (std::filesystem); paths are UTF-8 at this edge.
#include "HAL/FileManager.h"
#include "Containers/StringConv.h"
#include "Misc/Paths.h"

#include <filesystem>
#include <system_error>

namespace
{
	std::filesystem::path ToPath(const TCHAR* Path)
	{
		return std::filesystem::path(FTCHARToUTF8(Path ? Path : TEXT("")).Get());
	}

	FString FromPath(const std::filesystem::path& Path)
	{
		return FString(UTF8_TO_TCHAR(Path.string().c_str()));
	}
}

IFileManager& IFileManager::Get()
{
	static IFileManager* Instance = new IFileManager();
	return *Instance;
}

bool IFileManager::MakeDirectory(const TCHAR* Path, bool Tree)
{
	std::error_code Error;
	const std::filesystem::path Target = ToPath(Path);
	if (std::filesystem::is_directory(Target, Error))
	{
		return true;
	}
	if (Tree)
	{
		std::filesystem::create_directories(Target, Error);
	}
	else
	{
		std::filesystem::create_directory(Target, Error);
	}
	return std::filesystem::is_directory(Target, Error);
}

bool IFileManager::DirectoryExists(const TCHAR* InDirectory)
{
	std::error_code Error;
	return InDirectory && *InDirectory && std::filesystem::is_directory(ToPath(InDirectory), Error);
}

bool IFileManager::FileExists(const TCHAR* Filename)
{
	std::error_code Error;
	return Filename && *Filename && std::filesystem::is_regular_file(ToPath(Filename), Error);
}

bool IFileManager::Delete(const TCHAR* Filename, bool RequireExists, bool EvenReadOnly, bool Quiet)
{
	(void)EvenReadOnly;
	(void)Quiet;
	std::error_code Error;
	const std::filesystem::path Target = ToPath(Filename);
	if (!std::filesystem::is_regular_file(Target, Error))
	{
		return !RequireExists && !std::filesystem::exists(Target, Error);
	}
	return std::filesystem::remove(Target, Error);
}

bool IFileManager::DeleteDirectory(const TCHAR* Path, bool RequireExists, bool Tree)
{
	std::error_code Error;
	const std::filesystem::path Target = ToPath(Path);
	if (!std::filesystem::is_directory(Target, Error))
	{
		return !RequireExists;
	}
	if (Tree)
	{
		std::filesystem::remove_all(Target, Error);
	}
	else
	{
		std::filesystem::remove(Target, Error);
	}
	return !std::filesystem::exists(Target, Error);
}

bool IFileManager::Move(const TCHAR* Dest, const TCHAR* Src, bool Replace, bool EvenIfReadOnly, bool Attributes, bool bDoNotRetryOrError)
{
	(void)EvenIfReadOnly;
	(void)Attributes;
	(void)bDoNotRetryOrError;
	std::error_code Error;
	const std::filesystem::path Target = ToPath(Dest);
	if (!Replace && std::filesystem::exists(Target, Error))
	{
		return false;
	}
	if (Target.has_parent_path())
	{
		std::filesystem::create_directories(Target.parent_path(), Error);
	}
	std::filesystem::rename(ToPath(Src), Target, Error);
	return !Error;
}

uint32 IFileManager::Copy(const TCHAR* Dest, const TCHAR* Src, bool Replace, bool EvenIfReadOnly, bool Attributes)
{
	(void)EvenIfReadOnly;
	(void)Attributes;
	std::error_code Error;
	const std::filesystem::path Target = ToPath(Dest);
	if (Target.has_parent_path())
	{
		std::filesystem::create_directories(Target.parent_path(), Error);
	}
	const auto Options = Replace ? std::filesystem::copy_options::overwrite_existing : std::filesystem::copy_options::skip_existing;
	const bool bCopied = std::filesystem::copy_file(ToPath(Src), Target, Options, Error);
	return (bCopied && !Error) ? COPY_OK : COPY_Fail;
}

int64 IFileManager::FileSize(const TCHAR* Filename)
{
	std::error_code Error;
	const std::filesystem::path Target = ToPath(Filename);
	if (!std::filesystem::is_regular_file(Target, Error))
	{
		return -1;
	}
	const auto Size = std::filesystem::file_size(Target, Error);
	return Error ? -1 : (int64)Size;
}

bool IFileManager::IsReadOnly(const TCHAR* Filename)
{
	std::error_code Error;
	const auto Status = std::filesystem::status(ToPath(Filename), Error);
	if (Error)
	{
		return false;
	}
	return (Status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

void IFileManager::FindFiles(TArray<FString>& FileNames, const TCHAR* Filename, bool Files, bool Directories)
{
	const FString Pattern(Filename);
	FString Directory = FPaths::GetPath(Pattern);
	FString Wildcard = FPaths::GetCleanFilename(Pattern);
	if (Wildcard.IsEmpty())
	{
		Wildcard = TEXT("*");
	}
	if (Wildcard == TEXT("*.*"))
	{
		Wildcard = TEXT("*");
	}
	std::error_code Error;
	std::filesystem::directory_iterator It(ToPath(Directory.IsEmpty() ? TEXT(".") : *Directory), Error);
	if (Error)
	{
		return;
	}
	TArray<FString> Found;
	for (const std::filesystem::directory_entry& Entry : It)
	{
		const bool bIsDirectory = Entry.is_directory(Error);
		if ((bIsDirectory && !Directories) || (!bIsDirectory && !Files))
		{
			continue;
		}
		const FString Name = FromPath(Entry.path().filename());
		if (Name.MatchesWildcard(*Wildcard))
		{
			Found.Add(Name);
		}
	}
	// The host lists in no particular order; keep results stable.
	Found.Sort([](const FString& A, const FString& B) { return A.Compare(B, ESearchCase::CaseSensitive) < 0; });
	FileNames.Append(Found);
}

void IFileManager::FindFiles(TArray<FString>& FoundFiles, const TCHAR* Directory, const TCHAR* FileExtension)
{
	FString Extension = FileExtension ? FString(FileExtension) : FString();
	if (Extension.StartsWith(TEXT(".")))
	{
		Extension.RightChopInline(1);
	}
	const FString Pattern = FString(Directory) / (Extension.IsEmpty() ? FString(TEXT("*")) : TEXT("*.") + Extension);
	FindFiles(FoundFiles, *Pattern, true, false);
}

void IFileManager::FindFilesRecursive(TArray<FString>& FileNames, const TCHAR* StartDirectory, const TCHAR* Filename, bool Files, bool Directories, bool bClearFileNames)
{
	if (bClearFileNames)
	{
		FileNames.Empty();
	}
	const FString Wildcard(Filename);
	std::error_code Error;
	std::filesystem::recursive_directory_iterator It(ToPath(StartDirectory), Error);
	if (Error)
	{
		return;
	}
	TArray<FString> Found;
	for (const std::filesystem::directory_entry& Entry : It)
	{
		const bool bIsDirectory = Entry.is_directory(Error);
		if ((bIsDirectory && !Directories) || (!bIsDirectory && !Files))
		{
			continue;
		}
		if (FromPath(Entry.path().filename()).MatchesWildcard(*Wildcard))
		{
			Found.Add(FromPath(Entry.path()));
		}
	}
	Found.Sort([](const FString& A, const FString& B) { return A.Compare(B, ESearchCase::CaseSensitive) < 0; });
	FileNames.Append(Found);
}

bool IFileManager::IterateDirectory(const TCHAR* Directory, const std::function<bool(const TCHAR*, bool)>& Visitor)
{
	std::error_code Error;
	std::filesystem::directory_iterator It(ToPath(Directory), Error);
	if (Error)
	{
		return false;
	}
	for (const std::filesystem::directory_entry& Entry : It)
	{
		const FString Path = FromPath(Entry.path());
		if (!Visitor(*Path, Entry.is_directory(Error)))
		{
			return false;
		}
	}
	return true;
}

FString IFileManager::ConvertToAbsolutePathForExternalAppForRead(const TCHAR* Filename)
{
	return FPaths::ConvertRelativePathToFull(FString(Filename));
}

FString IFileManager::ConvertToAbsolutePathForExternalAppForWrite(const TCHAR* Filename)
{
	return FPaths::ConvertRelativePathToFull(FString(Filename));
}
