// Script arrays: one or more dimensions, each from 0 to its upper bound, elements stored with
// the first index varying fastest (the order For Each walks them). Fixed arrays (Dim a(3))
// refuse ReDim; dynamic ones start unallocated. Their element slots count as held memory.
#pragma once

#include "vbscript/values/HeldMemory.h"
#include "vbscript/values/Value.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace kestrelon::vbs {

class Array {
public:
    // The most elements one array may hold; a larger ReDim raises "Out of memory" (7).
    static constexpr size_t MaxElements = size_t{1} << 22;

    // An unallocated dynamic array (Dim a()).
    Array() = default;
    Array(const Array&) = default;
    Array(Array&&) noexcept = default;
    Array& operator=(const Array&) = default;
    Array& operator=(Array&&) noexcept = default;
    // Frees arrays nested in this one one after another instead of inside each other, so an
    // array nested a million deep (a = Array(a) in a loop) cannot exhaust the stack.
    ~Array();
    // An array with the given upper bounds (each >= -1); fixed when declared with Dim a(n).
    // Raises 9 for a bound below -1 and 7 when the array would be too large.
    Array(std::vector<std::int32_t> upperBounds, bool fixed);

    bool allocated() const { return m_allocated; }
    bool fixed() const { return m_fixed; }
    int dimensions() const { return static_cast<int>(m_upper.size()); }
    std::int32_t upperBound(int dimension) const { return m_upper[static_cast<size_t>(dimension)]; }
    size_t size() const { return m_elements.size(); }

    // Element by its indices; nullptr when the count or any index is out of range.
    Value* find(std::span<const std::int32_t> indices);
    const Value* find(std::span<const std::int32_t> indices) const;

    std::vector<Value>& elements() { return m_elements; }
    const std::vector<Value>& elements() const { return m_elements; }

    // ReDim: new bounds, every element Empty.
    void redim(std::vector<std::int32_t> upperBounds);
    // ReDim Preserve: only the last bound may change (and not the dimension count); false when
    // the new bounds break that rule. An unallocated array takes any bounds.
    bool redimPreserve(std::vector<std::int32_t> upperBounds);
    // Erase: a fixed array keeps its bounds with every element Empty; a dynamic one is freed.
    void erase();

private:
    std::optional<size_t> offsetOf(std::span<const std::int32_t> indices) const;
    // Counts count element slots as held before the storage grows to them.
    void holdSlots(size_t count) { m_held.resize(count * sizeof(Value)); }

    std::vector<std::int32_t> m_upper;
    HeldBytes m_held; // before m_elements: a copy is counted before its elements are copied
    std::vector<Value> m_elements;
    bool m_allocated = false;
    bool m_fixed = false;
};

inline Array::~Array()
{
    std::vector<std::shared_ptr<Array>> pending;
    auto takeNested = [&pending](std::vector<Value>& elements) {
        for (Value& element : elements) {
            if (element.isArray() && element.asArray().use_count() == 1) {
                pending.push_back(element.asArray());
                element = Value();
            }
        }
    };
    takeNested(m_elements);
    while (!pending.empty()) {
        const std::shared_ptr<Array> next = std::move(pending.back());
        pending.pop_back();
        takeNested(next->m_elements);
    }
}

} // namespace kestrelon::vbs
