// FPaths: folders of the project and the engine (set by the session), and path string helpers.
#include "Misc/Paths.h"
#include "HAL/FileManager.h"
#include "Containers/StringConv.h"
#include "StandIn/CoreHooks.h"

#include <filesystem>
#include <system_error>

namespace
{
	FString& ProjectDirStorage()
	{
		static FString Dir;
		return Dir;
	}

	FString& EngineDirStorage()
	{
		static FString Dir;
		return Dir;
	}

	FString CurrentDirectory()
	{
		std::error_code Error;
		const std::filesystem::path Current = std::filesystem::current_path(Error);
		FString Dir(Current.string().c_str());
		FPaths::NormalizeDirectoryName(Dir);
		return Dir + TEXT("/");
	}

	FString AsDirectory(const FString& InDir)
	{
		FString Dir = FPaths::ConvertRelativePathToFull(InDir);
		if (!Dir.EndsWith(TEXT("/")))
		{
			Dir += TEXT("/");
		}
		return Dir;
	}
}

namespace UE::StandIn
{
	void SetProjectDir(const FString& Dir)
	{
		ProjectDirStorage() = Dir.IsEmpty() ? FString() : AsDirectory(Dir);
	}

	void SetEngineDir(const FString& Dir)
	{
		EngineDirStorage() = Dir.IsEmpty() ? FString() : AsDirectory(Dir);
	}
}

FString FPaths::ProjectDir()
{
	return ProjectDirStorage().IsEmpty() ? CurrentDirectory() : ProjectDirStorage();
}

FString FPaths::ProjectConfigDir()
{
	return ProjectDir() + TEXT("Config/");
}

FString FPaths::ProjectSavedDir()
{
	return ProjectDir() + TEXT("Saved/");
}

FString FPaths::ProjectContentDir()
{
	return ProjectDir() + TEXT("Content/");
}

FString FPaths::ProjectIntermediateDir()
{
	return ProjectDir() + TEXT("Intermediate/");
}

FString FPaths::ProjectPluginsDir()
{
	return ProjectDir() + TEXT("Plugins/");
}

FString FPaths::ProjectLogDir()
{
	return ProjectSavedDir() + TEXT("Logs/");
}

FString FPaths::ProjectUserDir()
{
	return ProjectDir();
}

FString FPaths::GeneratedConfigDir()
{
	return ProjectSavedDir() + TEXT("Config/");
}

FString FPaths::GetProjectFilePath()
{
	return FString();
}

FString FPaths::EngineDir()
{
	if (!EngineDirStorage().IsEmpty())
	{
		return EngineDirStorage();
	}
#ifdef ZOR_ENGINE_DIR
	return AsDirectory(FString(ZOR_ENGINE_DIR));
#else
	return CurrentDirectory();
#endif
}

FString FPaths::EngineContentDir()
{
	return EngineDir() + TEXT("Content/");
}

FString FPaths::EngineConfigDir()
{
	return EngineDir() + TEXT("Config/");
}

FString FPaths::EnginePluginsDir()
{
	return EngineDir() + TEXT("Plugins/");
}

FString FPaths::RootDir()
{
	FString Dir = EngineDir();
	Dir.LeftChopInline(1);
	return GetPath(Dir) + TEXT("/");
}

FString FPaths::LaunchDir()
{
	return CurrentDirectory();
}

bool FPaths::FileExists(const FString& InPath)
{
	return IFileManager::Get().FileExists(*InPath);
}

bool FPaths::DirectoryExists(const FString& InPath)
{
	return IFileManager::Get().DirectoryExists(*InPath);
}

FString FPaths::GetPath(const FString& InPath)
{
	const int32 Slash = InPath.FindLastCharByPredicate([](TCHAR C) { return C == TEXT('/') || C == TEXT('\\'); });
	return Slash == INDEX_NONE ? FString() : InPath.Left(Slash);
}

FString FPaths::GetPathLeaf(const FString& InPath)
{
	FString Path = InPath;
	while (Path.EndsWith(TEXT("/")) || Path.EndsWith(TEXT("\\")))
	{
		Path.LeftChopInline(1);
	}
	return GetCleanFilename(Path);
}

FString FPaths::GetCleanFilename(const FString& InPath)
{
	const int32 Slash = InPath.FindLastCharByPredicate([](TCHAR C) { return C == TEXT('/') || C == TEXT('\\'); });
	return Slash == INDEX_NONE ? InPath : InPath.RightChop(Slash + 1);
}

