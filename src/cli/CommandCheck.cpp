// kestrelon-cli check: the script check that opens every run, alone: each type's script is
// compiled in a module named after the type, and each failure is reported with its type.
#include "cli/CommandRegistry.h"

#include "model/ProjectFile.h"
#include "platform/FileError.h"
#include "platform/PrintableText.h"
#include "sim/ScriptCheck.h"
#include "vbscript/ScriptControl.h"

#include <ostream>

namespace kestrelon::cli {
namespace {

int checkProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: kestrelon-cli check PROJECT.kst\n";
        return ExitBadInput;
    }
    Project project;
    try {
        project = LoadProject(args[0]);
    } catch (const FileError& error) {
        err << "kestrelon-cli: " << error.what() << '\n';
        return ExitBadInput;
    }
    vbs::ScriptControl host;
    const std::int32_t failures =
        sim::checkScripts(host, project, [&](std::int32_t type, const std::string& message) {
            err << args[0] << ": type " << type << " \"" << printableText(project.TypeNames[type]) << "\": " << printableText(message)
                << '\n';
        });
    if (failures > 0)
        return ExitFailed;
    out << args[0] << ": the scripts of all " << project.NumTypes() << " unit types compile\n";
    return ExitOk;
}

} // namespace

KESTRELON_COMMAND("check", "check PROJECT.kst", "compile every unit type's script and report the errors", 30,
                  checkProject);

} // namespace kestrelon::cli
