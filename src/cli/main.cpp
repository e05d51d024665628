// kestrelon-cli: the engine without windows, for batch work and for tests. Whatever a command
// meets, the program ends with a message and a status: a signal removes the temporary files
// being written, and an error no command handles is reported in one line instead of an abort.
#include "cli/CommandRegistry.h"

#include "platform/InterruptCleanup.h"

#include <exception>
#include <iostream>
#include <new>
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
    const std::vector<std::string> words(argv + 1, argv + argc);
    // The last resort: each command reports what it expects; this catches what it could not.
    try {
        return runCommand(words);
    } catch (const std::bad_alloc&) {
        std::cerr << "kestrelon-cli: not enough memory to finish the " << words[0] << " command\n";
    } catch (const std::exception& error) {
        std::cerr << "kestrelon-cli: the " << words[0] << " command stopped: " << error.what() << '\n';
    }
    return ExitFailed;
}