FString FPaths::GetBaseFilename(const FString& InPath, bool bRemovePath)
{
	FString Result = bRemovePath ? GetCleanFilename(InPath) : InPath;
	const int32 Dot = Result.FindLastCharByPredicate([](TCHAR C) { return C == TEXT('.') || C == TEXT('/') || C == TEXT('\\'); });
	if (Dot != INDEX_NONE && Result[Dot] == TEXT('.'))
	{
		Result.LeftInline(Dot);
	}
	return Result;
}

FString FPaths::GetExtension(const FString& InPath, bool bIncludeDot)
{
	const FString Filename = GetCleanFilename(InPath);
	int32 Dot = INDEX_NONE;
	if (Filename.FindLastChar(TEXT('.'), Dot))
	{
		return Filename.Mid(Dot + (bIncludeDot ? 0 : 1));
	}
	return FString();
}

FString FPaths::ChangeExtension(const FString& InPath, const FString& InNewExtension)
{
	const int32 Dot = InPath.FindLastCharByPredicate([](TCHAR C) { return C == TEXT('.') || C == TEXT('/') || C == TEXT('\\'); });
	if (Dot == INDEX_NONE || InPath[Dot] != TEXT('.'))
	{
		return InPath;
	}
	FString Result = InPath.Left(Dot);
	if (!InNewExtension.IsEmpty())
	{
		if (!InNewExtension.StartsWith(TEXT(".")))
		{
			Result += TEXT(".");
		}
		Result += InNewExtension;
	}
	return Result;
}

FString FPaths::SetExtension(const FString& InPath, const FString& InNewExtension)
{
	const int32 Dot = InPath.FindLastCharByPredicate([](TCHAR C) { return C == TEXT('.') || C == TEXT('/') || C == TEXT('\\'); });
	FString Result = (Dot != INDEX_NONE && InPath[Dot] == TEXT('.')) ? InPath.Left(Dot) : InPath;
	if (!InNewExtension.IsEmpty())
	{
		if (!InNewExtension.StartsWith(TEXT(".")))
		{
			Result += TEXT(".");
		}
		Result += InNewExtension;
	}
	return Result;
}

void FPaths::NormalizeFilename(FString& InPath)
{
	InPath.ReplaceInline(TEXT("\\"), TEXT("/"), ESearchCase::CaseSensitive);
}

void FPaths::NormalizeDirectoryName(FString& InPath)
{
	NormalizeFilename(InPath);
	if (InPath.EndsWith(TEXT("/")) && !InPath.EndsWith(TEXT("//")) && !InPath.EndsWith(TEXT(":/")) && InPath.Len() > 1)
	{
		InPath.LeftChopInline(1);
	}
}

void FPaths::RemoveDuplicateSlashes(FString& InPath)
{
	while (InPath.Contains(TEXT("//"), ESearchCase::CaseSensitive))
	{
		InPath.ReplaceInline(TEXT("//"), TEXT("/"), ESearchCase::CaseSensitive);
	}
}

bool FPaths::CollapseRelativeDirectories(FString& InPath)
{
	const bool bAbsolute = InPath.StartsWith(TEXT("/"));
	const bool bTrailingSlash = InPath.EndsWith(TEXT("/"));
	TArray<FString> Parts;
	InPath.ParseIntoArray(Parts, TEXT("/"), true);
	TArray<FString> Result;
	for (const FString& Part : Parts)
	{
		if (Part == TEXT("."))
		{
			continue;
		}
		if (Part == TEXT(".."))
		{
			if (Result.Num() == 0 || Result.Last() == TEXT(".."))
			{
				if (bAbsolute)
				{
					return false;
				}
				Result.Add(Part);
			}
			else
			{
				Result.Pop();
			}
			continue;
		}
		Result.Add(Part);
	}
	FString Collapsed = FString::Join(Result, TEXT("/"));
	if (bAbsolute)
	{
		Collapsed = TEXT("/") + Collapsed;
	}
	if (bTrailingSlash && !Collapsed.EndsWith(TEXT("/")))
	{
		Collapsed += TEXT("/");
	}
	InPath = Collapsed;
	return true;
}

FString FPaths::ConvertRelativePathToFull(const FString& InPath)
{
	return ConvertRelativePathToFull(CurrentDirectory(), InPath);
}

