// The script check. A type whose module cannot be made (a second type of the same name) is
// reported without compiling its script; its units still run their scripts in the frames.
#include "sim/ScriptCheck.h"

namespace kestrelon::sim {

std::int32_t checkScripts(vbs::ScriptControl& host, const Project& project,
                          const std::function<void(std::int32_t type, const vbs::ScriptErrorInfo& error)>& report)
{
    std::int32_t failures = 0;
    for (std::int32_t t = 1; t <= project.NumTypes(); ++t) {
        host.ClearError();
        const std::string& module = project.TypeNames[t];
        if (host.AddModule(module) && host.AddCodeToModule(module, project.UnitTypes[t].Code))
            continue;
        ++failures;
        report(t, host.Error());
        host.ClearError();
    }
    return failures;
}

} // namespace kestrelon::sim
