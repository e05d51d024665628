// The table of kestrelon-cli's commands, filled as the command files are loaded.
#include "cli/CommandRegistry.h"

#include <algorithm>

namespace kestrelon::cli {
namespace {

std::vector<Command>& table()
{
    static std::vector<Command> commands;
    return commands;
}

} // namespace

bool registerCommand(Command command)
{
    auto& all = table();
    all.push_back(std::move(command));
    std::stable_sort(all.begin(), all.end(), [](const Command& a, const Command& b) { return a.order < b.order; });
    return true;
}

const std::vector<Command>& commands()
{
    return table();
}

} // namespace kestrelon::cli
