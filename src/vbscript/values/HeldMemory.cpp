// The program-wide count of what script values hold, and the budget check of the script that
// runs on the calling thread.
#include "vbscript/values/HeldMemory.h"

#include "vbscript/values/Limits.h"

#include <atomic>

namespace kestrelon::vbs {
namespace {

// Values may be made on one thread and freed on another (a host that runs scripts away from
// its window): one count for all threads stays right where a count per thread would drift.
std::atomic<std::size_t> g_heldBytes{0};

} // namespace

std::size_t heldMemory()
{
    return g_heldBytes.load(std::memory_order_relaxed);
}

void holdMemory(std::size_t bytes)
{
    ActiveLimits* limits = ActiveLimits::current();
    // The work first: a script stopped by its time limit here has nothing counted yet.
    if (limits)
        limits->clock().addWork(bytes);
    const std::size_t held = g_heldBytes.fetch_add(bytes, std::memory_order_relaxed) + bytes;
    if (limits && held > limits->memoryBudget()) {
        g_heldBytes.fetch_sub(bytes, std::memory_order_relaxed);
        throw ScriptError::runtime(7);
    }
}

void releaseMemory(std::size_t bytes) noexcept
{
    g_heldBytes.fetch_sub(bytes, std::memory_order_relaxed);
}

} // namespace kestrelon::vbs
