// IFileManager: the engine's file system access (folders, existence, sizes, deletion, listing).
#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "Containers/Array.h"

#include <functional>

class FArchive;

enum EFileWrite
{
	FILEWRITE_None = 0x00,
	FILEWRITE_NoFail = 0x01,
	FILEWRITE_NoReplaceExisting = 0x02,
	FILEWRITE_EvenIfReadOnly = 0x04,
	FILEWRITE_Append = 0x08,
	FILEWRITE_AllowRead = 0x10,
	FILEWRITE_Silent = 0x20
};

enum EFileRead
{
	FILEREAD_None = 0x00,
	FILEREAD_NoFail = 0x01,
	FILEREAD_Silent = 0x02,
	FILEREAD_AllowWrite = 0x04,
};

enum ECopyResult
{
	COPY_OK = 0x00,
	COPY_Fail = 0x01,
	COPY_Canceled = 0x02,
};

class IFileManager
{
public:
	CORE_API static IFileManager& Get();

	virtual ~IFileManager() = default;

	CORE_API virtual bool MakeDirectory(const TCHAR* Path, bool Tree = false);
	CORE_API virtual bool DirectoryExists(const TCHAR* InDirectory);
	CORE_API virtual bool FileExists(const TCHAR* Filename);
	CORE_API virtual bool Delete(const TCHAR* Filename, bool RequireExists = false, bool EvenReadOnly = false, bool Quiet = false);
	CORE_API virtual bool DeleteDirectory(const TCHAR* Path, bool RequireExists = false, bool Tree = false);
	CORE_API virtual bool Move(const TCHAR* Dest, const TCHAR* Src, bool Replace = true, bool EvenIfReadOnly = false, bool Attributes = false, bool bDoNotRetryOrError = false);
	CORE_API virtual uint32 Copy(const TCHAR* Dest, const TCHAR* Src, bool Replace = true, bool EvenIfReadOnly = false, bool Attributes = false);
	/** Size in bytes, or -1 when the file does not exist. */
	CORE_API virtual int64 FileSize(const TCHAR* Filename);
	CORE_API virtual bool IsReadOnly(const TCHAR* Filename);

	/** Names (without path) of the files or folders matching Filename: a folder, a slash and a wildcard. */
	CORE_API virtual void FindFiles(TArray<FString>& FileNames, const TCHAR* Filename, bool Files, bool Directories);
	/** Names (without path) of the files in Directory with the extension (".xml", "xml" or nullptr for all). */
	CORE_API void FindFiles(TArray<FString>& FoundFiles, const TCHAR* Directory, const TCHAR* FileExtension);
	/** Full paths of the matching files and folders below StartDirectory. */
	CORE_API virtual void FindFilesRecursive(TArray<FString>& FileNames, const TCHAR* StartDirectory, const TCHAR* Filename, bool Files, bool Directories, bool bClearFileNames = true);
	/** Calls Visitor(Path, bIsDirectory) for each entry of the folder; stops when it returns false. */
	CORE_API bool IterateDirectory(const TCHAR* Directory, const std::function<bool(const TCHAR*, bool)>& Visitor);

	CORE_API virtual FString ConvertToAbsolutePathForExternalAppForRead(const TCHAR* Filename);
	CORE_API virtual FString ConvertToAbsolutePathForExternalAppForWrite(const TCHAR* Filename);
};
