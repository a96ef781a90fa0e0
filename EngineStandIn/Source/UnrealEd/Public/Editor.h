// The editor's globals.
#pragma once

#include "CoreMinimal.h"
#include "Editor/EditorEngine.h"

/** The editor engine; the same object as GEngine while the editor runs. */
extern UNREALED_API class UEditorEngine* GEditor;
