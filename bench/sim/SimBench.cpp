// The run's inner costs: the nearest-contact search every AI script makes, the contact refresh
// before each turn, whole in-process battles of the example scripts, and what the Preview's
// Trace pane waits for: the watched battle run again with one unit traced.
#include "platform/SilentDialogs.h"
#include "sim/BattleRun.h"
#include "sim/ContactRefresh.h"
#include "sim/Game.h"
#include "sim/RunReplay.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using namespace kestrelon;
using namespace kestrelon::sim;

// Fills a table of units spread over the map, alternating teams.
void spreadUnits(AvatarTable& units, std::int32_t count)
{
    RandomGenerator random;
    for (std::int32_t i = 1; i <= count; ++i) {
        Avatar& unit = units.grow();
        unit.Team = 1 + i % 2;
        unit.Maxlife = 100;
        unit.xPos = random.next() * 800.0;
        unit.zPos = random.next() * 400.0;
    }
}

void BM_WhoClosest(benchmark::State& state)
{
    AvatarTable units;
    RandomGenerator random;
    Game game(units, nullptr, random);
    const auto count = static_cast<std::int32_t>(state.range(0));
    spreadUnits(units, count);
    game.SetNumContacts(count);
    for (std::int32_t i = 1; i <= count; ++i)
        game.refreshContact(i, units(i));
    for (auto _ : state)
        benchmark::DoNotOptimize(game.WhoClosest(400, 0, 200, 2));
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_WhoClosest)->Arg(100)->Arg(1000);

// Every unit of army 1 asks for the nearest unit of army 2, as the example scripts do each
// turn; the armies stand 200 by 400 each, range(1) apart along x (negative: they overlap).
void BM_WhoClosestArmies(benchmark::State& state)
{
    AvatarTable units;
    RandomGenerator random;
    Game game(units, nullptr, random);
    const auto count = static_cast<std::int32_t>(state.range(0));
    for (std::int32_t i = 1; i <= count; ++i) {
        Avatar& unit = units.grow();
        unit.Team = i <= count / 2 ? 1 : 2;
        unit.Maxlife = 100;
        unit.xPos = random.next() * 200.0 + (unit.Team == 1 ? 0 : 200.0 + static_cast<double>(state.range(1)));
        unit.zPos = random.next() * 400.0;
    }
    game.SetNumContacts(count);
    for (std::int32_t i = 1; i <= count; ++i)
        game.refreshContact(i, units(i));
    for (auto _ : state) {
        for (std::int32_t i = 1; i <= count / 2; ++i)
            benchmark::DoNotOptimize(game.WhoClosest(units(i).xPos, 0, units(i).zPos, 2));
    }
    state.SetItemsProcessed(state.iterations() * (count / 2));
}
BENCHMARK(BM_WhoClosestArmies)
    ->Args({10000, 400})
    ->Args({10000, 0})
    ->Args({10000, -200})
    ->Unit(benchmark::kMillisecond);

// One pass of turns in which every unit moves: the refresh writes one entry per turn.
void BM_ContactRefreshPass(benchmark::State& state)
{
    AvatarTable units;
    RandomGenerator random;
    Game game(units, nullptr, random);
    const auto count = static_cast<std::int32_t>(state.range(0));
    spreadUnits(units, count);
    game.SetNumContacts(count);
    ContactRefresh refresh(game, units);
    refresh.start();
    for (auto _ : state) {
        for (std::int32_t i = 1; i <= count; ++i) {
            refresh.beforeTurn(i);
            units(i).xPos += 1;
            refresh.afterTurn(i);
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ContactRefreshPass)->Arg(100)->Arg(1000);

std::string exampleScript(const std::string& name)
{
    std::ifstream in(std::string(KESTRELON_SOURCE_DIR "/examples/scripts/") + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

Project battleProject(double units)
{
    Project project;
    const char* scripts[] = {"melee-charger.vbs", "archer.vbs"};
    for (const std::int32_t team : {1, 2}) {
        for (const char* script : scripts) {
            UnitType& type = project.UnitTypes[project.addType(script)];
            type.Proportion = units / 4;
            type.Team = team;
            type.Maxlife = 100;
            type.Damage = 8;
            type.MaxSpeed = 3;
            type.Range = script == scripts[0] ? 5 : 60;
            type.Code = exampleScript(script);
            type.DeployLeft = team == 1 ? 0 : 600;
            type.DeployWidth = 200;
            type.DeployHeight = 400;
        }
    }
    return project;
}

// A whole battle in process: script turns, contact refresh, key texts and the scene file.
void BM_Battle(benchmark::State& state)
{
    const Project project = battleProject(static_cast<double>(state.range(0)));
    const std::string scene = (std::filesystem::temp_directory_path() / "kestrelon-bench.an8").string();
    SilentDialogs dialogs;
    for (auto _ : state) {
        FileDialogState projectDialog;
        RunOptions options;
        options.saveProject = false;
        options.scenePath = scene;
        options.attackMessages = false;
        RandomGenerator random;
        BattleRun run(project, dialogs, projectDialog, std::to_string(state.range(1)), options);
        run.useRandomGenerator(random);
        if (run.run() != RunOutcome::Completed)
            state.SkipWithError("the battle did not complete");
    }
    std::filesystem::remove(scene);
    state.SetItemsProcessed(state.iterations() * state.range(0) * (state.range(1) + 1));
}
BENCHMARK(BM_Battle)->Args({100, 30})->Args({1000, 10})->Unit(benchmark::kMillisecond);

// The battle as the window runs it for its preview: recorded, its clock stirs noted, no scene.
std::optional<RunReplay> watchedRun(const Project& project, std::int64_t frames)
{
    SilentDialogs dialogs;
    FileDialogState projectDialog;
    RunOptions options;
    options.saveProject = false;
    options.writeScene = false;
    options.attackMessages = false;
    options.record = true;
    RandomGenerator random;
    BattleRun run(project, dialogs, projectDialog, std::to_string(frames), options);
    run.useRandomGenerator(random);
    if (run.run() != RunOutcome::Completed)
        return std::nullopt;
    return run.takeReplay();
}

void BM_WatchedRun(benchmark::State& state)
{
    const Project project = battleProject(static_cast<double>(state.range(0)));
    for (auto _ : state) {
        if (!watchedRun(project, state.range(1)))
            state.SkipWithError("the battle did not complete");
    }
}
BENCHMARK(BM_WatchedRun)->Args({1000, 60})->Unit(benchmark::kMillisecond);

class DiscardingWatcher : public ReplayWatcher {
public:
    void passTraced(std::int32_t, std::vector<std::string> lines) override { benchmark::DoNotOptimize(lines.data()); }
    bool cancelled() override { return false; }
};

// The same battle run again with its first unit traced: what the pane waits for before its
// last frame's lines show.
void BM_TraceByReplay(benchmark::State& state)
{
    const std::optional<RunReplay> replay =
        watchedRun(battleProject(static_cast<double>(state.range(0))), state.range(1));
    for (auto _ : state) {
        DiscardingWatcher watcher;
        if (!replay || traceByReplay(*replay, 1, watcher) != ReplayOutcome::Traced)
            state.SkipWithError("the battle did not replay");
    }
}
BENCHMARK(BM_TraceByReplay)->Args({1000, 60})->Unit(benchmark::kMillisecond);

} // namespace
