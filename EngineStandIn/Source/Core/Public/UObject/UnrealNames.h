// Names the engine hard-codes (EName); NAME_None is entry 0 of the name table.
#pragma once

#include "HAL/Platform.h"

enum EName : uint32
{
	NAME_None = 0,
};

enum EFindName
{
	FNAME_Find,
	FNAME_Add,
};

#define NAME_NO_NUMBER_INTERNAL 0
#define NAME_NO_NUMBER NAME_NO_NUMBER_INTERNAL
