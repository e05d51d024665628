// One unit of a battle: a copy of its type's values, its position, the scene texts collected
// for it, and what its script keeps from frame to frame. Scripts reach it as "ThisGuy"; the
// script host is cleared before every turn, so this object is the script's only memory.
#pragma once

#include "an8/SceneText.h"
#include "vbscript/host/HostBinding.h"

#include <array>
#include <cstdint>
#include <string>

namespace kestrelon::sim {

class UnitTrace;

class Avatar : public an8::UnitTexts, public vbs::HostObject<Avatar> {
public:
    static constexpr std::int32_t MiscDataSlots = 10;

    // The members in the order scripts and the reference list them; Header, FaceOutput,
    // seqOutput and posOutput come from UnitTexts.
    double Accel = 0;
    double MaxSpeed = 0;
    std::int32_t Maxlife = 0; // the unit's remaining life; 0 or less counts as dead
    std::int32_t Armor = 0;
    std::string AttackAnim;
    std::int32_t Damage = 0;
    double Proportion = 0;
    double Range = 0;
    std::string Figure;
    std::int32_t FigureIndex = 0;
    std::string Code;
    std::int32_t Team = 0;
    std::int32_t whatFrame = 0; // the script's own frame count: the run hands scripts none
    double xPos = 0;
    double yPos = 0;
    double zPos = 0;
    bool SeqRunning = false;
    std::int32_t SeqDoneWhen = 0;

    // Slots 1 to 10 of the unit's private texts; any other slot raises "Subscript out of range".
    void SetMiscData(std::int32_t setWhich, std::string setWhat);
    std::string GetMiscData(std::int32_t GetWhich);

    // How often a script has written Code: a run reuses the unit's compiled script until then.
    std::uint64_t codeWrites() const { return m_codeWrites; }
    void noteCodeWritten() { ++m_codeWrites; }

    // The members scripts reach by name, in the order above.
    static const vbs::HostClass<Avatar>& binding();

    // The members its script writes in a traced turn are written to trace (nullptr: not traced).
    // A traced unit's texts grow through their setter, so every append is seen.
    void setTrace(UnitTrace* trace) { m_trace = trace; }
    vbs::Value invoke(vbs::MemberId member, vbs::InvokeKind kind, std::span<const vbs::Value> args) override;
    std::string* appendableText(vbs::MemberId member) override;

private:
    std::string& miscSlot(std::int32_t slot);

    std::array<std::string, MiscDataSlots> m_miscData;
    std::uint64_t m_codeWrites = 0;
    UnitTrace* m_trace = nullptr;
};

} // namespace kestrelon::sim
