#pragma once
// The model names resource types and names as the compiled files do; the binary reader reads
// the same type.

#include "base/name_or_ordinal.h"
