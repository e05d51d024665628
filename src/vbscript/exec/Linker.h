// Linking an added code into the script level (Linker.cpp).
#pragma once

#include "vbscript/exec/GlobalScope.h"

namespace kestrelon::vbs {

// Makes the program's script-level names exist in globals: its Dim and Const names, its
// procedures and its classes. Raises 1041 for a name the level has as something else.
void linkProgram(GlobalScope& globals, ProgramInstance& instance);

} // namespace kestrelon::vbs
