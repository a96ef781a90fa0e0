// FPaths: the project's and engine's folders and path string helpers. Folders end in '/'.
#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "Containers/StringView.h"

#include <utility>

class FPaths
{
public:
	CORE_API static FString ProjectDir();
	CORE_API static FString ProjectConfigDir();
	CORE_API static FString ProjectSavedDir();
	CORE_API static FString ProjectContentDir();
	CORE_API static FString ProjectIntermediateDir();
	CORE_API static FString ProjectPluginsDir();
	CORE_API static FString ProjectLogDir();
	CORE_API static FString ProjectUserDir();
	CORE_API static FString EngineDir();
	CORE_API static FString EngineContentDir();
	CORE_API static FString EngineConfigDir();
	CORE_API static FString EnginePluginsDir();
	CORE_API static FString RootDir();
	CORE_API static FString LaunchDir();
	CORE_API static FString GeneratedConfigDir();
	CORE_API static FString GetProjectFilePath();

	CORE_API static bool FileExists(const FString& InPath);
	CORE_API static bool DirectoryExists(const FString& InPath);

	CORE_API static FString GetPath(const FString& InPath);
	CORE_API static FString GetPathLeaf(const FString& InPath);
	CORE_API static FString GetCleanFilename(const FString& InPath);
	CORE_API static FString GetBaseFilename(const FString& InPath, bool bRemovePath = true);
	CORE_API static FString GetExtension(const FString& InPath, bool bIncludeDot = false);
	CORE_API static FString ChangeExtension(const FString& InPath, const FString& InNewExtension);
	CORE_API static FString SetExtension(const FString& InPath, const FString& InNewExtension);

	CORE_API static void NormalizeFilename(FString& InPath);
	CORE_API static void NormalizeDirectoryName(FString& InPath);
	CORE_API static bool CollapseRelativeDirectories(FString& InPath);
	CORE_API static void RemoveDuplicateSlashes(FString& InPath);
	CORE_API static FString ConvertRelativePathToFull(const FString& InPath);
	CORE_API static FString ConvertRelativePathToFull(const FString& BasePath, const FString& InPath);
	CORE_API static bool MakePathRelativeTo(FString& InPath, const TCHAR* InRelativeTo);
	CORE_API static bool IsRelative(const FString& InPath);
	CORE_API static bool IsSamePath(const FString& PathA, const FString& PathB);
	CORE_API static bool IsUnderDirectory(const FString& InPath, const FString& InDirectory);
	/** Replaces the characters that may not appear in a file name with ReplacementChar. */
	CORE_API static FString MakeValidFileName(const FString& InString, const TCHAR InReplacementChar = 0);
	CORE_API static bool ValidatePath(const FString& InPath, class FText* OutReason = nullptr);
	CORE_API static void Split(const FString& InPath, FString& PathPart, FString& FilenamePart, FString& ExtensionPart);

	/** Joins the parts with '/', as FString's operator/ does. */
	template <typename... PathTypes>
	static FString Combine(PathTypes&&... InPaths)
	{
		const TCHAR* Paths[] = { GetTCharPtr(std::forward<PathTypes>(InPaths))... };
		return CombineInternal(Paths, int32(sizeof...(PathTypes)));
	}

private:
	CORE_API static FString CombineInternal(const TCHAR** Paths, int32 NumPaths);

	static const TCHAR* GetTCharPtr(const TCHAR* Ptr) { return Ptr; }
	static const TCHAR* GetTCharPtr(const FString& Str) { return *Str; }
};
