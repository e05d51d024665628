// The unit table: slots made on first use, so a script or an Attack that names a slot with
// no unit finds a unit with initial values there instead of failing.
#include "sim/AvatarTable.h"

#include "vbscript/values/ScriptError.h"

namespace kestrelon::sim {

std::shared_ptr<Avatar>& AvatarTable::slot(std::int32_t index)
{
    if (index < 0 || index > NumAvatars())
        throw vbs::ScriptError::runtime(vbs::ErrorCode::SubscriptOutOfRange);
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

void AvatarTable::prefetchUnit(std::int32_t index) const
{
    const Avatar* avatar = find(index);
    if (!avatar)
        return;
    // The unit and, just before it, the count of its users, which every turn's copy of the
    // pointer writes.
    constexpr std::size_t Line = 64;
    const char* const first = reinterpret_cast<const char*>(avatar) - Line;
    for (std::size_t offset = 0; offset < sizeof(Avatar) + Line; offset += Line)
        __builtin_prefetch(first + offset, 1);
}

Avatar& AvatarTable::grow()
{
    m_slots.push_back(std::make_shared<Avatar>());
    return *m_slots.back();
}

} // namespace kestrelon::sim
