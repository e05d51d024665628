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

// A free slot is Empty, refers to its own value and is not live; giving a slot back makes it
// so again, so taking slots has nothing to do for each of them.
struct FrameSlot {
    Value own;
    Value* value = &own; // own, or the caller's variable for a ByRef parameter
    bool live = false;   // an undeclared name that became this procedure's variable
};

class SlotStack {
public:
    // count fresh slots (Empty, each its own value), on top of the stack. Inline, as a call
    // takes its slots from the chunk in use nearly always.
    std::span<FrameSlot> take(std::size_t count)
    {
        if (m_chunk && m_chunk->capacity - m_chunk->used >= count) {
            const std::span<FrameSlot> slots(m_chunk->slots.get() + m_chunk->used, count);
            m_chunk->used += count;
            return slots;
        }
        return takeFromAnotherChunk(count);
    }
    // Gives back the slots last taken, letting go of what they hold.
    void give(std::span<FrameSlot> slots) noexcept
    {
        for (FrameSlot& slot : slots) {
            slot.own.clear();
            slot.value = &slot.own;
            slot.live = false;
        }
        m_chunk->used -= slots.size();
        if (m_chunk->used == 0)
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
    std::size_t m_current = 0;  // the chunk being filled
    Chunk* m_chunk = nullptr;   // that chunk, when there is one
};

} // namespace kestrelon::vbs
