// The one source of the target that owns the suites' precompiled header.
#include "PrecompiledTestHeader.h"
