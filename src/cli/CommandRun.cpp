// kestrelon-cli run: a whole battle as the Run button runs it, without windows and without
// saving the project. Every message box's text goes to standard error as one line, in the
// order the window shows them; the scene goes to the -o path; a one-line summary to output.
#include "cli/CommandRegistry.h"
#include "cli/ConsoleDialogs.h"
#include "cli/TimeLimitOption.h"

#include "model/ProjectFile.h"
#include "platform/FileError.h"
#include "platform/PrintableText.h"
#include "platform/RandomGenerator.h"
#include "sim/BattleRun.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace kestrelon::cli {
namespace {

constexpr const char* Usage =
    "usage: kestrelon-cli run PROJECT.kst -o SCENE.an8 [--frames N] [--quiet] [--seed N] [--time-limit SECONDS]";

// The console stands in for the message boxes: each text on one line of standard error, a
// script's InputBox reads standard input. Nothing else is asked: the scene path is given and
// a script past its time limit is stopped.
class OneLineDialogs : public ConsoleDialogs {
public:
    explicit OneLineDialogs(std::ostream& err) : ConsoleDialogs(err, std::cin) {}

    void message(const std::string& text) override
    {
        std::string line = text;
        for (char& c : line) {
            if (c == '\r' || c == '\n')
                c = ' ';
        }
        ConsoleDialogs::message(line);
    }
};

// The passes counted on a terminal, overwritten in place (nothing when the output is a file),
// and after the message of a failed turn one line naming the unit, its type and the place.
class ConsoleObserver : public sim::RunObserver {
public:
    ConsoleObserver(std::ostream& err, bool show) : m_err(err), m_show(show) {}
    void passFinished(std::int32_t pass, std::int32_t passes) override
    {
        if (!m_show)
            return;
        m_err << "\rpass " << pass << " of " << passes << (pass == passes ? "\r\x1b[K" : "") << std::flush;
    }
    void unitFailed(const sim::UnitFailure& failure) override
    {
        m_err << "kestrelon-cli: unit " << failure.unit << " (type \"" << printableText(failure.typeName) << "\") failed ";
        if (failure.line > 0)
            m_err << "at line " << failure.line << ", column " << failure.column << '\n';
        else
            m_err << "outside the lines of its script\n";
    }

private:
    std::ostream& m_err;
    bool m_show;
};

struct RunArguments {
    std::string project;
    std::string scene;
    std::string frames = "60"; // the frame box's text when the window opens
    bool quiet = false;
    std::optional<std::string> seed; // --seed: a repeatable run from this start of the generator
    std::optional<std::string> timeLimit; // --time-limit: processor seconds per script call
};

std::optional<RunArguments> parseArguments(const std::vector<std::string>& args)
{
    RunArguments parsed;
    bool haveScene = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--quiet") {
            parsed.quiet = true;
        } else if (word == "--seed" && i + 1 < args.size()) {
            parsed.seed = args[++i];
        } else if (word == "--time-limit" && i + 1 < args.size()) {
            parsed.timeLimit = args[++i];
        } else if ((word == "-o" || word == "--frames") && i + 1 < args.size()) {
            (word == "-o" ? parsed.scene : parsed.frames) = args[++i];
            haveScene = haveScene || word == "-o";
        } else if (!word.empty() && word[0] != '-' && parsed.project.empty()) {
            parsed.project = word;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.project.empty() || !haveScene || parsed.scene.empty())
        return std::nullopt;
    return parsed;
}

// The generator of a run with --seed: started from the seed, with the clock kept out of
// OneToTen, so the same seed writes the same scene. nullopt, with a message, when the text is
// not a whole number the generator's state can hold.
std::optional<RandomGenerator> seededGenerator(const std::string& text, std::ostream& err)
{
    std::uint32_t seed = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seed);
    if (text.empty() || error != std::errc() || stop != end || seed > RandomGenerator::MaxSeed) {
        err << "kestrelon-cli: --seed takes a whole number from 0 to " << RandomGenerator::MaxSeed << ", not \""
            << text << "\"\n";
        return std::nullopt;
    }
    return RandomGenerator::repeatable(seed);
}

