// A battle from the command line: its options checked with messages that name them, the
// project loaded, the run made with the console in the place of the message boxes.
#include "cli/CommandLineBattle.h"

#include "cli/CommandRegistry.h"
#include "cli/TimeLimitOption.h"

#include "model/ProjectFile.h"
#include "platform/FileError.h"
#include "platform/PrintableText.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <unistd.h>

namespace kestrelon::cli {
namespace {

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

// A unit number in plain digits, 1 or more; 0 for anything else.
std::int32_t unitNumberOf(const std::string& text)
{
    std::int32_t unit = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, unit);
    if (text.empty() || text[0] < '0' || text[0] > '9' || error != std::errc() || stop != end || unit < 1)
        return 0;
    return unit;
}

} // namespace

// The console stands in for the message boxes: each text on one line of standard error, a
// script's InputBox reads standard input. Nothing else is asked: the scene path is given and
// a script past its time limit is stopped.
class CommandLineBattle::Console : public ConsoleDialogs {
public:
    explicit Console(std::ostream& err) : ConsoleDialogs(err, std::cin) {}

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
class CommandLineBattle::Progress : public sim::RunObserver {
public:
    Progress(std::ostream& err, bool show) : m_err(err), m_show(show) {}
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

bool takeBattleArgument(const std::vector<std::string>& args, std::size_t& i, BattleArguments& parsed)
{
    const std::string& word = args[i];
    const bool hasValue = i + 1 < args.size();
    if (word == "--quiet") {
        parsed.quiet = true;
    } else if (word == "--seed" && hasValue) {
        parsed.seed = args[++i];
    } else if (word == "--time-limit" && hasValue) {
        parsed.timeLimit = args[++i];
    } else if (word == "--frames" && hasValue) {
        parsed.frames = args[++i];
    } else if (word == "--trace" && hasValue) {
        parsed.trace = args[++i];
    } else if (word == "--trace-file" && hasValue) {
        parsed.traceFile = args[++i];
    } else if (!word.empty() && word[0] != '-' && parsed.project.empty()) {
        parsed.project = word;
    } else {
        return false;
    }
    return true;
}

CommandLineBattle::CommandLineBattle(std::ostream& err, bool quiet)
    : m_err(err), m_dialogs(std::make_unique<Console>(err)),
      m_observer(std::make_unique<Progress>(err, !quiet && ::isatty(STDERR_FILENO))), m_quiet(quiet)
{
}

CommandLineBattle::~CommandLineBattle() = default;

bool CommandLineBattle::prepare(const BattleArguments& args, const std::string& command)
{
    if (args.seed && !(m_seeded = seededGenerator(*args.seed, m_err)))
        return false;
    if (args.timeLimit && !(m_timeLimit = timeLimitOf(*args.timeLimit))) {
        m_err << badTimeLimit(command, *args.timeLimit) << '\n';
        return false;
    }
    if (!isFrameCount(args.frames)) {
        m_err << "kestrelon-cli: --frames takes a whole number from 0 to " << sim::MaxFrames
              << " in plain digits, not \"" << args.frames << "\"\n";
        return false;
    }
    if (args.trace && !(m_traceUnit = unitNumberOf(*args.trace))) {
        m_err << "kestrelon-cli: --trace takes a unit number from 1 in plain digits, not \"" << *args.trace << "\"\n";
        return false;
    }
    if (args.traceFile && !args.trace) {
        m_err << "kestrelon-cli: --trace-file needs --trace UNIT\n";
        return false;
    }
    try {
        m_project = LoadProject(args.project);
    } catch (const FileError& error) {
        m_err << "kestrelon-cli: " << error.what() << '\n';
        return false;
    }
    m_projectDialog = FileDialogState{"", "", args.project, ""};
    m_frames = args.frames;
    if (args.traceFile) {
        m_traceFile = std::make_unique<std::ofstream>(*args.traceFile, std::ios::binary | std::ios::trunc);
        if (!*m_traceFile) {
            m_err << "kestrelon-cli: " << FileError(*args.traceFile, 0, "cannot be written").what() << '\n';
            return false;
        }
    }
    return true;
}

sim::RunOutcome CommandLineBattle::run(sim::RunOptions options)
{
    options.saveProject = false;
    options.attackMessages = !m_quiet;
    options.askToKeepWaiting = false;
    if (m_timeLimit)
        options.scriptTimeLimit = *m_timeLimit;
    options.outputLimit = 0; // the console shows no output text; the scene file holds it
    options.traceUnit = m_traceUnit;
    std::ostream& trace = m_traceFile ? static_cast<std::ostream&>(*m_traceFile) : m_err;
    options.traceLine = [&trace](const std::string& line) { trace << printableText(line) << '\n'; };
    m_run = std::make_unique<sim::BattleRun>(m_project, *m_dialogs, m_projectDialog, m_frames, options, m_observer.get());
    if (m_seeded)
        m_run->useRandomGenerator(*m_seeded);
    const sim::RunOutcome outcome = m_run->run();
    const std::int32_t units = m_run->Avatars().NumAvatars();
    if (m_traceUnit > units && outcome != sim::RunOutcome::NotStarted)
        m_err << "kestrelon-cli: --trace " << m_traceUnit << ": the battle has " << units
              << (units == 1 ? " unit" : " units") << ", so nothing was traced\n";
    if (m_traceFile)
        m_traceFile->flush();
    return outcome;
}

void CommandLineBattle::printSummary(std::ostream& out) const
{
    const sim::BattleRun& run = *m_run;
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

} // namespace kestrelon::cli
