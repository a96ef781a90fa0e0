// What the testing module reads from UnrealEd.
#pragma once

#include "Editor/EditorEngine.h"
#include "Toolkits/AssetEditorToolkit.h"
