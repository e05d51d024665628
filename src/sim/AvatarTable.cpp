// The unit table: slots made on first use, so a script or an Attack that names a slot with
// no unit finds a unit with initial values there instead of failing.
#include "sim/AvatarTable.h"

#include "vbscript/values/ScriptError.h"

namespace kestrelon::sim {

std::shared_ptr<Avatar>& AvatarTable::slot(std::int32_t index)
{
    if (index < 0 || index > NumAvatars())
        throw vbs::ScriptError::runtime(9);
    auto& entry = m_slots[static_cast<std::size_t>(index)];
    if (!entry)
        entry = std::make_shared<Avatar>();
    return entry;
}

const Avatar* AvatarTable::find(std::int32_t index) const
{
    if (index < 0 || index > NumAvatars())
        return nullptr;
    return m_slots[static_cast<std::size_t>(index)].get();
}

Avatar& AvatarTable::grow()
{
    m_slots.push_back(std::make_shared<Avatar>());
    return *m_slots.back();
}

} // namespace kestrelon::sim
