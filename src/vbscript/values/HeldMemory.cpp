// The program-wide count of what script values hold, and the budget check of the script that
// runs on the calling thread.
#include "vbscript/values/HeldMemory.h"

#include "vbscript/values/Limits.h"

#include <atomic>
#include <cstddef>

namespace kestrelon::vbs {
namespace {

// Values may be made on one thread and freed on another (a host that runs scripts away from
// its window): one count for all threads stays right where a count per thread would drift.
std::atomic<std::ptrdiff_t> g_heldBytes{0};

// Each thread gathers its changes and passes them to the shared count in batches: a locked
// add for every text would wait for every write before it, and a battle frees millions of
// texts while it writes its scene. What a thread has not passed on yet is at most this much,
// and counts for its own checks at once.
constexpr std::ptrdiff_t BatchBytes = std::ptrdiff_t{1} << 16;

struct PendingCount {
    std::ptrdiff_t bytes = 0;

    ~PendingCount() { passOn(); }
    void passOn() noexcept
    {
        g_heldBytes.fetch_add(bytes, std::memory_order_relaxed);
        bytes = 0;
    }
};

thread_local PendingCount t_pending;

} // namespace

std::size_t heldMemory()
{
    // A thread that freed what another made (and has not passed on yet) may see less than 0.
    const std::ptrdiff_t held = g_heldBytes.load(std::memory_order_relaxed) + t_pending.bytes;
    return held > 0 ? static_cast<std::size_t>(held) : 0;
}

void holdMemory(std::size_t bytes)
{
    ActiveLimits* limits = ActiveLimits::current();
    // The work first: a script stopped by its time limit here has nothing counted yet.
    if (limits)
        limits->clock().addWork(bytes);
    const auto added = static_cast<std::ptrdiff_t>(bytes);
    if (limits && heldMemory() + bytes > limits->memoryBudget())
        throw ScriptError::runtime(ErrorCode::OutOfMemory);
    t_pending.bytes += added;
    if (t_pending.bytes > BatchBytes)
        t_pending.passOn();
}

void releaseMemory(std::size_t bytes) noexcept
{
    t_pending.bytes -= static_cast<std::ptrdiff_t>(bytes);
    if (t_pending.bytes < -BatchBytes)
        t_pending.passOn();
}

} // namespace kestrelon::vbs
