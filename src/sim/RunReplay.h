// A completed battle run again exactly as it went, with one unit traced. The window's runs
// draw on the clock (OneToTen), so they cannot be seeded like the command line's; instead a
// run made for the preview notes its generator's start and every clock stir, and the replay
// hands the same draws back in the same order. The preview's Trace pane shows a unit's turns
// this way in the very battle the user watches, without keeping every unit's lines.
#pragma once

#include "model/Project.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrelon::sim {

// What it takes to run a completed battle again.
struct RunReplay {
    Project project;       // as the run read it
    std::string frameText; // the frame count's text the run was given
    std::chrono::milliseconds scriptTimeLimit{0};
    std::uint32_t randomStart = 0;          // the generator's state before the run's first draw
    std::vector<std::uint32_t> clockStirs;  // every clock stir of the run, in order
    std::int32_t passes = 0;                // what the run made...
    std::size_t outputSize = 0;             // ...and the size of its units' joined texts
};

enum class ReplayOutcome {
    Traced,    // the battle went as before; every pass was traced
    Differed,  // it went otherwise (a script read the clock or asked the user): lines may be wrong
    Cancelled, // the watcher cancelled it
    Failed,    // memory ran out for it
};

class ReplayWatcher {
public:
    virtual ~ReplayWatcher() = default;
    // The traced unit's lines of pass (empty when it called nothing), once all units had
    // their turn of it.
    virtual void passTraced(std::int32_t pass, std::vector<std::string> lines) = 0;
    // Asked between turns and at every reading of a computing script's clock (well under a
    // millisecond apart); true stops the replay. Called on the replaying thread.
    virtual bool cancelled() = 0;
};

// Runs the battle of replay again on the calling thread with unit (1-based) traced. Nothing
// is saved, written or shown; the scripts' message boxes and input boxes answer nothing.
ReplayOutcome traceByReplay(const RunReplay& replay, std::int32_t unit, ReplayWatcher& watcher);

} // namespace kestrelon::sim
