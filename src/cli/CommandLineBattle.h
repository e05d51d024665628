// What `run` and `preview` share: the battle's options on the command line, the console in
// the place of the message boxes, and the run itself, as the Run button does it without
// windows and without saving the project.
#pragma once

#include "cli/ConsoleDialogs.h"

#include "model/Project.h"
#include "platform/RandomGenerator.h"
#include "sim/BattleRun.h"

#include <chrono>
#include <fstream>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrelon::cli {

struct BattleArguments {
    std::string project;
    std::string frames = "60"; // the frame box's text when the window opens
    bool quiet = false;
    std::optional<std::string> seed;      // --seed: a repeatable run from this start of the generator
    std::optional<std::string> timeLimit; // --time-limit: processor seconds per script call
    std::optional<std::string> trace;     // --trace: the unit whose calls are traced
    std::optional<std::string> traceFile; // --trace-file: where the trace goes (standard error)
};

// Takes args[i] when it is the project or one of the options every battle command has
// (--frames N, --quiet, --seed N, --time-limit SECONDS, --trace UNIT, --trace-file FILE),
// moving i past a value it takes; false for anything else.
bool takeBattleArgument(const std::vector<std::string>& args, std::size_t& i, BattleArguments& parsed);

// A battle loaded and run from the command line. Every message box's text goes to the error
// stream as one line, in the order the window shows them.
class CommandLineBattle {
public:
    CommandLineBattle(std::ostream& err, bool quiet);
    ~CommandLineBattle();

    // Checks the options' values and loads the project; false, with the message written,
    // when one of them is wrong (a usage error). command names the command in messages.
    bool prepare(const BattleArguments& args, const std::string& command);
    // Runs the battle with these options (the shared ones are set here).
    sim::RunOutcome run(sim::RunOptions options);
    const sim::BattleRun& battle() const { return *m_run; }

    // The one-line summary of a completed run: units by army, passes, the scene's bytes.
    void printSummary(std::ostream& out) const;

private:
    class Console;
    class Progress;

    std::ostream& m_err;
    std::unique_ptr<Console> m_dialogs;
    std::unique_ptr<Progress> m_observer;
    Project m_project;
    FileDialogState m_projectDialog;
    std::string m_frames;
    bool m_quiet = false;
    std::optional<RandomGenerator> m_seeded;
    std::optional<std::chrono::milliseconds> m_timeLimit;
    std::int32_t m_traceUnit = 0;
    std::unique_ptr<std::ofstream> m_traceFile;
    std::unique_ptr<sim::BattleRun> m_run;
};

int exitCodeFor(sim::RunOutcome outcome);

} // namespace kestrelon::cli
