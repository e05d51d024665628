// The contact refresh before each unit's turn: every other unit's entry must hold that unit's
// team, position and life as they stand, while the entry of the unit whose turn it is keeps
// what was last written there. Only entries that may differ are written again: those of the
// unit that just had its turn, of units Attack hurt, and entries the scripts wrote themselves.
#pragma once

#include "sim/AvatarTable.h"
#include "sim/Game.h"
#include "vbscript/values/ScriptError.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kestrelon::sim {

class ContactRefresh {
public:
    ContactRefresh(Game& game, AvatarTable& avatars);

    // Every entry 1 .. NumAvatars is due for writing (the table was just sized).
    void start();

    // Brings the entry of every unit but unit up to date. An entry that cannot be written
    // (a script shrank the table) stays due; the first such failure is returned.
    std::optional<vbs::ScriptError> beforeTurn(std::int32_t unit);

    // Notes what unit's turn may have changed: the unit itself and whatever the scripts
    // reported to the Game object.
    void afterTurn(std::int32_t unit);

private:
    void markDue(std::int32_t index);
    void markAllDue();

    Game& m_game;
    AvatarTable& m_avatars;
    std::vector<char> m_isDue;          // indexed by unit; 1 while the entry may be stale
    std::vector<std::int32_t> m_due;    // the due units, each once
    std::vector<std::int32_t> m_kept;   // beforeTurn's working list, kept for its capacity
};

} // namespace kestrelon::sim
