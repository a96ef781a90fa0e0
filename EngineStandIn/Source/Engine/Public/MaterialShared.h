#pragma once

#include "Materials/MaterialRenderProxy.h"
