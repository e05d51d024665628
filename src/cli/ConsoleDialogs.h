// The Dialogs of the command line: a message is one line on an output stream, an input box
// reads one line from an input stream. kestrelon-cli vbs writes messages to standard output,
// as a script host's console does; other commands choose their own stream.
#pragma once

#include "platform/Dialogs.h"

#include <iosfwd>

namespace kestrelon::cli {

class ConsoleDialogs : public Dialogs {
public:
    ConsoleDialogs(std::ostream& out, std::istream& in) : m_out(out), m_in(in) {}

    // The text and a line break. Its own line breaks (CR LF, CR or LF) end lines; every other
    // control character but the tab is shown escaped ("\x1b"): texts come from scripts and
    // files, and none of them may send the terminal commands.
    void message(const std::string& text) override;
    // The text, then an answer line: "y" or "yes" (any case) is Yes; anything else or the end
    // of the input is No.
    bool question(const std::string& text) override;
    // One line of input (without its line break); nullopt at the end of the input. The prompt
    // is not shown: the output holds the script's messages only.
    std::optional<std::string> inputBox(const std::string& prompt) override;
    // A console has no file dialogs: they are cancelled.
    std::optional<std::string> openFile(FileDialogState& state) override;
    std::optional<std::string> saveFile(FileDialogState& state) override;

private:
    std::optional<std::string> readLine();

    std::ostream& m_out;
    std::istream& m_in;
};

} // namespace kestrelon::cli
