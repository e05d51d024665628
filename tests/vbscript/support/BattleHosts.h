// Stand-ins for the battle's two script objects, with the member names scripts use: a unit
// (ThisGuy) and the game (Game) with its contact table. They let the engine's tests run AI
// scripts in the game's style without the simulation; key texts are simple markers such as
// "pos(1,0,2)@5;" rather than scene text.
#pragma once

#include "platform/Dialogs.h"
#include "vbscript/HostBinding.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kestrelon::vbs::testing {

class FakeAvatar : public HostObject<FakeAvatar> {
public:
    static const HostClass<FakeAvatar>& binding();

    double Accel = 0;
    double MaxSpeed = 0;
    std::int32_t Maxlife = 0;
    std::int32_t Armor = 0;
    std::string AttackAnim;
    std::int32_t Damage = 0;
    double Range = 0;
    std::string Figure;
    std::int32_t Team = 0;
    std::string posOutput;
    std::string seqOutput;
    std::string FaceOutput;
    std::int32_t whatFrame = 0;
    double xPos = 0;
    double yPos = 0;
    double zPos = 0;
    bool SeqRunning = false;
    std::int32_t SeqDoneWhen = 0;

    // Slots 1 to 10; others raise "Subscript out of range".
    void SetMiscData(std::int32_t setWhich, std::string setWhat);
    std::string GetMiscData(std::int32_t GetWhich);

private:
    std::string m_miscData[11];
};

struct FakeContact {
    double X = 0;
    double Y = 0;
    double Z = 0;
    std::int32_t Team = 0;
    std::int32_t Health = 0;
};

class FakeGame : public HostObject<FakeGame> {
public:
    static const HostClass<FakeGame>& binding();

    // The units Attack acts on, by contact index (index 0 unused).
    std::vector<std::shared_ptr<FakeAvatar>> units;
    // The messages Attack showed, in order; also shown through dialogs when set.
    std::vector<std::string> attackMessages;
    Dialogs* dialogs = nullptr;

    void SetNumContacts(std::int32_t HowMany);
    void SetContactPos(std::int32_t Team, std::int32_t whatCon, double xPos, double yPos, double zPos, bool Dead,
                       std::int32_t healthZ);
    double GetCX(Value whatC);
    double getcy(Value whatC);
    double getCZ(Value whatC);
    std::int32_t GetCT(Value whatC);
    Value WhoClosest(double XP, double YP, double ZP, std::int32_t OnTeam);
    double DistFromMe(double x1, double y1, double z1, std::int32_t whatC);
    std::string OutputLoc(double xPos, double yPos, double zPos, std::int32_t whatFrame);
    double WhereMyX(double xPos, double goalXPos, std::int32_t StartFrame, std::int32_t EndFrame);
    bool Attack(std::int32_t whatC, std::int32_t Damage);

private:
    const FakeContact& contact(std::int32_t index) const;

    std::vector<FakeContact> m_contacts;
};

} // namespace kestrelon::vbs::testing
