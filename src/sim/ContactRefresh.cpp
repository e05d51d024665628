// Keeping the contact table as the full refresh would leave it, by writing only what can have
// changed. Between two refreshes a unit's values change only through its own turn or through
// Attack, and an entry only through the refresh or a script's SetContactPos/SetNumContacts.
#include "sim/ContactRefresh.h"

namespace kestrelon::sim {

ContactRefresh::ContactRefresh(Game& game, AvatarTable& avatars) : m_game(game), m_avatars(avatars) {}

void ContactRefresh::markDue(std::int32_t index)
{
    if (index < 1 || index > m_avatars.NumAvatars())
        return; // slot 0 and slots beyond the units are never refreshed
    auto& flag = m_isDue[static_cast<std::size_t>(index)];
    if (!flag) {
        flag = 1;
        m_due.push_back(index);
    }
}

void ContactRefresh::markAllDue()
{
    for (std::int32_t i = 1; i <= m_avatars.NumAvatars(); ++i)
        markDue(i);
}

void ContactRefresh::start()
{
    m_isDue.assign(static_cast<std::size_t>(m_avatars.NumAvatars()) + 1, 0);
    m_due.clear();
    markAllDue();
    m_game.takeScriptChanges();
}

std::optional<vbs::ScriptError> ContactRefresh::beforeTurn(std::int32_t unit)
{
    std::optional<vbs::ScriptError> failure;
    std::vector<std::int32_t>& stillDue = m_kept;
    stillDue.clear();
    for (const std::int32_t index : m_due) {
        if (index == unit) {
            stillDue.push_back(index);
            continue;
        }
        try {
            m_game.refreshContact(index, m_avatars(index));
            m_isDue[static_cast<std::size_t>(index)] = 0;
        } catch (const vbs::ScriptError& error) {
            if (!failure)
                failure = error;
            stillDue.push_back(index);
        }
    }
    m_due.swap(stillDue);
    return failure;
}

void ContactRefresh::afterTurn(std::int32_t unit)
{
    markDue(unit);
    const ScriptChanges changes = m_game.takeScriptChanges();
    for (const std::int32_t index : changes.avatarsHit)
        markDue(index);
    for (const std::int32_t index : changes.contactsWritten)
        markDue(index);
    if (changes.tableResized)
        markAllDue();
}

} // namespace kestrelon::sim
