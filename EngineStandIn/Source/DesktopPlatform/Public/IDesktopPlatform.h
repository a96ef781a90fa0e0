// The platform's native dialogs, as the editor reaches them through the DesktopPlatform module.
#pragma once

#include "CoreMinimal.h"

class IDesktopPlatform
{
public:
	virtual ~IDesktopPlatform()
	{
	}

	/**
	 * Opens the "choose folder" dialog and blocks until the user answers.
	 * @return true when a folder was chosen (OutFolderName holds it); false when the user cancelled.
	 */
	virtual bool OpenDirectoryDialog(const void* ParentWindowHandle, const FString& DialogTitle, const FString& DefaultPath, FString& OutFolderName) = 0;
};
