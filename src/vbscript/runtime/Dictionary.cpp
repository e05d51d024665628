// Scripting.Dictionary's members and their errors. Entries live in a list, in the order they
// were added, and an index finds them by key; a renamed key keeps its place in the order.
#include "vbscript/runtime/Dictionary.h"

#include "vbscript/values/Array.h"
#include "vbscript/values/Coercion.h"

#include <iterator>
#include <utility>

namespace kestrelon::vbs {
namespace {

// What one entry takes besides its values: its list and index nodes and the index's bucket.
constexpr std::size_t EntryBytes = 160;


} // namespace

std::shared_ptr<Object> makeDictionary()
{
    return std::make_shared<Dictionary>();
}

const HostClass<Dictionary>& Dictionary::binding()
{
    static const HostClass<Dictionary> table = [] {
        HostClass<Dictionary> members("Dictionary");
        members.method("Add", &Dictionary::add)
            .method("Exists", &Dictionary::exists)
            .method("Remove", &Dictionary::remove)
            .method("RemoveAll", &Dictionary::removeAll)
            .method("Keys", &Dictionary::keys)
            .method("Items", &Dictionary::items)
            .method("Count", &Dictionary::count)
            .add("Item", [](Dictionary& dictionary, InvokeKind kind, std::span<const Value> args) {
                if (kind == InvokeKind::Put) {
                    binding::requireArgumentCount(args, 2);
                    dictionary.putItem(args[0], args[1]);
                    return Value();
                }
                binding::requireArgumentCount(args, 1);
                return dictionary.item(args[0]);
            })
            .add("Key", [](Dictionary& dictionary, InvokeKind kind, std::span<const Value> args) {
                // Key can only be assigned: it renames.
                if (kind != InvokeKind::Put)
                    throw ScriptError::runtime(ErrorCode::MemberNotSupported);
                binding::requireArgumentCount(args, 2);
                dictionary.rename(args[0], args[1]);
                return Value();
            })
            .add("CompareMode", [](Dictionary& dictionary, InvokeKind kind, std::span<const Value> args) {
                if (kind == InvokeKind::Put) {
                    binding::requireArgumentCount(args, 1);
                    dictionary.setCompareMode(toLong(args[0]));
                    return Value();
                }
                binding::requireArgumentCount(args, 0);
                return Value::longValue(dictionary.m_compareMode);
            });
        return members;
    }();
    return table;
}

std::optional<MemberId> Dictionary::defaultMember() const
{
    return binding().find("Item");
}

std::optional<std::vector<Value>> Dictionary::elements() const
{
    std::vector<Value> keys;
    keys.reserve(m_entries.size());
    for (const Entry& entry : m_entries)
        keys.push_back(entry.key);
    return keys;
}

void Dictionary::add(const Value& key, const Value& item)
{
    DictionaryKey found = keyOf(key);
    if (find(found) != m_entries.end())
        throw ScriptError::runtime(ErrorCode::KeyAlreadyExists);
    insert(std::move(found), key, item);
}

Value Dictionary::item(const Value& key)
{
    DictionaryKey found = keyOf(key);
    auto entry = find(found);
    if (entry == m_entries.end())
        entry = insert(std::move(found), key, Value());
    return entry->item;
}

void Dictionary::putItem(const Value& key, const Value& item)
{
    DictionaryKey found = keyOf(key);
    const auto entry = find(found);
    if (entry == m_entries.end())
        insert(std::move(found), key, item);
    else
        entry->item = item;
}

bool Dictionary::exists(const Value& key)
{
    return find(keyOf(key)) != m_entries.end();
}

void Dictionary::remove(const Value& key)
{
    const auto indexed = m_index.find(keyOf(key));
    if (indexed == m_index.end())
        throw ScriptError::runtime(ErrorCode::ElementNotFound);
    const auto entry = indexed->second;
    m_index.erase(indexed);
    m_entries.erase(entry);
}

// The entries go only once the dictionary is empty, so a key or item whose going reaches back
// into this dictionary finds it in order.
void Dictionary::releaseContents()
{
    Entries released = std::move(m_entries);
    m_entries.clear();
    m_index.clear();
}

void Dictionary::removeAll()
{
    m_index.clear();
    m_entries.clear();
}

Value Dictionary::keys()
{
    return arrayOf(&Entry::key);
}

Value Dictionary::items()
{
    return arrayOf(&Entry::item);
}

std::int32_t Dictionary::count()
{
    return static_cast<std::int32_t>(m_entries.size());
}

void Dictionary::rename(const Value& oldKey, const Value& newKey)
{
    const auto indexed = m_index.find(keyOf(oldKey));
    if (indexed == m_index.end())
        throw ScriptError::runtime(ErrorCode::ElementNotFound);
    DictionaryKey renamed = keyOf(newKey);
    if (find(renamed) != m_entries.end())
        throw ScriptError::runtime(ErrorCode::KeyAlreadyExists);
    const auto entry = indexed->second;
    entry->held.resize(EntryBytes + heapBytesOf(renamed.text));
    m_index.erase(indexed);
    m_index.emplace(std::move(renamed), entry);
    entry->key = newKey;
}

void Dictionary::setCompareMode(std::int32_t mode)
{
    if (!m_entries.empty())
        throw ScriptError::runtime(ErrorCode::InvalidProcedureCall);
    m_compareMode = mode;
}

DictionaryKey Dictionary::keyOf(const Value& key) const
{
    return DictionaryKey::of(key, m_compareMode != 0);
}

Dictionary::Entries::iterator Dictionary::find(const DictionaryKey& key)
{
    const auto indexed = m_index.find(key);
    return indexed == m_index.end() ? m_entries.end() : indexed->second;
}

// A new entry at the end. Past the size of the largest array it is "Out of memory" (7), as is
// an entry over the memory budget; either leaves the dictionary as it was.
Dictionary::Entries::iterator Dictionary::insert(DictionaryKey key, const Value& keyValue, const Value& item)
{
    if (m_entries.size() >= Array::MaxElements)
        throw ScriptError::runtime(ErrorCode::OutOfMemory);
    HeldBytes held(EntryBytes + heapBytesOf(key.text));
    m_entries.push_back(Entry{std::move(held), keyValue, item});
    const auto entry = std::prev(m_entries.end());
    try {
        m_index.emplace(std::move(key), entry);
    } catch (...) {
        m_entries.pop_back();
        throw;
    }
    return entry;
}

Value Dictionary::arrayOf(Value Entry::*field) const
{
    auto array = std::make_shared<Array>(std::vector<std::int32_t>{static_cast<std::int32_t>(m_entries.size()) - 1},
                                         false);
    auto element = array->elements().begin();
    for (const Entry& entry : m_entries)
        *element++ = entry.*field;
    return Value::array(std::move(array));
}

} // namespace kestrelon::vbs
