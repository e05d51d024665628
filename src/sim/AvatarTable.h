// The units of a run, numbered from 1 in creation order: the unit number is also the unit's
// contact index and the number in its scene names. A slot that holds no unit yet gets a unit
// with initial values on first use, slot 0 included, as scripts and Attack expect.
#pragma once

#include "sim/Avatar.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kestrelon::sim {

class AvatarTable {
public:
    AvatarTable() : m_slots(1) {}

    std::int32_t NumAvatars() const { return static_cast<std::int32_t>(m_slots.size()) - 1; }

    // The unit in slot index (0 .. NumAvatars), created with initial values when the slot is
    // empty. Raises ScriptError 9 "Subscript out of range" outside the table.
    Avatar& operator()(std::int32_t index) { return *slot(index); }
    std::shared_ptr<Avatar> shared(std::int32_t index) { return slot(index); }

    // The unit in slot index if one is there; nullptr for an empty slot or outside the table.
    const Avatar* find(std::int32_t index) const;

    // Adds slot NumAvatars + 1 holding a new unit with initial values; returns that unit.
    Avatar& grow();

    // Back to no units at all (slot 0 included).
    void clear() { m_slots.assign(1, nullptr); }

    void reserve(std::int32_t count) { m_slots.reserve(static_cast<std::size_t>(count) + 1); }

    // Hints that the run will soon give unit index its turn: a big battle's units are far more
    // than the processor's caches hold, so each turn would otherwise wait on memory for the
    // unit; this starts those reads while other units run. Indices outside the table, and
    // empty slots, are left alone.
    void prefetchUnit(std::int32_t index) const;

private:
    std::shared_ptr<Avatar>& slot(std::int32_t index);

    std::vector<std::shared_ptr<Avatar>> m_slots;
};

} // namespace kestrelon::sim
