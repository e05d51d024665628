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
    // count fresh slots (Empty, each its own value), on top of the stack. Inline, as a call
    // takes its slots from the chunk in use nearly always.
    std::span<FrameSlot> take(std::size_t count)
    {
        if (m_current < m_chunks.size() && m_chunks[m_current].capacity - m_chunks[m_current].used >= count) {
            Chunk& chunk = m_chunks[m_current];
            const std::span<FrameSlot> slots(chunk.slots.get() + chunk.used, count);
            chunk.used += count;
            for (FrameSlot& slot : slots)
                slot.value = &slot.own;
            return slots;
        }
        return takeFromAnotherChunk(count);
    }
    // Gives back the slots last taken, letting go of what they hold.
    void give(std::span<FrameSlot> slots) noexcept
    {
        for (FrameSlot& slot : slots) {
            slot.own.clear();
            slot.value = nullptr;
            slot.live = false;
        }
        Chunk& chunk = m_chunks[m_current];
        chunk.used -= slots.size();
        if (chunk.used == 0)
            handBackEmptyChunks();
    }

private:
    std::span<FrameSlot> takeFromAnotherChunk(std::size_t count);
    void handBackEmptyChunks() noexcept;

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
