// Algo::StableSort lives with Algo::Sort in this stand-in; the engine gives it its own header.
#pragma once

#include "Algo/Sort.h"
