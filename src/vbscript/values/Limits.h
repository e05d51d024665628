// Runaway protection of the script engine, in one place: how long one AddCode or Run call may
// compute, how much memory script values may hold, how deep script procedures may call each
// other, and how close to the end of the thread's stack the interpreter may go. Single values
// are bounded too: a text longer than MaxStringLength (Value.h) or an array beyond
// Array::MaxElements (Array.h) raises "Out of memory" (7), as requireStringLength below does.
#pragma once

#include "vbscript/values/ScriptError.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace kestrelon::vbs {

// Nested calls of script procedures before "Out of stack space" (28).
inline constexpr int MaxCallDepth = 1000;

// The time limit a script host starts with.
inline constexpr std::chrono::milliseconds DefaultTimeLimit{10000};

// The memory a script host's scripts may hold at first (HeldMemory.h says what counts).
inline constexpr std::size_t DefaultMemoryBudget = std::size_t{1} << 30;

// The number of the error that stops a script that ran past its time limit. Scripts cannot
// catch it: On Error Resume Next would otherwise keep a runaway loop running.
inline constexpr std::int32_t TimeLimitErrorNumber = -2147467260; // "operation aborted"

// Raises "Out of memory" (7) for a text longer than a script may build.
void requireStringLength(std::size_t length);

// Where the time limit reads processor time: the calling thread's own by default.
using ProcessorClock = std::function<std::chrono::nanoseconds()>;
std::chrono::nanoseconds threadProcessorTime();

// The computing time of one call into the engine. Time spent waiting (in a message box the
// script or a host object shows) does not count: only processor time does.
// Reading the clock is a system call (over a microsecond), so the clock is read only after a
// fixed amount of work: statements, loop passes and calls count a little each, and the bytes
// a script builds, copies or compares count one each, so a pass that handles big texts is
// checked as often as many cheap passes together.
class RunClock {
public:
    // The work between two readings of the clock: a megabyte of text handled, or 4096
    // statements, passes or calls; either takes well under a millisecond, and the reading
    // costs a fraction of a percent of it.
    static constexpr std::uint64_t CheckWork = std::uint64_t{1} << 20;
    // What one statement, loop pass or procedure call counts, in bytes handled.
    static constexpr std::uint64_t TickWork = 256;
    // What one piece counts that a built-in finds or adds to a text it builds (Replace, Split,
    // Join), besides its bytes: millions of pieces are checked as they come.
    static constexpr std::uint64_t PieceWork = TickWork / 8;

    RunClock();

    void setProcessorClock(ProcessorClock clock);
    // Called at every reading of the clock (well under a millisecond of work apart), so a
    // window can keep repainting while a long script computes. It must not run scripts.
    void setHeartbeat(std::function<void()> heartbeat);

    // Starts a call's budget. keepWaiting (may be empty) is asked when the budget is spent:
    // true grants the same budget again, false stops the script.
    void start(std::chrono::milliseconds limit, std::function<bool()> keepWaiting);

    // Counts one statement, loop pass or procedure call.
    void tick() { addWork(TickWork); }
    // Counts work; reads the clock once enough was done and raises the time-limit error when
    // the budget is spent.
    void addWork(std::uint64_t work)
    {
        m_work += work;
        if (m_work >= CheckWork)
            check();
    }

    // True once the budget ran out: the script is being stopped.
    bool expired() const { return m_expired; }

private:
    void check();

    ProcessorClock m_clock;
    std::function<void()> m_heartbeat;
    std::chrono::nanoseconds m_limit{0};
    std::chrono::nanoseconds m_deadline{0};
    std::function<bool()> m_keepWaiting;
    std::uint64_t m_work = 0;
    bool m_expired = false;
};

// The error a script stopped by its time limit ends with.
ScriptError timeLimitError(std::chrono::milliseconds limit);

// The limits of the script the calling thread runs: its clock and memory budget, current from
// construction to destruction. A host object may start a call of another script host inside a
// script; the outer call's limits come back when it returns.
class ActiveLimits {
public:
    ActiveLimits(RunClock& clock, std::size_t memoryBudget);
    ~ActiveLimits();
    ActiveLimits(const ActiveLimits&) = delete;
    ActiveLimits& operator=(const ActiveLimits&) = delete;

    // nullptr when no script runs on this thread (the host itself is making values).
    static ActiveLimits* current();

    RunClock& clock() { return m_clock; }
    std::size_t memoryBudget() const { return m_memoryBudget; }

private:
    RunClock& m_clock;
    std::size_t m_memoryBudget;
    ActiveLimits* m_previous;
};

// Counts bytes a script reads through (a text compared or converted) towards its time limit.
// Amounts below a statement's own count are left to the statement.
void addScriptWorkNow(std::size_t bytes);
inline void addScriptWork(std::size_t bytes)
{
    if (bytes >= RunClock::TickWork)
        addScriptWorkNow(bytes);
}

// Keeps the interpreter away from the end of the thread's stack: past the guard's limit a call
// raises "Out of stack space" (28) instead of overflowing.
class StackGuard {
public:
    // Takes the bounds of the calling thread's stack.
    void start();
    bool exhausted() const
    {
        return static_cast<const char*>(__builtin_frame_address(0)) < m_limit;
    }

private:
    const char* m_limit = nullptr;
};

} // namespace kestrelon::vbs
