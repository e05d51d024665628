// The script level: global variables, constants, procedures and named objects by folded name.
#include "vbscript/exec/GlobalScope.h"

#include "vbscript/host/HostBinding.h"
#include "vbscript/values/Array.h"

#include <cassert>

namespace kestrelon::vbs {

const GlobalScope::Entry* GlobalScope::find(const std::string& folded) const
{
    const auto found = m_entries.find(folded);
    return found == m_entries.end() ? nullptr : &found->second;
}

// The entry of that key and whether it is new, made (with a default value) from a node a reset
// kept when there is one.
template <typename Map>
std::pair<typename Map::iterator, bool> GlobalScope::emplaceReusing(Map& map,
                                                                    std::vector<typename Map::node_type>& spare,
                                                                    const std::string& key)
{
    if (const auto found = map.find(key); found != map.end())
        return {found, false};
    if (spare.empty())
        return map.try_emplace(key);
    typename Map::node_type node = std::move(spare.back());
    spare.pop_back();
    node.key() = key;
    node.mapped() = typename Map::mapped_type();
    return {map.insert(std::move(node)).position, true};
}

template <typename Map>
void GlobalScope::clearKeeping(Map& map, std::vector<typename Map::node_type>& spare)
{
    while (!map.empty())
        spare.push_back(map.extract(map.begin()));
}

GlobalVariable& GlobalScope::newVariable()
{
    if (m_variablesInUse == m_variables.size())
        m_variables.emplace_back();
    return m_variables[m_variablesInUse++];
}

GlobalVariable& GlobalScope::variable(const std::string& folded)
{
    Entry& entry = emplaceReusing(m_entries, m_spareEntries, folded).first->second;
    if (entry.variable && entry.kind == EntryKind::Variable && !entry.variable->constant)
        return *entry.variable;
    entry = Entry{EntryKind::Variable, &newVariable(), {}, {}};
    ++m_epoch;
    m_changedSinceBuilt = true;
    return *entry.variable;
}

bool GlobalScope::addConstant(const std::string& folded, Value value)
{
    const auto [found, added] = emplaceReusing(m_entries, m_spareEntries, folded);
    if (!added)
        return false;
    GlobalVariable& constant = newVariable();
    constant.value = std::move(value);
    constant.constant = true;
    found->second = Entry{EntryKind::Variable, &constant, {}, {}};
    ++m_epoch;
    m_changedSinceBuilt = true;
    return true;
}

bool GlobalScope::defineProcedure(const std::string& folded, ProcedureEntry procedure)
{
    const auto [found, added] = emplaceReusing(m_entries, m_spareEntries, folded);
    if (!added && found->second.kind != EntryKind::Procedure)
        return false;
    found->second = Entry{EntryKind::Procedure, nullptr, procedure, {}};
    ++m_epoch;
    m_changedSinceBuilt = true;
    return true;
}

bool GlobalScope::defineClass(const std::string& folded, ClassEntry entry)
{
    const auto [found, added] = emplaceReusing(m_entries, m_spareEntries, folded);
    if (!added && found->second.kind != EntryKind::Class)
        return false;
    found->second = Entry{EntryKind::Class, nullptr, {}, entry};
    ++m_epoch;
    m_changedSinceBuilt = true;
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
        emplaceReusing(m_itemIndex, m_spareItemIndex, folded).first->second = m_items.size();
        m_items.push_back(std::move(item));
    }
    ++m_epoch;
    m_changedSinceBuilt = true;
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
    if (m_instancesInUse == m_instances.size())
        m_instances.push_back(std::make_unique<ProgramInstance>());
    ProgramInstance& instance = *m_instances[m_instancesInUse++];
    // Bindings of the level before the reset are stale: their epoch is an old one.
    instance.bindings.assign(program->globalNames.size(), GlobalBinding());
    instance.program = std::move(program);
    m_changedSinceBuilt = true;
    return instance;
}

void GlobalScope::clear()
{
    clearKeeping(m_entries, m_spareEntries);
    for (std::size_t i = 0; i < m_variablesInUse; ++i)
        m_variables[i] = GlobalVariable();
    m_variablesInUse = 0;
    m_items.clear();
    clearKeeping(m_itemIndex, m_spareItemIndex);
    for (std::size_t i = 0; i < m_instancesInUse; ++i)
        m_instances[i]->program.reset();
    m_instancesInUse = 0;
    ++m_epoch;
    m_built = false;
}

void GlobalScope::markBuilt()
{
    m_builtValues.clear();
    m_builtArrays.clear();
    for (std::size_t i = 0; i < m_variablesInUse; ++i) {
        const Value& value = m_variables[i].value;
        if (!value.isArray()) {
            m_builtValues.push_back(value);
            continue;
        }
        const Array& array = *value.asArray();
        BuiltArray shape{i, {}, array.fixed(), array.allocated()};
        for (int dimension = 0; dimension < array.dimensions(); ++dimension)
            shape.upperBounds.push_back(array.upperBound(dimension));
        m_builtArrays.push_back(std::move(shape));
        m_builtValues.emplace_back();
    }
    m_built = true;
    m_changedSinceBuilt = false;
}

void GlobalScope::restoreBuilt()
{
    assert(unchangedSinceBuilt() && m_builtValues.size() == m_variablesInUse);
    for (std::size_t i = 0; i < m_variablesInUse; ++i)
        m_variables[i].value = m_builtValues[i];
    for (const BuiltArray& shape : m_builtArrays) {
        auto array = shape.allocated ? std::make_shared<Array>(shape.upperBounds, shape.fixed) : std::make_shared<Array>();
        m_variables[shape.variable].value = Value::array(std::move(array));
    }
}

void GlobalScope::replaceItemObject(std::size_t index, std::shared_ptr<Object> object)
{
    NamedItem& item = m_items[index];
    // A binding to one of the members the old object added holds for an object that answers
    // the same table of members; any other object has its names looked up again.
    const void* const oldTable = item.object ? item.object->memberTable() : nullptr;
    const void* const newTable = object ? object->memberTable() : nullptr;
    if (!oldTable || oldTable != newTable)
        ++m_epoch;
    item.value = Value::object(object);
    item.object = std::move(object);
}

} // namespace kestrelon::vbs
