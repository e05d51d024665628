// The unit object and its script binding: every member by name, read and written by scripts,
// and the two methods of the private text table.
#include "sim/Avatar.h"

#include "vbscript/ScriptError.h"

namespace kestrelon::sim {

std::string& Avatar::miscSlot(std::int32_t slot)
{
    if (slot < 1 || slot > MiscDataSlots)
        throw vbs::ScriptError::runtime(9);
    return m_miscData[static_cast<std::size_t>(slot - 1)];
}

void Avatar::SetMiscData(std::int32_t setWhich, std::string setWhat)
{
    miscSlot(setWhich) = std::move(setWhat);
}

std::string Avatar::GetMiscData(std::int32_t GetWhich)
{
    return miscSlot(GetWhich);
}

const vbs::HostClass<Avatar>& Avatar::binding()
{
    using Texts = an8::UnitTexts;
    static const vbs::HostClass<Avatar> table = [] {
        vbs::HostClass<Avatar> c("Avatar");
        c.property("Accel", &Avatar::Accel)
            .property("MaxSpeed", &Avatar::MaxSpeed)
            .property("Maxlife", &Avatar::Maxlife)
            .property("Armor", &Avatar::Armor)
            .property("AttackAnim", &Avatar::AttackAnim)
            .property("Damage", &Avatar::Damage)
            .property("Proportion", &Avatar::Proportion)
            .property("Range", &Avatar::Range)
            .property("Figure", &Avatar::Figure)
            .property("FigureIndex", &Avatar::FigureIndex)
            .property("Code", &Avatar::Code)
            .property("Team", &Avatar::Team)
            .property<std::string>("posOutput", &Texts::posOutput)
            .property<std::string>("seqOutput", &Texts::seqOutput)
            .property<std::string>("FaceOutput", &Texts::FaceOutput)
            .property<std::string>("Header", &Texts::Header)
            .property("whatFrame", &Avatar::whatFrame)
            .property("xPos", &Avatar::xPos)
            .property("yPos", &Avatar::yPos)
            .property("zPos", &Avatar::zPos)
            .property("SeqRunning", &Avatar::SeqRunning)
            .property("SeqDoneWhen", &Avatar::SeqDoneWhen)
            .method("SetMiscData", &Avatar::SetMiscData)
            .method("GetMiscData", &Avatar::GetMiscData);
        return c;
    }();
    return table;
}

} // namespace kestrelon::sim
