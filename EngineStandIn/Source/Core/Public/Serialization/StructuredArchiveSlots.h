#pragma once

#include "Serialization/StructuredArchive.h"
