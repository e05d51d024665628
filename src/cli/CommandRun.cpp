// kestrelon-cli run: a whole battle as the Run button runs it, without windows and without
// saving the project. Every message box's text goes to standard error as one line, in the
// order the window shows them; the scene goes to the -o path; a one-line summary to output.
#include "cli/CommandLineBattle.h"
#include "cli/CommandRegistry.h"

#include <iostream>
#include <optional>

namespace kestrelon::cli {
namespace {

constexpr const char* Usage =
    "usage: kestrelon-cli run PROJECT.kst -o SCENE.an8 [--frames N] [--quiet] [--seed N] [--time-limit SECONDS] "
    "[--trace UNIT [--trace-file FILE]]";

struct RunArguments {
    BattleArguments battle;
    std::string scene;
};

std::optional<RunArguments> parseArguments(const std::vector<std::string>& args)
{
    RunArguments parsed;
    bool haveScene = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            parsed.scene = args[++i];
            haveScene = true;
        } else if (!takeBattleArgument(args, i, parsed.battle)) {
            return std::nullopt;
        }
    }
    if (parsed.battle.project.empty() || !haveScene || parsed.scene.empty())
        return std::nullopt;
    return parsed;
}

int runBattle(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto parsed = parseArguments(args);
    if (!parsed) {
        err << Usage << '\n';
        return ExitBadInput;
    }
    CommandLineBattle battle(err, parsed->battle.quiet);
    if (!battle.prepare(parsed->battle, "run"))
        return ExitBadInput;
    sim::RunOptions options;
    options.scenePath = parsed->scene;
    const sim::RunOutcome outcome = battle.run(options);
    if (outcome == sim::RunOutcome::Completed)
        battle.printSummary(out);
    return exitCodeFor(outcome);
}

} // namespace

KESTRELON_COMMAND("run",
                  "run PROJECT.kst -o SCENE.an8 [--frames N] [--quiet] [--seed N] [--time-limit SECONDS] "
                  "[--trace UNIT [--trace-file FILE]]",
                  "run a battle as the Run button does and write its scene (--quiet: no Attack messages; "
                  "--seed N: the same N writes the same scene; --time-limit: processor seconds per script "
                  "call, 10 unless given; --trace: a line per Game call and ThisGuy write of that unit's turns, "
                  "to standard error or FILE)",
                  20,
                  runBattle);

} // namespace kestrelon::cli
