// The script level: global variables, constants, procedures and named objects by folded name.
#include "vbscript/exec/GlobalScope.h"

#include "vbscript/host/HostBinding.h"

namespace kestrelon::vbs {

const GlobalScope::Entry* GlobalScope::find(const std::string& folded) const
{
    const auto found = m_entries.find(folded);
    return found == m_entries.end() ? nullptr : &found->second;
}

GlobalVariable& GlobalScope::variable(const std::string& folded)
{
    Entry& entry = m_entries[folded];
    if (entry.variable && entry.kind == EntryKind::Variable && !entry.variable->constant)
        return *entry.variable;
    entry = Entry{EntryKind::Variable, &m_variables.emplace_back(), {}};
    ++m_epoch;
    return *entry.variable;
}

bool GlobalScope::addConstant(const std::string& folded, Value value)
{
    const auto [found, added] = m_entries.try_emplace(folded);
    if (!added)
        return false;
    GlobalVariable& constant = m_variables.emplace_back();
    constant.value = std::move(value);
    constant.constant = true;
    found->second = Entry{EntryKind::Variable, &constant, {}};
    ++m_epoch;
    return true;
}

bool GlobalScope::defineProcedure(const std::string& folded, ProcedureEntry procedure)
{
    const auto [found, added] = m_entries.try_emplace(folded);
    if (!added && found->second.kind != EntryKind::Procedure)
        return false;
    found->second = Entry{EntryKind::Procedure, nullptr, procedure};
    ++m_epoch;
    return true;
}

void GlobalScope::addItem(const std::string& name, std::shared_ptr<Object> object, bool addMembers)
{
    const std::string folded = binding::foldName(name);
    Value value = Value::object(object);
    NamedItem item{name, std::move(object), addMembers, std::move(value)};
    if (const auto found = m_itemIndex.find(folded); found != m_itemIndex.end()) {
        m_items[found->second] = std::move(item);
    } else {
        m_itemIndex.emplace(folded, m_items.size());
        m_items.push_back(std::move(item));
    }
    ++m_epoch;
}

const NamedItem* GlobalScope::findItem(const std::string& folded, std::size_t* index) const
{
    const auto found = m_itemIndex.find(folded);
    if (found == m_itemIndex.end())
        return nullptr;
    if (index)
        *index = found->second;
    return &m_items[found->second];
}

ProgramInstance& GlobalScope::addInstance(std::shared_ptr<const Program> program)
{
    auto instance = std::make_unique<ProgramInstance>();
    instance->bindings.resize(program->globalNames.size());
    instance->program = std::move(program);
    m_instances.push_back(std::move(instance));
    return *m_instances.back();
}

void GlobalScope::clear()
{
    m_entries.clear();
    m_variables.clear();
    m_items.clear();
    m_itemIndex.clear();
    m_instances.clear();
    ++m_epoch;
}

} // namespace kestrelon::vbs