FString FPaths::ConvertRelativePathToFull(const FString& BasePath, const FString& InPath)
{
	FString Full = InPath;
	NormalizeFilename(Full);
	if (IsRelative(Full))
	{
		FString Base = BasePath;
		NormalizeFilename(Base);
		Full = Base / Full;
	}
	CollapseRelativeDirectories(Full);
	RemoveDuplicateSlashes(Full);
	return Full;
}

bool FPaths::MakePathRelativeTo(FString& InPath, const TCHAR* InRelativeTo)
{
	const FString Target = ConvertRelativePathToFull(InPath);
	FString Source = ConvertRelativePathToFull(FString(InRelativeTo));
	Source = GetPath(Source + TEXT("x"));
	TArray<FString> TargetParts;
	TArray<FString> SourceParts;
	Target.ParseIntoArray(TargetParts, TEXT("/"), true);
	Source.ParseIntoArray(SourceParts, TEXT("/"), true);
	int32 Common = 0;
	while (Common < TargetParts.Num() && Common < SourceParts.Num() && TargetParts[Common].Equals(SourceParts[Common]))
	{
		++Common;
	}
	FString Result;
	for (int32 Index = Common; Index < SourceParts.Num(); ++Index)
	{
		Result += TEXT("../");
	}
	for (int32 Index = Common; Index < TargetParts.Num(); ++Index)
	{
		Result += TargetParts[Index];
		if (Index + 1 < TargetParts.Num())
		{
			Result += TEXT("/");
		}
	}
	if (Target.EndsWith(TEXT("/")) && !Result.EndsWith(TEXT("/")))
	{
		Result += TEXT("/");
	}
	InPath = Result;
	return true;
}

bool FPaths::IsRelative(const FString& InPath)
{
	if (InPath.StartsWith(TEXT("/")) || InPath.StartsWith(TEXT("\\")))
	{
		return false;
	}
	// "C:/..." style paths count as absolute, as on the engine's other platforms.
	return !(InPath.Len() >= 2 && InPath[1] == TEXT(':') && FChar::IsAlpha(InPath[0]));
}

bool FPaths::IsSamePath(const FString& PathA, const FString& PathB)
{
	FString A = ConvertRelativePathToFull(PathA);
	FString B = ConvertRelativePathToFull(PathB);
	NormalizeDirectoryName(A);
	NormalizeDirectoryName(B);
	return A.Equals(B, ESearchCase::CaseSensitive);
}

bool FPaths::IsUnderDirectory(const FString& InPath, const FString& InDirectory)
{
	FString Path = ConvertRelativePathToFull(InPath);
	FString Dir = ConvertRelativePathToFull(InDirectory);
	NormalizeDirectoryName(Dir);
	return Path.Equals(Dir, ESearchCase::CaseSensitive) || Path.StartsWith(Dir + TEXT("/"), ESearchCase::CaseSensitive);
}

FString FPaths::MakeValidFileName(const FString& InString, const TCHAR InReplacementChar)
{
	static const TCHAR* const InvalidChars = TEXT("\"' ,.:|&!~\n\r\t@#(){}[]=;^%$`*?/\\<>");
	FString Result;
	Result.Reserve(InString.Len());
	for (const TCHAR Char : InString)
	{
		const bool bInvalid = FCString::Strchr(InvalidChars, Char) != nullptr && Char != 0;
		if (bInvalid)
		{
			if (InReplacementChar != 0)
			{
				Result.AppendChar(InReplacementChar);
			}
		}
		else
		{
			Result.AppendChar(Char);
		}
	}
	return Result;
}

bool FPaths::ValidatePath(const FString& InPath, FText* OutReason)
{
	(void)OutReason;
	for (const TCHAR Char : InPath)
	{
		if (Char == TEXT('"') || Char == TEXT('<') || Char == TEXT('>') || Char == TEXT('|') || Char == TEXT('*') || Char == TEXT('?'))
		{
			return false;
		}
	}
	return true;
}

void FPaths::Split(const FString& InPath, FString& PathPart, FString& FilenamePart, FString& ExtensionPart)
{
	PathPart = GetPath(InPath);
	FilenamePart = GetBaseFilename(InPath);
	ExtensionPart = GetExtension(InPath);
}

FString FPaths::CombineInternal(const TCHAR** Paths, int32 NumPaths)
{
	if (NumPaths <= 0)
	{
		return FString();
	}
	FString Result(Paths[0]);
	for (int32 Index = 1; Index < NumPaths; ++Index)
	{
		Result /= Paths[Index];
	}
	return Result;
}
