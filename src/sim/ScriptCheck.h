// The script check that opens every run and that `kestrelon-cli check` performs alone: each
// type's script is compiled once, in a module named after the type, and every type whose
// module or script cannot be added is reported with the script host's error.
#pragma once

#include "model/Project.h"
#include "vbscript/ScriptControl.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kestrelon::sim {

// Adds module TypeNames(t) with the type's Code to host, for t = 1 .. NumTypes in order, and
// calls report(t, error) for each type that fails with the host's error (its description,
// and the line and column in the type's script, 0 when the module itself could not be made);
// a failure never stops the check. Returns the number of types reported.
std::int32_t checkScripts(vbs::ScriptControl& host, const Project& project,
                          const std::function<void(std::int32_t type, const vbs::ScriptErrorInfo& error)>& report);

} // namespace kestrelon::sim
