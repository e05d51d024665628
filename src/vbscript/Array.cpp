// Script arrays: bounds, element lookup in storage order, ReDim, ReDim Preserve and Erase.
// Sizes are checked before anything is allocated, so a script asking for a huge array gets
// "Out of memory" instead of taking the program down.
#include "vbscript/Array.h"

#include "vbscript/ScriptError.h"

#include <utility>

namespace kestrelon::vbs {
namespace {

// The element count of the given bounds; raises 9 for a bound below -1 and 7 past the limit.
size_t elementCount(const std::vector<std::int32_t>& upperBounds)
{
    size_t count = 1;
    for (const std::int32_t upper : upperBounds) {
        if (upper < -1)
            throw ScriptError::runtime(9);
        const size_t extent = static_cast<size_t>(static_cast<std::int64_t>(upper) + 1);
        if (extent != 0 && count > Array::MaxElements / extent)
            throw ScriptError::runtime(7);
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

void Array::redim(std::vector<std::int32_t> upperBounds)
{
    const size_t count = elementCount(upperBounds);
    m_elements.clear();
    m_elements.resize(count);
    m_upper = std::move(upperBounds);
    m_allocated = true;
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
    m_elements.resize(count);
    m_upper = std::move(upperBounds);
    return true;
}

void Array::erase()
{
    if (m_fixed) {
        for (Value& element : m_elements)
            element = Value();
        return;
    }
    m_elements.clear();
    m_upper.clear();
    m_allocated = false;
}

} // namespace kestrelon::vbs
