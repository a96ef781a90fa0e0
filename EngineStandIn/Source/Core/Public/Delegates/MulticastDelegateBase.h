// Multicast delegates live with the single-cast ones.
#pragma once

#include "Delegates/Delegate.h"
