#include "Modules/ModuleManager.h"

// The runtime module registers nothing by hand: its classes reach the engine through reflection.
IMPLEMENT_MODULE(FDefaultModuleImpl, ZORLight)
