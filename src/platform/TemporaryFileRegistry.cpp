// The temporary-file registry: a fixed table of paths, each slot claimed and released through
// one lock-free atomic, so a signal handler reads only slots whose path is complete.
#include "platform/TemporaryFileRegistry.h"

#include <atomic>
#include <cassert>
#include <cstring>
#include <unistd.h>

namespace kestrelon {
namespace {

enum SlotState : int { Free, Filling, Noted };

struct Slot {
    std::atomic<int> state{Free};
    char path[MaxTemporaryPath + 1];
};

static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only use lock-free atomics");

Slot slots[MaxTemporaryFiles];

} // namespace

int rememberTemporaryFile(const std::string& path)
{
    if (path.size() > MaxTemporaryPath)
        return -1;
    for (int i = 0; i < MaxTemporaryFiles; ++i) {
        int expected = Free;
        if (!slots[i].state.compare_exchange_strong(expected, Filling))
            continue;
        std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
        slots[i].state.store(Noted);
        return i;
    }
    return -1;
}

void forgetTemporaryFile(int slot)
{
    assert(slot >= 0 && slot < MaxTemporaryFiles);
    slots[slot].state.store(Free);
}

void removeTemporaryFiles()
{
    // A slot still being filled names a file not created yet; one being forgotten names a file
    // already renamed, and unlinking that name again finds nothing.
    for (Slot& slot : slots) {
        if (slot.state.load() == Noted)
            ::unlink(slot.path);
    }
}

} // namespace kestrelon
