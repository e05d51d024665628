// The commands of kestrelon-cli. Each command lives in its own file and registers itself
// with one KESTRELON_COMMAND line, so adding a command touches no other file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kestrelon::cli {

// Exit codes shared by every command.
enum ExitCode : int { ExitOk = 0, ExitFailed = 1, ExitBadInput = 2 };

struct Command {
    std::string name;
    std::string usage;   // one line, e.g. "figures FILE.an8"
    std::string summary; // what it does, one short sentence
    int order;           // position in --help
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

bool registerCommand(Command command);
const std::vector<Command>& commands();

} // namespace kestrelon::cli

#define KESTRELON_COMMAND_CONCAT2(a, b) a##b
#define KESTRELON_COMMAND_CONCAT(a, b) KESTRELON_COMMAND_CONCAT2(a, b)
#define KESTRELON_COMMAND(...) \
    static const bool KESTRELON_COMMAND_CONCAT(registered_, __LINE__) = \
        ::kestrelon::cli::registerCommand(::kestrelon::cli::Command{__VA_ARGS__})
