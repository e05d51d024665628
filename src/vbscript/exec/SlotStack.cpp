// Taking and giving back frame slots.
#include "vbscript/exec/SlotStack.h"

#include <algorithm>
#include <cassert>

namespace kestrelon::vbs {

std::span<FrameSlot> SlotStack::take(std::size_t count)
{
    while (m_current < m_chunks.size() && m_chunks[m_current].capacity - m_chunks[m_current].used < count) {
        if (m_chunks[m_current].used == 0 && m_current + 1 == m_chunks.size())
            m_chunks.pop_back(); // too small for this frame and empty: replaced below
        else
            ++m_current;
    }
    if (m_current == m_chunks.size()) {
        const std::size_t capacity = std::max(ChunkSlots, count);
        m_chunks.push_back({std::make_unique<FrameSlot[]>(capacity), capacity, 0});
    }
    Chunk& chunk = m_chunks[m_current];
    const std::span<FrameSlot> slots(chunk.slots.get() + chunk.used, count);
    chunk.used += count;
    for (FrameSlot& slot : slots)
        slot.value = &slot.own;
    return slots;
}

void SlotStack::give(std::span<FrameSlot> slots) noexcept
{
    for (FrameSlot& slot : slots) {
        slot.own = Value();
        slot.value = nullptr;
        slot.live = false;
    }
    Chunk& chunk = m_chunks[m_current];
    assert(chunk.used >= slots.size() && chunk.slots.get() + chunk.used - slots.size() == slots.data());
    chunk.used -= slots.size();
    // An emptied chunk hands the top back to the one below, whose frames are still running.
    while (m_current > 0 && m_chunks[m_current].used == 0)
        --m_current;
}

} // namespace kestrelon::vbs