// The command line takes the frame count in plain digits only: a typing slip must not run a
// different battle than the one asked for, as the frame box's lenient reading would.
bool isFrameCount(const std::string& text)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    std::int64_t frames = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), frames);
    return error == std::errc() && end == text.data() + text.size() && frames <= sim::MaxFrames;
}

void printSummary(const sim::BattleRun& run, std::ostream& out)
{
    std::int32_t armies[3] = {0, 0, 0}; // army 1, army 2, no army
    for (std::int32_t i = 1; i <= run.Avatars().NumAvatars(); ++i) {
        const std::int32_t team = run.Avatars().find(i)->Team;
        ++armies[team == 1 || team == 2 ? team - 1 : 2];
    }
    const std::int32_t units = run.Avatars().NumAvatars();
    out << run.scenePath() << ": " << units << (units == 1 ? " unit" : " units") << " (army 1: " << armies[0]
        << ", army 2: " << armies[1];
    if (armies[2] > 0)
        out << ", no army: " << armies[2];
    out << "), " << run.passesMade() << (run.passesMade() == 1 ? " pass, " : " passes, ") << run.sceneSize()
        << " bytes\n";
}

int exitCodeFor(sim::RunOutcome outcome)
{
    switch (outcome) {
    case sim::RunOutcome::Completed: return ExitOk;
    case sim::RunOutcome::NotStarted: return ExitBadInput;
    default: return ExitFailed;
    }
}

int runBattle(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto parsed = parseArguments(args);
    if (!parsed) {
        err << Usage << '\n';
        return ExitBadInput;
    }
    std::optional<RandomGenerator> seeded;
    if (parsed->seed && !(seeded = seededGenerator(*parsed->seed, err)))
        return ExitBadInput;
    std::optional<std::chrono::milliseconds> timeLimit;
    if (parsed->timeLimit && !(timeLimit = timeLimitOf(*parsed->timeLimit))) {
        err << badTimeLimit("run", *parsed->timeLimit) << '\n';
        return ExitBadInput;
    }
    if (!isFrameCount(parsed->frames)) {
        err << "kestrelon-cli: --frames takes a whole number from 0 to " << sim::MaxFrames << " in plain digits, not \""
            << parsed->frames << "\"\n";
        return ExitBadInput;
    }
    Project project;
    try {
        project = LoadProject(parsed->project);
    } catch (const FileError& error) {
        err << "kestrelon-cli: " << error.what() << '\n';
        return ExitBadInput;
    }
    OneLineDialogs dialogs(err);
    ConsoleObserver observer(err, !parsed->quiet && ::isatty(STDERR_FILENO));
    FileDialogState projectDialog{"", "", parsed->project, ""};
    sim::RunOptions options;
    options.saveProject = false;
    options.scenePath = parsed->scene;
    options.attackMessages = !parsed->quiet;
    options.askToKeepWaiting = false;
    if (timeLimit)
        options.scriptTimeLimit = *timeLimit;
    options.outputLimit = 0; // the console shows no output text; the scene file holds it
    sim::BattleRun run(project, dialogs, projectDialog, parsed->frames, options, &observer);
    if (seeded)
        run.useRandomGenerator(*seeded);
    const sim::RunOutcome outcome = run.run();
    if (outcome == sim::RunOutcome::Completed)
        printSummary(run, out);
    return exitCodeFor(outcome);
}

} // namespace

KESTRELON_COMMAND("run", "run PROJECT.kst -o SCENE.an8 [--frames N] [--quiet] [--seed N] [--time-limit SECONDS]",
                  "run a battle as the Run button does and write its scene (--quiet: no Attack messages; "
                  "--seed N: the same N writes the same scene; --time-limit: processor seconds per script "
                  "call, 10 unless given)",
                  20,
                  runBattle);

} // namespace kestrelon::cli
