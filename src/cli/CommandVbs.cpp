// kestrelon-cli vbs: runs a script file as a script host would. Its top-level statements run;
// MsgBox prints its prompt on standard output and InputBox reads a line of standard input. A
// script error is reported on standard error as "Error <Description> line: <L> column: <C>".
#include "cli/CommandRegistry.h"
#include "cli/ConsoleDialogs.h"
#include "cli/TimeLimitOption.h"

#include "platform/FileError.h"
#include "platform/PrintableText.h"
#include "platform/TextFile.h"
#include "vbscript/ScriptControl.h"

#include <chrono>
#include <iostream>
#include <optional>
#include <string>

namespace kestrelon::cli {
namespace {

constexpr const char* Usage = "usage: kestrelon-cli vbs [--time-limit SECONDS] FILE.vbs";

// A script run from the console computes as long as it needs unless --time-limit is given,
// as a console script host does: the user stops it with Ctrl+C. A benchmark on a busy machine
// must not fail for taking longer than usual.
struct VbsArguments {
    std::string script;
    std::chrono::milliseconds timeLimit = NoTimeLimit;
};

// The script file and the time limit; a fault is written to err and gives nullopt.
std::optional<VbsArguments> parseArguments(const std::vector<std::string>& args, std::ostream& err)
{
    VbsArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--time-limit" && i + 1 < args.size()) {
            const auto limit = timeLimitOf(args[++i]);
            if (!limit) {
                err << badTimeLimit("vbs", args[i]) << '\n';
                return std::nullopt;
            }
            parsed.timeLimit = *limit;
        } else if (parsed.script.empty() && !args[i].empty() && args[i][0] != '-') {
            parsed.script = args[i];
        } else {
            return std::nullopt;
        }
    }
    if (parsed.script.empty())
        return std::nullopt;
    return parsed;
}

// The file's text with its lines joined by line feeds; a UTF-8 byte-order mark that editors
// put at the start is not part of the script.
std::string scriptText(const std::string& path)
{
    std::string text;
    for (const std::string& line : readTextLines(path))
        text += line + '\n';
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    return text;
}

int runScript(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto parsed = parseArguments(args, err);
    if (!parsed) {
        err << Usage << '\n';
        return ExitBadInput;
    }
    std::string text;
    try {
        text = scriptText(parsed->script);
    } catch (const FileError& error) {
        err << "kestrelon-cli: " << error.what() << '\n';
        return ExitBadInput;
    }
    ConsoleDialogs dialogs(out, std::cin);
    vbs::ScriptControl host;
    host.setDialogs(&dialogs);
    host.setTimeLimit(parsed->timeLimit);
    const bool ran = host.AddCode(text);
    if (!ran) {
        out.flush();
        err << printableText(vbs::errorMessage(host.Error())) << '\n';
    }
    host.Reset(); // the script ends: the instances its variables still hold run Class_Terminate
    return ran ? ExitOk : ExitFailed;
}

} // namespace

KESTRELON_COMMAND("vbs", "vbs [--time-limit SECONDS] FILE.vbs",
                  "run a script file: MsgBox prints a line, InputBox reads one (--time-limit: the processor "
                  "seconds it may compute; no limit unless given)",
                  60, runScript);

} // namespace kestrelon::cli
