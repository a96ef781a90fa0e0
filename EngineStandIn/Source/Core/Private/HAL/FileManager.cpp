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

