// IFileManager: the engine's file system access (folders, existence, sizes, deletion, listing).
#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "Containers/Array.h"


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

class IFileManager
{
public:
	CORE_API static IFileManager& Get();

	virtual ~IFileManager() = default;

	CORE_API virtual bool MakeDirectory(const TCHAR* Path, bool Tree = false);
	CORE_API virtual bool DirectoryExists(const TCHAR* InDirectory);
	CORE_API virtual bool FileExists(const TCHAR* Filename);
	CORE_API virtual bool IsReadOnly(const TCHAR* Filename);
	CORE_API virtual bool Delete(const TCHAR* Filename, bool RequireExists = false, bool EvenReadOnly = false, bool Quiet = false);
	CORE_API virtual bool DeleteDirectory(const TCHAR* Path, bool RequireExists = false, bool Tree = false);
	/** Full paths of the matching files and folders below StartDirectory. */
	CORE_API virtual void FindFilesRecursive(TArray<FString>& FileNames, const TCHAR* StartDirectory, const TCHAR* Filename, bool Files, bool Directories, bool bClearFileNames = true);
};
