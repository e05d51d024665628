// The replay runs on its own thread; its lines come back to the window's thread as queued
// calls, tagged with the job they belong to, so a cancelled job's late lines are dropped.
#include "ui/windows/UnitTracer.h"

#include <algorithm>
#include <exception>
#include <new>
#include <utility>

namespace kestrelon::ui {
namespace {

// Passes the replay's lines to the tracer on the window's thread and reads the job's cancel.
class JobWatcher : public sim::ReplayWatcher {
public:
    using Forward = std::function<void(std::int32_t pass, std::vector<std::string> lines)>;
    JobWatcher(std::atomic<bool>& cancel, Forward forward) : m_cancel(cancel), m_forward(std::move(forward)) {}
    void passTraced(std::int32_t pass, std::vector<std::string> lines) override { m_forward(pass, std::move(lines)); }
    bool cancelled() override { return m_cancel.load(std::memory_order_relaxed); }

private:
    std::atomic<bool>& m_cancel;
    Forward m_forward;
};

} // namespace

UnitTracer::UnitTracer(QObject* parent) : QObject(parent) {}

UnitTracer::~UnitTracer()
{
    stop();
}

void UnitTracer::setReplay(std::shared_ptr<const sim::RunReplay> replay)
{
    stop();
    m_replay = std::move(replay);
    m_traces.clear();
    m_finished.clear();
}

void UnitTracer::stop()
{
    if (!m_job)
        return;
    m_job->cancel = true;
    m_job->thread.join();
    if (const auto it = m_traces.find(m_job->unit); it != m_traces.end() && !it->second.outcome)
        m_traces.erase(it);
    m_job.reset();
    ++m_jobNumber;
}

void UnitTracer::trace(std::int32_t unit)
{
    if (!m_replay)
        return;
    if (const auto it = m_traces.find(unit); it != m_traces.end()) {
        if (it->second.outcome)
            keep(unit);
        return;
    }
    stop();
    m_traces[unit] = Trace{};
    m_job = std::make_unique<Job>();
    m_job->unit = unit;
    const std::uint64_t number = ++m_jobNumber;
    m_job->thread = std::thread([this, number, unit, replay = m_replay, &cancel = m_job->cancel] {
        JobWatcher watcher(cancel, [this, number, unit](std::int32_t pass, std::vector<std::string> lines) {
            QMetaObject::invokeMethod(
                this, [this, number, unit, pass, lines = std::move(lines)]() mutable {
                    passTraced(number, unit, pass, std::move(lines));
                },
                Qt::QueuedConnection);
        });
        // Nothing may leave the thread: an exception there would end the program.
        sim::ReplayOutcome outcome = sim::ReplayOutcome::Failed;
        std::string failure;
        try {
            outcome = sim::traceByReplay(*replay, unit, watcher);
        } catch (const std::bad_alloc&) {
        } catch (const std::exception& error) {
            failure = error.what();
        }
        QMetaObject::invokeMethod(
            this, [this, number, unit, outcome, failure] { finished(number, unit, outcome, failure); },
            Qt::QueuedConnection);
    });
}

const UnitTracer::Trace* UnitTracer::traceOf(std::int32_t unit) const
{
    const auto it = m_traces.find(unit);
    return it == m_traces.end() ? nullptr : &it->second;
}

void UnitTracer::passTraced(std::uint64_t job, std::int32_t unit, std::int32_t pass, std::vector<std::string> lines)
{
    const auto it = m_traces.find(unit);
    if (job != m_jobNumber || it == m_traces.end() || pass < 1)
        return;
    std::vector<std::vector<std::string>>& passes = it->second.passes;
    if (passes.size() < static_cast<std::size_t>(pass))
        passes.resize(static_cast<std::size_t>(pass));
    passes[static_cast<std::size_t>(pass) - 1] = std::move(lines);
    emit traceChanged(unit);
}

void UnitTracer::finished(std::uint64_t job, std::int32_t unit, sim::ReplayOutcome outcome, const std::string& failure)
{
    if (job != m_jobNumber || !m_job)
        return;
    m_job->thread.join();
    m_job.reset();
    m_traces[unit].outcome = outcome;
    m_traces[unit].failure = failure;
    keep(unit);
    emit traceChanged(unit);
}

// The finished trace joins the kept ones; the one longest unseen goes past KeptTraces.
void UnitTracer::keep(std::int32_t unit)
{
    m_finished.erase(std::remove(m_finished.begin(), m_finished.end(), unit), m_finished.end());
    m_finished.push_back(unit);
    while (m_finished.size() > KeptTraces) {
        m_traces.erase(m_finished.front());
        m_finished.pop_front();
    }
}

} // namespace kestrelon::ui
