// Running a completed battle again with one unit traced: the same project, frame count and
// draws, with nobody to answer the scripts and a cancel that reaches into a computing script.
#include "sim/RunReplay.h"

#include "platform/RandomGenerator.h"
#include "platform/SilentDialogs.h"
#include "sim/BattleRun.h"

#include <utility>

namespace kestrelon::sim {
namespace {

// The run being replayed completed, so whoever watched it kept waiting for every script that
// computed long: the replay keeps waiting too, until it is cancelled.
class ReplayDialogs : public SilentDialogs {
public:
    explicit ReplayDialogs(ReplayWatcher& watcher) : m_watcher(watcher) {}
    bool question(const std::string&) override { return !m_watcher.cancelled(); }

private:
    ReplayWatcher& m_watcher;
};

// Hands the traced unit's lines over pass by pass, and stops the run between turns once the
// watcher cancels.
class ReplayObserver : public RunObserver {
public:
    explicit ReplayObserver(ReplayWatcher& watcher) : m_watcher(watcher) {}
    void line(const std::string& text) { m_lines.push_back(text); }
    void passFinished(std::int32_t pass, std::int32_t) override { m_watcher.passTraced(pass, std::exchange(m_lines, {})); }
    bool cancelRequested() override { return m_watcher.cancelled(); }

private:
    ReplayWatcher& m_watcher;
    std::vector<std::string> m_lines;
};

} // namespace

ReplayOutcome traceByReplay(const RunReplay& replay, std::int32_t unit, ReplayWatcher& watcher)
{
    ReplayDialogs dialogs(watcher);
    ReplayObserver observer(watcher);
    FileDialogState projectDialog;
    RunOptions options;
    options.saveProject = false;
    options.writeScene = false;
    options.attackMessages = false;
    options.outputLimit = 0;
    options.scriptTimeLimit = replay.scriptTimeLimit;
    options.traceUnit = unit;
    options.traceLine = [&observer](const std::string& text) { observer.line(text); };
    // Once cancelled, the clock runs a whole time limit ahead at every reading, so a script
    // that computes meets its limit at the next reading and is stopped there.
    std::chrono::nanoseconds skipped{0};
    options.processorClock = [&watcher, &skipped, limit = replay.scriptTimeLimit] {
        if (watcher.cancelled())
            skipped += limit + std::chrono::milliseconds(1);
        return vbs::threadProcessorTime() + skipped;
    };

    RandomGenerator random = RandomGenerator::replaying(replay.randomStart, replay.clockStirs);
    BattleRun run(replay.project, dialogs, projectDialog, replay.frameText, options, &observer);
    run.useRandomGenerator(random);
    const RunOutcome outcome = run.run();
    if (watcher.cancelled())
        return ReplayOutcome::Cancelled;
    if (outcome == RunOutcome::OutOfMemory)
        return ReplayOutcome::Failed;
    const bool same = outcome == RunOutcome::Completed && !random.replayDiffered() &&
                      run.passesMade() == replay.passes && run.outputSize() == replay.outputSize;
    return same ? ReplayOutcome::Traced : ReplayOutcome::Differed;
}

} // namespace kestrelon::sim
