// Script class instances as objects: members found by name in the class's table, every use
// handed to the interpreter that made the instance.
#include "vbscript/exec/ClassInstance.h"

#include "vbscript/exec/Interpreter.h"
#include "vbscript/host/HostBinding.h"

namespace kestrelon::vbs {

ClassInstance::ClassInstance(const ClassDecl& decl, std::shared_ptr<const Program> program, ProgramInstance& instance,
                             Interpreter& engine)
    : m_decl(decl), m_program(std::move(program)), m_instance(&instance), m_engine(&engine),
      m_fields(decl.fields.size())
{
    m_engine->instanceMade(this);
}

ClassInstance::~ClassInstance()
{
    if (m_engine)
        m_engine->instanceGone(this);
}

// Private members are found too; using one from outside the instance raises 438 when invoked.
std::optional<MemberId> ClassInstance::findMember(std::string_view name) const
{
    const int member = m_decl.findMember(binding::foldName(name));
    if (member < 0)
        return std::nullopt;
    return member;
}

Value ClassInstance::invoke(MemberId member, InvokeKind kind, std::span<const Value> args)
{
    if (!m_engine)
        throw ScriptError::runtime(ErrorCode::InternalError);
    return m_engine->invokeInstance(*this, member, kind, args);
}

std::optional<MemberId> ClassInstance::defaultMember() const
{
    if (m_decl.defaultMember < 0)
        return std::nullopt;
    return m_decl.defaultMember;
}

} // namespace kestrelon::vbs
