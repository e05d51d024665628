// The unit object and its script binding: every member by name, read and written by scripts,
// and the two methods of the private text table.
#include "sim/Avatar.h"

#include "sim/UnitTrace.h"

#include "vbscript/values/Coercion.h"
#include "vbscript/values/ScriptError.h"
#include "vbscript/values/TextAppend.h"

namespace kestrelon::sim {

std::string& Avatar::miscSlot(std::int32_t slot)
{
    if (slot < 1 || slot > MiscDataSlots)
        throw vbs::ScriptError::runtime(vbs::ErrorCode::SubscriptOutOfRange);
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

namespace {

// A scene text member, in the 1252 bytes of the scene file. Scripts grow these by one key per
// frame ("posOutput = posOutput & key"), which the interpreter appends in place; a plain
// assignment writes the new text into the member's own buffer, which keeps its capacity.
vbs::HostClass<Avatar>::Invoker sceneText(std::string an8::UnitTexts::*field)
{
    return [field](Avatar& unit, vbs::InvokeKind kind, std::span<const vbs::Value> args) {
        std::string& text = unit.*field;
        if (kind != vbs::InvokeKind::Put) {
            vbs::binding::requireArgumentCount(args, 0);
            return vbs::Value::string(vbs::widenText(text));
        }
        vbs::binding::requireArgumentCount(args, 1);
        vbs::PendingAppend::noteWrite(text);
        if (args[0].isString())
            vbs::narrowTextInto(args[0].asString(), text);
        else
            vbs::narrowTextInto(vbs::toString(args[0]), text);
        return vbs::Value();
    };
}

// The unit's script. A write is counted, so the run compiles the new text for the next turn.
vbs::HostClass<Avatar>::Invoker scriptText()
{
    return [](Avatar& unit, vbs::InvokeKind kind, std::span<const vbs::Value> args) {
        if (kind != vbs::InvokeKind::Put) {
            vbs::binding::requireArgumentCount(args, 0);
            return vbs::Value::string(vbs::widenText(unit.Code));
        }
        vbs::binding::requireArgumentCount(args, 1);
        unit.Code = vbs::narrowText(vbs::toString(args[0]));
        unit.noteCodeWritten();
        return vbs::Value();
    };
}

} // namespace

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
            .add("Code", scriptText())
            .property("Team", &Avatar::Team)
            .add("posOutput", sceneText(&Texts::posOutput), &Texts::posOutput)
            .add("seqOutput", sceneText(&Texts::seqOutput), &Texts::seqOutput)
            .add("FaceOutput", sceneText(&Texts::FaceOutput), &Texts::FaceOutput)
            .add("Header", sceneText(&Texts::Header), &Texts::Header)
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

vbs::Value Avatar::invoke(vbs::MemberId member, vbs::InvokeKind kind, std::span<const vbs::Value> args)
{
    vbs::Value result = HostObject::invoke(member, kind, args);
    if (m_trace && m_trace->recording()) {
        const std::string& name = binding().memberName(member);
        if (kind == vbs::InvokeKind::Put)
            m_trace->unitWrite(name, args, false);
        else if (name == "SetMiscData")
            m_trace->unitWrite(name, args, true);
    }
    return result;
}

std::string* Avatar::appendableText(vbs::MemberId member)
{
    return m_trace ? nullptr : HostObject::appendableText(member);
}

} // namespace kestrelon::sim
