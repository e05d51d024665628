// kestrelon-cli: the engine without windows, for batch work and for tests.
#include "cli/CommandRegistry.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

void printUsage(std::ostream& out)
{
    out << "usage: kestrelon-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const auto& command : kestrelon::cli::commands())
        out << "  kestrelon-cli " << command.usage << "\n      " << command.summary << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    using namespace kestrelon::cli;
    const std::vector<std::string> words(argv + 1, argv + argc);
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
