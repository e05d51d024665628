// The member table of a class: every variable and every procedure name of the class, each name
// once, with the checks that need the whole class (a name given twice, more than one default,
// Property Let and Set taking one argument more than their Get).
#include "vbscript/syntax/ClassMembers.h"

#include "vbscript/values/ScriptError.h"

#include <algorithm>

namespace kestrelon::vbs {
namespace {

[[noreturn]] void failAt(ErrorCode code, SourcePos pos)
{
    throw ScriptError::compile(code, pos.line, pos.column);
}

class MemberTableBuilder {
public:
    explicit MemberTableBuilder(ClassDecl& decl) : m_decl(decl) {}

    void build()
    {
        for (std::size_t i = 0; i < m_decl.fields.size(); ++i)
            addField(static_cast<int>(i));
        for (const auto& procedure : m_decl.procedures)
            addProcedure(*procedure);
        for (const ClassMember& member : m_decl.members)
            checkArguments(member);
        for (std::size_t i = 0; i < m_decl.members.size(); ++i)
            m_decl.memberIndex.emplace_back(m_decl.members[i].folded, static_cast<int>(i));
        std::sort(m_decl.memberIndex.begin(), m_decl.memberIndex.end());
    }

private:
    int memberNamed(const std::string& name, const std::string& folded)
    {
        for (std::size_t i = 0; i < m_decl.members.size(); ++i) {
            if (m_decl.members[i].folded == folded)
                return static_cast<int>(i);
        }
        ClassMember member;
        member.name = name;
        member.folded = folded;
        member.isPublic = false;
        m_decl.members.push_back(std::move(member));
        return static_cast<int>(m_decl.members.size() - 1);
    }

    void addField(int index)
    {
        const Declaration& field = m_decl.fields[static_cast<std::size_t>(index)];
        const std::size_t before = m_decl.members.size();
        ClassMember& member = m_decl.members[static_cast<std::size_t>(memberNamed(field.name, field.folded))];
        if (m_decl.members.size() == before)
            failAt(ErrorCode::NameRedefined, field.pos);
        member.field = index;
        member.isPublic = m_decl.publicFields[static_cast<std::size_t>(index)];
    }

    void addProcedure(const Procedure& procedure)
    {
        const int index = memberNamed(procedure.name, procedure.folded);
        ClassMember& member = m_decl.members[static_cast<std::size_t>(index)];
        const Procedure** place = placeOf(member, procedure.kind);
        if (member.field >= 0 || *place || (procedure.kind == ProcedureKind::Sub && member.get) ||
            (member.sub && procedure.isFunction))
            failAt(ErrorCode::NameRedefined, procedure.pos);
        *place = &procedure;
        member.isPublic = member.isPublic || procedure.isPublic;
        if (procedure.isDefault) {
            if (m_decl.defaultMember >= 0 && m_decl.defaultMember != index)
                failAt(ErrorCode::MultipleDefaults, procedure.pos);
            m_decl.defaultMember = index;
        }
        noteLifetimeProcedure(procedure);
    }

    static const Procedure** placeOf(ClassMember& member, ProcedureKind kind)
    {
        switch (kind) {
        case ProcedureKind::Sub: return &member.sub;
        case ProcedureKind::PropertyLet: return &member.let;
        case ProcedureKind::PropertySet: return &member.set;
        default: return &member.get;
        }
    }

    // Class_Initialize runs on New, Class_Terminate when the last reference goes; neither
    // takes arguments.
    void noteLifetimeProcedure(const Procedure& procedure)
    {
        const bool initialize = procedure.folded == "class_initialize";
        if (!initialize && procedure.folded != "class_terminate")
            return;
        if (!procedure.params.empty())
            failAt(ErrorCode::LifetimeProcedureArguments, procedure.pos);
        (initialize ? m_decl.initialize : m_decl.terminate) = &procedure;
    }

    // Let and Set take the value as one argument more than the Get's indices.
    static void checkArguments(const ClassMember& member)
    {
        for (const Procedure* assigner : {member.let, member.set}) {
            if (!assigner)
                continue;
            if (assigner->params.empty())
                failAt(ErrorCode::AssignerWithoutArguments, assigner->pos);
            if (member.get && assigner->params.size() != member.get->params.size() + 1)
                failAt(ErrorCode::InconsistentPropertyArguments, assigner->pos);
        }
    }

    ClassDecl& m_decl;
};

} // namespace

void buildClassMembers(ClassDecl& decl)
{
    MemberTableBuilder(decl).build();
}

int ClassDecl::findMember(const std::string& folded) const
{
    const auto found = std::lower_bound(memberIndex.begin(), memberIndex.end(), folded,
                                        [](const auto& entry, const std::string& key) { return entry.first < key; });
    return found != memberIndex.end() && found->first == folded ? found->second : -1;
}

} // namespace kestrelon::vbs
