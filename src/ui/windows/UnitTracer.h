// The Preview window's tracer: it runs the watched battle again on a thread of its own with
// one unit traced and hands the unit's lines over pass by pass as the replay gets there, so
// the window stays live meanwhile. A few finished traces are kept, so going back to a unit
// shows its lines at once; a new battle or another unit cancels the replay under way.
#pragma once

#include "sim/RunReplay.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace kestrelon::ui {

class UnitTracer : public QObject {
    Q_OBJECT

public:
    // What is known of one unit's trace.
    struct Trace {
        std::vector<std::vector<std::string>> passes; // entry p - 1: the lines of pass p
        std::optional<sim::ReplayOutcome> outcome;    // set once the replay ended
        std::string failure; // why a Failed replay failed, when not for want of memory
    };

    // How many finished traces are kept besides the one under way.
    static constexpr std::size_t KeptTraces = 8;

    explicit UnitTracer(QObject* parent = nullptr);
    ~UnitTracer() override;

    // The battle to trace units of (nullptr: none); what was traced of the last one goes.
    void setReplay(std::shared_ptr<const sim::RunReplay> replay);
    bool hasReplay() const { return m_replay != nullptr; }
    // The passes the battle made.
    std::int32_t passes() const { return m_replay ? m_replay->passes : 0; }

    // Starts tracing unit (1-based), cancelling any other unit's replay, unless its trace is
    // kept or under way.
    void trace(std::int32_t unit);
    // Cancels the replay under way; what it traced so far goes.
    void stop();
    // The unit's trace as far as it got, or nullptr when it is neither kept nor under way.
    const Trace* traceOf(std::int32_t unit) const;

signals:
    // More of unit's trace arrived, or its replay ended.
    void traceChanged(std::int32_t unit);

private:
    struct Job {
        std::int32_t unit = 0;
        std::atomic<bool> cancel{false};
        std::thread thread;
    };
    void passTraced(std::uint64_t job, std::int32_t unit, std::int32_t pass, std::vector<std::string> lines);
    void finished(std::uint64_t job, std::int32_t unit, sim::ReplayOutcome outcome, const std::string& failure);
    void keep(std::int32_t unit);

    std::shared_ptr<const sim::RunReplay> m_replay;
    std::map<std::int32_t, Trace> m_traces;
    std::deque<std::int32_t> m_finished; // the kept traces' units, the most recent last
    std::unique_ptr<Job> m_job;
    std::uint64_t m_jobNumber = 0; // which job's lines are awaited; earlier ones' are dropped
};

} // namespace kestrelon::ui
