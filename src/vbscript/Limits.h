// Runaway protection of the script engine, in one place: how long one AddCode or Run call may
// compute, how deep script procedures may call each other, and how close to the end of the
// thread's stack the interpreter may go. Script values are bounded where they are built: a
// text longer than MaxStringLength (Value.h) or an array beyond Array::MaxElements (Array.h)
// raises "Out of memory" (7), and requireStringLength below applies the same rule.
#pragma once

#include "vbscript/ScriptError.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace kestrelon::vbs {

// Nested calls of script procedures before "Out of stack space" (28).
inline constexpr int MaxCallDepth = 1000;

// The time limit a script host starts with.
inline constexpr std::chrono::milliseconds DefaultTimeLimit{10000};

// The number of the error that stops a script that ran past its time limit. Scripts cannot
// catch it: On Error Resume Next would otherwise keep a runaway loop running.
inline constexpr std::int32_t TimeLimitErrorNumber = -2147467260; // "operation aborted"

// Raises "Out of memory" (7) for a text longer than a script may build.
void requireStringLength(std::size_t length);

// The computing time of one call into the engine. Time spent waiting (in a message box the
// script or a host object shows) does not count: only the thread's processor time does.
class RunClock {
public:
    // Starts a call's budget. keepWaiting (may be empty) is asked when the budget is spent:
    // true grants the same budget again, false stops the script.
    void start(std::chrono::milliseconds limit, std::function<bool()> keepWaiting);

    // Counts one loop pass or procedure call; looks at the clock every CheckInterval ticks,
    // so the check costs next to nothing. Raises the time-limit error when the budget is spent.
    void tick()
    {
        if (++m_ticks >= CheckInterval)
            check();
    }

    // True once the budget ran out: the script is being stopped.
    bool expired() const { return m_expired; }

    static constexpr int CheckInterval = 256;

private:
    void check();

    std::chrono::nanoseconds m_limit{0};
    std::chrono::nanoseconds m_deadline{0};
    std::function<bool()> m_keepWaiting;
    int m_ticks = 0;
    bool m_expired = false;
};

// The error a script stopped by its time limit ends with.
ScriptError timeLimitError(std::chrono::milliseconds limit);

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
