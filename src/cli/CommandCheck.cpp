// kestrelon-cli check: the script check that opens every run, alone: each type's script is
// compiled in a module named after the type, and each failure is reported as a line naming
// the file, the type, and the line and column in its script.
#include "cli/CommandRegistry.h"
#include "cli/TimeLimitOption.h"

#include "model/ProjectFile.h"
#include "platform/FileError.h"
#include "platform/PrintableText.h"
#include "sim/ScriptCheck.h"
#include "vbscript/ScriptControl.h"

#include <chrono>
#include <optional>
#include <ostream>
#include <string>

namespace kestrelon::cli {
namespace {

constexpr const char* Usage = "usage: kestrelon-cli check [--time-limit SECONDS] PROJECT.kst";

struct CheckArguments {
    std::string project;
    std::optional<std::chrono::milliseconds> timeLimit;
};

// The project file and the time limit; a fault is written to err and gives nullopt.
std::optional<CheckArguments> parseArguments(const std::vector<std::string>& args, std::ostream& err)
{
    CheckArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--time-limit" && i + 1 < args.size()) {
            if (!(parsed.timeLimit = timeLimitOf(args[++i]))) {
                err << badTimeLimit("check", args[i]) << '\n';
                return std::nullopt;
            }
        } else if (parsed.project.empty() && !args[i].empty() && args[i][0] != '-') {
            parsed.project = args[i];
        } else {
            return std::nullopt;
        }
    }
    if (parsed.project.empty())
        return std::nullopt;
    return parsed;
}

int checkProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto parsed = parseArguments(args, err);
    if (!parsed) {
        err << Usage << '\n';
        return ExitBadInput;
    }
    const std::string& path = parsed->project;
    Project project;
    try {
        project = LoadProject(path);
    } catch (const FileError& error) {
        err << "kestrelon-cli: " << error.what() << '\n';
        return ExitBadInput;
    }
    // Compiling runs no script code; the limit is taken all the same, as run takes it, so one
    // command line serves both.
    vbs::ScriptControl host;
    if (parsed->timeLimit)
        host.setTimeLimit(*parsed->timeLimit);
    // FILE:TYPE:LINE:COLUMN: message, the form editors and CI jump to a fault by; the line and
    // column are those of the type's script.
    const std::int32_t failures =
        sim::checkScripts(host, project, [&](std::int32_t type, const vbs::ScriptErrorInfo& error) {
            err << printableText(path) << ':' << printableText(project.TypeNames[type]) << ':' << error.Line << ':'
                << error.Column << ": " << printableText(error.Description) << '\n';
        });
    if (failures > 0)
        return ExitFailed;
    out << path << ": the scripts of all " << project.NumTypes() << " unit types compile\n";
    return ExitOk;
}

} // namespace

KESTRELON_COMMAND("check", "check [--time-limit SECONDS] PROJECT.kst",
                  "compile every unit type's script and report each error as FILE:TYPE:LINE:COLUMN: message", 30,
                  checkProject);

} // namespace kestrelon::cli
