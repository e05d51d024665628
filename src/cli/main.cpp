// kestrelon-cli: the engine without windows, for batch work and for tests. A signal that stops
// it removes the temporary files being written first.
#include "cli/CommandRegistry.h"

#include "platform/InterruptCleanup.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace kestrelon::cli;

void printUsage(std::ostream& out)
{
    out << "usage: kestrelon-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const auto& command : commands())
        out << "  kestrelon-cli " << command.usage << "\n      " << command.summary << "\n";
}

int runCommand(const std::vector<std::string>& words)
{
    if (words.empty()) {
        printUsage(std::cerr);
        return ExitBadInput;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        printUsage(std::cout);
        return ExitOk;
    }
    for (const auto& command : commands()) {
        if (command.name == words[0])
            return command.run({words.begin() + 1, words.end()}, std::cout, std::cerr);
    }
    std::cerr << "kestrelon-cli: unknown command '" << words[0] << "' (see kestrelon-cli --help)\n";
    return ExitBadInput;
}

} // namespace

int main(int argc, char** argv)
{
    kestrelon::installInterruptCleanup();
    return runCommand({argv + 1, argv + argc});
}
