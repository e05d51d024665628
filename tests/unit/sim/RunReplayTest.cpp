// Running a completed battle again with one unit traced: the replay gives the lines the
// unit's turns gave in the battle itself, even when its scripts drew on the clock; it says so
// when the battle goes otherwise; and a cancel stops it, even inside a script that never ends.
#include "sim/RunReplay.h"

#include "model/ProjectFile.h"
#include "sim/BattleRun.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace kestrelon::sim {
namespace {

class CollectingWatcher : public ReplayWatcher {
public:
    std::vector<std::string> lines;
    std::vector<std::int32_t> passes;

    void passTraced(std::int32_t pass, std::vector<std::string> passLines) override
    {
        passes.push_back(pass);
        for (const std::string& line : passLines) {
            EXPECT_EQ(line.rfind("pass " + std::to_string(pass) + ": ", 0), 0u) << line;
            lines.push_back(line);
        }
        ++m_passesTraced;
    }
    bool cancelled() override { return m_cancelled; }
    void cancel() { m_cancelled = true; }
    int passesTraced() const { return m_passesTraced; }

private:
    std::atomic<bool> m_cancelled{false};
    std::atomic<int> m_passesTraced{0};
};

// A run as the window makes it, with the program's kind of generator (which reads the clock),
// tracing unit in the run itself; its lines and its replay.
struct RecordedRun {
    RunOutcome outcome;
    std::vector<std::string> lines;
    std::optional<RunReplay> replay;
};

RecordedRun runAsTheWindowDoes(const Project& project, const std::string& frames, std::int32_t unit,
                               testing::ScriptedDialogs& dialogs)
{
    RecordedRun recorded;
    FileDialogState projectDialog;
    RunOptions options;
    options.saveProject = false;
    options.writeScene = false;
    options.record = true;
    options.traceUnit = unit;
    options.traceLine = [&recorded](const std::string& line) { recorded.lines.push_back(line); };
    RandomGenerator random(0x123456);
    BattleRun run(project, dialogs, projectDialog, frames, options);
    run.useRandomGenerator(random);
    recorded.outcome = run.run();
    recorded.replay = run.takeReplay();
    return recorded;
}

Project projectFile(const std::string& name)
{
    return LoadProject(std::string(KESTRELON_SOURCE_DIR) + "/" + name);
}

struct ReplayCase {
    const char* project;
    const char* frames;
    std::int32_t unit;
};

class ReplayOfARun : public ::testing::TestWithParam<ReplayCase> {};

TEST_P(ReplayOfARun, TracesTheUnitAsTheRunItselfDid)
{
    const ReplayCase& c = GetParam();
    testing::ScriptedDialogs dialogs;
    const RecordedRun recorded = runAsTheWindowDoes(projectFile(c.project), c.frames, c.unit, dialogs);
    ASSERT_EQ(recorded.outcome, RunOutcome::Completed);
    ASSERT_TRUE(recorded.replay);
    ASSERT_FALSE(recorded.lines.empty());

    CollectingWatcher watcher;
    EXPECT_EQ(traceByReplay(*recorded.replay, c.unit, watcher), ReplayOutcome::Traced);
    EXPECT_EQ(watcher.lines, recorded.lines);
    ASSERT_EQ(static_cast<std::int32_t>(watcher.passes.size()), recorded.replay->passes);
    EXPECT_EQ(watcher.passes.front(), 1);
    EXPECT_EQ(watcher.passes.back(), recorded.replay->passes);
}

INSTANTIATE_TEST_SUITE_P(Battles, ReplayOfARun,
                         ::testing::Values(ReplayCase{"examples/battle.kst", "30", 1},
                                           ReplayCase{"examples/battle.kst", "30", 25},
                                           // its scripts pick a pose by OneToTen, which stirs the clock in
                                           ReplayCase{"tests/data/sim-seed.kst", "25", 1},
                                           ReplayCase{"tests/data/sim-seed.kst", "25", 4}));

TEST(RunReplay, IsKeptOnlyForARecordedRunThatCompleted)
{
    testing::ScriptedDialogs dialogs;
    const Project project = projectFile("tests/data/sim-seed.kst");
    const RecordedRun recorded = runAsTheWindowDoes(project, "6", 1, dialogs);
    ASSERT_TRUE(recorded.replay);
    EXPECT_FALSE(recorded.replay->clockStirs.empty()) << "OneToTen stirs the clock in";
    EXPECT_EQ(recorded.replay->frameText, "6");
    EXPECT_EQ(recorded.replay->project.UnitTypes[1].Code, project.UnitTypes[1].Code);

    Project failing = project;
    failing.UnitTypes[1].Code = "Sub Main\r\n  x = 1 / 0\r\nEnd Sub";
    dialogs.shown.clear();
    EXPECT_EQ(runAsTheWindowDoes(failing, "6", 1, dialogs).outcome, RunOutcome::Terminated);
    EXPECT_FALSE(runAsTheWindowDoes(failing, "6", 1, dialogs).replay);
}

// A battle that goes otherwise the second time is not passed off as the one the user saw.
TEST(RunReplay, SaysWhenTheBattleWentOtherwise)
{
    const Project project = projectFile("tests/data/sim-seed.kst");
    testing::ScriptedDialogs dialogs;
    RecordedRun recorded = runAsTheWindowDoes(project, "6", 1, dialogs);
    ASSERT_TRUE(recorded.replay);

    RunReplay fewerStirs = *recorded.replay;
    fewerStirs.clockStirs.pop_back();
    RunReplay moreStirs = *recorded.replay;
    moreStirs.clockStirs.push_back(1);
    RunReplay otherText = *recorded.replay;
    ++otherText.outputSize;
    for (const RunReplay* replay : {&fewerStirs, &moreStirs, &otherText}) {
        CollectingWatcher watcher;
        EXPECT_EQ(traceByReplay(*replay, 1, watcher), ReplayOutcome::Differed);
    }

    // Whoever watched the run answered its input box; nobody answers the replay's.
    Project asking = project;
    asking.UnitTypes[1].Code = "Sub Main\r\n  ThisGuy.whatFrame = ThisGuy.whatFrame + CInt(InputBox(\"step\"))\r\nEnd Sub";
    asking.UnitTypes[1].Proportion = 1;
    asking.UnitTypes[2].Proportion = 0;
    testing::ScriptedDialogs answering;
    for (int i = 0; i < 8; ++i)
        answering.inputs.push_back("1");
    recorded = runAsTheWindowDoes(asking, "6", 1, answering);
    ASSERT_EQ(recorded.outcome, RunOutcome::Completed);
    CollectingWatcher watcher;
    EXPECT_EQ(traceByReplay(*recorded.replay, 1, watcher), ReplayOutcome::Differed);
}

// A script that never ends in the replay (it did in the run, where somebody waited) is
// stopped by a cancel at once, not at its time limit of an hour.
TEST(RunReplay, ACancelStopsAScriptThatComputesOn)
{
    testing::ScriptedDialogs dialogs;
    RecordedRun recorded = runAsTheWindowDoes(projectFile("tests/data/sim-seed.kst"), "6", 1, dialogs);
    ASSERT_TRUE(recorded.replay);
    RunReplay& replay = *recorded.replay;
    replay.scriptTimeLimit = std::chrono::hours(1);
    replay.project.UnitTypes[1].Code =
        "Sub Main\r\n  If ThisGuy.whatFrame = 1 Then\r\n    Do\r\n    Loop\r\n  End If\r\n"
        "  ThisGuy.whatFrame = ThisGuy.whatFrame + 1\r\nEnd Sub";
    CollectingWatcher watcher;
    // The cancel comes from another thread, as the window's does, while pass 2 loops.
    std::thread canceller([&watcher] {
        while (watcher.passesTraced() == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        watcher.cancel();
    });
    EXPECT_EQ(traceByReplay(replay, 1, watcher), ReplayOutcome::Cancelled);
    canceller.join();
    EXPECT_EQ(watcher.passes, std::vector<std::int32_t>{1});
}

} // namespace
} // namespace kestrelon::sim
