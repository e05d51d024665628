// kestrelon-cli vbs: runs a script file as a script host would. Its top-level statements run;
// MsgBox prints its prompt on standard output and InputBox reads a line of standard input. A
// script error is reported on standard error as "Error <Description> line: <L> column: <C>".
#include "cli/CommandRegistry.h"
#include "cli/ConsoleDialogs.h"

#include "platform/FileError.h"
#include "platform/PrintableText.h"
#include "platform/TextFile.h"
#include "vbscript/ScriptControl.h"

#include <iostream>
#include <string>

namespace kestrelon::cli {
namespace {

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
    if (args.size() != 1) {
        err << "usage: kestrelon-cli vbs FILE.vbs\n";
        return ExitBadInput;
    }
    std::string text;
    try {
        text = scriptText(args[0]);
    } catch (const FileError& error) {
        err << "kestrelon-cli: " << error.what() << '\n';
        return ExitBadInput;
    }
    ConsoleDialogs dialogs(out, std::cin);
    vbs::ScriptControl host;
    host.setDialogs(&dialogs);
    if (!host.AddCode(text)) {
        out.flush();
        err << printableText(vbs::errorMessage(host.Error())) << '\n';
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace

KESTRELON_COMMAND("vbs", "vbs FILE.vbs", "run a script file: MsgBox prints a line, InputBox reads one", 60, runScript);

} // namespace kestrelon::cli
