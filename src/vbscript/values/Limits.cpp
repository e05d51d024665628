// The clock, the limits of the running script and the stack checks behind the engine's
// runaway protection.
#include "vbscript/values/Limits.h"

#include "platform/NumberFormatting.h"
#include "vbscript/values/Value.h"

#include <algorithm>
#include <pthread.h>
#include <time.h>

namespace kestrelon::vbs {
namespace {

// Room kept free below the guard: a host method or a message box that a script calls runs
// below the last checked call and needs stack of its own.
constexpr std::size_t StackReserve = std::size_t{512} * 1024;
// Used when the thread's stack bounds cannot be read.
constexpr std::size_t FallbackStackBudget = std::size_t{1} << 20;

thread_local ActiveLimits* t_activeLimits = nullptr;

std::string durationText(std::chrono::milliseconds limit)
{
    const auto count = limit.count();
    if (count % 1000 == 0)
        return formatInteger(count / 1000) + (count == 1000 ? " second" : " seconds");
    return formatInteger(count) + (count == 1 ? " millisecond" : " milliseconds");
}

} // namespace

void requireStringLength(std::size_t length)
{
    if (length > MaxStringLength)
        throw ScriptError::runtime(ErrorCode::OutOfMemory);
}

std::chrono::nanoseconds threadProcessorTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

RunClock::RunClock() : m_clock(threadProcessorTime) {}

void RunClock::setProcessorClock(ProcessorClock clock)
{
    m_clock = std::move(clock);
}

void RunClock::setHeartbeat(std::function<void()> heartbeat)
{
    m_heartbeat = std::move(heartbeat);
}

void RunClock::start(std::chrono::milliseconds limit, std::function<bool()> keepWaiting)
{
    m_limit = limit;
    m_deadline = std::chrono::nanoseconds::max();
    m_keepWaiting = std::move(keepWaiting);
    m_work = 0;
    m_expired = false;
}

void RunClock::check()
{
    m_work = 0;
    const auto limitError = [this] {
        return timeLimitError(std::chrono::duration_cast<std::chrono::milliseconds>(m_limit));
    };
    // A script being stopped may still build a value on its way out: it is not asked again.
    if (m_expired)
        throw limitError();
    if (m_heartbeat)
        m_heartbeat();
    const auto now = m_clock();
    if (m_deadline == std::chrono::nanoseconds::max()) {
        // The budget counts from the first check: the work before it is small (CheckWork), and
        // most calls end before it and never pay for reading the clock (a system call) at all.
        m_deadline = now + m_limit;
        return;
    }
    if (now < m_deadline)
        return;
    if (m_keepWaiting && m_keepWaiting()) {
        m_deadline = m_clock() + m_limit;
        return;
    }
    m_expired = true;
    throw limitError();
}

ScriptError timeLimitError(std::chrono::milliseconds limit)
{
    return ScriptError(TimeLimitErrorNumber,
                       "The script computed for more than " + durationText(limit) + " and was stopped",
                       "Kestrelon script host");
}

ActiveLimits::ActiveLimits(RunClock& clock, std::size_t memoryBudget)
    : m_clock(clock), m_memoryBudget(memoryBudget), m_previous(t_activeLimits)
{
    t_activeLimits = this;
}

ActiveLimits::~ActiveLimits()
{
    t_activeLimits = m_previous;
}

ActiveLimits* ActiveLimits::current()
{
    return t_activeLimits;
}

void addScriptWorkNow(std::size_t bytes)
{
    if (ActiveLimits* limits = t_activeLimits)
        limits->clock().addWork(bytes);
}

namespace {

// The lowest address the engine may use on the calling thread's stack. Reading a thread's
// stack bounds is slow (for the main thread the C library parses /proc/self/maps), and a run
// starts the guard twice for every unit in every frame, so each thread reads them once.
const char* stackLimitOfThisThread()
{
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
        void* lowest = nullptr;
        std::size_t size = 0;
        const bool known = pthread_attr_getstack(&attributes, &lowest, &size) == 0;
        pthread_attr_destroy(&attributes);
        if (known && size > 0)
            return static_cast<const char*>(lowest) + std::min(StackReserve, size / 2);
    }
    return nullptr;
}

} // namespace

void StackGuard::start()
{
    thread_local const char* const threadLimit = stackLimitOfThisThread();
    m_limit = threadLimit ? threadLimit
                          : static_cast<const char*>(__builtin_frame_address(0)) - FallbackStackBudget;
}

} // namespace kestrelon::vbs
