// The members of the two objects every AI script has at hand, Game and ThisGuy, with their
// parameters as the scripting guide names them: what the editor completes after "Game." and
// "ThisGuy." and colours as members.
#pragma once

#include <QString>

#include <vector>

namespace kestrelon::ui {

struct ScriptMember {
    QString name;
    QString parameters; // "(xPos, yPos, zPos, whatFrame)", empty for a property
};

const std::vector<ScriptMember>& gameMembers();
const std::vector<ScriptMember>& thisGuyMembers();

// The members of the object of that name (Game or ThisGuy, any case); empty for any other.
const std::vector<ScriptMember>& membersOf(const QString& object);

} // namespace kestrelon::ui
