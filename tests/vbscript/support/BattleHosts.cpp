// The stand-in unit and game: member tables and the little arithmetic the scripts rely on.
#include "vbscript/support/BattleHosts.h"

#include "platform/NumberText.h"

#include <cmath>

namespace kestrelon::vbs::testing {

const HostClass<FakeAvatar>& FakeAvatar::binding()
{
    static const HostClass<FakeAvatar> table = [] {
        HostClass<FakeAvatar> members("Avatar");
        members.property("Accel", &FakeAvatar::Accel)
            .property("MaxSpeed", &FakeAvatar::MaxSpeed)
            .property("Maxlife", &FakeAvatar::Maxlife)
            .property("Armor", &FakeAvatar::Armor)
            .property("AttackAnim", &FakeAvatar::AttackAnim)
            .property("Damage", &FakeAvatar::Damage)
            .property("Range", &FakeAvatar::Range)
            .property("Figure", &FakeAvatar::Figure)
            .property("Team", &FakeAvatar::Team)
            .property("posOutput", &FakeAvatar::posOutput)
            .property("seqOutput", &FakeAvatar::seqOutput)
            .property("FaceOutput", &FakeAvatar::FaceOutput)
            .property("whatFrame", &FakeAvatar::whatFrame)
            .property("xPos", &FakeAvatar::xPos)
            .property("yPos", &FakeAvatar::yPos)
            .property("zPos", &FakeAvatar::zPos)
            .property("SeqRunning", &FakeAvatar::SeqRunning)
            .property("SeqDoneWhen", &FakeAvatar::SeqDoneWhen)
            .method("SetMiscData", &FakeAvatar::SetMiscData)
            .method("GetMiscData", &FakeAvatar::GetMiscData);
        return members;
    }();
    return table;
}

void FakeAvatar::SetMiscData(std::int32_t setWhich, std::string setWhat)
{
    if (setWhich < 1 || setWhich > 10)
        throw ScriptError::runtime(9);
    m_miscData[setWhich] = std::move(setWhat);
}

std::string FakeAvatar::GetMiscData(std::int32_t GetWhich)
{
    if (GetWhich < 1 || GetWhich > 10)
        throw ScriptError::runtime(9);
    return m_miscData[GetWhich];
}

const HostClass<FakeGame>& FakeGame::binding()
{
    static const HostClass<FakeGame> table = [] {
        HostClass<FakeGame> members("Game");
        members.method("SetNumContacts", &FakeGame::SetNumContacts)
            .method("SetContactPos", &FakeGame::SetContactPos)
            .method("GetCX", &FakeGame::GetCX)
            .method("getcy", &FakeGame::getcy)
            .method("getCZ", &FakeGame::getCZ)
            .method("GetCT", &FakeGame::GetCT)
            .method("WhoClosest", &FakeGame::WhoClosest)
            .method("DistFromMe", &FakeGame::DistFromMe)
            .method("OutputLoc", &FakeGame::OutputLoc)
            .method("WhereMyX", &FakeGame::WhereMyX)
            .method("WhereMyY", &FakeGame::WhereMyX)
            .method("WhereMyZ", &FakeGame::WhereMyX)
            .method("Attack", &FakeGame::Attack);
        return members;
    }();
    return table;
}

void FakeGame::SetNumContacts(std::int32_t HowMany)
{
    if (HowMany < 0)
        throw ScriptError::runtime(9);
    m_contacts.resize(static_cast<size_t>(HowMany) + 1);
}

void FakeGame::SetContactPos(std::int32_t Team, std::int32_t whatCon, double xPos, double yPos, double zPos, bool,
                             std::int32_t healthZ)
{
    if (whatCon < 0 || static_cast<size_t>(whatCon) >= m_contacts.size())
        throw ScriptError::runtime(9);
    m_contacts[static_cast<size_t>(whatCon)] = FakeContact{xPos, yPos, zPos, Team, healthZ};
}

const FakeContact& FakeGame::contact(std::int32_t index) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_contacts.size())
        throw ScriptError::runtime(9);
    return m_contacts[static_cast<size_t>(index)];
}

double FakeGame::GetCX(Value whatC)
{
    return contact(toLong(whatC)).X;
}

double FakeGame::getcy(Value whatC)
{
    return contact(toLong(whatC)).Y;
}

double FakeGame::getCZ(Value whatC)
{
    return contact(toLong(whatC)).Z;
}

std::int32_t FakeGame::GetCT(Value whatC)
{
    return contact(toLong(whatC)).Team;
}

// The nearest living contact of a team; the lowest index among equals; 0 for none.
Value FakeGame::WhoClosest(double XP, double YP, double ZP, std::int32_t OnTeam)
{
    std::int32_t best = 0;
    double bestDistance = 0;
    for (size_t i = 1; i < m_contacts.size(); ++i) {
        const FakeContact& c = m_contacts[i];
        const double d = std::sqrt(std::pow(XP - c.X, 2) + std::pow(YP - c.Y, 2) + std::pow(ZP - c.Z, 2));
        if (c.Team == OnTeam && c.Health > 0 && (best == 0 || d < bestDistance)) {
            best = static_cast<std::int32_t>(i);
            bestDistance = d;
        }
    }
    return Value::longValue(best);
}

double FakeGame::DistFromMe(double x1, double y1, double z1, std::int32_t whatC)
{
    const FakeContact& c = contact(whatC);
    return std::sqrt(std::pow(x1 - c.X, 2) + std::pow(y1 - c.Y, 2) + std::pow(z1 - c.Z, 2));
}

std::string FakeGame::OutputLoc(double xPos, double yPos, double zPos, std::int32_t whatFrame)
{
    return "pos(" + formatDouble(xPos) + "," + formatDouble(yPos) + "," + formatDouble(zPos) + ")@" +
           formatInteger(whatFrame) + ";";
}

double FakeGame::WhereMyX(double xPos, double goalXPos, std::int32_t StartFrame, std::int32_t EndFrame)
{
    const std::int64_t frames = std::int64_t{StartFrame} - EndFrame;
    if (frames == 0)
        return 0;
    return (xPos - goalXPos) / static_cast<double>(frames);
}

bool FakeGame::Attack(std::int32_t whatC, std::int32_t Damage)
{
    if (whatC < 0 || static_cast<size_t>(whatC) >= units.size() || !units[static_cast<size_t>(whatC)])
        throw ScriptError::runtime(9);
    FakeAvatar& target = *units[static_cast<size_t>(whatC)];
    target.Maxlife -= Damage;
    const bool fatal = target.Maxlife < 1;
    if (fatal)
        target.Maxlife = 0;
    attackMessages.push_back("unit " + formatInteger(whatC) + " took " + formatInteger(Damage) + ", life " +
                             formatInteger(target.Maxlife));
    if (dialogs)
        dialogs->message(attackMessages.back());
    return fatal;
}

} // namespace kestrelon::vbs::testing
