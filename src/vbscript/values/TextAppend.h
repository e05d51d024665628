// Growing a host object's text member in place. A battle script adds one key to its unit's
// scene text every frame ("ThisGuy.posOutput = ThisGuy.posOutput & key"); done as written,
// that copies the whole text out, joins it and copies it back, a cost that grows with the
// frames squared. The interpreter appends the key to the member's own text instead, and the
// result is the same in every case: should evaluating the key itself write the member, the
// first such write saves the old text here, and the statement then joins that old text.
#pragma once

#include <optional>
#include <string>

namespace kestrelon::vbs {

class PendingAppend {
public:
    explicit PendingAppend(const std::string& target);
    ~PendingAppend();
    PendingAppend(const PendingAppend&) = delete;
    PendingAppend& operator=(const PendingAppend&) = delete;

    // The member's text as it was before the tail was evaluated, when the tail wrote it.
    const std::optional<std::string>& before() const { return m_before; }

    // Host setters call this before they change a text member that may be appended to.
    static void noteWrite(const std::string& target);

private:
    const std::string* m_target;
    std::optional<std::string> m_before;
    PendingAppend* m_outer;
};

} // namespace kestrelon::vbs
