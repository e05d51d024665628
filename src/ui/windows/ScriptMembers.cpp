// The members, in the order of the scripting guide's reference.
#include "ui/windows/ScriptMembers.h"

namespace kestrelon::ui {

const std::vector<ScriptMember>& gameMembers()
{
    static const std::vector<ScriptMember> members = {
        {"SetNumContacts", "(HowMany)"},
        {"SetContactPos", "(Team, whatCon, xPos, yPos, zPos, Dead, healthZ)"},
        {"GetCX", "(whatC)"},
        {"getcy", "(whatC)"},
        {"getCZ", "(whatC)"},
        {"GetCT", "(whatC)"},
        {"GetCLx", "(xPos, yPos, zPos, OnTeam)"},
        {"GetCLy", "(xPos, yPos, zPos, OnTeam)"},
        {"GetCLz", "(xPos, yPos, zPos, OnTeam)"},
        {"OutputLoc", "(xPos, yPos, zPos, whatFrame)"},
        {"DoSomething", "(doWhat, whatFrame)"},
        {"FacePos", "(xPos, yPos, zPos, whatFrame)"},
        {"DistFromMe", "(x1, y1, z1, whatC)"},
        {"FaceContact", "(whatC, whatFrame)"},
        {"WhoClosest", "(XP, YP, ZP, OnTeam)"},
        {"Attack", "(whatC, Damage)"},
        {"MoveToClosest", "(xPos, yPos, zPos, byWhen, whatTeam)"},
        {"FaceClosest", "(xPos, yPos, zPos, byWhen, whatTeam)"},
        {"DistToClosest", "(xPos, yPos, zPos, whatTeam)"},
        {"WhereMyX", "(xPos, goalXPos, StartFrame, EndFrame)"},
        {"WhereMyY", "(xPos, goalXPos, StartFrame, EndFrame)"},
        {"WhereMyZ", "(xPos, goalXPos, StartFrame, EndFrame)"},
        {"MovetoRandom", "(byWhen, whatTeam)"},
        {"OneToTen", "()"},
    };
    return members;
}

const std::vector<ScriptMember>& thisGuyMembers()
{
    static const std::vector<ScriptMember> members = {
        {"Accel", ""},      {"MaxSpeed", ""},    {"Maxlife", ""},     {"Armor", ""},
        {"AttackAnim", ""}, {"Damage", ""},      {"Proportion", ""},  {"Range", ""},
        {"Figure", ""},     {"FigureIndex", ""}, {"Code", ""},        {"Team", ""},
        {"Header", ""},     {"FaceOutput", ""},  {"seqOutput", ""},   {"posOutput", ""},
        {"whatFrame", ""},  {"xPos", ""},        {"yPos", ""},        {"zPos", ""},
        {"SeqRunning", ""}, {"SeqDoneWhen", ""}, {"SetMiscData", "(setWhich, setWhat)"},
        {"GetMiscData", "(GetWhich)"},
    };
    return members;
}

const std::vector<ScriptMember>& membersOf(const QString& object)
{
    static const std::vector<ScriptMember> none;
    if (object.compare(QLatin1String("Game"), Qt::CaseInsensitive) == 0)
        return gameMembers();
    if (object.compare(QLatin1String("ThisGuy"), Qt::CaseInsensitive) == 0)
        return thisGuyMembers();
    return none;
}

} // namespace kestrelon::ui
