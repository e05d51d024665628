// Script arrays: bounds, element lookup in storage order, ReDim, ReDim Preserve and Erase.
// Sizes are checked before anything is allocated, so a script asking for a huge array gets
// "Out of memory" instead of taking the program down.
#include "vbscript/values/Array.h"

#include "vbscript/values/Limits.h"
#include "vbscript/values/ScriptError.h"

#include <utility>

namespace kestrelon::vbs {
namespace {

// The element count of the given bounds; raises 9 for a bound below -1 and 7 past the limit.
size_t elementCount(const std::vector<std::int32_t>& upperBounds)
{
    size_t count = 1;
    for (const std::int32_t upper : upperBounds) {
        if (upper < -1)
            throw ScriptError::runtime(ErrorCode::SubscriptOutOfRange);
        const size_t extent = static_cast<size_t>(static_cast<std::int64_t>(upper) + 1);
        if (extent != 0 && count > Array::MaxElements / extent)
            throw ScriptError::runtime(ErrorCode::OutOfMemory);
        count *= extent;
    }
    return count;
}

} // namespace

Array::Array(std::vector<std::int32_t> upperBounds, bool fixed) : m_fixed(fixed)
{
    redim(std::move(upperBounds));
}

Value* Array::find(std::span<const std::int32_t> indices)
{
    const auto offset = offsetOf(indices);
    return offset ? &m_elements[*offset] : nullptr;
}

const Value* Array::find(std::span<const std::int32_t> indices) const
{
    const auto offset = offsetOf(indices);
    return offset ? &m_elements[*offset] : nullptr;
}

std::optional<size_t> Array::offsetOf(std::span<const std::int32_t> indices) const
{
    if (!m_allocated || indices.size() != m_upper.size())
        return std::nullopt;
    // The first index varies fastest, so the last one is the outermost.
    size_t offset = 0;
    for (size_t d = m_upper.size(); d-- > 0;) {
        if (indices[d] < 0 || indices[d] > m_upper[d])
            return std::nullopt;
        offset = offset * static_cast<size_t>(m_upper[d] + 1) + static_cast<size_t>(indices[d]);
    }
    return offset;
}

// The old elements go first, storage and all, so the new ones take their place. Should the
// new storage still fail, the array is left unallocated rather than with bounds it lacks.
void Array::redim(std::vector<std::int32_t> upperBounds)
{
    const size_t count = elementCount(upperBounds);
    holdSlots(count);
    m_elements = std::vector<Value>();
    m_upper.clear();
    m_allocated = false;
    m_elements.resize(count);
    m_upper = std::move(upperBounds);
    m_allocated = true;
    // Making the slots is work for the time limit even where their count, already held, stays.
    addScriptWork(count * sizeof(Value));
}

bool Array::redimPreserve(std::vector<std::int32_t> upperBounds)
{
    if (!m_allocated) {
        redim(std::move(upperBounds));
        return true;
    }
    if (upperBounds.size() != m_upper.size() || upperBounds.empty())
        return false;
    for (size_t d = 0; d + 1 < m_upper.size(); ++d) {
        if (upperBounds[d] != m_upper[d])
            return false;
    }
    // With the last index outermost, keeping the others means the elements keep their places.
    const size_t count = elementCount(upperBounds);
    holdSlots(count);
    const size_t oldSize = m_elements.size();
    const size_t oldCapacity = m_elements.capacity();
    m_elements.resize(count);
    m_upper = std::move(upperBounds);
    // Growing into new storage moves every element there: work for the time limit.
    if (m_elements.capacity() != oldCapacity)
        addScriptWork(oldSize * sizeof(Value));
    return true;
}

void Array::erase()
{
    if (m_fixed) {
        for (Value& element : m_elements)
            element = Value();
        return;
    }
    m_elements = std::vector<Value>();
    m_held.resize(0);
    m_upper.clear();
    m_allocated = false;
}

} // namespace kestrelon::vbs
