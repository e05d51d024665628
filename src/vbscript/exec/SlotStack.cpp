// Taking and giving back frame slots.
#include "vbscript/exec/SlotStack.h"

#include <algorithm>

namespace kestrelon::vbs {

std::span<FrameSlot> SlotStack::takeFromAnotherChunk(std::size_t count)
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
    m_chunk = &m_chunks[m_current];
    return take(count); // the chunk in use has room now
}

// An emptied chunk hands the top back to the one below, whose frames are still running.
void SlotStack::handBackEmptyChunks() noexcept
{
    while (m_current > 0 && m_chunks[m_current].used == 0)
        --m_current;
    m_chunk = &m_chunks[m_current];
}

} // namespace kestrelon::vbs
