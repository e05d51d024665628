// Shared by the interpreter, script host and host object tests: runs a script through a
// ScriptControl whose messages are recorded, and describes the outcome in one line
// ("a|b|c" for the messages, then " !Error ... line: L column: C" when the script failed).
#pragma once

#include "support/ScriptedDialogs.h"
#include "vbscript/ScriptControl.h"

#include <string>

namespace kestrelon::vbs::testing {

inline std::string joinedMessages(const kestrelon::testing::ScriptedDialogs& dialogs)
{
    std::string text;
    for (const auto& message : dialogs.messages())
        text += (text.empty() ? "" : "|") + message;
    return text;
}

// Adds the code to the host and runs it; the messages and, on failure, the error line.
inline std::string runIn(ScriptControl& host, kestrelon::testing::ScriptedDialogs& dialogs, const std::string& code)
{
    host.setDialogs(&dialogs);
    const bool ok = host.AddCode(code);
    std::string outcome = joinedMessages(dialogs);
    if (!ok)
        outcome += " !" + errorMessage(host.Error());
    return outcome;
}

inline std::string run(const std::string& code)
{
    ScriptControl host;
    kestrelon::testing::ScriptedDialogs dialogs;
    return runIn(host, dialogs, code);
}

} // namespace kestrelon::vbs::testing
