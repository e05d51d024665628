// The script's view of the battle, handed to every turn as "Game": a contact table with the
// position, team and life of the other units, questions about it (coordinates, distances, the
// nearest living contact), the An8 key texts that place, turn and animate a unit, and Attack.
#pragma once

#include "platform/RandomGenerator.h"
#include "sim/AvatarTable.h"
#include "sim/ContactIndex.h"
#include "vbscript/host/HostBinding.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrelon {
class Dialogs;
}

namespace kestrelon::sim {

class UnitTrace;

// What the scripts changed since the run last asked, beyond the unit whose turn it was: the
// lives Attack lowered, the contact entries scripts wrote and whether they resized the table.
struct ScriptChanges {
    std::vector<std::int32_t> avatarsHit;
    std::vector<std::int32_t> contactsWritten;
    bool tableResized = false;
};

class Game : public vbs::HostObject<Game> {
public:
    // attackMessages shows Attack's message; nullptr shows none. random serves MovetoRandom
    // and OneToTen.
    Game(AvatarTable& avatars, Dialogs* attackMessages, RandomGenerator& random);

    // The 24 methods scripts call, in the order of the reference.
    void SetNumContacts(std::int32_t HowMany);
    void SetContactPos(std::int32_t Team, std::int32_t whatCon, double xPos, double yPos, double zPos, bool Dead,
                       std::int32_t healthZ);
    double GetCX(const vbs::Value& whatC);
    double getcy(const vbs::Value& whatC);
    double getCZ(const vbs::Value& whatC);
    std::int32_t GetCT(const vbs::Value& whatC);
    double GetCLx(double xPos, double yPos, double zPos, std::int32_t OnTeam);
    double GetCLy(double xPos, double yPos, double zPos, std::int32_t OnTeam);
    double GetCLz(double xPos, double yPos, double zPos, std::int32_t OnTeam);
    std::string OutputLoc(double xPos, double yPos, double zPos, std::int32_t whatFrame);
    std::string DoSomething(std::string doWhat, std::int32_t whatFrame);
    std::string FacePos(double xPos, double yPos, double zPos, std::int32_t whatFrame);
    double DistFromMe(double x1, double y1, double z1, std::int32_t whatC);
    std::string FaceContact(std::int32_t whatC, std::int32_t whatFrame);
    vbs::Value WhoClosest(double XP, double YP, double ZP, std::int32_t OnTeam);
    bool Attack(std::int32_t whatC, std::int32_t Damage);
    std::string MoveToClosest(double xPos, double yPos, double zPos, std::int32_t byWhen, std::int32_t whatTeam);
    std::string FaceClosest(double xPos, double yPos, double zPos, std::int32_t byWhen, std::int32_t whatTeam);
    std::string DistToClosest(double xPos, double yPos, double zPos, std::int32_t whatTeam);
    double WhereMyX(double xPos, double goalXPos, std::int32_t StartFrame, std::int32_t EndFrame);
    double WhereMyY(double xPos, double goalXPos, std::int32_t StartFrame, std::int32_t EndFrame);
    double WhereMyZ(double xPos, double goalXPos, std::int32_t StartFrame, std::int32_t EndFrame);
    std::string MovetoRandom(std::int32_t byWhen, std::int32_t whatTeam);
    std::int32_t OneToTen();

    // The highest contact index, as last given to SetNumContacts (0 before the first call).
    std::int32_t NumContacts() const { return m_contacts.empty() ? 0 : static_cast<std::int32_t>(m_contacts.size()) - 1; }
    // Entry index of the table; raises ScriptError 9 outside 0 .. NumContacts or before the table exists.
    const Contact& contact(std::int32_t index) const;

    // The run's refresh of one entry from its unit (Team, position, life), not counted among
    // the scripts' changes. Raises ScriptError 9 like SetContactPos.
    void refreshContact(std::int32_t index, const Avatar& unit);

    // The changes scripts made since the last call, which empties the record.
    ScriptChanges takeScriptChanges();

    static const vbs::HostClass<Game>& binding();

    // Each call of a traced turn is written to trace (nullptr: none is traced).
    void setTrace(UnitTrace* trace) { m_trace = trace; }
    vbs::Value invoke(vbs::MemberId member, vbs::InvokeKind kind, std::span<const vbs::Value> args) override;

private:
    std::size_t checkedIndex(std::int32_t index) const;
    std::int32_t closestIndex(double x, double y, double z, std::int32_t team);
    void showAttackMessage(std::int32_t whatC, std::int32_t damage, std::int32_t life, std::int32_t contactHealth);

    AvatarTable& m_avatars;
    Dialogs* m_attackMessages;
    RandomGenerator& m_random;
    bool m_attackMessagesSilenced = false;
    ContactIndex m_contacts; // entries 0 .. NumContacts; empty before SetNumContacts
    ScriptChanges m_changes;
    UnitTrace* m_trace = nullptr;
};

} // namespace kestrelon::sim
