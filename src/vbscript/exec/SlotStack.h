// The storage of procedure frames: one stack of slots for all the calls of a script host, so a
// call takes its variables' slots without asking the heap for memory (a recursive function is
// mostly calls). Frames end in the reverse order they began, so slots are given back from the
// top; chunks never move, as ByRef arguments point into their callers' slots.
#pragma once

#include "vbscript/values/Value.h"

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace kestrelon::vbs {

struct FrameSlot {
    Value own;
    Value* value = nullptr; // &own, or the caller's variable for a ByRef parameter
    bool live = false;      // an undeclared name that became this procedure's variable
};

class SlotStack {
public:
    // count fresh slots (Empty, each its own value), on top of the stack.
    std::span<FrameSlot> take(std::size_t count);
    // Gives back the slots last taken, letting go of what they hold.
    void give(std::span<FrameSlot> slots) noexcept;

private:
    struct Chunk {
        std::unique_ptr<FrameSlot[]> slots;
        std::size_t capacity = 0;
        std::size_t used = 0;
    };
    // Slots per chunk unless a frame needs more: a few hundred nested calls of typical size.
    static constexpr std::size_t ChunkSlots = 4096;

    std::vector<Chunk> m_chunks;
    std::size_t m_current = 0; // the chunk being filled
};

} // namespace kestrelon::vbs
